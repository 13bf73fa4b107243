// The readable source of the language file.
//
// UTF-8 text, one string per line:   <number> "<text>"
// Blank lines and lines starting with # are ignored. Inside the quotes
// \" \\ \n \r \t stand for themselves; everything else is taken as written
// (leading blanks of a design text included). Numbers are 0..65535 and
// appear once. Every character must survive the code page 437 translation
// of the language file, so that the program shows exactly what was written.
#pragma once

#include <cstdint>
#include <map>
#include <string>

struct LangSource {
  std::map<uint16_t, std::string> strings;  // Windows-1252 bytes
  std::string error;                        // empty when the source was valid
};

LangSource ParseLangSource(const std::string& utf8Text);

// Writes the language file (resource file with the list under "Strings").
// Answers false when the file cannot be written.
bool WriteLanguageFile(const std::map<uint16_t, std::string>& strings, const std::string& fileName);
