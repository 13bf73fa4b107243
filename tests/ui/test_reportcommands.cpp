// The payback dialog's three print commands and the graph dialog: the input
// box for the years, the graph dialog's form and proposals, and that each
// opens the right report in the preview (portrait table, landscape graph)
// or says why not.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "dlgamortisation.h"
#include "deckblattprinting.h"
#include "pictureview.h"
#include "sensitivityprintpage.h"
#include "dlggraph.h"
#include "dlgpreview.h"
#include "graphprinting.h"
#include "help.h"
#include "mainfont.h"
#include "modaldriver.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "numfield.h"
#include "numfmt.h"
#include "payback.h"
#include "printer.h"
#include "taviprinting.h"
#include "tavidaten.h"
#include "uitest.h"
#include "../calc/workedexample.h"

namespace {

bool HasLabel(const QWidget& w, const QString& text) {
  for (const QLabel* label : w.findChildren<QLabel*>())
    if (label->text() == text) return true;
  return false;
}

QStringList ButtonTexts(const QWidget& w) {
  QStringList texts;
  for (const QPushButton* b : w.findChildren<QPushButton*>()) texts << b->text();
  return texts;
}

void Type(tNumField* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

// The job the preview shows.
template <class T>
T* PreviewJob(QWidget* w) {
  auto* preview = qobject_cast<TDlgPreview*>(w);
  return preview ? dynamic_cast<T*>(preview->Job()) : nullptr;
}

// --------------------------------------------------------- graph dialog form

TEST(GraphDialog, FormFieldsAndButtons) {
  SetDecimalSeparator(".");
  const tTaviDaten d = WorkedExampleStandardPrices();
  tPaybackCalc calc;
  calc.Calculate(d);
  {
    tDlgGraph dlg(d, calc, {});
    EXPECT_EQ(GraphDialog(), &dlg);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Amortisations - Grafik"));
    EXPECT_EQ(Ctl<QGroupBox>(&dlg, QStringLiteral("GBoxAxes"))->title(), QStringLiteral(" Achsenskalierung "));
    for (const char* caption : {"Laufzeit in Monaten", "X-Achse", "Maximale Ausgaben in DM", "Y-Achse"})
      EXPECT_TRUE(HasLabel(dlg, QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(ButtonTexts(dlg), (QStringList{QStringLiteral("Drucken"), QStringLiteral("Abbrechen"),
                                             QStringLiteral("Hilfe")}));
    EXPECT_EQ(dlg.HelpContext(), 1200);
    EXPECT_GE(dlg.width(), tDlgGraph::kClientWidth);
    EXPECT_GE(dlg.height(), tDlgGraph::kClientHeight);

    // The proposals for the worked example.
    tNumField* x = Ctl<tNumField>(&dlg, QStringLiteral("NFieldX"));
    tNumField* y = Ctl<tNumField>(&dlg, QStringLiteral("NFieldY"));
    EXPECT_EQ(x->IntValue(), 10);
    EXPECT_EQ(y->IntValue(), 40500);
    EXPECT_EQ(x->text(), QStringLiteral("10"));
    EXPECT_EQ(x->Mask(), QStringLiteral("#######"));
    EXPECT_EQ(y->Mask(), QStringLiteral("##########"));
    EXPECT_FALSE(x->InError());
    EXPECT_FALSE(y->InError());

    // The ranges: 1 to 9999999 months, 1 to 2147483647 euros.
    const struct {
      tNumField* field;
      const char* typed;
      bool error;
    } typing[] = {{x, "0", true},   {x, "9999999", false},    {x, "1", false},
                  {y, "0", true},   {y, "2147483647", false}, {y, "2147483648", true}, {y, "1", false}};
    for (const auto& t : typing) {
      Type(t.field, QString::fromLatin1(t.typed));
      EXPECT_EQ(t.field->InError(), t.error) << t.field->objectName().toStdString() << " " << t.typed;
    }
  }
  EXPECT_EQ(GraphDialog(), nullptr);
}

TEST(GraphDialog, ProposalsComeFromTheLatestPaybackAndStayInRange) {
  const tTaviDaten worked = WorkedExampleStandardPrices();
  tTaviDaten noSaving = WorkedExample();  // nothing saved: no payback at all
  noSaving.PotentialVorb = 0;
  noSaving.PotentialDurchf = 0;
  noSaving.PotentialAuswert = 0;
  noSaving.PotentialAnzZS = 0;
  tTaviDaten late;  // 50 euros saved a year: paid back after 1315 months
  late.AnzZS = 10;
  late.DauerZS = 1;
  late.AnteilVorb = 30;
  late.AnteilDurchf = 40;
  late.Stundensatz = 10;
  tTaviDaten large;  // 865 studies of 4.7 hours at 86 euros, little saved: 2.7 million euros in 92 months
  large.AnzZS = 865;
  large.DauerZS = 4.7L;
  large.AnteilVorb = 30;
  large.AnteilDurchf = 40;
  large.Stundensatz = 86;
  large.PotentialVorb = large.PotentialDurchf = large.PotentialAnzZS = 0;
  large.PotentialAuswert = 1;
  const struct {
    const char* what;
    tTaviDaten daten;
    int64_t months, cost;
  } cases[] = {
      {"worked example", worked, 10, 40500},
      // 3 months of 3750: 11250, rounded up to 11500, plus 2000.
      {"all paybacks 0", noSaving, 3, 13500},
      // 1318.2 months of 8.33 euros: 10985, up to 11000, plus 2000.
      {"payback beyond 996 months", late, 1318, 13000},
      {"large department", large, 92, 2679500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tPaybackCalc calc;
    calc.Calculate(c.daten);
    tDlgGraph dlg(c.daten, calc, {});
    EXPECT_EQ(dlg.FieldX()->IntValue(), c.months);
    EXPECT_FALSE(dlg.FieldX()->InError());
    if (c.cost >= 0) {
      EXPECT_EQ(dlg.FieldY()->IntValue(), c.cost);
    }
    if (QLatin1String(c.what) == QLatin1String("all paybacks 0")) {
      EXPECT_EQ(calc.PaybackZS(), 0);
      EXPECT_EQ(calc.PaybackPL(), 0);
      EXPECT_EQ(calc.PaybackPLZS(), 0);
    }
    // The fields hold the proposal whole.
    const tGraphProposal proposal = ProposeGraphAxes(calc);
    EXPECT_EQ(dlg.FieldX()->IntValue(), proposal.NFieldX);
    EXPECT_EQ(dlg.FieldY()->IntValue(), proposal.NFieldY);
    EXPECT_FALSE(dlg.FieldY()->InError());
  }
}

TEST(GraphDialog, ValuesTheGraphCannotUseAreRefusedAndTheDialogStays) {
  tTaviDaten d = WorkedExample();
  tPaybackCalc calc;
  calc.Calculate(d);
  const struct {
    const char* field;
    const char* typed;
    const char* message;
  } cases[] = {
      {"NFieldX", "0", "Die Laufzeit muss zwischen 1 und 9999999 Monaten liegen."},
      {"NFieldX", "", "Die Laufzeit muss zwischen 1 und 9999999 Monaten liegen."},
      {"NFieldY", "999", "Die maximalen Ausgaben müssen zwischen 1000 und 2147483647 EUR liegen."},
      {"NFieldY", "2147483648", "Die maximalen Ausgaben müssen zwischen 1000 und 2147483647 EUR liegen."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + c.typed);
    tDlgGraph dlg(d, calc, {});
    dlg.show();
    tNumField* field = Ctl<tNumField>(&dlg, QString::fromLatin1(c.field));
    Type(field, QString::fromLatin1(c.typed));
    if (*c.typed == 0) QTest::keyClick(field, Qt::Key_Backspace);  // the user empties it
    tModalDriver driver;
    driver.ThenClick(QStringLiteral("OK"));
    Ctl<QPushButton>(&dlg, QStringLiteral("BtnPrint"))->click();
    ASSERT_EQ(driver.Seen().size(), 1);
    EXPECT_EQ(driver.Seen()[0].Text, QString::fromUtf8(c.message));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(driver.Unexpected().isEmpty());
  }
}

// --------------------------------------------- with the application object

class ReportCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PrepareProgramDir(fDir));
    fMain = std::make_unique<QWidget>();
    SetMainWindow(fMain.get());
    fApp = std::make_unique<tSimpleApp>(QStringLiteral("TAVI"), QStringLiteral("2.0"), fDir.Path());
    ASSERT_NE(fApp->Printer(), nullptr);
    Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName());
    Printer().SetOrientation(false);
    SetDecimalSeparator(".");
    fDaten = WorkedExample();
  }
  void TearDown() override {
    CloseHelpWindow();
    fApp.reset();
    SetMainWindow(nullptr);
    fMain.reset();
  }
  tExtendedPrinter& Printer() { return *fApp->Printer(); }

  tTempDir fDir;
  std::unique_ptr<QWidget> fMain;
  std::unique_ptr<tSimpleApp> fApp;
  tTaviDaten fDaten;
};

// Answers the input box "Anzahl der Jahre" with `answer` (cancel when null).
tModalDriver::tHandler AnswerYears(const char* answer, bool* checked) {
  return [answer, checked](QWidget* w) {
    auto* box = qobject_cast<QInputDialog*>(w);
    if (!box) return tModalDriver::Dismiss(w);
    *checked = box->windowTitle() == QStringLiteral("Eingabe") && box->labelText() == QStringLiteral("Anzahl der Jahre") &&
               box->textValue() == QStringLiteral("1") && ButtonTexts(*box).contains(QStringLiteral("OK")) &&
               ButtonTexts(*box).contains(QStringLiteral("Abbrechen"));
    if (!answer) return box->reject();
    box->setTextValue(QString::fromLatin1(answer));
    box->accept();
  };
}

TEST_F(ReportCommands, TableCommandPreviewsTheYearsAskedFor) {
  const struct {
    const char* answer;
    int32_t months;
  } cases[] = {{"2", 24}, {" 1", 12}, {"0", 0}, {"100", 1200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    tDlgAmortisation dlg(fDaten);
    bool asked = false;
    int32_t months = -1, pages = 0;
    bool portrait = false, graph = true;
    tModalDriver driver;
    driver.Then(AnswerYears(c.answer, &asked)).Then([&](QWidget* w) {
      if (auto* job = PreviewJob<tTaviPrinting>(w)) {
        months = job->MonthCount;
        pages = job->PageCount();
        portrait = !Printer().IsLandscape();
        graph = dynamic_cast<tGraphPrinting*>(job) != nullptr;
      }
      tModalDriver::Dismiss(w);
    });
    dlg.ActionPrintTable()->trigger();
    EXPECT_TRUE(asked);
    EXPECT_EQ(months, c.months);
    EXPECT_EQ(pages, c.months / 48 + 1);
    EXPECT_TRUE(portrait);
    EXPECT_FALSE(graph);
    EXPECT_EQ(driver.Seen().size(), 2);
    EXPECT_TRUE(driver.Unexpected().isEmpty()) << qPrintable(driver.Unexpected().join(u'|'));
  }
}

TEST_F(ReportCommands, TableCommandCancelledDoesNothingAndBadAnswersSayWhy) {
  {
    tDlgAmortisation dlg(fDaten);
    bool asked = false;
    tModalDriver driver;
    driver.Then(AnswerYears(nullptr, &asked));
    dlg.ActionPrintTable()->trigger();
    EXPECT_TRUE(asked);
    EXPECT_EQ(driver.Seen().size(), 1);
    EXPECT_TRUE(driver.Unexpected().isEmpty());
  }
  const QString failure = QStringLiteral("Fehler bei der Druckaufbereitung.\n\r");
  const struct {
    const char* answer;
    QString message;
  } cases[] = {
      {"abc", QStringLiteral("\"abc\" ist keine gültige ganze Zahl.")},
      {"1,5", QStringLiteral("\"1,5\" ist keine gültige ganze Zahl.")},
      {"-1", QStringLiteral("Die Anzahl der Jahre darf nicht negativ sein.")},
      {"178956971", QStringLiteral("Die Anzahl der Jahre ist zu groß: höchstens 178956970 Jahre sind möglich.")},
      {"70000",
       QStringLiteral("Die Tabelle hätte 17501 Seiten; ein Ausdruck kann höchstens 16380 Seiten umfassen. Bitte "
                      "wählen Sie weniger Jahre.")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    tDlgAmortisation dlg(fDaten);
    bool asked = false;
    tModalDriver driver;
    driver.Then(AnswerYears(c.answer, &asked)).ThenClick(QStringLiteral("OK"));
    dlg.ActionPrintTable()->trigger();
    ASSERT_EQ(driver.Seen().size(), 2);
    EXPECT_EQ(driver.Seen()[1].Title, QStringLiteral("Fehler"));
    EXPECT_EQ(driver.Seen()[1].Text, MessageDisplayText(failure + c.message));
    EXPECT_TRUE(driver.Unexpected().isEmpty());
  }
  // A page too low for one row.
  Printer().SetMargins(200, 1300, 100, 1300);
  tDlgAmortisation dlg(fDaten);
  bool asked = false;
  tModalDriver driver;
  driver.Then(AnswerYears("1", &asked)).ThenClick(QStringLiteral("OK"));
  dlg.ActionPrintTable()->trigger();
  ASSERT_EQ(driver.Seen().size(), 2);
  EXPECT_TRUE(driver.Seen()[1].Text.startsWith(
      MessageDisplayText(failure + QStringLiteral("Die bedruckbare Höhe der Seite reicht für keine Tabellenzeile."))));
}

TEST_F(ReportCommands, GraphCommandRecalculatesAndItsDialogPreviewsTheGraph) {
  tDlgAmortisation dlg(fDaten);
  dlg.show();
  // A value typed but not yet confirmed counts: 500 instead of 150.
  Type(Ctl<tNumField>(&dlg, QStringLiteral("Zusatzkosten_ZS_Feld")), QStringLiteral("500"));

  int32_t proposedX = 0, proposedY = 0, typedCosts = 0;
  QString shownCosts;
  int32_t months = 0, costAxis = 0;
  bool landscape = false, sawPreview = false;
  tModalDriver driver;
  driver
      .Then([&](QWidget* w) {
        auto* graph = dynamic_cast<tDlgGraph*>(w);
        if (!graph) return tModalDriver::Dismiss(w);
        typedCosts = fDaten.ZusatzkostenZS;
        shownCosts = Ctl<QLabel>(&dlg, QStringLiteral("LblCostsZS"))->text();
        proposedX = int32_t(graph->FieldX()->IntValue());
        proposedY = int32_t(graph->FieldY()->IntValue());
        Type(graph->FieldY(), QStringLiteral("60000"));
        // The preview opens inside the click: let the driver see it.
        QTimer::singleShot(0, graph, [graph] { Ctl<QPushButton>(graph, QStringLiteral("BtnPrint"))->click(); });
      })
      .Then([&](QWidget* w) {
        if (auto* job = PreviewJob<tGraphPrinting>(w)) {
          sawPreview = true;
          landscape = Printer().IsLandscape();
          months = job->MonthCount;
          QImage sheet(400, 300, QImage::Format_RGB32);
          QPainter painter(&sheet);
          job->Recorder.Clear();
          job->Recorder.DrawPage(&painter, 1, 0, 0);  // records the page now
          costAxis = job->CostAxisMax;
        }
        tModalDriver::Dismiss(w);
      });
  dlg.ActionPrintGraphic()->trigger();
  EXPECT_EQ(typedCosts, 500);
  EXPECT_EQ(shownCosts, QStringLiteral("5830"));
  // The proposal of the figures with the typed value.
  tTaviDaten expected = WorkedExampleStandardPrices();
  expected.ZusatzkostenZS = 500;
  tPaybackCalc calc;
  calc.Calculate(expected);
  const tGraphProposal proposal = ProposeGraphAxes(calc);
  ASSERT_NE(proposal.NFieldX, 10);  // not the worked example's
  EXPECT_EQ(proposedX, proposal.NFieldX);
  EXPECT_EQ(proposedY, proposal.NFieldY);
  EXPECT_TRUE(sawPreview);
  EXPECT_TRUE(landscape);
  EXPECT_EQ(months, proposal.NFieldX);
  EXPECT_EQ(costAxis, 60000);
  EXPECT_FALSE(Printer().IsLandscape());  // turned back when the job went
  EXPECT_EQ(GraphDialog(), nullptr);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << qPrintable(driver.Unexpected().join(u'|'));
}

TEST_F(ReportCommands, GraphDialogCancelPrintsNothingAndHelpOpensTopic1200) {
  tPaybackCalc calc;
  calc.Calculate(fDaten);
  int current = 0;
  tDlgGraph dlg(fDaten, calc, [&] { ++current; });
  tModalDriver driver;
  driver.Then([](QWidget* w) {
    Ctl<QPushButton>(w, QStringLiteral("BtnHelp"))->click();
    Ctl<QPushButton>(w, QStringLiteral("BtnCancel"))->click();
  });
  EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  EXPECT_EQ(current, 0);
  EXPECT_EQ(driver.Seen().size(), 1);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << qPrintable(driver.Unexpected().join(u'|'));
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("1200.html"))) << HelpWindowSource().toStdString();
}

// "Ausdruck Sensitivität": its one page in the preview, with a value typed
// but not confirmed; the cost curves of the results page drawn meanwhile.
TEST_F(ReportCommands, SensitivityCommandPreviewsItsPage) {
  tDlgAmortisation dlg(fDaten);
  dlg.show();
  dlg.ActionSensitivity()->trigger();
  Type(Ctl<tNumField>(&dlg, QStringLiteral("Soll_Amortisationszeit_Feld")), QStringLiteral("18"));
  int32_t pages = 0;
  QString title;
  int32_t target = 0;
  tModalDriver driver;
  driver.Then([&](QWidget* w) {
    if (auto* job = PreviewJob<tDeckBlattPrinting>(w)) {
      pages = job->PageCount();
      title = job->ReportTitle;
      if (auto* page = dynamic_cast<tSensitivityPrintPage*>(job->FindPrintingPage(1)))
        target = page->Sensitivity().Inputs().TargetMonths;
    }
    tModalDriver::Dismiss(w);
  });
  dlg.ActionPrintSensitivity()->trigger();
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(title, QStringLiteral("Sensitivität"));
  EXPECT_EQ(target, 18);
  EXPECT_EQ(driver.Seen().size(), 1);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << qPrintable(driver.Unexpected().join(u'|'));

  dlg.ActionResults()->trigger();
  EXPECT_FALSE(const_cast<tPictureView*>(dlg.CostCurveView())->grab().isNull());
  EXPECT_TRUE(dlg.CostCurveView()->Problem().isEmpty()) << dlg.CostCurveView()->Problem().toStdString();
  EXPECT_GE(dlg.CostCurveView()->height(), 200);
  // As low and narrow as at scale factor 2: the graph is still drawn.
  auto* view = const_cast<tPictureView*>(dlg.CostCurveView());
  view->setMinimumHeight(0);
  view->resize(580, 150);
  EXPECT_FALSE(view->grab().isNull());
  EXPECT_TRUE(view->Problem().isEmpty()) << view->Problem().toStdString();
}

TEST_F(ReportCommands, OverviewCommandPreviewsTheThreeSheetsOfTheProgramsDirectory) {
  for (int n = 1; n <= 3; ++n) ASSERT_TRUE(fDir.CopyIn(BuiltProgramDir() + QStringLiteral("/BLATT%1.CFM").arg(n)));
  tDlgAmortisation dlg(fDaten);
  dlg.show();
  // A value typed but not yet confirmed counts, as on the screen.
  Type(Ctl<tNumField>(&dlg, QStringLiteral("Zusatzkosten_PL_Feld")), QStringLiteral("750"));
  ASSERT_TRUE(dlg.ActionPrintOverview()->isEnabled());

  int32_t pages = 0;
  bool portrait = false;
  QString layoutDir, costs;
  tModalDriver driver;
  driver.Then([&](QWidget* w) {
    if (auto* job = PreviewJob<tDeckBlattPrinting>(w)) {
      pages = job->PageCount();
      portrait = !Printer().IsLandscape();
      layoutDir = job->LayoutDir;
      QString text = QStringLiteral("default");
      dynamic_cast<tTaviPrintingPage*>(job->FindPrintingPage(3))->GetData({}, 3, text);
      costs = text;
    }
    tModalDriver::Dismiss(w);
  });
  dlg.ActionPrintOverview()->trigger();
  EXPECT_EQ(pages, 3);
  EXPECT_TRUE(portrait);
  EXPECT_EQ(QDir(layoutDir).canonicalPath(), QDir(fDir.Path()).canonicalPath());
  EXPECT_EQ(costs, QStringLiteral("  7630"));  // 5600 + 1280 + 750
  EXPECT_EQ(driver.Seen().size(), 1);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << qPrintable(driver.Unexpected().join(u'|'));
}

}  // namespace
