#include "sensitivitysheet.h"

#include <QStringList>
#include <algorithm>

#include "edevexception.h"
#include "sensitivitytables.h"
#include "tornadochart.h"

namespace {

// The fonts tried, largest first, and the line spacings with each.
constexpr int kFontHeights[] = {-28, -26, -25, -24, -22};
constexpr int32_t kExtraPitches[] = {8, 6, 4};
constexpr int kTitleFontHeight = -40;
constexpr int32_t kPad = 10;  // inside a frame
constexpr int32_t kGap = 15;  // between blocks

const QString kNotes[] = {
    QStringLiteral("Grenzwert: ab bzw. bis zu diesem Wert wird die Soll-Amortisationszeit erreicht, die übrigen Eingaben "
                   "unverändert. Gesamtkosten und laufende Kosten: in Vergleich 1 die des Zeitstudiensystems, in "
                   "Vergleich 2 und 3 die des Zeitstudien+Planzeitsystems. * auf den Bereich des Eingabefeldes "
                   "begrenzt."),
};

// The words of a text in lines no wider than `width` (a word wider than
// that stands alone).
QStringList Wrapped(const QString& text, int32_t width, const std::function<int32_t(const QString&)>& measure) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + u' ' + word;
    if (!line.isEmpty() && measure(longer) > width) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

tSensitivitySheet TryLayout(const tSensitivityCalc& s, const tRect& area, const tMetricsFor& metricsFor,
                            int fontHeight, int32_t extraPitch) {
  tSensitivitySheet sheet;
  sheet.FontHeight = fontHeight;
  sheet.ExtraPitch = extraPitch;
  const tSheetMetrics m = metricsFor(fontHeight, extraPitch);
  const tSheetMetrics big = metricsFor(kTitleFontHeight, 0);
  const int32_t p = std::max(m.Pitch, m.TextHeight);
  const int32_t width = area.Right - area.Left;
  bool fits = true;
  const auto text = [&sheet](const QString& t, int32_t left, int32_t top, int32_t w, int32_t h, tTone tone,
                             int font = 0) { sheet.Texts.push_back({t, tRect{left, top, left + w, top + h}, tone, font}); };

  // The title and the two inputs, on one baseline.
  int32_t y = area.Top;
  const QString title = QStringLiteral("Sensitivität");
  const QString inputs = QStringLiteral("Soll-Amortisationszeit %1 Monate \u00B7 Veränderung je Eingabe \u00B1%2 %")
                             .arg(s.Inputs().TargetMonths)
                             .arg(s.Inputs().Percent);
  const int32_t titleWidth = big.BoldWidth(title), inputsWidth = m.Width(inputs);
  text(title, area.Left, y, titleWidth, big.TextHeight, tTone::Bold, kTitleFontHeight);
  text(inputs, area.Right - inputsWidth, y + big.TextHeight - m.TextHeight, inputsWidth, m.TextHeight, tTone::Normal);
  fits = fits && titleWidth + kGap + inputsWidth <= width;
  y += big.TextHeight + kGap;

  // A framed block of `height` inside.
  const auto block = [&](int32_t height) {
    const tRect frame{area.Left, y, area.Right, y + 2 * kPad + height};
    sheet.Frames.push_back(frame);
    y = frame.Bottom + kGap;
    return tRect{frame.Left + kPad, frame.Top + kPad, frame.Right - kPad, frame.Top + kPad + height};
  };
  for (int c = 0; c < kComparisons; ++c) {
    const bool legend = c == kComparisons - 1;
    const tornado::tData data = tornado::ChartData(s, static_cast<tComparison>(c), false, legend);
    const tRect inner = block(tornado::ChartHeight(static_cast<int>(data.Rows.size()), legend, m));
    sheet.Charts[static_cast<size_t>(c)] = tornado::Layout(data, inner, m);
    fits = fits && sheet.Charts[static_cast<size_t>(c)].Fits;
    sheet.Rules.push_back({sheet.Charts[static_cast<size_t>(c)].TitleRule, sheet.Frames.back().Left,
                           sheet.Frames.back().Right});
  }
  const grid::tTable breakEven = BreakEvenTable(s);
  sheet.BreakEven = grid::Layout(breakEven, block(grid::TableHeight(breakEven.Rows.size(), m)), m);
  const grid::tTable cases = CasesTable(s);
  sheet.Cases = grid::Layout(cases, block(grid::TableHeight(cases.Rows.size(), m)), m);
  fits = fits && sheet.BreakEven.Fits && sheet.Cases.Fits;

  y -= kGap / 2;
  for (const QString& note : kNotes)
    for (const QString& line : Wrapped(note, width, m.Width)) {
      const int32_t w = m.Width(line);
      text(line, area.Left, y, w, m.TextHeight, tTone::Normal);
      fits = fits && w <= width;
      y += p;
    }
  sheet.Fits = fits && y - (p - m.TextHeight) <= area.Bottom;
  return sheet;
}

}  // namespace

std::vector<tSheetText> tSensitivitySheet::AllTexts() const {
  std::vector<tSheetText> all = Texts;
  for (const tornado::tLayout& chart : Charts) all.insert(all.end(), chart.Texts.begin(), chart.Texts.end());
  all.insert(all.end(), BreakEven.Texts.begin(), BreakEven.Texts.end());
  all.insert(all.end(), Cases.Texts.begin(), Cases.Texts.end());
  return all;
}

tSensitivitySheet LayoutSensitivitySheet(const tSensitivityCalc& s, const tRect& area, const tMetricsFor& metricsFor) {
  tSensitivitySheet sheet;
  for (const int font : kFontHeights)
    for (const int32_t extra : kExtraPitches) {
      sheet = TryLayout(s, area, metricsFor, font, extra);
      if (sheet.Fits) return sheet;
    }
  return sheet;
}

tSensitivitySheet DrawSensitivitySheet(tMetaFileRecorder& rec, const tSensitivityCalc& s, const tRect& area) {
  const tSensitivitySheet sheet = LayoutSensitivitySheet(
      s, area, [&rec](int font, int32_t extra) { return RecorderMetrics(rec, font, extra); });
  if (!sheet.Fits)
    throw EDevException(QStringLiteral("Die bedruckbare Fläche der Seite ist zu klein für die Sensitivität. Bitte "
                                       "verkleinern Sie die Ränder in der Druckereinrichtung."),
                        QStringLiteral("tSensitivityPrintPage.Draw"));
  tPen& pen = rec.Pen();
  pen.Color = Qt::black;
  pen.Style = tPenStyle::Solid;
  pen.Width = 1;
  rec.Brush().Style = tBrushStyle::Clear;
  for (const tRect& frame : sheet.Frames) rec.Rectangle(frame.Left, frame.Top, frame.Right, frame.Bottom);
  for (const tSheetRule& rule : sheet.Rules) {
    rec.MoveTo(rule.Left, rule.Y);
    rec.LineTo(rule.Right, rule.Y);
  }
  for (const tornado::tLayout& chart : sheet.Charts) tornado::Paint(rec, chart, sheet.FontHeight);
  // The tables' lines span their frames' insides.
  const auto inside = [&sheet](size_t frame) {
    const tRect& f = sheet.Frames[frame];
    return tRect{f.Left + kPad, f.Top, f.Right - kPad, f.Bottom};
  };
  grid::Draw(rec, sheet.BreakEven, inside(kComparisons), sheet.FontHeight);
  grid::Draw(rec, sheet.Cases, inside(kComparisons + 1), sheet.FontHeight);
  DrawSheetTexts(rec, sheet.Texts, sheet.FontHeight);
  return sheet;
}
