#include "economicscsv.h"

#include <charconv>
#include <cmath>

#include "economics.h"
#include "economicstext.h"

const char* const kEconomicsCsvHeader[11] = {
    "Vergleich",
    "Laufende Kosten pro Jahr",
    "Nettoeinsparung pro Jahr",
    "Amortisation mit laufenden Kosten",
    "Dynamische Amortisation",
    "Kapitalwert",
    "Interner Zinsfuß",
    "Saldo nach 1 Jahr",
    "Saldo nach 2 Jahren",
    "Saldo nach 3 Jahren",
    "Saldo nach Nutzungsdauer",
};

const char* const kTableCsvEconomicsHeader[5] = {
    "Zeitstudiensystem Kostensummen mit laufenden Kosten",
    "Planzeitsystem Kostensummen mit laufenden Kosten",
    "Abgezinster Vorteil 1-2",
    "Abgezinster Vorteil 1-3",
    "Abgezinster Vorteil 2-3",
};

namespace {

std::string Rate(const tInternalRate& r, char point) {
  using tKind = tInternalRate::tKind;
  switch (r.Kind) {
    case tKind::Found: return CsvFixed(r.Percent, 4, point);
    case tKind::Above: return kRateAbove;
    case tKind::NotDeterminable: return kRateNotDeterminable;
    case tKind::Unknown: break;
  }
  return std::string();
}

}  // namespace

std::string CsvPayback(const tEconomicsPayback& p, char point) {
  using tKind = tEconomicsPayback::tKind;
  switch (p.Kind) {
    case tKind::Immediate: return "0";
    case tKind::Months: return CsvFixed(p.Months, 4, point);
    case tKind::None: return "keine";
    case tKind::Unknown: break;
  }
  return std::string();
}

std::string CsvFixed(extended value, int decimals, char decimalPoint) {
  if (!std::isfinite(value)) return std::string();
  char buffer[128];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return std::string();
  std::string text(buffer, result.ptr);
  // No "-0.00" for a value that rounds to zero.
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  for (char& c : text)
    if (c == '.') c = decimalPoint;
  return text;
}

void WriteEconomicsCsv(std::ostream& out, const tEconomicsCalc& economics, char point) {
  for (int i = 0; i < 11; ++i) out << (i ? ";" : "") << kEconomicsCsvHeader[i];
  out << '\n';
  for (int c = 0; c < kComparisons; ++c) {
    const tComparisonFigures& f = economics.Figures(static_cast<tComparison>(c));
    std::string line = std::to_string(c + 1);
    for (const std::string& field :
         {CsvFixed(f.RunningCosts, 2, point), CsvFixed(f.NetSaving, 2, point), CsvPayback(f.StaticPayback, point),
          CsvPayback(f.DynamicPayback, point), CsvFixed(f.NetPresentValue, 2, point), Rate(f.InternalRate, point)}) {
      line += ';';
      line += field;
    }
    for (const extended balance : f.Balance) {
      line += ';';
      line += CsvFixed(balance, 2, point);
    }
    out << line << '\n';
  }
}
