// The data file: its bytes, loading after failures, saving safely.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "codepage.h"
#include "filetest.h"
#include "posixtest.h"
#include "tavidaten.h"

namespace fs = std::filesystem;

namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}

bool SameRecord(const tTaviDaten& a, const tTaviDaten& b) {
  tObjMemoryStream sa, sb;
  a.Store(sa);
  b.Store(sb);
  return sa.Bytes() == sb.Bytes();
}

TEST(DataFile, DefaultRecordIs1828BytesInFieldOrder) {
  TempDir dir;
  const tTaviDaten d;
  ASSERT_TRUE(d.SaveToFile(dir.File("TAVI.DAT")));
  const std::string f = ReadAll(dir.File("TAVI.DAT"));
  ASSERT_EQ(f.size(), 1828u);
  EXPECT_EQ(f.substr(0, 2), Bytes({0, 0}));  // two empty short strings
  // Five text lists: length, text with CR LF, no translation (ö stays F6).
  size_t pos = 2;
  const int lengths[5] = {414, 324, 337, 336, 335};
  for (int i = 0; i < 5; ++i) {
    int32_t n;
    std::memcpy(&n, f.data() + pos, 4);
    EXPECT_EQ(n, lengths[i]);
    const std::string text = f.substr(pos + 4, static_cast<size_t>(n));
    EXPECT_EQ(text, *codepage::Utf8ToCp1252(std::string(tTaviDaten::kDefaultTexts[i]) + "\r\n"));
    pos += 4 + static_cast<size_t>(n);
  }
  ASSERT_EQ(f.size() - pos, 60u);
  const std::string block = f.substr(pos);
  EXPECT_EQ(block.substr(0, 14), std::string(14, '\0'));  // AnzZS, DauerZS
  EXPECT_EQ(block.substr(14, 7), Bytes({0, 0, 0, 50, 20, 90, 90}));
  EXPECT_EQ(block.substr(21, 32), Bytes({0x52, 0x12, 0, 0, 0x80, 2, 0, 0, 150, 0, 0, 0, 0x06, 0x18, 0, 0, 0, 5, 0, 0,
                                         250, 0, 0, 0, 1, 0, 0, 0, 23, 0, 0, 0}));
  EXPECT_EQ(block.substr(53, 7), Bytes({0, 0, 1, 1, 0, 1, 2}));
}

TEST(DataFile, FieldEncodings) {
  tTaviDaten d;
  d.DauerZS = 7.5L;
  d.AnzZS = -2;
  ASSERT_TRUE(d.SetFirmenname("Müller"));
  d.BegruendungAuswertung.Clear();
  tObjMemoryStream s;
  d.Store(s);
  const std::string b = s.Bytes();
  EXPECT_EQ(b.substr(0, 8), Bytes({0, 6, 0x4D, 0x81, 0x6C, 0x6C, 0x65, 0x72}));
  // The emptied list is four zero bytes; it sits before the last list.
  const size_t block = b.size() - 60;
  const size_t lastList = block - 4 - 335;
  EXPECT_EQ(b.substr(lastList - 4, 4), std::string(4, '\0'));
  EXPECT_EQ(b.substr(block, 4), Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(b.substr(block + 4, 10), Bytes({0, 0, 0, 0, 0, 0, 0, 0xF0, 0x01, 0x40}));

  // Put writes the class id first: 25002 = AA 61.
  tObjMemoryStream p;
  p.Put(&d);
  EXPECT_EQ(p.Bytes().substr(0, 2), Bytes({0xAA, 0x61}));
  p.Seek(0, 0);
  auto back = p.Get();
  ASSERT_NE(back, nullptr);
  auto* rec = dynamic_cast<tTaviDaten*>(back.get());
  ASSERT_NE(rec, nullptr);
  EXPECT_EQ(rec->GetFirmenname(), "Müller");
  EXPECT_TRUE(rec->BegruendungAuswertung.Lines().empty());
  EXPECT_TRUE(SameRecord(*rec, d));
}

TEST(DataFile, LongCompanyNameReachesTheFileAs255Bytes) {
  TempDir dir;
  tTaviDaten d;
  ASSERT_TRUE(d.SetFirmenname(std::string(254, 'a') + "ÜZ"));
  ASSERT_TRUE(d.SaveToFile(dir.File("TAVI.DAT")));
  const std::string f = ReadAll(dir.File("TAVI.DAT"));
  EXPECT_EQ(static_cast<uint8_t>(f[1]), 0xFF);
  EXPECT_EQ(static_cast<uint8_t>(f[1 + 255]), 0x9A);  // Ü in code page 437; Z never arrives
  tTaviDaten back;
  ASSERT_TRUE(back.LoadFromFile(dir.File("TAVI.DAT")));
  EXPECT_EQ(back.GetFirmenname(), std::string(254, 'a') + "Ü");
}

TEST(DataFile, ShortFileFailsAndKeepsDefaultsAfterTheFailingField) {
  TempDir dir;
  // A name, an empty company name, then the start of the first text list.
  WriteAll(dir.File("TAVI.DAT"), Bytes({3, 'A', 'b', 0x81, 0, 5, 0, 0, 0, 'X'}));
  tTaviDaten d;
  EXPECT_FALSE(d.LoadFromFile(dir.File("TAVI.DAT")));
  EXPECT_EQ(d.GetAnwendername(), "Abü");
  // The list being read when the file ended holds the byte delivered.
  EXPECT_EQ(d.BegruendungInvestition.Lines(), std::vector<std::string>{"X"});
  const tTaviDaten defaults;
  EXPECT_EQ(d.BegruendungVorbereitung, defaults.BegruendungVorbereitung);
  EXPECT_EQ(d.BegruendungAnzahlZS, defaults.BegruendungAnzahlZS);
  EXPECT_EQ(d.PotentialVorb, 50);
  EXPECT_EQ(d.InvestPLSystem, 6150);
  EXPECT_EQ(d.SchulungstagePL, 2);

  tObjFileStream s(dir.File("TAVI.DAT"), 0);
  tTaviDaten e;
  e.Load(s);
  EXPECT_EQ(s.GetStatus(), stReadError);
}

TEST(DataFile, FixedBlockCutShortKeepsTheBytesDelivered) {
  TempDir dir;
  tTaviDaten d;
  d.AnzZS = 0x01020304;
  tObjMemoryStream s;
  d.Store(s);
  // Cut inside AnzZS: two of its four bytes arrive.
  WriteAll(dir.File("TAVI.DAT"), s.Bytes().substr(0, s.Bytes().size() - 58));
  tTaviDaten back;
  back.AnzZS = 0x0A0B0C0D;
  EXPECT_FALSE(back.LoadFromFile(dir.File("TAVI.DAT")));
  EXPECT_EQ(back.AnzZS, 0x0A0B0304);
  EXPECT_EQ(back.DauerZS, 0);
}

TEST(DataFile, BadTextLengthsFailWithoutReadingPastTheFile) {
  TempDir dir;
  const tTaviDaten defaults;
  // Negative length: the list keeps its lines, the rest its defaults.
  WriteAll(dir.File("neg.dat"), Bytes({0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'}));
  tTaviDaten d;
  EXPECT_FALSE(d.LoadFromFile(dir.File("neg.dat")));
  EXPECT_EQ(d.BegruendungInvestition, defaults.BegruendungInvestition);
  EXPECT_EQ(d.PotentialAnzZS, 90);
  // A length of 2 GB in a 10-byte file reads the two bytes that are there.
  WriteAll(dir.File("big.dat"), Bytes({0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}));
  tTaviDaten e;
  EXPECT_FALSE(e.LoadFromFile(dir.File("big.dat")));
  EXPECT_EQ(e.BegruendungInvestition.Lines(), std::vector<std::string>{"ab"});
  EXPECT_EQ(e.BegruendungVorbereitung, defaults.BegruendungVorbereitung);
}

TEST(DataFile, MissingFileAndExtraBytes) {
  TempDir dir;
  tTaviDaten d;
  EXPECT_FALSE(d.LoadFromFile(dir.File("nothing.dat")));
  EXPECT_TRUE(SameRecord(d, tTaviDaten()));
  // Bytes after the fixed block are ignored.
  tTaviDaten e;
  e.AnzZS = 77;
  ASSERT_TRUE(e.SaveToFile(dir.File("TAVI.DAT")));
  WriteAll(dir.File("TAVI.DAT"), ReadAll(dir.File("TAVI.DAT")) + "trailing");
  tTaviDaten f;
  EXPECT_TRUE(f.LoadFromFile(dir.File("TAVI.DAT")));
  EXPECT_EQ(f.AnzZS, 77);
}

// Random text from characters a user can type that the file keeps.
std::string RandomText(std::mt19937& rng, size_t maxChars, bool shortString) {
  static const char32_t kPool[] = {U'a', U'Z', U'0', U' ', U'.', U'-', U'ä', U'ö', U'ü', U'Ä', U'Ö', U'Ü',
                                   U'ß', U'é', U'ç', U'ñ', U'µ', U'½', U'€', U'À', U'»', U'°', U'\t', U'"'};
  std::string s;
  const size_t n = std::uniform_int_distribution<size_t>(0, maxChars)(rng);
  for (size_t i = 0; i < n; ++i) {
    const char32_t c = kPool[std::uniform_int_distribution<size_t>(0, std::size(kPool) - 1)(rng)];
    if (shortString && !codepage::SurvivesShortString(c)) continue;
    codepage::AppendUtf8(s, c);
  }
  return s;
}

TEST(DataFile, RandomRecordsComeBackEqual) {
  TempDir dir;
  std::mt19937 rng(20261208);
  for (int round = 0; round < 300; ++round) {
    tTaviDaten d;
    ASSERT_TRUE(d.SetAnwendername(RandomText(rng, round % 10 == 0 ? 255 : 40, true)));
    ASSERT_TRUE(d.SetFirmenname(RandomText(rng, round % 7 == 0 ? 300 : 40, true)));
    for (tTextList* t : {&d.BegruendungInvestition, &d.BegruendungVorbereitung, &d.BegruendungDurchfuehrung,
                         &d.BegruendungAuswertung, &d.BegruendungAnzahlZS}) {
      std::vector<std::string> lines(std::uniform_int_distribution<size_t>(0, 4)(rng));
      for (auto& line : lines) line = RandomText(rng, 120, false);
      ASSERT_TRUE(t->SetLines(lines));
    }
    auto i32 = [&] { return std::uniform_int_distribution<int32_t>(kInt32Min, kInt32Max)(rng); };
    auto u8 = [&] { return static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(rng)); };
    d.AnzZS = i32();
    d.DauerZS = std::uniform_real_distribution<long double>(-1000, 1000)(rng);
    for (uint8_t* b : {&d.AnteilVorb, &d.AnteilDurchf, &d.Stundensatz, &d.PotentialVorb, &d.PotentialDurchf,
                       &d.PotentialAuswert, &d.PotentialAnzZS, &d.ManuelleEingabe, &d.Erfassgeraet, &d.Farbdisplay,
                       &d.ZSSoftwareOption, &d.PlanzeitOption, &d.SchulungstageZS, &d.SchulungstagePL})
      *b = u8();
    for (int32_t* v : {&d.InvestZSSystem, &d.SchulungskostenZS, &d.ZusatzkostenZS, &d.InvestPLSystem,
                       &d.SchulungskostenPL, &d.ZusatzkostenPL, &d.BeginnReduzierung, &d.AufwandPLSyst})
      *v = i32();

    ASSERT_TRUE(d.SaveToFile(dir.File("TAVI.DAT")));
    tTaviDaten back;
    ASSERT_TRUE(back.LoadFromFile(dir.File("TAVI.DAT")));
    ASSERT_EQ(back.GetAnwendername(), d.GetAnwendername());
    ASSERT_EQ(back.GetFirmenname(), d.GetFirmenname());
    ASSERT_EQ(back.BegruendungDurchfuehrung, d.BegruendungDurchfuehrung);
    ASSERT_EQ(back.BegruendungAnzahlZS, d.BegruendungAnzahlZS);
    ASSERT_EQ(back.DauerZS, d.DauerZS);
    ASSERT_TRUE(SameRecord(back, d)) << "round " << round;
  }
}

// ---------------------------------------------------------------- saving

using posixtest::RunInChild;

tTaviDaten Record(int32_t anzZS) {
  tTaviDaten d;
  d.AnzZS = anzZS;
  return d;
}

std::string RecordBytes(int32_t anzZS) {
  tObjMemoryStream s;
  Record(anzZS).Store(s);
  return s.Bytes();
}

fs::perms Mode(const std::string& name) { return fs::status(name).permissions(); }

// Hands a file (or folder) to the user the permission cases run as.
void GiveToTestUser(const std::string& name) {
  ASSERT_EQ(::lchown(name.c_str(), posixtest::TestUserId(), posixtest::TestGroupId()), 0) << name;
}

// A child's verdict: 0 when the check held; kCannotDrop skips the test.
#define EXPECT_CHILD_PASSES(call)                                                 \
  do {                                                                            \
    const int verdict = (call);                                                   \
    if (verdict == posixtest::kCannotDrop) GTEST_SKIP() << "cannot drop to nobody"; \
    EXPECT_EQ(verdict, 0);                                                        \
  } while (0)

TEST(DataFileSave, FileThisUserMayNotWriteStaysAsItIs) {
  // Mode, and whether an in-place write by the file's own (unprivileged)
  // owner would succeed. Only the file's own bits decide, not the folder's.
  const struct {
    fs::perms mode;
    bool writable;
  } cases[] = {
      {fs::perms::none, false},
      {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, false},
      {fs::perms::owner_read | fs::perms::owner_exec, false},
      {fs::perms::owner_write, true},  // write-only: the write may go ahead
      {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    TempDir dir;
    const std::string name = dir.File("TAVI.DAT");
    ASSERT_TRUE(Record(11).SaveToFile(name));
    GiveToTestUser(dir.Path().string());
    GiveToTestUser(name);
    fs::permissions(name, c.mode);
    const std::string before = ReadAll(name);
    EXPECT_CHILD_PASSES(RunInChild([&] { return Record(22).SaveToFile(name) == c.writable ? 0 : 1; }, true));
    EXPECT_EQ(Mode(name), c.mode);
    EXPECT_EQ(ReadAll(name), c.writable ? RecordBytes(22) : before);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"TAVI.DAT"});
  }
}

TEST(DataFileSave, FolderWithoutWritePermissionKeepsTheOldFile) {
  TempDir dir;
  const std::string name = dir.File("TAVI.DAT");
  ASSERT_TRUE(Record(11).SaveToFile(name));
  GiveToTestUser(dir.Path().string());
  GiveToTestUser(name);
  fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_CHILD_PASSES(RunInChild([&] { return Record(22).SaveToFile(name) ? 1 : 0; }, true));
  fs::permissions(dir.Path(), fs::perms::owner_all);
  EXPECT_EQ(ReadAll(name), RecordBytes(11));
  EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"TAVI.DAT"});
}

TEST(DataFileSave, ReplacementKeepsPermissionBitsAndOwner) {
  const mode_t oldMask = ::umask(022);
  for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                               fs::perms::owner_read | fs::perms::owner_write,
                               fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                                   ~fs::perms::others_exec}) {
    SCOPED_TRACE(static_cast<int>(mode));
    TempDir dir;
    const std::string name = dir.File("TAVI.DAT");
    ASSERT_TRUE(Record(11).SaveToFile(name));
    fs::permissions(name, mode);
    if (geteuid() == 0) GiveToTestUser(name);  // root saving another user's file
    struct stat before {};
    ASSERT_EQ(::stat(name.c_str(), &before), 0);
    ASSERT_TRUE(Record(22).SaveToFile(name));
    struct stat after {};
    ASSERT_EQ(::stat(name.c_str(), &after), 0);
    EXPECT_EQ(ReadAll(name), RecordBytes(22));
    EXPECT_NE(after.st_ino, before.st_ino);  // replaced, not written over
    EXPECT_EQ(Mode(name), mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
  }
  // A new file gets what the user's file-creation mask leaves of rw-rw-rw-.
  for (const mode_t mask : {022, 077}) {
    TempDir dir;
    ::umask(mask);
    ASSERT_TRUE(Record(1).SaveToFile(dir.File("TAVI.DAT")));
    EXPECT_EQ(static_cast<mode_t>(Mode(dir.File("TAVI.DAT"))), 0666 & ~mask);
  }
  ::umask(oldMask);
}

TEST(DataFileSave, TemporaryNameCannotBeHijacked) {
  // Whatever lies under the name a fixed temporary file would have, the
  // save neither follows it nor fails because of it.
  enum Kind { Symlink, DanglingSymlink, Folder, Fifo };
  for (const Kind kind : {Symlink, DanglingSymlink, Folder, Fifo}) {
    SCOPED_TRACE(kind);
    TempDir dir, outside;
    const std::string name = dir.File("TAVI.DAT");
    const std::string victim = outside.File("victim");
    ASSERT_TRUE(Record(11).SaveToFile(name));
    WriteAll(victim, "keep");
    const std::string trap = dir.File("TAVI.DAT.tmp");
    switch (kind) {
      case Symlink: fs::create_symlink(victim, trap); break;
      case DanglingSymlink: fs::create_symlink(outside.File("created"), trap); break;
      case Folder:
        fs::create_directory(trap);
        fs::create_directory(trap + "/x");
        break;
      case Fifo: ASSERT_EQ(::mkfifo(trap.c_str(), 0600), 0); break;
    }
    EXPECT_EQ(RunInChild([&] { return Record(22).SaveToFile(name) ? 0 : 1; }, false, 5), 0);
    EXPECT_FALSE(fs::is_symlink(name));
    EXPECT_EQ(ReadAll(name), RecordBytes(22));
    EXPECT_EQ(ReadAll(victim), "keep");
    EXPECT_EQ(Entries(outside.Path()), std::vector<std::string>{"victim"});
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"TAVI.DAT", "TAVI.DAT.tmp"}));
    EXPECT_TRUE(kind == Folder ? fs::is_directory(trap) : fs::exists(fs::symlink_status(trap)));
  }
}

TEST(DataFileSave, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string name = dir.File("TAVI.DAT");
  ASSERT_TRUE(Record(11).SaveToFile(name));
  {
    posixtest::tFileSizeLimit full(100);  // the record needs 1828 bytes
    ASSERT_TRUE(full.Active());
    EXPECT_FALSE(Record(22).SaveToFile(name));
  }
  EXPECT_EQ(ReadAll(name), RecordBytes(11));
  EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"TAVI.DAT"});
  tTaviDaten back;
  EXPECT_TRUE(back.LoadFromFile(name));
  EXPECT_EQ(back.AnzZS, 11);
}

TEST(DataFileSave, SymlinkedDataFileIsWrittenThroughTheLink) {
  // The links from TAVI.DAT on (first one first) and the file they end at,
  // relative to the test folder; every link stays a link.
  const struct {
    const char* what;
    std::vector<std::pair<std::string, std::string>> links;  // link, what it points to
    std::string target;
  } cases[] = {
      {"relative", {{"TAVI.DAT", "daten/echt.dat"}}, "daten/echt.dat"},
      {"absolute", {{"TAVI.DAT", "@/daten/echt.dat"}}, "daten/echt.dat"},
      {"chain", {{"TAVI.DAT", "daten/zwischen"}, {"daten/zwischen", "../ablage/echt.dat"}}, "ablage/echt.dat"},
      {"link to a folder's file", {{"TAVI.DAT", "ordner/../daten/echt.dat"}}, "daten/echt.dat"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    for (const char* sub : {"daten", "ablage", "ordner"}) fs::create_directory(dir.File(sub));
    ASSERT_TRUE(Record(11).SaveToFile(dir.File(c.target)));
    for (const auto& [link, to] : c.links)
      fs::create_symlink(to[0] == '@' ? dir.Path().string() + to.substr(1) : to, dir.File(link));
    ASSERT_TRUE(Record(22).SaveToFile(dir.File("TAVI.DAT")));
    for (const auto& [link, to] : c.links) EXPECT_TRUE(fs::is_symlink(dir.File(link))) << link;
    EXPECT_EQ(ReadAll(dir.File(c.target)), RecordBytes(22));
    tTaviDaten back;
    ASSERT_TRUE(back.LoadFromFile(dir.File("TAVI.DAT")));
    EXPECT_EQ(back.AnzZS, 22);
    for (const char* sub : {"daten", "ablage", "ordner"}) {
      for (const std::string& entry : Entries(dir.Path() / sub))
        EXPECT_EQ(entry.find(".tmp"), std::string::npos) << sub << "/" << entry;
    }
  }
}

TEST(DataFileSave, DanglingLinkCreatesItsTargetAndLoopsFail) {
  TempDir dir;
  fs::create_directory(dir.File("daten"));
  // A link to a file not there yet: the save creates the file it names.
  fs::create_symlink("daten/neu.dat", dir.File("TAVI.DAT"));
  ASSERT_TRUE(Record(22).SaveToFile(dir.File("TAVI.DAT")));
  EXPECT_TRUE(fs::is_symlink(dir.File("TAVI.DAT")));
  EXPECT_EQ(ReadAll(dir.File("daten/neu.dat")), RecordBytes(22));
  // ... but not the folder it names.
  fs::create_symlink("fehlt/neu.dat", dir.File("ohne.dat"));
  EXPECT_FALSE(Record(22).SaveToFile(dir.File("ohne.dat")));
  EXPECT_EQ(fs::read_symlink(dir.File("ohne.dat")), "fehlt/neu.dat");
  // A loop of links is no file: nothing changes.
  fs::create_symlink("b.dat", dir.File("a.dat"));
  fs::create_symlink("a.dat", dir.File("b.dat"));
  EXPECT_FALSE(Record(22).SaveToFile(dir.File("a.dat")));
  EXPECT_EQ(fs::read_symlink(dir.File("a.dat")), "b.dat");
  EXPECT_EQ(fs::read_symlink(dir.File("b.dat")), "a.dat");
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"TAVI.DAT", "a.dat", "b.dat", "daten", "ohne.dat"}));
}

// Puts something that is not a regular file under name.
enum OddKind { OddFifo, OddFolder, OddDevice, OddSocket };
void MakeOddFile(OddKind kind, const std::string& name) {
  switch (kind) {
    case OddFifo: ASSERT_EQ(::mkfifo(name.c_str(), 0666), 0); break;
    case OddFolder: fs::create_directory(name); break;
    case OddDevice: fs::create_symlink("/dev/zero", name); break;
    case OddSocket: {
      const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
      ASSERT_GE(s, 0);
      sockaddr_un addr{};
      addr.sun_family = AF_UNIX;
      ASSERT_LT(name.size(), sizeof addr.sun_path);
      std::memcpy(addr.sun_path, name.c_str(), name.size() + 1);
      ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
      ::close(s);
      break;
    }
  }
}

TEST(DataFileSave, TargetThatIsNotARegularFileIsLeftAlone) {
  for (const OddKind kind : {OddFifo, OddFolder, OddDevice, OddSocket}) {
    SCOPED_TRACE(kind);
    TempDir dir;
    const std::string name = dir.File("TAVI.DAT");
    MakeOddFile(kind, name);
    const fs::file_type type = fs::symlink_status(name).type();
    EXPECT_EQ(RunInChild([&] { return Record(22).SaveToFile(name) ? 1 : 0; }, false, 5), 0);
    EXPECT_EQ(fs::symlink_status(name).type(), type);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"TAVI.DAT"});
  }
}

TEST(DataFileLoad, OddFilesFailAtOnceAndChangeNothing) {
  for (const OddKind kind : {OddFifo, OddFolder, OddDevice, OddSocket}) {
    SCOPED_TRACE(kind);
    TempDir dir;
    const std::string name = dir.File("TAVI.DAT");
    MakeOddFile(kind, name);
    // A FIFO without writer would block an ordinary open for ever; the
    // child's alarm turns that into a failed verdict.
    EXPECT_EQ(RunInChild(
                  [&] {
                    tTaviDaten d;
                    if (d.LoadFromFile(name)) return 1;
                    return SameRecord(d, tTaviDaten()) ? 0 : 2;
                  },
                  false, 5),
              0);
  }
}

TEST(DataFileLoad, FileThisUserMayNotReadFails) {
  TempDir dir;
  const std::string name = dir.File("TAVI.DAT");
  ASSERT_TRUE(Record(11).SaveToFile(name));
  GiveToTestUser(name);
  fs::permissions(name, fs::perms::owner_write);
  EXPECT_CHILD_PASSES(RunInChild(
      [&] {
        tTaviDaten d;
        return d.LoadFromFile(name) ? 1 : 0;
      },
      true));
}

TEST(DataFileSave, KilledWhileSavingLeavesALoadableFile) {
  TempDir dir;
  const std::string name = dir.File("TAVI.DAT");
  tTaviDaten first;
  first.AnzZS = 1;
  ASSERT_TRUE(first.SaveToFile(name));
  std::mt19937 rng(7);
  for (int round = 0; round < 15; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Save records with long texts over and over until killed.
      tTaviDaten d;
      std::vector<std::string> lines(200, std::string(250, 'x'));
      d.BegruendungAuswertung.SetLines(lines);
      for (int32_t i = 2;; ++i) {
        d.AnzZS = i;
        d.SaveToFile(name);
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 60)(rng)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    tTaviDaten back;
    ASSERT_TRUE(back.LoadFromFile(name)) << "round " << round;
    EXPECT_GE(back.AnzZS, 1);
  }
}

}  // namespace
