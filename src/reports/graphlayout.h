// The arithmetic of the payback graph: the plot area, the ticks of both
// axes, which tick labels fit, the curve vertices and where a time lies on
// the time axis. Page units of 0.1 mm, y downward; W and H are the usable
// width and height of the (landscape) page.
//
// Ticks. The time axis has a tick every MonthsPerTick months, TickPixelsX
// apart, at least 10 mm; the cost axis one every ThousandsPerTick thousand
// euros, TickPixelsY apart, at least a text line plus 2 mm. Tick k lies
// k × TickPixels from the axis start: exactly where the curves put month
// k × MonthsPerTick and cost k × ThousandsPerTick × 1000, so that the
// labels can be read against the curves.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "extmath.h"

namespace graph {

constexpr int32_t kMinTickDistanceX = 100;  // 10 mm between time ticks
constexpr int32_t kTickLength = 20;
constexpr int32_t kLabelGap = 20;           // least distance between two labels
constexpr int32_t kMinCostAxisMax = 1000;   // euros: one whole thousand

struct tPoint {
  int32_t X = 0, Y = 0;
  bool operator==(const tPoint&) const = default;
};

struct tPlotArea {
  int32_t Left = 0, Right = 0, Top = 0, Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
};

// Left: room for a seven-digit label and 2 mm; right: 5 mm before the
// frame; top: a text line and 5 mm below the header; bottom: two text lines
// (tick labels, payback values) and 6 mm above the frame.
tPlotArea PlotArea(int32_t usableWidth, int32_t usableHeight, int32_t sevenZerosWidth, int32_t textHeight,
                   int32_t headerHeight);

struct tTicks {
  int32_t UnitsPerTick = 0;  // months or thousands of euros
  int32_t TickPixels = 0;
  bool operator==(const tTicks&) const = default;
};

// The fewest months per tick that keep ticks 10 mm apart on a time axis of
// monthCount months: TickPixels = plotWidth div (monthCount div
// MonthsPerTick). None for monthCount < 1 or a plot narrower than 10 mm.
std::optional<tTicks> TimeTicks(int32_t plotWidth, int32_t monthCount);

// The fewest thousands per tick that keep ticks a text line plus 2 mm apart
// on a cost axis up to costAxisMax euros. None for an axis below 1000 euros
// (no whole thousand to divide) or a plot lower than one such tick.
std::optional<tTicks> CostTicks(int32_t plotHeight, int32_t costAxisMax, int32_t textHeight);

// The same ticks, but as many as it takes to reach the axis maximum (the
// months, the cost rounded down to thousands): TickPixels = length div
// ⌈count ÷ UnitsPerTick⌉. The graph uses them where the ticks above would
// end before a payback mark that these reach.
std::optional<tTicks> TimeTicksCovering(int32_t plotWidth, int32_t monthCount);
std::optional<tTicks> CostTicksCovering(int32_t plotHeight, int32_t costAxisMax, int32_t textHeight);
// What the end of an axis `length` long stands for with these ticks: its
// months, or its euros for a cost axis (thousands × 1000).
extended ValueAtEnd(int32_t length, const tTicks& ticks);

// Offsets of the ticks from the axis start: step, 2 × step, … up to length.
std::vector<int32_t> TickOffsets(int32_t length, int32_t step);

// Which labels are written, the others being too close to the last one
// written. Time axis: left edges in increasing order, a label is written
// when its left edge lies more than 20 beyond the last written one (the
// first is compared with the axis start). Cost axis: bottoms in decreasing
// order, written when more than 20 above the last written bottom (the
// first is compared with the axis).
std::vector<bool> ShownTimeLabels(int32_t axisStart, const std::vector<int32_t>& leftEdges);
std::vector<bool> ShownCostLabels(int32_t axisY, const std::vector<int32_t>& bottoms);

// Page units per euro: (TickPixelsY ÷ 1000) ÷ ThousandsPerTick.
extended CostScale(const tTicks& costTicks);
// The height of a cost on the plot: scale × value held as a single-precision
// float, rounded to the nearest integer (halves to even). Values beyond
// the 32-bit range stop at its limits; NaN counts as infinitely high.
int32_t CostHeight(extended scale, float value);

// The curve of one series: the start point at month 0 and one vertex per
// time tick (month k × MonthsPerTick at PlotLeft + k × TickPixelsX), up to
// the last tick inside the plot or the first vertex above PlotTop, which is
// not joined. Empty when already month 0 lies above the plot.
std::vector<tPoint> CurveVertices(const tPlotArea& plot, const tTicks& timeTicks, extended scale,
                                  const std::function<float(int32_t month)>& cumulated);

// x of `months` on the time axis: PlotLeft + round(months ÷ MonthsPerTick ×
// TickPixelsX ÷ divisor) (halves to even). None when the time is not finite
// or the position leaves the 32-bit range.
std::optional<int32_t> TimeX(int32_t plotLeft, extended months, const tTicks& timeTicks, int divisor = 1);

// A label's rectangle on the page, y downward; Right and Bottom lie just
// outside it.
struct tBox {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const tBox&) const = default;
  // Whether the two share more than an edge.
  bool Overlaps(const tBox& o) const { return Left < o.Right && o.Left < Right && Top < o.Bottom && o.Top < Bottom; }
  bool Within(const tBox& area) const {
    return Left >= area.Left && Right <= area.Right && Top >= area.Top && Bottom <= area.Bottom;
  }
  // The box grown by `gap` to the left and right.
  tBox Widened(int32_t gap) const { return {Left - gap, Top, Right + gap, Bottom}; }
};

// The least distance between two labels side by side.
constexpr int32_t kLabelSpacing = 10;

// A place a label may take, the square of its distance from the place the
// label was meant for, and which way the label is written there (the
// caller's count).
struct tPlace {
  tBox Box;
  int64_t Distance2 = 0;
  int Variant = 0;
};

// The nearest of the places that lies within `area` and overlaps none of
// `taken` (on equal distance the one given first); none when there is no
// such place.
std::optional<tPlace> NearestFreePlace(std::vector<tPlace> places, const tBox& area, const std::vector<tBox>& taken);

}  // namespace graph
