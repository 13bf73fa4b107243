#include "economicssheet.h"

#include "economics.h"
#include "economicstext.h"

std::optional<std::string> CoverSheet4Text(int order, const tEconomicsCalc& e) {
  const tEconomicsInputs& in = e.Inputs();
  switch (order) {
    case 0: return RunningCostsText(in.RunningCostsZS);
    case 1: return RunningCostsText(in.RunningCostsPL);
    case 2: return UsefulLifeText(in.UsefulLife);
    case 3: return RateInputText(in.RateTenths);
    default: break;
  }
  const int comparison = order / 10 - 1, figure = order % 10;
  if (order < 10 || comparison >= kComparisons) return std::nullopt;
  return EconomicsFigureText(e.Figures(static_cast<tComparison>(comparison)), figure);
}
