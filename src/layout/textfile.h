// A form text, read line by line.
//
// The text is held in memory as UTF-8 and handed out one line at a time;
// the reader counts lines so that errors can name the line. Lines end at a
// line feed, a carriage return, or a carriage return and line feed; a last
// line without an ending counts as a line.
//
// Character set: a form text is UTF-8 (a leading byte order mark is
// skipped). A file that is not valid UTF-8 is taken as Windows-1252 as a
// whole - the designer's own character set - and converted, so umlauts
// written by either kind of editor arrive as the same characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

class tTextFile {
 public:
  // A text given as the bytes of a file (UTF-8 or Windows-1252, above).
  static tTextFile FromBytes(std::string_view bytes);
  // Reads a whole file; raises EInOutError ("Die Datei „name“ kann nicht
  // gelesen werden.") when it cannot be opened or read.
  static tTextFile Open(const std::string& fileName);

  // Reads the next line, at most maxChars characters of it (the rest of a
  // longer line is skipped), and moves on to the following line. Answers
  // false, with an empty line, when the text has no more lines.
  bool ReadLine(std::string& line, size_t maxChars);

  bool Eof() const { return fPos >= fText.size(); }
  // Number of the line read last (1 for the first line; 0 before any).
  int LineNumber() const { return fLine; }
  // The line read last as ReadLine handed it out; empty at the end.
  const std::string& LastLine() const { return fLast; }
  // Whether the last ReadLine found a line (false once past the end).
  bool LastReadFound() const { return fLastFound; }
  // Whether the bytes were taken as Windows-1252.
  bool WasCp1252() const { return fCp1252; }

 private:
  explicit tTextFile(std::string utf8, bool cp1252) : fText(std::move(utf8)), fCp1252(cp1252) {}

  std::string fText;  // UTF-8
  size_t fPos = 0;
  int fLine = 0;
  std::string fLast;
  bool fLastFound = false;
  bool fCp1252 = false;
};
