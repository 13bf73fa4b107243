// The page "Sensitivität" in the look of the overview's pages: below the
// page header a title with the two inputs, then framed blocks, each with a
// title line:
//
//   Sensitivität              Soll-Amortisationszeit 24 Monate · Veränderung je Eingabe ±20 %
//   [ tornado chart of comparison 1 ]
//   [ tornado chart of comparison 2 ]
//   [ tornado chart of comparison 3, with the legend ]
//   [ Grenzwerte: every input for the three comparisons ]
//   [ Drei Fälle: shares, paybacks, yearly savings, Kapitalwerte ]
//   notes (what "*" and the two costs mean)
//
// The page is laid out before it is drawn, as data (texts, frames, lines,
// the charts' and tables' layouts), so that tests can check that nothing
// overlaps or leaves the page. The font is the largest of 2.8, 2.6, 2.5,
// 2.4 and 2.2 mm with which everything fits the area.
//
// Units: page units of 0.1 mm, y downward.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "gridtable.h"
#include "sensitivity.h"
#include "sheettext.h"
#include "tornadolayout.h"

// A horizontal line.
struct tSheetRule {
  int32_t Y = 0, Left = 0, Right = 0;
};

struct tSensitivitySheet {
  bool Fits = false;
  int FontHeight = 0;
  int32_t ExtraPitch = 0;
  std::vector<tSheetText> Texts;  // title, inputs, block titles, notes
  std::vector<tRect> Frames;
  std::vector<tSheetRule> Rules;
  std::array<tornado::tLayout, kComparisons> Charts;
  grid::tLayout BreakEven;
  grid::tLayout Cases;
  // Every text of the page, the charts' and tables' included.
  std::vector<tSheetText> AllTexts() const;
};

// The metrics of Arial of a font height, lines extraPitch apart.
using tMetricsFor = std::function<tSheetMetrics(int fontHeight, int32_t extraPitch)>;

// Lays the page out in `area` (the usable page below the header).
tSensitivitySheet LayoutSensitivitySheet(const tSensitivityCalc& sensitivity, const tRect& area,
                                         const tMetricsFor& metricsFor);

// Lays the page out with the recorder's fonts and draws it on its open
// page. Raises EDevException with a German message when no font fits the
// area (margins too wide).
tSensitivitySheet DrawSensitivitySheet(tMetaFileRecorder& recorder, const tSensitivityCalc& sensitivity,
                                       const tRect& area);
