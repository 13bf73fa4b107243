// Keeping a file that could not be read before anything is written over it:
// the file stays, byte for byte, under a new name beside it,
//   "<name>.defekt-<date>", or "<name>.defekt-<date>-2", "-3", ... when
// that name is taken. A name that exists is never written over.
//
// The file is kept as a second name of the same file (a hard link) where
// the file system allows it, else as an exclusive copy that is forced to
// disk (permission bits rw------- at most, since the content may be the
// user's own). Standard C++ and POSIX only.
#pragma once

#include <string>

namespace safefile {

struct tKeepResult {
  bool ok = false;
  std::string keptAs;  // the new name (ok)
  int sysError = 0;    // errno of the failing step (not ok)
};

// target: an existing regular file (links already resolved); date: the text
// that goes into the name, as "2024-05-31".
tKeepResult KeepUnderNewName(const std::string& target, const std::string& date);

}  // namespace safefile
