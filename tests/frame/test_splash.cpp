// The start-up picture: the frame sequence, the blend arithmetic, the
// window and the failures of ShowSplash.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "edevexception.h"
#include "modaldriver.h"
#include "splash.h"

namespace {

TEST(SplashFrames, Sequences) {
  const std::vector<int> three = SplashFrameSequence(3);
  ASSERT_EQ(three.size(), 34u);
  EXPECT_EQ(three[0], 100);
  EXPECT_EQ(three[1], 97);
  EXPECT_EQ(three[31], 7);
  EXPECT_EQ(three[32], 4);
  EXPECT_EQ(three[33], 0);  // 0 instead of 1
  EXPECT_EQ(SplashFrameSequence(100), (std::vector<int>{100, 0}));
  EXPECT_EQ(SplashFrameSequence(4).size(), 26u);  // the start-up values
  EXPECT_EQ(SplashFrameSequence(1).size(), 101u);
  EXPECT_EQ(SplashFrameSequence(7).back(), 0);
  EXPECT_EQ(SplashFrameSequence(7)[13], 9);
  EXPECT_EQ(SplashFrameSequence(7).size(), 15u);
}

TEST(SplashFrames, InvalidStep) {
  for (int step : {0, 101, -5}) {
    try {
      SplashFrameSequence(step);
      ADD_FAILURE() << "step " << step;
    } catch (const EDevException& e) {
      EXPECT_EQ(e.Message(), "Ungültiger Parameter (Abstand).");
      EXPECT_EQ(e.Location(), "tDlgMORLAKSplash.ShowBackgrndBmps");
    }
  }
}

TEST(SplashBlend, Bytes) {
  EXPECT_EQ(BlendSplashByte(200, 100, 50), 150);
  EXPECT_EQ(BlendSplashByte(200, 100, 4), 104);
  EXPECT_EQ(BlendSplashByte(200, 100, 100), 200);
  EXPECT_EQ(BlendSplashByte(200, 100, 0), 100);
  EXPECT_EQ(BlendSplashByte(255, 0, 33), 84);  // 84.15: integer division
  EXPECT_EQ(BlendSplashByte(0, 255, 1), 252);
}

TEST(SplashBlend, EveryByteOfEveryRowDespitePadding) {
  // Width 5: 15 colour bytes in rows of 16 bytes.
  QImage desktop(5, 3, QImage::Format_RGB888), logo(5, 3, QImage::Format_RGB888);
  desktop.fill(QColor(200, 10, 0));
  logo.fill(QColor(100, 250, 255));
  QImage out;
  BlendSplashImages(desktop, logo, 50, out);
  ASSERT_EQ(out.size(), QSize(5, 3));
  ASSERT_EQ(out.format(), QImage::Format_RGB888);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(out.pixelColor(x, y), QColor(150, 130, 127)) << x << "," << y;
}

QImage Solid(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

TEST(SplashWindow, CentredLogoSizedAndFadesFromDesktopToLogo) {
  tDlgMORLAKSplash splash(Solid(QSize(250, 250), QColor(0, 0, 128)));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(splash.WndRect(), QRect((screen.width() - 250) / 2, (screen.height() - 250) / 2, 250, 250));
  EXPECT_EQ(splash.DesktopBmp().size(), QSize(250, 250));
  EXPECT_EQ(splash.BackgrndBmp(), splash.DesktopBmp());
  std::vector<int> ps;
  QImage first, last;
  splash.OnFrame = [&](int p, const QImage& frame) {
    ps.push_back(p);
    if (p == 100) first = frame;
    if (p == 0) last = frame;
  };
  splash.show();
  EXPECT_EQ(splash.geometry(), splash.WndRect());
  splash.ShowBackgrndBmps(50, 0);
  EXPECT_EQ(ps, (std::vector<int>{100, 50, 0}));
  EXPECT_EQ(first, splash.DesktopBmp());
  EXPECT_EQ(last, splash.Logo());
}

TEST(SplashWindow, ShippedLogo) {
  tDlgMORLAKSplash splash;
  EXPECT_EQ(splash.Logo().size(), QSize(250, 250));
  EXPECT_EQ(splash.Logo().format(), QImage::Format_RGB888);
}

TEST(SplashWindow, MissingLogo) {
  try {
    tDlgMORLAKSplash splash{QImage()};
    FAIL();
  } catch (const EDevException& e) {
    EXPECT_EQ(e.Message(), "Interner Fehler: Logo wurde nicht initialisiert.");
    EXPECT_EQ(e.Location(), "tDlgMORLAKSplash.GetWndRect");
  }
}

bool SplashWindowLeft() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "tDlgMORLAKSplash") return true;
  return false;
}

TEST(ShowSplash, InvalidStepIsReportedAndEverythingRestored) {
  for (int step : {0, 101}) {
    tModalDriver driver;
    bool splashGone = false;
    driver.Then([&](QWidget* dialog) {
      splashGone = !SplashWindowLeft();
      tModalDriver::Click(dialog, "Btn2");
    });
    ShowSplash(step, 0, 0);
    ASSERT_EQ(driver.Seen().size(), 1);
    EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Anzeigen des Startbildschirms.\nUngültiger Parameter (Abstand).");
    EXPECT_TRUE(splashGone);  // the window went before the message came
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
}

TEST(ShowSplash, RunsThroughAndCleansUp) {
  tModalDriver driver;
  ShowSplash(100, 0, 0);
  ShowSplash(34, 1, -5);  // a negative hold is no hold
  EXPECT_TRUE(driver.Seen().isEmpty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(SplashWindowLeft());
}

}  // namespace
