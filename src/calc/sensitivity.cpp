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
    fCalc.CalculateCurves(fDaten);
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

tVariedValue VaryValue(extended base, int32_t percent, int direction, const tInputField& field) {
  if (std::isnan(base)) return {field.Min, true};
  const extended scale = field.Decimals == 1 ? 10 : 1;
  // The product in whole percent first: 7.5 h × 80 % is exactly 6.0 h.
  const extended steps = std::nearbyint(base * scale * (100 + direction * percent) / 100);
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
  for (int ci = 0; ci < kComparisons; ++ci) {
    const auto c = static_cast<tComparison>(ci);
    fBase[Index(c)] = variation.Payback(c, kEconomicsSearchLimit);
    for (int ii = 0; ii < kSensitivityInputs; ++ii) {
      const auto i = static_cast<tInput>(ii);
      const tInputField& field = InputField(i);
      tSensitivityRow& row = fRows[Index(c)][static_cast<size_t>(ii)];
      row = tSensitivityRow{};
      row.Base = variation.Base(i, c);
      const tVariedValue low = VaryValue(row.Base, percent, -1, field);
      const tVariedValue high = VaryValue(row.Base, percent, +1, field);
      row.Low = StepValue(low.Steps, field);
      row.High = StepValue(high.Steps, field);
      row.LowClamped = low.Clamped;
      row.HighClamped = high.Clamped;
      row.PaybackLow = variation.Payback(i, c, low.Steps, kEconomicsSearchLimit);
      row.PaybackHigh = variation.Payback(i, c, high.Steps, kEconomicsSearchLimit);

      if (fBase[Index(c)].Kind == tEconomicsPayback::tKind::Unknown) {
        row.BreakEven = {tKind::Unknown, 0};
        continue;
      }
      // Whether the target is met needs no month beyond it.
      const auto meets = [&](int64_t steps) -> std::optional<bool> {
        const tEconomicsPayback p = variation.Payback(i, c, steps, target + 1);
        if (p.Kind == tEconomicsPayback::tKind::Unknown) return std::nullopt;
        return WithinTarget(p, target);
      };
      tBoundary b = FindBoundary(field.Min, field.Max, VaryValue(row.Base, 0, 0, field).Steps, field.Cost, meets);
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
    fOrder[Index(c)] = TornadoOrder(fRows[Index(c)]);
  }

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
