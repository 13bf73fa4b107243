// mklayout [--verbose] <form text> <layout file>
//
// Compiles the text of a designed form into a layout file: the form's
// components become layout commands (the kinds and the format are
// described in formcompiler.h), collected into one command list that is
// written as an object reference. The build runs it on data/layouts/*.dfm;
// the layout file of blatt1.dfm is BLATT1.CFM beside the program.
//
// --verbose prints, on standard output, a line per component and the
// progress texts of reading its properties.
//
// A form that cannot be compiled (unknown component kind, a value that is
// not a number, a file that cannot be read, ...) is reported on standard
// error as "mklayout: Fehler in „<file>“, Zeile <n>: <message>", the exit
// status is 1 and no layout file is written: the list goes to a temporary
// file beside the target, which is renamed only when it is complete.
// Wrong arguments give exit status 2.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "commandlist.h"
#include "formcompiler.h"
#include "layouterrors.h"

namespace {

void ReportError(const std::string& file, int line, const std::string& message) {
  std::cerr << "mklayout: Fehler in „" << file << "“";
  if (line > 0) std::cerr << ", Zeile " << line;
  std::cerr << ": " << message << '\n';
}

// Writes the list into a temporary file beside target and renames it; on
// any failure nothing stays behind.
bool WriteLayoutFile(const TCommandList& list, const std::string& target) {
  std::string temp = target + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // mkstemp makes the file private; the layout file is an ordinary one.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  ::close(fd);
  bool ok = false;
  {
    tObjFileStream out(temp, tObjFileStream::fmCreate);
    out.Put(&list);
    ok = out.GetStatus() == stOk && out.Flush() && out.Close();
  }
  std::error_code ec;
  if (ok) {
    std::filesystem::rename(temp, target, ec);
    ok = !ec;
  }
  if (!ok) std::filesystem::remove(temp, ec);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  bool verbose = false;
  std::string input;
  std::string output;
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--verbose") {
      verbose = true;
    } else if (positional == 0) {
      input = arg;
      ++positional;
    } else if (positional == 1) {
      output = arg;
      ++positional;
    } else {
      positional = 3;
    }
  }
  if (positional != 2) {
    std::cerr << "Aufruf: mklayout [--verbose] <Formulartext> <Layoutdatei>\n";
    return 2;
  }

  try {
    tTextFile file = tTextFile::Open(input);
    tMessageEvent progress;
    if (verbose) {
      progress = [](const std::string& text) { std::cout << text << '\n'; };
      if (file.WasCp1252()) progress("Die Datei ist kein UTF-8-Text und wird als Windows-1252 gelesen.");
    }
    const std::unique_ptr<TCommandList> list = CompileForm(file, progress);
    if (!WriteLayoutFile(*list, output)) {
      ReportError(input, 0, "Die Layoutdatei „" + output + "“ kann nicht geschrieben werden.");
      return 1;
    }
    if (verbose)
      std::cout << list->Count() << (list->Count() == 1 ? " Befehl" : " Befehle") << " in „" << output
                << "“ geschrieben.\n";
  } catch (const EFormError& e) {
    ReportError(input, e.Line(), e.what());
    return 1;
  } catch (const EInOutError& e) {
    ReportError(input, 0, e.what());
    return 1;
  }
  return 0;
}
