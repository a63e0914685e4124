# Runs `murokan-bench --signature` twice (BENCH) and fails unless both runs
# print the same positive number of nodes.
foreach(run 1 2)
    execute_process(COMMAND ${BENCH} --signature OUTPUT_VARIABLE out${run} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR NOT out${run} MATCHES "^signature nodes [1-9][0-9]*\n$")
        message(FATAL_ERROR "run ${run}: exit ${rc}, printed '${out${run}}'")
    endif()
endforeach()
if(NOT out1 STREQUAL out2)
    message(FATAL_ERROR "two runs differ: '${out1}' and '${out2}'")
endif()
message(STATUS "${out1}")
