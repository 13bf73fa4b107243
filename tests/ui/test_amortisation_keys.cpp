// The payback dialog from the keyboard: the shortcuts its menus show,
// Return on "Schließen", F1 in the query for the years of the table; and
// what a locked price field shows.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dlgamortisation.h"
#include "help.h"
#include "keyboard.h"
#include "modaldriver.h"
#include "numfield.h"
#include "numfmt.h"
#include "tavidaten.h"
#include "uitest.h"

namespace {

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
  // Keys to the given field of the active dialog.
  static void Press(tDlgAmortisation& dlg, const char* field, QKeyCombination keys) {
    ASSERT_TRUE(ShowActive(&dlg));
    auto* target = Ctl<tNumField>(&dlg, QLatin1String(field));
    target->setFocus();
    QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
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
  EXPECT_EQ(training->text(), QStringLiteral("640"));
  EXPECT_FALSE(training->InError());
}

// Every shortcut works from an entry field.
TEST_F(AmortisationKeys, ShortcutsFromAnEntryField) {
  tDlgAmortisation dlg(fDaten);
  auto* pages = Ctl<QTabWidget>(&dlg, QStringLiteral("PageControl"));
  const struct {
    QKeyCombination keys;
    const char* shown;  // the page (and focus), or the title of what opens
  } cases[] = {
      {Qt::CTRL | Qt::Key_2, "TSheetResults BeginnReduzierung_Feld"},
      {Qt::CTRL | Qt::Key_3, "TSheetEconomics "},
      {Qt::CTRL | Qt::Key_4, "TSheetSensitivity Soll_Amortisationszeit_Feld"},
      {Qt::CTRL | Qt::Key_1, "TSheetSystem Invest_ZS_System_Feld"},
      {Qt::CTRL | Qt::Key_T, "Eingabe"},
      {Qt::CTRL | Qt::Key_G, "Amortisations - Grafik"},
      {Qt::CTRL | Qt::Key_D, "Fehler"},  // no printer without the application object
      {Qt::CTRL | Qt::Key_I, "Fehler"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    ASSERT_TRUE(ShowActive(&dlg));
    Ctl<tNumField>(&dlg, QStringLiteral("Zusatzkosten_ZS_Feld"))->setFocus();
    QString shown = OpenedBy(&dlg, c.keys);
    if (shown.isEmpty()) shown = pages->currentWidget()->objectName() + u' ' + QApplication::focusWidget()->objectName();
    EXPECT_TRUE(shown.startsWith(QLatin1String(c.shown))) << shown.toStdString();
  }
  Press(dlg, "Zusatzkosten_ZS_Feld", QKeyCombination(Qt::Key_F1));
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("/2000.html")));
}

// Return presses "Schließen" when it has the focus, but not from a field;
// F1 in the query for the number of years shows its own page.
TEST_F(AmortisationKeys, ReturnOnCloseAndF1InTheYearsQuery) {
  tDlgAmortisation dlg(fDaten);
  QSignalSpy finished(&dlg, &QDialog::finished);
  Press(dlg, "Zusatzkosten_ZS_Feld", QKeyCombination(Qt::Key_Return));
  EXPECT_EQ(finished.count(), 0);

  tModalDriver driver;
  QString page;
  driver.Then([&](QWidget* box) {
    QApplication::setActiveWindow(box);
    EXPECT_TRUE(QTest::qWaitForWindowActive(box));
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_F1);
    page = HelpWindowSource();
    tModalDriver::Dismiss(box);
  });
  dlg.ActionPrintTable()->trigger();
  EXPECT_TRUE(page.endsWith(QStringLiteral("/2010.html"))) << page.toStdString();

  auto* close = Ctl<QPushButton>(&dlg, QStringLiteral("BtnClose"));
  ASSERT_TRUE(ShowActive(&dlg));
  close->setFocus();
  QTest::keyClick(close, Qt::Key_Return);
  EXPECT_EQ(finished.count(), 1);
}

}  // namespace
