// The up/down control of the printer setup dialog (one per margin) and of
// the preview (zoom and page).
#pragma once

#include <QWidget>

class QToolButton;

// A vertical pair of arrow buttons that repeat while held down (first repeat
// after 500 ms).
class tUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit tUpDown(QWidget* parent);
  QToolButton* UpButton() const { return fUp; }
  QToolButton* DownButton() const { return fDown; }
  // Releases both buttons, which also ends an auto-repeat.
  void Release();

 signals:
  void Up();
  void Down();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* fUp;
  QToolButton* fDown;
};
