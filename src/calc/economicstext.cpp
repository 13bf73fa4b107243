#include "economicstext.h"

#include <cmath>

#include "numfmt.h"

const char* const kPaybackImmediate = "sofort";
const char* const kNoPayback = "keine Amortisation";
const char* const kRateAbove = "über 1000 %";
const char* const kRateNotDeterminable = "nicht bestimmbar";

namespace {

const std::string kEuro = " \u20AC";
const std::string kNoFigure(10, '*');

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// A number with `decimals` digits, as short as it is.
std::string Number(extended value, int decimals) { return Trimmed(FormatReal(value, 40, decimals)); }

}  // namespace

std::string EconomicsMoneyText(extended euros) {
  // Beyond about 1e15 euros no figure is plausible any more.
  if (!std::isfinite(euros) || std::fabs(euros) >= 1e15L) return kNoFigure;
  return std::to_string(Round64(euros)) + kEuro;
}

std::string EconomicsPaybackText(const tEconomicsPayback& payback) {
  using tKind = tEconomicsPayback::tKind;
  switch (payback.Kind) {
    case tKind::Immediate: return kPaybackImmediate;
    case tKind::Months: return Number(payback.Months, 1) + " Monate";
    case tKind::None: return kNoPayback;
    case tKind::Unknown: break;
  }
  return kNoFigure;
}

std::string EconomicsRateText(const tInternalRate& rate) {
  using tKind = tInternalRate::tKind;
  switch (rate.Kind) {
    case tKind::Found: return Number(rate.Percent, 2) + " %";
    case tKind::Above: return kRateAbove;
    case tKind::NotDeterminable: return kRateNotDeterminable;
    case tKind::Unknown: break;
  }
  return kNoFigure;
}

std::string RunningCostsText(int32_t euros) { return std::to_string(euros) + kEuro; }

std::string UsefulLifeText(int32_t years) { return std::to_string(years) + (years == 1 ? " Jahr" : " Jahre"); }

std::string RateInputText(int32_t tenths) { return Number(static_cast<extended>(tenths) / 10, 1) + " %"; }

std::string EconomicsFigureText(const tComparisonFigures& f, int j) {
  switch (j) {
    case 0: return EconomicsMoneyText(f.RunningCosts);
    case 1: return EconomicsMoneyText(f.NetSaving);
    case 2: return EconomicsPaybackText(f.StaticPayback);
    case 3: return EconomicsPaybackText(f.DynamicPayback);
    case 4: return EconomicsMoneyText(f.NetPresentValue);
    case 5: return EconomicsRateText(f.InternalRate);
    case 6:
    case 7:
    case 8:
    case 9: return EconomicsMoneyText(f.Balance[static_cast<size_t>(j - 6)]);
    default: return std::string();
  }
}
