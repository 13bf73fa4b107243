// The company data dialog: what OK, Abbrechen and an unchanged OK do to the
// record, the name limit, refused characters, anchoring, tab order, the
// geometry store and the help.
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

#include "dlguserdata.h"
#include "help.h"
#include "modaldriver.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "tavidaten.h"
#include "textentry.h"
#include "uitest.h"

namespace {

class UserDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    ASSERT_TRUE(PrepareProgramDir(fDir));
    fApp = std::make_unique<tSimpleApp>(QStringLiteral("TAVI"), QStringLiteral("2.0"), fDir.Path());
  }
  void TearDown() override {
    CloseHelpWindow();
    fApp.reset();
  }

  // Runs the dialog modally; handler works on it and closes it.
  int Run(std::function<void(tDlgUserData&)> handler) {
    tDlgUserData dialog(fDaten);
    tModalDriver driver;
    driver.Then([&](QWidget* shown) {
      EXPECT_EQ(shown, &dialog);
      handler(dialog);
    });
    const int result = dialog.exec();
    EXPECT_TRUE(driver.Unexpected().isEmpty()) << driver.Unexpected().join(';').toStdString();
    return result;
  }

  tTempDir fDir;
  std::unique_ptr<tSimpleApp> fApp;
  tTaviDaten fDaten;
};

TEST_F(UserDataTest, OkStoresAllThreeAndTheNameIsCutAt255) {
  const QString longName(300, QLatin1Char('x'));
  Run([&](tDlgUserData& d) {
    d.EditFirmName()->setFocus();
    QTest::keyClicks(d.EditFirmName(), longName);
    EXPECT_EQ(d.EditFirmName()->text().size(), 255);  // typing stops at the limit
    TypeText(d.EditUserName(), QStringLiteral("Müller"));
    d.MemoInfo()->setPlainText(QStringLiteral("Zeile 1\nZeile 2"));
    d.BtnOk()->click();
  });
  EXPECT_EQ(fDaten.GetFirmenname(), std::string(255, 'x'));
  EXPECT_EQ(fDaten.GetAnwendername(), "Müller");
  EXPECT_EQ(fDaten.BegruendungInvestition.Lines(), (std::vector<std::string>{"Zeile 1", "Zeile 2"}));

  // The next opening shows what was stored; an empty user name stays empty.
  Run([&](tDlgUserData& d) {
    EXPECT_EQ(d.EditFirmName()->text(), QString(255, QLatin1Char('x')));
    d.EditUserName()->clear();
    QTest::keyClick(d.EditUserName(), Qt::Key_Return);  // Enter is OK
  });
  EXPECT_EQ(fDaten.GetAnwendername(), "");
  Run([&](tDlgUserData& d) {
    EXPECT_TRUE(d.EditUserName()->text().isEmpty());
    d.BtnCancel()->click();
  });
}

TEST_F(UserDataTest, CancelEscAndCloseBoxChangeNothing) {
  fDaten.SetFirmenname("Alt GmbH");
  fDaten.SetAnwendername("Alt");
  const tTextList before = fDaten.BegruendungInvestition;
  const auto editAll = [](tDlgUserData& d) {
    d.EditFirmName()->setText(QStringLiteral("Neu"));
    d.EditUserName()->setText(QStringLiteral("Neu"));
    d.MemoInfo()->setPlainText(QStringLiteral("Neu"));
  };
  EXPECT_EQ(Run([&](tDlgUserData& d) { editAll(d), d.BtnCancel()->click(); }), QDialog::Rejected);
  EXPECT_EQ(Run([&](tDlgUserData& d) { editAll(d), QTest::keyClick(d.EditFirmName(), Qt::Key_Escape); }),
            QDialog::Rejected);
  EXPECT_EQ(Run([&](tDlgUserData& d) { editAll(d), d.close(); }), QDialog::Rejected);
  EXPECT_EQ(fDaten.GetFirmenname(), "Alt GmbH");
  EXPECT_EQ(fDaten.GetAnwendername(), "Alt");
  EXPECT_EQ(fDaten.BegruendungInvestition, before);
}

TEST_F(UserDataTest, UnchangedOkLeavesTheRecordAsItWas) {
  fDaten.SetFirmenname("Firma");
  // Empty lines, also at the end, survive the trip through the memo.
  for (const std::vector<std::string>& lines :
       {std::vector<std::string>{"a", "", "b", ""}, std::vector<std::string>{""}, std::vector<std::string>{}}) {
    ASSERT_TRUE(fDaten.BegruendungInvestition.SetLines(lines));
    Run([](tDlgUserData& d) { d.BtnOk()->click(); });
    EXPECT_EQ(fDaten.BegruendungInvestition.Lines(), lines);
    EXPECT_EQ(fDaten.GetFirmenname(), "Firma");
  }
}

TEST_F(UserDataTest, CharactersTheFileCannotKeepAreRefusedWhereTyped) {
  Run([](tDlgUserData& d) {
    // À becomes a plain A in the DOS code page; the arrow has no byte at all.
    TypeText(d.EditFirmName(), QStringLiteral("AÀB→C€é"));
    EXPECT_EQ(d.EditFirmName()->text(), QStringLiteral("ABC€é"));
    // A paste holding such a character is refused as a whole.
    d.EditUserName()->insert(QStringLiteral("x中y"));
    EXPECT_TRUE(d.EditUserName()->text().isEmpty());
    // The justification is Windows-1252: À fits, the arrow does not.
    d.MemoInfo()->clear();
    d.MemoInfo()->setFocus();
    TypeText(d.MemoInfo(), QStringLiteral("À→€"));
    EXPECT_EQ(d.MemoInfo()->toPlainText(), QStringLiteral("À€"));
    d.BtnOk()->click();
  });
  EXPECT_EQ(fDaten.GetFirmenname(), "ABC€é");
  EXPECT_EQ(fDaten.BegruendungInvestition.Lines(), (std::vector<std::string>{"À€"}));
}

TEST_F(UserDataTest, MemoRefusesPastedTextItCannotKeep) {
  tTextMemo memo;
  memo.setPlainText(QStringLiteral("alt"));
  QApplication::clipboard()->setText(QStringLiteral("neu → falsch"));
  memo.paste();
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("alt"));
  QApplication::clipboard()->setText(QStringLiteral(" und neu"));
  memo.moveCursor(QTextCursor::End);
  memo.paste();
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("alt und neu"));
}

TEST_F(UserDataTest, GrowsWithItsFrameButNotBelowTheMinimum) {
  tDlgUserData dialog(fDaten);
  ASSERT_TRUE(ShowActive(&dialog));
  EXPECT_EQ(dialog.minimumSize(), QSize(380, 280));
  dialog.resize(200, 100);
  QApplication::processEvents();
  EXPECT_EQ(dialog.size(), QSize(380, 280));

  const int editWidth = dialog.EditFirmName()->width();
  const int memoHeight = dialog.MemoInfo()->height();
  dialog.resize(600, 450);
  QApplication::processEvents();
  EXPECT_EQ(dialog.EditFirmName()->width(), editWidth + 220);
  EXPECT_EQ(dialog.EditUserName()->width(), editWidth + 220);
  EXPECT_EQ(dialog.MemoInfo()->height(), memoHeight + 170);
  // The buttons keep their distance from the lower right corner.
  EXPECT_EQ(dialog.width() - dialog.BtnHelp()->geometry().right(), 9);
  EXPECT_EQ(dialog.height() - dialog.BtnOk()->geometry().bottom(), 9);
  dialog.close();
}

TEST_F(UserDataTest, TabOrderGoesThroughTheFieldsThenTheButtons) {
  Run([](tDlgUserData& d) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.EditFirmName()->setFocus();
    QStringList order;
    for (int i = 0; i < 6; ++i) {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      order << focus->objectName();
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"EditFirmName", "EditUserName", "MemoInfo", "BtnOk", "BtnCancel", "BtnHelp"}));
    d.reject();
  });
}

TEST_F(UserDataTest, RemembersItsGeometryInTheSettingsFile) {
  Run([](tDlgUserData& d) {
    d.resize(500, 400);
    d.BtnCancel()->click();
  });
  const QString ini = QString::fromLatin1(fDir.Read(QStringLiteral("TAVI.INI")));
  EXPECT_TRUE(ini.contains(QStringLiteral("tDlgUserData_Width=500"))) << ini.toStdString();
  EXPECT_TRUE(ini.contains(QStringLiteral("tDlgUserData_Height=400"))) << ini.toStdString();
  EXPECT_TRUE(ini.contains(QStringLiteral("tDlgUserData_WindowState=2"))) << ini.toStdString();
  Run([](tDlgUserData& d) {
    EXPECT_EQ(d.size(), QSize(500, 400));
    d.reject();
  });
}

TEST_F(UserDataTest, HelpShowsTopic4000) {
  Run([](tDlgUserData& d) {
    EXPECT_EQ(d.HelpContext(), 4000);
    d.BtnHelp()->click();
    EXPECT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("4000.html"))) << HelpWindowSource().toStdString();
    CloseHelpWindow();
    d.reject();
  });
}

}  // namespace
