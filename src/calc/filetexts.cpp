#include "filetexts.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace filetexts {

namespace {

std::string EnglishText(int sysError) {
  static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  if (!c) return "error " + std::to_string(sysError);
  return ::strerror_l(sysError, c);
}

const char* GermanText(int sysError) {
  switch (sysError) {
    case ENOENT: return "Datei oder Ordner nicht vorhanden";
    case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner";
    case EACCES:
    case EPERM: return "Zugriff verweigert";
    case EROFS: return "Der Datenträger ist schreibgeschützt";
    case ENOSPC: return "Der Datenträger ist voll";
    case EDQUOT: return "Der zugeteilte Speicherplatz ist aufgebraucht";
    case EFBIG: return "Die Datei überschreitet die erlaubte Größe";
    case EISDIR: return "Das ist ein Ordner";
    case ELOOP: return "Zu viele symbolische Verknüpfungen (Schleife)";
    case ENAMETOOLONG: return "Der Name ist zu lang";
    case EIO: return "Ein- oder Ausgabefehler des Datenträgers";
    case ENOMEM: return "Nicht genug Arbeitsspeicher";
    case EMFILE:
    case ENFILE: return "Zu viele offene Dateien";
    case ETXTBSY: return "Die Datei wird gerade ausgeführt";
    case EBUSY: return "Die Datei ist belegt";
    case EEXIST: return "Der Name ist schon vergeben";
    case EXDEV: return "Die Datei liegt auf einem anderen Datenträger";
    case EMLINK: return "Zu viele Verweise auf die Datei";
    case EINVAL: return "Ungültiger Vorgang";
    default: return nullptr;
  }
}

// What a file-system object is, as the noun after "ist".
const char* KindName(mode_t mode) {
  if (S_ISDIR(mode)) return "ein Ordner";
  if (S_ISFIFO(mode)) return "eine benannte Pipe (FIFO)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "eine Gerätedatei";
  if (S_ISSOCK(mode)) return "ein Socket";
  return "keine gewöhnliche Datei";
}

}  // namespace

std::string SystemErrorText(int sysError) {
  if (sysError == 0) return "Unbekannte Ursache";
  const char* german = GermanText(sysError);
  const std::string english = EnglishText(sysError);
  if (!german) return "Systemfehler " + std::to_string(sysError) + " (" + english + ")";
  return std::string(german) + " (" + english + ")";
}

std::string ReplaceFailureText(const safefile::tReplaceResult& r) {
  using safefile::tReplaceError;
  const int e = r.sysError;
  const bool noFolder = e == ENOENT || e == ENOTDIR;
  switch (r.error) {
    case tReplaceError::None: return std::string();
    case tReplaceError::LinkLoop: return SystemErrorText(ELOOP);
    case tReplaceError::NotRegularFile: {
      struct stat st {};
      const char* kind = ::stat(r.target.c_str(), &st) == 0 ? KindName(st.st_mode) : "keine gewöhnliche Datei";
      return std::string("Das Ziel ist ") + kind + "; es wird nicht ersetzt";
    }
    case tReplaceError::NotWritable:
      if (noFolder) return "Den Ordner gibt es nicht";
      if (e == EACCES || e == EPERM)
        return "Die vorhandene Datei darf nicht geschrieben werden; sie bleibt, wie sie ist (" + EnglishText(e) + ")";
      return SystemErrorText(e);
    case tReplaceError::Protected:
      return "Das Ziel ist die Datei \"" + r.protectedFile + "\" des Programms; sie wird nicht überschrieben";
    case tReplaceError::TempFile:
      if (noFolder) return "Den Ordner gibt es nicht";
      if (e == EACCES || e == EPERM) return "Im Ordner darf keine Datei angelegt werden (" + EnglishText(e) + ")";
      return SystemErrorText(e);
    case tReplaceError::Write: return SystemErrorText(e);
    case tReplaceError::Kept:
      return "Die unlesbare alte Datei kann nicht aufbewahrt werden: " + SystemErrorText(e);
    case tReplaceError::Replace: return "Die alte Datei kann nicht ersetzt werden: " + SystemErrorText(e);
  }
  return SystemErrorText(e);
}

std::string FileKindClause(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    const int e = errno;
    if (e == ELOOP) return "ist eine Schleife symbolischer Verknüpfungen";
    if (e == ENOENT) {
      struct stat link {};
      if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
        return "ist eine symbolische Verknüpfung auf eine Datei, die es nicht gibt";
      return "gibt es nicht";
    }
    if (e == ENOTDIR) return "gibt es nicht (" + SystemErrorText(e) + ")";
    return "ist nicht erreichbar: " + SystemErrorText(e);
  }
  if (!S_ISREG(st.st_mode)) return std::string("ist ") + KindName(st.st_mode);
  if (::access(path.c_str(), R_OK) != 0) return "ist nicht lesbar: " + SystemErrorText(errno);
  return std::string();
}

}  // namespace filetexts
