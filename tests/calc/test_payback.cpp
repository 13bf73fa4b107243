// Payback computation: monthly costs, cost curves, the three comparisons,
// shown values and the graph dialog's axis proposal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <utility>

#include "numfmt.h"
#include "payback.h"
#include "tavidaten.h"
#include "workedexample.h"

namespace {

tPaybackCalc Calc(const tTaviDaten& d) {
  tPaybackCalc c;
  c.Calculate(d);
  return c;
}

class Payback : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_F(Payback, WorkedExample) {
  const tPaybackCalc c = Calc(WorkedExampleStandardPrices());
  EXPECT_EQ(c.CostsZS(), 5480);
  EXPECT_EQ(c.CostsPL(), 7130);
  EXPECT_EQ(c.MonthlyManual(), 3750);
  EXPECT_EQ(c.MonthlyZS(), 1875);
  EXPECT_EQ(c.MonthlyPLFull(), 187.5L);
  EXPECT_NEAR(c.ReductionPerMonth(), 3.9130435L, 1e-7);
  EXPECT_NEAR(c.PaybackZS(), 2.9227L, 5e-5);
  EXPECT_NEAR(c.PaybackPL(), 3.6133L, 5e-5);
  EXPECT_NEAR(c.PaybackPLZS(), 7.2127L, 5e-5);
  EXPECT_EQ(c.SearchPL().Month, 4);
  EXPECT_EQ(c.SearchPLZS().Month, 8);
  EXPECT_EQ(c.MonthCounter(), 8);
  EXPECT_EQ(FormatReal(c.PaybackZS(), 8, 1), "     2.9");
  EXPECT_EQ(FormatReal(c.PaybackPL(), 8, 1), "     3.6");
  EXPECT_EQ(FormatReal(c.PaybackPLZS(), 8, 1), "     7.2");

  const extended cents[] = {7130, 9005, 10806.63L, 12534.89L, 14189.78L};
  for (int m = 0; m <= 4; ++m) EXPECT_NEAR(c.CumulatedCostsPL(m), cents[m], 0.005) << m;
  EXPECT_NEAR(c.CumulatedCostsPL(24), 31880, 1e-9);
  EXPECT_NEAR(c.CumulatedCostsPL(100), 31880 + 76 * 187.5L, 1e-9);
  EXPECT_EQ(c.CumulatedCostsManual(12), 45000);
  EXPECT_EQ(c.CumulatedCostsZS(12), 12 * 1875 + 5480);

  const tPaybackResults r = c.Results();
  EXPECT_EQ(r.BalanceZS, (std::array<int64_t, 3>{17020, 39520, 62020}));
  EXPECT_EQ(r.BalancePL, (std::array<int64_t, 3>{20212, 58120, 100870}));
  EXPECT_EQ(r.BalancePLZS, (std::array<int64_t, 3>{3192, 18600, 38850}));
  EXPECT_EQ(r.MehrkostenPL, 1650);
  EXPECT_EQ(r.EinsparungPlanzeit, 42750 - 22500);
  EXPECT_EQ(r.EinsparungKostenPlanzeit, 40500);
  EXPECT_EQ(r.RestEinsparungKosten, 2250);
  EXPECT_EQ(FormatReal(r.Zeitstudienanteil, 6, 2), "  3.91");
  EXPECT_EQ(FormatReal(r.AnzahlZeitstudien, 6, 2), "  0.39");

  const tGraphProposal g = ProposeGraphAxes(c);
  EXPECT_NEAR(g.L, 7.2127f, 5e-5);
  EXPECT_EQ(g.NFieldX, 10);
  EXPECT_EQ(g.NFieldY, 40500);
}

TEST_F(Payback, NewRecordFindsNoPayback) {
  const tPaybackCalc c = Calc(tTaviDaten());
  EXPECT_EQ(c.MonthlyManual(), 0);
  for (extended p : {c.PaybackZS(), c.PaybackPL(), c.PaybackPLZS()}) EXPECT_EQ(FormatReal(p, 8, 1), "     0.0");
  // No monthly cost: comparison 3 gives up after its first month.
  EXPECT_EQ(c.SearchPLZS().Steps, 1);
  const tPaybackResults r = c.Results();
  EXPECT_EQ(r.BalanceZS, (std::array<int64_t, 3>{-5480, -5480, -5480}));
  EXPECT_EQ(r.BalancePL, (std::array<int64_t, 3>{-7680, -7680, -7680}));
  EXPECT_EQ(ProposeGraphAxes(c).NFieldX, 3);
  EXPECT_EQ(ProposeGraphAxes(0, 0, 0, 3750).NFieldY, 11500 + 2000);
}

TEST_F(Payback, BranchesOfComparisons2And3) {
  tTaviDaten d = WorkedExampleStandardPrices();
  // Cheaper planned-time configuration: comparison 3 is the cost ratio.
  d.InvestPLSystem = 2000;
  tPaybackCalc c = Calc(d);
  EXPECT_EQ(c.PaybackPLZS(), static_cast<extended>(c.CostsPL()) / c.CostsZS());
  EXPECT_FALSE(c.SearchPLZS().Ran);

  // Paid back before the reduction begins: the straight lines cross.
  d = WorkedExampleStandardPrices();
  d.BeginnReduzierung = 10;
  c = Calc(d);
  EXPECT_EQ(c.PaybackPL(), 7130 / 1875.0L);
  EXPECT_FALSE(c.SearchPL().Ran);

  // No build-up phase: MonthlyZS up to month B, MonthlyPLFull after it.
  d = WorkedExampleStandardPrices();
  d.AufwandPLSyst = 0;
  c = Calc(d);
  EXPECT_EQ(FormatReal(c.Results().Zeitstudienanteil, 6, 2), "  0.00");
  EXPECT_EQ(c.CumulatedCostsPL(1), 9005);
  EXPECT_EQ(c.CumulatedCostsPL(3), 9005 + 2 * 187.5L);
  EXPECT_EQ(c.PaybackPL(), (9005 - 187.5L) / (3750 - 187.5L));
}

// A saving of one euro a month: comparison 2 crosses in month 7130, found in
// closed form; comparison 3 never crosses and its search stops at month 1000.
TEST_F(Payback, LateCrossings) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.AnzZS = 100;
  d.DauerZS = 1;
  d.Stundensatz = 12;
  d.AnteilVorb = d.AnteilDurchf = 0;
  d.PotentialAuswert = 1;
  d.PotentialAnzZS = 0;
  ASSERT_EQ(d.EinsparungKostenGesamt(), 12);
  const tPaybackCalc c = Calc(d);
  EXPECT_EQ(c.PaybackPL(), 7130);
  EXPECT_EQ(c.PaybackZS(), 5480);
  EXPECT_EQ(c.PaybackPLZS(), 0);
  EXPECT_EQ(c.SearchPLZS().Month, 1001);
  EXPECT_EQ(c.SearchPLZS().Steps, 1000 - 24);
  const tGraphProposal g = ProposeGraphAxes(c);
  EXPECT_EQ(g.NFieldX, 7133);
  EXPECT_EQ(g.NFieldY, 713500 + 2000);
}

// MonthlyZS 0 ends comparison 3's search at once; the straight line after
// the phase is followed to its crossing in month 302.
TEST_F(Payback, NoTimeStudyCostFollowsLineAfterPhase) {
  tTaviDaten d;
  d.AnzZS = d.Stundensatz = 100;
  d.DauerZS = 0.01L;
  d.PotentialAuswert = 100;
  d.PotentialAnzZS = 40;
  d.InvestZSSystem = 1000;
  d.InvestPLSystem = 2000;
  d.SchulungskostenZS = d.ZusatzkostenZS = d.SchulungskostenPL = d.ZusatzkostenPL = 0;
  d.AufwandPLSyst = 1;
  const tPaybackCalc c = Calc(d);
  ASSERT_EQ(c.MonthlyZS(), 0);
  EXPECT_EQ(c.SearchPLZS().Steps, 1);
  EXPECT_NEAR(c.PaybackPLZS(), 302, 1e-12);
}

TEST_F(Payback, SaturatedFiguresGiveNoPlausibleResults) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.AnzZS = 99999;
  d.DauerZS = 999.9L;
  d.Stundensatz = 255;
  ASSERT_TRUE(IsSaturated(d.KostenGesamt()));
  tPaybackCalc c = Calc(d);
  for (extended p : {c.PaybackZS(), c.PaybackPL(), c.PaybackPLZS(), c.CumulatedCostsPL(12)})
    EXPECT_EQ(FormatReal(p, 8, 1), "********");
  EXPECT_EQ(c.Results().BalancePL[0], kNoBalance);
  EXPECT_EQ(ProposeGraphAxes(c).NFieldX, 3);
  EXPECT_EQ(ProposeGraphAxes(c).NFieldY, kInt32Max);

  // Only the planned-time sum overflows: comparison 1 is unaffected.
  d = WorkedExampleStandardPrices();
  d.InvestPLSystem = kInt32Max - 100;
  c = Calc(d);
  EXPECT_TRUE(IsSaturated(c.CostsPL()));
  EXPECT_NEAR(c.PaybackZS(), 2.9227L, 5e-5);
  EXPECT_TRUE(std::isnan(c.PaybackPL()) && std::isnan(c.PaybackPLZS()));
  EXPECT_TRUE(IsSaturated(c.Results().MehrkostenPL));
  EXPECT_EQ(c.Results().BalanceZS[0], 17020);
  EXPECT_EQ(c.Results().BalancePLZS[2], kNoBalance);
}

// "No payback" keeps the value 0 and is told apart by the Found flags,
// from a payback of 0 months as much as from one of a few days.
TEST_F(Payback, FoundTellsNoPaybackFromAnEarlyOne) {
  const tTaviDaten worked = WorkedExampleStandardPrices();
  tTaviDaten free = worked;  // nothing to pay back for the time-study system
  free.InvestZSSystem = free.SchulungskostenZS = free.ZusatzkostenZS = 0;
  tTaviDaten cheap = worked;  // the planned-time configuration costs less
  cheap.InvestPLSystem = 2000;
  tTaviDaten late = worked;  // comparison 3 would cross only after month 1000
  late.AnzZS = 100;
  late.DauerZS = 1;
  late.Stundensatz = 12;
  late.AnteilVorb = late.AnteilDurchf = 0;
  late.PotentialAuswert = 1;
  late.PotentialAnzZS = 0;
  tTaviDaten large = worked;  // 2000 studies of 8 hours at 60 euros
  large.AnzZS = 2000;
  large.DauerZS = 8;
  large.Stundensatz = 60;
  tTaviDaten saturated = worked;
  saturated.AnzZS = 99999;
  saturated.DauerZS = 999.9L;
  saturated.Stundensatz = 255;
  const struct {
    const char* what;
    tTaviDaten daten;
    bool zs, pl, plzs;
  } cases[] = {
      {"worked example", worked, true, true, true},
      {"new record", tTaviDaten(), false, false, false},
      {"time-study system free", free, true, true, true},
      {"planned time cheaper", cheap, true, true, true},
      {"late crossing", late, true, true, false},
      {"large department", large, true, true, true},
      {"saturated", saturated, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const tPaybackCalc calc = Calc(c.daten);
    const tPaybackResults r = calc.Results();
    EXPECT_EQ(calc.PaybackZSFound(), c.zs);
    EXPECT_EQ(calc.PaybackPLFound(), c.pl);
    EXPECT_EQ(calc.PaybackPLZSFound(), c.plzs);
    EXPECT_EQ(r.PaybackZSFound, c.zs);
    EXPECT_EQ(r.PaybackPLFound, c.pl);
    EXPECT_EQ(r.PaybackPLZSFound, c.plzs);
    // Without a payback the value stays 0 (or NaN when it cannot be computed).
    for (const auto& [found, months] : {std::pair{c.zs, calc.PaybackZS()}, std::pair{c.pl, calc.PaybackPL()},
                                        std::pair{c.plzs, calc.PaybackPLZS()}})
      if (!found) {
        EXPECT_TRUE(months == 0 || std::isnan(months));
      }
  }
  EXPECT_EQ(Calc(free).PaybackZS(), 0);
  EXPECT_LT(Calc(large).PaybackZS(), 0.15L);
}

TEST_F(Payback, MonthCountsFromDataFileStayBounded) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.BeginnReduzierung = -5;
  const tPaybackCalc negative = Calc(d);
  d.BeginnReduzierung = 0;
  EXPECT_EQ(negative.BeginnReduzierung(), 0);
  EXPECT_EQ(negative.PaybackPL(), Calc(d).PaybackPL());

  d.BeginnReduzierung = d.AufwandPLSyst = kInt32Max;
  tPaybackCalc c = Calc(d);
  EXPECT_EQ(c.PaybackPL(), 7130 / 1875.0L);
  EXPECT_EQ(c.PaybackPLZS(), 0);
  EXPECT_EQ(c.SearchPLZS().Steps, 0);
  EXPECT_TRUE(std::isfinite(c.CumulatedCostsPL(kInt32Max)) && std::isfinite(c.CumulatedCostsPL(kInt32Min)));

  // A catalogue of 2^31 months: the search runs to its limit without a crossing.
  d.BeginnReduzierung = 0;
  c = Calc(d);
  EXPECT_EQ(c.PaybackPLZS(), 0);
  EXPECT_EQ(c.SearchPLZS().Steps, 1000);
}

TEST(TriangularSum, ClosedFormMatchesLoopAndCoversInt32) {
  int64_t sum = 0;
  for (int32_t n = 1; n <= 70000; ++n) {
    sum += n;
    ASSERT_EQ(tPaybackCalc::TriangularSum(n), sum) << n;
  }
  EXPECT_EQ(tPaybackCalc::TriangularSum(0), 0);
  EXPECT_EQ(tPaybackCalc::TriangularSum(kInt32Min), 0);
  EXPECT_EQ(tPaybackCalc::TriangularSum(kInt32Max), 2305843008139952128LL);
}

TEST(RoundUpToHalf, WholeAndHalfMultiplesStay) {
  EXPECT_EQ(RoundUpToHalf(1000, 38000), 38000);
  EXPECT_EQ(RoundUpToHalf(1000, 38500), 38500);
  EXPECT_EQ(RoundUpToHalf(1000, 38001), 38500);
  EXPECT_EQ(RoundUpToHalf(1000, 38501), 39000);
  EXPECT_EQ(RoundUpToHalf(1000, 38297.6), 38500);
  EXPECT_EQ(RoundUpToHalf(0, 12.5), 12.5);
}

TEST(GraphProposal, LatestPaybackAndSaturation) {
  EXPECT_EQ(ProposeGraphAxes(1, 2, 30.4L, 100).NFieldX, 33);
  EXPECT_EQ(ProposeGraphAxes(30.6L, 2, 1, 100).NFieldX, 34);
  EXPECT_EQ(ProposeGraphAxes(std::nanl(""), 5, 1, 100).NFieldX, 8);
  EXPECT_EQ(ProposeGraphAxes(1e30L, 0, 0, 100).NFieldX, kInt32Max);
  EXPECT_EQ(ProposeGraphAxes(0, 0, 0, 1e30L).NFieldY, kInt32Max);
}

// --- Invariants over random inputs within the entry fields' ranges ---

tTaviDaten RandomRecord(std::mt19937_64& rng) {
  const auto uni = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  // Magnitudes spread over the decades: ordinary and saturated figures.
  const auto spread = [&](int max) {
    int top = 1;
    for (int e = uni(0, 5); e > 0 && top < max; --e) top *= 10;
    return uni(0, std::min(top, max));
  };
  tTaviDaten d;
  d.AnzZS = spread(99999);
  d.DauerZS = spread(9999) / 10.0L;
  d.AnteilVorb = static_cast<uint8_t>(uni(0, 100));
  d.AnteilDurchf = static_cast<uint8_t>(uni(0, 100));
  d.Stundensatz = static_cast<uint8_t>(uni(0, 255));
  for (uint8_t* p : {&d.PotentialVorb, &d.PotentialDurchf, &d.PotentialAuswert, &d.PotentialAnzZS})
    *p = static_cast<uint8_t>(uni(0, 100));
  d.InvestZSSystem = uni(0, 99999);
  d.InvestPLSystem = uni(0, 99999);
  for (int32_t* p : {&d.SchulungskostenZS, &d.ZusatzkostenZS, &d.SchulungskostenPL, &d.ZusatzkostenPL})
    *p = uni(0, 10000);
  d.BeginnReduzierung = uni(0, 99);
  d.AufwandPLSyst = uni(0, 99);
  return d;
}

// Room for the rounding of a few extended operations on values of `scale`.
double Tol(extended scale) { return static_cast<double>(1e-15L * std::fabs(scale) + 1e-9L); }

enum Case { kSaturated, kPLBefore, kPLDuring, kPLAfter, kPLZSRatio, kPLZSLimit, kPLZSCrossing, kPLZSNoCost, kCases };

// The per-month cost of each range; at m = B + 1 and m = B + K + 1 the step
// also checks that the neighbouring formulas join.
void CheckCurve(const tPaybackCalc& c) {
  const int b = c.BeginnReduzierung(), k = c.AufwandPLSyst();
  ASSERT_EQ(c.CumulatedCostsPL(0), c.CostsPL());
  for (int m = 1; m <= b + k + 3; ++m) {
    const extended expected = m <= b       ? c.MonthlyZS()
                              : m <= b + k ? c.MonthlyZS() * (1 - (m - b) * c.ReductionPerMonth() / 100)
                                           : c.MonthlyPLFull();
    const extended step = c.CumulatedCostsPL(m) - c.CumulatedCostsPL(m - 1);
    ASSERT_NEAR(step, expected, Tol(c.CumulatedCostsPL(m) + m * c.MonthlyManual())) << m;
  }
}

void CheckComparison2(const tPaybackCalc& c, int* seen) {
  const auto A = [&](int m) { return m * c.MonthlyManual() - c.CumulatedCostsPL(m); };
  const int b = c.BeginnReduzierung(), end = b + c.AufwandPLSyst();
  const extended p = c.PaybackPL();
  const tPaybackSearch& s = c.SearchPL();
  ASSERT_GE(p, 0);
  if (A(b) > 0) {
    ++seen[kPLBefore];
    ASSERT_FALSE(s.Ran);
    const extended saving = c.MonthlyManual() - c.MonthlyZS();
    if (saving <= 0) {
      ASSERT_EQ(p, 0);
      return;
    }
    ASSERT_LE(p, b + 1e-9);
    ASSERT_NEAR(p * saving, c.CostsPL(), Tol(c.CostsPL()));
  } else if (A(end) > 0) {
    ++seen[kPLDuring];
    ASSERT_TRUE(s.Ran);
    const int n = s.Month;
    ASSERT_TRUE(n > b && n <= end) << n;
    ASSERT_EQ(s.Steps, n - b);
    for (int m = b + 1; m < n; ++m) ASSERT_LE(A(m), 0) << m;
    ASSERT_GT(A(n), 0);
    ASSERT_TRUE(p >= n - 1 && p <= n) << p << " " << n;
  } else {
    ++seen[kPLAfter];
    ASSERT_FALSE(s.Ran);
    const extended saving = c.MonthlyManual() - c.MonthlyPLFull();
    if (saving <= 0) {
      ASSERT_EQ(p, 0);
      return;
    }
    ASSERT_GE(p, end - 1e-9);
    // The two straight lines after the phase meet at p.
    const extended manual = p * c.MonthlyManual();
    const extended planned = c.CumulatedCostsPL(end) + (p - end) * c.MonthlyPLFull();
    ASSERT_NEAR(manual - planned, 0, Tol(std::fabs(manual) + std::fabs(planned)));
  }
}

void CheckComparison3(const tPaybackCalc& c, int* seen) {
  const auto E = [&](int m) { return c.CumulatedCostsZS(m) - c.CumulatedCostsPL(m); };
  const int b = c.BeginnReduzierung(), end = b + c.AufwandPLSyst();
  const extended p = c.PaybackPLZS();
  const tPaybackSearch& s = c.SearchPLZS();
  ASSERT_GE(p, 0);
  if (E(b) > 0) {
    ++seen[kPLZSRatio];
    ASSERT_FALSE(s.Ran);
    ASSERT_LT(c.CostsPL(), c.CostsZS());
    ASSERT_TRUE(p >= 0 && p < 1);
    return;
  }
  ASSERT_TRUE(s.Ran);
  const int start = E(end) > 0 ? b : end, n = s.Month;
  ASSERT_LE(s.Steps, kSearchLimit);
  ASSERT_EQ(s.Steps, std::min(n, kSearchLimit) - start);
  for (int m = start + 1; m < std::min(n, kSearchLimit + 1); ++m) ASSERT_LE(E(m), 0) << m;
  if (n > kSearchLimit) {
    ++seen[kPLZSLimit];
    ASSERT_EQ(p, 0);
  } else if (E(n) > 0) {
    ++seen[kPLZSCrossing];
    ASSERT_TRUE(p >= n - 1 && p <= n) << p << " " << n;
  } else {
    // No time-study cost: the search gives up after its first month.
    ++seen[kPLZSNoCost];
    ASSERT_EQ(c.MonthlyZS(), 0);
    ASSERT_EQ(n, end + 1);
    ASSERT_TRUE(p == 0 || p >= end);
  }
}

TEST(PaybackProperty, InvariantsOverRandomInputs) {
  std::mt19937_64 rng(20240611);
  int seen[kCases] = {};
  for (int run = 0; run < 4000; ++run) {
    SCOPED_TRACE(run);
    const tTaviDaten d = RandomRecord(rng);
    const tPaybackCalc c = Calc(d);
    const bool satZS = IsSaturated(d.EinsparungKostenZS());
    const bool sat = satZS || IsSaturated(d.KostenGesamt()) || IsSaturated(d.EinsparungKostenGesamt());
    ASSERT_EQ(std::isnan(c.PaybackZS()), satZS);
    ASSERT_EQ(std::isnan(c.PaybackPL()), sat);
    ASSERT_EQ(std::isnan(c.PaybackPLZS()), sat);
    if (sat) {
      ++seen[kSaturated];
      continue;
    }
    if (d.EinsparungKostenZS() < 1)
      ASSERT_EQ(c.PaybackZS(), 0);
    else
      ASSERT_NEAR(c.PaybackZS() * (d.EinsparungKostenZS() / 12.0L), c.CostsZS(), Tol(c.CostsZS()));
    ASSERT_NO_FATAL_FAILURE(CheckCurve(c));
    ASSERT_NO_FATAL_FAILURE(CheckComparison2(c, seen));
    ASSERT_NO_FATAL_FAILURE(CheckComparison3(c, seen));
    const tPaybackResults r = c.Results();
    for (int y = 1; y <= 3; ++y) {
      ASSERT_LE(std::fabs(r.BalancePL[y - 1] - (12 * y * c.MonthlyManual() - c.CumulatedCostsPL(12 * y))), 0.5L);
      ASSERT_LE(std::abs(r.BalancePLZS[y - 1] - (r.BalancePL[y - 1] - r.BalanceZS[y - 1])), 1);
    }
  }
  for (int i = 0; i < kCases; ++i) EXPECT_GT(seen[i], 0) << "case " << i << " never drawn";
}

}  // namespace
