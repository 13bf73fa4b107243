// The settings file: ini reading rules, changing only what is changed,
// encodings, writing by replacing the file, and what a failed write leaves.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "edevexception.h"
#include "inifile.h"
#include "posixtest.h"
#include "tempdir.h"

namespace {

QStringList Entries(const tTempDir& dir) {
  return QDir(dir.Path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                                    QDir::Name);
}

// What the application object and the form geometry store do at exit.
void SaveLikeTheProgram(TMORLAKIniFile& file) {
  file.EraseSection("Druckereinstellungen");
  file.WriteInteger("Druckereinstellungen", "LinkerRand", 250);
  file.WriteInteger("Druckereinstellungen", "ObererRand", 200);
  file.WriteInteger("Druckereinstellungen", "RechterRand", 100);
  file.WriteInteger("Druckereinstellungen", "UntererRand", 200);
  for (const char* section : {"FORMINI_1024_768", "FORMINI_800_600"}) {
    file.WriteInteger(section, "tDlgUserData_Width", 320);
    file.WriteInteger(section, "tDlgUserData_Height", 240);
    file.WriteInteger(section, "tDlgUserData_Top", 30);
    file.WriteInteger(section, "tDlgUserData_Left", 40);
    file.WriteInteger(section, "tDlgUserData_WindowState", 2);
  }
}

TEST(IniFile, MissingFileGivesDefaults) {
  tTempDir dir;
  const TMORLAKIniFile file(dir.File("TAVI.INI"));
  EXPECT_EQ(file.ReadInteger("Druckereinstellungen", "LinkerRand", 200), 200);
  EXPECT_FALSE(file.ReadBool("Sonstige_Einstellungen", "Debug", false));
  EXPECT_EQ(file.ReadString("A", "B", "x"), "x");
  EXPECT_TRUE(file.ReadSectionValues("A").isEmpty());
  EXPECT_FALSE(file.Modified());
}

TEST(IniFile, ReadsLikeTheReferencePlatform) {
  tTempDir dir;
  dir.Write("TAVI.INI",
            "[Sonstige_Einstellungen]\r\nDebug=1\r\n"
            "[druckereinstellungen]\r\nlinkerrand = 150\r\nObererRand=abc\r\nRechterRand=$1F\r\n"
            "[Flags]\r\nZwei=2\r\nNull=0\r\nText=ja\r\nListe=a, b\r\n");
  const TMORLAKIniFile file(dir.File("TAVI.INI"));
  EXPECT_TRUE(file.ReadBool("Sonstige_Einstellungen", "Debug", false));
  // Sections and keys regardless of case, values without the blanks.
  EXPECT_EQ(file.ReadInteger("Druckereinstellungen", "LinkerRand", 200), 150);
  // Not a number: the default.
  EXPECT_EQ(file.ReadInteger("Druckereinstellungen", "ObererRand", 200), 200);
  EXPECT_EQ(file.ReadInteger("Druckereinstellungen", "RechterRand", 100), 31);
  // Any non-zero integer is true; text is not an integer.
  EXPECT_TRUE(file.ReadBool("Flags", "Zwei", false));
  EXPECT_FALSE(file.ReadBool("Flags", "Null", true));
  EXPECT_TRUE(file.ReadBool("Flags", "Text", true));
  EXPECT_FALSE(file.ReadBool("Flags", "Text", false));
  EXPECT_EQ(file.ReadString("Flags", "Liste", ""), "a, b");
  EXPECT_EQ(file.ReadSectionValues("flags"), (QStringList{"Zwei=2", "Null=0", "Text=ja", "Liste=a, b"}));
}

TEST(IniFile, ValuesAreReadAsTheyStand) {
  // A Windows-1252 file (not valid UTF-8) and the same text in UTF-8.
  const QByteArray text =
      "; Kommentar=kein Schl\xFCssel\r\n"
      "vorher=ohne Abschnitt\r\n"
      "[Sonstige_Einstellungen]\r\n"
      "Pfad=C:\\Programme\\TAVI\r\n"
      "Netz = \\\\server\\freigabe\\ \r\n"
      "Zitat=\"  mit Rand  \"\r\n"
      "Halb=\"offen\r\n"
      "Gleich=a=b;c\r\n"
      "Pfad=zweiter Eintrag\r\n"
      "# auch=Kommentar\r\n"
      "  [ Mein Abschnitt ]  \r\n"
      "Gr\xF6\xDF" "e=gro\xDF und \xC4rger\r\n"
      "\t Einger\xFC" "ckt\t=\tja\t\r\n";
  QByteArray utf8 = QString::fromLatin1(text).toUtf8();
  for (const QByteArray& bytes : {text, utf8}) {
    SCOPED_TRACE(bytes == text ? "1252" : "UTF-8");
    tTempDir dir;
    dir.Write("TAVI.INI", bytes);
    const TMORLAKIniFile file(dir.File("TAVI.INI"));
    const struct {
      const char* section;
      QString key;
      QString value;
    } cases[] = {
        {"Sonstige_Einstellungen", "Pfad", "C:\\Programme\\TAVI"},  // the first of two entries
        {"sonstige_einstellungen", "NETZ", "\\\\server\\freigabe\\"},
        {"Sonstige_Einstellungen", "Zitat", "  mit Rand  "},  // one pair of quotes goes
        {"Sonstige_Einstellungen", "Halb", "\"offen"},
        {"Sonstige_Einstellungen", "Gleich", "a=b;c"},
        {"Sonstige_Einstellungen", "# auch", "?"},  // a comment is no key
        {"Mein Abschnitt", QString::fromUtf8("Größe"), QString::fromUtf8("groß und Ärger")},
        {"MEIN ABSCHNITT", QString::fromUtf8("Eingerückt"), "ja"},
        {"", "vorher", "?"},  // lines before the first section belong to none
    };
    for (const auto& c : cases)
      EXPECT_EQ(file.ReadString(c.section, c.key, "?"), c.value) << c.section << "/" << c.key.toStdString();
    EXPECT_EQ(file.ReadSectionValues("Sonstige_Einstellungen"),
              (QStringList{"Pfad=C:\\Programme\\TAVI", "Netz=\\\\server\\freigabe\\", "Zitat=  mit Rand  ",
                           "Halb=\"offen", "Gleich=a=b;c"}));
  }
}

TEST(IniFile, OnlyTheRewrittenSectionsChange) {
  // Comments, blank lines, foreign sections, a section name with blanks,
  // Windows-1252 umlauts and backslashes around the sections the program
  // writes; the last line has no line end.
  const QByteArray head =
      "; TAVI-Einstellungen, von Hand gepflegt\r\n"
      "\r\n"
      "[Sonstige_Einstellungen]\r\n"
      "Debug=0\r\n"
      "Pfad=C:\\Programme\\TAVI\r\n"
      "\r\n"
      "[Mein Abschnitt]\r\n"
      "Gr\xF6\xDF" "e = gro\xDF\r\n"
      "Netz=\\\\server\\freigabe\r\n"
      "\r\n"
      "[druckereinstellungen]\r\n"
      "; R\xE4nder in 0,1 mm\r\n";
  const QByteArray middle =
      "\r\n"
      "[FORMINI_1024_768]\r\n"
      "TDlgPreview_Width = 640\r\n";
  const QByteArray tail =
      "\r\n"
      "[Zuletzt]\r\n"
      "Datei=\"C:\\Daten\\TAVI.DAT\"";
  tTempDir dir;
  dir.Write("TAVI.INI", head + "LinkerRand = 150\r\nAlt=7\r\nRechterRand=100\r\n" + middle +
                            "tDlgUserData_Left=10\r\n; Ende\r\n" + tail);
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    SaveLikeTheProgram(file);
    file.UpdateFile();
  }
  // The erased section's keys come back where its first key stood, in the
  // order written; a key already there changes in place; a new section is
  // appended.
  EXPECT_EQ(dir.Read("TAVI.INI"),
            head + "LinkerRand=250\r\nObererRand=200\r\nRechterRand=100\r\nUntererRand=200\r\n" + middle +
                "tDlgUserData_Left=40\r\ntDlgUserData_Width=320\r\ntDlgUserData_Height=240\r\n"
                "tDlgUserData_Top=30\r\ntDlgUserData_WindowState=2\r\n; Ende\r\n" +
                tail +
                "\r\n\r\n[FORMINI_800_600]\r\ntDlgUserData_Width=320\r\ntDlgUserData_Height=240\r\n"
                "tDlgUserData_Top=30\r\ntDlgUserData_Left=40\r\ntDlgUserData_WindowState=2\r\n");
  // Saving the same values again changes no byte.
  const QByteArray once = dir.Read("TAVI.INI");
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    SaveLikeTheProgram(file);
    file.UpdateFile();
  }
  EXPECT_EQ(dir.Read("TAVI.INI"), once);
  EXPECT_EQ(Entries(dir), QStringList{"TAVI.INI"});
}

TEST(IniFile, ErasedSectionsGoAndOnlyTheFirstOfDuplicatesChanges) {
  tTempDir dir;
  dir.Write("TAVI.INI", "[A]\nX=1\n[Druckereinstellungen]\nLinkerRand=1\n[B]\nY=2\n[DRUCKEREINSTELLUNGEN]\nAlt=7\n");
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    EXPECT_EQ(file.ReadInteger("druckereinstellungen", "alt", 0), 7);  // found in the second one
    file.EraseSection("Druckereinstellungen");
    EXPECT_EQ(file.ReadInteger("Druckereinstellungen", "LinkerRand", 0), 0);
    EXPECT_EQ(file.ReadInteger("Druckereinstellungen", "Alt", 0), 7);  // the second one stays
    EXPECT_TRUE(file.Modified());
    file.UpdateFile();
  }
  EXPECT_EQ(dir.Read("TAVI.INI"), "[A]\nX=1\n[B]\nY=2\n[DRUCKEREINSTELLUNGEN]\nAlt=7\n");
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    file.WriteString("B", "Y", "3");
    file.WriteString("A", "Neu", "ja");
    file.UpdateFile();
  }
  EXPECT_EQ(dir.Read("TAVI.INI"), "[A]\nX=1\nNeu=ja\n[B]\nY=3\n[DRUCKEREINSTELLUNGEN]\nAlt=7\n");
  // The printer settings as the program saves them: erased and written to
  // the first section; a second one of someone else's keeps its lines.
  dir.Write("TAVI.INI", "[Druckereinstellungen]\nLinkerRand=1\n[X]\n[Druckereinstellungen]\nLinkerRand=5\nFremd=1\n");
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    file.EraseSection("Druckereinstellungen");
    file.WriteInteger("Druckereinstellungen", "LinkerRand", 150);
    file.WriteInteger("Druckereinstellungen", "ObererRand", 200);
    file.UpdateFile();
  }
  EXPECT_EQ(dir.Read("TAVI.INI"), "[Druckereinstellungen]\nLinkerRand=150\nObererRand=200\n[X]\n"
                                  "[Druckereinstellungen]\nLinkerRand=5\nFremd=1\n");
}

TEST(IniFile, NewTextTakesTheFilesEncodingAndLineEnds) {
  const struct {
    const char* what;
    QByteArray before;
    QByteArray after;
  } cases[] = {
      {"new file", "", "[Neu]\r\nName=M\xC3\xBCller\r\n"},
      {"UTF-8, LF", "[A]\nX=\xC3\xA4\n", "[A]\nX=\xC3\xA4\n\n[Neu]\nName=M\xC3\xBCller\n"},
      {"1252, CRLF", "[A]\r\nX=\xE4\r\n", "[A]\r\nX=\xE4\r\n\r\n[Neu]\r\nName=M\xFCller\r\n"},
      {"ASCII", "[A]\r\nX=1\r\n\r\n", "[A]\r\nX=1\r\n\r\n[Neu]\r\nName=M\xC3\xBCller\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tTempDir dir;
    if (!c.before.isEmpty()) dir.Write("TAVI.INI", c.before);
    {
      TMORLAKIniFile file(dir.File("TAVI.INI"));
      file.WriteString("Neu", "Name", QString::fromUtf8("Müller"));
      EXPECT_EQ(file.ReadString("neu", "name", ""), QString::fromUtf8("Müller"));
      file.UpdateFile();
    }
    EXPECT_EQ(dir.Read("TAVI.INI"), c.after);
    EXPECT_EQ(TMORLAKIniFile(dir.File("TAVI.INI")).ReadString("Neu", "Name", ""), QString::fromUtf8("Müller"));
  }
}

TEST(IniFile, TextTheFileCannotHoldIsRefused) {
  tTempDir dir;
  const QByteArray before = "[A]\r\nX=\xE4\r\n";  // Windows-1252
  dir.Write("TAVI.INI", before);
  TMORLAKIniFile file(dir.File("TAVI.INI"));
  // No 1252 byte for the Polish letter; a line break would make two lines;
  // a key with "=" or a section with "]" could not be read back.
  EXPECT_THROW(file.WriteString("A", "Name", QString::fromUtf8("Łódź")), EDevException);
  EXPECT_THROW(file.WriteString("A", "Name", "zwei\nZeilen"), EDevException);
  EXPECT_THROW(file.WriteString("A", "a=b", "1"), EDevException);
  EXPECT_THROW(file.WriteString("A]", "a", "1"), EDevException);
  EXPECT_FALSE(file.Modified());
  file.UpdateFile();
  EXPECT_EQ(dir.Read("TAVI.INI"), before);
}

TEST(IniFile, WritesReachTheFileOnlyThroughUpdateFile) {
  tTempDir dir;
  const QString name = dir.File("TAVI.INI");
  dir.Write("TAVI.INI", "[A]\nX=1\n");
  {
    TMORLAKIniFile file(name);
    file.WriteInteger("A", "X", 2);
    file.WriteBool("B", "On", true);
    file.WriteString("B", "Name", "Grüße, Welt");
    EXPECT_TRUE(file.Modified());
    // The object sees its own changes at once.
    EXPECT_EQ(file.ReadInteger("A", "X", 0), 2);
    EXPECT_EQ(TMORLAKIniFile(name).ReadInteger("A", "X", 0), 1);
  }
  // Released without UpdateFile: nothing changed, nothing left behind.
  EXPECT_EQ(dir.Read("TAVI.INI"), "[A]\nX=1\n");
  EXPECT_EQ(Entries(dir), QStringList{"TAVI.INI"});
  {
    TMORLAKIniFile file(name);
    file.WriteInteger("A", "X", 2);
    file.WriteBool("B", "On", true);
    file.WriteString("B", "Name", "Grüße, Welt");
    file.UpdateFile();
    EXPECT_FALSE(file.Modified());
  }
  const TMORLAKIniFile file(name);
  EXPECT_EQ(file.ReadInteger("A", "X", 0), 2);
  EXPECT_EQ(file.ReadString("B", "On", ""), "1");  // booleans as 0 and 1
  EXPECT_EQ(file.ReadString("B", "Name", ""), "Grüße, Welt");
  EXPECT_EQ(Entries(dir), QStringList{"TAVI.INI"});
}

TEST(IniFile, FullDiskKeepsThePreviousFile) {
  tTempDir dir;
  const QByteArray before = "[A]\nX=1\n";
  dir.Write("TAVI.INI", before);
  TMORLAKIniFile file(dir.File("TAVI.INI"));
  file.WriteString("A", "Y", "ein längerer Wert");
  {
    posixtest::tFileSizeLimit full(8);
    ASSERT_TRUE(full.Active());
    try {
      file.UpdateFile();
      ADD_FAILURE() << "writing should have failed";
    } catch (const EDevException& e) {
      EXPECT_EQ(e.Message(), "Die Datei " + QDir::toNativeSeparators(dir.File("TAVI.INI")) +
                                 " kann nicht geschrieben werden (kein Platz auf dem Datenträger).");
    }
  }
  EXPECT_EQ(dir.Read("TAVI.INI"), before);
  EXPECT_EQ(Entries(dir), QStringList{"TAVI.INI"});
  // The changes are still there for another try.
  EXPECT_TRUE(file.Modified());
  file.UpdateFile();
  EXPECT_EQ(TMORLAKIniFile(dir.File("TAVI.INI")).ReadString("A", "Y", ""), "ein längerer Wert");
}

TEST(IniFile, FileThisUserMayNotWriteStaysAsItIs) {
  // 000: not even readable, so the object cannot be made (and nothing is
  // written at exit); 444: readable, but the write is refused.
  for (const int mode : {0000, 0444}) {
    SCOPED_TRACE(mode);
    tTempDir dir;
    const QString name = dir.File("TAVI.INI");
    const QByteArray before = "; Kommentar\n[Druckereinstellungen]\nLinkerRand=150\n";
    dir.Write("TAVI.INI", before);
    const QByteArray path = QFile::encodeName(name), folder = QFile::encodeName(dir.Path());
    for (const QByteArray& p : {path, folder})
      ASSERT_EQ(::chown(p.constData(), posixtest::TestUserId(), posixtest::TestGroupId()), 0);
    ASSERT_EQ(::chmod(path.constData(), static_cast<mode_t>(mode)), 0);
    const int verdict = posixtest::RunInChild(
        [&] {
          try {
            TMORLAKIniFile file(name);
            if (mode == 0) return 1;  // should not have been readable
            if (file.ReadInteger("Druckereinstellungen", "LinkerRand", 0) != 150) return 2;
            file.EraseSection("Druckereinstellungen");
            file.WriteInteger("Druckereinstellungen", "LinkerRand", 300);
            file.UpdateFile();
            return 3;
          } catch (const EDevException& e) {
            const QString expected = mode == 0 ? " kann nicht gelesen werden."
                                               : " kann nicht geschrieben werden (keine Schreibberechtigung).";
            return e.Message().endsWith(expected) ? 0 : 4;
          }
        },
        true);
    if (verdict == posixtest::kCannotDrop) GTEST_SKIP() << "cannot drop to nobody";
    EXPECT_EQ(verdict, 0);
    ASSERT_EQ(::chmod(path.constData(), 0644), 0);
    EXPECT_EQ(dir.Read("TAVI.INI"), before);
    EXPECT_EQ(Entries(dir), QStringList{"TAVI.INI"});
  }
}

TEST(IniFile, NothingUnderATemporaryNameBlocksTheSettings) {
  tTempDir dir, outside;
  outside.Write("fremd", "keep");
  for (const QString name : {"TAVI.INI.tmp", "TAVI.INI.tmp.d"}) {
    ASSERT_TRUE(dir.MakeDir(name));
    ASSERT_TRUE(dir.Write(name + "/x", "x"));
  }
  ASSERT_TRUE(QFile::link(outside.File("fremd"), dir.File("TAVI.INI.new")));
  dir.Write("TAVI.INI", "[A]\nX=1\n");
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    file.WriteInteger("A", "X", 2);
    file.UpdateFile();
  }
  EXPECT_EQ(dir.Read("TAVI.INI"), "[A]\nX=2\n");
  EXPECT_EQ(outside.Read("fremd"), "keep");
  EXPECT_EQ(Entries(dir), (QStringList{"TAVI.INI", "TAVI.INI.new", "TAVI.INI.tmp", "TAVI.INI.tmp.d"}));
}

TEST(IniFile, SymlinkedFileIsWrittenThroughTheLink) {
  tTempDir dir;
  ASSERT_TRUE(dir.MakeDir("echt"));
  dir.Write("echt/tavi.ini", "; meine\n[A]\nX=1\n");
  ASSERT_TRUE(QFile::link("echt/tavi.ini", dir.File("TAVI.INI")));
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    EXPECT_EQ(file.ReadInteger("A", "X", 0), 1);
    file.WriteInteger("A", "X", 2);
    file.UpdateFile();
  }
  EXPECT_EQ(QFileInfo(dir.File("TAVI.INI")).symLinkTarget(), dir.File("echt/tavi.ini"));
  EXPECT_EQ(dir.Read("echt/tavi.ini"), "; meine\n[A]\nX=2\n");
  EXPECT_EQ(Entries(dir), (QStringList{"TAVI.INI", "echt"}));
}

TEST(IniFile, UnreadableFileIsReportedWithoutWaiting) {
  tTempDir dir;
  dir.MakeDir("Ordner.ini");
  ASSERT_EQ(::mkfifo(QFile::encodeName(dir.File("Rohr.ini")).constData(), 0666), 0);
  for (const char* name : {"Ordner.ini", "Rohr.ini"}) {
    SCOPED_TRACE(name);
    const QString file = dir.File(name);
    EXPECT_EQ(posixtest::RunInChild(
                  [&] {
                    try {
                      TMORLAKIniFile ini(file);
                      return 1;
                    } catch (const EDevException& e) {
                      return e.Message() == "Die Datei " + QDir::toNativeSeparators(file) +
                                                " kann nicht gelesen werden."
                                 ? 0
                                 : 2;
                    }
                  },
                  false, 5),
              0);
  }
}

// Readers of the settings file recognise a new version by its size and
// time stamp; every version written must carry a later time stamp than the
// one it replaces, even when the clock has not moved on (or the old stamp
// lies ahead of it).
TEST(IniFile, EachVersionIsDatedAfterThePreviousOne) {
  tTempDir dir;
  const QString name = dir.File("TAVI.INI");
  dir.Write("TAVI.INI", "[A]\nX=1000\n");
  const QDateTime ahead = QDateTime::currentDateTime().addSecs(30);
  {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(ahead, QFileDevice::FileModificationTime));
  }
  EXPECT_EQ(TMORLAKIniFile(name).ReadInteger("A", "X", 0), 1000);
  {
    TMORLAKIniFile file(name);
    file.WriteInteger("A", "X", 2111);  // same length
    file.UpdateFile();
  }
  EXPECT_GT(QFileInfo(name).lastModified(), ahead);
  EXPECT_EQ(TMORLAKIniFile(name).ReadInteger("A", "X", 0), 2111);
}

TEST(IniFile, UserSectionsCarryTheUserName) {
  tTempDir dir;
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"), "Meier");
    file.WriteInteger("Fenster", "Breite", 640);
    file.UpdateFile();
  }
  EXPECT_EQ(TMORLAKIniFile(dir.File("TAVI.INI")).ReadInteger("Fenster_Meier", "Breite", 0), 640);
  EXPECT_EQ(TMORLAKIniFile(dir.File("TAVI.INI")).ReadInteger("Fenster", "Breite", 0), 0);
}

}  // namespace
