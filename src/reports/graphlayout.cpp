#include "graphlayout.h"

#include <algorithm>
#include <cmath>

namespace graph {

tPlotArea PlotArea(int32_t usableWidth, int32_t usableHeight, int32_t sevenZerosWidth, int32_t textHeight,
                   int32_t headerHeight) {
  tPlotArea plot;
  plot.Left = sevenZerosWidth + 20;
  plot.Right = usableWidth - 50;
  plot.Top = textHeight + headerHeight + 50;
  plot.Bottom = usableHeight - 2 * textHeight - 60;
  return plot;
}

namespace {

// TickPixels = length div (count div unitsPerTick), with the fewest units
// per tick that make it at least `least`. The largest TickPixels is the
// whole length (one tick), so a length below `least` has no answer; below
// that the loop always ends with count div unitsPerTick ≥ 1.
std::optional<tTicks> Ticks(int32_t length, int32_t count, int32_t least, bool covering = false) {
  if (count < 1 || length < least) return std::nullopt;
  const auto tickCount = [count, covering](int32_t unitsPerTick) {
    return covering ? (count + unitsPerTick - 1) / unitsPerTick : count / unitsPerTick;
  };
  tTicks ticks{1, length / count};
  while (ticks.TickPixels < least) {
    ++ticks.UnitsPerTick;
    ticks.TickPixels = length / tickCount(ticks.UnitsPerTick);
  }
  return ticks;
}

}  // namespace

std::optional<tTicks> TimeTicks(int32_t plotWidth, int32_t monthCount) {
  return Ticks(plotWidth, monthCount, kMinTickDistanceX);
}

std::optional<tTicks> CostTicks(int32_t plotHeight, int32_t costAxisMax, int32_t textHeight) {
  return Ticks(plotHeight, costAxisMax / 1000, textHeight + kLabelGap);
}

std::optional<tTicks> TimeTicksCovering(int32_t plotWidth, int32_t monthCount) {
  return Ticks(plotWidth, monthCount, kMinTickDistanceX, true);
}

std::optional<tTicks> CostTicksCovering(int32_t plotHeight, int32_t costAxisMax, int32_t textHeight) {
  return Ticks(plotHeight, costAxisMax / 1000, textHeight + kLabelGap, true);
}

extended ValueAtEnd(int32_t length, const tTicks& ticks) {
  if (ticks.TickPixels < 1) return 0;
  return static_cast<extended>(length) * ticks.UnitsPerTick / ticks.TickPixels;
}

std::vector<int32_t> TickOffsets(int32_t length, int32_t step) {
  std::vector<int32_t> offsets;
  if (step < 1) return offsets;
  for (int64_t offset = step; offset <= length; offset += step) offsets.push_back(static_cast<int32_t>(offset));
  return offsets;
}

std::vector<bool> ShownTimeLabels(int32_t axisStart, const std::vector<int32_t>& leftEdges) {
  std::vector<bool> shown;
  int64_t last = axisStart;
  for (const int32_t edge : leftEdges) {
    const bool show = last + kLabelGap < edge;
    if (show) last = edge;
    shown.push_back(show);
  }
  return shown;
}

std::vector<bool> ShownCostLabels(int32_t axisY, const std::vector<int32_t>& bottoms) {
  std::vector<bool> shown;
  int64_t last = axisY;
  for (const int32_t bottom : bottoms) {
    const bool show = bottom < last - kLabelGap;
    if (show) last = bottom;
    shown.push_back(show);
  }
  return shown;
}

extended CostScale(const tTicks& costTicks) {
  return (static_cast<extended>(costTicks.TickPixels) / 1000) / costTicks.UnitsPerTick;
}

int32_t CostHeight(extended scale, float value) {
  const auto product = static_cast<float>(scale * static_cast<extended>(value));
  if (std::isnan(product)) return kInt32Max;
  return Round32(product);
}

std::vector<tPoint> CurveVertices(const tPlotArea& plot, const tTicks& timeTicks, extended scale,
                                  const std::function<float(int32_t month)>& cumulated) {
  std::vector<tPoint> points;
  const auto yOf = [&](int64_t month) {
    const int32_t m = static_cast<int32_t>(std::min<int64_t>(month, kInt32Max));
    return Saturate32(static_cast<int64_t>(plot.Bottom) - CostHeight(scale, cumulated(m)));
  };
  const int32_t startY = yOf(0);
  if (startY < plot.Top) return points;
  points.push_back({plot.Left, startY});
  if (timeTicks.TickPixels < 1) return points;
  int64_t k = 1;
  for (int64_t x = static_cast<int64_t>(plot.Left) + timeTicks.TickPixels; x <= plot.Right;
       x += timeTicks.TickPixels, ++k) {
    const int32_t y = yOf(k * timeTicks.UnitsPerTick);
    if (y < plot.Top) break;  // leaves the plot: not joined, nothing after it
    points.push_back({static_cast<int32_t>(x), y});
  }
  return points;
}

std::optional<int32_t> TimeX(int32_t plotLeft, extended months, const tTicks& timeTicks, int divisor) {
  if (!std::isfinite(months) || timeTicks.UnitsPerTick < 1 || divisor < 1) return std::nullopt;
  const extended offset = std::nearbyint(months / timeTicks.UnitsPerTick * timeTicks.TickPixels / divisor);
  const extended x = plotLeft + offset;
  if (!(x >= kInt32Min && x <= kInt32Max)) return std::nullopt;
  return static_cast<int32_t>(x);
}

std::optional<tPlace> NearestFreePlace(std::vector<tPlace> places, const tBox& area, const std::vector<tBox>& taken) {
  std::stable_sort(places.begin(), places.end(),
                   [](const tPlace& a, const tPlace& b) { return a.Distance2 < b.Distance2; });
  for (const tPlace& place : places) {
    if (!place.Box.Within(area)) continue;
    if (std::none_of(taken.begin(), taken.end(), [&](const tBox& t) { return t.Overlaps(place.Box); }))
      return place;
  }
  return std::nullopt;
}

}  // namespace graph
