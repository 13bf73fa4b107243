// The command line of tavi-report:
//
//   tavi-report table [--years N] (--pdf FILE | --csv FILE | --printer QUEUE) [--data FILE]
//   tavi-report graph [--months N] [--max-cost EUR] (--pdf FILE | --printer QUEUE) [--data FILE]
//   tavi-report overview [ECONOMICS] (--pdf FILE | --printer QUEUE) [--data FILE]
//   tavi-report economics [ECONOMICS] (--pdf FILE | --csv FILE) [--data FILE]
//   tavi-report workbook [--years N] [SENSITIVITY] [ECONOMICS] --xlsx FILE [--data FILE]
//   tavi-report compare --data A --data B [--data C [--data D]] (--pdf FILE | --csv FILE)
//   tavi-report sensitivity [SENSITIVITY] [ECONOMICS] (--pdf FILE | --csv FILE) [--data FILE]
//   tavi-report --help
//
// ECONOMICS: [--running-zs EUR] [--running-pl EUR] [--life YEARS]
// [--rate PERCENT], the inputs of the economic appraisal in place of the
// data file's; table takes them too, with --csv, and so does workbook.
// SENSITIVITY: [--target MONTHS] [--percent P], the target payback (1 to
// 120 months) and the change (5 to 50 %) in place of the data file's;
// overview and workbook take them too.
//
// Options take their value as the next argument or after "=" (--years=3).
// --help (-h) anywhere but as an option's value shows the help. Numbers are
// plain decimal digits with an optional sign, nothing around them. File
// names are kept as the bytes the system passed (any encoding), so that
// every existing file can be named.
// ParseCommandLine only reads the arguments; it touches no file. A command
// line it cannot use comes back as tCommand::Usage with a German message
// (exit status 2).
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct tReportCommand {
  enum class tKind { Usage, Help, Table, Graph, Overview, Economics, Workbook, Compare, Sensitivity };
  enum class tOutput { None, Pdf, Csv, Printer, Xlsx };

  tKind Kind = tKind::Usage;
  QString Message;            // Usage: what is wrong

  int32_t Years = 1;          // table, workbook: months 0 to Years × 12
  std::optional<int32_t> Months;   // graph: time axis; empty: the proposal
  std::optional<int32_t> MaxCost;  // graph: cost axis in euros; empty: the proposal
  tOutput Output = tOutput::None;
  QString Target;             // the PDF or CSV file (as shown), or the CUPS queue
  QString DataFile;           // as shown; empty: TAVI.DAT in the program's directory
  std::string TargetPath;     // the PDF or CSV file as the file system spells it
  std::string DataPath;       // the same for --data
  // compare: the calculation files, two to four, in order (as shown, and
  // as the file system spells them).
  QStringList CompareFiles;
  std::vector<std::string> ComparePaths;

  // The inputs of the economic appraisal given on the command line; empty:
  // the data file's.
  std::optional<int32_t> RunningCostsZS;  // euros per year, 0 to 999999
  std::optional<int32_t> RunningCostsPL;
  std::optional<int32_t> UsefulLife;      // years, 1 to 20
  std::optional<int32_t> RateTenths;      // 0.1 % per year, 0 to 300
  bool HasEconomicsOption() const { return RunningCostsZS || RunningCostsPL || UsefulLife || RateTenths; }

  // The inputs of the sensitivity given on the command line; empty: the
  // data file's.
  std::optional<int32_t> TargetMonths;  // 1 to 120
  std::optional<int32_t> Percent;       // 5 to 50
};

// arguments: without the program name, as the system passed them.
tReportCommand ParseCommandLine(const std::vector<std::string>& arguments);
// The same for arguments given as text (file names in UTF-8).
tReportCommand ParseCommandLine(const QStringList& arguments);

// A file name's bytes for messages: UTF-8 as it is, any other byte as \xHH.
QString ShownFileName(const std::string& bytes);

// The text of --help.
QString HelpText();
