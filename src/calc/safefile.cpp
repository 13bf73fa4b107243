#include "safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <vector>

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

// What a name leads to after its symbolic links.
struct tTarget {
  std::string path;
  bool exists = false;
};

// Follows the links of the last path component (the folders on the way are
// the system's business). A missing end is not an error: it is the file a
// save would create.
bool ResolveLinks(const std::string& fileName, tTarget& target, tReplaceResult& failure) {
  std::string path = fileName;
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) {
        target = {path, false};
        return true;
      }
      failure = Failure(tReplaceError::NotWritable, errno, path);
      return false;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = {path, true};
      return true;
    }
    if (links == kMaxLinks) {
      failure = Failure(tReplaceError::LinkLoop, ELOOP, fileName);
      return false;
    }
    std::vector<char> buffer(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<size_t>(n) >= buffer.size()) {  // changed under our feet
      failure = Failure(tReplaceError::NotWritable, n < 0 ? errno : ENAMETOOLONG, path);
      return false;
    }
    const std::string to(buffer.data(), static_cast<size_t>(n));
    if (to.empty()) {
      failure = Failure(tReplaceError::NotWritable, ENOENT, path);
      return false;
    }
    if (to[0] == '/' || path.find('/') == std::string::npos)
      path = to;
    else
      path = FolderOf(path) + "/" + to;
  }
}

// Eight characters that make the temporary name one no other file has;
// the exclusive create below is what guarantees it, so predictability
// costs at most a retry.
std::string RandomPart() {
  static uint64_t counter = 0;
  uint64_t x = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
               (static_cast<uint64_t>(::getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15ULL);
  // splitmix64 finaliser
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  x ^= x >> 31;
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

}  // namespace

tReplaceResult ReplaceFileContents(const std::string& fileName, std::string_view bytes) {
  tReplaceResult failure;
  tTarget target;
  if (!ResolveLinks(fileName, target, failure)) return failure;
  const std::string& path = target.path;

  // The old file: opened for writing (without truncating) exactly as an
  // in-place write would open it, so that its own permissions decide.
  struct stat old {};
  if (target.exists) {
    if (::lstat(path.c_str(), &old) != 0) return Failure(tReplaceError::NotWritable, errno, path);
    if (!S_ISREG(old.st_mode)) return Failure(tReplaceError::NotRegularFile, 0, path);
    const int probe = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (probe < 0) return Failure(tReplaceError::NotWritable, errno, path);
    const bool regular = ::fstat(probe, &old) == 0 && S_ISREG(old.st_mode);
    ::close(probe);
    if (!regular) return Failure(tReplaceError::NotRegularFile, 0, path);
  }

  const std::string folder = FolderOf(path);
  std::string base = NameOf(path);
  if (base.size() > 240) base.resize(240);  // room for the suffix within a name's 255 bytes
  std::string tempName;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    tempName = folder + "/" + base + "." + RandomPart() + ".tmp";
    fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                target.exists ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return Failure(tReplaceError::TempFile, errno, path);

  const auto fail = [&](tReplaceError error) {
    const int err = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(tempName.c_str());
    return Failure(error, err, path);
  };
  if (!WriteAll(fd, bytes)) return fail(tReplaceError::Write);
  if (target.exists) {
    // Owner and group as before where this user may give them (root may);
    // the permission bits after that, since a change of owner clears some.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
      (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    if (::fchmod(fd, old.st_mode & 0777) != 0 || !DateAfter(fd, old)) return fail(tReplaceError::Write);
  }
  if (::fsync(fd) != 0) return fail(tReplaceError::Write);
  const int closing = ::close(fd);
  fd = -1;
  if (closing != 0) return fail(tReplaceError::Write);
  if (::rename(tempName.c_str(), path.c_str()) != 0) return fail(tReplaceError::Replace);

  // Make the rename itself durable. The new file is in place already, so a
  // failure here is not reported.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  tReplaceResult ok;
  ok.target = path;
  return ok;
}

}  // namespace safefile
