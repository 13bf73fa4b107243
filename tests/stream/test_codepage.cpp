// Character sets: the 1252 <-> 437 tables of short strings and the UTF-8
// conversion at the file boundary.
#include <gtest/gtest.h>

#include "codepage.h"
#include "testutil.h"

using namespace codepage;
using testutil::Hex;
using testutil::Unhex;

namespace {
std::string AllBytes(int from, int to) {
  std::string s;
  for (int b = from; b <= to; ++b) s += static_cast<char>(b);
  return s;
}
}  // namespace

TEST(CodePageTables, GermanLettersTranslateBothWays) {
  const std::string in1252 = Unhex("C4 D6 DC E4 F6 FC DF");  // Ä Ö Ü ä ö ü ß
  std::string bytes = in1252;
  TranslateTo437(bytes);
  EXPECT_EQ(Hex(bytes), "8E 99 9A 84 94 81 E1");
  TranslateFrom437(bytes);
  EXPECT_EQ(bytes, in1252);
}

TEST(CodePageTables, AsciiIsNeverTranslated) {
  std::string bytes = AllBytes(0, 127);
  TranslateTo437(bytes);
  EXPECT_EQ(bytes, AllBytes(0, 127));
  TranslateFrom437(bytes);
  EXPECT_EQ(bytes, AllBytes(0, 127));
}

// Which 1252 characters come back from a short string decides which ones an
// entry field may accept; a wrong table entry shows up here.
TEST(CodePageTables, ExactlyTheseHighBytesSurviveWritingAndReading) {
  std::string survivors;
  for (int b = 0x80; b <= 0xFF; ++b) {
    const auto byte = static_cast<uint8_t>(b);
    const bool survives = From437(To437(byte)) == byte;
    if (survives) survivors += static_cast<char>(b);
    // The UTF-8 check the entry fields use agrees with the tables.
    EXPECT_EQ(SurvivesShortString(Cp1252ToUtf8(std::string(1, static_cast<char>(b)))), survives) << b;
  }
  EXPECT_EQ(Hex(survivors),
            "80 83 95 A0 A1 A2 A3 A5 AA AB AC B0 B1 B2 B3 B5 B7 BA BB BC BD BF C4 C5 C6 C7 C9 D1 D6 D8 "
            "DC DF E0 E1 E2 E4 E5 E6 E7 E8 E9 EA EB EC ED EE EF F1 F2 F3 F4 F6 F7 F9 FA FB FC FF");
  // Characters without a counterpart become a plain letter or a blank.
  EXPECT_EQ(To437(0xC0), 'A');  // À
  EXPECT_EQ(To437(0xF5), 'o');  // õ
  EXPECT_EQ(To437(0xDE), ' ');  // Þ
}

TEST(CodePageTables, ReadingThenWritingIsStable) {
  std::string survivors;
  for (int b = 0; b <= 0xFF; ++b) {
    const auto byte = static_cast<uint8_t>(b);
    // Saving what was loaded never changes the file a second time.
    EXPECT_EQ(To437(From437(To437(byte))), To437(byte)) << b;
    if (b >= 0x80 && To437(From437(byte)) == byte) survivors += static_cast<char>(b);
  }
  EXPECT_EQ(Hex(survivors),
            "80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F 90 91 92 93 94 95 96 97 98 99 9A 9B 9C 9D "
            "9F A0 A1 A2 A3 A4 A5 A6 A7 A8 AA AB AC AD AE AF E1 E6 ED F1 F6 F8 F9 FA FB FD FE FF");
}

TEST(Utf8Conversion, EveryByteConvertsAndComesBack) {
  const std::string all = AllBytes(0, 255);
  const auto back = Utf8ToCp1252(Cp1252ToUtf8(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);

  EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
  EXPECT_EQ(Cp1252ToUtf8("M\xFCller"), "Müller");
  EXPECT_EQ(Utf8ToCp1252("Größe €"), std::optional<std::string>("Gr\xF6\xDF" "e \x80"));
  // The five bytes 1252 leaves undefined stand for the C1 controls.
  for (const char* b : {"\x81", "\x8D", "\x8F", "\x90", "\x9D"}) {
    const std::string utf8 = Cp1252ToUtf8(b);
    EXPECT_EQ(utf8.size(), 2u);
    EXPECT_EQ(utf8[0], '\xC2');
    EXPECT_EQ(utf8[1], b[0]);
    EXPECT_EQ(Utf8ToCp1252(utf8), std::optional<std::string>(b));
  }
}

TEST(Utf8Conversion, InvalidOrUnrepresentableTextIsRefused) {
  for (const char* bad : {"\xC3", "a\xC3", "\x80", "\xFF", "\xC0\xAE", "\xE0\x80\x80", "\xED\xA0\x80",
                          "\xF4\x90\x80\x80", "\xC3\x28", "\xE2\x82"}) {
    EXPECT_FALSE(Utf8ToCp1252(bad).has_value()) << Hex(bad);
    EXPECT_FALSE(SurvivesShortString(std::string_view(bad))) << Hex(bad);
  }
  EXPECT_FALSE(Utf8ToCp1252("Ā").has_value());   // U+0100, outside 1252
  EXPECT_FALSE(Utf8ToCp1252("😀").has_value());  // four-byte form
  EXPECT_TRUE(SurvivesShortString("Müller, Größe Ø"));
  EXPECT_FALSE(SurvivesShortString("Àpfel"));  // 1252 yes, 437 no
  EXPECT_TRUE(FitsCp1252(U'À'));
}
