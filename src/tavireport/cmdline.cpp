#include "cmdline.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

#include "economicsinputs.h"
#include "sensitivityinputs.h"
#include "graphaxes.h"
#include "printer.h"
#include "workbook.h"
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

// A whole number from `minimum` to `maximum` into `into`; what is wrong
// with it otherwise, prefixed by the option.
QString ReadWhole(const QString& option, const QString& value, int32_t minimum, int32_t maximum,
                  const QString& outOfRange, std::optional<int32_t>& into) {
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  if (!ok || !PlainNumber(value)) return NotANumber(option, value);
  if (number < minimum || number > maximum) return option + QStringLiteral(": ") + outOfRange;
  into = static_cast<int32_t>(number);
  return QString();
}

// A percentage with at most one decimal (point or comma), 0 to 30, into
// tenths of a percent.
QString ReadRate(const QString& value, std::optional<int32_t>& tenths) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,3})(?:[.,](\\d))?$"));
  const QRegularExpressionMatch match = form.match(value);
  if (!match.hasMatch())
    return QStringLiteral("--rate: \"%1\" ist kein Zinssatz in Prozent mit höchstens einer Nachkommastelle.").arg(value);
  const int32_t number = match.captured(1).toInt() * 10 + (match.captured(2).isEmpty() ? 0 : match.captured(2).toInt());
  if (number > tEconomicsInputs::kMaxRateTenths)
    return QStringLiteral("--rate: Der Kalkulationszinssatz muss zwischen 0,0 und 30,0 % liegen.");
  tenths = number;
  return QString();
}

const std::vector<std::string> kOptions = {"--years", "--months",     "--max-cost",   "--pdf",  "--csv", "--printer",
                                           "--data",  "--running-zs", "--running-pl", "--life", "--rate",
                                           "--xlsx", "--target", "--percent"};
const QStringList kEconomicsOptions = {QStringLiteral("--running-zs"), QStringLiteral("--running-pl"),
                                       QStringLiteral("--life"), QStringLiteral("--rate")};
const QStringList kSensitivityOptions = {QStringLiteral("--target"), QStringLiteral("--percent")};

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
    return Usage(QStringLiteral("Bitte geben Sie an, was gedruckt wird: table, graph, overview, economics, sensitivity, workbook oder compare."));

  tReportCommand command;
  const std::string& what = arguments.front();
  if (what == "table")
    command.Kind = tKind::Table;
  else if (what == "graph")
    command.Kind = tKind::Graph;
  else if (what == "overview")
    command.Kind = tKind::Overview;
  else if (what == "economics")
    command.Kind = tKind::Economics;
  else if (what == "sensitivity")
    command.Kind = tKind::Sensitivity;
  else if (what == "workbook")
    command.Kind = tKind::Workbook;
  else if (what == "compare")
    command.Kind = tKind::Compare;
  else if (what.starts_with("-"))
    return Usage(QStringLiteral(
        "Bitte geben Sie zuerst an, was gedruckt wird: table, graph, overview, economics, sensitivity, workbook oder compare."));
  else
    return Usage(QStringLiteral("Unbekannter Ausdruck \"%1\": möglich sind table, graph, overview, economics, sensitivity, workbook und compare.")
                     .arg(Text(what)));
  const bool table = command.Kind == tKind::Table;
  const bool overview = command.Kind == tKind::Overview;
  // economics and sensitivity take the same outputs (a page or a CSV).
  const bool economics = command.Kind == tKind::Economics || command.Kind == tKind::Sensitivity;
  const QString kindName =
      command.Kind == tKind::Sensitivity ? QStringLiteral("sensitivity") : QStringLiteral("economics");
  const bool workbook = command.Kind == tKind::Workbook;
  const bool compare = command.Kind == tKind::Compare;

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
    if (compare && name == "--data") {
      if (raw.empty()) return Usage(QStringLiteral("Bei --data fehlt der Dateiname."));
      if (command.ComparePaths.size() >= 4) return Usage(QStringLiteral("compare vergleicht höchstens vier Dateien."));
      command.ComparePaths.push_back(raw);
      command.CompareFiles << ShownFileName(raw);
      continue;
    }
    if (compare && name != "--pdf" && name != "--csv")
      return Usage(QStringLiteral("Die Option %1 gilt nicht für compare.").arg(option));
    if (!seen.insert(name).second) return Usage(QStringLiteral("Die Option %1 ist doppelt angegeben.").arg(option));

    if (kSensitivityOptions.contains(option)) {
      if (command.Kind != tKind::Sensitivity && !overview && !workbook)
        return Usage(QStringLiteral("Die Option %1 gilt nur für sensitivity, overview und workbook.").arg(option));
      const QString problem =
          option == QStringLiteral("--target")
              ? ReadWhole(option, value, tSensitivityInputs::kMinTarget, tSensitivityInputs::kMaxTarget,
                          QStringLiteral("Die Soll-Amortisationszeit muss zwischen 1 und 120 Monaten liegen."),
                          command.TargetMonths)
              : ReadWhole(option, value, tSensitivityInputs::kMinPercent, tSensitivityInputs::kMaxPercent,
                          QStringLiteral("Die Veränderung muss zwischen 5 und 50 % liegen."), command.Percent);
      if (!problem.isEmpty()) return Usage(problem);
    } else if (kEconomicsOptions.contains(option)) {
      if (command.Kind == tKind::Graph)
        return Usage(
            QStringLiteral("Die Option %1 gilt nur für economics, sensitivity, overview, workbook und table --csv.").arg(option));
      QString problem;
      if (option == QStringLiteral("--running-zs") || option == QStringLiteral("--running-pl"))
        problem = ReadWhole(option, value, 0, tEconomicsInputs::kMaxRunningCosts,
                            QStringLiteral("Die laufenden Kosten müssen zwischen 0 und 999999 EUR im Jahr liegen."),
                            option == QStringLiteral("--running-zs") ? command.RunningCostsZS : command.RunningCostsPL);
      else if (option == QStringLiteral("--life"))
        problem = ReadWhole(option, value, tEconomicsInputs::kMinLife, tEconomicsInputs::kMaxLife,
                            QStringLiteral("Die Nutzungsdauer muss zwischen 1 und 20 Jahren liegen."), command.UsefulLife);
      else
        problem = ReadRate(value, command.RateTenths);
      if (!problem.isEmpty()) return Usage(problem);
    } else if (economics && option != QStringLiteral("--data") && option != QStringLiteral("--pdf") &&
               option != QStringLiteral("--csv")) {
      if (option == QStringLiteral("--printer"))
        return Usage(QStringLiteral("Die Option --printer gilt nicht für %1: die Seite gibt es als --pdf, "
                                    "die Zahlen als --csv.")
                         .arg(kindName));
      return Usage(QStringLiteral("Die Option %1 gilt nicht für %2.").arg(option, kindName));
    } else if (workbook && name != "--data" && name != "--years" && name != "--xlsx") {
      if (name == "--pdf" || name == "--csv" || name == "--printer")
        return Usage(QStringLiteral("Die Arbeitsmappe gibt es nur als --xlsx DATEI."));
      return Usage(QStringLiteral("Die Option %1 gilt nicht für workbook.").arg(option));
    } else if (name == "--xlsx") {
      if (!workbook) return Usage(QStringLiteral("Die Option --xlsx gilt nur für workbook."));
      if (raw.empty()) return Usage(QStringLiteral("Bei --xlsx fehlt der Dateiname."));
      command.Output = tOutput::Xlsx;
      command.TargetPath = raw;
      command.Target = ShownFileName(raw);
    } else if (name == "--years") {
      if (!table && !workbook) return Usage(QStringLiteral("Die Option --years gilt nur für table und workbook."));
      if (!PlainNumber(value)) return Usage(NotANumber(option, value));
      const tYearCount years = ParseYearCount(value);
      if (!years.Ok()) return Usage(QStringLiteral("--years: ") + years.Message);
      if (workbook && years.Years > kWorkbookMaxYears)
        return Usage(QStringLiteral("--years: Die Arbeitsmappe fasst höchstens %1 Jahre.").arg(kWorkbookMaxYears));
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
        return Usage(table       ? QStringLiteral("Bitte geben Sie nur eines von --pdf, --csv und --printer an.")
                     : economics || compare ? QStringLiteral("Bitte geben Sie nur eines von --pdf und --csv an.")
                                 : QStringLiteral("Bitte geben Sie nur eines von --pdf und --printer an."));
      if (name == "--csv" && !table && !economics && !compare)
        return Usage(overview ? QStringLiteral("Die Option --csv gilt nur für table, economics und sensitivity; die "
                                               "Gesamtübersicht gibt es als --pdf.")
                              : QStringLiteral("Die Option --csv gilt nur für table, economics und sensitivity; die "
                                               "Grafik gibt es als --pdf."));
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
  if (command.Output == tOutput::None && workbook)
    return Usage(QStringLiteral("Bitte geben Sie an, wohin die Arbeitsmappe geschrieben wird: --xlsx DATEI."));
  if (compare && command.ComparePaths.size() < 2)
    return Usage(QStringLiteral("compare braucht zwei bis vier Berechnungen, jede mit --data DATEI."));
  if (command.Output == tOutput::None)
    return Usage(table       ? QStringLiteral("Bitte geben Sie an, wohin gedruckt wird: --pdf, --csv oder --printer.")
                 : economics || compare ? QStringLiteral("Bitte geben Sie an, wohin gedruckt wird: --pdf oder --csv.")
                                        : QStringLiteral("Bitte geben Sie an, wohin gedruckt wird: --pdf oder --printer."));
  if (table && command.Output != tOutput::Csv && command.HasEconomicsOption())
    return Usage(QStringLiteral(
        "Die Optionen --running-zs, --running-pl, --life und --rate gelten bei table nur mit --csv."));
  return command;
}

QString HelpText() {
  return QStringLiteral(
      "Aufruf:\n"
      "  tavi-report table [--years N] (--pdf DATEI | --csv DATEI | --printer DRUCKER) [--data DATEI]\n"
      "  tavi-report graph [--months N] [--max-cost EUR] (--pdf DATEI | --printer DRUCKER) [--data DATEI]\n"
      "  tavi-report overview [WIRTSCHAFTLICHKEIT] (--pdf DATEI | --printer DRUCKER) [--data DATEI]\n"
      "  tavi-report economics [WIRTSCHAFTLICHKEIT] (--pdf DATEI | --csv DATEI) [--data DATEI]\n"
      "  tavi-report workbook [--years N] [SENSITIVITÄT] [WIRTSCHAFTLICHKEIT] --xlsx DATEI [--data DATEI]\n"
      "  tavi-report compare --data A --data B [--data C [--data D]] (--pdf DATEI | --csv DATEI)\n"
      "  tavi-report sensitivity [SENSITIVITÄT] [WIRTSCHAFTLICHKEIT] (--pdf DATEI | --csv DATEI) [--data DATEI]\n"
      "  tavi-report --help\n"
      "  WIRTSCHAFTLICHKEIT: [--running-zs EUR] [--running-pl EUR] [--life JAHRE] [--rate PROZENT]\n"
      "  SENSITIVITÄT: [--target MONATE] [--percent PROZENT]\n"
      "\n"
      "Druckt die Amortisations-Tabelle, die Amortisations-Grafik oder die Gesamtübersicht von TAVI ohne\n"
      "Fenster: als PDF-Datei (A4, mit den Rändern aus TAVI.INI), auf einen CUPS-Drucker oder, nur die\n"
      "Tabelle, als CSV-Datei für eine Tabellenkalkulation.\n"
      "\n"
      "Die Daten kommen aus der TAVI.DAT, die TAVI für diesen Benutzer verwendet: aus dem Programmverzeichnis,\n"
      "wenn er dort schreiben darf, sonst aus ~/.local/share/tavi (oder $XDG_DATA_HOME/tavi) und, solange es\n"
      "dort noch keine gibt, aus dem Programmverzeichnis; ebenso TAVI.INI. Berechnet wird, was das Fenster\n"
      "\"Amortisationsrechnung\" beim Öffnen zeigt; bei Standardpreisen kommen Investitions- und\n"
      "Schulungskosten aus der Preisliste und den Schulungstagen. TAVI.DAT und TAVI.INI werden nur gelesen.\n"
      "\n"
      "  table             Tabellarischer Kostenverlauf, Monat für Monat (Hochformat)\n"
      "  graph             Grafischer Kostenverlauf, eine Seite im Querformat\n"
      "  overview          Gesamtübersicht, drei Seiten im Hochformat (Formulare BLATT1.CFM bis BLATT3.CFM);\n"
      "                    weicht eine Angabe zur Wirtschaftlichkeit von ihrer Vorgabe ab, folgt die Seite\n"
      "                    Wirtschaftlichkeitsrechnung (BLATT4.CFM); weicht die Soll-Amortisationszeit oder\n"
      "                    die Veränderung ab, zuletzt die Seite Sensitivität\n"
      "  economics         Wirtschaftlichkeitsrechnung: die Seite als PDF oder, für eine Tabellenkalkulation,\n"
      "                    eine CSV-Datei mit einer Zeile je Vergleich (1, 2, 3): Laufende Kosten, Nettoeinsparung,\n"
      "                    Amortisation mit laufenden Kosten, Dynamische Amortisation, Kapitalwert, Interner\n"
      "                    Zinsfuß und die Salden nach 1, 2, 3 Jahren und nach der Nutzungsdauer\n"
      "  workbook          Arbeitsmappe (.xlsx) mit den Blättern Eingaben (benannte Zellen), Ergebnisse und\n"
      "                    Kostenverlauf (Formeln über den Eingaben) und dem Diagramm Grafik\n"
      "  compare           Vergleich der Berechnungen: zwei bis vier Berechnungsdateien (--data je Datei)\n"
      "                    nebeneinander, eine Seite im Querformat oder eine CSV-Datei mit einer Spalte je Datei\n"
      "  sensitivity       Sensitivität: die Seite als PDF oder eine CSV-Datei mit einer Zeile je Vergleich und\n"
      "                    Eingabe (Vergleich;Eingabe;Basiswert;Wert niedrig;Wert hoch;Amortisation niedrig;\n"
      "                    Amortisation hoch;Grenzwert), nach einer Leerzeile die drei Fälle (Fall;\n"
      "                    Amortisation 1 bis 3;Kapitalwert 1 bis 3)\n"
      "  --years N         Jahre der Tabelle, 0 bis 178956970 (Vorgabe 1); 0 zeigt nur Monat 0;\n"
      "                    bei workbook 0 bis 1000\n"
      "  --months N        Laufzeit der Grafik in Monaten, 1 bis 9999999\n"
      "  --max-cost EUR    Maximale Ausgaben der Kostenachse in EUR, 1000 bis 2147483647\n"
      "                    (Vorgabe für beide: der Vorschlag des Fensters \"Amortisations - Grafik\")\n"
      "  --running-zs EUR  Laufende Kosten pro Jahr des Zeitstudiensystems, 0 bis 999999\n"
      "  --running-pl EUR  Laufende Kosten pro Jahr des Zeitstudien+Planzeitsystems, 0 bis 999999\n"
      "  --life JAHRE      Nutzungsdauer, 1 bis 20 Jahre\n"
      "  --rate PROZENT    Kalkulationszinssatz, 0 bis 30 % mit höchstens einer Nachkommastelle (6,5 oder 6.5)\n"
      "                    (Vorgabe: die Werte aus der Datendatei; bei table nur mit --csv, die CSV-Datei\n"
      "                    erhält dann fünf Spalten mehr: die Kostensummen mit laufenden Kosten und die\n"
      "                    abgezinsten Vorteile 1-2, 1-3, 2-3)\n"
      "  --target MONATE   Soll-Amortisationszeit, 1 bis 120 Monate (Vorgabe: aus der Datendatei, sonst 24)\n"
      "  --percent P       Veränderung jeder Eingabe, 5 bis 50 % (Vorgabe: aus der Datendatei, sonst 20)\n"
      "  --pdf DATEI       schreibt eine PDF-Datei\n"
      "  --csv DATEI       schreibt die Zeilen der Tabelle: Monat, die sechs Kostenspalten und die drei\n"
      "                    Ersparnisse, ungerundet, durch Semikolon getrennt, mit dem Dezimalzeichen der\n"
      "                    Spracheinstellung (Komma bei Deutsch), UTF-8, mit Kopfzeile\n"
      "  --xlsx DATEI      schreibt die Arbeitsmappe\n"
      "  --printer DRUCKER druckt auf die CUPS-Warteschlange DRUCKER\n"
      "  --data DATEI      liest die Daten aus DATEI statt aus TAVI.DAT\n"
      "  --help            zeigt diese Hilfe\n"
      "\n"
      "Rückgabewert: 0 gedruckt, 1 Fehler (Daten nicht lesbar oder außerhalb der Eingabebereiche,\n"
      "Drucker unbekannt, Datei nicht schreibbar oder eine Datei des Programms, Seite zu klein ...),\n"
      "2 falscher Aufruf. Bei einem Fehler wird keine Datei geschrieben; eine vorhandene bleibt, wie sie ist.\n");
}
