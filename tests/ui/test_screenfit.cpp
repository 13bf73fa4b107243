// Every window on a screen of 1280 x 1024 pixels, run once at a scale factor
// of 1 and once at 2 (the screen and the factor come from the environment,
// see screenfit.cmake): each lies on the screen with its frame and shows
// every control and text in full; the payback dialog does so without
// scrolling.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest/QTest>
#include <clocale>
#include <gtest/gtest.h>
#include <memory>

#include "dlgabout.h"
#include "dlgamortisation.h"
#include "dlggraph.h"
#include "dlgmain.h"
#include "dlgprint.h"
#include "dlgprinteroptions.h"
#include "dlgprintersetup.h"
#include "dlgprinting.h"
#include "dlgpreview.h"
#include "dlguserdata.h"
#include "help.h"
#include "modaldriver.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "printer.h"
#include "printing.h"
#include "screenfit.h"
#include "tavidaten.h"
#include "toolkittexts.h"
#include "uitest.h"

namespace {

// A one-page job for the preview and the file dialog.
class tOnePage : public tPrinting {
 public:
  tOnePage() : tPrinting(0, true) { BuildWithTestPage(); }
  void BuildPages() override { PageNumbers.Add(1); }
  void RecordPage(int32_t number) override {
    Recorder.StartPage(number);
    Recorder.EndPage();
  }
};

class ScreenFit : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    ASSERT_TRUE(PrepareProgramDir(fDir));
    fMain = std::make_unique<tDlgMain>(fDir.Path());
    ASSERT_TRUE(ShowActive(fMain.get()));
    // The worked example, so that the figures have their usual widths.
    tTaviDaten& d = fMain->Daten();
    d.AnzZS = 120;
    d.DauerZS = 7.5L;
    d.AnteilVorb = 30;
    d.AnteilDurchf = 40;
    d.Stundensatz = 50;
    fMain->Anzeigen();
  }
  void TearDown() override {
    CloseHelpWindow();
    fMain.reset();
    SetTerminating(false);
  }
  // Shows window (not modal), checks it and every page of its tab widgets.
  void Check(QWidget* window) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
    if (tabs.isEmpty()) {
      const QStringList faults = FitFaults(window);
      EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
    }
    for (QTabWidget* tab : tabs)
      for (int i = 0; i < tab->count(); ++i) {
        tab->setCurrentIndex(i);
        QApplication::processEvents();
        const QStringList faults = FitFaults(window);
        EXPECT_TRUE(faults.isEmpty()) << tab->tabText(i).toStdString() << ":\n" << faults.join(u'\n').toStdString();
      }
  }

  tTempDir fDir;
  std::unique_ptr<tDlgMain> fMain;
};

TEST_F(ScreenFit, TheScreenIsTheOneAskedFor) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
  EXPECT_EQ(screen->geometry().size() * screen->devicePixelRatio(), QSize(1280, 1024));
  EXPECT_DOUBLE_EQ(screen->devicePixelRatio(), scale);
}

TEST_F(ScreenFit, MainWindow) { Check(fMain.get()); }

TEST_F(ScreenFit, PaybackDialogWithoutScrolling) {
  tDlgAmortisation dlg(fMain->Daten(), fMain.get());
  Check(&dlg);
  auto* area = Ctl<QAbstractScrollArea>(&dlg, QStringLiteral("ClientScroll"));
  EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(area->verticalScrollBar()->isVisible());
}

TEST_F(ScreenFit, DialogsOfThePaybackCalculation) {
  tDlgAmortisation payback(fMain->Daten(), fMain.get());
  tDlgGraph graph(fMain->Daten(), payback.Calc(), {}, &payback);
  Check(&graph);
  tDlgUserData userData(fMain->Daten(), fMain.get());
  Check(&userData);
  tDlgAbout about(fMain.get());
  Check(&about);
}

TEST_F(ScreenFit, HelpWindow) {
  for (const int context : {1, 2000}) {
    ShowHelpTopic(context);
    ASSERT_NE(HelpWindow(), nullptr);
    Check(HelpWindow());
  }
}

TEST_F(ScreenFit, PrintWindows) {
  tExtendedPrinter* printer = fMain->App()->Printer();
  ASSERT_NE(printer, nullptr);
  printer->SetPrinterName(tExtendedPrinter::PdfDestinationName());
  tOnePage job;
  TDlgPreview preview(&job, -1, -1, fMain.get());
  Check(&preview);
  TDlgPrint print(&preview);
  Check(&print);
  TDlgPrinting progress(&preview);
  Check(&progress);
  tDlgPrinterSetup setup(true, printer, true, &preview);
  Check(&setup);
  tDlgPrinterOptions options(*printer, &setup);
  Check(&options);
}

// The modal ones: the query for the years of the table, a message, the
// file dialog of a PDF.
TEST_F(ScreenFit, QueriesAndMessages) {
  const auto check = [](QWidget* dialog) {
    const QStringList faults = FitFaults(dialog);
    EXPECT_TRUE(faults.isEmpty()) << dialog->windowTitle().toStdString() << ":\n" << faults.join(u'\n').toStdString();
    tModalDriver::Dismiss(dialog);
  };
  tModalDriver driver;
  driver.Then(check).Then(check).Then(check);
  {
    tDlgAmortisation payback(fMain->Daten(), fMain.get());
    payback.ActionPrintTable()->trigger();
  }
  ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\rDie Tabelle hätte 300 Seiten; ein Ausdruck kann "
                           "höchstens 250 Seiten umfassen. Bitte wählen Sie weniger Jahre."));
  tExtendedPrinter* printer = fMain->App()->Printer();
  printer->SetPrinterName(tExtendedPrinter::PdfDestinationName());
  printer->SetOutputFileName(QString());
  tOnePage job;
  EXPECT_FALSE(job.PrintAll());
  EXPECT_EQ(driver.Seen().size(), 3);
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  InstallToolkitTexts(app);
  return RUN_ALL_TESTS();
}
