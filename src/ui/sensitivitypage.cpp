#include "sensitivitypage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "amortparts.h"
#include "economicstext.h"
#include "formparts.h"
#include "numfield.h"
#include "pictureview.h"
#include "sensitivitytables.h"
#include "sensitivitytext.h"
#include "sheettext.h"
#include "tornadochart.h"

using namespace amortparts;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* Value(const QString& name, QWidget* parent) {
  QLabel* label = Caption(QString(), parent);
  label->setObjectName(name);
  return label;
}

// Green within the target, red beyond it, the window's colour otherwise.
void SetTone(QLabel* label, const tEconomicsPayback& payback, int32_t target) {
  QPalette palette = label->parentWidget()->palette();
  if (payback.Kind != tEconomicsPayback::tKind::Unknown)
    palette.setColor(QPalette::WindowText, ToneColour(WithinTarget(payback, target) ? tTone::Met : tTone::Missed));
  label->setPalette(palette);
}

}  // namespace

tSensitivityPage::tSensitivityPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TSheetSensitivity"));

  // The two inputs and the comparison shown.
  fTarget = IntegerField(QStringLiteral("Soll_Amortisationszeit_Feld"), QStringLiteral("###"),
                         tSensitivityInputs::kMinTarget, tSensitivityInputs::kMaxTarget, this);
  fPercent = IntegerField(QStringLiteral("Veraenderung_Feld"), QStringLiteral("##"), tSensitivityInputs::kMinPercent,
                          tSensitivityInputs::kMaxPercent, this);
  fComparison = new QComboBox(this);
  fComparison->setObjectName(QStringLiteral("Vergleich_Auswahl"));
  // As wide as the row leaves it; on a small screen the names end in "…".
  fComparison->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  fComparison->setMinimumContentsLength(16);
  for (int c = 0; c < kComparisons; ++c)
    fComparison->addItem(QStringLiteral("%1  %2").arg(c + 1).arg(Q(ComparisonCaption(static_cast<tComparison>(c)))));
  auto* inputs = new QHBoxLayout;
  inputs->setSpacing(4);
  inputs->addWidget(Caption(QStringLiteral("Soll-Amortisationszeit"), this));
  inputs->addWidget(fTarget);
  inputs->addWidget(Caption(QStringLiteral("Monate"), this));
  inputs->addSpacing(14);
  inputs->addWidget(Caption(QStringLiteral("Veränderung je Eingabe \u00B1"), this));
  inputs->addWidget(fPercent);
  inputs->addWidget(Caption(QStringLiteral("%"), this));
  inputs->addSpacing(14);
  inputs->addWidget(Caption(QStringLiteral("Vergleich"), this));
  inputs->addWidget(fComparison, 1);
  for (tNumField* field : {fTarget, fPercent})
    connect(field, &tNumField::Exited, this, [this] {
      if (OnChanged) OnChanged();
    });
  connect(fComparison, &QComboBox::currentIndexChanged, this, [this] { ShowChosen(); });

  // The chart, as high as its rows need.
  fTornado.SetData(tornado::ChartData(fShown, tComparison::ZSManual, false, true));
  fTornadoView = new tPictureView(&fTornado, kUnitsPerPixel, this);
  fTornadoView->setObjectName(QStringLiteral("TornadoChart"));
  // On a small screen the chart is drawn smaller rather than cut.
  fTornadoView->SetNeededHeight(fTornado.Height(), 0.45);

  // The break-even values, a column per comparison.
  QGroupBox* breakEven = Group(QStringLiteral("GBoxBreakEven"), QStringLiteral(" Grenzwerte "), this);
  auto* grid = new QGridLayout(breakEven);
  grid->setContentsMargins(8, 2, 8, 4);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(1);
  for (int c = 0; c < kComparisons; ++c) {
    QLabel* head = Caption(QStringLiteral("Vergleich %1").arg(c + 1), breakEven);
    head->setToolTip(Q(ComparisonCaption(static_cast<tComparison>(c))));
    grid->addWidget(head, 0, c + 1);
  }
  for (int i = 0; i < kSensitivityInputs; ++i) {
    grid->addWidget(Caption(Q(SensitivityCaption(static_cast<tSensitivityInput>(i))), breakEven), i + 1, 0);
    for (int c = 0; c < kComparisons; ++c) {
      QLabel* value = Value(QStringLiteral("LblBreakEven%1_%2").arg(i).arg(c + 1), breakEven);
      fBreakEven[static_cast<size_t>(i)][static_cast<size_t>(c)] = value;
      grid->addWidget(value, i + 1, c + 1);
    }
  }
  grid->setColumnStretch(0, 1);
  for (int c = 1; c <= kComparisons; ++c) grid->setColumnStretch(c, 1);

  // The three cases of the chosen comparison, a column each.
  QGroupBox* cases = Group(QStringLiteral("GBoxCases"), QString(), this);
  auto* casesGrid = new QGridLayout(cases);
  casesGrid->setContentsMargins(8, 2, 8, 4);
  casesGrid->setHorizontalSpacing(12);
  casesGrid->setVerticalSpacing(1);
  fCasesTitle = Caption(QString(), cases);
  QFont bold = fCasesTitle->font();
  bold.setBold(true);
  fCasesTitle->setFont(bold);
  casesGrid->addWidget(fCasesTitle, 0, 0);
  const QString rows[kCaseRows] = {QStringLiteral("Anteile Vorb. | Durchf. | Ausw. | Reduz."),
                                   QStringLiteral("Amortisation mit laufenden Kosten"),
                                   QStringLiteral("Nettoeinsparung pro Jahr"), QStringLiteral("Kapitalwert")};
  for (int row = 0; row < kCaseRows; ++row) casesGrid->addWidget(Caption(rows[row], cases), row + 1, 0);
  for (int k = 0; k < kCases; ++k) {
    casesGrid->addWidget(Caption(Q(CaseCaption(static_cast<tCase>(k))), cases), 0, k + 1);
    for (int row = 0; row < kCaseRows; ++row) {
      QLabel* value = Value(QStringLiteral("LblCase%1_%2").arg(k).arg(row), cases);
      if (row == 1) value->setWordWrap(true);  // "keine Amortisation – über Soll" may take two lines
      fCases[static_cast<size_t>(k)][static_cast<size_t>(row)] = value;
      casesGrid->addWidget(value, row + 1, k + 1);
    }
    casesGrid->setColumnStretch(k + 1, 1);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setSpacing(6);
  layout->addLayout(inputs);
  layout->addWidget(fTornadoView);
  layout->addWidget(breakEven);
  layout->addWidget(cases);
  layout->addStretch(1);
}

void tSensitivityPage::SetInputs(const tSensitivityInputs& inputs) {
  fTarget->SetIntValue(inputs.TargetMonths);
  fPercent->SetIntValue(inputs.Percent);
}

tSensitivityInputs tSensitivityPage::Inputs() const {
  tSensitivityInputs inputs;
  inputs.TargetMonths = static_cast<int32_t>(fTarget->IntValue());
  inputs.Percent = static_cast<int32_t>(fPercent->IntValue());
  return inputs;
}

std::array<QWidget*, 3> tSensitivityPage::Fields() const { return {fTarget, fPercent, fComparison}; }

tComparison tSensitivityPage::Chosen() const { return static_cast<tComparison>(std::max(0, fComparison->currentIndex())); }

void tSensitivityPage::ShowSensitivity(const tSensitivityCalc& sensitivity) {
  fShown = sensitivity;
  for (int i = 0; i < kSensitivityInputs; ++i)
    for (int c = 0; c < kComparisons; ++c) {
      const auto input = static_cast<tSensitivityInput>(i);
      fBreakEven[static_cast<size_t>(i)][static_cast<size_t>(c)]->setText(
          Q(::BreakEvenText(input, sensitivity.Row(static_cast<tComparison>(c), input).BreakEven)));
    }
  ShowChosen();
}

void tSensitivityPage::ShowChosen() {
  const tComparison c = Chosen();
  const int32_t target = fShown.Inputs().TargetMonths;
  fTornado.SetData(tornado::ChartData(fShown, c, false, true));
  fTornadoView->Refresh();
  fCasesTitle->setText(QStringLiteral("Drei Fälle, Vergleich %1").arg(static_cast<int>(c) + 1));
  for (int k = 0; k < kCases; ++k) {
    const auto which = static_cast<tCase>(k);
    const tCaseFigures& f = fShown.Case(which, c);
    auto& row = fCases[static_cast<size_t>(k)];
    row[0]->setText(CaseSharesText(fShown.Shares(which)));
    row[1]->setText(Q(MarkedPaybackText(f.Payback, target)));
    SetTone(row[1], f.Payback, target);
    row[2]->setText(Q(EconomicsMoneyText(f.NetSaving)));
    row[3]->setText(Q(EconomicsMoneyText(f.NetPresentValue)));
  }
}

QString tSensitivityPage::BreakEvenText(tSensitivityInput input, tComparison c) const {
  return fBreakEven.at(static_cast<size_t>(input)).at(static_cast<size_t>(c))->text();
}

QString tSensitivityPage::CaseText(tCase k, int row) const {
  return fCases.at(static_cast<size_t>(k)).at(static_cast<size_t>(row))->text();
}
