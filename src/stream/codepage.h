// Character sets at the file boundary.
//
// Inside the program every text is UTF-8. On disk, texts are Windows-1252
// bytes; short strings are further translated to the DOS code page 437 while
// a stream's translate flag is set. These helpers convert between the three
// and tell which characters survive each trip, so that an entry field can
// refuse a character instead of letting the file change it silently.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace codepage {

// Windows-1252 bytes to UTF-8. Total: the five bytes 1252 leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 control characters of the same value,
// so every byte string converts and converts back unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. Empty optional when the text is not valid UTF-8 or
// holds a character that 1252 cannot represent; nothing is replaced.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// Unicode code point to its 1252 byte; empty when there is none.
std::optional<uint8_t> ToCp1252(char32_t cp);

// True when the character has a 1252 byte (text lists can hold it).
bool FitsCp1252(char32_t cp);

// True when the character survives a short string on disk: it has a 1252
// byte and the 1252 -> 437 -> 1252 translation gives that byte back.
bool SurvivesShortString(char32_t cp);

// True when every character of the UTF-8 text survives a short string.
bool SurvivesShortString(std::string_view utf8);

// The translation tables of country code "049" (1252 <-> 437).
uint8_t To437(uint8_t b);
uint8_t From437(uint8_t b);
void TranslateTo437(std::string& bytes);
void TranslateFrom437(std::string& bytes);

// Selects the translation tables of a country code. Only "049" is held in
// this program; other codes leave the selection unchanged and answer false.
bool SelectCountry(std::string_view code);

// Decodes the next code point of a UTF-8 text at pos (advanced past it).
// Empty optional on malformed input (overlong forms and surrogates included).
std::optional<char32_t> NextCodePoint(std::string_view utf8, size_t& pos);

// Appends a code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// Number of code points of a valid UTF-8 text.
size_t CodePointCount(std::string_view utf8);

// The first n code points of a valid UTF-8 text.
std::string LeftCodePoints(std::string_view utf8, size_t n);

}  // namespace codepage
