// The two axis maxima of the payback graph as the graph dialog offers them:
// the time axis in months (field "Laufzeit in Monaten", 1 to 9999999) and
// the cost axis in euros (field "Maximale Ausgaben", 1 to 2147483647, of
// which the graph can divide only 1000 and more).
//
// The proposal is the payback computation's (ProposeGraphAxes: the latest
// payback plus three months, the manual cost over that time rounded up to
// 500 euros plus 2000). The fields hold every proposal the entry ranges of
// the program allow: the latest payback is at most about 1.44 million
// months (120 000 euros paid back at one euro a year), and the proposal's
// cost is a 32-bit figure. So the proposed graph shows every crossing.
// A proposal from figures beyond those ranges (a hand-edited data file) is
// brought into the fields' ranges. The dialog and tavi-report start from
// the same values.
#pragma once

#include <QString>
#include <cstdint>

class tPaybackCalc;
struct tGraphProposal;

namespace graphaxes {
constexpr int32_t kMinMonths = 1;
constexpr int32_t kMaxMonths = 9999999;
constexpr int32_t kMinCost = 1;
constexpr int32_t kMaxCost = 2147483647;
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
