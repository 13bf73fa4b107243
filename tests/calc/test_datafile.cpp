// The data file: its bytes, loading after failures, saving safely.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "codepage.h"
#include "tavidaten.h"

namespace fs = std::filesystem;

namespace {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "tavi-XXXXXX").string();
    path_ = mkdtemp(tmpl.data());
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

std::string ReadAll(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

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

TEST(DataFileSave, UnwritableFolderKeepsTheOldFile) {
  if (geteuid() == 0) {
    // root writes anywhere; a missing folder fails the same way.
    tTaviDaten d;
    EXPECT_FALSE(d.SaveToFile("/nonexistent-tavi-folder/TAVI.DAT"));
  }
  TempDir dir;
  tTaviDaten old;
  old.AnzZS = 11;
  ASSERT_TRUE(old.SaveToFile(dir.File("TAVI.DAT")));
  const std::string before = ReadAll(dir.File("TAVI.DAT"));
  // A folder in place of the temporary file makes the save fail for root too.
  fs::create_directory(dir.File("TAVI.DAT.tmp"));
  fs::create_directory(dir.File("TAVI.DAT.tmp/x"));
  tTaviDaten changed;
  changed.AnzZS = 22;
  EXPECT_FALSE(changed.SaveToFile(dir.File("TAVI.DAT")));
  EXPECT_EQ(ReadAll(dir.File("TAVI.DAT")), before);
  fs::remove_all(dir.File("TAVI.DAT.tmp"));
  if (geteuid() != 0) {
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(changed.SaveToFile(dir.File("TAVI.DAT")));
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_EQ(ReadAll(dir.File("TAVI.DAT")), before);
  }
}

TEST(DataFileSave, FullDiskKeepsTheOldFileAndAnswersFalse) {
  // /dev/full fails every write; a symlink makes it the temporary file.
  TempDir dir;
  tTaviDaten old;
  old.AnzZS = 11;
  ASSERT_TRUE(old.SaveToFile(dir.File("TAVI.DAT")));
  const std::string before = ReadAll(dir.File("TAVI.DAT"));
  fs::create_symlink("/dev/full", dir.File("TAVI.DAT.tmp"));
  tTaviDaten changed;
  changed.AnzZS = 22;
  EXPECT_FALSE(changed.SaveToFile(dir.File("TAVI.DAT")));
  EXPECT_EQ(ReadAll(dir.File("TAVI.DAT")), before);
  tTaviDaten back;
  EXPECT_TRUE(back.LoadFromFile(dir.File("TAVI.DAT")));
  EXPECT_EQ(back.AnzZS, 11);
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
