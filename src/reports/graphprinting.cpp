#include "graphprinting.h"

#include <QColor>
#include <algorithm>
#include <utility>
#include <vector>

#include "edevexception.h"
#include "numfmt.h"
#include "pageframe.h"
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
  SetReportFont();
  PageNumbers.Add(1);
}

void tGraphPrinting::DrawPageHead(int32_t page) { DrawPageHeader(*this, page, -1); }

void tGraphPrinting::ComputeLayout() {
  CostAxisMax = fCostAxisMax ? fCostAxisMax() : 0;
  const graph::tPlotArea plot = graph::PlotArea(PageWidth(), PageHeight(), Recorder.TextWidth(QStringLiteral("0000000")),
                                                Recorder.TextHeight(QStringLiteral("0")), BodyTop());
  PlotLeft = plot.Left;
  PlotRight = plot.Right;
  PlotTop = plot.Top;
  PlotBottom = plot.Bottom;
  PlotWidth = plot.Width();
  PlotHeight = plot.Height();
  ComputeTimeTicks();
  ComputeCostTicks();
}

void tGraphPrinting::ComputeTimeTicks() {
  const auto ticks = graph::TimeTicks(PlotWidth, MonthCount);
  if (!ticks) throw EDevException(TooSmall(), kLocation);
  MonthsPerTick = ticks->UnitsPerTick;
  TickPixelsX = ticks->TickPixels;
}

void tGraphPrinting::ComputeCostTicks() {
  if (CostAxisMax < graph::kMinCostAxisMax)
    throw EDevException(QStringLiteral("Die maximalen Ausgaben müssen mindestens %1 EUR betragen, damit die "
                                       "Kostenachse eingeteilt werden kann.")
                            .arg(graph::kMinCostAxisMax),
                        kLocation);
  const auto ticks = graph::CostTicks(PlotHeight, CostAxisMax, Recorder.TextHeight(QStringLiteral("0")));
  if (!ticks) throw EDevException(TooSmall(), kLocation);
  ThousandsPerTick = ticks->UnitsPerTick;
  TickPixelsY = ticks->TickPixels;
}

void tGraphPrinting::DrawTimeAxis() {
  tMetaFileRecorder& rec = Recorder;
  SetReportFont();
  rec.MoveTo(PlotLeft, PlotBottom);
  rec.LineTo(PlotRight, PlotBottom);

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
    if (shown[k]) rec.TextOut(edges[k], PlotBottom + graph::kTickLength, labels[k]);
    rec.Pen().Style = tPenStyle::Dot;
    rec.MoveTo(x, PlotTop);
    rec.LineTo(x, PlotBottom);
  }
  rec.Pen().Style = tPenStyle::Solid;

  rec.SetTextAlign(TA_RIGHT | TA_TOP);
  rec.TextOut(PlotRight, PlotBottom + rec.TextHeight(QStringLiteral("0")) + 40, QStringLiteral("Monate"));
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
      const int64_t euros = static_cast<int64_t>(k + 1) * ThousandsPerTick * 1000;
      rec.TextOut(PlotLeft - 10, bottoms[k], QString::number(euros));
    }
    rec.Pen().Style = tPenStyle::Dot;
    rec.MoveTo(PlotLeft + graph::kTickLength, y);
    rec.LineTo(PlotRight, y);
  }
  rec.Pen().Style = tPenStyle::Solid;

  rec.SetTextAlign(TA_LEFT | TA_TOP);
  rec.TextOut(20, BodyTop() + 20, QStringLiteral("Kosten in EUR"));
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

void tGraphPrinting::DrawPaybackMark(extended payback, tSeries k, const QColor& colour, extended scale) {
  SetReportFont();
  const auto x = graph::TimeX(PlotLeft, payback, TimeTicks());
  if (!x || *x < 0 || *x > PageWidth()) return;
  const float value = Series().ValueAt(k, payback);
  const int64_t top = static_cast<int64_t>(PlotBottom) - graph::CostHeight(scale, value);
  Recorder.Pen().Color = colour;
  Recorder.MoveTo(*x, PlotBottom);
  Recorder.LineTo(*x, static_cast<int32_t>(std::max<int64_t>(top, PlotTop)));

  Recorder.Font().Color = colour;
  // Centred on the mark without FormatReal's leading blanks.
  const QString text = QString::fromStdString(FormatReal(payback, 6, 2)).trimmed();
  const int32_t width = Recorder.TextWidth(text);
  const int32_t lineHeight = Recorder.TextHeight(QStringLiteral("0"));
  const graph::tSpan span{*x - width / 2, *x - width / 2 + width};
  const int line = graph::ValueLine(fValueLine, span);
  if (line == 0) fValueLine.push_back(span);
  Recorder.TextOut(span.Left, PlotBottom + lineHeight + 20 + line * lineHeight, text);
}

void tGraphPrinting::DrawCurveName(extended payback, tSeries k, const QString& name, const QColor& colour,
                                   uint16_t align, extended scale) {
  SetReportFont();
  const auto x = graph::TimeX(PlotLeft, payback, TimeTicks(), 2);
  if (!x || *x < 0 || *x > PageWidth()) return;
  const float value = Series().ValueAt(k, payback / 2);
  const int64_t y = static_cast<int64_t>(PlotBottom) - graph::CostHeight(scale, value);
  if (y < PlotTop || y > PageHeight()) return;  // the curve has left the plot there
  Recorder.Font().Color = colour;
  Recorder.SetTextAlign(align);
  const int32_t right = (align & TA_RIGHT) ? graph::NameRightEnd(*x, Recorder.TextWidth(name), PlotLeft) : *x;
  Recorder.TextOut(right, static_cast<int32_t>(y), name);
}

void tGraphPrinting::DrawPageBody(int32_t) {
  SetReportFont();
  if (fMakeCurrent) fMakeCurrent();
  ComputeLayout();
  DrawTimeAxis();
  DrawCostAxis();

  const extended scale = graph::CostScale(CostTicks());
  fValueLine.clear();
  struct tRow {
    tSeries curve;
    QColor curveColour;
    extended payback;
    tSeries markSeries;
    QColor markColour;
    QString name;
    uint16_t nameAlign;
  };
  const tRow rows[] = {
      {tSeries::Manual, kManualColour, fCalc.PaybackZS(), tSeries::Manual, kMarkZSColour, QStringLiteral("Manuell"),
       TA_LEFT | TA_TOP},
      {tSeries::TimeStudy, kTimeStudyColour, fCalc.PaybackPL(), tSeries::PlannedTime, kMarkPLColour,
       QStringLiteral("Zeitstudiensystem"), TA_RIGHT | TA_BASELINE},
      {tSeries::PlannedTime, kPlannedColour, fCalc.PaybackPLZS(), tSeries::PlannedTime, kMarkPLZSColour,
       QStringLiteral("Planzeitsystem"), TA_RIGHT | TA_BASELINE},
  };
  for (const tRow& row : rows) {
    DrawCurve(row.curve, row.curveColour, scale);
    DrawPaybackMark(row.payback, row.markSeries, row.markColour, scale);
    DrawCurveName(row.payback, row.curve, row.name, row.curveColour, row.nameAlign, scale);
  }
}
