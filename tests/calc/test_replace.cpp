// Replacing files beyond the data file's own save: protected targets,
// temporary files (their names, the signal cleanup, leftovers of killed
// saves), keeping an unreadable file, the checks of a record's ranges.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <set>

#include "fieldranges.h"
#include "filetest.h"
#include "filetexts.h"
#include "keepfile.h"
#include "posixtest.h"
#include "safefile.h"
#include "tavidaten.h"
#include "tempfiles.h"

namespace {

using safefile::tReplaceError;

TEST(Replace, ProtectedFilesAreRefusedUnderAnyName) {
  TempDir dir;
  fs::create_directory(dir.File("hilfe"));
  WriteAll(dir.File("TAVI.DAT"), "daten");
  WriteAll(dir.File("other.csv"), "alt");
  fs::create_hard_link(dir.File("TAVI.DAT"), dir.File("zweitname"));
  fs::create_symlink("TAVI.DAT", dir.File("verweis"));
  const std::vector<std::string> guarded = {dir.File("TAVI.DAT"), dir.File("TAVI.INI"), dir.File("hilfe")};
  const struct {
    const char* name;
    bool refused;
  } cases[] = {
      {"TAVI.DAT", true},        {"zweitname", true},      {"verweis", true},      {"hilfe/../TAVI.DAT", true},
      {"TAVI.INI", true},        {"hilfe/1.html", true},   {"hilfe", true},        {"other.csv", false},
      {"new.csv", false},        {"TAVI.DAT.csv", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const safefile::tReplaceResult r = safefile::ReplaceFileContents(dir.File(c.name), "neu", {guarded, {}});
    EXPECT_EQ(r.error == tReplaceError::Protected, c.refused);
    EXPECT_EQ(filetexts::ReplaceFailureText(r).find("des Programms") != std::string::npos, c.refused);
  }
  EXPECT_EQ(ReadAll(dir.File("TAVI.DAT")), "daten");
  EXPECT_FALSE(fs::exists(dir.File("TAVI.INI")));
}

TEST(Replace, TemporaryNamesAreUnforeseeableAndRecognised) {
  TempDir dir;
  std::set<std::string> names;
  for (int i = 0; i < 50; ++i) {
    safefile::tReplacement r;
    ASSERT_TRUE(r.Begin(dir.File("out.pdf")));
    const std::string name = fs::path(r.TempName()).filename().string();
    EXPECT_TRUE(safefile::IsTemporaryNameOf(name, "out.pdf")) << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 50u);
  EXPECT_TRUE(Entries(dir.Path()).empty());  // dropped replacements leave nothing
  const struct {
    const char* name;
    bool temporary;
  } cases[] = {{"TAVI.DAT.aZ09bY18.tmp", true},  {"TAVI.DAT.aZ09bY1.tmp", false}, {"TAVI.DAT.aZ09bY18.tmpx", false},
               {"TAVI.DAT.aZ09-Y18.tmp", false}, {"TAVI.INI.aZ09bY18.tmp", false}, {".TAVI.DAT.4711.tmp", false}};
  for (const auto& c : cases) EXPECT_EQ(safefile::IsTemporaryNameOf(c.name, "TAVI.DAT"), c.temporary) << c.name;
}

TEST(Replace, StaleTemporariesGoOthersStay) {
  TempDir dir;
  for (const char* name : {"TAVI.DAT", "TAVI.DAT.aZ09bY18.tmp", "TAVI.DAT.Qq11Ww22.tmp", "TAVI.DAT.kurz.tmp",
                           "TAVI.INI.aZ09bY18.tmp", "notiz.txt"})
    WriteAll(dir.File(name), "x");
  fs::create_directory(dir.File("TAVI.DAT.Ordner12.tmp"));
  fs::create_symlink("notiz.txt", dir.File("TAVI.DAT.Verweis1.tmp"));
  EXPECT_EQ(safefile::RemoveStaleTemporaries(dir.File("TAVI.DAT")), 2);
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"TAVI.DAT", "TAVI.DAT.Ordner12.tmp", "TAVI.DAT.Verweis1.tmp",
                                                           "TAVI.DAT.kurz.tmp", "TAVI.INI.aZ09bY18.tmp", "notiz.txt"}));
}

TEST(Replace, TerminationSignalsRemoveTheTemporaryFile) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    TempDir dir;
    WriteAll(dir.File("out.csv"), "alt");
    const int verdict = posixtest::RunInChild(
        [&] {
          safefile::InstallSignalCleanup();
          safefile::tReplacement r;
          if (!r.Begin(dir.File("out.csv")) || !r.Write(std::string(100000, 'x'))) return 1;
          std::raise(signal);
          return 2;  // not reached: the signal ends the child
        },
        false);
    EXPECT_EQ(verdict, posixtest::kSignalled + signal);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"out.csv"});
    EXPECT_EQ(ReadAll(dir.File("out.csv")), "alt");
  }
}

TEST(Replace, UnreadableFileIsKeptBeforeItIsReplacedAndNeverOverwritten) {
  TempDir dir;
  const std::string name = dir.File("TAVI.DAT");
  WriteAll(name, "kaputt");
  WriteAll(name + ".defekt-2024-05-31", "älter");
  std::string keptAs;
  const safefile::tReplaceOptions keep{{}, [&](const std::string& target) {
                                         const safefile::tKeepResult k = safefile::KeepUnderNewName(target, "2024-05-31");
                                         keptAs = k.keptAs;
                                         return k.ok;
                                       }};
  ASSERT_TRUE(tTaviDaten().SaveToFile(name, keep));
  EXPECT_EQ(keptAs, name + ".defekt-2024-05-31-2");
  EXPECT_EQ(ReadAll(keptAs), "kaputt");
  EXPECT_EQ(ReadAll(name + ".defekt-2024-05-31"), "älter");
  EXPECT_TRUE(tTaviDaten().LoadFromFile(name));

  // A step that cannot keep the old file stops the save: the file stays.
  WriteAll(name, "kaputt");
  safefile::tReplaceResult result;
  EXPECT_FALSE(tTaviDaten().SaveToFile(name, {{}, [](const std::string&) { errno = ENOSPC; return false; }}, &result));
  EXPECT_EQ(result.error, tReplaceError::Kept);
  EXPECT_EQ(ReadAll(name), "kaputt");
  EXPECT_EQ(Entries(dir.Path()).size(), 3u);
}

TEST(Replace, FileKindsAreNamed) {
  TempDir dir;
  fs::create_directory(dir.File("ordner"));
  ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
  fs::create_symlink("schleife", dir.File("schleife"));
  fs::create_symlink("fehlt", dir.File("verweis"));
  WriteAll(dir.File("datei"), "x");
  const struct {
    std::string name;
    const char* clause;
  } cases[] = {{dir.File("ordner"), "ist ein Ordner"},
               {dir.File("fifo"), "ist eine benannte Pipe (FIFO)"},
               {"/dev/null", "ist eine Gerätedatei"},
               {dir.File("schleife"), "ist eine Schleife symbolischer Verknüpfungen"},
               {dir.File("verweis"), "ist eine symbolische Verknüpfung auf eine Datei, die es nicht gibt"},
               {dir.File("nichts"), "gibt es nicht"},
               {dir.File("datei"), ""}};
  for (const auto& c : cases) EXPECT_EQ(filetexts::FileKindClause(c.name), c.clause) << c.name;
}

TEST(FieldRanges, EveryValueNoFieldTakesIsNamed) {
  const struct {
    const char* what;
    void (*change)(tTaviDaten&);
    std::vector<std::string> fields;
  } cases[] = {
      {"defaults", [](tTaviDaten&) {}, {}},
      {"all at their limits",
       [](tTaviDaten& d) {
         d.AnzZS = 99999, d.DauerZS = 999.9L, d.AnteilVorb = 40, d.AnteilDurchf = 60, d.Stundensatz = 255;
         d.InvestPLSystem = 99999, d.SchulungskostenPL = 10000, d.AufwandPLSyst = 99, d.SchulungstagePL = 10;
       },
       {}},
      {"share 255 %", [](tTaviDaten& d) { d.PotentialVorb = 255; }, {"PotentialVorb"}},
      {"shares 60 + 70", [](tTaviDaten& d) { d.AnteilVorb = 60, d.AnteilDurchf = 70; }, {"AnteilVorb+AnteilDurchf"}},
      {"negative and NaN",
       [](tTaviDaten& d) { d.AnzZS = -1, d.DauerZS = std::numeric_limits<extended>::quiet_NaN(); },
       {"AnzZS", "DauerZS"}},
      {"one too many",
       [](tTaviDaten& d) {
         d.DauerZS = 1000, d.ZusatzkostenZS = 10001, d.BeginnReduzierung = 100, d.SchulungstageZS = 11;
         d.AnteilVorb = 101;
       },
       {"DauerZS", "AnteilVorb", "ZusatzkostenZS", "BeginnReduzierung", "SchulungstageZS", "AnteilVorb+AnteilDurchf"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tTaviDaten d;
    c.change(d);
    std::vector<std::string> fields;
    for (const tRangeProblem& p : OutOfRange(d)) fields.push_back(p.fields);
    EXPECT_EQ(fields, c.fields);
  }
  tTaviDaten d;
  d.AnteilVorb = 60;
  d.AnteilDurchf = 70;
  d.PotentialVorb = 255;
  EXPECT_EQ(OutOfRangeLines(d),
            "- Einsparung Vorbereitung: 255 (erlaubt 0 bis 100)\n"
            "- Anteil Vorbereitung und Anteil Durchführung: zusammen 130 % (erlaubt höchstens 100 %)");
}

}  // namespace
