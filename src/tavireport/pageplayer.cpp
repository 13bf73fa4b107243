#include "pageplayer.h"

#include "edevexception.h"
#include "printer.h"
#include "printing.h"

namespace {
const QString kLocation = QStringLiteral("tavi-report");
}  // namespace

void PlayPages(tPrinting& job, const std::function<void(int done)>& afterPage) {
  tExtendedPrinter& printer = *job.Printer;
  printer.SetTitle(job.JobTitle);
  if (!printer.BeginDoc()) throw EDevException(QStringLiteral("Der Druck wurde nicht begonnen."), kLocation);
  try {
    for (int i = 0; i < job.PageCount(); ++i) {
      if (i > 0) printer.NewPage();
      job.Recorder.DrawPage(printer.Canvas(), job.PageNumbers.At(i), job.PageOffsetX(), job.PageOffsetY());
      if (afterPage) afterPage(i + 1);
    }
    printer.EndDoc();
  } catch (...) {
    printer.AbortDoc();
    throw;
  }
}
