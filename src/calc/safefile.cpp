#include "safefile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>

#include "tempfiles.h"

namespace safefile {

namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

tReplaceResult Failure(tReplaceError error, int sysError, std::string target) {
  tReplaceResult r;
  r.error = error;
  r.sysError = sysError;
  r.target = std::move(target);
  return r;
}

// Eight characters that nobody can foresee, so that nobody can lay a trap
// under the name; the exclusive create is what guarantees a file of our own.
std::string RandomPart() {
  uint64_t x = 0;
  if (::getrandom(&x, sizeof x, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof x)) {
    // No random source yet (early boot): the clock, the process and a
    // counter, mixed. Only a retry depends on it.
    static uint64_t counter = 0;
    x = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<uint64_t>(::getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15ULL);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    x ^= x >> 31;
  }
  static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::string s;
  for (int i = 0; i < 8; ++i) {
    s += kChars[x % 62];
    x /= 62;
  }
  return s;
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

bool Later(const timespec& a, const timespec& b) {
  return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
}

// Readers that notice a new version by its time stamp must see every
// replacement as newer than the file it replaces, also when the clock has
// not moved on since (or the old stamp lies ahead of it).
bool DateAfter(int fd, const struct stat& old) {
  struct stat now {};
  if (::fstat(fd, &now) != 0) return false;
  if (Later(now.st_mtim, old.st_mtim)) return true;
  timespec times[2] = {{0, UTIME_OMIT}, old.st_mtim};
  times[1].tv_nsec += 1000000;  // one millisecond
  if (times[1].tv_nsec >= 1000000000) {
    times[1].tv_nsec -= 1000000000;
    ++times[1].tv_sec;
  }
  return ::futimens(fd, times) == 0;
}

bool SameInode(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the resolved target (which may not exist yet) is the protected
// file or lies inside the protected folder.
bool IsProtected(const std::string& target, bool targetExists, const std::string& protectedName) {
  std::string guarded;
  bool guardedExists = false;
  tReplaceResult ignored;
  if (!ResolveTarget(protectedName, guarded, guardedExists, ignored)) return false;
  struct stat g {}, t {};
  if (guardedExists && ::stat(guarded.c_str(), &g) != 0) guardedExists = false;
  if (targetExists && ::stat(target.c_str(), &t) != 0) targetExists = false;
  if (guardedExists && targetExists && SameInode(g, t)) return true;
  if (guardedExists && S_ISDIR(g.st_mode)) {
    // Up from the target's folder to the root.
    std::string folder = FolderOf(target);
    struct stat up {}, previous {};
    for (int depth = 0; depth < 256 && ::stat(folder.c_str(), &up) == 0; ++depth) {
      if (SameInode(up, g)) return true;
      if (depth > 0 && SameInode(up, previous)) break;  // the root is its own parent
      previous = up;
      folder += "/..";
    }
    return false;
  }
  if (guardedExists && targetExists) return false;
  // A name that does not exist: the same folder and the same name.
  struct stat gf {}, tf {};
  return NameOf(guarded) == NameOf(target) && ::stat(FolderOf(guarded).c_str(), &gf) == 0 &&
         ::stat(FolderOf(target).c_str(), &tf) == 0 && SameInode(gf, tf);
}

// Step 4: a new file beside the target under an unforeseeable name,
// created exclusively and never through a link. Answers its descriptor, or
// -1 with errno set.
int CreateTemporary(const std::string& target, mode_t mode, std::string& tempName) {
  const std::string folder = FolderOf(target);
  std::string base = NameOf(target);
  if (base.size() > kMaxTempBase) base.resize(kMaxTempBase);  // room for the suffix within a name's 255 bytes
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    tempName = folder + "/" + base + "." + RandomPart() + ".tmp";
    // Read and write: a writer that goes through ReopenName is checked by
    // reading back through this descriptor.
    fd = ::open(tempName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
}

}  // namespace

// Follows the links of the last path component (the folders on the way are
// the system's business). A missing end is not an error: it is the file a
// save would create.
bool ResolveTarget(const std::string& fileName, std::string& target, bool& exists, tReplaceResult& failure) {
  std::string path = fileName;
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) {
        target = path;
        exists = false;
        return true;
      }
      failure = Failure(errno == ELOOP ? tReplaceError::LinkLoop : tReplaceError::NotWritable, errno, path);
      return false;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = path;
      exists = true;
      return true;
    }
    if (links == kMaxLinks) {
      failure = Failure(tReplaceError::LinkLoop, ELOOP, fileName);
      return false;
    }
    std::string buffer(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<size_t>(n) >= buffer.size()) {  // changed under our feet
      failure = Failure(tReplaceError::NotWritable, n < 0 ? errno : ENAMETOOLONG, path);
      return false;
    }
    buffer.resize(static_cast<size_t>(n));
    if (buffer.empty()) {
      failure = Failure(tReplaceError::NotWritable, ENOENT, path);
      return false;
    }
    if (buffer[0] == '/' || path.find('/') == std::string::npos)
      path = buffer;
    else
      path = FolderOf(path) + "/" + buffer;
  }
}

// ------------------------------------------------------------ tReplacement

tReplacement::~tReplacement() { Discard(); }

tReplaceResult tReplacement::Fail(tReplaceError error, int sysError) {
  Discard();
  return Failure(error, sysError, fTarget);
}

void tReplacement::Discard() {
  if (fFd >= 0) {
    ::close(fFd);
    fFd = -1;
  }
  if (!fTempName.empty()) ::unlink(fTempName.c_str());
  UnregisterTemporary(fSlot);
  fSlot = -1;
  fTempName.clear();
  fWriteError = 0;
  fBeforeReplace = nullptr;
}

tReplaceResult tReplacement::Begin(const std::string& fileName, const tReplaceOptions& options) {
  Discard();
  fTarget.clear();
  tReplaceResult failure;
  if (!ResolveTarget(fileName, fTarget, fExisted, failure)) return failure;
  const std::string& path = fTarget;

  for (const std::string& guarded : options.protectedFiles)
    if (!guarded.empty() && IsProtected(path, fExisted, guarded)) {
      tReplaceResult refused = Failure(tReplaceError::Protected, 0, path);
      refused.protectedFile = guarded;
      return refused;
    }

  // The old file: opened for writing (without truncating) exactly as an
  // in-place write would open it, so that its own permissions decide.
  fOld = {};
  if (fExisted) {
    if (::lstat(path.c_str(), &fOld) != 0) return Failure(tReplaceError::NotWritable, errno, path);
    if (!S_ISREG(fOld.st_mode)) return Failure(tReplaceError::NotRegularFile, 0, path);
    const int probe = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (probe < 0) return Failure(tReplaceError::NotWritable, errno, path);
    const bool regular = ::fstat(probe, &fOld) == 0 && S_ISREG(fOld.st_mode);
    ::close(probe);
    if (!regular) return Failure(tReplaceError::NotRegularFile, 0, path);
  }

  std::string tempName;
  const int fd = CreateTemporary(path, fExisted ? 0600 : 0666, tempName);
  if (fd < 0) return Failure(tReplaceError::TempFile, errno, path);
  fFd = fd;
  fTempName = tempName;
  fSlot = RegisterTemporary(fTempName);
  fBeforeReplace = options.beforeReplace;
  tReplaceResult ok;
  ok.target = path;
  return ok;
}

bool tReplacement::Write(std::string_view bytes) {
  if (fFd < 0) return false;
  if (fWriteError != 0) return false;
  if (!WriteAll(fFd, bytes)) {
    fWriteError = errno;
    return false;
  }
  return true;
}

std::string tReplacement::ReopenName() const {
  if (fFd < 0) return std::string();
  const std::string viaDescriptor = "/proc/self/fd/" + std::to_string(fFd);
  struct stat a {}, b {};
  if (::stat(viaDescriptor.c_str(), &a) == 0 && ::fstat(fFd, &b) == 0 && SameInode(a, b)) return viaDescriptor;
  return fTempName;
}

int tReplacement::DiagnoseWriteFailure() const {
  if (fWriteError != 0) return fWriteError;
  if (fFd < 0) return EBADF;
  struct statvfs disk {};
  if (::fstatvfs(fFd, &disk) == 0 && disk.f_bavail == 0) return ENOSPC;
  struct stat st {};
  if (::fstat(fFd, &st) != 0) return errno;
  constexpr off_t kProbe = 4096;
  rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      static_cast<rlim_t>(st.st_size + kProbe) > limit.rlim_cur)
    return EFBIG;
  // Whatever stops a write now is most likely what stopped the writer.
  static const char zeros[kProbe] = {};
  const ssize_t n = ::pwrite(fFd, zeros, sizeof zeros, st.st_size);
  const int error = n < 0 ? errno : (n < kProbe ? ENOSPC : 0);
  if (::ftruncate(fFd, st.st_size) != 0 && error == 0) return errno;
  return error != 0 ? error : EIO;
}

tReplaceResult tReplacement::Commit() {
  if (fFd < 0) return Failure(tReplaceError::Write, EBADF, fTarget);
  if (fWriteError != 0) return Fail(tReplaceError::Write, fWriteError);
  if (fExisted) {
    // Owner and group as before where this user may give them (root may);
    // the permission bits after that, since a change of owner clears some.
    if ((fOld.st_uid != ::geteuid() || fOld.st_gid != ::getegid()) && ::fchown(fFd, fOld.st_uid, fOld.st_gid) != 0)
      (void)!::fchown(fFd, static_cast<uid_t>(-1), fOld.st_gid);
    if (::fchmod(fFd, fOld.st_mode & 0777) != 0 || !DateAfter(fFd, fOld)) return Fail(tReplaceError::Write, errno);
  }
  if (::fsync(fFd) != 0) return Fail(tReplaceError::Write, errno);
  const int closing = ::close(fFd);
  fFd = -1;
  if (closing != 0) return Fail(tReplaceError::Write, errno);
  if (fBeforeReplace && !fBeforeReplace(fTarget)) return Fail(tReplaceError::Kept, errno);
  if (::rename(fTempName.c_str(), fTarget.c_str()) != 0) return Fail(tReplaceError::Replace, errno);
  fTempName.clear();
  Discard();

  // Make the rename itself durable. The new file is in place already, so a
  // failure here is not reported.
  const int dir = ::open(FolderOf(fTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  tReplaceResult ok;
  ok.target = fTarget;
  return ok;
}

tReplaceResult ProbeFolder(const std::string& fileName) {
  std::string target;
  bool exists = false;
  tReplaceResult failure;
  if (!ResolveTarget(fileName, target, exists, failure)) return failure;
  std::string tempName;
  const int fd = CreateTemporary(target, 0600, tempName);
  if (fd < 0) return Failure(tReplaceError::TempFile, errno, target);
  ::close(fd);
  ::unlink(tempName.c_str());
  tReplaceResult ok;
  ok.target = target;
  return ok;
}

tReplaceResult ReplaceFileContents(const std::string& fileName, std::string_view bytes,
                                   const tReplaceOptions& options) {
  tReplacement replacement;
  if (tReplaceResult begun = replacement.Begin(fileName, options); !begun) return begun;
  replacement.Write(bytes);
  return replacement.Commit();
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  char buffer[65536];
  while (ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return ok;
}

}  // namespace safefile
