// A table of texts laid out before it is drawn: a head row and rows, the
// first column as wide as its widest text, the others sharing the rest of
// the width equally; every text written from the left of its cell, a
// thin line under the head and after the rows asked for.
//
// Page units of 0.1 mm, y downward; texts measured by the caller
// (sheettext.h). GUI-free; nothing raises.
#pragma once

#include <vector>

#include "sheettext.h"

namespace grid {

struct tCell {
  QString Text;
  tTone Tone = tTone::Normal;
};

struct tTable {
  std::vector<tCell> Head;
  std::vector<std::vector<tCell>> Rows;  // each as many cells as the head
  std::vector<size_t> RuleAfter;         // rows followed by a thin line
};

struct tLayout {
  bool Fits = false;  // every text fits its column, the rows the box
  std::vector<tSheetText> Texts;
  std::vector<int32_t> ColumnLefts;
  std::vector<int32_t> Rules;  // y of the thin lines, from box left to right
  int32_t Bottom = 0;
};

// The height of a table of `rows` rows and its head.
int32_t TableHeight(size_t rows, const tSheetMetrics& metrics);

tLayout Layout(const tTable& table, const tRect& box, const tSheetMetrics& metrics);

// Draws the layout: its texts in Arial of `fontHeight`, its lines thin.
void Draw(tMetaFileRecorder& recorder, const tLayout& layout, const tRect& box, int fontHeight);

}  // namespace grid
