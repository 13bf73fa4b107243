// The temporary files of replacements (safefile.h): removing them when the
// program is ended by a signal while one is being written, and removing the
// ones a killed program left behind.
//
// A temporary file is named "<target name>.<8 letters or digits>.tmp" and
// lies beside its target (the target's name cut to kMaxTempBase bytes).
//
// Standard C++ and POSIX only.
#pragma once

#include <string>
#include <string_view>

namespace safefile {

constexpr size_t kMaxTempBase = 240;

// The list of temporary files being written (a few at most). Register
// answers a slot for Unregister, or -1 when the list is full or the name
// too long (that file is then not removed on a signal).
int RegisterTemporary(const std::string& path);
void UnregisterTemporary(int slot);
// Removes every listed file. Safe inside a signal handler.
void RemovePendingTemporaries();

// From now on SIGINT, SIGTERM and SIGHUP first remove the listed files and
// then end the program as the signal would have (for a program without
// handlers of its own for them).
void InstallSignalCleanup();

// Whether `name` (a plain file name) is a temporary name for the target
// name `base`.
bool IsTemporaryNameOf(std::string_view name, std::string_view base);

// Removes the temporary files that replacements of fileName left behind:
// regular files of this user beside its target (links followed as a
// replacement follows them) whose names are exactly such temporary names.
// Only for a caller that knows no replacement of that file is running (it
// holds the file's lock). Answers how many it removed.
int RemoveStaleTemporaries(const std::string& fileName);

}  // namespace safefile
