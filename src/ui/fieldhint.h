// A note beside an entry field, drawn like a tooltip: what the field takes
// after a refused key. Unlike a tooltip it appears at once and every time,
// and it goes when the user types on, leaves the field, or after a few
// seconds.
#pragma once

#include <QLabel>
#include <QTimer>

class tFieldHint : public QLabel {
 public:
  // Owned by field; a window of its own, beside it.
  explicit tFieldHint(QWidget* field);

  // Shows text to the right of the field (left of it where the screen
  // ends), for showMs milliseconds.
  void ShowBeside(const QString& text, int showMs = 5000);

 private:
  QWidget* fField;
  QTimer fTimer;
};
