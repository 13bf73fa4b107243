// The print dialogs from the keyboard: F1 shows each one's page of the
// help, Return on a focused "Abbruch" cancels instead of confirming.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "dlgprint.h"
#include "dlgprinteroptions.h"
#include "dlgprintersetup.h"
#include "dlgprinting.h"
#include "help.h"
#include "mainfont.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "printer.h"
#include "printtesthost.h"
#include "tempdir.h"

namespace {

class PrintKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.049")));
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.HLP")));
    SetApplicationHelpFile(fDir.File(QStringLiteral("TAVI.HLP")));
    fApp = std::make_unique<tPrintTestHost>(fDir.Path());
    ASSERT_NE(fApp->Printer(), nullptr);
  }
  void TearDown() override {
    CloseHelpWindow();
    SetApplicationHelpFile(QString());
    fApp.reset();
  }
  // Shows the dialog as the active window and presses key on the widget
  // with the focus.
  static void Press(QDialog& dialog, Qt::Key key) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* focus = dialog.focusWidget();
    QTest::keyClick(focus ? focus : &dialog, key);
  }

  tTempDir fDir;
  std::unique_ptr<tPrintTestHost> fApp;
};

// F1 shows each dialog's page of the help; Return on a focused "Abbruch"
// cancels instead of confirming (and printing).
TEST_F(PrintKeys, F1AndReturnOnAbbruch) {
  tExtendedPrinter& printer = *fApp->Printer();
  const struct {
    const char* page;
    std::function<QDialog*()> make;
  } cases[] = {
      {"/61100.html", [] { return new TDlgPrint(); }},
      {"/61200.html", [&printer] { return new tDlgPrinterSetup(true, &printer, true); }},
      {"/61200.html", [&printer] { return new tDlgPrinterOptions(printer); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    CloseHelpWindow();
    std::unique_ptr<QDialog> dialog(c.make());
    Press(*dialog, Qt::Key_F1);
    EXPECT_TRUE(HelpWindowSource().endsWith(QLatin1String(c.page))) << HelpWindowSource().toStdString();
    auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("BtnCancel"));
    if (!cancel) continue;
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
  }
  TDlgPrinting progress;
  int cancels = 0;
  progress.OnCancel = [&](QObject*) { ++cancels; };
  progress.BtnCancel->setFocus();
  Press(progress, Qt::Key_Return);
  EXPECT_EQ(cancels, 1);
}

}  // namespace
