#include "pdfcomplete.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Reads the file forward from an offset, a block at a time.
class tReader {
 public:
  tReader(int fd, int64_t size, int64_t at) : fFd(fd), fSize(size), fPos(at) {}

  int Peek() {
    if (fIndex >= fBuffer.size() && !Fill()) return -1;
    return static_cast<unsigned char>(fBuffer[fIndex]);
  }
  int Next() {
    const int c = Peek();
    if (c >= 0) ++fIndex;
    return c;
  }
  void SkipBlanks() {
    for (int c = Peek(); c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\f' || c == 0; c = Peek()) Next();
  }
  bool Word(std::string_view word) {
    for (const char w : word)
      if (Next() != static_cast<unsigned char>(w)) return false;
    return true;
  }
  // A decimal number of at most maxDigits digits; -1 when there is none.
  int64_t Number(int maxDigits = 18) {
    int64_t value = -1;
    for (int digits = 0; digits < maxDigits; ++digits) {
      const int c = Peek();
      if (c < '0' || c > '9') break;
      value = (value < 0 ? 0 : value * 10) + (c - '0');
      Next();
    }
    return value;
  }

 private:
  bool Fill() {
    if (fPos >= fSize) return false;
    fBuffer.resize(65536);
    const ssize_t n = ::pread(fFd, fBuffer.data(), fBuffer.size(), fPos);
    if (n <= 0) return false;
    fBuffer.resize(static_cast<size_t>(n));
    fPos += n;
    fIndex = 0;
    return true;
  }
  int fFd;
  int64_t fSize;
  int64_t fPos;
  std::string fBuffer;
  size_t fIndex = 0;
};

// Object `number` `generation` starts at `offset`.
bool ObjectAt(int fd, int64_t size, int64_t offset, int64_t number, int64_t generation) {
  if (offset <= 0 || offset >= size) return false;
  tReader r(fd, size, offset);
  if (r.Number() != number) return false;
  r.SkipBlanks();
  if (r.Number() != generation) return false;
  r.SkipBlanks();
  return r.Word("obj");
}

}  // namespace

bool PdfIsComplete(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || st.st_size < 32) return false;
  const int64_t size = st.st_size;

  // The tail: "startxref", the table's offset, "%%EOF".
  std::string tail(static_cast<size_t>(size < 1024 ? size : 1024), '\0');
  const int64_t tailStart = size - static_cast<int64_t>(tail.size());
  if (::pread(fd, tail.data(), tail.size(), tailStart) != static_cast<ssize_t>(tail.size())) return false;
  // The writer ends the file with "%%EOF" and a line end.
  if (!std::string_view(tail).ends_with("%%EOF\n") && !std::string_view(tail).ends_with("%%EOF\r\n")) return false;
  const size_t startxref = tail.rfind("startxref");
  if (startxref == std::string::npos) return false;
  tReader end(fd, size, tailStart + static_cast<int64_t>(startxref) + 9);
  end.SkipBlanks();
  const int64_t table = end.Number();
  end.SkipBlanks();
  if (table <= 0 || table >= size || !end.Word("%%EOF")) return false;

  // The table: sections of "first count" and count entries each.
  tReader r(fd, size, table);
  if (!r.Word("xref")) return false;
  int64_t listed = 0;
  for (;;) {
    r.SkipBlanks();
    if (r.Peek() == 't') return r.Word("trailer") && listed > 0;
    const int64_t first = r.Number();
    r.SkipBlanks();
    const int64_t count = r.Number();
    if (first < 0 || count < 0) return false;
    for (int64_t i = 0; i < count; ++i) {
      r.SkipBlanks();
      const int64_t offset = r.Number(10);
      r.SkipBlanks();
      const int64_t generation = r.Number(5);
      r.SkipBlanks();
      const int kind = r.Next();
      if (offset < 0 || generation < 0 || (kind != 'n' && kind != 'f')) return false;
      if (kind == 'n' && !ObjectAt(fd, size, offset, first + i, generation)) return false;
      ++listed;
    }
  }
}
