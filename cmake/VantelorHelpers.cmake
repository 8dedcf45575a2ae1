# Include roots. Every library gets a folder of its own in the build tree that holds links
# to the headers of its own source folder only (not its sub-folders, which are other
# libraries), spelled as below src/ or apps/ ("data/core/database.h"), and to the public
# headers of include/ that it implements ("vantelor/demo.h"). The root is its only include
# directory, PUBLIC: a target sees its own headers and those of the libraries it links,
# through them, and nothing else, so a layer that reaches where it must not fails to
# compile. Where a link cannot be made (a Windows account without the right), the header
# is copied, and copied again whenever it changes. The roots are made anew at every
# configure, from the source tree alone.
set(VANTELOR_INCLUDE_ROOTS ${PROJECT_BINARY_DIR}/include-roots)

function(vantelor_link_header header link)
  get_filename_component(folder ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(CREATE_LINK ${header} ${link} RESULT failed SYMBOLIC)
  if(failed)
    configure_file(${header} ${link} COPYONLY)
  endif()
endfunction()

# vantelor_include_root(TARGET [FOLDER dir] [PUBLIC_HEADERS vantelor/x.h...])
#   FOLDER: the target's source folder (the current one by default), below src/ or apps/.
function(vantelor_include_root target)
  cmake_parse_arguments(ARG "" "FOLDER" "PUBLIC_HEADERS" ${ARGN})
  if(NOT ARG_FOLDER)
    set(ARG_FOLDER ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(base ${PROJECT_SOURCE_DIR}/src)
  file(RELATIVE_PATH below ${base} ${ARG_FOLDER})
  if(below MATCHES "^\\.\\.")
    set(base ${PROJECT_SOURCE_DIR}/apps)
    file(RELATIVE_PATH below ${base} ${ARG_FOLDER})
  endif()
  set(root ${VANTELOR_INCLUDE_ROOTS}/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  file(GLOB headers CONFIGURE_DEPENDS ${ARG_FOLDER}/*.h)
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    vantelor_link_header(${header} ${root}/${below}/${name})
  endforeach()
  foreach(header IN LISTS ARG_PUBLIC_HEADERS)
    vantelor_link_header(${PROJECT_SOURCE_DIR}/include/${header} ${root}/${header})
  endforeach()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  # Debug information, coverage data and __FILE__ name the headers where they are kept.
  set(gnu $<CXX_COMPILER_ID:GNU,Clang>)
  target_compile_options(${target} PUBLIC
    $<BUILD_INTERFACE:$<${gnu}:-ffile-prefix-map=${root}/${below}=${ARG_FOLDER}>>)
  if(ARG_PUBLIC_HEADERS)
    target_compile_options(${target} PUBLIC $<BUILD_INTERFACE:$<${gnu}:-ffile-prefix-map=${root}/vantelor=${PROJECT_SOURCE_DIR}/include/vantelor>>)
  endif()
endfunction()

# vantelor_library(NAME [DEPS dep...] [PRIVATE_DEPS dep...] [PUBLIC_HEADERS vantelor/x.h...])
#   One static library per source directory, made of every .cpp in it, seeing its own
#   include root (above) and those of DEPS. PRIVATE_DEPS are linked without their headers
#   reaching this library's users (the stores behind the store chooser).
function(vantelor_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS;PUBLIC_HEADERS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  vantelor_include_root(${name} PUBLIC_HEADERS ${ARG_PUBLIC_HEADERS})
  set_property(GLOBAL APPEND PROPERTY VANTELOR_LIBRARIES ${name})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  # The public headers need C++20: an installed library tells its users so.
  target_compile_features(${name} PUBLIC cxx_std_20)
endfunction()

# vantelor_support_library(NAME DEPS dep... [PUBLIC_HEADERS vantelor/x.h...])
#   The same for what only tests, the gallery and scripted runs link (the automation script
#   and its drivers): built like a layer, never installed with the production libraries.
function(vantelor_support_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PUBLIC_HEADERS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  vantelor_include_root(${name} PUBLIC_HEADERS ${ARG_PUBLIC_HEADERS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# vantelor_add_tests(NAME LIBS lib... [PROPERTIES prop value...])
#   One test program per test directory, made of every *_test.cpp in it;
#   each GoogleTest case is registered with CTest on its own, with PROPERTIES added.
function(vantelor_add_tests name)
  cmake_parse_arguments(ARG "" "" "LIBS;EXTRA_SOURCES;PROPERTIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  add_executable(${name} ${sources} ${ARG_EXTRA_SOURCES})
  # What its libraries let it see, and the tests' own folders (support/, fixtures).
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  # The folders are compiled in too: gtest_discover_tests splits the ENVIRONMENT list
  # below at its semicolons, so only its first entry reaches the tests.
  target_compile_definitions(${name} PRIVATE VANTELOR_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             VANTELOR_TEST_BUILD_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VANTELOR_SOURCE_DIR=${PROJECT_SOURCE_DIR};VANTELOR_BUILD_DIR=${PROJECT_BINARY_DIR}"
               ${ARG_PROPERTIES}
    DISCOVERY_TIMEOUT 60)
endfunction()
