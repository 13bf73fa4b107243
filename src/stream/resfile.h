// Resource files and the language file.
//
// A resource file holds named objects and an index; its own part may follow
// an executable image or other blocks and starts at a base found by
// scanning. Layout from the base: "FBPR", the size of the resource part
// minus 8 (signed 32-bit), the index position relative to the base (signed
// 32-bit); the objects as object references; the index as a sorted
// collection of (position, size, key) entries read without a class id.
//
// The language file "TAVI.049" holds one object under the key "Strings": a
// string list (class id 52) whose strings are numbered and read from the
// file on demand, so the file stays open while the language is loaded.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "collections.h"

struct tResourceEntry {
  int32_t Pos = 0;   // relative to the base
  int32_t Size = 0;  // bytes of the stored object reference
  std::string Key;   // stored as a short string without translation
  bool operator==(const tResourceEntry& o) const { return Key == o.Key; }
};

// The index: entries sorted by key, no duplicates.
class tResourceIndex : public tSortedCollectionOf<tResourceEntry> {
 public:
  tResourceIndex() : tSortedCollectionOf(16, 16) {}
  int Compare(const tResourceEntry& a, const tResourceEntry& b) const override {
    return CompareLocale1252(a.Key, b.Key);
  }

 protected:
  void PutItem(tObjStream& stream, const tResourceEntry& e) const override;
  tResourceEntry GetItem(tObjStream& stream) override;
};

class tResourceFile {
 public:
  // Opens the resource part that starts at or after the stream's current
  // position. Takes the stream. Without a header the index is empty.
  explicit tResourceFile(std::unique_ptr<tObjStream> stream);
  bool HasHeader() const { return fHeaderFound; }
  int64_t Base() const { return fBase; }
  int32_t IndexPos() const { return fIndexPos; }
  int Count() const { return fIndex.Count(); }
  std::string KeyAt(int i) const { return fIndex.At(i).Key; }
  // The object stored under key, or nullptr (not found or not readable).
  std::unique_ptr<tStreamable> Get(const std::string& key);
  tObjStream& Stream() { return *fStream; }

 private:
  std::unique_ptr<tObjStream> fStream;
  tResourceIndex fIndex;
  int64_t fBase = 0;
  int32_t fIndexPos = 12;
  bool fHeaderFound = false;
};

// Writes a resource part at the stream's current position: header, the
// objects in the given order, the index. The stream's status tells success.
void WriteResourceFile(tObjStream& stream,
                       const std::vector<std::pair<std::string, const tStreamable*>>& objects);

// Numbered strings (class id 52). Stored: size of the string block (unsigned
// 16-bit), the block (runs of short strings in code page 437), the number of
// entries (unsigned 16-bit), then per entry the first string number, the
// number of strings in the run and the run's offset in the block (unsigned
// 16-bit each). A list loaded from a file keeps that file stream (not owned)
// and reads strings from it on demand; loaded from any other stream, or
// copied, it holds the stored block in memory. A loaded list stores its
// stored form unchanged.
class tObjStringList : public tStreamable {
 public:
  struct Entry {
    uint16_t First = 0;
    uint16_t Count = 0;
    uint16_t Offset = 0;
  };

  tObjStringList() = default;
  explicit tObjStringList(EmptyTag) : tStreamable(Empty) {}
  // A list kept in memory (written by Store), for building language files.
  explicit tObjStringList(std::map<uint16_t, std::string> strings1252);

  uint16_t GetClassID() const override { return 52; }
  std::string ClassName() const override { return "tObjStringList"; }
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;
  // A copy held in memory (a loaded list refers to its stream).
  std::unique_ptr<tStreamable> Clone() const override;

  // String n as Windows-1252 bytes; "" when no run holds n.
  std::string Get(uint16_t n) const;
  const std::vector<Entry>& Entries() const { return fEntries; }

 private:
  // Up to count bytes of the stored block from offset (fewer at its end).
  std::string BlockBytes(int64_t offset, int64_t count) const;

  std::vector<Entry> fEntries;
  bool fStored = false;           // loaded (or a copy of a loaded list)
  tObjStream* fStream = nullptr;  // the file the block is read from (not owned)
  int64_t fBlockPos = 0;
  uint16_t fBlockSize = 0;
  std::string fBlock;                       // the block held in memory (437)
  std::map<uint16_t, std::string> fMemory;  // a list built in memory
};

// The program's language strings. LoadLanguageFile releases any loaded file,
// opens the named one (read-only) and fetches "Strings"; when there is none
// it raises EStreamLibError("Fehler beim Öffnen der Sprachdatei") and no
// language is loaded.
void LoadLanguageFile(const std::string& fileName);
void ReleaseLanguageFile();
bool LanguageFileLoaded();
// String n as UTF-8; "" while no language file is loaded.
std::string LanguageString(uint16_t n);
