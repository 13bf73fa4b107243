#include "idle.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <algorithm>

tIdleProcColl::~tIdleProcColl() { Uninstall(); }

int tIdleProcColl::Add(tIdleProc proc, void* context, QWidget* form, bool onlyWhileFormActive) {
  const int id = fNextId++;
  fEntries.push_back(Entry{id, std::move(proc), context, QPointer<QWidget>(form), form != nullptr, onlyWhileFormActive});
  return id;
}

void tIdleProcColl::Remove(int id) {
  fEntries.erase(std::remove_if(fEntries.begin(), fEntries.end(), [id](const Entry& e) { return e.id == id; }),
                 fEntries.end());
}

bool tIdleProcColl::RunPass() {
  if (fRunning) return true;  // a procedure ran a loop of its own
  fRunning = true;
  // Entries of forms that are gone are dropped.
  fEntries.erase(std::remove_if(fEntries.begin(), fEntries.end(), [](const Entry& e) { return e.hasForm && !e.form; }),
                 fEntries.end());
  // Procedures may add or remove entries: work on the ids present now.
  std::vector<int> ids;
  ids.reserve(fEntries.size());
  for (const Entry& e : fEntries) ids.push_back(e.id);
  for (int id : ids) {
    auto it = std::find_if(fEntries.begin(), fEntries.end(), [id](const Entry& e) { return e.id == id; });
    if (it == fEntries.end()) continue;
    if (it->hasForm && (!it->form || (it->onlyWhileFormActive && !it->form->isActiveWindow()))) continue;
    const tIdleProc proc = it->proc;  // the entry may vanish during the call
    if (proc) proc(it->context, it->form.data());
  }
  fRunning = false;
  return true;
}

void tIdleProcColl::Install() {
  if (fConnection || !QCoreApplication::instance()) return;
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
  if (!dispatcher) return;
  fConnection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { RunPass(); });
}

void tIdleProcColl::Uninstall() {
  if (fConnection) QObject::disconnect(fConnection);
  fConnection = {};
}
