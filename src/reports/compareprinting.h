// The printout "Vergleich der Berechnungen": two to four calculations side
// by side on one landscape page below the page header. A column per
// calculation (company and file name at the top), a row per figure of
// CompareRows(), grouped under their headings; the best value of a row is
// bold on a light green ground (every page of this report can also be read
// in black and white: bold alone marks it).
//
// The report copies the columns it is given. Units: page units of 0.1 mm.
// Errors: the constructor raises EDevException with a German message for
// fewer than two or more than four columns and for a page too small for
// the table (row height below 2.5 mm).
#pragma once

#include <vector>

#include "comparefigures.h"
#include "printing.h"

class tComparePrinting : public tPrinting {
 public:
  // reportInfo: the line under the header title ("Bearbeitet von …").
  tComparePrinting(std::vector<tCompareColumn> columns, const QString& reportInfo);

  void BuildPages() override;
  void RecordPage(int32_t number) override;

  // The row height the page gives the table (0.1 mm), at most 5 mm.
  int32_t RowHeight() const;

 private:
  int32_t RowCount() const;
  std::vector<tCompareColumn> fColumns;
  QString fInfo;
};
