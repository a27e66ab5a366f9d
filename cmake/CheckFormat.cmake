# Runs clang-format in check mode over every C++ file git tracks.
execute_process(COMMAND git ls-files "*.cpp" "*.h" WORKING_DIRECTORY ${SOURCE_DIR}
                OUTPUT_VARIABLE files RESULT_VARIABLE git_result)
if(NOT git_result EQUAL 0)
  message(STATUS "Not a git checkout: format check skipped")
  return()
endif()
string(REPLACE "\n" ";" files "${files}")
list(FILTER files EXCLUDE REGEX "^$")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Some files are not clang-formatted (run clang-format -i on them)")
endif()
