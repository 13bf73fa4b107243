// The text reader of designed forms: property lines ("Left = 24"), the
// keywords a layout command understands, and the conversions of their
// values. All texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "textfile.h"

// Longest line the reader takes; the rest of a longer line is skipped.
constexpr size_t kMaxPropertyLine = 255;
// Longest text a command keeps (a short string of the layout file).
constexpr size_t kMaxCommandText = 255;

// Keyword numbers (FindKeyword).
enum tKeyword : int {
  kwNone = 0,
  kwLeft = 1,
  kwTop = 2,
  kwWidth = 3,
  kwHeight = 4,
  kwCaption = 5,
  kwFontHeight = 6,
  kwFontName = 7,
  kwFontStyle = 8,
  kwTabOrder = 9,
  kwFontAngle = 10,
  kwAlignment = 11,
  kwTag = 12,
};

// Reads one line and splits it into key and value. False (with both empty)
// when the line has no "=", or its first "=" is the line's first or second
// character, or the text has no more lines; the line is consumed either
// way. The key is the part before the "=" with a-z upper-cased (no other
// letters) and every blank removed ("Font . Name" gives "FONT.NAME"); the
// value starts at the second character after the "=" (the designer writes
// a blank there; whatever stands there is skipped) and is not trimmed.
bool ReadPropertyLine(tTextFile& file, std::string& key, std::string& value);

// 1..12 for a keyword (compared exactly, from 12 down to 1), else 0.
int FindKeyword(std::string_view key);

// The text with every apostrophe removed, cut to kMaxCommandText
// characters. Character codes written as "#" and digits stay as written.
std::string UnquoteText(std::string_view value);

// The language placeholder of an unquoted caption: upper-cased (a-z and
// ä, ö, ü), without blanks, "(", ")" and "_", wrapped in "##", then the
// first "SPR" and after that the first "SPKON" deleted: "spr(12)" and
// "SPKON_12" both give "##12##".
std::string MakePlaceholder(std::string_view value);

// Font style flags (bold 1, italic 2, underline 4, strike-out 8) of a set
// such as "[fsBold, fsUnderline]"; names are case-sensitive, unknown ones
// add nothing, a value of fewer than three characters is the empty set.
uint8_t ParseFontStyle(std::string_view value);

// "taLeftJustify" 0, "taRightJustify" 1, "taCenter" 2; anything else 0.
uint8_t ParseAlignment(std::string_view value);

// An integer value: decimal digits with an optional sign, leading blanks
// allowed, nothing after the digits, within 32 bits. TryStrToInt answers
// false for anything else; StrToInt raises EConvertError
// ("'abc' ist kein gültiger Integerwert.").
bool TryStrToInt(std::string_view text, int32_t& value);
int32_t StrToInt(std::string_view text);

// An integer value for a 16-bit field after adding adjust (the designer's
// width and height become the stored ones this way). Raises EConvertError
// for a value that is no integer or whose result leaves -32768..32767.
int16_t StrToInt16(std::string_view text, int32_t adjust = 0);
// The range check alone.
int16_t CheckedInt16(int64_t value);

// A caption's text: a value with an apostrophe anywhere is a quoted text
// (UnquoteText), any other a language placeholder (MakePlaceholder).
std::string CaptionText(std::string_view value);
