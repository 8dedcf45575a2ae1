add_executable(print_bench ${CMAKE_CURRENT_SOURCE_DIR}/print_bench.cpp)
target_link_libraries(print_bench PRIVATE vantelor_print_pdf vantelor_demo benchmark::benchmark)
