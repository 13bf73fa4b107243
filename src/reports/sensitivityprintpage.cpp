#include "sensitivityprintpage.h"

#include "edevexception.h"
#include "pageframe.h"
#include "printer.h"
#include "sensitivitysheet.h"
#include "tavidaten.h"

tSensitivityPrintPage::tSensitivityPrintPage(tDeckBlattPrinting* job, int32_t number) : tPrintingPage(job, number), fJob(job) {
  fSensitivity.Calculate(job->Daten, job->Daten.Economics, job->Daten.Sensitivity);
}

void tSensitivityPrintPage::Draw() {
  DrawPageHeader(*fJob, Number, -1);
  try {
    const tRect area{0, HeaderHeight() + 10, fJob->Printer->UsableWidth(), fJob->Printer->UsableHeight()};
    DrawSensitivitySheet(fJob->Recorder, fSensitivity, area);
  } catch (const std::exception& e) {
    if (!fErrorReported) {
      fErrorReported = true;
      fJob->ReportError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + ExceptionMessage(e));
    }
  }
}
