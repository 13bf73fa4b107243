// Test program of the windows: one QApplication for all tests.
#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

#include "toolkittexts.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  // As in the program: the C library keeps the point in numbers.
  std::setlocale(LC_NUMERIC, "C");
  // As in the program: the toolkit's texts in German (test_toolkittexts
  // fails when they are missing).
  InstallToolkitTexts(app);
  return RUN_ALL_TESTS();
}
