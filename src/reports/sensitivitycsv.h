// The sensitivity as CSV: semicolon-separated, lines ending in "\n",
// UTF-8. First a header line and one line per comparison (1, 2, 3) and
// input, in the order of the inputs:
//
//   Vergleich;Eingabe;Basiswert;Wert niedrig;Wert hoch;
//   Amortisation niedrig;Amortisation hoch;Grenzwert
//
// Eingabe is the record's field name (AnzZS, DauerZS, Stundensatz,
// PotentialVorb, PotentialDurchf, PotentialAuswert, PotentialAnzZS,
// Gesamtkosten, LaufendeKosten); values at their field's precision (whole
// numbers, DauerZS to a tenth), paybacks in months to 0.0001 ("keine"
// without payback, "0" when immediate), the break-even value as a number,
// "nicht erreichbar" or "nicht eindeutig". Then a blank line and the three
// cases:
//
//   Fall;Amortisation 1;Amortisation 2;Amortisation 3;Kapitalwert 1;
//   Kapitalwert 2;Kapitalwert 3
//
// with the rows "Schlechtester Fall", "Basisfall", "Bester Fall", money to
// the cent. Decimal mark `decimalPoint`; a figure that cannot be computed
// leaves its field empty.
#pragma once

#include <ostream>

class tSensitivityCalc;

extern const char* const kSensitivityCsvHeader[8];
extern const char* const kCasesCsvHeader[7];

// Writes both tables. The stream's state tells whether it worked.
void WriteSensitivityCsv(std::ostream& out, const tSensitivityCalc& sensitivity, char decimalPoint);
