#include "tornadolayout.h"

#include <algorithm>
#include <cmath>

namespace tornado {

namespace {

// Vertical plan of a chart, from its top.
struct tLines {
  int32_t title, header, firstRow, axis, tickLabels, legend, bottom;
};

int32_t TickLength(int32_t textHeight) { return std::max<int32_t>(10, textHeight / 3); }

tLines Lines(int32_t top, int rows, bool legend, const tMetrics& m) {
  const int32_t th = m.TextHeight;
  const int32_t p = std::max(m.Pitch, th);
  const int32_t gap = std::max<int32_t>(5, p - th);
  tLines l{};
  l.title = top;
  l.header = top + p + gap;
  l.firstRow = l.header + p;
  l.axis = l.firstRow + rows * p + gap;
  l.tickLabels = l.axis + TickLength(th) + 5;
  l.legend = l.tickLabels + th + 2 * gap;
  l.bottom = legend ? l.legend + th : l.tickLabels + th;
  return l;
}

tRect TextBox(int32_t left, int32_t top, int32_t width, int32_t height) { return {left, top, left + width, top + height}; }

bool Finite(extended months) { return std::isfinite(months); }

tTone ToneOf(const std::optional<bool>& met) {
  if (!met) return tTone::Normal;
  return *met ? tTone::Met : tTone::Missed;
}

// The text shortened with "…" until it is at most `width` wide.
QString Elided(const QString& text, int32_t width, const std::function<int32_t(const QString&)>& measure) {
  if (measure(text) <= width) return text;
  QString shorter = text;
  while (!shorter.isEmpty() && measure(shorter + u'\u2026') > width) shorter.chop(1);
  return shorter.isEmpty() ? QString() : shorter + u'\u2026';
}

}  // namespace

int32_t ChartHeight(int rows, bool legend, const tMetrics& metrics) {
  return Lines(0, rows, legend, metrics).bottom;
}

tScale ChooseScale(extended months, int32_t width, int32_t minDistance) {
  static const int32_t kSteps[] = {1, 2, 3, 6, 12, 24, 60, 120, 240, 600};
  const extended wanted = std::isfinite(months) && months > 1 ? months : 1;
  tScale scale;
  for (const int32_t step : kSteps) {
    // One tick beyond the longest: the target line and the bars' ends
    // never sit on the end of the scale.
    const auto ticks = static_cast<int32_t>(std::floor(wanted / step)) + 1;
    scale = {step, ticks * step};
    if (minDistance <= 0 || static_cast<int64_t>(ticks) * minDistance <= width) break;
  }
  return scale;
}

std::optional<int32_t> ScaleX(extended months, int32_t left, int32_t right, int32_t end) {
  if (std::isnan(months)) return std::nullopt;
  if (months >= end || std::isinf(months)) return right;
  if (months <= 0 || end <= 0) return left;
  return left + Round32(static_cast<extended>(right - left) * months / end);
}

tLayout Layout(const tData& data, const tRect& box, const tMetrics& m) {
  tLayout out;
  const int32_t th = m.TextHeight;
  const int32_t p = std::max(m.Pitch, th);
  const int32_t gap = std::max<int32_t>(10, th * 2 / 3);
  const tLines lines = Lines(box.Top, static_cast<int>(data.Rows.size()), data.Legend, m);
  const auto add = [&out, th](const QString& text, int32_t left, int32_t top, int32_t width, tTone tone) {
    out.Texts.push_back({text, TextBox(left, top, width, th), tone});
  };
  const QString percent = QString::number(data.Percent);
  const QString lowHeader = QStringLiteral("bei \u2212%1 %").arg(percent);
  const QString highHeader = QStringLiteral("bei +%1 %").arg(percent);
  const QString inputHeader = QStringLiteral("Eingabe");
  const QString valuesHeader = QStringLiteral("\u2212%1 % | +%1 %").arg(percent);
  const QString breakEvenHeader = QStringLiteral("Grenzwert");

  // The columns: caption and values, the two paybacks, the break-even.
  int32_t captionWidth = m.Width(inputHeader) + gap + m.Width(valuesHeader);
  int32_t lowWidth = m.Width(lowHeader), highWidth = m.Width(highHeader);
  int32_t breakEvenWidth = data.BreakEvenColumn ? m.Width(breakEvenHeader) : 0;
  for (const tRow& row : data.Rows) {
    captionWidth = std::max(captionWidth, m.Width(row.Caption) + gap + m.Width(row.Values));
    lowWidth = std::max(lowWidth, m.Width(row.LowText));
    highWidth = std::max(highWidth, m.Width(row.HighText));
    if (data.BreakEvenColumn) breakEvenWidth = std::max(breakEvenWidth, m.Width(row.BreakEven));
  }
  const int32_t lowLeft = box.Left + captionWidth + gap;
  const int32_t plotLeft = lowLeft + lowWidth + gap;
  const int32_t breakEvenLeft = data.BreakEvenColumn ? box.Right - breakEvenWidth : box.Right;
  const int32_t highLeft = breakEvenLeft - (data.BreakEvenColumn ? gap : 0) - highWidth;
  const int32_t plotRight = highLeft - gap;
  out.Fits = plotRight - plotLeft >= 9 * th && box.Bottom - box.Top >= lines.bottom - box.Top;
  if (plotRight <= plotLeft) return out;
  out.Plot = {plotLeft, lines.header, plotRight, lines.axis};
  out.TitleRule = (lines.title + th + lines.header) / 2;
  out.AxisY = lines.axis;
  out.TickLength = TickLength(th);

  // The scale: the target and every payback that has a place on it.
  extended longest = data.TargetMonths;
  const auto consider = [&longest](extended months) {
    if (Finite(months)) longest = std::max(longest, months);
  };
  consider(data.BaseMonths);
  for (const tRow& row : data.Rows) {
    consider(row.LowMonths);
    consider(row.HighMonths);
  }
  const tScale scale = ChooseScale(longest, plotRight - plotLeft, m.Width(QStringLiteral("0000")) + 2 * gap);
  out.ScaleMonths = scale.End;
  const auto x = [&](extended months) { return ScaleX(months, plotLeft, plotRight, scale.End); };

  // Title and base payback; the title gives way.
  const int32_t baseWidth = m.Width(data.BaseText);
  add(data.BaseText, box.Right - baseWidth, lines.title, baseWidth, ToneOf(data.BaseMet));
  const QString title = Elided(data.Title, box.Right - box.Left - baseWidth - gap, m.BoldWidth);
  add(title, box.Left, lines.title, m.BoldWidth(title), tTone::Bold);

  // Column heads.
  const QString scaleHeader = m.Width(QStringLiteral("Amortisation in Monaten")) <= plotRight - plotLeft
                                  ? QStringLiteral("Amortisation in Monaten")
                                  : QStringLiteral("Monate");
  add(inputHeader, box.Left, lines.header, m.Width(inputHeader), tTone::Normal);
  add(valuesHeader, lowLeft - gap - m.Width(valuesHeader), lines.header, m.Width(valuesHeader),
      tTone::Normal);
  add(lowHeader, plotLeft - gap - m.Width(lowHeader), lines.header, m.Width(lowHeader), tTone::Normal);
  const int32_t scaleHeaderWidth = m.Width(scaleHeader);
  add(scaleHeader, (plotLeft + plotRight - scaleHeaderWidth) / 2, lines.header, scaleHeaderWidth,
      tTone::Normal);
  add(highHeader, highLeft, lines.header, m.Width(highHeader), tTone::Normal);
  if (data.BreakEvenColumn)
    add(breakEvenHeader, breakEvenLeft, lines.header, m.Width(breakEvenHeader), tTone::Normal);

  // The rows.
  const std::optional<int32_t> baseX = x(data.BaseMonths);
  const int32_t barInset = std::max<int32_t>(2, p / 5);
  for (size_t r = 0; r < data.Rows.size(); ++r) {
    const tRow& row = data.Rows[r];
    const int32_t top = lines.firstRow + static_cast<int32_t>(r) * p;
    const int32_t textTop = top + (p - th) / 2;
    add(row.Caption, box.Left, textTop, m.Width(row.Caption), tTone::Normal);
    const int32_t valuesWidth = m.Width(row.Values);
    add(row.Values, lowLeft - gap - valuesWidth, textTop, valuesWidth, tTone::Normal);
    const int32_t lowTextWidth = m.Width(row.LowText);
    add(row.LowText, plotLeft - gap - lowTextWidth, textTop, lowTextWidth, ToneOf(row.LowMet));
    add(row.HighText, highLeft, textTop, m.Width(row.HighText), ToneOf(row.HighMet));
    if (data.BreakEvenColumn) add(row.BreakEven, breakEvenLeft, textTop, m.Width(row.BreakEven), tTone::Normal);

    if (!baseX) continue;
    // Without a base payback either, a paybackless end still shows as a
    // stub running off the scale.
    const int32_t stub = std::max(th, (plotRight - plotLeft) / 25);
    for (const bool raised : {false, true}) {
      const extended months = raised ? row.HighMonths : row.LowMonths;
      const std::optional<int32_t> end = x(months);
      if (!end) continue;
      int32_t from = *baseX;
      if (*end == from) {
        if (!std::isinf(months)) continue;
        from = plotRight - stub;
      }
      out.Bars.push_back({tRect{std::min(from, *end), top + barInset, std::max(from, *end), top + p - barInset},
                          raised, std::isinf(months)});
    }
  }

  // The scale with its ticks, the base and the target.
  const int32_t tickLabelTop = lines.tickLabels;
  for (int32_t months = 0; months <= scale.End; months += scale.MonthsPerTick) {
    const int32_t tx = *x(months);
    out.Ticks.push_back({tx, months});
    const QString label = QString::number(months);
    const int32_t width = m.Width(label);
    add(label, tx - width / 2, tickLabelTop, width, tTone::Normal);
  }
  if (Finite(data.BaseMonths)) out.BaseX = baseX;
  out.TargetX = x(data.TargetMonths);

  // The legend: a sample and its text each.
  if (data.Legend) {
    const QString texts[] = {QStringLiteral("Wert \u2212%1 %").arg(percent), QStringLiteral("Wert +%1 %").arg(percent),
                             QStringLiteral("Soll-Amortisationszeit (%1 Monate)").arg(data.TargetMonths),
                             QStringLiteral("Basis")};
    int32_t left = box.Left;
    const int32_t swatch = th * 3 / 2;
    for (const QString& text : texts) {
      out.Swatches.push_back({left, lines.legend, left + swatch, lines.legend + th});
      left += swatch + gap / 2;
      add(text, left, lines.legend, m.Width(text), tTone::Normal);
      left += m.Width(text) + 2 * gap;
    }
    if (left - 2 * gap > box.Right) out.Fits = false;
  }
  out.Bottom = lines.bottom;
  return out;
}

}  // namespace tornado
