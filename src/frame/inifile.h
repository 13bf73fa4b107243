// The settings file "TAVI.INI": an ini file with sections in square
// brackets and one "key=value" line per setting; integers as decimal text,
// booleans as 0 and 1. Sections and keys are found regardless of case, as
// the ini files of the reference platform are.
//
// The file is the user's as much as the program's: it may carry comments,
// blank lines, sections of other programs and hand-made entries. The object
// keeps every line of it byte for byte and changes only what is written:
//  - A value that is written replaces the value of its existing line (the
//    key's spelling and the text up to the value stay), or, for a new key,
//    a line after the section's last key; a new section is appended at the
//    end. Writing the value a line already holds leaves the line alone.
//  - EraseSection removes the keys of the section; the keys written to it
//    afterwards stand where its first key stood, so a section that is
//    erased and written again keeps its place. A section left without keys
//    loses its header too; comments and blank lines inside it stay.
//  - Writing and erasing change the first section of a name only; a later
//    section of the same name stays as it is.
//  - New lines end like the file's first line (CR LF for a new file).
//
// Reading takes values as they stand: surrounding blanks and one pair of
// enclosing quotes are removed, nothing else (backslashes stay). Lines
// starting with ";" or "#" are comments. Of two entries with the same key
// the first counts; for reading, sections of the same name count as one.
//
// Encoding: the reference platform's files are Windows-1252. A file whose
// bytes are all valid UTF-8 (pure ASCII included, and a new file) is read
// and written as UTF-8, any other file as Windows-1252; text that the
// file's encoding cannot hold is refused.
//
// Reads come from the file as it was when the object was created, plus the
// object's own changes. Changes reach the file only through UpdateFile(),
// which replaces the file in one step (safefile.h: through symbolic links,
// only if this user may write the existing file, keeping its permission
// bits, with an exclusive temporary file that nothing can block or
// redirect). An object released without UpdateFile() discards its changes.
//
// A settings-file object is created for one load or save pass and released
// right after it.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class TMORLAKIniFile {
 public:
  // userName: with a user, the library keeps per-user sections (the section
  // name + "_" + the user's name). This program has no user list and passes
  // none. A missing file is an empty one. Raises EDevException when the
  // file exists but cannot be read or is not a regular file (a FIFO or a
  // device is refused without waiting on it).
  explicit TMORLAKIniFile(const QString& fileName, const QString& userName = QString());
  ~TMORLAKIniFile();
  TMORLAKIniFile(const TMORLAKIniFile&) = delete;
  TMORLAKIniFile& operator=(const TMORLAKIniFile&) = delete;

  const QString& FileName() const { return fFileName; }

  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // Raises EDevException, and changes nothing, when the file's encoding
  // cannot hold the text, the value holds a line break, the key is empty,
  // holds "=" or a line break or starts like a comment or a section, or
  // the section name holds "]" or a line break.
  void WriteString(const QString& section, const QString& key, const QString& value);
  // Decimal text (also "$1F" and "0x1F" for hexadecimal); def for anything else.
  int ReadInteger(const QString& section, const QString& key, int def) const;
  void WriteInteger(const QString& section, const QString& key, int value);
  // Any non-zero integer is true.
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  void WriteBool(const QString& section, const QString& key, bool value);
  // All entries of a section as "key=value", in the order the file keeps
  // them (the key as the file spells it).
  QStringList ReadSectionValues(const QString& section) const;
  void EraseSection(const QString& section);

  // True when changes wait for UpdateFile().
  bool Modified() const;
  // Writes the changes (see above). Raises EDevException when the file
  // cannot be written, with the reason in German; the previous file then
  // stays as it was and the changes stay in the object.
  void UpdateFile();

 private:
  struct tDocument;
  QString Section(const QString& section) const;

  QString fFileName;
  QString fUserName;
  std::unique_ptr<tDocument> fDoc;
};
