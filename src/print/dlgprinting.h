// The printing progress window: shown without a modal loop while a print job
// sends its pages to the printer, with the document and page being printed,
// a progress bar and a cancel button. The job fills it through the accessors
// below and hands it the cancel handler; the window knows nothing of the job.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

class TDlgPrinting : public QDialog {
  Q_OBJECT
 public:
  explicit TDlgPrinting(QWidget* parent = nullptr);

  void SetDocInfo(const QString& text);
  void SetPageInfo(const QString& text);
  int GetMax() const;
  void SetMax(int value);
  int GetPosition() const;
  void SetPosition(int value);
  // Advances the progress bar by one step.
  void StepIt();

  // Called (with this window) by the cancel button and by Esc. The window
  // stays open: the job finishes the page it is printing and then closes it.
  std::function<void(QObject* sender)> OnCancel;

  QLabel* LblDocInfo;
  QLabel* LblPageInfo;
  QProgressBar* ProgressBar;
  QPushButton* BtnCancel;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BtnCancelClick();
};
