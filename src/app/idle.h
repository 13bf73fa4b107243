// Idle procedures: work that runs whenever the message loop has nothing
// else to do (it is about to wait for the next event).
//
// Each entry has a procedure that is called with its context and its form.
// An entry may belong to a form and be enabled only while that form is the
// active window; it is skipped while the form is not active, and dropped
// once the form is gone.
#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

using tIdleProc = std::function<void(void* context, QWidget* form)>;

class tIdleProcColl {
 public:
  tIdleProcColl() = default;
  ~tIdleProcColl();
  tIdleProcColl(const tIdleProcColl&) = delete;
  tIdleProcColl& operator=(const tIdleProcColl&) = delete;

  // Answers an id for Remove.
  int Add(tIdleProc proc, void* context = nullptr, QWidget* form = nullptr, bool onlyWhileFormActive = false);
  void Remove(int id);
  int Count() const { return int(fEntries.size()); }

  // One idle pass. Answers true: no more idle time is needed until the next
  // event has been handled.
  bool RunPass();

  // Hooks the pass into the message loop of the current thread (needs a
  // QCoreApplication) and unhooks it again.
  void Install();
  void Uninstall();
  bool Installed() const { return bool(fConnection); }

 private:
  struct Entry {
    int id;
    tIdleProc proc;
    void* context;
    QPointer<QWidget> form;
    bool hasForm;
    bool onlyWhileFormActive;
  };
  std::vector<Entry> fEntries;
  int fNextId = 1;
  bool fRunning = false;
  QMetaObject::Connection fConnection;
};
