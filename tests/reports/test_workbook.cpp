// The workbook recalculated by a real spreadsheet program: LibreOffice Calc
// (headless, a private profile that recalculates every formula on load)
// turns the .xlsx into one CSV file per sheet, and each formula cell must
// come out as the program's own value: whole euros exactly, months to
// 0.01, everything else to a millionth. The workbook is written with every
// cached result cleared, so only the formulas can produce the values.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <cmath>
#include <map>

#include "economics.h"
#include "payback.h"
#include "pricetable.h"
#include "workbook.h"
#include "workedexample.h"

namespace {

using tStyle = tWorkbookCell::tStyle;

struct tCase {
  const char* Name;
  tTaviDaten Daten;
  tEconomicsInputs Economics;
  int32_t Years;
};

std::vector<tCase> Cases() {
  std::vector<tCase> cases;
  // The worked example with running costs, a life of 5 years and 6 %.
  cases.push_back({"worked", WorkedExampleStandardPrices(), {1200, 2400, 5, 60}, 3});
  // A large department: 2000 studies of 8 hours at 60 euros, 7.5 % over 8 years.
  tTaviDaten large = WorkedExampleStandardPrices();
  large.AnzZS = 2000;
  large.DauerZS = 8;
  large.Stundensatz = 60;
  cases.push_back({"large", large, {5000, 9000, 8, 75}, 10});
  return cases;
}

// A CSV line split at ';', quotes removed.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (c == ';' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

using tGrid = std::vector<std::vector<std::string>>;

tGrid ReadCsv(const QString& file) {
  QFile f(file);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
  tGrid grid;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (!line.isEmpty()) grid.push_back(Fields(line.trimmed().toStdString()));
  return grid;
}

// Converts the workbook into one CSV per sheet after a full recalculation.
std::map<std::string, tGrid> Recalculated(const QString& xlsx, const QTemporaryDir& dir) {
  const QString profile = dir.filePath(QStringLiteral("profile"));
  QDir().mkpath(profile + QStringLiteral("/user"));
  QFile settings(profile + QStringLiteral("/user/registrymodifications.xcu"));
  EXPECT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
      "<item oor:path=\"/org.openoffice.Office.Calc/Formula/Load\"><prop oor:name=\"OOXMLRecalcMode\" "
      "oor:op=\"fuse\"><value>0</value></prop></item>\n"
      "</oor:items>\n");
  settings.close();
  QProcess soffice;
  soffice.setWorkingDirectory(dir.path());
  // ';' between fields, '"' around texts, UTF-8, the values not as shown
  // (full precision), every sheet into a file of its own.
  soffice.start(QStringLiteral(TAVI_SOFFICE),
                {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
                 QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                 QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1,,1033,false,false,false,false,false,-1"),
                 QStringLiteral("--outdir"), dir.path(), xlsx});
  EXPECT_TRUE(soffice.waitForFinished(180000)) << "LibreOffice did not finish";
  EXPECT_EQ(soffice.exitCode(), 0) << soffice.readAllStandardError().toStdString();
  std::map<std::string, tGrid> sheets;
  const QString base = QFileInfo(xlsx).completeBaseName();
  for (const char* name : {"Eingaben", "Ergebnisse", "Kostenverlauf"})
    sheets[name] = ReadCsv(dir.filePath(base + QStringLiteral("-") + QString::fromUtf8(name) + QStringLiteral(".csv")));
  return sheets;
}

double Number(const std::string& text, bool& ok) {
  std::string t = text;
  for (char& c : t)
    if (c == ',') c = '.';
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  ok = !t.empty() && end == t.c_str() + t.size();
  return v;
}

}  // namespace

TEST(Workbook, EveryFormulaRecalculatesToTheProgramsValue) {
  for (tCase& c : Cases()) {
    SCOPED_TRACE(c.Name);
    ApplyStandardPricesToRecord(c.Daten);
    tPaybackCalc calc;
    calc.Calculate(c.Daten);
    tEconomicsCalc economics;
    economics.Calculate(c.Daten, calc, c.Economics);
    const tWorkbookContent content = BuildWorkbook(c.Daten, calc, economics, c.Years);

    // Only the formulas may give the values.
    tWorkbookContent cleared = content;
    for (tWorkbookSheet& sheet : cleared.Sheets)
      for (tWorkbookCell& cell : sheet.Cells)
        if (cell.Kind == tWorkbookCell::tKind::Formula) {
          cell.Value = 0;
          cell.CachedText = false;
        }
    QTemporaryDir dir;
    const QString xlsx = dir.filePath(QStringLiteral("mappe.xlsx"));
    ASSERT_EQ(SaveWorkbook(cleared, xlsx.toStdString()), "");
    const std::map<std::string, tGrid> sheets = Recalculated(xlsx, dir);

    int formulas = 0;
    for (const tWorkbookSheet& sheet : content.Sheets) {
      const tGrid& grid = sheets.at(sheet.Name);
      for (const tWorkbookCell& cell : sheet.Cells) {
        if (cell.Kind != tWorkbookCell::tKind::Formula) continue;
        ++formulas;
        const std::string where = sheet.Name + " row " + std::to_string(cell.Row + 1) + " col " +
                                  std::to_string(cell.Col + 1) + ": " + cell.Formula;
        ASSERT_LT(size_t(cell.Row), grid.size()) << where;
        ASSERT_LT(size_t(cell.Col), grid[cell.Row].size()) << where;
        const std::string& got = grid[cell.Row][cell.Col];
        if (cell.CachedText) {
          EXPECT_EQ(got, cell.Text) << where;
          continue;
        }
        bool ok = false;
        const double value = Number(got, ok);
        ASSERT_TRUE(ok) << where << " gives \"" << got << "\"";
        if (cell.Style == tStyle::Euro)
          EXPECT_EQ(std::nearbyint(value), std::nearbyint(cell.Value)) << where << " = " << got;
        else if (cell.Style == tStyle::Months)
          EXPECT_NEAR(value, cell.Value, 0.01) << where;
        else
          EXPECT_NEAR(value, cell.Value, 1e-6 * std::max(1.0, std::fabs(cell.Value))) << where;
      }
    }
    EXPECT_GT(formulas, 12 * c.Years * 9);
  }
}

// The cached values are the program's: a few figures of the worked example
// by hand (standard prices: 5480 € and 7130 €).
TEST(Workbook, CachedValuesOfTheWorkedExample) {
  tTaviDaten d = WorkedExampleStandardPrices();
  ApplyStandardPricesToRecord(d);
  d.Sensitivity = {36, 15};
  tPaybackCalc calc;
  calc.Calculate(d);
  tEconomicsCalc economics;
  economics.Calculate(d, calc, {1200, 2400, 5, 60});
  const tWorkbookContent content = BuildWorkbook(d, calc, economics, 1);
  const struct {
    const char* Name;
    double Value;
  } figures[] = {
      {"StundenGesamt", 900},      {"KostenGesamt", 45000},    {"EinsparungKostenZS", 22500},
      {"EinsparungKostenGesamt", 42750}, {"CostsZS", 5480},    {"CostsPL", 7130},
      {"PaybackZS", 5480.0 / (22500.0 / 12)}, {"SaldoZS1", 17020}, {"MonthlyManual", 3750},
      {"MonthlyPLFull", 187.5},    {"LaufendeKosten_3", 1200}, {"Nettoeinsparung_1", 21300},
      {"Kalkulationszinssatz", 6}, {"SollAmortisationszeit", 36}, {"Veraenderung", 15},
  };
  for (const auto& f : figures) {
    const tWorkbookName* name = content.FindName(f.Name);
    ASSERT_NE(name, nullptr) << f.Name;
    const tWorkbookCell* cell = content.Sheet(name->Sheet)->At(name->Row, name->Col);
    ASSERT_NE(cell, nullptr) << f.Name;
    EXPECT_NEAR(cell->Value, f.Value, 1e-9) << f.Name;
  }
  // The month table's last row: month 12 as the table prints it.
  const tWorkbookSheet* months = content.Sheet("Kostenverlauf");
  EXPECT_EQ(months->At(13, 0)->Value, 12);
  EXPECT_EQ(months->At(13, 2)->Value, 45000);
  EXPECT_EQ(months->At(13, 4)->Value, 12 * 1875 + 5480);
  EXPECT_EQ(content.LastMonth, 12);
}
