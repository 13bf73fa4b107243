#include "keepfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace safefile {

namespace {

constexpr int kMaxTries = 1000;

// Copies the open file `from` into a new file `name`; false (errno set)
// when the name exists or a step fails, leaving no new file behind.
bool CopyExclusive(int from, const std::string& name, mode_t mode) {
  const int to = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode);
  if (to < 0) return false;
  char buffer[65536];
  bool ok = ::lseek(from, 0, SEEK_SET) == 0;
  while (ok) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    for (ssize_t done = 0; ok && done < n;) {
      const ssize_t w = ::write(to, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        if (w == 0) errno = EIO;
        ok = false;
      } else {
        done += w;
      }
    }
  }
  if (ok && ::fsync(to) != 0) ok = false;
  const int err = errno;
  if (::close(to) != 0 && ok) ok = false;
  if (!ok) {
    ::unlink(name.c_str());
    errno = err;
  }
  return ok;
}

}  // namespace

tKeepResult KeepUnderNewName(const std::string& target, const std::string& date) {
  tKeepResult result;
  const std::string stem = target + ".defekt-" + date;
  int from = -1;  // opened only when a copy is needed
  struct stat st {};
  for (int n = 1; n <= kMaxTries; ++n) {
    const std::string name = n == 1 ? stem : stem + "-" + std::to_string(n);
    if (from < 0) {
      if (::link(target.c_str(), name.c_str()) == 0) {
        result.ok = true;
        result.keptAs = name;
        return result;
      }
      if (errno == EEXIST) continue;
      // No second name possible here (another owner's file under protected
      // links, a file system without links): a copy.
      from = ::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
      if (from < 0 || ::fstat(from, &st) != 0 || !S_ISREG(st.st_mode)) {
        result.sysError = from < 0 ? errno : EINVAL;
        if (from >= 0) ::close(from);
        return result;
      }
    }
    if (CopyExclusive(from, name, st.st_mode & 0600)) {
      ::close(from);
      result.ok = true;
      result.keptAs = name;
      return result;
    }
    if (errno != EEXIST) break;
  }
  result.sysError = errno;
  if (from >= 0) ::close(from);
  return result;
}

}  // namespace safefile
