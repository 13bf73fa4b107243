// Every window on a screen of 1280 x 1024 pixels, run at the scale factors
// 1 and 2 (screenfit.cmake): each lies on the screen with its frame and
// shows every control in full; the payback dialog without scrolling.
#include <QApplication>
#include <QScreen>
#include <QTabWidget>
#include <QtTest/QTest>
#include <algorithm>
#include <clocale>
#include <functional>
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

class tOnePage : public tPrinting {
 public:
  tOnePage() : tPrinting(0, true) { BuildWithTestPage(); }
  void BuildPages() override { PageNumbers.Add(1); }
  void RecordPage(int32_t number) override {
    Recorder.StartPage(number);
    Recorder.EndPage();
  }
};

// Expects window, with every page of its tab widgets, to fit.
void ExpectFits(QWidget* window) {
  const QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
  int pages = 1;
  for (const QTabWidget* tab : tabs) pages = std::max(pages, tab->count());
  for (int i = 0; i < pages; ++i) {
    for (QTabWidget* tab : tabs) tab->setCurrentIndex(std::min(i, tab->count() - 1));
    QApplication::processEvents();
    const QStringList faults = FitFaults(window);
    EXPECT_TRUE(faults.isEmpty()) << window->windowTitle().toStdString() << " " << i << ":\n"
                                  << faults.join(u'\n').toStdString();
  }
}

TEST(ScreenFit, EveryWindow) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_EQ(screen->geometry().size() * screen->devicePixelRatio(), QSize(1280, 1024));
  SetTerminating(false);
  tTempDir dir;
  ASSERT_TRUE(PrepareProgramDir(dir));
  tDlgMain main(dir.Path());
  ASSERT_TRUE(ShowActive(&main));
  tTaviDaten& d = main.Daten();
  d.AnzZS = 120;  // the worked example: figures of their usual widths
  d.DauerZS = 7.5L;
  d.Stundensatz = 50;
  main.Anzeigen();
  tExtendedPrinter* printer = main.App()->Printer();
  ASSERT_NE(printer, nullptr);
  printer->SetPrinterName(tExtendedPrinter::PdfDestinationName());
  printer->SetOutputFileName(QString());

  ExpectFits(&main);
  tDlgAmortisation payback(d, &main);
  tOnePage job;
  const std::function<QWidget*()> windows[] = {
      [&] { return &payback; },
      [&] { return new tDlgGraph(d, payback.Calc(), {}, &payback); },
      [&] { return new tDlgUserData(d, &main); },
      [&] { return new tDlgAbout(&main); },
      [] { ShowHelpTopic(2000); return HelpWindow(); },
      [&] { return new TDlgPreview(&job, -1, -1, &main); },
      [&] { return new TDlgPrint(&main); },
      [&] { return new TDlgPrinting(&main); },
      [&] { return new tDlgPrinterSetup(true, printer, true, &main); },
      [&] { return new tDlgPrinterOptions(*printer, &main); },
  };
  for (const auto& make : windows) {
    QWidget* window = make();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ExpectFits(window);
    window->hide();
  }

  // The modal ones: the years of the table, a message, the file of a PDF.
  tModalDriver driver;
  for (int i = 0; i < 3; ++i)
    driver.Then([](QWidget* dialog) {
      ExpectFits(dialog);
      tModalDriver::Dismiss(dialog);
    });
  payback.ActionPrintTable()->trigger();
  ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\rDie Tabelle hätte 300 Seiten; ein Ausdruck kann "
                           "höchstens 250 Seiten umfassen. Bitte wählen Sie weniger Jahre."));
  EXPECT_FALSE(job.PrintAll());
  EXPECT_EQ(driver.Seen().size(), 3);
  CloseHelpWindow();
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
