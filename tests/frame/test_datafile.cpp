// The program's data file: its lock (another program, a crashed one, two
// names of one file) and the leftovers of killed saves, removed only by the
// program that holds the lock.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "datafile.h"
#include "tempdir.h"

namespace {

using tLock = tDataFile::tLock;

TEST(DataFileLock, CrashedHoldersAreClearedRunningOnesAskedAndLeftoversGoWithTheLock) {
  tTempDir dir;
  const QString name = dir.File(QStringLiteral("TAVI.DAT"));
  for (const char* leftover : {"TAVI.DAT.aZ09bY18.tmp", "TAVI.INI.Qq11Ww22.tmp", "TAVI.DAT.notiz"})
    ASSERT_TRUE(dir.Write(QString::fromLatin1(leftover), "x"));
  ASSERT_TRUE(QFile::link(name, dir.File(QStringLiteral("verweis.dat"))));

  // A program that ends without releasing its lock, as a crash would.
  const pid_t child = ::fork();
  if (child == 0) {
    tDataFile crashed(name);
    ::_exit(crashed.Lock() == tLock::Acquired ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(dir.Exists(QStringLiteral("TAVI.DAT.lock")));

  tDataFile holder(name);
  EXPECT_EQ(holder.Lock(), tLock::Acquired);
  for (const QString& other : {name, dir.File(QStringLiteral("verweis.dat"))}) {
    tDataFile second(other);
    EXPECT_EQ(second.Lock(), tLock::HeldByOther);
    EXPECT_TRUE(second.Holder().contains(QStringLiteral("(Prozess %1)").arg(::getpid()))) << qPrintable(second.Holder());
    EXPECT_EQ(second.RemoveStaleTemporaries({dir.File(QStringLiteral("TAVI.INI"))}), 0);
  }
  EXPECT_EQ(holder.RemoveStaleTemporaries({dir.File(QStringLiteral("TAVI.INI"))}), 2);
  EXPECT_FALSE(dir.Exists(QStringLiteral("TAVI.DAT.aZ09bY18.tmp")));
  EXPECT_TRUE(dir.Exists(QStringLiteral("TAVI.DAT.notiz")));
}

}  // namespace
