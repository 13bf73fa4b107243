#include "screenfit.h"

#include <QAbstractScrollArea>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

QStringList FitFaults(const QWidget* window) {
  QStringList faults;
  const QRect frame = window->frameGeometry();
  if (!window->screen()->availableGeometry().contains(frame))
    faults << QStringLiteral("window %1x%2 at %3,%4 beyond the screen")
                  .arg(frame.width()).arg(frame.height()).arg(frame.x()).arg(frame.y());
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisible() || w->isWindow()) continue;
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    auto* area = qobject_cast<const QScrollArea*>(w);
    if (area && area->horizontalScrollBar()->maximum() + area->verticalScrollBar()->maximum() > 0)
      faults << name + QStringLiteral(" scrolls");
    if (!qobject_cast<const QAbstractScrollArea*>(w->parentWidget()->parentWidget()) &&
        !w->parentWidget()->rect().contains(w->geometry()))
      faults << name + QStringLiteral(" beyond its parent");
  }
  return faults;
}
