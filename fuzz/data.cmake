vantelor_fuzzer(sentence_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/sentence_fuzz.cpp vantelor_data_tools)
vantelor_fuzzer(json_lines_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/json_lines_fuzz.cpp vantelor_data_tools)
