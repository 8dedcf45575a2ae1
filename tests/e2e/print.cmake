# The PDFs that print.script makes: one of 9 pages (the listing), one of 1 page (Edition).
if(TEST e2e_print)
  set_tests_properties(e2e_print PROPERTIES FIXTURES_SETUP vantelor_e2e_print)
  add_test(NAME e2e_print_pdf_pages
           COMMAND ${CMAKE_COMMAND} -DPRINTS=${CMAKE_CURRENT_BINARY_DIR}/print/prints
                   "-DPAGES=1;9" -P ${CMAKE_CURRENT_LIST_DIR}/driver/count_pdf_pages.cmake)
  set_tests_properties(e2e_print_pdf_pages PROPERTIES FIXTURES_REQUIRED vantelor_e2e_print
                       LABELS e2e)
endif()
