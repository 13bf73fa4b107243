// The least usable page (the printable area less the margins) on which
// every report prints at least one row: the month table its column heads
// and month 0 below the page header, the graph a plot with one tick on each
// axis. The program hands it to the printer object, whose setup dialog
// refuses margins that leave less.
//
// Units: 0.1 mm. Measured with the report font (Arial 3.5 mm), so the
// toolkit's fonts must be available (a QGuiApplication exists).
#pragma once

#include <cstdint>

struct tPageNeeds {
  int32_t Width = 0;
  int32_t Height = 0;
};

tPageNeeds LeastPageForReports();
