// The two pages of the payback dialog: "Systemauswahl" with the costs of
// both configurations and the settings panel, "Ergebnisseite" with the two
// month counts and the results of the three comparisons.
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>
#include <utility>
#include <vector>

#include "amortparts.h"
#include "amortupdown.h"
#include "costcurvepicture.h"
#include "dlgamortisation.h"
#include "formparts.h"
#include "numfield.h"
#include "pictureview.h"
#include "pricetable.h"
#include "radiogroup.h"

using namespace amortparts;

QWidget* tDlgAmortisation::BuildSystemPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TSheetSystem"));

  // One group per configuration: investment, training (with the days),
  // additional cost and the total, each in euros.
  struct tCostRows {
    tNumField* invest;
    tNumField* training;
    tNumField* extra;
    tNumField* total;
    QLineEdit* days;
    tAmortUpDown* upDown;
  };
  const auto costGroup = [page](const QString& groupName, const QString& title, const QString& suffix,
                                const QString& totalName) {
    QGroupBox* box = Group(groupName, title, page);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    tCostRows rows{};
    rows.invest = IntegerField(QStringLiteral("Invest_%1_System_Feld").arg(suffix), QStringLiteral("#####"), 0, 99999, box);
    rows.training = IntegerField(QStringLiteral("Schulungskosten_%1_Feld").arg(suffix), QStringLiteral("#####"), 0, 10000, box);
    rows.extra = IntegerField(QStringLiteral("Zusatzkosten_%1_Feld").arg(suffix), QStringLiteral("#####"), 0, 10000, box);
    rows.total = IntegerField(totalName, QStringLiteral("##########"), std::numeric_limits<int32_t>::min(),
                          std::numeric_limits<int32_t>::max(), box);
    rows.total->SetEditable(false);
    rows.total->setFocusPolicy(Qt::NoFocus);

    rows.days = new QLineEdit(box);
    rows.days->setObjectName(QStringLiteral("EditTrainingDays%1").arg(suffix));
    rows.days->setReadOnly(true);
    rows.days->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows.upDown = new tAmortUpDown(box);
    rows.upDown->setObjectName(QStringLiteral("UpDownTrainingDays%1").arg(suffix));
    rows.upDown->SetRange(0, kMaxTrainingDays);
    rows.upDown->SetAssociate(rows.days);

    auto* line = new QFrame(box);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    const auto row = [box, grid](int r, const QString& caption, tNumField* field) {
      grid->addWidget(Caption(caption, box), r, 0);
      grid->addWidget(field, r, 1, Qt::AlignRight);
      grid->addWidget(Caption(QStringLiteral("€"), box), r, 2);
    };
    row(0, QStringLiteral("Investitionskosten System"), rows.invest);
    row(1, QStringLiteral("Schulungskosten"), rows.training);
    auto* days = new QHBoxLayout;
    days->setSpacing(0);
    days->addWidget(rows.days);
    days->addWidget(rows.upDown);
    days->addSpacing(4);
    days->addWidget(Caption(QStringLiteral("Tag(e)"), box));
    grid->addLayout(days, 1, 3);
    row(2, QStringLiteral("Zusatzkosten (Fahrt, Übernachtung)"), rows.extra);
    grid->addWidget(line, 3, 1, 1, 2);
    row(4, QStringLiteral("Gesamtkosten"), rows.total);
    grid->setColumnStretch(0, 1);
    return std::make_pair(box, rows);
  };

  auto [boxZS, zs] = costGroup(QStringLiteral("GBoxSystemZS"), QStringLiteral(" Zeitstudiensystem "),
                               QStringLiteral("ZS"), QStringLiteral("NFieldCosts1"));
  auto [boxPL, pl] = costGroup(QStringLiteral("GBoxSystemPL"), QStringLiteral(" Zeitstudien- und Planzeitsystem "),
                               QStringLiteral("PL"), QStringLiteral("NFieldCosts2"));
  fInvestZS = zs.invest;
  fSchulungZS = zs.training;
  fZusatzZS = zs.extra;
  fCosts1 = zs.total;
  fEditDaysZS = zs.days;
  fUpDownZS = zs.upDown;
  fInvestPL = pl.invest;
  fSchulungPL = pl.training;
  fZusatzPL = pl.extra;
  fCosts2 = pl.total;
  fEditDaysPL = pl.days;
  fUpDownPL = pl.upDown;

  // Settings: price mode, device, editions.
  auto* panel = new QFrame(page);
  panel->setObjectName(QStringLiteral("PanelSettings"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  fRBtnManualInput = Choice<QRadioButton>(QStringLiteral("RBtnManualInput"), QStringLiteral("individuelle Eingabe"), panel);
  fRBtnStandardValues = Choice<QRadioButton>(QStringLiteral("RBtnStandardValues"), QStringLiteral("Standardpreise"), panel);

  QGroupBox* device = Group(QStringLiteral("GBoxDevice"), QStringLiteral(" Erfaßgerät "), panel);
  fRBtnQUANTORIX = Choice<QRadioButton>(QStringLiteral("RBtnQUANTORIX"), QStringLiteral("QUANTORIX"), device);
  fRBtnBELTORIX = Choice<QRadioButton>(QStringLiteral("RBtnBELTORIX"), QStringLiteral("BELTORIX"), device);
  fCBoxColorDisplay = Choice<QCheckBox>(QStringLiteral("CBoxColorDisplay"), QStringLiteral("Farbdisplay"), device);
  StackIn(device, {fRBtnQUANTORIX, fRBtnBELTORIX, fCBoxColorDisplay});

  QGroupBox* karu = Group(QStringLiteral("GBoxSoftwareZS"), QStringLiteral(" Zeitstudiensystem "), panel);
  fRBtnKARUBasic = Choice<QRadioButton>(QStringLiteral("RBtnKARUBasic"), QStringLiteral("KARU Grundversion"), karu);
  fRBtnKARUFull = Choice<QRadioButton>(QStringLiteral("RBtnKARUFull"), QStringLiteral("KARU Vollversion"), karu);
  StackIn(karu, {fRBtnKARUBasic, fRBtnKARUFull});

  QGroupBox* tomvil = Group(QStringLiteral("GBoxSoftwarePL"), QStringLiteral(" Planzeitsystem "), panel);
  QLabel* karuPlus = Caption(QStringLiteral("KARU Vollversion +"), tomvil);
  karuPlus->setObjectName(QStringLiteral("LblKARUPlus"));
  fRBtnTOMVILReg = Choice<QRadioButton>(QStringLiteral("RBtnTOMVILReg"), QStringLiteral("TOMVIL Regression"), tomvil);
  fRBtnTOMVILKalk = Choice<QRadioButton>(QStringLiteral("RBtnTOMVILKalk"), QStringLiteral("TOMVIL Kalkulation"), tomvil);
  fRBtnTOMVILAP = Choice<QRadioButton>(QStringLiteral("RBtnTOMVILAP"), QStringLiteral("TOMVIL Arbeitsplanung"), tomvil);
  StackIn(tomvil, {karuPlus, fRBtnTOMVILReg, fRBtnTOMVILKalk, fRBtnTOMVILAP});

  // Each group of choices is one stop of the tab order; the arrow keys
  // move within it.
  new tRadioGroup({fRBtnManualInput, fRBtnStandardValues}, page);
  new tRadioGroup({fRBtnQUANTORIX, fRBtnBELTORIX}, page);
  new tRadioGroup({fRBtnKARUBasic, fRBtnKARUFull}, page);
  new tRadioGroup({fRBtnTOMVILReg, fRBtnTOMVILKalk, fRBtnTOMVILAP}, page);

  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(6, 6, 6, 6);
  panelLayout->setSpacing(4);
  panelLayout->addWidget(fRBtnManualInput);
  panelLayout->addWidget(fRBtnStandardValues);
  panelLayout->addSpacing(4);
  panelLayout->addWidget(device);
  panelLayout->addWidget(karu);
  panelLayout->addWidget(tomvil);
  panelLayout->addStretch(1);

  auto* costs = new QVBoxLayout;
  costs->setSpacing(8);
  costs->addWidget(boxZS);
  costs->addWidget(boxPL);
  costs->addStretch(1);

  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addLayout(costs, 1);
  layout->addWidget(panel);
  return page;
}

QWidget* tDlgAmortisation::BuildResultsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TSheetResults"));
  const QString euro = QStringLiteral("€");
  const QString months = QStringLiteral("Monate");

  // The two month counts of the planned-time build-up.
  fBeginnReduzierung = IntegerField(QStringLiteral("BeginnReduzierung_Feld"), QStringLiteral("##"), 0, 99, page);
  fAufwandPLSyst = IntegerField(QStringLiteral("Aufwand_PL_Syst_Feld"), QStringLiteral("##"), 0, 99, page);
  auto* inputs = new QGridLayout;
  inputs->setHorizontalSpacing(6);
  inputs->setVerticalSpacing(6);
  AddFieldRow(inputs, 0, QStringLiteral("Beginn der Reduzierung von Zeitstudien nach"), fBeginnReduzierung,
              QStringLiteral("Monate(n)"), page);
  AddFieldRow(inputs, 1, QStringLiteral("Aufbau des Katalogs in"), fAufwandPLSyst, QStringLiteral("Monate(n)"), page);

  QGroupBox* reduction =
      Group(QStringLiteral("GBoxReduction"), QStringLiteral("Monatliche Aufwandsreduzierung"), page);
  fLblZeitstudienanteil = ValueLabel(QStringLiteral("LblZeitstudienanteil"), reduction);
  fLblAnzahlZeitstudien = ValueLabel(QStringLiteral("LblAnzahlZeitstudien"), reduction);
  auto* reductionGrid = new QGridLayout(reduction);
  reductionGrid->setContentsMargins(8, 2, 8, 4);
  reductionGrid->setHorizontalSpacing(6);
  reductionGrid->setVerticalSpacing(2);
  reductionGrid->addWidget(Caption(QStringLiteral("Zeitstudienanteil"), reduction), 0, 0);
  reductionGrid->addWidget(fLblZeitstudienanteil, 0, 1);
  reductionGrid->addWidget(Caption(QStringLiteral("%"), reduction), 0, 2);
  reductionGrid->addWidget(Caption(QStringLiteral("Anzahl Zeitstudien"), reduction), 1, 0);
  reductionGrid->addWidget(fLblAnzahlZeitstudien, 1, 1);
  reductionGrid->setColumnStretch(0, 1);

  auto* top = new QHBoxLayout;
  top->setSpacing(12);
  top->addLayout(inputs);
  top->addStretch(1);
  top->addWidget(reduction);

  // One group per comparison: costs and savings on the left, the balances
  // after one to three years on the right, the payback period last on the
  // left. The same column plan in all three keeps the values aligned.
  struct tRow {
    QString caption;
    QLabel* value;
    QString unit;
  };
  const auto comparison = [page](const QString& name, const QString& title, const std::vector<tRow>& left,
                                 const std::vector<tRow>& right) {
    QGroupBox* box = Group(name, title, page);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 2, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const auto place = [box, grid](const std::vector<tRow>& rows, int column) {
      for (int i = 0; i < int(rows.size()); ++i) {
        rows[i].value->setParent(box);
        grid->addWidget(Caption(rows[i].caption, box), i, column);
        grid->addWidget(rows[i].value, i, column + 1);
        QLabel* unit = UnitLabel(rows[i].unit, box);
        unit->setObjectName(rows[i].value->objectName() + QStringLiteral("Einheit"));
        grid->addWidget(unit, i, column + 2);
      }
    };
    place(left, 0);
    place(right, 4);
    grid->setColumnMinimumWidth(3, 18);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    return box;
  };
  const auto value = [page](const QString& name) { return ValueLabel(name, page); };

  fLblCostsZS = value(QStringLiteral("LblCostsZS"));
  fLblSavingZS = value(QStringLiteral("LblSavingZS"));
  fLblPaybackZS = value(QStringLiteral("LblPaybackZS"));
  fLblCostsPL = value(QStringLiteral("LblCostsPL"));
  fLblSavingPlanzeitPL = value(QStringLiteral("LblSavingPlanzeitPL"));
  fLblRestSavingPL = value(QStringLiteral("LblRestSavingPL"));
  fLblPaybackPL = value(QStringLiteral("LblPaybackPL"));
  fLblExtraCostsPLZS = value(QStringLiteral("LblExtraCostsPLZS"));
  fLblSavingPLZS = value(QStringLiteral("LblSavingPLZS"));
  fLblPaybackPLZS = value(QStringLiteral("LblPaybackPLZS"));
  for (int i = 0; i < 3; ++i) {
    fLblBalanceZS[i] = value(QStringLiteral("LblBalanceZS%1").arg(i + 1));
    fLblBalancePL[i] = value(QStringLiteral("LblBalancePL%1").arg(i + 1));
    fLblBalancePLZS[i] = value(QStringLiteral("LblBalancePLZS%1").arg(i + 1));
  }
  const auto balances = [&euro](QLabel** labels) {
    return std::vector<tRow>{{QStringLiteral("nach 1 Jahr"), labels[0], euro},
                             {QStringLiteral("nach 2 Jahren"), labels[1], euro},
                             {QStringLiteral("nach 3 Jahren"), labels[2], euro}};
  };
  const QString payback = QStringLiteral("Armortisationszeit");

  QGroupBox* zs = comparison(QStringLiteral("GBoxZSManual"), QStringLiteral(" Zeitstudiensystem - Manuelle Datenermittlung "),
                             {{QStringLiteral("Gesamtkosten"), fLblCostsZS, euro},
                              {QStringLiteral("Einsparung / Jahr"), fLblSavingZS, euro},
                              {payback, fLblPaybackZS, months}},
                             balances(fLblBalanceZS));
  QGroupBox* pl =
      comparison(QStringLiteral("GBoxPLManual"), QStringLiteral(" Zeitstudien+Planzeitsystem - Manuelle Datenermittlung "),
                 {{QStringLiteral("Gesamtkosten"), fLblCostsPL, euro},
                  {QStringLiteral("Einsparung ZS / Jahr"), fLblSavingPlanzeitPL, euro},
                  {QStringLiteral("Einsparung Planz. / Jahr"), fLblRestSavingPL, euro},
                  {payback, fLblPaybackPL, months}},
                 balances(fLblBalancePL));
  QGroupBox* plzs = comparison(QStringLiteral("GBoxPLZS"), QStringLiteral(" Zeitstudien+Planzeitsystem - Zeitstudien "),
                               {{QStringLiteral("Mehrkosten Planzeitsystem"), fLblExtraCostsPLZS, euro},
                                {QStringLiteral("Einsparung Planz. / Jahr"), fLblSavingPLZS, euro},
                                {payback, fLblPaybackPLZS, months}},
                               balances(fLblBalancePLZS));

  // The three cost curves with their payback marks, as the graph prints them.
  fCostCurves = std::make_unique<tCostCurvePicture>();
  fCostCurveView = new tPictureView(fCostCurves.get(), kCostCurveUnitsPerPixel, page);
  fCostCurveView->setObjectName(QStringLiteral("CostCurves"));
  fCostCurveView->setMinimumHeight(80);  // on a small screen the figures come first

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(8);
  layout->addLayout(top);
  layout->addWidget(zs);
  layout->addWidget(pl);
  layout->addWidget(plzs);
  layout->addWidget(fCostCurveView, 1);
  return page;
}
