// The company data dialog "Firmendaten": company name, user name and the
// justification of the investment, which the cover sheets and the report
// headers print.
//
// The controls are filled from the record each time the dialog is shown;
// "OK" stores them, "Abbrechen", Esc and the close box change nothing.
// When the program is ended from outside while the dialog is open (a
// termination signal, the end of the desktop session), what was typed is
// kept as "OK" would keep it (EndAsOk).
// Characters that the data file cannot keep are refused while typing, and
// the names take at most 255 characters, so what is stored is exactly what
// the user saw. The dialog remembers its size and position (TFormIni).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TFormIni;
class tTaviDaten;
class tTextMemo;

class tDlgUserData : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 4000;
  // Design size of the client area and the smallest size, at 96 dpi.
  static constexpr int kClientWidth = 381;
  static constexpr int kClientHeight = 280;
  static constexpr int kMinWidth = 380;
  static constexpr int kMinHeight = 280;
  static constexpr int kMaxNameChars = 255;

  // The record must outlive the dialog.
  explicit tDlgUserData(tTaviDaten& daten, QWidget* owner = nullptr);

  int HelpContext() const { return fHelpContext; }
  QLineEdit* EditFirmName() const { return fEditFirmName; }
  QLineEdit* EditUserName() const { return fEditUserName; }
  tTextMemo* MemoInfo() const { return fMemoInfo; }
  QPushButton* BtnOk() const { return fBtnOk; }
  QPushButton* BtnCancel() const { return fBtnCancel; }
  QPushButton* BtnHelp() const { return fBtnHelp; }
  TFormIni* FormIni() const { return fFormIni; }

  // Stores the three controls into daten, all or nothing. False (and
  // nothing stored) when a text holds a character the data file cannot
  // keep; refused names the character, problem the control. Shows nothing.
  bool StoreInto(tTaviDaten& daten, QString* refused = nullptr, QString* problem = nullptr) const;
  // Closes the dialog as "OK" would, without any message: stores and
  // accepts; rejects when the texts cannot be stored.
  void EndAsOk();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void BtnOkClick();
  void BtnHelpClick();

  tTaviDaten& fDaten;
  int fHelpContext = 0;
  QLineEdit* fEditFirmName = nullptr;
  QLineEdit* fEditUserName = nullptr;
  tTextMemo* fMemoInfo = nullptr;
  QPushButton* fBtnOk = nullptr;
  QPushButton* fBtnCancel = nullptr;
  QPushButton* fBtnHelp = nullptr;
  TFormIni* fFormIni = nullptr;
};
