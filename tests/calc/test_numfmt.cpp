#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numfmt.h"

namespace {

class NumberFormat : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { SetDecimalSeparator(GetParam()); }
  void TearDown() override { SetDecimalSeparator("."); }
  // The expected text written with "." and adapted to the separator.
  std::string Sep(std::string s) const {
    const auto dot = s.find('.');
    if (dot != std::string::npos) s.replace(dot, 1, GetParam());
    return s;
  }
};

TEST_P(NumberFormat, FixedWidthTexts) {
  EXPECT_EQ(FormatReal(2.92266L, 8, 1), Sep("     2.9"));
  EXPECT_EQ(FormatReal(3.913043L, 6, 2), Sep("  3.91"));
  EXPECT_EQ(FormatReal(0, 8, 1), Sep("     0.0"));
  EXPECT_EQ(FormatReal(75, 8, 1), Sep("    75.0"));
}

TEST_P(NumberFormat, TooWideDropsDecimalsThenSwitchesToExponent) {
  // 1234567.9 is too long: its last decimal goes, then the separator.
  EXPECT_EQ(FormatReal(1234567.89L, 8, 1), " 1234567");
  EXPECT_EQ(FormatReal(123456789, 8, 1), Sep(" 1.2E+08"));
  EXPECT_EQ(FormatReal(-123456789, 8, 1), Sep("-1.2E+08"));
  EXPECT_EQ(FormatReal(123456789, 6, 1), "******");
  // Dropped digits are cut, not rounded again: 12345.67 -> 12345.6 -> 12345
  EXPECT_EQ(FormatReal(12345.67L, 7, 2), Sep("12345.6"));
  EXPECT_EQ(FormatReal(99999.99L, 5, 2), "99999");
  // More width gives more mantissa digits.
  EXPECT_EQ(FormatReal(1.23456789e20L, 12, 1), Sep("   1.235E+20"));
}

TEST_P(NumberFormat, HalvesRoundToEven) {
  EXPECT_EQ(FormatReal(11.25L, 8, 1), Sep("    11.2"));
  EXPECT_EQ(FormatReal(11.75L, 8, 1), Sep("    11.8"));
  EXPECT_EQ(FormatReal(0.125L, 6, 2), Sep("  0.12"));
}

TEST_P(NumberFormat, NegativeAndSpecialValues) {
  EXPECT_EQ(FormatReal(-2.5L, 8, 1), Sep("    -2.5"));
  EXPECT_EQ(FormatReal(-0.0L, 8, 1), Sep("     0.0"));
  EXPECT_EQ(FormatReal(std::numeric_limits<long double>::quiet_NaN(), 8, 1), "********");
  EXPECT_EQ(FormatReal(std::numeric_limits<long double>::infinity(), 6, 2), "******");
  EXPECT_EQ(FormatReal(-std::numeric_limits<long double>::infinity(), 6, 2), "******");
}

// Figures that must never be asterisks: what fits is FormatReal's text,
// what does not grows to the left; only what has no value is asterisks.
TEST_P(NumberFormat, FiguresInFull) {
  const extended nan = std::numeric_limits<extended>::quiet_NaN();
  const struct {
    extended value;
    int width, decimals;
    const char* text;
  } cases[] = {
      {75, 8, 1, "    75.0"},               // fits: as FormatReal
      {12345.67L, 6, 1, " 12345"},          // fits without its decimal: as FormatReal
      {8332416.67L, 6, 1, "8332416"},       // FormatReal: asterisks
      {999999.96L, 6, 1, "1000000"},        // rounding carries into the integer part
      {1000000, 6, 0, "1000000"},
      {-123456, 6, 0, "-123456"},
      {1.5e13L, 6, 0, "15000000000000"},
      {123456789, 8, 1, " 1.2E+08"},        // exponent notation fits: as FormatReal
      {nan, 6, 0, "******"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatRealInFull(c.value, c.width, c.decimals), Sep(c.text)) << double(c.value);
}

TEST_P(NumberFormat, PaybackOrNone) {
  EXPECT_EQ(FormatPayback(0, false, 6, 1), " keine");
  EXPECT_EQ(FormatPayback(0, false, 3, 1), "keine");
  EXPECT_EQ(FormatPayback(0, true, 6, 1), Sep("   0.0"));  // paid back at once
  EXPECT_EQ(FormatPayback(0.04L, true, 8, 1), Sep("     0.0"));
  EXPECT_EQ(FormatPayback(1439988, true, 5, 1), "1439988");
  EXPECT_EQ(FormatPayback(std::numeric_limits<extended>::quiet_NaN(), false, 6, 1), "******");
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberFormat, ::testing::Values(",", "."));

TEST(FormatIntegerInFull, GrowsUnlessThereIsNoValue) {
  const struct {
    int64_t value;
    int width;
    const char* text;
  } cases[] = {
      {12, 5, "   12"},
      {99989000, 6, "99989000"},
      {-119999, 5, "-119999"},
      {6442450938LL, 5, "6442450938"},  // a balance after three years
      {std::numeric_limits<int64_t>::min(), 6, "******"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatIntegerInFull(c.value, c.width), c.text) << c.value;
  EXPECT_EQ(FormatFigure(2147483646, 8), "2147483646");
  EXPECT_EQ(FormatFigure(std::numeric_limits<int32_t>::max(), 8), "********");  // saturated
  EXPECT_EQ(FormatFigure(std::numeric_limits<int32_t>::min(), 5), "*****");
}

TEST(FormatInteger, FitsOrAsterisks) {
  EXPECT_EQ(FormatInteger(12345, 4), "****");
  EXPECT_EQ(FormatInteger(-12, 5), "  -12");
  EXPECT_EQ(FormatInteger(0, 6), "     0");
  EXPECT_EQ(FormatInteger(99999999, 8), "99999999");
  EXPECT_EQ(FormatInteger(100000000, 8), "********");
  EXPECT_EQ(FormatInteger(std::numeric_limits<int32_t>::min(), 11), "-2147483648");
  EXPECT_EQ(FillText('*', 3), "***");
  EXPECT_EQ(FillText('*', 0), "");
}

}  // namespace
