// The main window and the help window from the keyboard alone: the menus
// by their access letters, the commands by the shortcuts the menus show,
// Return on a focused button, Escape in the help window.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "dlgmain.h"
#include "help.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "numfield.h"
#include "uitest.h"

namespace {

class KeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    ASSERT_TRUE(PrepareProgramDir(fDir));
    fWindow = std::make_unique<tDlgMain>(fDir.Path());
    ASSERT_TRUE(ShowActive(fWindow.get()));
  }
  void TearDown() override {
    CloseHelpWindow();
    fWindow.reset();
    SetTerminating(false);
  }
  // The widget that has the focus (or the window).
  QWidget* Focus() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : fWindow.get();
  }
  QString Page() const { return Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrl"))->currentWidget()->objectName(); }

  tTempDir fDir;
  std::unique_ptr<tDlgMain> fWindow;
};

// Alt with a menu's access letter drops that menu down with its first
// command selected, as F10 does for the first menu.
TEST_F(KeyboardTest, AccessLettersOpenTheMenus) {
  const struct {
    Qt::Key key;
    const char* menu;
    const char* first;
  } cases[] = {{Qt::Key_D, "MenuDatei", "ActionPrinter"},
               {Qt::Key_B, "MenuBearbeiten", "MenuSeite"},
               {Qt::Key_H, "MenuHilfe", "ActionHelp"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.menu);
    QString opened, selected;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu || !menu->activeAction()) return;
      opened = menu->objectName();
      QAction* active = menu->activeAction();
      selected = active->menu() ? active->menu()->objectName() : active->objectName();
      menu->close();
    });
    poll.start();
    QTest::keyClick(Focus(), c.key, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([&] { return !opened.isEmpty(); }));
    poll.stop();
    EXPECT_EQ(opened, QLatin1String(c.menu));
    EXPECT_EQ(selected, QLatin1String(c.first));
  }
}

// The shortcuts work with the focus in an entry field, which takes none
// of them for itself.
TEST_F(KeyboardTest, ShortcutsReachTheirCommandsFromAnEntryField) {
  int paybacks = 0;
  fWindow->SetPaybackRunner([&](tTaviDaten&, QWidget*) { ++paybacks; });
  const struct {
    QKeyCombination keys;
    const char* page;   // the page shown after, or nullptr
    const char* focus;  // the widget with the focus after, or nullptr
    const char* dialog; // the title of the dialog it opens, or nullptr
  } cases[] = {
      {Qt::CTRL | Qt::Key_2, "TSheetMM", "PotentialVorb_Feld", nullptr},
      {Qt::CTRL | Qt::Key_3, "TSheetMMP", "PotentialAnzZS_Feld", nullptr},
      {Qt::CTRL | Qt::Key_4, "TSheetBegruendung", nullptr, nullptr},
      {Qt::CTRL | Qt::Key_1, "TSheetData", "AnzZS_Feld", nullptr},
      {Qt::CTRL | Qt::Key_F, nullptr, nullptr, "Firmendaten"},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_P, nullptr, nullptr, "Drucker einrichten"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QKeySequence(c.keys).toString().toStdString());
    ASSERT_TRUE(ShowActive(fWindow.get()));
    Ctl<tNumField>(fWindow.get(), QStringLiteral("AnzZS_Feld"))->setFocus();
    tModalDriver driver;
    if (c.dialog) driver.Then([](QWidget* w) { tModalDriver::Dismiss(w); });
    QTest::keyClick(Focus(), c.keys.key(), c.keys.keyboardModifiers());
    if (c.page) {
      EXPECT_EQ(Page(), QLatin1String(c.page));
    }
    if (c.focus) {
      EXPECT_EQ(Focus()->objectName(), QLatin1String(c.focus));
    }
    if (c.dialog) {
      ASSERT_EQ(driver.Seen().size(), 1);
      EXPECT_EQ(driver.Seen()[0].Title, QLatin1String(c.dialog));
    }
  }
  ASSERT_TRUE(ShowActive(fWindow.get()));
  QTest::keyClick(Focus(), Qt::Key_F9);
  EXPECT_EQ(paybacks, 1);
  QSignalSpy closed(fWindow.get(), &tDlgMain::Closed);
  QTest::keyClick(Focus(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(KeyboardTest, ReturnOnTheFocusedExitButtonEndsTheProgram) {
  QSignalSpy closed(fWindow.get(), &tDlgMain::Closed);
  auto* exit = Ctl<QPushButton>(fWindow.get(), QStringLiteral("BtnExit"));
  EXPECT_EQ(exit->text(), QStringLiteral("Beenden"));  // Alt+B is the menu's
  exit->setFocus();
  QTest::keyClick(exit, Qt::Key_Return);
  EXPECT_EQ(closed.count(), 1);
}

// F1 shows the window's page; Escape closes the help window, Return on its
// focused buttons presses them.
TEST_F(KeyboardTest, HelpWindowFromTheKeyboard) {
  QTest::keyClick(Focus(), Qt::Key_F1);
  QWidget* help = HelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("/1.html")));
  ASSERT_TRUE(ShowActive(help));
  auto* contents = Ctl<QPushButton>(help, QStringLiteral("BtnContents"));
  contents->setFocus();
  QTest::keyClick(contents, Qt::Key_Return);
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("/index.html")));
  QTest::keyClick(contents, Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([] { return HelpWindow() == nullptr; }));
}

}  // namespace
