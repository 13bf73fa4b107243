#include "morlakapp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

#include "clientimage.h"
#include "codepage.h"
#include "edevexception.h"
#include "help.h"
#include "idle.h"
#include "inifile.h"
#include "langtext.h"
#include "marginsettings.h"
#include "msgdlg.h"
#include "numfmt.h"
#include "objstream.h"
#include "resfile.h"

#include "printer.h"

namespace {

tMorlakApp* gApp = nullptr;

const QString kSectionOther = QStringLiteral("Sonstige_Einstellungen");

QString DefaultProgramDir() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  return QDir::currentPath();
}

QString WithTrailingSlash(const QString& dir) {
  QString d = QDir::fromNativeSeparators(dir);
  if (!d.endsWith(u'/')) d += u'/';
  return d;
}

void InstallStreamMessages() {
  SetStreamMessageHandler([](const std::string& text) { ShowError(QString::fromStdString(text)); });
}

}  // namespace

struct tMorlakApp::Private {
  std::unique_ptr<tIdleProcColl> idleProcs;
  std::unique_ptr<tClientImage> clientImage;
};

tMorlakApp* MorlakApp() { return gApp; }


// ---------------------------------------------------------------- lifecycle

tMorlakApp::tMorlakApp(const QString& appName, const QString& version, const QString& programDir)
    : d(std::make_unique<Private>()) {
  fFailed = false;
  gApp = this;
  SetFrameHost(this);
  SetPrintHost(this);
  fProgramDir = WithTrailingSlash(programDir.isEmpty() ? DefaultProgramDir() : programDir);
  fDataFiles = DecideDataFiles(fProgramDir, tDataFolderUse::Prepare);
  fAppName = appName;
  fVersion = version;
  fPreviewZoom = 60;
  fDebug = false;
  fTitle = fAppName + u' ' + fVersion;
  // Number texts use the user's decimal separator for the whole run.
  SetDecimalSeparator(QLocale().decimalPoint().toStdString());
  InstallStreamMessages();
}

tMorlakApp::~tMorlakApp() {
  Stop();
  SetStreamMessageHandler(nullptr);
  if (FrameHost() == this) SetFrameHost(nullptr);
  if (PrintHost() == this) SetPrintHost(nullptr);
  if (gApp == this) gApp = nullptr;
}

void tMorlakApp::Start() {
  try {
    SetApplicationHelpFile(HelpFileName());
    BeforeStart();
    if (!fFailed) {
      try {
        CreatePrinter();
      } catch (const std::exception&) {
        fPrinter.reset();
        ShowError(LangText(427, QStringLiteral("Der Drucker konnte nicht angesprochen werden.")) + u'\n' +
                  LangText(428, QStringLiteral("Bitte prüfen Sie, ob ein Drucker installiert ist. Ohne Drucker sind "
                                               "Ausdruck und Druckvorschau nicht möglich.")));
      }
    }
    if (!fFailed) {
      try {
        CreateClientImage();
      } catch (const std::exception& e) {
        fFailed = true;
        ShowError(QStringLiteral("Fehler beim Anlegen des Kundenlogos.\r") + ExceptionMessage(e));
      }
    }
    {
      TMORLAKIniFile file(SettingsFileName());
      LoadSettings(file);
    }
    if (!fFailed) {
      LoadUsers();
      LoadPeriphery();
    }
    if (!fFailed) {
      TMORLAKIniFile file(SettingsFileName(), QString());  // no user list
      LoadUserSettings(file);
    }
    if (!fFailed) {
      d->idleProcs = std::make_unique<tIdleProcColl>();
      d->idleProcs->Install();
    }
    StartExtensions();
  } catch (const std::exception& e) {
    ShowError(ExceptionMessage(e));
    fFailed = true;
  }
  LoadLanguage(QStringLiteral("049"));
  if (!LanguageFileLoaded()) fFailed = true;
}

void tMorlakApp::Stop() {
  if (fStopped) return;
  fStopped = true;
  if (!fFailed) {
    try {
      TMORLAKIniFile file(SettingsFileName());
      SaveSettings(file);
      file.UpdateFile();
    } catch (const std::exception&) {
      ShowError(QStringLiteral("Fehler beim Schreiben der Datei ") + QDir::toNativeSeparators(SettingsFileName()) +
                QStringLiteral(". Einstellungen konnten nicht gesichert werden."));
    }
  }
  if (d->idleProcs) d->idleProcs->Uninstall();
  d->idleProcs.reset();
  fPrinter.reset();
  d->clientImage.reset();
  StopExtensions();
  ReleaseLanguageFile();
  fLanguageCode.clear();
}

// ------------------------------------------------------ virtual operations

void tMorlakApp::PathSettingsChanged(const QStringList&) {
  // Path settings belong to the library's periphery, which this program
  // does not use: there is nothing to take over.
}

void tMorlakApp::CreatePrinter() {
  fPrinter.reset();
  fPrinter = std::make_unique<tExtendedPrinter>();
}

void tMorlakApp::CreateClientImage() { d->clientImage = std::make_unique<tClientImage>(); }

void tMorlakApp::LoadUsers() {}
void tMorlakApp::SaveUsers() {}

void tMorlakApp::LoadSettings(TMORLAKIniFile& file) {
  fDebug = file.ReadBool(kSectionOther, QStringLiteral("Debug"), false);
}

void tMorlakApp::LoadUserSettings(TMORLAKIniFile&) {}
void tMorlakApp::SaveSettings(TMORLAKIniFile&) {}
void tMorlakApp::SaveUserSettings(TMORLAKIniFile&) {}
void tMorlakApp::LoadNumberFormats(TMORLAKIniFile&) {}
void tMorlakApp::SaveNumberFormats(TMORLAKIniFile&) {}
void tMorlakApp::LoadFonts(TMORLAKIniFile&) {}
void tMorlakApp::SaveFonts(TMORLAKIniFile&) {}
void tMorlakApp::LoadPeriphery() {}

void tMorlakApp::QueryPathSetting(int, QString&, bool&) {
  // No path settings and no handler for them in this program.
}

void tMorlakApp::PathSettingChanged(const QString&) {}
int tMorlakApp::Reserved1() { return 0; }
int tMorlakApp::Reserved2() { return 0; }
void tMorlakApp::StartExtensions() {}
void tMorlakApp::StopExtensions() {}
void tMorlakApp::BeforeStart() {}

// ------------------------------------------------------------- side files

QString tMorlakApp::SettingsFileName() const { return fDataFiles.SettingsFile; }
QString tMorlakApp::HelpFileName() const { return fProgramDir + fAppName + QStringLiteral(".HLP"); }
QString tMorlakApp::LanguageFileName(const QString& code) const { return fProgramDir + fAppName + u'.' + code; }

tClientImage* tMorlakApp::ClientImage() const { return d->clientImage.get(); }
tIdleProcColl* tMorlakApp::IdleProcs() const { return d->idleProcs.get(); }

// --------------------------------------------------------------- language

void tMorlakApp::LoadLanguage(const QString& code) {
  const QString wanted = code.left(3);
  if (wanted == fLanguageCode) return;
  const QString previous = fLanguageCode;
  try {
    LoadLanguageFile(QFile::encodeName(LanguageFileName(wanted)).toStdString());
    codepage::SelectCountry(wanted.toStdString());
    fLanguageCode = wanted;
    if (fOnLanguageChanged) fOnLanguageChanged();
  } catch (const std::exception& e) {
    ShowError(ExceptionMessage(e));
    fLanguageCode = previous;
    if (!previous.isEmpty()) {
      try {
        LoadLanguageFile(QFile::encodeName(LanguageFileName(previous)).toStdString());
      } catch (const std::exception&) {
        // The old file is gone as well: no language is loaded any more, and
        // the next request for it must really load it.
        fLanguageCode.clear();
      }
    }
  }
}

// ------------------------------------------------------------------ fonts

void tMorlakApp::ApplyMainFont(QWidget* form, const QFont* oldFont) { ::ApplyMainFont(form, oldFont); }

void tMorlakApp::SetMainFontName(const QString& name) { ::SetMainFontName(name); }

// ------------------------------------------------------------- tSimpleApp

tSimpleApp::tSimpleApp(const QString& appName, const QString& version, const QString& programDir)
    : tMorlakApp(appName, version, programDir) {
  Start();
}

tSimpleApp::tSimpleApp(const QString& appName, const QString& version, const QString& programDir, tDeferStart)
    : tMorlakApp(appName, version, programDir) {}

tSimpleApp::~tSimpleApp() { Stop(); }

void tSimpleApp::LoadUsers() {}
void tSimpleApp::SaveUsers() {}

void tSimpleApp::LoadSettings(TMORLAKIniFile& file) {
  SetDebug(file.ReadBool(kSectionOther, QStringLiteral("Debug"), false));
  if (tExtendedPrinter* printer = Printer()) {
    const tMarginSettings margins = ReadMarginSettings(file);
    printer->SetLeft(margins.Left);
    printer->SetTop(margins.Top);
    printer->SetRight(margins.Right);
    printer->SetBottom(margins.Bottom);
  }
}

void tSimpleApp::LoadUserSettings(TMORLAKIniFile&) {}

void tSimpleApp::SaveSettings(TMORLAKIniFile& file) {
  if (const tExtendedPrinter* printer = Printer()) WriteMarginSettings(file, *printer);
}

void tSimpleApp::SaveUserSettings(TMORLAKIniFile&) {}
void tSimpleApp::LoadPeriphery() {}
void tSimpleApp::StartExtensions() {}
void tSimpleApp::StopExtensions() {}
void tSimpleApp::BeforeStart() {}
