# Fails when a Register... or Install... routine of the product is used by
# nothing but tests: such a routine is meant for the program's start-up, and
# one that only tests call leaves its part out of the program a user runs.
#   cmake -DSOURCE_DIR=<root> -DFOLDERS=base,platform,... -P CheckRoutinesUsed.cmake
string(REPLACE "," ";" folders "${FOLDERS}")
set(files "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()

# A definition or declaration starts at the line's start with its return type.
set(head "^[A-Za-z][A-Za-z0-9_:<>&* ]* ")
set(names "")
set(lines "")
foreach(file IN LISTS files)
  file(STRINGS "${file}" matches REGEX "(Register|Install)[A-Za-z0-9_]*")
  foreach(line IN LISTS matches)
    if(line MATCHES "^[ \t]*//")
      continue()
    endif()
    list(APPEND lines "${line}")
    if(line MATCHES "${head}((Register|Install)[A-Za-z0-9_]*)\\(")
      list(APPEND names "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES names)

set(unused "")
foreach(name IN LISTS names)
  set(used FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "(^|[^A-Za-z0-9_])${name}([^A-Za-z0-9_]|$)" AND
       NOT line MATCHES "${head}${name}\\(")
      set(used TRUE)
      break()
    endif()
  endforeach()
  if(NOT used)
    string(APPEND unused "  ${name}\n")
  endif()
endforeach()
if(unused)
  message(FATAL_ERROR "These start-up routines are defined in the product but nothing "
                      "outside the tests uses them:\n${unused}")
endif()
