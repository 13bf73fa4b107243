#include "sensitivity.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "tavidaten.h"

namespace {

constexpr extended kNaN = std::numeric_limits<extended>::quiet_NaN();
constexpr extended kEndless = std::numeric_limits<extended>::infinity();

using tInput = tSensitivityInput;

const tInputField kFields[kSensitivityInputs] = {
    {"AnzZS", 0, 0, 99999, false},
    {"DauerZS", 1, 0, 9999, false},
    {"Stundensatz", 0, 0, 255, false},
    {"PotentialVorb", 0, 0, 100, false},
    {"PotentialDurchf", 0, 0, 100, false},
    {"PotentialAuswert", 0, 0, 100, false},
    {"PotentialAnzZS", 0, 0, 100, false},
    {"Gesamtkosten", 0, 0, 99999 + 10000 + 10000, true},
    {"LaufendeKosten", 0, 0, tEconomicsInputs::kMaxRunningCosts, true},
};

// The saving shares the three cases vary together.
constexpr tInput kShares[4] = {tInput::PotentialVorb, tInput::PotentialDurchf, tInput::PotentialAuswert,
                               tInput::PotentialAnzZS};

// A payback as a number: none is endless, unknown NaN.
extended Months(const tEconomicsPayback& p) {
  using tKind = tEconomicsPayback::tKind;
  switch (p.Kind) {
    case tKind::Immediate: return 0;
    case tKind::Months: return p.Months;
    case tKind::None: return kEndless;
    case tKind::Unknown: break;
  }
  return kNaN;
}

// Comparisons 2 and 3 vary the planned-time configuration's costs.
bool PlannedTime(tComparison c) { return c != tComparison::ZSManual; }

// Whether an input has the same value in the three comparisons (all but
// the two costs, which belong to a configuration).
bool Shared(tInput i) { return i != tInput::Gesamtkosten && i != tInput::LaufendeKosten; }

// A private copy of the record and the appraisal's inputs in which one
// input at a time is set and put back.
class tVariation {
 public:
  tVariation(const tTaviDaten& daten, const tEconomicsInputs& economics)
      : fOriginal(daten), fDaten(daten), fEconomics(economics) {}

  extended Base(tInput i, tComparison c) const {
    const tTaviDaten& d = fOriginal;
    switch (i) {
      case tInput::AnzZS: return d.AnzZS;
      case tInput::DauerZS: return d.DauerZS;
      case tInput::Stundensatz: return d.Stundensatz;
      case tInput::PotentialVorb: return d.PotentialVorb;
      case tInput::PotentialDurchf: return d.PotentialDurchf;
      case tInput::PotentialAuswert: return d.PotentialAuswert;
      case tInput::PotentialAnzZS: return d.PotentialAnzZS;
      case tInput::Gesamtkosten: {
        const int32_t sum = PlannedTime(c) ? SatAdd(SatAdd(d.InvestPLSystem, d.SchulungskostenPL), d.ZusatzkostenPL)
                                           : SatAdd(SatAdd(d.InvestZSSystem, d.SchulungskostenZS), d.ZusatzkostenZS);
        return IsSaturated(sum) ? kNaN : sum;
      }
      case tInput::LaufendeKosten: return PlannedTime(c) ? fEconomics.RunningCostsPL : fEconomics.RunningCostsZS;
    }
    return kNaN;
  }

  // The payback of comparison c with input i at `steps` (within the
  // field's range), searched to lastMonth.
  tEconomicsPayback Payback(tInput i, tComparison c, int64_t steps, int32_t lastMonth) {
    Set(i, c, steps);
    const tEconomicsPayback payback = Payback(c, lastMonth);
    Reset(i);
    return payback;
  }

  // The payback with the copy as it is.
  tEconomicsPayback Payback(tComparison c, int32_t lastMonth) {
    Compute();
    return Computed(c, lastMonth);
  }

  // The curves of the copy as it is, and a payback from them: several
  // comparisons are answered from one computation.
  void Compute() { fCalc.CalculateCurves(fDaten); }
  tEconomicsPayback Computed(tComparison c, int32_t lastMonth) const {
    return StaticPayback(fCalc, fRunningZS, fRunningPL, c, lastMonth);
  }

  void Set(tInput i, tComparison c, int64_t steps) {
    tTaviDaten& d = fDaten;
    const auto whole = static_cast<int32_t>(steps);
    switch (i) {
      case tInput::AnzZS: d.AnzZS = whole; break;
      case tInput::DauerZS: d.DauerZS = static_cast<extended>(steps) / 10; break;
      case tInput::Stundensatz: d.Stundensatz = static_cast<uint8_t>(whole); break;
      case tInput::PotentialVorb: d.PotentialVorb = static_cast<uint8_t>(whole); break;
      case tInput::PotentialDurchf: d.PotentialDurchf = static_cast<uint8_t>(whole); break;
      case tInput::PotentialAuswert: d.PotentialAuswert = static_cast<uint8_t>(whole); break;
      case tInput::PotentialAnzZS: d.PotentialAnzZS = static_cast<uint8_t>(whole); break;
      case tInput::Gesamtkosten:
        // Only the sum counts.
        if (PlannedTime(c)) {
          d.InvestPLSystem = whole;
          d.SchulungskostenPL = 0;
          d.ZusatzkostenPL = 0;
        } else {
          d.InvestZSSystem = whole;
          d.SchulungskostenZS = 0;
          d.ZusatzkostenZS = 0;
        }
        break;
      case tInput::LaufendeKosten: (PlannedTime(c) ? fRunningPL : fRunningZS) = whole; break;
    }
  }

  // Puts input i back (both configurations' where it has two).
  void Reset(tInput i) {
    tTaviDaten& d = fDaten;
    const tTaviDaten& o = fOriginal;
    switch (i) {
      case tInput::AnzZS: d.AnzZS = o.AnzZS; break;
      case tInput::DauerZS: d.DauerZS = o.DauerZS; break;
      case tInput::Stundensatz: d.Stundensatz = o.Stundensatz; break;
      case tInput::PotentialVorb: d.PotentialVorb = o.PotentialVorb; break;
      case tInput::PotentialDurchf: d.PotentialDurchf = o.PotentialDurchf; break;
      case tInput::PotentialAuswert: d.PotentialAuswert = o.PotentialAuswert; break;
      case tInput::PotentialAnzZS: d.PotentialAnzZS = o.PotentialAnzZS; break;
      case tInput::Gesamtkosten:
        d.InvestPLSystem = o.InvestPLSystem;
        d.SchulungskostenPL = o.SchulungskostenPL;
        d.ZusatzkostenPL = o.ZusatzkostenPL;
        d.InvestZSSystem = o.InvestZSSystem;
        d.SchulungskostenZS = o.SchulungskostenZS;
        d.ZusatzkostenZS = o.ZusatzkostenZS;
        break;
      case tInput::LaufendeKosten:
        fRunningZS = fEconomics.RunningCostsZS;
        fRunningPL = fEconomics.RunningCostsPL;
        break;
    }
  }

  const tTaviDaten& Daten() const { return fDaten; }
  const tPaybackCalc& Calc() const { return fCalc; }

 private:
  const tTaviDaten& fOriginal;
  tTaviDaten fDaten;
  tEconomicsInputs fEconomics;
  int32_t fRunningZS = fEconomics.RunningCostsZS;
  int32_t fRunningPL = fEconomics.RunningCostsPL;
  tPaybackCalc fCalc;
};

// The length of a bar as a sortable key (see tSensitivityCalc::Order).
std::pair<int, extended> BarKey(const tSensitivityRow& row) {
  const extended low = Months(row.PaybackLow), high = Months(row.PaybackHigh);
  if (std::isnan(low) || std::isnan(high)) return {-1, 0};
  const bool endlessLow = std::isinf(low), endlessHigh = std::isinf(high);
  if (endlessLow && endlessHigh) return {0, 0};
  if (endlessLow || endlessHigh) return {2, -(endlessLow ? high : low)};
  return {1, std::fabs(high - low)};
}

}  // namespace

const tInputField& InputField(tSensitivityInput input) { return kFields[static_cast<size_t>(input)]; }

tScan ScanValues(int64_t min, int64_t max, int64_t base) {
  tScan scan;
  const auto take = [&scan](int64_t value) {
    if (scan.Count == 0 || scan.At[scan.Count - 1] != value) scan.At[scan.Count++] = value;
  };
  bool baseTaken = base < min || base > max;
  for (int64_t k = 0; k <= kScanIntervals; ++k) {
    const int64_t value = min + (max - min) * k / kScanIntervals;
    if (!baseTaken && base <= value) {
      baseTaken = true;
      take(base);
    }
    take(value);
  }
  return scan;
}

tVariedValue VaryValue(extended base, int32_t percent, int direction, const tInputField& field) {
  if (std::isnan(base)) return {field.Min, true};
  const extended scale = field.Decimals == 1 ? 10 : 1;
  // The product in whole percent first: 7.5 h × 80 % is exactly 6.0 h.
  const extended steps = std::rint(base * scale * (100 + direction * percent) / 100);
  if (steps < static_cast<extended>(field.Min)) return {field.Min, true};
  if (steps > static_cast<extended>(field.Max)) return {field.Max, true};
  return {static_cast<int64_t>(steps), false};
}

extended StepValue(int64_t steps, const tInputField& field) {
  return field.Decimals == 1 ? static_cast<extended>(steps) / 10 : static_cast<extended>(steps);
}

bool WithinTarget(const tEconomicsPayback& payback, int32_t targetMonths) {
  using tKind = tEconomicsPayback::tKind;
  return payback.Kind == tKind::Immediate || (payback.Kind == tKind::Months && payback.Months <= targetMonths);
}

std::array<tSensitivityInput, kSensitivityInputs> TornadoOrder(
    const std::array<tSensitivityRow, kSensitivityInputs>& rows) {
  std::array<tSensitivityInput, kSensitivityInputs> order{};
  for (int i = 0; i < kSensitivityInputs; ++i) order[static_cast<size_t>(i)] = static_cast<tSensitivityInput>(i);
  std::stable_sort(order.begin(), order.end(), [&rows](tSensitivityInput a, tSensitivityInput b) {
    return BarKey(rows[static_cast<size_t>(a)]) > BarKey(rows[static_cast<size_t>(b)]);
  });
  return order;
}

void tSensitivityCalc::Calculate(const tTaviDaten& daten, const tEconomicsInputs& economics,
                                 const tSensitivityInputs& inputs) {
  fInputs.TargetMonths =
      std::clamp(inputs.TargetMonths, tSensitivityInputs::kMinTarget, tSensitivityInputs::kMaxTarget);
  fInputs.Percent = std::clamp(inputs.Percent, tSensitivityInputs::kMinPercent, tSensitivityInputs::kMaxPercent);
  tEconomicsInputs running = economics;
  running.RunningCostsZS = std::clamp(economics.RunningCostsZS, 0, tEconomicsInputs::kMaxRunningCosts);
  running.RunningCostsPL = std::clamp(economics.RunningCostsPL, 0, tEconomicsInputs::kMaxRunningCosts);
  const int32_t target = fInputs.TargetMonths;
  const int32_t percent = fInputs.Percent;
  using tKind = tBreakEven::tKind;

  tVariation variation(daten, running);
  variation.Compute();
  for (int ci = 0; ci < kComparisons; ++ci)
    fBase[static_cast<size_t>(ci)] = variation.Computed(static_cast<tComparison>(ci), kEconomicsSearchLimit);

  // The bars: each input lowered and raised. The paybacks of the three
  // comparisons come from one computation of the curves where the value is
  // the same for all three (every input but the two costs).
  for (int ii = 0; ii < kSensitivityInputs; ++ii) {
    const auto i = static_cast<tInput>(ii);
    const tInputField& field = InputField(i);
    for (int ci = 0; ci < kComparisons; ++ci) {
      const auto c = static_cast<tComparison>(ci);
      tSensitivityRow& row = fRows[Index(c)][static_cast<size_t>(ii)];
      row = tSensitivityRow{};
      row.Base = variation.Base(i, c);
      const tVariedValue low = VaryValue(row.Base, percent, -1, field);
      const tVariedValue high = VaryValue(row.Base, percent, +1, field);
      row.Low = StepValue(low.Steps, field);
      row.High = StepValue(high.Steps, field);
      row.LowClamped = low.Clamped;
      row.HighClamped = high.Clamped;
    }
    for (const bool raised : {false, true}) {
      for (int ci = 0; ci < kComparisons; ++ci) {
        const auto c = static_cast<tComparison>(ci);
        tSensitivityRow& row = fRows[Index(c)][static_cast<size_t>(ii)];
        const tVariedValue v = VaryValue(row.Base, percent, raised ? +1 : -1, field);
        if (ci == 0 || !Shared(i)) {
          variation.Set(i, c, v.Steps);
          variation.Compute();
        }
        (raised ? row.PaybackHigh : row.PaybackLow) = variation.Computed(c, kEconomicsSearchLimit);
        if (!Shared(i)) variation.Reset(i);
      }
      variation.Reset(i);
    }
  }

  // The break-even values. Whether the target is met needs no month beyond
  // it; a value of an input of the record serves the three comparisons
  // from one computation of the curves.
  const auto meets = [target](const tEconomicsPayback& p) -> std::optional<bool> {
    if (p.Kind == tEconomicsPayback::tKind::Unknown) return std::nullopt;
    return WithinTarget(p, target);
  };
  for (int ii = 0; ii < kSensitivityInputs; ++ii) {
    const auto i = static_cast<tInput>(ii);
    const tInputField& field = InputField(i);
    std::array<tScan, kComparisons> scans{};
    if (Shared(i)) {
      const tScan scan = ScanValues(field.Min, field.Max, VaryValue(variation.Base(i, tComparison::ZSManual), 0, 0, field).Steps);
      scans.fill(scan);
      for (size_t j = 0; j < scan.Count; ++j) {
        variation.Set(i, tComparison::ZSManual, scan.At[j]);
        variation.Compute();
        for (int ci = 0; ci < kComparisons; ++ci)
          scans[static_cast<size_t>(ci)].Met[j] = meets(variation.Computed(static_cast<tComparison>(ci), target));
        variation.Reset(i);
      }
    } else {
      for (int ci = 0; ci < kComparisons; ++ci) {
        const auto c = static_cast<tComparison>(ci);
        tScan& scan = scans[static_cast<size_t>(ci)];
        scan = ScanValues(field.Min, field.Max, VaryValue(variation.Base(i, c), 0, 0, field).Steps);
        for (size_t j = 0; j < scan.Count; ++j) scan.Met[j] = meets(variation.Payback(i, c, scan.At[j], target));
      }
    }
    for (int ci = 0; ci < kComparisons; ++ci) {
      const auto c = static_cast<tComparison>(ci);
      tSensitivityRow& row = fRows[Index(c)][static_cast<size_t>(ii)];
      if (fBase[Index(c)].Kind == tEconomicsPayback::tKind::Unknown) {
        row.BreakEven = {tKind::Unknown, 0};
        continue;
      }
      tBoundary b = ResolveBoundary(scans[static_cast<size_t>(ci)], field.Min, field.Max, field.Cost,
                                    [&](int64_t steps) { return meets(variation.Payback(i, c, steps, target)); });
      if (b.AllMeet) {
        // The side where the payback is the longer one decides.
        const extended atMin = Months(variation.Payback(i, c, field.Min, kEconomicsSearchLimit));
        const extended atMax = Months(variation.Payback(i, c, field.Max, kEconomicsSearchLimit));
        if (atMax > atMin)
          b = {tKind::UpTo, field.Max, true};
        else if (atMax < atMin)
          b = {tKind::From, field.Min, true};
      }
      row.BreakEven = {b.Kind, StepValue(b.Steps, field)};
    }
  }
  for (int ci = 0; ci < kComparisons; ++ci) fOrder[static_cast<size_t>(ci)] = TornadoOrder(fRows[static_cast<size_t>(ci)]);

  // The three cases: the four shares lowered, as they are, raised.
  for (int k = 0; k < kCases; ++k) {
    tCaseShares& shares = fShares[static_cast<size_t>(k)];
    for (size_t s = 0; s < 4; ++s) {
      const tVariedValue v = VaryValue(variation.Base(kShares[s], tComparison::ZSManual), percent, k - 1,
                                       InputField(kShares[s]));
      shares.Percent[s] = v.Steps;
      shares.Clamped[s] = v.Clamped;
      variation.Set(kShares[s], tComparison::ZSManual, v.Steps);
    }
    tPaybackCalc calc;
    calc.CalculateCurves(variation.Daten());
    tEconomicsCalc appraisal;
    appraisal.Calculate(variation.Daten(), calc, running);
    for (int ci = 0; ci < kComparisons; ++ci) {
      const tComparisonFigures& f = appraisal.Figures(static_cast<tComparison>(ci));
      fCases[static_cast<size_t>(k)][static_cast<size_t>(ci)] = {f.StaticPayback, f.NetSaving, f.NetPresentValue};
    }
    for (const tInput share : kShares) variation.Reset(share);
  }
}
