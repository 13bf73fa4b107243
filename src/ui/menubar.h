// A menu bar inside the window: a flat tool bar without edge borders that
// shows the top-level items of a main menu as text buttons, each dropping
// down its item's menu.
//
// The buttons act as one group, like a menu bar: while one menu is open,
// moving the mouse onto another button opens that button's menu, and the
// Left and Right keys step to the neighbouring menu. F10 in the bar's
// window drops down the first menu with its first command selected, and so
// does Alt with a menu's access letter ("&Datei": Alt+D) for that menu, so
// every command can be reached without a mouse. When a menu closes, its
// button is drawn flat again unless the mouse is still over it.
#pragma once

#include <QList>
#include <QPointer>
#include <QToolBar>

class QMenu;
class QToolButton;

class TMenuBar : public QToolBar {
 public:
  explicit TMenuBar(QWidget* parent = nullptr);

  // One button per top-level item of mainMenu (the actions of that menu,
  // each carrying a submenu). Setting another menu, or nullptr, first
  // removes the existing buttons.
  void SetMenu(QMenu* mainMenu);
  QMenu* Menu() const { return fMenu; }
  const QList<QToolButton*>& Buttons() const { return fButtons; }

  // Drops down the menu of button index (as a click on it would), with its
  // first command selected (as the keyboard opens menus).
  void OpenMenu(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RemoveButtons();
  // After a menu closed: the toolkit may still think the mouse is over the
  // button that opened it (the menu had the mouse meanwhile).
  void SettleButton(QToolButton* button);
  void OpenMenu(int index, bool selectFirst);
  void SwitchTo(int index, bool selectFirst);
  int IndexOfMenu(QObject* menu) const;

  QPointer<QMenu> fMenu;
  QList<QToolButton*> fButtons;
  // The menus of the buttons (nullptr for an item without one). Kept as
  // plain objects: the filter also sees them while they are destroyed.
  QList<QPointer<QObject>> fMenus;
};
