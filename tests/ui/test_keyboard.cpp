// The main window and the help window from the keyboard alone: the menus
// by their access letters, the commands by the shortcuts the menus show,
// Return on a focused button, Escape in the help window.
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

#include "dlgmain.h"
#include "keyboard.h"
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
  }
  void TearDown() override {
    CloseHelpWindow();
    fWindow.reset();
  }
  // Keys to the widget with the focus, in the active main window.
  void Press(QKeyCombination keys) {
    ASSERT_TRUE(ShowActive(fWindow.get()));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : fWindow.get(), keys.key(), keys.keyboardModifiers());
  }

  tTempDir fDir;
  std::unique_ptr<tDlgMain> fWindow;
};

// From an entry field, which takes none of these keys for itself: each
// menu by its access letter (with its first command selected), each
// command by its shortcut.
TEST_F(KeyboardTest, MenusAndCommandsFromAnEntryField) {
  int paybacks = 0;
  fWindow->SetPaybackRunner([&](tTaviDaten&, QWidget*) { ++paybacks; });
  const struct {
    QKeyCombination keys;
    const char* shown;  // the menu, page, or dialog title afterwards
  } cases[] = {
      {Qt::ALT | Qt::Key_D, "MenuDatei/ActionPrinter"},   {Qt::ALT | Qt::Key_B, "MenuBearbeiten/"},
      {Qt::ALT | Qt::Key_H, "MenuHilfe/ActionHelp"},      {Qt::CTRL | Qt::Key_2, "TSheetMM"},
      {Qt::CTRL | Qt::Key_3, "TSheetMMP"},                {Qt::CTRL | Qt::Key_4, "TSheetBegruendung"},
      {Qt::CTRL | Qt::Key_1, "TSheetData"},               {Qt::CTRL | Qt::Key_F, "Firmendaten"},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_P, "Drucker einrichten"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    ASSERT_TRUE(ShowActive(fWindow.get()));
    Ctl<tNumField>(fWindow.get(), QStringLiteral("AnzZS_Feld"))->setFocus();
    QString shown = OpenedBy(fWindow.get(), c.keys);
    if (shown.isEmpty()) shown = Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrl"))->currentWidget()->objectName();
    EXPECT_EQ(shown, QLatin1String(c.shown));
  }
  Press(QKeyCombination(Qt::Key_F9));
  EXPECT_EQ(paybacks, 1);
  QSignalSpy closed(fWindow.get(), &tDlgMain::Closed);
  Press(Qt::CTRL | Qt::Key_Q);
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(KeyboardTest, ReturnOnTheFocusedExitButtonEndsTheProgram) {
  QSignalSpy closed(fWindow.get(), &tDlgMain::Closed);
  auto* exit = Ctl<QPushButton>(fWindow.get(), QStringLiteral("BtnExit"));
  EXPECT_EQ(exit->text(), QStringLiteral("Beenden"));  // Alt+B is the menu's
  ASSERT_TRUE(ShowActive(fWindow.get()));
  exit->setFocus();
  QTest::keyClick(exit, Qt::Key_Return);
  EXPECT_EQ(closed.count(), 1);
}

// F1 shows the window's page; in the help window Return presses the
// focused button and Escape closes it.
TEST_F(KeyboardTest, HelpWindowFromTheKeyboard) {
  Press(QKeyCombination(Qt::Key_F1));
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
