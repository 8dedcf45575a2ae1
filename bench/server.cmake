# The server store beside raw libpq (server_bench), on the server ./run bench starts.
if(TARGET vantelor_help)
  add_executable(server_bench ${CMAKE_CURRENT_SOURCE_DIR}/server_bench.cpp
                              ${CMAKE_CURRENT_SOURCE_DIR}/bench_support.cpp)
  target_include_directories(server_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(server_bench PRIVATE vantelor_selection vantelor_print_pdf vantelor_sqlite vantelor_postgres
                        vantelor_demo
                        benchmark::benchmark)
  target_compile_definitions(server_bench PRIVATE VANTELOR_BENCH_DIR="${CMAKE_CURRENT_BINARY_DIR}")
endif()
