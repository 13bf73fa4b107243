#include "graphaxes.h"

#include <algorithm>

#include "payback.h"

tGraphAxes ClampToFields(const tGraphProposal& proposal) {
  return {std::clamp(proposal.NFieldX, graphaxes::kMinMonths, graphaxes::kMaxMonths),
          std::clamp(proposal.NFieldY, graphaxes::kMinCost, graphaxes::kMaxCost)};
}

tGraphAxes ProposedGraphAxes(const tPaybackCalc& calc) { return ClampToFields(ProposeGraphAxes(calc)); }

QString TimeAxisProblem(int64_t months) {
  if (months >= graphaxes::kMinMonths && months <= graphaxes::kMaxMonths) return QString();
  return QStringLiteral("Die Laufzeit muss zwischen %1 und %2 Monaten liegen.")
      .arg(graphaxes::kMinMonths)
      .arg(graphaxes::kMaxMonths);
}

QString CostAxisProblem(int64_t maxCost) {
  if (maxCost >= graphaxes::kLeastPrintableCost && maxCost <= graphaxes::kMaxCost) return QString();
  return QStringLiteral("Die maximalen Ausgaben müssen zwischen %1 und %2 EUR liegen.")
      .arg(graphaxes::kLeastPrintableCost)
      .arg(graphaxes::kMaxCost);
}
