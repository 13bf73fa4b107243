// German texts for what goes wrong with files, for the messages of the
// programs (UTF-8). The system's own text follows in parentheses where it
// adds something, always in English (the C locale), so that it can be
// looked up.
#pragma once

#include <string>

#include "safefile.h"

namespace filetexts {

// "Der Datenträger ist voll (No space left on device)".
std::string SystemErrorText(int sysError);

// Why a replacement failed, as a sentence without the final full stop:
// "Der Datenträger ist voll (No space left on device)".
std::string ReplaceFailureText(const safefile::tReplaceResult& result);

// What a name is, for a file that should be read: empty for a regular file
// (or a link to one), else a clause such as "gibt es nicht", "ist ein
// Ordner", "ist eine benannte Pipe (FIFO)", "ist eine Gerätedatei", "ist
// ein Socket", "ist eine Schleife symbolischer Verknüpfungen", "ist nicht
// lesbar: Zugriff verweigert (Permission denied)".
std::string FileKindClause(const std::string& path);

}  // namespace filetexts
