// The comparison of calculations as CSV (tavi-report compare --csv):
// semicolon-separated, lines ending in "\n", UTF-8.
//
//   Zeile;<file 1>;<file 2>[;<file 3>[;<file 4>]]
//   Firma;<company 1>;…
//   Grunddaten: Zeitstudien pro Jahr;2000;…
//   …one line per row of CompareRows(), "<section>: <caption>"
//
// Values in full: money in euros to the cent, months to 0.0001, the base
// data as entered, with `decimalPoint`; a payback "keine" when there is
// none and 0 when it is immediate; a figure that cannot be computed leaves
// its field empty. A text holding ";", a quote or a line break is quoted
// ("…", quotes doubled).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "comparefigures.h"

std::string CompareCellCsv(const tCompareRowSpec& row, const tCompareCell& cell, char decimalPoint);

// Writes the header and the rows. The stream's state tells whether it
// worked.
void WriteCompareCsv(std::ostream& out, const std::vector<tCompareColumn>& columns, char decimalPoint);
