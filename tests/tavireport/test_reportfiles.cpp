// What tavi-report does to files besides its output: planted links,
// full disks, special files, files it may not write, the program's own
// files, termination signals, data files that are no file or hold values
// no field takes, and names in any encoding. The real program runs in a
// temporary program directory, started with fork and exec so that a case
// can change the child (its file-size limit, its user, its umask) and pass
// names as raw bytes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <functional>

#include "posixtest.h"
#include "tavidaten.h"
#include "tempdir.h"
#include "workedexample.h"

namespace {

struct tRun {
  int status = -1;  // exit status, or -signal
  QString err;
};

class ReportFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_REPORT_PROGRAM), QStringLiteral("tavi-report")));
    ASSERT_TRUE(WorkedExample().SaveToFile(Path("TAVI.DAT")));
    ::chmod(QFile::encodeName(fDir.Path()).constData(), 0755);  // for the cases run as nobody
  }
  std::string Path(const char* name) const { return QFile::encodeName(fDir.File(QString::fromUtf8(name))).toStdString(); }
  QByteArray Read(const char* name) const { return fDir.Read(QString::fromUtf8(name)); }

  // Starts tavi-report with these argument bytes in the program folder;
  // inChild runs in the child right before exec.
  pid_t Start(const std::vector<std::string>& args, const std::function<void()>& inChild = {}) {
    const std::string program = Path("tavi-report"), err = QFile::encodeName(fErr.File("err")).toStdString();
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (::chdir(QFile::encodeName(fDir.Path()).constData()) != 0) ::_exit(120);
    const int fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    ::dup2(fd, 2);
    ::setenv("LC_ALL", "C", 1);
    for (const int s : {SIGINT, SIGTERM, SIGHUP}) ::signal(s, SIG_DFL);  // whatever the test runner ignores
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(name);
    if (inChild) inChild();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(121);
  }
  tRun Wait(pid_t child) {
    tRun run;
    int status = 0;
    for (int i = 0; i < 1200 && ::waitpid(child, &status, WNOHANG) == 0; ++i) QThread::msleep(100);
    if (::waitpid(child, &status, WNOHANG) == 0) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      ADD_FAILURE() << "tavi-report did not end";
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    run.err = QString::fromUtf8(fErr.Read(QStringLiteral("err")));
    return run;
  }
  tRun Run(const std::vector<std::string>& args, const std::function<void()>& inChild = {}) {
    return Wait(Start(args, inChild));
  }
  QStringList Names() const { return QDir(fDir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot); }
  bool NoTemporaryFiles() const { return Names().filter(QStringLiteral(".tmp")).isEmpty(); }

  tTempDir fDir, fErr, fOutside;
};

mode_t Mode(const std::string& name) {
  struct stat st {};
  return ::lstat(name.c_str(), &st) == 0 ? st.st_mode : 0;
}

TEST_F(ReportFiles, PlantedLinksCannotRedirectAnExport) {
  const std::string victim = QFile::encodeName(fOutside.File(QStringLiteral("geheim"))).toStdString();
  ASSERT_TRUE(fOutside.Write(QStringLiteral("geheim"), "nur meins"));
  ::chmod(victim.c_str(), 0600);
  // The links wait for this very process: its id does not change with exec.
  const tRun run = Run({"table", "--pdf", "out.pdf"}, [&] {
    const std::string id = std::to_string(::getpid());
    for (const std::string& trap : {".out.pdf." + id + ".tmp", "out.pdf." + id + ".tmp"})
      if (::symlink(victim.c_str(), trap.c_str()) != 0) ::_exit(122);
  });
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  EXPECT_EQ(fOutside.Read(QStringLiteral("geheim")), QByteArray("nur meins"));
  EXPECT_TRUE(Read("out.pdf").startsWith("%PDF"));
}

TEST_F(ReportFiles, FullDiskIsAFailureAndTheOldFileStays) {
  const struct {
    std::vector<std::string> args;
    rlim_t limit;
  } cases[] = {{{"table", "--years", "1000", "--csv", "out"}, 100000},
               {{"graph", "--pdf", "out"}, 8000},
               {{"table", "--years", "10", "--pdf", "out"}, 20000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.front() + " " + std::to_string(c.limit));
    ASSERT_TRUE(fDir.Write(QStringLiteral("out"), "alt"));
    const tRun run = Run(c.args, [&] {
      const rlimit limit{c.limit, c.limit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Die Datei überschreitet die erlaubte Größe (File too large)")))
        << qPrintable(run.err);
    EXPECT_EQ(Read("out"), QByteArray("alt"));
    EXPECT_TRUE(NoTemporaryFiles()) << qPrintable(Names().join(u' '));
  }
}

TEST_F(ReportFiles, SpecialFilesAndTheProgramsOwnFilesAreNotReplaced) {
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0666), 0);
  ASSERT_EQ(::link(Path("TAVI.DAT").c_str(), Path("zweitname").c_str()), 0);
  ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.INI"), "[Druckereinstellungen]\n"));
  ASSERT_TRUE(fDir.Write(QStringLiteral("BLATT1.CFM"), "form"));
  ASSERT_TRUE(fDir.Write(QStringLiteral("x.dat"), Read("TAVI.DAT")));
  const struct {
    std::vector<std::string> args;
    std::string file;
    const char* why;
  } cases[] = {
      {{"table", "--csv", "fifo"}, "fifo", "ist eine benannte Pipe (FIFO)"},
      {{"graph", "--pdf", "fifo"}, "fifo", "ist eine benannte Pipe (FIFO)"},
      {{"table", "--csv", "/dev/null"}, "/dev/null", "ist eine Gerätedatei"},
      {{"table", "--csv", "TAVI.DAT"}, "TAVI.DAT", "des Programms"},
      {{"table", "--csv", "zweitname"}, "zweitname", "des Programms"},
      {{"table", "--data", "x.dat", "--csv", "x.dat"}, "x.dat", "des Programms"},
      {{"graph", "--pdf", "TAVI.INI"}, "TAVI.INI", "des Programms"},
      {{"table", "--pdf", "BLATT1.CFM"}, "BLATT1.CFM", "des Programms"},
      {{"table", "--csv", "tavi-report"}, "tavi-report", "des Programms"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const std::string file = c.file[0] == '/' ? c.file : Path(c.file.c_str());
    const mode_t mode = Mode(file);
    const QByteArray before = c.file == "fifo" || c.file[0] == '/' ? QByteArray() : Read(c.file.c_str());
    const tRun run = Run(c.args);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.why))) << qPrintable(run.err);
    EXPECT_EQ(Mode(file), mode);
    if (!before.isEmpty()) {
      EXPECT_EQ(Read(c.file.c_str()), before);
    }
    EXPECT_TRUE(NoTemporaryFiles());
  }
}

TEST_F(ReportFiles, WriteProtectionAndPermissionsAreKept) {
  ASSERT_EQ(::chown(QFile::encodeName(fDir.Path()).constData(), posixtest::kNobodyId, posixtest::kNobodyId), 0);
  const struct {
    const char* output;
    mode_t mode;  // 0: no file yet
    bool written;
    mode_t after;
  } cases[] = {{"--pdf", 0444, false, 0444}, {"--csv", 0000, false, 0000}, {"--pdf", 0600, true, 0600},
               {"--csv", 0640, true, 0640},  {"--pdf", 0, true, 0640}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.output) + " " + std::to_string(c.mode));
    const std::string out = Path("out");
    ::unlink(out.c_str());
    if (c.mode != 0 || !c.written) {
      ASSERT_TRUE(fDir.Write(QStringLiteral("out"), "alt"));
      ASSERT_EQ(::chown(out.c_str(), posixtest::kNobodyId, posixtest::kNobodyId), 0);
      ::chmod(out.c_str(), c.mode);
    }
    const tRun run = Run({"table", c.output, "out"}, [] {
      ::umask(027);
      if (::setgroups(0, nullptr) != 0 || ::setgid(posixtest::kNobodyId) != 0 || ::setuid(posixtest::kNobodyId) != 0)
        ::_exit(posixtest::kCannotDrop);
    });
    EXPECT_EQ(run.status, c.written ? 0 : 1) << qPrintable(run.err);
    EXPECT_EQ(run.err.contains(QStringLiteral("darf nicht geschrieben werden")), !c.written) << qPrintable(run.err);
    EXPECT_EQ(Mode(out) & 0777, c.after);
    EXPECT_EQ(Read("out") == QByteArray("alt"), !c.written);
  }
}

TEST_F(ReportFiles, TerminationSignalsLeaveNoTemporaryFile) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    ASSERT_TRUE(fDir.Write(QStringLiteral("gross.pdf"), "alt"));
    const pid_t child = Start({"table", "--years", "60000", "--pdf", "gross.pdf"});
    bool writing = false;
    for (int i = 0; i < 600 && !writing; ++i) {
      QThread::msleep(50);
      writing = !Names().filter(QStringLiteral("gross.pdf.")).isEmpty();
    }
    EXPECT_TRUE(writing);
    ::kill(child, signal);
    EXPECT_EQ(Wait(child).status, -signal);
    EXPECT_TRUE(NoTemporaryFiles()) << qPrintable(Names().join(u' '));
    EXPECT_EQ(Read("gross.pdf"), QByteArray("alt"));
  }
}

TEST_F(ReportFiles, DataFilesThatAreNoFileOrHoldValuesNoFieldTakes) {
  ASSERT_TRUE(fDir.MakeDir(QStringLiteral("ordner")));
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0666), 0);
  ASSERT_EQ(::symlink("schleife", Path("schleife").c_str()), 0);
  tTaviDaten wrong = WorkedExample();
  wrong.AnteilVorb = 60;
  wrong.AnteilDurchf = 70;
  wrong.PotentialVorb = 255;
  ASSERT_TRUE(wrong.SaveToFile(Path("falsch.dat")));
  const struct {
    const char* data;
    const char* message;
  } cases[] = {
      {"ordner", "Die Datendatei \"ordner\" ist ein Ordner."},
      {"fifo", "Die Datendatei \"fifo\" ist eine benannte Pipe (FIFO)."},
      {"/dev/null", "Die Datendatei \"/dev/null\" ist eine Gerätedatei."},
      {"schleife", "Die Datendatei \"schleife\" ist eine Schleife symbolischer Verknüpfungen."},
      {"falsch.dat",
       "Die Datendatei \"falsch.dat\" enthält Werte, die kein Eingabefeld annimmt: Einsparung Vorbereitung: 255 "
       "(erlaubt 0 bis 100); Anteil Vorbereitung und Anteil Durchführung: zusammen 130 % (erlaubt höchstens 100 %). "
       "Es wird nichts ausgegeben."},
  };
  for (const auto& c : cases) {
    const tRun run = Run({"table", "--data", c.data, "--csv", "out.csv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, QStringLiteral("tavi-report: %1\n").arg(QString::fromUtf8(c.message)));
    EXPECT_FALSE(fDir.Exists(QStringLiteral("out.csv")));
  }
}

TEST_F(ReportFiles, NamesInAnyEncodingAreUsedAsTheyAre) {
  ASSERT_EQ(::rename(Path("TAVI.DAT").c_str(), (Path("M") + "\xfcller.dat").c_str()), 0);  // Latin-1
  const tRun run = Run({"table", "--data", "M\xfcller.dat", "--csv", "bad\xff.csv"});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  struct stat st {};
  EXPECT_EQ(::stat((Path("bad") + "\xff.csv").c_str(), &st), 0);
  EXPECT_GT(st.st_size, 1000);
  for (const char* name : {"/M\xfcller.dat", "/bad\xff.csv"})  // names the folder's removal cannot spell
    ::unlink((QFile::encodeName(fDir.Path()).toStdString() + name).c_str());
}

}  // namespace
