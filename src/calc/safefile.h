// Writing a whole file by replacing it, so that a save either puts the new
// content in place completely or leaves the old file exactly as it was.
// Every file the programs write goes this way: the data file, the settings
// file, and the PDF and CSV outputs.
//
// A replacement (tReplacement, or ReplaceFileContents for bytes at hand):
//  1. Follows the name through symbolic links (at most kMaxLinks, relative
//     links taken from the folder of the link) to the file they end at, the
//     target. Every link stays a link; a link whose end does not exist yet
//     names the file to create (its folder must exist).
//  2. Refuses a target that is one of the options' protected files (or lies
//     in a protected folder), compared as files, not as names: a hard link
//     or a different spelling of the same file is refused as well.
//  3. An existing target must be a regular file that this process may open
//     for writing: the same check an in-place write would meet (file mode,
//     ACLs, read-only mounts, immutable files; root passes the mode bits).
//     Otherwise nothing is touched. Folders, FIFOs, devices and sockets are
//     never opened.
//  4. Writes to a new temporary file beside the target, created exclusively
//     under a name nobody can predict ("<target>.<8 random letters>.tmp",
//     never following a link). Every write is checked.
//  5. Commit gives it the old file's permission bits, owner and group where
//     allowed (a new file gets rw-rw-rw- less the file-creation mask), dates
//     it after the old file, forces it to disk, lets the options'
//     beforeReplace step run, and renames it over the target; then forces
//     the folder entry to disk. The temporary file is removed on every
//     failure, when the replacement is dropped, and on the termination
//     signals once InstallSignalCleanup (tempfiles.h) has run.
//
// A target with several hard links is replaced by a file of its own: the
// other names keep the old content.
//
// Standard C++ and POSIX only. Errors are reported in the result, never
// thrown; the messages the user sees are made from it (filetexts.h).
#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace safefile {

// More links than this (or a loop) make the name unusable, as for the
// system's own path lookup.
constexpr int kMaxLinks = 40;

enum class tReplaceError {
  None,
  LinkLoop,        // too many symbolic links, or a loop
  NotRegularFile,  // the target is a folder, FIFO, device or socket
  NotWritable,     // the existing target may not be written (or not reached)
  Protected,       // the target is one of the protected files
  TempFile,        // no temporary file could be created beside the target
  Write,           // writing, dating or forcing the temporary file failed
  Kept,            // the beforeReplace step failed: the old file stays
  Replace,         // the temporary file could not take the target's place
};

struct tReplaceResult {
  tReplaceError error = tReplaceError::None;
  int sysError = 0;       // errno of the failing call; 0 where none applies
  std::string target;     // the file replaced (or to be replaced), links resolved
  std::string protectedFile;  // Protected: the protected file the target is
  explicit operator bool() const { return error == tReplaceError::None; }
};

struct tReplaceOptions {
  // Files (or folders, meaning everything inside) that must not be
  // replaced. Names that do not exist protect the name they would have.
  std::vector<std::string> protectedFiles;
  // Runs with the resolved target when the new content is complete and on
  // disk, right before the rename. Answering false (with errno set) stops
  // the replacement: the old file stays, the result is Kept.
  std::function<bool(const std::string& target)> beforeReplace;
};

class tReplacement {
 public:
  tReplacement() = default;
  // Drops an unfinished replacement (the temporary file goes).
  ~tReplacement();
  tReplacement(const tReplacement&) = delete;
  tReplacement& operator=(const tReplacement&) = delete;

  // Steps 1 to 4 up to the empty temporary file. A replacement that is
  // under way is dropped first.
  tReplaceResult Begin(const std::string& fileName, const tReplaceOptions& options = {});
  bool Active() const { return fFd >= 0; }

  // Appends bytes; false once a write failed (Commit then reports it).
  bool Write(std::string_view bytes);
  // The open temporary file, for writers that need a descriptor; -1 when
  // not active.
  int Fd() const { return fFd; }
  // A name under which another part of this process can open exactly this
  // temporary file (through the descriptor where the system offers that,
  // so that nothing can be put in its place meanwhile).
  std::string ReopenName() const;
  // The reason a write by someone else to the file failed, as an errno
  // value: a full disk or quota, the file-size limit, or what a probing
  // write meets (EIO when it meets nothing).
  int DiagnoseWriteFailure() const;

  // Step 5. The replacement is over afterwards, whatever the answer.
  tReplaceResult Commit();
  // Stops and removes the temporary file; the target stays as it was.
  void Discard();

  const std::string& Target() const { return fTarget; }
  const std::string& TempName() const { return fTempName; }

 private:
  tReplaceResult Fail(tReplaceError error, int sysError);
  int fFd = -1;
  int fWriteError = 0;
  bool fExisted = false;
  struct stat fOld {};
  int fSlot = -1;  // in the signal cleanup list (tempfiles.h)
  std::string fTarget;
  std::string fTempName;
  std::function<bool(const std::string&)> fBeforeReplace;
};

tReplaceResult ReplaceFileContents(const std::string& fileName, std::string_view bytes,
                                   const tReplaceOptions& options = {});

// Whether a replacement of fileName could make its temporary file (steps 1
// and 4, the file removed again at once): the test of a folder's being
// writable that every save meets, whatever the folder's name or owner
// suggests. The target itself is not checked (a file of mode 444 in a
// writable folder passes). Failure: LinkLoop, NotWritable or TempFile.
tReplaceResult ProbeFolder(const std::string& fileName);

// What a name leads to: the target of step 1 and whether it exists. False
// (with the failure) for a link loop or a name that cannot be looked at.
bool ResolveTarget(const std::string& fileName, std::string& target, bool& exists, tReplaceResult& failure);

// The whole content of a regular file, appended to bytes; false when it
// cannot be opened or read, or is no regular file (a folder, a FIFO: opened
// without waiting for a writer).
bool ReadWholeFile(const std::string& fileName, std::string& bytes);

}  // namespace safefile
