// tavi-report's CSV of the month table, written the way the command writes
// it (reportoutput.h: streamed into a replacement of the target file): the
// time for 10, 1000 and 100 000 years, and how much the peak resident
// memory grows while it is written ("rss_growth_MB"), which must not depend
// on the number of years. The worked example's figures; the files go to a
// temporary folder.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "costseries.h"
#include "payback.h"
#include "reportoutput.h"
#include "tablecsv.h"
#include "workedexample.h"

namespace {

double PeakMegabytes() {
  rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_TableCsv(benchmark::State& state) {
  const int32_t years = static_cast<int32_t>(state.range(0));
  tPaybackCalc calc;
  calc.Calculate(WorkedExampleStandardPrices());
  QTemporaryDir dir;
  const tOutputFile file{QFile::encodeName(dir.filePath(QStringLiteral("t.csv"))).toStdString(), QStringLiteral("t.csv")};
  std::ostringstream err;
  tReportOutput output(err, false, {});
  const double before = PeakMegabytes();
  for (auto _ : state) {
    const int status = output.WriteCsv(file, int64_t(years) * 12 + 2, [&](std::ostream& out) {
      WriteTableCsv(out, tCostSeries(calc), years * 12, ',');
    });
    if (status != 0) state.SkipWithError(err.str().c_str());
  }
  state.counters["rss_growth_MB"] = PeakMegabytes() - before;
  state.counters["rows"] = static_cast<double>(years) * 12 + 1;
  state.counters["file_MB"] = static_cast<double>(QFile(dir.filePath(QStringLiteral("t.csv"))).size()) / 1048576.0;
}
BENCHMARK(BM_TableCsv)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
