// The economic appraisal as CSV: a header line and one line per comparison
// (1 time-study system against manual work, 2 planned-time configuration
// against manual work, 3 planned-time configuration against the time-study
// system), separated by semicolons, lines ending in "\n", UTF-8:
//
//   Vergleich;Laufende Kosten pro Jahr;Nettoeinsparung pro Jahr;
//   Amortisation mit laufenden Kosten;Dynamische Amortisation;Kapitalwert;
//   Interner Zinsfuß;Saldo nach 1 Jahr;Saldo nach 2 Jahren;
//   Saldo nach 3 Jahren;Saldo nach Nutzungsdauer
//
// Values in full: money in euros to the cent, paybacks in months and the
// rate in percent to 0.0001, with `decimalPoint`; a payback "keine" when
// there is none and "0" when it is immediate, a rate "über 1000 %" or
// "nicht bestimmbar". A figure that cannot be computed leaves its field
// empty.
//
// The month table's CSV gains five columns from the same calculation
// (tablecsv.h): the two cumulative curves with running costs and the
// three discounted advantages D(m).
#pragma once

#include <ostream>
#include <string>

#include "extmath.h"

class tEconomicsCalc;

extern const char* const kEconomicsCsvHeader[11];
extern const char* const kTableCsvEconomicsHeader[5];

// value rounded to `decimals` digits (half to even) in fixed notation with
// decimalPoint; empty for a value that is not finite.
std::string CsvFixed(extended value, int decimals, char decimalPoint);
// A payback: months to 0.0001, "0" when immediate, "keine" when there is
// none, empty when it cannot be computed.
struct tEconomicsPayback;
std::string CsvPayback(const tEconomicsPayback& payback, char decimalPoint);

// Writes the header and the three rows. The stream's state tells whether
// it worked.
void WriteEconomicsCsv(std::ostream& out, const tEconomicsCalc& economics, char decimalPoint);
