# cmake -DBUILD=dir -DWORK=dir -DCONSUMER=dir -DTOOL=vantelor-db -DGENERATOR=g -P ...
file(REMOVE_RECURSE ${WORK})
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${rc}):\n${out}\n${err}")
  endif()
  message("${out}")
endfunction()
run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/prefix)
run(${CMAKE_COMMAND} -S ${CONSUMER} -B ${WORK}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${WORK}/prefix -DCMAKE_BUILD_TYPE=RelWithDebInfo)
run(${CMAKE_COMMAND} --build ${WORK}/build -j2)
run(${TOOL} --db ${WORK}/archive.db init)
run(${WORK}/build/host -platform offscreen ${WORK}/archive.db)
# Passed: the installed copy is not needed any more.
file(REMOVE_RECURSE ${WORK})
