// The application object: program directory and side-file names, the
// printer object, the settings file "TAVI.INI", the language strings, the
// debug switch, the preview zoom and the main window's font for every form.
//
// One instance exists while the main window lives; MorlakApp() reaches it
// from everywhere (nullptr before it is created and after it is gone).
// Start-up failures are shown to the user and set Failed(), which only
// keeps the settings from being written at exit; the program goes on.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "datafiles.h"
#include "framehost.h"
#include "mainfont.h"
#include "printhost.h"

class QWidget;
class tClientImage;
class tExtendedPrinter;
class tIdleProcColl;
class TMORLAKIniFile;

// Passed by a class derived from tSimpleApp that overrides start-up
// operations: the derived constructor then calls Start() itself.
struct tDeferStart {};

// The application object is the host of the frame library (debug switch,
// settings file) and of the print framework (printer, title, zoom, header
// lines, printing right): it registers itself with both while it lives.
class tMorlakApp : public tFrameHost, public tPrintHost {
 public:
  ~tMorlakApp() override;
  tMorlakApp(const tMorlakApp&) = delete;
  tMorlakApp& operator=(const tMorlakApp&) = delete;

  // Virtual operations of the library's application object, in slot order.
  virtual void PathSettingsChanged(const QStringList& list);
  virtual void CreatePrinter();
  virtual void CreateClientImage();
  virtual void LoadUsers();
  virtual void SaveUsers();
  virtual void LoadSettings(TMORLAKIniFile& file);
  virtual void LoadUserSettings(TMORLAKIniFile& file);
  virtual void SaveSettings(TMORLAKIniFile& file);
  virtual void SaveUserSettings(TMORLAKIniFile& file);
  virtual void LoadNumberFormats(TMORLAKIniFile& file);
  virtual void SaveNumberFormats(TMORLAKIniFile& file);
  virtual void LoadFonts(TMORLAKIniFile& file);
  virtual void SaveFonts(TMORLAKIniFile& file);
  virtual void LoadPeriphery();
  virtual void QueryPathSetting(int setting, QString& value, bool& accept);
  virtual void PathSettingChanged(const QString& value);
  virtual int Reserved1();
  virtual int Reserved2();
  virtual void StartExtensions();
  virtual void StopExtensions();
  virtual void BeforeStart();

  bool Failed() const { return fFailed; }
  const QString& ProgramDir() const { return fProgramDir; }  // with trailing '/'
  const QString& AppName() const { return fAppName; }
  const QString& Version() const { return fVersion; }
  const QString& GetTitle() const override { return fTitle; }  // "TAVI 2.0"
  QString GetCustomerText() const { return QString(); }
  const QString& HeaderText1() const override { return fHeaderText1; }
  const QString& HeaderText2() const override { return fHeaderText2; }
  bool Debug() const override { return fDebug; }
  const QString& LanguageCode() const { return fLanguageCode; }
  int PreviewZoom() const override { return fPreviewZoom; }  // percent
  void SetPreviewZoom(int percent) override { fPreviewZoom = percent; }
  tExtendedPrinter* Printer() const override { return fPrinter.get(); }  // may be nullptr
  bool MayPrint() const override { return true; }  // no user list: every right granted
  // The customer-logo holder (empty in this program) and the idle
  // procedures; nullptr when start-up did not get that far.
  tClientImage* ClientImage() const;
  tIdleProcColl* IdleProcs() const;
  // Called after a language file has been loaded.
  void SetOnLanguageChanged(std::function<void()> handler) { fOnLanguageChanged = std::move(handler); }

  // Where this user's TAVI.DAT and TAVI.INI are (the program's directory or
  // the user's data folder), decided once when the object is made.
  const tDataFiles& DataFiles() const { return fDataFiles; }
  QString DataFileName() const { return fDataFiles.DataFile; }  // TAVI.DAT
  QString SettingsFileName() const override;            // TAVI.INI beside TAVI.DAT
  QString HelpFileName() const;                         // <dir>/TAVI.HLP
  QString LanguageFileName(const QString& code) const;  // <dir>/TAVI.<code>

  void LoadLanguage(const QString& code);
  // Gives a form the main window's font: attributes of each control's font
  // that equal oldFont (the form's own font when nullptr) follow the main
  // window's; attributes the control chose itself stay.
  void ApplyMainFont(QWidget* form, const QFont* oldFont = nullptr);
  void SetMainFontName(const QString& name);

 protected:
  // programDir empty: the directory of the program file. Construction runs
  // the start-up steps from Start(), which the most derived class calls, so
  // that its overrides take part.
  tMorlakApp(const QString& appName, const QString& version, const QString& programDir);
  void Start();
  // The destruction steps (settings written, objects released); the most
  // derived destructor calls it so that its SaveSettings takes part. Runs once.
  void Stop();
  void SetFailed() { fFailed = true; }
  void SetDebug(bool on) { fDebug = on; }

 private:
  bool fFailed = false;
  bool fStopped = false;
  QString fProgramDir;
  tDataFiles fDataFiles;
  QString fAppName;
  QString fVersion;
  QString fTitle;
  bool fDebug = false;
  QString fLanguageCode;
  int fPreviewZoom = 60;
  QString fHeaderText1;
  QString fHeaderText2;
  std::unique_ptr<tExtendedPrinter> fPrinter;
  struct Private;
  std::unique_ptr<Private> d;  // idle procedures, customer logo holder
  std::function<void()> fOnLanguageChanged;
  friend class tSimpleApp;
};

// The reduced application object of this program: its settings are the
// debug switch and the four printer margins.
class tSimpleApp : public tMorlakApp {
 public:
  tSimpleApp(const QString& appName, const QString& version, const QString& programDir = QString());
  ~tSimpleApp() override;
  void LoadUsers() override;
  void SaveUsers() override;
  void LoadSettings(TMORLAKIniFile& file) override;
  void LoadUserSettings(TMORLAKIniFile& file) override;
  void SaveSettings(TMORLAKIniFile& file) override;
  void SaveUserSettings(TMORLAKIniFile& file) override;
  void LoadPeriphery() override;
  void StartExtensions() override;
  void StopExtensions() override;
  void BeforeStart() override;

 protected:
  // Without Start(): for derived classes (see tDeferStart).
  tSimpleApp(const QString& appName, const QString& version, const QString& programDir, tDeferStart);
};

tMorlakApp* MorlakApp();
