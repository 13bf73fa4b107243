#include "tablelayout.h"

namespace table {

int32_t RowsPerPage(int32_t usableHeight) { return (usableHeight - kBodyTop) / kRowHeight; }

int64_t PageCount(int32_t monthCount, int32_t rowsPerPage) {
  return static_cast<int64_t>(monthCount) / rowsPerPage + 1;
}

int64_t FirstMonthOfPage(int32_t page, int32_t rowsPerPage) {
  return static_cast<int64_t>(rowsPerPage) * (static_cast<int64_t>(page) - 1);
}

int32_t SavingsColumnWidth(int32_t usableWidth) { return (usableWidth - kSavingsLeft) / 3; }

std::array<tColumn, 10> Columns(int32_t usableWidth) {
  std::array<tColumn, 10> columns{};
  columns[0] = {0, kMonthWidth};
  for (int i = 0; i < 6; ++i) {
    const int32_t left = kMonthWidth + i * kCostWidth;
    columns[1 + i] = {left, left + kCostWidth};
  }
  const int32_t d = SavingsColumnWidth(usableWidth);
  columns[7] = {kSavingsLeft, kSavingsLeft + d};
  columns[8] = {kSavingsLeft + d, kSavingsLeft + 2 * d};
  columns[9] = {kSavingsLeft + 2 * d, usableWidth};
  return columns;
}

}  // namespace table
