#include "datafolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "safefile.h"

namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string Join(const std::string& folder, const char* name) {
  return folder == "/" ? folder + name : folder + "/" + name;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Makes the folder and the missing folders above it, each with mode 700
// whatever the file-creation mask. False with errno set.
bool MakeFolders(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return true;
    errno = ENOTDIR;
    return false;
  }
  if (errno != ENOENT) return false;
  const auto slash = folder.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(folder.substr(0, slash))) return false;
  if (::mkdir(folder.c_str(), 0700) != 0) return errno == EEXIST && ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  return ::chmod(folder.c_str(), 0700) == 0;
}

// The starting point: a file of the program's folder that the user's folder
// does not have yet is copied there (written as every save writes).
void CopyStartingFile(const std::string& programDir, const std::string& userFolder, const char* name) {
  const std::string to = Join(userFolder, name);
  if (Exists(to)) return;
  std::string bytes;
  if (!safefile::ReadWholeFile(Join(programDir, name), bytes)) return;
  // A failed copy leaves the program's file as the one read (see below),
  // and the save at exit reports the folder's trouble.
  (void)safefile::ReplaceFileContents(to, bytes);
}

// The user's file where it exists, else the program's.
std::string ReadFrom(const std::string& programDir, const std::string& userFolder, const char* name) {
  if (!userFolder.empty() && Exists(Join(userFolder, name))) return Join(userFolder, name);
  return Join(programDir, name);
}

}  // namespace

std::string UserDataFolder(const std::string& xdgDataHome, const std::string& home) {
  if (!xdgDataHome.empty() && xdgDataHome.front() == '/') return Join(WithoutTrailingSlash(xdgDataHome), "tavi");
  if (!home.empty() && home.front() == '/') return Join(WithoutTrailingSlash(home), ".local/share/tavi");
  return std::string();
}

tDataFolderChoice ChooseDataFolder(const std::string& programDirIn, const std::string& userFolderIn,
                                   tDataFolderUse use) {
  const std::string programDir = WithoutTrailingSlash(programDirIn.empty() ? "." : programDirIn);
  tDataFolderChoice choice;
  choice.UserFolder = userFolderIn.empty() ? std::string() : WithoutTrailingSlash(userFolderIn);
  if (safefile::ProbeFolder(Join(programDir, kDataFileName))) {
    choice.Kind = tDataFolderKind::ProgramFolder;
    choice.DataFile = Join(programDir, kDataFileName);
    choice.SettingsFile = Join(programDir, kSettingsFileName);
    return choice;
  }
  choice.Kind = tDataFolderKind::UserFolder;
  if (use == tDataFolderUse::Prepare) {
    if (choice.UserFolder.empty()) {
      choice.Kind = tDataFolderKind::None;
      choice.SysError = ENOENT;
    } else if (!MakeFolders(choice.UserFolder)) {
      choice.Kind = tDataFolderKind::None;
      choice.SysError = errno;
    } else if (const safefile::tReplaceResult probe = safefile::ProbeFolder(Join(choice.UserFolder, kDataFileName));
               !probe) {
      choice.Kind = tDataFolderKind::None;
      choice.SysError = probe.sysError;
    } else {
      CopyStartingFile(programDir, choice.UserFolder, kDataFileName);
      CopyStartingFile(programDir, choice.UserFolder, kSettingsFileName);
    }
  }
  if (choice.Kind == tDataFolderKind::UserFolder && use == tDataFolderUse::Prepare) {
    choice.DataFile = Join(choice.UserFolder, kDataFileName);
    choice.SettingsFile = Join(choice.UserFolder, kSettingsFileName);
  } else {
    choice.DataFile = ReadFrom(programDir, choice.UserFolder, kDataFileName);
    choice.SettingsFile = ReadFrom(programDir, choice.UserFolder, kSettingsFileName);
  }
  return choice;
}
