// The payback dialog "Amortisationsrechnung".
//
// Page "Systemauswahl" prices the two configurations compared with manual
// time studies: the time-study system (recording device plus KARU) and the
// time-study plus planned-time system (the same with KARU in full and
// TOMVIL). Prices are either typed in ("individuelle Eingabe") or taken
// from the standard price table ("Standardpreise") for the chosen device,
// display and software editions (pricetable.h).
// Page "Ergebnisseite" holds the two month counts of the planned-time
// build-up and shows the results of the three comparisons.
// Page "Wirtschaftlichkeit" (economicspage.h) holds the inputs of the
// economic appraisal and shows its figures (economics.h).
// Page "Sensitivität" (sensitivitypage.h) holds the target payback and the
// change of the inputs and shows the sensitivity (sensitivity.h); the
// results page shows the cost curves as a live picture (costcurvepicture.h).
//
// Every change recalculates at once (tPaybackCalc) and writes the dialog's
// cost and month fields into the record; when the dialog is destroyed the
// record receives the option choices, the training days and the values
// last visible in the fields, including one typed into a field that still
// has the focus.
//
// Ownership and lifetime: the record belongs to the main window and must
// outlive the dialog. The dialog is created for one modal run and freed
// right after it (RunPaybackDialog). While it exists PaybackDialog() answers
// it, so that the reports and the graph dialog can read its results.
//
// Errors: an option code of the record outside its range makes the
// constructor throw EDevException ("Unbekannte Geräteoption (%D).",
// "Unbekannte KARU-Option (%D).", "Unbekannte TOMVIL-Option (%D).", location
// "tDlgAmortisation.FormCreate"); the record is then left as it was.
#pragma once

#include <QDialog>
#include <cstdint>

#include <memory>

#include "economics.h"
#include "fontshrink.h"
#include "payback.h"
#include "tableclipboard.h"
#include "sensitivity.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QToolBar;
class tNumField;
class tEconomicsPage;
class tSensitivityPage;
class tCostCurvePicture;
class tPictureView;
class tTaviDaten;
class tAmortUpDown;
class tTabStops;

class tDlgAmortisation : public QDialog {
 public:
  static constexpr int kHelpContext = 2000;
  // The query "Anzahl der Jahre" of the table printout.
  static constexpr int kYearsHelpContext = 2010;
  // The area below the menu bar, at 96 dpi: high enough for the picture
  // of the cost curves below the results and for the page "Sensitivität".
  static constexpr int kClientWidth = 721;
  static constexpr int kClientHeight = 700;
  // Page units (0.1 mm) per pixel of the cost curves' picture: the graph's
  // text then reads as small print.
  static constexpr double kCostCurveUnitsPerPixel = 3.0;

  // Fills the dialog from the record (FormCreate). Throws EDevException for
  // an unknown option code; nothing has been written to the record then.
  explicit tDlgAmortisation(tTaviDaten& daten, QWidget* parent = nullptr);
  // Writes the dialog back into the record (FormDestroy).
  ~tDlgAmortisation() override;

  tTaviDaten& Daten() const { return fDaten; }
  // The results of the last Calculate.
  const tPaybackCalc& Calc() const { return fCalc; }
  const tEconomicsCalc& Economics() const { return fEconomics; }
  const tSensitivityCalc& Sensitivity() const { return fSensitivity; }
  // The help of the page shown (kHelpContext, or the appraisal's or the
  // sensitivity's).
  int HelpContext() const;

  // Copies the eight cost and month fields and the inputs of the appraisal
  // and of the sensitivity into the record.
  void StoreFields();
  // Recomputes every result from the record.
  void Calculate();
  // Writes the record's cost and month values and all results into the
  // controls of both pages.
  void ShowResults();

  QAction* ActionPrintTable() const { return fActionPrintTable; }
  QAction* ActionPrintGraphic() const { return fActionPrintGraphic; }
  QAction* ActionPrintOverview() const { return fActionPrintOverview; }
  QAction* ActionSystem() const { return fActionSystem; }
  QAction* ActionResults() const { return fActionResults; }
  QAction* ActionEconomics() const { return fActionEconomics; }
  QAction* ActionSensitivity() const { return fActionSensitivity; }
  QAction* ActionPrintSensitivity() const { return fActionPrintSensitivity; }
  // The picture of the cost curves on the results page.
  const tPictureView* CostCurveView() const { return fCostCurveView; }
  QAction* ActionHelp() const { return fActionHelp; }
  QAction* ActionCopy() const { return fActionCopy; }
  QAction* ActionSaveWorkbook() const { return fActionSaveWorkbook; }

  // The results page as a table of the texts it shows: the two month
  // counts, the monthly reduction, then each comparison's title and its
  // rows (caption, value, unit; the balances beside them).
  tClipboardTable ResultsTable() const;
  // Writes the workbook of the current figures (workbook.h) to fileName,
  // the month table covering the useful life, at least three years. A
  // failure is shown ("Fehler beim Speichern der Arbeitsmappe.") and
  // answers false; the file is then as it was.
  bool SaveWorkbookTo(const QString& fileName);

 protected:
  void showEvent(QShowEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Building the form.
  void BuildActions();
  void BuildMenus(QMenuBar* menuBar, QToolBar* toolBar);
  QWidget* BuildSystemPage();
  QWidget* BuildResultsPage();
  void ConnectHandlers();
  void SetTabOrder();
  void FitToScreen();
  void DetachHandlers();
  void UpdateMetrics();

  // Lifecycle.
  void FormCreate();
  void FormShow();
  void FormDestroy();

  // Handlers.
  void EvalFields();
  void RBtnInputClick();
  void SelectionChanged();
  void UpDownTrainingDaysZSChangingEx(int newPosition, bool& allowChange);
  void UpDownTrainingDaysPLChangingEx(int newPosition, bool& allowChange);
  void ActionSystemExecute();
  void ActionResultsExecute();
  void ActionEconomicsExecute();
  void ActionSensitivityExecute();
  void ActionHelpExecute();
  // "Ausdruck Amortisations-Tabelle": asks "Anzahl der Jahre" (default 1;
  // cancel does nothing) and previews the month table of that many years.
  // A count that is no whole number, negative or too large for the months
  // is reported as "Fehler bei der Druckaufbereitung.\n\r" and the reason.
  void ActionPrintTableExecute();
  // "Ausdruck Amortisations-Grafik": recalculates and opens the graph
  // dialog, which previews the graph.
  void ActionPrintGraphicExecute();
  // The overview "Gesamtübersicht": its three cover sheets in the preview.
  void ActionPrintOverviewExecute();
  // "Kopieren" (Ctrl+C) on the results page: ResultsTable to the clipboard.
  void ActionCopyExecute();
  // "Als Arbeitsmappe speichern…": asks for the file, then SaveWorkbookTo.
  void ActionSaveWorkbookExecute();
  void PageChanged();
  // "Ausdruck Sensitivität": the page of the sensitivity in the preview.
  void ActionPrintSensitivityExecute();

  void UpdateInputStates();
  void ApplyStandardPrices();
  void SetFieldEditable(tNumField* field, bool editable);

  tTaviDaten& fDaten;
  tPaybackCalc fCalc;
  tEconomicsCalc fEconomics;
  tSensitivityCalc fSensitivity;
  bool fUpdating = false;

  QAction* fActionPrintTable = nullptr;
  QAction* fActionPrintGraphic = nullptr;
  QAction* fActionPrintOverview = nullptr;
  QAction* fActionSystem = nullptr;
  QAction* fActionResults = nullptr;
  QAction* fActionEconomics = nullptr;
  QAction* fActionSensitivity = nullptr;
  QAction* fActionPrintSensitivity = nullptr;
  QAction* fActionHelp = nullptr;
  QAction* fActionCopy = nullptr;
  QAction* fActionSaveWorkbook = nullptr;
  QMenu* fPopupMenu = nullptr;
  QTabWidget* fPageControl = nullptr;
  QWidget* fSheetSystem = nullptr;
  QWidget* fSheetResults = nullptr;
  tEconomicsPage* fSheetEconomics = nullptr;
  tSensitivityPage* fSheetSensitivity = nullptr;
  QPushButton* fBtnClose = nullptr;
  tTabStops* fTabStops = nullptr;
  QMenuBar* fMenuBar = nullptr;
  QScrollArea* fClientScroll = nullptr;
  // Smaller fonts on a screen too small for the design size.
  tFontShrink fFonts;

  // Page "Systemauswahl".
  tNumField* fInvestZS = nullptr;
  tNumField* fSchulungZS = nullptr;
  tNumField* fZusatzZS = nullptr;
  tNumField* fCosts1 = nullptr;
  tNumField* fInvestPL = nullptr;
  tNumField* fSchulungPL = nullptr;
  tNumField* fZusatzPL = nullptr;
  tNumField* fCosts2 = nullptr;
  QLineEdit* fEditDaysZS = nullptr;
  QLineEdit* fEditDaysPL = nullptr;
  tAmortUpDown* fUpDownZS = nullptr;
  tAmortUpDown* fUpDownPL = nullptr;
  QRadioButton* fRBtnManualInput = nullptr;
  QRadioButton* fRBtnStandardValues = nullptr;
  QRadioButton* fRBtnQUANTORIX = nullptr;
  QRadioButton* fRBtnBELTORIX = nullptr;
  QCheckBox* fCBoxColorDisplay = nullptr;
  QRadioButton* fRBtnKARUBasic = nullptr;
  QRadioButton* fRBtnKARUFull = nullptr;
  QRadioButton* fRBtnTOMVILReg = nullptr;
  QRadioButton* fRBtnTOMVILKalk = nullptr;
  QRadioButton* fRBtnTOMVILAP = nullptr;

  // Page "Ergebnisseite".
  tNumField* fBeginnReduzierung = nullptr;
  tNumField* fAufwandPLSyst = nullptr;
  QLabel* fLblZeitstudienanteil = nullptr;
  QLabel* fLblAnzahlZeitstudien = nullptr;
  // Comparison 1: Gesamtkosten, Einsparung / Jahr, nach 1/2/3 Jahren, Armortisationszeit.
  QLabel* fLblCostsZS = nullptr;
  QLabel* fLblSavingZS = nullptr;
  QLabel* fLblBalanceZS[3] = {};
  QLabel* fLblPaybackZS = nullptr;
  // Comparison 2: Gesamtkosten, Einsparung ZS / Jahr, Einsparung Planz. / Jahr, …
  QLabel* fLblCostsPL = nullptr;
  QLabel* fLblSavingPlanzeitPL = nullptr;
  QLabel* fLblRestSavingPL = nullptr;
  QLabel* fLblBalancePL[3] = {};
  QLabel* fLblPaybackPL = nullptr;
  // Comparison 3: Mehrkosten Planzeitsystem, Einsparung Planz. / Jahr, …
  QLabel* fLblExtraCostsPLZS = nullptr;
  QLabel* fLblSavingPLZS = nullptr;
  QLabel* fLblBalancePLZS[3] = {};
  QLabel* fLblPaybackPLZS = nullptr;
  // The cost curves, drawn by the graph report.
  std::unique_ptr<tCostCurvePicture> fCostCurves;
  tPictureView* fCostCurveView = nullptr;
};

// The payback dialog while it exists, else nullptr.
tDlgAmortisation* PaybackDialog();

// The main window's payback command: creates the dialog for the record,
// shows it modally and frees it. Any failure is reported with ShowError as
// "Fehler beim Anzeigen des Dialogs.\n\r" followed by the error's message.
void RunPaybackDialog(tTaviDaten& daten, QWidget* parent);
