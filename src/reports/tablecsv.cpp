#include "tablecsv.h"

#include <charconv>
#include <cmath>

#include "costseries.h"

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

void WriteTableCsv(std::ostream& out, const tCostSeries& series, int32_t monthCount, char decimalPoint) {
  for (int i = 0; i < 10; ++i) out << (i ? ";" : "") << kTableCsvHeader[i];
  out << '\n';
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
    line += '\n';
    out << line;
  }
}
