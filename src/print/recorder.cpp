#include "recorder.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QScreen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "edevexception.h"
#include "printer.h"

namespace {

const char* const kNoPage = "Fehler bei Zeichenoperation. Keine aktuelle Seite vorhanden.";
const char* const kBadCanvas = "Ungültige Zeichenfläche.";
const char* const kPageStarted = "Es wurde bereits eine Seite angefangen.";

bool YPointsUp(int mapMode) { return mapMode >= 2 && mapMode <= 6; }

double UnitsPerMm(int mapMode, double refDpi) {
  switch (mapMode) {
    case 2: return 10.0;
    case 3: return 100.0;
    case 4: return 100.0 / 25.4;
    case 5: return 1000.0 / 25.4;
    case 6: return 1440.0 / 25.4;
    default: return refDpi / 25.4;
  }
}

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

// Big glyphs on raster surfaces: the raster engine draws glyphs above 64
// pixels as outlines, one by one, which makes a page replayed at printer
// resolution take a tenth of a second. We keep rendered glyphs ourselves.
// Printers and PDF always get real text.
bool UseGlyphBitmaps(const QPainter& painter, const tFont& font, double scale) {
  const QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return false;
  if (font.Orientation != 0 || painter.worldTransform().isRotating()) return false;
  const double pixels = std::abs(font.Height) * scale * std::sqrt(std::abs(painter.worldTransform().determinant()));
  return pixels > 60;
}

// A font at another pixel size. Making one costs a font engine, so the
// sizes a page plays back at are kept.
QRawFont Resized(const QRawFont& font, double pixelSize) {
  struct Key {
    QString face;
    int size64;
    bool operator==(const Key&) const = default;
  };
  struct Hash {
    size_t operator()(const Key& k) const { return qHashMulti(0, k.face, k.size64); }
  };
  static std::unordered_map<Key, QRawFont, Hash> cache;
  const Key key{font.familyName() + QLatin1Char('/') + font.styleName() + QLatin1Char('/') +
                    QString::number(font.weight()) + QLatin1Char('/') + QString::number(int(font.style())) +
                    QLatin1Char('/') + QString::number(font.pixelSize()),
                static_cast<int>(std::lround(pixelSize * 64))};
  const auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  if (cache.size() > 256) cache.clear();
  QRawFont resized = font;
  resized.setPixelSize(pixelSize);
  return cache.emplace(key, resized).first->second;
}

// Rendered glyphs by font, size, glyph and colour.
struct GlyphKey {
  QString font;
  int size64;  // pixel size in 1/64 pixel
  quint32 glyph;
  QRgb color;
  bool operator==(const GlyphKey&) const = default;
};
size_t qHash(const GlyphKey& k, size_t seed = 0) {
  return qHashMulti(seed, k.font, k.size64, k.glyph, k.color);
}
struct GlyphBitmap {
  QImage image;
  QPoint offset;  // from the glyph origin on the baseline
};

const GlyphBitmap& RenderedGlyph(const QRawFont& font, quint32 glyph, const QColor& color) {
  static QHash<GlyphKey, GlyphBitmap> cache;
  const GlyphKey key{font.familyName() + QLatin1Char('/') + font.styleName() + QLatin1Char('/') +
                         QString::number(font.weight()) + QLatin1Char('/') + QString::number(int(font.style())),
                     static_cast<int>(std::lround(font.pixelSize() * 64)), glyph, color.rgba()};
  auto it = cache.find(key);
  if (it != cache.end()) return *it;
  if (cache.size() > 4000) cache.clear();
  GlyphBitmap g;
  const QImage alpha = font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing);
  const QRectF box = font.boundingRect(glyph);
  g.offset = QPoint(static_cast<int>(std::floor(box.left())), static_cast<int>(std::floor(box.top())));
  g.image = QImage(alpha.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < alpha.height(); ++y) {
    const uchar* src = alpha.constScanLine(y);
    auto* dst = reinterpret_cast<QRgb*>(g.image.scanLine(y));
    for (int x = 0; x < alpha.width(); ++x) {
      const int a = alpha.format() == QImage::Format_Indexed8 ? qGray(alpha.color(src[x])) : src[x];
      const int alphaValue = a * color.alpha() / 255;
      dst[x] = qPremultiply(qRgba(color.red(), color.green(), color.blue(), alphaValue));
    }
  }
  return *cache.insert(key, std::move(g));
}

void DrawGlyphBitmaps(QPainter& painter, const QPointF& origin, const QGlyphRun& run, const QColor& color) {
  const QRawFont font = run.rawFont();
  const QList<quint32> glyphs = run.glyphIndexes();
  const QList<QPointF> positions = run.positions();
  // Place glyphs in device pixels, so that each lands on whole pixels.
  const QTransform t = painter.worldTransform();
  painter.save();
  painter.resetTransform();
  for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
    const GlyphBitmap& g = RenderedGlyph(font, glyphs[i], color);
    if (g.image.isNull()) continue;
    const QPointF at = t.map(origin + positions[i]);
    painter.drawImage(QPoint(static_cast<int>(std::lround(at.x())) + g.offset.x(),
                             static_cast<int>(std::lround(at.y())) + g.offset.y()),
                      g.image);
  }
  painter.restore();
  if ((run.underline() || run.strikeOut()) && !glyphs.isEmpty()) {
    const double left = positions.first().x();
    const double right = positions.last().x() + font.advancesForGlyphIndexes(QList<quint32>{glyphs.last()}).value(0).x();
    const double thickness = std::max(1.0, font.lineThickness());
    auto bar = [&](double y) { painter.fillRect(QRectF(origin.x() + left, origin.y() + y, right - left, thickness), color); };
    if (run.underline()) bar(font.underlinePosition());
    if (run.strikeOut()) bar(-font.ascent() / 3);
  }
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

// ------------------------------------------------------------------- tPage

tPage::tPage(tMetaFileRecorder* recorder, int32_t number) : fRecorder(recorder), fNumber(number) {
  if (!recorder) throw EDevException("Ungültiger Rekorder.", "tPage.Create");
  if (number < 0) throw EDevException::Fmt("Seitennummer %D ist ungültig.", number, "tPage.Create");
}

double tPage::UnitsPerMm() const { return ::UnitsPerMm(fMapMode, fRefDpi); }

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

// ------------------------------------------------------------ the recorder

tMetaFileRecorder::tMetaFileRecorder() = default;
tMetaFileRecorder::~tMetaFileRecorder() = default;

tPage* tMetaFileRecorder::FindPage(int32_t number) const {
  const auto it = std::lower_bound(fPages.begin(), fPages.end(), number,
                                   [](const std::unique_ptr<tPage>& p, int32_t n) { return p->Number() < n; });
  return (it != fPages.end() && (*it)->Number() == number) ? it->get() : nullptr;
}

std::vector<int32_t> tMetaFileRecorder::HeldPages() const {
  std::vector<int32_t> numbers;
  for (const auto& p : fPages) numbers.push_back(p->Number());
  return numbers;
}

tPage* tMetaFileRecorder::AddPage(int32_t number) {
  auto page = std::make_unique<tPage>(this, number);  // may raise: nothing changed yet
  if (static_cast<int32_t>(fPages.size()) >= MaxPages && !fPages.empty()) {
    if (fActive == fPages.front().get()) fActive = nullptr;
    fPages.erase(fPages.begin());
  }
  const auto it = std::lower_bound(fPages.begin(), fPages.end(), number,
                                   [](const std::unique_ptr<tPage>& p, int32_t n) { return p->Number() < n; });
  return fPages.insert(it, std::move(page))->get();
}

// The test page survives, and stays active if it was: measuring goes on.
void tMetaFileRecorder::Clear() {
  if (fActive != fTestPage.get()) fActive = nullptr;
  fPages.clear();
}

void tMetaFileRecorder::BeginRecording(tPage& page) {
  page.fCommands.clear();
  page.fCanvas = tPage::Canvas();
  page.fMapMode = MapMode;
  double dpi = 96;
  QSizeF mm;  // printable size of the reference device in millimetres
  if (SizeMode == 2 && Printer) {
    dpi = Printer->PixelsPerInchX();
    mm = QSizeF(Printer->PrintableWidth() / 10.0, Printer->PrintableHeight() / 10.0);
  } else {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
      dpi = screen->logicalDotsPerInchX();
      mm = QSizeF(screen->geometry().width() * 25.4 / dpi, screen->geometry().height() * 25.4 / dpi);
    } else {
      mm = QSizeF(210, 297);
    }
  }
  if (dpi <= 0) dpi = 96;
  page.fRefDpi = dpi;
  if (SizeMode == 0)
    page.fFrame = QSize(static_cast<int>(std::lround(Width * 2540.0 / dpi)), static_cast<int>(std::lround(Height * 2540.0 / dpi)));
  else if (SizeMode == 1)
    page.fFrame = QSize(Width, Height);
  else  // whole millimetres, as 0.01 mm
    page.fFrame = QSize(static_cast<int>(std::floor(mm.width())) * 100, static_cast<int>(std::floor(mm.height())) * 100);
  page.fRecording = true;
}

void tMetaFileRecorder::EndRecording(tPage& page) { page.fRecording = false; }

void tMetaFileRecorder::StartPage(int32_t number) {
  if (fActive && fActive != fTestPage.get())
    throw EDevException(kPageStarted, "tMetaFileRecorder.StartPage");
  tPage* page = FindPage(number);
  if (!page) page = AddPage(number);
  if (!page) throw EDevException::Fmt("Seite %D kann nicht aufgezeichnet werden.", number, "tMetaFileRecorder.StartPage");
  fActive = page;
  BeginRecording(*page);
  if (OnStartPage) OnStartPage(number);
}

void tMetaFileRecorder::EndPage() {
  if (!fActive || fActive == fTestPage.get()) throw EDevException("Keine Seite angefangen.", "tMetaFileRecorder.EndPage");
  tPage* page = fActive;
  EndRecording(*page);
  fActive = nullptr;
  if (OnEndPage) OnEndPage(page->Number());
}

void tMetaFileRecorder::StartTestPage() {
  if (fActive && fActive != fTestPage.get())
    throw EDevException(kPageStarted, "tMetaFileRecorder.StartTestPage");
  ++fTestPageCount;
  if (!fTestPage) {
    fTestPage = std::make_unique<tPage>(this, 0);
    fActive = fTestPage.get();
    BeginRecording(*fTestPage);
  }
}

void tMetaFileRecorder::EndTestPage() {
  if (!fTestPage) return;
  --fTestPageCount;
  if (fTestPageCount > 0) return;
  if (fActive == fTestPage.get()) fActive = nullptr;
  EndRecording(*fTestPage);
  fTestPage.reset();
}

tPage& tMetaFileRecorder::CheckActivePage() {
  if (!fActive) throw EDevException(kNoPage, "tMetaFileRecorder.CheckActivePage");
  if (!fActive->fRecording) throw EDevException(kBadCanvas, "tPage.GetCanvas.");
  return *fActive;
}

tPage& tMetaFileRecorder::PageToDraw(int32_t number, const char* location) {
  tPage* page = FindPage(number);
  if (!page && OnNeedPage) {
    OnNeedPage(number);
    page = FindPage(number);
  }
  if (!page) throw EDevException::Fmt("Seite %D wurde nicht aufgezeichnet.", number, location);
  return *page;
}

void tMetaFileRecorder::DrawPage(QPainter* canvas, int32_t number, int x, int y) {
  if (!canvas) throw EDevException(kBadCanvas, "tMetaFileRecorder.DrawPage");
  const tPage& page = PageToDraw(number, "tMetaFileRecorder.DrawPage");
  const QPaintDevice* device = canvas->device();
  const double dpiX = device ? device->logicalDpiX() : page.fRefDpi;
  const double dpiY = device ? device->logicalDpiY() : page.fRefDpi;
  page.Play(*canvas, QRectF(x, y, page.fFrame.width() / 2540.0 * dpiX, page.fFrame.height() / 2540.0 * dpiY));
}

void tMetaFileRecorder::StretchDrawPage(QPainter* canvas, int32_t number, const QRectF& rect) {
  if (!canvas) throw EDevException(kBadCanvas, "tMetaFileRecorder.StretchDrawPage");
  const tPage& page = PageToDraw(number, "tMetaFileRecorder.StretchDrawPage");
  page.Play(*canvas, rect);
}

// ----------------------------------------------------------- drawing state

tPen& tMetaFileRecorder::Pen() { return State().Pen; }
tBrush& tMetaFileRecorder::Brush() { return State().Brush; }
tFont& tMetaFileRecorder::Font() { return State().Font; }

void tMetaFileRecorder::SetBkColor(const QColor& color) {
  tPage::Canvas& c = State();
  c.BkColor = color;
  c.BkColorSet = true;
  c.BrushColorAtBk = c.Brush.Color;
}

uint16_t tMetaFileRecorder::GetTextAlign() { return State().TextAlign; }
void tMetaFileRecorder::SetTextAlign(uint16_t flags) { State().TextAlign = flags; }

int tMetaFileRecorder::TransformY(int y) const {
  return (fActive && YPointsUp(fActive->fMapMode)) ? -y : y;
}

// -------------------------------------------------------- drawing operations

void tMetaFileRecorder::MoveTo(int x, int y) {
  State().Pos = QPoint(x, TransformY(y));
}

void tMetaFileRecorder::LineTo(int x, int y) {
  tPage& page = CheckActivePage();
  const QPoint to(x, TransformY(y));
  page.fCommands.push_back(tLineCmd{page.fCanvas.Pos, to, page.fCanvas.Pen});
  page.fCanvas.Pos = to;
}

void tMetaFileRecorder::Polyline(const QPolygon& points) {
  tPage& page = CheckActivePage();
  QPolygon transformed;
  for (const QPoint& p : points) transformed << QPoint(p.x(), TransformY(p.y()));
  page.fCommands.push_back(tPolylineCmd{transformed, page.fCanvas.Pen});
}

void tMetaFileRecorder::Rectangle(int x1, int y1, int x2, int y2) {
  tPage& page = CheckActivePage();
  page.fCommands.push_back(tRectCmd{tRect{x1, TransformY(y1), x2, TransformY(y2)}, page.fCanvas.Pen, page.fCanvas.Brush});
}

QFont tMetaFileRecorder::ToQFont(const tFont& font) {
  QFont f(font.Name);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferQuality));
  f.setKerning(false);
  f.setBold(font.Style & fsBold);
  f.setItalic(font.Style & fsItalic);
  f.setUnderline(font.Style & fsUnderline);
  f.setStrikeOut(font.Style & fsStrikeOut);
  int pixels = 35;
  if (font.Height < 0) {
    pixels = -font.Height;
  } else if (font.Height > 0) {
    // A positive height is the cell height (ascent + descent).
    QFont probe = f;
    probe.setPixelSize(1000);
    const QFontMetricsF fm(probe);
    const double cell = fm.ascent() + fm.descent();
    pixels = cell > 0 ? static_cast<int>(std::lround(font.Height * 1000.0 / cell)) : font.Height;
  }
  f.setPixelSize(std::max(1, pixels));
  return f;
}

namespace {

// Laid-out texts by text, font and tab stops. A table page writes the same
// figures and column heads over and over, and shaping each one again was
// most of what recording a page cost. Bounded; emptied when the
// application object goes (the glyph runs hold its fonts). The recorder is
// used from the GUI thread only.
struct tLayoutKey {
  QString Text, Face;
  int Height, Style, Orientation;
  double TabStop;
  bool operator==(const tLayoutKey&) const = default;
};
struct tLayoutKeyHash {
  size_t operator()(const tLayoutKey& k) const {
    return qHashMulti(0, k.Text, k.Face, k.Height, k.Style, k.Orientation, k.TabStop);
  }
};
struct tLayout {
  QList<QGlyphRun> Runs;
  double Width, Ascent, Descent;
};
constexpr size_t kMaxLayouts = 4096;

std::unordered_map<tLayoutKey, tLayout, tLayoutKeyHash>& Layouts() {
  static std::unordered_map<tLayoutKey, tLayout, tLayoutKeyHash> layouts;
  static const bool cleared = [] {
    qAddPostRoutine([] { Layouts().clear(); });
    return true;
  }();
  (void)cleared;
  return layouts;
}

}  // namespace

void tMetaFileRecorder::LayoutText(tTextCmd& cmd, double tabStop) {
  auto& layouts = Layouts();
  const tLayoutKey key{cmd.Text, cmd.Font.Name, cmd.Font.Height, cmd.Font.Style, cmd.Font.Orientation, tabStop};
  if (const auto it = layouts.find(key); it != layouts.end()) {
    cmd.Runs = it->second.Runs;
    cmd.Width = it->second.Width;
    cmd.Ascent = it->second.Ascent;
    cmd.Descent = it->second.Descent;
    return;
  }
  const QFont font = ToQFont(cmd.Font);
  QTextLayout layout(cmd.Text, font);
  layout.setCacheEnabled(false);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  if (tabStop > 0) option.setTabStopDistance(tabStop);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) {
    line.setLineWidth(1e7);
    line.setPosition(QPointF(0, 0));
  }
  layout.endLayout();
  const QFontMetricsF fm(font);
  cmd.Ascent = fm.ascent();
  cmd.Descent = fm.descent();
  cmd.Width = line.isValid() ? line.horizontalAdvance() : 0;
  cmd.Runs = layout.glyphRuns();
  // Glyph positions relative to the start of the baseline.
  const double lineAscent = line.isValid() ? line.ascent() : cmd.Ascent;
  for (QGlyphRun& run : cmd.Runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p.ry() -= lineAscent;
    run.setPositions(positions);
  }
  if (layouts.size() >= kMaxLayouts) layouts.clear();
  layouts.emplace(key, tLayout{cmd.Runs, cmd.Width, cmd.Ascent, cmd.Descent});
}

void tMetaFileRecorder::AddText(int x, int y, const QString& text, const tRect* clip, uint16_t align, double tabStop) {
  tPage& page = CheckActivePage();
  const tPage::Canvas& c = page.fCanvas;
  tTextCmd cmd;
  cmd.Ref = QPoint(x, TransformY(y));
  cmd.Text = text;
  cmd.Font = c.Font;
  cmd.Align = align;
  if (clip) {
    cmd.Clipped = true;
    cmd.Clip = tRect{clip->Left, TransformY(clip->Top), clip->Right, TransformY(clip->Bottom)};
  }
  cmd.Opaque = c.Brush.Style == tBrushStyle::Solid;
  cmd.BkColor = (c.BkColorSet && c.BrushColorAtBk == c.Brush.Color) ? c.BkColor : c.Brush.Color;
  LayoutText(cmd, tabStop);
  page.fCommands.push_back(std::move(cmd));
}

void tMetaFileRecorder::TextOut(int x, int y, const QString& text) { AddText(x, y, text, nullptr, State().TextAlign); }

void tMetaFileRecorder::TextRect(const tRect& clip, int x, int y, const QString& text) {
  AddText(x, y, text, &clip, State().TextAlign);
}

int32_t tMetaFileRecorder::TextWidth(const QString& text) {
  tTextCmd cmd;
  cmd.Text = text;
  cmd.Font = State().Font;
  LayoutText(cmd);
  return static_cast<int32_t>(std::lround(cmd.Width));
}

int32_t tMetaFileRecorder::TextHeight(const QString& text) {
  const QFontMetricsF fm(ToQFont(State().Font));
  (void)text;
  return static_cast<int32_t>(std::lround(fm.ascent() + fm.descent()));
}

int tMetaFileRecorder::DrawText(const QString& text, const tRect& rect, uint32_t format) {
  tPage& page = CheckActivePage();
  const QFont font = ToQFont(page.fCanvas.Font);
  const QFontMetricsF fm(font);
  const double tabStop = (format & DT_EXPANDTABS) ? 8 * fm.averageCharWidth() : 0;
  auto width = [&](const QString& s) {
    tTextCmd probe;
    probe.Text = s;
    probe.Font = page.fCanvas.Font;
    LayoutText(probe, tabStop);
    return probe.Width;
  };
  // Break the text into lines: at line breaks (unless single-line) and, with
  // word breaks, before a word that would cross the right edge.
  QStringList lines;
  QString normalized = text;
  normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  const QStringList paragraphs =
      (format & DT_SINGLELINE) ? QStringList{QString(normalized).replace(QLatin1Char('\n'), QLatin1Char(' '))}
                               : normalized.split(QLatin1Char('\n'));
  const double maxWidth = std::abs(rect.Width());
  for (const QString& paragraph : paragraphs) {
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
      lines << paragraph;
      continue;
    }
    QString current;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
      if (!current.isEmpty() && width(candidate) > maxWidth) {
        lines << current;
        current = word;
      } else {
        current = candidate;
      }
    }
    lines << current;
  }
  const int lineHeight = static_cast<int>(std::lround(fm.ascent() + fm.descent()));
  int y = rect.Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_BOTTOM)
      y = rect.Bottom - lineHeight;
    else if (format & DT_VCENTER)
      y = rect.Top + (rect.Height() - lineHeight) / 2;
  }
  uint16_t align = TA_TOP | TA_LEFT;
  int x = rect.Left;
  if (format & DT_CENTER) {
    align = TA_TOP | TA_CENTER;
    x = rect.Left + rect.Width() / 2;
  } else if (format & DT_RIGHT) {
    align = TA_TOP | TA_RIGHT;
    x = rect.Right;
  }
  for (const QString& line : lines) {
    AddText(x, y, line, (format & DT_NOCLIP) ? nullptr : &rect, align, tabStop);
    y += lineHeight;
  }
  return static_cast<int>(text.size());
}

void tMetaFileRecorder::DrawBitmap(const QImage& bitmap, bool keepAspect, int x, int y, int width, int height) {
  tPage& page = CheckActivePage();
  if (bitmap.isNull()) return;
  const int bw = bitmap.width();
  const int bh = bitmap.height();
  if (width < 1 || height < 1) {
    width = bw;
    height = bh;
  }
  if (keepAspect && bw > 0 && bh > 0) {
    if (static_cast<double>(height) / bh >= static_cast<double>(width) / bw) {
      const int newHeight = static_cast<int>(static_cast<int64_t>(bh) * width / bw);
      y += (height - newHeight) / 2;
      height = newHeight;
    } else {
      const int newWidth = static_cast<int>(static_cast<int64_t>(bw) * height / bh);
      x += (width - newWidth) / 2;
      width = newWidth;
    }
  }
  const int ty = TransformY(y);
  const int th = YPointsUp(page.fMapMode) ? -height : height;
  page.fCommands.push_back(tBitmapCmd{bitmap.convertToFormat(QImage::Format_RGB888), tRect{x, ty, x + width, ty + th}});
}

void tMetaFileRecorder::DrawBitmapRect(const QImage& bitmap, bool keepAspect, const tRect& rect) {
  DrawBitmap(bitmap, keepAspect, rect.Left, rect.Top, std::abs(rect.Right - rect.Left), std::abs(rect.Bottom - rect.Top));
}
