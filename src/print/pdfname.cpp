#include "pdfname.h"

#include <QDir>
#include <QStandardPaths>

namespace {

constexpr qsizetype kMaxFileBytes = 255;

bool Forbidden(QChar c) {
  static const QString kReserved = QStringLiteral("/\\<>:\"|?*");
  return c.unicode() < 0x20 || c.unicode() == 0x7F || kReserved.contains(c);
}

QString Trimmed(QString text) {
  const auto strip = [](QChar c) { return c == u' ' || c == u'.'; };
  while (!text.isEmpty() && strip(text.front())) text.remove(0, 1);
  while (!text.isEmpty() && strip(text.back())) text.chop(1);
  return text;
}

}  // namespace

QString PdfDocumentName(const QString& report, const QString& company) {
  const QString firm = company.simplified();
  return firm.isEmpty() ? report : report + u' ' + firm;
}

QString PdfFileName(const QString& documentName) {
  QString name;
  for (const QChar c : documentName) name += Forbidden(c) ? QChar(u'_') : c;
  name = Trimmed(name);
  const QString suffix = QStringLiteral(".pdf");
  // Whole characters only: a surrogate pair is never split.
  while (!name.isEmpty() && (name + suffix).toUtf8().size() > kMaxFileBytes) {
    name.chop(name.back().isLowSurrogate() && name.size() > 1 ? 2 : 1);
    name = Trimmed(name);
  }
  if (name.isEmpty()) name = QStringLiteral("Ausdruck");
  return name + suffix;
}

QString DefaultPdfFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir().mkpath(documents)) return documents;
  return QDir::homePath();
}

QString PdfProposal(const QString& lastFolder, const QString& documentName) {
  const QString folder = lastFolder.isEmpty() ? DefaultPdfFolder() : lastFolder;
  return QDir(folder).filePath(PdfFileName(documentName));
}
