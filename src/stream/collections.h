// Collections of the object stream.
//
// A collection keeps count, limit (capacity) and delta (growth step) as
// signed 16-bit values; the limit never exceeds MaxCollectionSize items.
// Stored form: count, limit, delta (2 bytes each), then each item as the
// class's item writer stores it, then whatever the class adds.
//
// Index errors raise EListError("Listenindex außerhalb des gültigen
// Bereichs."), a full collection EListError("Liste kann nicht weiter
// wachsen."). A stored count above the stored limit or above
// MaxCollectionSize fails the load with stBadData and loads no items; a
// count beyond the end of the data fails it with stReadError.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "streamable.h"

constexpr int16_t MaxCollectionSize = 16380;

extern const char* const kListIndexError;
extern const char* const kListOverflowError;
extern const char* const kListUnknownError;

// The generic part of every collection, over an item type.
template <class Item>
class tBasicCollection : public tStreamable {
 public:
  tBasicCollection(int16_t limit, int16_t delta) : fDelta(delta) { SetLimit(limit); }
  explicit tBasicCollection(EmptyTag) : tStreamable(Empty) {}

  int16_t Count() const { return static_cast<int16_t>(fItems.size()); }
  int16_t Limit() const { return fLimit; }
  int16_t Delta() const { return fDelta; }

  const Item& At(int index) const {
    CheckIndex(index);
    return fItems[static_cast<size_t>(index)];
  }
  Item& At(int index) {
    CheckIndex(index);
    return fItems[static_cast<size_t>(index)];
  }
  void AtPut(int index, Item item) { At(index) = std::move(item); }
  void AtInsert(int index, Item item) {
    if (index < 0 || index > Count()) throw EListError(kListIndexError);
    if (Count() == fLimit) {
      SetLimit(static_cast<int>(fLimit) + fDelta);
      if (Count() == fLimit) throw EListError(kListOverflowError);
    }
    fItems.insert(fItems.begin() + index, std::move(item));
  }
  void AtDelete(int index) {
    CheckIndex(index);
    fItems.erase(fItems.begin() + index);
  }
  void FreeAll() { fItems.clear(); }
  // Capacity: at least the count, at most MaxCollectionSize.
  void SetLimit(int limit) {
    if (limit < Count()) limit = Count();
    if (limit > MaxCollectionSize) limit = MaxCollectionSize;
    fLimit = static_cast<int16_t>(limit);
  }
  virtual void Insert(Item item) { AtInsert(Count(), std::move(item)); }

  void Store(tObjStream& stream) const override {
    stream.WriteInt16(Count());
    stream.WriteInt16(fLimit);
    stream.WriteInt16(fDelta);
    for (const Item& item : fItems) PutItem(stream, item);
  }
  void Load(tObjStream& stream) override {
    fItems.clear();
    const int16_t count = stream.ReadInt16();
    const int16_t limit = stream.ReadInt16();
    fDelta = stream.ReadInt16();
    if (stream.GetStatus() != stOk) return;
    if (count < 0 || count > limit || count > MaxCollectionSize) {
      stream.SetStatus(stBadData);
      return;
    }
    SetLimit(limit);
    // Every item takes at least one byte: items beyond the end of the data
    // fail the load (on a memory stream too) instead of being made up.
    fItems.reserve(static_cast<size_t>(std::min<int64_t>(count, stream.Remaining())));
    for (int i = 0; i < count && stream.GetStatus() == stOk; ++i) {
      if (stream.Remaining() <= 0) {
        stream.SetStatus(stReadError);
        return;
      }
      fItems.push_back(GetItem(stream));
    }
  }

 protected:
  virtual void PutItem(tObjStream& stream, const Item& item) const = 0;
  virtual Item GetItem(tObjStream& stream) = 0;
  void CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(kListIndexError);
  }

  std::vector<Item> fItems;
  int16_t fLimit = 0;
  int16_t fDelta = 0;
};

// Items kept in the order of a compare operation. Stored: the collection
// data, then one byte telling whether duplicates are allowed.
template <class Item>
class tSortedCollectionOf : public tBasicCollection<Item> {
  using Base = tBasicCollection<Item>;

 public:
  tSortedCollectionOf(int16_t limit, int16_t delta) : Base(limit, delta) {}
  explicit tSortedCollectionOf(tStreamable::EmptyTag) : Base(tStreamable::Empty) {}

  bool Duplicates = false;

  // -1, 0 or 1 for two items.
  virtual int Compare(const Item& a, const Item& b) const = 0;

  // Binary search. Answers whether an equal item exists; index is where it
  // is (the leftmost one when duplicates are allowed) or would be inserted.
  bool Search(const Item& key, int& index) const {
    int l = 0;
    int h = this->Count() - 1;
    bool found = false;
    while (l <= h) {
      const int i = (l + h) / 2;
      const int c = Compare(this->fItems[static_cast<size_t>(i)], key);
      if (c < 0) {
        l = i + 1;
      } else {
        h = i - 1;
        if (c == 0) {
          found = true;
          if (!Duplicates) l = i;
        }
      }
    }
    index = l;
    return found;
  }
  // Inserts at the search position unless an equal item exists and
  // duplicates are not allowed (then nothing is added).
  void Insert(Item item) override {
    int index = 0;
    if (!Search(item, index) || Duplicates) this->AtInsert(index, std::move(item));
  }
  // Index of an item equal to the given one, or -1. With duplicates the
  // scan goes forward from the search position to the item itself.
  int IndexOf(const Item& item) const {
    int index = 0;
    if (!Search(item, index)) return -1;
    if (Duplicates)
      while (index < this->Count() && !(this->fItems[static_cast<size_t>(index)] == item)) ++index;
    return index < this->Count() ? index : -1;
  }

  void Store(tObjStream& stream) const override {
    Base::Store(stream);
    stream.WriteByte(Duplicates ? 1 : 0);
  }
  void Load(tObjStream& stream) override {
    Base::Load(stream);
    Duplicates = stream.ReadByte(Duplicates ? 1 : 0) != 0;
  }
};

// Streamable objects, owned, stored as object references (id 50). Items may
// be empty (an object reference with id 0).
class tCollection : public tBasicCollection<std::unique_ptr<tStreamable>> {
 public:
  tCollection(int16_t limit = 10, int16_t delta = 10) : tBasicCollection(limit, delta) {}
  explicit tCollection(EmptyTag) : tBasicCollection(Empty) {}
  uint16_t GetClassID() const override { return 50; }
  // The collection's own state, else the first non-zero state of an item.
  uint8_t GetState() const override;
  void ClearState(uint8_t flags) override;  // the items' too
  // The first answer of an item other than -1.
  int32_t Query(int32_t a, int32_t b) override;
  std::string ClassName() const override { return "tCollection"; }

 protected:
  void PutItem(tObjStream& stream, const std::unique_ptr<tStreamable>& item) const override;
  std::unique_ptr<tStreamable> GetItem(tObjStream& stream) override;
};

// Compares two Windows-1252 strings the way a German user expects words in
// a list: letters before case (a < A < b), umlauts beside their base letter.
// Answers -1, 0 or 1; equal only for identical strings.
int CompareLocale1252(const std::string& a, const std::string& b);

// Short strings (1252 bytes), sorted by CompareLocale1252 (id 51).
class tStringCollection : public tSortedCollectionOf<std::string> {
 public:
  tStringCollection(int16_t limit = 10, int16_t delta = 10) : tSortedCollectionOf(limit, delta) {}
  explicit tStringCollection(EmptyTag) : tSortedCollectionOf(Empty) {}
  uint16_t GetClassID() const override { return 51; }
  int Compare(const std::string& a, const std::string& b) const override {
    return CompareLocale1252(a, b);
  }
  std::string ClassName() const override { return "tStringCollection"; }

 protected:
  void PutItem(tObjStream& stream, const std::string& item) const override { stream.WriteStr(item); }
  std::string GetItem(tObjStream& stream) override { return stream.ReadStr(); }
};

// Short strings in insertion order (id 110); search is a linear scan for an
// exactly equal string.
class tStrUnsortedCollection : public tBasicCollection<std::string> {
 public:
  tStrUnsortedCollection(int16_t limit = 10, int16_t delta = 10) : tBasicCollection(limit, delta) {}
  explicit tStrUnsortedCollection(EmptyTag) : tBasicCollection(Empty) {}
  uint16_t GetClassID() const override { return 110; }
  int IndexOf(const std::string& s) const;
  std::string ClassName() const override { return "tStrUnsortedCollection"; }

 protected:
  void PutItem(tObjStream& stream, const std::string& item) const override { stream.WriteStr(item); }
  std::string GetItem(tObjStream& stream) override { return stream.ReadStr(); }
};

// Signed 32-bit integers in insertion order, 4 bytes each (id 53).
class tItemCollection : public tBasicCollection<int32_t> {
 public:
  tItemCollection(int16_t limit = 10, int16_t delta = 10) : tBasicCollection(limit, delta) {}
  explicit tItemCollection(EmptyTag) : tBasicCollection(Empty) {}
  uint16_t GetClassID() const override { return 53; }
  void Add(int32_t value) { Insert(value); }
  void PutAt(int index, int32_t value) { AtPut(index, value); }
  std::string ClassName() const override { return "tItemCollection"; }

 protected:
  void PutItem(tObjStream& stream, const int32_t& item) const override { stream.WriteInt32(item); }
  int32_t GetItem(tObjStream& stream) override { return stream.ReadInt32(); }
};

// tItemCollection with one byte of its own stored before the data (id 54).
class TExItemCollection : public tItemCollection {
 public:
  TExItemCollection(int16_t limit = 10, int16_t delta = 10) : tItemCollection(limit, delta) {}
  explicit TExItemCollection(EmptyTag) : tItemCollection(Empty) {}
  uint16_t GetClassID() const override { return 54; }
  uint8_t ExFlag = 0;
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;
  std::string ClassName() const override { return "TExItemCollection"; }
};

// Signed 32-bit integers sorted numerically, then the duplicates byte (id 121).
class tSortedItemCollection : public tSortedCollectionOf<int32_t> {
 public:
  tSortedItemCollection(int16_t limit = 10, int16_t delta = 10) : tSortedCollectionOf(limit, delta) {}
  explicit tSortedItemCollection(EmptyTag) : tSortedCollectionOf(Empty) {}
  uint16_t GetClassID() const override { return 121; }
  int Compare(const int32_t& a, const int32_t& b) const override { return a < b ? -1 : (a > b ? 1 : 0); }
  std::string ClassName() const override { return "tSortedItemCollection"; }

 protected:
  void PutItem(tObjStream& stream, const int32_t& item) const override { stream.WriteInt32(item); }
  int32_t GetItem(tObjStream& stream) override { return stream.ReadInt32(); }
};

// A growable bit set in blocks of 64 bits (id 120). Bit 0 of a block is the
// top bit of its first byte. Stored: the blocks as collection items of 8
// bytes each, then the number of bits in use (signed 32-bit).
class tMarkierungen : public tBasicCollection<std::array<uint8_t, 8>> {
 public:
  tMarkierungen(int16_t limit = 4, int16_t delta = 4) : tBasicCollection(limit, delta) {}
  explicit tMarkierungen(EmptyTag) : tBasicCollection(Empty) {}
  uint16_t GetClassID() const override { return 120; }

  int32_t BitCount() const { return fBits; }
  // Sets or clears a bit, growing the set when needed (EListError when the
  // blocks would exceed the collection's limit).
  void SetBit(int32_t bit, bool on);
  // False for bits beyond the set.
  bool GetBit(int32_t bit) const;
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;  // bits beyond the blocks: stBadData
  std::string ClassName() const override { return "tMarkierungen"; }

 protected:
  void PutItem(tObjStream& stream, const std::array<uint8_t, 8>& item) const override;
  std::array<uint8_t, 8> GetItem(tObjStream& stream) override;

 private:
  int32_t fBits = 0;
};

// An object without data of its own (id 24500).
class tStreamItem : public tStreamable {
 public:
  tStreamItem() = default;
  explicit tStreamItem(EmptyTag) : tStreamable(Empty) {}
  uint16_t GetClassID() const override { return 24500; }
  std::string ClassName() const override { return "tStreamItem"; }
};
