# The PDFs that print.script makes, each way: one of 9 pages (the listing), one of 1 page
# (Edition).
foreach(way IN LISTS VANTELOR_E2E_WAYS)
  if(NOT TEST e2e_print_${way})
    continue()
  endif()
  set_tests_properties(e2e_print_${way} PROPERTIES FIXTURES_SETUP vantelor_e2e_print_${way})
  add_test(NAME e2e_print_${way}_pdf_pages
           COMMAND ${CMAKE_COMMAND} -DPRINTS=${CMAKE_CURRENT_BINARY_DIR}/print/${way}/prints
                   "-DPAGES=1;9" -P ${CMAKE_CURRENT_LIST_DIR}/driver/count_pdf_pages.cmake)
  set_tests_properties(e2e_print_${way}_pdf_pages PROPERTIES
                       FIXTURES_REQUIRED vantelor_e2e_print_${way} LABELS e2e)
endforeach()
