#include "tempdir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

tTempDir::tTempDir() : fDir(QDir::tempPath() + QStringLiteral("/tavi-test-XXXXXX")) {}

bool tTempDir::Exists(const QString& name) const { return QFileInfo::exists(File(name)); }

bool tTempDir::Write(const QString& name, const QByteArray& content) const {
  QFile f(File(name));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(content) == content.size();
}

QByteArray tTempDir::Read(const QString& name) const {
  QFile f(File(name));
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

bool tTempDir::MakeDir(const QString& name) const { return QDir(Path()).mkpath(name); }

bool tTempDir::CopyIn(const QString& source, const QString& name) const {
  const QFileInfo info(source);
  const QString target = File(name.isEmpty() ? info.fileName() : name);
  if (info.isFile()) return QFile::copy(source, target);
  if (!info.isDir() || !QDir().mkpath(target)) return false;
  QDirIterator it(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  const QDir from(source);
  while (it.hasNext()) {
    const QString file = it.next();
    const QString to = target + u'/' + from.relativeFilePath(file);
    QDir().mkpath(QFileInfo(to).path());
    if (!QFile::copy(file, to)) return false;
  }
  return true;
}
