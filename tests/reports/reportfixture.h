// The set-up the report tests share: a program directory with the language
// file, a main window, a test print host whose printer is "PDF-Datei" into
// ausgabe.pdf there, and the worked example with standard prices, computed.
#pragma once

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "mainfont.h"
#include "numfmt.h"
#include "payback.h"
#include "printer.h"
#include "printtesthost.h"
#include "tempdir.h"
#include "workedexample.h"

class tReportFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(".");
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.049")));
    fMain = std::make_unique<QWidget>();
    SetMainWindow(fMain.get());
    fHost = std::make_unique<tPrintTestHost>(fDir.Path());
    ASSERT_NE(fHost->Printer(), nullptr);
    Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName());
    Printer().SetOutputFileName(OutputPdf());
    fDaten = WorkedExampleStandardPrices();
    fDaten.SetFirmenname("Muster GmbH");
    fDaten.SetAnwendername("Erika Muster");
    fCalc.Calculate(fDaten);
  }
  void TearDown() override {
    fHost.reset();
    SetMainWindow(nullptr);
    fMain.reset();
  }
  tExtendedPrinter& Printer() { return *fHost->Printer(); }
  QString OutputPdf() const { return fDir.File(QStringLiteral("ausgabe.pdf")); }

  tTempDir fDir;
  std::unique_ptr<QWidget> fMain;
  std::unique_ptr<tPrintTestHost> fHost;
  tTaviDaten fDaten;
  tPaybackCalc fCalc;
};
