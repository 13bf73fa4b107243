#include "reportrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <functional>
#include <memory>
#include <sstream>

#include "deckblattprinting.h"
#include "economics.h"
#include "economicscsv.h"
#include "edevexception.h"
#include "graphaxes.h"
#include "graphprinting.h"
#include "pageplayer.h"
#include "payback.h"
#include "pricetable.h"
#include "printer.h"
#include "reporthost.h"
#include "sensitivity.h"
#include "sensitivitycsv.h"
#include "tablecsv.h"
#include "taviprinting.h"
#include "tavidaten.h"

namespace {

using tKind = tReportCommand::tKind;
using tOutput = tReportCommand::tOutput;

void Say(std::ostream& err, const QString& message) {
  err << "tavi-report: " << message.toStdString() << '\n';
}

QString Native(const QString& file) { return QDir::toNativeSeparators(file); }

// Writes what `produce` puts out, with the locale's decimal point.
int WriteCsv(const tReportCommand& command, const std::function<void(std::ostream&, char)>& produce,
             std::ostream& err) {
  const QString decimal = QLocale::system().decimalPoint();
  const char point = decimal == QStringLiteral(",") ? ',' : '.';
  std::ostringstream text;
  produce(text, point);
  QSaveFile file(command.Target);
  const std::string bytes = text.str();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) ||
      !file.commit()) {
    Say(err, QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                 .arg(Native(command.Target), file.errorString()));
    return 1;
  }
  return 0;
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
  const QString dataFile =
      command.DataFile.isEmpty() ? QDir(programDir).filePath(QStringLiteral("TAVI.DAT")) : command.DataFile;
  if (!QFileInfo(dataFile).isFile()) {
    Say(err, QStringLiteral("Die Datendatei \"%1\" gibt es nicht.").arg(Native(dataFile)));
    return 1;
  }
  tTaviDaten daten;
  if (!daten.LoadFromFile(QFile::encodeName(dataFile).toStdString())) {
    Say(err, QStringLiteral("Die Datendatei \"%1\" kann nicht gelesen werden.").arg(Native(dataFile)));
    return 1;
  }
  if (const QString problem = PrepareRecord(daten); !problem.isEmpty()) {
    Say(err, QStringLiteral("In der Datendatei \"%1\": %2").arg(Native(dataFile), problem));
    return 1;
  }
  if (const std::string problem = daten.Extension().Problem(); !problem.empty())
    Say(err, QStringLiteral("Warnung: ") + QString::fromStdString(problem));
  ApplyEconomicsOptions(command, daten.Economics);
  ApplySensitivityOptions(command, daten.Sensitivity);
  tPaybackCalc calc;
  calc.Calculate(daten);
  tEconomicsCalc economics;
  economics.Calculate(daten, calc, daten.Economics);

  if (command.Output == tOutput::Csv) {
    if (command.Kind == tKind::Economics)
      return WriteCsv(command, [&economics](std::ostream& out, char point) { WriteEconomicsCsv(out, economics, point); },
                      err);
    if (command.Kind == tKind::Sensitivity) {
      tSensitivityCalc sensitivity;
      sensitivity.Calculate(daten, daten.Economics, daten.Sensitivity);
      return WriteCsv(
          command, [&sensitivity](std::ostream& out, char point) { WriteSensitivityCsv(out, sensitivity, point); }, err);
    }
    // The table's columns of the appraisal come with its inputs.
    const bool withEconomics = !daten.Economics.IsDefault() || command.HasEconomicsOption();
    return WriteCsv(
        command,
        [&](std::ostream& out, char point) {
          WriteTableCsv(out, tCostSeries(calc), command.Years * 12, point, withEconomics ? &economics : nullptr);
        },
        err);
  }

  try {
    tReportHost host(programDir);
    const bool pdf = command.Output == tOutput::Pdf;
    host.SelectPrinter(pdf ? tExtendedPrinter::PdfDestinationName() : command.Target, [&err](const QString& side) {
      Say(err, QStringLiteral("Warnung: Der %1 Rand aus TAVI.INI passt nicht auf das Papier und bleibt frei.").arg(side));
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
        Say(err, problem + QStringLiteral(" Bitte geben Sie --max-cost an."));
        return 1;
      }
      job = std::make_unique<tGraphPrinting>(
          months, daten, calc, [maxCost] { return maxCost; }, [&calc, &daten] { calc.Calculate(daten); });
    }
    if (pdf)
      PlayPagesToFile(*job, command.Target);
    else
      PlayPages(*job);
  } catch (const std::exception& e) {
    Say(err, ExceptionMessage(e));
    return 1;
  }
  return 0;
}
