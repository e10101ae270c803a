# Run by `cmake --install`: installs the desktop entry with the installed
# program's full path in its Exec line, so that the menu entry and the .btn
# file type start the program whether or not the prefix's bin is on the PATH.
# Given DESKTOP_ENTRY (the entry to install) and DESKTOP_STAGE (a folder to
# write the installed form into first).

get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(program "${prefix}/bin/kestrova")
if(program MATCHES "[\n\r\t]")
  message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break or a tab: ${program}")
endif()

# The program as one argument of an Exec line: quoted when it holds a reserved
# character, with the characters special inside the quotes escaped; "%" is
# doubled, and every backslash escaped once more as in any string value.
set(argument "${program}")
if(argument MATCHES "[] \"'\\\\<>~|&;$*?#()`[]")
  foreach(special "\\" "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" argument "${argument}")
  endforeach()
  set(argument "\"${argument}\"")
endif()
string(REPLACE "%" "%%" argument "${argument}")
string(REPLACE "\\" "\\\\" argument "${argument}")

file(READ "${DESKTOP_ENTRY}" entry)
string(REPLACE "\nExec=kestrova " "\nExec=${argument} " installed "${entry}")
if(installed STREQUAL entry)
  message(FATAL_ERROR "${DESKTOP_ENTRY} has no line \"Exec=kestrova ...\" to name the installed program in")
endif()
file(WRITE "${DESKTOP_STAGE}/kestrova.desktop" "${installed}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${DESKTOP_STAGE}/kestrova.desktop")
