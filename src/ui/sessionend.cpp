#include "sessionend.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>

namespace {

constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};

// Read and write end of the pipe; -1 while no object exists. Only the
// signal handler and the GUI thread touch them.
volatile sig_atomic_t gWriteFd = -1;
int gReadFd = -1;

}  // namespace

void tSessionEnd::OnSignal(int) {
  // Only async-signal-safe calls here.
  const int saved = errno;
  const int fd = gWriteFd;
  if (fd >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);  // a full pipe already holds a request
  }
  errno = saved;
}

tSessionEnd::tSessionEnd(std::function<void()> onEnd, std::function<void()> onCommitData, QObject* parent)
    : QObject(parent), fOnEnd(std::move(onEnd)), fOnCommitData(std::move(onCommitData)) {
  setObjectName(QStringLiteral("SessionEnd"));
  if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
      if (fOnCommitData) fOnCommitData();
    });
  }
  if (QCoreApplication* app = QCoreApplication::instance())
    connect(app, &QCoreApplication::aboutToQuit, this, [this] {
      if (fOnEnd) fOnEnd();
    });

  if (gWriteFd >= 0) return;  // another object handles the signals
  int fds[2];
  if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) return;
  gReadFd = fds[0];
  gWriteFd = fds[1];
  fNotifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, this);
  connect(fNotifier, &QSocketNotifier::activated, this, &tSessionEnd::OnPipeReadable);

  struct sigaction action = {};
  action.sa_handler = &tSessionEnd::OnSignal;
  sigemptyset(&action.sa_mask);
  // A second signal of the same kind ends the program at once (a hung
  // exit can still be stopped).
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &fOld[i]);
  fInstalled = true;
}

tSessionEnd::~tSessionEnd() {
  if (!fInstalled) return;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &fOld[i], nullptr);
  delete fNotifier;
  fNotifier = nullptr;
  const int writeFd = gWriteFd;
  gWriteFd = -1;
  ::close(writeFd);
  ::close(gReadFd);
  gReadFd = -1;
}

void tSessionEnd::OnPipeReadable() {
  char buffer[64];
  while (::read(gReadFd, buffer, sizeof buffer) > 0) {
  }
  if (fOnEnd) fOnEnd();
}
