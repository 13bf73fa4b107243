# The page recorder: recorded commands as data and replayed pictures.
add_executable(test_recorder test_recorder.cpp)
target_link_libraries(test_recorder PRIVATE tavi_print GTest::gtest)
gtest_discover_tests(test_recorder TEST_PREFIX "recorder." DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Rules without printer or window: page lists, preview geometry.
add_executable(test_printrules test_printrules.cpp)
target_link_libraries(test_printrules PRIVATE tavi_print GTest::gtest_main)
gtest_discover_tests(test_printrules TEST_PREFIX "print." DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
