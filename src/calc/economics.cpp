#include "economics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "tavidaten.h"

namespace {

constexpr extended kNaN = std::numeric_limits<extended>::quiet_NaN();

// The interval of the internal rate, as yearly fractions.
constexpr extended kLowestRate = -0.99L;
constexpr extended kHighestRate = 10.0L;
// Rates of the scan where the flows change sign more than once.
constexpr int kScanPoints = 256;
// The root is found to this (a fraction: 1e-8 percentage points).
constexpr extended kRateTolerance = 1e-10L;

extended Figure(int32_t v) { return IsSaturated(v) ? kNaN : static_cast<extended>(v); }

// The number of sign changes of the flows, ignoring flows that are zero
// up to the rounding of the curves they come from.
int SignChanges(const std::vector<extended>& flows) {
  extended scale = 0;
  for (const extended f : flows) scale += std::fabs(f);
  const extended zero = scale * 1e-15L;
  int changes = 0;
  int last = 0;
  for (const extended f : flows) {
    if (std::fabs(f) <= zero) continue;
    const int sign = f < 0 ? -1 : 1;
    if (last != 0 && sign != last) ++changes;
    last = sign;
  }
  return changes;
}

// The present values at four rates at once: four independent chains keep
// the processor busy where one waits for each step's result.
void PresentValues(const std::vector<extended>& flows, const extended (&v)[4], extended (&sum)[4]) {
  extended s0 = 0, s1 = 0, s2 = 0, s3 = 0;
  for (auto f = flows.rbegin(); f != flows.rend(); ++f) {
    s0 = s0 * v[0] + *f;
    s1 = s1 * v[1] + *f;
    s2 = s2 * v[2] + *f;
    s3 = s3 * v[3] + *f;
  }
  sum[0] = s0;
  sum[1] = s1;
  sum[2] = s2;
  sum[3] = s3;
}

// Brent's method: the root of npv in [a, b], where npv(a) and npv(b) differ
// in sign. Each step interpolates (inverse quadratic or secant) where that
// promises progress and bisects otherwise, so the bracket always holds the
// root and shrinks at least as fast as by bisection every few steps.
template <class F>
extended BrentRoot(F npv, extended a, extended b) {
  extended fa = npv(a), fb = npv(b);
  extended c = a, fc = fa, d = b - a, e = d;
  for (int i = 0; i < 200; ++i) {
    if ((fb > 0) == (fc > 0)) {  // keep the root between b and c
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {  // b is the better guess
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const extended tolerance = 2 * std::numeric_limits<extended>::epsilon() * std::fabs(b) + kRateTolerance / 2;
    const extended half = (c - b) / 2;
    if (std::fabs(half) <= tolerance || fb == 0) return b;
    if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
      extended p, q;
      const extended s = fb / fa;
      if (a == c) {  // secant
        p = 2 * half * s;
        q = 1 - s;
      } else {  // inverse quadratic interpolation
        const extended qa = fa / fc, r = fb / fc;
        p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
        q = (qa - 1) * (r - 1) * (s - 1);
      }
      if (p > 0)
        q = -q;
      else
        p = -p;
      if (2 * p < std::min(3 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = e = half;
      }
    } else {
      d = e = half;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tolerance ? d : (half > 0 ? tolerance : -tolerance);
    fb = npv(b);
  }
  return b;
}

}  // namespace

// exp(-ln(1 + r) / 12): the same as the power, at a fraction of its cost.
extended MonthlyDiscountFactor(extended yearlyRate) { return std::exp(-std::log1p(yearlyRate) / 12); }

extended PresentValue(const std::vector<extended>& flows, extended v) {
  extended sum = 0;
  for (auto f = flows.rbegin(); f != flows.rend(); ++f) sum = sum * v + *f;
  return sum;
}

tInternalRate InternalRateOfReturn(const std::vector<extended>& flows) {
  using tKind = tInternalRate::tKind;
  if (flows.empty()) return {tKind::NotDeterminable, 0};
  for (const extended f : flows)
    if (!std::isfinite(f)) return {tKind::Unknown, 0};
  const auto npv = [&flows](extended r) { return PresentValue(flows, MonthlyDiscountFactor(r)); };

  // Find the one bracket of a sign change, if there is exactly one.
  extended low = kLowestRate, high = kHighestRate;
  const extended atHighest = npv(kHighestRate);
  int roots = 0;
  if (SignChanges(flows) <= 1) {
    // At most one root for r > −100 %: it lies in the interval when the
    // ends differ in sign.
    roots = (npv(kLowestRate) < 0) != (atHighest < 0) ? 1 : 0;
  } else {
    const extended from = std::log(1 + kLowestRate), to = std::log(1 + kHighestRate);
    extended previousRate = kLowestRate;
    bool previousNegative = npv(kLowestRate) < 0;
    for (int j = 1; j <= kScanPoints; j += 4) {
      extended rates[4], v[4], values[4];
      for (int k = 0; k < 4; ++k) {
        const extended u = from + (to - from) * std::min(j + k, kScanPoints) / kScanPoints;  // ln(1 + r)
        rates[k] = j + k >= kScanPoints ? kHighestRate : std::exp(u) - 1;
        v[k] = std::exp(-u / 12);
      }
      PresentValues(flows, v, values);
      for (int k = 0; k < 4 && j + k <= kScanPoints; ++k) {
        const bool negative = values[k] < 0;
        if (negative != previousNegative && ++roots == 1) {
          low = previousRate;
          high = rates[k];
        }
        previousRate = rates[k];
        previousNegative = negative;
      }
    }
  }
  if (roots == 0) return {atHighest >= 0 ? tKind::Above : tKind::NotDeterminable, 0};
  if (roots > 1) return {tKind::NotDeterminable, 0};

  return {tKind::Found, BrentRoot(npv, low, high) * 100};
}

// ---------------------------------------------------------------- the calc

void tEconomicsCalc::Calculate(const tTaviDaten& daten, const tPaybackCalc& calc, const tEconomicsInputs& inputs) {
  fCalc = calc;
  fInputs = inputs;
  fInputs.UsefulLife = std::clamp(inputs.UsefulLife, tEconomicsInputs::kMinLife, tEconomicsInputs::kMaxLife);
  fInputs.RateTenths = std::clamp(inputs.RateTenths, 0, tEconomicsInputs::kMaxRateTenths);
  fInputs.RunningCostsZS = std::clamp(inputs.RunningCostsZS, 0, tEconomicsInputs::kMaxRunningCosts);
  fInputs.RunningCostsPL = std::clamp(inputs.RunningCostsPL, 0, tEconomicsInputs::kMaxRunningCosts);
  fLifeMonths = 12 * fInputs.UsefulLife;
  fDiscount = fInputs.RateTenths == 0 ? extended{1} : MonthlyDiscountFactor(fInputs.Rate());

  const extended savingZS = Figure(daten.EinsparungKostenZS());
  const extended savingAll = Figure(daten.EinsparungKostenGesamt());
  fSavingPerYear = {savingZS, savingAll, savingAll - savingZS};
  for (int c = 0; c < kComparisons; ++c) fFigures[static_cast<size_t>(c)] = Compute(static_cast<tComparison>(c));
}

extended CumulatedCostsWithRunningCosts(const tPaybackCalc& calc, int32_t yearly, bool plannedTime, int32_t m) {
  return (plannedTime ? calc.CumulatedCostsPL(m) : calc.CumulatedCostsZS(m)) +
         static_cast<extended>(static_cast<int64_t>(m) * yearly) / 12;
}

extended AdvantageWithRunningCosts(const tPaybackCalc& calc, int32_t rz, int32_t rp, tComparison c, int32_t m) {
  switch (c) {
    case tComparison::ZSManual:
      return calc.CumulatedCostsManual(m) - CumulatedCostsWithRunningCosts(calc, rz, false, m);
    case tComparison::PLManual:
      return calc.CumulatedCostsManual(m) - CumulatedCostsWithRunningCosts(calc, rp, true, m);
    case tComparison::PLZS:
      return CumulatedCostsWithRunningCosts(calc, rz, false, m) - CumulatedCostsWithRunningCosts(calc, rp, true, m);
  }
  return kNaN;
}

tEconomicsPayback StaticPayback(const tPaybackCalc& calc, int32_t rz, int32_t rp, tComparison c, int32_t lastMonth) {
  return FirstCrossing([&](int32_t m) { return AdvantageWithRunningCosts(calc, rz, rp, c, m); }, lastMonth);
}

extended tEconomicsCalc::CumulatedCostsZS(int32_t m) const {
  return CumulatedCostsWithRunningCosts(fCalc, fInputs.RunningCostsZS, false, m);
}

extended tEconomicsCalc::CumulatedCostsPL(int32_t m) const {
  return CumulatedCostsWithRunningCosts(fCalc, fInputs.RunningCostsPL, true, m);
}

extended tEconomicsCalc::Advantage(tComparison c, int32_t m) const {
  return AdvantageWithRunningCosts(fCalc, fInputs.RunningCostsZS, fInputs.RunningCostsPL, c, m);
}

std::vector<extended> tEconomicsCalc::Flows(tComparison c, int32_t months) const {
  std::vector<extended> flows;
  if (months < 0) return flows;
  flows.reserve(static_cast<size_t>(months) + 1);
  extended previous = 0;
  for (int32_t t = 0; t <= months; ++t) {
    const extended n = Advantage(c, t);
    flows.push_back(t == 0 ? n : n - previous);
    previous = n;
  }
  return flows;
}

tComparisonFigures tEconomicsCalc::Compute(tComparison c) const {
  const auto index = static_cast<size_t>(c);
  const extended rz = fInputs.RunningCostsZS, rp = fInputs.RunningCostsPL;
  const std::array<extended, kComparisons> running = {rz, rp, rp - rz};

  tComparisonFigures f;
  f.RunningCosts = running[index];
  f.NetSaving = fSavingPerYear[index] - running[index];
  f.StaticPayback = StaticPayback(fCalc, fInputs.RunningCostsZS, fInputs.RunningCostsPL, c);
  if (fInputs.RateTenths == 0) {
    f.DynamicPayback = f.StaticPayback;
  } else {
    tDiscountedAdvantage discounted(*this, c);
    f.DynamicPayback = FirstCrossing([&discounted](int32_t) { return discounted.Next(); });
  }
  const std::vector<extended> flows = Flows(c, fLifeMonths);
  f.NetPresentValue = fInputs.RateTenths == 0 ? Advantage(c, fLifeMonths) : PresentValue(flows, fDiscount);
  f.InternalRate = InternalRateOfReturn(flows);
  f.Balance = {Advantage(c, 12), Advantage(c, 24), Advantage(c, 36), Advantage(c, fLifeMonths)};
  return f;
}

// ------------------------------------------------------ month after month

extended tDiscountedAdvantage::Next() {
  const extended n = fCalc.Advantage(fComparison, fMonth);
  const extended v = fCalc.MonthlyDiscount();
  if (v == 1) {
    fSum = n;  // undiscounted, the flows add up to the advantage itself
  } else {
    if (fMonth > 0) fFactor *= v;
    fSum += (fMonth == 0 ? n : n - fPrevious) * fFactor;
  }
  fPrevious = n;
  ++fMonth;
  return fSum;
}
