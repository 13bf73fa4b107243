#include "previewgeometry.h"

#include <algorithm>
#include <cstdint>

#include "printer.h"

tSheetPaper SheetPaperOf(const tExtendedPrinter& printer) {
  tSheetPaper p;
  p.PaperWidth = printer.PaperWidth();
  p.PaperHeight = printer.PaperHeight();
  p.StripLeft = printer.OffsetLeft();
  p.StripTop = printer.OffsetTop();
  p.StripRight = printer.OffsetRight();
  p.StripBottom = printer.OffsetBottom();
  p.PrintableWidth = printer.PrintableWidth();
  p.PrintableHeight = printer.PrintableHeight();
  p.MarginLeft = printer.GetLeft();
  p.MarginTop = printer.GetTop();
  p.UseMargins = printer.UseMargins == 1;
  return p;
}

int PreviewPixels(int tenthsOfMm, double dpi, int zoom) {
  // In whole numbers, so that exact values stay exact.
  const auto wholeDpi = static_cast<int64_t>(dpi);
  return static_cast<int>(static_cast<int64_t>(tenthsOfMm) * wholeDpi * zoom / 25400);
}

QSize SheetBoxSize(int paperWidth, int paperHeight, double dpi, int zoom) {
  return QSize(PreviewPixels(paperWidth, dpi, zoom) + kSheetShadow, PreviewPixels(paperHeight, dpi, zoom) + kSheetShadow);
}

QRect PreviewPageRect(const tSheetPaper& paper, double dpi, int zoom) {
  const int x = paper.UseMargins ? paper.MarginLeft : paper.StripLeft;
  const int y = paper.UseMargins ? paper.MarginTop : paper.StripTop;
  const int width = paper.PrintableWidth / 10 * 10;
  const int height = paper.PrintableHeight / 10 * 10;
  const int left = PreviewPixels(x, dpi, zoom), top = PreviewPixels(y, dpi, zoom);
  return QRect(left, top, PreviewPixels(x + width, dpi, zoom) - left, PreviewPixels(y + height, dpi, zoom) - top);
}

QRect PreviewPrintableRect(const tSheetPaper& paper, double dpi, int zoom) {
  const int left = PreviewPixels(paper.StripLeft, dpi, zoom);
  const int top = PreviewPixels(paper.StripTop, dpi, zoom);
  const int right = PreviewPixels(paper.PaperWidth - paper.StripRight, dpi, zoom);
  const int bottom = PreviewPixels(paper.PaperHeight - paper.StripBottom, dpi, zoom);
  return QRect(left, top, right - left, bottom - top);
}

QPoint SheetPosition(QSize box, QSize view, QPoint scroll) {
  const int left = box.width() < view.width() ? (view.width() - box.width()) / 2 : 5 - scroll.x();
  const int top = box.height() < view.height() ? (view.height() - box.height()) / 2 : 5 - scroll.y();
  return QPoint(left, top);
}

QSize FirstPreviewSize(const QRect& area, const QMargins& frame, QSize design) {
  const int roomW = area.width() - frame.left() - frame.right();
  const int roomH = area.height() - frame.top() - frame.bottom();
  const int w = std::max(design.width(), area.width() * 4 / 5 - frame.left() - frame.right());
  const int h = std::max(design.height(), area.height() * 9 / 10 - frame.top() - frame.bottom());
  return QSize(std::max(1, std::min(w, roomW)), std::max(1, std::min(h, roomH)));
}
