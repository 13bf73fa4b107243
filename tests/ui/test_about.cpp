// The about box.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dlgabout.h"
#include "modaldriver.h"
#include "morlakapp.h"
#include "testenv.h"

namespace {

TEST(AboutBox, LayoutTextsAndOk) {
  tTempDir dir;
  ASSERT_TRUE(CopyLanguageFile(dir));
  QWidget main;
  main.setFont(QFont("DejaVu Sans", 10));
  SetMainWindow(&main);
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    tDlgAbout about(&main);
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.size(), QSize(486, 231));
    EXPECT_EQ(about.LblTitle()->text(), "Amortisationsrechnung");
    EXPECT_TRUE(about.LblContact()->text().contains("MORLAK GmbH"));
    EXPECT_TRUE(about.LblContact()->text().contains("href=\"mailto:" + tDlgAbout::ContactMail() + "\""));
    EXPECT_TRUE(about.LblContact()->openExternalLinks());
    tModalDriver driver;
    QFont title;
    driver.Then([&](QWidget* dialog) {
      title = about.LblTitle()->font();
      tModalDriver::Click(dialog, "BtnOk");
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    // Its own font survives the main window's font.
    EXPECT_EQ(title.family(), "Arial");
    EXPECT_EQ(title.pixelSize(), 27);
    EXPECT_TRUE(title.bold());
    EXPECT_EQ(about.LblContact()->font().family(), "DejaVu Sans");
    const QLabel* sub = about.findChild<QLabel*>("LblSubTitle");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->text(), "für MORLAK-Zeitwirtschaftssysteme");
    EXPECT_EQ(sub->font().pixelSize(), 16);
  }
  SetMainWindow(nullptr);
}

}  // namespace
