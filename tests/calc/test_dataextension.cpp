// The block after the record in TAVI.DAT: written only when needed, read
// back whole, and kept as it was when it cannot be used.
#include <gtest/gtest.h>

#include "tavidaten.h"
#include "workedexample.h"

namespace {

using tState = tDataExtension::tState;

std::string RecordBytes(const tTaviDaten& d) {
  tObjMemoryStream s;
  d.Store(s);
  return s.Bytes();
}

std::string FileBytes(const tTaviDaten& d) {
  tObjMemoryStream s;
  d.StoreDataFile(s);
  return s.Bytes();
}

tTaviDaten Loaded(const std::string& bytes, bool* ok = nullptr) {
  tTaviDaten d;
  tObjMemoryStream s(bytes);
  const bool loaded = d.LoadDataFile(s);
  if (ok) *ok = loaded;
  return d;
}

tEconomicsInputs Inputs(int32_t rz, int32_t rp, int32_t life, int32_t rate) {
  tEconomicsInputs in;
  in.RunningCostsZS = rz;
  in.RunningCostsPL = rp;
  in.UsefulLife = life;
  in.RateTenths = rate;
  return in;
}

TEST(DataExtension, DefaultsWriteNoBlockAndTheFileStays1828Bytes) {
  tTaviDaten d;
  EXPECT_EQ(FileBytes(d).size(), 1828u);
  EXPECT_EQ(FileBytes(d), RecordBytes(d));
  // A value set and set back: again no block.
  d.Economics.RateTenths = 60;
  EXPECT_GT(FileBytes(d).size(), 1828u);
  d.Economics.RateTenths = 0;
  EXPECT_EQ(FileBytes(d).size(), 1828u);
}

TEST(DataExtension, EveryValueRoundTrips) {
  const tEconomicsInputs cases[] = {Inputs(1200, 2400, 5, 60), Inputs(999999, 0, 1, 0), Inputs(0, 999999, 20, 300),
                                    Inputs(1, 1, 5, 1)};
  for (const tEconomicsInputs& in : cases) {
    tTaviDaten d = WorkedExample();
    d.Economics = in;
    bool ok = false;
    const tTaviDaten back = Loaded(FileBytes(d), &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(back.Economics, in);
    EXPECT_EQ(back.Extension().State(), tState::Read);
    EXPECT_EQ(RecordBytes(back), RecordBytes(d));
    // Name, version, length, four values of 4 + 4 bytes, checksum.
    EXPECT_EQ(FileBytes(back).size(), RecordBytes(d).size() + 10 + 32 + 4);
  }
}

TEST(DataExtension, AReaderOfTheRecordAloneReadsOurFile) {
  tTaviDaten d = WorkedExample();
  d.Economics = Inputs(1200, 2400, 5, 60);
  const std::string file = FileBytes(d);
  tTaviDaten plain;
  tObjMemoryStream s(file);
  plain.Load(s);
  EXPECT_EQ(s.GetStatus(), stOk);
  EXPECT_EQ(RecordBytes(plain), RecordBytes(d));
  EXPECT_EQ(file.substr(0, RecordBytes(d).size()), RecordBytes(d));
  EXPECT_EQ(file.substr(RecordBytes(d).size(), 4), "TAVX");
}

// What cannot be used leaves the defaults, is reported, and is written back
// byte for byte until the user sets a value.
void ExpectKept(const std::string& file, const std::string& record, tState state) {
  bool ok = false;
  tTaviDaten d = Loaded(file, &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(d.Extension().State(), state);
  EXPECT_FALSE(d.Extension().Problem().empty());
  EXPECT_TRUE(d.Economics.IsDefault());
  EXPECT_EQ(RecordBytes(d), record);
  EXPECT_EQ(FileBytes(d), file);
  d.Economics.UsefulLife = 6;
  const std::string replaced = FileBytes(d);
  EXPECT_EQ(Loaded(replaced).Economics.UsefulLife, 6);
  EXPECT_EQ(Loaded(replaced).Extension().State(), tState::Read);
}

TEST(DataExtension, EveryTruncationAndEveryFlippedBitOfTheBlock) {
  tTaviDaten d = WorkedExample();
  d.Economics = Inputs(1200, 2400, 5, 60);
  const std::string record = RecordBytes(d);
  const std::string file = FileBytes(d);
  const size_t block = file.size() - record.size();
  for (size_t cut = 1; cut < block; ++cut) {
    SCOPED_TRACE(cut);
    ExpectKept(file.substr(0, record.size() + cut), record, tState::Damaged);
    if (HasFatalFailure()) return;
  }
  for (size_t byte = record.size(); byte < file.size(); ++byte) {
    for (int bit = 0; bit < 8; ++bit) {
      SCOPED_TRACE(testing::Message() << byte - record.size() << "." << bit);
      std::string flipped = file;
      flipped[byte] = static_cast<char>(flipped[byte] ^ (1 << bit));
      // Bytes 4 and 5 are the version: a changed one is a later layout.
      const bool version = byte - record.size() == 4 || byte - record.size() == 5;
      ExpectKept(flipped, record, version ? tState::UnknownVersion : tState::Damaged);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(DataExtension, TailsThatAreNoUsableBlock) {
  const tTaviDaten d = WorkedExample();
  const std::string record = RecordBytes(d);
  tTaggedBlock later(tDataExtension::kBlockName);
  later.SetInt32(tDataExtension::kTagUsefulLife, 21);  // beyond 20 years
  tTaggedBlock shortValue(tDataExtension::kBlockName);
  shortValue.Set(tDataExtension::kTagRateTenths, std::string("\x3C\x00", 2));
  tTaggedBlock good(tDataExtension::kBlockName);
  good.SetInt32(tDataExtension::kTagRateTenths, 60);
  const struct {
    const char* what;
    std::string tail;
  } cases[] = {
      {"fremde Bytes", "xyz"},
      {"Wert außerhalb", later.Bytes()},
      {"Wert zu kurz", shortValue.Bytes()},
      {"etwas hinter dem Block", good.Bytes() + "x"},
      {"zwei Blöcke", good.Bytes() + good.Bytes()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectKept(record + c.tail, record, tState::Damaged);
  }
  // A missing tag is its default.
  const tTaviDaten rate = Loaded(record + good.Bytes());
  EXPECT_EQ(rate.Economics, Inputs(0, 0, 5, 60));
}

TEST(DataExtension, TagsOfLaterVersionsAreKept) {
  tTaviDaten d = WorkedExample();
  tTaggedBlock block(tDataExtension::kBlockName);
  block.SetInt32(tDataExtension::kTagRunningCostsZS, 1200);
  block.Set(77, "Zielwert");
  tTaviDaten back = Loaded(RecordBytes(d) + block.Bytes());
  EXPECT_EQ(back.Extension().State(), tState::Read);
  EXPECT_TRUE(back.Extension().Problem().empty());
  EXPECT_EQ(back.Economics.RunningCostsZS, 1200);
  // Set back to the defaults, the block still carries the unknown tag.
  back.Economics = tEconomicsInputs{};
  const std::string file = FileBytes(back);
  tTaggedBlock again(tDataExtension::kBlockName);
  ASSERT_EQ(again.Read(std::string_view(file).substr(RecordBytes(d).size())).Status, tTaggedBlock::tReadStatus::Ok);
  EXPECT_EQ(again.Value(77), std::optional<std::string_view>("Zielwert"));
  EXPECT_EQ(again.Int32(tDataExtension::kTagRunningCostsZS), 0);
}

TEST(DataExtension, NothingAfterTheRecordMeansDefaultsAndNoMessage) {
  tTaviDaten d = WorkedExample();
  d.Economics = Inputs(1, 2, 3, 4);
  tObjMemoryStream s(RecordBytes(WorkedExample()));
  ASSERT_TRUE(d.LoadDataFile(s));
  EXPECT_TRUE(d.Economics.IsDefault());
  EXPECT_EQ(d.Extension().State(), tState::None);
  EXPECT_TRUE(d.Extension().Problem().empty());
}

}  // namespace

namespace {

// The target payback and the change of the sensitivity: tags 5 and 6,
// written only when they differ from 24 months and 20 %.
TEST(DataExtension, SensitivityInputsRoundTripAndTheirDefaultsAreNotWritten) {
  const struct {
    tEconomicsInputs economics;
    tSensitivityInputs sensitivity;
    size_t blockSize;  // 0: no block
  } cases[] = {
      {{}, {}, 0},
      {{}, {36, 20}, 10 + 8 * 5 + 4},  // the four values of the appraisal and the target
      {{}, {24, 10}, 10 + 8 * 5 + 4},
      {{}, {1, 50}, 10 + 8 * 6 + 4},
      {Inputs(1200, 2400, 5, 60), {}, 10 + 8 * 4 + 4},  // as a file of the appraisal alone
      {Inputs(1200, 2400, 5, 60), {120, 5}, 10 + 8 * 6 + 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sensitivity.TargetMonths << " " << c.sensitivity.Percent);
    tTaviDaten d = WorkedExample();
    d.Economics = c.economics;
    d.Sensitivity = c.sensitivity;
    const std::string file = FileBytes(d);
    EXPECT_EQ(file.size(), RecordBytes(d).size() + c.blockSize);
    const tTaviDaten back = Loaded(file);
    EXPECT_EQ(back.Sensitivity, c.sensitivity);
    EXPECT_EQ(back.Economics, c.economics);
    EXPECT_EQ(FileBytes(back), file);
  }
}

TEST(DataExtension, SensitivityInputsOutOfRangeMakeTheBlockUnusable) {
  const std::string record = RecordBytes(WorkedExample());
  const struct {
    uint16_t tag;
    int32_t value;
  } cases[] = {{tDataExtension::kTagTargetMonths, 0},
               {tDataExtension::kTagTargetMonths, 121},
               {tDataExtension::kTagPercent, 4},
               {tDataExtension::kTagPercent, 51}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.tag << " " << c.value);
    tTaggedBlock block(tDataExtension::kBlockName);
    block.SetInt32(c.tag, c.value);
    ExpectKept(record + block.Bytes(), record, tState::Damaged);
    EXPECT_TRUE(Loaded(record + block.Bytes()).Sensitivity.IsDefault());
  }
  // An older program's block with the target kept as an unknown tag reads
  // as the target.
  tTaggedBlock older(tDataExtension::kBlockName);
  older.SetInt32(tDataExtension::kTagRateTenths, 0);
  older.SetInt32(tDataExtension::kTagTargetMonths, 18);
  EXPECT_EQ(Loaded(record + older.Bytes()).Sensitivity.TargetMonths, 18);
}

}  // namespace
