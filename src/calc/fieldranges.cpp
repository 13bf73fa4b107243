#include "fieldranges.h"

#include <cmath>

#include "numfmt.h"
#include "tavidaten.h"

const std::vector<tFieldRange> kFieldRanges = {
    {"AnzZS", "Anzahl Zeitstudien pro Jahr", 0, 99999, 0, [](const tTaviDaten& d) -> extended { return d.AnzZS; }},
    {"DauerZS", "Durchschnittliche Dauer einer Zeitstudie", 0, 999.9L, 1,
     [](const tTaviDaten& d) -> extended { return d.DauerZS; }},
    {"AnteilVorb", "Anteil Vorbereitung", 0, 100, 0, [](const tTaviDaten& d) -> extended { return d.AnteilVorb; }},
    {"AnteilDurchf", "Anteil Durchführung", 0, 100, 0,
     [](const tTaviDaten& d) -> extended { return d.AnteilDurchf; }},
    {"Stundensatz", "Kostensatz des Zeitstudienmitarbeiters", 0, 255, 0,
     [](const tTaviDaten& d) -> extended { return d.Stundensatz; }},
    {"PotentialVorb", "Einsparung Vorbereitung", 0, 100, 0,
     [](const tTaviDaten& d) -> extended { return d.PotentialVorb; }},
    {"PotentialDurchf", "Einsparung Durchführung", 0, 100, 0,
     [](const tTaviDaten& d) -> extended { return d.PotentialDurchf; }},
    {"PotentialAuswert", "Einsparung Auswertung", 0, 100, 0,
     [](const tTaviDaten& d) -> extended { return d.PotentialAuswert; }},
    {"PotentialAnzZS", "Reduzierung von Zeitstudien", 0, 100, 0,
     [](const tTaviDaten& d) -> extended { return d.PotentialAnzZS; }},
    {"InvestZSSystem", "Investitionskosten Zeitstudiensystem", 0, 99999, 0,
     [](const tTaviDaten& d) -> extended { return d.InvestZSSystem; }},
    {"SchulungskostenZS", "Schulungskosten Zeitstudiensystem", 0, 10000, 0,
     [](const tTaviDaten& d) -> extended { return d.SchulungskostenZS; }},
    {"ZusatzkostenZS", "Zusatzkosten Zeitstudiensystem", 0, 10000, 0,
     [](const tTaviDaten& d) -> extended { return d.ZusatzkostenZS; }},
    {"InvestPLSystem", "Investitionskosten Zeitstudien- und Planzeitsystem", 0, 99999, 0,
     [](const tTaviDaten& d) -> extended { return d.InvestPLSystem; }},
    {"SchulungskostenPL", "Schulungskosten Zeitstudien- und Planzeitsystem", 0, 10000, 0,
     [](const tTaviDaten& d) -> extended { return d.SchulungskostenPL; }},
    {"ZusatzkostenPL", "Zusatzkosten Zeitstudien- und Planzeitsystem", 0, 10000, 0,
     [](const tTaviDaten& d) -> extended { return d.ZusatzkostenPL; }},
    {"BeginnReduzierung", "Beginn der Reduzierung von Zeitstudien nach", 0, 99, 0,
     [](const tTaviDaten& d) -> extended { return d.BeginnReduzierung; }},
    {"AufwandPLSyst", "Aufbau des Katalogs in", 0, 99, 0,
     [](const tTaviDaten& d) -> extended { return d.AufwandPLSyst; }},
    {"SchulungstageZS", "Schulungstage Zeitstudiensystem", 0, 10, 0,
     [](const tTaviDaten& d) -> extended { return d.SchulungstageZS; }},
    {"SchulungstagePL", "Schulungstage Zeitstudien- und Planzeitsystem", 0, 10, 0,
     [](const tTaviDaten& d) -> extended { return d.SchulungstagePL; }},
};

namespace {

// A value as the user would type it; "keine Zahl" for what is none.
std::string Shown(extended value, int decimals) {
  if (std::isnan(value) || std::isinf(value)) return "keine Zahl";
  std::string text = FormatReal(value, 40, decimals);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

}  // namespace

std::vector<tRangeProblem> OutOfRange(const tTaviDaten& d) {
  std::vector<tRangeProblem> problems;
  for (const tFieldRange& r : kFieldRanges) {
    const extended v = r.value(d);
    if (v >= r.min && v <= r.max) continue;  // NaN fails both
    problems.push_back({r.field, std::string(r.caption) + ": " + Shown(v, r.decimals) + " (erlaubt " +
                                     Shown(r.min, r.decimals) + " bis " + Shown(r.max, r.decimals) + ")"});
  }
  const int sum = int(d.AnteilVorb) + int(d.AnteilDurchf);
  if (sum > kMaxShareSum)
    problems.push_back({"AnteilVorb+AnteilDurchf",
                        "Anteil Vorbereitung und Anteil Durchführung: zusammen " + std::to_string(sum) +
                            " % (erlaubt höchstens " + std::to_string(kMaxShareSum) + " %)"});
  return problems;
}

std::string OutOfRangeLines(const tTaviDaten& d) {
  std::string lines;
  for (const tRangeProblem& p : OutOfRange(d)) {
    if (!lines.empty()) lines += '\n';
    lines += "- " + p.text;
  }
  return lines;
}
