# cmake -DTOOL=vantelor-db -DDB=path -P make_demo_database.cmake
# Makes the demo database the end-to-end tests copy.
file(REMOVE ${DB} ${DB}-wal ${DB}-shm)
foreach(step init seed-demo)
  execute_process(COMMAND ${TOOL} --db ${DB} ${step} RESULT_VARIABLE rc ERROR_VARIABLE err
                  OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "vantelor-db ${step} failed (${rc}): ${err}")
  endif()
endforeach()
