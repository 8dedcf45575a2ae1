# cmake -DPRINTS=dir "-DPAGES=1;9" -P count_pdf_pages.cmake
# Fails unless the PDFs of PRINTS have these page counts (in ascending order), no more,
# no fewer.
find_program(PDFINFO pdfinfo REQUIRED)
file(GLOB pdfs ${PRINTS}/*.pdf)
set(counts)
foreach(pdf IN LISTS pdfs)
  execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT info MATCHES "Pages: +([0-9]+)")
    message(FATAL_ERROR "${pdf} is not a readable PDF")
  endif()
  list(APPEND counts ${CMAKE_MATCH_1})
endforeach()
list(SORT counts COMPARE NATURAL)
if(NOT "${counts}" STREQUAL "${PAGES}")
  message(FATAL_ERROR "PDFs in ${PRINTS}: pages ${counts}, expected ${PAGES}")
endif()
message("PDF pages: ${counts}")
