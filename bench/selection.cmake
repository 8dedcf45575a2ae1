# Recherche then Lister on the selection screen (selection_bench), over the shared
# scale-2000 archive. The selection screen links the help library: no program before it.
if(TARGET vantelor_help)
  add_executable(selection_bench ${CMAKE_CURRENT_SOURCE_DIR}/selection_bench.cpp
                                 ${CMAKE_CURRENT_SOURCE_DIR}/bench_support.cpp)
  target_include_directories(selection_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(selection_bench PRIVATE vantelor_selection vantelor_demo
                        benchmark::benchmark)
  target_compile_definitions(selection_bench PRIVATE VANTELOR_BENCH_DIR="${CMAKE_CURRENT_BINARY_DIR}")
endif()
