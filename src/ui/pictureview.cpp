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
  if (fNeededHeight <= 0 || height() <= 0) return fUnitsPerPixel;
  return std::max(fUnitsPerPixel, static_cast<double>(fNeededHeight) / height());
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
    try {
      fPicture->Record(SheetWidth(), SheetHeight());
      fProblem.clear();
    } catch (const std::exception& e) {
      fProblem = ExceptionMessage(e);
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
