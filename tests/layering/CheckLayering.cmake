# Fails when an include crosses the layers the wrong way.
#
#   cmake -DROOT=<repository> -P CheckLayering.cmake
#
# Layers, bottom up: rendering, gif, core, ui/model, ui/qt, app. A file may
# include headers of its own layer and of the layers below it. Inside core and
# ui/model the sub-folders are ranked the same way (the order below). Qt headers
# may be included only by ui/qt/ and app/ and by their tests and benchmarks.

if(NOT ROOT)
  message(FATAL_ERROR "CheckLayering: pass -DROOT=<repository folder>")
endif()

# Rank of a path (a file, or an include written from the repository root); -1
# when it belongs to no layer.
set(kLayers
  "rendering/" "gif/"
  "core/support/" "core/files/" "core/images/" "core/generation/" "core/"
  "ui/model/controls/" "ui/model/language/" "ui/model/lists/" "ui/model/form/"
  "ui/model/commands/" "ui/model/dialogs/" "ui/model/"
  "ui/qt/" "app/")
set(kRanks 0 1 2 3 4 5 5 6 6 6 7 8 8 8 9 10)

function(layer_rank path out)
  set(rank -1)
  set(i 0)
  foreach(prefix IN LISTS kLayers)
    string(FIND "${path}" "${prefix}" at)
    if(at EQUAL 0)
      list(GET kRanks ${i} rank)
      break()
    endif()
    math(EXPR i "${i} + 1")
  endforeach()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

set(kQtAllowed "^(ui/qt/|app/|tests/ui/qt/|tests/app/|bench/qt/)")

set(problems "")
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
     "${ROOT}/rendering/*" "${ROOT}/gif/*" "${ROOT}/core/*" "${ROOT}/ui/*" "${ROOT}/app/*"
     "${ROOT}/tests/*" "${ROOT}/bench/*")
foreach(file IN LISTS sources)
  if(NOT file MATCHES "\\.(h|hpp|cpp|cc)$" OR file MATCHES "^tests/layering/")
    continue()
  endif()
  layer_rank("${file}" own)
  file(STRINGS "${ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    if(line MATCHES "include[ \t]*\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      layer_rank("${header}" theirs)
      if(own GREATER_EQUAL 0 AND theirs GREATER own)
        string(APPEND problems "  ${file} includes \"${header}\" from a higher layer\n")
      endif()
    elseif(line MATCHES "include[ \t]*<(Q[A-Za-z]*(/[^>]*)?)>")
      if(NOT file MATCHES "${kQtAllowed}")
        string(APPEND problems "  ${file} includes the Qt header <${CMAKE_MATCH_1}>\n")
      endif()
    endif()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that break the layering:\n${problems}")
endif()
message(STATUS "Layering holds")
