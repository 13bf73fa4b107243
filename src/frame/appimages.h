// The program's pictures, drawn as vector graphics and rendered on demand:
//
//   "MORLAKLOGO"        154 x 154  maker's logo (page frame, about box)
//   "MORLAKSPLASHLOGO"  250 x 250  start-up picture
//   "BTNYESTOALL"        16 x 16   glyph of the button "Alle ja"
//   "BTNNOTOALL"         16 x 16   glyph of the button "Alle nein"
//   "TBPRINTER"          16 x 16   tool bar: printer setup
//   "TBCALC"             16 x 16   tool bar: payback calculation
//   "TBUSERDATA"         16 x 16   tool bar: company data
//   "TBHELP"             16 x 16   tool bar: help
//   "TBINFO"             16 x 16   tool bar: info
//   "TAVI"               64 x 64   the program's icon (square, also for the
//                                  desktop entry)
//
// Unknown names give a null image, an empty size and an empty path.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

// The picture at its natural size (premultiplied ARGB; the logos are opaque).
QImage AppImage(const QString& name);
// The picture drawn into size (for printing at the printer's resolution).
QImage AppImage(const QString& name, const QSize& size);
QSize AppImageSize(const QString& name);
// Resource path of the vector source (":/images/NAME.svg"), for drawing it
// with QSvgRenderer straight onto a page.
QString AppImagePath(const QString& name);
// An icon that stays sharp at 16, 24, 32 and 48 pixels.
QIcon AppIcon(const QString& name);
// The program's own icon ("TAVI", data/images/tavi.svg), from 16 to 256
// pixels, for every window (QApplication::setWindowIcon).
QIcon ProgramIcon();
