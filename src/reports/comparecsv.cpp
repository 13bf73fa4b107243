#include "comparecsv.h"

#include "economicscsv.h"

namespace {

std::string Field(const std::string& text) {
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string CompareCellCsv(const tCompareRowSpec& row, const tCompareCell& cell, char decimalPoint) {
  using tKind = tCompareCell::tKind;
  switch (cell.kind) {
    case tKind::Immediate:
      return "0";
    case tKind::NoPayback:
      return "keine";
    case tKind::Unknown:
      return {};
    case tKind::Value:
      break;
  }
  const int decimals = row.unit == tCompareUnit::Euro ? 2 : row.unit == tCompareUnit::Months ? 4 : row.decimals;
  return CsvFixed(cell.value, decimals, decimalPoint);
}

void WriteCompareCsv(std::ostream& out, const std::vector<tCompareColumn>& columns, char decimalPoint) {
  out << "Zeile";
  for (const tCompareColumn& c : columns) out << ';' << Field(c.file);
  out << "\nFirma";
  for (const tCompareColumn& c : columns) out << ';' << Field(c.company);
  out << '\n';
  const auto& rows = CompareRows();
  for (size_t r = 0; r < rows.size(); ++r) {
    out << Field(std::string(rows[r].section) + ": " + rows[r].caption);
    for (const tCompareColumn& c : columns) out << ';' << CompareCellCsv(rows[r], c.cells[r], decimalPoint);
    out << '\n';
  }
}
