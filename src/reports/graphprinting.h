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
// and no name; marks and names whose place lies outside the frame are left
// out, and a mark stops at the top of the plot as the curves do. Two
// payback values that would overlap are written on two lines, and a name
// that would run over the cost axis begins right of it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
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

 private:
  graph::tPlotArea Plot() const { return {PlotLeft, PlotRight, PlotTop, PlotBottom}; }
  graph::tTicks TimeTicks() const { return {MonthsPerTick, TickPixelsX}; }
  graph::tTicks CostTicks() const { return {ThousandsPerTick, TickPixelsY}; }
  void DrawCurve(tSeries k, const QColor& colour, extended scale);
  void DrawPaybackMark(extended payback, tSeries k, const QColor& colour, extended scale);
  void DrawCurveName(extended payback, tSeries k, const QString& name, const QColor& colour, uint16_t align,
                     extended scale);

  // Where the graph begins: below the page header, or at the sheet's top.
  int32_t BodyTop() const;

  tCostAxisMax fCostAxisMax;
  tMakeCurrent fMakeCurrent;
  std::optional<tSheet> fSheet;
  // The payback values written on the first line under the axis labels.
  std::vector<graph::tSpan> fValueLine;
};
