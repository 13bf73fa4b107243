// Helpers of the fuzz targets.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "objstream.h"

namespace fuzzutil {

// A file in a scratch folder of this process, removed at exit. In memory
// where the system offers a folder there: the data file's save forces every
// file to disk, which a disk would make the slowest step by far.
inline std::string ScratchFile(const std::string& name) {
  struct Folder {
    std::string path;
    Folder() {
      const std::filesystem::path base =
          ::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
      path = (base / "tavi-fuzz-XXXXXX").string();
      if (!mkdtemp(path.data())) std::abort();
    }
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  };
  static const Folder folder;
  return folder.path + "/" + name;
}

inline void WriteFile(const std::string& name, const uint8_t* data, size_t size) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) std::abort();
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n <= 0) std::abort();
    done += static_cast<size_t>(n);
  }
  ::close(fd);
}

inline std::string ReadFile(const std::string& name) {
  std::string bytes;
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return bytes;
  char buffer[65536];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
  ::close(fd);
  return bytes;
}

// Drops the messages the stream library shows the user (unregistered class
// ids), which would otherwise flood the fuzzer's output.
inline bool SilenceStreamMessages() {
  SetStreamMessageHandler([](const std::string&) {});
  return true;
}

// What Put writes for an object without character translation, so that
// stored, loaded and stored again gives the same bytes. A failing Put is a
// fault of the object.
inline std::string PutRaw(const tStreamable& object) {
  tObjMemoryStream out;
  out.SetTranslate(false);
  out.Put(&object);
  if (out.GetStatus() != stOk) std::abort();
  return out.Bytes();
}

// Keeps a computed value from being optimised away.
template <class T>
void Keep(const T& value) {
  asm volatile("" : : "r"(&value) : "memory");
}

}  // namespace fuzzutil
