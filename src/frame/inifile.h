// The settings file "TAVI.INI": an ini file with sections in square
// brackets and one "key=value" line per setting; integers as decimal text,
// booleans as 0 and 1. Sections and keys are found regardless of case, as
// the ini files of the reference platform are.
//
// Reads come from the file as it was when the object was created. Writes
// are collected in "<file>.tmp" (a copy of the file plus the changes) and
// reach the file only through UpdateFile(), which replaces the file by the
// finished copy in one step: a write that fails leaves the previous file
// untouched. An object that is released without UpdateFile() discards its
// changes.
//
// A settings-file object is created for one load or save pass and released
// right after it.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

class TMORLAKIniFile {
 public:
  // userName: with a user, the library keeps per-user sections (the section
  // name + "_" + the user's name). This program has no user list and passes
  // none. Raises EDevException when the file exists but cannot be read.
  explicit TMORLAKIniFile(const QString& fileName, const QString& userName = QString());
  ~TMORLAKIniFile();
  TMORLAKIniFile(const TMORLAKIniFile&) = delete;
  TMORLAKIniFile& operator=(const TMORLAKIniFile&) = delete;

  const QString& FileName() const { return fFileName; }
  QString TempFileName() const { return fFileName + QStringLiteral(".tmp"); }

  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  // Decimal text (also "$1F" and "0x1F" for hexadecimal); def for anything else.
  int ReadInteger(const QString& section, const QString& key, int def) const;
  void WriteInteger(const QString& section, const QString& key, int value);
  // Any non-zero integer is true.
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  void WriteBool(const QString& section, const QString& key, bool value);
  // All lines of a section as "key=value", in the order the file keeps them.
  QStringList ReadSectionValues(const QString& section) const;
  void EraseSection(const QString& section);

  // True when changes wait for UpdateFile().
  bool Modified() const { return fWriter != nullptr; }
  // Writes the changes (see above). Raises EDevException when the file
  // cannot be written; the previous file then stays as it was.
  void UpdateFile();

 private:
  QSettings& Current() const;
  QString Section(const QString& section) const;
  QString FindKey(const QString& section, const QString& key) const;
  void BeginWrite();
  void OpenReader();

  QString fFileName;
  QString fUserName;
  std::unique_ptr<QSettings> fReader;
  std::unique_ptr<QSettings> fWriter;  // on TempFileName(), while writing
};
