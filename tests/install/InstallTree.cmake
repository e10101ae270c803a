# Installs a build folder into a staging root, as `make install DESTDIR=<root>`
# does with the release build:
#
#   cmake -DBUILD=<build folder> -DROOT=<staging root> -P InstallTree.cmake

if(NOT BUILD OR NOT ROOT)
  message(FATAL_ERROR "InstallTree: pass -DBUILD=<build folder> -DROOT=<staging root>")
endif()
file(REMOVE_RECURSE "${ROOT}")
set(ENV{DESTDIR} "${ROOT}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD} failed: ${result}")
endif()
