// The figures of one calculation side by side with others ("Berechnungen
// vergleichen"): computed from a record the way the payback dialog computes
// them when it opens (standard prices from the price list in standard-price
// mode), as one table of rows that the comparison dialog, its printout and
// tavi-report's CSV all show.
//
// Each row has a caption, a kind of value and which value is the best
// (the highest, the lowest, or none for the base data). A payback is best
// when it is the shortest; "sofort" beats any period, and no payback loses
// to every period. A figure that cannot be computed (it left the 32-bit
// range) takes no part in the ranking.
//
// Units: money in euros, hours, percent, months.
#pragma once

#include <string>
#include <vector>

#include "extmath.h"

class tTaviDaten;

enum class tCompareUnit { Count, Hours, Percent, EuroPerHour, Euro, Months };
enum class tCompareBetter { None, Higher, Lower };

struct tCompareCell {
  enum class tKind { Value, Immediate, NoPayback, Unknown };
  tKind kind = tKind::Value;
  extended value = 0;  // for Value
};

struct tCompareRowSpec {
  const char* section;  // heading of the group the row belongs to
  const char* caption;
  tCompareUnit unit;
  tCompareBetter better;
  int decimals;  // of the shown value
};

// One calculation of a comparison: whose it is, from which file, its cells.
struct tCompareColumn {
  std::string company;  // "Firma" of the company data (UTF-8)
  std::string file;     // the file's name as shown (UTF-8)
  std::vector<tCompareCell> cells;
};
// The most calculations compared at once.
constexpr int kMaxCompared = 4;

// The rows, in the order shown.
const std::vector<tCompareRowSpec>& CompareRows();

// One calculation's cells, one per row of CompareRows(). The record is
// taken as stored; a record whose option codes the payback dialog refuses
// is the caller's to refuse (UnknownOptionMessage).
std::vector<tCompareCell> ComputeCompareCells(const tTaviDaten& record);
tCompareColumn CompareColumn(const tTaviDaten& record, const std::string& file);

// Which cells of one row (one per calculation) hold the best value; none
// when the row ranks nothing or all comparable values are equal.
std::vector<bool> BestCells(const tCompareRowSpec& row, const std::vector<tCompareCell>& cells);

// A cell as the dialog and the printout show it, with unit and the user's
// decimal separator: "2000", "8,0 h", "60 €/h", "30 %", "-5480 €",
// "3,1 Monate", "sofort", "keine", asterisks when not computable.
std::string CompareCellText(const tCompareRowSpec& row, const tCompareCell& cell);
