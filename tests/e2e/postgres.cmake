# Every end-to-end script again on a server-backed copy of the demo archive: vantelor-db
# copies the demo database into a new database of the test cluster (tests/data/store), and
# vantelor-host runs the script on it. Each script has its own database, dropped afterwards.
get_property(cluster_state GLOBAL PROPERTY VANTELOR_TEST_CLUSTER_STATE)
if(NOT cluster_state)
  return()
endif()
file(GLOB pg_bins /usr/lib/postgresql/*/bin)
find_program(VANTELOR_CREATEDB createdb HINTS ${pg_bins})
find_program(VANTELOR_DROPDB dropdb HINTS ${pg_bins})
find_program(VANTELOR_CREATEUSER createuser HINTS ${pg_bins})
foreach(script IN LISTS scripts)
  get_filename_component(name ${script} NAME_WE)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/server_${name})
  set(data "")
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${name}.jsonl)
    set(data -DDATA=${CMAKE_CURRENT_LIST_DIR}/${name}.jsonl)
  endif()
  add_test(NAME e2e_server_${name}
           COMMAND ${CMAKE_COMMAND} -DHOST=$<TARGET_FILE:vantelor-host>
                   -DTOOL=$<TARGET_FILE:vantelor-db> -DSEED=${VANTELOR_E2E_SEED} -DWORK=${work}
                   -DSCRIPT=${script} -DCLUSTER=${cluster_state}
                   -DCREATEDB=${VANTELOR_CREATEDB} -DDROPDB=${VANTELOR_DROPDB}
                   -DDATABASE=e2e_${name} ${data}
                   -P ${CMAKE_CURRENT_LIST_DIR}/postgres/run_on_server.cmake)
  set_tests_properties(e2e_server_${name} PROPERTIES
    FIXTURES_REQUIRED "vantelor_e2e_db;vantelor_cluster" LABELS e2e TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VANTELOR_PRINT_DIR=${work}/prints;XDG_CONFIG_HOME=${work}/config")
endforeach()

# vantelor-db's commands and vantelor-print on a server database.
if(TARGET vantelor-print)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/server_vantelor_db)
  add_test(NAME e2e_server_vantelor_db
           COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:vantelor-db>
                   -DPRINT=$<TARGET_FILE:vantelor-print> -DSEED=${VANTELOR_E2E_SEED}
                   -DWORK=${work} -DCLUSTER=${cluster_state} -DCREATEDB=${VANTELOR_CREATEDB}
                   -DDROPDB=${VANTELOR_DROPDB} -DCREATEUSER=${VANTELOR_CREATEUSER}
                   -P ${CMAKE_CURRENT_LIST_DIR}/postgres/vantelor_db_on_server.cmake)
  set_tests_properties(e2e_server_vantelor_db PROPERTIES
    FIXTURES_REQUIRED "vantelor_e2e_db;vantelor_cluster" LABELS e2e TIMEOUT 180
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VANTELOR_PRINTER=")
endif()
