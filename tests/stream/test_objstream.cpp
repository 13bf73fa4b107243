// Streams: byte layout of the encodings, the sticky status of file and
// memory streams, polymorphic Put/Get, the class registry and Clone.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "collections.h"
#include "objstream.h"
#include "streamable.h"
#include "testutil.h"

using testutil::Hex;
using testutil::HexOf;
using testutil::TempDir;
using testutil::Unhex;

// A streamable class that forgot its class id.
class tOhneKlassenId : public tStreamable {};

// A small class of the tests' own, registered under a free id.
class tTestPunkt : public tStreamable {
 public:
  static constexpr uint16_t kId = 60001;
  tTestPunkt() = default;
  explicit tTestPunkt(EmptyTag) : tStreamable(Empty) {}
  uint16_t GetClassID() const override { return kId; }
  void Store(tObjStream& s) const override { s.WriteInt32(X), s.WriteStr(Name); }
  void Load(tObjStream& s) override { X = s.ReadInt32(), Name = s.ReadStr(); }
  int32_t X = 0;
  std::string Name;
};
static tRegisterType<tTestPunkt> gRegisterTestPunkt(tTestPunkt::kId);

namespace {
// Collects what the library shows the user while a test runs.
struct MessageCatcher {
  std::vector<std::string> messages;
  MessageCatcher() {
    SetStreamMessageHandler([this](const std::string& text) { messages.push_back(text); });
  }
  ~MessageCatcher() { SetStreamMessageHandler({}); }
};
}  // namespace

// ------------------------------------------------------------- encodings

TEST(Encoding, IntegersAreLittleEndian) {
  tObjMemoryStream m;
  m.WriteByte(0x7F);
  m.WriteInt16(-2);
  m.WriteUInt16(0xABCD);
  m.WriteInt32(0x01020304);
  m.WriteInt32(-1);
  EXPECT_EQ(HexOf(m), "7F FE FF CD AB 04 03 02 01 FF FF FF FF");
  m.Seek(0, 0);
  EXPECT_EQ(m.ReadByte(), 0x7F);
  EXPECT_EQ(m.ReadInt16(), -2);
  EXPECT_EQ(m.ReadUInt16(), 0xABCD);
  EXPECT_EQ(m.ReadInt32(), 0x01020304);
  EXPECT_EQ(m.ReadInt32(), -1);
}

TEST(Encoding, ExtendedIsTenBytesX87) {
  tObjMemoryStream m;
  m.WriteExtended(7.5L);
  m.WriteExtended(-0.5L);
  EXPECT_EQ(HexOf(m), "00 00 00 00 00 00 00 F0 01 40 00 00 00 00 00 00 00 80 FE BF");
  m.Seek(0, 0);
  long double a = 0, b = 0;
  m.ReadExtended(a);
  m.ReadExtended(b);
  EXPECT_EQ(a, 7.5L);
  EXPECT_EQ(b, -0.5L);
}

TEST(Encoding, ShortStringsAreTranslatedTo437) {
  tObjMemoryStream m;
  m.WriteStr("M\xFCller");  // Müller in 1252
  m.WriteStr("");
  m.WriteStr("\xC4\xD6\xDC\xE4\xF6\xFC\xDF");
  EXPECT_EQ(HexOf(m), "06 4D 81 6C 6C 65 72 00 07 8E 99 9A 84 94 81 E1");
  m.Seek(0, 0);
  EXPECT_EQ(m.ReadStr(), "M\xFCller");
  EXPECT_EQ(m.ReadStr(), "");
  EXPECT_EQ(m.ReadStr(), "\xC4\xD6\xDC\xE4\xF6\xFC\xDF");
  EXPECT_EQ(m.GetStatus(), stOk);

  tObjMemoryStream raw;
  raw.SetTranslate(false);
  raw.WriteStr("M\xFCller");
  EXPECT_EQ(HexOf(raw), "06 4D FC 6C 6C 65 72");
}

TEST(Encoding, ShortStringsKeepAtMost255Bytes) {
  tObjMemoryStream m;
  m.WriteStr(std::string(255, 'a') + "b");
  EXPECT_EQ(m.Size(), 256);
  EXPECT_EQ(m.Bytes()[0], '\xFF');
  m.Seek(0, 0);
  EXPECT_EQ(m.ReadStr(), std::string(255, 'a'));
}

// ------------------------------------------------------ file stream status

TEST(FileStream, OpenFailuresGiveStatusMinus1) {
  TempDir dir;
  tObjFileStream missing(dir.File("fehlt.dat"), 0);
  EXPECT_EQ(missing.GetStatus(), stOpenError);
  uint8_t b = 7;
  EXPECT_EQ(missing.Read(&b, 1), 0);
  tObjFileStream folder(dir.Path().string(), 0);
  EXPECT_EQ(folder.GetStatus(), stOpenError);
  tObjFileStream noFolder(dir.File("nicht/da.dat"), tObjFileStream::fmCreate);
  EXPECT_EQ(noFolder.GetStatus(), stOpenError);
}

TEST(FileStream, CreateTruncatesAndWritesInPlace) {
  TempDir dir;
  const std::string name = dir.File("a.dat");
  testutil::WriteFile(name, "alter Inhalt, lang");
  {
    tObjFileStream out(name, tObjFileStream::fmCreate);
    out.WriteInt16(0x4241);
    EXPECT_EQ(out.GetStatus(), stOk);
  }
  EXPECT_EQ(testutil::ReadFile(name), "AB");
}

TEST(FileStream, ShortReadKeepsDeliveredBytesAndSticks) {
  TempDir dir;
  const std::string name = dir.File("kurz.dat");
  testutil::WriteFile(name, Unhex("01 02 03"));
  tObjFileStream in(name, 0);
  EXPECT_EQ(in.ReadInt32(0x7F000000), 0x7F030201);
  EXPECT_EQ(in.GetStatus(), stReadError);
  // Nothing works any more, and nothing moves.
  EXPECT_EQ(in.ReadByte(0x55), 0x55);
  EXPECT_EQ(in.ReadStr(), "");
  EXPECT_EQ(in.Get(), nullptr);
  EXPECT_EQ(in.Position(), 3);
  in.SetStatus(stWriteError);
  EXPECT_EQ(in.GetStatus(), stReadError);  // the first error stays
}

TEST(FileStream, ShortWriteGivesStatusMinus4) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  tObjFileStream full("/dev/full", 1);
  ASSERT_EQ(full.GetStatus(), stOk);
  full.WriteInt32(1);
  EXPECT_EQ(full.GetStatus(), stWriteError);
  EXPECT_EQ(full.Write("x", 1), 0);
  full.Put(nullptr);
  EXPECT_EQ(full.GetStatus(), stWriteError);
}

// ------------------------------------------------------------ memory stream

TEST(MemoryStream, ShortReadIsNotAnError) {
  tObjMemoryStream m(std::string_view("abc"));
  char buffer[8] = {};
  EXPECT_EQ(m.Read(buffer, 8), 3);
  EXPECT_EQ(std::string(buffer), "abc");
  EXPECT_EQ(m.GetStatus(), stOk);
  EXPECT_EQ(m.ReadInt16(-9), -9);
  EXPECT_EQ(m.GetStatus(), stOk);
}

TEST(MemoryStream, CapacityGrowsIn4096ByteSteps) {
  tObjMemoryStream m;
  EXPECT_EQ(m.Capacity(), 0);
  m.WriteByte(1);
  EXPECT_EQ(m.Capacity(), 4096);
  m.Write(std::string(4096, 'x').data(), 4096);
  EXPECT_EQ(m.Capacity(), 8192);
  EXPECT_EQ(m.Size(), 4097);
  EXPECT_EQ(tObjMemoryStream(5000).Capacity(), 8192);
}

TEST(MemoryStream, SeekingAndGrowingBeyondTheLimitFails) {
  tObjMemoryStream m(std::string_view("abcd"));
  EXPECT_EQ(m.Seek(-1, 0), -1);
  EXPECT_EQ(m.Position(), 0);
  EXPECT_EQ(m.Seek(-2, 2), 2);
  ASSERT_EQ(m.Seek(2147483640, 0), 2147483640);
  try {
    m.WriteInt32(1);
    FAIL() << "no error";
  } catch (const EStreamError& e) {
    EXPECT_STREQ(e.what(), "Expandieren des Speicher-Stream wegen Speichermangel nicht möglich");
  }
  EXPECT_EQ(m.Size(), 4);
}

// --------------------------------------------------------------- Put / Get

TEST(PutGet, NoObjectIsIdZero) {
  tObjMemoryStream m;
  m.Put(nullptr);
  EXPECT_EQ(HexOf(m), "00 00");
  m.Seek(0, 0);
  EXPECT_EQ(m.Get(), nullptr);
  EXPECT_EQ(m.GetStatus(), stOk);
}

TEST(PutGet, UnregisteredIdStopsTheStream) {
  MessageCatcher catcher;
  tObjMemoryStream m(Unhex("39 30 01 00 00 00"));
  EXPECT_EQ(m.Get(), nullptr);
  EXPECT_EQ(m.GetStatus(), stGetError);
  ASSERT_EQ(catcher.messages.size(), 1u);
  EXPECT_EQ(catcher.messages[0], "Get mit nicht registriertem Object (ID:12345)!");
  EXPECT_EQ(m.ReadInt32(-7), -7);
  EXPECT_EQ(m.Position(), 2);
  EXPECT_EQ(m.Get(), nullptr);
  EXPECT_EQ(catcher.messages.size(), 1u);
}

TEST(PutGet, ClassWithoutIdCannotBePut) {
  tOhneKlassenId object;
  tObjMemoryStream m;
  try {
    m.Put(&object);
    FAIL() << "no error";
  } catch (const EClassIdError& e) {
    EXPECT_STREQ(e.what(), "Für die Klasse tOhneKlassenId wurde keine ClassID definiert.");
  }
  EXPECT_EQ(m.Size(), 0);
}

TEST(PutGet, OwnClassesUseTheirBuildFunction) {
  tTestPunkt p;
  p.X = -5;
  p.Name = "Ma\xDF";
  tObjMemoryStream m;
  m.Put(&p);
  EXPECT_EQ(HexOf(m), "61 EA FB FF FF FF 03 4D 61 E1");
  m.Seek(0, 0);
  auto back = m.Get();
  auto* q = dynamic_cast<tTestPunkt*>(back.get());
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->X, -5);
  EXPECT_EQ(q->Name, "Ma\xDF");
}

// Collections nest; a stream of nested collections deeper than any file of
// the program holds must fail cleanly instead of exhausting the stack.
TEST(PutGet, DeepNestingFailsWithoutCrashing) {
  std::string chain;
  for (int i = 0; i < 200000; ++i) chain += Unhex("32 00 01 00 01 00 00 00");
  tObjMemoryStream m(chain);
  auto object = m.Get();
  EXPECT_EQ(m.GetStatus(), stBadData);

  // Moderate nesting is fine.
  tCollection outer;
  tCollection* level = &outer;
  for (int i = 0; i < 50; ++i) {
    auto inner = std::make_unique<tCollection>();
    tCollection* next = inner.get();
    level->Insert(std::move(inner));
    level = next;
  }
  auto copy = outer.Clone();
  ASSERT_NE(copy, nullptr);
  tObjMemoryStream a, b;
  a.Put(&outer);
  b.Put(copy.get());
  EXPECT_EQ(a.Bytes(), b.Bytes());
}

// ------------------------------------------------------------------ registry

TEST(Registry, LookupFindsExactAndNearestBelow) {
  // Mixed order, so that the cursor of the last lookup is tested too.
  for (int round = 0; round < 2; ++round) {
    ASSERT_NE(LookupType(tTestPunkt::kId, true), nullptr);
    EXPECT_EQ(LookupType(tTestPunkt::kId, true)->ObjType, 60001);
    EXPECT_EQ(LookupType(25001, true), nullptr);
    EXPECT_EQ(LookupType(25001, false)->ObjType, 24500);
    for (uint16_t id : {50, 51, 52, 53, 54, 110, 120, 121, 24500}) {
      ASSERT_NE(LookupType(id, true), nullptr) << id;
      EXPECT_EQ(LookupType(id, true)->ObjType, id);
    }
    EXPECT_EQ(LookupType(55, true), nullptr);
    EXPECT_EQ(LookupType(55, false)->ObjType, 54);
    EXPECT_EQ(LookupType(49, false), nullptr);
    EXPECT_EQ(LookupType(0, true), nullptr);
    EXPECT_EQ(LookupType(60050, false)->ObjType, 60001);
  }
}

TEST(Registry, AnIdCanBeRegisteredOnlyOnce) {
  static tStreamRec first{60100, &BuildAndLoad<tStreamItem>};
  static tStreamRec second{60100, &BuildAndLoad<tStreamItem>};
  RegisterType(first);
  try {
    RegisterType(second);
    FAIL() << "no error";
  } catch (const ERegistrationError& e) {
    EXPECT_STREQ(e.what(), "Object (ID:60100) wurde mehrfach registriert!");
  }
  EXPECT_EQ(LookupType(60100, true), &first);
  try {
    static tStreamRec library{50, &BuildAndLoad<tStreamItem>};
    RegisterType(library);
    FAIL() << "no error";
  } catch (const ERegistrationError& e) {
    EXPECT_STREQ(e.what(), "Object (ID:50) wurde mehrfach registriert!");
  }
}

// --------------------------------------------------------------------- Clone

TEST(Clone, CopiesWithoutCharacterTranslation) {
  tStringCollection names;
  names.Insert("\xC0pfel");  // À does not survive code page 437
  names.Insert("Birne");
  auto copy = names.Clone();
  auto* list = dynamic_cast<tStringCollection*>(copy.get());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->At(0), "\xC0pfel");
  EXPECT_EQ(list->At(1), "Birne");

  tOhneKlassenId noId;
  EXPECT_THROW(noId.Clone(), EClassIdError);
}
