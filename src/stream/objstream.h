// Byte streams with a sticky status code, and polymorphic object I/O.
//
// A stream never throws on a failed read or write: it records a status code
// and from then on every Read and Write does nothing (returns 0), ReadStr
// answers an absent string and Get/Put do nothing. Callers check GetStatus()
// once after a whole load or save.
//
// All multi-byte values are little-endian. Short strings are a length byte
// and up to 255 bytes of Windows-1252 text, translated to code page 437 on
// disk while the translate flag is set (the default).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class tStreamable;

// Status codes of a stream.
enum : int16_t {
  stOk = 0,
  stOpenError = -1,   // opening or creating the file failed
  stReadError = -3,   // a read returned fewer bytes than requested
  stWriteError = -4,  // a write wrote fewer bytes than requested
  stGetError = -5,    // an object was to be read whose class id is not registered
  stBadData = -6,     // stored data contradicts itself (negative length, count above limit)
};

// Errors the stream library raises (as opposed to stream status codes).
class EStreamLibError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EStreamError : public EStreamLibError {  // memory stream cannot grow
 public:
  using EStreamLibError::EStreamLibError;
};
class EListError : public EStreamLibError {  // collection index or growth
 public:
  using EStreamLibError::EStreamLibError;
};
class EClassIdError : public EStreamLibError {  // class has no id
 public:
  using EStreamLibError::EStreamLibError;
};
class ERegistrationError : public EStreamLibError {  // id registered twice
 public:
  using EStreamLibError::EStreamLibError;
};

// Where the stream library sends the messages it shows the user itself
// (an object of an unregistered class met by Get). The application installs
// its error dialog here; without one the text goes to standard error.
using StreamMessageHandler = std::function<void(const std::string& utf8Text)>;
void SetStreamMessageHandler(StreamMessageHandler handler);
void ShowStreamMessage(const std::string& utf8Text);

class tObjStream {
 public:
  tObjStream() = default;
  tObjStream(const tObjStream&) = delete;
  tObjStream& operator=(const tObjStream&) = delete;
  virtual ~tObjStream() = default;

  // Reads up to count bytes into buffer; answers the number delivered.
  // Does nothing and answers 0 while the status is not stOk or count <= 0.
  int32_t Read(void* buffer, int32_t count);
  // Writes count bytes; answers the number written (0 after an error).
  int32_t Write(const void* buffer, int32_t count);
  // origin 0: from the start, 1: from the current position, 2: from the end.
  // Answers the new position, or -1 when the position is not valid.
  int64_t Seek(int64_t offset, int origin);
  int64_t Position();
  int64_t Size();
  // Bytes between the position and the end (0 when the position is past it).
  int64_t Remaining();

  int16_t GetStatus() const { return fStatus; }
  // Records an error; the first error stays (status is sticky).
  void SetStatus(int16_t status, int16_t info = 0);
  int16_t ErrorInfo() const { return fErrorInfo; }

  bool Translate() const { return fTranslate; }
  void SetTranslate(bool on) { fTranslate = on; }

  // Short strings, as Windows-1252 bytes (not UTF-8). An absent string is "".
  std::string ReadStr();
  void WriteStr(std::string_view bytes1252);

  // Polymorphic objects: class id (2 bytes, 0 = none), then the object's data.
  // Objects read inside objects (collections of collections) may nest at
  // most kMaxGetNesting deep; deeper data is broken and fails with stBadData.
  static constexpr int kMaxGetNesting = 256;
  std::unique_ptr<tStreamable> Get();
  void Put(const tStreamable* object);

  // Fixed-size values. A read that comes up short leaves the bytes it did
  // deliver in the value and the rest as they were.
  void ReadBytesInto(void* value, int32_t size) { Read(value, size); }
  uint8_t ReadByte(uint8_t fallback = 0);
  int16_t ReadInt16(int16_t fallback = 0);
  uint16_t ReadUInt16(uint16_t fallback = 0);
  int32_t ReadInt32(int32_t fallback = 0);
  void ReadExtended(long double& value);
  void WriteByte(uint8_t v) { Write(&v, 1); }
  void WriteInt16(int16_t v) { Write(&v, 2); }
  void WriteUInt16(uint16_t v) { Write(&v, 2); }
  void WriteInt32(int32_t v) { Write(&v, 4); }
  void WriteExtended(long double v);

 protected:
  // Primitive I/O of the concrete stream.
  virtual int32_t DoRead(void* buffer, int32_t count) = 0;
  virtual int32_t DoWrite(const void* buffer, int32_t count) = 0;
  virtual int64_t DoSeek(int64_t offset, int origin) = 0;
  virtual int64_t DoSize() = 0;
  // Whether a read that delivers fewer bytes than asked sets stReadError.
  virtual bool ShortReadIsError() const { return true; }

 private:
  int16_t fStatus = stOk;
  bool fTranslate = true;
  int16_t fErrorInfo = 0;
  int fGetNesting = 0;  // Get calls in progress on this stream
};

// A file opened for one load or save. Mode 65535 creates the file (or
// truncates an existing one) for writing; any other mode opens an existing
// file, with mode & 3 the access (0 read, 1 write, 2 read and write); the
// sharing bits are accepted and ignored. A failed open gives stOpenError,
// and so does a folder, and for reading anything but a regular file (FIFOs,
// devices and sockets are refused at once, without waiting on them).
class tObjFileStream : public tObjStream {
 public:
  static constexpr uint16_t fmCreate = 65535;
  tObjFileStream(const std::string& fileName, uint16_t mode);
  ~tObjFileStream() override;
  const std::string& FileName() const { return fFileName; }
  // Forces written data to the disk; sets stWriteError and answers false
  // when that fails.
  bool Flush();
  // Closes the file now; answers false (and sets stWriteError) when closing
  // reports an error. The destructor closes silently.
  bool Close();

 protected:
  int32_t DoRead(void* buffer, int32_t count) override;
  int32_t DoWrite(const void* buffer, int32_t count) override;
  int64_t DoSeek(int64_t offset, int origin) override;
  int64_t DoSize() override;

 private:
  int fHandle = -1;
  std::string fFileName;
};

// A growable block of memory. Capacity grows in multiples of 4096 bytes.
// A read delivers at most the bytes up to the end and never sets a status.
class tObjMemoryStream : public tObjStream {
 public:
  explicit tObjMemoryStream(int64_t capacity = 0);
  // A stream over a copy of the given bytes, positioned at 0.
  explicit tObjMemoryStream(std::string_view bytes);
  const std::vector<uint8_t>& Data() const { return fData; }
  std::string Bytes() const { return std::string(fData.begin(), fData.begin() + fSize); }
  int64_t Capacity() const { return static_cast<int64_t>(fData.size()); }

 protected:
  int32_t DoRead(void* buffer, int32_t count) override;
  int32_t DoWrite(const void* buffer, int32_t count) override;
  int64_t DoSeek(int64_t offset, int origin) override;
  int64_t DoSize() override { return fSize; }
  bool ShortReadIsError() const override { return false; }

 private:
  void Grow(int64_t needed);
  std::vector<uint8_t> fData;
  int64_t fSize = 0;
  int64_t fPos = 0;
};
