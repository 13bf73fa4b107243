#include "pdfoutput.h"

#include <QDir>
#include <QFile>

#include "edevexception.h"
#include "filetexts.h"
#include "pdfcomplete.h"
#include "safefile.h"

namespace {
const QString kLocation = QStringLiteral("tExtendedPrinter.BeginDoc");
}  // namespace

tPdfOutput::tPdfOutput(const std::string& encodedName, const QString& shownName,
                       const std::vector<std::string>& protectedFiles)
    : fReplacement(std::make_unique<safefile::tReplacement>()), fShownName(shownName) {
  safefile::tReplaceOptions options;
  options.protectedFiles = protectedFiles;
  const safefile::tReplaceResult begun = fReplacement->Begin(encodedName, options);
  if (!begun)
    throw EDevException(QStringLiteral("Die PDF-Datei \"%1\" kann nicht angelegt werden: %2.")
                            .arg(QDir::toNativeSeparators(fShownName),
                                 QString::fromStdString(filetexts::ReplaceFailureText(begun))),
                        kLocation);
}

tPdfOutput::~tPdfOutput() = default;

QString tPdfOutput::WriterFileName() const {
  return QFile::decodeName(QByteArray::fromStdString(fReplacement->ReopenName()));
}

QString tPdfOutput::CannotWrite(const QString& why) const {
  return QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden: %2.")
      .arg(QDir::toNativeSeparators(fShownName), why);
}

QString tPdfOutput::NewPageFailure() const {
  return QStringLiteral("Es kann keine neue Seite begonnen werden. ") +
         CannotWrite(QString::fromStdString(filetexts::SystemErrorText(fReplacement->DiagnoseWriteFailure())));
}

void tPdfOutput::Finish(bool writerOk) {
  static const QString location = QStringLiteral("tExtendedPrinter.EndDoc");
  if (!writerOk || !PdfIsComplete(fReplacement->Fd())) {
    const int error = fReplacement->DiagnoseWriteFailure();
    fReplacement->Discard();
    throw EDevException(CannotWrite(QString::fromStdString(filetexts::SystemErrorText(error))), location);
  }
  const safefile::tReplaceResult done = fReplacement->Commit();
  if (!done) throw EDevException(CannotWrite(QString::fromStdString(filetexts::ReplaceFailureText(done))), location);
}
