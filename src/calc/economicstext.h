// The figures of the economic appraisal as the payback dialog's page
// "Wirtschaftlichkeit" and the overview's page "Wirtschaftlichkeitsrechnung"
// show them: with their unit, without padding, the user's decimal
// separator (numfmt.h). A figure that cannot be computed is a row of
// asterisks.
//
//   money     whole euros, rounded half to even: "-5480 €"
//   payback   one decimal: "3,1 Monate"; "sofort"; "keine Amortisation"
//   rate      two decimals: "631,74 %"; "über 1000 %"; "nicht bestimmbar"
#pragma once

#include <string>

#include "economics.h"

std::string EconomicsMoneyText(extended euros);
std::string EconomicsPaybackText(const tEconomicsPayback& payback);
std::string EconomicsRateText(const tInternalRate& rate);

// Figure j of a comparison, in the order of the page's rows: 0 Laufende
// Kosten pro Jahr, 1 Nettoeinsparung pro Jahr, 2 Amortisation mit
// laufenden Kosten, 3 Dynamische Amortisation, 4 Kapitalwert, 5 Interner
// Zinsfuß, 6 to 8 Saldo nach 1, 2, 3 Jahren, 9 Saldo nach der
// Nutzungsdauer; empty for another j.
constexpr int kEconomicsFigures = 10;
std::string EconomicsFigureText(const tComparisonFigures& figures, int j);

// The inputs: "1200 €", "5 Jahre" ("1 Jahr"), "6,0 %".
std::string RunningCostsText(int32_t euros);
std::string UsefulLifeText(int32_t years);
std::string RateInputText(int32_t tenths);

// The texts of the kinds without a number.
extern const char* const kPaybackImmediate;     // "sofort"
extern const char* const kNoPayback;            // "keine Amortisation"
extern const char* const kRateAbove;            // "über 1000 %"
extern const char* const kRateNotDeterminable;  // "nicht bestimmbar"
