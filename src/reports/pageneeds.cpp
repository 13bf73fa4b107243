#include "pageneeds.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "graphlayout.h"
#include "pageframe.h"
#include "recorder.h"
#include "tablelayout.h"

tPageNeeds LeastPageForReports() {
  tFont reportFont;  // Arial, 3.5 mm
  const QFontMetricsF fm(tMetaFileRecorder::ToQFont(reportFont));
  const auto textHeight = static_cast<int32_t>(std::lround(fm.ascent() + fm.descent()));
  const auto sevenZeros = static_cast<int32_t>(std::lround(fm.horizontalAdvance(QStringLiteral("0000000"))));

  // The table: the frame's heads and one row.
  const int32_t table = table::kBodyTop + table::kRowHeight;
  // The graph (graphlayout.h): one cost tick between the plot's top, a
  // text line and 5 mm below the header, and its bottom, two text lines and
  // 6 mm above the frame; one time tick between the cost axis with its
  // labels and 5 mm before the frame.
  const graph::tPlotArea atZero = graph::PlotArea(0, 0, sevenZeros, textHeight, HeaderHeight());
  const int32_t graphHeight = (atZero.Top - atZero.Bottom) + textHeight + graph::kLabelGap;
  const int32_t graphWidth = (atZero.Left - atZero.Right) + graph::kMinTickDistanceX;
  // The page header: its logo cell and its right cell, 26 mm each.
  const int32_t header = 2 * 260;
  return {std::max(graphWidth, header), std::max(table, graphHeight)};
}
