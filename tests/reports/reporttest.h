// Reading recorded report pages back as data: the texts with their
// reference points and colours, the lines with their pens, in page
// coordinates (0.1 mm, y downward) again.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <cmath>
#include <vector>

#include "recorder.h"

struct tPageText {
  QString Text;
  int X = 0, Y = 0;  // reference point
  QColor Colour;
  uint16_t Align = 0;
  tRect Clip;  // page coordinates; all zero when not clipped
  int Width = 0;    // as laid out, page units
  int Ascent = 0;
  int Height = 0;   // ascent and descent
  int FontHeight = 0;
  // The text's rectangle on the page.
  int Left() const { return (Align & TA_CENTER) == TA_CENTER ? X - Width / 2 : (Align & TA_RIGHT) ? X - Width : X; }
  int Right() const { return Left() + Width; }
  int Top() const {
    if ((Align & TA_BASELINE) == TA_BASELINE) return Y - Ascent;
    return (Align & TA_BOTTOM) ? Y - Height : Y;
  }
};

struct tPageLine {
  QPoint From, To;
  tPen Pen;
  bool Vertical() const { return From.x() == To.x(); }
  bool Horizontal() const { return From.y() == To.y(); }
};

// The recorder keeps surface coordinates (y negated in the metric mode).
inline std::vector<tPageText> PageTexts(const tPage& page) {
  std::vector<tPageText> texts;
  for (const tDrawCmd& cmd : page.Commands())
    if (const auto* t = std::get_if<tTextCmd>(&cmd)) {
      tPageText text{t->Text,
                     t->Ref.x(),
                     -t->Ref.y(),
                     t->Font.Color,
                     t->Align,
                     {},
                     static_cast<int>(std::lround(t->Width)),
                     static_cast<int>(std::lround(t->Ascent)),
                     static_cast<int>(std::lround(t->Ascent + t->Descent)),
                     t->Font.Height};
      if (t->Clipped) text.Clip = tRect{t->Clip.Left, -t->Clip.Top, t->Clip.Right, -t->Clip.Bottom};
      texts.push_back(text);
    }
  return texts;
}

inline std::vector<tPageLine> PageLines(const tPage& page) {
  std::vector<tPageLine> lines;
  for (const tDrawCmd& cmd : page.Commands())
    if (const auto* l = std::get_if<tLineCmd>(&cmd))
      lines.push_back({QPoint(l->From.x(), -l->From.y()), QPoint(l->To.x(), -l->To.y()), l->Pen});
  return lines;
}

// The texts whose reference point lies in the band top <= y < bottom, from
// left to right as recorded.
inline std::vector<tPageText> TextsInBand(const std::vector<tPageText>& texts, int top, int bottom) {
  std::vector<tPageText> band;
  for (const tPageText& t : texts)
    if (t.Y >= top && t.Y < bottom) band.push_back(t);
  return band;
}
