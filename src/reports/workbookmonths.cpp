// The sheet "Kostenverlauf": the month table as formulas. Row m + 1 holds
// month m; the cumulative costs are formulas of the month and the results'
// named figures, the cost of a month the difference of two rows, and the
// savings the differences of the curves. The cached values are the
// table's (costseries.h).
#include <string>

#include "costseries.h"
#include "tablecsv.h"
#include "workbookformulas.h"
#include "workbooksheet.h"

namespace {

using tStyle = tWorkbookCell::tStyle;

// The column letter of column 0 to 9.
char Letter(int col) { return static_cast<char>('A' + col); }

}  // namespace

void BuildMonthSheet(tWorkbookContent& content, const tPaybackCalc& calc, int32_t lastMonth) {
  tWorkbookSheet& sheet = content.Sheets.emplace_back();
  sheet.Name = "Kostenverlauf";
  sheet.ColumnWidths = {8, 18, 18, 18, 18, 18, 18, 18, 18, 18};
  sheet.FreezeRows = 1;
  sheet.FreezeCols = 1;
  sheet.Landscape = true;
  content.LastMonth = lastMonth;
  tSheetFiller fill(content, sheet);
  for (int col = 0; col < 10; ++col) fill.Text(0, col, kTableCsvHeader[col], tStyle::Head);

  const tCostSeries series(calc);
  const tSeries kinds[] = {tSeries::Manual, tSeries::TimeStudy, tSeries::PlannedTime};
  const tSavingPair pairs[] = {tSavingPair::ManualTimeStudy, tSavingPair::ManualPlannedTime,
                               tSavingPair::TimeStudyPlannedTime};
  // The cumulative columns C, E, G, and the pairs of them the savings take.
  const int sums[] = {2, 4, 6};
  const int pairCols[3][2] = {{2, 4}, {2, 6}, {4, 6}};
  sheet.Cells.reserve(static_cast<size_t>(lastMonth + 2) * 10);
  for (int32_t m = 0; m <= lastMonth; ++m) {
    const int32_t row = m + 1;
    const std::string r = std::to_string(row + 1);  // the row's number in A1 references
    const std::string previous = std::to_string(row);
    const std::string month = "A" + r;
    fill.Number(row, 0, m, tStyle::Count);
    const std::string cumulative[] = {month + "*MonthlyManual", month + "*MonthlyZS+CostsZS",
                                      wbformula::CumulatedPL(month)};
    for (int k = 0; k < 3; ++k) {
      const char sum = Letter(sums[k]);
      if (m == 0)
        fill.Number(row, sums[k] - 1, 0, tStyle::Euro);
      else
        fill.Formula(row, sums[k] - 1, std::string(1, sum) + r + "-" + sum + previous,
                     series.CostInMonth(kinds[k], m), tStyle::Euro);
      fill.Formula(row, sums[k], cumulative[k], series.CumulatedCost(kinds[k], m), tStyle::Euro);
    }
    for (int p = 0; p < 3; ++p)
      fill.Formula(row, 7 + p, std::string(1, Letter(pairCols[p][0])) + r + "-" + Letter(pairCols[p][1]) + r,
                   series.Saving(pairs[p], m), tStyle::Euro);
  }
}
