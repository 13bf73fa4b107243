// The program's pictures come out at their sizes and are really drawn.
#include <gtest/gtest.h>

#include <QSet>

#include "appimages.h"

namespace {

int Colours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return int(colours.size());
}

TEST(AppImages, SizesAndContent) {
  const struct {
    const char* name;
    int side;
    bool opaque;
  } images[] = {{"MORLAKLOGO", 154, true}, {"MORLAKSPLASHLOGO", 250, true}, {"BTNYESTOALL", 16, false},
                {"BTNNOTOALL", 16, false}, {"TBPRINTER", 16, false},       {"TBCALC", 16, false},
                {"TBUSERDATA", 16, false}, {"TBHELP", 16, false},          {"TBINFO", 16, false},
                {"TAVI", 64, false}};
  for (const auto& i : images) {
    const QImage image = AppImage(i.name);
    ASSERT_FALSE(image.isNull()) << i.name;
    EXPECT_EQ(image.size(), QSize(i.side, i.side)) << i.name;
    EXPECT_EQ(AppImageSize(i.name), QSize(i.side, i.side));
    EXPECT_GE(Colours(image), 6) << i.name;  // drawn, not a flat square
    if (i.opaque) {
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255) << i.name;
      EXPECT_EQ(qAlpha(image.pixel(i.side - 1, i.side - 1)), 255) << i.name;
    }
    EXPECT_FALSE(AppIcon(i.name).isNull());
    EXPECT_EQ(AppImage(i.name, QSize(48, 48)).size(), QSize(48, 48));
  }
}

// The program's icon: a square picture that is drawn at every size a window
// manager or a desktop entry asks for, with its rounded corners left clear.
TEST(AppImages, ProgramIconAtEverySize) {
  const QIcon icon = ProgramIcon();
  ASSERT_FALSE(icon.isNull());
  QList<int> sides;
  for (const QSize& size : icon.availableSizes()) {
    EXPECT_EQ(size.width(), size.height());
    sides << size.width();
  }
  EXPECT_EQ(sides, (QList<int>{16, 24, 32, 48, 64, 128, 256}));
  for (int side : {16, 48, 256}) {
    const QImage image = icon.pixmap(side, side).toImage();
    EXPECT_EQ(image.size(), QSize(side, side));
    EXPECT_GE(Colours(image), 6) << side;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << side;                         // corner outside the rounding
    EXPECT_EQ(qAlpha(image.pixel(side / 2, side - 1 - side / 16)), 255) << side;  // the body
  }
}

TEST(AppImages, UnknownNames) {
  EXPECT_TRUE(AppImage("MORLAK").isNull());
  EXPECT_TRUE(AppImagePath("morlaklogo").isEmpty());  // names are exact
  EXPECT_FALSE(AppImageSize("X").isValid());
  EXPECT_TRUE(AppIcon("X").isNull());
}

}  // namespace
