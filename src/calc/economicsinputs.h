// The inputs of the economic appraisal, per calculation: what the two
// configurations cost per year to keep (software maintenance, licences,
// device service), how long they are used and the company's discount rate.
//
// Units: running costs in whole euros per year, the useful life in years,
// the rate in tenths of a percent per year (60 is 6.0 %). The windows and
// tavi-report keep each value within its range; a value outside it is
// never stored (see dataextension.h).
#pragma once

#include <cstdint>

#include "extmath.h"

struct tEconomicsInputs {
  static constexpr int32_t kMaxRunningCosts = 999999;  // euros per year
  static constexpr int32_t kMinLife = 1;               // years
  static constexpr int32_t kMaxLife = 20;
  static constexpr int32_t kDefaultLife = 5;
  static constexpr int32_t kMaxRateTenths = 300;  // 30.0 %

  // "Laufende Kosten pro Jahr" of the time-study system (RZ) and of the
  // whole time-study plus planned-time configuration (RP).
  int32_t RunningCostsZS = 0;
  int32_t RunningCostsPL = 0;
  // "Nutzungsdauer".
  int32_t UsefulLife = kDefaultLife;
  // "Kalkulationszinssatz", 0.1 % per year.
  int32_t RateTenths = 0;

  bool operator==(const tEconomicsInputs&) const = default;
  bool IsDefault() const { return *this == tEconomicsInputs{}; }
  // Every value within its range.
  bool InRange() const {
    return RunningCostsZS >= 0 && RunningCostsZS <= kMaxRunningCosts && RunningCostsPL >= 0 &&
           RunningCostsPL <= kMaxRunningCosts && UsefulLife >= kMinLife && UsefulLife <= kMaxLife &&
           RateTenths >= 0 && RateTenths <= kMaxRateTenths;
  }
  // The yearly rate as a fraction (0.06 for 6.0 %).
  extended Rate() const { return static_cast<extended>(RateTenths) / 1000; }
};
