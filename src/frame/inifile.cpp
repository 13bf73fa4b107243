#include "inifile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <filesystem>
#include <system_error>

#include "edevexception.h"

namespace {

std::filesystem::path FsPath(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString Native(const QString& name) { return QDir::toNativeSeparators(name); }

// A value as text: lists (unquoted commas in a hand-edited file) are joined
// again the way they were written.
QString ValueText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

}  // namespace

TMORLAKIniFile::TMORLAKIniFile(const QString& fileName, const QString& userName)
    : fFileName(fileName), fUserName(userName) {
  OpenReader();
}

TMORLAKIniFile::~TMORLAKIniFile() {
  if (fWriter) {
    fWriter.reset();
    QFile::remove(TempFileName());  // changes not committed are dropped
  }
}

void TMORLAKIniFile::OpenReader() {
  fReader = std::make_unique<QSettings>(fFileName, QSettings::IniFormat);
  if (fReader->status() == QSettings::AccessError)
    throw EDevException(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(Native(fFileName)),
                        QStringLiteral("TMORLAKIniFile.Create"));
}

QSettings& TMORLAKIniFile::Current() const { return fWriter ? *fWriter : *fReader; }

QString TMORLAKIniFile::Section(const QString& section) const {
  return fUserName.isEmpty() ? section : section + u'_' + fUserName;
}

// "Section/Key" as the file spells it, or as given when the file has none.
QString TMORLAKIniFile::FindKey(const QString& section, const QString& key) const {
  QSettings& s = Current();
  const QString wanted = Section(section);
  QString group = wanted;
  if (!s.childGroups().contains(wanted)) {
    for (const QString& g : s.childGroups())
      if (g.compare(wanted, Qt::CaseInsensitive) == 0) {
        group = g;
        break;
      }
  }
  s.beginGroup(group);
  QString found = key;
  const QStringList keys = s.childKeys();
  if (!keys.contains(key)) {
    for (const QString& k : keys)
      if (k.compare(key, Qt::CaseInsensitive) == 0) {
        found = k;
        break;
      }
  }
  s.endGroup();
  return group + u'/' + found;
}

QString TMORLAKIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  const QString k = FindKey(section, key);
  QSettings& s = Current();
  if (!s.contains(k)) return def;
  return ValueText(s.value(k));
}

int TMORLAKIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
  const QString text = ReadString(section, key, QString()).trimmed();
  bool ok = false;
  int value = 0;
  if (text.startsWith(u'$'))
    value = text.mid(1).toInt(&ok, 16);
  else if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
    value = text.mid(2).toInt(&ok, 16);
  else
    value = text.toInt(&ok, 10);
  return ok ? value : def;
}

bool TMORLAKIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QStringList TMORLAKIniFile::ReadSectionValues(const QString& section) const {
  QSettings& s = Current();
  QString group = Section(section);
  for (const QString& g : s.childGroups())
    if (g.compare(group, Qt::CaseInsensitive) == 0) {
      group = g;
      break;
    }
  QStringList lines;
  s.beginGroup(group);
  for (const QString& k : s.childKeys()) lines << k + u'=' + ValueText(s.value(k));
  s.endGroup();
  return lines;
}

void TMORLAKIniFile::BeginWrite() {
  if (fWriter) return;
  const QString tmp = TempFileName();
  const QFileInfo info(tmp);
  if ((info.exists() || info.isSymLink()) && (info.isDir() || !QFile::remove(tmp)))
    throw EDevException(QStringLiteral("Die Hilfsdatei %1 kann nicht angelegt werden.").arg(Native(tmp)),
                        QStringLiteral("TMORLAKIniFile.BeginWrite"));
  auto writer = std::make_unique<QSettings>(tmp, QSettings::IniFormat);
  writer->clear();
  for (const QString& k : fReader->allKeys()) writer->setValue(k, fReader->value(k));
  fWriter = std::move(writer);
}

void TMORLAKIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  BeginWrite();
  fWriter->setValue(FindKey(section, key), value);
}

void TMORLAKIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void TMORLAKIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMORLAKIniFile::EraseSection(const QString& section) {
  BeginWrite();
  const QString wanted = Section(section);
  for (const QString& g : fWriter->childGroups())
    if (g.compare(wanted, Qt::CaseInsensitive) == 0) fWriter->remove(g);
}

void TMORLAKIniFile::UpdateFile() {
  if (!fWriter) return;
  const QString tmp = TempFileName();
  const auto fail = [&](const QString& why) {
    fWriter.reset();
    QFile::remove(tmp);
    throw EDevException(QStringLiteral("Die Datei %1 kann nicht geschrieben werden%2.").arg(Native(fFileName), why),
                        QStringLiteral("TMORLAKIniFile.UpdateFile"));
  };
  fWriter->sync();
  if (fWriter->status() != QSettings::NoError) fail(QString());
  if (!QFileInfo::exists(tmp)) {  // nothing left to write: an empty file
    QFile empty(tmp);
    if (!empty.open(QIODevice::WriteOnly)) fail(QString());
  }
  // Readers of the settings file recognise a new version by its size and
  // time stamp; two versions written within one clock tick must still
  // differ, so the new one is dated at least a millisecond after the old.
  const QFileInfo old(fFileName);
  if (old.exists()) {
    const QDateTime oldTime = old.lastModified();
    QFile f(tmp);
    if (QFileInfo(tmp).lastModified() <= oldTime && f.open(QIODevice::ReadWrite))
      f.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
  }
  std::error_code ec;
  std::filesystem::rename(FsPath(tmp), FsPath(fFileName), ec);
  if (ec) fail(QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(ec.message())));
  fWriter.reset();
  OpenReader();
}
