// The printer options behind "Optionen" of the printer setup: which
// printer, which paper size and which orientation - nothing else (the
// pages and copies of a print are chosen when printing).
//
// The dialog shows the printer object's current choices. "OK" applies the
// three to the printer object (its margins keep their distance from the
// paper edge and are checked again, see tExtendedPrinter); "Abbrechen",
// Esc and the close box change nothing. The paper list is the one of the
// printer selected in the dialog; the destination "PDF-Datei" offers the
// common sizes.
//
// Errors: a printer or paper the printer object refuses when applied
// raises EDevException from Apply (the caller reports it); what was applied
// before it stays.
#pragma once

#include <QDialog>
#include <QPageSize>

class QComboBox;
class QRadioButton;
class tExtendedPrinter;
class tTabStops;

class tDlgPrinterOptions : public QDialog {
  Q_OBJECT

 public:
  // The printer object must outlive the dialog (not owned).
  tDlgPrinterOptions(tExtendedPrinter& printer, QWidget* parent = nullptr);

  QComboBox* CBoxPrinter() const { return fPrinterBox; }
  QComboBox* CBoxPaper() const { return fPaperBox; }
  QRadioButton* RBtnPortrait() const { return fPortrait; }
  QRadioButton* RBtnLandscape() const { return fLandscape; }

  // The choices as shown.
  QString ChosenPrinter() const;
  QPageSize ChosenPaper() const;
  bool ChosenLandscape() const;

  // Hands the choices to the printer object.
  void Apply();

  // The paper sizes offered for a printer of the printer object's list.
  static QList<QPageSize> PaperSizesOf(const QString& printerName);
  // The German name of a paper size as listed ("A4 (210 × 297 mm)").
  static QString PaperText(const QPageSize& size);

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void FillPapers(const QPageSize& keep);

  tExtendedPrinter& fPrinter;
  QComboBox* fPrinterBox = nullptr;
  QComboBox* fPaperBox = nullptr;
  QRadioButton* fPortrait = nullptr;
  QRadioButton* fLandscape = nullptr;
  tTabStops* fTabStops = nullptr;
};
