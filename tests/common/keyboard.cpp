#include "keyboard.h"

#include <QApplication>
#include <QWidget>
#include <QtTest/QTest>

namespace {

QString NameOf(const QWidget* widget) {
  if (!widget) return QStringLiteral("(none)");
  return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                        : widget->objectName();
}

}  // namespace

QStringList TabChain(QWidget* start, bool backwards, int limit) {
  QStringList names;
  start->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  names << NameOf(QApplication::focusWidget());
  for (int step = 0; step < limit; ++step) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) break;
    QTest::keyClick(focus, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::processEvents();
    QWidget* now = QApplication::focusWidget();
    if (now == start) return names;
    names << NameOf(now);
  }
  names << QStringLiteral("...");
  return names;
}
