// The text reader: property lines, keywords and value conversions, and the
// form text's lines and character set.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "layouterrors.h"
#include "layouttest.h"
#include "propertyreader.h"

using layouttest::Text;

namespace {

struct LineCase {
  std::string line;
  bool property;
  std::string key;
  std::string value;
};

TEST(PropertyLine, SplitsKeyAndValueAsTheDesignerWritesThem) {
  const LineCase cases[] = {
      {"Left = 24", true, "LEFT", "24"},
      {"Left=24", true, "LEFT", "4"},  // the character after "=" is always skipped
      {"Left =24", true, "LEFT", "4"},
      {"A=5", false, "", ""},          // "=" at position 2
      {"=5", false, "", ""},           // "=" at position 1
      {"AB=5", true, "AB", ""},        // position 3 counts; the "5" is the skipped one
      {"Left =", true, "LEFT", ""},
      {"    Font . Name = 'Arial'", true, "FONT.NAME", "'Arial'"},
      {"Font.Name = 'Arial'", true, "FONT.NAME", "'Arial'"},
      {"Caption = 'Umsatz ''99'", true, "CAPTION", "'Umsatz ''99'"},
      {"Caption = a = b", true, "CAPTION", "a = b"},  // the first "=" splits
      {"Left = 24 ", true, "LEFT", "24 "},            // not trimmed
      {"tag = 1", true, "TAG", "1"},
      {"Höhe = 1", true, "HöHE", "1"},               // only a-z are upper-cased
      {"ä=1", false, "", ""},                         // "=" is the second character (third byte)
      {"Left =ä5", true, "LEFT", "5"},                // the skipped character may be an umlaut
      {"  object LblTitel: TLabel", false, "", ""},
      {"end", false, "", ""},
      {"", false, "", ""},
  };
  for (const LineCase& c : cases) {
    tTextFile file = Text(c.line + "\nnext\n");
    std::string key = "x", value = "y";
    EXPECT_EQ(ReadPropertyLine(file, key, value), c.property) << c.line;
    EXPECT_EQ(key, c.key) << c.line;
    EXPECT_EQ(value, c.value) << c.line;
    // The line is consumed either way.
    std::string next;
    ASSERT_TRUE(file.ReadLine(next, 255));
    EXPECT_EQ(next, "next") << c.line;
  }
}

TEST(PropertyLine, ALongLineIsReadAsItsFirst255Characters) {
  const std::string value(300 - 10, 'x');
  tTextFile file = Text("Caption = " + value + "\nLeft = 1\n");
  std::string key, got;
  ASSERT_TRUE(ReadPropertyLine(file, key, got));
  EXPECT_EQ(key, "CAPTION");
  EXPECT_EQ(got, std::string(255 - 10, 'x'));
  // The rest of the line is skipped: the next read is the next line.
  ASSERT_TRUE(ReadPropertyLine(file, key, got));
  EXPECT_EQ(key, "LEFT");

  // Characters, not bytes: 300 umlauts give 255 of them.
  std::string umlauts;
  for (int i = 0; i < 300; ++i) umlauts += "ü";
  tTextFile wide = Text("Caption = " + umlauts);
  ASSERT_TRUE(ReadPropertyLine(wide, key, got));
  EXPECT_EQ(got.size(), (255 - 10) * 2u);
}

TEST(PropertyLine, EndOfTextIsNoPropertyLine) {
  tTextFile file = Text("Left = 1");
  std::string key, value;
  EXPECT_TRUE(ReadPropertyLine(file, key, value));
  EXPECT_FALSE(ReadPropertyLine(file, key, value));
  EXPECT_FALSE(file.LastReadFound());
}

TEST(Keyword, TwelveKeywordsComparedExactly) {
  const char* keywords[] = {"LEFT",      "TOP",        "WIDTH",    "HEIGHT",    "CAPTION",   "FONT.HEIGHT",
                            "FONT.NAME", "FONT.STYLE", "TABORDER", "FONTANGLE", "ALIGNMENT", "TAG"};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(FindKeyword(keywords[i]), i + 1) << keywords[i];
  for (const char* other : {"", "left", "FONT", "FONT.HEIGHTX", "TAGS", "FONTNAME", " TOP"})
    EXPECT_EQ(FindKeyword(other), 0) << other;
}

TEST(Conversion, ValuesOfTheTableBecomeWhatTheCommandsStore) {
  // Captions: quoted values are texts, others placeholders.
  EXPECT_EQ(CaptionText("'Umsatz ''99'"), "Umsatz 99");
  EXPECT_EQ(CaptionText("SPR(7)"), "##7##");
  EXPECT_EQ(CaptionText("Sprache(7)"), "##ACHE7##");
  EXPECT_EQ(CaptionText("Summe 'A'"), "Summe A");  // an apostrophe anywhere makes it a text

  const std::pair<const char*, uint8_t> styles[] = {
      {"[fsBold, fsUnderline]", 5}, {"[fsbold]", 0},  {"[]", 0},          {"", 0},
      {"[fsItalic]", 2},            {"[fsStrikeOut]", 8}, {"[fsBold, fsItalic, fsUnderline, fsStrikeOut]", 15},
      {"[fsBold,fsBold]", 1},       {"[fsBold, Fett]", 1}, {"fsBold", 1},
  };
  for (const auto& [value, style] : styles) EXPECT_EQ(ParseFontStyle(value), style) << value;

  const std::pair<const char*, uint8_t> alignments[] = {
      {"taCenter", 2}, {"2", 0}, {"taRightJustify", 1}, {"taLeftJustify", 0}, {"tacenter", 0}, {"taCenter ", 0},
  };
  for (const auto& [value, alignment] : alignments) EXPECT_EQ(ParseAlignment(value), alignment) << value;
}

TEST(Conversion, UnquoteRemovesEveryApostropheAndKeepsCharacterCodes) {
  EXPECT_EQ(UnquoteText("'Summe'"), "Summe");
  EXPECT_EQ(UnquoteText("'M'#252'ller'"), "M#252ller");
  EXPECT_EQ(UnquoteText("''''"), "");
  EXPECT_EQ(UnquoteText("'" + std::string(300, 'x') + "'"), std::string(255, 'x'));
}

TEST(Conversion, PlaceholderUpperCasesStripsWrapsAndDeletesTheFirstPrefixes) {
  const std::pair<const char*, const char*> cases[] = {
      {"spr(12)", "##12##"},
      {"SPKON_12", "##12##"},
      {"spkon ( 3 )", "##3##"},
      {"äöü x_y", "##ÄÖÜXY##"},
      {"ßé", "##ßé##"},              // no other letters change
      {"SPRSPR1", "##SPR1##"},       // only the first SPR goes
      {"SPKONSPR", "####"},
      {"SPKSPRON", "####"},          // SPR first: its deletion makes the SPKON
      {"", "####"},
      {"Umsatz", "##UMSATZ##"},
  };
  for (const auto& [value, placeholder] : cases) EXPECT_EQ(MakePlaceholder(value), placeholder) << value;
}

TEST(Conversion, IntegersAreDecimalWithLeadingBlanksOnly) {
  const std::pair<const char*, int32_t> good[] = {
      {"24", 24}, {"  -7", -7}, {"+3", 3}, {"007", 7}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
  };
  for (const auto& [text, value] : good) EXPECT_EQ(StrToInt(text), value) << text;
  for (const char* bad : {"", " ", "-", "24 ", "0x10", "$10", "1e3", "abc", "2147483648", "-2147483649",
                          "99999999999999999999", "1,5"}) {
    int32_t v = 42;
    EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
    EXPECT_EQ(v, 42) << bad;
  }
  try {
    StrToInt("abc");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' ist kein gültiger Integerwert.");
  }
  EXPECT_EQ(StrToInt16("32766", 1), 32767);
  EXPECT_THROW(StrToInt16("32767", 1), EConvertError);
  EXPECT_THROW(StrToInt16("-32768", -1), EConvertError);
}

TEST(TextFile, LinesEndAtAnyLineBreakAndAreCounted) {
  tTextFile file = Text("eins\r\nzwei\nDREI\rvier\n\nsechs");
  std::vector<std::string> lines;
  std::string line;
  while (file.ReadLine(line, 255)) {
    lines.push_back(line);
    EXPECT_EQ(file.LineNumber(), static_cast<int>(lines.size()));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"eins", "zwei", "DREI", "vier", "", "sechs"}));
  EXPECT_EQ(line, "");
  EXPECT_TRUE(file.Eof());
}

TEST(TextFile, Utf8IsTakenAsItIsAndAnythingElseAsWindows1252) {
  std::string line;
  tTextFile utf8 = tTextFile::FromBytes("\xEF\xBB\xBF" "Caption = 'Müller €'");
  ASSERT_TRUE(utf8.ReadLine(line, 255));
  EXPECT_EQ(line, "Caption = 'Müller €'");  // byte order mark skipped
  EXPECT_FALSE(utf8.WasCp1252());

  tTextFile ansi = tTextFile::FromBytes("Caption = 'M\xFCller \x80'\n'Gr\xF6\xDF" "e'");
  ASSERT_TRUE(ansi.ReadLine(line, 255));
  EXPECT_EQ(line, "Caption = 'Müller €'");
  ASSERT_TRUE(ansi.ReadLine(line, 255));
  EXPECT_EQ(line, "'Größe'");
  EXPECT_TRUE(ansi.WasCp1252());
}

TEST(TextFile, AFileThatCannotBeReadRaisesAnInputOutputError) {
  QTemporaryDir dir;
  for (const QString& name : {dir.filePath("fehlt.dfm"), dir.path()}) {
    try {
      tTextFile::Open(name.toStdString());
      ADD_FAILURE() << "no error for " << name.toStdString();
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.what(), "Die Datei „" + name.toStdString() + "“ kann nicht gelesen werden.");
    }
  }
}

}  // namespace
