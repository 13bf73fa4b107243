// Writing a whole file by replacing it, so that a save either puts the new
// content in place completely or leaves the old file exactly as it was.
//
// ReplaceFileContents(name, bytes):
//  1. Follows name through symbolic links (at most kMaxLinks, relative links
//     taken from the folder of the link) to the file they end at, the
//     target. Every link stays a link; a link whose end does not exist yet
//     names the file to create (its folder must exist).
//  2. An existing target must be a regular file that this process may open
//     for writing: the same check an in-place write would meet (file mode,
//     ACLs, read-only mounts, immutable files; root passes the mode bits).
//     Otherwise nothing is touched. Folders, FIFOs, devices and sockets are
//     never opened.
//  3. Writes the bytes to a new temporary file beside the target, created
//     exclusively under a name no other file has ("<target>.<random>.tmp",
//     never following a link), gives it the old file's permission bits,
//     owner and group where allowed (a new file gets rw-rw-rw- less the
//     file-creation mask), dates it after the old file, forces it to disk,
//     and renames it over the target; then forces the folder entry to disk.
//     The temporary file is removed on every failure.
//
// A target with several hard links is replaced by a file of its own: the
// other names keep the old content.
//
// Standard C++ and POSIX only. Errors are reported in the result, never
// thrown; the messages the user sees are made by the caller.
#pragma once

#include <string>
#include <string_view>

namespace safefile {

// More links than this (or a loop) make the name unusable, as for the
// system's own path lookup.
constexpr int kMaxLinks = 40;

enum class tReplaceError {
  None,
  LinkLoop,        // too many symbolic links, or a loop
  NotRegularFile,  // the target is a folder, FIFO, device or socket
  NotWritable,     // the existing target may not be written (or not reached)
  TempFile,        // no temporary file could be created beside the target
  Write,           // writing, dating or forcing the temporary file failed
  Replace,         // the temporary file could not take the target's place
};

struct tReplaceResult {
  tReplaceError error = tReplaceError::None;
  int sysError = 0;    // errno of the failing call; 0 where none applies
  std::string target;  // the file replaced (or to be replaced), links resolved
  explicit operator bool() const { return error == tReplaceError::None; }
};

tReplaceResult ReplaceFileContents(const std::string& fileName, std::string_view bytes);

}  // namespace safefile
