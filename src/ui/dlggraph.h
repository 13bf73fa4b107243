// The graph dialog "Amortisations - Grafik": the extent of the payback
// graph's two axes, proposed from the payback results, and the button that
// prints it.
//
//   NFieldX  "Laufzeit in Monaten"      time axis, 1 to 9999999 months
//   NFieldY  "Maximale Ausgaben in DM"  cost axis, 1 to 2147483647 euros
//
// The proposal: the latest of the three paybacks plus three months, and the
// manual cost over that time rounded up to 500 euros plus 2000; the fields
// hold every proposal (graphaxes.h). "Drucken" opens the graph in the
// preview (landscape), and closes the dialog after the preview; a value the
// graph cannot use (out of range, or a cost axis below 1000 euros, which
// has no whole thousand to divide) is refused with a message and the
// dialog stays open. "Abbrechen" closes without printing.
//
// Inputs: the record and the payback computation (the payback dialog's;
// both must outlive the dialog) and the payback dialog's way of making the
// computation current (StoreFields, then Calculate), which the graph runs
// every time it draws its page. While the graph dialog exists,
// GraphDialog() answers it.
//
// Errors while preparing or previewing the graph are shown with ShowError as
// "Fehler bei der Druckaufbereitung.\n\r" and the message.
#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class tNumField;
class tPaybackCalc;
class tTaviDaten;

class tDlgGraph : public QDialog {
 public:
  static constexpr int kHelpContext = 1200;
  static constexpr int kClientWidth = 329;
  static constexpr int kClientHeight = 119;

  tDlgGraph(const tTaviDaten& daten, const tPaybackCalc& calc, std::function<void()> makeCurrent,
            QWidget* owner = nullptr);
  ~tDlgGraph() override;

  int HelpContext() const { return kHelpContext; }
  tNumField* FieldX() const { return fNFieldX; }
  tNumField* FieldY() const { return fNFieldY; }

  // The buttons' handlers.
  void BtnPrintClick();
  void BtnHelpClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  // The first problem of the two fields, with the field to correct.
  bool CheckFields();

  const tTaviDaten& fDaten;
  const tPaybackCalc& fCalc;
  std::function<void()> fMakeCurrent;
  tNumField* fNFieldX = nullptr;
  tNumField* fNFieldY = nullptr;
  QPushButton* fBtnPrint = nullptr;
  QPushButton* fBtnCancel = nullptr;
  QPushButton* fBtnHelp = nullptr;
};

// The graph dialog while it exists, else nullptr.
tDlgGraph* GraphDialog();
