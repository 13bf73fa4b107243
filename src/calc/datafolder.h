// Where the program keeps its data file TAVI.DAT and its settings file
// TAVI.INI: in the program's own folder when this user can write there (a
// build folder, an unpacked archive, an installation in the user's home),
// otherwise in the user's data folder, "$XDG_DATA_HOME/tavi" (by default
// "~/.local/share/tavi"), so that every user of a shared installation keeps
// input of his own.
//
// Whether a folder can be written is found by trying (safefile::ProbeFolder,
// the test every save meets), never from its name or owner. The user's data
// folder is made with mode 700 (rwx------) on first use; the files of the
// program's folder, where they exist, are copied into it as the starting
// point and never changed.
//
// Paths are in the file system's encoding, without a trailing '/'.
// Standard C++ and POSIX; errors are answered in the result, never thrown.
#pragma once

#include <string>

constexpr const char* kDataFileName = "TAVI.DAT";
constexpr const char* kSettingsFileName = "TAVI.INI";

enum class tDataFolderKind {
  ProgramFolder,  // the program's folder can be written: the files live there
  UserFolder,     // they live in the user's data folder
  None,           // neither can be written: the files are read where they are, saves fail
};

enum class tDataFolderUse {
  Prepare,  // the program: makes the user's folder and copies the starting files
  ReadOnly, // a reader (tavi-report): changes nothing, reads what the program would
};

struct tDataFolderChoice {
  tDataFolderKind Kind = tDataFolderKind::ProgramFolder;
  std::string DataFile;      // TAVI.DAT to read and to write
  std::string SettingsFile;  // TAVI.INI to read and to write
  std::string UserFolder;    // the user's data folder; empty without a home folder
  int SysError = 0;          // None: why the user's folder cannot be written (errno)
};

// "$XDG_DATA_HOME/tavi" when that is an absolute path, else
// "<home>/.local/share/tavi"; empty when there is neither.
std::string UserDataFolder(const std::string& xdgDataHome, const std::string& home);

// The decision for the program's folder programDir (with or without
// trailing '/') and the user's data folder userFolder (UserDataFolder()).
// With Prepare it is made once per program run, before the files are used.
// A file that is not yet in the user's folder is read from the program's
// folder (ReadOnly, and None).
tDataFolderChoice ChooseDataFolder(const std::string& programDir, const std::string& userFolder,
                                   tDataFolderUse use);
