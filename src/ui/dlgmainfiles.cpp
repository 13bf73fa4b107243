// The main window's calculation files: new, open, save, save as, the
// recent files, the title with the change mark, and the questions before
// changes are lost or a file changed by another program is written over.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include "datafile.h"
#include "dlgcompare.h"
#include "dlgmain.h"
#include "edevexception.h"
#include "fieldranges.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "numfield.h"
#include "objstream.h"
#include "pricetable.h"
#include "programfiles.h"
#include "tavidaten.h"
#include "textentry.h"

namespace {

const QString kTitle = QStringLiteral("MORLAK-Amortisationsrechnung");
const QString kSuffix = QStringLiteral("tavi");

std::string Encoded(const QString& name) { return QFile::encodeName(name).toStdString(); }
QString Native(const QString& name) { return QDir::toNativeSeparators(name); }

bool SameFile(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
  if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
  return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

QString tDlgMain::DefaultDataFileName() const { return fApp->DataFileName(); }

QString tDlgMain::CalculationName() const {
  return fDataFileName.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(fDataFileName).fileName();
}

// ------------------------------------------------------------ the record

void tDlgMain::ShowRecord() {
  fPotentialVorb->SetIntValue(fDaten->PotentialVorb);
  fPotentialDurchf->SetIntValue(fDaten->PotentialDurchf);
  fPotentialAuswert->SetIntValue(fDaten->PotentialAuswert);
  fPotentialAnzZS->SetIntValue(fDaten->PotentialAnzZS);
  const QSignalBlocker b1(fMemVorbereitung), b2(fMemDurchfuehrung), b3(fMemAuswertung), b4(fMemZeitstudienAnzahl);
  fMemVorbereitung->SetLines(fDaten->BegruendungVorbereitung);
  fMemDurchfuehrung->SetLines(fDaten->BegruendungDurchfuehrung);
  fMemAuswertung->SetLines(fDaten->BegruendungAuswertung);
  fMemZeitstudienAnzahl->SetLines(fDaten->BegruendungAnzahlZS);
  Anzeigen();
}

std::string tDlgMain::CurrentBytes() {
  FelderLesen();
  TexteLesen();
  tObjMemoryStream stream;
  fDaten->StoreDataFile(stream);
  return stream.Bytes();
}

void tDlgMain::MarkSaved() {
  fSavedBytes = CurrentBytes();
  fModified = false;
  UpdateTitle();
}

bool tDlgMain::CalculationModified() {
  if (!fDaten) return false;
  fModified = CurrentBytes() != fSavedBytes;
  return fModified;
}

void tDlgMain::UpdateModified() {
  if (fDestroying || !fDaten || fSavedBytes.empty()) return;
  const bool was = fModified;
  if (CalculationModified() != was) UpdateTitle();
}

void tDlgMain::UpdateTitle() {
  const bool plain = SameFile(fDataFileName, DefaultDataFileName()) || fDataFileName == DefaultDataFileName();
  QString title = plain ? kTitle : CalculationName() + QStringLiteral(" - ") + kTitle;
  if (fModified) title.prepend(QLatin1Char('*'));
  if (DataReadOnly() && !fOpenDeclined) title += QStringLiteral(" (schreibgeschützt)");
  setWindowTitle(title);
}

// ------------------------------------------------------------ recent files

void tDlgMain::AddRecent(const QString& file) {
  fRecent.Add(file);
  fRecent.Save(fApp->SettingsFileName());  // a settings file that takes nothing loses only the list
  UpdateRecentMenu();
}

void tDlgMain::UpdateRecentMenu() {
  const QStringList& files = fRecent.Files();
  for (int i = 0; i < tRecentFiles::kMax; ++i) {
    QAction* action = fActionRecent[i];
    if (!action) continue;
    const bool used = i < files.size();
    action->setVisible(used);
    if (!used) continue;
    QString name = QFileInfo(files[i]).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    action->setToolTip(Native(files[i]));
    action->setStatusTip(Native(files[i]));
    action->setData(files[i]);
  }
  if (fRecentSeparator) fRecentSeparator->setVisible(!files.isEmpty());
}

// ------------------------------------------------------------ opening

tDlgMain::tOpened tDlgMain::OpenNamedFile(const QString& file, bool atStart) {
  const QString absolute = QFileInfo(file).absoluteFilePath();
  tTaviDaten loaded;
  const tCalcFileLoad load = LoadCalculationFile(Encoded(absolute), loaded);
  if (!load) {
    ShowError(QString::fromStdString(CalcFileErrorText(load, Encoded(Native(absolute)))));
    if (load.error == tCalcFileError::Missing) {
      fRecent.Remove(absolute);
      fRecent.Save(fApp->SettingsFileName());
      UpdateRecentMenu();
    }
    return tOpened::Failed;
  }
  // The open file itself: read again, under the lock already held.
  const bool same = fDataFile && SameFile(absolute, fDataFileName);
  std::unique_ptr<tDataFile> dataFile;
  if (!same) {
    dataFile = std::make_unique<tDataFile>(absolute);
    if (dataFile->Lock() == tDataFile::tLock::HeldByOther) {
      const QString question =
          QStringLiteral("Die Datei \"%1\" ist bereits geöffnet: %2.\n\rSoll sie schreibgeschützt geöffnet werden? "
                         "Ihre Eingaben werden dann nicht in ihr gespeichert. %3")
              .arg(Native(absolute), dataFile->Holder(),
                   atStart ? QStringLiteral("Mit \"Nein\" wird das Programm beendet.")
                           : QStringLiteral("Mit \"Nein\" bleibt die geöffnete Berechnung."));
      if (!AskConfirmation(question)) return tOpened::Declined;
      dataFile->SetReadOnly(true);
    }
    dataFile->RemoveStaleTemporaries({});
    fDataFile = std::move(dataFile);
  }
  fDataFileName = absolute;
  fStamp = StampOfFile(Encoded(absolute));
  TakeLoaded(loaded);
  if (const std::string problem = fDaten->Extension().Problem(); !problem.empty())
    ShowWarning(QString::fromStdString(problem));
  if (const QString warning = fDataFile->RangeWarning(*fDaten); !warning.isEmpty()) ShowWarning(warning);
  AddRecent(absolute);
  UpdateProtectedFiles();
  return tOpened::Opened;
}

void tDlgMain::TakeLoaded(const tTaviDaten& loaded) {
  *fDaten = loaded;
  ShowRecord();
  MarkSaved();
}

bool tDlgMain::AskKeepChanges() {
  if (!CalculationModified()) return true;
  const int answer = AskYesNoCancel(QStringLiteral("Änderungen an \"%1\" speichern?").arg(CalculationName()));
  if (answer == mrYes) return ActionSaveExecute();
  return answer == mrNo;
}

bool tDlgMain::OpenCalculation(const QString& file) {
  if (!AskKeepChanges()) return false;
  return OpenNamedFile(file, false) == tOpened::Opened;
}

QString tDlgMain::ChooseFile(bool saving, const QString& proposal) {
  if (fFileChooser) return fFileChooser(saving, proposal);
  QFileDialog dialog(this, saving ? QStringLiteral("Berechnung speichern unter") : QStringLiteral("Berechnung öffnen"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters({QStringLiteral("TAVI-Berechnungen (*.tavi)"), QStringLiteral("Alle Dateien (*)")});
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  dialog.setDirectory(documents.isEmpty() ? QDir::homePath() : documents);
  if (saving) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kSuffix);
    dialog.selectFile(proposal);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

void tDlgMain::ActionNewExecute() {
  if (!AskKeepChanges()) return;
  fDataFile.reset();
  fDataFileName.clear();
  fStamp = {};
  TakeLoaded(tTaviDaten());
  UpdateProtectedFiles();
}

void tDlgMain::ActionOpenExecute() {
  if (!AskKeepChanges()) return;
  const QString file = ChooseFile(false, QString());
  if (!file.isEmpty()) OpenNamedFile(file, false);
}

// ------------------------------------------------------------ saving

bool tDlgMain::ChangedOnDisk() const {
  if (fDataFileName.isEmpty()) return false;
  return StampOfFile(Encoded(fDataFileName)) != fStamp;
}

bool tDlgMain::ConfirmOverwriteChanged() {
  return AskConfirmation(
      QStringLiteral("Die Datei \"%1\" wurde seit dem Öffnen von einem anderen Programm geändert.\n\r"
                     "Soll sie mit Ihren Eingaben überschrieben werden?")
          .arg(Native(fDataFileName)));
}

bool tDlgMain::ActionSaveExecute() {
  if (fDataFileName.isEmpty() || DataReadOnly() || !fDataFile) return ActionSaveAsExecute();
  if (ChangedOnDisk() && !ConfirmOverwriteChanged()) return false;
  FelderLesen();
  TexteLesen();
  const tDataFile::tSaved saved = fDataFile->Save(*fDaten);
  if (!saved.keptAs.isEmpty()) ShowInformation(fDataFile->KeptNotice(saved.keptAs));
  if (!saved.ok) {
    ShowError(QStringLiteral("Fehler beim Speichern der Daten.\n\r") + saved.reason);
    return false;
  }
  fStamp = StampOfFile(Encoded(fDataFileName));
  MarkSaved();
  return true;
}

bool tDlgMain::WriteTo(const QString& file) {
  auto dataFile = std::make_unique<tDataFile>(file);
  if (dataFile->Lock() == tDataFile::tLock::HeldByOther) {
    ShowError(QStringLiteral("Die Datei \"%1\" ist in einem anderen Programm geöffnet: %2.\n\rSie wird nicht "
                             "überschrieben.")
                  .arg(Native(file), dataFile->Holder()));
    return false;
  }
  FelderLesen();
  TexteLesen();
  const tDataFile::tSaved saved = dataFile->Save(*fDaten);
  if (!saved.ok) {
    ShowError(QStringLiteral("Fehler beim Speichern der Daten.\n\r") + saved.reason);
    return false;
  }
  fDataFile = std::move(dataFile);
  fDataFileName = file;
  fStamp = StampOfFile(Encoded(file));
  MarkSaved();
  AddRecent(file);
  UpdateProtectedFiles();
  return true;
}

bool tDlgMain::ActionSaveAsExecute() {
  const QString proposal = fDataFileName.isEmpty() || SameFile(fDataFileName, DefaultDataFileName())
                               ? QStringLiteral("Berechnung.tavi")
                               : QFileInfo(fDataFileName).fileName();
  QString file = ChooseFile(true, proposal);
  if (file.isEmpty()) return false;
  file = QFileInfo(file).absoluteFilePath();
  if (fDataFile && !DataReadOnly() && SameFile(file, fDataFileName)) return ActionSaveExecute();
  // The program's own files are no calculations.
  std::vector<std::string> ownFiles = ProgramFiles(fApp->ProgramDir());
  ownFiles.push_back(QFile::encodeName(fApp->SettingsFileName()).toStdString());
  for (const std::string& own : ownFiles)
    if (SameFile(file, QFile::decodeName(QByteArray::fromStdString(own)))) {
      ShowError(QStringLiteral("Die Datei \"%1\" gehört zum Programm und wird nicht überschrieben.").arg(Native(file)));
      return false;
    }
  return WriteTo(file);
}

// ------------------------------------------------------------ comparing

void tDlgMain::ActionCompareExecute() {
  FelderLesen();
  TexteLesen();
  if (const std::string unknown = UnknownOptionMessage(*fDaten); !unknown.empty()) {
    ShowError(QString::fromStdString(unknown));
    return;
  }
  try {
    tDlgCompare dialog(*fDaten, CalculationName(), fDataFileName, this);
    dialog.exec();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Anzeigen des Dialogs.\n\r") + ExceptionMessage(e));
  }
}
