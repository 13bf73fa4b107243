#include "langsource.h"

#include <cstdio>
#include <sstream>

#include "codepage.h"
#include "resfile.h"

LangSource ParseLangSource(const std::string& text) {
  LangSource result;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  auto fail = [&](const std::string& why) {
    result.error = "line " + std::to_string(lineNo) + ": " + why;
    result.strings.clear();
    return result;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t p = line.find_first_not_of(" \t");
    if (p == std::string::npos || line[p] == '#') continue;
    size_t end = p;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
    if (end == p || end - p > 5) return fail("expected a string number");
    const unsigned long number = std::stoul(line.substr(p, end - p));
    if (number > 65535) return fail("string number above 65535");
    p = line.find_first_not_of(" \t", end);
    if (p == std::string::npos || line[p] != '"') return fail("expected a quoted text");
    std::string value;
    size_t i = p + 1;
    bool closed = false;
    for (; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '"') {
        closed = true;
        ++i;
        break;
      }
      if (c != '\\') {
        value += c;
        continue;
      }
      if (++i >= line.size()) return fail("backslash at the end of the line");
      switch (line[i]) {
        case '"': value += '"'; break;
        case '\\': value += '\\'; break;
        case 'n': value += '\n'; break;
        case 'r': value += '\r'; break;
        case 't': value += '\t'; break;
        default: return fail(std::string("unknown escape \\") + line[i]);
      }
    }
    if (!closed) return fail("text without closing quote");
    if (line.find_first_not_of(" \t", i) != std::string::npos) return fail("text after the closing quote");
    if (!codepage::SurvivesShortString(value)) return fail("character that the language file cannot hold");
    auto bytes = codepage::Utf8ToCp1252(value);
    if (!bytes || bytes->size() > 255) return fail("text longer than 255 characters");
    if (!result.strings.emplace(static_cast<uint16_t>(number), *bytes).second)
      return fail("string " + std::to_string(number) + " given twice");
  }
  return result;
}

bool WriteLanguageFile(const std::map<uint16_t, std::string>& strings, const std::string& fileName) {
  const std::string temp = fileName + ".tmp";
  bool ok = false;
  {
    tObjFileStream out(temp, tObjFileStream::fmCreate);
    const tObjStringList list(strings);
    WriteResourceFile(out, {{"Strings", &list}});
    ok = out.GetStatus() == stOk && out.Close();
  }
  ok = ok && std::rename(temp.c_str(), fileName.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}
