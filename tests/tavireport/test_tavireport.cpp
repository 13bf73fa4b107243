// The real tavi-report, copied into a temporary program directory with a
// data file of the worked example and run the way a script runs it: no
// display, no Qt platform chosen. Each output form is read back (pdfinfo,
// pdftotext, the CSV text); each error path is checked for its exit
// status, its message and that it wrote nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include "cupsfixture.h"
#include "cupsmain.h"
#include "pdfcheck.h"
#include "tavidaten.h"
#include "tempdir.h"
#include "workedexample.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

bool gCups = false;
QString gNoCups;

struct tRun {
  int status = -1;
  QString out, err;
};

// The words of the layout line that starts with `first`.
QStringList LayoutRow(const QString& text, const QString& first) {
  for (const QString& line : text.split(u'\n')) {
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (!words.isEmpty() && words.first() == first) return words;
  }
  return {};
}

class TaviReport : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_REPORT_PROGRAM), QStringLiteral("tavi-report")));
    tTaviDaten d = WorkedExample();  // standard prices: the dialog sets 5600 for the planned-time system
    d.SetFirmenname("Muster GmbH");
    d.SetAnwendername("Erika Muster");
    WriteData(d);
  }
  void WriteData(const tTaviDaten& d, const QString& name = QStringLiteral("TAVI.DAT")) {
    ASSERT_TRUE(d.SaveToFile(QFile::encodeName(fDir.File(name)).toStdString()));
  }
  QString File(const QString& name) const { return fDir.File(name); }

  tRun Run(const QStringList& args, const QString& locale = QStringLiteral("C")) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANG", "LANGUAGE", "LC_NUMERIC"})
      env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(fDir.Path());
    process.start(fDir.File(QStringLiteral("tavi-report")), args);
    tRun run;
    if (!process.waitForFinished(120000)) {
      process.kill();
      process.waitForFinished();
      ADD_FAILURE() << "tavi-report did not end";
      return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
  }

  tTempDir fDir;
};

void ExpectTable(const tPdfFacts& pdf, int lastMonth) {
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_NEAR(pdf.widthPt, 595, 1);
  EXPECT_NEAR(pdf.heightPt, 842, 1);
  for (int m = 0; m <= lastMonth; ++m) EXPECT_EQ(LayoutRow(pdf.text, QString::number(m)).size(), 10) << m;
  EXPECT_EQ(LayoutRow(pdf.text, QStringLiteral("12")),
            (QStringList{QStringLiteral("12"), QStringLiteral("3750"), QStringLiteral("45000"), QStringLiteral("1875"),
                         QStringLiteral("27980"), QStringLiteral("1068"), QStringLiteral("24788"),
                         QStringLiteral("17020"), QStringLiteral("20212"), QStringLiteral("3192")}));
  EXPECT_TRUE(pdf.pageTexts.value(0).contains(QStringLiteral("Muster GmbH")));
  EXPECT_TRUE(pdf.pageTexts.value(0).contains(QStringLiteral("Tabellarischer Kostenverlauf")));
}

void ExpectGraph(const tPdfFacts& pdf, bool landscapeSheet) {
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_NEAR(pdf.widthPt, landscapeSheet ? 842 : 595, 1);
  EXPECT_NEAR(pdf.heightPt, landscapeSheet ? 595 : 842, 1);
  for (const char* text : {"Grafischer Kostenverlauf", "Monate", "Kosten in EUR", "Manuell", "Zeitstudiensystem",
                           "Planzeitsystem", "2.92", "3.61", "7.21"})
    EXPECT_TRUE(pdf.pageTexts.value(0).contains(QString::fromUtf8(text))) << text;
}

// ------------------------------------------------------------------ outputs

TEST_F(TaviReport, TableAsPdfLeavesDataAndSettingsAlone) {
  const QByteArray data = fDir.Read(QStringLiteral("TAVI.DAT"));
  const QByteArray ini = "[Druckereinstellungen]\nLinkerRand=200\nObererRand=200\nRechterRand=100\nUntererRand=200\n";
  ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.INI"), ini));
  const tRun run = Run({QStringLiteral("table"), QStringLiteral("--pdf"), QStringLiteral("tabelle.pdf")});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty()) << qPrintable(run.err);
  ExpectTable(InspectPdf(File(QStringLiteral("tabelle.pdf"))), 12);
  EXPECT_EQ(fDir.Read(QStringLiteral("TAVI.DAT")), data);
  EXPECT_EQ(fDir.Read(QStringLiteral("TAVI.INI")), ini);
  // Nothing else appeared: no temporary file left, no settings written.
  QStringList files = QDir(fDir.Path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  files.sort();
  EXPECT_EQ(files, (QStringList{QStringLiteral("TAVI.DAT"), QStringLiteral("TAVI.INI"), QStringLiteral("tabelle.pdf"),
                                QStringLiteral("tavi-report")}));
}

TEST_F(TaviReport, TableReplacesAnOldFileAndCountsItsPages) {
  ASSERT_TRUE(fDir.Write(QStringLiteral("t.pdf"), "alt"));
  const tRun run = Run({QStringLiteral("table"), QStringLiteral("--years=100"), QStringLiteral("--pdf=t.pdf")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  const tPdfFacts pdf = InspectPdf(File(QStringLiteral("t.pdf")));
  EXPECT_EQ(pdf.pages, 26);  // 1201 months, 48 rows a page
  EXPECT_TRUE(pdf.pageTexts.value(25).contains(QStringLiteral("Seite 26 / 26")));
  EXPECT_EQ(LayoutRow(pdf.text, QStringLiteral("1200")).value(2), QStringLiteral("4500000"));
  // Every page shows the maker's logo, and the file holds it once.
  QString images;
  ASSERT_EQ(tCupsFixture::Run({QStringLiteral("pdfimages"), QStringLiteral("-list"), File(QStringLiteral("t.pdf"))},
                              &images),
            0);
  QSet<QString> objects;
  int shown = 0;
  for (const QString& line : images.split(u'\n')) {
    const QStringList f = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (f.size() > 10 && f[2] == QStringLiteral("image")) {
      ++shown;
      objects << f[10];
    }
  }
  EXPECT_EQ(shown, 26);
  EXPECT_EQ(objects.size(), 1);
}

TEST_F(TaviReport, MarginsComeFromTheSettingsFile) {
  const auto monatLeft = [&](const QString& ini) -> double {
    if (!ini.isEmpty()) {
      EXPECT_TRUE(fDir.Write(QStringLiteral("TAVI.INI"), ini.toUtf8()));
    }
    const tRun run = Run({QStringLiteral("table"), QStringLiteral("--pdf"), QStringLiteral("m.pdf")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    return PdfWordBox(File(QStringLiteral("m.pdf")), QStringLiteral("Monat")).left();
  };
  const double byDefault = monatLeft(QString());  // no TAVI.INI: 20 mm
  EXPECT_FALSE(fDir.Exists(QStringLiteral("TAVI.INI")));
  const double wider = monatLeft(QStringLiteral("[Druckereinstellungen]\nLinkerRand=500\n"));
  // "Monat" starts 1 mm inside the table; 30 mm more margin move it 85 pt.
  EXPECT_NEAR(byDefault, (200 + 10) * 72.0 / 254, 1.5);
  EXPECT_NEAR(wider - byDefault, 300 * 72.0 / 254, 1);
}

TEST_F(TaviReport, CsvHasTheRowsWithTheLocalesDecimalSeparator) {
  for (const auto& [locale, point] : {std::pair{QStringLiteral("C"), QStringLiteral(".")},
                                      std::pair{QStringLiteral("de_DE.UTF-8"), QStringLiteral(",")}}) {
    SCOPED_TRACE(locale.toStdString());
    const tRun run = Run({QStringLiteral("table"), QStringLiteral("--csv"), QStringLiteral("t.csv")}, locale);
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    const QStringList lines = QString::fromUtf8(fDir.Read(QStringLiteral("t.csv"))).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 14);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Monat;Manuell Kosten pro Monat;")));
    EXPECT_EQ(lines[1], QStringLiteral("0;0;0;0;5480;0;7130;-5480;-7130;-1650"));
    const QStringList month2 = lines[3].split(u';');
    ASSERT_EQ(month2.size(), 10);
    // 10806.63 euros planned-time sum after two months, in full.
    EXPECT_TRUE(month2[6].startsWith(QStringLiteral("10806") + point + QStringLiteral("63"))) << qPrintable(month2[6]);
    EXPECT_EQ(lines[13].split(u';').value(7), QStringLiteral("17020"));
  }
}

TEST_F(TaviReport, GraphAsPdfWithTheDialogsProposalsOrGivenAxes) {
  tRun run = Run({QStringLiteral("graph"), QStringLiteral("--pdf"), QStringLiteral("g.pdf")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  tPdfFacts pdf = InspectPdf(File(QStringLiteral("g.pdf")));
  ExpectGraph(pdf, true);
  // The proposal: 10 months, 40500 euros (ticks every 2000 up to 40000).
  const QString page = pdf.pageTexts.value(0);
  EXPECT_TRUE(page.contains(QStringLiteral(" 10 ")));
  EXPECT_FALSE(page.contains(QStringLiteral(" 11 ")));
  EXPECT_TRUE(page.contains(QStringLiteral("40000")));
  EXPECT_FALSE(page.contains(QStringLiteral("42000")));

  run = Run({QStringLiteral("graph"), QStringLiteral("--months"), QStringLiteral("24"), QStringLiteral("--max-cost"),
             QStringLiteral("100000"), QStringLiteral("--pdf"), QStringLiteral("g.pdf")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  pdf = InspectPdf(File(QStringLiteral("g.pdf")));
  ExpectGraph(pdf, true);
  EXPECT_TRUE(pdf.pageTexts.value(0).contains(QStringLiteral(" 24 ")));
  EXPECT_TRUE(pdf.pageTexts.value(0).contains(QStringLiteral("100000")));
}

TEST_F(TaviReport, BothReportsReachACupsQueue) {
  if (!gCups) GTEST_SKIP() << qPrintable(gNoCups);
  // The program's jobs are all titled "Amortisationsrechnung": no file of an
  // earlier run may be taken for this one's.
  for (const QFileInfo& old : QDir(tCupsFixture::PdfOutputDir()).entryInfoList(QDir::Files))
    if (old.fileName().contains(QStringLiteral("Amortisationsrechnung"))) QFile::remove(old.absoluteFilePath());
  const struct {
    const char* what;
  } cases[] = {{"table"}, {"graph"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const tRun run = Run({QString::fromLatin1(c.what), QStringLiteral("--printer"), tCupsFixture::PdfQueue()});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    QString error;
    const QString file = tCupsFixture::WaitForPdf(QStringLiteral("Amortisationsrechnung"), 60000, &error);
    ASSERT_FALSE(file.isEmpty()) << qPrintable(error);
    const tPdfFacts pdf = InspectPdf(file);
    QFile::remove(file);
    if (QLatin1String(c.what) == QLatin1String("table"))
      ExpectTable(pdf, 12);
    else
      ExpectGraph(pdf, false);  // turned on the queue's A4 portrait sheet
  }
}

TEST_F(TaviReport, WorkbookReplacesAnOldFileAndLeavesNothingElse) {
  ASSERT_TRUE(fDir.Write(QStringLiteral("m.xlsx"), "alt"));
  const tRun run = Run({QStringLiteral("workbook"), QStringLiteral("--years"), QStringLiteral("2"),
                        QStringLiteral("--xlsx"), QStringLiteral("m.xlsx")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  EXPECT_TRUE(fDir.Read(QStringLiteral("m.xlsx")).startsWith("PK\x03\x04"));  // a zip package
  QStringList files = QDir(fDir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  files.sort();
  EXPECT_EQ(files, (QStringList{QStringLiteral("TAVI.DAT"), QStringLiteral("m.xlsx"), QStringLiteral("tavi-report")}));
}

TEST_F(TaviReport, HelpIsGerman) {
  const tRun run = Run({QStringLiteral("--help")});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty());
  EXPECT_TRUE(run.out.startsWith(QStringLiteral("Aufruf:\n  tavi-report table")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("Rückgabewert")));
}

// ------------------------------------------------------------------- errors

TEST_F(TaviReport, FailuresSayWhyAndWriteNothing) {
  tTaviDaten badOption = WorkedExample();
  badOption.Erfassgeraet = 7;
  WriteData(badOption, QStringLiteral("option.dat"));
  ASSERT_TRUE(fDir.Write(QStringLiteral("kurz.dat"), QByteArray("\x05Muster", 7)));
  ASSERT_TRUE(fDir.MakeDir(QStringLiteral("sub")));
  const QString usage = QStringLiteral(
      "\nAufruf: tavi-report table|graph|overview|economics|sensitivity|workbook|compare ...; \"tavi-report --help\" zeigt alle Möglichkeiten.\n");
  const QString dir = QDir::toNativeSeparators(fDir.Path());

  const struct {
    QStringList args;
    int status;
    QString message;  // standard error starts with "tavi-report: " and this
    QString ini;      // TAVI.INI for this case
  } cases[] = {
      {{}, 2, QStringLiteral("Bitte geben Sie an, was gedruckt wird: table, graph, overview, economics, sensitivity, workbook oder compare.") + usage, {}},
      {{QStringLiteral("table"), QStringLiteral("--years"), QStringLiteral("-2"), QStringLiteral("--pdf"),
        QStringLiteral("out")},
       2, QStringLiteral("--years: Die Anzahl der Jahre darf nicht negativ sein.") + usage, {}},
      {{QStringLiteral("graph"), QStringLiteral("--csv"), QStringLiteral("out")}, 2,
       QStringLiteral("Die Option --csv gilt nur für table, economics und sensitivity; die Grafik gibt es als --pdf.") +
           usage,
       {}},
      {{QStringLiteral("economics"), QStringLiteral("--rate"), QStringLiteral("31"), QStringLiteral("--csv"),
        QStringLiteral("out")},
       2, QStringLiteral("--rate: Der Kalkulationszinssatz muss zwischen 0,0 und 30,0 % liegen.") + usage, {}},
      {{QStringLiteral("table"), QStringLiteral("--data"), QStringLiteral("fehlt.dat"), QStringLiteral("--pdf"),
        QStringLiteral("out")},
       1, QStringLiteral("Die Datendatei \"fehlt.dat\" gibt es nicht.\n"), {}},
      {{QStringLiteral("table"), QStringLiteral("--data"), QStringLiteral("kurz.dat"), QStringLiteral("--csv"),
        QStringLiteral("out")},
       1, QStringLiteral("Die Datendatei \"kurz.dat\" kann nicht gelesen werden.\n"), {}},
      {{QStringLiteral("graph"), QStringLiteral("--data"), QStringLiteral("option.dat"), QStringLiteral("--pdf"),
        QStringLiteral("out")},
       1, QStringLiteral("In der Datendatei \"option.dat\": Unbekannte Geräteoption (7).\n"), {}},
      {{QStringLiteral("table"), QStringLiteral("--printer"), QStringLiteral("GIBTESNICHT")}, 1,
       QStringLiteral("Der Drucker \"GIBTESNICHT\" ist nicht eingerichtet.\n"), {}},
      {{QStringLiteral("table"), QStringLiteral("--pdf"), QStringLiteral("nirgends/out")}, 1,
       QStringLiteral("Die PDF-Datei \"nirgends/out\" kann nicht angelegt werden: Den Ordner gibt es nicht.\n"), {}},
      {{QStringLiteral("table"), QStringLiteral("--pdf"), QStringLiteral("sub")}, 1,
       QStringLiteral("Die PDF-Datei \"sub\" kann nicht angelegt werden: Das Ziel ist ein Ordner; es wird nicht "
                      "ersetzt.\n"),
       {}},
      {{QStringLiteral("table"), QStringLiteral("--csv"), QStringLiteral("sub")}, 1,
       QStringLiteral("Die Datei \"sub\" kann nicht geschrieben werden"), {}},
      {{QStringLiteral("workbook"), QStringLiteral("--xlsx"), QStringLiteral("sub")}, 1,
       QStringLiteral("Die Datei \"sub\" kann nicht geschrieben werden: "), {}},
      {{QStringLiteral("workbook"), QStringLiteral("--xlsx"), QStringLiteral("nirgends/m.xlsx")}, 1,
       QStringLiteral("Die Datei \"nirgends/m.xlsx\" kann nicht geschrieben werden: "), {}},
      {{QStringLiteral("workbook"), QStringLiteral("--xlsx"), QStringLiteral("TAVI.DAT")}, 1,
       QStringLiteral("Die Datei \"TAVI.DAT\" kann nicht geschrieben werden: "), {}},
      {{QStringLiteral("table"), QStringLiteral("--years"), QStringLiteral("70000"), QStringLiteral("--pdf"),
        QStringLiteral("out")},
       1,
       QStringLiteral("Die Tabelle hätte 17501 Seiten; ein Ausdruck kann höchstens 16380 Seiten umfassen. Bitte "
                      "wählen Sie weniger Jahre.\n"),
       {}},
      {{QStringLiteral("table"), QStringLiteral("--pdf"), QStringLiteral("out")}, 1,
       QStringLiteral("Die bedruckbare Höhe der Seite reicht für keine Tabellenzeile. Bitte verkleinern Sie den oberen "
                      "oder unteren Rand in der Druckereinrichtung.\n"),
       QStringLiteral("[Druckereinstellungen]\nObererRand=1300\nUntererRand=1300\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    QFile::remove(File(QStringLiteral("TAVI.INI")));
    if (!c.ini.isEmpty()) {
      ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.INI"), c.ini.toUtf8()));
    }
    const QStringList before = QDir(fDir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const tRun run = Run(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("tavi-report: ") + c.message)) << qPrintable(run.err);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QDir(fDir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    EXPECT_TRUE(QDir(File(QStringLiteral("sub"))).isEmpty());
  }
  // Without TAVI.DAT in the program's directory.
  QFile::remove(File(QStringLiteral("TAVI.DAT")));
  QFile::remove(File(QStringLiteral("TAVI.INI")));
  const tRun run = Run({QStringLiteral("table"), QStringLiteral("--pdf"), QStringLiteral("out")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, QStringLiteral("tavi-report: Die Datendatei \"%1/TAVI.DAT\" gibt es nicht.\n").arg(dir));
  EXPECT_FALSE(fDir.Exists(QStringLiteral("out")));
}

TEST_F(TaviReport, OverviewAsPdfHasItsThreeSheets) {
  for (int n = 1; n <= 3; ++n)
    ASSERT_TRUE(fDir.CopyIn(QFileInfo(QStringLiteral(TAVI_REPORT_PROGRAM)).dir().filePath(QStringLiteral("BLATT%1.CFM").arg(n))));
  const tRun run = Run({QStringLiteral("overview"), QStringLiteral("--pdf"), QStringLiteral("gesamt.pdf")});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty()) << qPrintable(run.err);
  const tPdfFacts pdf = InspectPdf(File(QStringLiteral("gesamt.pdf")));
  EXPECT_EQ(pdf.pages, 3);
  EXPECT_FALSE(pdf.text.contains(QStringLiteral("OnData")));
  for (const char* text : {"Gesamtübersicht", "Muster GmbH", "45000", "3562"})
    EXPECT_TRUE(pdf.pageTexts.value(0).contains(QString::fromUtf8(text))) << text;
  for (const char* text : {"5480", "2.9", "62020"}) EXPECT_TRUE(pdf.pageTexts.value(1).contains(QString::fromUtf8(text))) << text;
  for (const char* text : {"7130", "0.39", "100870"})
    EXPECT_TRUE(pdf.pageTexts.value(2).contains(QString::fromUtf8(text))) << text;

  // A sheet that cannot be drawn: a failure, and no file.
  ASSERT_TRUE(QFile::remove(File(QStringLiteral("BLATT2.CFM"))));
  const tRun missing = Run({QStringLiteral("overview"), QStringLiteral("--pdf"), QStringLiteral("ohne.pdf")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, QStringLiteral("tavi-report: Fehler bei der Druckaufbereitung. Fehler (-1) beim Laden des "
                                        "Formular \"BLATT2.CFM\".\n"));
  EXPECT_FALSE(fDir.Exists(QStringLiteral("ohne.pdf")));
}

// Every printout of a large department and of the largest figures the
// entry fields allow, read back with pdftotext: no asterisks, the figures
// of the record whole; without a payback "keine", never 0.0.
TEST_F(TaviReport, LargeFiguresAndNoPaybackOnEveryPrintout) {
  for (int n = 1; n <= 3; ++n)
    ASSERT_TRUE(fDir.CopyIn(QFileInfo(QStringLiteral(TAVI_REPORT_PROGRAM)).dir().filePath(QStringLiteral("BLATT%1.CFM").arg(n))));
  tTaviDaten large = WorkedExample();  // 2000 studies of 8 hours at 60 euros
  large.AnzZS = 2000;
  large.DauerZS = 8;
  large.Stundensatz = 60;
  tTaviDaten limit = WorkedExample();  // 99 989 000 hours at 21 euros
  limit.AnzZS = 99999;
  limit.DauerZS = 999.9L;
  limit.Stundensatz = 21;
  tTaviDaten none = WorkedExample();  // nothing saved
  none.PotentialVorb = none.PotentialDurchf = none.PotentialAuswert = none.PotentialAnzZS = 0;
  const struct {
    const char* what;
    tTaviDaten daten;
    std::vector<const char*> overview, table, graph;
    bool keine;
  } cases[] = {
      {"large department", large, {"960000", "288000", "912000", "576174", "80000"}, {"1040000", "1920000"},
       {"0.14", "0.18", "2.03"}, false},
      // The table holds its figures in single precision: 174980750 is 174980752.
      {"largest figures", limit, {"99989000", "2099769000", "1049884500", "5039438470", "8332416"},
       {"174980752", "4199537920"}, {}, false},
      {"no payback", none, {"keine"}, {"45000"}, {"keine"}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteData(c.daten);
    const QStringList args[] = {{QStringLiteral("overview"), QStringLiteral("--pdf=o.pdf")},
                                {QStringLiteral("table"), QStringLiteral("--years=2"), QStringLiteral("--pdf=t.pdf")},
                                {QStringLiteral("graph"), QStringLiteral("--pdf=g.pdf")}};
    const std::vector<const char*>* expected[] = {&c.overview, &c.table, &c.graph};
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(args[i].join(u' ').toStdString());
      const tRun run = Run(args[i]);
      ASSERT_EQ(run.status, 0) << qPrintable(run.err);
      const QString text = InspectPdf(File(args[i].last().mid(6))).text;
      EXPECT_FALSE(text.contains(u'*'));
      const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
      for (const char* figure : *expected[i]) EXPECT_TRUE(words.contains(QString::fromLatin1(figure))) << figure;
      if (c.keine) {
        EXPECT_EQ(words.count(QStringLiteral("keine")), i == 1 ? 0 : 3);  // the table has no paybacks
        EXPECT_TRUE(i != 2 || !words.contains(QStringLiteral("0.00")));
      }
    }
  }
}

// ------------------------------------------------------------ the appraisal

// The worked example with the inputs in the data file or on the command
// line: 1200 and 2400 euros a year, 5 years, 6 % (test_economics).
TEST_F(TaviReport, EconomicsAsCsvAndPdfFromTheFileOrTheOptions) {
  const QString row3 = QStringLiteral("3;1200,00;19050,00;8,8125;8,9382;61325,15;631,7354;1992,39;16200,00;35250,00;73350,00");
  const QStringList options = {QStringLiteral("--running-zs"), QStringLiteral("1200"), QStringLiteral("--running-pl"),
                               QStringLiteral("2400"), QStringLiteral("--rate=6,0")};
  tRun run = Run(QStringList{QStringLiteral("economics"), QStringLiteral("--csv"), QStringLiteral("e.csv")} + options,
                 QStringLiteral("de_DE.UTF-8"));
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  QStringList lines = QString::fromUtf8(fDir.Read(QStringLiteral("e.csv"))).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Vergleich;Laufende Kosten pro Jahr;")));
  EXPECT_EQ(lines[3], row3);

  // The same inputs from the data file; an option overrides one of them.
  tTaviDaten d = WorkedExample();
  d.SetFirmenname("Muster GmbH");
  d.Economics.RunningCostsZS = 1200;
  d.Economics.RunningCostsPL = 2400;
  d.Economics.RateTenths = 60;
  WriteData(d);
  run = Run({QStringLiteral("economics"), QStringLiteral("--csv"), QStringLiteral("e.csv")},
            QStringLiteral("de_DE.UTF-8"));
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  EXPECT_EQ(QString::fromUtf8(fDir.Read(QStringLiteral("e.csv"))).split(u'\n').value(3), row3);
  run = Run({QStringLiteral("economics"), QStringLiteral("--csv"), QStringLiteral("e.csv"), QStringLiteral("--life"),
             QStringLiteral("1")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  // One year: the useful life's balance is the first year's.
  EXPECT_TRUE(QString::fromUtf8(fDir.Read(QStringLiteral("e.csv"))).split(u'\n').value(1).endsWith(
      QStringLiteral(";15820.00;37120.00;58420.00;15820.00")));

  ASSERT_TRUE(fDir.CopyIn(QFileInfo(QStringLiteral(TAVI_REPORT_PROGRAM)).dir().filePath(QStringLiteral("BLATT4.CFM"))));
  run = Run({QStringLiteral("economics"), QStringLiteral("--pdf"), QStringLiteral("w.pdf")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  const tPdfFacts pdf = InspectPdf(File(QStringLiteral("w.pdf")));
  EXPECT_EQ(pdf.pages, 1);
  for (const char* text : {"Wirtschaftlichkeitsrechnung", "Seite 1 / 1", "Muster GmbH", "631.74 %", "86685 €", "6.0 %"})
    EXPECT_TRUE(pdf.text.contains(QString::fromUtf8(text))) << text;
}

TEST_F(TaviReport, OverviewAndTableCsvTakeTheAppraisalWhenItHasInputs) {
  for (int n = 1; n <= 4; ++n)
    ASSERT_TRUE(fDir.CopyIn(QFileInfo(QStringLiteral(TAVI_REPORT_PROGRAM)).dir().filePath(QStringLiteral("BLATT%1.CFM").arg(n))));
  tRun run = Run({QStringLiteral("overview"), QStringLiteral("--pdf"), QStringLiteral("o.pdf"), QStringLiteral("--life"),
                  QStringLiteral("10")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  tPdfFacts pdf = InspectPdf(File(QStringLiteral("o.pdf")));
  EXPECT_EQ(pdf.pages, 4);
  EXPECT_TRUE(pdf.pageTexts.value(3).contains(QStringLiteral("10 Jahre")));

  // The table's CSV: the five columns come with an option, not without.
  run = Run({QStringLiteral("table"), QStringLiteral("--csv"), QStringLiteral("t.csv")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  EXPECT_EQ(QString::fromUtf8(fDir.Read(QStringLiteral("t.csv"))).split(u'\n').value(1).count(u';'), 9);
  run = Run({QStringLiteral("table"), QStringLiteral("--csv"), QStringLiteral("t.csv"), QStringLiteral("--rate"),
             QStringLiteral("0")});
  EXPECT_EQ(run.status, 0) << qPrintable(run.err);
  const QStringList lines = QString::fromUtf8(fDir.Read(QStringLiteral("t.csv"))).split(u'\n');
  EXPECT_TRUE(lines.value(0).endsWith(QStringLiteral(";Abgezinster Vorteil 2-3")));
  EXPECT_EQ(lines.value(1), QStringLiteral("0;0;0;0;5480;0;7130;-5480;-7130;-1650;5480.00;7130.00;-5480.00;-7130.00;-1650.00"));
}

TEST_F(TaviReport, DamagedAppraisalBlockIsAWarningAndTheDefaultsAreUsed) {
  tTaviDaten d = WorkedExample();
  d.Economics.RateTenths = 60;
  WriteData(d);
  QByteArray bytes = fDir.Read(QStringLiteral("TAVI.DAT"));
  bytes.chop(1);
  ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.DAT"), bytes));
  const tRun run = Run({QStringLiteral("economics"), QStringLiteral("--csv"), QStringLiteral("e.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.startsWith(QStringLiteral("tavi-report: Warnung: Die Angaben zur Wirtschaftlichkeit")))
      << qPrintable(run.err);
  // Rate 0: the dynamic payback is the static one, PaybackZS.
  EXPECT_TRUE(QString::fromUtf8(fDir.Read(QStringLiteral("e.csv"))).split(u'\n').value(1).startsWith(
      QStringLiteral("1;0.00;22500.00;2.9227;2.9227;")));
  EXPECT_EQ(fDir.Read(QStringLiteral("TAVI.DAT")), bytes);  // only read
}

TEST_F(TaviReport, FailedReportLeavesAnOlderFileAsItWas) {
  ASSERT_TRUE(fDir.Write(QStringLiteral("alt.pdf"), "vorher"));
  ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.INI"), "[Druckereinstellungen]\nObererRand=1300\nUntererRand=1300\n"));
  const tRun run = Run({QStringLiteral("table"), QStringLiteral("--pdf"), QStringLiteral("alt.pdf")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(fDir.Read(QStringLiteral("alt.pdf")), QByteArray("vorher"));
}

}  // namespace

// The program under test finds the scheduler through CUPS_SERVER.
int main(int argc, char** argv) {
  return RunTestsWithCups(argc, argv, QStringLiteral(TAVI_PRINT_TEST_DIR "/tavi-rand.ppd"), false, gCups, gNoCups);
}

namespace {

// The field of a CSV line whose first field starts with `caption`.
QStringList CsvRow(const QString& csv, const QString& caption) {
  for (const QString& line : csv.split(u'\n'))
    if (line.startsWith(caption)) return line.split(u';');
  return {};
}

TEST_F(TaviReport, CompareHasEachFilesOwnFigures) {
  tTaviDaten withCosts = WorkedExample();
  withCosts.SetFirmenname("Werk 2");
  withCosts.Economics.RunningCostsZS = 1200;
  withCosts.Economics.RunningCostsPL = 2400;
  withCosts.Economics.RateTenths = 60;
  WriteData(withCosts, QStringLiteral("Werk 2.tavi"));
  tTaviDaten large = WorkedExample();
  large.AnzZS = 2000;
  large.DauerZS = 8;
  large.Stundensatz = 60;
  WriteData(large, QStringLiteral("gross.tavi"));
  WriteData(tTaviDaten(), QStringLiteral("leer.tavi"));
  const QStringList data = {QStringLiteral("--data"), QStringLiteral("TAVI.DAT"), QStringLiteral("--data"),
                            QStringLiteral("Werk 2.tavi"), QStringLiteral("--data"), QStringLiteral("gross.tavi"),
                            QStringLiteral("--data"), QStringLiteral("leer.tavi")};
  tRun run = Run(QStringList{QStringLiteral("compare"), QStringLiteral("--csv"), QStringLiteral("c.csv")} + data);
  ASSERT_EQ(run.status, 0) << qPrintable(run.err);
  const QString csv = QString::fromUtf8(fDir.Read(QStringLiteral("c.csv")));
  EXPECT_EQ(CsvRow(csv, QStringLiteral("Zeile")),
            (QStringList{"Zeile", "TAVI.DAT", "Werk 2.tavi", "gross.tavi", "leer.tavi"}));
  EXPECT_EQ(CsvRow(csv, QStringLiteral("Firma")), (QStringList{"Firma", "Muster GmbH", "Werk 2", "", ""}));
  // Each column as economics prints its file alone.
  run = Run({QStringLiteral("economics"), QStringLiteral("--csv"), QStringLiteral("e.csv"), QStringLiteral("--data"),
             QStringLiteral("Werk 2.tavi")});
  ASSERT_EQ(run.status, 0) << qPrintable(run.err);
  const QStringList alone = QString::fromUtf8(fDir.Read(QStringLiteral("e.csv"))).split(u'\n');
  for (int c = 1; c <= 3; ++c) {
    const QStringList row = alone.value(c).split(u';');
    int seen = 0;
    for (const QString& line : csv.split(u'\n')) {
      if (line.startsWith(QStringLiteral("Wirtschaftlichkeit: Kapitalwert")) && ++seen == c) {
        EXPECT_EQ(line.split(u';').value(2), row.value(5)) << c;
      }
    }
  }
  EXPECT_EQ(CsvRow(csv, QStringLiteral("Amortisation: Zeitstudiensystem - manuell")).value(4), QStringLiteral("keine"));
  EXPECT_EQ(CsvRow(csv, QStringLiteral("Saldo: Zeitstudiensystem nach 1 Jahr")).value(1), QStringLiteral("17020.00"));

  run = Run(QStringList{QStringLiteral("compare"), QStringLiteral("--pdf"), QStringLiteral("c.pdf")} + data);
  ASSERT_EQ(run.status, 0) << qPrintable(run.err);
  const tPdfFacts pdf = InspectPdf(File(QStringLiteral("c.pdf")));
  EXPECT_EQ(pdf.pages, 1);
  EXPECT_NEAR(pdf.widthPt, 842, 1);
  for (const char* text : {"Vergleich der Berechnungen", "gross.tavi", "Werk 2", "17020 €", "keine", "2000"})
    EXPECT_TRUE(pdf.text.contains(QString::fromUtf8(text))) << text;
  EXPECT_FALSE(pdf.text.contains(QStringLiteral("***")));

  // Refused: one file, a fifth, a bad one (nothing written).
  struct tBad {
    QStringList args;
    int status;
    const char* says;
  } bad[] = {
      {{"compare", "--data", "TAVI.DAT", "--csv", "x.csv"}, 2, "zwei bis vier"},
      {QStringList{"compare", "--csv", "x.csv", "--data", "leer.tavi"} + data, 2, "höchstens vier"},
      {{"compare", "--data", "TAVI.DAT", "--data", "fehlt.tavi", "--csv", "x.csv"}, 1, "fehlt.tavi\" gibt es nicht"},
      {{"compare", "--data", "TAVI.DAT", "--data", "leer.tavi", "--years", "2", "--csv", "x.csv"}, 2, "--years"},
  };
  for (const tBad& b : bad) {
    run = Run(b.args);
    EXPECT_EQ(run.status, b.status) << qPrintable(b.args.join(u' '));
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(b.says))) << qPrintable(run.err);
  }
  EXPECT_FALSE(fDir.Exists(QStringLiteral("x.csv")));
}

}  // namespace
