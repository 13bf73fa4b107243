// The two axis maxima of the payback graph as the graph dialog offers them:
// the time axis in months (field "Laufzeit in Monaten", 1 to 999) and the
// cost axis in euros (field "Maximale Ausgaben", 1 to 1000000, of which the
// graph can divide only 1000 and more).
//
// The proposal is the payback computation's (ProposeGraphAxes: the latest
// payback plus three months, the manual cost over that time rounded up to
// 500 euros plus 2000), brought into the fields' ranges: a payback later
// than 996 months proposes the longest axis, a cost above the largest the
// largest. The dialog and tavi-report start from the same values.
#pragma once

#include <QString>
#include <cstdint>

class tPaybackCalc;
struct tGraphProposal;

namespace graphaxes {
constexpr int32_t kMinMonths = 1;
constexpr int32_t kMaxMonths = 999;
constexpr int32_t kMinCost = 1;
constexpr int32_t kMaxCost = 1000000;
// The least cost axis the graph can divide into thousands.
constexpr int32_t kLeastPrintableCost = 1000;
}  // namespace graphaxes

struct tGraphAxes {
  int32_t Months = 0;   // time axis, months
  int32_t MaxCost = 0;  // cost axis, euros
  bool operator==(const tGraphAxes&) const = default;
};

// A proposal brought into the fields' ranges.
tGraphAxes ClampToFields(const tGraphProposal& proposal);
// The proposal for the payback computation's results, in range.
tGraphAxes ProposedGraphAxes(const tPaybackCalc& calc);

// German messages for axis maxima the graph cannot use (empty when fine).
QString TimeAxisProblem(int64_t months);
QString CostAxisProblem(int64_t maxCost);
