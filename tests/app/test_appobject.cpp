// The application object: start-up steps and their failures, the settings
// it reads and writes, the language, fonts, idle procedures and the debug
// switch of the library exception.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <optional>

#include "edevexception.h"
#include "help.h"
#include "idle.h"
#include "inifile.h"
#include "modaldriver.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "numfmt.h"
#include "objstream.h"
#include "posixtest.h"
#include "printer.h"
#include "resfile.h"
#include "testenv.h"

namespace {

const QString kNoPrinter = QStringLiteral(
    "Der Drucker konnte nicht angesprochen werden.\nBitte prüfen Sie, ob ein Drucker installiert ist. Ohne Drucker "
    "sind Ausdruck und Druckvorschau nicht möglich.");

// An application object whose start-up steps can be made to fail.
class tTestApp : public tSimpleApp {
 public:
  enum Fail { None, NoPrinter, NoClientImage, BeforeStartFails };
  tTestApp(const QString& dir, Fail fail) : tSimpleApp("TAVI", "2.0", dir, tDeferStart{}), fFail(fail) { Start(); }
  ~tTestApp() override { Stop(); }
  void CreatePrinter() override {
    if (fFail == NoPrinter) throw EDevException("Kein Drucker");
    tSimpleApp::CreatePrinter();
  }
  void CreateClientImage() override {
    if (fFail == NoClientImage) throw EDevException("Datei fehlt.");
    tSimpleApp::CreateClientImage();
  }
  void BeforeStart() override {
    if (fFail == BeforeStartFails) throw EDevException("Einstellungsverzeichnis nicht erreichbar.");
  }

 private:
  Fail fFail;
};

class AppObject : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CopyLanguageFile(dir)); }
  void TearDown() override {
    EXPECT_EQ(MorlakApp(), nullptr);
    EXPECT_FALSE(LanguageFileLoaded());
  }
  QString Ini() const { return dir.File("TAVI.INI"); }
  tTempDir dir;
};

TEST_F(AppObject, NamesAndFixedValues) {
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    EXPECT_EQ(MorlakApp(), &app);
    EXPECT_FALSE(app.Failed());
    EXPECT_EQ(app.ProgramDir(), dir.Path() + "/");
    EXPECT_EQ(app.GetTitle(), "TAVI 2.0");
    EXPECT_EQ(app.SettingsFileName(), dir.Path() + "/TAVI.INI");
    EXPECT_EQ(app.HelpFileName(), dir.Path() + "/TAVI.HLP");
    EXPECT_EQ(app.LanguageFileName("049"), dir.Path() + "/TAVI.049");
    EXPECT_EQ(ApplicationHelpFile(), app.HelpFileName());
    EXPECT_EQ(app.LanguageCode(), "049");
    EXPECT_TRUE(LanguageFileLoaded());
    EXPECT_EQ(app.PreviewZoom(), 60);
    ASSERT_NE(app.ClientImage(), nullptr);
    ASSERT_NE(app.IdleProcs(), nullptr);
    EXPECT_TRUE(app.IdleProcs()->Installed());
  }
  // The program directory defaults to the program file's (the test
  // program's folder has no language file).
  tModalDriver driver;
  driver.ThenClick("Btn2");
  {
    tSimpleApp app("TAVI", "2.0");
    EXPECT_EQ(app.ProgramDir(), QCoreApplication::applicationDirPath() + "/");
  }
  EXPECT_EQ(driver.Seen().size(), 1);
  SetApplicationHelpFile(QString());
}

TEST_F(AppObject, WithoutSettingsFileDefaultsThenMarginsWritten) {
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    ASSERT_NE(app.Printer(), nullptr);
    EXPECT_FALSE(app.Debug());
    EXPECT_EQ(app.Printer()->GetLeft(), 200);
    EXPECT_EQ(app.Printer()->GetTop(), 200);
    EXPECT_EQ(app.Printer()->GetRight(), 100);
    EXPECT_EQ(app.Printer()->GetBottom(), 200);
    EXPECT_FALSE(dir.Exists("TAVI.INI"));
  }
  const TMORLAKIniFile ini(Ini());
  EXPECT_EQ(ini.ReadSectionValues("Druckereinstellungen"),
            (QStringList{"LinkerRand=200", "ObererRand=200", "RechterRand=100", "UntererRand=200"}));
  EXPECT_TRUE(ini.ReadSectionValues("Sonstige_Einstellungen").isEmpty());  // "Debug" is never written
}

TEST_F(AppObject, SettingsRoundTrip) {
  dir.Write("TAVI.INI",
            "[Sonstige_Einstellungen]\nDebug=1\n[Druckereinstellungen]\nLinkerRand=150\nObererRand=180\n"
            "RechterRand=120\nUntererRand=250\nAlterSchluessel=1\n[FORMINI_800_600]\ntDlgUserData_Width=400\n");
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    EXPECT_TRUE(app.Debug());
    EXPECT_EQ(app.Printer()->GetLeft(), 150);
    EXPECT_EQ(app.Printer()->GetTop(), 180);
    EXPECT_EQ(app.Printer()->GetRight(), 120);
    EXPECT_EQ(app.Printer()->GetBottom(), 250);
    app.Printer()->SetLeft(300);
  }
  const TMORLAKIniFile ini(Ini());
  // The printer section is written anew; everything else stays.
  EXPECT_EQ(ini.ReadSectionValues("Druckereinstellungen"),
            (QStringList{"LinkerRand=300", "ObererRand=180", "RechterRand=120", "UntererRand=250"}));
  EXPECT_TRUE(ini.ReadBool("Sonstige_Einstellungen", "Debug", false));
  EXPECT_EQ(ini.ReadInteger("FORMINI_800_600", "tDlgUserData_Width", 0), 400);
}

TEST_F(AppObject, MissingLanguageFileFailsButTheProgramRuns) {
  QFile::remove(dir.File("TAVI.049"));
  dir.Write("TAVI.INI", "[Druckereinstellungen]\nLinkerRand=150\n");
  const QByteArray before = dir.Read("TAVI.INI");
  tModalDriver driver;
  driver.ThenClick("Btn2").ThenClick("Btn2");
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    EXPECT_TRUE(app.Failed());
    EXPECT_FALSE(LanguageFileLoaded());
    EXPECT_TRUE(app.LanguageCode().isEmpty());
    ASSERT_EQ(driver.Seen().size(), 1);
    EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Öffnen der Sprachdatei");
    EXPECT_EQ(driver.Seen()[0].Title, "Fehler");  // the German default
    // Still usable: messages work, the printer took the stored margin.
    ShowError("Noch da");
    EXPECT_EQ(driver.Seen()[1].Text, "Noch da");
    EXPECT_EQ(app.Printer()->GetLeft(), 150);
    app.Printer()->SetLeft(250);
  }
  // Failed: the settings of this run are not written back.
  EXPECT_EQ(dir.Read("TAVI.INI"), before);
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(AppObject, UnwritableSettingsFileIsReportedAndKeptAsItWas) {
  dir.Write("TAVI.INI", "[Druckereinstellungen]\nLinkerRand=150\n");
  const QByteArray before = dir.Read("TAVI.INI");
  tModalDriver driver;
  driver.ThenClick("Btn2");
  {
    std::optional<posixtest::tFileSizeLimit> full;  // outlives the application object
    tSimpleApp app("TAVI", "2.0", dir.Path());
    EXPECT_FALSE(app.Failed());
    app.Printer()->SetLeft(300);
    EXPECT_TRUE(driver.Seen().isEmpty());
    full.emplace(8);  // as on a full disk
    ASSERT_TRUE(full->Active());
  }
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Schreiben der Datei " + Ini() +
                                       ". Einstellungen konnten nicht gesichert werden.");
  EXPECT_EQ(dir.Read("TAVI.INI"), before);
}

TEST_F(AppObject, UnwritableSettingsWhileTerminatingUsesThePlainBox) {
  tModalDriver driver;
  driver.Then([](QWidget* dialog) { tModalDriver::Dismiss(dialog); });
  {
    std::optional<posixtest::tFileSizeLimit> full;  // outlives the application object
    tSimpleApp app("TAVI", "2.0", dir.Path());
    SetTerminating(true);
    full.emplace(8);  // as on a full disk
  }
  SetTerminating(false);
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, "Fehler");
  EXPECT_TRUE(driver.Seen()[0].Text.startsWith("Fehler beim Schreiben der Datei "));
}

TEST_F(AppObject, MissingPrinterObject) {
  dir.Write("TAVI.INI", "[Druckereinstellungen]\nLinkerRand=150\n");
  const QByteArray before = dir.Read("TAVI.INI");
  tModalDriver driver;
  driver.ThenClick("Btn2");
  {
    tTestApp app(dir.Path(), tTestApp::NoPrinter);
    EXPECT_EQ(app.Printer(), nullptr);
    EXPECT_FALSE(app.Failed());  // the program runs on without printing
    EXPECT_TRUE(LanguageFileLoaded());
  }
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Text, kNoPrinter);
  // Without a printer object the margins are neither read nor written.
  EXPECT_EQ(dir.Read("TAVI.INI"), before);
}

TEST_F(AppObject, CustomerLogoHolderFailure) {
  tModalDriver driver;
  driver.ThenClick("Btn2");
  {
    tTestApp app(dir.Path(), tTestApp::NoClientImage);
    EXPECT_TRUE(app.Failed());
    EXPECT_EQ(app.IdleProcs(), nullptr);  // later steps that need success are left out
    EXPECT_TRUE(LanguageFileLoaded());    // the language is loaded all the same
  }
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Anlegen des Kundenlogos.\nDatei fehlt.");
  EXPECT_FALSE(dir.Exists("TAVI.INI"));
}

TEST_F(AppObject, OtherStartUpFailureShowsItsMessage) {
  tModalDriver driver;
  driver.ThenClick("Btn2");
  {
    tTestApp app(dir.Path(), tTestApp::BeforeStartFails);
    EXPECT_TRUE(app.Failed());
    EXPECT_EQ(app.Printer(), nullptr);
    EXPECT_EQ(app.LanguageCode(), "049");
  }
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Text, "Einstellungsverzeichnis nicht erreichbar.");
  EXPECT_FALSE(dir.Exists("TAVI.INI"));
}

TEST_F(AppObject, UnreadableSettingsFile) {
  ASSERT_TRUE(dir.MakeDir("TAVI.INI"));
  tModalDriver driver;
  driver.ThenClick("Btn2");
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    EXPECT_TRUE(app.Failed());
  }
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Text, "Die Datei " + Ini() + " kann nicht gelesen werden.");
}

TEST_F(AppObject, LoadLanguageKeepsTheLoadedLanguageOnFailure) {
  tSimpleApp app("TAVI", "2.0", dir.Path());
  int changes = 0;
  app.SetOnLanguageChanged([&] { ++changes; });
  app.LoadLanguage("0491");  // cut to "049": already loaded, nothing happens
  EXPECT_EQ(changes, 0);
  tModalDriver driver;
  driver.ThenClick("Btn2");
  app.LoadLanguage("044");
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Text, "Fehler beim Öffnen der Sprachdatei");
  EXPECT_EQ(app.LanguageCode(), "049");
  EXPECT_TRUE(LanguageFileLoaded());
  EXPECT_EQ(QString::fromStdString(LanguageString(456)), "Ja");
  // A second file under another code loads and reports the change.
  ASSERT_TRUE(QFile::copy(dir.File("TAVI.049"), dir.File("TAVI.001")));
  app.LoadLanguage("001");
  EXPECT_EQ(app.LanguageCode(), "001");
  EXPECT_EQ(changes, 1);
}

TEST_F(AppObject, DecimalSeparatorFromTheUsersLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    EXPECT_EQ(DecimalSeparator(), ",");
    EXPECT_EQ(FormatReal(2.92266L, 8, 1), "     2,9");
  }
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  { tSimpleApp app("TAVI", "2.0", dir.Path()); }
  EXPECT_EQ(DecimalSeparator(), ".");
  QLocale::setDefault(before);
}

TEST_F(AppObject, StreamLibraryMessagesGoToTheErrorDialog) {
  tSimpleApp app("TAVI", "2.0", dir.Path());
  tModalDriver driver;
  driver.ThenClick("Btn2");
  ShowStreamMessage("Unbekannte Klasse");
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, "Fehler");
  EXPECT_EQ(driver.Seen()[0].Text, "Unbekannte Klasse");
}

TEST_F(AppObject, IdleProceduresRunWhenTheLoopWaits) {
  tSimpleApp app("TAVI", "2.0", dir.Path());
  QWidget form;
  int calls = 0, formCalls = 0;
  void* seenContext = nullptr;
  int context = 7;
  app.IdleProcs()->Add([&](void* c, QWidget*) { ++calls; seenContext = c; }, &context);
  app.IdleProcs()->Add([&](void*, QWidget*) { ++formCalls; }, nullptr, &form, true);
  QEventLoop loop;
  QTimer::singleShot(30, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_GT(calls, 0);
  EXPECT_EQ(seenContext, &context);
  EXPECT_EQ(formCalls, 0);  // its form is not the active window
}

TEST(IdleProcs, EntriesOfVanishedFormsAreDropped) {
  tIdleProcColl procs;
  auto* form = new QWidget;
  int calls = 0;
  const int id = procs.Add([&](void*, QWidget* f) { ++calls; EXPECT_NE(f, nullptr); }, nullptr, form, false);
  procs.Add([&](void*, QWidget*) { procs.Remove(id); });  // removing during a pass is allowed
  EXPECT_TRUE(procs.RunPass());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(procs.Count(), 1);
  const int again = procs.Add([&](void*, QWidget*) { ++calls; }, nullptr, form, false);
  (void)again;
  delete form;
  procs.RunPass();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(procs.Count(), 1);
}

TEST(LibraryException, LocationRule) {
  EXPECT_EQ(AddLocationToMessage("Unbekannte Geräteoption (2).", "tDlgAmortisation.FormCreate"),
            "Unbekannte Geräteoption (2) (tDlgAmortisation.FormCreate).");
  EXPECT_EQ(AddLocationToMessage("Wirklich?", "A.B"), "Wirklich (A.B)?");
  EXPECT_EQ(AddLocationToMessage("Achtung!", "A.B"), "Achtung (A.B)!");
  EXPECT_EQ(AddLocationToMessage("Kein Satzzeichen", "A.B"), "Kein Satzzeichen (A.B)");
  EXPECT_EQ(AddLocationToMessage("", "A.B"), "(A.B)");
  EXPECT_EQ(AddLocationToMessage("Text.", ""), "Text.");
  EXPECT_EQ(FormatIntegerArg("Unbekannte KARU-Option (%D).", -3), "Unbekannte KARU-Option (-3).");
  EXPECT_EQ(FormatIntegerArg("100%% (%d) %D", 5), "100% (5) %D");
}

TEST_F(AppObject, DebugSwitchAddsTheLocation) {
  const QString where = "tDlgAmortisation.FormCreate";
  // No application object: no location.
  EXPECT_EQ(EDevException::Fmt("Unbekannte Geräteoption (%D).", 2, where).Message(), "Unbekannte Geräteoption (2).");
  {
    tSimpleApp app("TAVI", "2.0", dir.Path());
    EXPECT_EQ(EDevException::Fmt("Unbekannte Geräteoption (%D).", 2, where).Message(), "Unbekannte Geräteoption (2).");
  }
  dir.Write("TAVI.INI", "[Sonstige_Einstellungen]\nDebug=1\n");
  tSimpleApp app("TAVI", "2.0", dir.Path());
  const EDevException e = EDevException::Fmt("Unbekannte Geräteoption (%D).", 2, where);
  EXPECT_EQ(e.Message(), "Unbekannte Geräteoption (2) (tDlgAmortisation.FormCreate).");
  EXPECT_EQ(e.Location(), where);
  EXPECT_EQ(ExceptionMessage(e), e.Message());
}

// ---------------------------------------------------------------- fonts

class MainFont : public AppObject {
 protected:
  void SetUp() override {
    AppObject::SetUp();
    main.setFont(QFont("DejaVu Serif", 14));
    SetMainWindow(&main);
  }
  void TearDown() override {
    SetMainWindow(nullptr);
    AppObject::TearDown();
  }
  QWidget main;
};

TEST_F(MainFont, OwnAttributesOfAControlStay) {
  tSimpleApp app("TAVI", "2.0", dir.Path());
  QDialog dialog;
  dialog.setFont(QFont("DejaVu Sans", 8));
  auto* bold = new QLabel("fett", &dialog);
  QFont b = dialog.font();
  b.setBold(true);
  bold->setFont(b);
  auto* mono = new QLabel("eigene Schrift", &dialog);
  mono->setFont(QFont("DejaVu Sans Mono", 8));
  auto* plain = new QLabel("normal", &dialog);

  app.ApplyMainFont(&dialog);

  EXPECT_EQ(dialog.font().family(), "DejaVu Serif");
  EXPECT_EQ(bold->font().family(), "DejaVu Serif");
  EXPECT_EQ(bold->font().pointSize(), 14);
  EXPECT_TRUE(bold->font().bold());
  EXPECT_EQ(mono->font().family(), "DejaVu Sans Mono");  // its own choice
  EXPECT_EQ(mono->font().pointSize(), 14);
  EXPECT_FALSE(mono->font().bold());
  EXPECT_EQ(plain->font().family(), "DejaVu Serif");
  EXPECT_EQ(plain->font().pointSize(), 14);
}

TEST_F(MainFont, NothingWithoutMainWindow) {
  tSimpleApp app("TAVI", "2.0", dir.Path());
  SetMainWindow(nullptr);
  QDialog dialog;
  dialog.setFont(QFont("DejaVu Sans", 8));
  app.ApplyMainFont(&dialog);
  EXPECT_EQ(dialog.font().family(), "DejaVu Sans");
}

TEST_F(MainFont, SetMainFontNameOnlyWithAnInstalledFont) {
  tSimpleApp app("TAVI", "2.0", dir.Path());
  auto* label = new QLabel("Wert", &main);
  label->setFont(QFont("DejaVu Serif", 14));  // same as the window: follows it
  const QString missing = "Keine Solche Schrift";
  ASSERT_FALSE(QFontDatabase::families().contains(missing));
  app.SetMainFontName(missing);
  EXPECT_EQ(main.font().family(), "DejaVu Serif");
  if (!QFontDatabase::families().contains("DejaVu Sans")) GTEST_SKIP() << "DejaVu Sans not installed";
  app.SetMainFontName("DejaVu Sans");
  EXPECT_EQ(main.font().family(), "DejaVu Sans");
  EXPECT_EQ(label->font().family(), "DejaVu Sans");
}

}  // namespace
