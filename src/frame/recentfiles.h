// The most recently used calculation files, newest first, as the menu
// "Datei" offers them. They are kept in the settings file in a section of
// their own, "[Zuletzt verwendet]", as "Datei1=" to "Datei4=" (absolute
// paths), written by the line-preserving settings editor, so that every
// other line of the file stays as it is.
//
// A file that no longer exists is dropped when the list is read. Errors of
// the settings file are answered (false), never thrown.
#pragma once

#include <QString>
#include <QStringList>

class TMORLAKIniFile;

class tRecentFiles {
 public:
  static constexpr int kMax = 4;
  static const QString kSection;

  const QStringList& Files() const { return fFiles; }

  // Puts a file at the top (absolute, without "." and ".."); a file that
  // was further down moves up, the oldest beyond kMax goes.
  void Add(const QString& file);
  void Remove(const QString& file);

  // Reads the section: the files in their order, those that exist only.
  void Read(const TMORLAKIniFile& ini);
  // Replaces the section's entries with the list (in its place).
  void Write(TMORLAKIniFile& ini) const;

  // Both on the settings file by name: Load keeps an empty list when the
  // file cannot be read; Save answers false when it cannot be written.
  void Load(const QString& iniFile);
  bool Save(const QString& iniFile) const;

 private:
  QStringList fFiles;
};
