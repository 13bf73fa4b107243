// Layout arithmetic of the message dialog, separate from the widgets so
// that it can be checked exactly. Lengths are pixels at the given screen
// resolution; the design values are for 96 pixels per inch and are scaled.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

struct tMessageLayout {
  QSize Client;          // client area of the dialog
  QRect Label;           // the text
  QRect Image;           // the icon; null when the kind has none
  QList<QRect> Buttons;  // left to right
};

// textSize: extent of the word-wrapped text; iconSize: empty without icon
// (already scaled); buttonCount >= 0; ppi: pixels per inch of the screen.
tMessageLayout ComputeMessageLayout(QSize textSize, QSize iconSize, int buttonCount, int ppi = 96);

// A design length at 96 pixels per inch scaled to ppi.
int ScaleFrom96(int value, int ppi);
