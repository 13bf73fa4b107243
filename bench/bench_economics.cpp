// Cost of recomputing every whole-life figure of the economic appraisal
// (both paybacks, net present value, internal rate of return and the
// balances of the three comparisons). The payback dialog does it on every
// field change, after the payback computation: it has to stay below a
// millisecond in the worst case.
#include <benchmark/benchmark.h>

#include "economics.h"
#include "payback.h"
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

// The worked example with 1200 and 2400 euros a year, 5 years, 6 %.
void BM_AppraisalExample(benchmark::State& state) {
  const tTaviDaten d = WorkedExampleStandardPrices();
  tPaybackCalc calc;
  calc.Calculate(d);
  tEconomicsCalc economics;
  const tEconomicsInputs in = Inputs(1200, 2400, 5, 60);
  for (auto _ : state) {
    economics.Calculate(d, calc, in);
    benchmark::DoNotOptimize(economics.Figures(tComparison::PLZS).InternalRate.Percent);
  }
}
BENCHMARK(BM_AppraisalExample)->Unit(benchmark::kMicrosecond);

// The longest work: twenty years at 30 %, comparisons 1 and 2 never pay
// back (both searches run to month 1200), and comparison 3 (the
// planned-time configuration costs 1 euro at first, then 1000 euros a
// month more to run until its catalogue is built after 198 months) has
// flows that change sign twice, so its internal rate is found by scanning.
void BM_AppraisalWorstCase(benchmark::State& state) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.BeginnReduzierung = 99;
  d.AufwandPLSyst = 99;
  d.InvestPLSystem = 0;
  d.SchulungskostenPL = 0;
  d.ZusatzkostenPL = 1;
  tPaybackCalc calc;
  calc.Calculate(d);
  const tEconomicsInputs in = Inputs(987999, 999999, 20, 300);
  tEconomicsCalc economics;
  economics.Calculate(d, calc, in);
  using tKind = tEconomicsPayback::tKind;
  const tComparisonFigures& zs = economics.Figures(tComparison::ZSManual);
  const tComparisonFigures& pl = economics.Figures(tComparison::PLManual);
  const std::vector<extended> flows = economics.Flows(tComparison::PLZS, 240);
  if (zs.StaticPayback.Kind != tKind::None || zs.DynamicPayback.Kind != tKind::None ||
      pl.StaticPayback.Kind != tKind::None || pl.DynamicPayback.Kind != tKind::None || flows[0] <= 0 ||
      flows[50] >= 0 || flows[240] <= 0) {
    state.SkipWithError("the inputs no longer give the longest work");
    return;
  }
  for (auto _ : state) {
    economics.Calculate(d, calc, in);
    benchmark::DoNotOptimize(economics.Figures(tComparison::PLZS).InternalRate.Percent);
  }
}
BENCHMARK(BM_AppraisalWorstCase)->Unit(benchmark::kMicrosecond);

}  // namespace
