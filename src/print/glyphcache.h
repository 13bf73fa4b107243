// Glyphs for raster playback. The raster engine draws glyphs above 64
// pixels as outlines, one by one, which makes a page replayed at printer
// resolution take a tenth of a second; big glyphs on raster surfaces are
// therefore rendered once and kept. Printers and PDF always get real text.
//
// The caches are bounded (fonts: 256 sizes, glyphs: 4000) and are emptied
// when full. Single-threaded, as all printing is.
#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QPainter>
#include <QPointF>
#include <QRawFont>

struct tFont;

// Whether text of this font, played at `scale` painter units per page
// unit, is drawn from rendered glyphs on this painter.
bool UseGlyphBitmaps(const QPainter& painter, const tFont& font, double scale);

// The font at another pixel size (kept: making one costs a font engine).
QRawFont Resized(const QRawFont& font, double pixelSize);

// Draws a glyph run from rendered glyphs, each on whole device pixels,
// with its underline and strike-out.
void DrawGlyphBitmaps(QPainter& painter, const QPointF& origin, const QGlyphRun& run, const QColor& color);
