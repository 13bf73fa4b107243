#include "sensitivitycsv.h"

#include <string>

#include "economicscsv.h"
#include "sensitivity.h"
#include "sensitivitytext.h"

const char* const kSensitivityCsvHeader[8] = {
    "Vergleich",          "Eingabe",           "Basiswert", "Wert niedrig", "Wert hoch", "Amortisation niedrig",
    "Amortisation hoch", "Grenzwert",
};

const char* const kCasesCsvHeader[7] = {
    "Fall",          "Amortisation 1", "Amortisation 2", "Amortisation 3",
    "Kapitalwert 1", "Kapitalwert 2",  "Kapitalwert 3",
};

namespace {

std::string BreakEven(const tBreakEven& b, const tInputField& field, char point) {
  using tKind = tBreakEven::tKind;
  switch (b.Kind) {
    case tKind::From:
    case tKind::UpTo: return CsvFixed(b.Value, field.Decimals, point);
    case tKind::NotReachable: return kBreakEvenNone;
    case tKind::NotUnique: return kBreakEvenNotUnique;
    case tKind::Unknown: break;
  }
  return std::string();
}

template <size_t N>
void Header(std::ostream& out, const char* const (&fields)[N]) {
  for (size_t i = 0; i < N; ++i) out << (i ? ";" : "") << fields[i];
  out << '\n';
}

}  // namespace

void WriteSensitivityCsv(std::ostream& out, const tSensitivityCalc& s, char point) {
  Header(out, kSensitivityCsvHeader);
  for (int c = 0; c < kComparisons; ++c) {
    const auto comparison = static_cast<tComparison>(c);
    for (int i = 0; i < kSensitivityInputs; ++i) {
      const auto input = static_cast<tSensitivityInput>(i);
      const tInputField& field = InputField(input);
      const tSensitivityRow& row = s.Row(comparison, input);
      std::string line = std::to_string(c + 1) + ';' + field.Name;
      for (const std::string& value :
           {CsvFixed(row.Base, field.Decimals, point), CsvFixed(row.Low, field.Decimals, point),
            CsvFixed(row.High, field.Decimals, point), CsvPayback(row.PaybackLow, point),
            CsvPayback(row.PaybackHigh, point), BreakEven(row.BreakEven, field, point)}) {
        line += ';';
        line += value;
      }
      out << line << '\n';
    }
  }
  out << '\n';
  Header(out, kCasesCsvHeader);
  for (int k = 0; k < kCases; ++k) {
    const auto which = static_cast<tCase>(k);
    std::string line = CaseCaption(which);
    for (int c = 0; c < kComparisons; ++c) line += ';' + CsvPayback(s.Case(which, static_cast<tComparison>(c)).Payback, point);
    for (int c = 0; c < kComparisons; ++c)
      line += ';' + CsvFixed(s.Case(which, static_cast<tComparison>(c)).NetPresentValue, 2, point);
    out << line << '\n';
  }
}
