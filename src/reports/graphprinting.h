// The payback graph "Grafischer Kostenverlauf": one landscape page with the
// cumulative cost curves of manual time studies, of the time-study system
// and of the planned-time system over MonthCount months, a cost axis in
// euros up to the cost-axis maximum, dotted grid lines, a vertical mark at
// each of the three payback points with its value under the time axis, and
// each curve's name halfway to its payback point.
//
// Inputs, given by the caller (see tTaviPrinting for the record and the
// computation):
//   costAxisMax  answers the cost-axis maximum in euros when the page is
//                laid out (the graph dialog: its field "Maximale Ausgaben")
//   makeCurrent  brings the payback computation up to date before the page
//                is drawn (the payback dialog: StoreFields, then Calculate;
//                tavi-report: Calculate from the record); may be empty
// Both are called every time the page is recorded, so the page always
// reflects the current fields.
//
// Units: page units of 0.1 mm (see graphlayout.h), money in euros, time in
// months. Every line is 0.1 mm wide; axes, ticks, curves and marks solid,
// grid lines dotted.
//
// Errors: recording the page raises EDevException with a German message
// when the cost axis is below 1000 euros (there is no whole thousand to
// divide) or the page is too small for the plot; the preview shows it.
// A payback that is not a number (a saturated computation) gets no mark
// and no name, one that was not found "keine" for its value; marks whose
// place lies outside the frame are left out, and a mark stops at the top
// of the plot as the curves do. The ticks of each axis are the specified
// ones, unless these end before a payback mark that ticks reaching the axis
// maximum would show; so the proposed axes show every crossing.
//
// Labels. Every text of the plot is recorded in Labels with its rectangle.
// A payback value and a curve name keep their own place as long as it is
// free: inside the plot for a name, inside the frame below the time axis
// for a value, clear of every label placed before and, for a name, of the
// payback marks. Otherwise the label takes the nearest free place: a name
// along its curve (on the other side of it where its own side has no
// room), a value on its line or the line below it. Curve names
// stand on white, so that no grid line runs through them; the curves and
// marks are drawn over that ground, the names last.
#pragma once

#include <cstdint>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "graphlayout.h"
#include "taviprinting.h"

class tGraphPrinting : public tTaviPrinting {
 public:
  using tCostAxisMax = std::function<int32_t()>;
  using tMakeCurrent = std::function<void()>;

  // The graph of `months` months (at least 1): landscape, with the printer
  // margins. Raises EDevException for fewer months.
  tGraphPrinting(int32_t months, const tTaviDaten& daten, const tPaybackCalc& calc, tCostAxisMax costAxisMax,
                 tMakeCurrent makeCurrent);
  // The graph alone on a sheet of its own size, without page header and
  // frame (the picture of the payback dialog's results page); the printer
  // is left as it is. Width and height in 0.1 mm.
  struct tSheet {
    int32_t Width = 0, Height = 0;
  };
  tGraphPrinting(int32_t months, const tTaviDaten& daten, const tPaybackCalc& calc, tCostAxisMax costAxisMax,
                 tMakeCurrent makeCurrent, tSheet sheet);

  void BuildPages() override;
  void RecordPage(int32_t number) override;
  void DrawPageHead(int32_t page) override;
  void DrawPageBody(int32_t page) override;
  int32_t PageWidth() const override;
  int32_t PageHeight() const override;

  // The steps of DrawPageBody; each needs the page open.
  void ComputeLayout();
  void ComputeTimeTicks();
  void ComputeCostTicks();
  void DrawTimeAxis();
  void DrawCostAxis();

  int32_t PlotLeft = 0, PlotRight = 0, PlotTop = 0, PlotBottom = 0;
  int32_t PlotWidth = 0, PlotHeight = 0;
  int32_t TickPixelsX = 0, TickPixelsY = 0;
  int32_t MonthsPerTick = 0;
  int32_t ThousandsPerTick = 0;
  int32_t CostAxisMax = 0;  // euros

  // A text of the plot and its rectangle on the page, as last recorded.
  enum class tLabelKind { TimeTick, CostTick, AxisTitle, PaybackValue, CurveName };
  struct tLabel {
    tLabelKind Kind;
    QString Text;
    graph::tBox Box;
  };
  std::vector<tLabel> Labels;

 private:
  graph::tPlotArea Plot() const { return {PlotLeft, PlotRight, PlotTop, PlotBottom}; }
  graph::tTicks TimeTicks() const { return {MonthsPerTick, TickPixelsX}; }
  graph::tTicks CostTicks() const { return {ThousandsPerTick, TickPixelsY}; }
  void DrawCurve(tSeries k, const QColor& colour, extended scale);
  // The line of a payback mark on the page; none where its place lies
  // outside the frame.
  std::optional<graph::tBox> MarkLine(extended payback, tSeries k, extended scale) const;
  void DrawPaybackMark(extended payback, bool found, tSeries k, const QColor& colour, extended scale);
  // Finds and records the place of a curve name and how it is aligned
  // there; none when the curve has no free place inside the plot.
  struct tNamePlace {
    graph::tBox Box;
    uint16_t Align;
  };
  std::optional<tNamePlace> PlaceCurveName(extended payback, tSeries k, const QString& name, uint16_t align,
                                           extended scale);
  void WriteCurveName(const tNamePlace& place, const QString& name, const QColor& colour);
  // Records a label written at its box, and returns the box.
  void AddLabel(tLabelKind kind, const QString& text, const graph::tBox& box);
  std::vector<graph::tBox> LabelBoxes(std::initializer_list<tLabelKind> kinds) const;
  // The y of series k at `months` on the plot.
  int64_t CurveY(tSeries k, extended months, extended scale) const;
  // The payback marks within the time axis: the cost at the top of the
  // highest, euros, and the month of the latest (0 without one).
  std::array<std::pair<extended, tSeries>, 3> Marks() const;
  extended HighestMark() const;
  extended LatestMark() const;

  // Where the graph begins: below the page header, or at the sheet's top.
  int32_t BodyTop() const;

  tCostAxisMax fCostAxisMax;
  tMakeCurrent fMakeCurrent;
  std::optional<tSheet> fSheet;
  // The payback marks drawn, for the names to keep clear of.
  std::vector<graph::tBox> fMarkLines;
};
