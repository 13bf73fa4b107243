// The help: each context opens its page, every link of the help leads to
// an existing page or anchor, and a missing help is reported.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QRegularExpression>
#include <QTextBrowser>

#include "help.h"
#include "modaldriver.h"
#include "testenv.h"

namespace {

class Help : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyHelp(dir));
    SetApplicationHelpFile(dir.File("TAVI.HLP"));
  }
  void TearDown() override {
    CloseHelpWindow();
    SetApplicationHelpFile(QString());
  }
  QTextBrowser* Browser() const { return HelpWindow()->findChild<QTextBrowser*>("Browser"); }
  tTempDir dir;
};

TEST_F(Help, ContextsOpenTheirPages) {
  const struct {
    int context;
    const char* page;
    const char* title;
  } topics[] = {{1, "1.html", "Das Hauptfenster"},
                {1200, "1200.html", "Amortisations-Grafik"},
                {2000, "2000.html", "Amortisationsrechnung"},
                {4000, "4000.html", "Firmendaten"},
                {61200, "61200.html", "Drucker einrichten"},
                {0, "index.html", "Inhalt"},
                {77, "index.html", "Inhalt"}};
  for (const auto& t : topics) {
    ShowHelpTopic(t.context);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());
    EXPECT_TRUE(HelpWindowSource().endsWith(QString("/") + t.page)) << HelpWindowSource().toStdString();
    EXPECT_EQ(Browser()->documentTitle(), QString::fromUtf8(t.title));
    EXPECT_GT(Browser()->toPlainText().size(), 300);
  }
  QWidget* window = HelpWindow();
  ShowHelpContents();
  EXPECT_EQ(HelpWindow(), window);  // one window, reused
  EXPECT_TRUE(HelpWindowSource().endsWith("/index.html"));
}

TEST_F(Help, EveryLinkLeadsSomewhere) {
  const QDir help(dir.File("TAVI.HLP"));
  const QStringList pages = help.entryList({"*.html"});
  ASSERT_GE(pages.size(), 7);
  const QRegularExpression href("href=\"([^\"]+)\"");
  for (const QString& page : pages) {
    QFile f(help.filePath(page));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    for (auto it = href.globalMatch(html); it.hasNext();) {
      const QString target = it.next().captured(1);
      if (target.startsWith("mailto:")) continue;
      const QString file = target.section('#', 0, 0);
      const QString anchor = target.section('#', 1);
      const QString path = help.filePath(file.isEmpty() ? page : file);
      ASSERT_TRUE(QFile::exists(path)) << page.toStdString() << " -> " << target.toStdString();
      if (!anchor.isEmpty()) {
        QFile t(path);
        ASSERT_TRUE(t.open(QIODevice::ReadOnly));
        EXPECT_TRUE(t.readAll().contains(QString("name=\"%1\"").arg(anchor).toUtf8()))
            << page.toStdString() << " -> " << target.toStdString();
      }
    }
  }
}

TEST_F(Help, OpensOverTheModalDialogThatAsks) {
  QDialog dialog;
  tModalDriver driver;
  QWidget* parent = nullptr;
  driver.Then([&](QWidget* modal) {
    ShowHelpTopic(4000);
    parent = HelpWindow()->parentWidget();
    tModalDriver::Dismiss(modal);
  });
  dialog.exec();
  EXPECT_EQ(parent, &dialog);
  // Asked again from the main loop, the window stands on its own.
  ShowHelpTopic(1);
  EXPECT_EQ(HelpWindow()->parentWidget(), nullptr);
}

TEST_F(Help, MissingHelpIsReported) {
  SetApplicationHelpFile(dir.File("FEHLT.HLP"));
  tModalDriver driver;
  driver.ThenClick("Btn2");
  ShowHelpTopic(1);
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Text, "Die Hilfedatei " + dir.File("FEHLT.HLP") + " wurde nicht gefunden.");
}

}  // namespace
