# cmake -DBUILD=dir -DWORK=dir -DCONSUMER=dir -DSOURCE=dir -DOBJDUMP=objdump -DGENERATOR=g
#       -P install_and_embed.cmake
# The package as the office's IT person meets it: a stripped install into a fresh prefix;
# what it holds (and what it must not); every installed program's --help and --version;
# the host started from there (its help file found in share/); the README's embedding
# example and a test host built against the package, the latter run.
file(REMOVE_RECURSE ${WORK})
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${rc}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()
function(expect condition)
  if(NOT (${condition}))
    message(FATAL_ERROR "${ARGN}")
  endif()
endfunction()
# A program asks for no test library at run time: none among the libraries it names as
# needed (ELF NEEDED entries; the DLLs of a Windows program).
function(needs_no_test_library program)
  run(${OBJDUMP} -p ${program})
  string(REGEX MATCHALL "(NEEDED|DLL Name:)[ \t]+[^\n]+" needed "${out}")
  expect("needed" "objdump lists no library that ${program} needs")
  expect("NOT;needed;MATCHES;[Tt]est" "${program} needs a test library: ${needed}")
endfunction()

set(prefix ${WORK}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} --strip)

# What the prefix holds.
foreach(file bin/vantelor-host bin/vantelor-db bin/vantelor-print share/vantelor/Vantelor.HLP
             share/applications/vantelor-host.desktop share/icons/hicolor/scalable/apps/vantelor.svg
             include/vantelor/vantelor.h lib/cmake/Vantelor/VantelorConfig.cmake)
  expect("EXISTS;${prefix}/${file}" "${file} is not installed")
endforeach()
foreach(file bin/vantelor-gallery bin/Vantelor.HLP include/vantelor/script.h)
  expect("NOT;EXISTS;${prefix}/${file}" "${file} must not be installed")
endforeach()
file(STRINGS ${prefix}/share/applications/vantelor-host.desktop exec REGEX "^Exec=")
expect("exec;STREQUAL;Exec=${prefix}/bin/vantelor-host" "the desktop entry says ${exec}")
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  run(${VALIDATE} ${prefix}/share/applications/vantelor-host.desktop)
endif()
# No test library: no script driver among the archives, Qt's test library asked by nothing,
# needed by no program.
file(GLOB archives ${prefix}/lib/*.a)
file(GLOB exports ${prefix}/lib/cmake/Vantelor/*.cmake)
foreach(file IN LISTS archives exports)
  get_filename_component(name ${file} NAME)
  expect("NOT;name;MATCHES;script" "${name}: the script driver is not for hosts")
  file(STRINGS ${file} test_library REGEX "Qt6::Test|Qt6Test")
  expect("NOT;test_library" "${name} names Qt's test library")
endforeach()
foreach(program vantelor-host vantelor-db vantelor-print)
  needs_no_test_library(${prefix}/bin/${program})
endforeach()
# The C++ standard the public headers need comes with the package.
file(READ ${prefix}/lib/cmake/Vantelor/VantelorTargets.cmake targets)
expect("targets;MATCHES;INTERFACE_COMPILE_FEATURES \"cxx_std_20\"" "C++20 is not exported")
# Stripped: no debug information left in the libraries.
foreach(archive IN LISTS archives)
  run(${OBJDUMP} -h ${archive})
  expect("NOT;out;MATCHES;\\.debug_info" "${archive} holds debug information")
endforeach()

# Every installed program answers --help and --version, without a display.
foreach(program vantelor-host vantelor-db vantelor-print)
  foreach(option --help --version)
    run(${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=QT_QPA_PLATFORM
        ${prefix}/bin/${program} ${option})
    expect("out;MATCHES;^(usage: )?${program}" "${program} ${option} wrote: ${out}")
  endforeach()
endforeach()

# The installed host, started from the prefix on the demo archive, finds its help file.
set(db ${WORK}/demo.db)
run(${prefix}/bin/vantelor-db --db ${db} init)
run(${prefix}/bin/vantelor-db --db ${db} seed-demo)
run(${prefix}/bin/vantelor-host -platform offscreen --db ${db}
    --script ${SOURCE}/tests/e2e/listing.script)

# The README's example, as a host would copy it: its CMakeLists.txt and main.cpp.
file(READ ${SOURCE}/README.md readme)
foreach(block CMakeLists.txt main.cpp)
  string(REGEX MATCH "<!-- embedding example: ${block} -->\n```[a-z]+\n([^`]*)```" found "${readme}")
  expect("CMAKE_MATCH_1" "README.md has no embedding example ${block}")
  file(WRITE ${WORK}/example/${block} "${CMAKE_MATCH_1}")
endforeach()
foreach(host example ${CONSUMER})
  get_filename_component(name ${host} NAME)
  set(source ${host})
  if(host STREQUAL "example")
    set(source ${WORK}/example)
  endif()
  run(${CMAKE_COMMAND} -S ${source} -B ${WORK}/build-${name} -G ${GENERATOR}
      -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
  run(${CMAKE_COMMAND} --build ${WORK}/build-${name} -j2)
endforeach()
get_filename_component(consumer ${CONSUMER} NAME)
needs_no_test_library(${WORK}/build-${consumer}/host)
run(${WORK}/build-${consumer}/host -platform offscreen ${db})
message("${out}")
# Passed: the installed copy is not needed any more.
file(REMOVE_RECURSE ${WORK})
