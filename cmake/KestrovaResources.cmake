# The read-only resources the program ships (resources/): the files of its
# resource folder, copied next to the executable of a build folder so that a
# program started from there finds them, and the generator that draws the
# preset set and the palette icons.

set(KESTROVA_RESOURCE_DIR ${PROJECT_SOURCE_DIR}/resources)

# The files of the program's resource folder, relative to resources/ (the
# installed share/kestrova/ holds the same tree).
file(GLOB kestrova_palette_icons CONFIGURE_DEPENDS RELATIVE ${KESTROVA_RESOURCE_DIR}
     ${KESTROVA_RESOURCE_DIR}/icons/*.png ${KESTROVA_RESOURCE_DIR}/icons/*.bmp)
set(KESTROVA_RESOURCE_FILES presets-default.ini bullets.ini Kestroen.html Kestropl.html ${kestrova_palette_icons})

set(staged_resources "")
foreach(file IN LISTS KESTROVA_RESOURCE_FILES)
  set(staged ${PROJECT_BINARY_DIR}/${file})
  get_filename_component(staged_folder ${staged} DIRECTORY)
  add_custom_command(
    OUTPUT ${staged}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${staged_folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KESTROVA_RESOURCE_DIR}/${file} ${staged}
    DEPENDS ${KESTROVA_RESOURCE_DIR}/${file}
    VERBATIM)
  list(APPEND staged_resources ${staged})
endforeach()
add_custom_target(kestrova_resources ALL DEPENDS ${staged_resources})

# The generator: kestrova_make_resources <resources folder> writes the preset
# set, the palette icons and their list; --preview <png> draws them all.
add_library(kestrova_resource_art STATIC
  ${KESTROVA_RESOURCE_DIR}/generator/DefaultPresets.cpp
  ${KESTROVA_RESOURCE_DIR}/generator/PaletteIcons.cpp)
target_link_libraries(kestrova_resource_art PUBLIC kestrova_core)
add_executable(kestrova_make_resources ${KESTROVA_RESOURCE_DIR}/generator/MakeResources.cpp)
target_link_libraries(kestrova_make_resources PRIVATE kestrova_resource_art)
