# The viewer links the help library: no program before it exists.
if(TARGET vantelor_help)
  add_executable(viewer_bench ${CMAKE_CURRENT_SOURCE_DIR}/viewer_bench.cpp)
  target_include_directories(viewer_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(viewer_bench PRIVATE vantelor_viewer vantelor_data_tools benchmark::benchmark)
endif()
