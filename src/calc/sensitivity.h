// How sure is the answer: the sensitivity of the payback with running costs
// ("Amortisation mit laufenden Kosten", economics.h) to the estimates a
// department types.
//
// For each comparison and each of nine inputs alone:
//   - the payback when the input is lowered and raised by a percentage
//     (the bars of a tornado chart),
//   - the break-even value: the value at which the payback just meets the
//     target payback, the others unchanged ("ab 15 Zeitstudien pro Jahr",
//     "bis 14300 € Gesamtkosten").
// And three cases: the three saving shares of the time-study system and
// PotentialAnzZS all lowered (worst), unchanged (base), all raised (best).
//
// The inputs and their fields (a varied value is rounded to its field's
// precision, halves to even, and clamped to its range):
//
//   AnzZS             time studies per year           0 to 99999
//   DauerZS           hours per study                  0.0 to 999.9
//   Stundensatz       euros per hour                   0 to 255
//   PotentialVorb     % of preparation saved           0 to 100
//   PotentialDurchf   % of execution saved             0 to 100
//   PotentialAuswert  % of evaluation saved            0 to 100
//   PotentialAnzZS    % of time studies made unnecessary   0 to 100
//   Gesamtkosten      investment + training + additional cost, euros,
//                     0 to 119999 (the sum of the three fields' ranges)
//   LaufendeKosten    running costs, euros per year    0 to 999999
//
// The last two belong to a configuration: comparison 1 varies the
// time-study system's, comparisons 2 and 3 the planned-time
// configuration's (in comparison 3 against the time-study system, whose
// costs stay). The three parts of the total cost scale together; the
// payback depends on their sum only, so the sum is the value varied.
//
// Break-even values are searched over the field's whole range at its
// precision: the range is scanned at 17 evenly spaced values (and the base
// value), and the one change between meeting the target and missing it is
// narrowed down by bisection. More than one change in the scan: the
// payback is not monotone in that input ("nicht eindeutig"). No value in
// range meets the target: "nicht erreichbar". Every value meets it: "ab"
// the lowest value when raising the input does not lengthen the payback
// ("ab 0 %"), else "bis" the highest ("bis 119999 € Gesamtkosten").
//
// Units: values in the input's unit (above), paybacks in months, money in
// euros. Nothing raises; a figure that depends on a saturated record
// figure is of the kind Unknown or NaN.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "economics.h"
#include "sensitivityinputs.h"

class tTaviDaten;

enum class tSensitivityInput : int {
  AnzZS = 0,
  DauerZS,
  Stundensatz,
  PotentialVorb,
  PotentialDurchf,
  PotentialAuswert,
  PotentialAnzZS,
  Gesamtkosten,
  LaufendeKosten,
};
constexpr int kSensitivityInputs = 9;

// The entry field of an input: its range in steps of its precision.
struct tInputField {
  const char* Name;  // the record's field name ("AnzZS")
  int Decimals;      // 0: a step is 1; 1: a step is 0.1
  int64_t Min, Max;  // in steps
  bool Cost;         // a cost: the less, the sooner the payback
};
const tInputField& InputField(tSensitivityInput input);

// A value of an input in steps; Clamped when the change was cut at the
// field's range.
struct tVariedValue {
  int64_t Steps = 0;
  bool Clamped = false;
  bool operator==(const tVariedValue&) const = default;
};
// base × (1 + direction × percent ÷ 100) (direction −1 or +1) at the
// field's precision, within its range. A base that is not a number stays
// at the field's lowest value.
tVariedValue VaryValue(extended base, int32_t percent, int direction, const tInputField& field);
// The value of `steps` in the input's unit.
extended StepValue(int64_t steps, const tInputField& field);

struct tBreakEven {
  enum class tKind {
    From,          // the target is met from Value on ("ab")
    UpTo,          // the target is met up to Value ("bis")
    NotReachable,  // no value in range meets it
    NotUnique,     // met and missed more than once over the range
    Unknown,       // the paybacks cannot be computed
  };
  tKind Kind = tKind::NotReachable;
  extended Value = 0;  // From, UpTo: in the input's unit
};

// The one change of `meets` over the steps min to max (see above),
// scanning them and `base` first. meets(steps) answers std::optional<bool>:
// empty when the payback at that value cannot be computed (a saturated
// figure, which happens only near the top of a range), and such values are
// left out of the scan. When every value meets the target the answer is
// UpTo max for a cost, From min otherwise, with AllMeet set so that callers
// that know the direction better can decide. min ≤ max.
struct tBoundary {
  tBreakEven::tKind Kind = tBreakEven::tKind::NotReachable;
  int64_t Steps = 0;
  bool AllMeet = false;
};
template <class Meets>
tBoundary FindBoundary(int64_t min, int64_t max, int64_t base, bool cost, Meets meets);

// The two steps of FindBoundary, for callers that answer several
// questions at each scanned value: the values of the scan (ascending, each
// once), then the answer from what `meets` said at them.
constexpr int64_t kScanIntervals = 16;
struct tScan {
  std::array<int64_t, kScanIntervals + 2> At{};
  std::array<std::optional<bool>, kScanIntervals + 2> Met{};
  size_t Count = 0;
};
tScan ScanValues(int64_t min, int64_t max, int64_t base);
template <class Meets>
tBoundary ResolveBoundary(const tScan& scan, int64_t min, int64_t max, bool cost, Meets meets);

// Whether a payback meets the target: immediately, or within the months.
bool WithinTarget(const tEconomicsPayback& payback, int32_t targetMonths);

// One input of one comparison.
struct tSensitivityRow {
  extended Base = 0, Low = 0, High = 0;  // the input's values
  bool LowClamped = false, HighClamped = false;
  tEconomicsPayback PaybackLow, PaybackHigh;
  tBreakEven BreakEven;
};

// The three cases.
enum class tCase : int { Worst = 0, Base = 1, Best = 2 };
constexpr int kCases = 3;
// The four saving shares of a case, in %: PotentialVorb, PotentialDurchf,
// PotentialAuswert, PotentialAnzZS, each marked when clamped.
struct tCaseShares {
  std::array<int64_t, 4> Percent{};
  std::array<bool, 4> Clamped{};
};
struct tCaseFigures {
  tEconomicsPayback Payback;     // with running costs
  extended NetSaving = 0;        // "Nettoeinsparung pro Jahr"
  extended NetPresentValue = 0;  // "Kapitalwert"
};

class tSensitivityCalc {
 public:
  // Computes everything from the record and the inputs of the appraisal
  // (running costs, useful life, rate: economics.h) and of the
  // sensitivity. Inputs out of range count as the nearest in range.
  void Calculate(const tTaviDaten& daten, const tEconomicsInputs& economics, const tSensitivityInputs& inputs);

  const tSensitivityInputs& Inputs() const { return fInputs; }
  const tEconomicsPayback& BasePayback(tComparison c) const { return fBase[Index(c)]; }
  const tSensitivityRow& Row(tComparison c, tSensitivityInput i) const {
    return fRows[Index(c)][static_cast<size_t>(i)];
  }
  // The inputs in the order of the tornado chart: the longest bar first.
  // A bar is as long as its paybacks lie apart; one end without payback
  // makes it longer than any other (the sooner its other end, the longer),
  // both ends without payback or unknown make it the shortest. Equal bars
  // keep the order of the inputs.
  const std::array<tSensitivityInput, kSensitivityInputs>& Order(tComparison c) const { return fOrder[Index(c)]; }
  const tCaseShares& Shares(tCase k) const { return fShares[static_cast<size_t>(k)]; }
  const tCaseFigures& Case(tCase k, tComparison c) const { return fCases[static_cast<size_t>(k)][Index(c)]; }

 private:
  static size_t Index(tComparison c) { return static_cast<size_t>(c); }

  tSensitivityInputs fInputs;
  std::array<tEconomicsPayback, kComparisons> fBase{};
  std::array<std::array<tSensitivityRow, kSensitivityInputs>, kComparisons> fRows{};
  std::array<std::array<tSensitivityInput, kSensitivityInputs>, kComparisons> fOrder{};
  std::array<tCaseShares, kCases> fShares{};
  std::array<std::array<tCaseFigures, kComparisons>, kCases> fCases{};
};

// The tornado order of nine bars given by their paybacks (see Order).
std::array<tSensitivityInput, kSensitivityInputs> TornadoOrder(
    const std::array<tSensitivityRow, kSensitivityInputs>& rows);

// ------------------------------------------------------------------------

template <class Meets>
tBoundary FindBoundary(int64_t min, int64_t max, int64_t base, bool cost, Meets meets) {
  tScan scan = ScanValues(min, max, base);
  for (size_t j = 0; j < scan.Count; ++j) scan.Met[j] = meets(scan.At[j]);
  return ResolveBoundary(scan, min, max, cost, meets);
}

template <class Meets>
tBoundary ResolveBoundary(const tScan& scan, int64_t min, int64_t max, bool cost, Meets meets) {
  using tKind = tBreakEven::tKind;
  // The values whose payback is known.
  std::array<int64_t, kScanIntervals + 2> at{};
  std::array<bool, kScanIntervals + 2> met{};
  size_t n = 0;
  for (size_t j = 0; j < scan.Count; ++j)
    if (scan.Met[j]) {
      at[n] = scan.At[j];
      met[n++] = *scan.Met[j];
    }
  if (n == 0) return {tKind::Unknown, 0, false};
  int changes = 0;
  size_t change = 0;
  for (size_t j = 1; j < n; ++j)
    if (met[j] != met[j - 1]) {
      ++changes;
      change = j;
    }
  if (changes > 1) return {tKind::NotUnique, 0, false};
  if (changes == 0) {
    if (!met[0]) return {tKind::NotReachable, 0, false};
    return cost ? tBoundary{tKind::UpTo, max, true} : tBoundary{tKind::From, min, true};
  }
  // Bisection between the two scanned values where it changes; a value
  // whose payback is unknown lies above the known ones and counts as the
  // upper end.
  int64_t low = at[change - 1], high = at[change];
  const bool lowMeets = met[change - 1];
  while (high - low > 1) {
    const int64_t mid = low + (high - low) / 2;
    const std::optional<bool> result = meets(mid);
    (result && *result == lowMeets ? low : high) = mid;
  }
  return lowMeets ? tBoundary{tKind::UpTo, low, false} : tBoundary{tKind::From, high, false};
}
