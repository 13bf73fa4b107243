// The two tables of the sensitivity as the printout shows them (and the
// page "Sensitivität" its cases): the break-even values of every input for
// the three comparisons, and the three cases with each comparison's
// payback (marked against the target), yearly saving and Kapitalwert.
// Texts of sensitivitytext.h; paybacks within the target green, beyond it
// red.
#pragma once

#include "gridtable.h"
#include "sensitivity.h"

// Head: "Grenzwerte", "Vergleich 1", "Vergleich 2", "Vergleich 3"; a row
// per input in the order of the inputs.
grid::tTable BreakEvenTable(const tSensitivityCalc& sensitivity);

// Head: "Drei Fälle" and the three cases; a row with the four saving
// shares of each case, then per comparison its payback, yearly saving and
// Kapitalwert.
grid::tTable CasesTable(const tSensitivityCalc& sensitivity);

// The shares of a case: "40 | 16 | 72 | 72 %" (a clamped one with "*").
QString CaseSharesText(const tCaseShares& shares);
