#include "onscreen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QMargins MarginsOf(const QWidget* w) {
  const QRect frame = w->frameGeometry();
  const QRect client = w->geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

}  // namespace

QMargins FrameMargins(const QWidget* window) {
  if (window && window->isVisible()) {
    const QMargins own = MarginsOf(window);
    if (!own.isNull()) return own;
  }
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == window || !other->isVisible() || other->windowType() == Qt::Popup ||
        other->windowType() == Qt::ToolTip || other->windowType() == Qt::SplashScreen)
      continue;
    const QMargins margins = MarginsOf(other);
    if (!margins.isNull()) return margins;
  }
  return QMargins();
}

QRect AvailableArea(const QWidget* window) {
  const QScreen* screen = window && window->isVisible() ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect KeepWithin(const QRect& client, const QMargins& frame, const QRect& area) {
  const QRect outer = client.marginsAdded(frame);
  int left = outer.left();
  int top = outer.top();
  left = std::min(left, area.right() + 1 - outer.width());
  top = std::min(top, area.bottom() + 1 - outer.height());
  left = std::max(left, area.left());
  top = std::max(top, area.top());
  return QRect(QPoint(left + frame.left(), top + frame.top()), client.size());
}

QRect CentredOnScreen(const QWidget* window, const QSize& clientSize) {
  const QRect area = AvailableArea(window);
  const QMargins frame = FrameMargins(window);
  const QRect outer = QRect(QPoint(0, 0), clientSize).marginsAdded(frame);
  const QPoint centred(area.x() + (area.width() - outer.width()) / 2 + frame.left(),
                       area.y() + (area.height() - outer.height()) / 2 + frame.top());
  return KeepWithin(QRect(centred, clientSize), frame, area);
}

void KeepOnScreen(QWidget* window) {
  if (!window) return;
  const QRect client = window->geometry();
  const QRect kept = KeepWithin(client, FrameMargins(window), AvailableArea(window));
  if (kept.topLeft() != client.topLeft()) window->setGeometry(kept);
}

QSize FitOnScreen(const QWidget* window, const QSize& wanted) {
  const QMargins frame = FrameMargins(window);
  const QRect area = AvailableArea(window);
  return QSize(std::min(wanted.width(), area.width() - frame.left() - frame.right()),
               std::min(wanted.height(), area.height() - frame.top() - frame.bottom()));
}
