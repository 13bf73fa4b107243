// The collection family: stored bytes of each class, sorted search, index
// and growth errors, and loads of stored data that contradicts itself.
#include <gtest/gtest.h>

#include "collections.h"
#include "testutil.h"

using testutil::Hex;
using testutil::HexOf;
using testutil::Unhex;

namespace {

// Puts the object, compares the bytes, reads it back and checks that the
// copy stores the same bytes again.
template <class T>
std::unique_ptr<T> RoundTrip(const T& object, const std::string& expectedHex) {
  tObjMemoryStream m;
  m.Put(&object);
  EXPECT_EQ(HexOf(m), expectedHex);
  m.Seek(0, 0);
  auto back = m.Get();
  EXPECT_EQ(m.GetStatus(), stOk);
  EXPECT_EQ(m.Position(), m.Size());
  auto* typed = dynamic_cast<T*>(back.get());
  EXPECT_NE(typed, nullptr);
  if (!typed) return nullptr;
  tObjMemoryStream again;
  again.Put(typed);
  EXPECT_EQ(HexOf(again), expectedHex);
  back.release();
  return std::unique_ptr<T>(typed);
}

// Loads a collection of class T from raw stored data (without class id).
template <class T>
std::unique_ptr<T> LoadRaw(const std::string& hex, int16_t& status) {
  tObjMemoryStream m(Unhex(hex));
  auto c = std::make_unique<T>(tStreamable::Empty);
  c->Load(m);
  status = m.GetStatus();
  return c;
}

template <class F>
std::string ListError(F f) {
  try {
    f();
  } catch (const EListError& e) {
    return e.what();
  }
  return "no error";
}

class tAntwort : public tStreamItem {
 public:
  explicit tAntwort(int32_t answer) : fAnswer(answer) {}
  int32_t Query(int32_t, int32_t) override { return fAnswer; }

 private:
  int32_t fAnswer;
};

}  // namespace

// ------------------------------------------------------------- stored bytes

TEST(CollectionBytes, ObjectCollectionStoresObjectReferences) {
  tCollection c(5, 3);
  c.Insert(std::make_unique<tStreamItem>());
  c.Insert(nullptr);
  auto numbers = std::make_unique<tItemCollection>(2, 2);
  numbers->Add(7);
  c.Insert(std::move(numbers));
  auto back = RoundTrip(c, "32 00 03 00 05 00 03 00 B4 5F 00 00 35 00 01 00 02 00 02 00 07 00 00 00");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Limit(), 5);
  EXPECT_EQ(back->Delta(), 3);
  EXPECT_NE(dynamic_cast<tStreamItem*>(back->At(0).get()), nullptr);
  EXPECT_EQ(back->At(1), nullptr);
  EXPECT_EQ(dynamic_cast<tItemCollection&>(*back->At(2)).At(0), 7);
}

TEST(CollectionBytes, StringCollectionsStoreShortStrings) {
  tStringCollection sorted;
  for (const char* s : {"b", "\xC4", "a", "A"}) sorted.Insert(s);
  // Sorted a < A < Ä < b, Ä stored as 437 byte 8E, then the duplicates byte.
  RoundTrip(sorted, "33 00 04 00 0A 00 0A 00 01 61 01 41 01 8E 01 62 00");

  tStrUnsortedCollection unsorted(2, 1);
  for (const char* s : {"b", "", "b"}) unsorted.Insert(s);
  auto back = RoundTrip(unsorted, "6E 00 03 00 03 00 01 00 01 62 00 01 62");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->IndexOf("b"), 0);
  EXPECT_EQ(back->IndexOf(""), 1);
  EXPECT_EQ(back->IndexOf("B"), -1);
}

TEST(CollectionBytes, IntegerCollectionsStoreFourBytesEach) {
  tItemCollection items;
  items.Add(1);
  items.Add(-1);
  RoundTrip(items, "35 00 02 00 0A 00 0A 00 01 00 00 00 FF FF FF FF");

  TExItemCollection ex(1, 4);
  ex.ExFlag = 9;
  ex.Add(258);
  auto back = RoundTrip(ex, "36 00 09 01 00 01 00 04 00 02 01 00 00");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->ExFlag, 9);

  tSortedItemCollection sorted;
  sorted.Insert(5);
  sorted.Insert(-3);
  RoundTrip(sorted, "79 00 02 00 0A 00 0A 00 FD FF FF FF 05 00 00 00 00");
}

TEST(CollectionBytes, MarksStoreBlocksOf64BitsTopBitFirst) {
  tMarkierungen marks;
  marks.SetBit(0, true);
  marks.SetBit(9, true);
  marks.SetBit(70, true);
  marks.SetBit(71, true);
  marks.SetBit(71, false);
  EXPECT_EQ(marks.BitCount(), 72);
  auto back = RoundTrip(marks,
                        "78 00 02 00 04 00 04 00 80 40 00 00 00 00 00 00 02 00 00 00 00 00 00 00 48 00 00 00");
  ASSERT_NE(back, nullptr);
  for (int bit : {0, 9, 70}) EXPECT_TRUE(back->GetBit(bit)) << bit;
  for (int bit : {-1, 1, 8, 64, 71, 72, 500}) EXPECT_FALSE(back->GetBit(bit)) << bit;
}

// ------------------------------------------------------------ sorted search

TEST(SortedSearch, DuplicatesDecideBetweenFirstMetAndLeftmost) {
  tSortedItemCollection c;
  c.Duplicates = true;
  for (int v : {3, 1, 3, 5, 3}) c.Insert(v);
  ASSERT_EQ(c.Count(), 5);  // 1 3 3 3 5
  int index = -1;
  EXPECT_TRUE(c.Search(3, index));
  EXPECT_EQ(index, 1);  // leftmost equal
  EXPECT_EQ(c.IndexOf(3), 1);
  EXPECT_EQ(c.IndexOf(4), -1);

  c.Duplicates = false;
  EXPECT_TRUE(c.Search(3, index));
  EXPECT_EQ(index, 2);  // the first equal one the search meets
  c.Insert(5);
  EXPECT_EQ(c.Count(), 5);  // equal key, no duplicates: nothing added

  EXPECT_FALSE(c.Search(4, index));
  EXPECT_EQ(index, 4);
  EXPECT_FALSE(c.Search(0, index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(c.Search(9, index));
  EXPECT_EQ(index, 5);
  c.Insert(4);
  EXPECT_EQ(c.At(4), 4);
}

TEST(SortedSearch, StringsFollowTheGermanOrder) {
  tStringCollection c;
  for (const char* s : {"Zahl", "\xC4pfel", "apfel", "Apfel", "Arm", "\xE4rger", "Ende"}) c.Insert(s);
  std::vector<std::string> order;
  for (int i = 0; i < c.Count(); ++i) order.push_back(c.At(i));
  EXPECT_EQ(order, (std::vector<std::string>{"apfel", "Apfel", "\xC4pfel", "\xE4rger", "Arm", "Ende", "Zahl"}));
  int index = -1;
  EXPECT_TRUE(c.Search("Arm", index));
  EXPECT_EQ(index, 4);
  EXPECT_FALSE(c.Search("arm", index));
  EXPECT_EQ(index, 4);
  EXPECT_EQ(CompareLocale1252("Stra\xDF" "e", "Strasse"), 1);  // ß sorts as ss, then after it
  EXPECT_EQ(CompareLocale1252("a", "a"), 0);
}

// ------------------------------------------------------- index and growth

TEST(CollectionErrors, IndexOutsideTheItems) {
  tItemCollection c;
  c.Add(1);
  const std::string indexError = "Listenindex außerhalb des gültigen Bereichs.";
  EXPECT_EQ(ListError([&] { c.At(-1); }), indexError);
  EXPECT_EQ(ListError([&] { c.At(1); }), indexError);
  EXPECT_EQ(ListError([&] { c.PutAt(1, 5); }), indexError);
  EXPECT_EQ(ListError([&] { c.AtInsert(2, 5); }), indexError);
  EXPECT_EQ(ListError([&] { c.AtDelete(1); }), indexError);
  EXPECT_EQ(ListError([&] { tMarkierungen().SetBit(-1, true); }), indexError);
  c.PutAt(0, 6);
  EXPECT_EQ(c.At(0), 6);
}

TEST(CollectionErrors, GrowthByDeltaUpToTheLimit) {
  tItemCollection grows(1, 3);
  grows.Add(1);
  grows.Add(2);
  EXPECT_EQ(grows.Limit(), 4);

  tItemCollection fixed(2, 0);
  fixed.Add(1);
  fixed.Add(2);
  EXPECT_EQ(ListError([&] { fixed.Add(3); }), "Liste kann nicht weiter wachsen.");
  EXPECT_EQ(fixed.Count(), 2);

  tItemCollection full(20000, 100);
  EXPECT_EQ(full.Limit(), MaxCollectionSize);
  for (int i = 0; i < MaxCollectionSize; ++i) full.Add(i);
  EXPECT_EQ(ListError([&] { full.Add(0); }), "Liste kann nicht weiter wachsen.");

  tMarkierungen marks(1, 1);
  EXPECT_EQ(ListError([&] { marks.SetBit(64 * MaxCollectionSize, true); }), "Liste kann nicht weiter wachsen.");
  EXPECT_FALSE(marks.GetBit(64 * MaxCollectionSize));
}

// ---------------------------------------------------------- broken data

TEST(CollectionLoad, SelfContradictingCountsLoadNothing) {
  int16_t status = 0;
  for (const char* hex : {"03 00 02 00 00 00 01 00 00 00 02 00 00 00 03 00 00 00",  // count above limit
                          "FD 3F FD 3F 00 00",                                      // 16381 items
                          "FF FF 05 00 00 00"}) {                                   // negative count
    auto c = LoadRaw<tItemCollection>(hex, status);
    EXPECT_EQ(status, stBadData) << hex;
    EXPECT_EQ(c->Count(), 0) << hex;
  }
  // A limit above the maximum is cut to it.
  auto c = LoadRaw<tItemCollection>("01 00 20 4E 00 00 2A 00 00 00", status);
  EXPECT_EQ(status, stOk);
  EXPECT_EQ(c->Limit(), MaxCollectionSize);
  EXPECT_EQ(c->At(0), 42);
  // Marks claiming more bits than their blocks hold.
  auto m = LoadRaw<tMarkierungen>("01 00 01 00 00 00 FF 00 00 00 00 00 00 00 41 00 00 00", status);
  EXPECT_EQ(status, stBadData);
  EXPECT_EQ(m->BitCount(), 0);
}

// A count larger than the data that follows must not conjure up items, nor
// the memory for them, out of nothing.
TEST(CollectionLoad, ItemsBeyondTheEndOfTheDataFail) {
  int16_t status = 0;
  auto c = LoadRaw<tStringCollection>("7C 3F 7C 3F 00 00 01 61", status);
  EXPECT_EQ(status, stReadError);
  EXPECT_LE(c->Count(), 1);
  auto items = LoadRaw<tCollection>("02 00 02 00 00 00 B4 5F", status);
  EXPECT_EQ(status, stReadError);
}

TEST(CollectionState, StateAndQueryLookAtTheItems) {
  tCollection c;
  c.Insert(nullptr);
  c.Insert(std::make_unique<tAntwort>(-1));
  c.Insert(std::make_unique<tAntwort>(17));
  c.Insert(std::make_unique<tAntwort>(4));
  EXPECT_EQ(c.Query(0, 0), 17);
  EXPECT_EQ(c.GetState(), 0);
  c.At(3)->SetState(0x06);
  c.At(2)->SetState(0x01);
  EXPECT_EQ(c.GetState(), 0x01);  // the first item with a state
  c.SetState(0x10);
  EXPECT_EQ(c.GetState(), 0x10);  // the collection's own first
  c.ClearState(0x13);
  EXPECT_EQ(c.GetState(), 0x04);  // bit 2 stays
  EXPECT_EQ(c.At(2)->GetState(), 0);
}
