# `make install` (cmake --install; DESTDIR honoured): the program, its resource
# folder share/kestrova (the same tree as resources/ beside a build's
# executable), the desktop entry, the program's icon and the .btn file type.

install(TARGETS kestrova RUNTIME DESTINATION bin)

foreach(file IN LISTS KESTROVA_RESOURCE_FILES)
  get_filename_component(folder ${file} DIRECTORY)
  install(FILES ${KESTROVA_RESOURCE_DIR}/${file} DESTINATION share/kestrova/${folder})
endforeach()

set(desktop ${KESTROVA_RESOURCE_DIR}/desktop)
# The desktop entry names the program by its full path under the prefix given
# at install time (component desktop-entry, so that it can be installed alone).
install(CODE "set(DESKTOP_ENTRY \"${desktop}/kestrova.desktop\")
  set(DESKTOP_STAGE \"${PROJECT_BINARY_DIR}/desktop-entry\")" COMPONENT desktop-entry)
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallDesktopEntry.cmake COMPONENT desktop-entry)
install(FILES ${desktop}/kestrova.xml DESTINATION share/mime/packages)
install(FILES ${desktop}/kestrova.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${desktop}/kestrova-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME kestrova.png)
endforeach()

# Installed straight into the system (no DESTDIR): refresh the desktop's
# caches so that .btn files open with the program at once. Packagers who
# install into a staging folder run these from their package scripts.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    set(share "${CMAKE_INSTALL_PREFIX}/share")
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    find_program(update_icons gtk-update-icon-cache)
    if(update_mime)
      execute_process(COMMAND ${update_mime} "${share}/mime")
    endif()
    if(update_desktop)
      execute_process(COMMAND ${update_desktop} -q "${share}/applications")
    endif()
    if(update_icons)
      execute_process(COMMAND ${update_icons} -q -t "${share}/icons/hicolor")
    endif()
  endif()
]])
