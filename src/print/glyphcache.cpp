#include "glyphcache.h"

#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QTransform>
#include <cmath>
#include <unordered_map>

#include "recorder.h"

namespace {

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

}  // namespace

bool UseGlyphBitmaps(const QPainter& painter, const tFont& font, double scale) {
  const QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return false;
  if (font.Orientation != 0 || painter.worldTransform().isRotating()) return false;
  const double pixels = std::abs(font.Height) * scale * std::sqrt(std::abs(painter.worldTransform().determinant()));
  return pixels > 60;
}

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
