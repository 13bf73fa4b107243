#include "tablecsv.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "costseries.h"
#include "economics.h"
#include "economicscsv.h"

const char* const kTableCsvHeader[10] = {
    "Monat",
    "Manuell Kosten pro Monat",
    "Manuell Kostensummen",
    "Zeitstudiensystem Kosten pro Monat",
    "Zeitstudiensystem Kostensummen",
    "Planzeitsystem Kosten pro Monat",
    "Planzeitsystem Kostensummen",
    "Kostenersparnis 1-2",
    "Kostenersparnis 1-3",
    "Kostenersparnis 2-3",
};

std::string CsvNumber(float value, char decimalPoint) {
  if (!std::isfinite(value)) return std::string();
  if (value == 0) value = 0;  // no "-0"
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
  for (char& c : text)
    if (c == '.') c = decimalPoint;
  return text;
}

void WriteTableCsv(std::ostream& out, const tCostSeries& series, int32_t monthCount, char decimalPoint,
                   const tEconomicsCalc* economics) {
  for (int i = 0; i < 10; ++i) out << (i ? ";" : "") << kTableCsvHeader[i];
  if (economics)
    for (const char* name : kTableCsvEconomicsHeader) out << ';' << name;
  out << '\n';
  std::vector<tDiscountedAdvantage> discounted;
  if (economics)
    for (int c = 0; c < kComparisons; ++c) discounted.emplace_back(*economics, static_cast<tComparison>(c));
  const tSeries kinds[] = {tSeries::Manual, tSeries::TimeStudy, tSeries::PlannedTime};
  const tSavingPair pairs[] = {tSavingPair::ManualTimeStudy, tSavingPair::ManualPlannedTime,
                               tSavingPair::TimeStudyPlannedTime};
  std::string line;
  for (int64_t m64 = 0; m64 <= monthCount && out; ++m64) {
    const auto m = static_cast<int32_t>(m64);
    line = std::to_string(m);
    for (const tSeries k : kinds) {
      line += ';';
      line += CsvNumber(series.CostInMonth(k, m), decimalPoint);
      line += ';';
      line += CsvNumber(series.CumulatedCost(k, m), decimalPoint);
    }
    for (const tSavingPair p : pairs) {
      line += ';';
      line += CsvNumber(series.Saving(p, m), decimalPoint);
    }
    if (economics) {
      for (const extended value : {economics->CumulatedCostsZS(m), economics->CumulatedCostsPL(m)}) {
        line += ';';
        line += CsvFixed(value, 2, decimalPoint);
      }
      for (tDiscountedAdvantage& d : discounted) {
        line += ';';
        line += CsvFixed(d.Next(), 2, decimalPoint);
      }
    }
    line += '\n';
    out << line;
  }
}
