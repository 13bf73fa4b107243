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
                {"TBUSERDATA", 16, false}, {"TBHELP", 16, false},          {"TBINFO", 16, false}};
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

TEST(AppImages, UnknownNames) {
  EXPECT_TRUE(AppImage("MORLAK").isNull());
  EXPECT_TRUE(AppImagePath("morlaklogo").isEmpty());  // names are exact
  EXPECT_FALSE(AppImageSize("X").isValid());
  EXPECT_TRUE(AppIcon("X").isNull());
}

}  // namespace
