# The selection screen links the help library: no program before it exists.
if(TARGET vantelor_help)
  add_executable(selection_bench ${CMAKE_CURRENT_SOURCE_DIR}/selection_bench.cpp)
  target_link_libraries(selection_bench PRIVATE vantelor_selection vantelor_demo
                        benchmark::benchmark)
endif()
