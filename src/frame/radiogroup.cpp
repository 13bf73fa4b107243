#include "radiogroup.h"

#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVariant>

namespace {

bool Usable(const QRadioButton* button) { return button && button->isEnabled() && !button->isHidden(); }

constexpr const char* kGroupProperty = "tRadioGroup";

}  // namespace

tRadioGroup::tRadioGroup(std::initializer_list<QRadioButton*> buttons, QObject* parent) : QObject(parent) {
  for (QRadioButton* button : buttons) {
    if (!button) continue;
    fButtons << QPointer<QRadioButton>(button);
    button->setProperty(kGroupProperty, QVariant::fromValue<QObject*>(this));
    button->installEventFilter(this);
    connect(button, &QAbstractButton::toggled, this, [this] { Update(); });
  }
  Update();
}

tRadioGroup::~tRadioGroup() {
  for (const QPointer<QRadioButton>& button : fButtons)
    if (button) button->setProperty(kGroupProperty, QVariant());
}

tRadioGroup* tRadioGroup::GroupOf(const QWidget* widget) {
  if (!widget) return nullptr;
  return dynamic_cast<tRadioGroup*>(widget->property(kGroupProperty).value<QObject*>());
}

QList<QRadioButton*> tRadioGroup::Buttons() const {
  QList<QRadioButton*> list;
  for (const QPointer<QRadioButton>& button : fButtons)
    if (button) list << button.data();
  return list;
}

QRadioButton* tRadioGroup::TabStop() const {
  const QList<QRadioButton*> buttons = Buttons();
  for (QRadioButton* button : buttons)
    if (button->isChecked()) return button;
  for (QRadioButton* button : buttons)
    if (Usable(button)) return button;
  return buttons.isEmpty() ? nullptr : buttons.first();
}

void tRadioGroup::Update() {
  const QRadioButton* stop = TabStop();
  // Click focus: Tab passes the button, the mouse still focuses it.
  for (QRadioButton* button : Buttons()) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void tRadioGroup::Step(QRadioButton* from, int direction) {
  const QList<QRadioButton*> buttons = Buttons();
  const int count = int(buttons.size());
  const int start = int(buttons.indexOf(from));
  if (start < 0) return;
  for (int n = 1; n < count; ++n) {
    QRadioButton* next = buttons[((start + direction * n) % count + count) % count];
    if (!Usable(next)) continue;
    if (!next->isChecked()) next->click();
    next->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return;
  }
}

bool tRadioGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* button = qobject_cast<QRadioButton*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (button && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
      switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
          Step(button, -1);
          return true;
        case Qt::Key_Down:
        case Qt::Key_Right:
          Step(button, +1);
          return true;
        default:
          break;
      }
    }
  } else if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ShowToParent ||
             event->type() == QEvent::HideToParent) {
    Update();
  }
  return QObject::eventFilter(watched, event);
}
