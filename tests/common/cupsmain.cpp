#include "cupsmain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "cupsfixture.h"

int RunTestsWithCups(int argc, char** argv, const QString& marginPpd, bool gui, bool& cups, QString& why) {
  if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  cups = false;
  if (!tCupsFixture::Available(&why)) {
    std::fprintf(stderr, "CUPS cases are skipped: %s\n", qPrintable(why));
  } else {
    QString error;
    if (!tCupsFixture::Start(marginPpd, &error)) {
      std::fprintf(stderr, "The test scheduler does not start: %s\n", qPrintable(error));
      return 1;
    }
    cups = true;
  }
  int result = 0;
  {
    std::unique_ptr<QCoreApplication> app;
    if (gui)
      app = std::make_unique<QApplication>(argc, argv);
    else
      app = std::make_unique<QCoreApplication>(argc, argv);
    result = RUN_ALL_TESTS();
  }
  tCupsFixture::Stop();
  return result;
}
