// The ranges the program's entry fields and up/down controls give the
// record's inputs, as one table (field, caption, lowest, highest value),
// and the check of a record against them: a data file may hold any byte,
// and values no field accepts make no sense as figures (a share of 255 %
// gives negative costs).
//
// Besides each field's own range, the shares of preparation and execution
// may add up to 100 % at most. The option codes of the payback dialog are
// not in the table: the dialog refuses those with messages of their own.
#pragma once

#include <string>
#include <vector>

#include "extmath.h"

class tTaviDaten;

struct tFieldRange {
  const char* field;    // the record field
  const char* caption;  // as the user knows it (UTF-8)
  extended min;
  extended max;
  int decimals;  // 0: whole numbers
  extended (*value)(const tTaviDaten&);
};

extern const std::vector<tFieldRange> kFieldRanges;

// The highest sum of the shares of preparation and execution, in percent.
constexpr int kMaxShareSum = 100;

// One thing a record holds outside the ranges, as a German phrase:
// "Anteil Vorbereitung: 255 (erlaubt 0 bis 100)".
struct tRangeProblem {
  std::string fields;  // the record field, or "AnteilVorb+AnteilDurchf"
  std::string text;
};

// Every problem of the record, in table order; the shares' sum last. The
// decimal separator of numfmt.h is used.
std::vector<tRangeProblem> OutOfRange(const tTaviDaten& daten);

// The problems as one text: one line per problem, each starting with "- ";
// empty when there are none.
std::string OutOfRangeLines(const tTaviDaten& daten);
