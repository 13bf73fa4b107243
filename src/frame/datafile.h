// The data file the program works on (TAVI.DAT, or any file of that
// format given by name): who may write it, loading it, and saving it
// without ever losing what was there.
//
// Lock. One program at a time writes a data file. Lock() takes a lock file
// beside the file ("<file>.lock", beside the file the name leads to, so two
// names of one file share it) with QLockFile, which also clears the lock of
// a program that crashed or was killed. Another program holding it is told
// by Holder(); its user then works read-only (SetReadOnly) or not at all.
// Without a lock of our own (read-only, or the folder takes no lock file)
// nothing is removed or kept.
//
// Leftovers. With the lock, RemoveStaleTemporaries removes the temporary
// files killed saves left beside the data file and the other files given
// (the settings file).
//
// Load. A file that cannot be read whole is kept: before the first write
// replaces it, it stays byte for byte under a new name beside it
// ("TAVI.DAT.defekt-<date>", see keepfile.h), and the save reports the name
// once. If it cannot be kept, it is not replaced.
//
// Errors are answered, never thrown; the windows make the messages.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;
class tTaviDaten;

class tDataFile {
 public:
  // fileName: the data file (need not exist). Touches nothing yet.
  explicit tDataFile(const QString& fileName);
  ~tDataFile();  // releases the lock
  tDataFile(const tDataFile&) = delete;
  tDataFile& operator=(const tDataFile&) = delete;

  const QString& FileName() const { return fFileName; }

  // ---- lock
  enum class tLock {
    Acquired,     // this program writes the file
    HeldByOther,  // another running program holds it (Holder() says who)
    Unavailable,  // no lock file can be made there (the save will tell)
  };
  tLock Lock();
  bool Locked() const;
  // Who holds the lock, as far as known: "Benutzer erika auf Rechner pc7,
  // Programm tavi (Prozess 4711), seit 31.05.2024 10:15".
  QString Holder() const;
  // Read-only: Save writes nothing (and is not a failure of the file).
  void SetReadOnly(bool on) { fReadOnly = on; }
  bool ReadOnly() const { return fReadOnly; }

  // ---- leftovers; only with the lock. Answers how many files went.
  int RemoveStaleTemporaries(const QStringList& otherFiles) const;

  // ---- load
  enum class tLoad { NoFile, Loaded, Failed };
  tLoad Load(tTaviDaten& daten);
  // The warning about values no entry field takes, naming each; empty when
  // the record is in range.
  QString RangeWarning(const tTaviDaten& daten) const;

  // ---- save
  struct tSaved {
    bool ok = false;
    QString reason;           // German, when not ok (and not read-only)
    QString keptAs;           // the name the unreadable file was kept under, once
    bool keepFailed = false;  // not written because the unreadable file could not be kept
  };
  // Writes the record (nothing in read-only mode: ok false, no reason).
  tSaved Save(const tTaviDaten& daten);
  // The sentence that tells where an unreadable file was kept.
  QString KeptNotice(const QString& keptAs) const;

 private:
  QString LockFileName() const;

  QString fFileName;
  std::unique_ptr<QLockFile> fLock;
  bool fReadOnly = false;
  bool fKeepBeforeWrite = false;
};
