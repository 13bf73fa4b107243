# Tests of the print preview, a program of their own (test_preview). They
# run on Qt's offscreen platform with a test host in a temporary program
# directory; the test printer with unprintable strips comes from the
# private CUPS scheduler when this machine can run it.
include(GoogleTest)
add_executable(test_preview ${CMAKE_CURRENT_LIST_DIR}/test_preview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printtesthost.cpp ${CMAKE_CURRENT_LIST_DIR}/printtesthost.h)
target_link_libraries(test_preview PRIVATE tavi_print tavi_testcommon GTest::gtest Qt6::Test)
target_compile_definitions(test_preview PRIVATE
  TAVI_TEST_BIN_DIR="${TAVI_BIN_DIR}"
  TAVI_PRINT_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}")
add_dependencies(test_preview tavi_side_files)
set(TEST_PREVIEW_ENV "QT_QPA_PLATFORM=offscreen")
if(TAVI_SANITIZE AND EXISTS ${CMAKE_SOURCE_DIR}/tests/lsan.supp)
  list(APPEND TEST_PREVIEW_ENV "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
endif()
# One process for all tests: the CUPS scheduler starts once.
add_test(NAME test_preview COMMAND test_preview)
set_tests_properties(test_preview PROPERTIES ENVIRONMENT "${TEST_PREVIEW_ENV}" TIMEOUT 300)
