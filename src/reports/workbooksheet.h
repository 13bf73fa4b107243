// Filling one sheet of the workbook content (workbook.h): cells by row and
// column, and the defined names of the workbook. Used by the builders of
// the sheets; not part of the workbook's interface.
#pragma once

#include <cmath>
#include <string>

#include "extmath.h"
#include "workbook.h"

class tSheetFiller {
 public:
  using tStyle = tWorkbookCell::tStyle;
  using tKind = tWorkbookCell::tKind;

  tSheetFiller(tWorkbookContent& content, tWorkbookSheet& sheet) : fContent(content), fSheet(sheet) {}

  void Text(int32_t row, int32_t col, const std::string& text, tStyle style = tStyle::Text) {
    tWorkbookCell& c = Add(row, col, tKind::Text, style);
    c.Text = text;
  }
  void Number(int32_t row, int32_t col, double value, tStyle style) {
    tWorkbookCell& c = Add(row, col, tKind::Number, style);
    c.Value = value;
  }
  // A formula with the program's value as its cached result; a value that
  // is not a number (a figure that left the 32-bit range) is cached as
  // asterisks, as the program shows it.
  void Formula(int32_t row, int32_t col, const std::string& formula, extended value, tStyle style) {
    tWorkbookCell& c = Add(row, col, tKind::Formula, style);
    c.Formula = "=" + formula;
    if (std::isfinite(value)) {
      c.Value = static_cast<double>(value);
    } else {
      c.CachedText = true;
      c.Text = "********";
    }
  }
  void FormulaText(int32_t row, int32_t col, const std::string& formula, const std::string& cached, tStyle style) {
    tWorkbookCell& c = Add(row, col, tKind::Formula, style);
    c.Formula = "=" + formula;
    c.CachedText = true;
    c.Text = cached;
  }
  // Defines `name` for the cell at row, col and writes it into nameCol of
  // the same row.
  void Name(const std::string& name, int32_t row, int32_t col, int32_t nameCol) {
    fContent.Names.push_back({name, fSheet.Name, row, col});
    Text(row, nameCol, name, tStyle::Name);
  }

 private:
  tWorkbookCell& Add(int32_t row, int32_t col, tKind kind, tStyle style) {
    tWorkbookCell& c = fSheet.Cells.emplace_back();
    c.Row = row;
    c.Col = col;
    c.Kind = kind;
    c.Style = style;
    return c;
  }

  tWorkbookContent& fContent;
  tWorkbookSheet& fSheet;
};

// The sheets, each filled into the content.
void BuildInputsSheet(tWorkbookContent& content, const tTaviDaten& daten, const tEconomicsCalc& economics);
void BuildResultsSheet(tWorkbookContent& content, const tTaviDaten& daten, const tPaybackCalc& calc,
                       const tEconomicsCalc& economics);
void BuildMonthSheet(tWorkbookContent& content, const tPaybackCalc& calc, int32_t lastMonth);
