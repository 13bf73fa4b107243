#include "economicspage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "amortparts.h"
#include "economicstext.h"
#include "formparts.h"
#include "numfield.h"

using namespace amortparts;

namespace {

const char* const kRowCaptions[tEconomicsPage::kRows] = {
    "Laufende Kosten pro Jahr",     "Nettoeinsparung pro Jahr", "Amortisation mit laufenden Kosten",
    "Dynamische Amortisation",      "Kapitalwert",              "Interner Zinsfuß",
    "Saldo nach 1 Jahr",            "Saldo nach 2 Jahren",      "Saldo nach 3 Jahren",
    "Saldo nach der Nutzungsdauer",
};

// The column titles: the comparisons of the results page, short, and in
// full as their tooltips.
const char* const kColumnTitles[kComparisons][2] = {
    {"Zeitstudiensystem", "- Manuell"},
    {"ZS+Planzeitsystem", "- Manuell"},
    {"ZS+Planzeitsystem", "- Zeitstudien"},
};
const char* const kColumnTooltips[kComparisons] = {
    "Zeitstudiensystem - Manuelle Datenermittlung",
    "Zeitstudien+Planzeitsystem - Manuelle Datenermittlung",
    "Zeitstudien+Planzeitsystem - Zeitstudien",
};

}  // namespace

tEconomicsPage::tEconomicsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TSheetEconomics"));

  QGroupBox* inputs = Group(QStringLiteral("GBoxEconomicsInputs"), QStringLiteral(" Eingaben "), this);
  fRunningZS = IntegerField(QStringLiteral("Laufende_Kosten_ZS_Feld"), QStringLiteral("######"), 0,
                            tEconomicsInputs::kMaxRunningCosts, inputs);
  fRunningPL = IntegerField(QStringLiteral("Laufende_Kosten_PL_Feld"), QStringLiteral("######"), 0,
                            tEconomicsInputs::kMaxRunningCosts, inputs);
  fLife = IntegerField(QStringLiteral("Nutzungsdauer_Feld"), QStringLiteral("##"), tEconomicsInputs::kMinLife,
                       tEconomicsInputs::kMaxLife, inputs);
  fRate = IntegerField(QStringLiteral("Zinssatz_Feld"), QStringLiteral("##.#"), 0,
                       tEconomicsInputs::kMaxRateTenths / 10.0L, inputs);
  fRate->SetKind(tNumField::Kind::Extended);
  auto* grid = new QGridLayout(inputs);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(4);
  AddFieldRow(grid, 0, QStringLiteral("Laufende Kosten pro Jahr, Zeitstudiensystem"), fRunningZS,
              QStringLiteral("€"), inputs);
  AddFieldRow(grid, 1, QStringLiteral("Laufende Kosten pro Jahr, Zeitstudien+Planzeitsystem"), fRunningPL,
              QStringLiteral("€"), inputs);
  grid->setColumnMinimumWidth(3, 12);
  grid->addWidget(Caption(QStringLiteral("Nutzungsdauer"), inputs), 0, 4);
  grid->addWidget(fLife, 0, 5);
  grid->addWidget(Caption(QStringLiteral("Jahre"), inputs), 0, 6);
  grid->addWidget(Caption(QStringLiteral("Kalkulationszinssatz"), inputs), 1, 4);
  grid->addWidget(fRate, 1, 5);
  grid->addWidget(Caption(QStringLiteral("%"), inputs), 1, 6);
  grid->setColumnStretch(7, 1);
  for (tNumField* field : Fields())
    connect(field, &tNumField::Exited, this, [this] {
      if (OnChanged) OnChanged();
    });

  QGroupBox* figures = Group(QStringLiteral("GBoxEconomicsFigures"), QStringLiteral(" Wirtschaftlichkeit "), this);
  auto* table = new QGridLayout(figures);
  table->setContentsMargins(8, 4, 8, 6);
  table->setHorizontalSpacing(8);
  table->setVerticalSpacing(3);
  for (int c = 0; c < kComparisons; ++c) {
    for (int line = 0; line < 2; ++line) {
      QLabel* title = Caption(QString::fromUtf8(kColumnTitles[c][line]), figures);
      title->setAlignment(Qt::AlignRight | Qt::AlignBottom);
      title->setToolTip(QString::fromUtf8(kColumnTooltips[c]));
      table->addWidget(title, line, c + 1);
    }
  }
  for (int r = 0; r < kRows; ++r) {
    table->addWidget(Caption(QString::fromUtf8(kRowCaptions[r]), figures), r + 2, 0);
    for (int c = 0; c < kComparisons; ++c) {
      QLabel* value = ValueLabel(QStringLiteral("LblEconomics%1_%2").arg(r).arg(c + 1), figures);
      fValues[static_cast<size_t>(r)][static_cast<size_t>(c)] = value;
      table->addWidget(value, r + 2, c + 1);
    }
  }
  table->setColumnStretch(0, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addWidget(inputs);
  layout->addWidget(figures);
  layout->addStretch(1);
}

void tEconomicsPage::SetInputs(const tEconomicsInputs& in) {
  fRunningZS->SetIntValue(in.RunningCostsZS);
  fRunningPL->SetIntValue(in.RunningCostsPL);
  fLife->SetIntValue(in.UsefulLife);
  fRate->SetExtValue(static_cast<long double>(in.RateTenths) / 10);
}

tEconomicsInputs tEconomicsPage::Inputs() const {
  tEconomicsInputs in;
  in.RunningCostsZS = static_cast<int32_t>(fRunningZS->IntValue());
  in.RunningCostsPL = static_cast<int32_t>(fRunningPL->IntValue());
  in.UsefulLife = static_cast<int32_t>(fLife->IntValue());
  // One decimal: the tenths are whole.
  const long double rate = fRate->ExtValue();
  in.RateTenths = std::isfinite(rate) ? static_cast<int32_t>(std::lround(static_cast<double>(rate * 10))) : 0;
  return in;
}

void tEconomicsPage::ShowFigures(const tEconomicsCalc& economics) {
  for (int c = 0; c < kComparisons; ++c) {
    const tComparisonFigures& f = economics.Figures(static_cast<tComparison>(c));
    for (int r = 0; r < kRows; ++r)
      fValues[static_cast<size_t>(r)][static_cast<size_t>(c)]->setText(QString::fromStdString(EconomicsFigureText(f, r)));
  }
}

QString tEconomicsPage::FigureText(int row, int column) const {
  return fValues.at(static_cast<size_t>(row)).at(static_cast<size_t>(column))->text();
}
