#include "clientimage.h"

#include <QDir>

#include "edevexception.h"

void tClientImage::LoadFromFile(const QString& fileName) {
  QImage image;
  if (!image.load(fileName))
    throw EDevException(QStringLiteral("Das Kundenlogo %1 kann nicht gelesen werden.").arg(QDir::toNativeSeparators(fileName)),
                        QStringLiteral("tClientImage.LoadFromFile"));
  fImage = image;
  fFileName = fileName;
}

void tClientImage::Clear() {
  fImage = QImage();
  fFileName.clear();
}
