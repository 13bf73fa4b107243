// The recent calculation files: their order, the limit, files gone from the
// disk, and the settings file's other lines, which stay as they were.
#include <gtest/gtest.h>

#include <QFile>

#include "recentfiles.h"
#include "tempdir.h"

namespace {

TEST(RecentFiles, NewestFirstAtMostFour) {
  tRecentFiles recent;
  struct tStep {
    const char* add;
    QStringList expected;
  } steps[] = {
      {"/a.tavi", {"/a.tavi"}},
      {"/b.tavi", {"/b.tavi", "/a.tavi"}},
      {"/a.tavi", {"/a.tavi", "/b.tavi"}},  // moves up, not twice
      {"/c.tavi", {"/c.tavi", "/a.tavi", "/b.tavi"}},
      {"/d.tavi", {"/d.tavi", "/c.tavi", "/a.tavi", "/b.tavi"}},
      {"/e.tavi", {"/e.tavi", "/d.tavi", "/c.tavi", "/a.tavi"}},  // the oldest goes
      {"/x/../c.tavi", {"/c.tavi", "/e.tavi", "/d.tavi", "/a.tavi"}},
  };
  for (const tStep& step : steps) {
    recent.Add(QString::fromLatin1(step.add));
    EXPECT_EQ(recent.Files(), step.expected) << step.add;
  }
}

TEST(RecentFiles, SettingsFileKeepsOrderDropsMissingAndForeignLines) {
  tTempDir dir;
  for (const char* name : {"eins.tavi", "zwei.tavi", "drei.tavi"}) ASSERT_TRUE(dir.Write(name, "x"));
  const QByteArray foreign =
      "; Einstellungen\r\n[Druckereinstellungen]\r\nLinkerRand=250\r\n\r\n[Fremd]\r\nSchluessel=Wert\r\n";
  ASSERT_TRUE(dir.Write("TAVI.INI", foreign));
  const QString ini = dir.File("TAVI.INI");

  tRecentFiles written;
  for (const char* name : {"drei.tavi", "fehlt.tavi", "zwei.tavi", "eins.tavi"}) written.Add(dir.File(name));
  ASSERT_TRUE(written.Save(ini));
  const QByteArray text = dir.Read("TAVI.INI");
  EXPECT_TRUE(text.startsWith(foreign)) << text.constData();
  EXPECT_TRUE(text.contains("[Zuletzt verwendet]\r\nDatei1=")) << text.constData();

  ASSERT_TRUE(QFile::remove(dir.File("zwei.tavi")));
  tRecentFiles read;
  read.Load(ini);
  EXPECT_EQ(read.Files(), (QStringList{dir.File("eins.tavi"), dir.File("drei.tavi")}));

  // Written again: the section shrinks in its place, the rest stays.
  ASSERT_TRUE(read.Save(ini));
  tRecentFiles again;
  again.Load(ini);
  EXPECT_EQ(again.Files(), read.Files());
  EXPECT_TRUE(dir.Read("TAVI.INI").startsWith(foreign));
  EXPECT_FALSE(dir.Read("TAVI.INI").contains("Datei3="));
}

}  // namespace
