# Checks that the subfolders of one folder point one way: a file of the n-th
# folder of ORDER may include the folders before it, never those after it.
#   cmake -DSOURCE_DIR=<root> -DFOLDER=viewer -DORDER=widgets,view,project,main
#         [-DSTAMP=<file touched when the check passes>] -P CheckFolderOrder.cmake
string(REPLACE "," ";" order "${ORDER}")
string(REPLACE ";" " <- " shown "${order}")
list(LENGTH order count)
set(errors "")
set(index 0)
foreach(folder IN LISTS order)
  math(EXPR next "${index} + 1")
  set(later "")
  if(next LESS count)
    list(SUBLIST order ${next} -1 later)
  endif()
  file(GLOB_RECURSE files "${SOURCE_DIR}/${FOLDER}/${folder}/*.h"
       "${SOURCE_DIR}/${FOLDER}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      foreach(other IN LISTS later)
        # "viewer/project/X.h" from the root, or "../project/X.h" beside it.
        if(line MATCHES "[\"<](${FOLDER}/|\\.\\./)${other}/")
          file(RELATIVE_PATH shortName "${SOURCE_DIR}" "${file}")
          string(APPEND errors "  ${shortName}: ${line}\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(index ${next})
endforeach()
if(errors)
  message(FATAL_ERROR "${FOLDER}/'s folders point one way (${shown}); "
                      "these includes point the other way:\n${errors}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
