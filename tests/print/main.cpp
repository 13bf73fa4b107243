// Runs the printer tests. Without arguments a private CUPS scheduler with the
// test queues is started first (the NoCups tests are left out); with
// --no-cups the process sees no CUPS printers and only the NoCups tests run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "cupsfixture.h"
#include "printtestenv.h"

namespace {
bool gCups = false;
QString gNoCupsReason;
}  // namespace

// Closes a modal window that nobody answers for a minute and fails the
// running test, so a forgotten message cannot hang the test program.
static void StartModalWatchdog(QTimer& timer) {
  timer.setInterval(250);
  QObject::connect(&timer, &QTimer::timeout, [] {
    static QWidget* seen = nullptr;
    static qint64 since = 0;
    QWidget* modal = QApplication::activeModalWidget();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (modal != seen) {
      seen = modal;
      since = now;
    } else if (modal && now - since > 60000) {
      ADD_FAILURE() << "unanswered modal window \"" << modal->windowTitle().toStdString() << "\" closed";
      modal->close();
      seen = nullptr;
    }
  });
  timer.start();
}

bool CupsAvailableForTests(QString* why) {
  if (why) *why = gNoCupsReason;
  return gCups;
}

int main(int argc, char** argv) {
  bool noCups = false;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-cups") == 0)
      noCups = true;
    else
      argv[kept++] = argv[i];
  }
  argc = kept;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);

  const std::string filter = GTEST_FLAG_GET(filter);
  if (noCups) {
    tCupsFixture::HideScheduler();
    GTEST_FLAG_SET(filter, filter == "*" ? std::string("NoCups.*") : filter);
  } else {
    if (filter == "*") GTEST_FLAG_SET(filter, std::string("-NoCups.*"));
    QString error;
    if (!tCupsFixture::Available(&gNoCupsReason)) {
      std::fprintf(stderr, "CUPS tests are skipped: %s\n", qPrintable(gNoCupsReason));
    } else if (!tCupsFixture::Start(QStringLiteral(TAVI_PRINT_TEST_DIR "/tavi-rand.ppd"), &error)) {
      std::fprintf(stderr, "The test scheduler does not start: %s\n", qPrintable(error));
      return 1;
    } else {
      gCups = true;
    }
  }

  int result = 0;
  {
    QApplication app(argc, argv);
    QTimer watchdog;
    StartModalWatchdog(watchdog);
    result = RUN_ALL_TESTS();
  }
  tCupsFixture::Stop();
  return result;
}
