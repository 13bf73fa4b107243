// The figures and texts of the overview printout's three cover sheets, by
// the number of the data field that shows them. Each sheet's layout file
// places data fields; the sheet answers each field's number with its text.
//
// Formats: I(w) is FormatInteger(value, w), R(w, d) FormatReal(value, w, d)
// (right-aligned in at least w characters: a text that fits w is exactly
// FormatInteger's or FormatReal's, a larger figure is written in full, see
// FormatFigure and FormatRealInFull; the user's decimal separator). Money in whole euros, hours per year
// and per month, shares in percent, paybacks in months. "÷ 12" divides a
// yearly figure in extended precision; "÷ 12 rounded" then rounds it to the
// nearest integer, halves to even. A balance that cannot be computed (a
// saturated figure) and a NaN are asterisks. A payback period that was not
// found is "keine", and the unit beside it (a data field of its own) stays
// empty; otherwise the unit reads "Monate".
//
// A number a sheet does not know gives no text (std::nullopt): the data
// field then prints its own default, so a wrong number in a layout shows.
//
// Page 1: base data, hours, costs and savings
//   0 AnzZS I(5)      1 DauerZS R(6,1)
//   2–5 AnteilVorb, AnteilDurchf, AnteilAuswert, Stundensatz I(5)
//   6–9 StundenGesamt, -Vorb, -Durchf, -Auswert I(5)
//   10–13 KostenGesamt, -Vorb, -Durchf, -Auswert I(5)
//   14–17 the hours of 6–9 ÷ 12 R(6,1)      18–21 the costs of 10–13 ÷ 12 rounded I(5)
//   22 PotentialGesamt R(6,1)      23–25 PotentialVorb, -Durchf, -Auswert I(5)
//   26–29 EinsparungStundenZS, -Vorb, -Durchf, -Auswert I(5)
//   30–33 EinsparungKostenZS, -Vorb, -Durchf, -Auswert I(5)
//   34–37 the hours of 26–29 ÷ 12 R(6,1)    38–41 the costs of 30–33 ÷ 12 rounded I(5)
//   42 PotentialAnzZS I(5)   43 PotentialGesamt R(6,1)   44 Gesamteinsparung R(6,1)
//   45–47 EinsparungStundenPlanzeit, RestEinsparungStunden, EinsparungStundenGesamt I(5)
//   48–50 EinsparungKostenPlanzeit, RestEinsparungKosten, EinsparungKostenGesamt I(5)
//   51–53 the hours of 45–47 ÷ 12 R(6,1)    54–56 the costs of 48–50 ÷ 12 rounded I(5)
// Page 2: saving shares with their justifications; the time-study system
//   0, 5, 10, 15 PotentialVorb, -Durchf, -Auswert, PotentialAnzZS I(5), each
//   followed by lines 1–4 of its justification (1–4, 6–9, 11–14, 16–19)
//   20–22 InvestZSSystem, SchulungskostenZS, ZusatzkostenZS I(5)   23 their sum I(5)
//   24 PaybackZS R(5,1)   25 EinsparungKostenZS I(5)
//   26–28 the balance after 1, 2, 3 years, k × EinsparungKostenZS − CostsZS I(5)
//   30 the unit beside 24
// Page 3: the time-study plus planned-time system
//   0–2 InvestPLSystem, SchulungskostenPL, ZusatzkostenPL I(6)   3 CostsPL I(6)
//   4–5 BeginnReduzierung, AufwandPLSyst I(5)
//   6 ReductionPerMonth R(6,2)   7 ReductionPerMonth ÷ 100 × AnzZS ÷ 12 R(6,2)
//   8 PaybackPL R(6,1)   9 EinsparungKostenGesamt I(6)
//   10–12 the balance against manual work after 1, 2, 3 years I(6)
//   13 PaybackPLZS R(6,1)   14 EinsparungKostenGesamt − EinsparungKostenZS I(6)
//   15–17 the advantage over the time-study system after 1, 2, 3 years I(6)
//   18–22 lines 1–5 of the investment justification
//   23, 24 the units beside 8 and 13
// A justification line k is the k-th wrapped line with blanks and control
// characters removed at both ends, or empty when there are fewer lines. A
// text with more lines than the sheet shows (4 on page 2, 5 on page 3) is
// cut there, and its last shown line ends in " …" so that the reader knows
// the text goes on (it is complete in the program).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class tTaviDaten;
class tPaybackCalc;

// Wrapped lines of a justification text, as the print job made them.
using tWrappedLines = std::vector<std::string>;

std::optional<std::string> CoverSheet1Text(int order, const tTaviDaten& record);
// justification: the wrapped lines of BegruendungVorbereitung,
// -Durchfuehrung, -Auswertung and -AnzahlZS, in this order.
std::optional<std::string> CoverSheet2Text(int order, const tTaviDaten& record, const tPaybackCalc& calc,
                                           const std::array<tWrappedLines, 4>& justification);
// investment: the wrapped lines of BegruendungInvestition.
std::optional<std::string> CoverSheet3Text(int order, const tTaviDaten& record, const tPaybackCalc& calc,
                                           const tWrappedLines& investment);

// Line k (1-based) of the lines, trimmed of blanks and control characters
// at both ends; empty when there is no such line. When k is the last of the
// `shown` lines and more follow, " …" is appended.
std::string JustificationLine(const tWrappedLines& lines, int k, int shown);
