// The printer setup dialog: shows the current printer, lets the user choose
// printer, paper and orientation ("Optionen", tDlgPrinterOptions) and edit
// the four page margins in centimetres, measured from the paper edge.
//
// The dialog edits its own copy of the margins. Each entry is read when the
// user presses Enter in it, when it loses the focus (unless to "OK" or
// "Abbruch") and, for all four, on "OK"; a value the printer cannot print,
// or one that leaves less of the page than the reports need for one row
// (tExtendedPrinter::LeastUsableWidth/Height), is refused with a message
// that says how much it leaves, and the previous value comes back. "OK"
// hands the margins to the printer object, "Abbruch" leaves them alone (a
// printer or paper chosen with "Optionen" stays in effect either way).
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "updown.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QGroupBox;
class tExtendedPrinter;

class tDlgPrinterSetup : public QDialog {
  Q_OBJECT
 public:
  static constexpr int HelpContext = 61200;

  // Raises EDevException "Ungültiger Drucker (tDlgPrinterSetup.Create)."
  // without a printer.
  tDlgPrinterSetup(bool marginsEnabled, tExtendedPrinter* printer, bool settingsEnabled, QWidget* parent = nullptr);

  // The edited margin of a side (tExtendedPrinter::tSide), in 0.1 mm from the
  // paper edge.
  int32_t Offset(int side) const;

  // A margin as shown in the entries: centimetres with two decimals and the
  // user's decimal separator ("2,00" for 200).
  static QString FormatOffset(int32_t tenthsOfMm);
  // An entry's text in 0.1 mm (nearest, halves to even); nothing when the
  // text is not a number. Values too large for any page come back as
  // INT64_MAX or INT64_MIN.
  static std::optional<int64_t> ParseOffset(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private slots:
  void BtnOkClick();
  void BtnSettingsClick();

 private:
  static void CheckSide(int side, const char* method);
  QString SideName(int side) const;
  bool CheckOffset(int side, int64_t value) const;
  // Why margin `value` of `side` cannot be taken although the printer could
  // print it: it leaves less of the page than the reports need (and less
  // than the margin it replaces); empty when it can.
  QString RoomProblem(int side, int64_t value) const;
  void FillOffsetEdit(int side);
  std::optional<int64_t> ConvertOffsetString(int side, const QString& text) const;
  // Reads the entry of a side; false when it was refused.
  bool ReadNewOffset(int side);
  void IncOffset(int side);
  void DecOffset(int side);
  void StepOffset(int side, bool up);
  void ShowPrinter();
  int SideOfEdit(const QObject* edit) const;

  tExtendedPrinter* fPrinter;
  std::array<int32_t, 4> fOffsets{};
  std::array<QLineEdit*, 4> fEdits{};
  std::array<tUpDown*, 4> fSpinners{};
  QGroupBox* GBoxPrinter;
  QLabel* LblPrinter;
  QGroupBox* GBoxOffset;
  QLabel* ImgOffsetsP;
  QLabel* ImgOffsetsL;
  QPushButton* BtnOk;
  QPushButton* BtnCancel;
  QPushButton* BtnSettings;
};
