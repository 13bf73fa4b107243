// Test helpers for file-system cases that need another user, a bounded
// wait or a full disk. Standard C++ and POSIX only (header-only), so the
// tests of the core libraries can use them as well as the GUI tests.
//
// The test suites run as root in CI, and root passes every permission
// check: a case about a file "this user may not write" has to run as an
// unprivileged user to mean anything.
#pragma once

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace posixtest {

// The unprivileged account of Debian ("nobody" / "nogroup").
constexpr uid_t kNobodyId = 65534;

// Exit codes of RunInChild besides the check's own result (0..125).
constexpr int kCannotDrop = 77;    // the child could not become the other user
constexpr int kThrew = 126;        // the check raised an exception
constexpr int kSignalled = 128;    // + the signal number; SIGALRM: timed out

// Runs check in a forked child and answers its result. With asNobody and
// when running as root, the child first drops to uid/gid kNobodyId (an
// unprivileged process stays who it is). The child is killed by SIGALRM
// after timeoutSeconds, so a check that blocks answers kSignalled + SIGALRM
// instead of hanging the test. The child leaves with _exit: no atexit
// handlers, no test-framework output of its own.
inline int RunInChild(const std::function<int()>& check, bool asNobody, unsigned timeoutSeconds = 10) {
  const pid_t child = ::fork();
  if (child < 0) return kThrew;
  if (child == 0) {
    if (asNobody && ::geteuid() == 0) {
      if (::setgroups(0, nullptr) != 0 || ::setgid(kNobodyId) != 0 || ::setuid(kNobodyId) != 0 ||
          ::geteuid() == 0)
        ::_exit(kCannotDrop);
    }
    ::alarm(timeoutSeconds);
    int result = kThrew;
    try {
      result = check();
    } catch (...) {
    }
    ::_exit(result);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
  }
  if (WIFSIGNALED(status)) return kSignalled + WTERMSIG(status);
  return WEXITSTATUS(status);
}

// The user whose permissions RunInChild(check, true) tests with.
inline uid_t TestUserId() { return ::geteuid() == 0 ? kNobodyId : ::geteuid(); }
inline gid_t TestGroupId() { return ::geteuid() == 0 ? kNobodyId : ::getegid(); }

// While alive, no regular file of this process can grow past `bytes`: a
// write beyond fails with EFBIG as on a full disk (SIGXFSZ is ignored
// meanwhile). Applies to root as well.
class tFileSizeLimit {
 public:
  explicit tFileSizeLimit(rlim_t bytes) {
    fOldHandler = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &fOld);
    rlimit limited = fOld;
    limited.rlim_cur = bytes;
    fActive = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~tFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &fOld);
    ::signal(SIGXFSZ, fOldHandler);
  }
  tFileSizeLimit(const tFileSizeLimit&) = delete;
  tFileSizeLimit& operator=(const tFileSizeLimit&) = delete;
  bool Active() const { return fActive; }

 private:
  rlimit fOld{};
  sighandler_t fOldHandler = SIG_DFL;
  bool fActive = false;
};

}  // namespace posixtest
