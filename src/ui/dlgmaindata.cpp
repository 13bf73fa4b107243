// The main window's data file: opening it at start (lock, leftovers, load,
// warnings) and writing it (at exit and when the session asks).
#include <QDir>
#include <QFile>

#include "datafile.h"
#include "dlgmain.h"
#include "dlguserdata.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "printer.h"
#include "programfiles.h"
#include "tavidaten.h"

bool tDlgMain::DataReadOnly() const { return fDataFile && fDataFile->ReadOnly(); }

void tDlgMain::OpenDataFile() {
  fDataFile = std::make_unique<tDataFile>(fDataFileName);
  if (fDataFile->Lock() == tDataFile::tLock::HeldByOther) {
    fDataFile->SetReadOnly(true);
    const bool readOnly = AskConfirmation(
        QStringLiteral("Die Datendatei \"%1\" ist bereits geöffnet: %2.\n\r"
                       "Soll sie schreibgeschützt geöffnet werden? Ihre Eingaben werden dann beim Beenden nicht "
                       "gespeichert. Mit \"Nein\" wird das Programm beendet.")
            .arg(QDir::toNativeSeparators(fDataFileName), fDataFile->Holder()));
    if (!readOnly) {
      fOpenDeclined = true;
      return;
    }
    setWindowTitle(windowTitle() + QStringLiteral(" (schreibgeschützt)"));
  }
  // What killed saves left behind, now that no other program saves.
  fDataFile->RemoveStaleTemporaries({fApp->SettingsFileName()});

  const tDataFile::tLoad loaded = fDataFile->Load(*fDaten);
  if (loaded == tDataFile::tLoad::Failed)
    ShowError(QStringLiteral("Fehler beim Einlesen der Daten."));
  else if (const std::string problem = fDaten->Extension().Problem(); loaded == tDataFile::tLoad::Loaded && !problem.empty())
    ShowWarning(QString::fromStdString(problem));  // once, at start
  if (const QString warning = fDataFile->RangeWarning(*fDaten); !warning.isEmpty()) ShowWarning(warning);

  // No printout may go over the data file or the program's own files.
  if (tExtendedPrinter* printer = fApp->Printer()) {
    std::vector<std::string> files = ProgramFiles(fApp->ProgramDir());
    files.push_back(QFile::encodeName(fDataFileName).toStdString());
    printer->SetProtectedFiles(std::move(files));
  }
}

bool tDlgMain::WriteDataFile(const tTaviDaten& daten, QString* keepProblem) {
  if (!fDataFile || fDataFile->ReadOnly()) return false;
  const tDataFile::tSaved saved = fDataFile->Save(daten);
  if (!saved.keptAs.isEmpty()) fKeptNotice = fDataFile->KeptNotice(saved.keptAs);
  if (keepProblem && saved.keepFailed) *keepProblem = saved.reason;
  return saved.ok;
}

void tDlgMain::SaveAtExit() {
  if (fOpenDeclined || DataReadOnly()) return;
  QString keepProblem;
  if (!WriteDataFile(*fDaten, &keepProblem)) {
    // Why an unreadable file is not written over, where that is the cause.
    ShowError(QStringLiteral("Fehler beim Speichern der Daten.") +
              (keepProblem.isEmpty() ? QString() : QStringLiteral("\n\r") + keepProblem));
  }
  if (!fKeptNotice.isEmpty()) {
    ShowInformation(fKeptNotice);
    fKeptNotice.clear();
  }
}

bool tDlgMain::SaveData() {
  if (!fDaten) return false;
  FelderLesen();
  TexteLesen();
  // The session may end right after this: an open company data dialog's
  // entries go into the file as OK would put them, but the record itself
  // takes them only if the dialog is closed with OK (it may still be
  // cancelled).
  if (const tDlgUserData* userData = DlgUserData()) {
    tTaviDaten withEntries = *fDaten;
    if (userData->StoreInto(withEntries)) return WriteDataFile(withEntries);
  }
  return WriteDataFile(*fDaten);
}
