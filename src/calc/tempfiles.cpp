#include "tempfiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "safefile.h"

namespace safefile {

namespace {

constexpr int kSlots = 8;
constexpr size_t kMaxPath = 4096;

// Filled before `used` is set and cleared after it is reset, so that the
// signal handler only ever sees whole names.
struct tSlot {
  volatile sig_atomic_t used = 0;
  char path[kMaxPath] = {};
};
tSlot gSlots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void OnSignal(int signal) {
  const int saved = errno;
  RemovePendingTemporaries();
  // End the way the signal would have ended the program.
  struct sigaction standard = {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  sigaction(signal, &standard, nullptr);
  errno = saved;
  raise(signal);
}

bool IsNameChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

int RegisterTemporary(const std::string& path) {
  if (path.size() >= kMaxPath) return -1;
  for (int i = 0; i < kSlots; ++i) {
    if (gSlots[i].used) continue;
    std::memcpy(gSlots[i].path, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    gSlots[i].used = 1;
    return i;
  }
  return -1;
}

void UnregisterTemporary(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  gSlots[slot].used = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
}

void RemovePendingTemporaries() {
  for (tSlot& slot : gSlots)
    if (slot.used) ::unlink(slot.path);
}

void InstallSignalCleanup() {
  struct sigaction action = {};
  action.sa_handler = &OnSignal;
  sigemptyset(&action.sa_mask);
  for (const int s : kSignals) sigaddset(&action.sa_mask, s);
  for (const int s : kSignals) {
    struct sigaction old = {};
    // A signal the caller's parent chose to ignore (nohup) stays ignored.
    if (sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    sigaction(s, &action, nullptr);
  }
}

bool IsTemporaryNameOf(std::string_view name, std::string_view base) {
  if (base.size() > kMaxTempBase) base = base.substr(0, kMaxTempBase);
  constexpr size_t kSuffix = 1 + 8 + 4;  // ".XXXXXXXX.tmp"
  if (base.empty() || name.size() != base.size() + kSuffix || !name.starts_with(base)) return false;
  std::string_view rest = name.substr(base.size());
  if (rest[0] != '.' || !rest.ends_with(".tmp")) return false;
  for (size_t i = 1; i <= 8; ++i)
    if (!IsNameChar(rest[i])) return false;
  return true;
}

int RemoveStaleTemporaries(const std::string& fileName) {
  std::string target;
  bool exists = false;
  tReplaceResult failure;
  if (!ResolveTarget(fileName, target, exists, failure)) return 0;
  const auto slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return 0;
  DIR* dir = ::fdopendir(dirFd);
  if (!dir) {
    ::close(dirFd);
    return 0;
  }
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTemporaryNameOf(entry->d_name, base)) continue;
    struct stat st {};
    if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (::unlinkat(dirFd, entry->d_name, 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

}  // namespace safefile
