// The arithmetic of the preview's sheet, apart from the window: how long a
// length on paper is on the screen, how big the sheet is, where the page is
// played back on it and where the sheet stands in its scroll box.
//
// Lengths on paper are in 0.1 mm, on the screen in preview pixels at the
// screen's logical dpi and the zoom in percent.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class tExtendedPrinter;

// The width of the sheet's shadow at the right and at the bottom, pixels.
constexpr int kSheetShadow = 5;

// What the sheet needs to know of the printer, in 0.1 mm.
struct tSheetPaper {
  int PaperWidth = 0, PaperHeight = 0;
  // Unprintable strips at each side.
  int StripLeft = 0, StripTop = 0, StripRight = 0, StripBottom = 0;
  int PrintableWidth = 0, PrintableHeight = 0;
  // The left and top margins from the paper edge.
  int MarginLeft = 0, MarginTop = 0;
  // Pages are placed at the margins (else at the printable area).
  bool UseMargins = true;
};
tSheetPaper SheetPaperOf(const tExtendedPrinter& printer);

// Trunc(v / 254 × dpi × zoom / 100), exact for whole dpi values.
int PreviewPixels(int tenthsOfMm, double dpi, int zoom);

// The paint box of the sheet: the paper plus the shadow.
QSize SheetBoxSize(int paperWidth, int paperHeight, double dpi, int zoom);

// Where the page is played back, in paint box coordinates: at the margins
// or at the printable area, at the size the page is recorded with (the
// printable area in whole millimetres), so that the preview shows the page
// where the printer puts it.
QRect PreviewPageRect(const tSheetPaper& paper, double dpi, int zoom);
// The printable area of the paper, in paint box coordinates.
QRect PreviewPrintableRect(const tSheetPaper& paper, double dpi, int zoom);

// The client size of a preview that has no stored place yet: most of the
// screen's available area (four fifths of its width, nine tenths of its
// height, frame included), not below the design size unless the area
// itself is smaller.
QSize FirstPreviewSize(const QRect& area, const QMargins& frame, QSize design);

// The sheet's position in a viewport of `view` pixels: centred along an axis
// where it is smaller than the viewport, else 5 pixels in and moved by the
// scroll bar's value.
QPoint SheetPosition(QSize box, QSize view, QPoint scroll);
