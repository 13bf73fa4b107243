#include "comparerun.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <exception>
#include <vector>

#include "calcfile.h"
#include "comparecsv.h"
#include "datafiles.h"
#include "compareprinting.h"
#include "edevexception.h"
#include "fieldranges.h"
#include "pricetable.h"
#include "printer.h"
#include "programfiles.h"
#include "reporthost.h"
#include "reportoutput.h"
#include "tavidaten.h"

int RunCompare(const tReportCommand& command, const QString& programDir, std::ostream& err) {
  // The settings (margins) the program would use for this user; read, never written.
  const tDataFiles files = DecideDataFiles(programDir, tDataFolderUse::ReadOnly);
  std::vector<std::string> protectedFiles = ProgramFiles(programDir);
  protectedFiles.push_back(QFile::encodeName(files.DataFile).toStdString());
  protectedFiles.push_back(QFile::encodeName(files.SettingsFile).toStdString());
  for (const std::string& path : command.ComparePaths) protectedFiles.push_back(path);
  tReportOutput output(err, ::isatty(STDERR_FILENO) == 1, protectedFiles);

  std::vector<tCompareColumn> columns;
  QString info;
  for (size_t i = 0; i < command.ComparePaths.size(); ++i) {
    const std::string& path = command.ComparePaths[i];
    const QString shown = command.CompareFiles[static_cast<qsizetype>(i)];
    tTaviDaten daten;
    const tCalcFileLoad load = LoadCalculationFile(path, daten);
    if (!load) {
      output.Say(QString::fromStdString(CalcFileErrorText(load, shown.toStdString())));
      return 1;
    }
    if (const std::vector<tRangeProblem> problems = OutOfRange(daten); !problems.empty()) {
      QStringList texts;
      for (const tRangeProblem& p : problems) texts << QString::fromStdString(p.text);
      output.Say(QStringLiteral("Die Datei \"%1\" enthält Werte, die kein Eingabefeld annimmt: %2. Es wird nichts "
                                "ausgegeben.")
                     .arg(shown, texts.join(QStringLiteral("; "))));
      return 1;
    }
    if (const std::string unknown = UnknownOptionMessage(daten); !unknown.empty()) {
      output.Say(QStringLiteral("In der Datei \"%1\": %2").arg(shown, QString::fromStdString(unknown)));
      return 1;
    }
    if (const std::string problem = daten.Extension().Problem(); !problem.empty())
      output.Say(QStringLiteral("Warnung (\"%1\"): ").arg(shown) + QString::fromStdString(problem));
    if (info.isEmpty() && !daten.GetAnwendername().empty())
      info = QStringLiteral("Bearbeitet von ") + QString::fromStdString(daten.GetAnwendername());
    const QString fileName = shown.section(QLatin1Char('/'), -1);
    columns.push_back(CompareColumn(daten, fileName.toStdString()));
  }

  if (command.Output == tReportCommand::tOutput::Csv) {
    const char point = QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    return output.WriteCsv({command.TargetPath, command.Target}, static_cast<int64_t>(CompareRows().size()) + 2,
                           [&](std::ostream& out) { WriteCompareCsv(out, columns, point); });
  }
  try {
    tReportHost host(files.SettingsFile);
    host.SelectPrinter(tExtendedPrinter::PdfDestinationName(), [&output](const QString& side) {
      output.Say(QStringLiteral("Warnung: Der %1 Rand aus TAVI.INI passt nicht auf das Papier und bleibt frei.").arg(side));
    });
    tComparePrinting job(columns, info.isEmpty() ? QStringLiteral("Bearbeitet von ") : info);
    return output.WritePdf({command.TargetPath, command.Target}, job);
  } catch (const std::exception& e) {
    output.Say(ExceptionMessage(e));
    return 1;
  }
}
