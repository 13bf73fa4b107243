// The tornado chart of one comparison of the sensitivity, drawn through
// the page recorder: the same code draws it on the printout "Ausdruck
// Sensitivität" and, replayed into a widget, on the payback dialog's page
// "Sensitivität". What it draws is laid out first (tornadolayout.h).
//
// Fonts: Arial of the height given (the title bold). Colours: a payback within
// the target green, beyond it red; the bars of a lowered input light blue,
// of a raised one dark blue; the target a dashed red line, the base
// payback a black one, the ticks' grid dotted grey.
//
// Units: page units of 0.1 mm on the recorder's open page. Errors: those
// of the recorder (no open page) pass through.
#pragma once

#include "recorder.h"
#include "sensitivity.h"
#include "tornadolayout.h"

namespace tornado {

// The font the page "Sensitivität" uses.
constexpr int kScreenFontHeight = -28;  // 2.8 mm

// The chart's data from the sensitivity (rows in the tornado order).
tData ChartData(const tSensitivityCalc& sensitivity, tComparison c, bool breakEvenColumn, bool legend);

// Draws a laid-out chart with texts in Arial of `fontHeight`.
void Paint(tMetaFileRecorder& recorder, const tLayout& layout, int fontHeight);

// Lays the chart out in `box` with the recorder's fonts (sheettext.h)
// and draws it; answers the layout.
tLayout Draw(tMetaFileRecorder& recorder, const tData& data, const tRect& box, int fontHeight, int32_t extraPitch);

}  // namespace tornado
