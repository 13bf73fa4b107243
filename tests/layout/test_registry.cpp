// A program that reaches the layout library only through what Get answers
// (one cast, no constructor, no call): the six classes are registered all
// the same, because they register from the unit every layout class needs.
#include <gtest/gtest.h>

#include "commandlist.h"
#include "testutil.h"

TEST(Registry, AProgramThatOnlyLoadsFindsEveryLayoutClassRegistered) {
  // A list of one command of each class, every field 0.
  std::string hex = "C1 5D 05 00 05 00 01 00";
  const std::pair<const char*, int> items[] = {{"C2 5D", 9}, {"C3 5D", 15}, {"C4 5D", 16}, {"C5 5D", 16}, {"C6 5D", 9}};
  for (const auto& [id, zeros] : items) {
    hex += std::string(" ") + id;
    for (int i = 0; i < zeros; ++i) hex += " 00";
  }
  hex += " 00 00 00 00 00 00";
  tObjMemoryStream in(testutil::Unhex(hex));
  const std::unique_ptr<tStreamable> object = in.Get();
  ASSERT_EQ(in.GetStatus(), stOk);
  const auto* list = dynamic_cast<const TCommandList*>(object.get());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 5);
  const char* names[] = {"TBoxCommand", "TLabelCommand", "TRotLabelCommand", "TDataCommand", "TDrawObjectCommand"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list->At(i)->ClassName(), names[i]);
  EXPECT_EQ(in.Remaining(), 0);
}
