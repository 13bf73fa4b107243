// The sheet "Ergebnisse": the base figures of the three calculation pages,
// the figures of the results page and those of the economic appraisal.
// Closed formulas of the inputs are formulas over the named cells; what
// the program finds by a month-by-month search (the paybacks of
// comparisons 2 and 3, those with running costs, the net present value
// and the internal rate) is its value.
#include <cmath>
#include <string>

#include "economics.h"
#include "economicstext.h"
#include "payback.h"
#include "tavidaten.h"
#include "workbookformulas.h"
#include "workbooksheet.h"

namespace {

using tStyle = tWorkbookCell::tStyle;
using wbformula::RoundHalfEven;

constexpr int32_t kNameCol = 5;

class tResultsFiller {
 public:
  tResultsFiller(tWorkbookContent& content, tWorkbookSheet& sheet) : fFill(content, sheet) {}

  void Heads(int32_t& row, const char* section, std::initializer_list<const char*> heads) {
    ++row;
    fFill.Text(row, 0, section, tStyle::Head);
    int32_t col = 1;
    for (const char* h : heads) fFill.Text(row, col++, h, tStyle::Head);
    fFill.Text(row, kNameCol, heads.size() > 1 ? "Name (Dauer)" : "Name", tStyle::Head);
    if (heads.size() > 1) fFill.Text(row, kNameCol + 1, "Name (Kosten)", tStyle::Head);
    ++row;
  }

  // A row of the calculation pages: hours and cost per year (named), per
  // month hours ÷ 12 and R(cost ÷ 12).
  void BaseRow(int32_t row, const char* caption, const std::string& hoursName, const std::string& hoursFormula,
               int32_t hours, const std::string& costName, const std::string& costFormula, int32_t cost) {
    fFill.Text(row, 0, caption);
    fFill.Formula(row, 1, hoursFormula, Figure(hours), tStyle::Hours);
    fFill.Formula(row, 2, costFormula, Figure(cost), tStyle::Euro);
    fFill.Formula(row, 3, hoursName + "/12", IsSaturated(hours) ? NAN : hours / 12.0L, tStyle::HoursTenths);
    fFill.Formula(row, 4, RoundHalfEven(costName + "/12"), IsSaturated(cost) ? NAN : Round32(cost / 12.0L),
                  tStyle::Euro);
    fFill.Name(hoursName, row, 1, kNameCol);
    fFill.Text(row, kNameCol + 1, costName, tStyle::Name);
    fNames.push_back({costName, row, 2});
  }

  // One named figure in column 1.
  void Figure1(int32_t row, const char* caption, const std::string& name, const std::string& formula, extended value,
               tStyle style) {
    fFill.Text(row, 0, caption);
    fFill.Formula(row, 1, formula, value, style);
    fFill.Name(name, row, 1, kNameCol);
  }

  // A payback that the program found by a search: its value, or the text
  // the results page shows.
  void Payback(int32_t row, int32_t col, extended months, bool found, const char* caption, const std::string& name) {
    fFill.Text(row, 0, caption);
    if (std::isnan(months))
      fFill.Text(row, col, "********");
    else if (found)
      fFill.Number(row, col, static_cast<double>(months), tStyle::Months);
    else
      fFill.Text(row, col, kNoPayback);
    if (!name.empty()) fFill.Name(name, row, col, kNameCol);
  }

  static extended Figure(int32_t v) { return IsSaturated(v) ? NAN : static_cast<extended>(v); }
  static extended Balance(int64_t v) { return v == kNoBalance ? NAN : static_cast<extended>(v); }

  tSheetFiller fFill;
  struct tPending {
    std::string Name;
    int32_t Row, Col;
  };
  std::vector<tPending> fNames;  // names of cells that are not in column 1
};

void EconomicsFigures(tSheetFiller& fill, tWorkbookContent& content, int32_t& row, const tEconomicsCalc& economics);

}  // namespace

void BuildResultsSheet(tWorkbookContent& content, const tTaviDaten& d, const tPaybackCalc& calc,
                       const tEconomicsCalc& economics) {
  tWorkbookSheet& sheet = content.Sheets.emplace_back();
  sheet.Name = "Ergebnisse";
  sheet.ColumnWidths = {44, 17, 17, 17, 17, 26, 26};
  sheet.FreezeRows = 1;
  tResultsFiller f(content, sheet);
  tSheetFiller& fill = f.fFill;
  fill.Text(0, 0, "Ergebnisse der Amortisationsrechnung", tStyle::Title);
  int32_t row = 1;

  // The calculation pages.
  f.Heads(row, "Grunddaten", {"Dauer pro Jahr", "Kosten pro Jahr", "Dauer pro Monat", "Kosten pro Monat"});
  fill.Text(row, 0, "Anteil Auswertung");
  fill.Formula(row, 1, "MAX(0,100-AnteilVorb-AnteilDurchf)", d.AnteilAuswert(), tStyle::Percent);
  fill.Name("AnteilAuswert", row++, 1, kNameCol);
  f.BaseRow(row++, "Zeitstudien insgesamt", "StundenGesamt", RoundHalfEven("AnzZS*DauerZS"), d.StundenGesamt(),
            "KostenGesamt", "StundenGesamt*Stundensatz", d.KostenGesamt());
  const struct {
    const char* Caption;
    const char* Phase;
    int32_t Hours, Cost;
  } phases[] = {{"Vorbereitung", "Vorb", d.StundenVorb(), d.KostenVorb()},
                {"Durchführung", "Durchf", d.StundenDurchf(), d.KostenDurchf()},
                {"Auswertung", "Auswert", d.StundenAuswert(), d.KostenAuswert()}};
  for (const auto& p : phases) {
    const std::string phase = p.Phase;
    f.BaseRow(row++, p.Caption, "Stunden" + phase, RoundHalfEven("StundenGesamt*Anteil" + phase + "/100"), p.Hours,
              "Kosten" + phase, "Stunden" + phase + "*Stundensatz", p.Cost);
  }

  f.Heads(row, "Einsparung Zeitstudien", {"Dauer pro Jahr", "Kosten pro Jahr", "Dauer pro Monat", "Kosten pro Monat"});
  const int32_t savingHours[] = {d.EinsparungStundenVorb(), d.EinsparungStundenDurchf(), d.EinsparungStundenAuswert()};
  const int32_t savingCosts[] = {d.EinsparungKostenVorb(), d.EinsparungKostenDurchf(), d.EinsparungKostenAuswert()};
  for (int i = 0; i < 3; ++i) {
    const std::string phase = phases[i].Phase;
    const std::string share = "Stunden" + phase + "*(Potential" + phase + "/100)";
    f.BaseRow(row++, phases[i].Caption, "EinsparungStunden" + phase, RoundHalfEven(share), savingHours[i],
              "EinsparungKosten" + phase, RoundHalfEven(share + "*Stundensatz"), savingCosts[i]);
  }
  f.BaseRow(row++, "Insgesamt", "EinsparungStundenZS",
            "EinsparungStundenVorb+EinsparungStundenDurchf+EinsparungStundenAuswert", d.EinsparungStundenZS(),
            "EinsparungKostenZS", "EinsparungKostenVorb+EinsparungKostenDurchf+EinsparungKostenAuswert",
            d.EinsparungKostenZS());
  fill.Text(row, 0, "Einsparung insgesamt (Anteil)");
  fill.Formula(row, 1, "IF(StundenGesamt<=0,0,EinsparungStundenZS/StundenGesamt*100)", d.PotentialGesamt(),
               tStyle::PercentTenths);
  fill.Name("PotentialGesamt", row++, 1, kNameCol);

  f.Heads(row, "Einsparung Planzeiten", {"Dauer pro Jahr", "Kosten pro Jahr", "Dauer pro Monat", "Kosten pro Monat"});
  f.BaseRow(row++, "Reduzierung von Zeitstudien", "EinsparungStundenPlanzeit",
            RoundHalfEven("StundenGesamt*(PotentialAnzZS/100)"), d.EinsparungStundenPlanzeit(),
            "EinsparungKostenPlanzeit", RoundHalfEven("StundenGesamt*(PotentialAnzZS/100)*Stundensatz"),
            d.EinsparungKostenPlanzeit());
  f.BaseRow(row++, "Resteinsparung durch Einsatz Zeitstudiensystem", "RestEinsparungStunden",
            RoundHalfEven("(StundenGesamt-EinsparungStundenPlanzeit)*PotentialGesamt/100"), d.RestEinsparungStunden(),
            "RestEinsparungKosten",
            RoundHalfEven("(StundenGesamt-EinsparungStundenPlanzeit)*PotentialGesamt/100*Stundensatz"),
            d.RestEinsparungKosten());
  f.BaseRow(row++, "Gesamteinsparung", "EinsparungStundenGesamt", "EinsparungStundenPlanzeit+RestEinsparungStunden",
            d.EinsparungStundenGesamt(), "EinsparungKostenGesamt", "EinsparungKostenPlanzeit+RestEinsparungKosten",
            d.EinsparungKostenGesamt());
  fill.Text(row, 0, "Gesamteinsparung (Anteil)");
  fill.Formula(row, 1, "IF(StundenGesamt<=0,0,(EinsparungStundenPlanzeit+RestEinsparungStunden)/StundenGesamt*100)",
               d.Gesamteinsparung(), tStyle::PercentTenths);
  fill.Name("Gesamteinsparung", row++, 1, kNameCol);

  // The payback computation.
  const tPaybackResults r = calc.Results();
  f.Heads(row, "Kosten und Monatswerte", {"Wert"});
  f.Figure1(row++, "Gesamtkosten Zeitstudiensystem", "CostsZS", "InvestZSSystem+SchulungskostenZS+ZusatzkostenZS",
            tResultsFiller::Figure(r.CostsZS), tStyle::Euro);
  f.Figure1(row++, "Gesamtkosten Zeitstudien- und Planzeitsystem", "CostsPL",
            "InvestPLSystem+SchulungskostenPL+ZusatzkostenPL", tResultsFiller::Figure(r.CostsPL), tStyle::Euro);
  f.Figure1(row++, "Kosten pro Monat manuell", "MonthlyManual", "KostenGesamt/12", calc.MonthlyManual(), tStyle::Euro);
  f.Figure1(row++, "Kosten pro Monat mit Zeitstudiensystem", "MonthlyZS", "MonthlyManual-EinsparungKostenZS/12",
            calc.MonthlyZS(), tStyle::Euro);
  f.Figure1(row++, "Kosten pro Monat mit fertigem Planzeitkatalog", "MonthlyPLFull",
            "MonthlyManual-EinsparungKostenGesamt/12", calc.MonthlyPLFull(), tStyle::Euro);
  f.Figure1(row++, "Zeitstudienanteil weniger pro Monat (Aufbau)", "Zeitstudienanteil",
            "IF(AufwandPLSyst<1,0,PotentialAnzZS/AufwandPLSyst)", r.Zeitstudienanteil, tStyle::PercentHundredths);
  f.Figure1(row++, "Anzahl Zeitstudien weniger pro Monat", "AnzahlZeitstudien", "Zeitstudienanteil/100*AnzZS/12",
            r.AnzahlZeitstudien, tStyle::Studies);
  f.Figure1(row++, "Kosten pro Monat weniger je Aufbaumonat", "Reduktionsstufe", "MonthlyZS*Zeitstudienanteil/100",
            calc.MonthlyZS() * calc.ReductionPerMonth() / 100, tStyle::Euro);

  const char* const years[] = {"nach 1 Jahr", "nach 2 Jahren", "nach 3 Jahren"};
  f.Heads(row, "Zeitstudiensystem - Manuelle Datenermittlung", {"Wert"});
  fill.Text(row, 0, "Armortisationszeit");
  const std::string paybackZS =
      "IF(EinsparungKostenZS<1,\"" + std::string(kNoPayback) + "\",CostsZS/(EinsparungKostenZS/12))";
  if (std::isnan(r.PaybackZS))
    fill.Text(row, 1, "********");
  else if (r.PaybackZSFound)
    fill.Formula(row, 1, paybackZS, r.PaybackZS, tStyle::Months);
  else
    fill.FormulaText(row, 1, paybackZS, kNoPayback, tStyle::Months);
  fill.Name("PaybackZS", row++, 1, kNameCol);
  for (int y = 1; y <= 3; ++y)
    f.Figure1(row++, years[y - 1], "SaldoZS" + std::to_string(y), std::to_string(y) + "*EinsparungKostenZS-CostsZS",
              tResultsFiller::Balance(r.BalanceZS[y - 1]), tStyle::Euro);

  f.Heads(row, "Zeitstudien+Planzeitsystem - Manuelle Datenermittlung", {"Wert"});
  f.Payback(row++, 1, r.PaybackPL, r.PaybackPLFound, "Armortisationszeit", "PaybackPL");
  for (int y = 1; y <= 3; ++y) {
    const std::string m = std::to_string(12 * y);
    f.Figure1(row++, years[y - 1], "SaldoPL" + std::to_string(y),
              RoundHalfEven(m + "*MonthlyManual-" + wbformula::CumulatedPL(m)),
              tResultsFiller::Balance(r.BalancePL[y - 1]), tStyle::Euro);
  }

  f.Heads(row, "Zeitstudien+Planzeitsystem - Zeitstudien", {"Wert"});
  f.Figure1(row++, "Mehrkosten Planzeitsystem", "MehrkostenPL", "CostsPL-CostsZS",
            tResultsFiller::Figure(r.MehrkostenPL), tStyle::Euro);
  f.Figure1(row++, "Einsparung Planz. / Jahr", "EinsparungPlanzeit", "EinsparungKostenGesamt-EinsparungKostenZS",
            tResultsFiller::Figure(r.EinsparungPlanzeit), tStyle::Euro);
  f.Payback(row++, 1, r.PaybackPLZS, r.PaybackPLZSFound, "Armortisationszeit", "PaybackPLZS");
  for (int y = 1; y <= 3; ++y) {
    const std::string m = std::to_string(12 * y);
    f.Figure1(row++, years[y - 1], "SaldoPLZS" + std::to_string(y),
              RoundHalfEven(m + "*MonthlyManual-" + wbformula::CumulatedPL(m) + "-(" + std::to_string(y) +
                            "*EinsparungKostenZS-CostsZS)"),
              tResultsFiller::Balance(r.BalancePLZS[y - 1]), tStyle::Euro);
  }

  EconomicsFigures(fill, content, row, economics);

  for (const auto& n : f.fNames) content.Names.push_back({n.Name, sheet.Name, n.Row, n.Col});
}

namespace {

// The economic appraisal: one column per comparison.
void EconomicsFigures(tSheetFiller& fill, tWorkbookContent& content, int32_t& row, const tEconomicsCalc& economics) {
  ++row;
  fill.Text(row, 0, "Wirtschaftlichkeit", tStyle::Head);
  fill.Text(row, 1, "Zeitstudiensystem - Manuell", tStyle::Head);
  fill.Text(row, 2, "Zeitstudien+Planzeitsystem - Manuell", tStyle::Head);
  fill.Text(row, 3, "Zeitstudien+Planzeitsystem - Zeitstudien", tStyle::Head);
  fill.Text(row, kNameCol, "Namen (Vergleich 1, 2, 3)", tStyle::Head);
  ++row;
  const std::string sheet = "Ergebnisse";
  const std::string running[] = {"LaufendeKostenZS", "LaufendeKostenPL", "(LaufendeKostenPL-LaufendeKostenZS)"};
  const std::string saving[] = {"EinsparungKostenZS", "EinsparungKostenGesamt",
                                "(EinsparungKostenGesamt-EinsparungKostenZS)"};
  const char* const captions[] = {"Laufende Kosten pro Jahr",
                                  "Nettoeinsparung pro Jahr",
                                  "Amortisation mit laufenden Kosten",
                                  "Dynamische Amortisation",
                                  "Kapitalwert",
                                  "Interner Zinsfuß",
                                  "Saldo nach 1 Jahr",
                                  "Saldo nach 2 Jahren",
                                  "Saldo nach 3 Jahren",
                                  "Saldo nach der Nutzungsdauer"};
  const char* const names[] = {"LaufendeKosten", "Nettoeinsparung", "AmortisationLaufend", "AmortisationDynamisch",
                               "Kapitalwert",    "InternerZinsfuss", "Saldo1Jahr", "Saldo2Jahre",
                               "Saldo3Jahre",    "SaldoNutzungsdauer"};
  const std::string months[] = {"12", "24", "36", "12*Nutzungsdauer"};
  for (int j = 0; j < kEconomicsFigures; ++j) {
    fill.Text(row + j, 0, captions[j]);
    fill.Text(row + j, kNameCol, names[j] + std::string("_1, _2, _3"), tStyle::Name);
  }
  for (int c = 0; c < kComparisons; ++c) {
    const tComparisonFigures& f = economics.Figures(static_cast<tComparison>(c));
    const int32_t col = c + 1;
    const std::string suffix = "_" + std::to_string(c + 1);
    fill.Formula(row, col, running[c], f.RunningCosts, tStyle::Euro);
    fill.Formula(row + 1, col, saving[c] + "-" + running[c], f.NetSaving, tStyle::Euro);
    const tEconomicsPayback paybacks[] = {f.StaticPayback, f.DynamicPayback};
    for (int k = 0; k < 2; ++k) {
      if (paybacks[k].Kind == tEconomicsPayback::tKind::Months)
        fill.Number(row + 2 + k, col, static_cast<double>(paybacks[k].Months), tStyle::Months);
      else
        fill.Text(row + 2 + k, col, EconomicsPaybackText(paybacks[k]));
    }
    if (std::isfinite(f.NetPresentValue))
      fill.Number(row + 4, col, static_cast<double>(f.NetPresentValue), tStyle::Euro);
    else
      fill.Text(row + 4, col, "********");
    if (f.InternalRate.Kind == tInternalRate::tKind::Found)
      fill.Number(row + 5, col, static_cast<double>(f.InternalRate.Percent), tStyle::PercentHundredths);
    else
      fill.Text(row + 5, col, EconomicsRateText(f.InternalRate));
    for (int b = 0; b < 4; ++b)
      fill.Formula(row + 6 + b, col, wbformula::Advantage(c + 1, months[b]), f.Balance[b], tStyle::Euro);
    for (int j = 0; j < kEconomicsFigures; ++j) content.Names.push_back({names[j] + suffix, sheet, row + j, col});
  }
  row += kEconomicsFigures;
}

}  // namespace
