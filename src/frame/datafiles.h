// The data file and the settings file of this user: the program's folder
// or the user's data folder, decided by trying (datafolder.h). The program
// decides once at start (tMorlakApp) and uses the answer for loading,
// saving, the lock and the removal of leftovers; tavi-report decides the
// same way without changing anything.
#pragma once

#include <QString>

#include "datafolder.h"

struct tDataFiles {
  tDataFolderKind Kind = tDataFolderKind::ProgramFolder;
  QString DataFile;      // TAVI.DAT, full path
  QString SettingsFile;  // TAVI.INI, full path
  QString UserFolder;    // the user's data folder; empty without a home folder
  int SysError = 0;      // Kind None: why the user's folder cannot be written
};

// programDir: with or without trailing '/'. The user's data folder comes
// from XDG_DATA_HOME and HOME.
tDataFiles DecideDataFiles(const QString& programDir, tDataFolderUse use);

// Kind None: the message at start that says nothing of this run can be
// saved, and why. Empty otherwise.
QString NothingWritableWarning(const QString& programDir, const tDataFiles& files);
