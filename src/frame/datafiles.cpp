#include "datafiles.h"

#include <QDir>
#include <QFile>

#include "filetexts.h"

namespace {
std::string Encoded(const QString& name) { return QFile::encodeName(name).toStdString(); }
QString Decoded(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }
}  // namespace

tDataFiles DecideDataFiles(const QString& programDir, tDataFolderUse use) {
  const std::string userFolder = UserDataFolder(Encoded(qEnvironmentVariable("XDG_DATA_HOME")),
                                                Encoded(qEnvironmentVariable("HOME")));
  const tDataFolderChoice choice = ChooseDataFolder(Encoded(programDir), userFolder, use);
  tDataFiles files;
  files.Kind = choice.Kind;
  files.DataFile = Decoded(choice.DataFile);
  files.SettingsFile = Decoded(choice.SettingsFile);
  files.UserFolder = Decoded(choice.UserFolder);
  files.SysError = choice.SysError;
  return files;
}

QString NothingWritableWarning(const QString& programDir, const tDataFiles& files) {
  if (files.Kind != tDataFolderKind::None) return QString();
  const QString reason = QString::fromStdString(filetexts::SystemErrorText(files.SysError));
  const QString userFolder =
      files.UserFolder.isEmpty()
          ? QStringLiteral("Ein eigener Datenordner lässt sich nicht bestimmen, weil kein Benutzerordner (HOME) "
                           "angegeben ist.")
          : QStringLiteral("Der Datenordner \"%1\" lässt sich nicht anlegen oder beschreiben: %2.")
                .arg(QDir::toNativeSeparators(files.UserFolder), reason);
  return QStringLiteral("In das Programmverzeichnis \"%1\" kann nicht geschrieben werden. %2\n\r"
                        "Das Programm arbeitet normal, aber Ihre Eingaben und Einstellungen dieser Sitzung "
                        "können beim Beenden nicht gespeichert werden.")
      .arg(QDir::toNativeSeparators(QDir::cleanPath(programDir)), userFolder);
}
