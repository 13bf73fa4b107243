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
#include "graphlayout.h"
#include "graphprinting.h"
#include "mainfont.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "numfmt.h"
#include "pageframe.h"
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

TEST_F(Reports, ValueTooWideForSixCharactersShowsAsterisksInItsCell) {
  FortyRows();
  tTaviPrinting job(23 * 12, fDaten, fCalc);  // the manual sum passes a million at month 267
  const std::vector<tPageText> texts = PageTexts(Recorded(job, 7));  // months 240 to 276
  const std::vector<tPageText> month270 = TextsInBand(texts, 395 + 45 * 30, 395 + 45 * 31);
  ASSERT_EQ(month270.size(), 10u);
  EXPECT_EQ(month270[0].Text, QStringLiteral("270"));
  EXPECT_EQ(month270[2].Text, QStringLiteral("******"));  // 1012500
  EXPECT_EQ(month270[4].Text, Six(270 * 1875 + 5480));    // 511730 still fits
  EXPECT_EQ(month270[7].Text, Six(270 * 1875 - 5480));
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

TEST_F(Reports, PaybackOfZeroPutsItsMarkOnTheCostAxis) {
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
  int zeros = 0;
  for (const tPageText& t : PageTexts(page)) zeros += t.Text == QStringLiteral("0.00");
  EXPECT_EQ(zeros, 3);
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

TEST_F(Reports, OnALongTimeAxisNamesAndValuesStayReadable) {
  tGraphInputs in;
  in.costAxis = 100000;
  tGraphPrinting job(36, fDaten, fCalc, in.CostAxis(), in.MakeCurrent());
  const std::vector<tPageText> texts = PageTexts(Recorded(job, 1));
  const int th = LineHeight(job);
  // 2.92 and 3.61 months lie 66 units apart: the second value goes a line down.
  const tPageText* zs = FindText(texts, QStringLiteral("2.92"));
  const tPageText* pl = FindText(texts, QStringLiteral("3.61"));
  const tPageText* plzs = FindText(texts, QStringLiteral("7.21"));
  ASSERT_TRUE(zs && pl && plzs);
  EXPECT_EQ(zs->Y, job.PlotBottom + th + 20);
  EXPECT_EQ(pl->Y, job.PlotBottom + 2 * th + 20);
  EXPECT_EQ(plzs->Y, job.PlotBottom + th + 20);
  EXPECT_LE(pl->Y + th, Printer().UsableHeight());  // still inside the frame
  // Half way to 1.8 months is too close to the axis for the name.
  const tPageText* name = FindText(texts, QStringLiteral("Zeitstudiensystem"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->X, job.PlotLeft + 20 + Width(job, QStringLiteral("Zeitstudiensystem")));
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
