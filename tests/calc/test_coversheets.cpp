// The data fields of the overview's cover sheets for the worked example:
// 120 studies of 7.5 h, 30 % / 40 %, 50 euro an hour, standard prices.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "coversheets.h"
#include "numfmt.h"
#include "payback.h"
#include "workedexample.h"

namespace {

using tTexts = std::map<int, std::string>;

class CoverSheets : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(".");
    fRecord = WorkedExampleStandardPrices();
    fCalc.Calculate(fRecord);
  }
  void TearDown() override { SetDecimalSeparator("."); }
  tTaviDaten fRecord;
  tPaybackCalc fCalc;
};

TEST_F(CoverSheets, Page1HasEveryBaseFigureAndSaving) {
  const tTexts expected = {
      {0, "  120"},   {1, "   7.5"},  {2, "   30"},   {3, "   40"},   {4, "   30"},   {5, "   50"},
      {6, "  900"},   {7, "  270"},   {8, "  360"},   {9, "  270"},   {10, "45000"},  {11, "13500"},
      {12, "18000"},  {13, "13500"},  {14, "  75.0"}, {15, "  22.5"}, {16, "  30.0"}, {17, "  22.5"},
      {18, " 3750"},  {19, " 1125"},  {20, " 1500"},  {21, " 1125"},  {22, "  50.0"}, {23, "   50"},
      {24, "   20"},  {25, "   90"},  {26, "  450"},  {27, "  135"},  {28, "   72"},  {29, "  243"},
      {30, "22500"},  {31, " 6750"},  {32, " 3600"},  {33, "12150"},  {34, "  37.5"}, {35, "  11.2"},
      {36, "   6.0"}, {37, "  20.2"}, {38, " 1875"},  {39, "  562"},  {40, "  300"},  {41, " 1012"},
      {42, "   90"},  {43, "  50.0"}, {44, "  95.0"}, {45, "  810"},  {46, "   45"},  {47, "  855"},
      {48, "40500"},  {49, " 2250"},  {50, "42750"},  {51, "  67.5"}, {52, "   3.8"}, {53, "  71.2"},
      {54, " 3375"},  {55, "  188"},  {56, " 3562"},
  };
  for (int order = -1; order <= 60; ++order) {
    const auto it = expected.find(order);
    const std::optional<std::string> text = CoverSheet1Text(order, fRecord);
    if (it == expected.end())
      EXPECT_FALSE(text.has_value()) << order;  // the field keeps its default
    else
      EXPECT_EQ(text.value_or("(keiner)"), it->second) << order;
  }
}

TEST_F(CoverSheets, Page2HasSharesJustificationsCostsAndBalances) {
  const std::array<tWrappedLines, 4> lines = {
      tWrappedLines{" Standardtexte \r", "\tund Bausteine"},
      tWrappedLines{},
      tWrappedLines{"a", "b", "c", "d", "e ist zu viel"},
      tWrappedLines{"  "},
  };
  const tTexts expected = {
      {0, "   50"}, {1, "Standardtexte"}, {2, "und Bausteine"}, {3, ""}, {4, ""},
      {5, "   20"}, {6, ""},  {7, ""},  {8, ""},  {9, ""},
      {10, "   90"}, {11, "a"}, {12, "b"}, {13, "c"}, {14, "d \u2026"},  // more lines than the sheet shows
      {15, "   90"}, {16, ""}, {17, ""}, {18, ""}, {19, ""},
      {20, " 4690"}, {21, "  640"}, {22, "  150"}, {23, " 5480"}, {24, "  2.9"}, {25, "22500"},
      {26, "17020"}, {27, "39520"}, {28, "62020"}, {30, "Monate"},
  };
  for (int order = -1; order <= 35; ++order) {
    const auto it = expected.find(order);
    const std::optional<std::string> text = CoverSheet2Text(order, fRecord, fCalc, lines);
    if (it == expected.end())
      EXPECT_FALSE(text.has_value()) << order;
    else
      EXPECT_EQ(text.value_or("(keiner)"), it->second) << order;
  }
}

TEST_F(CoverSheets, Page3HasThePlannedTimeSystem) {
  const tWrappedLines lines = {"Aufgrund der vorgenommenen", " Berechnungen"};
  const tTexts expected = {
      {0, "  5600"},  {1, "  1280"},  {2, "   250"},  {3, "  7130"},  {4, "    1"},   {5, "   23"},
      {6, "  3.91"},  {7, "  0.39"},  {8, "   3.6"},  {9, " 42750"},  {10, " 20212"}, {11, " 58120"},
      {12, "100870"}, {13, "   7.2"}, {14, " 20250"}, {15, "  3192"}, {16, " 18600"}, {17, " 38850"},
      {18, "Aufgrund der vorgenommenen"}, {19, "Berechnungen"}, {20, ""}, {21, ""}, {22, ""},
      {23, "Monate"}, {24, "Monate"},
  };
  for (int order = -1; order <= 30; ++order) {
    const auto it = expected.find(order);
    const std::optional<std::string> text = CoverSheet3Text(order, fRecord, fCalc, lines);
    if (it == expected.end())
      EXPECT_FALSE(text.has_value()) << order;
    else
      EXPECT_EQ(text.value_or("(keiner)"), it->second) << order;
  }
}

TEST_F(CoverSheets, OtherSeparators) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.AnzZS = 240;
  d.AufwandPLSyst = 24;  // 90 % in 24 months: 3.75 points a month
  tPaybackCalc calc;
  calc.Calculate(d);
  EXPECT_EQ(CoverSheet3Text(6, d, calc, {}), "  3.75");
  EXPECT_EQ(CoverSheet3Text(7, d, calc, {}), "  0.75");

  SetDecimalSeparator(",");
  EXPECT_EQ(CoverSheet2Text(24, fRecord, fCalc, {}), "  2,9");
  EXPECT_EQ(CoverSheet1Text(1, fRecord), "   7,5");
}

// Every figure the entry ranges allow is printed whole; asterisks only for
// a figure that left the 32-bit range.
TEST_F(CoverSheets, LargeFiguresInFullAsterisksOnlyWithoutAValue) {
  fRecord.AnzZS = 123456;  // only a hand-edited data file holds it
  EXPECT_EQ(CoverSheet1Text(0, fRecord), "123456");

  tTaviDaten big = WorkedExampleStandardPrices();  // 99 989 000 hours a year
  big.AnzZS = 99999;
  big.DauerZS = 999.9L;
  big.Stundensatz = 21;  // 2 099 769 000 euros: just inside the 32-bit range
  tPaybackCalc calc;
  calc.Calculate(big);
  const struct {
    int page, order;
    const char* text;
  } cases[] = {
      {1, 6, "99989000"},     {1, 10, "2099769000"}, {1, 14, "8332416"},  // 8332416.7 cut, as FormatReal cuts
      {1, 18, "174980750"},   {1, 30, "1049884500"}, {1, 54, "157482675"},
      {2, 25, "1049884500"},  {2, 28, "3149648020"}, {2, 24, "  0.0"},  // paid back in days
      {3, 9, "1994780550"},   {3, 12, "5039438470"}, {3, 14, "944896050"}, {3, 17, "1889790450"},
  };
  const std::array<tWrappedLines, 4> none{};
  for (const auto& c : cases) {
    const std::optional<std::string> text = c.page == 1   ? CoverSheet1Text(c.order, big)
                                            : c.page == 2 ? CoverSheet2Text(c.order, big, calc, none)
                                                          : CoverSheet3Text(c.order, big, calc, {});
    EXPECT_EQ(text.value_or("(keiner)"), c.text) << c.page << "/" << c.order;
  }

  // At 255 euros the costs leave the 32-bit range: the hours stay whole,
  // the costs and what follows from them are asterisks.
  big.Stundensatz = 255;
  calc.Calculate(big);
  EXPECT_EQ(CoverSheet1Text(6, big), "99989000");
  EXPECT_EQ(CoverSheet1Text(14, big), "8332416");
  EXPECT_EQ(CoverSheet1Text(10, big), "*****");
  EXPECT_EQ(CoverSheet1Text(18, big), "*****");
  EXPECT_EQ(CoverSheet2Text(26, big, calc, none), "*****");
  EXPECT_EQ(CoverSheet3Text(8, big, calc, {}), "******");
  EXPECT_EQ(CoverSheet3Text(23, big, calc, {}), "Monate");
}

TEST_F(CoverSheets, NoPaybackIsKeineWithoutItsUnit) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.PotentialVorb = d.PotentialDurchf = d.PotentialAuswert = d.PotentialAnzZS = 0;  // nothing saved
  tPaybackCalc calc;
  calc.Calculate(d);
  const std::array<tWrappedLines, 4> none{};
  EXPECT_EQ(CoverSheet2Text(24, d, calc, none), "keine");
  EXPECT_EQ(CoverSheet2Text(30, d, calc, none), "");
  for (const auto& [order, text] : {std::pair{8, " keine"}, std::pair{13, " keine"}, std::pair{23, ""},
                                    std::pair{24, ""}})
    EXPECT_EQ(CoverSheet3Text(order, d, calc, {}), text) << order;
}

}  // namespace
