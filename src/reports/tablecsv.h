// The month table as CSV, for spreadsheets and scripts: a header line and
// one line per month 0 to monthCount with the month, the six cost columns
// (cost per month and cumulative cost of manual work, of the time-study
// system and of the planned-time system) and the three savings 1-2, 1-3,
// 2-3, separated by semicolons.
//
// The values are those the table prints (single precision, see
// costseries.h), written in full: the shortest decimal text that reads back
// as the same value, without exponent, with `decimalPoint` as the decimal
// separator ("," in a German locale). A value that is not a number (a
// saturated computation) leaves its field empty. Lines end with "\n"; the
// text is ASCII and so UTF-8.
//
// Given an economic appraisal, five columns follow: the cumulative costs
// of the time-study system and of the planned-time configuration with
// running costs, and the discounted advantages D(m) of the comparisons
// 1-2, 1-3 and 2-3 (economics.h), in euros to the cent (economicscsv.h).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

class tCostSeries;
class tEconomicsCalc;

// The header line's fields, in column order.
extern const char* const kTableCsvHeader[10];

// value in full, as described above.
std::string CsvNumber(float value, char decimalPoint);

// Writes the header and the rows of months 0 to monthCount (none for a
// negative count). The stream's state tells whether it worked.
void WriteTableCsv(std::ostream& out, const tCostSeries& series, int32_t monthCount, char decimalPoint,
                   const tEconomicsCalc* economics = nullptr);
