// Cost of one payback computation. The dialog recomputes on every field
// change and the graph report on every recording of its page, so one
// Calculate has to stay far below a millisecond even in the worst case.
#include <benchmark/benchmark.h>

#include "payback.h"
#include "tavidaten.h"
#include "workedexample.h"

namespace {

// The longest searches: B = K = 99, comparison 2 crossing late in the
// reduction phase, and a planned-time configuration that never catches up
// with the time-study system, so comparison 3 looks at every month from 199
// to 1000.
tTaviDaten WorstCase() {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.Stundensatz = 17;
  d.BeginnReduzierung = 99;
  d.AufwandPLSyst = 99;
  d.PotentialAnzZS = 1;
  d.InvestPLSystem = 99999;
  d.SchulungskostenPL = 10000;
  d.ZusatzkostenPL = 10000;
  d.InvestZSSystem = 0;
  d.SchulungskostenZS = 0;
  d.ZusatzkostenZS = 0;
  return d;
}

void BM_CalculateExample(benchmark::State& state) {
  const tTaviDaten d = WorkedExampleStandardPrices();
  tPaybackCalc calc;
  for (auto _ : state) {
    calc.Calculate(d);
    benchmark::DoNotOptimize(calc.PaybackPLZS());
  }
}
BENCHMARK(BM_CalculateExample);

void BM_CalculateWorstCase(benchmark::State& state) {
  const tTaviDaten d = WorstCase();
  tPaybackCalc calc;
  calc.Calculate(d);
  if (calc.SearchPL().Steps < 80 || calc.SearchPLZS().Steps != kSearchLimit - 198 || calc.PaybackPLZS() != 0) {
    state.SkipWithError("the inputs no longer give the longest searches");
    return;
  }
  for (auto _ : state) {
    calc.Calculate(d);
    benchmark::DoNotOptimize(calc.PaybackPLZS());
  }
  state.counters["months"] = calc.SearchPL().Steps + calc.SearchPLZS().Steps;
}
BENCHMARK(BM_CalculateWorstCase)->Unit(benchmark::kMicrosecond);

// What the ten-year table report and the results page read after a Calculate.
void BM_CurvesAndResults(benchmark::State& state) {
  tPaybackCalc calc;
  calc.Calculate(WorstCase());
  for (auto _ : state) {
    extended sum = 0;
    for (int32_t m = 0; m <= 120; ++m)
      sum += calc.CumulatedCostsManual(m) + calc.CumulatedCostsZS(m) + calc.CumulatedCostsPL(m);
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(calc.Results());
  }
}
BENCHMARK(BM_CurvesAndResults)->Unit(benchmark::kMicrosecond);

}  // namespace
