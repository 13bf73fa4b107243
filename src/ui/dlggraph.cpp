#include "dlggraph.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "edevexception.h"
#include "graphaxes.h"
#include "graphprinting.h"
#include "formparts.h"
#include "onscreen.h"
#include "help.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "numfield.h"
#include "returnkey.h"

namespace {

tDlgGraph* gGraphDialog = nullptr;

}  // namespace

tDlgGraph::tDlgGraph(const tTaviDaten& daten, const tPaybackCalc& calc, std::function<void()> makeCurrent,
                     QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      fDaten(daten),
      fCalc(calc),
      fMakeCurrent(std::move(makeCurrent)) {
  setObjectName(QStringLiteral("tDlgGraph"));
  setWindowTitle(QStringLiteral("Amortisations - Grafik"));

  auto* group = new QGroupBox(QStringLiteral(" Achsenskalierung "), this);
  group->setObjectName(QStringLiteral("GBoxAxes"));
  fNFieldX = IntegerField(QStringLiteral("NFieldX"), QStringLiteral("#######"), graphaxes::kMinMonths,
                          graphaxes::kMaxMonths, group);
  fNFieldY = IntegerField(QStringLiteral("NFieldY"), QStringLiteral("##########"), graphaxes::kMinCost,
                          graphaxes::kMaxCost, group);
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  AddFieldRow(grid, 0, QStringLiteral("Laufzeit in Monaten"), fNFieldX, QStringLiteral("X-Achse"), group);
  AddFieldRow(grid, 1, QStringLiteral("Maximale Ausgaben in DM"), fNFieldY, QStringLiteral("Y-Achse"), group);
  grid->setColumnStretch(0, 1);

  const auto button = [this](const QString& name, const QString& text) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setMinimumSize(75, 25);
    return b;
  };
  fBtnPrint = button(QStringLiteral("BtnPrint"), QStringLiteral("Drucken"));
  fBtnCancel = button(QStringLiteral("BtnCancel"), QStringLiteral("Abbrechen"));
  fBtnHelp = button(QStringLiteral("BtnHelp"), QStringLiteral("Hilfe"));
  fBtnPrint->setDefault(true);
  fBtnHelp->setAutoDefault(false);
  connect(fBtnPrint, &QPushButton::clicked, this, &tDlgGraph::BtnPrintClick);
  connect(fBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(fBtnHelp, &QPushButton::clicked, this, &tDlgGraph::BtnHelpClick);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &tDlgGraph::BtnHelpClick);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(6);
  buttons->addStretch(1);
  buttons->addWidget(fBtnPrint);
  buttons->addWidget(fBtnCancel);
  buttons->addWidget(fBtnHelp);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(8);
  layout->addWidget(group);
  layout->addLayout(buttons);
  // The design size, or more when the main window's font needs it.
  setMinimumSize(kClientWidth, kClientHeight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ClickOnReturnIn(this);  // Return on "Abbrechen" does not print
  FormCreate();
  adjustSize();
  setGeometry(CentredOnScreen(this, size()));
  gGraphDialog = this;
}

tDlgGraph::~tDlgGraph() {
  if (gGraphDialog == this) gGraphDialog = nullptr;
}

tDlgGraph* GraphDialog() { return gGraphDialog; }

void tDlgGraph::FormCreate() {
  const tGraphAxes proposal = ProposedGraphAxes(fCalc);
  fNFieldX->SetIntValue(proposal.Months);
  fNFieldY->SetIntValue(proposal.MaxCost);
}

void tDlgGraph::FormShow() {
  if (tMorlakApp* app = MorlakApp()) app->ApplyMainFont(this);
}

void tDlgGraph::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

bool tDlgGraph::CheckFields() {
  const struct {
    tNumField* field;
    QString problem;
  } checks[] = {
      {fNFieldX, fNFieldX->InError() ? TimeAxisProblem(0) : TimeAxisProblem(fNFieldX->IntValue())},
      {fNFieldY, fNFieldY->InError() ? CostAxisProblem(0) : CostAxisProblem(fNFieldY->IntValue())},
  };
  for (const auto& check : checks) {
    if (check.problem.isEmpty()) continue;
    ShowError(check.problem);
    check.field->setFocus(Qt::OtherFocusReason);
    return false;
  }
  return true;
}

void tDlgGraph::BtnPrintClick() {
  if (!CheckFields()) return;  // the dialog stays open for the correction
  try {
    tGraphPrinting job(
        static_cast<int32_t>(fNFieldX->IntValue()), fDaten, fCalc,
        [this] { return static_cast<int32_t>(fNFieldY->IntValue()); }, fMakeCurrent);
    job.Preview();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + ExceptionMessage(e));
  }
  accept();
}

void tDlgGraph::BtnHelpClick() { ShowHelpTopic(kHelpContext); }
