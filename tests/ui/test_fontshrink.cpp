// Smaller fonts for a window too large for its screen, and back.
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include "fontshrink.h"

namespace {

TEST(FontShrink, ScalesTheWindowAndOwnSizesAndPutsBackWhatNobodyChanged) {
  QWidget window;
  QFont font = window.font();
  font.setPointSizeF(10);
  window.setFont(font);
  auto* follows = new QLabel(&window);
  auto* own = new QLabel(&window);
  QFont big = own->font();
  big.setPointSizeF(20);
  own->setFont(big);
  auto* bold = new QLabel(&window);  // a font of its own, but not its size
  QFont b = bold->font();
  b.setBold(true);
  bold->setFont(b);

  tFontShrink shrink;
  for (const qreal factor : {0.8, 0.5}) {  // each from the originals
    shrink.Apply(&window, factor);
    EXPECT_DOUBLE_EQ(follows->font().pointSizeF(), 10 * factor);
    EXPECT_DOUBLE_EQ(own->font().pointSizeF(), 20 * factor);
    EXPECT_DOUBLE_EQ(bold->font().pointSizeF(), 10 * factor);
    EXPECT_TRUE(bold->font().bold());
  }
  big.setPointSizeF(14);  // changed meanwhile: the new original
  own->setFont(big);
  shrink.Restore();
  EXPECT_DOUBLE_EQ(window.font().pointSizeF(), 10);
  EXPECT_DOUBLE_EQ(own->font().pointSizeF(), 14);
  shrink.Apply(&window, 0.5);
  EXPECT_DOUBLE_EQ(own->font().pointSizeF(), 7);
}

}  // namespace
