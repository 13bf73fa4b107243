#include "appimages.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// The resources live in this static library; referencing their
// initialiser keeps the linker from dropping them.
static void InitImageResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(appimages);
    return true;
  }();
  (void)done;
}

namespace {

struct Known {
  const char* name;
  int width;
  int height;
};

constexpr Known kImages[] = {
    {"MORLAKLOGO", 154, 154}, {"MORLAKSPLASHLOGO", 250, 250}, {"BTNYESTOALL", 16, 16},
    {"BTNNOTOALL", 16, 16},   {"TBPRINTER", 16, 16},          {"TBCALC", 16, 16},
    {"TBUSERDATA", 16, 16},   {"TBHELP", 16, 16},             {"TBINFO", 16, 16},
    {"TAVI", 64, 64},
};

const Known* Find(const QString& name) {
  for (const Known& k : kImages)
    if (name == QLatin1String(k.name)) return &k;
  return nullptr;
}

}  // namespace

QString AppImagePath(const QString& name) {
  if (!Find(name)) return QString();
  InitImageResources();
  return QStringLiteral(":/images/%1.svg").arg(name);
}

QSize AppImageSize(const QString& name) {
  const Known* k = Find(name);
  return k ? QSize(k->width, k->height) : QSize();
}

QImage AppImage(const QString& name, const QSize& size) {
  const QString path = AppImagePath(name);
  if (path.isEmpty() || size.isEmpty()) return QImage();
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return QImage();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

QImage AppImage(const QString& name) { return AppImage(name, AppImageSize(name)); }

QIcon ProgramIcon() {
  QIcon icon = AppIcon(QStringLiteral("TAVI"));
  for (int side : {64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(AppImage(QStringLiteral("TAVI"), QSize(side, side))));
  return icon;
}

QIcon AppIcon(const QString& name) {
  QIcon icon;
  if (!Find(name)) return icon;
  for (int side : {16, 24, 32, 48}) {
    const QImage image = AppImage(name, QSize(side, side));
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}
