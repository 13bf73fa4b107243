// The economic appraisal: running costs, dynamic payback, net present
// value, internal rate of return, checked against figures computed by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "economics.h"
#include "economicssheet.h"
#include "economicstext.h"
#include "numfmt.h"
#include "payback.h"
#include "workedexample.h"

namespace {

using tPayKind = tEconomicsPayback::tKind;
using tRateKind = tInternalRate::tKind;

tEconomicsCalc Economics(const tTaviDaten& d, const tEconomicsInputs& in) {
  tPaybackCalc calc;
  calc.Calculate(d);
  tEconomicsCalc e;
  e.Calculate(d, calc, in);
  return e;
}

tEconomicsInputs Inputs(int32_t rz, int32_t rp, int32_t life, int32_t rateTenths) {
  tEconomicsInputs in;
  in.RunningCostsZS = rz;
  in.RunningCostsPL = rp;
  in.UsefulLife = life;
  in.RateTenths = rateTenths;
  return in;
}

class Economic : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(","); }
  void TearDown() override { SetDecimalSeparator("."); }
};

// The worked example (standard prices: CostsZS 5480, CostsPL 7130,
// MonthlyManual 3750, MonthlyZS 1875, CumulatedCostsPL 7130, 9005,
// 10806.63, 12534.89, 14189.78 for months 0 to 4, 24787.61 at 12, then
// 31880 + 187.5 a month from month 24) with running costs of 1200 € (100 a
// month) and 2400 € (200 a month) a year, five years, 6 %:
// v = 1.06^(-1/12) = 0.9951560277.
//
// 1: N(m) = 3750 m - (1875 m + 5480 + 100 m) = 1775 m - 5480.
//    Net saving 22500 - 1200 = 21300. Static 5480 / 1775 = 3.0873.
//    D(3) = -5480 + 1775 (v + v^2 + v^3) = -206.42, D(4) = 1534.43:
//    dynamic 3 + 206.42 / 1740.86 = 3.1186.
//    D(60) = -5480 + 1775 × Σ v^t (t = 1..60 : 51.92382) = 86684.78.
//    At 1000 %: Σ (11^(-1/12))^t = 4.5210, D(60) = 2544.78 > 0: "über 1000 %".
//    Balances 12 × 1775 - 5480 = 15820, 37120, 58420, 60 × 1775 - 5480 = 101020.
// 2: N(m) = 3750 m - CumulatedCostsPL(m) - 200 m. Net saving 42750 - 2400 = 40350.
//    N(3) = 11250 - 12534.89 - 600 = -1884.89, N(4) = 15000 - 14189.78 - 800 = 10.22:
//    static 3 + 1884.89 / 1895.11 = 3.9946. Discounted D(4) = -77.59,
//    D(5) = 1843.67: dynamic 4 + 77.59 / 1921.26 = 4.0404. D(60) = 148009.93.
//    Balances 45000 - 24787.61 - 2400 = 17812.39, 53320, 93670, 174370.
// 3: N(m) = (1875 m + 5480 + 100 m) - (CumulatedCostsPL(m) + 200 m).
//    Net saving (42750 - 22500) - 1200 = 19050. N(8) = -395.65, N(9) = 91.30:
//    static 8 + 395.65 / 486.96 = 8.8125. D(8) = -437.33, D(9) = 28.81:
//    dynamic 8.9382. D(60) = 61325.15; the one root of D(60) in r: 631.7354 %.
//    Balances 1992.39, 16200, 35250, 73350.
TEST_F(Economic, WorkedExampleWithRunningCostsLifeAndRate) {
  const tEconomicsCalc e = Economics(WorkedExampleStandardPrices(), Inputs(1200, 2400, 5, 60));
  EXPECT_NEAR(e.MonthlyDiscount(), 0.9951560277L, 1e-10);
  const struct {
    tComparison c;
    extended running, net, staticMonths, dynamicMonths, npv;
    tRateKind rate;
    extended percent;
    std::array<extended, 4> balance;
  } rows[] = {
      {tComparison::ZSManual, 1200, 21300, 3.0873239L, 3.1185749L, 86684.783322L, tRateKind::Above, 0,
       {15820, 37120, 58420, 101020}},
      {tComparison::PLManual, 2400, 40350, 3.9946085L, 4.0403860L, 148009.928828L, tRateKind::Above, 0,
       {17812.391304L, 53320, 93670, 174370}},
      {tComparison::PLZS, 1200, 19050, 8.8125L, 8.9382016L, 61325.145507L, tRateKind::Found, 631.7353984L,
       {1992.391304L, 16200, 35250, 73350}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.c) + 1);
    const tComparisonFigures& f = e.Figures(r.c);
    EXPECT_EQ(f.RunningCosts, r.running);
    EXPECT_EQ(f.NetSaving, r.net);
    EXPECT_EQ(f.StaticPayback.Kind, tPayKind::Months);
    EXPECT_NEAR(f.StaticPayback.Months, r.staticMonths, 1e-7);
    EXPECT_EQ(f.DynamicPayback.Kind, tPayKind::Months);
    EXPECT_NEAR(f.DynamicPayback.Months, r.dynamicMonths, 1e-7);
    EXPECT_NEAR(f.NetPresentValue, r.npv, 1e-6);
    EXPECT_EQ(f.InternalRate.Kind, r.rate);
    EXPECT_NEAR(f.InternalRate.Percent, r.percent, 1e-6);
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(f.Balance[i], r.balance[i], 1e-6) << i;
  }
  // As the page shows them.
  EXPECT_EQ(CoverSheet4Text(12, e), "3,1 Monate");
  EXPECT_EQ(CoverSheet4Text(23, e), "4,0 Monate");
  EXPECT_EQ(CoverSheet4Text(14, e), "86685 \u20AC");
  EXPECT_EQ(CoverSheet4Text(15, e), "über 1000 %");
  EXPECT_EQ(CoverSheet4Text(35, e), "631,74 %");
  EXPECT_EQ(CoverSheet4Text(26, e), "17812 \u20AC");
  EXPECT_EQ(CoverSheet4Text(31, e), "19050 \u20AC");
  EXPECT_EQ(CoverSheet4Text(0, e), "1200 \u20AC");
  EXPECT_EQ(CoverSheet4Text(2, e), "5 Jahre");
  EXPECT_EQ(CoverSheet4Text(3, e), "6,0 %");
  for (int unknown : {4, 9, 40, -1}) EXPECT_FALSE(CoverSheet4Text(unknown, e).has_value()) << unknown;
}

TEST_F(Economic, WithoutRunningCostsAndRateThePaybacksAreTheStaticOnes) {
  const tTaviDaten example = WorkedExampleStandardPrices();
  tPaybackCalc calc;
  calc.Calculate(example);
  const tEconomicsCalc e = Economics(example, tEconomicsInputs{});
  EXPECT_NEAR(e.Figures(tComparison::PLManual).StaticPayback.Months, calc.PaybackPL(), 1e-9);
  EXPECT_NEAR(e.Figures(tComparison::PLZS).StaticPayback.Months, calc.PaybackPLZS(), 1e-9);
  // Without running costs the balances are those of the results page.
  EXPECT_NEAR(e.Figures(tComparison::PLManual).Balance[0], 20212.391304L, 1e-6);
  // Undiscounted, the three flows of the useful life add up to the balance.
  EXPECT_EQ(e.Figures(tComparison::PLZS).NetPresentValue, e.Figures(tComparison::PLZS).Balance[3]);

  // Comparison 1 is PaybackZS for any record with a payback within the
  // search: both cost lines are straight.
  std::mt19937 random(19);
  int compared = 0;
  for (int i = 0; i < 2000; ++i) {
    tTaviDaten d;
    d.AnzZS = std::uniform_int_distribution<int32_t>(0, 5000)(random);
    d.DauerZS = std::uniform_int_distribution<int>(0, 400)(random) / 10.0L;
    d.AnteilVorb = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 50)(random));
    d.AnteilDurchf = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 50)(random));
    d.Stundensatz = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(random));
    d.InvestZSSystem = std::uniform_int_distribution<int32_t>(0, 99999)(random);
    d.ZusatzkostenZS = std::uniform_int_distribution<int32_t>(0, 10000)(random);
    tPaybackCalc c;
    c.Calculate(d);
    const tEconomicsPayback p = Economics(d, tEconomicsInputs{}).Figures(tComparison::ZSManual).StaticPayback;
    if (c.PaybackZS() > 0 && c.PaybackZS() <= kEconomicsSearchLimit) {
      ASSERT_EQ(p.Kind, tPayKind::Months) << i;
      ASSERT_NEAR(p.Months, c.PaybackZS(), 1e-9) << i;
      ++compared;
    } else if (d.EinsparungKostenZS() < 1) {
      ASSERT_NE(p.Kind, tPayKind::Months) << i;
    }
  }
  EXPECT_GT(compared, 1000);
}

// Figures of single cases of the worked example's record.
TEST_F(Economic, CasesOfTheRules) {
  const struct {
    const char* what;
    int32_t investPL;
    tEconomicsInputs in;
    tComparison c;
    const char* net;
    const char* staticPayback;
    const char* dynamicPayback;
    const char* rate;
  } cases[] = {
      // 1775 - 1675 = 100 a month against 5480: static 54.8 months; at 6 %
      // D(60) = -5480 + 100 × 51.924 = -287.62 < 0, and 5480 = 100 × Σ v^t
      // at 3.6868 %.
      {"schmaler Vorteil", 5600, Inputs(21300, 0, 5, 60), tComparison::ZSManual, "1200 \u20AC", "54,8 Monate",
       "63,9 Monate", "3,69 %"},
      // 1875 - 2500 < 0 a month: the saving turns negative, nothing pays
      // back, and every flow is negative: no rate makes D(60) zero.
      {"negative Einsparung", 5600, Inputs(30000, 0, 5, 60), tComparison::ZSManual, "-7500 \u20AC",
       "keine Amortisation", "keine Amortisation", "nicht bestimmbar"},
      // The planned-time configuration costs 3000 + 1280 + 250 = 4530, less
      // than the time-study system's 5480: N(0) = 950 >= 0 is "sofort", and
      // no flow is negative, so D is positive at every rate.
      {"sofort", 3000, Inputs(0, 0, 5, 60), tComparison::PLZS, "20250 \u20AC", "sofort", "sofort", "über 1000 %"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tTaviDaten d = WorkedExampleStandardPrices();
    d.InvestPLSystem = c.investPL;
    const tComparisonFigures f = Economics(d, c.in).Figures(c.c);
    EXPECT_EQ(EconomicsMoneyText(f.NetSaving), c.net);
    EXPECT_EQ(EconomicsPaybackText(f.StaticPayback), c.staticPayback);
    EXPECT_EQ(EconomicsPaybackText(f.DynamicPayback), c.dynamicPayback);
    EXPECT_EQ(EconomicsRateText(f.InternalRate), c.rate);
  }
}

TEST_F(Economic, PaybackRule) {
  const struct {
    std::vector<extended> values;  // value(0), value(1), ...; the rest repeat the last
    tPayKind kind;
    extended months;
  } cases[] = {
      {{0}, tPayKind::Immediate, 0},               // not negative at the start: "sofort"
      {{-10, -4, 2}, tPayKind::Months, 1 + 4.0L / 6},  // between months 1 and 2
      {{-10, 0}, tPayKind::Months, 1},             // exactly 0 counts
      {{-10, -5}, tPayKind::None, 0},              // never by month 1200
      {{-10, std::numeric_limits<extended>::quiet_NaN()}, tPayKind::Unknown, 0},
  };
  for (const auto& c : cases) {
    int32_t asked = -1;
    const tEconomicsPayback p = FirstCrossing([&](int32_t m) {
      EXPECT_EQ(m, asked + 1);  // in order, each once
      asked = m;
      return c.values[std::min<size_t>(static_cast<size_t>(m), c.values.size() - 1)];
    });
    EXPECT_EQ(p.Kind, c.kind);
    EXPECT_NEAR(p.Months, c.months, 1e-15L);
  }
  // The search reaches month 1200 and no further.
  const tEconomicsPayback late = FirstCrossing([](int32_t m) { return m < 1200 ? extended{-1} : extended{1}; });
  EXPECT_EQ(late.Kind, tPayKind::Months);
  EXPECT_NEAR(late.Months, 1199.5L, 1e-12L);
}

std::vector<extended> MonthlyFlows(std::initializer_list<std::pair<int, extended>> at) {
  std::vector<extended> flows;
  for (const auto& [month, value] : at) {
    if (flows.size() <= static_cast<size_t>(month)) flows.resize(static_cast<size_t>(month) + 1);
    flows[static_cast<size_t>(month)] = value;
  }
  return flows;
}

TEST_F(Economic, InternalRateOfReturn) {
  const struct {
    const char* what;
    std::vector<extended> flows;
    tRateKind kind;
    extended percent;
  } cases[] = {
      // -100 now, 110 in a year: 10 %; 121 in two years: 10 % as well.
      {"ein Jahr", MonthlyFlows({{0, -100}, {12, 110}}), tRateKind::Found, 10},
      {"zwei Jahre", MonthlyFlows({{0, -100}, {24, 121}}), tRateKind::Found, 10},
      // -100 + 230 x - 132 x^2 with x = 1 / (1 + r) is 0 at 10 % and at 20 %.
      {"zwei Nullstellen", MonthlyFlows({{0, -100}, {12, 230}, {24, -132}}), tRateKind::NotDeterminable, 0},
      // Three sign changes, one root in the interval: -100 + 50 v - 10 v^2
      // + 80 v^12 = 0 at r = 31.8218 %.
      {"ein Wechsel zu viel", MonthlyFlows({{0, -100}, {1, 50}, {2, -10}, {12, 80}}), tRateKind::Found, 31.8217947L},
      {"kein Vorzeichenwechsel", MonthlyFlows({{0, -100}, {12, -5}}), tRateKind::NotDeterminable, 0},
      // Back within a month, 1.5 times: far above 1000 %.
      {"Wochen", MonthlyFlows({{0, -100}, {1, 150}}), tRateKind::Above, 0},
      {"keine Investition", MonthlyFlows({{0, 0}, {1, 10}}), tRateKind::Above, 0},
      {"nicht berechenbar", {-100, std::numeric_limits<extended>::quiet_NaN()}, tRateKind::Unknown, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const tInternalRate r = InternalRateOfReturn(c.flows);
    EXPECT_EQ(r.Kind, c.kind);
    EXPECT_NEAR(r.Percent, c.percent, 1e-6L);
  }
}

TEST_F(Economic, Texts) {
  using P = tEconomicsPayback;
  using R = tInternalRate;
  const extended nan = std::numeric_limits<extended>::quiet_NaN();
  const struct {
    std::string text, expected;
  } cases[] = {
      {EconomicsMoneyText(2.5L), "2 \u20AC"},  // half to even
      {EconomicsMoneyText(3.5L), "4 \u20AC"},
      {EconomicsMoneyText(-5479.5L), "-5480 \u20AC"},
      {EconomicsMoneyText(nan), "**********"},
      {EconomicsPaybackText(P{P::tKind::Immediate, 0}), "sofort"},
      {EconomicsPaybackText(P{P::tKind::Months, 0.04L}), "0,0 Monate"},
      {EconomicsPaybackText(P{P::tKind::Months, 1199.96L}), "1200,0 Monate"},
      {EconomicsPaybackText(P{P::tKind::None, 0}), "keine Amortisation"},
      {EconomicsPaybackText(P{P::tKind::Unknown, 0}), "**********"},
      {EconomicsRateText(R{R::tKind::Found, -12.345L}), "-12,35 %"},
      {EconomicsRateText(R{R::tKind::Above, 0}), "über 1000 %"},
      {EconomicsRateText(R{R::tKind::NotDeterminable, 0}), "nicht bestimmbar"},
      {RateInputText(305), "30,5 %"},
      {UsefulLifeText(1), "1 Jahr"},
      {RunningCostsText(999999), "999999 \u20AC"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST_F(Economic, SaturatedRecordShowsAsterisksNotFigures) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.AnzZS = 99999;
  d.DauerZS = 999.9L;
  d.Stundensatz = 255;
  const tComparisonFigures f = Economics(d, Inputs(1200, 2400, 5, 60)).Figures(tComparison::ZSManual);
  EXPECT_EQ(f.StaticPayback.Kind, tPayKind::Unknown);
  EXPECT_EQ(f.InternalRate.Kind, tRateKind::Unknown);
  EXPECT_EQ(EconomicsMoneyText(f.NetPresentValue), "**********");
}

}  // namespace
