#include "graphprinting.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "edevexception.h"
#include "numfmt.h"
#include "pageframe.h"
#include "pdfname.h"
#include "payback.h"

namespace {

const QString kLocation = QStringLiteral("tGraphPrinting.ComputeLayout");

const QColor kManualColour(128, 128, 0);     // olive
const QColor kTimeStudyColour(0, 0, 128);    // navy
const QColor kPlannedColour(255, 0, 0);      // red
const QColor kMarkZSColour(0, 128, 0);       // green: comparison 1
const QColor kMarkPLColour(0, 0, 255);       // blue: comparison 2
const QColor kMarkPLZSColour(128, 0, 128);   // purple: comparison 3

QString TooSmall() {
  return QStringLiteral("Die bedruckbare Fläche der Seite ist zu klein für die Grafik. Bitte verkleinern Sie die "
                        "Ränder in der Druckereinrichtung.");
}

}  // namespace

tGraphPrinting::tGraphPrinting(int32_t months, const tTaviDaten& daten, const tPaybackCalc& calc,
                               tCostAxisMax costAxisMax, tMakeCurrent makeCurrent)
    : tTaviPrinting(months, 1, daten, calc, tDeferBuild{}),
      fCostAxisMax(std::move(costAxisMax)),
      fMakeCurrent(std::move(makeCurrent)) {
  if (months < 1)
    throw EDevException(QStringLiteral("Die Laufzeit der Grafik muss mindestens einen Monat betragen."),
                        QStringLiteral("tGraphPrinting.Create"));
  BuildWithTestPage();
}

tGraphPrinting::tGraphPrinting(int32_t months, const tTaviDaten& daten, const tPaybackCalc& calc,
                               tCostAxisMax costAxisMax, tMakeCurrent makeCurrent, tSheet sheet)
    : tTaviPrinting(months, 0, daten, calc, tDeferBuild{}),
      fCostAxisMax(std::move(costAxisMax)),
      fMakeCurrent(std::move(makeCurrent)),
      fSheet(sheet) {
  if (months < 1)
    throw EDevException(QStringLiteral("Die Laufzeit der Grafik muss mindestens einen Monat betragen."),
                        QStringLiteral("tGraphPrinting.Create"));
  // The recorded page is as large as the sheet (0.01 mm).
  Recorder.SizeMode = 1;
  Recorder.Width = sheet.Width * 10;
  Recorder.Height = sheet.Height * 10;
  BuildWithTestPage();
}

int32_t tGraphPrinting::PageWidth() const { return fSheet ? fSheet->Width : tTaviPrinting::PageWidth(); }
int32_t tGraphPrinting::PageHeight() const { return fSheet ? fSheet->Height : tTaviPrinting::PageHeight(); }
int32_t tGraphPrinting::BodyTop() const { return fSheet ? 0 : HeaderHeight(); }

void tGraphPrinting::RecordPage(int32_t number) {
  if (!fSheet) {
    tTaviPrinting::RecordPage(number);
    return;
  }
  Recorder.StartPage(number);
  DrawPageBody(number);
  Recorder.EndPage();
}

void tGraphPrinting::BuildPages() {
  PageNumbers.Clear();
  SetHeaderTexts(QStringLiteral("Grafischer Kostenverlauf"));
  DocumentName = PdfDocumentName(QStringLiteral("Amortisations-Grafik"), HeaderTitle);
  SetReportFont();
  PageNumbers.Add(1);
}

void tGraphPrinting::DrawPageHead(int32_t page) { DrawPageHeader(*this, page, -1); }

void tGraphPrinting::ComputeLayout() {
  CostAxisMax = fCostAxisMax ? fCostAxisMax() : 0;
  const int32_t sevenZeros = Recorder.TextWidth(QStringLiteral("0000000"));
  const int32_t textHeight = Recorder.TextHeight(QStringLiteral("0"));
  const auto setPlot = [this, textHeight](int32_t labelWidth) {
    const graph::tPlotArea plot = graph::PlotArea(PageWidth(), PageHeight(), labelWidth, textHeight, BodyTop());
    PlotLeft = plot.Left;
    PlotRight = plot.Right;
    PlotTop = plot.Top;
    PlotBottom = plot.Bottom;
    PlotWidth = plot.Width();
    PlotHeight = plot.Height();
  };
  setPlot(sevenZeros);
  // The cost ticks depend on the height alone. A cost axis of ten million
  // euros and more has labels wider than seven digits: the plot begins
  // right of the widest.
  ComputeCostTicks();
  const int64_t topLabel = static_cast<int64_t>(PlotHeight / TickPixelsY) * ThousandsPerTick * 1000;
  const int32_t widest = Recorder.TextWidth(QString::number(topLabel));
  if (widest > sevenZeros) setPlot(widest);
  ComputeTimeTicks();
}

void tGraphPrinting::ComputeTimeTicks() {
  auto ticks = graph::TimeTicks(PlotWidth, MonthCount);
  if (!ticks) throw EDevException(TooSmall(), kLocation);
  // These ticks may end up to one tick before the last month: where that
  // would leave a payback mark beyond the axis, ticks that reach the last
  // month are used.
  const extended latest = LatestMark();
  if (latest > graph::ValueAtEnd(PlotWidth, *ticks)) {
    const auto covering = graph::TimeTicksCovering(PlotWidth, MonthCount);
    if (covering && latest <= graph::ValueAtEnd(PlotWidth, *covering)) ticks = covering;
  }
  MonthsPerTick = ticks->UnitsPerTick;
  TickPixelsX = ticks->TickPixels;
}

void tGraphPrinting::ComputeCostTicks() {
  if (CostAxisMax < graph::kMinCostAxisMax)
    throw EDevException(QStringLiteral("Die maximalen Ausgaben müssen mindestens %1 EUR betragen, damit die "
                                       "Kostenachse eingeteilt werden kann.")
                            .arg(graph::kMinCostAxisMax),
                        kLocation);
  const int32_t textHeight = Recorder.TextHeight(QStringLiteral("0"));
  auto ticks = graph::CostTicks(PlotHeight, CostAxisMax, textHeight);
  if (!ticks) throw EDevException(TooSmall(), kLocation);
  // These ticks may end up to one tick below the axis maximum: where that
  // would cut off a payback mark, ticks that reach the maximum are used.
  const extended highest = HighestMark() / 1000;
  if (highest > graph::ValueAtEnd(PlotHeight, *ticks)) {
    const auto covering = graph::CostTicksCovering(PlotHeight, CostAxisMax, textHeight);
    if (covering && highest <= graph::ValueAtEnd(PlotHeight, *covering)) ticks = covering;
  }
  ThousandsPerTick = ticks->UnitsPerTick;
  TickPixelsY = ticks->TickPixels;
}

// The three payback marks: where they stand and on which series.
std::array<std::pair<extended, tSeries>, 3> tGraphPrinting::Marks() const {
  return {{{fCalc.PaybackZS(), tSeries::Manual},
           {fCalc.PaybackPL(), tSeries::PlannedTime},
           {fCalc.PaybackPLZS(), tSeries::PlannedTime}}};
}

extended tGraphPrinting::HighestMark() const {
  extended highest = 0;
  for (const auto& [months, k] : Marks())
    if (std::isfinite(months) && months <= MonthCount)
      highest = std::max(highest, static_cast<extended>(Series().ValueAt(k, months)));
  return highest;
}

extended tGraphPrinting::LatestMark() const {
  extended latest = 0;
  for (const auto& mark : Marks())
    if (std::isfinite(mark.first) && mark.first <= MonthCount) latest = std::max(latest, mark.first);
  return latest;
}

void tGraphPrinting::AddLabel(tLabelKind kind, const QString& text, const graph::tBox& box) {
  Labels.push_back({kind, text, box});
}

std::vector<graph::tBox> tGraphPrinting::LabelBoxes(std::initializer_list<tLabelKind> kinds) const {
  std::vector<graph::tBox> boxes;
  for (const tLabel& label : Labels)
    if (std::find(kinds.begin(), kinds.end(), label.Kind) != kinds.end())
      boxes.push_back(label.Box.Widened(graph::kLabelSpacing));
  return boxes;
}

int64_t tGraphPrinting::CurveY(tSeries k, extended months, extended scale) const {
  return static_cast<int64_t>(PlotBottom) - graph::CostHeight(scale, Series().ValueAt(k, months));
}

void tGraphPrinting::DrawTimeAxis() {
  tMetaFileRecorder& rec = Recorder;
  SetReportFont();
  rec.MoveTo(PlotLeft, PlotBottom);
  rec.LineTo(PlotRight, PlotBottom);

  const int32_t height = rec.TextHeight(QStringLiteral("0"));
  const std::vector<int32_t> offsets = graph::TickOffsets(PlotWidth, TickPixelsX);
  std::vector<QString> labels;
  std::vector<int32_t> edges;
  for (size_t k = 0; k < offsets.size(); ++k) {
    labels.push_back(QString::number(static_cast<int64_t>(k + 1) * MonthsPerTick));
    edges.push_back(PlotLeft + offsets[k] - rec.TextWidth(labels.back()) / 2);
  }
  const std::vector<bool> shown = graph::ShownTimeLabels(PlotLeft, edges);
  for (size_t k = 0; k < offsets.size(); ++k) {
    const int32_t x = PlotLeft + offsets[k];
    rec.Pen().Style = tPenStyle::Solid;
    rec.MoveTo(x, PlotBottom);
    rec.LineTo(x, PlotBottom + graph::kTickLength);
    if (shown[k]) {
      rec.TextOut(edges[k], PlotBottom + graph::kTickLength, labels[k]);
      const int32_t top = PlotBottom + graph::kTickLength;
      AddLabel(tLabelKind::TimeTick, labels[k], {edges[k], top, edges[k] + rec.TextWidth(labels[k]), top + height});
    }
    rec.Pen().Style = tPenStyle::Dot;
    rec.MoveTo(x, PlotTop);
    rec.LineTo(x, PlotBottom);
  }
  rec.Pen().Style = tPenStyle::Solid;

  rec.SetTextAlign(TA_RIGHT | TA_TOP);
  const QString title = QStringLiteral("Monate");
  const int32_t top = PlotBottom + height + 40;
  const int32_t width = rec.TextWidth(title);
  rec.TextOut(PlotRight, top, title);
  AddLabel(tLabelKind::AxisTitle, title, {PlotRight - width, top, PlotRight, top + height});
}

void tGraphPrinting::DrawCostAxis() {
  tMetaFileRecorder& rec = Recorder;
  SetReportFont();
  rec.SetTextAlign(TA_RIGHT | TA_BOTTOM);
  rec.MoveTo(PlotLeft, PlotTop);
  rec.LineTo(PlotLeft, PlotBottom);

  const int32_t textHeight = rec.TextHeight(QStringLiteral("0"));
  const std::vector<int32_t> offsets = graph::TickOffsets(PlotHeight, TickPixelsY);
  std::vector<int32_t> bottoms;
  for (const int32_t offset : offsets) bottoms.push_back(PlotBottom - offset + textHeight / 2);
  const std::vector<bool> shown = graph::ShownCostLabels(PlotBottom, bottoms);
  for (size_t k = 0; k < offsets.size(); ++k) {
    const int32_t y = PlotBottom - offsets[k];
    rec.Pen().Style = tPenStyle::Solid;
    rec.MoveTo(PlotLeft, y);
    rec.LineTo(PlotLeft + graph::kTickLength, y);
    if (shown[k]) {
      const QString label = QString::number(static_cast<int64_t>(k + 1) * ThousandsPerTick * 1000);
      const int32_t right = PlotLeft - 10;
      rec.TextOut(right, bottoms[k], label);
      AddLabel(tLabelKind::CostTick, label,
               {right - rec.TextWidth(label), bottoms[k] - textHeight, right, bottoms[k]});
    }
    rec.Pen().Style = tPenStyle::Dot;
    rec.MoveTo(PlotLeft + graph::kTickLength, y);
    rec.LineTo(PlotRight, y);
  }
  rec.Pen().Style = tPenStyle::Solid;

  rec.SetTextAlign(TA_LEFT | TA_TOP);
  const QString title = QStringLiteral("Kosten in EUR");
  rec.TextOut(20, BodyTop() + 20, title);
  AddLabel(tLabelKind::AxisTitle, title,
           {20, BodyTop() + 20, 20 + rec.TextWidth(title), BodyTop() + 20 + textHeight});
}

void tGraphPrinting::DrawCurve(tSeries k, const QColor& colour, extended scale) {
  SetReportFont();
  Recorder.Pen().Color = colour;
  const std::vector<graph::tPoint> points =
      graph::CurveVertices(Plot(), TimeTicks(), scale, [this, k](int32_t m) { return CumulatedCost(k, m); });
  if (points.empty()) return;
  Recorder.MoveTo(points.front().X, points.front().Y);
  for (size_t i = 1; i < points.size(); ++i) Recorder.LineTo(points[i].X, points[i].Y);
}

namespace {

// The square of a distance, its parts held small enough not to overflow.
int64_t Distance2(int64_t dx, int64_t dy) {
  constexpr int64_t kFar = int64_t{1} << 30;
  dx = std::clamp(dx, -kFar, kFar);
  dy = std::clamp(dy, -kFar, kFar);
  return dx * dx + dy * dy;
}

}  // namespace

std::optional<graph::tBox> tGraphPrinting::MarkLine(extended payback, tSeries k, extended scale) const {
  const auto x = graph::TimeX(PlotLeft, payback, TimeTicks());
  if (!x || *x < 0 || *x > PageWidth()) return std::nullopt;
  const int64_t top = CurveY(k, payback, scale);
  return graph::tBox{*x, static_cast<int32_t>(std::max<int64_t>(top, PlotTop)), *x + 1, PlotBottom};
}

void tGraphPrinting::DrawPaybackMark(extended payback, bool found, tSeries k, const QColor& colour,
                                     extended scale) {
  SetReportFont();
  const std::optional<graph::tBox> mark = MarkLine(payback, k, scale);
  if (!mark) return;
  const int32_t x = mark->Left;
  Recorder.Pen().Color = colour;
  Recorder.MoveTo(x, PlotBottom);
  Recorder.LineTo(x, mark->Top);

  // The value centred under the mark, one line below the tick labels (or
  // the nearest free place on that line or the next), without FormatReal's
  // leading blanks.
  Recorder.Font().Color = colour;
  const QString text = QString::fromStdString(FormatPayback(payback, found, 6, 2)).trimmed();
  const int32_t width = Recorder.TextWidth(text);
  const int32_t height = Recorder.TextHeight(QStringLiteral("0"));
  const int32_t wanted = x - width / 2;
  const int32_t line = PlotBottom + height + 20;
  const graph::tBox own{wanted, line, wanted + width, line + height};
  const graph::tBox area{0, PlotBottom + 1, PageWidth(), PageHeight()};
  const std::vector<graph::tBox> taken =
      LabelBoxes({tLabelKind::TimeTick, tLabelKind::AxisTitle, tLabelKind::PaybackValue});
  std::optional<graph::tPlace> free = graph::NearestFreePlace({{own, 0}}, area, taken);
  if (!free) {
    std::vector<graph::tPlace> places;
    for (const int32_t y : {line, line + height})
      for (int32_t left = 0; left + width <= PageWidth(); ++left)
        places.push_back({{left, y, left + width, y + height}, Distance2(left - wanted, y - line)});
    free = graph::NearestFreePlace(std::move(places), area, taken);
  }
  const graph::tBox box = free ? free->Box : own;
  Recorder.TextOut(box.Left, box.Top, text);
  AddLabel(tLabelKind::PaybackValue, text, box);
}

std::optional<tGraphPrinting::tNamePlace> tGraphPrinting::PlaceCurveName(extended payback, tSeries k,
                                                                        const QString& name, uint16_t align,
                                                                        extended scale) {
  SetReportFont();
  const auto x0 = graph::TimeX(PlotLeft, payback, TimeTicks(), 2);
  if (!x0) return std::nullopt;
  const int32_t width = Recorder.TextWidth(name);
  const int32_t ascent = Recorder.TextAscent();
  const int32_t height = Recorder.TextHeight(QStringLiteral("0"));
  const int64_t y0 = CurveY(k, payback / 2, scale);
  // Written as specified (variant 0), or, where that finds no room (a
  // curve along the axis or the top of the plot), on the other side of
  // the curve (variant 1): "Manuell" standing on it instead of hanging
  // below, the others hanging below instead of standing on their baseline.
  const bool baseline = (align & TA_BASELINE) == TA_BASELINE;
  const uint16_t vertical[2] = {static_cast<uint16_t>(baseline ? TA_BASELINE : TA_TOP),
                                static_cast<uint16_t>(baseline ? TA_TOP : TA_BOTTOM)};
  const auto boxAt = [&](int32_t x, int64_t y, int variant) {
    const int32_t left = baseline ? x - width : x;
    const int64_t top = vertical[variant] == TA_BASELINE ? y - ascent
                        : vertical[variant] == TA_BOTTOM ? y - height
                                                         : y;
    return graph::tBox{left, Saturate32(top), left + width, Saturate32(top + height)};
  };

  // Halfway to the payback on the curve, or the nearest free point of the
  // curve inside the plot.
  std::vector<graph::tBox> taken = LabelBoxes({tLabelKind::CurveName});
  taken.insert(taken.end(), fMarkLines.begin(), fMarkLines.end());
  const graph::tBox area{PlotLeft + graph::kTickLength + 1, PlotTop, PlotRight, PlotBottom};
  std::optional<graph::tPlace> place = graph::NearestFreePlace({{boxAt(*x0, y0, 0), 0, 0}}, area, taken);
  if (!place) {
    const int64_t otherSide = int64_t{height} * height;
    std::vector<graph::tPlace> places;
    for (int32_t x = PlotLeft; x <= PlotRight; ++x) {
      const extended months = static_cast<extended>(x - PlotLeft) * MonthsPerTick / TickPixelsX;
      const int64_t y = CurveY(k, months, scale);
      const int64_t distance = Distance2(int64_t{x} - *x0, y - y0);
      places.push_back({boxAt(x, y, 0), distance, 0});
      places.push_back({boxAt(x, y, 1), distance + otherSide, 1});
    }
    place = graph::NearestFreePlace(std::move(places), area, taken);
  }
  if (!place) return std::nullopt;  // the curve runs outside the plot
  AddLabel(tLabelKind::CurveName, name, place->Box);
  const uint16_t horizontal = baseline ? TA_RIGHT : TA_LEFT;
  return tNamePlace{place->Box, static_cast<uint16_t>(horizontal | vertical[place->Variant])};
}

void tGraphPrinting::WriteCurveName(const tNamePlace& place, const QString& name, const QColor& colour) {
  SetReportFont();
  tMetaFileRecorder& rec = Recorder;
  rec.Font().Color = colour;
  rec.SetTextAlign(place.Align);
  const int32_t x = (place.Align & TA_RIGHT) ? place.Box.Right : place.Box.Left;
  int32_t y = place.Box.Top;
  if ((place.Align & TA_BASELINE) == TA_BASELINE)
    y += rec.TextAscent();
  else if (place.Align & TA_BOTTOM)
    y = place.Box.Bottom;
  rec.TextOut(x, y, name);
}

void tGraphPrinting::DrawPageBody(int32_t) {
  SetReportFont();
  if (fMakeCurrent) fMakeCurrent();
  Labels.clear();
  fMarkLines.clear();
  ComputeLayout();
  DrawTimeAxis();
  DrawCostAxis();

  const extended scale = graph::CostScale(CostTicks());
  struct tRow {
    tSeries curve;
    QColor curveColour;
    extended payback;
    bool found;
    tSeries markSeries;
    QColor markColour;
    QString name;
    uint16_t nameAlign;
  };
  const tRow rows[] = {
      {tSeries::Manual, kManualColour, fCalc.PaybackZS(), fCalc.PaybackZSFound(), tSeries::Manual, kMarkZSColour,
       QStringLiteral("Manuell"), TA_LEFT | TA_TOP},
      {tSeries::TimeStudy, kTimeStudyColour, fCalc.PaybackPL(), fCalc.PaybackPLFound(), tSeries::PlannedTime,
       kMarkPLColour, QStringLiteral("Zeitstudiensystem"), TA_RIGHT | TA_BASELINE},
      {tSeries::PlannedTime, kPlannedColour, fCalc.PaybackPLZS(), fCalc.PaybackPLZSFound(), tSeries::PlannedTime,
       kMarkPLZSColour, QStringLiteral("Planzeitsystem"), TA_RIGHT | TA_BASELINE},
  };
  // The names first find their places, clear of each other and of the
  // marks; a white ground there keeps the grid lines out of them, the
  // curves and marks are drawn over it, the names last.
  for (const tRow& row : rows)
    if (const auto mark = MarkLine(row.payback, row.markSeries, scale)) fMarkLines.push_back(*mark);
  std::optional<tNamePlace> names[3];
  for (size_t i = 0; i < 3; ++i)
    names[i] = PlaceCurveName(rows[i].payback, rows[i].curve, rows[i].name, rows[i].nameAlign, scale);
  Recorder.Pen().Style = tPenStyle::Clear;
  Recorder.Brush() = tBrush{Qt::white, tBrushStyle::Solid};
  for (const auto& place : names)
    if (place) Recorder.Rectangle(place->Box.Left, place->Box.Top, place->Box.Right, place->Box.Bottom);
  Recorder.Pen().Style = tPenStyle::Solid;
  Recorder.Brush().Style = tBrushStyle::Clear;

  for (const tRow& row : rows) {
    DrawCurve(row.curve, row.curveColour, scale);
    DrawPaybackMark(row.payback, row.found, row.markSeries, row.markColour, scale);
  }
  for (size_t i = 0; i < 3; ++i)
    if (names[i]) WriteCurveName(*names[i], rows[i].name, rows[i].curveColour);
}
