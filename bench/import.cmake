# Import memory (import_bench): vantelor-db import of files of growing size, peak memory of
# each run. VANTELOR_BENCH_DB_TOOL names another vantelor-db to measure (an older build).
if(TARGET vantelor-db)
  add_executable(import_bench ${CMAKE_CURRENT_SOURCE_DIR}/import_bench.cpp)
  target_link_libraries(import_bench PRIVATE benchmark::benchmark)
  target_compile_definitions(import_bench PRIVATE VANTELOR_BENCH_DIR="${CMAKE_CURRENT_BINARY_DIR}"
                                                  VANTELOR_DB_TOOL="$<TARGET_FILE:vantelor-db>")
  add_dependencies(import_bench vantelor-db)
endif()
