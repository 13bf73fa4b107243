#include "programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

std::vector<std::string> ProgramFiles(const QString& programDir) {
  const QDir dir(programDir);
  QStringList names = {QStringLiteral("TAVI.INI"), QStringLiteral("TAVI.049"), QStringLiteral("TAVI.HLP"),
                       QStringLiteral("tavi"), QStringLiteral("tavi-report")};
  names += dir.entryList({QStringLiteral("*.CFM")}, QDir::Files | QDir::Hidden);
  std::vector<std::string> files;
  for (const QString& name : names) files.push_back(QFile::encodeName(dir.filePath(name)).toStdString());
  if (QCoreApplication::instance())
    files.push_back(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
  return files;
}
