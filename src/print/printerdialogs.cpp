// The dialogs of the printer object: the printer setup dialog, its printer
// options (printer, paper, orientation), and the file name of a "PDF-Datei"
// document.
#include <QApplication>
#include <QFileDialog>

#include "dlgprinteroptions.h"
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
  tDlgPrinterOptions dialog(*this, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  try {
    dialog.Apply();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Die Druckereinstellungen konnten nicht übernommen werden.\r") + ExceptionMessage(e));
    return false;
  }
  return true;
}
