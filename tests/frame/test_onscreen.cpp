// Keeping windows on the screen: where a window's frame may lie.
#include <gtest/gtest.h>

#include <QWidget>

#include "onscreen.h"

namespace {

TEST(OnScreen, KeepWithinMovesTheFrameOntoTheArea) {
  const QRect area(0, 0, 640, 512);  // 1280 x 1024 at a scale factor of 2
  const QMargins frame(1, 20, 1, 1);
  const struct {
    QRect client;
    QPoint kept;
  } cases[] = {
      {{100, 100, 300, 200}, {100, 100}},  // inside: unchanged
      {{0, 0, 300, 200}, {1, 20}},         // frame beyond the top left
      {{500, 400, 300, 200}, {339, 311}},  // beyond the bottom right
      {{-900, 50, 300, 200}, {1, 50}},
      {{10, 10, 721, 530}, {1, 20}},  // larger than the area: its title bar stays reachable
      {{639, 511, 1, 1}, {638, 510}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.client.x() << "," << c.client.y());
    const QRect kept = KeepWithin(c.client, frame, area);
    EXPECT_EQ(kept.topLeft(), c.kept);
    EXPECT_EQ(kept.size(), c.client.size());
  }
  // An area that does not start at the origin (a panel on the left).
  EXPECT_EQ(KeepWithin(QRect(0, 0, 100, 100), QMargins(), QRect(48, 0, 600, 400)).topLeft(), QPoint(48, 0));
}

TEST(OnScreen, FitAndCentreOnTheScreenOfTheWindow) {
  QWidget window;
  const QRect area = AvailableArea(&window);
  ASSERT_FALSE(area.isEmpty());
  const QMargins frame = FrameMargins(&window);
  const QSize small(area.width() / 2, area.height() / 2);
  EXPECT_EQ(FitOnScreen(&window, small), small);
  const QSize huge(area.width() * 2, area.height() * 2);
  EXPECT_EQ(FitOnScreen(&window, huge), QSize(area.width() - frame.left() - frame.right(),
                                               area.height() - frame.top() - frame.bottom()));
  const QRect centred = CentredOnScreen(&window, small);
  EXPECT_EQ(centred.size(), small);
  EXPECT_NEAR(centred.marginsAdded(frame).center().x(), area.center().x(), 1);
  EXPECT_NEAR(centred.marginsAdded(frame).center().y(), area.center().y(), 1);
  EXPECT_TRUE(area.contains(CentredOnScreen(&window, huge).marginsAdded(frame).topLeft()));

  // Shown, the window's own frame counts.
  window.setGeometry(area.right() - 10, area.bottom() - 10, 200, 100);
  window.show();
  KeepOnScreen(&window);
  EXPECT_TRUE(area.contains(window.frameGeometry()))
      << window.frameGeometry().x() << "," << window.frameGeometry().y();
}

}  // namespace
