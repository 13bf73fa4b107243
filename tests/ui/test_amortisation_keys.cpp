// The payback dialog from the keyboard: menus by their access letters,
// the shortcuts its menus show, Return on "Schließen", F1 in the query for
// the years of the table; and what a locked price field shows.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dlgamortisation.h"
#include "help.h"
#include "modaldriver.h"
#include "numfield.h"
#include "numfmt.h"
#include "tavidaten.h"
#include "uitest.h"

namespace {

// Keys as the user presses them: to the widget with the focus.
void Press(QWidget* window, QKeyCombination keys) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : window, keys.key(), keys.keyboardModifiers());
}

class AmortisationKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(".");
    ASSERT_TRUE(CopyHelp(fDir));
    SetApplicationHelpFile(fDir.File(QStringLiteral("TAVI.HLP")));
  }
  void TearDown() override {
    CloseHelpWindow();
    SetApplicationHelpFile(QString());
  }
  tTempDir fDir;
  tTaviDaten fDaten;
};

// Back from individual input to standard prices, a locked field shows the
// price in use, not the wrong entry typed before.
TEST_F(AmortisationKeys, LockedPriceFieldShowsTheValueInUse) {
  tDlgAmortisation dlg(fDaten);
  Ctl<QRadioButton>(&dlg, QStringLiteral("RBtnManualInput"))->click();
  auto* training = Ctl<tNumField>(&dlg, QStringLiteral("Schulungskosten_ZS_Feld"));
  training->selectAll();
  QTest::keyClicks(training, QStringLiteral("20000"));
  ASSERT_TRUE(training->EntryRejected());
  Ctl<QRadioButton>(&dlg, QStringLiteral("RBtnStandardValues"))->click();
  EXPECT_FALSE(training->Editable());
  EXPECT_EQ(training->text(), QStringLiteral("640"));
  EXPECT_FALSE(training->InError());
  EXPECT_EQ(fDaten.SchulungskostenZS, 640);
}

// Every shortcut works while an entry field has the focus.
TEST_F(AmortisationKeys, ShortcutsFromAnEntryField) {
  tDlgAmortisation dlg(fDaten);
  ASSERT_TRUE(ShowActive(&dlg));
  auto* pages = Ctl<QTabWidget>(&dlg, QStringLiteral("PageControl"));
  const struct {
    QKeyCombination keys;
    const char* page;
    const char* focus;
  } pageKeys[] = {{Qt::CTRL | Qt::Key_2, "TSheetResults", "BeginnReduzierung_Feld"},
                  {Qt::CTRL | Qt::Key_1, "TSheetSystem", "Invest_ZS_System_Feld"}};
  Ctl<tNumField>(&dlg, QStringLiteral("Zusatzkosten_ZS_Feld"))->setFocus();
  for (const auto& k : pageKeys) {
    Press(&dlg, k.keys);
    EXPECT_EQ(pages->currentWidget()->objectName(), QLatin1String(k.page));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(k.focus));
  }

  const struct {
    QKeyCombination keys;
    QAction* action;
  } printKeys[] = {{Qt::CTRL | Qt::Key_T, dlg.ActionPrintTable()},
                   {Qt::CTRL | Qt::Key_G, dlg.ActionPrintGraphic()},
                   {Qt::CTRL | Qt::Key_D, dlg.ActionPrintOverview()}};
  for (const auto& k : printKeys) {
    SCOPED_TRACE(k.action->objectName().toStdString());
    QSignalSpy triggered(k.action, &QAction::triggered);
    tModalDriver driver;  // whatever the command opens is closed again
    for (int i = 0; i < 3; ++i) driver.Then([](QWidget* w) { tModalDriver::Dismiss(w); });
    ASSERT_TRUE(ShowActive(&dlg));
    Ctl<tNumField>(&dlg, QStringLiteral("Zusatzkosten_ZS_Feld"))->setFocus();
    Press(&dlg, k.keys);
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_FALSE(driver.Seen().isEmpty());
  }

  ASSERT_TRUE(ShowActive(&dlg));
  Press(&dlg, QKeyCombination(Qt::Key_F1));
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("/2000.html")));
}

TEST_F(AmortisationKeys, AccessLettersOpenTheMenus) {
  tDlgAmortisation dlg(fDaten);
  ASSERT_TRUE(ShowActive(&dlg));
  for (const auto& [key, menu] : {std::pair{Qt::Key_B, "MenuEdit"}, std::pair{Qt::Key_H, "MenuHelp"}}) {
    SCOPED_TRACE(menu);
    QString opened;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        opened = popup->objectName();
        popup->close();
      }
    });
    poll.start();
    Press(&dlg, QKeyCombination(Qt::AltModifier, key));
    EXPECT_TRUE(WaitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QLatin1String(menu));
  }
}

// Return presses "Schließen" when it has the focus, but not from a field.
TEST_F(AmortisationKeys, ReturnClosesOnlyFromTheCloseButton) {
  tDlgAmortisation dlg(fDaten);
  ASSERT_TRUE(ShowActive(&dlg));
  QSignalSpy finished(&dlg, &QDialog::finished);
  auto* extra = Ctl<tNumField>(&dlg, QStringLiteral("Zusatzkosten_ZS_Feld"));
  extra->setFocus();
  QTest::keyClick(extra, Qt::Key_Return);
  EXPECT_EQ(finished.count(), 0);
  auto* close = Ctl<QPushButton>(&dlg, QStringLiteral("BtnClose"));
  close->setFocus();
  QTest::keyClick(close, Qt::Key_Return);
  EXPECT_EQ(finished.count(), 1);
}

// F1 in the query for the number of years shows its own page.
TEST_F(AmortisationKeys, F1InTheYearsQueryShowsItsPage) {
  tDlgAmortisation dlg(fDaten);
  ASSERT_TRUE(ShowActive(&dlg));
  tModalDriver driver;
  QString page;
  driver.Then([&](QWidget* box) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Eingabe"));
    QApplication::setActiveWindow(box);
    EXPECT_TRUE(QTest::qWaitForWindowActive(box));
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_F1);
    page = HelpWindowSource();
    tModalDriver::Dismiss(box);
  });
  dlg.ActionPrintTable()->trigger();
  EXPECT_TRUE(page.endsWith(QStringLiteral("/2100.html"))) << page.toStdString();
}

}  // namespace
