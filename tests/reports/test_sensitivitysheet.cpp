// The page "Sensitivität": its tornado charts and tables laid out as data
// (no text overlaps another or leaves the page, the bars stay on their
// scale), its CSV, its place in the overview, the picture of the cost
// curves, and the page printed through the CUPS queue and into "PDF-Datei".
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <sstream>

#include "costcurvepicture.h"
#include "cupsfixture.h"
#include "cupsmain.h"
#include "deckblattprinting.h"
#include "graphprinting.h"
#include "numfmt.h"
#include "pdfcheck.h"
#include "printer.h"
#include "reportfixture.h"
#include "reporttest.h"
#include "sensitivitycsv.h"
#include "sensitivityprintpage.h"
#include "sensitivitysheet.h"
#include "tornadochart.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

bool gCups = false;
QString gNoCups;

const QString kBin = QStringLiteral(TAVI_TEST_BIN_DIR);

// The worked example, the large department and a department too small for
// any payback.
enum class tDepartment { Worked, Large, NoPayback };
tTaviDaten Department(tDepartment which) {
  tTaviDaten d = WorkedExampleStandardPrices();
  if (which == tDepartment::Large) {
    d.AnzZS = 2000;
    d.DauerZS = 8;
    d.Stundensatz = 60;
  } else if (which == tDepartment::NoPayback) {
    d.AnzZS = 2;
    d.DauerZS = 1;
    d.Stundensatz = 10;
  }
  return d;
}

std::string Name(const tRect& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom) + ")";
}

// No two texts overlap and every text lies in the area.
void ExpectApart(const std::vector<tSheetText>& texts, const tRect& area) {
  for (size_t a = 0; a < texts.size(); ++a) {
    EXPECT_TRUE(Inside(texts[a].Box, area)) << texts[a].Text.toStdString() << " " << Name(texts[a].Box);
    EXPECT_GT(texts[a].Box.Width(), 0) << texts[a].Text.toStdString();
    for (size_t b = a + 1; b < texts.size(); ++b)
      EXPECT_FALSE(Overlap(texts[a].Box, texts[b].Box))
          << texts[a].Text.toStdString() << " " << Name(texts[a].Box) << " / " << texts[b].Text.toStdString() << " "
          << Name(texts[b].Box);
  }
}

// The bars of a chart stay on its scale and off its texts.
void ExpectBarsOnTheScale(const tornado::tLayout& chart) {
  for (const tornado::tBar& bar : chart.Bars) {
    EXPECT_GE(bar.Box.Left, chart.Plot.Left);
    EXPECT_LE(bar.Box.Right, chart.Plot.Right);
    EXPECT_GT(bar.Box.Top, chart.Plot.Top);
    EXPECT_LT(bar.Box.Bottom, chart.AxisY);
    for (const tSheetText& t : chart.Texts) EXPECT_FALSE(Overlap(bar.Box, t.Box)) << t.Text.toStdString();
  }
  for (const tornado::tTick& tick : chart.Ticks) {
    EXPECT_GE(tick.X, chart.Plot.Left);
    EXPECT_LE(tick.X, chart.Plot.Right);
  }
  if (chart.TargetX) {
    EXPECT_LT(*chart.TargetX, chart.Plot.Right);  // one tick beyond the target
  }
}

class Sensitivity : public tReportFixture {
 protected:
  void SetUp() override {
    tReportFixture::SetUp();
    if (HasFatalFailure()) return;
    for (int n = 1; n <= 4; ++n) ASSERT_TRUE(fDir.CopyIn(kBin + QStringLiteral("/BLATT%1.CFM").arg(n)));
  }
  std::unique_ptr<tDeckBlattPrinting> Job(tOverviewSheets sheets) {
    return std::make_unique<tDeckBlattPrinting>(
        fDaten, fCalc, fDir.Path(), [this](const QString& message) { fMessages << message; }, sheets);
  }
  // The usable A4 page below the header, as the page draws it.
  tRect Area() { return {0, 260, Printer().UsableWidth(), Printer().UsableHeight()}; }
  // The sheet laid out with the recorder's fonts.
  tSensitivitySheet Layout(const tSensitivityCalc& s, const tRect& area) {
    tMetaFileRecorder recorder;
    recorder.StartTestPage();
    const tSensitivitySheet sheet = LayoutSensitivitySheet(
        s, area, [&recorder](int font, int32_t extra) { return RecorderMetrics(recorder, font, extra); });
    recorder.EndTestPage();
    return sheet;
  }
  QStringList fMessages;
};

// ------------------------------------------------------------ the layout

TEST_F(Sensitivity, NothingOverlapsOrLeavesThePage) {
  const struct {
    tDepartment department;
    tSensitivityInputs inputs;
    tEconomicsInputs economics;
  } cases[] = {
      {tDepartment::Worked, {}, {}},
      {tDepartment::Worked, {6, 50}, {1200, 2400, 5, 60}},
      {tDepartment::Large, {}, {}},
      {tDepartment::Large, {120, 5}, {999999, 999999, 20, 300}},
      {tDepartment::NoPayback, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.department) << " " << c.inputs.TargetMonths);
    tSensitivityCalc s;
    s.Calculate(Department(c.department), c.economics, c.inputs);
    const tSensitivitySheet sheet = Layout(s, Area());
    ASSERT_TRUE(sheet.Fits);
    EXPECT_LE(sheet.FontHeight, -25);  // at least 2.5 mm
    ExpectApart(sheet.AllTexts(), Area());
    for (const tornado::tLayout& chart : sheet.Charts) ExpectBarsOnTheScale(chart);
    for (const tRect& frame : sheet.Frames) EXPECT_TRUE(Inside(frame, Area())) << Name(frame);
    for (size_t a = 0; a + 1 < sheet.Frames.size(); ++a) EXPECT_LT(sheet.Frames[a].Bottom, sheet.Frames[a + 1].Top);
  }
}

TEST_F(Sensitivity, BarsWithoutPaybackRunOffTheScale) {
  // Twelve studies of an hour at 10 euros save 66 euros a year: comparison
  // 1 pays back after 996 months; ten studies save 50 euros, not enough
  // within 1200 months.
  fDaten = Department(tDepartment::NoPayback);
  fDaten.AnzZS = 12;
  tSensitivityCalc s;
  s.Calculate(fDaten, {}, {});
  EXPECT_NEAR(s.BasePayback(tComparison::ZSManual).Months, 5480.0L * 12 / 66, 1e-9);
  const tornado::tLayout chart = Layout(s, Area()).Charts[0];
  int offScale = 0;
  for (const tornado::tBar& bar : chart.Bars)
    if (bar.OffScale) {
      ++offScale;
      EXPECT_EQ(bar.Box.Right, chart.Plot.Right);
    }
  EXPECT_GT(offScale, 0);
  const auto& texts = chart.Texts;
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const tSheetText& t) {
    return t.Text == QStringLiteral("keine Amortisation") && t.Tone == tTone::Missed;
  }));
}

TEST(TornadoScale, TicksKeepTheirDistanceAndEndBeyondTheLongest) {
  const struct {
    extended months;
    int32_t width, minDistance;
    tornado::tScale expected;
  } cases[] = {
      {24, 600, 80, {6, 30}},    // 2 per tick would be 13 ticks on 600
      {24, 2000, 80, {1, 25}},
      {7.2L, 600, 80, {2, 8}},
      {1200, 600, 80, {240, 1440}},
      {0, 600, 80, {1, 2}},      // nothing longer than a month
      {120, 100, 80, {240, 240}},
      {1200, 100, 80, {600, 1800}},  // the widest steps when nothing fits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.months));
    const tornado::tScale scale = tornado::ChooseScale(c.months, c.width, c.minDistance);
    EXPECT_EQ(scale.MonthsPerTick, c.expected.MonthsPerTick);
    EXPECT_EQ(scale.End, c.expected.End);
  }
  const extended none = std::numeric_limits<extended>::infinity();
  EXPECT_EQ(tornado::ScaleX(none, 100, 700, 30), 700);
  EXPECT_EQ(tornado::ScaleX(15, 100, 700, 30), 400);
  EXPECT_EQ(tornado::ScaleX(0, 100, 700, 30), 100);
  EXPECT_EQ(tornado::ScaleX(std::numeric_limits<extended>::quiet_NaN(), 100, 700, 30), std::nullopt);
}

TEST_F(Sensitivity, TablesRefuseAWidthTheirTextsDoNotFit) {
  tSensitivityCalc s;
  s.Calculate(fDaten, {}, {});
  tMetaFileRecorder recorder;
  recorder.StartTestPage();
  const tSheetMetrics m = RecorderMetrics(recorder, -25, 6);
  grid::tTable table;
  table.Head = {{QStringLiteral("Fall")}, {QStringLiteral("Amortisation")}};
  table.Rows = {{{QStringLiteral("Basis")}, {QStringLiteral("keine Amortisation \u2013 über Soll")}}};
  EXPECT_TRUE(grid::Layout(table, tRect{0, 0, 1800, 500}, m).Fits);
  EXPECT_FALSE(grid::Layout(table, tRect{0, 0, 300, 500}, m).Fits);
  EXPECT_FALSE(grid::Layout(table, tRect{0, 0, 1800, 40}, m).Fits);  // lower than three lines
  recorder.EndTestPage();
}

// ------------------------------------------------------------ the page

TEST_F(Sensitivity, LastPageOfTheOverviewOnlyWhenItsInputsAreSet) {
  EXPECT_EQ(Job(tOverviewSheets::Overview)->PageCount(), 3);
  fDaten.Sensitivity.TargetMonths = 18;
  const auto job = Job(tOverviewSheets::Overview);
  ASSERT_EQ(job->PageCount(), 4);
  ASSERT_NE(dynamic_cast<tSensitivityPrintPage*>(job->FindPrintingPage(4)), nullptr);
  fDaten.Economics.RateTenths = 60;
  const auto five = Job(tOverviewSheets::Overview);
  ASSERT_EQ(five->PageCount(), 5);
  EXPECT_NE(dynamic_cast<tSensitivityPrintPage*>(five->FindPrintingPage(5)), nullptr);

  job->Recorder.Clear();
  job->RecordPage(4);
  const std::vector<tPageText> texts = PageTexts(*job->Recorder.FindPage(4));
  const auto has = [&texts](const QString& text) {
    return std::any_of(texts.begin(), texts.end(), [&text](const tPageText& t) { return t.Text == text; });
  };
  // 18 months: 5480 euros are paid back by 33750 euros of total cost, a
  // yearly saving of 3653 euros needs 20 studies.
  for (const char* text : {"Seite 4 / 4", "Sensitivität", "Grenzwerte", "Drei Fälle", "ab 20", "bis 33750 \u20AC",
                           "Basis: 2.9 Monate \u2013 im Soll", "Soll-Amortisationszeit (18 Monate)"})
    EXPECT_TRUE(has(QString::fromUtf8(text))) << text;

  // Alone, as "Ausdruck Sensitivität" and tavi-report print it.
  const auto alone = Job(tOverviewSheets::SensitivityOnly);
  EXPECT_EQ(alone->PageCount(), 1);
  EXPECT_EQ(alone->ReportTitle, QStringLiteral("Sensitivität"));
  EXPECT_TRUE(fMessages.isEmpty()) << fMessages.join(u'|').toStdString();
}

TEST_F(Sensitivity, MarginsTooWideAreReportedOnceAndTheHeaderStays) {
  Printer().SetMargins(Printer().GetLeft(), 800, Printer().GetRight(), 800);
  const auto job = Job(tOverviewSheets::SensitivityOnly);
  for (int twice = 0; twice < 2; ++twice) {
    job->Recorder.Clear();
    job->RecordPage(1);
  }
  const std::vector<tPageText> texts = PageTexts(*job->Recorder.FindPage(1));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                          [](const tPageText& t) { return t.Text == QStringLiteral("Seite 1 / 1"); }));
  ASSERT_EQ(fMessages.size(), 1);
  EXPECT_TRUE(fMessages[0].startsWith(QStringLiteral("Fehler bei der Druckaufbereitung.\n\rDie bedruckbare Fläche")))
      << fMessages[0].toStdString();
}

// ------------------------------------------------------------ the CSV

TEST_F(Sensitivity, CsvOfTheWorkedExample) {
  tSensitivityCalc s;
  s.Calculate(fDaten, {}, {});
  std::ostringstream out;
  WriteSensitivityCsv(out, s, ',');
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 1u + 27 + 1 + 4);
  EXPECT_EQ(lines[0], "Vergleich;Eingabe;Basiswert;Wert niedrig;Wert hoch;Amortisation niedrig;Amortisation hoch;"
                      "Grenzwert");
  // Payback 5480 × 12 ÷ 18000 = 3.6533 and ÷ 27000 = 2.4356 months.
  EXPECT_EQ(lines[1], "1;AnzZS;120;96;144;3,6533;2,4356;15");
  EXPECT_EQ(lines[2], "1;DauerZS;7,5;6,0;9,0;3,6533;2,4356;1,0");
  EXPECT_EQ(lines[8], "1;Gesamtkosten;5480;4384;6576;2,3381;3,5072;45000");
  EXPECT_EQ(lines[9], "1;LaufendeKosten;0;0;0;2,9227;2,9227;19760");
  EXPECT_EQ(lines[10].substr(0, 8), "2;AnzZS;");
  EXPECT_EQ(lines[28], "");
  EXPECT_EQ(lines[29], "Fall;Amortisation 1;Amortisation 2;Amortisation 3;Kapitalwert 1;Kapitalwert 2;Kapitalwert 3");
  EXPECT_EQ(lines[30].substr(0, 34), "Schlechtester Fall;3,6533;4,3970;7");
  EXPECT_EQ(lines[31].substr(0, 17), "Basisfall;2,9227;");
  EXPECT_TRUE(lines[32].starts_with("Bester Fall;2,5370;"));
  EXPECT_TRUE(lines[32].ends_with(";124120,00;198790,00;74670,00"));

  // No payback, and a break-even value out of reach.
  tSensitivityCalc none;
  none.Calculate(Department(tDepartment::NoPayback), {}, {});
  std::ostringstream noneOut;
  WriteSensitivityCsv(noneOut, none, '.');
  EXPECT_NE(noneOut.str().find("\n1;PotentialVorb;50;40;60;keine;keine;nicht erreichbar\n"), std::string::npos)
      << noneOut.str();
}

// ------------------------------------------------------ the cost curves

TEST_F(Sensitivity, CostCurvePictureIsTheGraphWithoutPageHeader) {
  tCostCurvePicture picture;
  picture.SetCalc(fCalc);
  picture.Record(1990, 700);
  const tGraphPrinting* job = picture.Job();
  ASSERT_NE(job, nullptr);
  EXPECT_EQ(job->MonthCount, 10);  // the graph dialog's proposal: 7.2 + 3 months
  const tPage* page = job->Recorder.FindPage(1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->FrameSize(), QSize(19900, 7000));
  const std::vector<tPageText> texts = PageTexts(*page);
  for (const char* text : {"Manuell", "Zeitstudiensystem", "Planzeitsystem", "2.92", "3.61", "7.21", "Kosten in EUR"})
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [text](const tPageText& t) { return t.Text == QString::fromUtf8(text); }))
        << text;
  for (const tPageText& t : texts) {
    EXPECT_FALSE(t.Text.startsWith(QStringLiteral("Seite"))) << t.Text.toStdString();
    EXPECT_GE(t.X, 0);
    EXPECT_LE(t.X, 1990);
    EXPECT_GE(t.Y, 0);
    EXPECT_LE(t.Y, 700);
  }
  // Results of another computation after SetCalc; a sheet too small says so.
  tTaviDaten other = fDaten;
  other.AnzZS = 240;
  tPaybackCalc calc;
  calc.Calculate(other);
  picture.SetCalc(calc);
  picture.Record(1990, 700);
  EXPECT_LT(picture.Job()->MonthCount, 10);
  EXPECT_THROW(picture.Record(150, 100), std::exception);
}

// ------------------------------------------------------ on paper and PDF

void ExpectSensitivityPdf(const tPdfFacts& pdf) {
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_NEAR(pdf.widthPt, 595, 1);
  EXPECT_NEAR(pdf.heightPt, 842, 1);
  for (const char* text : {"Sensitivität", "Seite 1 / 1", "Zeitstudiensystem \u2013 Manuelle Datenermittlung",
                           "Grenzwerte", "Drei Fälle", "Schlechtester Fall", "im Soll", "bis 45000"})
    EXPECT_TRUE(pdf.text.contains(QString::fromUtf8(text))) << text;
}

TEST_F(Sensitivity, ReachesTheQueueAndThePdfFile) {
  if (gCups) {
    const auto job = Job(tOverviewSheets::SensitivityOnly);
    Printer().SetPrinterName(tCupsFixture::PdfQueue());
    job->JobTitle = QStringLiteral("TAVI_Sensitivitaet_%1").arg(::getpid());
    Printer().SetTitle(job->JobTitle);
    EXPECT_TRUE(job->PrintAll());
    QString error;
    const QString file = tCupsFixture::WaitForPdf(job->JobTitle, 60000, &error);
    ASSERT_FALSE(file.isEmpty()) << qPrintable(error);
    SCOPED_TRACE("queue");
    ExpectSensitivityPdf(InspectPdf(file));
    QFile::remove(file);
    Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName());
  }
  const auto job = Job(tOverviewSheets::SensitivityOnly);
  EXPECT_TRUE(job->PrintAll());
  ExpectSensitivityPdf(InspectPdf(OutputPdf()));
  EXPECT_TRUE(fMessages.isEmpty());
}

}  // namespace

int main(int argc, char** argv) {
  return RunTestsWithCups(argc, argv, QStringLiteral(TAVI_PRINT_TEST_DIR "/tavi-rand.ppd"), true, gCups, gNoCups);
}
