// Playback of recorded pages onto any painter (printer, PDF, preview).
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "glyphcache.h"
#include "pageunits.h"
#include "recorder.h"

namespace {

Qt::PenStyle ToQt(tPenStyle s) {
  switch (s) {
    case tPenStyle::Solid: return Qt::SolidLine;
    case tPenStyle::Dash: return Qt::DashLine;
    case tPenStyle::Dot: return Qt::DotLine;
    case tPenStyle::DashDot: return Qt::DashDotLine;
    case tPenStyle::DashDotDot: return Qt::DashDotDotLine;
    case tPenStyle::Clear: return Qt::NoPen;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle ToQt(tBrushStyle s) {
  switch (s) {
    case tBrushStyle::Solid: return Qt::SolidPattern;
    case tBrushStyle::Clear: return Qt::NoBrush;
    case tBrushStyle::Horizontal: return Qt::HorPattern;
    case tBrushStyle::Vertical: return Qt::VerPattern;
    case tBrushStyle::FDiagonal: return Qt::FDiagPattern;
    case tBrushStyle::BDiagonal: return Qt::BDiagPattern;
    case tBrushStyle::Cross: return Qt::CrossPattern;
    case tBrushStyle::DiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

// Maps surface coordinates of a page onto the painter's coordinates.
struct Mapping {
  double sx, sy;   // painter units per page unit (sy negative when y points up)
  double ox, oy;
  QPointF Map(const QPoint& p) const { return {ox + p.x() * sx, oy + p.y() * sy}; }
  QRectF MapCorners(int l, int t, int r, int b) const {
    return QRectF(Map(QPoint(l, t)), Map(QPoint(r, b))).normalized();
  }
  double Scale() const { return (std::fabs(sx) + std::fabs(sy)) / 2; }
};

QPen MakePen(const tPen& pen, const Mapping& m) {
  if (pen.Style == tPenStyle::Clear) return QPen(Qt::NoPen);
  QPen p(pen.Color);
  p.setStyle(ToQt(pen.Style));
  p.setWidthF(pen.Width <= 0 ? 0 : pen.Width * m.Scale());
  // Square ends close the corners where two lines meet, as round ones
  // would, and cost a tenth of them on slanted lines.
  p.setCapStyle(Qt::SquareCap);
  p.setJoinStyle(Qt::RoundJoin);
  return p;
}

// The box a command can put ink into, in the painter's coordinates; an
// empty box for a command that may reach anywhere (rotated text).
QRectF InkBox(const tDrawCmd& cmd, const Mapping& m) {
  auto penPad = [&m](const tPen& pen) { return std::max(1.0, pen.Width * m.Scale()) + 1; };
  if (const auto* line = std::get_if<tLineCmd>(&cmd)) {
    const double pad = penPad(line->Pen);
    return QRectF(m.Map(line->From), m.Map(line->To)).normalized().adjusted(-pad, -pad, pad, pad);
  }
  if (const auto* poly = std::get_if<tPolylineCmd>(&cmd)) {
    if (poly->Points.isEmpty()) return QRectF(0, 0, 0, 0);
    const QRect b = poly->Points.boundingRect();
    const double pad = penPad(poly->Pen);
    return m.MapCorners(b.left(), b.top(), b.right(), b.bottom()).adjusted(-pad, -pad, pad, pad);
  }
  if (const auto* rect = std::get_if<tRectCmd>(&cmd)) {
    const tRect& c = rect->Corners;
    const double pad = penPad(rect->Pen);
    return m.MapCorners(c.Left, c.Top, c.Right, c.Bottom).adjusted(-pad, -pad, pad, pad);
  }
  if (const auto* text = std::get_if<tTextCmd>(&cmd)) {
    if (text->Font.Orientation != 0) return QRectF();
    // The advance box of the text with a font height of room on every side
    // (overhanging glyphs, underline).
    const double em = text->Ascent + text->Descent;
    double dx = 0;
    if ((text->Align & TA_CENTER) == TA_CENTER)
      dx = -text->Width / 2;
    else if (text->Align & TA_RIGHT)
      dx = -text->Width;
    double top = 0;  // reference point at the top
    if ((text->Align & TA_BASELINE) == TA_BASELINE)
      top = -text->Ascent;
    else if (text->Align & TA_BOTTOM)
      top = -em;
    const QPointF at = m.Map(text->Ref);
    const double gx = std::fabs(m.sx), gy = std::fabs(m.sy);
    QRectF box(at.x() + (dx - em) * gx, at.y() + (top - em) * gy, (text->Width + 2 * em) * gx, 3 * em * gy);
    if (text->Clipped) box &= m.MapCorners(text->Clip.Left, text->Clip.Top, text->Clip.Right, text->Clip.Bottom);
    return box.isEmpty() ? QRectF(0, 0, 0, 0) : box;
  }
  if (const auto* bmp = std::get_if<tBitmapCmd>(&cmd)) {
    const tRect& t = bmp->Target;
    return m.MapCorners(t.Left, t.Top, t.Right, t.Bottom).adjusted(-1, -1, 1, 1);
  }
  return QRectF();
}

// Whether a command with this ink box can show inside the visible area
// (a null area: everything shows).
bool MayShow(const QRectF& ink, const QRectF& visible) {
  if (visible.isNull() || ink.isNull()) return true;
  return ink.intersects(visible);
}

}  // namespace

void tPage::Play(QPainter& painter, const QRectF& target) const {
  const double upm = UnitsPerMm();
  const double frameW = fFrame.width() / 100.0 * upm;
  const double frameH = fFrame.height() / 100.0 * upm;
  if (frameW <= 0 || frameH <= 0) return;
  Mapping m{target.width() / frameW, target.height() / frameH * (YPointsUp(fMapMode) ? -1 : 1), target.left(),
            target.top()};

  // Under a clip (the preview paints only what the screen needs) commands
  // that lie wholly outside it are skipped.
  const QRectF visible = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
  const bool culling = painter.hasClipping() && !visible.isNull();

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (const tDrawCmd& cmd : fCommands) {
    if (culling && !MayShow(InkBox(cmd, m), visible)) continue;
    if (const auto* line = std::get_if<tLineCmd>(&cmd)) {
      painter.setPen(MakePen(line->Pen, m));
      painter.drawLine(m.Map(line->From), m.Map(line->To));
    } else if (const auto* poly = std::get_if<tPolylineCmd>(&cmd)) {
      painter.setPen(MakePen(poly->Pen, m));
      QPolygonF points;
      for (const QPoint& p : poly->Points) points << m.Map(p);
      painter.drawPolyline(points);
    } else if (const auto* rect = std::get_if<tRectCmd>(&cmd)) {
      const tRect& c = rect->Corners;
      const QRectF r = m.MapCorners(c.Left, c.Top, c.Right, c.Bottom);
      if (rect->Brush.Style != tBrushStyle::Clear) painter.fillRect(r, QBrush(rect->Brush.Color, ToQt(rect->Brush.Style)));
      painter.setPen(MakePen(rect->Pen, m));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(r);
    } else if (const auto* text = std::get_if<tTextCmd>(&cmd)) {
      painter.save();
      if (text->Clipped)
        painter.setClipRect(m.MapCorners(text->Clip.Left, text->Clip.Top, text->Clip.Right, text->Clip.Bottom),
                            Qt::IntersectClip);
      painter.translate(m.Map(text->Ref));
      if (text->Font.Orientation) painter.rotate(-text->Font.Orientation / 10.0);
      // Glyphs at the target size (so the glyph cache serves them), placed
      // at the recorded positions scaled: the text keeps its measured width.
      const double gx = std::fabs(m.sx);
      const double gy = std::fabs(m.sy);
      double dx = 0;
      if ((text->Align & TA_CENTER) == TA_CENTER)
        dx = -text->Width / 2;
      else if (text->Align & TA_RIGHT)
        dx = -text->Width;
      double baseline = text->Ascent;  // top
      if ((text->Align & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
      else if (text->Align & TA_BOTTOM)
        baseline = -text->Descent;
      if (text->Opaque)
        painter.fillRect(QRectF(dx * gx, (baseline - text->Ascent) * gy, text->Width * gx,
                                (text->Ascent + text->Descent) * gy),
                         text->BkColor);
      painter.setPen(text->Font.Color);
      const bool bitmaps = UseGlyphBitmaps(painter, text->Font, gy);
      for (const QGlyphRun& run : text->Runs) {
        QGlyphRun scaled = run;
        scaled.setRawFont(Resized(run.rawFont(), run.rawFont().pixelSize() * gy));
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions) p = QPointF(p.x() * gx, p.y() * gy);
        scaled.setPositions(positions);
        if (bitmaps)
          DrawGlyphBitmaps(painter, QPointF(dx * gx, baseline * gy), scaled, text->Font.Color);
        else
          painter.drawGlyphRun(QPointF(dx * gx, baseline * gy), scaled);
      }
      painter.restore();
    } else if (const auto* bmp = std::get_if<tBitmapCmd>(&cmd)) {
      const tRect& t = bmp->Target;
      painter.drawImage(m.MapCorners(t.Left, t.Top, t.Right, t.Bottom), bmp->Image);
    }
  }
  painter.restore();
}
