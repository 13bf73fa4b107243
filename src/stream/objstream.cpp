#include "objstream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <limits>

#include "codepage.h"
#include "streamable.h"

static_assert(std::endian::native == std::endian::little, "the stream formats are little-endian");
static_assert(std::numeric_limits<long double>::digits == 64, "extended needs the x87 80-bit type");

namespace {
StreamMessageHandler& MessageHandler() {
  static StreamMessageHandler handler;
  return handler;
}
}  // namespace

void SetStreamMessageHandler(StreamMessageHandler handler) { MessageHandler() = std::move(handler); }

void ShowStreamMessage(const std::string& text) {
  if (MessageHandler())
    MessageHandler()(text);
  else
    std::cerr << text << '\n';
}

// ---------------------------------------------------------------- tObjStream

int32_t tObjStream::Read(void* buffer, int32_t count) {
  if (fStatus != stOk || count <= 0) return 0;
  const int32_t got = DoRead(buffer, count);
  if (got < count && ShortReadIsError()) SetStatus(stReadError);
  return got;
}

int32_t tObjStream::Write(const void* buffer, int32_t count) {
  if (fStatus != stOk || count <= 0) return 0;
  const int32_t put = DoWrite(buffer, count);
  if (put < count) SetStatus(stWriteError);
  return put;
}

int64_t tObjStream::Seek(int64_t offset, int origin) { return DoSeek(offset, origin); }
int64_t tObjStream::Position() { return DoSeek(0, 1); }
int64_t tObjStream::Size() { return DoSize(); }

int64_t tObjStream::Remaining() {
  const int64_t pos = Position();
  const int64_t size = Size();
  return (pos < 0 || size < pos) ? 0 : size - pos;
}

void tObjStream::SetStatus(int16_t status, int16_t info) {
  if (fStatus == stOk) {
    fStatus = status;
    fErrorInfo = info;
  }
}

std::string tObjStream::ReadStr() {
  if (fStatus != stOk) return {};
  uint8_t n = 0;
  Read(&n, 1);
  if (n == 0) return {};
  std::string s(n, '\0');
  const int32_t got = Read(s.data(), n);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  if (fTranslate) codepage::TranslateFrom437(s);
  return s;
}

void tObjStream::WriteStr(std::string_view bytes) {
  if (fStatus != stOk) return;
  if (bytes.empty()) {
    WriteByte(0);
    return;
  }
  std::string copy(bytes.substr(0, 255));
  if (fTranslate) codepage::TranslateTo437(copy);
  WriteByte(static_cast<uint8_t>(copy.size()));
  Write(copy.data(), static_cast<int32_t>(copy.size()));
}

std::unique_ptr<tStreamable> tObjStream::Get() {
  if (fStatus != stOk) return nullptr;
  uint16_t id = 0;
  Read(&id, 2);
  if (fStatus != stOk || id == 0) return nullptr;
  const tStreamRec* rec = LookupType(id, true);
  if (!rec) {
    SetStatus(stGetError);
    ShowStreamMessage("Get mit nicht registriertem Object (ID:" + std::to_string(id) + ")!");
    return nullptr;
  }
  // Nested objects are read by recursion: a limit keeps broken data from
  // exhausting the stack.
  if (fGetNesting >= kMaxGetNesting) {
    SetStatus(stBadData);
    return nullptr;
  }
  struct Nesting {
    int& depth;
    explicit Nesting(int& d) : depth(d) { ++depth; }
    ~Nesting() { --depth; }
  } nesting(fGetNesting);
  return rec->Build(*this);
}

void tObjStream::Put(const tStreamable* object) {
  if (fStatus != stOk) return;
  const uint16_t id = object ? object->ClassID() : 0;
  WriteUInt16(id);
  if (object) object->Store(*this);
}

uint8_t tObjStream::ReadByte(uint8_t v) {
  Read(&v, 1);
  return v;
}
int16_t tObjStream::ReadInt16(int16_t v) {
  Read(&v, 2);
  return v;
}
uint16_t tObjStream::ReadUInt16(uint16_t v) {
  Read(&v, 2);
  return v;
}
int32_t tObjStream::ReadInt32(int32_t v) {
  Read(&v, 4);
  return v;
}

void tObjStream::ReadExtended(long double& value) {
  unsigned char raw[sizeof(long double)];
  std::memcpy(raw, &value, sizeof raw);
  Read(raw, 10);
  std::memset(raw + 10, 0, sizeof raw - 10);
  std::memcpy(&value, raw, sizeof raw);
}

void tObjStream::WriteExtended(long double value) {
  unsigned char raw[sizeof(long double)];
  std::memcpy(raw, &value, sizeof raw);
  Write(raw, 10);
}

// ------------------------------------------------------------ tObjFileStream

tObjFileStream::tObjFileStream(const std::string& fileName, uint16_t mode) : fFileName(fileName.substr(0, 255)) {
  // Reading takes regular files only: opening a FIFO without writer would
  // wait for ever, and a device delivers endless or changing bytes. The
  // open itself must not wait, so it is non-blocking until the check.
  const bool readOnly = mode != fmCreate && (mode & 3) == 0;
  if (mode == fmCreate) {
    fHandle = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  } else {
    const int access = mode & 3;
    const int flags = access == 1 ? O_WRONLY : (access == 2 ? O_RDWR : O_RDONLY | O_NONBLOCK | O_NOCTTY);
    fHandle = ::open(fileName.c_str(), flags | O_CLOEXEC);
  }
  if (fHandle < 0) {
    SetStatus(stOpenError, static_cast<int16_t>(errno));
    return;
  }
  struct stat st {};
  int refused = 0;
  if (::fstat(fHandle, &st) != 0)
    refused = errno;
  else if (S_ISDIR(st.st_mode))
    refused = EISDIR;
  else if (readOnly && !S_ISREG(st.st_mode))
    refused = ENXIO;
  else if (readOnly && ::fcntl(fHandle, F_SETFL, ::fcntl(fHandle, F_GETFL) & ~O_NONBLOCK) != 0)
    refused = errno;
  if (refused != 0) {
    ::close(fHandle);
    fHandle = -1;
    SetStatus(stOpenError, static_cast<int16_t>(refused));
  }
}

tObjFileStream::~tObjFileStream() {
  if (fHandle >= 0) ::close(fHandle);
}

bool tObjFileStream::Flush() {
  if (fHandle < 0 || ::fsync(fHandle) != 0) {
    SetStatus(stWriteError, static_cast<int16_t>(errno));
    return false;
  }
  return true;
}

bool tObjFileStream::Close() {
  if (fHandle < 0) return GetStatus() == stOk;
  const int rc = ::close(fHandle);
  fHandle = -1;
  if (rc != 0) {
    SetStatus(stWriteError, static_cast<int16_t>(errno));
    return false;
  }
  return true;
}

int32_t tObjFileStream::DoRead(void* buffer, int32_t count) {
  if (fHandle < 0) return 0;
  auto* p = static_cast<char*>(buffer);
  int32_t total = 0;
  while (total < count) {
    const ssize_t n = ::read(fHandle, p + total, static_cast<size_t>(count - total));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    total += static_cast<int32_t>(n);
  }
  return total;
}

int32_t tObjFileStream::DoWrite(const void* buffer, int32_t count) {
  if (fHandle < 0) return 0;
  const auto* p = static_cast<const char*>(buffer);
  int32_t total = 0;
  while (total < count) {
    const ssize_t n = ::write(fHandle, p + total, static_cast<size_t>(count - total));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    total += static_cast<int32_t>(n);
  }
  return total;
}

int64_t tObjFileStream::DoSeek(int64_t offset, int origin) {
  if (fHandle < 0) return -1;
  const int whence = origin == 0 ? SEEK_SET : (origin == 1 ? SEEK_CUR : SEEK_END);
  return ::lseek(fHandle, offset, whence);
}

int64_t tObjFileStream::DoSize() {
  if (fHandle < 0) return 0;
  struct stat st {};
  return ::fstat(fHandle, &st) == 0 ? st.st_size : 0;
}

// ---------------------------------------------------------- tObjMemoryStream

namespace {
constexpr int64_t kMemoryDelta = 4096;
constexpr int64_t kMemoryMax = std::numeric_limits<int32_t>::max();
}  // namespace

tObjMemoryStream::tObjMemoryStream(int64_t capacity) {
  if (capacity > 0) Grow(capacity);
}

tObjMemoryStream::tObjMemoryStream(std::string_view bytes) {
  Grow(static_cast<int64_t>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), fData.begin());
  fSize = static_cast<int64_t>(bytes.size());
}

void tObjMemoryStream::Grow(int64_t needed) {
  if (needed <= Capacity()) return;
  const int64_t capacity = (needed + kMemoryDelta - 1) / kMemoryDelta * kMemoryDelta;
  if (capacity > kMemoryMax) throw EStreamError("Expandieren des Speicher-Stream wegen Speichermangel nicht möglich");
  try {
    fData.resize(static_cast<size_t>(capacity));
  } catch (const std::bad_alloc&) {
    throw EStreamError("Expandieren des Speicher-Stream wegen Speichermangel nicht möglich");
  }
}

int32_t tObjMemoryStream::DoRead(void* buffer, int32_t count) {
  if (fPos >= fSize) return 0;
  const int64_t n = std::min<int64_t>(count, fSize - fPos);
  std::memcpy(buffer, fData.data() + fPos, static_cast<size_t>(n));
  fPos += n;
  return static_cast<int32_t>(n);
}

int32_t tObjMemoryStream::DoWrite(const void* buffer, int32_t count) {
  const int64_t end = fPos + count;
  Grow(end);
  std::memcpy(fData.data() + fPos, buffer, static_cast<size_t>(count));
  fPos = end;
  fSize = std::max(fSize, end);
  return count;
}

int64_t tObjMemoryStream::DoSeek(int64_t offset, int origin) {
  const int64_t base = origin == 0 ? 0 : (origin == 1 ? fPos : fSize);
  if (offset > kMemoryMax || offset < -kMemoryMax) return -1;
  const int64_t target = base + offset;
  if (target < 0 || target > kMemoryMax) return -1;
  fPos = target;
  return fPos;
}
