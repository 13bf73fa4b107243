# Tests of the payback dialog and its pages "Wirtschaftlichkeit" and
# "Sensitivität", a program of their own (test_amortisation).
# They run on Qt's offscreen platform; a few start the application object
# in a temporary program directory with the built language file and help.
include(GoogleTest)
add_executable(test_amortisation ${CMAKE_CURRENT_LIST_DIR}/test_amortisation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_amortisation_economics.cpp ${CMAKE_CURRENT_LIST_DIR}/test_amortisation_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_amortisation_export.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_amortisation_sensitivity.cpp)
target_link_libraries(test_amortisation PRIVATE tavi_ui tavi_testcommon GTest::gtest Qt6::Test)
target_compile_definitions(test_amortisation PRIVATE TAVI_TEST_BIN_DIR="${TAVI_BIN_DIR}")
target_include_directories(test_amortisation PRIVATE ${CMAKE_SOURCE_DIR}/tests/calc)  # the worked example
add_dependencies(test_amortisation tavi_side_files)
set(TEST_AMORTISATION_ENV "QT_QPA_PLATFORM=offscreen")
if(TAVI_SANITIZE)
  list(APPEND TEST_AMORTISATION_ENV "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
endif()
gtest_discover_tests(test_amortisation
  TEST_PREFIX "amortisation."
  DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "${TEST_AMORTISATION_ENV}" TIMEOUT 120)
