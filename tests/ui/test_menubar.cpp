// The menu bar inside the window: reaching it from the keyboard, and how its
// buttons are drawn once a menu has closed.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "menubar.h"
#include "uitest.h"

namespace {

// A window with "Datei" (Neu, Ende) and "Bearbeiten" (a submenu "Seite",
// a separator, then Kopieren) in its menu bar.
struct MenuWindow {
  MenuWindow() {
    auto* layout = new QVBoxLayout(&window);
    bar = new TMenuBar(&window);
    layout->addWidget(bar);
    layout->addStretch(1);
    window.resize(300, 200);
    auto* main = new QMenu(&window);
    QMenu* datei = main->addMenu(QStringLiteral("Datei"));
    neu = datei->addAction(QStringLiteral("Neu"));
    datei->addAction(QStringLiteral("Ende"));
    QMenu* bearbeiten = main->addMenu(QStringLiteral("Bearbeiten"));
    seite = bearbeiten->addMenu(QStringLiteral("Seite"));
    seite->addAction(QStringLiteral("Erste"));
    bearbeiten->addSeparator();
    kopieren = bearbeiten->addAction(QStringLiteral("Kopieren"));
    bar->SetMenu(main);
  }
  QMenu* MenuOf(int index) const { return bar->Buttons().at(index)->menu(); }

  QWidget window;
  TMenuBar* bar = nullptr;
  QAction* neu = nullptr;
  QAction* kopieren = nullptr;
  QMenu* seite = nullptr;
};

TEST(MenuBar, F10OpensTheFirstMenuWithItsFirstCommandSelected) {
  MenuWindow w;
  ASSERT_TRUE(ShowActive(&w.window));
  int triggered = 0;
  QObject::connect(w.kopieren, &QAction::triggered, [&] { ++triggered; });
  QMenu* datei = w.MenuOf(0);
  QMenu* bearbeiten = w.MenuOf(1);
  // F10 runs the menu's own loop: the keys are sent from within it, by a
  // timer that takes one step whenever the next menu is ready.
  bool firstSelected = false, submenuSelectedClosed = false;
  int step = 0;
  QTimer driver;
  driver.setInterval(10);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (step == 0 && datei->isVisible() && datei->activeAction()) {
      step = 1;
      firstSelected = datei->activeAction() == w.neu;
      QTest::keyClick(datei, Qt::Key_Right);
    } else if (step == 1 && bearbeiten->isVisible() && bearbeiten->activeAction()) {
      step = 2;
      // "Seite" is selected, its submenu stays shut until asked for.
      submenuSelectedClosed = bearbeiten->activeAction() == w.seite->menuAction() && !w.seite->isVisible();
      QTest::keyClick(bearbeiten, Qt::Key_Down);  // over the separator
      if (bearbeiten->activeAction() == w.kopieren) QTest::keyClick(bearbeiten, Qt::Key_Return);
    }
  });
  driver.start();
  QTest::keyClick(&w.window, Qt::Key_F10);
  EXPECT_TRUE(WaitFor([&] { return triggered == 1; }));
  EXPECT_EQ(step, 2);
  EXPECT_TRUE(firstSelected);
  EXPECT_TRUE(submenuSelectedClosed);
  EXPECT_FALSE(datei->isVisible());
  EXPECT_FALSE(bearbeiten->isVisible());
}

TEST(MenuBar, ButtonIsFlatAgainAfterACommandChosenWithTheMouse) {
  MenuWindow w;
  ASSERT_TRUE(ShowActive(&w.window));
  QToolButton* button = w.bar->Buttons().at(1);
  QMenu* bearbeiten = w.MenuOf(1);
  // The mouse opened the menu and chose a command far below the bar; the
  // menu had the mouse meanwhile, so the button never heard it leave (as on
  // X11, where the menu grabs the pointer).
  QCursor::setPos(w.window.mapToGlobal(QPoint(150, 180)));
  QApplication::processEvents();
  button->setAttribute(Qt::WA_UnderMouse, true);
  QTimer::singleShot(0, [&] {
    WaitFor([&] { return bearbeiten->isVisible(); });
    w.kopieren->trigger();
    bearbeiten->hide();
  });
  button->showMenu();
  EXPECT_TRUE(WaitFor([&] { return !button->underMouse(); }));

  // With the mouse still on the button it stays raised.
  QCursor::setPos(button->mapToGlobal(button->rect().center()));
  button->setAttribute(Qt::WA_UnderMouse, true);
  QTimer::singleShot(0, [&] {
    WaitFor([&] { return bearbeiten->isVisible(); });
    bearbeiten->hide();
  });
  button->showMenu();
  QTest::qWait(20);
  EXPECT_TRUE(button->underMouse());
}

}  // namespace
