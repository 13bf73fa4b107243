// The one way tavi-report writes a file, whatever the command: a PDF of a
// print job, or a CSV whose rows the command produces one after the other.
//
// Both replace the target as safefile.h describes: through links, never a
// file this user may not write or anything that is not a regular file,
// never one of the protected files (the data file, the program's own
// files), with an unpredictable temporary file that the termination
// signals remove; the old file stays exactly as it was until the new one
// is whole and on disk. A CSV goes to the disk as it is produced (memory
// does not grow with its length); a PDF is checked to be whole before it
// takes the target's place.
//
// Progress goes to `err` when it is a terminal and the output takes long
// (progress.h). Failures are reported on `err` in German, with the reason;
// the answer is the exit status: 0 written, 1 not written.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

class tPrinting;

struct tOutputFile {
  std::string path;  // as the file system spells it
  QString shown;     // as the messages show it
};

class tReportOutput {
 public:
  // protectedFiles: never replaced (file system's encoding).
  tReportOutput(std::ostream& err, bool terminal, std::vector<std::string> protectedFiles);

  const std::vector<std::string>& ProtectedFiles() const { return fProtected; }

  // produce writes the header and rows to the stream, and should stop once
  // the stream has failed; lines: how many lines it writes (for progress).
  int WriteCsv(const tOutputFile& file, int64_t lines, const std::function<void(std::ostream&)>& produce);

  // Plays every page of the job into the PDF file; the job's printer must
  // be the PDF destination.
  int WritePdf(const tOutputFile& file, tPrinting& job);

  // A German line on `err`, "tavi-report: " before it.
  void Say(const QString& message) const;

 private:
  std::ostream& fErr;
  bool fTerminal;
  std::vector<std::string> fProtected;
};
