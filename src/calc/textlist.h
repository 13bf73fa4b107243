// An ordered list of text lines (UTF-8), as the record keeps its
// justification texts. As one text every line ends with CR LF; setting it
// from a text splits at CR LF, LF or CR.
//
// On disk (Store/Load) a list is a signed 32-bit byte length and that many
// Windows-1252 bytes, without character translation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "objstream.h"

class tTextList {
 public:
  tTextList() = default;
  explicit tTextList(std::vector<std::string> lines) : fLines(std::move(lines)) {}

  const std::vector<std::string>& Lines() const { return fLines; }
  // False (and the list unchanged) when a line holds a character that the
  // data file cannot keep (outside Windows-1252) or is not valid UTF-8.
  bool SetLines(std::vector<std::string> lines);
  std::string Text() const;  // every line followed by CR LF
  // The lines of the text; false (list unchanged) as for SetLines.
  bool SetText(std::string_view utf8);
  void Clear() { fLines.clear(); }
  bool operator==(const tTextList&) const = default;

  // Splits a text at line breaks; a final line without a break counts, an
  // empty text has no lines.
  static std::vector<std::string> SplitLines(std::string_view text);

  void Store(tObjStream& stream) const;
  // Replaces the lines by those of the stored text. A length that cannot be
  // read keeps the lines; a negative length fails with stBadData and keeps
  // them; a length beyond the end of the stream reads what is there, fails
  // with stReadError and keeps the lines of the bytes delivered.
  void Load(tObjStream& stream);

 private:
  std::vector<std::string> fLines;
};
