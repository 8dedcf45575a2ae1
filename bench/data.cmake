# The data layer beside raw SQLite (data_bench); it seeds its scale-2000 archive on first run.
add_executable(data_bench ${CMAKE_CURRENT_SOURCE_DIR}/data_bench.cpp
                          ${CMAKE_CURRENT_SOURCE_DIR}/bench_support.cpp)
target_include_directories(data_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(data_bench PRIVATE vantelor_sqlite vantelor_demo benchmark::benchmark)
target_compile_definitions(data_bench PRIVATE VANTELOR_BENCH_DIR="${CMAKE_CURRENT_BINARY_DIR}")
