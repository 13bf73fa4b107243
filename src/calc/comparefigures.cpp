#include "comparefigures.h"

#include <cmath>

#include "economics.h"
#include "economicstext.h"
#include "numfmt.h"
#include "payback.h"
#include "pricetable.h"
#include "tavidaten.h"

namespace {

using tKind = tCompareCell::tKind;
using U = tCompareUnit;
using B = tCompareBetter;

const char* const kBase = "Grunddaten";
const char* const kCosts = "Kosten";
const char* const kSaving = "Einsparung pro Jahr";
const char* const kPayback = "Amortisation";
const char* const kBalance = "Saldo";
const char* const kLife = "Wirtschaftlichkeit";

const std::vector<tCompareRowSpec> kRows = {
    {kBase, "Zeitstudien pro Jahr", U::Count, B::None, 0},
    {kBase, "Dauer einer Zeitstudie", U::Hours, B::None, 1},
    {kBase, "Kostensatz", U::EuroPerHour, B::None, 0},
    {kBase, "Anteil Vorbereitung", U::Percent, B::None, 0},
    {kBase, "Anteil Durchführung", U::Percent, B::None, 0},
    {kBase, "Anteil Auswertung", U::Percent, B::None, 0},
    {kBase, "Einsparung Vorbereitung", U::Percent, B::None, 0},
    {kBase, "Einsparung Durchführung", U::Percent, B::None, 0},
    {kBase, "Einsparung Auswertung", U::Percent, B::None, 0},
    {kBase, "Reduzierung von Zeitstudien", U::Percent, B::None, 0},
    {kCosts, "Zeitstudiensystem", U::Euro, B::Lower, 0},
    {kCosts, "Zeitstudien- und Planzeitsystem", U::Euro, B::Lower, 0},
    {kSaving, "Zeitstudiensystem", U::Euro, B::Higher, 0},
    {kSaving, "Zeitstudien- und Planzeitsystem", U::Euro, B::Higher, 0},
    {kPayback, "Zeitstudiensystem - manuell", U::Months, B::Lower, 1},
    {kPayback, "Planzeitsystem - manuell", U::Months, B::Lower, 1},
    {kPayback, "Planzeitsystem - Zeitstudiensystem", U::Months, B::Lower, 1},
    {kBalance, "Zeitstudiensystem nach 1 Jahr", U::Euro, B::Higher, 0},
    {kBalance, "Zeitstudiensystem nach 2 Jahren", U::Euro, B::Higher, 0},
    {kBalance, "Zeitstudiensystem nach 3 Jahren", U::Euro, B::Higher, 0},
    {kBalance, "Planzeitsystem nach 1 Jahr", U::Euro, B::Higher, 0},
    {kBalance, "Planzeitsystem nach 2 Jahren", U::Euro, B::Higher, 0},
    {kBalance, "Planzeitsystem nach 3 Jahren", U::Euro, B::Higher, 0},
    {kBalance, "Planzeit- ggü. Zeitstudiensystem nach 1 Jahr", U::Euro, B::Higher, 0},
    {kBalance, "Planzeit- ggü. Zeitstudiensystem nach 2 Jahren", U::Euro, B::Higher, 0},
    {kBalance, "Planzeit- ggü. Zeitstudiensystem nach 3 Jahren", U::Euro, B::Higher, 0},
    {kLife, "Laufende Kosten Zeitstudiensystem", U::Euro, B::Lower, 0},
    {kLife, "Laufende Kosten Planzeitsystem", U::Euro, B::Lower, 0},
    {kLife, "Dynamische Amortisation Zeitstudiensystem - manuell", U::Months, B::Lower, 1},
    {kLife, "Dynamische Amortisation Planzeitsystem - manuell", U::Months, B::Lower, 1},
    {kLife, "Dynamische Amortisation Planzeitsystem - Zeitstudiensystem", U::Months, B::Lower, 1},
    {kLife, "Kapitalwert Zeitstudiensystem - manuell", U::Euro, B::Higher, 0},
    {kLife, "Kapitalwert Planzeitsystem - manuell", U::Euro, B::Higher, 0},
    {kLife, "Kapitalwert Planzeitsystem - Zeitstudiensystem", U::Euro, B::Higher, 0},
};

tCompareCell Value(extended v) {
  if (v != v) return {tKind::Unknown, 0};
  return {tKind::Value, v};
}
tCompareCell Figure(int32_t v) { return IsSaturated(v) ? tCompareCell{tKind::Unknown, 0} : Value(v); }
tCompareCell Balance(int64_t v) { return v == kNoBalance ? tCompareCell{tKind::Unknown, 0} : Value(v); }
tCompareCell Payback(extended months, bool found) {
  if (months != months) return {tKind::Unknown, 0};
  if (!found) return {tKind::NoPayback, 0};
  return {tKind::Value, months};
}
tCompareCell Payback(const tEconomicsPayback& p) {
  switch (p.Kind) {
    case tEconomicsPayback::tKind::Immediate:
      return {tKind::Immediate, 0};
    case tEconomicsPayback::tKind::Months:
      return Value(p.Months);
    case tEconomicsPayback::tKind::None:
      return {tKind::NoPayback, 0};
    case tEconomicsPayback::tKind::Unknown:
      break;
  }
  return {tKind::Unknown, 0};
}

// Rank of a cell where lower is better: sofort, then periods, then none.
extended LowerRank(const tCompareCell& c) {
  switch (c.kind) {
    case tKind::Immediate:
      return -1;
    case tKind::Value:
      return c.value;
    case tKind::NoPayback:
      return INFINITY;
    case tKind::Unknown:
      break;
  }
  return NAN;
}

const char* UnitSuffix(tCompareUnit unit) {
  switch (unit) {
    case U::Count:
      return "";
    case U::Hours:
      return " h";
    case U::Percent:
      return " %";
    case U::EuroPerHour:
      return " €/h";
    case U::Euro:
      return " €";
    case U::Months:
      return " Monate";
  }
  return "";
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

const std::vector<tCompareRowSpec>& CompareRows() { return kRows; }

std::vector<tCompareCell> ComputeCompareCells(const tTaviDaten& record) {
  tTaviDaten d = record;
  ApplyStandardPricesToRecord(d);
  tPaybackCalc calc;
  calc.Calculate(d);
  const tPaybackResults r = calc.Results();
  tEconomicsCalc economics;
  economics.Calculate(d, calc, d.Economics);
  const auto& e1 = economics.Figures(tComparison::ZSManual);
  const auto& e2 = economics.Figures(tComparison::PLManual);
  const auto& e3 = economics.Figures(tComparison::PLZS);
  return {
      Value(d.AnzZS),
      Value(d.DauerZS),
      Value(d.Stundensatz),
      Value(d.AnteilVorb),
      Value(d.AnteilDurchf),
      Value(d.AnteilAuswert()),
      Value(d.PotentialVorb),
      Value(d.PotentialDurchf),
      Value(d.PotentialAuswert),
      Value(d.PotentialAnzZS),
      Figure(r.CostsZS),
      Figure(r.CostsPL),
      Figure(d.EinsparungKostenZS()),
      Figure(d.EinsparungKostenGesamt()),
      Payback(r.PaybackZS, r.PaybackZSFound),
      Payback(r.PaybackPL, r.PaybackPLFound),
      Payback(r.PaybackPLZS, r.PaybackPLZSFound),
      Balance(r.BalanceZS[0]),
      Balance(r.BalanceZS[1]),
      Balance(r.BalanceZS[2]),
      Balance(r.BalancePL[0]),
      Balance(r.BalancePL[1]),
      Balance(r.BalancePL[2]),
      Balance(r.BalancePLZS[0]),
      Balance(r.BalancePLZS[1]),
      Balance(r.BalancePLZS[2]),
      Value(d.Economics.RunningCostsZS),
      Value(d.Economics.RunningCostsPL),
      Payback(e1.DynamicPayback),
      Payback(e2.DynamicPayback),
      Payback(e3.DynamicPayback),
      Value(e1.NetPresentValue),
      Value(e2.NetPresentValue),
      Value(e3.NetPresentValue),
  };
}

tCompareColumn CompareColumn(const tTaviDaten& record, const std::string& file) {
  return {record.GetFirmenname(), file, ComputeCompareCells(record)};
}

std::vector<bool> BestCells(const tCompareRowSpec& row, const std::vector<tCompareCell>& cells) {
  std::vector<bool> best(cells.size(), false);
  if (row.better == B::None) return best;
  // Higher is better: rank by the negated value (sofort and none do not
  // occur in such rows).
  std::vector<extended> ranks;
  for (const tCompareCell& c : cells)
    ranks.push_back(row.better == B::Lower ? LowerRank(c) : (c.kind == tKind::Value ? -c.value : NAN));
  extended top = NAN;
  int comparable = 0;
  for (extended r : ranks) {
    if (r != r) continue;
    ++comparable;
    if (top != top || r < top) top = r;
  }
  if (comparable < 2) return best;
  bool allEqual = true;
  for (extended r : ranks)
    if (r == r && r != top) allEqual = false;
  if (allEqual) return best;
  for (size_t i = 0; i < ranks.size(); ++i) best[i] = ranks[i] == top;
  return best;
}

std::string CompareCellText(const tCompareRowSpec& row, const tCompareCell& cell) {
  switch (cell.kind) {
    case tKind::Immediate:
      return kPaybackImmediate;
    case tKind::NoPayback:
      return "keine";
    case tKind::Unknown:
      return FillText('*', 8);
    case tKind::Value:
      break;
  }
  if (row.unit == U::Euro) return EconomicsMoneyText(cell.value);
  return Trim(FormatRealInFull(cell.value, 16, row.decimals)) + UnitSuffix(row.unit);
}
