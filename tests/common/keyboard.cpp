#include "keyboard.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>

#include "modaldriver.h"

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

QString OpenedBy(QWidget* window, QKeyCombination keys) {
  QString opened;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()); menu && menu->activeAction()) {
      const QAction* first = menu->activeAction();
      opened = menu->objectName() + u'/' + (first->menu() ? QString() : first->objectName());
      menu->close();
    } else if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != window) {
      opened = dialog->windowTitle();
      tModalDriver::Dismiss(dialog);
    }
  });
  poll.start();
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : window, keys.key(), keys.keyboardModifiers());
  return opened;
}
