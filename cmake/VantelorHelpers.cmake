# vantelor_library(NAME DEPS dep...)
#   One static library per source directory, made of every .cpp in it.
function(vantelor_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  # Source-tree paths hold only in the build tree; an installed library carries none.
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
                                            $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>)
  set_property(GLOBAL APPEND PROPERTY VANTELOR_LIBRARIES ${name})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  # The public headers need C++20: an installed library tells its users so.
  target_compile_features(${name} PUBLIC cxx_std_20)
endfunction()

# vantelor_support_library(NAME DEPS dep...)
#   The same for what only tests, the gallery and scripted runs link (the automation script
#   and its drivers): built like a layer, never installed with the production libraries.
function(vantelor_support_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/include)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# vantelor_add_tests(NAME LIBS lib... [PROPERTIES prop value...])
#   One test program per test directory, made of every *_test.cpp in it;
#   each GoogleTest case is registered with CTest on its own, with PROPERTIES added.
function(vantelor_add_tests name)
  cmake_parse_arguments(ARG "" "" "LIBS;EXTRA_SOURCES;PROPERTIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  add_executable(${name} ${sources} ${ARG_EXTRA_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
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
