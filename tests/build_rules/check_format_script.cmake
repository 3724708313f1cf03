# cmake -DHEXMOOR_ROOT=<source> -DWORK=<scratch folder> -P check_format_script.cmake
# The formatting script on a file written badly on purpose: the check fails
# and names it, formatting mends it, and the check then passes.
set(file ${WORK}/badly_formatted.cpp)
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${file} "int  Answer( ){return 42;}\n")
set(script ${HEXMOOR_ROOT}/scripts/format.sh)

execute_process(COMMAND ${script} --check ${file} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(code EQUAL 0 OR NOT out MATCHES "badly_formatted.cpp")
  message(FATAL_ERROR "the check passed a badly formatted file (exit ${code}):\n${out}")
endif()
execute_process(COMMAND ${script} ${file} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "formatting failed (exit ${code}):\n${out}")
endif()
file(READ ${file} formatted)
if(NOT formatted STREQUAL "int Answer() { return 42; }\n")
  message(FATAL_ERROR "formatted as:\n${formatted}")
endif()
execute_process(COMMAND ${script} --check ${file} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the check refused the formatted file (exit ${code}):\n${out}")
endif()
