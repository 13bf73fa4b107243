#include "datafile.h"

#include <pwd.h>
#include <sys/stat.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>

#include "fieldranges.h"
#include "filetexts.h"
#include "keepfile.h"
#include "safefile.h"
#include "tavidaten.h"
#include "tempfiles.h"

namespace {

std::string Encoded(const QString& name) { return QFile::encodeName(name).toStdString(); }
QString Decoded(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }
QString Native(const QString& name) { return QDir::toNativeSeparators(name); }

}  // namespace

tDataFile::tDataFile(const QString& fileName) : fFileName(fileName) {}

tDataFile::~tDataFile() = default;

// ------------------------------------------------------------------ lock

QString tDataFile::LockFileName() const {
  std::string target;
  bool exists = false;
  safefile::tReplaceResult failure;
  if (!safefile::ResolveTarget(Encoded(fFileName), target, exists, failure)) return fFileName + QStringLiteral(".lock");
  return Decoded(target) + QStringLiteral(".lock");
}

tDataFile::tLock tDataFile::Lock() {
  if (Locked()) return tLock::Acquired;
  auto lock = std::make_unique<QLockFile>(LockFileName());
  // Only a program that no longer runs leaves a stale lock; a running one
  // keeps its lock however long it runs.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    fLock = std::move(lock);
    return tLock::Acquired;
  }
  return lock->error() == QLockFile::LockFailedError ? tLock::HeldByOther : tLock::Unavailable;
}

bool tDataFile::Locked() const { return fLock && fLock->isLocked(); }

QString tDataFile::Holder() const {
  const QString lockName = LockFileName();
  struct stat st {};
  const bool known = ::stat(QFile::encodeName(lockName).constData(), &st) == 0;
  QStringList parts;
  QString who;
  if (known) {
    const passwd* user = ::getpwuid(st.st_uid);
    who = QStringLiteral("Benutzer %1").arg(user ? QString::fromLocal8Bit(user->pw_name) : QString::number(st.st_uid));
  }
  qint64 pid = 0;
  QString host, program;
  if (QLockFile(lockName).getLockInfo(&pid, &host, &program)) {
    if (!host.isEmpty()) who += (who.isEmpty() ? QStringLiteral("Rechner %1") : QStringLiteral(" auf Rechner %1")).arg(host);
    if (!who.isEmpty()) parts << who;
    parts << (program.isEmpty() ? QStringLiteral("Prozess %1").arg(pid)
                                : QStringLiteral("Programm %1 (Prozess %2)").arg(program).arg(pid));
  } else if (!who.isEmpty()) {
    parts << who;
  }
  if (known)
    parts << QStringLiteral("seit %1").arg(QFileInfo(lockName).lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
  return parts.isEmpty() ? QStringLiteral("von wem, ist nicht bekannt") : parts.join(QStringLiteral(", "));
}

// ------------------------------------------------------------- leftovers

int tDataFile::RemoveStaleTemporaries(const QStringList& otherFiles) const {
  if (!Locked()) return 0;
  int removed = safefile::RemoveStaleTemporaries(Encoded(fFileName));
  for (const QString& other : otherFiles) removed += safefile::RemoveStaleTemporaries(Encoded(other));
  return removed;
}

// ------------------------------------------------------------------ load

tDataFile::tLoad tDataFile::Load(tTaviDaten& daten) {
  if (!QFileInfo::exists(fFileName)) return tLoad::NoFile;
  if (daten.LoadFromFile(Encoded(fFileName))) return tLoad::Loaded;
  fKeepBeforeWrite = true;
  return tLoad::Failed;
}

QString tDataFile::RangeWarning(const tTaviDaten& daten) const {
  const std::string lines = OutOfRangeLines(daten);
  if (lines.empty()) return QString();
  return QStringLiteral(
             "Die Datendatei \"%1\" enthält Werte, die kein Eingabefeld annimmt:\n%2\n"
             "Die Werte bleiben, wie sie sind; die Ergebnisse sind mit ihnen nicht sinnvoll. Bitte korrigieren Sie "
             "sie.")
      .arg(Native(fFileName), QString::fromStdString(lines));
}

// ------------------------------------------------------------------ save

tDataFile::tSaved tDataFile::Save(const tTaviDaten& daten) {
  tSaved saved;
  if (fReadOnly) return saved;
  safefile::tReplaceOptions options;
  std::string keptAs;
  if (fKeepBeforeWrite) {
    const std::string date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    options.beforeReplace = [&keptAs, date](const std::string& target) {
      struct stat st {};
      if (::lstat(target.c_str(), &st) != 0 && errno == ENOENT) return true;  // gone meanwhile: nothing to keep
      const safefile::tKeepResult kept = safefile::KeepUnderNewName(target, date);
      if (!kept.ok) {
        errno = kept.sysError;
        return false;
      }
      keptAs = kept.keptAs;
      return true;
    };
  }
  safefile::tReplaceResult result;
  saved.ok = daten.SaveToFile(Encoded(fFileName), options, &result);
  if (!keptAs.empty()) {
    fKeepBeforeWrite = false;  // kept once, also when the rename failed after
    saved.keptAs = Decoded(keptAs);
  }
  if (saved.ok) return saved;
  saved.keepFailed = result.error == safefile::tReplaceError::Kept;
  saved.reason = saved.keepFailed
                     ? QStringLiteral("Die Datendatei \"%1\" war beim Start nicht lesbar und lässt sich nicht unter "
                                      "einem neuen Namen aufbewahren (%2); sie bleibt daher, wie sie ist.")
                           .arg(Native(fFileName), QString::fromStdString(filetexts::SystemErrorText(result.sysError)))
                     : QString::fromStdString(filetexts::ReplaceFailureText(result));
  return saved;
}

QString tDataFile::KeptNotice(const QString& keptAs) const {
  return QStringLiteral(
             "Die Datendatei \"%1\" war beim Start nicht lesbar. Sie ist unverändert als \"%2\" aufbewahrt; die "
             "Daten dieser Sitzung stehen jetzt in \"%1\".")
      .arg(Native(fFileName), Native(keptAs));
}
