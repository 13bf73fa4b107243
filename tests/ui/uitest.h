// Shared set-up of the window tests.
#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>
#include <stdexcept>
#include <string>

#include "tempdir.h"
#include "testenv.h"

// A program directory with the language file and the help, as installed.
inline bool PrepareProgramDir(const tTempDir& dir) { return CopyLanguageFile(dir) && CopyHelp(dir); }

// The control of that name; throws when there is none, so that a test
// fails instead of crashing.
template <class T>
T* Ctl(const QWidget* window, const QString& name) {
  T* control = window->findChild<T*>(name);
  if (!control) throw std::runtime_error("no control " + name.toStdString());
  return control;
}

// Shows a window and waits until it has the focus.
inline bool ShowActive(QWidget* window) {
  window->show();
  QApplication::setActiveWindow(window);
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Processes events until condition holds or timeoutMs passed.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000) {
  return QTest::qWaitFor(condition, timeoutMs);
}

// Types text key by key, also characters that QTest::keyClicks cannot
// (beyond ASCII).
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.unicode()), QString(c), Qt::NoModifier);
}
