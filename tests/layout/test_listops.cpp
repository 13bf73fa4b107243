// The list operations of print time: bounds, moving, scaling, binding the
// data handler.
#include <gtest/gtest.h>

#include <array>

#include "boxcommand.h"
#include "commandlist.h"
#include "datacommand.h"
#include "drawobjectcommand.h"
#include "labelcommand.h"
#include "layouterrors.h"
#include "rotlabelcommand.h"

namespace {

template <class T = TBoxCommand>
T& Add(TCommandList& list, int16_t left, int16_t top, int16_t width = 1, int16_t height = 1) {
  auto command = std::make_unique<T>();
  command->Left = left;
  command->Top = top;
  command->Width = width;
  command->Height = height;
  T& ref = *command;
  list.Add(std::move(command));
  return ref;
}

std::array<int, 4> Rect(const TCommand& c) { return {c.Left, c.Top, c.Width, c.Height}; }

TEST(ListBounds, AnEmptyListAnswersMinusOneAndIsNotScaled) {
  TCommandList list;
  EXPECT_EQ(list.MinLeft(), -1);
  EXPECT_EQ(list.MaxRight(), -1);
  EXPECT_EQ(list.MinTop(), -1);
  EXPECT_EQ(list.MaxBottom(), -1);
  const std::array<int32_t, 2> sizes{1800, 2970};
  EXPECT_EQ(list.ScaleTo(2, sizes, 1), 0);
  EXPECT_NO_THROW(list.MoveOrigin(0, 260));
}

TEST(ListBounds, TheFirstCommandCountsLikeEveryOther) {
  TCommandList list;
  Add(list, 5, 7, 100, 200);  // the extremes all come from the first command
  Add(list, 10, 20, 50, 50);
  Add(list, 30, 9, 10, 10);
  EXPECT_EQ(list.MinLeft(), 5);
  EXPECT_EQ(list.MinTop(), 7);
  EXPECT_EQ(list.MaxRight(), 104);
  EXPECT_EQ(list.MaxBottom(), 206);

  TCommandList last;
  Add(last, 10, 20, 50, 50);
  Add(last, -3, -4, 300, 400);
  EXPECT_EQ(last.MinLeft(), -3);
  EXPECT_EQ(last.MinTop(), -4);
  EXPECT_EQ(last.MaxRight(), 296);
  EXPECT_EQ(last.MaxBottom(), 395);

  // The right and bottom bounds start at -1.
  TCommandList left;
  Add(left, -20, -20, 5, 5);
  EXPECT_EQ(left.MaxRight(), -1);
  EXPECT_EQ(left.MaxBottom(), -1);
}

TEST(ListMove, MoveOriginKeepsTheShape) {
  TCommandList list;
  TCommand& a = Add(list, 10, 40);
  TCommand& b = Add(list, 30, 20);
  list.MoveOrigin(0, 260);
  EXPECT_EQ(Rect(a), (std::array<int, 4>{0, 280, 1, 1}));
  EXPECT_EQ(Rect(b), (std::array<int, 4>{20, 260, 1, 1}));
}

TEST(ListMove, CoordinatesPushedBeyondSixteenBitsStopAtTheEdge) {
  TCommandList list;
  TCommand& a = Add(list, 0, 0);
  TCommand& b = Add(list, 30000, -30000);
  list.MoveOrigin(10000, -10000);
  EXPECT_EQ(a.Left, 10000);
  EXPECT_EQ(b.Left, 32767);
  EXPECT_EQ(a.Top, 20000);
  EXPECT_EQ(b.Top, -10000);
}

TEST(ListScale, ScaleToAPageOfTheOverview) {
  TCommandList list;
  TCommand& frame = Add(list, 0, 0, 600, 900);  // MaxRight 599, MaxBottom 899
  auto& label = Add<TLabelCommand>(list, 100, 200, 50, 20);
  label.FontHeight = -13;
  const std::array<int32_t, 2> sizes{1800, 2970};
  // fx = 1800 / 599 = 3.00501, fy = 2970 / 899 = 3.30367, f = fx.
  EXPECT_EQ(list.ScaleTo(2, sizes, 1), 2);
  EXPECT_EQ(Rect(frame), (std::array<int, 4>{0, 0, 1803, 2973}));
  EXPECT_EQ(Rect(label), (std::array<int, 4>{301, 661, 150, 66}));
  EXPECT_EQ(label.FontHeight, -39 + 9);
}

TEST(ListScale, EachModeScalesItsAxesAndTheFontsByTheSmallerFactor) {
  struct Case {
    int mode;
    std::array<int32_t, 2> sizes;
    std::array<int, 4> rect;
    int fontHeight;
  };
  // A layout with MaxRight 200 and MaxBottom 100, a label of font -20.
  const Case cases[] = {
      {0, {400, 0}, {20, 10, 380, 90}, -20 + 3},    // fx = 2, fy = 1: f = 1
      {1, {300, 0}, {10, 30, 190, 270}, -20 + 3},   // fx = 1, fy = 3: f = 1
      {1, {50, 0}, {10, 5, 190, 45}, -10 + 2},      // fy = 0.5: f = 0.5, 1.5 to the even 2
      {2, {400, 300}, {20, 30, 380, 270}, -40 + 6}, // f = fx = 2
      {2, {100, 300}, {5, 30, 95, 270}, -10 + 2},   // f = fx = 0.5
  };
  for (const Case& c : cases) {
    TCommandList list;
    Add(list, 0, 0, 201, 101);
    auto& label = Add<TLabelCommand>(list, 10, 10, 190, 90);
    label.FontHeight = -20;
    EXPECT_EQ(list.ScaleTo(c.mode, c.sizes, 1), 2);
    EXPECT_EQ(Rect(label), c.rect) << c.mode << " " << c.sizes[0];
    EXPECT_EQ(label.FontHeight, c.fontHeight) << c.mode << " " << c.sizes[0];
  }
}

TEST(ListScale, HalvesRoundToTheEvenNeighbour) {
  TCommandList list;
  Add(list, 0, 0, 101, 1);  // MaxRight 100: fx = 0.5 for a size of 50
  TCommand& one = Add(list, 1, 0, 3, 1);
  TCommand& five = Add(list, 5, 0, 7, 1);
  TCommand& minus = Add(list, -3, 0, -5, 1);
  auto& label = Add<TLabelCommand>(list, 0, 0, 1, 1);
  auto& vertical = Add<TRotLabelCommand>(list, 0, 0, 1, 1);
  auto& field = Add<TDataCommand>(list, 0, 0, 1, 1);
  label.FontHeight = -13;     // -6.5 -> -6, 3 * 0.5 = 1.5 -> 2
  vertical.FontHeight = -11;  // -5.5 -> -6
  field.FontHeight = -19;     // -9.5 -> -10
  const std::array<int32_t, 1> sizes{50};
  list.ScaleTo(0, sizes, 0);
  EXPECT_EQ(one.Left, 0);
  EXPECT_EQ(one.Width, 2);
  EXPECT_EQ(five.Left, 2);
  EXPECT_EQ(five.Width, 4);
  EXPECT_EQ(minus.Left, -2);
  EXPECT_EQ(minus.Width, -2);
  EXPECT_EQ(label.FontHeight, -4);
  EXPECT_EQ(vertical.FontHeight, -4);
  EXPECT_EQ(field.FontHeight, -8);
}

TEST(ListScale, ResultsBeyondSixteenBitsStopAtTheEdge) {
  TCommandList list;
  TCommand& far = Add(list, 20000, 0, 1, 1);  // MaxRight 20000
  TCommand& back = Add(list, -20000, 0, 1, 1);
  auto& label = Add<TLabelCommand>(list, 0, 0, 1, 11);  // MaxBottom 10
  label.FontHeight = -30000;
  const std::array<int32_t, 2> sizes{60000, 30};  // fx = fy = 3
  list.ScaleTo(2, sizes, 1);
  EXPECT_EQ(far.Left, 32767);
  EXPECT_EQ(back.Left, -32768);
  EXPECT_EQ(far.Width, 3);
  EXPECT_EQ(label.Height, 33);
  EXPECT_EQ(label.FontHeight, -32768);
}

TEST(ListScale, ZeroExtentRaisesTheDivisionErrorAndChangesNothing) {
  const std::array<int32_t, 2> sizes{1800, 2970};
  // Right bound 0 (modes 0 and 2) or bottom bound 0 (modes 1 and 2).
  const std::array<int, 5> cases[] = {
      {0, 0, 5, 1, 1}, {1, 5, 0, 1, 1}, {2, 0, 0, 1, 1}, {2, 5, 0, 10, 1}, {2, 0, 5, 1, 10}};
  for (const auto& [mode, left, top, width, height] : cases) {
    TCommandList list;
    TCommand& c = Add(list, left, top, width, height);
    try {
      list.ScaleTo(mode, sizes, 1);
      ADD_FAILURE() << "no error in mode " << mode;
    } catch (const EZeroDivide& e) {
      EXPECT_STREQ(e.what(), "Gleitkommadivision durch Null.");
    }
    EXPECT_EQ(Rect(c), (std::array<int, 4>{left, top, width, height})) << mode;
  }
}

TEST(ListScale, UnknownModesAndMissingSizesAreRefused) {
  TCommandList list;
  TCommand& c = Add(list, 5, 5, 10, 10);
  const std::array<int32_t, 2> sizes{100, 200};
  EXPECT_THROW(list.ScaleTo(3, sizes, 1), ELayoutArgument);
  EXPECT_THROW(list.ScaleTo(-1, sizes, 1), ELayoutArgument);
  EXPECT_THROW(list.ScaleTo(2, sizes, 2), ELayoutArgument);
  EXPECT_THROW(list.ScaleTo(0, std::span<const int32_t>(), 0), ELayoutArgument);
  EXPECT_EQ(Rect(c), (std::array<int, 4>{5, 5, 10, 10}));
  EXPECT_EQ(list.ScaleTo(1, std::span<const int32_t>(sizes).first(1), 7), 1);  // the index serves mode 2 only
}

TEST(ListData, SetDataHandlerBindsAndUnbindsOnlyTheDataFields) {
  TCommandList list;
  auto& first = Add<TDataCommand>(list, 0, 0);
  auto& label = Add<TLabelCommand>(list, 0, 0);
  auto& second = Add<TDataCommand>(list, 0, 0);
  int calls = 0;
  list.SetDataHandler([&calls](const QString&, int16_t, QString&) { ++calls; });
  EXPECT_TRUE(first.OnData);
  EXPECT_TRUE(second.OnData);
  EXPECT_FALSE(label.OnGetText);
  list.SetDataHandler(nullptr);
  EXPECT_FALSE(first.OnData);
  EXPECT_FALSE(second.OnData);
}

}  // namespace
