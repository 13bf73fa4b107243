// The arithmetic of the month table: rows per page, pages, the months of a
// page and the columns. Page units of 0.1 mm, y downward from the top of the
// usable area (the printable area less the user's margins); W and H are the
// usable width and height.
//
//   y 0..250    page header
//   y 260..305  group heads "1. Manuell", " 2. Zeitstudiensystem", ...
//   y 305..395  column heads, two lines each
//   y 395..     one row of 45 per month, down to H
//
//   x 0..130      month
//   x 130..1180   three groups of 350: cost per month (175), cumulative (175)
//   x 1180..W     three savings columns of d = (W − 1180) div 3, the last
//                 one taking the rest
#pragma once

#include <array>
#include <cstdint>

namespace table {

constexpr int32_t kHeadTop = 260;       // top of the table frame and the group heads
constexpr int32_t kHeadRow2 = 305;      // column heads, first line
constexpr int32_t kHeadRow3 = 350;      // column heads, second line
constexpr int32_t kBodyTop = 395;       // first month row
constexpr int32_t kRowHeight = 45;
constexpr int32_t kMonthWidth = 130;
constexpr int32_t kGroupWidth = 350;
constexpr int32_t kCostWidth = 175;
constexpr int32_t kSavingsLeft = 1180;
constexpr int32_t kIndent = 10;         // text inset from the cell edge
constexpr int32_t kThickPen = 3;        // 0.3 mm
constexpr int32_t kThinPen = 1;         // 0.1 mm

// The most pages a print job's page list holds.
constexpr int32_t kMaxPages = 16380;

// (H − 395) div 45; 0 or less when not even one row fits.
int32_t RowsPerPage(int32_t usableHeight);

// MonthCount div R + 1 (months 0 to MonthCount, R per page). Needs R ≥ 1
// and monthCount ≥ 0; 64 bits, since one row per page and 2^31 − 1 months
// do not fit 32.
int64_t PageCount(int32_t monthCount, int32_t rowsPerPage);

// R × (page − 1), the month of the first row of page `page` (1-based).
int64_t FirstMonthOfPage(int32_t page, int32_t rowsPerPage);

// Width d of the first two savings columns.
int32_t SavingsColumnWidth(int32_t usableWidth);

// Left and right edge of the ten columns: month, the six cost columns, the
// three savings columns.
struct tColumn {
  int32_t Left, Right;
};
std::array<tColumn, 10> Columns(int32_t usableWidth);

// Whether a thin line closes the row whose bottom is at `rowBottom`: only
// while more than one row height remains above the frame's bottom edge.
inline bool RowLineBelow(int32_t usableHeight, int32_t rowBottom) { return usableHeight - rowBottom > kRowHeight; }

}  // namespace table
