// The texts of the overview's page "Wirtschaftlichkeitsrechnung" (layout
// file BLATT4.CFM) by the number of the data field that shows them, in the
// forms of economicstext.h:
//
//   0  Laufende Kosten pro Jahr, Zeitstudiensystem          "1200 €"
//   1  Laufende Kosten pro Jahr, Zeitstudien+Planzeitsystem  "2400 €"
//   2  Nutzungsdauer                                         "5 Jahre"
//   3  Kalkulationszinssatz                                  "6,0 %"
//   10 + j, 20 + j, 30 + j: figure j of comparison 1, 2, 3 (time-study
//   system against manual work, planned-time configuration against manual
//   work, planned-time configuration against the time-study system):
//     j = 0 Laufende Kosten pro Jahr      1 Nettoeinsparung pro Jahr
//         2 Amortisation mit laufenden Kosten   3 Dynamische Amortisation
//         4 Kapitalwert                   5 Interner Zinsfuß
//         6, 7, 8 Saldo nach 1, 2, 3 Jahren    9 Saldo nach der Nutzungsdauer
//
// Any other number gives no text (std::nullopt): the data field prints its
// own default, so a wrong number in the layout shows.
#pragma once

#include <optional>
#include <string>

class tEconomicsCalc;

std::optional<std::string> CoverSheet4Text(int order, const tEconomicsCalc& economics);

// The highest data field number of the page.
constexpr int kCoverSheet4LastField = 39;
