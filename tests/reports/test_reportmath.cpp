// The arithmetic of the reports without a page: table pages and columns,
// the years answer, graph ticks, labels, vertices and positions, the cost
// series and the CSV rows.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "costseries.h"
#include "economics.h"
#include "economicscsv.h"
#include "graphaxes.h"
#include "graphlayout.h"
#include "payback.h"
#include "tablecsv.h"
#include "tablelayout.h"
#include "workedexample.h"
#include "yearcount.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// ------------------------------------------------------------------ table

// Usable heights that give R rows: 395 + 45 R up to 395 + 45 R + 44.
TEST(TablePages, RowsPagesAndFirstMonths) {
  EXPECT_EQ(table::RowsPerPage(395 + 40 * 45), 40);
  EXPECT_EQ(table::RowsPerPage(395 + 40 * 45 + 44), 40);
  EXPECT_EQ(table::RowsPerPage(440), 1);
  EXPECT_EQ(table::RowsPerPage(439), 0);
  EXPECT_LE(table::RowsPerPage(100), 0);

  const struct {
    int32_t months, rows;
    int64_t pages;
    int64_t lastPageFirstMonth;
  } cases[] = {
      {12, 40, 1, 0},    // one year: months 0 to 12 on one page
      {60, 40, 2, 40},   // page 2: months 40 to 60
      {80, 40, 3, 80},   // a multiple of R: page 3 holds month 80 alone
      {79, 40, 2, 40},
      {0, 40, 1, 0},     // month 0 alone
      {1200, 48, 26, 1200},
      {2147483647, 1, 2147483648LL, 2147483647},  // no 32-bit overflow
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.months << " months, " << c.rows << " rows");
    const int64_t pages = table::PageCount(c.months, c.rows);
    EXPECT_EQ(pages, c.pages);
    if (pages <= 2147483647) {
      EXPECT_EQ(table::FirstMonthOfPage(static_cast<int32_t>(pages), c.rows), c.lastPageFirstMonth);
    }
    EXPECT_EQ(table::FirstMonthOfPage(1, c.rows), 0);
  }
}

TEST(TablePages, ColumnsFillTheWidthAndTheLastSavingTakesTheRest) {
  const auto columns = table::Columns(1802);
  const int32_t d = (1802 - 1180) / 3;  // 207
  const table::tColumn expected[] = {{0, 130},     {130, 305},         {305, 480},          {480, 655},
                                     {655, 830},   {830, 1005},        {1005, 1180},        {1180, 1180 + d},
                                     {1180 + d, 1180 + 2 * d}, {1180 + 2 * d, 1802}};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(columns[i].Left, expected[i].Left) << i;
    EXPECT_EQ(columns[i].Right, expected[i].Right) << i;
  }
  EXPECT_EQ(columns[9].Right - columns[9].Left, d + 1);
  EXPECT_TRUE(table::RowLineBelow(2195, 2195 - 46));
  EXPECT_FALSE(table::RowLineBelow(2195, 2195 - 45));
}

TEST(YearCount, AnswersAndRefusals) {
  using S = tYearCount::tStatus;
  const struct {
    const char* text;
    S status;
    int32_t months;
    const char* message;
  } cases[] = {
      {"1", S::Ok, 12, ""},
      {" 2 ", S::Ok, 24, ""},
      {"+3", S::Ok, 36, ""},
      {"007", S::Ok, 84, ""},
      {"0", S::Ok, 0, ""},
      {"-0", S::Ok, 0, ""},
      {"178956970", S::Ok, 2147483640, ""},
      {"abc", S::NotANumber, 0, "\"abc\" ist keine gültige ganze Zahl."},
      {"", S::NotANumber, 0, "\"\" ist keine gültige ganze Zahl."},
      {"1.5", S::NotANumber, 0, "\"1.5\" ist keine gültige ganze Zahl."},
      {"1 2", S::NotANumber, 0, "\"1 2\" ist keine gültige ganze Zahl."},
      {"--1", S::NotANumber, 0, "\"--1\" ist keine gültige ganze Zahl."},
      {"-1", S::Negative, 0, "Die Anzahl der Jahre darf nicht negativ sein."},
      {"-99999999999", S::Negative, 0, "Die Anzahl der Jahre darf nicht negativ sein."},
      {"178956971", S::TooLarge, 0, "Die Anzahl der Jahre ist zu groß: höchstens 178956970 Jahre sind möglich."},
      {"99999999999999999999", S::TooLarge, 0,
       "Die Anzahl der Jahre ist zu groß: höchstens 178956970 Jahre sind möglich."},
      {"0000000000000000000001", S::Ok, 12, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const tYearCount answer = ParseYearCount(QString::fromUtf8(c.text));
    EXPECT_EQ(answer.Status, c.status);
    EXPECT_EQ(answer.Months, c.months);
    EXPECT_EQ(answer.Message, QString::fromUtf8(c.message));
  }
}

// ------------------------------------------------------------------ graph

TEST(GraphTicks, TimeTicksKeepTenMillimetres) {
  const struct {
    int32_t width, months;
    bool possible;
    graph::tTicks ticks;
  } cases[] = {
      {2500, 36, true, {2, 138}},   // 2500 div 36 = 69: two months per tick
      {2500, 10, true, {1, 250}},
      {2500, 25, true, {1, 100}},
      {2500, 26, true, {2, 192}},
      {2500, 999, true, {39, 100}},  // 999 div 38 = 26 ticks would be 96 apart
      {2500, 1, true, {1, 2500}},
      {100, 999, true, {500, 100}},   // one tick over the whole axis
      {99, 1, false, {}},            // narrower than one tick
      {2500, 0, false, {}},          // no months
      {-5, 10, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " wide, " << c.months << " months");
    const auto ticks = graph::TimeTicks(c.width, c.months);
    ASSERT_EQ(ticks.has_value(), c.possible);
    if (c.possible) {
      EXPECT_EQ(*ticks, c.ticks);
    }
  }
}

TEST(GraphTicks, CostTicksKeepALineApart) {
  const struct {
    int32_t height, maxCost, textHeight;
    bool possible;
    graph::tTicks ticks;
  } cases[] = {
      {1220, 40500, 40, true, {2, 61}},      // 40 thousands: 30 apart is too close
      {1220, 1000000, 40, true, {48, 61}},   // 47 per tick would be 58 apart
      {1220, 1000, 40, true, {1, 1220}},
      {1220, 1999, 40, true, {1, 1220}},     // whole thousands only
      {1220, 999, 40, false, {}},            // no whole thousand
      {1220, 0, 40, false, {}},
      {59, 40500, 40, false, {}},            // lower than one tick
      {60, 40500, 40, true, {21, 60}},    // one tick: 40 div 21 = 1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.height << " high, up to " << c.maxCost);
    const auto ticks = graph::CostTicks(c.height, c.maxCost, c.textHeight);
    ASSERT_EQ(ticks.has_value(), c.possible);
    if (c.possible) {
      EXPECT_EQ(*ticks, c.ticks);
    }
  }
}

// Ticks that reach the end of the axis: where the specified ones end up to
// a tick short of it, there is one tick more (at least as far apart).
TEST(GraphTicks, CoveringTicksReachTheAxisMaximum) {
  const struct {
    bool time;
    int32_t length, count;
    graph::tTicks plain, covering;
    double plainEnd, coveringEnd;
  } cases[] = {
      {true, 2464, 247, {10, 102}, {11, 107}, 241.6, 253.3},
      {true, 2500, 36, {2, 138}, {2, 138}, 36.2, 36.2},  // already there
      {false, 1220, 927000, {45, 61}, {47, 61}, 900, 940},
      {false, 1220, 40500, {2, 61}, {2, 61}, 40, 40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.length << " long, " << c.count);
    const auto plain = c.time ? graph::TimeTicks(c.length, c.count) : graph::CostTicks(c.length, c.count, 39);
    const auto covering =
        c.time ? graph::TimeTicksCovering(c.length, c.count) : graph::CostTicksCovering(c.length, c.count, 39);
    ASSERT_TRUE(plain && covering);
    EXPECT_EQ(*plain, c.plain);
    EXPECT_EQ(*covering, c.covering);
    EXPECT_NEAR(double(graph::ValueAtEnd(c.length, *plain)), c.plainEnd, 0.05);
    EXPECT_NEAR(double(graph::ValueAtEnd(c.length, *covering)), c.coveringEnd, 0.05);
  }
}

TEST(GraphTicks, TickOffsetsAreWholeStepsFromTheAxisStart) {
  const std::vector<int32_t> offsets = graph::TickOffsets(2500, 138);
  ASSERT_EQ(offsets.size(), 18u);
  for (size_t k = 0; k < offsets.size(); ++k) EXPECT_EQ(offsets[k], 138 * int32_t(k + 1));
  EXPECT_EQ(graph::TickOffsets(276, 138), (std::vector<int32_t>{138, 276}));
  EXPECT_TRUE(graph::TickOffsets(137, 138).empty());
  EXPECT_TRUE(graph::TickOffsets(100, 0).empty());
}

TEST(GraphTicks, LabelsCloserThanTwentyToTheLastOneAreLeftOut) {
  // Time axis from x 100: an edge must lie more than 20 beyond the last
  // label written.
  EXPECT_EQ(graph::ShownTimeLabels(100, {110, 121, 150, 171, 172, 192}),
            (std::vector<bool>{false, true, true, true, false, true}));
  // Cost axis at y 1000, bottoms going up the page.
  EXPECT_EQ(graph::ShownCostLabels(1000, {990, 979, 950, 930, 929, 909}),
            (std::vector<bool>{false, true, true, false, true, false}));
}

TEST(GraphCurve, HeightsRoundHalfToEvenAndStopAtTheLimits) {
  EXPECT_EQ(graph::CostScale({2, 61}), 61.0L / 1000 / 2);
  const struct {
    extended scale;
    float value;
    int32_t height;
  } cases[] = {
      {0.0305L, 5480.0f, 167},  // 167.14
      {1, 2.5f, 2},
      {1, 3.5f, 4},
      {1, -2.5f, -2},
      {0.5L, 0.0f, 0},
      {1, 1e30f, kInt32Max},
      {1, -1e30f, kInt32Min},
      {1, std::numeric_limits<float>::quiet_NaN(), kInt32Max},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << double(c.scale) << " x " << c.value);
    EXPECT_EQ(graph::CostHeight(c.scale, c.value), c.height);
  }
}

TEST(GraphCurve, OneVertexPerTickUpToTheTopOfThePlot) {
  const graph::tPlotArea plot{100, 2600, 300, 1500};
  const graph::tTicks ticks{2, 138};
  // 1000 euros a month, 500 at the start, 0.1 units per euro: month m at
  // height 100 m + 50.
  const auto rising = [](int32_t m) { return 1000.0f * m + 500; };
  const std::vector<graph::tPoint> points = graph::CurveVertices(plot, ticks, 0.1L, rising);
  // Ticks k = 1.. at months 2k: y = 1450 − 200 k; k = 6 would be at 250,
  // above the plot, and is not joined.
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points[0], (graph::tPoint{100, 1450}));
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(points[k], (graph::tPoint{100 + 138 * k, 1450 - 200 * k})) << k;

  // A flat curve runs to the last tick inside the plot (18 × 138 = 2484).
  const std::vector<graph::tPoint> flat = graph::CurveVertices(plot, ticks, 0.1L, [](int32_t) { return 0.0f; });
  ASSERT_EQ(flat.size(), 19u);
  EXPECT_EQ(flat.back(), (graph::tPoint{100 + 2484, 1500}));

  // Already the investment lies above the plot: no curve at all.
  EXPECT_TRUE(graph::CurveVertices(plot, ticks, 0.1L, [](int32_t) { return 20000.0f; }).empty());
  // A saturated computation (NaN) counts as above the plot.
  EXPECT_TRUE(graph::CurveVertices(plot, ticks, 0.1L, [](int32_t) { return std::nanf(""); }).empty());
}

TEST(GraphCurve, TimesOnTheAxis) {
  const graph::tTicks ticks{2, 137};
  EXPECT_EQ(graph::TimeX(100, 0, ticks), 100);
  EXPECT_EQ(graph::TimeX(100, 1, ticks), 100 + 68);    // 68.5: to the even 68
  EXPECT_EQ(graph::TimeX(100, 3, ticks), 100 + 206);   // 205.5: to the even 206
  EXPECT_EQ(graph::TimeX(100, 3, ticks, 2), 100 + 103);  // 102.75
  EXPECT_EQ(graph::TimeX(156, 7.2127L, {1, 246}), 156 + 1774);
  EXPECT_FALSE(graph::TimeX(100, std::numeric_limits<extended>::quiet_NaN(), ticks));
  EXPECT_FALSE(graph::TimeX(100, 1e300L, ticks));
  EXPECT_FALSE(graph::TimeX(100, 5, {0, 100}));
}

TEST(GraphLabels, NearestPlaceInsideTheAreaAndClearOfTheOthers) {
  const graph::tBox area{100, 100, 1000, 500};
  const std::vector<graph::tBox> taken = {{300, 200, 400, 240}, {500, 100, 501, 500}};  // a label, a mark line
  const auto at = [](int32_t left, int32_t top, int64_t distance2) {
    return graph::tPlace{{left, top, left + 60, top + 40}, distance2};
  };
  const struct {
    const char* what;
    std::vector<graph::tPlace> places;
    std::optional<graph::tBox> expected;
  } cases[] = {
      {"the wanted place is free", {at(200, 300, 0), at(210, 300, 100)}, graph::tBox{200, 300, 260, 340}},
      {"nearest first, whatever the order", {at(210, 300, 100), at(205, 300, 25)}, graph::tBox{205, 300, 265, 340}},
      {"equal distance: the one given first", {at(210, 300, 100), at(190, 300, 100)}, graph::tBox{210, 300, 270, 340}},
      {"touching an edge is free", {at(240, 200, 0)}, graph::tBox{240, 200, 300, 240}},
      {"one unit over the label is not", {at(241, 200, 0), at(400, 200, 9)}, graph::tBox{400, 200, 460, 240}},
      {"across the mark line is not", {at(450, 300, 0), at(501, 300, 4)}, graph::tBox{501, 300, 561, 340}},
      {"leaving the area is not", {at(99, 300, 0), at(950, 300, 1), at(940, 300, 2)}, graph::tBox{940, 300, 1000, 340}},
      {"no free place", {at(310, 210, 0), at(90, 90, 1)}, std::nullopt},
      {"no place at all", {}, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto place = graph::NearestFreePlace(c.places, area, taken);
    EXPECT_EQ(place ? std::optional<graph::tBox>(place->Box) : std::nullopt, c.expected) << c.what;
  }
  EXPECT_EQ((graph::tBox{10, 0, 20, 5}).Widened(10), (graph::tBox{0, 0, 30, 5}));
}

TEST(GraphAxes, ProposalsAreBroughtIntoTheFieldRanges) {
  tPaybackCalc calc;
  calc.Calculate(WorkedExampleStandardPrices());
  EXPECT_EQ(ProposedGraphAxes(calc), (tGraphAxes{10, 40500}));

  tPaybackCalc empty;
  empty.Calculate(tTaviDaten());  // no yearly figures: no payback at all
  EXPECT_EQ(ProposedGraphAxes(empty), (tGraphAxes{3, 2000}));

  // The latest payback the entry fields allow (119999 euros paid back at
  // one euro a year) keeps its proposal whole.
  tTaviDaten latest;
  latest.AnzZS = latest.Stundensatz = 1;
  latest.DauerZS = 1;
  latest.PotentialAuswert = 100;
  latest.InvestZSSystem = 99999;
  latest.SchulungskostenZS = latest.ZusatzkostenZS = 10000;
  tPaybackCalc c;
  c.Calculate(latest);
  const tGraphProposal proposal = ProposeGraphAxes(c);
  EXPECT_EQ(proposal.NFieldX, 119999 * 12 + 3);
  EXPECT_EQ(ProposedGraphAxes(c), (tGraphAxes{proposal.NFieldX, proposal.NFieldY}));

  const struct {
    int32_t x, y;
    tGraphAxes axes;
  } cases[] = {
      {1200, 40500, {1200, 40500}},
      {9999999, kInt32Max, {9999999, kInt32Max}},  // also a saturated record
      {kInt32Max, 1000001, {9999999, 1000001}},
      {0, 0, {1, 1}},
  };
  for (const auto& c : cases) {
    tGraphProposal proposal;
    proposal.NFieldX = c.x;
    proposal.NFieldY = c.y;
    EXPECT_EQ(ClampToFields(proposal), c.axes) << c.x << ", " << c.y;
  }
}

TEST(GraphAxes, ProblemsOfAxisMaxima) {
  EXPECT_TRUE(TimeAxisProblem(1).isEmpty());
  EXPECT_TRUE(TimeAxisProblem(9999999).isEmpty());
  for (int64_t months : {0LL, -1LL, 10000000LL})
    EXPECT_EQ(TimeAxisProblem(months), QStringLiteral("Die Laufzeit muss zwischen 1 und 9999999 Monaten liegen."));
  EXPECT_TRUE(CostAxisProblem(1000).isEmpty());
  EXPECT_TRUE(CostAxisProblem(kInt32Max).isEmpty());
  for (int64_t cost : {999LL, 1LL, 2147483648LL})
    EXPECT_EQ(CostAxisProblem(cost),
              QStringLiteral("Die maximalen Ausgaben müssen zwischen 1000 und 2147483647 EUR liegen."));
}

// ------------------------------------------------------------ cost series

class CostSeries : public ::testing::Test {
 protected:
  void SetUp() override { fCalc.Calculate(WorkedExampleStandardPrices()); }
  tPaybackCalc fCalc;
  tCostSeries fSeries{fCalc};
};

TEST_F(CostSeries, MonthZeroHoldsTheInvestments) {
  for (tSeries k : {tSeries::Manual, tSeries::TimeStudy, tSeries::PlannedTime}) {
    EXPECT_EQ(fSeries.CostInMonth(k, 0), 0.0f);
    EXPECT_EQ(fSeries.CostInMonth(k, -3), 0.0f);
  }
  EXPECT_EQ(fSeries.CumulatedCost(tSeries::Manual, 0), 0.0f);
  EXPECT_EQ(fSeries.CumulatedCost(tSeries::TimeStudy, 0), 5480.0f);
  EXPECT_EQ(fSeries.CumulatedCost(tSeries::PlannedTime, 0), 7130.0f);
  EXPECT_EQ(fSeries.Saving(tSavingPair::ManualTimeStudy, 0), -5480.0f);
  EXPECT_EQ(fSeries.Saving(tSavingPair::ManualPlannedTime, 0), -7130.0f);
  EXPECT_EQ(fSeries.Saving(tSavingPair::TimeStudyPlannedTime, 0), -1650.0f);
}

TEST_F(CostSeries, MonthTwelveOfTheWorkedExample) {
  EXPECT_EQ(fSeries.CumulatedCost(tSeries::Manual, 12), 45000.0f);
  EXPECT_EQ(fSeries.CumulatedCost(tSeries::TimeStudy, 12), 27980.0f);
  EXPECT_NEAR(fSeries.CumulatedCost(tSeries::PlannedTime, 12), 24788, 0.5);
  EXPECT_EQ(fSeries.CostInMonth(tSeries::Manual, 12), 3750.0f);
  EXPECT_EQ(fSeries.CostInMonth(tSeries::TimeStudy, 12), 1875.0f);
  // Month 12 is month 11 of the reduction: 1875 × (1 − 11 × 90/23 %).
  EXPECT_NEAR(fSeries.CostInMonth(tSeries::PlannedTime, 12), 1875 * (1 - 11 * 90.0 / 23 / 100), 0.01);
  EXPECT_EQ(fSeries.Saving(tSavingPair::ManualTimeStudy, 12), 17020.0f);
  EXPECT_NEAR(fSeries.Saving(tSavingPair::ManualPlannedTime, 12), 20212, 0.5);
  EXPECT_NEAR(fSeries.Saving(tSavingPair::TimeStudyPlannedTime, 12), 3192, 0.5);
  // The planned-time curve of the worked example, months 1 to 4.
  const double pl[] = {9005, 10806.63, 12534.89, 14189.78};
  for (int m = 1; m <= 4; ++m) EXPECT_NEAR(fSeries.CumulatedCost(tSeries::PlannedTime, m), pl[m - 1], 0.01) << m;
}

TEST_F(CostSeries, MonthlyCostsStayExactWhenTheSumsGrowLarge) {
  // After 1000 years the manual sum is 45 million, where single precision
  // has steps of 4 euros; the cost of a month must still be 3750.
  for (int32_t m : {2237, 4473, 11999, 12000}) {
    EXPECT_EQ(fSeries.CostInMonth(tSeries::Manual, m), 3750.0f) << m;
    EXPECT_EQ(fSeries.CostInMonth(tSeries::TimeStudy, m), 1875.0f) << m;
    EXPECT_FLOAT_EQ(fSeries.CostInMonth(tSeries::PlannedTime, m), 187.5f) << m;
  }
}

TEST_F(CostSeries, ValuesBetweenMonthEndsLieOnTheCurve) {
  // Within month 1 the manual curve rises from 0 to 3750.
  EXPECT_FLOAT_EQ(fSeries.ValueAt(tSeries::Manual, 0.5L), 1875.0f);
  EXPECT_FLOAT_EQ(fSeries.ValueAt(tSeries::TimeStudy, 0.5L), 5480 + 937.5f);
  // Half way through month 4 of the planned-time curve.
  EXPECT_NEAR(fSeries.ValueAt(tSeries::PlannedTime, 3.5L), (12534.89 + 14189.78) / 2, 0.01);
  // The payback of comparison 1 is where manual and time-study costs meet.
  const extended zs = fCalc.PaybackZS();
  EXPECT_NEAR(fSeries.ValueAt(tSeries::Manual, zs), fSeries.ValueAt(tSeries::TimeStudy, zs), 0.01);
  // So is comparison 2 for manual and planned time, 3 for both systems.
  const extended pl = fCalc.PaybackPL();
  EXPECT_NEAR(fSeries.ValueAt(tSeries::Manual, pl), fSeries.ValueAt(tSeries::PlannedTime, pl), 0.05);
  const extended plzs = fCalc.PaybackPLZS();
  EXPECT_NEAR(fSeries.ValueAt(tSeries::TimeStudy, plzs), fSeries.ValueAt(tSeries::PlannedTime, plzs), 0.05);

  EXPECT_EQ(fSeries.ValueAt(tSeries::PlannedTime, 0), 7130.0f);
  EXPECT_EQ(fSeries.ValueAt(tSeries::PlannedTime, -2), 7130.0f);
  EXPECT_TRUE(std::isnan(fSeries.ValueAt(tSeries::Manual, std::numeric_limits<extended>::infinity())));
  EXPECT_TRUE(std::isnan(fSeries.ValueAt(tSeries::Manual, 3e9L)));
}

// -------------------------------------------------------------------- CSV

float ReadBack(const std::string& text) {
  float value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

TEST(TableCsv, NumbersAreWrittenInFullWithTheDecimalSeparator) {
  EXPECT_EQ(CsvNumber(0.5f, ','), "0,5");
  EXPECT_EQ(CsvNumber(1000000.0f, '.'), "1000000");  // no exponent
  EXPECT_EQ(CsvNumber(45000000.0f, '.'), "45000000");
  EXPECT_EQ(CsvNumber(-0.0f, '.'), "0");
  EXPECT_EQ(CsvNumber(-1650.0f, ','), "-1650");
  EXPECT_EQ(CsvNumber(std::nanf(""), ','), "");
  for (float v : {10806.633f, 0.1f, 187.5f, 1234567.8f, -3.25e-3f}) {
    const std::string text = CsvNumber(v, '.');
    EXPECT_EQ(text.find('e'), std::string::npos) << text;
    EXPECT_EQ(ReadBack(text), v) << text;
  }
}

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, sep)) parts.push_back(part);
  if (!text.empty() && text.back() == sep) parts.push_back(std::string());
  return parts;
}

TEST_F(CostSeries, CsvHasAHeaderAndOneRowPerMonth) {
  std::ostringstream out;
  WriteTableCsv(out, fSeries, 12, ',');
  std::string text = out.str();
  ASSERT_EQ(text.back(), '\n');
  text.pop_back();
  const std::vector<std::string> lines = Split(text, '\n');
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0],
            "Monat;Manuell Kosten pro Monat;Manuell Kostensummen;Zeitstudiensystem Kosten pro Monat;"
            "Zeitstudiensystem Kostensummen;Planzeitsystem Kosten pro Monat;Planzeitsystem Kostensummen;"
            "Kostenersparnis 1-2;Kostenersparnis 1-3;Kostenersparnis 2-3");
  EXPECT_EQ(lines[1], "0;0;0;0;5480;0;7130;-5480;-7130;-1650");
  for (int m = 0; m <= 12; ++m) {
    const std::vector<std::string> fields = Split(lines[m + 1], ';');
    ASSERT_EQ(fields.size(), 10u) << lines[m + 1];
    EXPECT_EQ(fields[0], std::to_string(m));
  }
  const std::vector<std::string> row12 = Split(lines[13], ';');
  EXPECT_EQ(row12[1], "3750");
  EXPECT_EQ(row12[2], "45000");
  EXPECT_EQ(row12[4], "27980");
  EXPECT_EQ(row12[7], "17020");
  // The planned-time values keep their cents, with a decimal comma.
  std::string pl = row12[6];
  ASSERT_NE(pl.find(','), std::string::npos) << pl;
  pl[pl.find(',')] = '.';
  EXPECT_EQ(ReadBack(pl), fSeries.CumulatedCost(tSeries::PlannedTime, 12));

  std::ostringstream none;
  WriteTableCsv(none, fSeries, -1, '.');
  EXPECT_EQ(none.str(), lines[0] + "\n");  // the header alone
}

TEST(EconomicsCsv, MoneyToTheCentMonthsAndRatesTo0001) {
  const struct {
    extended value;
    int decimals;
    const char* text;
  } cases[] = {
      {17812.391304L, 2, "17812,39"}, {-5480, 2, "-5480,00"}, {-0.004L, 2, "0,00"},
      {3.08732394L, 4, "3,0873"},     {0.125L, 2, "0,12"},    // half to even
      {std::numeric_limits<extended>::quiet_NaN(), 2, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CsvFixed(c.value, c.decimals, ','), c.text) << c.text;
}

// The worked example with 1200 and 2400 euros a year, 5 years, 6 %: the
// figures of test_economics, as the CSV writes them.
TEST_F(CostSeries, EconomicsCsvHasOneRowPerComparison) {
  tTaviDaten d = WorkedExampleStandardPrices();
  tEconomicsInputs in;
  in.RunningCostsZS = 1200;
  in.RunningCostsPL = 2400;
  in.RateTenths = 60;
  tEconomicsCalc e;
  e.Calculate(d, fCalc, in);
  std::ostringstream out;
  WriteEconomicsCsv(out, e, ',');
  EXPECT_EQ(out.str(),
            "Vergleich;Laufende Kosten pro Jahr;Nettoeinsparung pro Jahr;Amortisation mit laufenden Kosten;"
            "Dynamische Amortisation;Kapitalwert;Interner Zinsfu\u00DF;Saldo nach 1 Jahr;Saldo nach 2 Jahren;"
            "Saldo nach 3 Jahren;Saldo nach Nutzungsdauer\n"
            "1;1200,00;21300,00;3,0873;3,1186;86684,78;\u00FCber 1000 %;15820,00;37120,00;58420,00;101020,00\n"
            "2;2400,00;40350,00;3,9946;4,0404;148009,93;\u00FCber 1000 %;17812,39;53320,00;93670,00;174370,00\n"
            "3;1200,00;19050,00;8,8125;8,9382;61325,15;631,7354;1992,39;16200,00;35250,00;73350,00\n");

  // No payback, and one at once: "keine" and "0".
  in.RunningCostsZS = 30000;
  d.InvestPLSystem = 3000;
  tPaybackCalc cheap;
  cheap.Calculate(d);
  e.Calculate(d, cheap, in);
  std::ostringstream other;
  WriteEconomicsCsv(other, e, '.');
  const std::vector<std::string> lines = Split(other.str(), '\n');
  EXPECT_EQ(Split(lines[1], ';')[3], "keine");
  EXPECT_EQ(Split(lines[1], ';')[6], "nicht bestimmbar");
  EXPECT_EQ(Split(lines[3], ';')[3], "0");
}

TEST_F(CostSeries, TableCsvGainsTheColumnsOfTheAppraisal) {
  tEconomicsInputs in;
  in.RunningCostsZS = 1200;
  in.RunningCostsPL = 2400;
  in.RateTenths = 60;
  tEconomicsCalc e;
  e.Calculate(WorkedExampleStandardPrices(), fCalc, in);
  std::ostringstream out;
  WriteTableCsv(out, fSeries, 12, ',', &e);
  const std::vector<std::string> lines = Split(out.str(), '\n');
  ASSERT_GE(lines.size(), 14u);
  const std::vector<std::string> header = Split(lines[0], ';');
  ASSERT_EQ(header.size(), 15u);
  EXPECT_EQ(header[10], "Zeitstudiensystem Kostensummen mit laufenden Kosten");
  EXPECT_EQ(header[14], "Abgezinster Vorteil 2-3");
  // Month 0: the investments; month 4: D(4) of comparisons 1 and 2 from
  // test_economics (1534.43, -77.59); month 12: Z'(12) = 27980 + 1200.
  EXPECT_EQ(lines[1], "0;0;0;0;5480;0;7130;-5480;-7130;-1650;5480,00;7130,00;-5480,00;-7130,00;-1650,00");
  const std::vector<std::string> row4 = Split(lines[5], ';');
  EXPECT_EQ(row4[12], "1534,43");
  EXPECT_EQ(row4[13], "-77,59");
  const std::vector<std::string> row12 = Split(lines[13], ';');
  EXPECT_EQ(row12[10], "29180,00");
  EXPECT_EQ(row12[11], "27187,61");
}

}  // namespace
