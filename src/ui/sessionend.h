// Ending the program from outside the window the normal way.
//
// SIGTERM, SIGINT and SIGHUP (a shutdown, kill, Ctrl+C or a closed
// terminal) and the end of the desktop session would otherwise stop the
// program without the main window's exit steps, and the data file would
// not be written. The signal handler only writes one byte into a pipe; the
// GUI thread reads it through a socket notifier and runs the close request
// there. When the session manager asks the program to save (commit data),
// the data is written at once; when the application is about to quit, the
// main window is closed, so that its exit steps run.
#pragma once

#include <QObject>
#include <QPointer>
#include <csignal>
#include <functional>

class QSocketNotifier;

class tSessionEnd : public QObject {
 public:
  // onEnd: closes the main window the normal way (also from inside modal
  // dialogs). onCommitData: writes the data now. Only one object may exist
  // at a time; the previous signal handlers come back when it is destroyed.
  tSessionEnd(std::function<void()> onEnd, std::function<void()> onCommitData, QObject* parent = nullptr);
  ~tSessionEnd() override;
  tSessionEnd(const tSessionEnd&) = delete;
  tSessionEnd& operator=(const tSessionEnd&) = delete;

  // Whether the signal handlers are installed.
  bool Installed() const { return fInstalled; }

 private:
  static void OnSignal(int signal);
  void OnPipeReadable();

  std::function<void()> fOnEnd;
  std::function<void()> fOnCommitData;
  QSocketNotifier* fNotifier = nullptr;
  bool fInstalled = false;
  struct sigaction fOld[3] = {};
};
