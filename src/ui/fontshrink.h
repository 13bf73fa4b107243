// Smaller fonts for a window that does not fit the screen (a scale factor
// of 2 on 1280 x 1024): the window's font and every font a control sets for
// itself, all by one factor, and back again.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <vector>

class tFontShrink {
 public:
  // Scales the fonts of window and its controls to factor (0 < factor <= 1)
  // of what they were before the first Apply (or the last Restore). Fonts
  // that someone else changed meanwhile count as the new originals.
  void Apply(QWidget* window, qreal factor);
  // Puts back the original fonts (those nobody changed meanwhile).
  void Restore();
  qreal Factor() const { return fFactor; }

 private:
  struct tItem {
    QPointer<QWidget> widget;
    QFont original;
    QFont applied;
  };
  std::vector<tItem> fItems;
  qreal fFactor = 1;
};
