// The command line of tavi-report:
//
//   tavi-report table [--years N] (--pdf FILE | --csv FILE | --printer QUEUE) [--data FILE]
//   tavi-report graph [--months N] [--max-cost EUR] (--pdf FILE | --printer QUEUE) [--data FILE]
//   tavi-report --help
//
// Options take their value as the next argument or after "=" (--years=3).
// ParseCommandLine only reads the arguments; it touches no file. A command
// line it cannot use comes back as tCommand::Usage with a German message
// (exit status 2).
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct tReportCommand {
  enum class tKind { Usage, Help, Table, Graph };
  enum class tOutput { None, Pdf, Csv, Printer };

  tKind Kind = tKind::Usage;
  QString Message;            // Usage: what is wrong

  int32_t Years = 1;          // table: months 0 to Years × 12
  std::optional<int32_t> Months;   // graph: time axis; empty: the proposal
  std::optional<int32_t> MaxCost;  // graph: cost axis in euros; empty: the proposal
  tOutput Output = tOutput::None;
  QString Target;             // the PDF or CSV file, or the CUPS queue
  QString DataFile;           // empty: TAVI.DAT in the program's directory
};

// arguments: without the program name.
tReportCommand ParseCommandLine(const QStringList& arguments);

// The text of --help.
QString HelpText();
