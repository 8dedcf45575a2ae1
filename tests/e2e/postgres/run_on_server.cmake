# cmake -DHOST=vantelor-host -DTOOL=vantelor-db -DSEED=demo.db -DWORK=dir -DSCRIPT=file
#       -DCLUSTER=state-file -DCREATEDB=createdb -DDROPDB=dropdb -DDATABASE=name
#       [-DDATA=records.jsonl] -P run_on_server.cmake
# Runs one script through vantelor-host on a copy of the demo database in a new database
# of the test cluster, dropped at the end whatever happened.
file(STRINGS ${CLUSTER} cluster LIMIT_COUNT 1)
set(socket ${cluster}/socket)
set(uri "postgresql://postgres@/${DATABASE}?host=${socket}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${DROPDB} -h ${socket} -U postgres --if-exists ${DATABASE} OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND ${CREATEDB} -h ${socket} -U postgres ${DATABASE}
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "createdb ${DATABASE} failed (${rc}): ${err}")
endif()
execute_process(COMMAND ${TOOL} --db ${SEED} copy --to ${uri}
                RESULT_VARIABLE copied OUTPUT_VARIABLE copy_out ERROR_VARIABLE copy_err)
# Records a script needs beyond the demo archive go into its copy, as on SQLite.
if(copied EQUAL 0 AND DATA)
  execute_process(COMMAND ${TOOL} --db ${uri} import ${DATA}
                  RESULT_VARIABLE copied OUTPUT_QUIET ERROR_VARIABLE copy_err)
endif()
set(rc 1)
if(copied EQUAL 0)
  execute_process(COMMAND ${HOST} -platform offscreen --db ${uri} --script ${SCRIPT}
                  WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
endif()
execute_process(COMMAND ${DROPDB} -h ${socket} -U postgres ${DATABASE} OUTPUT_QUIET ERROR_QUIET)
if(NOT copied EQUAL 0)
  message(FATAL_ERROR "vantelor-db copy failed (${copied}):\n${copy_err}")
endif()
message("${copy_out}${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "vantelor-host stopped on the server copy (${rc}):\n${err}")
endif()
