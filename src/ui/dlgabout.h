// The about box of the main window's info command: the maker's logo, the
// program's title and the maker's contact data, without a title bar.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class tDlgAbout : public QDialog {
 public:
  explicit tDlgAbout(QWidget* owner = nullptr);

  QLabel* LblTitle() const { return fTitle; }
  QLabel* LblContact() const { return fContact; }
  QPushButton* BtnOk() const { return fOk; }

  // The e-mail address of the contact block (also its mailto link).
  static QString ContactMail();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* fTitle = nullptr;
  QLabel* fContact = nullptr;
  QPushButton* fOk = nullptr;
};
