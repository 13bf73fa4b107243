#include "textlist.h"

#include <algorithm>

#include "codepage.h"

std::vector<std::string> tTextList::SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

bool tTextList::SetLines(std::vector<std::string> lines) {
  for (const std::string& line : lines)
    if (!codepage::Utf8ToCp1252(line) || line.find_first_of("\r\n") != std::string::npos) return false;
  fLines = std::move(lines);
  return true;
}

std::string tTextList::Text() const {
  std::string text;
  for (const std::string& line : fLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

bool tTextList::SetText(std::string_view utf8) {
  if (!codepage::Utf8ToCp1252(utf8)) return false;
  fLines = SplitLines(utf8);
  return true;
}

void tTextList::Store(tObjStream& stream) const {
  // Lines hold only 1252 characters (SetLines/SetText refuse others).
  const std::string bytes = codepage::Utf8ToCp1252(Text()).value_or(std::string());
  stream.WriteInt32(static_cast<int32_t>(bytes.size()));
  stream.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void tTextList::Load(tObjStream& stream) {
  if (stream.GetStatus() != stOk) return;
  const int32_t n = stream.ReadInt32();
  if (stream.GetStatus() != stOk) return;
  if (n < 0) {
    stream.SetStatus(stBadData);
    return;
  }
  const int32_t available = static_cast<int32_t>(std::min<int64_t>(n, stream.Remaining()));
  std::string bytes(static_cast<size_t>(available), '\0');
  const int32_t got = stream.Read(bytes.data(), available);
  bytes.resize(static_cast<size_t>(std::max(got, 0)));
  if (got < n) stream.SetStatus(stReadError);
  fLines = SplitLines(codepage::Cp1252ToUtf8(bytes));
}
