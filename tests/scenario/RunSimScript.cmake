# Runs tandrel-sim on SCRIPT and checks its exit status (STATUS) and that
# its output matches OUTPUT (a regular expression):
#   cmake -DSIM=... -DSCRIPT=... -DSTATUS=... -DOUTPUT=... -P RunSimScript.cmake
execute_process(COMMAND ${SIM} ${SCRIPT} RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT status EQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, not ${STATUS}:\n${output}")
endif()
if(NOT output MATCHES "${OUTPUT}")
    message(FATAL_ERROR "the output does not match '${OUTPUT}':\n${output}")
endif()
