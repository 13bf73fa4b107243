#include "menubar.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QShortcut>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

TMenuBar::TMenuBar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  setContextMenuPolicy(Qt::PreventContextMenu);
  // Flat, without the tool bar's edge and handle.
  setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"
                               "QToolButton { padding: 2px 6px; }"
                               "QToolButton::menu-indicator { image: none; width: 0px; }"));
  if (parent) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), parent->window());
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, [this] { OpenMenu(0); });
  }
}

void TMenuBar::SettleButton(QToolButton* button) {
  if (!button || !button->testAttribute(Qt::WA_UnderMouse)) return;
  if (button->rect().contains(button->mapFromGlobal(QCursor::pos()))) return;
  button->setAttribute(Qt::WA_UnderMouse, false);
  button->update();
}

void TMenuBar::RemoveButtons() {
  for (const QPointer<QObject>& menu : fMenus)
    if (menu) menu->removeEventFilter(this);
  fMenus.clear();
  QList<QPointer<QToolButton>> old;
  for (QToolButton* button : fButtons) old << QPointer<QToolButton>(button);
  fButtons.clear();
  clear();  // removing its action may already free a button
  for (const QPointer<QToolButton>& button : old) delete button.data();
}

void TMenuBar::SetMenu(QMenu* mainMenu) {
  RemoveButtons();
  fMenu = mainMenu;
  if (!mainMenu) return;
  for (QAction* item : mainMenu->actions()) {
    if (item->isSeparator()) continue;
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("MenuBarButton_") + QString(item->text()).remove(QLatin1Char('&')));
    // Its access letter (Alt+letter) arrives as the button's shortcut.
    button->setText(item->text());
    button->installEventFilter(this);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(item->isEnabled());
    QMenu* menu = item->menu<QMenu*>();
    if (menu) {
      button->setMenu(menu);
      button->setPopupMode(QToolButton::InstantPopup);
      menu->installEventFilter(this);
      // Queued: the toolkit's own enter and leave handling comes first.
      connect(menu, &QMenu::aboutToHide, button, [this, button] { SettleButton(button); }, Qt::QueuedConnection);
    } else {
      connect(button, &QToolButton::clicked, item, &QAction::trigger);
    }
    // The button follows its item.
    connect(item, &QAction::changed, button, [button, item] {
      button->setText(item->text());
      button->setEnabled(item->isEnabled());
      button->setVisible(item->isVisible());
    });
    addWidget(button);
    fButtons << button;
    fMenus << QPointer<QObject>(menu);
  }
}

void TMenuBar::OpenMenu(int index) { OpenMenu(index, true); }

void TMenuBar::OpenMenu(int index, bool selectFirst) {
  if (index < 0 || index >= fButtons.size() || !fButtons[index]->isEnabled()) return;
  // Opened from the keyboard (or by stepping from a menu opened so), the
  // first command is selected, as in a menu bar.
  if (QMenu* menu = qobject_cast<QMenu*>(fMenus[index].data()); menu && selectFirst) {
    QPointer<QMenu> guard(menu);
    QTimer::singleShot(0, menu, [guard] {
      if (!guard || !guard->isVisible() || guard->activeAction()) return;
      // As the Down key does it: selecting an item that carries a submenu
      // does not open that submenu.
      QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
      QCoreApplication::sendEvent(guard, &down);
    });
  }
  fButtons[index]->showMenu();
}

int TMenuBar::IndexOfMenu(QObject* menu) const {
  for (int i = 0; i < fMenus.size(); ++i)
    if (fMenus[i] == menu) return i;
  return -1;
}

void TMenuBar::SwitchTo(int index, bool selectFirst) {
  // Close the open menu first; its own loop ends before the next opens.
  for (const QPointer<QObject>& object : fMenus)
    if (auto* menu = qobject_cast<QMenu*>(object.data()); menu && menu->isVisible()) menu->hide();
  QPointer<TMenuBar> self(this);
  QTimer::singleShot(0, this, [self, index, selectFirst] {
    if (self) self->OpenMenu(index, selectFirst);
  });
}

bool TMenuBar::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Shortcut) {
    // A menu's access letter opens it as F10 opens the first.
    for (int index = 0; index < fButtons.size(); ++index) {
      if (fButtons[index] != watched) continue;
      if (fMenus[index])
        OpenMenu(index);
      else if (fButtons[index]->isEnabled())
        fButtons[index]->click();
      return true;
    }
  }
  if (type != QEvent::MouseMove && type != QEvent::KeyPress) return QToolBar::eventFilter(watched, event);
  const int current = IndexOfMenu(watched);
  auto* menu = qobject_cast<QMenu*>(watched);
  if (current < 0 || !menu) return QToolBar::eventFilter(watched, event);
  if (type == QEvent::MouseMove) {
    const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    for (int i = 0; i < fButtons.size(); ++i) {
      QToolButton* button = fButtons[i];
      if (i == current || !button->isVisible() || !button->isEnabled() || !fMenus[i]) continue;
      if (button->rect().contains(button->mapFromGlobal(global))) {
        SwitchTo(i, false);
        return true;
      }
    }
  } else {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const QAction* active = menu->activeAction();
    const bool opensSubmenu = active && active->menu<QMenu*>() && active->isEnabled();
    int step = 0;
    if (key == Qt::Key_Left) step = -1;
    if (key == Qt::Key_Right && !opensSubmenu) step = 1;
    if (step != 0 && fButtons.size() > 1) {
      int next = current;
      for (int n = 0; n < fButtons.size(); ++n) {
        next = (next + step + int(fButtons.size())) % int(fButtons.size());
        if (fButtons[next]->isEnabled() && fButtons[next]->isVisible() && fMenus[next]) break;
      }
      if (next != current) {
        SwitchTo(next, true);
        return true;
      }
    }
  }
  return QToolBar::eventFilter(watched, event);
}
