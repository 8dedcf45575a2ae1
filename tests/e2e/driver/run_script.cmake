# cmake -DHOST=vantelor-host -DSEED=demo.db -DWORK=dir -DSCRIPT=file -P run_script.cmake
# Runs one script through vantelor-host on a fresh copy of the demo database; the test
# fails with the host's own report when the script stops.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${SEED} ${WORK}/demo.db)
execute_process(COMMAND ${HOST} -platform offscreen --db ${WORK}/demo.db --user demo
                        --script ${SCRIPT}
                WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "vantelor-host stopped (${rc}):\n${err}")
endif()
