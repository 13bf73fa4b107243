# Every window on a screen of 1280 x 1024 pixels at the scale factors 1 and
# 2 (test_screenfit, one program run twice). Qt's offscreen platform takes
# the screen from screen1280x1024.json.
add_executable(test_screenfit ${CMAKE_CURRENT_LIST_DIR}/test_screenfit.cpp)
target_link_libraries(test_screenfit PRIVATE tavi_ui tavi_testcommon GTest::gtest Qt6::Test)
target_compile_definitions(test_screenfit PRIVATE TAVI_TEST_BIN_DIR="${TAVI_BIN_DIR}")
add_dependencies(test_screenfit tavi_side_files)
foreach(scale 1 2)
  set(env "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen1280x1024.json"
          "QT_SCALE_FACTOR=${scale}")
  if(TAVI_SANITIZE AND EXISTS ${CMAKE_SOURCE_DIR}/tests/lsan.supp)
    list(APPEND env "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp")
  endif()
  add_test(NAME ui.screenfit.scale${scale} COMMAND test_screenfit)
  set_tests_properties(ui.screenfit.scale${scale} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endforeach()
