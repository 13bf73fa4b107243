// The two inputs of the sensitivity analysis, per calculation: the payback
// period the company asks for ("Soll-Amortisationszeit") and by how much
// each estimate is lowered and raised ("Veränderung").
//
// Units: the target in whole months, the change in whole percent. The
// windows and tavi-report keep each value within its range; a value outside
// it is never stored (see dataextension.h).
#pragma once

#include <cstdint>

struct tSensitivityInputs {
  static constexpr int32_t kMinTarget = 1;  // months
  static constexpr int32_t kMaxTarget = 120;
  static constexpr int32_t kDefaultTarget = 24;
  static constexpr int32_t kMinPercent = 5;  // %
  static constexpr int32_t kMaxPercent = 50;
  static constexpr int32_t kDefaultPercent = 20;

  int32_t TargetMonths = kDefaultTarget;
  int32_t Percent = kDefaultPercent;

  bool operator==(const tSensitivityInputs&) const = default;
  bool IsDefault() const { return *this == tSensitivityInputs{}; }
  bool InRange() const {
    return TargetMonths >= kMinTarget && TargetMonths <= kMaxTarget && Percent >= kMinPercent &&
           Percent <= kMaxPercent;
  }
};
