// The economic appraisal of the three comparisons of the payback
// computation (payback.h): what the systems cost per year to keep, what
// the advantage is worth over their useful life at the company's discount
// rate, and what it earns as an interest rate. Nothing the payback
// computation answers changes; these figures stand beside it.
//
// Definitions, for month m (m = 0, 1, 2, ...), the yearly running costs RZ
// (time-study system) and RP (time-study plus planned-time system), the
// yearly rate i and the useful life L in years:
//
//   M(m)  = m × MonthlyManual                            manual work
//   Z'(m) = m × MonthlyZS + CostsZS + m × RZ ÷ 12         time-study system
//   P'(m) = CumulatedCostsPL(m) + m × RP ÷ 12             planned-time configuration
//   N(m)  = M − Z' (comparison 1), M − P' (2), Z' − P' (3): the advantage
//   f(0)  = N(0), f(t) = N(t) − N(t − 1): its flow in month t
//   v     = (1 + i)^(−1/12),  D(m) = Σ_{t=0..m} f(t) × v^t: the discounted advantage
//
// Units: money in euros (extended, with fractions of a euro), paybacks in
// months, rates in percent per year. Arithmetic in 80-bit extended.
//
// Errors: nothing raises. A figure that depends on a saturated record
// figure (extmath.h) is NaN, resp. of the kind Unknown; the texts show it
// as asterisks.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "economicsinputs.h"
#include "extmath.h"
#include "payback.h"

class tTaviDaten;

// The three comparisons, in the order of the results page.
enum class tComparison : int {
  ZSManual = 0,  // time-study system against manual work
  PLManual = 1,  // planned-time configuration against manual work
  PLZS = 2,      // planned-time configuration against the time-study system
};
constexpr int kComparisons = 3;

// A payback searches no further than this month.
constexpr int32_t kEconomicsSearchLimit = 1200;

// A payback period: 0 ("sofort") when the advantage is not negative from
// the start; else the first month m ≤ 1200 where it is, interpolated
// linearly between m − 1 and m; none when there is no such month.
struct tEconomicsPayback {
  enum class tKind { Immediate, Months, None, Unknown };
  tKind Kind = tKind::None;
  extended Months = 0;  // the period when Months, 0 when Immediate
};

// The internal rate of return: the yearly rate r in (−99 %, 1000 %) at
// which D(12 L), computed with r, is 0.
struct tInternalRate {
  enum class tKind {
    Found,            // exactly one such rate: Percent
    Above,            // none, and D(12 L) is still positive at 1000 %
    NotDeterminable,  // none otherwise, or more than one
    Unknown,          // the flows cannot be computed
  };
  tKind Kind = tKind::NotDeterminable;
  extended Percent = 0;
};

struct tComparisonFigures {
  // "Laufende Kosten pro Jahr": RZ, RP, RP − RZ.
  extended RunningCosts = 0;
  // "Nettoeinsparung pro Jahr", the yearly saving less running costs:
  // EinsparungKostenZS − RZ; EinsparungKostenGesamt − RP;
  // (EinsparungKostenGesamt − EinsparungKostenZS) − (RP − RZ).
  extended NetSaving = 0;
  // "Amortisation mit laufenden Kosten" (the rule above with i = 0) and
  // "Dynamische Amortisation" (with i).
  tEconomicsPayback StaticPayback;
  tEconomicsPayback DynamicPayback;
  // "Kapitalwert": D(12 L).
  extended NetPresentValue = 0;
  // "Interner Zinsfuß".
  tInternalRate InternalRate;
  // "Saldo nach 1, 2, 3 Jahren" and "nach der Nutzungsdauer", undiscounted:
  // N(12), N(24), N(36), N(12 L).
  std::array<extended, 4> Balance{};
};

class tEconomicsCalc {
 public:
  // Computes every figure from the record's yearly savings, the payback
  // computation (which must be current for the record; it is copied) and
  // the inputs. A useful life outside 1 to 20 years counts as the nearest
  // of them, a rate outside 0 to 30 % as the nearest of them.
  void Calculate(const tTaviDaten& daten, const tPaybackCalc& calc, const tEconomicsInputs& inputs);

  const tEconomicsInputs& Inputs() const { return fInputs; }
  const tComparisonFigures& Figures(tComparison c) const { return fFigures[static_cast<size_t>(c)]; }

  // The curves with running costs: Z'(m) and P'(m), and the advantage N(m).
  extended CumulatedCostsZS(int32_t m) const;
  extended CumulatedCostsPL(int32_t m) const;
  extended Advantage(tComparison c, int32_t m) const;
  // v of the calculation's rate.
  extended MonthlyDiscount() const { return fDiscount; }
  // The flows f(0) to f(months) of a comparison.
  std::vector<extended> Flows(tComparison c, int32_t months) const;

 private:
  tComparisonFigures Compute(tComparison c) const;

  tPaybackCalc fCalc;
  tEconomicsInputs fInputs;
  int32_t fLifeMonths = 0;
  extended fDiscount = 1;
  std::array<extended, kComparisons> fSavingPerYear{};  // the yearly savings of the record
  std::array<tComparisonFigures, kComparisons> fFigures{};
};

// D(0), D(1), D(2), ... of one comparison at the calculation's rate, one
// month after the other (for the table's columns); the calculation must
// outlive it.
class tDiscountedAdvantage {
 public:
  tDiscountedAdvantage(const tEconomicsCalc& calc, tComparison c) : fCalc(calc), fComparison(c) {}
  // D(m) of the next month m, starting at 0.
  extended Next();

 private:
  const tEconomicsCalc& fCalc;
  tComparison fComparison;
  int32_t fMonth = 0;
  extended fPrevious = 0;  // N(m − 1)
  extended fFactor = 1;    // v^m
  extended fSum = 0;       // D(m − 1)
};

// --- The rules themselves, for any values ---

// The payback rule above applied to value(0), value(1), ... value(lastMonth),
// which are asked for in this order, each once, and no further than the
// first crossing. A NaN gives Unknown; None means no crossing by lastMonth.
template <class Value>
tEconomicsPayback FirstCrossing(Value value, int32_t lastMonth = kEconomicsSearchLimit);

// The curves with running costs for any payback computation and yearly
// running costs rz, rp (euros, 0 to 999999): Z'(m), P'(m) and N(m) as
// defined above. tEconomicsCalc uses them; the sensitivity varies both.
extended CumulatedCostsWithRunningCosts(const tPaybackCalc& calc, int32_t yearly, bool plannedTime, int32_t m);
extended AdvantageWithRunningCosts(const tPaybackCalc& calc, int32_t rz, int32_t rp, tComparison c, int32_t m);
// "Amortisation mit laufenden Kosten" of comparison c, searched no further
// than lastMonth.
tEconomicsPayback StaticPayback(const tPaybackCalc& calc, int32_t rz, int32_t rp, tComparison c,
                                int32_t lastMonth = kEconomicsSearchLimit);

// v = (1 + r)^(−1/12) for a yearly rate r (0.06 for 6 %).
extended MonthlyDiscountFactor(extended yearlyRate);
// Σ f(t) × v^t.
extended PresentValue(const std::vector<extended>& flows, extended v);
// The internal rate of return of monthly flows f(0) to f(n): bracketed,
// then found by Brent's method to 1e-8 percentage points. Where the flows
// change sign at most once (Descartes' rule) there is at most one root, in
// the interval when D differs in sign at its ends; otherwise the interval
// is scanned at 256 rates, evenly spaced in ln(1 + r), for sign changes.
tInternalRate InternalRateOfReturn(const std::vector<extended>& flows);

template <class Value>
tEconomicsPayback FirstCrossing(Value value, int32_t lastMonth) {
  using tKind = tEconomicsPayback::tKind;
  extended previous = value(0);
  if (previous != previous) return {tKind::Unknown, 0};
  if (previous >= 0) return {tKind::Immediate, 0};
  for (int32_t m = 1; m <= lastMonth; ++m) {
    const extended current = value(m);
    if (current != current) return {tKind::Unknown, 0};
    if (current >= 0) return {tKind::Months, (m - 1) + (-previous) / (current - previous)};
    previous = current;
  }
  return {tKind::None, 0};
}
