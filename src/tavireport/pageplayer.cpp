#include "pageplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "edevexception.h"
#include "printer.h"
#include "printing.h"

namespace {

const QString kLocation = QStringLiteral("tavi-report");

QString CannotWrite(const QString& fileName) {
  return QStringLiteral("Die PDF-Datei \"%1\" kann nicht angelegt werden.").arg(QDir::toNativeSeparators(fileName));
}

}  // namespace

void PlayPages(tPrinting& job) {
  tExtendedPrinter& printer = *job.Printer;
  printer.SetTitle(job.JobTitle);
  if (!printer.BeginDoc()) throw EDevException(QStringLiteral("Der Druck wurde nicht begonnen."), kLocation);
  try {
    for (int i = 0; i < job.PageCount(); ++i) {
      if (i > 0) printer.NewPage();
      job.Recorder.DrawPage(printer.Canvas(), job.PageNumbers.At(i), job.PageOffsetX(), job.PageOffsetY());
    }
    printer.EndDoc();
  } catch (...) {
    printer.AbortDoc();
    throw;
  }
}

void PlayPagesToFile(tPrinting& job, const QString& fileName) {
  const QFileInfo target(fileName);
  const QFileInfo dir(target.absolutePath());
  if (!dir.isDir() || !dir.isWritable() || target.isDir()) throw EDevException(CannotWrite(fileName), kLocation);
  const QString temporary = target.absoluteDir().filePath(
      QStringLiteral(".%1.%2.tmp").arg(target.fileName()).arg(QCoreApplication::applicationPid()));

  tExtendedPrinter& printer = *job.Printer;
  const QString previous = printer.OutputFileName();
  printer.SetOutputFileName(temporary);
  try {
    PlayPages(job);
  } catch (const EDevException& e) {
    printer.SetOutputFileName(previous);
    QFile::remove(temporary);
    // The printer names the temporary file; the user knows only his own.
    if (e.Message().startsWith(QStringLiteral("Die PDF-Datei"))) throw EDevException(CannotWrite(fileName), kLocation);
    throw;
  } catch (...) {
    printer.SetOutputFileName(previous);
    QFile::remove(temporary);
    throw;
  }
  printer.SetOutputFileName(previous);
  // rename() replaces an existing file in one step.
  if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
    QFile::remove(temporary);
    throw EDevException(CannotWrite(fileName), kLocation);
  }
}
