// Formula texts of the workbook (workbook.h), in the file's formula syntax
// (English function names, comma between arguments). They refer to the
// workbook's defined names, so that each formula reads like the rule it
// computes.
#pragma once

#include <string>

namespace wbformula {

// R(x): x rounded to the nearest integer, an exact half to the even
// neighbour, as the program rounds (the spreadsheet's ROUND takes halves
// away from zero). x is any expression; it is put in parentheses.
std::string RoundHalfEven(const std::string& x);

// CumulatedCostsPL(m) of the payback computation for the month expression
// m: straight until BeginnReduzierung, then each month cheaper by one more
// Reduktionsstufe for AufwandPLSyst months, then MonthlyPLFull a month.
std::string CumulatedPL(const std::string& m);

// The advantage of comparison 1, 2 or 3 after the month expression m, with
// the running costs of the economic appraisal (manual minus time-study
// system, manual minus planned-time configuration, time-study system
// minus planned-time configuration); undiscounted.
std::string Advantage(int comparison, const std::string& m);

}  // namespace wbformula
