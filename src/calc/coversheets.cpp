#include "coversheets.h"

#include <cmath>
#include <cstdint>

#include "numfmt.h"
#include "payback.h"
#include "tavidaten.h"

namespace {

// Every figure in full however large; asterisks only for one that has no
// value (a saturated record figure, a balance that cannot be computed).
std::string I(int32_t value, int width) { return FormatFigure(value, width); }
// A balance: 64 bits, kNoBalance when it cannot be computed.
std::string I64(int64_t value, int width) { return FormatIntegerInFull(value, width); }
std::string R(extended value, int width, int decimals) { return FormatRealInFull(value, width, decimals); }

// A yearly figure per month.
std::string HoursPerMonth(int32_t hours) {
  if (IsSaturated(hours)) return FillText('*', 6);
  return R(static_cast<extended>(hours) / 12, 6, 1);
}
std::string CostPerMonth(int32_t cost) {
  if (IsSaturated(cost)) return FillText('*', 5);
  return I(Round32(static_cast<extended>(cost) / 12), 5);
}

// The unit beside a payback period: none beside "keine".
std::string MonthsUnit(extended months, bool found) {
  return found || std::isnan(months) ? std::string("Monate") : std::string();
}

bool IsBlankOrControl(unsigned char c) { return c <= 0x20 || c == 0x7F; }

}  // namespace

std::string JustificationLine(const tWrappedLines& lines, int k, int shown) {
  if (k < 1 || static_cast<size_t>(k) > lines.size()) return std::string();
  const std::string& line = lines[static_cast<size_t>(k) - 1];
  size_t begin = 0, end = line.size();
  while (begin < end && IsBlankOrControl(static_cast<unsigned char>(line[begin]))) ++begin;
  while (end > begin && IsBlankOrControl(static_cast<unsigned char>(line[end - 1]))) --end;
  std::string text = line.substr(begin, end - begin);
  if (k == shown && lines.size() > static_cast<size_t>(shown)) text += " \u2026";
  return text;
}

std::optional<std::string> CoverSheet1Text(int order, const tTaviDaten& d) {
  const int32_t hours[4] = {d.StundenGesamt(), d.StundenVorb(), d.StundenDurchf(), d.StundenAuswert()};
  const int32_t costs[4] = {d.KostenGesamt(), d.KostenVorb(), d.KostenDurchf(), d.KostenAuswert()};
  const int32_t savedHours[4] = {d.EinsparungStundenZS(), d.EinsparungStundenVorb(), d.EinsparungStundenDurchf(),
                                 d.EinsparungStundenAuswert()};
  const int32_t savedCosts[4] = {d.EinsparungKostenZS(), d.EinsparungKostenVorb(), d.EinsparungKostenDurchf(),
                                 d.EinsparungKostenAuswert()};
  const int32_t bothHours[3] = {d.EinsparungStundenPlanzeit(), d.RestEinsparungStunden(), d.EinsparungStundenGesamt()};
  const int32_t bothCosts[3] = {d.EinsparungKostenPlanzeit(), d.RestEinsparungKosten(), d.EinsparungKostenGesamt()};
  const int32_t shares[4] = {d.AnteilVorb, d.AnteilDurchf, d.AnteilAuswert(), d.Stundensatz};
  const int32_t potentials[3] = {d.PotentialVorb, d.PotentialDurchf, d.PotentialAuswert};

  if (order == 0) return I(d.AnzZS, 5);
  if (order == 1) return R(d.DauerZS, 6, 1);
  if (order >= 2 && order <= 5) return I(shares[order - 2], 5);
  if (order >= 6 && order <= 9) return I(hours[order - 6], 5);
  if (order >= 10 && order <= 13) return I(costs[order - 10], 5);
  if (order >= 14 && order <= 17) return HoursPerMonth(hours[order - 14]);
  if (order >= 18 && order <= 21) return CostPerMonth(costs[order - 18]);
  if (order == 22) return R(d.PotentialGesamt(), 6, 1);
  if (order >= 23 && order <= 25) return I(potentials[order - 23], 5);
  if (order >= 26 && order <= 29) return I(savedHours[order - 26], 5);
  if (order >= 30 && order <= 33) return I(savedCosts[order - 30], 5);
  if (order >= 34 && order <= 37) return HoursPerMonth(savedHours[order - 34]);
  if (order >= 38 && order <= 41) return CostPerMonth(savedCosts[order - 38]);
  if (order == 42) return I(d.PotentialAnzZS, 5);
  if (order == 43) return R(d.PotentialGesamt(), 6, 1);
  if (order == 44) return R(d.Gesamteinsparung(), 6, 1);
  if (order >= 45 && order <= 47) return I(bothHours[order - 45], 5);
  if (order >= 48 && order <= 50) return I(bothCosts[order - 48], 5);
  if (order >= 51 && order <= 53) return HoursPerMonth(bothHours[order - 51]);
  if (order >= 54 && order <= 56) return CostPerMonth(bothCosts[order - 54]);
  return std::nullopt;
}

std::optional<std::string> CoverSheet2Text(int order, const tTaviDaten& d, const tPaybackCalc& calc,
                                           const std::array<tWrappedLines, 4>& justification) {
  if (order >= 0 && order <= 19) {
    const int group = order / 5, k = order % 5;
    const int32_t shares[4] = {d.PotentialVorb, d.PotentialDurchf, d.PotentialAuswert, d.PotentialAnzZS};
    if (k == 0) return I(shares[group], 5);
    return JustificationLine(justification[static_cast<size_t>(group)], k, 4);
  }
  const tPaybackResults r = calc.Results();
  switch (order) {
    case 20: return I(d.InvestZSSystem, 5);
    case 21: return I(d.SchulungskostenZS, 5);
    case 22: return I(d.ZusatzkostenZS, 5);
    case 23: return I(calc.CostsZS(), 5);
    case 24: return FormatPayback(calc.PaybackZS(), calc.PaybackZSFound(), 5, 1);
    case 25: return I(d.EinsparungKostenZS(), 5);
    case 26:
    case 27:
    case 28: return I64(r.BalanceZS[static_cast<size_t>(order - 26)], 5);
    case 30: return MonthsUnit(calc.PaybackZS(), calc.PaybackZSFound());
    default: return std::nullopt;
  }
}

std::optional<std::string> CoverSheet3Text(int order, const tTaviDaten& d, const tPaybackCalc& calc,
                                           const tWrappedLines& investment) {
  if (order >= 18 && order <= 22) return JustificationLine(investment, order - 17, 5);
  const tPaybackResults r = calc.Results();
  switch (order) {
    case 0: return I(d.InvestPLSystem, 6);
    case 1: return I(d.SchulungskostenPL, 6);
    case 2: return I(d.ZusatzkostenPL, 6);
    case 3: return I(calc.CostsPL(), 6);
    case 4: return I(d.BeginnReduzierung, 5);
    case 5: return I(d.AufwandPLSyst, 5);
    case 6: return R(calc.ReductionPerMonth(), 6, 2);
    case 7: return R(r.AnzahlZeitstudien, 6, 2);
    case 8: return FormatPayback(calc.PaybackPL(), calc.PaybackPLFound(), 6, 1);
    case 9: return I(d.EinsparungKostenGesamt(), 6);
    case 10:
    case 11:
    case 12: return I64(r.BalancePL[static_cast<size_t>(order - 10)], 6);
    case 13: return FormatPayback(calc.PaybackPLZS(), calc.PaybackPLZSFound(), 6, 1);
    case 14: return I(r.EinsparungPlanzeit, 6);
    case 15:
    case 16:
    case 17: return I64(r.BalancePLZS[static_cast<size_t>(order - 15)], 6);
    case 23: return MonthsUnit(calc.PaybackPL(), calc.PaybackPLFound());
    case 24: return MonthsUnit(calc.PaybackPLZS(), calc.PaybackPLZSFound());
    default: return std::nullopt;
  }
}
