#include "inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codepage.h"
#include "edevexception.h"
#include "safefile.h"

namespace {

QString Native(const QString& name) { return QDir::toNativeSeparators(name); }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool ValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  while (pos < bytes.size())
    if (!codepage::NextCodePoint(bytes, pos)) return false;
  return true;
}

[[noreturn]] void Unreadable(const QString& fileName) {
  throw EDevException(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(Native(fileName)),
                      QStringLiteral("TMORLAKIniFile.Create"));
}

// The whole file; nullopt when there is none. Anything but a regular file
// is refused before a byte is read, and the open never waits (a FIFO
// without writer would block an ordinary one for ever).
std::optional<std::string> ReadWholeFile(const QString& fileName) {
  const QByteArray path = QFile::encodeName(fileName);
  const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::nullopt;
    Unreadable(fileName);
  }
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) Unreadable(fileName);
  std::string bytes;
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Unreadable(fileName);
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

// Why a replace failed, for the message (with its leading blank).
QString Reason(const safefile::tReplaceResult& r) {
  using safefile::tReplaceError;
  const bool noSpace = r.sysError == ENOSPC || r.sysError == EDQUOT || r.sysError == EFBIG;
  switch (r.error) {
    case tReplaceError::None: break;
    case tReplaceError::LinkLoop: return QStringLiteral(" (zu viele symbolische Verknüpfungen)");
    case tReplaceError::NotRegularFile: return QStringLiteral(" (keine gewöhnliche Datei)");
    case tReplaceError::NotWritable:
    case tReplaceError::TempFile:
      if (r.sysError == EROFS) return QStringLiteral(" (schreibgeschützter Datenträger)");
      if (r.sysError == ENOENT || r.sysError == ENOTDIR) return QStringLiteral(" (Ordner nicht gefunden)");
      if (noSpace) return QStringLiteral(" (kein Platz auf dem Datenträger)");
      if (r.error == tReplaceError::NotWritable) return QStringLiteral(" (keine Schreibberechtigung)");
      if (r.sysError == EACCES || r.sysError == EPERM) return QStringLiteral(" (keine Schreibberechtigung im Ordner)");
      return QStringLiteral(" (keine Hilfsdatei im Ordner möglich)");
    case tReplaceError::Write:
      return noSpace ? QStringLiteral(" (kein Platz auf dem Datenträger)") : QStringLiteral(" (Schreibfehler)");
    case tReplaceError::Replace:
    case tReplaceError::Kept: return QStringLiteral(" (die Datei kann nicht ersetzt werden)");
    case tReplaceError::Protected: return QStringLiteral(" (eine Datei des Programms)");
  }
  return QString();
}

}  // namespace

// ------------------------------------------------------------ the document

// The file as a list of lines, each with its own bytes and line end, so
// that unchanged lines go back exactly as they came.
struct TMORLAKIniFile::tDocument {
  enum tKind {
    Other,   // comment, blank line, anything that is neither header nor key
    Header,  // "[name]"
    Key,     // "key=value"
    Slot,    // where an erased section's first key stood; writes no bytes
  };
  struct tLine {
    std::string text;  // the bytes without the line end
    std::string end;   // "\r\n", "\n", or "" for a last line without one
    tKind kind = Other;
    QString name;         // Header: section name; Key: key; decoded and trimmed
    bool erased = false;  // Header: its section was erased
  };

  std::vector<tLine> lines;
  bool utf8 = true;               // else Windows-1252
  std::string newline = "\r\n";   // for lines this object adds
  bool modified = false;

  explicit tDocument(const std::string& bytes) {
    utf8 = ValidUtf8(bytes);
    size_t pos = 0;
    while (pos < bytes.size()) {
      const size_t lf = bytes.find('\n', pos);
      tLine line;
      if (lf == std::string::npos) {
        line.text = bytes.substr(pos);
        pos = bytes.size();
      } else {
        const bool crlf = lf > pos && bytes[lf - 1] == '\r';
        line.text = bytes.substr(pos, lf - pos - (crlf ? 1 : 0));
        line.end = crlf ? "\r\n" : "\n";
        pos = lf + 1;
      }
      Classify(line, lines.empty());
      lines.push_back(std::move(line));
    }
    for (const tLine& line : lines)
      if (!line.end.empty()) {
        newline = line.end;
        break;
      }
  }

  QString Decode(std::string_view bytes) const {
    if (utf8) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString::fromStdString(codepage::Cp1252ToUtf8(bytes));
  }
  std::optional<std::string> Encode(const QString& text) const {
    const std::string u = text.toStdString();
    return utf8 ? std::optional<std::string>(u) : codepage::Utf8ToCp1252(u);
  }

  void Classify(tLine& line, bool first) const {
    std::string_view t = line.text;
    if (first && t.starts_with("\xEF\xBB\xBF")) t.remove_prefix(3);  // byte order mark
    t = Trimmed(t);
    line.kind = Other;
    if (t.empty() || t[0] == ';' || t[0] == '#') return;
    if (t[0] == '[') {
      const size_t close = t.find(']');
      if (close != std::string_view::npos) {
        line.kind = Header;
        line.name = Decode(Trimmed(t.substr(1, close - 1)));
      }
      return;
    }
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos || Trimmed(t.substr(0, eq)).empty()) return;
    line.kind = Key;
    line.name = Decode(Trimmed(t.substr(0, eq)));
  }

  // The value of a key line: blanks and one pair of enclosing quotes off.
  QString Value(const tLine& line) const {
    std::string_view v = Trimmed(std::string_view(line.text).substr(line.text.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
      v = v.substr(1, v.size() - 2);
    return Decode(v);
  }

  static bool Same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

  // Calls visit(index) for every line inside the sections of that name.
  template <class Visit>
  void ForEachInSection(const QString& section, Visit visit) const {
    bool inside = false;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].kind == Header)
        inside = Same(lines[i].name, section);
      else if (inside)
        visit(i);
    }
  }

  // Index of the line that holds the key (its first entry), or -1.
  ptrdiff_t FindKey(const QString& section, const QString& key) const {
    ptrdiff_t found = -1;
    ForEachInSection(section, [&](size_t i) {
      if (found < 0 && lines[i].kind == Key && Same(lines[i].name, key)) found = static_cast<ptrdiff_t>(i);
    });
    return found;
  }

  // Index of the key's line in the first section of that name only, or -1:
  // writes edit the first section and leave later ones of the same name
  // (another program's, or the user's) as they are.
  ptrdiff_t FindKeyInFirst(const QString& section, const QString& key) const {
    const ptrdiff_t header = FindHeader(section);
    if (header < 0) return -1;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines.size() && lines[i].kind != Header; ++i)
      if (lines[i].kind == Key && Same(lines[i].name, key)) return static_cast<ptrdiff_t>(i);
    return -1;
  }

  ptrdiff_t FindHeader(const QString& section) const {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].kind == Header && Same(lines[i].name, section)) return static_cast<ptrdiff_t>(i);
    return -1;
  }

  void Insert(size_t at, tLine line) {
    if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = newline;
    line.end = newline;
    lines.insert(lines.begin() + static_cast<ptrdiff_t>(at), std::move(line));
  }

  void Write(const QString& section, const QString& key, const std::string& keyBytes, const QString& value,
             const std::string& valueBytes) {
    modified = true;
    const ptrdiff_t existing = FindKeyInFirst(section, key);
    if (existing >= 0) {
      tLine& line = lines[static_cast<size_t>(existing)];
      if (Value(line) == value) return;
      // Keep the key as spelt and the blanks after "=".
      size_t start = line.text.find('=') + 1;
      while (start < line.text.size() && IsBlank(line.text[start])) ++start;
      line.text = line.text.substr(0, start) + valueBytes;
      return;
    }
    tLine entry{keyBytes + "=" + valueBytes, std::string(), Key, key, false};
    const ptrdiff_t header = FindHeader(section);
    if (header >= 0) {
      // After the section's last key, else where its erased keys stood,
      // else right below the header.
      size_t at = static_cast<size_t>(header) + 1;
      ptrdiff_t lastKey = -1, slot = -1;
      for (size_t i = at; i < lines.size() && lines[i].kind != Header; ++i) {
        if (lines[i].kind == Key) lastKey = static_cast<ptrdiff_t>(i);
        if (lines[i].kind == Slot && slot < 0) slot = static_cast<ptrdiff_t>(i);
      }
      if (lastKey >= 0)
        at = static_cast<size_t>(lastKey) + 1;
      else if (slot >= 0)
        at = static_cast<size_t>(slot);
      lines[static_cast<size_t>(header)].erased = false;
      Insert(at, std::move(entry));
      return;
    }
    // A new section at the end, a blank line apart from what is there.
    if (!lines.empty() && !Trimmed(lines.back().text).empty()) Insert(lines.size(), tLine{});
    std::string headerText = "[";  // appended, not "[" + ...: g++ 12 -O3 warns falsely on that
    headerText += *Encode(section);
    headerText += ']';
    Insert(lines.size(), tLine{std::move(headerText), std::string(), Header, section, false});
    Insert(lines.size(), std::move(entry));
  }

  void Erase(const QString& section) {
    modified = true;
    std::vector<tLine> kept;
    bool inside = false, slotPlaced = false, seen = false;
    for (tLine& line : lines) {
      if (line.kind == Header) {
        // Only the first section of the name: later ones stay as they are.
        inside = !seen && Same(line.name, section);
        seen |= inside;
        slotPlaced = false;
        if (inside) line.erased = true;
      } else if (inside && line.kind == Key) {
        if (slotPlaced) continue;
        slotPlaced = true;
        line = tLine{std::string(), line.end, Slot, QString(), false};
      }
      kept.push_back(std::move(line));
    }
    lines = std::move(kept);
  }

  std::string Bytes() const {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
      const tLine& line = lines[i];
      if (line.kind == Slot) continue;
      if (line.kind == Header && line.erased) {
        bool hasKeys = false;
        for (size_t j = i + 1; j < lines.size() && lines[j].kind != Header; ++j) hasKeys |= lines[j].kind == Key;
        if (!hasKeys) continue;  // an erased section nobody wrote to again
      }
      out += line.text;
      out += line.end;
    }
    return out;
  }
};

// ------------------------------------------------------------ the file

TMORLAKIniFile::TMORLAKIniFile(const QString& fileName, const QString& userName)
    : fFileName(fileName), fUserName(userName) {
  fDoc = std::make_unique<tDocument>(ReadWholeFile(fileName).value_or(std::string()));
}

TMORLAKIniFile::~TMORLAKIniFile() = default;

QString TMORLAKIniFile::Section(const QString& section) const {
  return fUserName.isEmpty() ? section : section + u'_' + fUserName;
}

QString TMORLAKIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  const ptrdiff_t i = fDoc->FindKey(Section(section), key.trimmed());
  return i < 0 ? def : fDoc->Value(fDoc->lines[static_cast<size_t>(i)]);
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
  QStringList lines, seen;
  fDoc->ForEachInSection(Section(section), [&](size_t i) {
    const auto& line = fDoc->lines[i];
    if (line.kind != tDocument::Key) return;
    for (const QString& k : seen)
      if (tDocument::Same(k, line.name)) return;  // the first entry counts
    seen << line.name;
    lines << line.name + u'=' + fDoc->Value(line);
  });
  return lines;
}

void TMORLAKIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  const QString name = Section(section);
  const QString k = key.trimmed();
  const auto breaks = [](const QString& s) { return s.contains(u'\n') || s.contains(u'\r'); };
  const bool badSection = name.trimmed().isEmpty() || name.contains(u']') || breaks(name);
  const bool badKey = k.isEmpty() || k.contains(u'=') || breaks(k) || k.startsWith(u';') || k.startsWith(u'#') ||
                      k.startsWith(u'[');
  const std::optional<std::string> keyBytes = fDoc->Encode(k), valueBytes = fDoc->Encode(value);
  if (badSection || badKey || breaks(value) || !keyBytes || !valueBytes || !fDoc->Encode(name))
    throw EDevException(QStringLiteral("Der Eintrag %1 im Abschnitt %2 kann in der Datei %3 nicht gespeichert werden.")
                            .arg(k, name, Native(fFileName)),
                        QStringLiteral("TMORLAKIniFile.WriteString"));
  fDoc->Write(name, k, *keyBytes, value, *valueBytes);
}

void TMORLAKIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void TMORLAKIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMORLAKIniFile::EraseSection(const QString& section) { fDoc->Erase(Section(section)); }

bool TMORLAKIniFile::Modified() const { return fDoc->modified; }

void TMORLAKIniFile::UpdateFile() {
  if (!fDoc->modified) return;
  const safefile::tReplaceResult result =
      safefile::ReplaceFileContents(QFile::encodeName(fFileName).toStdString(), fDoc->Bytes());
  if (!result)
    throw EDevException(
        QStringLiteral("Die Datei %1 kann nicht geschrieben werden%2.").arg(Native(fFileName), Reason(result)),
        QStringLiteral("TMORLAKIniFile.UpdateFile"));
  fDoc->modified = false;
}
