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
  // Nothing of this session can be kept: said once, before any input.
  if (const QString warning = NothingWritableWarning(fApp->ProgramDir(), fApp->DataFiles()); !warning.isEmpty())
    ShowWarning(warning);
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
    UpdateTitle();
  }
  // What killed saves left behind, now that no other program saves.
  fDataFile->RemoveStaleTemporaries({fApp->SettingsFileName()});

  const tDataFile::tLoad loaded = fDataFile->Load(*fDaten);
  if (loaded == tDataFile::tLoad::Failed)
    ShowError(QStringLiteral("Fehler beim Einlesen der Daten."));
  else if (const std::string problem = fDaten->Extension().Problem(); loaded == tDataFile::tLoad::Loaded && !problem.empty())
    ShowWarning(QString::fromStdString(problem));  // once, at start
  if (const QString warning = fDataFile->RangeWarning(*fDaten); !warning.isEmpty()) ShowWarning(warning);

  UpdateProtectedFiles();
}

void tDlgMain::UpdateProtectedFiles() {
  // No printout may go over the open calculation or the program's own files.
  if (tExtendedPrinter* printer = fApp->Printer()) {
    std::vector<std::string> files = ProgramFiles(fApp->ProgramDir());
    // TAVI.DAT too while another calculation is open.
    files.push_back(QFile::encodeName(DefaultDataFileName()).toStdString());
    if (!fDataFileName.isEmpty()) files.push_back(QFile::encodeName(fDataFileName).toStdString());
    files.push_back(QFile::encodeName(fApp->SettingsFileName()).toStdString());
    printer->SetProtectedFiles(std::move(files));
  }
}

bool tDlgMain::WriteDataFile(const tTaviDaten& daten, QString* keepProblem) {
  if (!fDataFile || fDataFile->ReadOnly()) return false;
  const tDataFile::tSaved saved = fDataFile->Save(daten);
  if (saved.ok) fStamp = StampOfFile(QFile::encodeName(fDataFile->FileName()).toStdString());
  if (!saved.keptAs.isEmpty()) fKeptNotice = fDataFile->KeptNotice(saved.keptAs);
  if (keepProblem && saved.keepFailed) *keepProblem = saved.reason;
  if (!saved.ok)
    fSaveProblem = QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2.")
                       .arg(QDir::toNativeSeparators(fDataFile->FileName()), saved.reason);
  return saved.ok;
}

void tDlgMain::SaveAtExit() {
  if (fOpenDeclined || DataReadOnly() || fDataFileName.isEmpty() || fDiscardAtExit) return;
  // What another program wrote meanwhile is not lost without asking.
  if (ChangedOnDisk() && (fQuietClose || !ConfirmOverwriteChanged())) return;
  QString keepProblem;
  if (!WriteDataFile(*fDaten, &keepProblem)) {
    // Why an unreadable file is not written over, where that is the cause;
    // else which file could not be written, and why.
    ShowError(QStringLiteral("Fehler beim Speichern der Daten.\n\r") +
              (keepProblem.isEmpty() ? fSaveProblem : keepProblem));
  }
  if (!fKeptNotice.isEmpty()) {
    ShowInformation(fKeptNotice);
    fKeptNotice.clear();
  }
}

bool tDlgMain::SaveData() {
  if (!fDaten || fDataFileName.isEmpty() || ChangedOnDisk()) return false;
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
