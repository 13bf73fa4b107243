// The settings file: ini reading rules, writing through a finished copy,
// and what a failed write leaves behind.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "edevexception.h"
#include "inifile.h"
#include "tempdir.h"

namespace {

TEST(IniFile, MissingFileGivesDefaults) {
  tTempDir dir;
  const TMORLAKIniFile file(dir.File("TAVI.INI"));
  EXPECT_EQ(file.ReadInteger("Druckereinstellungen", "LinkerRand", 200), 200);
  EXPECT_FALSE(file.ReadBool("Sonstige_Einstellungen", "Debug", false));
  EXPECT_EQ(file.ReadString("A", "B", "x"), "x");
  EXPECT_TRUE(file.ReadSectionValues("A").isEmpty());
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
  EXPECT_EQ(file.ReadSectionValues("flags"), (QStringList{"Liste=a, b", "Null=0", "Text=ja", "Zwei=2"}));
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
  // Released without UpdateFile: nothing changed, no copy left behind.
  EXPECT_EQ(TMORLAKIniFile(name).ReadInteger("A", "X", 0), 1);
  EXPECT_FALSE(dir.Exists("TAVI.INI.tmp"));
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
  EXPECT_FALSE(dir.Exists("TAVI.INI.tmp"));
}

TEST(IniFile, EraseSectionRemovesOnlyThatSection) {
  tTempDir dir;
  dir.Write("TAVI.INI", "[Druckereinstellungen]\nLinkerRand=1\nAlt=7\n[FORMINI_800_600]\nX_Width=5\n");
  {
    TMORLAKIniFile file(dir.File("TAVI.INI"));
    file.EraseSection("druckereinstellungen");
    file.WriteInteger("Druckereinstellungen", "LinkerRand", 300);
    file.UpdateFile();
  }
  const TMORLAKIniFile file(dir.File("TAVI.INI"));
  EXPECT_EQ(file.ReadSectionValues("Druckereinstellungen"), QStringList{"LinkerRand=300"});
  EXPECT_EQ(file.ReadInteger("FORMINI_800_600", "X_Width", 0), 5);
}

TEST(IniFile, FailedWriteKeepsThePreviousFile) {
  tTempDir dir;
  const QByteArray before = "[A]\nX=1\n";
  dir.Write("TAVI.INI", before);
  dir.MakeDir("TAVI.INI.tmp");  // the working copy cannot be made
  TMORLAKIniFile file(dir.File("TAVI.INI"));
  try {
    file.WriteInteger("A", "X", 2);
    file.UpdateFile();
    FAIL() << "writing should have failed";
  } catch (const EDevException& e) {
    EXPECT_TRUE(e.Message().contains("TAVI.INI.tmp")) << e.Message().toStdString();
  }
  EXPECT_EQ(dir.Read("TAVI.INI"), before);
}

TEST(IniFile, UnreadableFileIsReported) {
  tTempDir dir;
  dir.MakeDir("TAVI.INI");
  EXPECT_THROW(TMORLAKIniFile(dir.File("TAVI.INI")), EDevException);
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
