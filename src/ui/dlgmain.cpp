#include "dlgmain.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <algorithm>
#include <exception>

#include "datafile.h"
#include "dlgabout.h"
#include "dlguserdata.h"
#include "edevexception.h"
#include "extmath.h"
#include "help.h"
#include "menubar.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "numfield.h"
#include "numfmt.h"
#include "onscreen.h"
#include "pageneeds.h"
#include "printer.h"
#include "returnkey.h"
#include "tavidaten.h"
#include "textentry.h"

namespace {

QPointer<tDlgMain> gDlgMain;
QPointer<tDlgUserData> gDlgUserData;
QPointer<tDlgAbout> gDlgAbout;

const QString kDialogError = QStringLiteral("Fehler beim Anzeigen des Dialogs.\n\r");

QString Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

// The four cells of a result row (Algorithms of the calculation pages):
// hours per year in 6 places, cost per year in 8, hours per month with one
// decimal in 8, cost per month rounded half to even in 8; a larger figure
// in full. A yearly figure that overflowed the 32-bit range makes every
// cell of its kind asterisks.
QString HoursYearText(int32_t hours) { return Trimmed(FormatFigure(hours, 6)); }
QString CostYearText(int32_t cost) { return Trimmed(FormatFigure(cost, 8)); }
QString HoursMonthText(int32_t hours) {
  if (IsSaturated(hours)) return QString::fromStdString(FillText('*', 8));
  return Trimmed(FormatRealInFull(static_cast<extended>(hours) / 12, 8, 1));
}
QString CostMonthText(int32_t cost) {
  if (IsSaturated(cost)) return QString::fromStdString(FillText('*', 8));
  return Trimmed(FormatFigure(Round32(static_cast<extended>(cost) / 12), 8));
}

// A row of a results table as it is built.
struct tRowLayout {
  QWidget* caption;   // the row label (one or two lines)
  tNumField* share;   // the field in the share column, or nullptr
  const char* names[4];
  bool tall;  // two text lines
};

}  // namespace

tDlgMain* DlgMain() { return gDlgMain.data(); }
tDlgUserData* DlgUserData() { return gDlgUserData.data(); }
tDlgAbout* DlgAbout() { return gDlgAbout.data(); }

QString tDlgMain::SharesTooLargeMessage() {
  return QStringLiteral("Vorbereitung und Durchführung zusammen dürfen 100 % nicht überschreiten.");
}

// ================================================================= building

tDlgMain::tDlgMain(const QString& programDir) : QWidget(nullptr) {
  gDlgMain = this;
  SetMainWindow(this);
  setObjectName(QStringLiteral("tDlgMain"));
  setWindowTitle(QStringLiteral("MORLAK-Amortisationsrechnung"));
  // Fixed single border, system menu and minimise button only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  BuildActions();
  BuildMenus();

  fMenuBar = new TMenuBar(this);
  fMenuBar->setObjectName(QStringLiteral("MenuBar"));
  fMenuBar->SetMenu(fMainMenu);

  fToolBar = new QToolBar(this);
  fToolBar->setObjectName(QStringLiteral("ToolBar"));
  fToolBar->setMovable(false);
  fToolBar->setFloatable(false);
  fToolBar->setIconSize(QSize(16, 16));
  fToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  fToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
  fToolBar->addAction(fActionUserData);
  fToolBar->addAction(fActionCalc);
  fToolBar->addSeparator();
  fToolBar->addAction(fActionHelp);
  fToolBar->addAction(fActionInfo);

  fPageCtrl = new QTabWidget(this);
  fPageCtrl->setObjectName(QStringLiteral("PageCtrl"));
  fTSheetData = BuildSheetData();
  fTSheetMM = BuildSheetMM();
  fTSheetMMP = BuildSheetMMP();
  fTSheetBegruendung = BuildSheetBegruendung();
  fPageCtrl->addTab(fTSheetData, QStringLiteral("Grunddaten"));
  fPageCtrl->addTab(fTSheetMM, QStringLiteral("Einsparung Zeitstudien"));
  fPageCtrl->addTab(fTSheetMMP, QStringLiteral("Einsparung Planzeiten"));
  fPageCtrl->addTab(fTSheetBegruendung, QStringLiteral("Begründung"));
  fPageCtrl->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(fPageCtrl, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { fPopupMenu->popup(fPageCtrl->mapToGlobal(pos)); });

  // The button shows the command without its access letter, which is the
  // menu's (Alt+B opens "Bearbeiten"). Return presses it when it has the
  // focus, as Space does.
  const auto exitText = [this] { return QString(fActionExit->text()).remove(QLatin1Char('&')); };
  fBtnExit = new QPushButton(exitText(), this);
  fBtnExit->setObjectName(QStringLiteral("BtnExit"));
  fBtnExit->setFixedSize(75, 25);
  fBtnExit->setToolTip(fActionExit->toolTip());
  ClickOnReturn(fBtnExit);
  connect(fBtnExit, &QPushButton::clicked, fActionExit, &QAction::trigger);
  connect(fActionExit, &QAction::changed, fBtnExit, [this, exitText] {
    fBtnExit->setText(exitText());
    fBtnExit->setEnabled(fActionExit->isEnabled());
  });

  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(0, 0, 0, 0);
  root->setSpacing(0);
  root->addWidget(fMenuBar);
  root->addWidget(fToolBar);
  auto* body = new QVBoxLayout;
  body->setContentsMargins(8, 4, 8, 8);
  body->setSpacing(6);
  body->addWidget(fPageCtrl, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(fBtnExit);
  body->addLayout(bottom);
  root->addLayout(body, 1);

  setFixedSize(kClientWidth, kClientHeight);
  // Centred on the screen, frame and all, and never beyond it.
  setGeometry(CentredOnScreen(this, size()));

  FormCreate(programDir);
}

tDlgMain::~tDlgMain() {
  FormDestroy();
  // The children outlive this part of the window (focus changes while they
  // are destroyed emit signals): nothing of theirs may reach it any more.
  for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

tNumField* tDlgMain::NewField(QWidget* parent, const QString& name, const QString& mask, bool extended,
                              bool editable) {
  auto* field = new tNumField(parent);
  field->setObjectName(name);
  field->setFont(QFont(QStringLiteral("Arial"), 8));
  field->SetKind(extended ? tNumField::Kind::Extended : tNumField::Kind::Integer);
  field->SetMask(mask);
  field->SetEditable(editable);
  // One width for all, wide enough for the longest mask.
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 22);
  if (editable) connect(field, &tNumField::Exited, this, &tDlgMain::Alle_Eingabefelder);
  return field;
}

QLabel* tDlgMain::NewLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* tDlgMain::NewResult(QWidget* parent, const QString& name) {
  QLabel* label = NewLabel(parent, name, QString());
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setContentsMargins(4, 0, 8, 0);
  return label;
}

namespace {

// The results table of a calculation page: row captions, an optional share
// column, and the group boxes " pro Jahr " and " pro Monat ", each with the
// heads "Dauer [h]" and "Kosten [€]" and one right-aligned label per cell.
// All share one grid, so that every row lines up across the boxes.
class tTableBuilder {
 public:
  tTableBuilder(QWidget* container, bool shareColumn, const QString& prefix)
      : fContainer(container), fShare(shareColumn), fPrefix(prefix) {
    fGrid = new QGridLayout(container);
    fGrid->setContentsMargins(0, 0, 0, 0);
    fGrid->setHorizontalSpacing(0);
    fGrid->setVerticalSpacing(0);
    const QFontMetrics fm(container->font());
    // Columns: caption, gap, share, gap, year hours, year cost, gap, month
    // hours, month cost, rest.
    fGrid->setColumnMinimumWidth(1, 8);
    fGrid->setColumnMinimumWidth(3, 12);
    fGrid->setColumnMinimumWidth(6, 10);
    const int valueWidth = std::max({fm.horizontalAdvance(QStringLiteral("00000000")),
                                     fm.horizontalAdvance(QStringLiteral("********")),
                                     fm.horizontalAdvance(QStringLiteral("Kosten [€]")),
                                     fm.horizontalAdvance(QStringLiteral("Dauer [h]"))}) +
                           16;
    for (int c : {4, 5, 7, 8}) fGrid->setColumnMinimumWidth(c, valueWidth);
    fGrid->setColumnStretch(9, 1);
    fRowHeight = std::max(fm.height() + 8, 22);
    fGrid->setRowMinimumHeight(0, fm.height() + 4);  // the boxes' titles
    fGrid->setRowMinimumHeight(1, fRowHeight);       // heads

    // The boxes first, so that the labels lie on top of them.
    fYear = new QGroupBox(QStringLiteral(" pro Jahr "), container);
    fYear->setObjectName(prefix + QStringLiteral("GrpJahr"));
    fMonth = new QGroupBox(QStringLiteral(" pro Monat "), container);
    fMonth->setObjectName(prefix + QStringLiteral("GrpMonat"));
    if (fShare) Head(QStringLiteral("KopfAnteil"), QStringLiteral("Anteil [%]"), 2);
    Head(QStringLiteral("KopfDauerJahr"), QStringLiteral("Dauer [h]"), 4);
    Head(QStringLiteral("KopfKostenJahr"), QStringLiteral("Kosten [€]"), 5);
    Head(QStringLiteral("KopfDauerMonat"), QStringLiteral("Dauer [h]"), 7);
    Head(QStringLiteral("KopfKostenMonat"), QStringLiteral("Kosten [€]"), 8);
  }

  // Adds a row; the result labels are made by makeResult(name).
  template <class MakeResult>
  void AddRow(const tRowLayout& line, QLabel* (&cells)[4], MakeResult makeResult) {
    const int row = fNextRow++;
    fGrid->setRowMinimumHeight(row, line.tall ? 2 * fRowHeight - 6 : fRowHeight);
    fGrid->addWidget(line.caption, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    if (line.share) fGrid->addWidget(line.share, row, 2, Qt::AlignRight | Qt::AlignVCenter);
    const int columns[4] = {4, 5, 7, 8};
    for (int i = 0; i < 4; ++i) {
      cells[i] = makeResult(QLatin1String(line.names[i]));
      fGrid->addWidget(cells[i], row, columns[i]);
    }
  }

  void Finish() {
    const int bottom = fNextRow;
    fGrid->setRowMinimumHeight(bottom, 8);
    fGrid->addWidget(fYear, 0, 4, bottom + 1, 2);
    fGrid->addWidget(fMonth, 0, 7, bottom + 1, 2);
    fYear->lower();
    fMonth->lower();
  }

 private:
  void Head(const QString& name, const QString& text, int column) {
    auto* label = new QLabel(text, fContainer);
    label->setObjectName(fPrefix + name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setContentsMargins(4, 0, column == 2 ? 0 : 8, 0);
    fGrid->addWidget(label, 1, column);
  }

  QWidget* fContainer;
  bool fShare;
  QString fPrefix;
  QGridLayout* fGrid = nullptr;
  QGroupBox* fYear = nullptr;
  QGroupBox* fMonth = nullptr;
  int fRowHeight = 22;
  int fNextRow = 2;
};

void StoreRow(QLabel* (&cells)[4], QLabel*& hoursYear, QLabel*& costYear, QLabel*& hoursMonth, QLabel*& costMonth) {
  hoursYear = cells[0];
  costYear = cells[1];
  hoursMonth = cells[2];
  costMonth = cells[3];
}

QLabel* IntroLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

QWidget* tDlgMain::BuildSheetData() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TSheetData"));
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(12, 12, 12, 8);
  layout->setSpacing(12);

  // The base data: caption, field, units.
  auto* inputs = new QGridLayout;
  inputs->setHorizontalSpacing(8);
  inputs->setVerticalSpacing(4);
  int row = 0;
  const auto addInput = [&](const char* labelName, const QString& text, tNumField* field, const QString& unit,
                            const char* unitName, const QString& unit2 = QString(), const char* unit2Name = nullptr) {
    inputs->addWidget(NewLabel(page, QLatin1String(labelName), text), row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    inputs->addWidget(field, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    if (!unit.isEmpty()) {
      // "€" and "/ Stunde" read as one unit.
      auto* units = new QHBoxLayout;
      units->setSpacing(4);
      units->addWidget(NewLabel(page, QLatin1String(unitName), unit));
      if (!unit2.isEmpty()) units->addWidget(NewLabel(page, QLatin1String(unit2Name), unit2));
      units->addStretch(1);
      inputs->addLayout(units, row, 2, Qt::AlignVCenter);
    }
    ++row;
  };
  fAnzZS = NewField(page, QStringLiteral("AnzZS_Feld"), QStringLiteral("#####"), false, true);
  fAnzZS->SetRange(0, 99999);
  fDauerZS = NewField(page, QStringLiteral("DauerZS_Feld"), QStringLiteral("###.#"), true, true);
  fAnteilVorb = NewField(page, QStringLiteral("AnteilVorb_Feld"), QStringLiteral("999"), false, true);
  fAnteilVorb->SetRange(0, 100);
  fAnteilDurchf = NewField(page, QStringLiteral("AnteilDurchf_Feld"), QStringLiteral("999"), false, true);
  fAnteilDurchf->SetRange(0, 100);
  fAnteilAuswert = NewField(page, QStringLiteral("AnteilAuswert_Feld"), QStringLiteral("999"), false, false);
  fAnteilAuswert->SetRange(0, 100);
  fStundensatz = NewField(page, QStringLiteral("Stundensatz_Feld"), QStringLiteral("999"), false, true);
  fStundensatz->SetRange(0, 255);

  addInput("LblAnzZS", QStringLiteral("Anzahl  Zeitstudien pro Jahr"), fAnzZS, QString(), nullptr);
  addInput("LblDauerZS", QStringLiteral("Durchschnittliche Dauer einer Zeitstudie"), fDauerZS,
           QStringLiteral("Stunden"), "LblDauerZSEinheit");
  addInput("LblAnteilVorb", QStringLiteral("Anteil Vorbereitung"), fAnteilVorb, QStringLiteral("%"),
           "LblAnteilVorbEinheit");
  addInput("LblAnteilDurchf", QStringLiteral("Anteil Durchführung"), fAnteilDurchf, QStringLiteral("%"),
           "LblAnteilDurchfEinheit");
  addInput("LblAnteilAuswert", QStringLiteral("Anteil Auswertung"), fAnteilAuswert, QStringLiteral("%"),
           "LblAnteilAuswertEinheit");
  addInput("LblStundensatz", QStringLiteral("Kostensatz des Zeitstudienmitarbeiters"), fStundensatz,
           QStringLiteral("€"), "LblStundensatzEinheit", QStringLiteral("/ Stunde"), "LblStundensatzProStunde");
  inputs->setColumnStretch(3, 1);
  layout->addLayout(inputs);

  auto* table = new QWidget(page);
  table->setObjectName(QStringLiteral("TabelleGrunddaten"));
  tTableBuilder builder(table, false, QStringLiteral("Data"));
  const auto result = [this, table](const QString& name) { return NewResult(table, name); };
  QLabel* cells[4];
  builder.AddRow({NewLabel(table, QStringLiteral("LblZeitstudienInsgesamt"), QStringLiteral("Zeitstudien insgesamt")),
                  nullptr, {"Label7", "Label11", "Label52", "Label56"}, false},
                 cells, result);
  StoreRow(cells, fRowGesamt.hoursYear, fRowGesamt.costYear, fRowGesamt.hoursMonth, fRowGesamt.costMonth);
  builder.AddRow({NewLabel(table, QStringLiteral("LblDataVorbereitung"), QStringLiteral("Vorbereitung")), nullptr,
                  {"Label8", "Label47", "Label53", "Label57"}, false},
                 cells, result);
  StoreRow(cells, fRowVorb.hoursYear, fRowVorb.costYear, fRowVorb.hoursMonth, fRowVorb.costMonth);
  builder.AddRow({NewLabel(table, QStringLiteral("LblDataDurchfuehrung"), QStringLiteral("Durchführung")), nullptr,
                  {"Label9", "Label48", "Label54", "Label58"}, false},
                 cells, result);
  StoreRow(cells, fRowDurchf.hoursYear, fRowDurchf.costYear, fRowDurchf.hoursMonth, fRowDurchf.costMonth);
  builder.AddRow({NewLabel(table, QStringLiteral("LblDataAuswertung"), QStringLiteral("Auswertung")), nullptr,
                  {"Label10", "Label49", "Label55", "Label59"}, false},
                 cells, result);
  StoreRow(cells, fRowAuswert.hoursYear, fRowAuswert.costYear, fRowAuswert.hoursMonth, fRowAuswert.costMonth);
  builder.Finish();
  layout->addWidget(table);
  layout->addStretch(1);
  return page;
}

QWidget* tDlgMain::BuildSheetMM() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TSheetMM"));
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(12, 12, 12, 8);
  layout->setSpacing(10);
  layout->addWidget(IntroLabel(page, QStringLiteral("LblMMEinleitung"),
                               QStringLiteral("Durch den Einsatz eines Zeitstudiensystems ergeben sich Einsparungen. "
                                              "Schätzen Sie bitte die Anteile ab für")));

  auto* table = new QWidget(page);
  table->setObjectName(QStringLiteral("TabelleZeitstudien"));
  tTableBuilder builder(table, true, QStringLiteral("MM"));
  const auto result = [this, table](const QString& name) { return NewResult(table, name); };
  fPotentialVorb = NewField(table, QStringLiteral("PotentialVorb_Feld"), QStringLiteral("999"), false, true);
  fPotentialVorb->SetRange(0, 100);
  fPotentialDurchf = NewField(table, QStringLiteral("PotentialDurchf_Feld"), QStringLiteral("999"), false, true);
  fPotentialDurchf->SetRange(0, 100);
  fPotentialAuswert = NewField(table, QStringLiteral("PotentialAuswert_Feld"), QStringLiteral("999"), false, true);
  fPotentialAuswert->SetRange(0, 100);
  fPotentialGesamt = NewField(table, QStringLiteral("PotentialGesamt_Feld"), QStringLiteral("###.#"), true, false);

  QLabel* cells[4];
  builder.AddRow({NewLabel(table, QStringLiteral("LblMMVorbereitung"), QStringLiteral("Vorbereitung")),
                  fPotentialVorb, {"Label20", "Label24", "Label31", "Label35"}, false},
                 cells, result);
  StoreRow(cells, fRowZSVorb.hoursYear, fRowZSVorb.costYear, fRowZSVorb.hoursMonth, fRowZSVorb.costMonth);
  builder.AddRow({NewLabel(table, QStringLiteral("LblMMDurchfuehrung"), QStringLiteral("Durchführung")),
                  fPotentialDurchf, {"Label21", "Label25", "Label32", "Label60"}, false},
                 cells, result);
  StoreRow(cells, fRowZSDurchf.hoursYear, fRowZSDurchf.costYear, fRowZSDurchf.hoursMonth, fRowZSDurchf.costMonth);
  builder.AddRow({NewLabel(table, QStringLiteral("LblMMAuswertung"), QStringLiteral("Auswertung")),
                  fPotentialAuswert, {"Label22", "Label26", "Label33", "Label61"}, false},
                 cells, result);
  StoreRow(cells, fRowZSAuswert.hoursYear, fRowZSAuswert.costYear, fRowZSAuswert.hoursMonth,
           fRowZSAuswert.costMonth);
  builder.AddRow({NewLabel(table, QStringLiteral("LblMMInsgesamt"), QStringLiteral("Insgesamt")), fPotentialGesamt,
                  {"Label19", "Label23", "Label30", "Label34"}, false},
                 cells, result);
  StoreRow(cells, fRowZSGesamt.hoursYear, fRowZSGesamt.costYear, fRowZSGesamt.hoursMonth, fRowZSGesamt.costMonth);
  builder.Finish();
  layout->addWidget(table);
  layout->addStretch(1);
  return page;
}

QWidget* tDlgMain::BuildSheetMMP() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TSheetMMP"));
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(12, 12, 12, 8);
  layout->setSpacing(10);
  layout->addWidget(IntroLabel(
      page, QStringLiteral("LblMMPEinleitung"),
      QStringLiteral("Wieviel Prozent an Zeitstudien können Sie durch den Einsatz von Planzeitkatalogen einsparen?")));

  auto* table = new QWidget(page);
  table->setObjectName(QStringLiteral("TabellePlanzeiten"));
  tTableBuilder builder(table, true, QStringLiteral("MMP"));
  const auto result = [this, table](const QString& name) { return NewResult(table, name); };
  fPotentialAnzZS = NewField(table, QStringLiteral("PotentialAnzZS_Feld"), QStringLiteral("999"), false, true);
  fPotentialAnzZS->SetRange(0, 100);
  fGesamteinsparung = NewField(table, QStringLiteral("Gesamteinsparung_Feld"), QStringLiteral("###.#"), true, false);

  // The middle row's caption in two lines.
  auto* rest = new QWidget(table);
  rest->setObjectName(QStringLiteral("LblRestEinsparung"));
  auto* restLines = new QVBoxLayout(rest);
  restLines->setContentsMargins(0, 0, 0, 0);
  restLines->setSpacing(0);
  restLines->addWidget(NewLabel(rest, QStringLiteral("LblRestEinsparung1"), QStringLiteral("Resteinsparung durch")));
  restLines->addWidget(
      NewLabel(rest, QStringLiteral("LblRestEinsparung2"), QStringLiteral("Einsatz Zeitstudiensystem")));

  QLabel* cells[4];
  builder.AddRow({NewLabel(table, QStringLiteral("LblReduzierung"), QStringLiteral("Reduzierung von Zeitstudien")),
                  fPotentialAnzZS, {"Label65", "Label66", "Label69", "Label70"}, false},
                 cells, result);
  StoreRow(cells, fRowPlanzeit.hoursYear, fRowPlanzeit.costYear, fRowPlanzeit.hoursMonth, fRowPlanzeit.costMonth);
  builder.AddRow({rest, nullptr, {"Label73", "Label74", "Label75", "Label76"}, true}, cells, result);
  StoreRow(cells, fRowRest.hoursYear, fRowRest.costYear, fRowRest.hoursMonth, fRowRest.costMonth);
  builder.AddRow({NewLabel(table, QStringLiteral("LblGesamteinsparung"), QStringLiteral("Gesamteinsparung")),
                  fGesamteinsparung, {"Label78", "Label79", "Label80", "Label81"}, false},
                 cells, result);
  StoreRow(cells, fRowPLGesamt.hoursYear, fRowPLGesamt.costYear, fRowPLGesamt.hoursMonth, fRowPLGesamt.costMonth);
  builder.Finish();
  layout->addWidget(table);
  layout->addStretch(1);
  return page;
}

QWidget* tDlgMain::BuildSheetBegruendung() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TSheetBegruendung"));
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);
  fPageCtrlInfo = new QTabWidget(page);
  fPageCtrlInfo->setObjectName(QStringLiteral("PageCtrlInfo"));
  fPageCtrlInfo->setTabPosition(QTabWidget::South);
  layout->addWidget(fPageCtrlInfo);

  const auto addPage = [this](const char* sheetName, const QString& caption, const char* memoName,
                              bool scrollBar) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QLatin1String(sheetName));
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    auto* memo = new tTextMemo(sheet);
    memo->setObjectName(QLatin1String(memoName));
    memo->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    sheetLayout->addWidget(memo);
    fPageCtrlInfo->addTab(sheet, caption);
    return memo;
  };
  fMemVorbereitung = addPage("TSheetVorbereitung", QStringLiteral("Vorbereitung"), "memVorbereitung", true);
  fMemDurchfuehrung = addPage("TSheetDurchfuehrung", QStringLiteral("Durchführung"), "memDurchfuehrung", true);
  fMemAuswertung = addPage("TSheetAuswertung", QStringLiteral("Auswertung"), "memAuswertung", true);
  fMemZeitstudienAnzahl =
      addPage("TSheetAnzahlZS", QStringLiteral("Anzahl Zeitstudien"), "memZeitstudienAnzahl", false);
  return page;
}

// ================================================================ lifecycle

void tDlgMain::FormCreate(const QString& programDir) {
  fApp = std::make_unique<tSimpleApp>(QStringLiteral("TAVI"), QStringLiteral("2.0"), programDir);
  if (tExtendedPrinter* printer = fApp->Printer()) {
    const tPageNeeds needs = LeastPageForReports();
    printer->SetLeastUsableArea(needs.Width, needs.Height);
  }
  fDaten = std::make_unique<tTaviDaten>();
  fDataFileName = fApp->ProgramDir() + QStringLiteral("TAVI.DAT");
  OpenDataFile();
  fPotentialVorb->SetIntValue(fDaten->PotentialVorb);
  fPotentialDurchf->SetIntValue(fDaten->PotentialDurchf);
  fPotentialAuswert->SetIntValue(fDaten->PotentialAuswert);
  fPotentialAnzZS->SetIntValue(fDaten->PotentialAnzZS);
  fMemVorbereitung->SetLines(fDaten->BegruendungVorbereitung);
  fMemDurchfuehrung->SetLines(fDaten->BegruendungDurchfuehrung);
  fMemAuswertung->SetLines(fDaten->BegruendungAuswertung);
  fMemZeitstudienAnzahl->SetLines(fDaten->BegruendungAnzahlZS);
  Anzeigen();
  fHelpContext = kHelpContext;
}

void tDlgMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void tDlgMain::FormShow() {
  if (fApp) fApp->SetMainFontName(QStringLiteral("Tahoma"));
  fPageCtrl->setCurrentWidget(fTSheetData);
  fPageCtrlInfo->setCurrentIndex(1);  // "Durchführung"
  fAnzZS->setFocus();
}

void tDlgMain::closeEvent(QCloseEvent* event) {
  event->accept();
  // Closing the main window ends the program.
  SetTerminating(true);
  emit Closed();
}

void tDlgMain::FormDestroy() {
  if (fDestroying) return;
  fDestroying = true;
  if (fDaten) {
    FelderLesen();
    TexteLesen();
    SaveAtExit();
  }
  fDataFile.reset();
  fDaten.reset();
  fApp.reset();
}

void tDlgMain::RequestClose() {
  // Open menus and modal dialogs end first, as their user would end them;
  // their loops unwind once control returns to them.
  for (int i = 0; i < 16; ++i) {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) break;
    popup->close();
  }
  for (int i = 0; i < 16; ++i) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this) break;
    // Company data keep what was typed, as OK would; the payback dialog
    // writes its fields back anyway when it goes.
    if (auto* userData = qobject_cast<tDlgUserData*>(modal))
      userData->EndAsOk();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }
  if (isVisible()) close();
}

void tDlgMain::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    ShowHelpTopic(fHelpContext);
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

// ======================================================== calculation pages

void tDlgMain::Alle_Eingabefelder() {
  if (fDestroying || !fDaten) return;
  FelderLesen();
  Anzeigen();
}

namespace {

// Each field answers its value in use: a rejected entry gives the value the
// field had before, which came from the record; the ranges fit the record
// fields.
template <class T>
void Take(const tNumField* field, T& target) {
  target = static_cast<T>(field->IntValue());
}

}  // namespace

void tDlgMain::FelderLesen() {
  if (!fDaten) return;
  tTaviDaten& d = *fDaten;
  Take(fAnzZS, d.AnzZS);
  d.DauerZS = fDauerZS->ExtValue();
  Take(fAnteilVorb, d.AnteilVorb);
  Take(fAnteilDurchf, d.AnteilDurchf);
  Take(fStundensatz, d.Stundensatz);
  Take(fPotentialVorb, d.PotentialVorb);
  Take(fPotentialDurchf, d.PotentialDurchf);
  Take(fPotentialAuswert, d.PotentialAuswert);
  Take(fPotentialAnzZS, d.PotentialAnzZS);
}

void tDlgMain::Anzeigen() {
  if (!fDaten) return;
  const tTaviDaten& d = *fDaten;
  // Preparation and execution together take at most 100 %: each share may
  // take what the other one leaves. A pair beyond that (from a data file)
  // shows both in the error colours.
  const auto limitShare = [](tNumField* field, int other) {
    field->SetRange(0, std::clamp(100 - other, 0, 100));
    field->SetRangeNote(other > 0 ? SharesTooLargeMessage() : QString());
  };
  limitShare(fAnteilVorb, d.AnteilDurchf);
  limitShare(fAnteilDurchf, d.AnteilVorb);
  // A rejected entry stays in view in the error colours; its tooltip names
  // the value written back here, which the figures below use.
  fAnzZS->SetIntValue(d.AnzZS);
  fDauerZS->SetExtValue(d.DauerZS);
  fAnteilVorb->SetIntValue(d.AnteilVorb);
  fAnteilDurchf->SetIntValue(d.AnteilDurchf);
  fStundensatz->SetIntValue(d.Stundensatz);
  fAnteilAuswert->SetIntValue(d.AnteilAuswert());
  fPotentialGesamt->SetExtValue(d.PotentialGesamt());
  fGesamteinsparung->SetExtValue(d.Gesamteinsparung());

  const auto fill = [](const tResultRow& row, int32_t hours, int32_t cost) {
    row.hoursYear->setText(HoursYearText(hours));
    row.costYear->setText(CostYearText(cost));
    row.hoursMonth->setText(HoursMonthText(hours));
    row.costMonth->setText(CostMonthText(cost));
  };
  fill(fRowGesamt, d.StundenGesamt(), d.KostenGesamt());
  fill(fRowVorb, d.StundenVorb(), d.KostenVorb());
  fill(fRowDurchf, d.StundenDurchf(), d.KostenDurchf());
  fill(fRowAuswert, d.StundenAuswert(), d.KostenAuswert());
  fill(fRowZSVorb, d.EinsparungStundenVorb(), d.EinsparungKostenVorb());
  fill(fRowZSDurchf, d.EinsparungStundenDurchf(), d.EinsparungKostenDurchf());
  fill(fRowZSAuswert, d.EinsparungStundenAuswert(), d.EinsparungKostenAuswert());
  fill(fRowZSGesamt, d.EinsparungStundenZS(), d.EinsparungKostenZS());
  fill(fRowPlanzeit, d.EinsparungStundenPlanzeit(), d.EinsparungKostenPlanzeit());
  fill(fRowRest, d.RestEinsparungStunden(), d.RestEinsparungKosten());
  fill(fRowPLGesamt, d.EinsparungStundenGesamt(), d.EinsparungKostenGesamt());
}

void tDlgMain::TexteLesen() {
  if (!fDaten) return;
  // The memos take only characters the file can keep, so the lists accept
  // their lines.
  fDaten->BegruendungVorbereitung.SetLines(fMemVorbereitung->Lines());
  fDaten->BegruendungDurchfuehrung.SetLines(fMemDurchfuehrung->Lines());
  fDaten->BegruendungAuswertung.SetLines(fMemAuswertung->Lines());
  fDaten->BegruendungAnzahlZS.SetLines(fMemZeitstudienAnzahl->Lines());
}

// ================================================================= commands

template <class T, class Make>
void tDlgMain::RunDialog(QPointer<T>& reference, Make make) {
  reference = nullptr;
  std::unique_ptr<T> dialog;
  try {
    dialog.reset(make());
    reference = dialog.get();
    dialog->exec();
  } catch (const std::exception& e) {
    dialog.reset();
    reference = nullptr;
    ShowError(kDialogError + ExceptionMessage(e));
  }
  dialog.reset();
  reference = nullptr;
}

void tDlgMain::SetPaybackRunner(tPaybackRunner runner) {
  fPaybackRunner = std::move(runner);
  fActionCalc->setEnabled(bool(fPaybackRunner));
}

void tDlgMain::ActionCalcExecute() {
  FelderLesen();
  Anzeigen();
  if (fPaybackRunner) fPaybackRunner(*fDaten, this);
}

void tDlgMain::ActionUserDataExecute() {
  RunDialog(gDlgUserData, [this] { return new tDlgUserData(*fDaten, this); });
}

void tDlgMain::ActionInfoExecute() {
  RunDialog(gDlgAbout, [this] { return new tDlgAbout(this); });
}

void tDlgMain::ActionPrinterExecute() {
  tExtendedPrinter* printer = fApp ? fApp->Printer() : nullptr;
  if (!printer) return;
  try {
    printer->SetupDialog(true, true);
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler bei der Druckereinrichtung.\n\r") + ExceptionMessage(e));
  }
}

void tDlgMain::ActionExitExecute() { close(); }

void tDlgMain::ActionHelpExecute() { ShowHelpContents(); }

void tDlgMain::ShowPage(QWidget* page, QWidget* focus) {
  fPageCtrl->setCurrentWidget(page);
  focus->setFocus();
}

void tDlgMain::ActionDataExecute() { ShowPage(fTSheetData, fAnzZS); }
void tDlgMain::ActionZSExecute() { ShowPage(fTSheetMM, fPotentialVorb); }
void tDlgMain::ActionPlanzeitenExecute() { ShowPage(fTSheetMMP, fPotentialAnzZS); }
void tDlgMain::ActionBegruendungExecute() { ShowPage(fTSheetBegruendung, fPageCtrlInfo); }
