// Shared set-up of the tests that need the program's side files. The
// including test program defines TAVI_TEST_BIN_DIR, the program's
// directory of this build.
#pragma once

#include <QString>

#include "tempdir.h"

// The program's directory of this build (language file, help).
inline QString BuiltProgramDir() { return QStringLiteral(TAVI_TEST_BIN_DIR); }

// Puts the built language file into dir.
inline bool CopyLanguageFile(const tTempDir& dir) {
  return dir.CopyIn(BuiltProgramDir() + QStringLiteral("/TAVI.049"));
}
inline bool CopyHelp(const tTempDir& dir) { return dir.CopyIn(BuiltProgramDir() + QStringLiteral("/TAVI.HLP")); }
