#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QtTest/QTest>

namespace {
// Polls a handler may leave its window open before the driver closes it.
constexpr int kMaxPollsOpen = 2000;
}  // namespace

tModalDriver::tModalDriver() {
  fTimer.setInterval(0);
  connect(&fTimer, &QTimer::timeout, this, &tModalDriver::Poll);
  fTimer.start();
}

tModalDriver::~tModalDriver() { fTimer.stop(); }

tModalDriver& tModalDriver::Then(tHandler handler) {
  fHandlers.push_back(std::move(handler));
  return *this;
}

tModalDriver& tModalDriver::ThenClick(const QString& button) {
  return Then([button](QWidget* dialog) { Click(dialog, button); });
}

tModalDriver& tModalDriver::ThenKey(int key) {
  return Then([key](QWidget* dialog) { Key(dialog, key); });
}

QString tModalDriver::TextOf(QWidget* dialog) {
  if (!dialog) return QString();
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) return box->text();
  if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("Message"))) return label->text();
  return QString();
}

void tModalDriver::Click(QWidget* dialog, const QString& button) {
  QAbstractButton* target = dialog->findChild<QAbstractButton*>(button);
  if (!target) {
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
      if (b->text() == button) target = b;
  }
  if (target) target->click();
}

void tModalDriver::Key(QWidget* dialog, int key) {
  QWidget* focus = dialog->focusWidget();
  QTest::keyClick(focus && dialog->isAncestorOf(focus) ? focus : dialog, Qt::Key(key));
}

void tModalDriver::Dismiss(QWidget* dialog) {
  if (auto* d = qobject_cast<QDialog*>(dialog))
    d->reject();
  else
    dialog->close();
}

void tModalDriver::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  if (modal == fCurrent) {
    // A handler left its window open: close it after a while.
    if (++fCurrentPolls > kMaxPollsOpen) {
      fUnexpected << QStringLiteral("left open: %1: %2").arg(modal->windowTitle(), TextOf(modal));
      fCurrent = nullptr;
      Dismiss(modal);
    }
    return;
  }
  for (const QPointer<QWidget>& seen : fHandled)
    if (seen == modal) return;
  fHandled << QPointer<QWidget>(modal);
  fSeen << tSeen{modal->windowTitle(), TextOf(modal)};
  if (fHandlers.empty()) {
    fUnexpected << QStringLiteral("%1: %2").arg(modal->windowTitle(), TextOf(modal));
    Dismiss(modal);
    return;
  }
  tHandler handler = std::move(fHandlers.front());
  fHandlers.pop_front();
  fCurrent = modal;
  fCurrentPolls = 0;
  handler(modal);
}
