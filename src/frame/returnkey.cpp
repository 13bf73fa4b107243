#include "returnkey.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

class tReturnFilter : public QObject {
 public:
  explicit tReturnFilter(QAbstractButton* button) : QObject(button), fButton(button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != fButton || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (!enter || mods != Qt::NoModifier || !fButton->isEnabled()) return false;
    fButton->click();
    return true;
  }

 private:
  QAbstractButton* fButton;
};

}  // namespace

void ClickOnReturn(QAbstractButton* button) {
  if (button) button->installEventFilter(new tReturnFilter(button));
}

void ClickOnReturnIn(QWidget* window) {
  if (!window) return;
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    if (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)) ClickOnReturn(button);
}
