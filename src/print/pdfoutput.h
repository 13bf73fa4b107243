// The file of a document printed on "PDF-Datei": the toolkit's PDF writer
// writes into a replacement of the chosen file (safefile.h), which takes
// the file's place only when the document is complete and whole on disk
// (pdfcomplete.h). Until then, and after any failure, an existing file
// stays exactly as it was; a file this user may not write, anything that
// is not a regular file, and the program's own files (SetProtectedFiles)
// are refused before a byte is written.
//
// Failures raise EDevException with a German message that names the file
// as the user gave it and says why.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace safefile {
class tReplacement;
}

class tPdfOutput {
 public:
  // encodedName: the file in the file system's encoding; shownName: as
  // the messages show it. Raises when the file cannot be replaced.
  tPdfOutput(const std::string& encodedName, const QString& shownName, const std::vector<std::string>& protectedFiles);
  ~tPdfOutput();  // without Finish: the new file goes, the old one stays
  tPdfOutput(const tPdfOutput&) = delete;
  tPdfOutput& operator=(const tPdfOutput&) = delete;

  // The name the PDF writer opens (the replacement's own file).
  QString WriterFileName() const;
  // The message for a page the writer could not begin (a write failed).
  QString NewPageFailure() const;
  // After the writer closed the file (writerOk: it reported no error):
  // checks it and puts it in place. Raises when it is not whole or cannot
  // take the file's place.
  void Finish(bool writerOk);

 private:
  QString CannotWrite(const QString& why) const;
  std::unique_ptr<safefile::tReplacement> fReplacement;
  QString fShownName;
};
