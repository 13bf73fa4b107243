#include "textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "codepage.h"
#include "layouterrors.h"

namespace {

bool IsValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  while (pos < bytes.size())
    if (!codepage::NextCodePoint(bytes, pos)) return false;
  return true;
}

// The whole content of a regular file; false when it cannot be opened or
// read (a folder included).
bool ReadWholeFile(const std::string& fileName, std::string& content) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  char buffer[65536];
  while (ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return ok;
}

}  // namespace

tTextFile tTextFile::FromBytes(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return tTextFile(std::string(bytes), false);
  return tTextFile(codepage::Cp1252ToUtf8(bytes), true);
}

tTextFile tTextFile::Open(const std::string& fileName) {
  std::string content;
  if (!ReadWholeFile(fileName, content))
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
