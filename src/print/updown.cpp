#include "updown.h"

#include <QResizeEvent>
#include <QToolButton>

tUpDown::tUpDown(QWidget* parent) : QWidget(parent), fUp(new QToolButton(this)), fDown(new QToolButton(this)) {
  fUp->setObjectName(QStringLiteral("Up"));
  fDown->setObjectName(QStringLiteral("Down"));
  fUp->setArrowType(Qt::UpArrow);
  fDown->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {fUp, fDown}) {
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(500);
    b->setAutoRepeatInterval(100);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(7, 5));
  }
  connect(fUp, &QToolButton::clicked, this, &tUpDown::Up);
  connect(fDown, &QToolButton::clicked, this, &tUpDown::Down);
}

void tUpDown::Release() {
  fUp->setDown(false);
  fDown->setDown(false);
}

void tUpDown::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int half = height() / 2;
  fUp->setGeometry(0, 0, width(), half);
  fDown->setGeometry(0, half, width(), height() - half);
}
