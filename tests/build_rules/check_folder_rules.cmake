# cmake -DHEXMOOR_ROOT=<source> -DWORK=<scratch folder> -P check_folder_rules.cmake
# Configures small projects that use the project's folder helpers and checks
# which configure and which fail, and that a failure names the folder or file.

# make_project(NAME BODY FOLDER...): a project whose top CMakeLists.txt
# holds the body, with an empty CMakeLists.txt in each folder given.
function(make_project name body)
  set(dir ${WORK}/${name})
  file(REMOVE_RECURSE ${dir})
  file(WRITE ${dir}/CMakeLists.txt
       "cmake_minimum_required(VERSION 3.25)\nproject(${name} NONE)\ninclude(${HEXMOOR_ROOT}/cmake/Hexmoor.cmake)\n${body}\n")
  foreach(folder ${ARGN})
    file(WRITE ${dir}/${folder}/CMakeLists.txt "# ${folder}\n")
  endforeach()
endfunction()

# expect(NAME ok|fail [TEXT...]): configures the project; each TEXT must be
# in the output of a failure.
function(expect name outcome)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK}/${name} -B ${WORK}/${name}/build
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  # CMake wraps its messages: compare with the line breaks as blanks.
  string(REGEX REPLACE "[ \n]+" " " flat "${out}")
  if(outcome STREQUAL "ok" AND NOT code EQUAL 0)
    message(FATAL_ERROR "${name}: configuring failed:\n${out}")
  endif()
  if(outcome STREQUAL "fail")
    if(code EQUAL 0)
      message(FATAL_ERROR "${name}: configuring succeeded")
    endif()
    foreach(text ${ARGN})
      string(FIND "${flat}" "${text}" at)
      if(at EQUAL -1)
        message(FATAL_ERROR "${name}: the failure does not name ${text}:\n${out}")
      endif()
    endforeach()
  endif()
  message(STATUS "${name}: ${outcome} as expected")
endfunction()

set(require "hexmoor_require_every_subdirectory()\nhexmoor_require_every_test_source()")

# Every folder added, one of them from the folder above it, and every test
# file in a target (a custom target stands for a test program).
make_project(complete "hexmoor_add_subdirectories(kept other)\n${require}" kept other other/inner)
file(APPEND ${WORK}/complete/other/CMakeLists.txt "hexmoor_add_subdirectories(inner)\n")
file(WRITE ${WORK}/complete/other/inner/one_test.cpp "")
file(APPEND ${WORK}/complete/other/inner/CMakeLists.txt "add_custom_target(inner SOURCES one_test.cpp)\n")
expect(complete ok)

# A test file that no target lists.
make_project(unlisted "hexmoor_add_subdirectories(kept)\n${require}" kept)
file(WRITE ${WORK}/unlisted/kept/one_test.cpp "")
file(WRITE ${WORK}/unlisted/kept/two_test.cpp "")
file(APPEND ${WORK}/unlisted/kept/CMakeLists.txt "add_custom_target(kept SOURCES one_test.cpp)\n")
expect(unlisted fail "in no test program: kept/two_test.cpp (")

# A folder dropped from the top list, and one below a kept folder.
make_project(dropped "hexmoor_add_subdirectories(kept)\nhexmoor_require_every_subdirectory()"
             kept kept/inner tools)
expect(dropped fail "no list adds: kept/inner, tools")

# A listed folder without a CMakeLists.txt.
make_project(listed "hexmoor_add_subdirectories(kept absent)" kept)
expect(listed fail "absent has no CMakeLists.txt")
