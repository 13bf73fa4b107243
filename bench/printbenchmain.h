// The program around the benchmarks of the print side: Qt's offscreen
// platform, the application object with its printer on "PDF-Datei" in a
// program directory of its own (the built language file), then the
// benchmarks. TAVI_BIN_DIR is the program's directory of the build.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "morlakapp.h"
#include "printer.h"

// instead: when set, runs in place of the benchmarks with the program
// directory and gives the exit status (a measurement of its own).
inline int RunPrintBenchmarks(int argc, char** argv, const std::function<int(const QString& dir)>& instead = {}) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  QTemporaryDir dir;
  QFile::copy(QStringLiteral(TAVI_BIN_DIR "/TAVI.049"), dir.filePath(QStringLiteral("TAVI.049")));
  tSimpleApp app(QStringLiteral("TAVI"), QStringLiteral("2.0"), dir.path());
  if (!app.Printer()) {
    std::fprintf(stderr, "no printer object\n");
    return 1;
  }
  app.Printer()->SetPrinterName(tExtendedPrinter::PdfDestinationName());
  if (instead) return instead(dir.path());

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
