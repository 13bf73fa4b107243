// The files of the program's directory that no output may replace: the
// settings file, the language file, the help, the layout files and the
// programs themselves (the running one wherever it lies). The data file is
// the caller's to add, since it may lie elsewhere.
//
// Names are in the file system's encoding, as safefile.h takes them.
#pragma once

#include <QString>
#include <string>
#include <vector>

// programDir: with or without trailing separator.
std::vector<std::string> ProgramFiles(const QString& programDir);
