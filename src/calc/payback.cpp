#include "payback.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "tavidaten.h"

namespace {

constexpr extended kNaN = std::numeric_limits<extended>::quiet_NaN();

// A record figure or cost sum as a value to compute with: a saturated one
// has no true value any more.
extended Figure(int32_t v) { return IsSaturated(v) ? kNaN : static_cast<extended>(v); }

// A shown balance: rounded half to even; kNoBalance when it cannot be
// computed or does not fit 64 bits.
int64_t Balance(extended x) {
  if (!std::isfinite(x) || std::fabs(x) >= 9223372036854775807.0L) return kNoBalance;
  return Round64(x);
}

// Conversion to single precision without leaving the float range.
float ToSingle(extended x) {
  if (x > FLT_MAX) return std::numeric_limits<float>::infinity();
  if (x < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(x);
}

}  // namespace

void tPaybackCalc::Calculate(const tTaviDaten& daten) {
  CalculateCurves(daten);
  // 7., 8.
  ComputePaybackPL();
  ComputePaybackPLZS();
}

void tPaybackCalc::CalculateCurves(const tTaviDaten& daten) {
  fKostenGesamt = daten.KostenGesamt();
  fEinsparungKostenZS = daten.EinsparungKostenZS();
  fEinsparungKostenPlanzeit = daten.EinsparungKostenPlanzeit();
  fRestEinsparungKosten = daten.RestEinsparungKosten();
  // The record's sum of the two (the same as EinsparungKostenGesamt, without
  // computing both parts again).
  fEinsparungKostenGesamt = SatAdd(fEinsparungKostenPlanzeit, fRestEinsparungKosten);
  fAnzZS = daten.AnzZS;
  fB = std::max(daten.BeginnReduzierung, 0);
  fK = std::max(daten.AufwandPLSyst, 0);
  fMonthCounter = 0;
  fSearchPL = {};
  fSearchPLZS = {};

  // 1. Cost of the two configurations.
  fCostsZS = SatAdd(SatAdd(daten.InvestZSSystem, daten.SchulungskostenZS), daten.ZusatzkostenZS);
  fCostsPL = SatAdd(SatAdd(daten.InvestPLSystem, daten.SchulungskostenPL), daten.ZusatzkostenPL);
  fCostsZSx = Figure(fCostsZS);
  fCostsPLx = Figure(fCostsPL);

  // 2. Comparison 1: two straight lines.
  fFoundZS = false;
  if (IsSaturated(fCostsZS) || IsSaturated(fEinsparungKostenZS)) {
    fPaybackZS = kNaN;
  } else if (fEinsparungKostenZS < 1) {
    fPaybackZS = 0;
  } else {
    fPaybackZS = fCostsZSx / (static_cast<extended>(fEinsparungKostenZS) / 12);
    fFoundZS = true;
  }

  // 3.-5. Monthly costs.
  fMonthlyManual = Figure(fKostenGesamt) / 12;
  fMonthlyZS = fMonthlyManual - Figure(fEinsparungKostenZS) / 12;
  fMonthlyPLFull = fMonthlyManual - Figure(fEinsparungKostenGesamt) / 12;

  // 6. Reduction while the catalogue is built.
  if (fK < 1)
    fReductionPerMonth = 0;
  else
    fReductionPerMonth = static_cast<extended>(daten.PotentialAnzZS) / fK;
  fStep = fMonthlyZS * fReductionPerMonth / 100;
  fPaybackPL = 0;
  fPaybackPLZS = 0;
}

int64_t tPaybackCalc::TriangularSum(int32_t n) {
  if (n <= 0) return 0;
  const int64_t n64 = n;
  return n64 * (n64 + 1) / 2;  // at most about 2.3e18
}

// With fB and fK in 0..INT32_MAX every month difference below fits 64 bits
// for the months used (-1 up to about 2^32).
extended tPaybackCalc::CumPL(int64_t m) const {
  const extended mzs = fMonthlyZS;
  if (m <= fB) return m * mzs + fCostsPLx;
  const int64_t end = static_cast<int64_t>(fB) + fK;
  if (m <= end)
    return (fB * mzs + fCostsPLx + (m - fB) * mzs) - TriangularSum(static_cast<int32_t>(m - fB)) * fStep;
  return fB * mzs + fCostsPLx + fK * mzs - TriangularSum(fK) * fStep + (m - fB - fK) * fMonthlyPLFull;
}

extended tPaybackCalc::CumulatedCostsPL(int32_t m) const { return CumPL(m); }

extended tPaybackCalc::AdvantagePL(int64_t m) const { return m * fMonthlyManual - CumPL(m); }

extended tPaybackCalc::AdvantagePLZS(int64_t m) const { return (m * fMonthlyZS + fCostsZSx) - CumPL(m); }

// Month by month from start + 1 until the advantage turns positive, `stop`
// holds, or the month limit is passed. The limit is tested first, so no
// month beyond it is evaluated and at most kSearchLimit months are looked at
// (start is never negative).
template <class Advantage, class Stop>
int64_t tPaybackCalc::Search(int64_t start, tPaybackSearch& search, Advantage advantage, Stop stop) {
  search.Ran = true;
  search.Steps = 0;
  int64_t n = start;
  for (;;) {
    ++n;
    if (n > kSearchLimit) break;
    ++search.Steps;
    if (advantage(n) > 0 || stop()) break;
  }
  search.Month = Saturate32(n);
  fMonthCounter = search.Month;
  return n;
}

// Comparison 2, A(m) = m × MonthlyManual − CumulatedCostsPL(m).
void tPaybackCalc::ComputePaybackPL() {
  fFoundPL = false;
  if (std::isnan(fMonthlyZS) || std::isnan(fMonthlyPLFull) || std::isnan(fCostsPLx)) {
    fPaybackPL = kNaN;
    return;
  }
  const int64_t end = static_cast<int64_t>(fB) + fK;
  fPaybackPL = 0;
  if (AdvantagePL(fB) > 0) {
    // Paid back before the reduction begins: both lines are straight.
    const extended saving = fMonthlyManual - fMonthlyZS;
    if (saving > 0) {
      fPaybackPL = fCostsPLx / saving;
      fFoundPL = true;
    }
  } else if (AdvantagePL(end) > 0) {
    // Paid back during the reduction phase.
    const int64_t n = Search(
        fB, fSearchPL, [this](int64_t m) { return AdvantagePL(m); },
        [this] { return fMonthlyManual == 0; });
    if (n <= kSearchLimit) {
      const extended step = AdvantagePL(n) - AdvantagePL(n - 1);
      if (step > 0) {
        fPaybackPL = (n - 1) + (CumPL(n - 1) - (n - 1) * fMonthlyManual) / step;
        fFoundPL = true;
      }
    }
  } else {
    // Not paid back by the end of the phase: the straight lines after it.
    const extended saving = fMonthlyManual - fMonthlyPLFull;
    if (saving > 0) {
      fPaybackPL = (CumPL(end) - end * fMonthlyPLFull) / saving;
      fFoundPL = true;
    }
  }
}

// Comparison 3, E(m) = (m × MonthlyZS + CostsZS) − CumulatedCostsPL(m).
void tPaybackCalc::ComputePaybackPLZS() {
  fFoundPLZS = false;
  if (std::isnan(fMonthlyZS) || std::isnan(fMonthlyPLFull) || std::isnan(fCostsPLx) ||
      std::isnan(fCostsZSx)) {
    fPaybackPLZS = kNaN;
    return;
  }
  const int64_t end = static_cast<int64_t>(fB) + fK;
  fPaybackPLZS = 0;
  if (AdvantagePLZS(fB) > 0) {
    // The planned-time configuration is the cheaper one from the start.
    if (fCostsZS > 0) {
      fPaybackPLZS = fCostsPLx / fCostsZSx;
      fFoundPLZS = true;
    }
    return;
  }
  const auto advantage = [this](int64_t m) { return AdvantagePLZS(m); };
  int64_t n;
  if (AdvantagePLZS(end) > 0)
    n = Search(fB, fSearchPLZS, advantage, [] { return false; });
  else
    n = Search(end, fSearchPLZS, advantage, [this] { return fMonthlyZS == 0; });
  if (n <= kSearchLimit) {
    const extended step = AdvantagePLZS(n) - AdvantagePLZS(n - 1);
    if (step > 0) {
      fPaybackPLZS = (n - 1) + (CumPL(n - 1) - ((n - 1) * fMonthlyZS + fCostsZSx)) / step;
      fFoundPLZS = true;
    }
  }
}

tPaybackResults tPaybackCalc::Results() const {
  tPaybackResults r;
  r.CostsZS = fCostsZS;
  r.EinsparungKostenZS = fEinsparungKostenZS;
  r.PaybackZS = fPaybackZS;
  r.PaybackZSFound = fFoundZS;
  r.CostsPL = fCostsPL;
  r.EinsparungKostenPlanzeit = fEinsparungKostenPlanzeit;
  r.RestEinsparungKosten = fRestEinsparungKosten;
  r.PaybackPL = fPaybackPL;
  r.PaybackPLFound = fFoundPL;
  r.Zeitstudienanteil = fReductionPerMonth;
  r.AnzahlZeitstudien = fReductionPerMonth / 100 * fAnzZS / 12;
  r.MehrkostenPL = SatSub(fCostsPL, fCostsZS);
  r.EinsparungPlanzeit = SatSub(fEinsparungKostenGesamt, fEinsparungKostenZS);
  r.PaybackPLZS = fPaybackPLZS;
  r.PaybackPLZSFound = fFoundPLZS;

  const extended savingZS = Figure(fEinsparungKostenZS);
  for (int year = 1; year <= 3; ++year) {
    const int i = year - 1;
    const int32_t months = 12 * year;
    // Comparison 1 from the integer yearly saving (exact in 64 bits).
    r.BalanceZS[i] = IsSaturated(fEinsparungKostenZS) || IsSaturated(fCostsZS)
                         ? kNoBalance
                         : year * static_cast<int64_t>(fEinsparungKostenZS) - fCostsZS;
    // Comparisons 2 and 3 from the monthly curves, rounded once.
    const extended advantagePL = months * fMonthlyManual - CumPL(months);
    r.BalancePL[i] = Balance(advantagePL);
    r.BalancePLZS[i] = Balance(advantagePL - (year * savingZS - fCostsZSx));
  }
  return r;
}

double RoundUpToHalf(int32_t unit, double x) {
  if (unit <= 0) return x;
  const double q = x / unit;
  if (q == std::trunc(q) || q + 0.5 == std::trunc(q + 0.5)) return unit * q;
  return unit * (std::trunc(2 * q) / 2 + 0.5);
}

tGraphProposal ProposeGraphAxes(extended paybackZS, extended paybackPL, extended paybackPLZS,
                                extended monthlyManual) {
  const auto months = [](extended p) { return std::isnan(p) ? extended{0} : p; };
  tGraphProposal g;
  g.L = ToSingle(months(paybackPL));
  if (months(paybackPLZS) > g.L) g.L = ToSingle(months(paybackPLZS));
  if (months(paybackZS) > g.L) g.L = ToSingle(months(paybackZS));
  g.T = ToSingle((static_cast<extended>(g.L) + 3) * monthlyManual);
  g.NFieldX = SatAdd(Round32(g.L), 3);
  if (std::isnan(g.T))
    g.NFieldY = kInt32Max;
  else
    g.NFieldY = Round32(static_cast<extended>(RoundUpToHalf(1000, g.T)) + 2000);
  return g;
}

tGraphProposal ProposeGraphAxes(const tPaybackCalc& calc) {
  return ProposeGraphAxes(calc.PaybackZS(), calc.PaybackPL(), calc.PaybackPLZS(), calc.MonthlyManual());
}
