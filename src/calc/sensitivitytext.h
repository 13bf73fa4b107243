// The texts of the sensitivity as the payback dialog's page "Sensitivität"
// and the printout "Ausdruck Sensitivität" show them, in the forms of
// economicstext.h (the user's decimal separator, no padding; a figure
// that cannot be computed is a row of asterisks).
//
//   caption     "Zeitstudien pro Jahr", "Kostensatz", ...
//   value       "120", "7,5 h", "50 €/h", "90 %", "5480 €"; a value cut
//               at its field's range is marked "*" ("100 %*")
//   break-even  "ab 15", "ab 6,1 h", "bis 14300 €", "nicht erreichbar",
//               "nicht eindeutig"
//   payback     "3,1 Monate", "sofort", "keine Amortisation", and marked
//               against the target: "3,1 Monate – im Soll",
//               "keine Amortisation – über Soll"
#pragma once

#include <string>

#include "sensitivity.h"

// The caption of an input ("Zeitstudien pro Jahr").
std::string SensitivityCaption(tSensitivityInput input);
// The caption of a comparison: "Zeitstudiensystem – Manuelle
// Datenermittlung" and the others as on the results page.
std::string ComparisonCaption(tComparison c);
// A value of an input with its unit.
std::string SensitivityValueText(tSensitivityInput input, extended value, bool clamped = false);
// A break-even value as the table shows it.
std::string BreakEvenText(tSensitivityInput input, const tBreakEven& breakEven);
// The payback (economicstext.h) and its mark.
std::string TargetMarkText(bool within);
std::string MarkedPaybackText(const tEconomicsPayback& payback, int32_t targetMonths);
// A payback in short, for the bars: "3,1", "sofort", "keine Amortisation".
std::string ShortPaybackText(const tEconomicsPayback& payback);

// The names of the three cases: "Schlechtester Fall", "Basisfall",
// "Bester Fall".
std::string CaseCaption(tCase k);

extern const char* const kTargetMet;          // "im Soll"
extern const char* const kTargetMissed;       // "über Soll"
extern const char* const kBreakEvenNone;      // "nicht erreichbar"
extern const char* const kBreakEvenNotUnique;  // "nicht eindeutig"
