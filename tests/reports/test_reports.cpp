// The table and the graph report, recorded as data and printed.
//
// Recorded pages are read back as texts (with reference point, colour and
// alignment) and lines (with pen) in page units; printed documents go
// through the cups-pdf queue of a private scheduler and into "PDF-Datei"
// and are read back with pdfinfo and pdftotext.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>

#include "costseries.h"
#include "cupsfixture.h"
#include "cupsmain.h"
#include "edevexception.h"
#include "errortext.h"
#include "graphaxes.h"
#include "graphlayout.h"
#include "graphprinting.h"
#include "mainfont.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "numfmt.h"
#include "pageframe.h"
#include "pageneeds.h"
#include "payback.h"
#include "pdfcheck.h"
#include "printer.h"
#include "printtesthost.h"
#include "reportfixture.h"
#include "reporttest.h"
#include "tablelayout.h"
#include "taviprinting.h"
#include "tempdir.h"
#include "workedexample.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

bool gCups = false;
QString gNoCups;

const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);
const QColor kOlive(128, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

QString Six(double value) { return QString::fromStdString(FormatReal(value, 6, 0)); }

class Reports : public tReportFixture {
 protected:
  // Margins (from the paper edge) that leave 40 table rows on A4 portrait.
  void FortyRows() { Printer().SetMargins(200, 200, 100, 575); }

  // The recorded commands of a page, recorded now.
  static const tPage& Recorded(tPrinting& job, int32_t page) {
    job.Recorder.Clear();
    job.RecordPage(page);
    return *job.Recorder.FindPage(page);
  }
  // The height of the report font's text line.
  static int LineHeight(tPrinting& job) {
    job.Recorder.StartTestPage();
    job.Recorder.Font() = tFont{};
    const int h = job.Recorder.TextHeight(QStringLiteral("0"));
    job.Recorder.EndTestPage();
    return h;
  }
  static int Width(tPrinting& job, const QString& text) {
    job.Recorder.StartTestPage();
    job.Recorder.Font() = tFont{};
    const int w = job.Recorder.TextWidth(text);
    job.Recorder.EndTestPage();
    return w;
  }
};

// The month cells of a table page: the texts of the first column.
std::vector<tPageText> MonthCells(const tPage& page, int32_t H) {
  std::vector<tPageText> months;
  for (const tPageText& t : TextsInBand(PageTexts(page), table::kBodyTop, H))
    if (t.Clip.Left == table::kIndent && t.Clip.Right == table::kMonthWidth) months.push_back(t);
  return months;
}

// ===================================================================== table

TEST_F(Reports, TableOfTheWorkedExampleHasOneRowPerMonth) {
  tTaviPrinting job(12, fDaten, fCalc);
  EXPECT_EQ(job.MonthCount, 12);
  EXPECT_EQ(job.JobTitle, QStringLiteral("Amortisationsrechnung"));
  EXPECT_EQ(job.HeaderTitle, QStringLiteral("Muster GmbH"));
  EXPECT_EQ(job.ReportTitle, QStringLiteral("Tabellarischer Kostenverlauf"));
  EXPECT_EQ(job.ReportInfo, QStringLiteral("Bearbeitet von Erika Muster"));
  EXPECT_TRUE(job.FileName.isEmpty());
  EXPECT_FALSE(Printer().IsLandscape());
  EXPECT_EQ(Printer().UseMargins, 1);
  ASSERT_EQ(job.PageCount(), 1);

  const int32_t W = Printer().UsableWidth();
  const int32_t H = Printer().UsableHeight();
  const int th = LineHeight(job);
  const tPage& page = Recorded(job, 1);
  const std::vector<tPageText> texts = PageTexts(page);
  const auto columns = table::Columns(W);

  // Row m: ten right-aligned cells, 1 mm inside their right edge, centred
  // in rows of 4.5 mm from y 395 on.
  const auto row = [&](int m) { return TextsInBand(texts, 395 + 45 * m, 395 + 45 * (m + 1)); };
  for (int m = 0; m <= 12; ++m) {
    SCOPED_TRACE(m);
    const std::vector<tPageText> cells = row(m);
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cells[0].Text, QString::number(m));
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(cells[i].X, columns[i].Right - 10) << i;
      EXPECT_EQ(cells[i].Y, 395 + 45 * m + (45 - th) / 2) << i;
      EXPECT_EQ(cells[i].Align, TA_RIGHT | TA_TOP) << i;
      EXPECT_EQ(cells[i].Clip, (tRect{columns[i].Left + 10, 395 + 45 * m, columns[i].Right, 440 + 45 * m})) << i;
    }
  }
  // Month 0: no cost yet, the investments as cumulative costs, every saving
  // negative and so black.
  const QStringList month0 = {QStringLiteral("0"), Six(0), Six(0), Six(0), Six(5480), Six(0), Six(7130),
                              Six(-5480), Six(-7130), Six(-1650)};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(row(0)[i].Text, month0[i]) << i;
    EXPECT_EQ(row(0)[i].Colour, kBlack) << i;
  }
  // Month 12: the figures of the results page, savings in their colours.
  const tCostSeries series(fCalc);
  const QStringList month12 = {QStringLiteral("12"),
                               Six(3750),
                               Six(45000),
                               Six(1875),
                               Six(27980),
                               Six(series.CostInMonth(tSeries::PlannedTime, 12)),
                               Six(24788),
                               Six(17020),
                               Six(20212),
                               Six(3192)};
  const QColor colours12[] = {kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kGreen, kBlue, kPurple};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(row(12)[i].Text, month12[i]) << i;
    EXPECT_EQ(row(12)[i].Colour, colours12[i]) << i;
  }
  EXPECT_EQ(month12[5], QStringLiteral("  1068"));
  // Rows 13 on stay empty.
  EXPECT_TRUE(TextsInBand(texts, 395 + 45 * 13, H).empty());

  // A thin line under every row that has more than a row height below it.
  int rowLines = 0;
  for (const tPageLine& l : PageLines(page))
    if (l.Horizontal() && l.From.x() == 0 && l.To.x() == W && l.Pen.Width == 1 && l.From.y() > 395) {
      EXPECT_EQ((l.From.y() - 395) % 45, 0);
      ++rowLines;
    }
  EXPECT_EQ(rowLines, 13);
}

TEST_F(Reports, PagesHoldRowsPerPageMonthsFromMonthZero) {
  FortyRows();
  const struct {
    int32_t months;
    std::vector<std::pair<int, int>> pages;  // first and last month of each page
  } cases[] = {
      {12, {{0, 12}}},
      {60, {{0, 39}, {40, 60}}},
      {80, {{0, 39}, {40, 79}, {80, 80}}},
      {0, {{0, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.months);
    tTaviPrinting job(c.months, fDaten, fCalc);
    ASSERT_EQ(job.RowsPerPage(), 40);
    ASSERT_EQ(job.PageCount(), int(c.pages.size()));
    for (int p = 1; p <= job.PageCount(); ++p) {
      SCOPED_TRACE(p);
      EXPECT_EQ(job.FirstMonthOfPage(p), 40 * (p - 1));
      const std::vector<tPageText> months = MonthCells(Recorded(job, p), Printer().UsableHeight());
      const auto [first, last] = c.pages[p - 1];
      ASSERT_EQ(int(months.size()), last - first + 1);
      for (int i = 0; i < int(months.size()); ++i) EXPECT_EQ(months[i].Text, QString::number(first + i));
    }
  }
}

TEST_F(Reports, SavingOfZeroIsInColourAndMinusOneInBlack) {
  tTaviDaten d = WorkedExample();
  d.ManuelleEingabe = 1;
  d.InvestZSSystem = 0;  // time-study system free: saving 1-2 of month 0 is 0
  d.SchulungskostenZS = 0;
  d.ZusatzkostenZS = 0;
  d.InvestPLSystem = 1;  // saving 1-3 of month 0 is -1, 2-3 is -1
  d.SchulungskostenPL = 0;
  d.ZusatzkostenPL = 0;
  tPaybackCalc calc;
  calc.Calculate(d);
  tTaviPrinting job(1, d, calc);
  const std::vector<tPageText> month0 = TextsInBand(PageTexts(Recorded(job, 1)), 395, 440);
  ASSERT_EQ(month0.size(), 10u);
  EXPECT_EQ(month0[7].Text, Six(0));
  EXPECT_EQ(month0[7].Colour, kGreen);
  EXPECT_EQ(month0[8].Text, Six(-1));
  EXPECT_EQ(month0[8].Colour, kBlack);
  EXPECT_EQ(month0[9].Text, Six(-1));
  EXPECT_EQ(month0[9].Colour, kBlack);
}

TEST_F(Reports, ValueTooWideForSixCharactersIsWrittenInFullInItsCell) {
  FortyRows();
  tTaviPrinting job(23 * 12, fDaten, fCalc);  // the manual sum passes a million at month 267
  const std::vector<tPageText> texts = PageTexts(Recorded(job, 7));  // months 240 to 276
  const std::vector<tPageText> month270 = TextsInBand(texts, 395 + 45 * 30, 395 + 45 * 31);
  ASSERT_EQ(month270.size(), 10u);
  EXPECT_EQ(month270[0].Text, QStringLiteral("270"));
  EXPECT_EQ(month270[2].Text, QStringLiteral("1012500"));
  EXPECT_EQ(month270[4].Text, Six(270 * 1875 + 5480));    // 511730 fits six places
  EXPECT_EQ(month270[7].Text, Six(270 * 1875 - 5480));
}

// Every figure and month number whole and inside its cell: a large
// department over many years, and the last months of 9999 years. Only what
// does not fit its cell in the report font is written smaller.
TEST_F(Reports, LargeFiguresAndLongTablesStayInsideTheirCells) {
  tTaviDaten large = fDaten;  // 2000 studies of 8 hours at 60 euros
  large.AnzZS = 2000;
  large.DauerZS = 8;
  large.Stundensatz = 60;
  const struct {
    const char* what;
    tTaviDaten daten;
    int32_t months, page;
    const char* bigFigure;
  } cases[] = {
      {"large department, month 13", large, 5 * 12, 1, "1040000"},
      {"large department, 100 years", large, 100 * 12, 26, "96000000"},
      {"9999 years", fDaten, 9999 * 12, 2500, "119988"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tPaybackCalc calc;
    calc.Calculate(c.daten);
    tTaviPrinting job(c.months, c.daten, calc);
    const std::vector<tPageText> texts = TextsInBand(PageTexts(Recorded(job, c.page)), table::kBodyTop,
                                                     Printer().UsableHeight());
    ASSERT_FALSE(texts.empty());
    bool found = false;
    for (const tPageText& t : texts) {
      SCOPED_TRACE(t.Text.toStdString());
      EXPECT_FALSE(t.Text.contains(u'*'));
      // Inside the cell with its indent on the left as on the right.
      EXPECT_GE(t.Left(), t.Clip.Left);
      EXPECT_LE(t.Right(), t.Clip.Right);
      found = found || t.Text == QLatin1String(c.bigFigure);
    }
    EXPECT_TRUE(found);
  }
  // Figures that fit keep the report font; the wider ones get the largest
  // that fits.
  tTaviPrinting job(9999 * 12, fDaten, fCalc);
  const auto widthAt = [&job](const QString& text, int height) {
    job.Recorder.StartTestPage();
    job.Recorder.Font() = tFont{};
    job.Recorder.Font().Height = height;
    const int w = job.Recorder.TextWidth(text);
    job.Recorder.EndTestPage();
    return w;
  };
  int smaller = 0;
  for (const tPageText& t : TextsInBand(PageTexts(Recorded(job, 2500)), table::kBodyTop, Printer().UsableHeight())) {
    const int room = t.Clip.Right - t.Clip.Left - table::kIndent;
    const bool fits = widthAt(t.Text, -35) <= room;
    EXPECT_EQ(fits, t.FontHeight == -35) << t.Text.toStdString();
    if (!fits) {
      ++smaller;
      EXPECT_LE(widthAt(t.Text, t.FontHeight), room) << t.Text.toStdString();
      EXPECT_GT(widthAt(t.Text, t.FontHeight - 1), room) << t.Text.toStdString();
    }
  }
  EXPECT_GT(smaller, 0);
}

TEST_F(Reports, HeadHasItsGroupsColumnsAndLines) {
  tTaviPrinting job(12, fDaten, fCalc);
  const int32_t W = Printer().UsableWidth();
  const int32_t H = Printer().UsableHeight();
  const int32_t d = (W - 1180) / 3;
  const tPage& page = Recorded(job, 1);
  const std::vector<tPageText> texts = PageTexts(page);

  QStringList groups;
  for (const tPageText& t : TextsInBand(texts, 260, 305)) groups << t.Text;
  EXPECT_EQ(groups, (QStringList{QStringLiteral("1. Manuell"), QStringLiteral(" 2. Zeitstudiensystem"),
                                 QStringLiteral("3. Planzeitsystem")}));
  QStringList first, second;
  for (const tPageText& t : TextsInBand(texts, 305, 350)) first << t.Text;
  for (const tPageText& t : TextsInBand(texts, 350, 395)) second << t.Text;
  const QString cost = QStringLiteral("Kosten"), sum = QStringLiteral("Kosten-"), save = QStringLiteral("Kostener-");
  EXPECT_EQ(first, (QStringList{QStringLiteral("Monat"), cost, sum, cost, sum, cost, sum, save, save, save}));
  const QString month = QStringLiteral("pro Monat"), sums = QStringLiteral("summen");
  EXPECT_EQ(second, (QStringList{month, sums, month, sums, month, sums, QStringLiteral("sparnis 1-2"),
                                 QStringLiteral("sparnis 1-3"), QStringLiteral("sparnis 2-3")}));
  // Column heads start 1 mm inside their column.
  const tPageText saving13 = TextsInBand(texts, 350, 395)[7];
  EXPECT_EQ(saving13.X, 1180 + d + 10);

  // The lines below the page header: (x1, y1, x2, y2, width).
  struct tExpected {
    int x1, y1, x2, y2, width;
  };
  const tExpected expected[] = {
      {130, 260, 130, H, 3},   {480, 260, 480, H, 3},   {830, 260, 830, H, 3},
      {1180, 260, 1180, H, 3}, {130, 305, W, 305, 1},   {305, 305, 305, H, 1},
      {655, 305, 655, H, 1},   {1005, 305, 1005, H, 1}, {1180 + d, 305, 1180 + d, H, 1},
      {1180 + 2 * d, 305, 1180 + 2 * d, H, 1},          {0, 395, W, 395, 3},
  };
  std::vector<tPageLine> lines;
  for (const tPageLine& l : PageLines(page))
    if (std::max(l.From.y(), l.To.y()) > 250) lines.push_back(l);
  for (const tExpected& e : expected) {
    SCOPED_TRACE(testing::Message() << e.x1 << "," << e.y1 << " - " << e.x2 << "," << e.y2);
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const tPageLine& l) {
      return l.From == QPoint(e.x1, e.y1) && l.To == QPoint(e.x2, e.y2);
    });
    ASSERT_NE(found, lines.end());
    EXPECT_EQ(found->Pen.Width, e.width);
    EXPECT_EQ(found->Pen.Color, kBlack);
  }
  // No line closes the last column.
  for (const tPageLine& l : lines) EXPECT_FALSE(l.Vertical() && l.From.x() == W);
  // The outer frame.
  bool frame = false;
  for (const tDrawCmd& cmd : page.Commands())
    if (const auto* r = std::get_if<tRectCmd>(&cmd))
      frame = frame || (r->Corners == tRect{0, -260, W, -H} && r->Brush.Style == tBrushStyle::Clear);
  EXPECT_TRUE(frame);
}

TEST_F(Reports, PageRecordedAgainComesOutTheSame) {
  tTaviPrinting job(30, fDaten, fCalc);
  const auto once = PageTexts(Recorded(job, 1));
  const auto again = PageTexts(Recorded(job, 1));
  ASSERT_EQ(once.size(), again.size());
  for (size_t i = 0; i < once.size(); ++i) {
    // The header's date line may turn over a minute; the table may not.
    if (once[i].Y < 250) continue;
    EXPECT_EQ(once[i].Text, again[i].Text);
    EXPECT_EQ(once[i].X, again[i].X);
  }
}

TEST_F(Reports, LongTableRecordsOnlyThePagesDrawnAndHoldsTenAtMost) {
  tTaviPrinting job(1000 * 12, fDaten, fCalc);  // 12001 months, 48 rows a page
  ASSERT_EQ(job.PageCount(), 251);
  EXPECT_EQ(job.Recorder.PageCount(), 0);  // building the list records nothing
  QImage sheet(210, 297, QImage::Format_RGB32);
  QPainter painter(&sheet);
  job.Recorder.DrawPage(&painter, 251, 0, 0);
  EXPECT_EQ(job.Recorder.HeldPages(), std::vector<int32_t>{251});
  EXPECT_EQ(MonthCells(*job.Recorder.FindPage(251), Printer().UsableHeight()).size(), 1u);  // month 12000
  for (int32_t page = 1; page <= 15; ++page) job.Recorder.DrawPage(&painter, page, 0, 0);
  EXPECT_EQ(job.Recorder.PageCount(), 10);
}

TEST_F(Reports, TablesThatCannotBePrintedAreRefusedWithAReason) {
  EXPECT_EQ(ErrorOf([&] { tTaviPrinting job(-12, fDaten, fCalc); }),
            "Die Anzahl der Monate darf nicht negativ sein.");
  // 16380 pages of 48 rows hold months 0 to 786239.
  EXPECT_EQ(Printer().UsableHeight(), 2570);
  EXPECT_EQ(ErrorOf([&] { tTaviPrinting job(786239, fDaten, fCalc); }), "(no error)");
  EXPECT_EQ(ErrorOf([&] { tTaviPrinting job(786240, fDaten, fCalc); }),
            "Die Tabelle hätte 16381 Seiten; ein Ausdruck kann höchstens 16380 Seiten umfassen. Bitte wählen Sie "
            "weniger Jahre.");
  EXPECT_TRUE(QString::fromStdString(ErrorOf([&] { tTaviPrinting job(2147483640, fDaten, fCalc); }))
                  .startsWith(QStringLiteral("Die Tabelle hätte 44739243 Seiten;")));
  // Margins that leave less than one row: 2970 − 1300 − 1300 = 370.
  Printer().SetMargins(200, 1300, 100, 1300);
  ASSERT_EQ(Printer().UsableHeight(), 370);
  EXPECT_EQ(ErrorOf([&] { tTaviPrinting job(12, fDaten, fCalc); }),
            "Die bedruckbare Höhe der Seite reicht für keine Tabellenzeile. Bitte verkleinern Sie den oberen oder "
            "unteren Rand in der Druckereinrichtung.");
}

// ===================================================================== graph

struct tGraphInputs {
  int32_t costAxis = 40500;
  int costAxisCalls = 0;
  int currentCalls = 0;
  std::function<void()> onCurrent;
  tGraphPrinting::tCostAxisMax CostAxis() {
    return [this] {
      ++costAxisCalls;
      return costAxis;
    };
  }
  tGraphPrinting::tMakeCurrent MakeCurrent() {
    return [this] {
      ++currentCalls;
      if (onCurrent) onCurrent();
    };
  }
};

// The lines drawn in one colour, in order.
std::vector<tPageLine> LinesIn(const tPage& page, const QColor& colour) {
  std::vector<tPageLine> lines;
  for (const tPageLine& l : PageLines(page))
    if (l.Pen.Color == colour) lines.push_back(l);
  return lines;
}

const tPageText* FindText(const std::vector<tPageText>& texts, const QString& text) {
  for (const tPageText& t : texts)
    if (t.Text == text) return &t;
  return nullptr;
}

TEST_F(Reports, GraphOfTheWorkedExample) {
  tGraphInputs in;
  tGraphPrinting job(10, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
  EXPECT_TRUE(Printer().IsLandscape());
  EXPECT_EQ(job.PageCount(), 1);
  EXPECT_EQ(job.ReportTitle, QStringLiteral("Grafischer Kostenverlauf"));
  EXPECT_EQ(job.HeaderTitle, QStringLiteral("Muster GmbH"));
  const int32_t W = Printer().UsableWidth();
  const int32_t H = Printer().UsableHeight();
  const int th = LineHeight(job);
  const tPage& page = Recorded(job, 1);

  // Layout.
  EXPECT_EQ(job.CostAxisMax, 40500);
  EXPECT_EQ(job.PlotLeft, Width(job, QStringLiteral("0000000")) + 20);
  EXPECT_EQ(job.PlotRight, W - 50);
  EXPECT_EQ(job.PlotTop, th + 300);
  EXPECT_EQ(job.PlotBottom, H - 2 * th - 60);
  EXPECT_EQ(job.PlotWidth, job.PlotRight - job.PlotLeft);
  EXPECT_EQ(job.PlotHeight, job.PlotBottom - job.PlotTop);
  const auto timeTicks = graph::TimeTicks(job.PlotWidth, 10);
  const auto costTicks = graph::CostTicks(job.PlotHeight, 40500, th);
  ASSERT_TRUE(timeTicks && costTicks);
  EXPECT_EQ(job.MonthsPerTick, timeTicks->UnitsPerTick);
  EXPECT_EQ(job.TickPixelsX, timeTicks->TickPixels);
  EXPECT_EQ(job.ThousandsPerTick, costTicks->UnitsPerTick);
  EXPECT_EQ(job.TickPixelsY, costTicks->TickPixels);
  EXPECT_EQ(job.MonthsPerTick, 1);  // ten months on a landscape page

  const std::vector<tPageText> texts = PageTexts(page);
  const std::vector<tPageLine> black = LinesIn(page, kBlack);
  const auto hasLine = [&](QPoint from, QPoint to, tPenStyle style) {
    return std::any_of(black.begin(), black.end(), [&](const tPageLine& l) {
      return l.From == from && l.To == to && l.Pen.Style == style && l.Pen.Width == 1;
    });
  };
  // Axes.
  EXPECT_TRUE(hasLine({job.PlotLeft, job.PlotBottom}, {job.PlotRight, job.PlotBottom}, tPenStyle::Solid));
  EXPECT_TRUE(hasLine({job.PlotLeft, job.PlotTop}, {job.PlotLeft, job.PlotBottom}, tPenStyle::Solid));
  // Time ticks at whole steps from the cost axis, each with its label
  // centred under it and a dotted grid line.
  for (int k = 1; k <= 10; ++k) {
    SCOPED_TRACE(k);
    const int x = job.PlotLeft + k * job.TickPixelsX;
    EXPECT_TRUE(hasLine({x, job.PlotBottom}, {x, job.PlotBottom + 20}, tPenStyle::Solid));
    EXPECT_TRUE(hasLine({x, job.PlotTop}, {x, job.PlotBottom}, tPenStyle::Dot));
    const std::vector<tPageText> band = TextsInBand(texts, job.PlotBottom + 20, job.PlotBottom + 21);
    const tPageText* label = FindText(band, QString::number(k));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->X, x - Width(job, QString::number(k)) / 2);
    EXPECT_EQ(label->Align, TA_LEFT | TA_TOP);
  }
  // Cost ticks every 2000 euros, labels right-aligned on their bottom.
  const int costTickCount = job.PlotHeight / job.TickPixelsY;
  EXPECT_EQ(costTickCount * job.ThousandsPerTick * 1000, 40000);
  for (int k = 1; k <= costTickCount; ++k) {
    SCOPED_TRACE(k);
    const int y = job.PlotBottom - k * job.TickPixelsY;
    EXPECT_TRUE(hasLine({job.PlotLeft, y}, {job.PlotLeft + 20, y}, tPenStyle::Solid));
    EXPECT_TRUE(hasLine({job.PlotLeft + 20, y}, {job.PlotRight, y}, tPenStyle::Dot));
    const tPageText* label = FindText(texts, QString::number(k * 2000));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->X, job.PlotLeft - 10);
    EXPECT_EQ(label->Y, y + th / 2);
    EXPECT_EQ(label->Align, TA_RIGHT | TA_BOTTOM);
  }
  const tPageText* months = FindText(texts, QStringLiteral("Monate"));
  ASSERT_NE(months, nullptr);
  EXPECT_EQ(QPoint(months->X, months->Y), QPoint(job.PlotRight, job.PlotBottom + th + 40));
  EXPECT_EQ(months->Align, TA_RIGHT | TA_TOP);
  const tPageText* costs = FindText(texts, QStringLiteral("Kosten in EUR"));
  ASSERT_NE(costs, nullptr);
  EXPECT_EQ(QPoint(costs->X, costs->Y), QPoint(20, 270));

  // Curves: one vertex per tick, each joined to the one before.
  const extended scale = graph::CostScale(*costTicks);
  const tCostSeries series(fCalc);
  const graph::tPlotArea plot{job.PlotLeft, job.PlotRight, job.PlotTop, job.PlotBottom};
  const struct {
    tSeries k;
    QColor colour;
  } curves[] = {{tSeries::Manual, kOlive}, {tSeries::TimeStudy, kNavy}, {tSeries::PlannedTime, kRed}};
  for (const auto& c : curves) {
    SCOPED_TRACE(int(c.k));
    const auto vertices =
        graph::CurveVertices(plot, *timeTicks, scale, [&](int32_t m) { return series.CumulatedCost(c.k, m); });
    const std::vector<tPageLine> lines = LinesIn(page, c.colour);
    ASSERT_EQ(lines.size(), vertices.size() - 1);
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].From, QPoint(vertices[i].X, vertices[i].Y));
      EXPECT_EQ(lines[i].To, QPoint(vertices[i + 1].X, vertices[i + 1].Y));
      EXPECT_EQ(lines[i].Pen.Width, 1);
      EXPECT_EQ(lines[i].Pen.Style, tPenStyle::Solid);
    }
    // Month 10 of the manual curve: 37500 euros high.
    if (c.k == tSeries::Manual) {
      EXPECT_EQ(lines.back().To,
                QPoint(job.PlotLeft + 10 * job.TickPixelsX, job.PlotBottom - graph::CostHeight(scale, 37500)));
    }
  }

  // Marks: a vertical line up to the curve at the payback, the value with
  // two decimals centred under the tick labels.
  const struct {
    extended payback;
    tSeries k;
    QColor colour;
    const char* text;
  } marks[] = {{fCalc.PaybackZS(), tSeries::Manual, kGreen, "2.92"},
               {fCalc.PaybackPL(), tSeries::PlannedTime, kBlue, "3.61"},
               {fCalc.PaybackPLZS(), tSeries::PlannedTime, kPurple, "7.21"}};
  for (const auto& m : marks) {
    SCOPED_TRACE(m.text);
    const int x = *graph::TimeX(job.PlotLeft, m.payback, *timeTicks);
    const int top = job.PlotBottom - graph::CostHeight(scale, series.ValueAt(m.k, m.payback));
    const std::vector<tPageLine> lines = LinesIn(page, m.colour);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].From, QPoint(x, job.PlotBottom));
    EXPECT_EQ(lines[0].To, QPoint(x, top));
    const tPageText* value = FindText(texts, QString::fromLatin1(m.text));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->Colour, m.colour);
    EXPECT_EQ(value->X, x - Width(job, QString::fromLatin1(m.text)) / 2);
    EXPECT_EQ(value->Y, job.PlotBottom + th + 20);
  }
  // The mark of comparison 1 ends where the manual and time-study curves
  // cross: 10960 euros.
  EXPECT_EQ(LinesIn(page, kGreen)[0].To.y(), job.PlotBottom - graph::CostHeight(scale, 10960));

  // Names half way to the payback, on their curves.
  const struct {
    const char* name;
    extended payback;
    tSeries k;
    QColor colour;
    uint16_t align;
  } names[] = {{"Manuell", fCalc.PaybackZS(), tSeries::Manual, kOlive, TA_LEFT | TA_TOP},
               {"Zeitstudiensystem", fCalc.PaybackPL(), tSeries::TimeStudy, kNavy, TA_RIGHT | TA_BASELINE},
               {"Planzeitsystem", fCalc.PaybackPLZS(), tSeries::PlannedTime, kRed, TA_RIGHT | TA_BASELINE}};
  for (const auto& n : names) {
    SCOPED_TRACE(n.name);
    const tPageText* name = FindText(texts, QString::fromLatin1(n.name));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->Colour, n.colour);
    EXPECT_EQ(name->Align, n.align);
    EXPECT_EQ(name->X, *graph::TimeX(job.PlotLeft, n.payback, *timeTicks, 2));
    EXPECT_EQ(name->Y, job.PlotBottom - graph::CostHeight(scale, series.ValueAt(n.k, n.payback / 2)));
  }
  // Every line of the page is 0.1 mm wide.
  for (const tPageLine& l : PageLines(page)) EXPECT_EQ(l.Pen.Width, 1);
}

TEST_F(Reports, EveryRecordingOfTheGraphMakesThePaybackCurrentAndReadsTheCostAxis) {
  tGraphInputs in;
  tTaviDaten d = fDaten;
  tPaybackCalc calc;
  calc.Calculate(d);
  in.onCurrent = [&] { calc.Calculate(d); };
  tGraphPrinting job(10, d, calc, in.CostAxis(), in.MakeCurrent());
  EXPECT_EQ(in.currentCalls, 0);  // building the page list draws nothing
  Recorded(job, 1);
  EXPECT_EQ(in.currentCalls, 1);
  EXPECT_EQ(in.costAxisCalls, 1);
  const int32_t tickY = job.TickPixelsY;
  const int32_t thousands = job.ThousandsPerTick;

  // The dialog's fields changed meanwhile: more investment, a larger axis.
  d.ZusatzkostenZS = 150 + 1875;  // one month later
  in.costAxis = 50000;
  const tPage& page = Recorded(job, 1);
  EXPECT_EQ(in.currentCalls, 2);
  EXPECT_EQ(job.CostAxisMax, 50000);
  EXPECT_EQ(job.ThousandsPerTick, thousands + 1);
  EXPECT_NE(job.TickPixelsY, tickY);
  EXPECT_TRUE(FindText(PageTexts(page), QStringLiteral("3.92")));
}

TEST_F(Reports, NoPaybackPutsItsMarkOnTheCostAxisAndReadsKeine) {
  tTaviDaten empty;  // no yearly figures: nothing pays back
  tPaybackCalc calc;
  calc.Calculate(empty);
  ASSERT_EQ(calc.PaybackZS(), 0);
  ASSERT_EQ(calc.PaybackPL(), 0);
  ASSERT_EQ(calc.PaybackPLZS(), 0);
  tGraphInputs in;
  in.costAxis = 10000;
  tGraphPrinting job(3, empty, calc, in.CostAxis(), in.MakeCurrent());
  const tPage& page = Recorded(job, 1);
  const extended scale = graph::CostScale({job.ThousandsPerTick, job.TickPixelsY});
  // Comparison 1 is measured on the manual curve (0 at month 0), 2 and 3
  // on the planned-time curve (its investment).
  const int investment = graph::CostHeight(scale, float(calc.CostsPL()));
  ASSERT_GT(investment, 0);
  const struct {
    QColor colour;
    int height;
  } marks[] = {{kGreen, 0}, {kBlue, investment}, {kPurple, investment}};
  for (const auto& m : marks) {
    const std::vector<tPageLine> lines = LinesIn(page, m.colour);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].From, QPoint(job.PlotLeft, job.PlotBottom));
    EXPECT_EQ(lines[0].To, QPoint(job.PlotLeft, job.PlotBottom - m.height));
  }
  // No payback reads "keine", never 0.00; the three words stand apart.
  std::vector<graph::tBox> nones;
  for (const tPageText& t : PageTexts(page)) {
    EXPECT_NE(t.Text, QStringLiteral("0.00"));
    if (t.Text == QStringLiteral("keine")) nones.push_back({t.Left(), t.Top(), t.Right(), t.Top() + t.Height});
  }
  ASSERT_EQ(nones.size(), 3u);
  EXPECT_FALSE(nones[0].Overlaps(nones[1]) || nones[0].Overlaps(nones[2]) || nones[1].Overlaps(nones[2]));
}

TEST_F(Reports, CurveLeavingThePlotStopsAtItsLastTickInside) {
  tGraphInputs in;
  in.costAxis = 20000;  // the manual curve passes 20000 after 5.3 months
  tGraphPrinting job(10, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
  const tPage& page = Recorded(job, 1);
  const std::vector<tPageLine> manual = LinesIn(page, kOlive);
  const int top = job.PlotBottom - job.PlotHeight / job.TickPixelsY * job.TickPixelsY;
  ASSERT_FALSE(manual.empty());
  for (const tPageLine& l : manual) EXPECT_GE(std::min(l.From.y(), l.To.y()), job.PlotTop);
  // Month 5 (18750 euros) is the last vertex; month 6 would be above.
  EXPECT_EQ(manual.size(), 5u);
  EXPECT_EQ(manual.back().To.x(), job.PlotLeft + 5 * job.TickPixelsX);
  EXPECT_LE(top, manual.back().To.y());
  // The mark of comparison 3 (19003 euros) stays inside the plot as well.
  for (const tPageLine& l : LinesIn(page, kPurple)) EXPECT_GE(l.To.y(), job.PlotTop);
}

TEST_F(Reports, MarkBeyondTheTimeAxisIsDrawnRightOfItWithinTheFrame) {
  tTaviDaten d = WorkedExample();
  d.ManuelleEingabe = 1;
  d.InvestZSSystem = 18938;  // 18938 ÷ 1875 = 10.1 months
  d.SchulungskostenZS = 0;
  d.ZusatzkostenZS = 0;
  tPaybackCalc calc;
  calc.Calculate(d);
  ASSERT_NEAR(double(calc.PaybackZS()), 10.1003, 1e-4);
  tGraphInputs in;
  in.costAxis = 60000;
  {
    tGraphPrinting job(10, d, calc, in.CostAxis(), in.MakeCurrent());
    const tPage& page = Recorded(job, 1);
    const std::vector<tPageLine> mark = LinesIn(page, kGreen);
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_GT(mark[0].From.x(), job.PlotRight);
    EXPECT_LE(mark[0].From.x(), Printer().UsableWidth());
    EXPECT_TRUE(FindText(PageTexts(page), QStringLiteral("10.10")));
  }
  // Three months: the paybacks of comparisons 2 and 3 (3.6 and 7.2 months)
  // would lie far beyond the frame; their marks are left out.
  tGraphPrinting job(3, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
  const tPage& page = Recorded(job, 1);
  EXPECT_TRUE(LinesIn(page, kBlue).empty());
  EXPECT_TRUE(LinesIn(page, kPurple).empty());
  EXPECT_FALSE(FindText(PageTexts(page), QStringLiteral("3.61")));
  EXPECT_FALSE(FindText(PageTexts(page), QStringLiteral("7.21")));
  EXPECT_EQ(LinesIn(page, kGreen).size(), 1u);
  for (const tPageLine& l : PageLines(page)) EXPECT_LE(std::max(l.From.x(), l.To.x()), Printer().UsableWidth());
}

// Curve names and payback values keep their places where these are free;
// otherwise they move to the nearest free place: a name along its curve
// inside the plot, a value below the axis. The labels' rectangles are
// recorded; they match what was drawn and none overlaps another.
TEST_F(Reports, LabelsNeverCollide) {
  tTaviDaten large = fDaten;  // 2000 studies of 8 hours at 60 euros
  large.AnzZS = 2000;
  large.DauerZS = 8;
  large.Stundensatz = 60;
  tTaviDaten late = fDaten;  // 865 studies of 4.7 hours at 86 euros, little saved: 92 months, 2.7 million euros
  late.AnzZS = 865;
  late.DauerZS = 4.7L;
  late.Stundensatz = 86;
  late.PotentialVorb = late.PotentialDurchf = late.PotentialAnzZS = 0;
  late.PotentialAuswert = 1;
  tTaviDaten lateZS = fDaten;  // 270 euros saved a year: the ZS mark ends 6 % below the proposed axis
  lateZS.PotentialVorb = lateZS.PotentialDurchf = 0;
  lateZS.PotentialAuswert = 2;
  tTaviDaten tenth = fDaten;  // comparison 1 a tenth of a month before comparison 2
  tenth.ManuelleEingabe = 1;
  tenth.InvestZSSystem = 5798;
  const struct {
    const char* what;
    tTaviDaten daten;
    int32_t months, costAxis;  // 0: the proposal
    std::vector<const char*> values;
  } cases[] = {
      {"worked example, 36 months", fDaten, 36, 100000, {"2.92", "3.61", "7.21"}},
      {"large department", large, 0, 0, {"0.14", "0.18", "2.03"}},
      {"large department, 24 months", large, 24, 2000000, {"0.14", "0.18", "2.03"}},
      {"late crossings", late, 0, 0, {}},
      {"late payback of the time-study system", lateZS, 0, 0, {"243.56"}},
      {"paybacks 0.1 months apart", tenth, 0, 0, {"3.51", "3.61"}},
      {"paybacks 0.1 months apart, 60 months", tenth, 60, 250000, {"3.51", "3.61"}},
      // The manual curve runs along the time axis: its name stands above it.
      {"nothing at all", tTaviDaten(), 3, 10000, {"keine"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tPaybackCalc calc;
    calc.Calculate(c.daten);
    const tGraphAxes proposal = ProposedGraphAxes(calc);
    tGraphInputs in;
    in.costAxis = c.costAxis ? c.costAxis : proposal.MaxCost;
    tGraphPrinting job(c.months ? c.months : proposal.Months, c.daten, calc, in.CostAxis(), in.MakeCurrent());
    const tPage& page = Recorded(job, 1);
    const std::vector<tPageText> texts = PageTexts(page);
    const int32_t W = Printer().UsableWidth();
    const int32_t H = Printer().UsableHeight();
    const graph::tBox plot{job.PlotLeft + graph::kTickLength, job.PlotTop, job.PlotRight, job.PlotBottom};
    const graph::tBox below{0, job.PlotBottom, W, H};
    const graph::tBox frame{0, 260, W, H};
    int names = 0;
    for (const auto& label : job.Labels) {
      SCOPED_TRACE(label.Text.toStdString());
      const graph::tBox& b = label.Box;
      using tKind = tGraphPrinting::tLabelKind;
      if (label.Kind == tKind::CurveName) ++names;
      EXPECT_TRUE(b.Within(label.Kind == tKind::CurveName      ? plot
                           : label.Kind == tKind::PaybackValue ? below
                                                               : frame));
      // Drawn where it is recorded; curve names on a white ground laid
      // before the curves.
      const bool drawn = std::any_of(texts.begin(), texts.end(), [&](const tPageText& t) {
        return t.Text == label.Text && std::abs(t.Left() - b.Left) <= 1 && std::abs(t.Top() - b.Top) <= 1 &&
               std::abs(t.Right() - b.Right) <= 1;
      });
      EXPECT_TRUE(drawn);
      if (label.Kind == tKind::CurveName) {
        const auto ground = std::find_if(page.Commands().begin(), page.Commands().end(), [&](const tDrawCmd& cmd) {
          const auto* r = std::get_if<tRectCmd>(&cmd);
          return r && r->Brush.Style == tBrushStyle::Solid && r->Brush.Color == Qt::white &&
                 r->Pen.Style == tPenStyle::Clear && r->Corners == tRect{b.Left, -b.Top, b.Right, -b.Bottom};
        });
        const auto firstCurve = std::find_if(page.Commands().begin(), page.Commands().end(), [](const tDrawCmd& cmd) {
          const auto* l = std::get_if<tLineCmd>(&cmd);
          return l && l->Pen.Color == kOlive;
        });
        EXPECT_LT(ground, firstCurve);
      }
      for (const auto& other : job.Labels)
        EXPECT_TRUE(&other == &label || !b.Overlaps(other.Box)) << other.Text.toStdString();
    }
    EXPECT_EQ(names, 3);
    if (c.daten.AnzZS == 0) {
      const tPageText* manual = FindText(texts, QStringLiteral("Manuell"));
      ASSERT_NE(manual, nullptr);
      EXPECT_EQ(manual->Align, TA_LEFT | TA_BOTTOM);
    }
    for (const char* value : c.values) EXPECT_TRUE(FindText(texts, QString::fromLatin1(value))) << value;

    // Every payback mark ends where its curves cross, inside the plot.
    const extended scale = graph::CostScale({job.ThousandsPerTick, job.TickPixelsY});
    const tCostSeries series(calc);
    const struct {
      extended payback;
      tSeries k;
      QColor colour;
    } marks[] = {{calc.PaybackZS(), tSeries::Manual, kGreen},
                 {calc.PaybackPL(), tSeries::PlannedTime, kBlue},
                 {calc.PaybackPLZS(), tSeries::PlannedTime, kPurple}};
    for (const auto& m : marks) {
      const std::vector<tPageLine> lines = LinesIn(page, m.colour);
      ASSERT_EQ(lines.size(), 1u);
      EXPECT_LE(lines[0].From.x(), job.PlotRight);
      EXPECT_EQ(lines[0].To.y(), job.PlotBottom - graph::CostHeight(scale, series.ValueAt(m.k, m.payback)));
      EXPECT_GE(lines[0].To.y(), job.PlotTop);
    }
  }
}

// The least page the printer setup lets through: every report prints on
// it, and the graph needs every unit of it.
TEST_F(Reports, LeastPageForReportsIsJustEnough) {
  const tPageNeeds needs = LeastPageForReports();
  // Margins from the paper edge that leave width × height of the page.
  const auto leave = [this](int32_t width, int32_t height) {
    tExtendedPrinter& p = Printer();
    p.SetMargins(200, 200, p.OffsetLeft() + p.PrintableWidth() + p.OffsetRight() - 200 - width,
                 p.OffsetTop() + p.PrintableHeight() + p.OffsetBottom() - 200 - height);
    ASSERT_EQ(p.UsableWidth(), width);
    ASSERT_EQ(p.UsableHeight(), height);
  };
  leave(needs.Width, needs.Height);
  tTaviPrinting table(12, fDaten, fCalc);
  EXPECT_GE(table.RowsPerPage(), 1);
  EXPECT_EQ(ErrorOf([&] { Recorded(table, 1); }), "(no error)");

  tGraphInputs in;
  tGraphPrinting graph(10, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());  // landscape now
  // The plot: seven digits and 2 mm left of it, 5 mm right, 10 mm between.
  const int32_t plotWidth = Width(graph, QStringLiteral("0000000")) + 170;
  ASSERT_LE(plotWidth, needs.Width);
  const struct {
    int32_t width, height;
    bool fits;
  } pages[] = {{needs.Width, needs.Height, true},
               {needs.Width, needs.Height - 1, false},
               {1000, needs.Height - 1, false},
               {plotWidth, 1000, true},
               {plotWidth - 1, 1000, false}};
  for (const auto& p : pages) {
    SCOPED_TRACE(testing::Message() << p.width << " x " << p.height);
    leave(p.width, p.height);
    EXPECT_EQ(ErrorOf([&] { Recorded(graph, 1); }) == "(no error)", p.fits);
  }
}

TEST_F(Reports, GraphThatCannotBeDividedTellsWhyWhenItIsRecorded) {
  tGraphInputs in;
  in.costAxis = 999;
  tGraphPrinting job(10, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
  QImage image(100, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  EXPECT_EQ(ErrorOf([&] { job.Recorder.DrawPage(&painter, 1, 0, 0); }),
            "Die maximalen Ausgaben müssen mindestens 1000 EUR betragen, damit die Kostenachse eingeteilt werden "
            "kann.");
  EXPECT_EQ(job.Recorder.ActivePage(), nullptr);  // the recorder goes on working
  in.costAxis = 1000;
  EXPECT_EQ(ErrorOf([&] { job.Recorder.DrawPage(&painter, 1, 0, 0); }), "(no error)");
  EXPECT_EQ(job.TickPixelsY, job.PlotHeight);

  EXPECT_EQ(ErrorOf([&] { tGraphPrinting none(0, fDaten, fCalc, in.CostAxis(), in.MakeCurrent()); }),
            "Die Laufzeit der Grafik muss mindestens einen Monat betragen.");
  // A page too low for the plot.
  Printer().SetMargins(200, 900, 100, 900);
  tGraphPrinting low(10, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
  EXPECT_EQ(ErrorOf([&] { low.Recorder.DrawPage(&painter, 1, 0, 0); }),
            "Die bedruckbare Fläche der Seite ist zu klein für die Grafik. Bitte verkleinern Sie die Ränder in der "
            "Druckereinrichtung.");
}

// ============================================================ on paper / PDF

#define REQUIRE_CUPS()                               \
  do {                                               \
    if (!gCups) GTEST_SKIP() << qPrintable(gNoCups); \
  } while (0)

QString UniqueTitle(const char* what) {
  static int counter = 0;
  return QStringLiteral("TAVI_%1_%2_%3").arg(QLatin1String(what)).arg(::getpid()).arg(++counter);
}

tPdfFacts Landed(const QString& title) {
  QString error;
  const QString file = tCupsFixture::WaitForPdf(title, 60000, &error);
  EXPECT_FALSE(file.isEmpty()) << qPrintable(error);
  if (file.isEmpty()) return tPdfFacts();
  const tPdfFacts pdf = InspectPdf(file);
  if (qEnvironmentVariableIsEmpty("TAVI_KEEP_PDF")) QFile::remove(file);
  return pdf;
}

// The words of the layout line that starts with `first`.
QStringList LayoutRow(const QString& text, const QString& first) {
  for (const QString& line : text.split(u'\n')) {
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (!words.isEmpty() && words.first() == first) return words;
  }
  return {};
}

void ExpectWorkedExampleTable(const tPdfFacts& pdf) {
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_NEAR(pdf.widthPt, 595, 1);
  EXPECT_NEAR(pdf.heightPt, 842, 1);
  // Months 0 to 12 in order, each at the start of its row.
  qsizetype from = 0;
  for (int m = 0; m <= 12; ++m) {
    const QStringList row = LayoutRow(pdf.text, QString::number(m));
    EXPECT_EQ(row.size(), 10) << m;
    const qsizetype at = pdf.text.indexOf(QRegularExpression(QStringLiteral("\\n\\s*%1\\s").arg(m)), from);
    EXPECT_GT(at, from - 1) << m;
    from = at + 1;
  }
  EXPECT_EQ(LayoutRow(pdf.text, QStringLiteral("12")),
            (QStringList{QStringLiteral("12"), QStringLiteral("3750"), QStringLiteral("45000"), QStringLiteral("1875"),
                         QStringLiteral("27980"), QStringLiteral("1068"), QStringLiteral("24788"),
                         QStringLiteral("17020"), QStringLiteral("20212"), QStringLiteral("3192")}));
  for (const char* head : {"Monat", "1. Manuell", "2. Zeitstudiensystem", "3. Planzeitsystem",
                           "Tabellarischer Kostenverlauf", "Bearbeitet von Erika Muster", "Muster GmbH", "Seite 1 / 1"})
    EXPECT_TRUE(pdf.pageTexts.value(0).contains(QString::fromUtf8(head))) << head;
}

// The queue prints the landscape page turned on A4 portrait paper, as a
// printer does; the PDF file has a landscape page.
void ExpectWorkedExampleGraph(const tPdfFacts& pdf, bool landscapeSheet) {
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_NEAR(pdf.widthPt, landscapeSheet ? 842 : 595, 1);
  EXPECT_NEAR(pdf.heightPt, landscapeSheet ? 595 : 842, 1);
  for (const char* text : {"Monate", "Kosten in EUR", "Manuell", "Zeitstudiensystem", "Planzeitsystem", "2.92", "3.61",
                           "7.21", "Grafischer Kostenverlauf", "40000"})
    EXPECT_TRUE(pdf.pageTexts.value(0).contains(QString::fromUtf8(text))) << text;
}

TEST_F(Reports, TableReachesTheQueueAndThePdfFile) {
  REQUIRE_CUPS();
  {
    tTaviPrinting job(12, fDaten, fCalc);
    Printer().SetPrinterName(tCupsFixture::PdfQueue());
    job.JobTitle = UniqueTitle("Tabelle");
    Printer().SetTitle(job.JobTitle);
    EXPECT_TRUE(job.PrintAll());
    ExpectWorkedExampleTable(Landed(job.JobTitle));
  }
  Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName());
  tTaviPrinting job(12, fDaten, fCalc);
  EXPECT_TRUE(job.PrintAll());
  ExpectWorkedExampleTable(InspectPdf(OutputPdf()));
}

TEST_F(Reports, TableReachesThePdfFileWithoutCups) {
  tTaviPrinting job(24, fDaten, fCalc);
  EXPECT_TRUE(job.PrintAll());
  const tPdfFacts pdf = InspectPdf(OutputPdf());
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_EQ(LayoutRow(pdf.text, QStringLiteral("24")).value(2), QStringLiteral("90000"));
}

TEST_F(Reports, GraphReachesTheQueueAndThePdfFile) {
  tGraphInputs in;
  if (gCups) {
    tGraphPrinting job(10, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
    Printer().SetPrinterName(tCupsFixture::PdfQueue());
    job.JobTitle = UniqueTitle("Grafik");
    Printer().SetTitle(job.JobTitle);
    EXPECT_TRUE(job.PrintAll());
    SCOPED_TRACE("queue");
    ExpectWorkedExampleGraph(Landed(job.JobTitle), false);
    Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName());
  }
  tGraphPrinting job(10, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
  EXPECT_TRUE(job.PrintAll());
  ExpectWorkedExampleGraph(InspectPdf(OutputPdf()), true);
}

}  // namespace

int main(int argc, char** argv) {
  return RunTestsWithCups(argc, argv, QStringLiteral(TAVI_PRINT_TEST_DIR "/tavi-rand.ppd"), true, gCups, gNoCups);
}
