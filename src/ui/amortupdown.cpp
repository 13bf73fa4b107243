#include "amortupdown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <climits>

tAmortUpDown::tAmortUpDown(QWidget* parent) : QWidget(parent) {
  fUp = new QToolButton(this);
  fUp->setObjectName(QStringLiteral("BtnUp"));
  fDown = new QToolButton(this);
  fDown->setObjectName(QStringLiteral("BtnDown"));
  for (QToolButton* b : {fUp, fDown}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setAutoRaise(false);
  }
  fUp->setArrowType(Qt::UpArrow);
  fDown->setArrowType(Qt::DownArrow);
  connect(fUp, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(fDown, &QToolButton::clicked, this, [this] { Step(-1); });
  setFocusPolicy(Qt::NoFocus);
}

void tAmortUpDown::SetRange(int minimum, int maximum) {
  fMin = minimum;
  fMax = std::max(minimum, maximum);
  SetPosition(fPosition);
}

void tAmortUpDown::SetPosition(int position) {
  fPosition = std::clamp(position, fMin, fMax);
  ShowPosition();
}

void tAmortUpDown::SetAssociate(QLineEdit* edit) {
  if (fAssociate) fAssociate->removeEventFilter(this);
  fAssociate = edit;
  if (fAssociate) fAssociate->installEventFilter(this);
  ShowPosition();
}

void tAmortUpDown::Step(int direction) {
  if (!isEnabled() || direction == 0) return;
  // Computed in 64 bits: the range may reach the limits of int.
  const long long wanted = static_cast<long long>(fPosition) + (direction > 0 ? 1 : -1);
  const int reported = static_cast<int>(std::clamp<long long>(wanted, INT_MIN, INT_MAX));
  bool allow = true;
  if (fOnChangingEx) fOnChangingEx(reported, direction > 0 ? 1 : -1, allow);
  if (allow) SetPosition(reported);
}

void tAmortUpDown::ShowPosition() {
  if (fAssociate) fAssociate->setText(QString::number(fPosition));
}

QSize tAmortUpDown::sizeHint() const {
  const int height = fAssociate ? fAssociate->sizeHint().height() : 22;
  return QSize(17, height);
}

bool tAmortUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fAssociate && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
      Step(key->key() == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void tAmortUpDown::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int upper = height() / 2;
  fUp->setGeometry(0, 0, width(), upper);
  fDown->setGeometry(0, upper, width(), height() - upper);
}
