// The command line of tavi-report, read without running anything.
#include <gtest/gtest.h>

#include "cmdline.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using tKind = tReportCommand::tKind;
using tOutput = tReportCommand::tOutput;

QStringList Args(std::initializer_list<const char*> args) {
  QStringList list;
  for (const char* a : args) list << QString::fromUtf8(a);
  return list;
}

TEST(CommandLine, CommandsThatCanRun) {
  const struct {
    std::initializer_list<const char*> args;
    tKind kind;
    int32_t years;
    std::optional<int32_t> months, maxCost;
    tOutput output;
    const char* target;
    const char* data;
  } cases[] = {
      {{"table", "--pdf", "a.pdf"}, tKind::Table, 1, {}, {}, tOutput::Pdf, "a.pdf", ""},
      {{"table", "--years", "3", "--csv", "a.csv", "--data", "x.dat"}, tKind::Table, 3, {}, {}, tOutput::Csv, "a.csv",
       "x.dat"},
      {{"table", "--printer=TAVI_PDF", "--years=0"}, tKind::Table, 0, {}, {}, tOutput::Printer, "TAVI_PDF", ""},
      {{"table", "--data", "mein file.dat", "--years", "+100", "--pdf", "/tmp/x y.pdf"}, tKind::Table, 100, {}, {},
       tOutput::Pdf, "/tmp/x y.pdf", "mein file.dat"},
      {{"table", "--printer", "-h"}, tKind::Table, 1, {}, {}, tOutput::Printer, "-h", ""},  // a queue's name
      {{"graph", "--pdf", "g.pdf"}, tKind::Graph, 1, {}, {}, tOutput::Pdf, "g.pdf", ""},
      {{"graph", "--months", "10", "--max-cost", "40500", "--printer", "Q"}, tKind::Graph, 1, 10, 40500,
       tOutput::Printer, "Q", ""},
      {{"graph", "--max-cost=1000", "--months=999", "--pdf=g.pdf"}, tKind::Graph, 1, 999, 1000, tOutput::Pdf, "g.pdf",
       ""},
      {{"overview", "--pdf", "o.pdf"}, tKind::Overview, 1, {}, {}, tOutput::Pdf, "o.pdf", ""},
      {{"overview", "--data", "x.dat", "--printer", "Q"}, tKind::Overview, 1, {}, {}, tOutput::Printer, "Q", "x.dat"},
      {{"workbook", "--xlsx", "m.xlsx"}, tKind::Workbook, 1, {}, {}, tOutput::Xlsx, "m.xlsx", ""},
      {{"workbook", "--years=1000", "--rate", "6", "--xlsx", "m.xlsx"}, tKind::Workbook, 1000, {}, {}, tOutput::Xlsx,
       "m.xlsx", ""},
  };
  for (const auto& c : cases) {
    const QStringList args = Args(c.args);
    SCOPED_TRACE(args.join(u' ').toStdString());
    const tReportCommand command = ParseCommandLine(args);
    ASSERT_EQ(command.Kind, c.kind) << command.Message.toStdString();
    EXPECT_TRUE(command.Message.isEmpty());
    EXPECT_EQ(command.Years, c.years);
    EXPECT_EQ(command.Months, c.months);
    EXPECT_EQ(command.MaxCost, c.maxCost);
    EXPECT_EQ(command.Output, c.output);
    EXPECT_EQ(command.Target, QString::fromUtf8(c.target));
    EXPECT_EQ(command.DataFile, QString::fromUtf8(c.data));
  }
}

TEST(CommandLine, FileNamesKeepTheirBytes) {
  const tReportCommand command = ParseCommandLine(std::vector<std::string>{"table", "--csv", "bad\xff.csv", "--data",
                                                                          "M\xfcller.dat"});
  ASSERT_EQ(command.Kind, tKind::Table);
  EXPECT_EQ(command.TargetPath, "bad\xff.csv");
  EXPECT_EQ(command.DataPath, "M\xfcller.dat");
  EXPECT_EQ(command.Target, QStringLiteral("bad\\xFF.csv"));
  EXPECT_EQ(ShownFileName("Gr\xc3\xb6\xc3\x9f" "e.csv"), QStringLiteral("Größe.csv"));
}

TEST(CommandLine, InputsOfTheAppraisal) {
  const struct {
    std::initializer_list<const char*> args;
    std::optional<int32_t> zs, pl, life, rate;
    const char* message;  // empty: the command can run
  } cases[] = {
      {{"economics", "--csv", "e.csv"}, {}, {}, {}, {}, ""},
      {{"economics", "--pdf", "e.pdf", "--running-zs", "1200", "--running-pl=999999", "--life", "20", "--rate", "6,5"},
       1200, 999999, 20, 65, ""},
      {{"overview", "--pdf", "o.pdf", "--rate", "30.0", "--life", "1"}, {}, {}, 1, 300, ""},
      {{"table", "--csv", "t.csv", "--running-pl", "0", "--rate", "0"}, {}, 0, {}, 0, ""},
      {{"economics", "--csv", "e", "--running-zs", "1000000"}, {}, {}, {}, {},
       "--running-zs: Die laufenden Kosten müssen zwischen 0 und 999999 EUR im Jahr liegen."},
      {{"economics", "--csv", "e", "--running-pl", "-1"}, {}, {}, {}, {},
       "--running-pl: Die laufenden Kosten müssen zwischen 0 und 999999 EUR im Jahr liegen."},
      {{"economics", "--csv", "e", "--life", "0"}, {}, {}, {}, {}, "--life: Die Nutzungsdauer muss zwischen 1 und 20 Jahren liegen."},
      {{"economics", "--csv", "e", "--life", "fünf"}, {}, {}, {}, {}, "--life: \"fünf\" ist keine gültige ganze Zahl."},
      {{"economics", "--csv", "e", "--rate", "30.1"}, {}, {}, {}, {},
       "--rate: Der Kalkulationszinssatz muss zwischen 0,0 und 30,0 % liegen."},
      {{"economics", "--csv", "e", "--rate", "6.55"}, {}, {}, {}, {},
       "--rate: \"6.55\" ist kein Zinssatz in Prozent mit höchstens einer Nachkommastelle."},
      {{"economics", "--csv", "e", "--rate", "-1"}, {}, {}, {}, {},
       "--rate: \"-1\" ist kein Zinssatz in Prozent mit höchstens einer Nachkommastelle."},
      {{"economics"}, {}, {}, {}, {}, "Bitte geben Sie an, wohin gedruckt wird: --pdf oder --csv."},
      {{"economics", "--printer", "Q"}, {}, {}, {}, {},
       "Die Option --printer gilt nicht für economics: die Seite gibt es als --pdf, die Zahlen als --csv."},
      {{"economics", "--csv", "a", "--pdf", "b"}, {}, {}, {}, {}, "Bitte geben Sie nur eines von --pdf und --csv an."},
      {{"economics", "--years", "2", "--csv", "a"}, {}, {}, {}, {}, "Die Option --years gilt nicht für economics."},
      {{"graph", "--pdf", "g", "--life", "5"}, {}, {}, {}, {},
       "Die Option --life gilt nur für economics, sensitivity, overview, workbook und table --csv."},
      {{"table", "--pdf", "t", "--rate", "5"}, {}, {}, {}, {},
       "Die Optionen --running-zs, --running-pl, --life und --rate gelten bei table nur mit --csv."},
      {{"economics", "--csv", "e", "--rate", "5", "--rate", "6"}, {}, {}, {}, {}, "Die Option --rate ist doppelt angegeben."},
  };
  for (const auto& c : cases) {
    const QStringList args = Args(c.args);
    SCOPED_TRACE(args.join(u' ').toStdString());
    const tReportCommand command = ParseCommandLine(args);
    EXPECT_EQ(command.Message, QString::fromUtf8(c.message));
    if (*c.message) continue;
    EXPECT_EQ(command.RunningCostsZS, c.zs);
    EXPECT_EQ(command.RunningCostsPL, c.pl);
    EXPECT_EQ(command.UsefulLife, c.life);
    EXPECT_EQ(command.RateTenths, c.rate);
  }
}

TEST(CommandLine, HelpWinsWherever) {
  for (const auto& args : {Args({"--help"}), Args({"-h"}), Args({"table", "--pdf", "a", "--help"}),
                           Args({"nonsense", "--help"})})
    EXPECT_EQ(ParseCommandLine(args).Kind, tKind::Help) << args.join(u' ').toStdString();
  const QString help = HelpText();
  for (const char* part : {"tavi-report table", "tavi-report graph", "tavi-report overview", "--years N", "--months N", "--max-cost EUR",
                           "--pdf DATEI", "--csv DATEI", "--printer DRUCKER", "--data DATEI", "Rückgabewert"})
    EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part;
}

TEST(CommandLine, CommandsThatCannotRunSayWhy) {
  const struct {
    std::initializer_list<const char*> args;
    const char* message;
  } cases[] = {
      {{}, "Bitte geben Sie an, was gedruckt wird: table, graph, overview, economics, sensitivity, workbook oder compare."},
      {{"print", "--pdf", "a"}, "Unbekannter Ausdruck \"print\": möglich sind table, graph, overview, economics, sensitivity, workbook und compare."},
      {{"--pdf", "a", "table"}, "Bitte geben Sie zuerst an, was gedruckt wird: table, graph, overview, economics, sensitivity, workbook oder compare."},
      {{"overview"}, "Bitte geben Sie an, wohin gedruckt wird: --pdf oder --printer."},
      {{"overview", "--csv", "a"},
       "Die Option --csv gilt nur für table, economics und sensitivity; die Gesamtübersicht gibt es als --pdf."},
      {{"overview", "--years", "2", "--pdf", "a"}, "Die Option --years gilt nur für table und workbook."},
      {{"overview", "--months", "2", "--pdf", "a"}, "Die Option --months gilt nur für graph."},
      {{"overview", "--max-cost", "2000", "--pdf", "a"}, "Die Option --max-cost gilt nur für graph."},
      {{"table"}, "Bitte geben Sie an, wohin gedruckt wird: --pdf, --csv oder --printer."},
      {{"graph", "--months", "5"}, "Bitte geben Sie an, wohin gedruckt wird: --pdf oder --printer."},
      {{"table", "--pdf", "a", "--csv", "b"}, "Bitte geben Sie nur eines von --pdf, --csv und --printer an."},
      {{"graph", "--pdf", "a", "--printer", "Q"}, "Bitte geben Sie nur eines von --pdf und --printer an."},
      {{"graph", "--csv", "a"},
       "Die Option --csv gilt nur für table, economics und sensitivity; die Grafik gibt es als --pdf."},
      {{"table", "--months", "3", "--pdf", "a"}, "Die Option --months gilt nur für graph; die Tabelle nimmt --years."},
      {{"table", "--max-cost", "3000", "--pdf", "a"}, "Die Option --max-cost gilt nur für graph."},
      {{"graph", "--years", "3", "--pdf", "a"}, "Die Option --years gilt nur für table und workbook."},
      {{"table", "--years", "-1", "--pdf", "a"}, "--years: Die Anzahl der Jahre darf nicht negativ sein."},
      {{"table", "--years", "zwei", "--pdf", "a"}, "--years: \"zwei\" ist keine gültige ganze Zahl."},
      {{"table", "--years", " 5", "--pdf", "a"}, "--years: \" 5\" ist keine gültige ganze Zahl."},
      {{"graph", "--months", "5 ", "--pdf", "a"}, "--months: \"5 \" ist keine gültige ganze Zahl."},
      {{"graph", "--max-cost=\t2000", "--pdf", "a"}, "--max-cost: \"\t2000\" ist keine gültige ganze Zahl."},
      {{"table", "--years", "178956971", "--pdf", "a"},
       "--years: Die Anzahl der Jahre ist zu groß: höchstens 178956970 Jahre sind möglich."},
      {{"graph", "--months", "0", "--pdf", "a"}, "--months: Die Laufzeit muss zwischen 1 und 9999999 Monaten liegen."},
      {{"graph", "--months", "10000000", "--pdf", "a"},
       "--months: Die Laufzeit muss zwischen 1 und 9999999 Monaten liegen."},
      {{"graph", "--months", "2.5", "--pdf", "a"}, "--months: \"2.5\" ist keine gültige ganze Zahl."},
      {{"graph", "--max-cost", "999", "--pdf", "a"},
       "--max-cost: Die maximalen Ausgaben müssen zwischen 1000 und 2147483647 EUR liegen."},
      {{"graph", "--max-cost", "2147483648", "--pdf", "a"},
       "--max-cost: Die maximalen Ausgaben müssen zwischen 1000 und 2147483647 EUR liegen."},
      {{"graph", "--max-cost", "viel", "--pdf", "a"}, "--max-cost: \"viel\" ist keine gültige ganze Zahl."},
      {{"table", "--printer", "PDF-Datei"},
       "--printer: \"PDF-Datei\" ist kein CUPS-Drucker; eine PDF-Datei schreibt --pdf."},
      {{"table", "--pdf", ""}, "Bei --pdf fehlt der Dateiname."},
      {{"table", "--pdf="}, "Bei --pdf fehlt der Dateiname."},
      {{"table", "--printer", ""}, "Bei --printer fehlt der Druckername."},
      {{"table", "--data", "", "--pdf", "a"}, "Bei --data fehlt der Dateiname."},
      {{"table", "--pdf"}, "Bei --pdf fehlt der Wert."},
      {{"table", "--pdf", "--years", "3"}, "Bei --pdf fehlt der Wert."},
      {{"table", "--years", "2", "--years", "3", "--pdf", "a"}, "Die Option --years ist doppelt angegeben."},
      {{"table", "--verbose", "--pdf", "a"}, "Unbekannte Option --verbose."},
      {{"table", "--pdf", "a", "b"}, "Unerwartetes Argument \"b\"."},
      {{"workbook"}, "Bitte geben Sie an, wohin die Arbeitsmappe geschrieben wird: --xlsx DATEI."},
      {{"workbook", "--pdf", "a"}, "Die Arbeitsmappe gibt es nur als --xlsx DATEI."},
      {{"workbook", "--months", "3", "--xlsx", "a"}, "Die Option --months gilt nicht für workbook."},
      {{"workbook", "--years", "1001", "--xlsx", "a"}, "--years: Die Arbeitsmappe fasst höchstens 1000 Jahre."},
      {{"table", "--xlsx", "a"}, "Die Option --xlsx gilt nur für workbook."},
      {{"workbook", "--xlsx="}, "Bei --xlsx fehlt der Dateiname."},
  };
  for (const auto& c : cases) {
    const QStringList args = Args(c.args);
    SCOPED_TRACE(args.join(u' ').toStdString());
    const tReportCommand command = ParseCommandLine(args);
    EXPECT_EQ(command.Kind, tKind::Usage);
    EXPECT_EQ(command.Message, QString::fromUtf8(c.message));
  }
}

}  // namespace
