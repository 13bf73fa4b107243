// The dialogs of the printer object: the printer setup dialog, the
// platform's printer dialog, and the file name of a "PDF-Datei" document.
#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "dlgprintersetup.h"
#include "edevexception.h"
#include "msgdlg.h"
#include "printer.h"

QWidget* tExtendedPrinter::DialogOwner() {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  return QApplication::activeWindow();
}

QString tExtendedPrinter::AskPdfFileName(const QString& proposal) {
  QFileDialog dialog(DialogOwner(), QStringLiteral("PDF-Datei speichern"), proposal,
                     QStringLiteral("PDF-Dateien (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.selectFile(proposal);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

bool tExtendedPrinter::SetupDialog(bool marginsEnabled, bool settingsEnabled) {
  try {
    tDlgPrinterSetup dialog(marginsEnabled, this, settingsEnabled, DialogOwner());
    return dialog.exec() == QDialog::Accepted;
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Anzeigen des Dialogs (Druckereinrichtung).") + QLatin1Char('\r') +
              ExceptionMessage(e));
    return false;
  }
}

bool tExtendedPrinter::PlatformSetupDialog(QWidget* parent) {
  if (Printing()) return false;
  const int32_t l = GetLeft(), t = GetTop(), r = GetRight(), b = GetBottom();
  QPrintDialog dialog(fPrinter.get(), parent);
  dialog.setWindowTitle(QStringLiteral("Druckereinstellungen"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (accepted) {
    if (fPrinter->outputFormat() == QPrinter::PdfFormat) {
      fPdf = true;
      fCupsName.clear();
      if (!fPrinter->outputFileName().isEmpty()) fProposedFileName = fPrinter->outputFileName();
    } else {
      fPdf = false;
      fCupsName = fPrinter->printerName();
    }
    // Copies and page ranges belong to the print range dialog of each job.
    fPrinter->setCopyCount(1);
    fPrinter->setPrintRange(QPrinter::AllPages);
    fPrinter->setFromTo(0, 0);
  }
  ClearQtMargins();
  SetMargins(l, t, r, b);
  return accepted;
}
