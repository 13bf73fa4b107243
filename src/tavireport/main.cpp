// tavi-report: the printouts of TAVI and their figures without
// windows, for scripts and for people who want the printouts without
// clicking. See cmdline.h for the command line and reportrun.h for what it
// does; --help explains both in German.
//
// It needs no display: without a platform of its own choosing it runs on
// Qt's offscreen platform.
#include <QApplication>
#include <QLocale>
#include <csignal>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cmdline.h"
#include "numfmt.h"
#include "reportrun.h"
#include "tempfiles.h"

namespace {

// Standard error is for the program's own German messages, which scripts
// read: Qt's notes about the environment (no runtime directory, say) stay
// out of it. Fatal messages still end the program.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << "tavi-report: " << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  // Ctrl+C, kill or a closed terminal leave no half-written temporary file;
  // a file-size limit is a failure to report, not the end of the program.
  safefile::InstallSignalCleanup();
  std::signal(SIGXFSZ, SIG_IGN);
  qInstallMessageHandler(QuietQtMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Qt takes the user's locale into the C library; its number conversions
  // must keep the point. The user's decimal separator is used for every
  // number shown, as in the program.
  std::setlocale(LC_NUMERIC, "C");
  SetDecimalSeparator(QLocale().decimalPoint().toStdString());

  // The arguments as the system passed them (the toolkit has taken its
  // own out): file names keep their bytes, whatever their encoding.
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const tReportCommand command = ParseCommandLine(arguments);
  switch (command.Kind) {
    case tReportCommand::tKind::Help:
      std::cout << HelpText().toStdString();
      return 0;
    case tReportCommand::tKind::Usage:
      std::cerr << "tavi-report: " << command.Message.toStdString() << '\n'
                << "Aufruf: tavi-report table|graph|overview|economics|sensitivity|workbook|compare ...; "
                   "\"tavi-report --help\" zeigt alle Möglichkeiten.\n";
      return 2;
    case tReportCommand::tKind::Table:
    case tReportCommand::tKind::Graph:
    case tReportCommand::tKind::Overview:
    case tReportCommand::tKind::Economics:
    case tReportCommand::tKind::Workbook:
    case tReportCommand::tKind::Compare:
    case tReportCommand::tKind::Sensitivity:
      break;
  }
  return RunReport(command, QCoreApplication::applicationDirPath(), std::cerr);
}
