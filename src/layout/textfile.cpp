#include "textfile.h"

#include "codepage.h"
#include "layouterrors.h"
#include "safefile.h"

namespace {

bool IsValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  while (pos < bytes.size())
    if (!codepage::NextCodePoint(bytes, pos)) return false;
  return true;
}

}  // namespace

tTextFile tTextFile::FromBytes(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return tTextFile(std::string(bytes), false);
  return tTextFile(codepage::Cp1252ToUtf8(bytes), true);
}

tTextFile tTextFile::Open(const std::string& fileName) {
  std::string content;
  if (!safefile::ReadWholeFile(fileName, content))
    throw EInOutError("Die Datei „" + fileName + "“ kann nicht gelesen werden.");
  return FromBytes(content);
}

bool tTextFile::ReadLine(std::string& line, size_t maxChars) {
  line.clear();
  fLast.clear();
  fLastFound = false;
  if (Eof()) return false;
  ++fLine;
  fLastFound = true;
  size_t end = fPos;
  while (end < fText.size() && fText[end] != '\n' && fText[end] != '\r') ++end;
  // The text is valid UTF-8 here, so counting code points is exact.
  line = codepage::LeftCodePoints(std::string_view(fText).substr(fPos, end - fPos), maxChars);
  if (end < fText.size()) {
    if (fText[end] == '\r' && end + 1 < fText.size() && fText[end + 1] == '\n') ++end;
    ++end;
  }
  fPos = end;
  fLast = line;
  return true;
}
