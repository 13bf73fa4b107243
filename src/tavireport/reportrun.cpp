#include "reportrun.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <functional>
#include <memory>

#include "datafiles.h"
#include "comparerun.h"
#include "deckblattprinting.h"
#include "economics.h"
#include "economicscsv.h"
#include "edevexception.h"
#include "fieldranges.h"
#include "filetexts.h"
#include "graphaxes.h"
#include "graphprinting.h"
#include "pageplayer.h"
#include "payback.h"
#include "pricetable.h"
#include "printer.h"
#include "programfiles.h"
#include "reporthost.h"
#include "reportoutput.h"
#include "sensitivity.h"
#include "sensitivitycsv.h"
#include "tablecsv.h"
#include "taviprinting.h"
#include "tavidaten.h"
#include "workbook.h"

namespace {

using tKind = tReportCommand::tKind;
using tOutput = tReportCommand::tOutput;

QString Native(const QString& file) { return QDir::toNativeSeparators(file); }

// Writes what `produce` puts out (`lines` lines), with the locale's
// decimal point.
int WriteCsv(const tReportCommand& command, int64_t lines,
             const std::function<void(std::ostream&, char)>& produce, tReportOutput& output) {
  const QString decimal = QLocale::system().decimalPoint();
  const char point = decimal == QStringLiteral(",") ? ',' : '.';
  return output.WriteCsv({command.TargetPath, command.Target}, lines,
                         [&](std::ostream& out) { produce(out, point); });
}

}  // namespace

void ApplyEconomicsOptions(const tReportCommand& command, tEconomicsInputs& inputs) {
  if (command.RunningCostsZS) inputs.RunningCostsZS = *command.RunningCostsZS;
  if (command.RunningCostsPL) inputs.RunningCostsPL = *command.RunningCostsPL;
  if (command.UsefulLife) inputs.UsefulLife = *command.UsefulLife;
  if (command.RateTenths) inputs.RateTenths = *command.RateTenths;
}

void ApplySensitivityOptions(const tReportCommand& command, tSensitivityInputs& inputs) {
  if (command.TargetMonths) inputs.TargetMonths = *command.TargetMonths;
  if (command.Percent) inputs.Percent = *command.Percent;
}

QString PrepareRecord(tTaviDaten& daten) {
  if (const std::string unknown = UnknownOptionMessage(daten); !unknown.empty()) return QString::fromStdString(unknown);
  ApplyStandardPricesToRecord(daten);
  return QString();
}

int RunReport(const tReportCommand& command, const QString& programDir, std::ostream& err) {
  if (command.Kind == tKind::Compare) return RunCompare(command, programDir, err);
  // The files the program would use for this user; read, never written.
  const tDataFiles files = DecideDataFiles(programDir, tDataFolderUse::ReadOnly);
  const QString defaultData = files.DataFile;
  const std::string dataPath =
      command.DataPath.empty() ? QFile::encodeName(defaultData).toStdString() : command.DataPath;
  const QString dataShown = command.DataPath.empty() ? Native(defaultData) : command.DataFile;
  std::vector<std::string> protectedFiles = ProgramFiles(programDir);
  protectedFiles.push_back(dataPath);
  protectedFiles.push_back(QFile::encodeName(files.SettingsFile).toStdString());
  tReportOutput output(err, ::isatty(STDERR_FILENO) == 1, protectedFiles);

  if (const std::string kind = filetexts::FileKindClause(dataPath); !kind.empty()) {
    output.Say(QStringLiteral("Die Datendatei \"%1\" %2.").arg(dataShown, QString::fromStdString(kind)));
    return 1;
  }
  tTaviDaten daten;
  if (!daten.LoadFromFile(dataPath)) {
    output.Say(QStringLiteral("Die Datendatei \"%1\" kann nicht gelesen werden.").arg(dataShown));
    return 1;
  }
  if (const std::vector<tRangeProblem> problems = OutOfRange(daten); !problems.empty()) {
    QStringList texts;
    for (const tRangeProblem& p : problems) texts << QString::fromStdString(p.text);
    output.Say(QStringLiteral("Die Datendatei \"%1\" enthält Werte, die kein Eingabefeld annimmt: %2. Es wird nichts "
                              "ausgegeben.")
                   .arg(dataShown, texts.join(QStringLiteral("; "))));
    return 1;
  }
  if (const QString problem = PrepareRecord(daten); !problem.isEmpty()) {
    output.Say(QStringLiteral("In der Datendatei \"%1\": %2").arg(dataShown, problem));
    return 1;
  }
  if (const std::string problem = daten.Extension().Problem(); !problem.empty())
    output.Say(QStringLiteral("Warnung: ") + QString::fromStdString(problem));
  ApplyEconomicsOptions(command, daten.Economics);
  ApplySensitivityOptions(command, daten.Sensitivity);
  tPaybackCalc calc;
  calc.Calculate(daten);
  tEconomicsCalc economics;
  economics.Calculate(daten, calc, daten.Economics);

  if (command.Kind == tKind::Workbook) {
    const std::string problem = SaveWorkbook(BuildWorkbook(daten, calc, economics, command.Years),
                                             command.TargetPath, output.ProtectedFiles());
    if (problem.empty()) return 0;
    output.Say(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2.")
                   .arg(command.Target, QString::fromStdString(problem)));
    return 1;
  }

  if (command.Output == tOutput::Csv) {
    if (command.Kind == tKind::Economics)
      return WriteCsv(
          command, 4, [&economics](std::ostream& out, char point) { WriteEconomicsCsv(out, economics, point); },
          output);
    if (command.Kind == tKind::Sensitivity) {
      tSensitivityCalc sensitivity;
      sensitivity.Calculate(daten, daten.Economics, daten.Sensitivity);
      // The header, a row per comparison and input, a blank line, the header
      // and the three rows of the cases.
      constexpr int64_t kLines = 1 + kComparisons * kSensitivityInputs + 2 + kCases;
      return WriteCsv(
          command, kLines,
          [&sensitivity](std::ostream& out, char point) { WriteSensitivityCsv(out, sensitivity, point); }, output);
    }
    // The table's columns of the appraisal come with its inputs.
    const bool withEconomics = !daten.Economics.IsDefault() || command.HasEconomicsOption();
    return WriteCsv(
        command, int64_t(command.Years) * 12 + 2,
        [&](std::ostream& out, char point) {
          WriteTableCsv(out, tCostSeries(calc), command.Years * 12, point, withEconomics ? &economics : nullptr);
        },
        output);
  }

  try {
    tReportHost host(files.SettingsFile);
    const bool pdf = command.Output == tOutput::Pdf;
    host.SelectPrinter(pdf ? tExtendedPrinter::PdfDestinationName() : command.Target, [&output](const QString& side) {
      output.Say(QStringLiteral("Warnung: Der %1 Rand aus TAVI.INI passt nicht auf das Papier und bleibt frei.").arg(side));
    });
    std::unique_ptr<tPrinting> job;
    if (command.Kind == tKind::Overview || command.Kind == tKind::Economics || command.Kind == tKind::Sensitivity) {
      // A sheet that cannot be drawn ends the run: nothing is written.
      job = std::make_unique<tDeckBlattPrinting>(
          daten, calc, programDir,
          [](const QString& message) {
            QString text = message;
            throw EDevException(text.replace(QStringLiteral("\n\r"), QStringLiteral(" ")));
          },
          command.Kind == tKind::Economics     ? tOverviewSheets::EconomicsOnly
          : command.Kind == tKind::Sensitivity ? tOverviewSheets::SensitivityOnly
                                               : tOverviewSheets::Overview);
    } else if (command.Kind == tKind::Table) {
      job = std::make_unique<tTaviPrinting>(command.Years * 12, daten, calc);
    } else {
      const tGraphAxes proposal = ProposedGraphAxes(calc);
      const int32_t months = command.Months.value_or(proposal.Months);
      const int32_t maxCost = command.MaxCost.value_or(proposal.MaxCost);
      if (const QString problem = CostAxisProblem(maxCost); !problem.isEmpty()) {
        // Only a proposal can come here (the command line was checked): the
        // record's figures give no cost axis of a thousand euros or more.
        output.Say(problem + QStringLiteral(" Bitte geben Sie --max-cost an."));
        return 1;
      }
      job = std::make_unique<tGraphPrinting>(
          months, daten, calc, [maxCost] { return maxCost; }, [&calc, &daten] { calc.Calculate(daten); });
    }
    if (pdf) return output.WritePdf({command.TargetPath, command.Target}, *job);
    PlayPages(*job);
  } catch (const std::exception& e) {
    output.Say(ExceptionMessage(e));
    return 1;
  }
  return 0;
}
