// The tornado chart of one comparison, laid out before anything is drawn:
// one row per input with its caption and its two values, the payback with
// the input lowered and raised, a bar between them around the base payback
// on a scale of months, and (optionally) the break-even value:
//
//   Title                                              Basis: 3,1 Monate – im Soll
//   Eingabe     −20 % | +20 %    bei −20 %   Amortisation in Monaten   bei +20 %   Grenzwert
//   Gesamtkosten  4384 € | 6576 €  2,5 im Soll  |   ▓▓|███                 3,7 im Soll  bis 10960 €
//   ...                                         0    6    12   18   24
//   ▓ Wert −20 %   █ Wert +20 %   ┆ Soll-Amortisationszeit (24 Monate)   | Basis
//
// A payback beyond the scale (none at all) is a bar running to the end of
// the scale, ending in an arrow; its label says "keine Amortisation" (when
// the base has no payback either, the bar is a stub at the end). The
// target is a vertical line, the base payback another.
//
// Everything is a rectangle in page units (0.1 mm, y downward) inside the
// box given, so that the drawing (tornadochart.h) only follows the layout
// and tests can check it: no two texts overlap and nothing leaves the box.
// Texts are measured by the caller's functions (the recorder's fonts).
// GUI-free; nothing raises.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "extmath.h"
#include "recorder.h"
#include "sheettext.h"

namespace tornado {

using tMetrics = tSheetMetrics;

struct tRow {
  QString Caption;             // "Zeitstudien pro Jahr"
  QString Values;              // "96 | 144"
  QString LowText, HighText;   // the paybacks at the lowered and raised value
  std::optional<bool> LowMet;  // within the target; empty when unknown
  std::optional<bool> HighMet;
  extended LowMonths = 0;      // +inf: none; NaN: unknown
  extended HighMonths = 0;
  QString BreakEven;           // the break-even column's text
};

struct tData {
  QString Title;                // "1  Zeitstudiensystem – Manuelle Datenermittlung"
  QString BaseText;             // "Basis: 3,1 Monate – im Soll"
  std::optional<bool> BaseMet;
  extended BaseMonths = 0;      // as the rows' paybacks
  int32_t TargetMonths = 24;
  int32_t Percent = 20;
  std::vector<tRow> Rows;       // in chart order, top to bottom
  bool BreakEvenColumn = false;
  bool Legend = true;
};

// A bar segment from the base payback to one end.
struct tBar {
  tRect Box;
  bool Raised = false;    // the input raised (else lowered)
  bool OffScale = false;  // runs off the end of the scale
};

// A tick of the scale.
struct tTick {
  int32_t X = 0;
  int32_t Months = 0;
};

struct tLayout {
  bool Fits = false;                  // the columns leave room for a scale
  std::vector<tSheetText> Texts;
  std::vector<tBar> Bars;
  int32_t TitleRule = 0;              // y between the title and the heads
  tRect Plot;                         // the bars' area, down to the axis
  int32_t AxisY = 0;
  int32_t TickLength = 0;             // below the axis
  int32_t ScaleMonths = 0;            // months at the right end of the scale
  std::vector<tTick> Ticks;
  std::optional<int32_t> BaseX, TargetX;
  // The legend's samples, in the order of its texts: the lowered and the
  // raised bar, the target and the base line.
  std::vector<tRect> Swatches;
  int32_t Bottom = 0;                 // the last line's bottom
};

// The height of a chart of `rows` rows, legend included when wanted.
int32_t ChartHeight(int rows, bool legend, const tMetrics& metrics);

// Lays the chart out in `box` (its height is ChartHeight at least).
tLayout Layout(const tData& data, const tRect& box, const tMetrics& metrics);

// The scale: the fewest months per tick (1, 2, 3, 6, 12, 24, 60, 120,
// 240, 600) that keep ticks `minDistance` apart on `width`, and its end, the
// first tick beyond `months`.
struct tScale {
  int32_t MonthsPerTick = 1;
  int32_t End = 1;
};
tScale ChooseScale(extended months, int32_t width, int32_t minDistance);

// x of a payback on the scale [left, right] for `end` months: endless and
// beyond the scale give `right`, NaN gives nothing.
std::optional<int32_t> ScaleX(extended months, int32_t left, int32_t right, int32_t end);

}  // namespace tornado
