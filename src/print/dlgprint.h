// The print range dialog: what to print (everything, the page shown in the
// preview, or a list of pages and page ranges), how many copies, and whether
// in reverse order. The dialog does not know the print job: the job puts the
// printer's name in, shows the dialog modally and reads the choices through
// the accessors below (checking the page list is the job's).
#pragma once

#include <QDialog>
#include <QSpinBox>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class tTabStops;

// The copies field: a spin box that takes up to two digits or signs as
// typed ("0", "-5"); its value is that text limited to 1..99 (text that is
// not a number counts as 1).
class tCopiesSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  explicit tCopiesSpinBox(QWidget* parent);
  // The number of copies a text stands for.
  static int CopiesOf(const QString& text);

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  int valueFromText(const QString& text) const override;
};

class TDlgPrint : public QDialog {
  Q_OBJECT
 public:
  static constexpr int HelpContext = 61100;  // F1

  explicit TDlgPrint(QWidget* parent = nullptr);

  // Options of GetOption().
  enum { optAll = 0, optPage = 1, optRange = 2 };

  void SetPrinterName(const QString& text);
  // 1 for the current page, 2 for the page list, else 0 (everything).
  int GetOption() const;
  QString GetRangeText() const;
  // Copies as typed, limited to 1..99; read from the field's text, so a
  // number typed just before OK counts even when the field never lost the
  // focus.
  int GetCopies() const;
  bool GetReverseOrder() const;

  QGroupBox* GBoxPrinter;
  QLabel* LblPrinter;
  QPushButton* BtnOk;
  QPushButton* BtnCancel;
  QGroupBox* GBoxRange;
  QRadioButton* RBtnAll;
  QRadioButton* RBtnPage;
  QRadioButton* RBtnRange;
  QLineEdit* EditRange;
  QLabel* LblText1;
  QLabel* LblText2;
  QLabel* LblText3;
  QLabel* LblText4;
  QGroupBox* GBoxOptions;
  QLabel* LblCopies;
  tCopiesSpinBox* SEditCopies;
  QCheckBox* CBoxInvertOrder;

 protected:
  void showEvent(QShowEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  tTabStops* fTabStops = nullptr;
  // Enables the range field (window colour) or disables it (button-face
  // colour); its text stays.
  void EnableRange(bool enable);
};
