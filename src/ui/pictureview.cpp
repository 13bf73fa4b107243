#include "pictureview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <exception>

#include "edevexception.h"
#include "picture.h"

tPictureView::tPictureView(tPicture* picture, double unitsPerPixel, QWidget* parent)
    : QWidget(parent), fPicture(picture), fUnitsPerPixel(unitsPerPixel) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void tPictureView::Refresh() {
  fDirty = true;
  update();
}

void tPictureView::SetNeededHeight(int32_t height, double minimumPart) {
  fNeededHeight = std::max<int32_t>(0, height);
  setMinimumHeight(static_cast<int>(std::ceil(fNeededHeight / fUnitsPerPixel * minimumPart)));
  setSizePolicy(QSizePolicy::Preferred, fNeededHeight > 0 ? QSizePolicy::Maximum : QSizePolicy::Preferred);
  updateGeometry();
  Refresh();
}

QSize tPictureView::sizeHint() const {
  if (fNeededHeight <= 0) return QWidget::sizeHint();
  return {minimumWidth(), static_cast<int>(std::ceil(fNeededHeight / fUnitsPerPixel))};
}

double tPictureView::UnitsPerPixel() const {
  if (fNeededHeight <= 0 || height() <= 0) return fUnitsPerPixel * fShrink;
  return std::max(fUnitsPerPixel, static_cast<double>(fNeededHeight) / height()) * fShrink;
}

int32_t tPictureView::SheetWidth() const { return static_cast<int32_t>(std::lround(width() * UnitsPerPixel())); }
int32_t tPictureView::SheetHeight() const { return static_cast<int32_t>(std::lround(height() * UnitsPerPixel())); }

void tPictureView::resizeEvent(QResizeEvent* event) {
  fDirty = true;
  QWidget::resizeEvent(event);
}

void tPictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (fDirty && fPicture && width() > 0 && height() > 0) {
    fDirty = false;
    // A sheet too small for the picture is tried larger (the picture then
    // drawn smaller) a few times before its reason is shown.
    fShrink = 1;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      try {
        fPicture->Record(SheetWidth(), SheetHeight());
        fProblem.clear();
        break;
      } catch (const std::exception& e) {
        fProblem = ExceptionMessage(e);
        fShrink *= kShrinkStep;
      }
    }
  }
  if (fProblem.isEmpty() && fPicture) {
    fPicture->Play(painter, QRectF(rect()));
  } else {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, fProblem);
  }
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
