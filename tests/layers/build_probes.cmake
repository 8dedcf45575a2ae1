# cmake -DBUILD=<build tree> -P build_probes.cmake: builds each probe of this folder's
# CMakeLists.txt and checks that only the allowed one compiles, and that each of the others
# fails because the header it includes is out of its reach.
function(build_probe name expect_ok header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target layer_probe_${name}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect_ok AND NOT status EQUAL 0)
    message(FATAL_ERROR "${name} should compile:\n${out}")
  elseif(NOT expect_ok AND status EQUAL 0)
    message(FATAL_ERROR "${name} compiled: ${header} is within its reach")
  elseif(NOT expect_ok AND NOT out MATCHES "${header}: No such file")
    message(FATAL_ERROR "${name} failed, but not on ${header}:\n${out}")
  endif()
  message(STATUS "${name}: as expected")
endfunction()

build_probe(screen_sees_its_layers TRUE "")
build_probe(core_reaches_toolkit FALSE "ui/form.h")
build_probe(screen_reaches_store FALSE "data/store/sqlite/sqlite_store.h")
build_probe(chooser_user_reaches_store FALSE "data/store/postgres/postgres_store.h")
