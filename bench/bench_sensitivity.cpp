// Cost of the whole sensitivity: every input lowered and raised, the
// break-even searches of every input, for the three comparisons, and the
// three cases. The payback dialog recomputes it on every change of a
// field; it has to stay below 5 milliseconds in the worst case.
#include <benchmark/benchmark.h>

#include "economics.h"
#include "sensitivity.h"
#include "tavidaten.h"
#include "workedexample.h"

namespace {

tEconomicsInputs Inputs(int32_t rz, int32_t rp, int32_t life, int32_t rateTenths) {
  tEconomicsInputs in;
  in.RunningCostsZS = rz;
  in.RunningCostsPL = rp;
  in.UsefulLife = life;
  in.RateTenths = rateTenths;
  return in;
}

// The worked example with 1200 and 2400 euros a year, 5 years, 6 %, the
// default target and change.
void BM_SensitivityExample(benchmark::State& state) {
  const tTaviDaten d = WorkedExampleStandardPrices();
  const tEconomicsInputs economics = Inputs(1200, 2400, 5, 60);
  tSensitivityCalc s;
  for (auto _ : state) {
    s.Calculate(d, economics, {});
    benchmark::DoNotOptimize(s.Row(tComparison::PLZS, tSensitivityInput::LaufendeKosten).BreakEven.Value);
  }
}
BENCHMARK(BM_SensitivityExample)->Unit(benchmark::kMillisecond);

// The large department: 2000 studies of 8 hours at 60 euros.
void BM_SensitivityLargeDepartment(benchmark::State& state) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.AnzZS = 2000;
  d.DauerZS = 8;
  d.Stundensatz = 60;
  tSensitivityCalc s;
  for (auto _ : state) {
    s.Calculate(d, {}, {});
    benchmark::DoNotOptimize(s.Row(tComparison::PLZS, tSensitivityInput::LaufendeKosten).BreakEven.Value);
  }
}
BENCHMARK(BM_SensitivityLargeDepartment)->Unit(benchmark::kMillisecond);

// The longest work: no payback anywhere (every bar's two searches run to
// month 1200), the longest target (the break-even searches look at 121
// months for each value), the catalogue built from month 99 to 198, and
// the cases' appraisal at 30 % over twenty years.
void BM_SensitivityWorstCase(benchmark::State& state) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.AnzZS = 2;
  d.DauerZS = 1;
  d.Stundensatz = 10;
  d.BeginnReduzierung = 99;
  d.AufwandPLSyst = 99;
  const tEconomicsInputs economics = Inputs(999999, 999999, 20, 300);
  const tSensitivityInputs inputs{120, 50};
  tSensitivityCalc s;
  s.Calculate(d, economics, inputs);
  for (int c = 0; c < kComparisons; ++c)
    if (s.BasePayback(static_cast<tComparison>(c)).Kind != tEconomicsPayback::tKind::None) {
      state.SkipWithError("the inputs no longer give the longest work");
      return;
    }
  for (auto _ : state) {
    s.Calculate(d, economics, inputs);
    benchmark::DoNotOptimize(s.Row(tComparison::PLZS, tSensitivityInput::LaufendeKosten).BreakEven.Value);
  }
}
BENCHMARK(BM_SensitivityWorstCase)->Unit(benchmark::kMillisecond);

}  // namespace
