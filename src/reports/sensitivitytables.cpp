#include "sensitivitytables.h"

#include "economicstext.h"
#include "sensitivitytext.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

grid::tCell Payback(const tEconomicsPayback& payback, int32_t target) {
  tTone tone = tTone::Normal;
  if (payback.Kind != tEconomicsPayback::tKind::Unknown)
    tone = WithinTarget(payback, target) ? tTone::Met : tTone::Missed;
  return {Q(MarkedPaybackText(payback, target)), tone};
}

}  // namespace

QString CaseSharesText(const tCaseShares& shares) {
  QString text;
  for (size_t s = 0; s < shares.Percent.size(); ++s) {
    if (s > 0) text += QStringLiteral(" | ");
    text += QString::number(shares.Percent[s]);
    if (shares.Clamped[s]) text += u'*';
  }
  return text + QStringLiteral(" %");
}

grid::tTable BreakEvenTable(const tSensitivityCalc& s) {
  grid::tTable table;
  table.Head = {{QStringLiteral("Grenzwerte"), tTone::Bold}};
  for (int c = 1; c <= kComparisons; ++c) table.Head.push_back({QStringLiteral("Vergleich %1").arg(c), tTone::Bold});
  for (int i = 0; i < kSensitivityInputs; ++i) {
    const auto input = static_cast<tSensitivityInput>(i);
    std::vector<grid::tCell> row = {{Q(SensitivityCaption(input))}};
    for (int c = 0; c < kComparisons; ++c)
      row.push_back({Q(BreakEvenText(input, s.Row(static_cast<tComparison>(c), input).BreakEven))});
    table.Rows.push_back(row);
  }
  return table;
}

grid::tTable CasesTable(const tSensitivityCalc& s) {
  const int32_t target = s.Inputs().TargetMonths;
  grid::tTable table;
  table.Head = {{QStringLiteral("Drei Fälle"), tTone::Bold}};
  for (int k = 0; k < kCases; ++k) table.Head.push_back({Q(CaseCaption(static_cast<tCase>(k))), tTone::Bold});
  std::vector<grid::tCell> shares = {{QStringLiteral("Anteile Vorb. | Durchf. | Ausw. | Reduz.")}};
  for (int k = 0; k < kCases; ++k) shares.push_back({CaseSharesText(s.Shares(static_cast<tCase>(k)))});
  table.Rows.push_back(shares);
  table.RuleAfter.push_back(0);
  for (int c = 0; c < kComparisons; ++c) {
    const auto comparison = static_cast<tComparison>(c);
    std::vector<grid::tCell> payback = {{QStringLiteral("Vergleich %1: Amortisation").arg(c + 1)}};
    std::vector<grid::tCell> saving = {{QStringLiteral("    Nettoeinsparung pro Jahr")}};
    std::vector<grid::tCell> value = {{QStringLiteral("    Kapitalwert")}};
    for (int k = 0; k < kCases; ++k) {
      const tCaseFigures& f = s.Case(static_cast<tCase>(k), comparison);
      payback.push_back(Payback(f.Payback, target));
      saving.push_back({Q(EconomicsMoneyText(f.NetSaving))});
      value.push_back({Q(EconomicsMoneyText(f.NetPresentValue))});
    }
    table.Rows.push_back(payback);
    table.Rows.push_back(saving);
    table.Rows.push_back(value);
    table.RuleAfter.push_back(table.Rows.size() - 1);
  }
  return table;
}
