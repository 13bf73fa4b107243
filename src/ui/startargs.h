// The program's command line: "tavi" alone opens TAVI.DAT, "tavi FILE"
// (also "tavi -- FILE") opens that calculation file, as the desktop entry
// passes it. Everything else is refused with a German message for the
// standard error; the program then ends with status 2. Qt's own options
// have been taken out by QApplication before.
#pragma once

#include <QString>
#include <QStringList>

struct tStartArgs {
  bool ok = true;
  QString file;     // the calculation to open; empty for TAVI.DAT
  QString message;  // why the arguments are refused (ok false)
};

// args: the arguments after the program name.
tStartArgs ParseStartArgs(const QStringList& args);
