#include "propertyreader.h"

#include <array>
#include <limits>

#include "codepage.h"
#include "layouterrors.h"

bool ReadPropertyLine(tTextFile& file, std::string& key, std::string& value) {
  key.clear();
  value.clear();
  std::string line;
  if (!file.ReadLine(line, kMaxPropertyLine)) return false;
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  // The position counts characters; "=" is ASCII, so every byte before it
  // that starts a character counts one.
  size_t charsBefore = 0;
  for (size_t i = 0; i < eq; ++i)
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++charsBefore;
  if (charsBefore < 2) return false;

  for (size_t i = 0; i < eq; ++i) {
    char c = line[i];
    if (c == ' ') continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    key += c;
  }
  // Skip the one character after the "=" (which may take several bytes).
  size_t start = eq + 1;
  if (start < line.size()) {
    ++start;
    while (start < line.size() && (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) ++start;
  }
  value = line.substr(start);
  return true;
}

int FindKeyword(std::string_view key) {
  static constexpr std::array<std::string_view, 12> kKeywords = {
      "LEFT",      "TOP",       "WIDTH",    "HEIGHT",   "CAPTION",   "FONT.HEIGHT",
      "FONT.NAME", "FONT.STYLE", "TABORDER", "FONTANGLE", "ALIGNMENT", "TAG"};
  for (int no = 12; no >= 1; --no)
    if (key == kKeywords[static_cast<size_t>(no - 1)]) return no;
  return kwNone;
}

std::string UnquoteText(std::string_view value) {
  std::string text;
  text.reserve(value.size());
  for (char c : value)
    if (c != '\'') text += c;
  return codepage::LeftCodePoints(text, kMaxCommandText);
}

namespace {

// Deletes the first occurrence of part, if any.
void DeleteFirst(std::string& text, std::string_view part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
}

}  // namespace

std::string MakePlaceholder(std::string_view value) {
  std::string text;
  text.reserve(value.size() + 4);
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == ' ' || c == '(' || c == ')' || c == '_') continue;
    if (c >= 'a' && c <= 'z') {
      text += static_cast<char>(c - 'a' + 'A');
    } else if (c == '\xC3' && i + 1 < value.size() &&
               (value[i + 1] == '\xA4' || value[i + 1] == '\xB6' || value[i + 1] == '\xBC')) {
      // ä ö ü (C3 A4, C3 B6, C3 BC) to Ä Ö Ü (C3 84, C3 96, C3 9C).
      text += c;
      text += static_cast<char>(value[i + 1] - 0x20);
      ++i;
    } else {
      text += c;
    }
  }
  text = "##" + text + "##";
  DeleteFirst(text, "SPR");
  DeleteFirst(text, "SPKON");
  return text;
}

uint8_t ParseFontStyle(std::string_view value) {
  if (codepage::CodePointCount(value) < 3) return 0;
  std::string plain;
  for (char c : value)
    if (c != ' ' && c != '[' && c != ']') plain += c;
  uint8_t style = 0;
  size_t from = 0;
  while (from <= plain.size()) {
    size_t to = plain.find(',', from);
    if (to == std::string::npos) to = plain.size();
    const std::string_view piece = std::string_view(plain).substr(from, to - from);
    if (piece == "fsBold") style |= 1;
    else if (piece == "fsItalic") style |= 2;
    else if (piece == "fsUnderline") style |= 4;
    else if (piece == "fsStrikeOut") style |= 8;
    from = to + 1;
  }
  return style;
}

uint8_t ParseAlignment(std::string_view value) {
  if (value == "taRightJustify") return 1;
  if (value == "taCenter") return 2;
  return 0;
}

bool TryStrToInt(std::string_view text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
  }
  const int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int32_t>::max()) return false;
  value = static_cast<int32_t>(signedValue);
  return true;
}

int32_t StrToInt(std::string_view text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError("'" + std::string(text) + "' ist kein gültiger Integerwert.");
  return value;
}

int16_t CheckedInt16(int64_t value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    throw EConvertError("Der Wert " + std::to_string(value) +
                        " liegt außerhalb des zulässigen Bereichs von -32768 bis 32767.");
  return static_cast<int16_t>(value);
}

int16_t StrToInt16(std::string_view text, int32_t adjust) {
  return CheckedInt16(int64_t{StrToInt(text)} + adjust);
}

std::string CaptionText(std::string_view value) {
  return value.find('\'') != std::string_view::npos ? UnquoteText(value) : MakePlaceholder(value);
}
