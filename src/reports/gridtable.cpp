#include "gridtable.h"

#include <algorithm>

namespace grid {

namespace {

int32_t Pitch(const tSheetMetrics& m) { return std::max(m.Pitch, m.TextHeight); }

}  // namespace

int32_t TableHeight(size_t rows, const tSheetMetrics& metrics) {
  return static_cast<int32_t>(rows + 1) * Pitch(metrics) + std::max<int32_t>(5, Pitch(metrics) / 5);
}

tLayout Layout(const tTable& table, const tRect& box, const tSheetMetrics& m) {
  tLayout out;
  const size_t columns = table.Head.size();
  if (columns == 0) return out;
  const int32_t p = Pitch(m);
  const int32_t gap = std::max<int32_t>(10, m.TextHeight * 2 / 3);
  const auto width = [&m](const tCell& cell) {
    return cell.Tone == tTone::Bold ? m.BoldWidth(cell.Text) : m.Width(cell.Text);
  };

  // The widest text of each column.
  std::vector<int32_t> widest(columns, 0);
  const auto measure = [&](const std::vector<tCell>& row) {
    for (size_t c = 0; c < columns && c < row.size(); ++c) widest[c] = std::max(widest[c], width(row[c]));
  };
  measure(table.Head);
  for (const auto& row : table.Rows) measure(row);

  out.ColumnLefts.push_back(box.Left);
  const int32_t first = widest[0] + gap;
  const int32_t share = columns > 1 ? (box.Right - box.Left - first) / static_cast<int32_t>(columns - 1) : 0;
  bool fits = true;
  for (size_t c = 1; c < columns; ++c) {
    out.ColumnLefts.push_back(box.Left + first + static_cast<int32_t>(c - 1) * share);
    if (widest[c] + gap > share) fits = false;
  }
  if (columns == 1 && widest[0] > box.Right - box.Left) fits = false;

  const int32_t ruleGap = std::max<int32_t>(5, p / 5);
  const auto place = [&](const std::vector<tCell>& row, int32_t top) {
    for (size_t c = 0; c < columns && c < row.size(); ++c) {
      if (row[c].Text.isEmpty()) continue;
      const int32_t left = out.ColumnLefts[c];
      out.Texts.push_back({row[c].Text, tRect{left, top, left + width(row[c]), top + m.TextHeight}, row[c].Tone});
    }
  };
  int32_t top = box.Top;
  place(table.Head, top + (p - m.TextHeight) / 2);
  top += p;
  out.Rules.push_back(top + ruleGap / 2);
  top += ruleGap;
  for (size_t r = 0; r < table.Rows.size(); ++r) {
    place(table.Rows[r], top + (p - m.TextHeight) / 2);
    top += p;
    if (std::find(table.RuleAfter.begin(), table.RuleAfter.end(), r) != table.RuleAfter.end() &&
        r + 1 < table.Rows.size())
      out.Rules.push_back(top);
  }
  out.Bottom = top;
  out.Fits = fits && out.Bottom <= box.Bottom;
  return out;
}

void Draw(tMetaFileRecorder& recorder, const tLayout& layout, const tRect& box, int fontHeight) {
  tPen& pen = recorder.Pen();
  pen.Color = Qt::black;
  pen.Style = tPenStyle::Solid;
  pen.Width = 1;
  for (const int32_t y : layout.Rules) {
    recorder.MoveTo(box.Left, y);
    recorder.LineTo(box.Right, y);
  }
  DrawSheetTexts(recorder, layout.Texts, fontHeight);
}

}  // namespace grid
