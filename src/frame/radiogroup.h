// A group of radio buttons as the keyboard meets it: one stop of the tab
// order, on the checked button (on the first usable one while none is
// checked), and the arrow keys move the choice within the group only,
// wrapping at its ends and passing disabled or hidden buttons. An arrow
// key checks the button it reaches as a click would (clicked and toggled
// are emitted), so every handler sees the choice as from the mouse.
//
// The buttons keep taking the focus from a mouse click. The group object
// is owned by its parent (usually the window); the buttons are not owned.
// Buttons destroyed before the group are dropped from it.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <initializer_list>

class QRadioButton;

class tRadioGroup : public QObject {
 public:
  tRadioGroup(std::initializer_list<QRadioButton*> buttons, QObject* parent);
  ~tRadioGroup() override;

  QList<QRadioButton*> Buttons() const;
  // The group a widget belongs to, or nullptr.
  static tRadioGroup* GroupOf(const QWidget* widget);
  // The button that Tab stops at, or nullptr when none can take the focus.
  QRadioButton* TabStop() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Gives the tab stop to the checked button.
  void Update();
  void Step(QRadioButton* from, int direction);

  QList<QPointer<QRadioButton>> fButtons;
};
