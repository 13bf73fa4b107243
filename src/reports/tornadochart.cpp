#include "tornadochart.h"

#include <QColor>
#include <cmath>
#include <limits>

#include "sensitivitytext.h"

namespace tornado {

namespace {

const QColor kMissed = ToneColour(tTone::Missed);
const QColor kLowered(150, 185, 230);
const QColor kRaised(40, 80, 160);
const QColor kGrid(170, 170, 170);

QString Q(const std::string& text) { return QString::fromStdString(text); }

extended Months(const tEconomicsPayback& p) {
  using tKind = tEconomicsPayback::tKind;
  switch (p.Kind) {
    case tKind::Immediate: return 0;
    case tKind::Months: return p.Months;
    case tKind::None: return std::numeric_limits<extended>::infinity();
    case tKind::Unknown: break;
  }
  return std::numeric_limits<extended>::quiet_NaN();
}

std::optional<bool> Met(const tEconomicsPayback& p, int32_t target) {
  if (p.Kind == tEconomicsPayback::tKind::Unknown) return std::nullopt;
  return WithinTarget(p, target);
}

// "3,1 im Soll"; "sofort" and "keine Amortisation" say it themselves.
QString BarLabel(const tEconomicsPayback& p, int32_t target) {
  QString text = Q(ShortPaybackText(p));
  if (p.Kind == tEconomicsPayback::tKind::Months) text += u' ' + Q(TargetMarkText(WithinTarget(p, target)));
  return text;
}

void Line(tMetaFileRecorder& rec, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  rec.MoveTo(x1, y1);
  rec.LineTo(x2, y2);
}

void SetPen(tMetaFileRecorder& rec, const QColor& colour, tPenStyle style, int width) {
  tPen& pen = rec.Pen();
  pen.Color = colour;
  pen.Style = style;
  pen.Width = width;
}

void Box(tMetaFileRecorder& rec, const tRect& box, const QColor& fill, const QColor& edge) {
  SetPen(rec, edge, tPenStyle::Solid, 1);
  rec.Brush().Color = fill;
  rec.Brush().Style = tBrushStyle::Solid;
  rec.Rectangle(box.Left, box.Top, box.Right, box.Bottom);
}

}  // namespace

tData ChartData(const tSensitivityCalc& s, tComparison c, bool breakEvenColumn, bool legend) {
  const int32_t target = s.Inputs().TargetMonths;
  tData data;
  data.Title = QStringLiteral("%1  %2").arg(static_cast<int>(c) + 1).arg(Q(ComparisonCaption(c)));
  data.BaseText = QStringLiteral("Basis: ") + Q(MarkedPaybackText(s.BasePayback(c), target));
  data.BaseMet = Met(s.BasePayback(c), target);
  data.BaseMonths = Months(s.BasePayback(c));
  data.TargetMonths = target;
  data.Percent = s.Inputs().Percent;
  data.BreakEvenColumn = breakEvenColumn;
  data.Legend = legend;
  for (const tSensitivityInput input : s.Order(c)) {
    const tSensitivityRow& r = s.Row(c, input);
    tRow row;
    row.Caption = Q(SensitivityCaption(input));
    row.Values = Q(SensitivityValueText(input, r.Low, r.LowClamped)) + QStringLiteral(" | ") +
                 Q(SensitivityValueText(input, r.High, r.HighClamped));
    row.LowText = BarLabel(r.PaybackLow, target);
    row.HighText = BarLabel(r.PaybackHigh, target);
    row.LowMet = Met(r.PaybackLow, target);
    row.HighMet = Met(r.PaybackHigh, target);
    row.LowMonths = Months(r.PaybackLow);
    row.HighMonths = Months(r.PaybackHigh);
    row.BreakEven = Q(BreakEvenText(input, r.BreakEven));
    data.Rows.push_back(row);
  }
  return data;
}

tLayout Draw(tMetaFileRecorder& rec, const tData& data, const tRect& box, int fontHeight, int32_t extraPitch) {
  const tLayout layout = Layout(data, box, RecorderMetrics(rec, fontHeight, extraPitch));
  Paint(rec, layout, fontHeight);
  return layout;
}

void Paint(tMetaFileRecorder& rec, const tLayout& layout, int fontHeight) {
  if (layout.Plot.Right <= layout.Plot.Left) return;
  const tRect& plot = layout.Plot;

  // Grid and axis first, the bars over them, the two lines on top.
  SetPen(rec, kGrid, tPenStyle::Dot, 1);
  for (const tTick& tick : layout.Ticks) Line(rec, tick.X, plot.Top, tick.X, layout.AxisY);
  SetPen(rec, Qt::black, tPenStyle::Solid, 1);
  Line(rec, plot.Left, layout.AxisY, plot.Right, layout.AxisY);
  const int32_t tickLength = layout.TickLength;
  for (const tTick& tick : layout.Ticks) Line(rec, tick.X, layout.AxisY, tick.X, layout.AxisY + tickLength);

  for (const tBar& bar : layout.Bars) {
    Box(rec, bar.Box, bar.Raised ? kRaised : kLowered, kRaised);
    if (bar.OffScale) {
      // An arrow at the end of the scale: it runs on.
      const int32_t height = bar.Box.Height();
      const int32_t tip = bar.Box.Right, back = tip - height / 2;
      const int32_t middle = (bar.Box.Top + bar.Box.Bottom) / 2;
      SetPen(rec, bar.Raised ? Qt::white : Qt::black, tPenStyle::Solid, 2);
      Line(rec, back - height / 3, bar.Box.Top + height / 5, tip - height / 3, middle);
      Line(rec, tip - height / 3, middle, back - height / 3, bar.Box.Bottom - height / 5);
    }
  }
  if (layout.BaseX) {
    SetPen(rec, Qt::black, tPenStyle::Solid, 3);
    Line(rec, *layout.BaseX, plot.Top, *layout.BaseX, layout.AxisY);
  }
  if (layout.TargetX) {
    SetPen(rec, kMissed, tPenStyle::Dash, 3);
    Line(rec, *layout.TargetX, plot.Top, *layout.TargetX, layout.AxisY + tickLength);
  }

  // The legend's samples: the two bars, the two lines.
  if (layout.Swatches.size() == 4) {
    Box(rec, layout.Swatches[0], kLowered, kRaised);
    Box(rec, layout.Swatches[1], kRaised, kRaised);
    for (int k = 2; k < 4; ++k) {
      const tRect& s = layout.Swatches[static_cast<size_t>(k)];
      if (k == 2)
        SetPen(rec, kMissed, tPenStyle::Dash, 3);
      else
        SetPen(rec, Qt::black, tPenStyle::Solid, 3);
      Line(rec, (s.Left + s.Right) / 2, s.Top, (s.Left + s.Right) / 2, s.Bottom);
    }
  }
  SetPen(rec, Qt::black, tPenStyle::Solid, 1);

  DrawSheetTexts(rec, layout.Texts, fontHeight);
}

}  // namespace tornado
