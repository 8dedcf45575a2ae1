# cmake -DTOOL=vantelor-db -DPRINT=vantelor-print -DSEED=demo.db -DWORK=dir -DCLUSTER=state
#       -DCREATEDB=createdb -DDROPDB=dropdb -DCREATEUSER=createuser
#       -P vantelor_db_on_server.cmake
# Every vantelor-db command on a server database, checked against the SQLite demo
# database: the same archive seeded on both, copied to the server and back with identical
# exports, a copy refused onto an archive that holds records, and a clerk's role that
# prints but cannot change a payslip.
file(STRINGS ${CLUSTER} cluster LIMIT_COUNT 1)
set(socket ${cluster}/socket)
set(database e2e_vantelor_db)
set(uri "postgresql://postgres@/${database}?host=${socket}")
set(clerk "postgresql://vantelor_cli_clerk@/${database}?host=${socket}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# run(EXPECTED_STATUS OUTPUT_VARIABLE command...): the command's stdout, stderr appended.
function(run expected output)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL expected)
    message(FATAL_ERROR "${ARGN}\nexited ${rc}, not ${expected}:\n${out}${err}")
  endif()
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()
function(expect_same a b what)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "${what} differ")
  endif()
endfunction()
function(expect_in text part)
  string(FIND "${text}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "\"${part}\" not in:\n${text}")
  endif()
endfunction()

execute_process(COMMAND ${DROPDB} -h ${socket} -U postgres --if-exists ${database})
run(0 ignored ${CREATEDB} -h ${socket} -U postgres ${database})
execute_process(COMMAND ${CREATEUSER} -h ${socket} -U postgres vantelor_cli_clerk ERROR_QUIET)

# The demo archive seeded on the server is the one seeded in the SQLite file.
run(0 out ${TOOL} --db ${uri} init)
expect_in("${out}" "Database ${uri} holds 14 files.")
run(0 ignored ${TOOL} --db ${uri} seed-demo)
run(0 seeded ${TOOL} --db ${SEED} export)
run(0 server ${TOOL} --db ${uri} export)
expect_same("${seeded}" "${server}" "the SQLite and the server demo archives")
foreach(args "select;SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"D]\" PAR NomPrenomAidantArchBull PAR 0"
             "select;SSELECT CIVILAIDE PAR 6 PAR-DECR 2" "read;CIVILAIDANT;00001" "export;CONTRAT")
  run(0 a ${TOOL} --db ${SEED} ${args})
  run(0 b ${TOOL} --db ${uri} ${args})
  expect_same("${a}" "${b}" "${args}")
endforeach()
run(0 ignored ${TOOL} --db ${uri} reindex)
run(0 files ${TOOL} --db ${uri} files)
expect_in("${files}" "ARCHIVEBULL         2002 records")

# To the server and back: the same export; a copy onto records is refused unless replacing.
run(0 ignored ${TOOL} --db ${uri} copy --to ${WORK}/back.db)
run(0 back ${TOOL} --db ${WORK}/back.db export)
expect_same("${seeded}" "${back}" "the archive copied from the server")
run(1 refused ${TOOL} --db ${SEED} copy --to ${uri})
expect_in("${refused}" "already holds")
run(0 ignored ${TOOL} --db ${SEED} copy --to ${uri} --replace)
run(0 replaced ${TOOL} --db ${uri} export)
expect_same("${seeded}" "${replaced}" "the archive copied over the server's")

# The clerk prints (TEMPO and the print log) and cannot change a payslip.
run(1 sqlite ${TOOL} --db ${SEED} grant-clerk vantelor_cli_clerk)
expect_in("${sqlite}" "no roles")
run(0 ignored ${TOOL} --db ${uri} grant-clerk vantelor_cli_clerk)
run(0 ignored ${PRINT} --db ${clerk} --out ${WORK}/clerk.pdf --caregiver 00001
    --from 200001 --to 200312)
file(WRITE ${WORK}/payslip.jsonl "{\"file\": \"ARCHIVEBULL\", \"key\": \"0000100120000100101\", \"attributes\": [[\"0\"]]}\n")
run(1 denied ${TOOL} --db ${clerk} import ${WORK}/payslip.jsonl)
expect_in("${denied}" "Droits insuffisants sur la base ${clerk}")
run(0 after ${TOOL} --db ${uri} export ARCHIVEBULL)
run(0 before ${TOOL} --db ${SEED} export ARCHIVEBULL)
expect_same("${before}" "${after}" "the payslips after the clerk's attempt")
run(0 files ${TOOL} --db ${uri} files)
expect_in("${files}" "IMPRESSIONS         1 records")
expect_in("${files}" "TEMPO               0 records")
execute_process(COMMAND ${DROPDB} -h ${socket} -U postgres ${database})
message("vantelor-db and vantelor-print on ${uri}: as on the SQLite file")
