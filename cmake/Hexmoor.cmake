# Project-wide build settings and the helpers every folder uses to add
# libraries, tests and fuzz targets.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

option(HEXMOOR_WERROR "Treat compiler warnings as errors" ON)

if(WIN32)
  set(HEXMOOR_WINDOWS ON)
else()
  set(HEXMOOR_WINDOWS OFF)
endif()

set(HEXMOOR_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)
if(HEXMOOR_WERROR)
  list(APPEND HEXMOOR_WARNINGS -Werror)
endif()

# Native tree: AddressSanitizer and UBSan everywhere, plus coverage
# instrumentation so that fuzz targets can link against the same libraries.
if(NOT HEXMOOR_WINDOWS)
  set(HEXMOOR_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${HEXMOOR_SANITIZE})
  add_link_options(-fsanitize=address,undefined)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(HEXMOOR_CAN_FUZZ ON)
    add_compile_options(-fsanitize=fuzzer-no-link)
  else()
    set(HEXMOOR_CAN_FUZZ OFF)
  endif()
endif()

if(HEXMOOR_WINDOWS)
  # Wide Win32 interfaces, Windows 7 as the floor.
  add_compile_definitions(UNICODE _UNICODE STRICT NOMINMAX WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800)
endif()

# One windows.h precompiled header for every Windows target but the tests
# (they share one of their own, see tests/CMakeLists.txt): a header image per
# target would be compiled again for each (over 100 MB apiece with debug
# information).
if(HEXMOOR_WINDOWS AND NOT CMAKE_DISABLE_PRECOMPILE_HEADERS)
  add_library(hexmoor_windows_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/windows_pch.cpp)
  target_compile_options(hexmoor_windows_pch PRIVATE ${HEXMOOR_WARNINGS})
  target_precompile_headers(hexmoor_windows_pch PRIVATE <windows.h>)
endif()

# hexmoor_target_defaults(target [PCH pch-target]): warnings, and a shared
# precompiled header so that every file does not parse it again: the one
# given (the tests' own), or for Windows targets the windows.h one.
function(hexmoor_target_defaults target)
  cmake_parse_arguments(D "" "PCH" "" ${ARGN})
  target_compile_options(${target} PRIVATE ${HEXMOOR_WARNINGS})
  if(NOT D_PCH)
    set(D_PCH hexmoor_windows_pch)
  endif()
  if(TARGET ${D_PCH})
    get_target_property(_type ${target} TYPE)
    if(NOT _type STREQUAL "INTERFACE_LIBRARY")
      target_precompile_headers(${target} REUSE_FROM ${D_PCH})
    endif()
  endif()
endfunction()

# hexmoor_add_gtest(NAME n SOURCES ... [LIBS ...] [WINDOW] [BATCH])
# Builds a GoogleTest executable and registers each test case with CTest.
# Windows tests run under Wine through the cross-compiling emulator; test
# discovery happens when CTest runs so that building never needs Wine.
# WINDOW marks tests that put real windows up: each takes one slot of the
# test command's "display" resource pool (its own display, Wine prefix and
# wineserver), so that focus, activation, the registry and the clipboard do
# not leak between tests running side by side.
# BATCH (window-free programs of many short cases, such as the page tables
# run state by state) registers the whole program as one test in the
# Windows tree: one Wine start instead of one per case, and GoogleTest's
# output names any failing case. The native tree still registers each case.
function(hexmoor_add_gtest)
  cmake_parse_arguments(T "WINDOW;BATCH" "NAME" "SOURCES;LIBS" ${ARGN})
  # Generous: some cases walk every generated skin file under Wine, and a
  # two-core machine runs them beside the rest of the suite.
  set(_props TIMEOUT 600 LABELS "${HEXMOOR_TREE_LABEL}")
  if(T_WINDOW)
    list(APPEND _props RESOURCE_GROUPS display:1)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_WINDOW)
    # Each window test starts with the mouse pointer parked away from its
    # windows, wherever the test before it on the display left it.
    target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/harness/parked_pointer.cpp)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  hexmoor_target_defaults(${T_NAME} PCH hexmoor_test_pch)
  if(T_BATCH AND HEXMOOR_WINDOWS AND NOT T_WINDOW)
    add_test(NAME ${HEXMOOR_TREE_LABEL}.${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${HEXMOOR_TREE_LABEL}.${T_NAME} PROPERTIES ${_props})
    return()
  endif()
  gtest_discover_tests(${T_NAME}
    TEST_PREFIX "${HEXMOOR_TREE_LABEL}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${_props})
endfunction()

# hexmoor_add_fuzzer(NAME n SOURCES ... LIBS ... [CORPUS dir] [SECONDS s])
# Native tree only: a libFuzzer target, run by the test command for a bounded
# time over a copy of its seed corpus.
function(hexmoor_add_fuzzer)
  cmake_parse_arguments(F "" "NAME;CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(HEXMOOR_WINDOWS OR NOT HEXMOOR_CAN_FUZZ)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 30)
  endif()
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_include_directories(${F_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(${F_NAME} PRIVATE ${HEXMOOR_WARNINGS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  add_test(NAME fuzz.${F_NAME}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/run-fuzzer.sh $<TARGET_FILE:${F_NAME}> ${F_SECONDS} ${F_CORPUS})
  set_tests_properties(fuzz.${F_NAME} PROPERTIES TIMEOUT 600 LABELS fuzz)
endfunction()

# hexmoor_add_subdirectories(dir...): adds each listed folder; a listed
# folder without a CMakeLists.txt is an error, not silently skipped.
macro(hexmoor_add_subdirectories)
  foreach(_dir ${ARGN})
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_dir}/CMakeLists.txt)
      message(FATAL_ERROR "hexmoor_add_subdirectories: ${CMAKE_CURRENT_SOURCE_DIR}/${_dir} has no CMakeLists.txt "
                          "(remove it from the list in ${CMAKE_CURRENT_LIST_FILE} or add the file)")
    endif()
    add_subdirectory(${_dir})
  endforeach()
endmacro()

# hexmoor_collect_subdirectories(out dir): dir and every folder added below it.
function(hexmoor_collect_subdirectories out dir)
  set(_found ${dir})
  get_property(_subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(_sub ${_subdirs})
    hexmoor_collect_subdirectories(_below ${_sub})
    list(APPEND _found ${_below})
  endforeach()
  set(${out} ${_found} PARENT_SCOPE)
endfunction()

# hexmoor_require_every_subdirectory(): called at the end of a folder's
# CMakeLists.txt, fails configuring when a folder below it holds a
# CMakeLists.txt that no add_subdirectory reached, so that a folder dropped
# from a list stops the build instead of silently leaving the suite.
function(hexmoor_require_every_subdirectory)
  file(GLOB_RECURSE _lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  hexmoor_collect_subdirectories(_added ${CMAKE_CURRENT_SOURCE_DIR})
  set(_missing)
  foreach(_list ${_lists})
    get_filename_component(_dir ${_list} DIRECTORY)
    if(NOT _dir IN_LIST _added)
      file(RELATIVE_PATH _name ${PROJECT_SOURCE_DIR} ${_dir})
      list(APPEND _missing ${_name})
    endif()
  endforeach()
  if(_missing)
    list(JOIN _missing ", " _names)
    message(FATAL_ERROR "hexmoor_require_every_subdirectory: folders with a CMakeLists.txt that no list adds: "
                        "${_names} (add each to the list of the folder above it)")
  endif()
endfunction()

# hexmoor_require_every_test_source(): called at the end of the tests'
# CMakeLists.txt in the tree that builds them all, fails configuring when a
# *_test.cpp below the folder is a source of no target: test programs list
# their files, and a file missing from every list would never run.
function(hexmoor_require_every_test_source)
  file(GLOB_RECURSE _files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  hexmoor_collect_subdirectories(_dirs ${CMAKE_CURRENT_SOURCE_DIR})
  set(_built)
  foreach(_dir ${_dirs})
    get_property(_targets DIRECTORY ${_dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(_t ${_targets})
      get_target_property(_sources ${_t} SOURCES)
      get_target_property(_base ${_t} SOURCE_DIR)
      foreach(_source ${_sources})
        get_filename_component(_path ${_source} ABSOLUTE BASE_DIR ${_base})
        list(APPEND _built ${_path})
      endforeach()
    endforeach()
  endforeach()
  set(_missing)
  foreach(_file ${_files})
    if(NOT _file IN_LIST _built)
      file(RELATIVE_PATH _name ${PROJECT_SOURCE_DIR} ${_file})
      list(APPEND _missing ${_name})
    endif()
  endforeach()
  if(_missing)
    list(JOIN _missing ", " _names)
    message(FATAL_ERROR "hexmoor_require_every_test_source: test files in no test program: ${_names} "
                        "(add each to the SOURCES of a test in its folder's CMakeLists.txt)")
  endif()
endfunction()
