// The sheet "Eingaben": every input of the calculation, one per row, with
// its caption, its value (the unit in the number format) and its name.
#include <string>
#include <vector>

#include "economics.h"
#include "tavidaten.h"
#include "workbooksheet.h"

namespace {

using tStyle = tWorkbookCell::tStyle;

struct tInputRow {
  const char* Caption;
  const char* Name;  // nullptr: a section heading
  double Value;
  tStyle Style;
};

const char* const kDevices[] = {"QUANTORIX", "BELTORIX"};
const char* const kKaru[] = {"KARU Grundversion", "KARU Vollversion"};
const char* const kTomvil[] = {"TOMVIL Regression", "TOMVIL Kalkulation", "TOMVIL Arbeitsplanung"};

}  // namespace

void BuildInputsSheet(tWorkbookContent& content, const tTaviDaten& d, const tEconomicsCalc& economics) {
  tWorkbookSheet& sheet = content.Sheets.emplace_back();
  sheet.Name = "Eingaben";
  sheet.ColumnWidths = {52, 16, 22};
  sheet.FreezeRows = 1;
  tSheetFiller fill(content, sheet);
  fill.Text(0, 0, "Eingabe", tStyle::Head);
  fill.Text(0, 1, "Wert", tStyle::Head);
  fill.Text(0, 2, "Name", tStyle::Head);

  const tEconomicsInputs& e = economics.Inputs();
  const std::vector<tInputRow> rows = {
      {"Grunddaten", nullptr, 0, tStyle::Section},
      {"Anzahl Zeitstudien pro Jahr", "AnzZS", double(d.AnzZS), tStyle::Count},
      {"Durchschnittliche Dauer einer Zeitstudie", "DauerZS", double(d.DauerZS), tStyle::HoursTenths},
      {"Anteil Vorbereitung", "AnteilVorb", double(d.AnteilVorb), tStyle::Percent},
      {"Anteil Durchführung", "AnteilDurchf", double(d.AnteilDurchf), tStyle::Percent},
      {"Kostensatz des Zeitstudienmitarbeiters", "Stundensatz", double(d.Stundensatz), tStyle::EuroPerHour},
      {"Einsparung durch das Zeitstudiensystem", nullptr, 0, tStyle::Section},
      {"Vorbereitung", "PotentialVorb", double(d.PotentialVorb), tStyle::Percent},
      {"Durchführung", "PotentialDurchf", double(d.PotentialDurchf), tStyle::Percent},
      {"Auswertung", "PotentialAuswert", double(d.PotentialAuswert), tStyle::Percent},
      {"Einsparung durch Planzeiten", nullptr, 0, tStyle::Section},
      {"Reduzierung von Zeitstudien", "PotentialAnzZS", double(d.PotentialAnzZS), tStyle::Percent},
      {"Zeitstudiensystem", nullptr, 0, tStyle::Section},
      {"Investitionskosten System", "InvestZSSystem", double(d.InvestZSSystem), tStyle::Euro},
      {"Schulungskosten", "SchulungskostenZS", double(d.SchulungskostenZS), tStyle::Euro},
      {"Schulungstage", "SchulungstageZS", double(d.SchulungstageZS), tStyle::Days},
      {"Zusatzkosten (Fahrt, Übernachtung)", "ZusatzkostenZS", double(d.ZusatzkostenZS), tStyle::Euro},
      {"Zeitstudien- und Planzeitsystem", nullptr, 0, tStyle::Section},
      {"Investitionskosten System", "InvestPLSystem", double(d.InvestPLSystem), tStyle::Euro},
      {"Schulungskosten", "SchulungskostenPL", double(d.SchulungskostenPL), tStyle::Euro},
      {"Schulungstage", "SchulungstagePL", double(d.SchulungstagePL), tStyle::Days},
      {"Zusatzkosten (Fahrt, Übernachtung)", "ZusatzkostenPL", double(d.ZusatzkostenPL), tStyle::Euro},
      {"Monatliche Aufwandsreduzierung", nullptr, 0, tStyle::Section},
      {"Beginn der Reduzierung von Zeitstudien nach", "BeginnReduzierung", double(d.BeginnReduzierung),
       tStyle::MonthCount},
      {"Aufbau des Katalogs in", "AufwandPLSyst", double(d.AufwandPLSyst), tStyle::MonthCount},
      {"Wirtschaftlichkeit", nullptr, 0, tStyle::Section},
      {"Laufende Kosten pro Jahr, Zeitstudiensystem", "LaufendeKostenZS", double(e.RunningCostsZS), tStyle::Euro},
      {"Laufende Kosten pro Jahr, Zeitstudien+Planzeitsystem", "LaufendeKostenPL", double(e.RunningCostsPL),
       tStyle::Euro},
      {"Nutzungsdauer", "Nutzungsdauer", double(e.UsefulLife), tStyle::Years},
      {"Kalkulationszinssatz", "Kalkulationszinssatz", e.RateTenths / 10.0, tStyle::PercentTenths},
      {"Sensitivität", nullptr, 0, tStyle::Section},
      {"Soll-Amortisationszeit", "SollAmortisationszeit", double(d.Sensitivity.TargetMonths), tStyle::MonthCount},
      {"Veränderung der Eingaben", "Veraenderung", double(d.Sensitivity.Percent), tStyle::Percent},
  };
  int32_t row = 1;
  for (const tInputRow& r : rows) {
    if (!r.Name) ++row;  // a blank row before each section
    fill.Text(row, 0, r.Caption, r.Name ? tStyle::Text : tStyle::Section);
    if (r.Name) {
      fill.Number(row, 1, r.Value, r.Style);
      fill.Name(r.Name, row, 1, 2);
    }
    ++row;
  }

  // The choices behind the standard prices, for the reader: no figure
  // refers to them (the prices above are what the calculation used).
  ++row;
  fill.Text(row++, 0, "Systemauswahl", tStyle::Section);
  const auto choice = [&](const char* caption, const std::string& text) {
    fill.Text(row, 0, caption);
    fill.Text(row++, 1, text);
  };
  choice("Preise", d.ManuelleEingabe ? "individuelle Eingabe" : "Standardpreise");
  choice("Erfaßgerät", kDevices[d.Erfassgeraet ? 1 : 0]);
  choice("Farbdisplay", d.Farbdisplay ? "ja" : "nein");
  choice("Zeitstudiensystem", kKaru[d.ZSSoftwareOption ? 1 : 0]);
  choice("Planzeitsystem", kTomvil[d.PlanzeitOption <= 1 ? d.PlanzeitOption : 2]);
}
