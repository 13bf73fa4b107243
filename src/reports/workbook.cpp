#include "workbook.h"

#include "workbooksheet.h"

const tWorkbookCell* tWorkbookSheet::At(int32_t row, int32_t col) const {
  for (const tWorkbookCell& c : Cells)
    if (c.Row == row && c.Col == col) return &c;
  return nullptr;
}

const tWorkbookSheet* tWorkbookContent::Sheet(const std::string& name) const {
  for (const tWorkbookSheet& s : Sheets)
    if (s.Name == name) return &s;
  return nullptr;
}

const tWorkbookName* tWorkbookContent::FindName(const std::string& name) const {
  for (const tWorkbookName& n : Names)
    if (n.Name == name) return &n;
  return nullptr;
}

tWorkbookContent BuildWorkbook(const tTaviDaten& daten, const tPaybackCalc& calc, const tEconomicsCalc& economics,
                               int32_t years) {
  if (years < 0) years = 0;
  if (years > kWorkbookMaxYears) years = kWorkbookMaxYears;
  tWorkbookContent content;
  BuildInputsSheet(content, daten, economics);
  BuildResultsSheet(content, daten, calc, economics);
  BuildMonthSheet(content, calc, 12 * years);
  return content;
}
