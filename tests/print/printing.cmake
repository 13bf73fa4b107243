# Print job, page frame, print range and progress dialogs (test_printing).
# Real documents go through the cups-pdf queue of a private CUPS scheduler
# (tests/common/cupsfixture) and into the "PDF-Datei" destination; without
# the scheduler the CUPS cases skip. One process runs every case, so the
# scheduler starts once.
add_executable(test_printing ${CMAKE_CURRENT_LIST_DIR}/test_printing.cpp ${CMAKE_CURRENT_LIST_DIR}/test_pdffile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_printkeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printtesthost.cpp ${CMAKE_CURRENT_LIST_DIR}/printtesthost.h)
target_compile_definitions(test_printing PRIVATE
  TAVI_TEST_BIN_DIR="${TAVI_BIN_DIR}"
  TAVI_PRINT_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}")
target_link_libraries(test_printing PRIVATE tavi_print tavi_testcommon Qt6::Test GTest::gtest)
add_dependencies(test_printing tavi_side_files)

set(TEST_PRINTING_ENV "QT_QPA_PLATFORM=offscreen")
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/lsan.supp)
  list(APPEND TEST_PRINTING_ENV "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
endif()
add_test(NAME test_printing COMMAND test_printing)
set_tests_properties(test_printing PROPERTIES ENVIRONMENT "${TEST_PRINTING_ENV}" TIMEOUT 600)
