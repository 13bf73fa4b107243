#include "calcfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "dataextension.h"
#include "filetexts.h"
#include "objstream.h"
#include "tavidaten.h"

namespace {

// Closes a descriptor when it goes.
struct tFd {
  int fd = -1;
  ~tFd() {
    if (fd >= 0) ::close(fd);
  }
};

// What follows the record of a file of this program: nothing, or a block
// whose name is ours (its contents are checked by the extension itself).
bool TailIsOurs(const tTaviDaten& loaded, const std::string& fileName) {
  tObjMemoryStream record;
  loaded.Store(record);
  const auto recordSize = static_cast<off_t>(record.Bytes().size());
  tFd file{::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) return false;
  struct stat st {};
  if (::fstat(file.fd, &st) != 0) return false;
  if (st.st_size == recordSize) return true;
  const std::string name = tDataExtension::kBlockName;
  std::string head(name.size(), '\0');
  const ssize_t got = ::pread(file.fd, head.data(), head.size(), recordSize);
  return got == static_cast<ssize_t>(head.size()) && head == name;
}

}  // namespace

tCalcFileLoad LoadCalculationFile(const std::string& fileName, tTaviDaten& daten) {
  struct stat st {};
  if (::stat(fileName.c_str(), &st) != 0)
    return {errno == ENOENT || errno == ENOTDIR ? tCalcFileError::Missing : tCalcFileError::Unreadable, errno};
  if (!S_ISREG(st.st_mode)) return {tCalcFileError::NotRegular, 0};
  {
    tFd probe{::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (probe.fd < 0) return {tCalcFileError::Unreadable, errno};
  }
  tTaviDaten loaded;
  if (!loaded.LoadFromFile(fileName)) return {tCalcFileError::Damaged, 0};
  if (!TailIsOurs(loaded, fileName)) return {tCalcFileError::Foreign, 0};
  daten = loaded;
  return {};
}

std::string CalcFileErrorText(const tCalcFileLoad& load, const std::string& displayName) {
  const std::string file = "Die Datei \"" + displayName + "\" ";
  switch (load.error) {
    case tCalcFileError::None:
      return {};
    case tCalcFileError::Missing:
      return file + "gibt es nicht.";
    case tCalcFileError::NotRegular:
      return file + "ist keine gewöhnliche Datei (sondern ein Ordner, eine Pipe oder ein Gerät).";
    case tCalcFileError::Unreadable:
      return file + "lässt sich nicht lesen (" + filetexts::SystemErrorText(load.sysError) + ").";
    case tCalcFileError::Damaged:
      return file + "lässt sich nicht einlesen: sie ist zu kurz, beschädigt oder keine TAVI-Berechnung.";
    case tCalcFileError::Foreign:
      return file + "ist keine TAVI-Berechnung.";
  }
  return {};
}

tFileStamp StampOfFile(const std::string& fileName) {
  struct stat st {};
  if (::stat(fileName.c_str(), &st) != 0) return {};
  return {true,
          static_cast<int64_t>(st.st_mtim.tv_sec),
          static_cast<int64_t>(st.st_mtim.tv_nsec),
          static_cast<int64_t>(st.st_size),
          static_cast<uint64_t>(st.st_dev),
          static_cast<uint64_t>(st.st_ino)};
}
