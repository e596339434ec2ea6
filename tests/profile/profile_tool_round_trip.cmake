# Runs profile-tool as separate processes: a set, a get, an empty set, and bad
# arguments. Called with -DTOOL=<profile-tool> -DWORK_DIR=<scratch folder>.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(ini "${WORK_DIR}/mindsave.ini")

function(check_output expected output code what)
  if(NOT code EQUAL 0 OR NOT output STREQUAL expected)
    message(FATAL_ERROR "profile-tool ${what}: exit ${code}, printed:\n${output}\nexpected:\n${expected}")
  endif()
endfunction()

# Every argument is quoted, since an empty value must still reach the tool.
function(expect_set expected file section key value)
  execute_process(COMMAND "${TOOL}" set "${file}" "${section}" "${key}" "${value}"
    OUTPUT_VARIABLE output RESULT_VARIABLE code)
  check_output("${expected}" "${output}" "${code}" "set ${section} ${key} '${value}'")
endfunction()

function(expect_get expected file section key)
  execute_process(COMMAND "${TOOL}" get "${file}" "${section}" "${key}"
    OUTPUT_VARIABLE output RESULT_VARIABLE code)
  check_output("${expected}" "${output}" "${code}" "get ${section} ${key}")
endfunction()

function(expect_file_hex expected)
  file(READ "${ini}" actual HEX)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "file holds ${actual}, expected ${expected}")
  endif()
endfunction()

# A quoted value: reading drops the quotes and keeps the blanks inside them.
expect_set("RET 1\n" "${ini}" mind 1-1 2220682020c3a96c6c6f2022)
expect_file_hex("5b6d696e645d0d0a312d313d2220682020c3a96c6c6f20220d0a")
expect_get("RET 10\nHEX 20682020c3a96c6c6f20\n" "${ini}" MIND 1-1)
expect_set("RET 1\n" "${ini}" mind 1-1 "")
expect_file_hex("5b6d696e645d0d0a312d313d0d0a")
expect_get("RET 0\nHEX \n" "${ini}" mind 1-1)
expect_set("RET 0\n" "${WORK_DIR}/gone/mindsave.ini" mind 0 41)

execute_process(COMMAND "${TOOL}" set "${ini}" mind 0 0a ERROR_VARIABLE usage RESULT_VARIABLE code)
if(NOT code EQUAL 2 OR NOT usage MATCHES "^usage: ")
  message(FATAL_ERROR "a value with a line break must be refused with usage, got exit ${code}: ${usage}")
endif()
execute_process(COMMAND "${TOOL}" get "${ini}" mind ERROR_VARIABLE usage RESULT_VARIABLE code)
if(NOT code EQUAL 2 OR NOT usage MATCHES "^usage: ")
  message(FATAL_ERROR "missing arguments must be refused with usage, got exit ${code}: ${usage}")
endif()
