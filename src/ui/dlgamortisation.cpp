#include "dlgamortisation.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "amorticons.h"
#include "amortupdown.h"
#include "appimages.h"
#include "deckblattprinting.h"
#include "dlggraph.h"
#include "costcurvepicture.h"
#include "economicspage.h"
#include "edevexception.h"
#include "formparts.h"
#include "help.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "numfield.h"
#include "numfmt.h"
#include "onscreen.h"
#include "pictureview.h"
#include "pricetable.h"
#include "radiogroup.h"
#include "sensitivitypage.h"
#include "returnkey.h"
#include "tabstops.h"
#include "taviprinting.h"
#include "tavidaten.h"
#include "yearcount.h"

namespace {

tDlgAmortisation* gPaybackDialog = nullptr;

const QString kLocation = QStringLiteral("tDlgAmortisation.FormCreate");

// Shown for a figure that left the 32-bit range.
const QString kNoFigure = QString(10, QLatin1Char('*'));

QString MoneyText(int32_t value) { return IsSaturated(value) ? kNoFigure : QString::number(value); }
QString BalanceText(int64_t value) { return value == kNoBalance ? kNoFigure : QString::number(value); }
QString RealText(extended value, int width, int decimals) {
  return QString::fromStdString(FormatRealInFull(value, width, decimals));
}

// A payback period and its unit: "keine Amortisation" alone where there is
// none, the months and "Monate" otherwise.
void ShowPayback(QLabel* value, extended months, bool found) {
  const bool none = !found && !std::isnan(months);
  value->setText(none ? QStringLiteral("keine Amortisation")
                      : QString::fromStdString(FormatPayback(months, found, 8, 1)));
  if (auto* unit = value->parentWidget()->findChild<QLabel*>(value->objectName() + QStringLiteral("Einheit")))
    unit->setText(none ? QString() : QStringLiteral("Monate"));
}

}  // namespace

// ---------------------------------------------------------------- the form

tDlgAmortisation::tDlgAmortisation(tTaviDaten& daten, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      fDaten(daten) {
  setObjectName(QStringLiteral("tDlgAmortisation"));
  setWindowTitle(QStringLiteral("Amortisationsrechnung"));

  BuildActions();

  auto* menuBar = new QMenuBar(this);
  menuBar->setObjectName(QStringLiteral("MainMenu"));
  menuBar->setNativeMenuBar(false);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);

  auto* toolBar = new QToolBar(client);
  toolBar->setObjectName(QStringLiteral("ToolBar"));
  toolBar->setIconSize(QSize(16, 16));
  toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  BuildMenus(menuBar, toolBar);

  fPageControl = new QTabWidget(client);
  fPageControl->setObjectName(QStringLiteral("PageControl"));
  fPageControl->setUsesScrollButtons(false);
  fSheetSystem = BuildSystemPage();
  fSheetResults = BuildResultsPage();
  fPageControl->addTab(fSheetSystem, QStringLiteral("Systemauswahl"));
  fPageControl->addTab(fSheetResults, QStringLiteral("Ergebnisseite"));
  fSheetEconomics = new tEconomicsPage;
  fPageControl->addTab(fSheetEconomics, QStringLiteral("Wirtschaftlichkeit"));
  fSheetSensitivity = new tSensitivityPage;
  fPageControl->addTab(fSheetSensitivity, QStringLiteral("Sensitivität"));
  fPageControl->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(fPageControl, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { fPopupMenu->popup(fPageControl->mapToGlobal(pos)); });

  fBtnClose = new QPushButton(QStringLiteral("Schließen"), client);
  fBtnClose->setObjectName(QStringLiteral("BtnClose"));
  fBtnClose->setFixedSize(75, 25);
  fBtnClose->setAutoDefault(false);  // Return in a field must not close the dialog
  ClickOnReturn(fBtnClose);
  connect(fBtnClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* body = new QVBoxLayout;
  body->setContentsMargins(4, 2, 4, 6);
  body->setSpacing(6);
  body->addWidget(fPageControl, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(fBtnClose);
  body->addLayout(buttons);

  auto* clientLayout = new QVBoxLayout(client);
  clientLayout->setContentsMargins(0, 0, 0, 0);
  clientLayout->setSpacing(0);
  clientLayout->addWidget(toolBar);
  clientLayout->addLayout(body, 1);

  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(0, 0, 0, 0);
  frame->setSpacing(0);
  frame->setMenuBar(menuBar);
  // The client area keeps its design size where the screen has room for it
  // (FitToScreen).
  fClientScroll = new QScrollArea(this);
  fClientScroll->setObjectName(QStringLiteral("ClientScroll"));
  fClientScroll->setFrameShape(QFrame::NoFrame);
  fClientScroll->setWidgetResizable(false);
  fClientScroll->setWidget(client);
  frame->addWidget(fClientScroll);
  frame->setSizeConstraint(QLayout::SetFixedSize);
  fMenuBar = menuBar;

  SetTabOrder();

  // The menu bar from the keyboard, as in the main window (F1 is the help
  // command's shortcut).
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, menuBar, [menuBar] {
    if (!menuBar->actions().isEmpty()) menuBar->setActiveAction(menuBar->actions().first());
  });

  UpdateMetrics();
  ConnectHandlers();
  try {
    FormCreate();
  } catch (...) {
    DetachHandlers();  // the children outlive this object's own part
    throw;
  }

  FitToScreen();
  gPaybackDialog = this;
}

tDlgAmortisation::~tDlgAmortisation() {
  FormDestroy();
  DetachHandlers();
  if (gPaybackDialog == this) gPaybackDialog = nullptr;
}

// From here on no child may call back into this dialog, whose own part is
// about to go while the children are deleted later by the base class (a
// field that still has the focus loses it then, for one).
void tDlgAmortisation::DetachHandlers() {
  fUpdating = true;
  fUpDownZS->SetOnChangingEx(nullptr);
  fUpDownPL->SetOnChangingEx(nullptr);
  fSheetEconomics->OnChanged = nullptr;
  fSheetSensitivity->OnChanged = nullptr;
  for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
}

void tDlgAmortisation::BuildActions() {
  // Access letters for the menus, shortcuts that work anywhere in the
  // dialog (the menus show them).
  const auto action = [this](const QString& name, const QString& caption, const QString& hint,
                             const QKeySequence& shortcut) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    a->setShortcut(shortcut);
    addAction(a);
    return a;
  };
  fActionPrintTable = action(QStringLiteral("ActionPrintTable"), QStringLiteral("Ausdruck Amortisations-&Tabelle"),
                             QStringLiteral("Ausdruck Tabelle"), QKeySequence(Qt::CTRL | Qt::Key_T));
  fActionPrintGraphic =
      action(QStringLiteral("ActionPrintGraphic"), QStringLiteral("Ausdruck Amortisations-&Grafik"),
             QStringLiteral("Ausdruck Grafik"), QKeySequence(Qt::CTRL | Qt::Key_G));
  fActionPrintOverview = action(QStringLiteral("ActionPrintOverview"), QStringLiteral("Ausdruck Gesamt&übersicht"),
                                QStringLiteral("Ausdruck Gesamtübersicht"), QKeySequence(Qt::CTRL | Qt::Key_D));
  fActionSystem = action(QStringLiteral("ActionSystem"), QStringLiteral("&Systemauswahl"),
                         QStringLiteral("Systemauswahl"), QKeySequence(Qt::CTRL | Qt::Key_1));
  fActionResults = action(QStringLiteral("ActionResults"), QStringLiteral("&Ergebnisseite"),
                          QStringLiteral("Ergebnisseite"), QKeySequence(Qt::CTRL | Qt::Key_2));
  fActionEconomics = action(QStringLiteral("ActionEconomics"), QStringLiteral("&Wirtschaftlichkeit"),
                            QStringLiteral("Wirtschaftlichkeit"), QKeySequence(Qt::CTRL | Qt::Key_3));
  fActionSensitivity = action(QStringLiteral("ActionSensitivity"), QStringLiteral("Sens&itivität"),
                              QStringLiteral("Sensitivität"), QKeySequence(Qt::CTRL | Qt::Key_4));
  fActionPrintSensitivity =
      action(QStringLiteral("ActionPrintSensitivity"), QStringLiteral("Ausdruck Sens&itivität"),
             QStringLiteral("Ausdruck Sensitivität"), QKeySequence(Qt::CTRL | Qt::Key_I));
  fActionHelp =
      action(QStringLiteral("ActionHelp"), QStringLiteral("&Hilfe"), QStringLiteral("Hilfe"), QKeySequence(Qt::Key_F1));
  fActionCopy = action(QStringLiteral("ActionCopy"), QStringLiteral("&Kopieren"),
                       QStringLiteral("Ergebnisse als Tabelle kopieren"), QKeySequence::Copy);
  fActionSaveWorkbook = action(QStringLiteral("ActionSaveWorkbook"), QStringLiteral("Als &Arbeitsmappe speichern…"),
                               QStringLiteral("Als Arbeitsmappe speichern"), QKeySequence());

  fActionPrintTable->setIcon(AmortIcon(tAmortIcon::PrintTable));
  fActionPrintGraphic->setIcon(AmortIcon(tAmortIcon::PrintGraphic));
  fActionPrintOverview->setIcon(AmortIcon(tAmortIcon::PrintOverview));
  fActionPrintSensitivity->setIcon(AmortIcon(tAmortIcon::PrintSensitivity));
  fActionHelp->setIcon(AppIcon(QStringLiteral("TBHELP")));

  connect(fActionPrintTable, &QAction::triggered, this, &tDlgAmortisation::ActionPrintTableExecute);
  connect(fActionPrintGraphic, &QAction::triggered, this, &tDlgAmortisation::ActionPrintGraphicExecute);
  connect(fActionPrintOverview, &QAction::triggered, this, &tDlgAmortisation::ActionPrintOverviewExecute);
  connect(fActionSystem, &QAction::triggered, this, &tDlgAmortisation::ActionSystemExecute);
  connect(fActionResults, &QAction::triggered, this, &tDlgAmortisation::ActionResultsExecute);
  connect(fActionEconomics, &QAction::triggered, this, &tDlgAmortisation::ActionEconomicsExecute);
  connect(fActionSensitivity, &QAction::triggered, this, &tDlgAmortisation::ActionSensitivityExecute);
  connect(fActionPrintSensitivity, &QAction::triggered, this, &tDlgAmortisation::ActionPrintSensitivityExecute);
  connect(fActionHelp, &QAction::triggered, this, &tDlgAmortisation::ActionHelpExecute);
  connect(fActionCopy, &QAction::triggered, this, &tDlgAmortisation::ActionCopyExecute);
  connect(fActionSaveWorkbook, &QAction::triggered, this, &tDlgAmortisation::ActionSaveWorkbookExecute);
}

void tDlgAmortisation::BuildMenus(QMenuBar* menuBar, QToolBar* toolBar) {
  QMenu* edit = menuBar->addMenu(QStringLiteral("&Bearbeiten"));
  edit->setObjectName(QStringLiteral("MenuEdit"));
  QMenu* page = edit->addMenu(QStringLiteral("&Seite"));
  page->setObjectName(QStringLiteral("MenuPage"));
  page->addAction(fActionSystem);
  page->addAction(fActionResults);
  page->addAction(fActionEconomics);
  page->addAction(fActionSensitivity);
  edit->addSeparator();
  edit->addAction(fActionPrintTable);
  edit->addAction(fActionPrintGraphic);
  edit->addAction(fActionPrintOverview);
  edit->addAction(fActionPrintSensitivity);
  edit->addSeparator();
  edit->addAction(fActionCopy);
  edit->addAction(fActionSaveWorkbook);
  QMenu* help = menuBar->addMenu(QStringLiteral("&Hilfe"));
  help->setObjectName(QStringLiteral("MenuHelp"));
  help->addAction(fActionHelp);

  toolBar->addAction(fActionPrintTable);
  toolBar->addAction(fActionPrintGraphic);
  toolBar->addAction(fActionPrintOverview);
  toolBar->addAction(fActionPrintSensitivity);
  toolBar->addSeparator();
  toolBar->addAction(fActionHelp);

  fPopupMenu = new QMenu(this);
  fPopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  fPopupMenu->addAction(fActionSystem);
  fPopupMenu->addAction(fActionResults);
  fPopupMenu->addAction(fActionEconomics);
  fPopupMenu->addAction(fActionSensitivity);
  fPopupMenu->addSeparator();
  fPopupMenu->addAction(fActionCopy);
}

// Widths that depend on the font: the entry fields hold as many digits as
// their mask, the value labels an eleven-character figure, the unit
// columns "Monate".
void tDlgAmortisation::UpdateMetrics() {
  const auto fieldWidth = [](tNumField* field) {
    const QFontMetrics fm(field->font());
    return fm.horizontalAdvance(QString(int(field->Mask().size()), QLatin1Char('0'))) + 14;
  };
  for (tNumField* field : findChildren<tNumField*>()) field->setFixedWidth(fieldWidth(field));
  for (QLineEdit* days : {fEditDaysZS, fEditDaysPL})
    days->setFixedWidth(QFontMetrics(days->font()).horizontalAdvance(QStringLiteral("000")) + 10);
  for (QLabel* label : findChildren<QLabel*>()) {
    const QFontMetrics fm(label->font());
    if (label->property("amortValue").toBool())
      label->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("-0000000000")) + 8);
    else if (label->property("amortUnit").toBool())
      label->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Monate")));
  }
  // Room for "keine Amortisation" from the start keeps the three groups'
  // columns aligned whatever the results.
  for (QLabel* payback : {fLblPaybackZS, fLblPaybackPL, fLblPaybackPLZS})
    payback->setMinimumWidth(std::max(payback->minimumWidth(),
                                      payback->fontMetrics().horizontalAdvance(QStringLiteral("keine Amortisation")) + 8));
}

// Top left to bottom right: the tabs, the cost groups (time-study system,
// then the planned-time system), the settings panel, then the results
// page's two month counts, the appraisal's four inputs, the sensitivity's two inputs and its choice
// of the comparison, then "Schließen". Fields that are read-only in the current price mode take no
// Tab stop.
void tDlgAmortisation::SetTabOrder() {
  QList<QWidget*> chain = {fPageControl->tabBar(), fInvestZS,     fSchulungZS,         fEditDaysZS,
                                 fZusatzZS,              fInvestPL,     fSchulungPL,         fEditDaysPL,
                                 fZusatzPL,              fRBtnManualInput, fRBtnStandardValues, fRBtnQUANTORIX,
                                 fRBtnBELTORIX,          fCBoxColorDisplay, fRBtnKARUBasic,     fRBtnKARUFull,
                                 fRBtnTOMVILReg,         fRBtnTOMVILKalk, fRBtnTOMVILAP,      fBeginnReduzierung,
                                 fAufwandPLSyst};
  for (QWidget* field : fSheetEconomics->Fields()) chain << field;
  for (QWidget* field : fSheetSensitivity->Fields()) chain << field;
  chain << fBtnClose;
  for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
  fTabStops = new tTabStops(this, chain);
}

bool tDlgAmortisation::focusNextPrevChild(bool next) {
  if (!fTabStops || !fTabStops->Move(next)) return QDialog::focusNextPrevChild(next);
  // On a small screen the area scrolls to where the focus went.
  if (QWidget* focus = QApplication::focusWidget(); focus && fClientScroll->widget()->isAncestorOf(focus))
    fClientScroll->ensureWidgetVisible(focus);
  return true;
}

void tDlgAmortisation::ConnectHandlers() {
  for (tNumField* field : {fInvestZS, fSchulungZS, fZusatzZS, fInvestPL, fSchulungPL, fZusatzPL, fBeginnReduzierung,
                           fAufwandPLSyst})
    connect(field, &tNumField::Exited, this, &tDlgAmortisation::EvalFields);

  // Radio buttons report both the one switched off and the one switched on;
  // only the latter counts.
  for (QRadioButton* mode : {fRBtnManualInput, fRBtnStandardValues})
    connect(mode, &QRadioButton::toggled, this, [this](bool on) {
      if (on) RBtnInputClick();
    });
  for (QRadioButton* choice :
       {fRBtnQUANTORIX, fRBtnBELTORIX, fRBtnKARUBasic, fRBtnKARUFull, fRBtnTOMVILReg, fRBtnTOMVILKalk, fRBtnTOMVILAP})
    connect(choice, &QRadioButton::toggled, this, [this](bool on) {
      if (on) SelectionChanged();
    });
  connect(fCBoxColorDisplay, &QCheckBox::toggled, this, &tDlgAmortisation::SelectionChanged);

  fUpDownZS->SetOnChangingEx(
      [this](int position, int, bool& allow) { UpDownTrainingDaysZSChangingEx(position, allow); });
  fUpDownPL->SetOnChangingEx(
      [this](int position, int, bool& allow) { UpDownTrainingDaysPLChangingEx(position, allow); });
  fSheetEconomics->OnChanged = [this] { EvalFields(); };
  fSheetSensitivity->OnChanged = [this] { EvalFields(); };
  connect(fPageControl, &QTabWidget::currentChanged, this, &tDlgAmortisation::PageChanged);
  PageChanged();
}

// ------------------------------------------------------------- lifecycle

void tDlgAmortisation::FormCreate() {
  fUpdating = true;
  fRBtnManualInput->setChecked(fDaten.ManuelleEingabe != 0);
  fRBtnStandardValues->setChecked(fDaten.ManuelleEingabe == 0);

  // An option code without a choice stops here: nothing is written back.
  if (const std::string unknown = UnknownOptionMessage(fDaten); !unknown.empty())
    throw EDevException(QString::fromStdString(unknown), kLocation);
  (fDaten.Erfassgeraet == 0 ? fRBtnQUANTORIX : fRBtnBELTORIX)->setChecked(true);
  fCBoxColorDisplay->setChecked(fDaten.Farbdisplay != 0);
  (fDaten.ZSSoftwareOption == 0 ? fRBtnKARUBasic : fRBtnKARUFull)->setChecked(true);
  (fDaten.PlanzeitOption == 0 ? fRBtnTOMVILReg : fDaten.PlanzeitOption == 1 ? fRBtnTOMVILKalk : fRBtnTOMVILAP)
      ->setChecked(true);
  // A day count beyond the range (a hand-edited data file) is shown as
  // the nearest count the control allows.
  fUpDownZS->SetPosition(fDaten.SchulungstageZS);
  fUpDownPL->SetPosition(fDaten.SchulungstagePL);

  Calculate();
  ShowResults();
  fUpdating = false;

  UpdateInputStates();
  ApplyStandardPrices();

  fPageControl->setCurrentWidget(fSheetSystem);
}

void tDlgAmortisation::FormShow() {
  if (tMorlakApp* app = MorlakApp()) app->ApplyMainFont(this);
  UpdateMetrics();
  FitToScreen();
}

// The design size where the screen has room for it with the menu bar and
// the window frame. On a smaller screen (a scale factor of 2 on 1280 x 1024)
// the client area takes the room there is and is laid out anew in it, with
// fonts as large as lets every control fit; only a screen too small even
// for the smallest fonts makes the area scroll. Centred on the screen and
// never beyond it.
void tDlgAmortisation::FitToScreen() {
  QWidget* client = fClientScroll->widget();
  const QSize design(kClientWidth, kClientHeight);
  // The largest client the screen takes, menu bar included.
  const QSize room = FitOnScreen(this, QSize(1 << 16, 1 << 16));
  const auto fits = [&room](QSize size, int menu) {
    return size.width() <= room.width() && size.height() + menu <= room.height();
  };
  // What the area's controls need at the current fonts: every size the
  // layouts keep is measured anew, in nested layouts and hidden pages too.
  const auto needed = [client] {
    for (QLayout* layout : client->findChildren<QLayout*>()) layout->invalidate();
    for (QWidget* w : client->findChildren<QWidget*>()) w->updateGeometry();
    client->layout()->invalidate();
    client->layout()->activate();
    return client->layout()->minimumSize();
  };

  fFonts.Restore();
  UpdateMetrics();
  QSize area = design;
  bool scrolls = false;
  if (!fits(design, fMenuBar->sizeHint().height())) {
    scrolls = true;
    for (const qreal factor : {1.0, 0.95, 0.9, 0.85, 0.8, 0.75, 0.7, 0.65}) {
      fFonts.Apply(this, factor);
      UpdateMetrics();
      const QSize need = needed();
      const int menu = fMenuBar->sizeHint().height();
      area = need;
      if (!fits(need, menu)) continue;
      area = design.boundedTo(QSize(room.width(), room.height() - menu)).expandedTo(need);
      scrolls = false;
      break;
    }
  }
  client->setFixedSize(area);
  const int menu = fMenuBar->sizeHint().height();
  const QSize view = scrolls ? QSize(room.width(), room.height() - menu) : area;
  const Qt::ScrollBarPolicy policy = scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  fClientScroll->setHorizontalScrollBarPolicy(policy);
  fClientScroll->setVerticalScrollBarPolicy(policy);
  fClientScroll->setFixedSize(view);
  adjustSize();
  setGeometry(CentredOnScreen(this, size()));
}

void tDlgAmortisation::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void tDlgAmortisation::FormDestroy() {
  fDaten.ManuelleEingabe = fRBtnManualInput->isChecked() ? 1 : 0;
  fDaten.Erfassgeraet = fRBtnQUANTORIX->isChecked() ? 0 : 1;
  fDaten.Farbdisplay = fCBoxColorDisplay->isChecked() ? 1 : 0;
  fDaten.ZSSoftwareOption = fRBtnKARUBasic->isChecked() ? 0 : 1;
  fDaten.PlanzeitOption = fRBtnTOMVILReg->isChecked() ? 0 : fRBtnTOMVILKalk->isChecked() ? 1 : 2;
  fDaten.SchulungstageZS = static_cast<uint8_t>(fUpDownZS->Position());
  fDaten.SchulungstagePL = static_cast<uint8_t>(fUpDownPL->Position());
  StoreFields();
  Calculate();
}

// ------------------------------------------------------------ operations

void tDlgAmortisation::StoreFields() {
  // The fields hold whole numbers within their ranges, or a value the
  // program put there from the record; either fits the record's fields.
  const auto value = [](const tNumField* field) { return static_cast<int32_t>(field->IntValue()); };
  fDaten.InvestZSSystem = value(fInvestZS);
  fDaten.SchulungskostenZS = value(fSchulungZS);
  fDaten.ZusatzkostenZS = value(fZusatzZS);
  fDaten.InvestPLSystem = value(fInvestPL);
  fDaten.SchulungskostenPL = value(fSchulungPL);
  fDaten.ZusatzkostenPL = value(fZusatzPL);
  fDaten.BeginnReduzierung = value(fBeginnReduzierung);
  fDaten.AufwandPLSyst = value(fAufwandPLSyst);
  fDaten.Economics = fSheetEconomics->Inputs();
  fDaten.Sensitivity = fSheetSensitivity->Inputs();
}

void tDlgAmortisation::Calculate() {
  fCalc.Calculate(fDaten);
  fEconomics.Calculate(fDaten, fCalc, fDaten.Economics);
  fSensitivity.Calculate(fDaten, fDaten.Economics, fDaten.Sensitivity);
}

void tDlgAmortisation::ShowResults() {
  fInvestZS->SetIntValue(fDaten.InvestZSSystem);
  fSchulungZS->SetIntValue(fDaten.SchulungskostenZS);
  fZusatzZS->SetIntValue(fDaten.ZusatzkostenZS);
  fInvestPL->SetIntValue(fDaten.InvestPLSystem);
  fSchulungPL->SetIntValue(fDaten.SchulungskostenPL);
  fZusatzPL->SetIntValue(fDaten.ZusatzkostenPL);
  fBeginnReduzierung->SetIntValue(fDaten.BeginnReduzierung);
  fAufwandPLSyst->SetIntValue(fDaten.AufwandPLSyst);

  const tPaybackResults r = fCalc.Results();
  // A sum beyond the 32-bit range is shown as asterisks, not as its limit.
  const auto total = [](tNumField* field, int32_t value) {
    if (IsSaturated(value))
      field->SetExtValue(std::numeric_limits<long double>::quiet_NaN());
    else
      field->SetIntValue(value);
  };
  total(fCosts1, r.CostsZS);
  total(fCosts2, r.CostsPL);

  fLblCostsZS->setText(MoneyText(r.CostsZS));
  fLblSavingZS->setText(MoneyText(r.EinsparungKostenZS));
  for (int i = 0; i < 3; ++i) fLblBalanceZS[i]->setText(BalanceText(r.BalanceZS[i]));
  ShowPayback(fLblPaybackZS, r.PaybackZS, r.PaybackZSFound);

  fLblCostsPL->setText(MoneyText(r.CostsPL));
  fLblSavingPlanzeitPL->setText(MoneyText(r.EinsparungKostenPlanzeit));
  fLblRestSavingPL->setText(MoneyText(r.RestEinsparungKosten));
  for (int i = 0; i < 3; ++i) fLblBalancePL[i]->setText(BalanceText(r.BalancePL[i]));
  ShowPayback(fLblPaybackPL, r.PaybackPL, r.PaybackPLFound);

  fLblZeitstudienanteil->setText(RealText(r.Zeitstudienanteil, 6, 2));
  fLblAnzahlZeitstudien->setText(RealText(r.AnzahlZeitstudien, 6, 2));

  fLblExtraCostsPLZS->setText(MoneyText(r.MehrkostenPL));
  fLblSavingPLZS->setText(MoneyText(r.EinsparungPlanzeit));
  for (int i = 0; i < 3; ++i) fLblBalancePLZS[i]->setText(BalanceText(r.BalancePLZS[i]));
  ShowPayback(fLblPaybackPLZS, r.PaybackPLZS, r.PaybackPLZSFound);

  fSheetEconomics->SetInputs(fDaten.Economics);
  fSheetEconomics->ShowFigures(fEconomics);
  fSheetSensitivity->SetInputs(fDaten.Sensitivity);
  fSheetSensitivity->ShowSensitivity(fSensitivity);
  fCostCurves->SetCalc(fCalc);
  fCostCurveView->Refresh();
}

void tDlgAmortisation::SetFieldEditable(tNumField* field, bool editable) { field->SetEditable(editable); }

void tDlgAmortisation::UpdateInputStates() {
  const bool manual = fRBtnManualInput->isChecked();
  for (tNumField* field : {fInvestZS, fSchulungZS, fInvestPL, fSchulungPL}) SetFieldEditable(field, manual);

  const bool standard = fRBtnStandardValues->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{fRBtnQUANTORIX, fRBtnBELTORIX, fCBoxColorDisplay,
                                                          fRBtnKARUBasic, fRBtnKARUFull, fRBtnTOMVILReg,
                                                          fRBtnTOMVILKalk, fRBtnTOMVILAP})
    control->setEnabled(standard);
  if (standard) {
    fSchulungZS->SetIntValue(TrainingCost(fUpDownZS->Position()));
    fSchulungPL->SetIntValue(TrainingCost(fUpDownPL->Position()));
  }
}

void tDlgAmortisation::ApplyStandardPrices() {
  if (fRBtnManualInput->isChecked()) return;
  const int device = fRBtnQUANTORIX->isChecked() ? 0 : 1;
  const int tomvil = fRBtnTOMVILReg->isChecked() ? 0 : fRBtnTOMVILKalk->isChecked() ? 1 : 2;
  const tStandardPrices prices =
      StandardPrices(device, fCBoxColorDisplay->isChecked(), !fRBtnKARUBasic->isChecked(), tomvil);
  fInvestZS->SetIntValue(prices.InvestZS);
  fInvestPL->SetIntValue(prices.InvestPL);
  StoreFields();
  Calculate();
  ShowResults();
}

// -------------------------------------------------------------- handlers

void tDlgAmortisation::EvalFields() {
  if (fUpdating) return;
  StoreFields();
  Calculate();
  ShowResults();
}

void tDlgAmortisation::RBtnInputClick() {
  if (fUpdating) return;
  UpdateInputStates();
  ApplyStandardPrices();
}

void tDlgAmortisation::SelectionChanged() {
  if (fUpdating) return;
  ApplyStandardPrices();
}

void tDlgAmortisation::UpDownTrainingDaysZSChangingEx(int newPosition, bool& allowChange) {
  if (newPosition >= fUpDownZS->Minimum() && newPosition <= fUpDownZS->Maximum()) {
    fSchulungZS->SetIntValue(TrainingCost(newPosition));
    EvalFields();
  }
  allowChange = true;
}

void tDlgAmortisation::UpDownTrainingDaysPLChangingEx(int newPosition, bool& allowChange) {
  if (newPosition >= fUpDownPL->Minimum() && newPosition <= fUpDownPL->Maximum()) {
    fSchulungPL->SetIntValue(TrainingCost(newPosition));
    EvalFields();
  }
  allowChange = true;
}

void tDlgAmortisation::ActionSystemExecute() {
  fPageControl->setCurrentWidget(fSheetSystem);
  fInvestZS->setFocus(Qt::OtherFocusReason);
}

void tDlgAmortisation::ActionResultsExecute() {
  fPageControl->setCurrentWidget(fSheetResults);
  fBeginnReduzierung->setFocus(Qt::OtherFocusReason);
}

void tDlgAmortisation::ActionEconomicsExecute() {
  fPageControl->setCurrentWidget(fSheetEconomics);
  fSheetEconomics->Fields().front()->setFocus(Qt::OtherFocusReason);
}

void tDlgAmortisation::ActionSensitivityExecute() {
  fPageControl->setCurrentWidget(fSheetSensitivity);
  fSheetSensitivity->Fields().front()->setFocus(Qt::OtherFocusReason);
}

int tDlgAmortisation::HelpContext() const {
  if (fPageControl->currentWidget() == fSheetEconomics) return tEconomicsPage::kHelpContext;
  if (fPageControl->currentWidget() == fSheetSensitivity) return tSensitivityPage::kHelpContext;
  return kHelpContext;
}

void tDlgAmortisation::ActionHelpExecute() { ShowHelpTopic(HelpContext()); }

void tDlgAmortisation::ActionPrintTableExecute() {
  QString answer;
  {
    QInputDialog box(this);
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(QStringLiteral("Eingabe"));
    box.setLabelText(QStringLiteral("Anzahl der Jahre"));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QStringLiteral("1"));
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    InstallHelpKey(&box, kYearsHelpContext);
    if (tMorlakApp* app = MorlakApp()) app->ApplyMainFont(&box);
    if (box.exec() != QDialog::Accepted) return;
    answer = box.textValue();
  }
  try {
    const tYearCount years = ParseYearCount(answer);
    if (!years.Ok()) throw EDevException(years.Message);
    // A value typed into a field that still has the focus counts, as on
    // the screen.
    StoreFields();
    Calculate();
    ShowResults();
    tTaviPrinting job(years.Months, fDaten, fCalc);
    job.Preview();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + ExceptionMessage(e));
  }
}

void tDlgAmortisation::ActionPrintGraphicExecute() {
  try {
    StoreFields();
    Calculate();
    ShowResults();
    tDlgGraph dialog(fDaten, fCalc, [this] {
      StoreFields();
      Calculate();
    }, this);
    dialog.exec();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Anzeigen des Dialogs.\n\r") + ExceptionMessage(e));
  }
}

void tDlgAmortisation::ActionPrintOverviewExecute() {
  try {
    // As for the table: what the screen shows is printed.
    StoreFields();
    Calculate();
    ShowResults();
    const QString layoutDir = MorlakApp() ? MorlakApp()->ProgramDir() : QCoreApplication::applicationDirPath();
    tDeckBlattPrinting job(fDaten, fCalc, layoutDir);
    job.Preview();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + ExceptionMessage(e));
  }
}

void tDlgAmortisation::ActionPrintSensitivityExecute() {
  try {
    StoreFields();
    Calculate();
    ShowResults();
    const QString layoutDir = MorlakApp() ? MorlakApp()->ProgramDir() : QCoreApplication::applicationDirPath();
    tDeckBlattPrinting job(fDaten, fCalc, layoutDir, {}, tOverviewSheets::SensitivityOnly);
    job.Preview();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + ExceptionMessage(e));
  }
}

// ------------------------------------------------------------ the command

tDlgAmortisation* PaybackDialog() { return gPaybackDialog; }

void RunPaybackDialog(tTaviDaten& daten, QWidget* parent) {
  const QString failure = QStringLiteral("Fehler beim Anzeigen des Dialogs.\n\r");
  try {
    std::unique_ptr<tDlgAmortisation> dialog(new tDlgAmortisation(daten, parent));
    dialog->exec();
  } catch (const std::exception& e) {
    ShowError(failure + ExceptionMessage(e));
  } catch (...) {
    ShowError(failure);
  }
}
