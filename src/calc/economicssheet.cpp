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
  const tComparisonFigures& f = e.Figures(static_cast<tComparison>(comparison));
  switch (figure) {
    case 0: return EconomicsMoneyText(f.RunningCosts);
    case 1: return EconomicsMoneyText(f.NetSaving);
    case 2: return EconomicsPaybackText(f.StaticPayback);
    case 3: return EconomicsPaybackText(f.DynamicPayback);
    case 4: return EconomicsMoneyText(f.NetPresentValue);
    case 5: return EconomicsRateText(f.InternalRate);
    default: return EconomicsMoneyText(f.Balance[static_cast<size_t>(figure - 6)]);
  }
}
