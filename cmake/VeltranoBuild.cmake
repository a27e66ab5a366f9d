# Build flavours, warnings and the helpers every folder uses to declare its
# library, tests, benchmarks and fuzz targets.

option(VELTRANO_TESTS "Build the tests" OFF)
option(VELTRANO_BENCH "Build the benchmarks" OFF)
option(VELTRANO_FUZZ "Build the libFuzzer targets (clang only)" OFF)
option(VELTRANO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release)
endif()

add_compile_options(-Wall -Wextra -Werror)
add_compile_definitions(QT_NO_KEYWORDS VELTRANO_VERSION="${PROJECT_VERSION}")

if(VELTRANO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VELTRANO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VELTRANO_FUZZ needs clang")
  endif()
  # Instrument everything for coverage; only the fuzz targets link the driver.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# veltrano_add_library(name SOURCES ... LIBS ...)
# One static library per subsystem folder; its folder's parent is the include root,
# so code includes "resultdata/TResultFile.h".
function(veltrano_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# veltrano_add_folder_library(name [SUBDIRS dir...] LIBS ...)
# The library of one subsystem folder: every .cpp and .h in the folder (not
# below it), plus those of the SUBDIRS named. Several people add files to one
# folder at once, so adding a file needs no edit here; re-run cmake
# (./build.sh does) to pick it up.
function(veltrano_add_folder_library name)
  cmake_parse_arguments(ARG "" "" "SUBDIRS;LIBS" ${ARGN})
  set(patterns "")
  foreach(dir . ${ARG_SUBDIRS})
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
  endforeach()
  file(GLOB files CONFIGURE_DEPENDS ${patterns})
  set(sources ${files})
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${files})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# veltrano_split_folder_sources(suffix main_var helper_var [subdir...])
# Splits the .cpp files of the current folder (and of the subfolders named)
# into those ending in <suffix> (each one a program: a test suite, a
# benchmark, a fuzz target) and the rest (helpers those programs share).
function(veltrano_split_folder_sources suffix main_var helper_var)
  set(patterns "")
  foreach(dir . ${ARGN})
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  endforeach()
  file(GLOB all CONFIGURE_DEPENDS ${patterns})
  set(mains "")
  set(helpers "")
  foreach(f IN LISTS all)
    if(f MATCHES "${suffix}$")
      list(APPEND mains ${f})
    else()
      list(APPEND helpers ${f})
    endif()
  endforeach()
  set(${main_var} ${mains} PARENT_SCOPE)
  set(${helper_var} ${helpers} PARENT_SCOPE)
endfunction()

# veltrano_add_collector_target(name property): a target that builds every
# program recorded in the global <property>.
function(veltrano_add_collector_target name property)
  get_property(members GLOBAL PROPERTY ${property})
  add_custom_target(${name})
  if(members)
    add_dependencies(${name} ${members})
  endif()
endfunction()

# veltrano_add_folder_programs(suffix prefix adder LIBS ...)
# Every <Name><suffix>.cpp of the current folder becomes the program
# <prefix><Name><suffix>, made by calling `adder` with SOURCES and LIBS; the
# folder's other .cpp files join every one of them.
function(veltrano_add_folder_programs suffix prefix adder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  veltrano_split_folder_sources("${suffix}\\.cpp" mains helpers)
  foreach(f IN LISTS mains)
    get_filename_component(stem ${f} NAME_WE)
    cmake_language(CALL ${adder} ${prefix}${stem} SOURCES ${f} ${helpers} LIBS ${ARG_LIBS})
  endforeach()
endfunction()
