// Calculation files opened by name: what is refused (the record passed in
// stays as it was), the round trip of record and extension, the stamp that
// tells a file changed by another program; and the comparison's figures
// and ranking.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "calcfile.h"
#include "comparefigures.h"
#include "filetest.h"
#include "numfmt.h"
#include "objstream.h"
#include "payback.h"
#include "posixtest.h"
#include "pricetable.h"
#include "tavidaten.h"

namespace {

std::string Trimmed(const std::string& s) { return s.substr(std::min(s.size(), s.find_first_not_of(' '))); }

std::string Bytes(const tTaviDaten& d) {
  tObjMemoryStream stream;
  d.StoreDataFile(stream);
  return stream.Bytes();
}

tTaviDaten Example() {
  tTaviDaten d;
  d.SetFirmenname("Muster GmbH");
  d.AnzZS = 120;
  d.DauerZS = 8;
  d.AnteilVorb = 30;
  d.AnteilDurchf = 40;
  d.Stundensatz = 50;
  d.Economics.RunningCostsZS = 1200;
  d.Economics.RateTenths = 60;
  return d;
}

TEST(CalcFile, SavedAndOpenedGivesTheSameBytes) {
  TempDir dir;
  const std::string name = dir.File("Angebot A.tavi");
  const tTaviDaten saved = Example();
  ASSERT_TRUE(saved.SaveToFile(name));
  tTaviDaten opened;
  ASSERT_TRUE(LoadCalculationFile(name, opened));
  EXPECT_EQ(Bytes(opened), Bytes(saved));
  EXPECT_EQ(ReadAll(name), Bytes(saved));
  EXPECT_EQ(opened.Economics.RunningCostsZS, 1200);
}

TEST(CalcFile, BadFilesLeaveTheRecordAsItWas) {
  TempDir dir;
  const std::string good = Bytes(Example());
  const std::string fifo = dir.File("fifo.tavi");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(dir.File("ordner.tavi"));
  const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(3000, 'x');
  struct tCase {
    const char* name;
    std::string bytes;  // written unless empty name
    tCalcFileError error;
  } cases[] = {
      {"kurz.tavi", good.substr(0, 40), tCalcFileError::Damaged},
      {"leer.tavi", "", tCalcFileError::Damaged},
      {"bild.tavi", png, tCalcFileError::Damaged},
      {"angehaengt.tavi", Bytes(tTaviDaten()) + "Hallo Welt, dies ist keine Berechnung.", tCalcFileError::Foreign},
      {"ordner.tavi", "", tCalcFileError::NotRegular},
      {"fifo.tavi", "", tCalcFileError::NotRegular},
      {"fehlt.tavi", "", tCalcFileError::Missing},
  };
  for (const tCase& c : cases) {
    const std::string name = dir.File(c.name);
    if (!fs::exists(name) && std::string(c.name) != "fehlt.tavi") WriteAll(name, c.bytes);
    tTaviDaten record = Example();
    const tCalcFileLoad load = LoadCalculationFile(name, record);
    EXPECT_EQ(load.error, c.error) << c.name;
    EXPECT_EQ(Bytes(record), good) << c.name;
    EXPECT_NE(CalcFileErrorText(load, c.name).find(c.name), std::string::npos) << c.name;
  }
  // A damaged block of ours loads, as TAVI.DAT does at start.
  std::string damaged = good;
  damaged.back() ^= 1;
  WriteAll(dir.File("block.tavi"), damaged);
  tTaviDaten record;
  EXPECT_TRUE(LoadCalculationFile(dir.File("block.tavi"), record));
  EXPECT_EQ(record.Extension().State(), tDataExtension::tState::Damaged);
}

TEST(CalcFile, UnreadableFileIsNamedWithItsReason) {
  TempDir dir;
  const std::string name = dir.File("geheim.tavi");
  ASSERT_TRUE(Example().SaveToFile(name));
  ASSERT_EQ(::chmod(name.c_str(), 0), 0);
  fs::permissions(dir.Path(), fs::perms::all, fs::perm_options::add);
  const int result = posixtest::RunInChild(
      [&] {
        tTaviDaten record;
        const tCalcFileLoad load = LoadCalculationFile(name, record);
        return load.error == tCalcFileError::Unreadable && load.sysError == EACCES ? 0 : 1;
      },
      true);
  EXPECT_EQ(result, 0);
}

TEST(CalcFile, StampTellsAnotherWrite) {
  TempDir dir;
  const std::string name = dir.File("a.tavi");
  EXPECT_FALSE(StampOfFile(name).exists);
  ASSERT_TRUE(Example().SaveToFile(name));
  const tFileStamp first = StampOfFile(name);
  EXPECT_TRUE(first.exists);
  EXPECT_EQ(StampOfFile(name), first);
  ASSERT_TRUE(tTaviDaten().SaveToFile(name));  // replaced: another inode
  EXPECT_NE(StampOfFile(name), first);
}

// ------------------------------------------------------------ comparison

tCompareCell V(extended v) { return {tCompareCell::tKind::Value, v}; }
const tCompareCell kNone{tCompareCell::tKind::NoPayback, 0};
const tCompareCell kNow{tCompareCell::tKind::Immediate, 0};
const tCompareCell kUnknown{tCompareCell::tKind::Unknown, 0};

TEST(CompareFigures, BestCellsOfARow) {
  const tCompareRowSpec higher{"S", "r", tCompareUnit::Euro, tCompareBetter::Higher, 0};
  const tCompareRowSpec lower{"S", "r", tCompareUnit::Months, tCompareBetter::Lower, 1};
  const tCompareRowSpec none{"S", "r", tCompareUnit::Count, tCompareBetter::None, 0};
  struct tCase {
    const tCompareRowSpec* row;
    std::vector<tCompareCell> cells;
    std::vector<bool> best;
  } cases[] = {
      {&higher, {V(-5), V(7), V(3)}, {false, true, false}},
      {&higher, {V(7), V(7), V(3)}, {true, true, false}},
      {&higher, {V(7), V(7)}, {false, false}},                  // all equal: nothing stands out
      {&higher, {kUnknown, V(1), V(2)}, {false, false, true}},   // not computable: out of the ranking
      {&higher, {kUnknown, V(2)}, {false, false}},               // one comparable value ranks nothing
      {&lower, {V(12.5), kNone, V(3.1), V(40)}, {false, false, true, false}},
      {&lower, {V(0.2), kNow, kNone}, {false, true, false}},     // "sofort" beats a few days
      {&lower, {kNone, V(999)}, {false, true}},                  // a period beats none
      {&none, {V(1), V(2)}, {false, false}},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(BestCells(*cases[i].row, cases[i].cells), cases[i].best) << "case " << i;
}

TEST(CompareFigures, CellsAreThePaybackDialogsFigures) {
  SetDecimalSeparator(",");
  tTaviDaten d = Example();
  const std::vector<tCompareCell> cells = ComputeCompareCells(d);
  ASSERT_EQ(cells.size(), CompareRows().size());
  tTaviDaten priced = d;
  ApplyStandardPricesToRecord(priced);
  tPaybackCalc calc;
  calc.Calculate(priced);
  const auto text = [&](const char* section, const char* caption) {
    for (size_t i = 0; i < CompareRows().size(); ++i)
      if (std::string(CompareRows()[i].section) == section && std::string(CompareRows()[i].caption) == caption)
        return CompareCellText(CompareRows()[i], cells[i]);
    return std::string("?");
  };
  EXPECT_EQ(text("Grunddaten", "Zeitstudien pro Jahr"), "120");
  EXPECT_EQ(text("Grunddaten", "Dauer einer Zeitstudie"), "8,0 h");
  EXPECT_EQ(text("Grunddaten", "Anteil Auswertung"), "30 %");
  EXPECT_EQ(text("Kosten", "Zeitstudiensystem"), std::to_string(calc.CostsZS()) + " €");
  EXPECT_EQ(text("Amortisation", "Zeitstudiensystem - manuell"),
            Trimmed(FormatRealInFull(calc.PaybackZS(), 8, 1)) + " Monate");
  EXPECT_EQ(text("Wirtschaftlichkeit", "Laufende Kosten Zeitstudiensystem"), "1200 €");
  // Without any saving there is no payback.
  tTaviDaten idle;
  const std::vector<tCompareCell> none = ComputeCompareCells(idle);
  EXPECT_EQ(none[14].kind, tCompareCell::tKind::NoPayback);
  SetDecimalSeparator(".");
}

}  // namespace
