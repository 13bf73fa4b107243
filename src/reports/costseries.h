// The three cumulative cost curves of the reports, month by month, as the
// table prints them and the graph plots them:
//
//   manual               m × (KostenGesamt ÷ 12)
//   time-study system    m × MonthlyZS + CostsZS
//   planned-time system  CumulatedCostsPL(m)
//
// Units: euros; months m ≥ 0 (month 0 holds the investments). Every value
// is computed in extended precision and then held as a single-precision
// float, which is what the reports print and plot.
//
// The differences (the cost of one month, the savings of one system over
// another) are formed from the extended curves before they are held as
// floats. A difference of two floats would lose whole euros once the
// cumulative costs pass a few million (after about two hundred years of
// the worked example the manual cost per month would read 3748 or 3752
// instead of 3750).
//
// The series reads the payback computation it is given (not owned) at
// every call, so it always shows the last Calculate. Nothing raises; a
// saturated computation gives NaN, which FormatReal shows as asterisks.
#pragma once

#include <cstdint>

#include "extmath.h"

class tPaybackCalc;

// Series k of the reports, in their order in the table and the graph.
enum class tSeries : int { Manual = 0, TimeStudy = 1, PlannedTime = 2 };
// The three savings columns: 1-2, 1-3, 2-3 (first series minus second).
enum class tSavingPair : int { ManualTimeStudy = 0, ManualPlannedTime = 1, TimeStudyPlannedTime = 2 };

class tCostSeries {
 public:
  explicit tCostSeries(const tPaybackCalc& calc) : fCalc(calc) {}

  // Cumulative cost after m months, investment included.
  float CumulatedCost(tSeries k, int32_t m) const;
  // Cost of month m (from the end of month m − 1 to the end of month m);
  // 0 for m ≤ 0.
  float CostInMonth(tSeries k, int32_t m) const;
  // The first series' cumulative cost minus the second's after m months.
  float Saving(tSavingPair p, int32_t m) const;
  // The curve at a time between two month ends, linear within the month:
  // CumulatedCost(T) + F × CostInMonth(T + 1) with T the whole months of
  // `months` and F the rest. Used for the payback marks and the curve
  // names, which must sit on the curve. NaN for a time that is not finite
  // or beyond the 32-bit month range; negative times give month 0.
  float ValueAt(tSeries k, extended months) const;

  // The curve in extended precision.
  extended Exact(tSeries k, int32_t m) const;

 private:
  const tPaybackCalc& fCalc;
};
