// The figures of one calculation as a spreadsheet workbook that a
// controller can follow and reuse: the inputs as named cells, the results
// and the month table as formulas over them, and a line chart of the three
// cost curves.
//
// Sheets, in this order:
//   "Eingaben"       every input with its caption and unit, each a named cell
//                    (the name in the third column)
//   "Ergebnisse"     the base figures of the three calculation pages, the
//                    results page and the economic appraisal; a formula
//                    where the figure is a closed formula of the inputs, a
//                    value where the program searches month by month
//   "Kostenverlauf"  months 0 to 12 × years: the three cumulative cost
//                    curves, the cost of each month and the three savings
//   "Grafik"         the three cumulative curves as a line chart
//
// Every formula carries its cached value, which is the program's own value
// (the month table's as it prints them), so a reader that does not
// recalculate shows the same figures. Roundings follow the program: halves
// to the even neighbour (RoundHalfEvenFormula).
//
// The content is built as plain data first (BuildWorkbook), so that it can
// be checked cell by cell; WriteWorkbookXlsx turns it into a file with
// libxlsxwriter. Units: money in euros, hours, months; row and column
// numbers count from 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class tTaviDaten;
class tPaybackCalc;
class tEconomicsCalc;

// The most years the sheet "Kostenverlauf" takes (12001 rows).
constexpr int32_t kWorkbookMaxYears = 1000;

struct tWorkbookCell {
  enum class tKind { Text, Number, Formula };
  // How the cell looks; the units are part of the number formats.
  enum class tStyle {
    Title,          // bold, larger
    Head,           // bold on grey, wrapped
    Section,        // bold
    Text,
    Name,           // the defined name beside an input or result (grey)
    Count,          // #,##0
    Euro,           // #,##0 €
    EuroPerHour,    // 0 €/Stunde
    Hours,          // #,##0 h
    HoursTenths,    // #,##0.0 h
    Percent,        // 0 %
    PercentTenths,  // 0.0 %
    PercentHundredths,  // 0.00 %
    Months,         // 0.0 Monate
    MonthCount,     // 0 Monate (an input, or the month column)
    Years,          // 0 Jahre
    Days,           // 0 Tage
    Studies,        // 0.00 (time studies per month)
  };
  int32_t Row = 0;
  int32_t Col = 0;
  tKind Kind = tKind::Text;
  tStyle Style = tStyle::Text;
  std::string Text;     // Text: the text; Formula: the cached result when it is a text
  std::string Formula;  // Formula: "=…" in the file's (English) formula syntax
  double Value = 0;     // Number: the value; Formula: the cached result when it is a number
  bool CachedText = false;
};

struct tWorkbookSheet {
  std::string Name;
  std::vector<tWorkbookCell> Cells;
  std::vector<double> ColumnWidths;  // in characters, from column 0
  int32_t FreezeRows = 0;            // rows kept in view (and repeated on every printed page)
  int32_t FreezeCols = 0;
  bool Landscape = false;

  // The cell at row, col; nullptr when there is none.
  const tWorkbookCell* At(int32_t row, int32_t col) const;
};

// A defined name of the workbook, for one cell.
struct tWorkbookName {
  std::string Name;
  std::string Sheet;
  int32_t Row = 0;
  int32_t Col = 0;
};

struct tWorkbookContent {
  std::vector<tWorkbookSheet> Sheets;  // "Eingaben", "Ergebnisse", "Kostenverlauf"
  std::vector<tWorkbookName> Names;
  int32_t LastMonth = 0;               // the month of the last row of "Kostenverlauf"

  const tWorkbookSheet* Sheet(const std::string& name) const;
  const tWorkbookName* FindName(const std::string& name) const;
};

// The content for the record and the computations, which must be current
// for it (the payback computation and the appraisal the dialog or
// tavi-report made). years: 0 to kWorkbookMaxYears (clamped).
tWorkbookContent BuildWorkbook(const tTaviDaten& daten, const tPaybackCalc& calc, const tEconomicsCalc& economics,
                               int32_t years);

// Writes the workbook, with the chart sheet "Grafik", to fileName as it is
// (libxlsxwriter creates or truncates it). The answer is empty when it
// worked, else a German reason as for SaveWorkbook. For a file that does
// not yet exist and no other program sees; SaveWorkbook for the user's.
std::string WriteWorkbookXlsx(const tWorkbookContent& content, const std::string& fileName);

// Writes the workbook so that fileName either gets the whole new file or
// stays as it was (safefile.h): libxlsxwriter writes the temporary file
// beside the target, which then replaces it; links are followed, the
// target's permission bits kept, protectedFiles never replaced, and nothing
// is left behind on failure. The answer is empty when it worked, else the
// German reason without a full stop ("Datei oder Ordner nicht vorhanden
// (…)") for the caller's message.
std::string SaveWorkbook(const tWorkbookContent& content, const std::string& fileName,
                         const std::vector<std::string>& protectedFiles = {});
