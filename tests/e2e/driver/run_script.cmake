# cmake -DHOST=program -DWAY=headless|offscreen|xcb -DSEED=demo.db -DWORK=dir -DSCRIPT=file
#       [-DTOOL=vantelor-db -DDATA=records.jsonl] -P run_script.cmake
# Runs one script on a fresh copy of the demo database with the demo user's rights (seed-demo
# gives them to the login that seeded it, vantelor-host's default user): with the
# headless desktop (HOST is e2e-headless), or through vantelor-host on the Qt rendering,
# offscreen or on the X server that with_xvfb.sh started, the screen compared with the model
# after every line. The test fails with the runner's own report when the script stops.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${SEED} ${WORK}/demo.db)
# Records a script needs beyond the demo archive (a longer payslip, say) go into its copy.
if(DATA)
  execute_process(COMMAND ${TOOL} --db ${WORK}/demo.db import ${DATA} RESULT_VARIABLE rc
                  ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot import ${DATA}: ${err}")
  endif()
endif()
if(WAY STREQUAL "headless")
  set(command ${HOST} ${WORK}/demo.db demo ${SCRIPT})
else()
  set(command ${HOST} -platform ${WAY} --db ${WORK}/demo.db --script ${SCRIPT}
              --check-screen)
endif()
execute_process(COMMAND ${command} WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${WAY} run stopped (${rc}):\n${out}\n${err}")
endif()
