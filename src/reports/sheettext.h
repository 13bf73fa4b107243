// Texts of pages that are laid out before they are drawn (the tornado
// chart, the tables of the sensitivity): what is written, the rectangle it
// takes and how it looks. Rectangles are in page units (0.1 mm, y down);
// a text's rectangle is its measured width and the font's text height, and
// the text is written from its top left corner.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "recorder.h"

enum class tTone {
  Normal,
  Bold,    // titles and heads
  Met,     // a payback within the target: green
  Missed,  // beyond it: red
};

struct tSheetText {
  QString Text;
  tRect Box;
  tTone Tone = tTone::Normal;
  int FontHeight = 0;  // 0: the font of the texts around it
};

// How texts are measured: plain and bold in one font, its text height,
// and the distance of two lines (at least the text height).
struct tSheetMetrics {
  std::function<int32_t(const QString&)> Width;
  std::function<int32_t(const QString&)> BoldWidth;
  int32_t TextHeight = 0;
  int32_t Pitch = 0;
};

// Measures with the recorder's Arial of `fontHeight` (negative: the
// character height, as tFont); lines `extraPitch` further apart than the
// text height. The recorder must have a page open (a test page will do)
// while the metrics are used.
tSheetMetrics RecorderMetrics(tMetaFileRecorder& recorder, int fontHeight, int32_t extraPitch);

// Whether two rectangles share more than an edge, and whether `inner`
// lies inside `outer` (edges included).
bool Overlap(const tRect& a, const tRect& b);
bool Inside(const tRect& inner, const tRect& outer);

// The colours of the tones.
QColor ToneColour(tTone tone);

// Writes the texts in Arial of their own height or `fontHeight` (bold for
// tTone::Bold) on the
// recorder's open page, with a transparent background; leaves the font
// plain black and the brush clear.
void DrawSheetTexts(tMetaFileRecorder& recorder, const std::vector<tSheetText>& texts, int fontHeight);

// Sets Arial of `fontHeight`, plain or bold, black.
void SetSheetFont(tMetaFileRecorder& recorder, int fontHeight, bool bold);
