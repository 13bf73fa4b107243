#include "costseries.h"

#include <cmath>
#include <limits>

#include "payback.h"

extended tCostSeries::Exact(tSeries k, int32_t m) const {
  switch (k) {
    case tSeries::Manual: return fCalc.CumulatedCostsManual(m);
    case tSeries::TimeStudy: return fCalc.CumulatedCostsZS(m);
    case tSeries::PlannedTime: return fCalc.CumulatedCostsPL(m);
  }
  return std::numeric_limits<extended>::quiet_NaN();
}

float tCostSeries::CumulatedCost(tSeries k, int32_t m) const { return static_cast<float>(Exact(k, m)); }

float tCostSeries::CostInMonth(tSeries k, int32_t m) const {
  if (m <= 0) return 0;
  return static_cast<float>(Exact(k, m) - Exact(k, m - 1));
}

float tCostSeries::Saving(tSavingPair p, int32_t m) const {
  switch (p) {
    case tSavingPair::ManualTimeStudy: return static_cast<float>(Exact(tSeries::Manual, m) - Exact(tSeries::TimeStudy, m));
    case tSavingPair::ManualPlannedTime:
      return static_cast<float>(Exact(tSeries::Manual, m) - Exact(tSeries::PlannedTime, m));
    case tSavingPair::TimeStudyPlannedTime:
      return static_cast<float>(Exact(tSeries::TimeStudy, m) - Exact(tSeries::PlannedTime, m));
  }
  return std::numeric_limits<float>::quiet_NaN();
}

float tCostSeries::ValueAt(tSeries k, extended months) const {
  if (!std::isfinite(months) || months >= static_cast<extended>(kInt32Max))
    return std::numeric_limits<float>::quiet_NaN();
  if (months <= 0) return CumulatedCost(k, 0);
  const auto whole = static_cast<int32_t>(std::trunc(months));
  const extended fraction = months - whole;
  return static_cast<float>(static_cast<extended>(CumulatedCost(k, whole)) + fraction * CostInMonth(k, whole + 1));
}
