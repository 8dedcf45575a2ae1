# Printing: --out and the print folder (modes, links, taken names, no partial file), screen
# prints at once into one folder, a failing Edition, whose rights apply, refusals, the print
# log's final update under a refusing server. Its tests live in printing/.
if(TARGET vantelor-print AND TARGET vantelor-host AND TARGET e2e-headless)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/printing)
endif()
