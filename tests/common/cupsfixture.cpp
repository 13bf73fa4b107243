#include "cupsfixture.h"

#include <errno.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

struct tState {
  pid_t pid = -1;
  QString dir;
};

tState& State() {
  static tState state;
  return state;
}

const char* const kCupsPdfPpds[] = {
    "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd",
    "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd",
    "/usr/share/cups/model/CUPS-PDF_opt.ppd",
    "/usr/share/cups/model/CUPS-PDF.ppd",
};

QString CupsPdfPpd() {
  for (const char* path : kCupsPdfPpds)
    if (QFileInfo::exists(QString::fromLatin1(path))) return QString::fromLatin1(path);
  return QString();
}

QString Cupsd() {
  for (const char* path : {"/usr/sbin/cupsd", "/usr/local/sbin/cupsd"})
    if (::access(path, X_OK) == 0) return QString::fromLatin1(path);
  return QString();
}

bool WriteFile(const QString& path, const QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(text.toUtf8()) >= 0;
}

void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(25)); }

// True once the scheduler accepts connections on its socket.
bool SocketAnswers(const QString& path) {
  const QByteArray p = QFile::encodeName(path);
  sockaddr_un addr{};
  if (static_cast<size_t>(p.size()) >= sizeof(addr.sun_path)) return false;
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, p.constData(), static_cast<size_t>(p.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0;
  ::close(fd);
  return ok;
}

QString Tail(const QString& path, int lines) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(kein Protokoll %1)").arg(path);
  QStringList all = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  if (all.size() > lines) all = all.mid(all.size() - lines);
  return all.join(QLatin1Char('\n'));
}

}  // namespace

bool tCupsFixture::Available(QString* why) {
  QString reason;
  if (::geteuid() != 0)
    reason = QStringLiteral("the cups-pdf backend runs only under a scheduler started by root");
  else if (Cupsd().isEmpty())
    reason = QStringLiteral("cupsd is not installed (package cups)");
  else if (CupsPdfPpd().isEmpty() || ::access("/usr/lib/cups/backend/cups-pdf", F_OK) != 0)
    reason = QStringLiteral("cups-pdf is not installed (package printer-driver-cups-pdf)");
  if (why) *why = reason;
  return reason.isEmpty();
}

QString tCupsFixture::Socket() { return State().dir.isEmpty() ? QString() : State().dir + QStringLiteral("/cups.sock"); }
QString tCupsFixture::ErrorLog() { return State().dir.isEmpty() ? QString() : State().dir + QStringLiteral("/log/error_log"); }
bool tCupsFixture::Running() { return State().pid > 0; }

int tCupsFixture::Run(const QStringList& argv, QString* output) {
  if (argv.isEmpty()) return -1;
  std::vector<std::string> args;
  for (const QString& a : argv) args.push_back(a.toStdString());
  std::vector<char*> cargs;
  for (std::string& a : args) cargs.push_back(a.data());
  cargs.push_back(nullptr);

  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return -1;
  }
  if (pid == 0) {
    const int devnull = ::open("/dev/null", O_RDONLY);
    if (devnull >= 0) ::dup2(devnull, 0);
    ::dup2(fds[1], 1);
    ::dup2(fds[1], 2);
    ::execvp(cargs[0], cargs.data());
    ::_exit(127);
  }
  ::close(fds[1]);
  QByteArray text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<qsizetype>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (output) *output = QString::fromLocal8Bit(text);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool tCupsFixture::Start(const QString& marginPpd, QString* error) {
  auto fail = [error](const QString& message) {
    if (error) *error = message;
    Stop();
    return false;
  };
  if (Running()) return true;
  QString why;
  if (!Available(&why)) return fail(why);
  if (!QFileInfo::exists(marginPpd)) return fail(QStringLiteral("PPD not found: %1").arg(marginPpd));

  char pattern[] = "/tmp/tavi-cups-XXXXXX";
  if (!::mkdtemp(pattern)) return fail(QStringLiteral("cannot create a folder under /tmp"));
  const QString dir = QString::fromLocal8Bit(pattern);
  State().dir = dir;
  ::chmod(pattern, 0755);
  QDir d(dir);
  for (const char* sub : {"etc", "etc/ppd", "spool", "cache", "state", "tmp", "log"})
    if (!d.mkpath(QString::fromLatin1(sub))) return fail(QStringLiteral("cannot create %1/%2").arg(dir, QLatin1String(sub)));
  ::chmod(QFile::encodeName(dir + QStringLiteral("/tmp")).constData(), 01777);

  const QString files = QStringLiteral(
                            "ServerRoot %1/etc\n"
                            "RequestRoot %1/spool\n"
                            "CacheDir %1/cache\n"
                            "StateDir %1/state\n"
                            "TempDir %1/tmp\n"
                            "AccessLog %1/log/access_log\n"
                            "ErrorLog %1/log/error_log\n"
                            "PageLog %1/log/page_log\n"
                            "Printcap %1/printcap\n"
                            "SystemGroup root\n"
                            "FileDevice No\n"
                            "Sandboxing Relaxed\n")
                            .arg(dir);
  const QString conf = QStringLiteral(
                           "Listen %1/cups.sock\n"
                           "LogLevel info\n"
                           "Browsing No\n"
                           "WebInterface No\n"
                           "DefaultAuthType None\n"
                           "JobRetryLimit 0\n"
                           "PreserveJobHistory No\n"
                           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                           "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n</Policy>\n")
                           .arg(dir);
  if (!WriteFile(dir + QStringLiteral("/etc/cups-files.conf"), files) ||
      !WriteFile(dir + QStringLiteral("/etc/cupsd.conf"), conf))
    return fail(QStringLiteral("cannot write the scheduler's configuration"));

  ::setenv("CUPS_SERVER", QFile::encodeName(Socket()).constData(), 1);

  // The scheduler runs in the foreground as our child and ends with us.
  const std::string cupsd = Cupsd().toStdString();
  const std::string confPath = (dir + QStringLiteral("/etc/cupsd.conf")).toStdString();
  const std::string filesPath = (dir + QStringLiteral("/etc/cups-files.conf")).toStdString();
  const std::string outPath = (dir + QStringLiteral("/log/cupsd.out")).toStdString();
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid < 0) return fail(QStringLiteral("fork failed"));
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(1);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
      ::dup2(out, 1);
      ::dup2(out, 2);
    }
    const int devnull = ::open("/dev/null", O_RDONLY);
    if (devnull >= 0) ::dup2(devnull, 0);
    ::execl(cupsd.c_str(), cupsd.c_str(), "-f", "-c", confPath.c_str(), "-s", filesPath.c_str(),
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  State().pid = pid;

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!SocketAnswers(Socket())) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      State().pid = -1;
      return fail(QStringLiteral("cupsd ended at start:\n%1\n%2")
                      .arg(Tail(dir + QStringLiteral("/log/cupsd.out"), 20), Tail(ErrorLog(), 20)));
    }
    if (std::chrono::steady_clock::now() > deadline)
      return fail(QStringLiteral("cupsd did not answer within 20 s:\n%1").arg(Tail(ErrorLog(), 20)));
    Pause();
  }

  // The queues get PostScript; poppler's cairo renderer keeps the text of
  // the PDF as text (the default one turns it into pictures of glyphs,
  // which pdftotext cannot read back).
  const QString kRenderer = QStringLiteral("pdftops-renderer-default=pdftocairo");
  const QList<QStringList> commands = {
      {QStringLiteral("lpadmin"), QStringLiteral("-p"), PdfQueue(), QStringLiteral("-E"), QStringLiteral("-v"),
       QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), CupsPdfPpd(), QStringLiteral("-o"), kRenderer},
      {QStringLiteral("lpadmin"), QStringLiteral("-p"), MarginQueue(), QStringLiteral("-E"), QStringLiteral("-v"),
       QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), marginPpd, QStringLiteral("-o"), kRenderer},
      {QStringLiteral("lpadmin"), QStringLiteral("-d"), PdfQueue()},
  };
  for (const QStringList& command : commands) {
    QString output;
    if (Run(command, &output) != 0)
      return fail(QStringLiteral("%1 failed:\n%2\n%3").arg(command.join(QLatin1Char(' ')), output, Tail(ErrorLog(), 20)));
  }
  return true;
}

void tCupsFixture::Stop() {
  tState& state = State();
  if (state.pid > 0) {
    ::kill(state.pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (::waitpid(state.pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        ::kill(state.pid, SIGKILL);
        ::waitpid(state.pid, &status, 0);
        break;
      }
      Pause();
    }
    state.pid = -1;
  }
  if (!state.dir.isEmpty()) {
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(state.dir).toStdString(), ignored);
    state.dir.clear();
  }
}

void tCupsFixture::HideScheduler() {
  const QString nowhere = QDir::tempPath() + QStringLiteral("/tavi-no-cups-%1/cups.sock").arg(::getpid());
  ::setenv("CUPS_SERVER", QFile::encodeName(nowhere).constData(), 1);
}

QString tCupsFixture::PdfOutputDir() {
  QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
  QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
  if (conf.open(QIODevice::ReadOnly)) {
    const QRegularExpression outLine(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$"));
    QTextStream in(&conf);
    while (!in.atEnd()) {
      const QRegularExpressionMatch m = outLine.match(in.readLine());
      if (m.hasMatch()) out = m.captured(1);
    }
  }
  const passwd* pw = ::getpwuid(::geteuid());
  const QString home = pw ? QString::fromLocal8Bit(pw->pw_dir) : QDir::homePath();
  const QString user = pw ? QString::fromLocal8Bit(pw->pw_name) : QString();
  out.replace(QStringLiteral("${HOME}"), home);
  out.replace(QStringLiteral("${USER}"), user);
  return out;
}

QString tCupsFixture::WaitForPdf(const QString& titleMark, int timeoutMs, QString* error) {
  const QString dir = PdfOutputDir();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  QString pending;
  for (;;) {
    const int rc = Run({QStringLiteral("lpstat"), QStringLiteral("-o")}, &pending);
    if (rc == 0 && pending.trimmed().isEmpty()) {
      const QFileInfoList found =
          QDir(dir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
      for (const QFileInfo& file : found)
        if (file.fileName().contains(titleMark)) return file.absoluteFilePath();
    }
    if (std::chrono::steady_clock::now() > deadline) break;
    Pause();
  }
  if (error)
    *error = QStringLiteral("no PDF named *%1* in %2 after %3 ms; pending jobs:\n%4\nscheduler log:\n%5")
                 .arg(titleMark, dir)
                 .arg(timeoutMs)
                 .arg(pending, Tail(ErrorLog(), 30));
  return QString();
}
