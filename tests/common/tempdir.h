// A fresh folder for one test, removed with the object.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class tTempDir {
 public:
  tTempDir();
  // The folder, without trailing separator.
  QString Path() const { return fDir.path(); }
  // name inside the folder.
  QString File(const QString& name) const { return fDir.filePath(name); }
  bool Exists(const QString& name) const;
  bool Write(const QString& name, const QByteArray& content) const;
  QByteArray Read(const QString& name) const;
  // Copies a file or a whole folder into this folder (under name, or its
  // own name).
  bool CopyIn(const QString& source, const QString& name = QString()) const;
  bool MakeDir(const QString& name) const;

 private:
  QTemporaryDir fDir;
};
