// Resource files and the language file: writing and reading back, scanning
// for the resource part behind other blocks, broken headers, the string
// list and the program's language strings.
#include <gtest/gtest.h>

#include <dirent.h>

#include <cstring>
#include <fstream>

#include "collections.h"
#include "resfile.h"
#include "testutil.h"

using testutil::Hex;
using testutil::HexOf;
using testutil::TempDir;
using testutil::Unhex;

namespace {

const std::map<uint16_t, std::string> kStrings = {
    {1, "Gr\xF6\xDF" "e"}, {2, "Ma\xDF"}, {3, ""}, {10, "zehn"}};

// Writes prefix, then a resource part with the given objects.
void WriteResources(const std::string& name, const std::string& prefix,
                    const std::vector<std::pair<std::string, const tStreamable*>>& objects) {
  tObjFileStream out(name, tObjFileStream::fmCreate);
  out.Write(prefix.data(), static_cast<int32_t>(prefix.size()));
  WriteResourceFile(out, objects);
  ASSERT_EQ(out.GetStatus(), stOk);
}

void WriteLanguage(const std::string& name, const std::map<uint16_t, std::string>& strings = kStrings) {
  const tObjStringList list(strings);
  WriteResources(name, "", {{"Strings", &list}});
}

tResourceFile Open(const std::string& name) { return tResourceFile(std::make_unique<tObjFileStream>(name, 0)); }

std::string LanguageError(const std::string& name) {
  try {
    LoadLanguageFile(name);
  } catch (const EStreamLibError& e) {
    return e.what();
  }
  return "no error";
}

int OpenFiles() {
  int n = 0;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (readdir(d)) ++n;
    closedir(d);
  }
  return n;
}

std::string PutBytes(const tStreamable& object) {
  tObjMemoryStream m;
  m.Put(&object);
  return m.Bytes();
}

}  // namespace

// ------------------------------------------------------------ resource file

TEST(ResourceFile, WrittenObjectsReadBackByKey) {
  TempDir dir;
  const std::string name = dir.File("res.dat");
  tItemCollection numbers;
  numbers.Add(1);
  numbers.Add(2);
  const tObjStringList strings(kStrings);
  tStreamItem item;
  WriteResources(name, "", {{"Zahlen", &numbers}, {"Strings", &strings}, {"Anfang", &item}});

  const std::string file = testutil::ReadFile(name);
  ASSERT_GT(file.size(), 12u);
  EXPECT_EQ(file.substr(0, 4), "FBPR");
  int32_t size = 0, indexPos = 0;
  std::memcpy(&size, file.data() + 4, 4);
  std::memcpy(&indexPos, file.data() + 8, 4);
  EXPECT_EQ(size, static_cast<int32_t>(file.size()) - 8);
  EXPECT_GT(indexPos, 12);
  EXPECT_LT(indexPos, static_cast<int32_t>(file.size()));

  auto res = Open(name);
  EXPECT_TRUE(res.HasHeader());
  EXPECT_EQ(res.Base(), 0);
  ASSERT_EQ(res.Count(), 3);
  EXPECT_EQ(res.KeyAt(0), "Anfang");
  EXPECT_EQ(res.KeyAt(1), "Strings");
  EXPECT_EQ(res.KeyAt(2), "Zahlen");
  auto back = res.Get("Zahlen");
  auto* items = dynamic_cast<tItemCollection*>(back.get());
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(items->At(1), 2);
  EXPECT_NE(dynamic_cast<tStreamItem*>(res.Get("Anfang").get()), nullptr);
  EXPECT_EQ(res.Get("zahlen"), nullptr);  // keys are case-sensitive
  EXPECT_EQ(res.Get("Fehlt"), nullptr);
  EXPECT_EQ(res.Stream().GetStatus(), stOk);
}

TEST(ResourceFile, BaseIsFoundBehindAnImageAndForeignBlocks) {
  TempDir dir;
  const tObjStringList strings(kStrings);
  // Image: 3 pages, the last one holding 100 bytes = 1124 bytes; then a
  // foreign block of 20 bytes plus its 8-byte header.
  std::string image = Unhex("4D 5A 64 00 03 00") + std::string(1118, '\0');
  std::string foreign = "FBXY" + Unhex("14 00 00 00") + std::string(20, 'x');
  // An image whose last page is full (0 means 512).
  std::string fullImage = Unhex("4D 5A 00 00 02 00") + std::string(1018, '\0');
  for (const auto& [prefix, base] : {std::pair{image + foreign, 1152}, std::pair{fullImage, 1024},
                                     std::pair{foreign + fullImage + foreign, 1080}}) {
    const std::string name = dir.File("res.exe");
    WriteResources(name, prefix, {{"Strings", &strings}});
    auto res = Open(name);
    EXPECT_TRUE(res.HasHeader());
    EXPECT_EQ(res.Base(), base);
    auto list = res.Get("Strings");
    ASSERT_NE(dynamic_cast<tObjStringList*>(list.get()), nullptr) << base;
    EXPECT_EQ(dynamic_cast<tObjStringList&>(*list).Get(10), "zehn");
  }
}

TEST(ResourceFile, BrokenOrMissingHeadersGiveAnEmptyIndex) {
  TempDir dir;
  const std::string name = dir.File("kaputt.dat");
  const std::string pad(64, '\0');
  for (const std::string& bytes : {
           std::string("Hallo Welt, keine Ressourcen"),
           std::string("FBP"),                          // shorter than a header
           Unhex("4D 5A 00 00 00 00 00 00") + pad,      // image of no pages
           Unhex("4D 5A 01 00 00 00 00 00") + pad,      // image of negative size
           "FBXY" + Unhex("F8 FF FF FF") + pad,         // block of size -8: would not move
           "FBXY" + Unhex("00 00 00 80") + pad,         // block of negative size
           "FBXY" + Unhex("00 00 00 7F") + pad,         // block far beyond the file
           "FBXY" + Unhex("00 00 00 00") + "FBXY" + Unhex("F0 FF FF FF") + pad,
       }) {
    testutil::WriteFile(name, bytes);
    auto res = Open(name);
    EXPECT_FALSE(res.HasHeader()) << Hex(bytes.substr(0, 12));
    EXPECT_EQ(res.Count(), 0);
    EXPECT_EQ(res.IndexPos(), 12);
    EXPECT_EQ(res.Get("Strings"), nullptr);
  }
  // A header whose index lies outside the file.
  for (const char* indexPos : {"00 10 00 00", "F0 FF FF FF", "FF FF FF 7F"}) {
    testutil::WriteFile(name, "FBPR" + Unhex("00 00 00 00") + Unhex(indexPos) + pad);
    auto res = Open(name);
    EXPECT_TRUE(res.HasHeader());
    EXPECT_EQ(res.Count(), 0);
    EXPECT_EQ(res.Get("Strings"), nullptr);
  }
}

// ------------------------------------------------------------- string list

TEST(StringList, StoredAsBlockAndRuns) {
  const tObjStringList list({{1, "a"}, {2, "\xFC"}, {5, "bc"}});
  // Block of 7 bytes (ü as 437 byte 81), then the runs 1..2 at 0 and 5 at 4.
  EXPECT_EQ(Hex(PutBytes(list)), "34 00 07 00 01 61 01 81 02 62 63 02 00 01 00 02 00 00 00 05 00 01 00 04 00");
  tObjMemoryStream m(PutBytes(list));
  auto back = m.Get();
  auto* loaded = dynamic_cast<tObjStringList*>(back.get());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Get(2), "\xFC");
  EXPECT_EQ(loaded->Get(5), "bc");
  for (uint16_t n : {0, 3, 4, 6, 65535}) EXPECT_EQ(loaded->Get(n), "") << n;
}

TEST(StringList, RunsAreSearchedInStoredOrderInsideTheBlock) {
  // Block: "ab", "\x81", then a string claiming 5 bytes of the 1 left.
  tObjMemoryStream m(Unhex("07 00 02 61 62 01 81 05 78"
                           " 05 00"
                           " 0A 00 02 00 00 00"    // 10, 11 from offset 0
                           " 0B 00 03 00 03 00"    // 11 (already taken), 12, 13 from offset 3
                           " 1E 00 01 00 05 00"    // 30: leaves the block
                           " 28 00 01 00 C8 00"    // 40: offset beyond the block
                           " 32 00 FF FF 00 00")); // 50..: past the end of the block
  m.SetTranslate(false);  // strings are translated whatever the stream says
  tObjStringList list(tStreamable::Empty);
  list.Load(m);
  ASSERT_EQ(m.GetStatus(), stOk);
  EXPECT_EQ(list.Get(10), "ab");
  EXPECT_EQ(list.Get(11), "\xFC");
  EXPECT_EQ(list.Get(12), "");
  EXPECT_EQ(list.Get(13), "");
  EXPECT_EQ(list.Get(30), "");
  EXPECT_EQ(list.Get(40), "");
  EXPECT_EQ(list.Get(52), "");
  EXPECT_EQ(list.Get(65535), "");
}

TEST(StringList, TruncatedListFailsToLoad) {
  for (const char* hex : {"09 00 01 61", "01 00 00 02 00 01 00 01 00 00 00"}) {
    tObjMemoryStream m(Unhex(hex));
    tObjStringList list(tStreamable::Empty);
    list.Load(m);
    EXPECT_EQ(m.GetStatus(), stReadError) << hex;
  }
}

// A copy or a re-store of a list loaded from a file keeps the stored form,
// however the runs overlap: neither a slow walk over every number nor a list
// too large to be stored again.
TEST(StringList, LoadedListClonesAndStoresItsStoredForm) {
  TempDir dir;
  std::string stored = Unhex("00 01") + '\xFF' + std::string(255, 'x');
  const int runs = 2000;
  stored += static_cast<char>(runs & 0xFF);
  stored += static_cast<char>(runs >> 8);
  for (int i = 0; i < runs; ++i) {
    const auto first = static_cast<uint16_t>(i);
    stored += static_cast<char>(first & 0xFF);
    stored += static_cast<char>(first >> 8);
    stored += Unhex("01 00 00 00");  // every number names the one long string
  }
  testutil::WriteFile(dir.File("liste.dat"), stored);
  tObjFileStream file(dir.File("liste.dat"), 0);
  tObjStringList list(tStreamable::Empty);
  list.Load(file);
  ASSERT_EQ(file.GetStatus(), stOk);
  EXPECT_EQ(list.Get(1999), std::string(255, 'x'));

  auto copy = list.Clone();
  ASSERT_NE(copy, nullptr);
  auto& copied = dynamic_cast<tObjStringList&>(*copy);
  for (uint16_t n : {0, 1, 60, 1999, 2000, 65535}) EXPECT_EQ(copied.Get(n), list.Get(n)) << n;
  const std::string again = PutBytes(list);
  EXPECT_EQ(again.substr(2), stored);
  EXPECT_EQ(PutBytes(copied), again);
}

// A list read from a memory stream (as Clone does with every object inside
// a collection) must not depend on that stream afterwards.
TEST(StringList, ListInsideACopiedCollectionOutlivesTheCopyStream) {
  tCollection c;
  c.Insert(std::make_unique<tObjStringList>(kStrings));
  auto copy = c.Clone();
  auto* copied = dynamic_cast<tCollection*>(copy.get());
  ASSERT_NE(copied, nullptr);
  auto& list = dynamic_cast<tObjStringList&>(*copied->At(0));
  EXPECT_EQ(list.Get(1), kStrings.at(1));
  EXPECT_EQ(list.Get(10), "zehn");
  EXPECT_EQ(PutBytes(*copied), PutBytes(c));
}

// ------------------------------------------------------------ language file

TEST(LanguageFile, MissingOrUnusableFilesRaise) {
  TempDir dir;
  const std::string message = "Fehler beim Öffnen der Sprachdatei";
  EXPECT_EQ(LanguageError(dir.File("TAVI.049")), message);
  EXPECT_FALSE(LanguageFileLoaded());
  EXPECT_EQ(LanguageString(1), "");

  testutil::WriteFile(dir.File("leer.049"), "");
  EXPECT_EQ(LanguageError(dir.File("leer.049")), message);
  tItemCollection numbers;
  WriteResources(dir.File("ohne.049"), "", {{"Zahlen", &numbers}});
  EXPECT_EQ(LanguageError(dir.File("ohne.049")), message);
  WriteResources(dir.File("falsch.049"), "", {{"Strings", &numbers}});  // not a string list
  EXPECT_EQ(LanguageError(dir.File("falsch.049")), message);

  // A "Strings" object that cannot be read is no language either.
  WriteLanguage(dir.File("kaputt.049"));
  std::string bytes = testutil::ReadFile(dir.File("kaputt.049"));
  const size_t countAt = 12 + 2 + 2 + static_cast<uint8_t>(bytes[14]);
  bytes[countAt] = bytes[countAt + 1] = '\xFF';
  testutil::WriteFile(dir.File("kaputt.049"), bytes);
  EXPECT_EQ(LanguageError(dir.File("kaputt.049")), message);
  EXPECT_FALSE(LanguageFileLoaded());

  // A failed load releases the language loaded before.
  WriteLanguage(dir.File("gut.049"));
  LoadLanguageFile(dir.File("gut.049"));
  EXPECT_TRUE(LanguageFileLoaded());
  EXPECT_EQ(LanguageError(dir.File("ohne.049")), message);
  EXPECT_FALSE(LanguageFileLoaded());
  EXPECT_EQ(LanguageString(1), "");
}

TEST(LanguageFile, StringsAreReadFromTheOpenFileOnDemand) {
  TempDir dir;
  const std::string name = dir.File("TAVI.049");
  WriteLanguage(name);
  const int filesBefore = OpenFiles();
  LoadLanguageFile(name);
  EXPECT_EQ(OpenFiles(), filesBefore + 1);
  EXPECT_EQ(LanguageString(1), "Größe");
  EXPECT_EQ(LanguageString(3), "");
  EXPECT_EQ(LanguageString(4), "");

  // Change the text in the file: the next fetch sees it.
  std::fstream file(name, std::ios::in | std::ios::out | std::ios::binary);
  const std::string bytes = testutil::ReadFile(name);
  const size_t at = bytes.find("Gr\x94\xE1" "e");
  ASSERT_NE(at, std::string::npos);
  file.seekp(static_cast<std::streamoff>(at));
  file.put('K');
  file.close();
  EXPECT_EQ(LanguageString(1), "Kröße");

  ReleaseLanguageFile();
  EXPECT_FALSE(LanguageFileLoaded());
  EXPECT_EQ(OpenFiles(), filesBefore);
  EXPECT_EQ(LanguageString(1), "");
}

TEST(LanguageFile, TheProgramsLanguageFile) {
  LoadLanguageFile(TAVI_LANGUAGE_FILE);
  EXPECT_TRUE(LanguageFileLoaded());
  EXPECT_EQ(LanguageString(312), "OK");
  ReleaseLanguageFile();
  EXPECT_EQ(LanguageString(312), "");
}
