#include "recentfiles.h"

#include <QFileInfo>
#include <exception>

#include "inifile.h"

const QString tRecentFiles::kSection = QStringLiteral("Zuletzt verwendet");

namespace {
QString Key(int i) { return QStringLiteral("Datei%1").arg(i + 1); }
QString Clean(const QString& file) { return QFileInfo(file).absoluteFilePath(); }
}  // namespace

void tRecentFiles::Add(const QString& file) {
  const QString clean = Clean(file);
  fFiles.removeAll(clean);
  fFiles.prepend(clean);
  while (fFiles.size() > kMax) fFiles.removeLast();
}

void tRecentFiles::Remove(const QString& file) { fFiles.removeAll(Clean(file)); }

void tRecentFiles::Read(const TMORLAKIniFile& ini) {
  fFiles.clear();
  for (int i = 0; i < kMax; ++i) {
    const QString file = ini.ReadString(kSection, Key(i), QString());
    if (file.isEmpty() || !QFileInfo(file).isFile()) continue;
    if (!fFiles.contains(Clean(file))) fFiles << Clean(file);
  }
}

void tRecentFiles::Write(TMORLAKIniFile& ini) const {
  ini.EraseSection(kSection);
  for (int i = 0; i < fFiles.size(); ++i) ini.WriteString(kSection, Key(i), fFiles[i]);
}

void tRecentFiles::Load(const QString& iniFile) {
  try {
    const TMORLAKIniFile ini(iniFile);
    Read(ini);
  } catch (const std::exception&) {
    fFiles.clear();
  }
}

bool tRecentFiles::Save(const QString& iniFile) const {
  try {
    TMORLAKIniFile ini(iniFile);
    Write(ini);
    if (ini.Modified()) ini.UpdateFile();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
