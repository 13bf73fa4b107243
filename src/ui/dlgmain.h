// The main window "MORLAK-Amortisationsrechnung".
//
// It owns the calculation record and the application object for the whole
// run. Four tab pages show the record: "Grunddaten", "Einsparung
// Zeitstudien" and "Einsparung Planzeiten" take the base data and saving
// shares and show every yearly and monthly figure; "Begründung" holds the
// four justification texts. The commands (payback calculation, company
// data, printer setup, help, info, page switching, exit) sit in the menu
// bar, the tool bar, the pages' pop-up menu and the exit button.
//
// Start: the data file "TAVI.DAT" beside the program is read if it exists
// (tDataFile: locked against a second program, which the user may open
// read-only or not at all; an unreadable file is kept under a new name
// before it is first written over; values no field takes are named in one
// warning). Leaving any entry field copies all entries into the record and
// rewrites every figure. Exit: the entries and texts go into the record and
// the data file is always written (unless opened read-only).
//
// Entries that the fields reject never reach the record: a field in error
// (outside its range, or a value too wide for it) keeps the user's text in
// the error colours, and the record keeps its previous value. The
// preparation and execution shares take together at most 100 %: an entry
// beyond what the other share leaves is refused the same way.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolBar;
class TMenuBar;
class tDlgAbout;
class tDataFile;
class tDlgUserData;
class tNumField;
class tSimpleApp;
class tTaviDaten;
class tTextMemo;

class tDlgMain : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1;
  // Client area at 96 dpi.
  static constexpr int kClientWidth = 636;
  static constexpr int kClientHeight = 435;

  // programDir: where the side files and the data file are; empty takes
  // the program file's directory.
  explicit tDlgMain(const QString& programDir = QString());
  ~tDlgMain() override;

  tTaviDaten& Daten() const { return *fDaten; }
  tSimpleApp* App() const { return fApp.get(); }
  QString DataFileName() const { return fDataFileName; }
  // Another program had the data file open and the user chose not to open
  // it: the program ends without showing this window or writing the file.
  bool OpenDeclined() const { return fOpenDeclined; }
  // The data file was opened read-only (another program writes it).
  bool DataReadOnly() const;
  int HelpContext() const { return fHelpContext; }

  // The calculation pages.
  void Alle_Eingabefelder();  // exit handler of every editable entry field
  void FelderLesen();         // the nine entry fields into the record
  void Anzeigen();            // the record into the fields and result labels

  // The memos' texts into the record.
  void TexteLesen();
  // Writes the data file now (entries and texts first, and what is typed in
  // an open company data dialog, which the record takes only with OK).
  // False when nothing was written (a failure, or read-only); nothing is
  // shown now (where an unreadable file was kept is told at exit).
  bool SaveData();

  // Closes open menus and modal dialogs, then this window, the way the user
  // would (session end, termination signals); the company data dialog is
  // closed as with OK, so that nothing typed is lost.
  void RequestClose();

  // The payback command: the payback dialog by default (tests put their
  // own runner in). Called with the record (holding the current entries)
  // and this window as the dialog's owner; reports its own failures.
  using tPaybackRunner = std::function<void(tTaviDaten&, QWidget*)>;
  void SetPaybackRunner(tPaybackRunner runner);

  // Commands.
  void ActionPrinterExecute();
  void ActionExitExecute();
  void ActionCalcExecute();
  void ActionUserDataExecute();
  void ActionHelpExecute();
  void ActionInfoExecute();
  void ActionDataExecute();
  void ActionZSExecute();
  void ActionPlanzeitenExecute();
  void ActionBegruendungExecute();

  // Why a share field takes less than 100 % (added to its range).
  static QString SharesTooLargeMessage();

 signals:
  // The window was closed; the program ends.
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  QWidget* BuildSheetData();
  QWidget* BuildSheetMM();
  QWidget* BuildSheetMMP();
  QWidget* BuildSheetBegruendung();
  tNumField* NewField(QWidget* parent, const QString& name, const QString& mask, bool extended, bool editable);
  QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text);
  QLabel* NewResult(QWidget* parent, const QString& name);
  void ShowPage(QWidget* page, QWidget* focus);
  template <class T, class Make>
  void RunDialog(QPointer<T>& reference, Make make);

  void FormCreate(const QString& programDir);
  void FormShow();
  void FormDestroy();
  // The data file's part of start and exit (dlgmaindata.cpp).
  void OpenDataFile();
  bool WriteDataFile(const tTaviDaten& daten, QString* keepProblem = nullptr);
  void SaveAtExit();

  int fHelpContext = 0;
  bool fDestroying = false;
  std::unique_ptr<tSimpleApp> fApp;
  std::unique_ptr<tTaviDaten> fDaten;
  QString fDataFileName;
  std::unique_ptr<tDataFile> fDataFile;
  bool fOpenDeclined = false;
  QString fKeptNotice;  // where an unreadable data file was kept, until told
  tPaybackRunner fPaybackRunner;

  // Commands, menus and bars.
  QAction* fActionPrinter = nullptr;
  QAction* fActionExit = nullptr;
  QAction* fActionCalc = nullptr;
  QAction* fActionUserData = nullptr;
  QAction* fActionHelp = nullptr;
  QAction* fActionInfo = nullptr;
  QAction* fActionData = nullptr;
  QAction* fActionZS = nullptr;
  QAction* fActionPlanzeiten = nullptr;
  QAction* fActionBegruendung = nullptr;
  QMenu* fMainMenu = nullptr;
  QMenu* fPopupMenu = nullptr;
  TMenuBar* fMenuBar = nullptr;
  QToolBar* fToolBar = nullptr;
  QPushButton* fBtnExit = nullptr;

  // Pages.
  QTabWidget* fPageCtrl = nullptr;
  QWidget* fTSheetData = nullptr;
  QWidget* fTSheetMM = nullptr;
  QWidget* fTSheetMMP = nullptr;
  QWidget* fTSheetBegruendung = nullptr;
  QTabWidget* fPageCtrlInfo = nullptr;
  tTextMemo* fMemVorbereitung = nullptr;
  tTextMemo* fMemDurchfuehrung = nullptr;
  tTextMemo* fMemAuswertung = nullptr;
  tTextMemo* fMemZeitstudienAnzahl = nullptr;

  // Entry fields.
  tNumField* fAnzZS = nullptr;
  tNumField* fDauerZS = nullptr;
  tNumField* fAnteilVorb = nullptr;
  tNumField* fAnteilDurchf = nullptr;
  tNumField* fAnteilAuswert = nullptr;
  tNumField* fStundensatz = nullptr;
  tNumField* fPotentialVorb = nullptr;
  tNumField* fPotentialDurchf = nullptr;
  tNumField* fPotentialAuswert = nullptr;
  tNumField* fPotentialGesamt = nullptr;
  tNumField* fPotentialAnzZS = nullptr;
  tNumField* fGesamteinsparung = nullptr;

  // Result labels, per row: hours and cost per year, per month.
  struct tResultRow {
    QLabel* hoursYear = nullptr;
    QLabel* costYear = nullptr;
    QLabel* hoursMonth = nullptr;
    QLabel* costMonth = nullptr;
  };
  tResultRow fRowGesamt, fRowVorb, fRowDurchf, fRowAuswert;        // Grunddaten
  tResultRow fRowZSVorb, fRowZSDurchf, fRowZSAuswert, fRowZSGesamt;  // Einsparung Zeitstudien
  tResultRow fRowPlanzeit, fRowRest, fRowPLGesamt;                 // Einsparung Planzeiten
};

// The main window while it exists (every other window reaches the record
// through it), else nullptr.
tDlgMain* DlgMain();
// The company data dialog and the about box while they are shown.
tDlgUserData* DlgUserData();
tDlgAbout* DlgAbout();
