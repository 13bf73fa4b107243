// Message dialogs: layout arithmetic, buttons and their answers, Esc and
// Enter, texts, cursor, and the plain message box while the program ends.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QFileInfo>

#include "help.h"
#include "langtext.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "msgdlg_layout.h"
#include "resfile.h"
#include "testenv.h"

namespace {

// Buttons of a dialog, left to right.
QList<QPushButton*> ButtonsOf(QWidget* dialog) {
  QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
  std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
  return buttons;
}

TEST(MessageLayout, OneWordWithIcon) {
  const tMessageLayout l = ComputeMessageLayout(QSize(40, 16), QSize(32, 32), 1);
  // width: max(150, 40 + 20 + 32 + 10, 1 * 85 + 22); height: max(55, (32 + 10) + 45)
  EXPECT_EQ(l.Client, QSize(150, 87));
  EXPECT_EQ(l.Image, QRect(10, 10, 32, 32));
  // The label is centred on the taller icon's middle, right of it.
  EXPECT_EQ(l.Label, QRect(52, 10 + 16 - 8, 40, 16));
  ASSERT_EQ(l.Buttons.size(), 1);
  // 150 / 2 - 107 / 2 + 15 = 37; 10 below the icon.
  EXPECT_EQ(l.Buttons[0], QRect(37, 52, 77, 27));
}

TEST(MessageLayout, TallTextButtonsAndNoIcon) {
  const tMessageLayout l = ComputeMessageLayout(QSize(300, 80), QSize(), 3);
  EXPECT_TRUE(l.Image.isNull());
  EXPECT_EQ(l.Label, QRect(10, 10, 300, 80));
  EXPECT_EQ(l.Client, QSize(320, 80 + 10 + 45));
  // Row 3 * 85 + 22 = 277; start 160 - 138 + 15 = 37; 8 pixels apart.
  ASSERT_EQ(l.Buttons.size(), 3);
  EXPECT_EQ(l.Buttons[0], QRect(37, 100, 77, 27));
  EXPECT_EQ(l.Buttons[1].left(), 37 + 85);
  EXPECT_EQ(l.Buttons[2].left(), 37 + 170);
  // Text taller than the icon: the icon is centred on the text.
  const tMessageLayout i = ComputeMessageLayout(QSize(300, 80), QSize(32, 32), 1);
  EXPECT_EQ(i.Label.top(), 10);
  EXPECT_EQ(i.Image.top(), 10 + 40 - 16);
  EXPECT_EQ(i.Buttons[0].top(), 100);
}

TEST(MessageLayout, DesignValuesScaleWithTheScreen) {
  const tMessageLayout l = ComputeMessageLayout(QSize(80, 32), QSize(64, 64), 1, 192);
  EXPECT_EQ(l.Client, QSize(300, 174));
  EXPECT_EQ(l.Buttons[0].size(), QSize(154, 54));
  EXPECT_EQ(ScaleFrom96(77, 120), 96);
}

class MessageDialogs : public ::testing::Test {
 protected:
  void TearDown() override {
    SetTerminating(false);
    ReleaseLanguageFile();
    CloseHelpWindow();
  }
};

TEST_F(MessageDialogs, OneWordError) {
  tModalDriver driver;
  QSize client;
  QStringList names, texts;
  bool hasImage = false;
  driver.Then([&](QWidget* dialog) {
    client = dialog->size();
    for (QPushButton* b : ButtonsOf(dialog)) {
      names << b->objectName();
      texts << b->text();
    }
    hasImage = dialog->findChild<QLabel*>("Image") != nullptr;
    tModalDriver::Click(dialog, "Btn2");
  });
  ShowError("Fehler");
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, "Fehler");
  EXPECT_EQ(driver.Seen()[0].Text, "Fehler");
  EXPECT_EQ(client.width(), 150);
  EXPECT_GE(client.height(), 55);
  EXPECT_EQ(names, QStringList{"Btn2"});
  EXPECT_EQ(texts, QStringList{"OK"});
  EXPECT_TRUE(hasImage);
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(MessageDialogs, LongTextWrapsAtHalfTheScreenWidth) {
  const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
  QString text;
  for (int i = 0; i < 80; ++i) text += QStringLiteral("Zeitstudie%1 ").arg(i);
  tModalDriver driver;
  QRect label;
  int clientWidth = 0;
  driver.Then([&](QWidget* dialog) {
    label = dialog->findChild<QLabel*>("Message")->geometry();
    clientWidth = dialog->width();
    tModalDriver::Key(dialog, Qt::Key_Escape);
  });
  ShowWarning(text);
  EXPECT_LE(label.width(), half);
  EXPECT_GT(label.width(), half * 3 / 4);
  EXPECT_GT(label.height(), 4 * QFontMetrics(QApplication::font()).height() / 2);
  EXPECT_EQ(clientWidth, label.width() + 20 + 32 + 10);
  EXPECT_EQ(driver.Seen()[0].Title, "Warnung");
}

TEST_F(MessageDialogs, EscAnswersCancelNotNo) {
  tModalDriver driver;
  QStringList order;
  driver.Then([&](QWidget* dialog) {
    for (QPushButton* b : ButtonsOf(dialog)) order << b->objectName() + "=" + b->text();
    tModalDriver::Key(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(AskYesNoCancel("Speichern?"), mrCancel);
  EXPECT_EQ(order, (QStringList{"Btn0=Ja", "Btn1=Nein", "Btn3=Abbruch"}));
  EXPECT_EQ(driver.Seen()[0].Title, "Bestätigung");
}

TEST_F(MessageDialogs, EscAndEnterWithoutCancelButton) {
  tModalDriver driver;
  driver.ThenKey(Qt::Key_Escape).ThenKey(Qt::Key_Escape).ThenKey(Qt::Key_Return).ThenClick("Btn1");
  // OK alone: Esc answers OK.
  EXPECT_EQ(MessageDialog("Hinweis", tMsgDlgType::Information, mbOK, 0), mrOk);
  // Yes and No: Esc answers No.
  EXPECT_FALSE(AskConfirmation("Weiter?"));
  // Enter presses the default button.
  EXPECT_TRUE(AskConfirmation("Weiter?"));
  EXPECT_EQ(AskYesNoCancel("Weiter?"), mrNo);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << driver.Unexpected().join("; ").toStdString();
}

TEST_F(MessageDialogs, CloseBoxAnswersCancel) {
  tModalDriver driver;
  driver.Then([](QWidget* dialog) { dialog->close(); });
  EXPECT_EQ(MessageDialog("Frage", tMsgDlgType::Confirmation, mbYes | mbNo, 0), mrCancel);
}

TEST_F(MessageDialogs, EveryButtonAnswersItsResult) {
  const int all = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll | mbNoToAll | mbYesToAll;
  const struct {
    const char* name;
    const char* text;
    int result;
  } rows[] = {{"Btn0", "Ja", mrYes},          {"Btn1", "Nein", mrNo},         {"Btn2", "OK", mrOk},
              {"Btn3", "Abbruch", mrCancel},  {"Btn4", "Abbruch", mrAbort},   {"Btn5", "Wiederholen", mrRetry},
              {"Btn6", "Ignorieren", mrIgnore}, {"Btn7", "Alle", mrAll},      {"Btn8", "Alle nein", mrNoToAll},
              {"Btn9", "Alle ja", mrYesToAll}};
  for (const auto& row : rows) {
    tModalDriver driver;
    QString text;
    bool glyph = false;
    driver.Then([&](QWidget* dialog) {
      auto* b = dialog->findChild<QPushButton*>(row.name);
      ASSERT_NE(b, nullptr);
      text = b->text();
      glyph = !b->icon().isNull();
      b->click();
    });
    EXPECT_EQ(MessageDialog("Alle?", tMsgDlgType::Custom, all, 0), row.result) << row.name;
    EXPECT_EQ(text, QString::fromUtf8(row.text));
    if (row.result == mrNoToAll || row.result == mrYesToAll) {
      EXPECT_TRUE(glyph) << row.name;
    }
    // The custom kind has the program's name as caption and no icon.
    EXPECT_EQ(driver.Seen()[0].Title, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
  }
}

TEST_F(MessageDialogs, TextIsShownAsWrittenWithOneLineBreakPerBreak) {
  tModalDriver driver;
  Qt::TextFormat format = Qt::AutoText;
  driver.Then([&](QWidget* dialog) {
    format = dialog->findChild<QLabel*>("Message")->textFormat();
    tModalDriver::Click(dialog, "Btn2");
  });
  driver.ThenClick("Btn2");
  ShowError("Fehler beim Anzeigen des Dialogs.\n\r<b>Eingabe</b> & mehr");
  ShowInformation("a\r\nb\rc");
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Anzeigen des Dialogs.\n<b>Eingabe</b> & mehr");
  EXPECT_EQ(driver.Seen()[1].Text, "a\nb\nc");
  EXPECT_EQ(driver.Seen()[1].Title, "Information");
}

TEST_F(MessageDialogs, ArrowWhileShownPreviousCursorAfter) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  tModalDriver driver;
  Qt::CursorShape during = Qt::BlankCursor;
  driver.Then([&](QWidget* dialog) {
    during = QGuiApplication::overrideCursor()->shape();
    tModalDriver::Click(dialog, "Btn2");
  });
  ShowError("Fehler");
  EXPECT_EQ(during, Qt::ArrowCursor);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MessageDialogs, PlainMessageBoxWhileTerminating) {
  SetTerminating(true);
  tModalDriver driver;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  driver.Then([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  });
  driver.Then([](QWidget* dialog) { qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Yes)->click(); });
  ShowError("Fehler beim Speichern der Daten.");
  EXPECT_TRUE(AskConfirmation("Beenden?"));
  ASSERT_EQ(driver.Seen().size(), 2);
  EXPECT_EQ(driver.Seen()[0].Title, "Fehler");
  EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Speichern der Daten.");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(driver.Seen()[1].Title, "Bestätigung");
}

TEST_F(MessageDialogs, TextsFromTheLanguageFile) {
  tTempDir dir;
  ASSERT_TRUE(CopyLanguageFile(dir));
  // Without a language file every text is the German default.
  EXPECT_EQ(LangText(435, "Vorgabe"), "Vorgabe");
  LoadLanguageFile(dir.File("TAVI.049").toStdString());
  EXPECT_EQ(LangText(435, "Vorgabe"), "Fehler");
  EXPECT_EQ(LangText(455, "x"), "Bestätigung");
  // A number the file does not hold keeps the default.
  EXPECT_EQ(LangText(9999, "Vorgabe"), "Vorgabe");
  tModalDriver driver;
  driver.ThenKey(Qt::Key_Escape);
  AskYesNoCancel("Frage");
  EXPECT_EQ(driver.Seen()[0].Title, "Bestätigung");
}

TEST_F(MessageDialogs, HelpButtonOpensTheTopicAndKeepsTheDialog) {
  tTempDir dir;
  ASSERT_TRUE(CopyHelp(dir));
  SetApplicationHelpFile(dir.File("TAVI.HLP"));
  tModalDriver driver;
  QString source;
  bool stillOpen = false;
  driver.Then([&](QWidget* dialog) {
    tModalDriver::Click(dialog, "Btn10");
    source = HelpWindowSource();
    stillOpen = dialog->isVisible();
    tModalDriver::Click(dialog, "Btn2");
  });
  EXPECT_EQ(MessageDialog("Text", tMsgDlgType::Information, mbOK | mbHelp, 2000), mrOk);
  EXPECT_TRUE(source.endsWith("/2000.html")) << source.toStdString();
  EXPECT_TRUE(stillOpen);
  SetApplicationHelpFile(QString());
}

}  // namespace
