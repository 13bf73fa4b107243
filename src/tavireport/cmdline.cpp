#include "cmdline.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

#include "graphaxes.h"
#include "printer.h"
#include "yearcount.h"

namespace {

using tKind = tReportCommand::tKind;
using tOutput = tReportCommand::tOutput;

tReportCommand Usage(const QString& message) {
  tReportCommand command;
  command.Kind = tKind::Usage;
  command.Message = message;
  return command;
}

// A number as a script writes it: digits with an optional sign, nothing
// around them (" 5" is a typing error, not five).
bool PlainNumber(const QString& value) {
  static const QRegularExpression plain(QStringLiteral("^[+-]?[0-9]+$"));
  return plain.match(value).hasMatch();
}

QString NotANumber(const QString& option, const QString& value) {
  return QStringLiteral("%1: \"%2\" ist keine gültige ganze Zahl.").arg(option, value);
}

// The whole number of --months or --max-cost into `axis`; what is wrong
// with it otherwise, prefixed by the option.
QString ReadAxis(const QString& option, const QString& value, QString (*problemOf)(int64_t),
                 std::optional<int32_t>& axis) {
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  if (!ok || !PlainNumber(value)) return NotANumber(option, value);
  if (const QString problem = problemOf(number); !problem.isEmpty()) return option + QStringLiteral(": ") + problem;
  axis = static_cast<int32_t>(number);
  return QString();
}

const std::vector<std::string> kOptions = {"--years", "--months", "--max-cost", "--pdf", "--csv", "--printer", "--data"};

bool IsOption(const std::string& name) {
  return std::find(kOptions.begin(), kOptions.end(), name) != kOptions.end();
}

bool IsHelp(const std::string& argument) { return argument == "--help" || argument == "-h"; }

QString Text(const std::string& bytes) { return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())); }

}  // namespace

QString ShownFileName(const std::string& bytes) {
  const QString text = Text(bytes);
  if (text.toUtf8() == QByteArray::fromStdString(bytes)) return text;
  QString shown;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F)
      shown += QChar(b);
    else
      shown += QStringLiteral("\\x") + QString::number(b, 16).rightJustified(2, u'0').toUpper();
  }
  return shown;
}

tReportCommand ParseCommandLine(const QStringList& arguments) {
  std::vector<std::string> bytes;
  for (const QString& argument : arguments) bytes.push_back(argument.toUtf8().toStdString());
  return ParseCommandLine(bytes);
}

tReportCommand ParseCommandLine(const std::vector<std::string>& arguments) {
  // --help wherever an option may stand; as the value of an option it is
  // that value ("--printer -h" names a queue).
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (IsHelp(arguments[i])) {
      tReportCommand help;
      help.Kind = tKind::Help;
      return help;
    }
    if (IsOption(arguments[i])) ++i;
  }
  if (arguments.empty())
    return Usage(QStringLiteral("Bitte geben Sie an, was gedruckt wird: table, graph oder overview."));

  tReportCommand command;
  const std::string& what = arguments.front();
  if (what == "table")
    command.Kind = tKind::Table;
  else if (what == "graph")
    command.Kind = tKind::Graph;
  else if (what == "overview")
    command.Kind = tKind::Overview;
  else if (what.starts_with("-"))
    return Usage(QStringLiteral("Bitte geben Sie zuerst an, was gedruckt wird: table, graph oder overview."));
  else
    return Usage(QStringLiteral("Unbekannter Ausdruck \"%1\": möglich sind table, graph und overview.").arg(Text(what)));
  const bool table = command.Kind == tKind::Table;
  const bool overview = command.Kind == tKind::Overview;

  std::set<std::string> seen;
  for (size_t i = 1; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::string raw;
    bool hasValue = false;
    if (const size_t eq = name.find('='); name.starts_with("--") && eq != std::string::npos && eq > 0) {
      raw = name.substr(eq + 1);
      name.resize(eq);
      hasValue = true;
    }
    const QString option = Text(name);
    if (!IsOption(name)) {
      if (name.starts_with("-")) return Usage(QStringLiteral("Unbekannte Option %1.").arg(option));
      return Usage(QStringLiteral("Unerwartetes Argument \"%1\".").arg(Text(name)));
    }
    if (!hasValue) {
      if (i + 1 >= arguments.size() || arguments[i + 1].starts_with("--"))
        return Usage(QStringLiteral("Bei %1 fehlt der Wert.").arg(option));
      raw = arguments[++i];
    }
    const QString value = Text(raw);
    if (!seen.insert(name).second) return Usage(QStringLiteral("Die Option %1 ist doppelt angegeben.").arg(option));

    if (name == "--years") {
      if (!table) return Usage(QStringLiteral("Die Option --years gilt nur für table."));
      if (!PlainNumber(value)) return Usage(NotANumber(option, value));
      const tYearCount years = ParseYearCount(value);
      if (!years.Ok()) return Usage(QStringLiteral("--years: ") + years.Message);
      command.Years = years.Years;
    } else if (overview && (name == "--months" || name == "--max-cost")) {
      return Usage(QStringLiteral("Die Option %1 gilt nur für graph.").arg(option));
    } else if (name == "--months") {
      if (table) return Usage(QStringLiteral("Die Option --months gilt nur für graph; die Tabelle nimmt --years."));
      const QString problem = ReadAxis(option, value, TimeAxisProblem, command.Months);
      if (!problem.isEmpty()) return Usage(problem);
    } else if (name == "--max-cost") {
      if (table) return Usage(QStringLiteral("Die Option --max-cost gilt nur für graph."));
      const QString problem = ReadAxis(option, value, CostAxisProblem, command.MaxCost);
      if (!problem.isEmpty()) return Usage(problem);
    } else if (name == "--data") {
      if (raw.empty()) return Usage(QStringLiteral("Bei --data fehlt der Dateiname."));
      command.DataPath = raw;
      command.DataFile = ShownFileName(raw);
    } else {  // the outputs
      if (command.Output != tOutput::None)
        return Usage(table ? QStringLiteral("Bitte geben Sie nur eines von --pdf, --csv und --printer an.")
                           : QStringLiteral("Bitte geben Sie nur eines von --pdf und --printer an."));
      if (name == "--csv" && !table)
        return Usage(overview ? QStringLiteral("Die Option --csv gilt nur für table; die Gesamtübersicht gibt es als --pdf.")
                              : QStringLiteral("Die Option --csv gilt nur für table; die Grafik gibt es als --pdf."));
      if (raw.empty())
        return Usage(name == "--printer" ? QStringLiteral("Bei --printer fehlt der Druckername.")
                                         : QStringLiteral("Bei %1 fehlt der Dateiname.").arg(option));
      if (name == "--printer" && value == tExtendedPrinter::PdfDestinationName())
        return Usage(QStringLiteral("--printer: \"%1\" ist kein CUPS-Drucker; eine PDF-Datei schreibt --pdf.").arg(value));
      command.Output = name == "--pdf" ? tOutput::Pdf : name == "--csv" ? tOutput::Csv : tOutput::Printer;
      if (command.Output == tOutput::Printer) {
        command.Target = value;
      } else {
        command.TargetPath = raw;
        command.Target = ShownFileName(raw);
      }
    }
  }
  if (command.Output == tOutput::None)
    return Usage(table ? QStringLiteral("Bitte geben Sie an, wohin gedruckt wird: --pdf, --csv oder --printer.")
                       : QStringLiteral("Bitte geben Sie an, wohin gedruckt wird: --pdf oder --printer."));
  return command;
}

QString HelpText() {
  return QStringLiteral(
      "Aufruf:\n"
      "  tavi-report table [--years N] (--pdf DATEI | --csv DATEI | --printer DRUCKER) [--data DATEI]\n"
      "  tavi-report graph [--months N] [--max-cost EUR] (--pdf DATEI | --printer DRUCKER) [--data DATEI]\n"
      "  tavi-report overview (--pdf DATEI | --printer DRUCKER) [--data DATEI]\n"
      "  tavi-report --help\n"
      "\n"
      "Druckt die Amortisations-Tabelle, die Amortisations-Grafik oder die Gesamtübersicht von TAVI ohne\n"
      "Fenster: als PDF-Datei (A4, mit den Rändern aus TAVI.INI), auf einen CUPS-Drucker oder, nur die\n"
      "Tabelle, als CSV-Datei für eine Tabellenkalkulation.\n"
      "\n"
      "Die Daten kommen aus TAVI.DAT im Programmverzeichnis. Berechnet wird, was das Fenster\n"
      "\"Amortisationsrechnung\" beim Öffnen zeigt; bei Standardpreisen kommen Investitions- und\n"
      "Schulungskosten aus der Preisliste und den Schulungstagen. TAVI.DAT und TAVI.INI werden nur gelesen.\n"
      "\n"
      "  table             Tabellarischer Kostenverlauf, Monat für Monat (Hochformat)\n"
      "  graph             Grafischer Kostenverlauf, eine Seite im Querformat\n"
      "  overview          Gesamtübersicht, drei Seiten im Hochformat (Formulare BLATT1.CFM bis BLATT3.CFM)\n"
      "  --years N         Jahre der Tabelle, 0 bis 178956970 (Vorgabe 1); 0 zeigt nur Monat 0\n"
      "  --months N        Laufzeit der Grafik in Monaten, 1 bis 999\n"
      "  --max-cost EUR    Maximale Ausgaben der Kostenachse in EUR, 1000 bis 1000000\n"
      "                    (Vorgabe für beide: der Vorschlag des Fensters \"Amortisations - Grafik\")\n"
      "  --pdf DATEI       schreibt eine PDF-Datei\n"
      "  --csv DATEI       schreibt die Zeilen der Tabelle: Monat, die sechs Kostenspalten und die drei\n"
      "                    Ersparnisse, ungerundet, durch Semikolon getrennt, mit dem Dezimalzeichen der\n"
      "                    Spracheinstellung (Komma bei Deutsch), UTF-8, mit Kopfzeile\n"
      "  --printer DRUCKER druckt auf die CUPS-Warteschlange DRUCKER\n"
      "  --data DATEI      liest die Daten aus DATEI statt aus TAVI.DAT\n"
      "  --help            zeigt diese Hilfe\n"
      "\n"
      "Rückgabewert: 0 gedruckt, 1 Fehler (Daten nicht lesbar oder außerhalb der Eingabebereiche,\n"
      "Drucker unbekannt, Datei nicht schreibbar oder eine Datei des Programms, Seite zu klein ...),\n"
      "2 falscher Aufruf. Bei einem Fehler wird keine Datei geschrieben; eine vorhandene bleibt, wie sie ist.\n");
}
