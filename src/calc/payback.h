// The payback computation: from the cost of the two system configurations
// and the yearly figures of the calculation record, the monthly costs, the
// cumulative cost curves and the payback periods of three comparisons:
//
//   1. time-study system (ZS) against manual time studies,
//   2. time-study plus planned-time system (PL) against manual time studies,
//   3. the planned-time configuration against the time-study system alone.
//
// Units: money in euros (investments and yearly figures whole euros, monthly
// figures and curves extended values with fractions of a euro), time in
// months. Payback periods are months as extended values; a comparison
// without a payback (no crossing, or no crossing by month 1000 where a
// search is needed) keeps the value 0, and its Found flag tells it apart
// from a payback right at the start (a real 0 or a few days).
//
// Ownership: the payback dialog owns one tPaybackCalc for as long as it is
// open; the graph dialog and the reports read the results from it.
// Calculate copies every figure it needs from the record, so the object
// holds no reference to the record and its results stay as they are until
// the next Calculate.
//
// Errors: nothing raises. Divisions are guarded as described at each
// result. Two kinds of input never give a plausible-looking result:
//
// - A saturated record figure or cost sum (IsSaturated: the true value left
//   the 32-bit range) turns every value computed from it into NaN: the
//   monthly costs, the curves, the paybacks and the balances that use it.
//   FormatReal shows NaN as asterisks; a balance from a NaN is kNoBalance.
// - A negative month count (BeginnReduzierung, AufwandPLSyst; the entry
//   fields allow 0 to 99, only a hand-edited data file holds another value)
//   counts as 0. Large month counts are kept and computed exactly; a search
//   never looks beyond month 1000, so it stays short whatever the counts.
//
// Arithmetic: 80-bit extended throughout, integers converted exactly, in
// the order of operations written at each formula; the rounding of shown
// balances is to the nearest integer with halves to the even neighbour.
#pragma once

#include <array>
#include <cstdint>
#include <limits>

#include "extmath.h"

class tTaviDaten;

// A balance that cannot be computed (it depends on a saturated figure).
constexpr int64_t kNoBalance = std::numeric_limits<int64_t>::min();

// The last month a payback search may reach; a search that passes it
// without finding a crossing yields 0.
constexpr int32_t kSearchLimit = 1000;

// What one month-by-month search did.
struct tPaybackSearch {
  bool Ran = false;    // a search was run in the last Calculate
  int32_t Month = 0;   // N, the month where it stopped (MonthCounter)
  int32_t Steps = 0;   // months looked at; at most kSearchLimit
};

// The values that the results page shows, as numbers (the dialog formats
// them: money in plain decimals, months with FormatReal(value, 8, 1), the
// two reduction figures with FormatReal(value, 6, 2)). Index 0, 1, 2 of a
// balance is the balance after 1, 2, 3 years, whole euros rounded half to
// even; kNoBalance when it depends on a saturated figure (show asterisks).
// The int32 figures are saturated when they left the 32-bit range.
struct tPaybackResults {
  // Comparison 1: time-study system against manual time studies.
  int32_t CostsZS = 0;
  int32_t EinsparungKostenZS = 0;          // yearly saving
  std::array<int64_t, 3> BalanceZS{};      // y × EinsparungKostenZS − CostsZS
  extended PaybackZS = 0;
  bool PaybackZSFound = false;             // false: no payback ("keine"), PaybackZS 0
  // Comparison 2: planned-time configuration against manual time studies.
  int32_t CostsPL = 0;
  int32_t EinsparungKostenPlanzeit = 0;    // saving by replaced time studies
  int32_t RestEinsparungKosten = 0;        // saving of the ZS system on the rest
  std::array<int64_t, 3> BalancePL{};      // R(12y × MonthlyManual − CumulatedCostsPL(12y))
  extended PaybackPL = 0;
  bool PaybackPLFound = false;
  // "Monatliche Aufwandsreduzierung".
  extended Zeitstudienanteil = 0;          // % of the time studies per month
  extended AnzahlZeitstudien = 0;          // time studies fewer per month
  // Comparison 3: planned-time configuration against the time-study system.
  int32_t MehrkostenPL = 0;                // CostsPL − CostsZS (saturating)
  int32_t EinsparungPlanzeit = 0;          // EinsparungKostenGesamt − EinsparungKostenZS (saturating)
  std::array<int64_t, 3> BalancePLZS{};    // BalancePL − BalanceZS before rounding
  extended PaybackPLZS = 0;
  bool PaybackPLZSFound = false;
};

class tPaybackCalc {
 public:
  // Recomputes every result from the record, in this order: the two cost
  // sums, PaybackZS, the three monthly costs, ReductionPerMonth, PaybackPL,
  // PaybackPLZS.
  void Calculate(const tTaviDaten& daten);
  // The same without the searches of PaybackPL and PaybackPLZS (both 0):
  // the cost sums, monthly costs and curves, for those who only read the
  // curves (the sensitivity recomputes them hundreds of times).
  void CalculateCurves(const tTaviDaten& daten);

  // Investment, training and additional cost of each configuration, whole
  // euros; the sums saturate.
  int32_t CostsZS() const { return fCostsZS; }
  int32_t CostsPL() const { return fCostsPL; }

  // Payback periods in months; 0 when there is none, NaN when a figure the
  // comparison uses is saturated.
  //   PaybackZS: CostsZS ÷ (EinsparungKostenZS ÷ 12); 0 when the yearly
  //     saving is below 1 euro.
  //   PaybackPL: where manual costs overtake CumulatedCostsPL. Before the
  //     reduction begins and after the phase both curves are straight and
  //     their crossing is computed exactly (after the phase however late it
  //     is); within the phase a search finds the month N of the first
  //     crossing (up to month 1000) and interpolates linearly between N − 1
  //     and N, giving a value in [N − 1, N].
  //   PaybackPLZS: where the time-study curve overtakes CumulatedCostsPL,
  //     searched month by month up to month 1000 and interpolated as above.
  //     When the planned-time configuration is cheaper from the start the
  //     value is the cost ratio CostsPL ÷ CostsZS (below 1).
  //   A monthly cost of exactly 0 (MonthlyManual for PaybackPL, MonthlyZS
  //   for PaybackPLZS after the phase) ends a search after its first month;
  //   the interpolation then follows the straight line beyond that month.
  extended PaybackZS() const { return fPaybackZS; }
  extended PaybackPL() const { return fPaybackPL; }
  extended PaybackPLZS() const { return fPaybackPLZS; }
  // Whether the comparison has a payback at all. False where the value
  // above is 0 for want of one (no saving, no crossing, or none by month
  // 1000) and where it is NaN; true for every payback found, also one of
  // 0 months (nothing to pay back) or of a few days.
  bool PaybackZSFound() const { return fFoundZS; }
  bool PaybackPLFound() const { return fFoundPL; }
  bool PaybackPLZSFound() const { return fFoundPLZS; }

  // Monthly costs in euros: manual time studies (KostenGesamt ÷ 12), with
  // the time-study system, and with both systems once the catalogue is
  // complete.
  extended MonthlyManual() const { return fMonthlyManual; }
  extended MonthlyZS() const { return fMonthlyZS; }
  extended MonthlyPLFull() const { return fMonthlyPLFull; }
  // Percentage points of time studies fewer per month while the catalogue
  // is built (PotentialAnzZS ÷ AufwandPLSyst; 0 without a build-up phase).
  extended ReductionPerMonth() const { return fReductionPerMonth; }
  // The month where the last search of the last Calculate stopped; 0 when
  // that Calculate ran no search.
  int32_t MonthCounter() const { return fMonthCounter; }
  // The searches of comparisons 2 and 3 in the last Calculate.
  const tPaybackSearch& SearchPL() const { return fSearchPL; }
  const tPaybackSearch& SearchPLZS() const { return fSearchPLZS; }

  // The month counts used (the record's, negative ones as 0).
  int32_t BeginnReduzierung() const { return fB; }
  int32_t AufwandPLSyst() const { return fK; }

  // Cumulative costs in euros over the first m months, investment included
  // (defined for every m; m ≤ 0 gives the investment plus m months).
  // Manual: m × (KostenGesamt ÷ 12).
  extended CumulatedCostsManual(int32_t m) const { return m * fMonthlyManual; }
  // Time-study system: m × MonthlyZS + CostsZS.
  extended CumulatedCostsZS(int32_t m) const { return m * fMonthlyZS + fCostsZSx; }
  // Planned-time configuration, with B = BeginnReduzierung, K =
  // AufwandPLSyst and S = MonthlyZS × ReductionPerMonth ÷ 100:
  //   m ≤ B:          m × MonthlyZS + CostsPL
  //   B < m ≤ B + K:  (B × MonthlyZS + CostsPL + (m − B) × MonthlyZS)
  //                   − TriangularSum(m − B) × S
  //   m > B + K:      B × MonthlyZS + CostsPL + K × MonthlyZS
  //                   − TriangularSum(K) × S + (m − B − K) × MonthlyPLFull
  // Month B + j of the reduction costs MonthlyZS × (1 − j ×
  // ReductionPerMonth ÷ 100), each later month MonthlyPLFull.
  extended CumulatedCostsPL(int32_t m) const;

  // 1 + 2 + … + n, 0 for n ≤ 0; exact for every n (64 bits hold it).
  static int64_t TriangularSum(int32_t n);

  // The values the results page shows.
  tPaybackResults Results() const;

 private:
  extended CumPL(int64_t m) const;   // CumulatedCostsPL for any month
  extended AdvantagePL(int64_t m) const;    // A(m): manual − planned-time
  extended AdvantagePLZS(int64_t m) const;  // E(m): time-study − planned-time
  void ComputePaybackPL();
  void ComputePaybackPLZS();
  template <class Advantage, class Stop>
  int64_t Search(int64_t start, tPaybackSearch& search, Advantage advantage, Stop stop);

  // Figures copied from the record.
  int32_t fKostenGesamt = 0;
  int32_t fEinsparungKostenZS = 0;
  int32_t fEinsparungKostenPlanzeit = 0;
  int32_t fRestEinsparungKosten = 0;
  int32_t fEinsparungKostenGesamt = 0;
  int32_t fAnzZS = 0;
  int32_t fB = 0;
  int32_t fK = 0;

  int32_t fCostsZS = 0;
  int32_t fCostsPL = 0;
  // The cost sums as extended values; NaN when saturated.
  extended fCostsZSx = 0;
  extended fCostsPLx = 0;
  extended fStep = 0;  // S: how much cheaper each reduction month is than the one before
  extended fPaybackZS = 0;
  extended fPaybackPL = 0;
  extended fPaybackPLZS = 0;
  bool fFoundZS = false;
  bool fFoundPL = false;
  bool fFoundPLZS = false;
  extended fMonthlyManual = 0;
  extended fMonthlyZS = 0;
  extended fMonthlyPLFull = 0;
  extended fReductionPerMonth = 0;
  int32_t fMonthCounter = 0;
  tPaybackSearch fSearchPL;
  tPaybackSearch fSearchPLZS;
};

// --- Axis proposal of the graph dialog ---

// x rounded up to the next multiple of half a unit: x itself when x ÷ unit
// is already a whole or half multiple, else unit × (T(2 × x ÷ unit) ÷ 2 +
// 0.5) with T truncating toward zero (for negative x this lands half a unit
// above the next multiple). A unit ≤ 0 returns x unchanged.
double RoundUpToHalf(int32_t unit, double x);

// The graph dialog's proposed axis maxima.
struct tGraphProposal {
  float L = 0;          // the latest payback, months, single precision
  float T = 0;          // (L + 3) × MonthlyManual, euros, single precision
  int32_t NFieldX = 0;  // R(L) + 3 months
  int32_t NFieldY = 0;  // R(RoundUpToHalf(1000, T) + 2000) euros
};

// L is the largest of PaybackPL, PaybackPLZS and PaybackZS (taken in this
// order, each converted to single precision); a NaN payback counts as 0.
// The integers saturate; a NaN MonthlyManual (saturated record) proposes
// the largest cost axis, kInt32Max. The values are not limited to the
// ranges of the dialog's fields.
tGraphProposal ProposeGraphAxes(extended paybackZS, extended paybackPL, extended paybackPLZS,
                                extended monthlyManual);
tGraphProposal ProposeGraphAxes(const tPaybackCalc& calc);
