// The sensitivity: varied values, break-even searches, the order of the
// bars and the three cases, against figures computed by hand and against
// the payback recomputed at the values found.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "economics.h"
#include "numfmt.h"
#include "payback.h"
#include "sensitivity.h"
#include "sensitivitytext.h"
#include "workedexample.h"

namespace {

using tInput = tSensitivityInput;
using tKind = tBreakEven::tKind;
using tPay = tEconomicsPayback::tKind;
constexpr extended kNone = std::numeric_limits<extended>::infinity();

tSensitivityCalc Sensitivity(const tTaviDaten& d, const tSensitivityInputs& in = {},
                             const tEconomicsInputs& economics = {}) {
  tSensitivityCalc s;
  s.Calculate(d, economics, in);
  return s;
}

// The payback with running costs of comparison c with one input set to
// `value`, computed from a record changed by hand.
tEconomicsPayback PaybackAt(tTaviDaten d, tEconomicsInputs e, tComparison c, tInput i, extended value) {
  const bool planned = c != tComparison::ZSManual;
  switch (i) {
    case tInput::AnzZS: d.AnzZS = static_cast<int32_t>(value); break;
    case tInput::DauerZS: d.DauerZS = value; break;
    case tInput::Stundensatz: d.Stundensatz = static_cast<uint8_t>(value); break;
    case tInput::PotentialVorb: d.PotentialVorb = static_cast<uint8_t>(value); break;
    case tInput::PotentialDurchf: d.PotentialDurchf = static_cast<uint8_t>(value); break;
    case tInput::PotentialAuswert: d.PotentialAuswert = static_cast<uint8_t>(value); break;
    case tInput::PotentialAnzZS: d.PotentialAnzZS = static_cast<uint8_t>(value); break;
    case tInput::Gesamtkosten:
      // The same sum in other parts than the sensitivity uses.
      (planned ? d.SchulungskostenPL : d.SchulungskostenZS) = 0;
      (planned ? d.ZusatzkostenPL : d.ZusatzkostenZS) = 100;
      (planned ? d.InvestPLSystem : d.InvestZSSystem) = static_cast<int32_t>(value) - 100;
      break;
    case tInput::LaufendeKosten: (planned ? e.RunningCostsPL : e.RunningCostsZS) = static_cast<int32_t>(value); break;
  }
  tPaybackCalc calc;
  calc.Calculate(d);
  tEconomicsCalc economics;
  economics.Calculate(d, calc, e);
  return economics.Figures(c).StaticPayback;
}

class SensitivityTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(","); }
  void TearDown() override { SetDecimalSeparator("."); }
};

TEST(Sensitivity, VariedValuesAreRoundedHalfToEvenAndClampedToTheField) {
  const struct {
    tInput input;
    extended base;
    int32_t percent;
    int direction;
    tVariedValue expected;
  } cases[] = {
      {tInput::AnzZS, 120, 20, -1, {96, false}},
      {tInput::AnzZS, 120, 20, +1, {144, false}},
      {tInput::AnzZS, 5, 10, -1, {4, false}},    // 4.5 to the even 4
      {tInput::AnzZS, 15, 10, +1, {16, false}},  // 16.5 to the even 16
      {tInput::AnzZS, 90000, 50, +1, {99999, true}},
      {tInput::DauerZS, 7.5L, 20, -1, {60, false}},  // 6.0 h exactly
      {tInput::DauerZS, 0.25L, 0, 0, {2, false}},    // 2.5 tenths to the even 2
      {tInput::DauerZS, 900, 20, +1, {9999, true}},
      {tInput::Stundensatz, 230, 20, +1, {255, true}},
      {tInput::PotentialAuswert, 90, 20, +1, {100, true}},
      {tInput::PotentialAnzZS, 90, 20, -1, {72, false}},
      {tInput::Gesamtkosten, 110000, 20, +1, {119999, true}},
      {tInput::LaufendeKosten, 0, 50, -1, {0, false}},
      {tInput::Gesamtkosten, -5, 5, +1, {0, true}},  // a hand-edited record
      {tInput::Gesamtkosten, std::numeric_limits<extended>::quiet_NaN(), 20, +1, {0, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << InputField(c.input).Name << " " << static_cast<double>(c.base) << " "
                                    << c.direction * c.percent);
    EXPECT_EQ(VaryValue(c.base, c.percent, c.direction, InputField(c.input)), c.expected);
  }
}

TEST(Sensitivity, BoundarySearchScansBisectsAndSeesWhatIsNotMonotone) {
  const auto never = [](int64_t) -> std::optional<bool> { return false; };
  const auto always = [](int64_t) -> std::optional<bool> { return true; };
  const struct {
    const char* what;
    int64_t min, max, base;
    bool cost;
    std::function<std::optional<bool>(int64_t)> meets;
    tBoundary expected;
  } cases[] = {
      {"ab 38", 0, 99999, 120, false, [](int64_t x) -> std::optional<bool> { return x >= 38; }, {tKind::From, 38}},
      {"bis 14300", 0, 119999, 5480, true, [](int64_t x) -> std::optional<bool> { return x <= 14300; },
       {tKind::UpTo, 14300}},
      {"an der Grenze", 0, 100, 50, false, [](int64_t x) -> std::optional<bool> { return x >= 100; }, {tKind::From, 100}},
      {"nie", 0, 255, 50, false, never, {tKind::NotReachable, 0}},
      {"immer, Kosten", 0, 999999, 0, true, always, {tKind::UpTo, 999999, true}},
      {"immer", 0, 100, 90, false, always, {tKind::From, 0, true}},
      {"ein Wert", 7, 7, 7, false, always, {tKind::From, 7, true}},
      {"zweimal", 0, 1000, 500, false, [](int64_t x) -> std::optional<bool> { return x >= 100 && x <= 200; },
       {tKind::NotUnique, 0}},
      // Only the base lies in the window: the scan must look at it.
      {"nur um die Basis", 0, 1000, 505, false,
       [](int64_t x) -> std::optional<bool> { return x >= 503 && x <= 507; }, {tKind::NotUnique, 0}},
      // Unknown paybacks near the top are left out.
      {"oben unbekannt", 0, 1000, 40, false,
       [](int64_t x) -> std::optional<bool> {
         if (x > 900) return std::nullopt;
         return x >= 300;
       },
       {tKind::From, 300}},
      {"alles unbekannt", 0, 10, 5, false, [](int64_t) -> std::optional<bool> { return std::nullopt; },
       {tKind::Unknown, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const tBoundary b = FindBoundary(c.min, c.max, c.base, c.cost, c.meets);
    EXPECT_EQ(b.Kind, c.expected.Kind);
    EXPECT_EQ(b.Steps, c.expected.Steps);
    EXPECT_EQ(b.AllMeet, c.expected.AllMeet);
  }
}

TEST(Sensitivity, BoundarySearchLooksAtFewValues) {
  int calls = 0;
  FindBoundary(0, 999999, 1200, true, [&calls](int64_t x) -> std::optional<bool> {
    ++calls;
    return x <= 19760;
  });
  EXPECT_LE(calls, 18 + 16);  // the scan, then bisection of 62500 values
}

TEST(Sensitivity, WithinTheTarget) {
  const struct {
    tEconomicsPayback payback;
    bool within;
  } cases[] = {
      {{tPay::Immediate, 0}, true},     {{tPay::Months, 23.99L}, true},    {{tPay::Months, 24}, true},
      {{tPay::Months, 24.0001L}, false}, {{tPay::None, 0}, false},         {{tPay::Unknown, 0}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(WithinTarget(c.payback, 24), c.within) << static_cast<double>(c.payback.Months);
}

// The worked example, target 24 months, ±20 %, no running costs.
// Comparison 1 (CostsZS 5480): the payback 5480 ÷ (EinsparungKostenZS ÷
// 12) meets 24 months from a yearly saving of 2740 euros on.
//   AnzZS 15: StundenGesamt R(112.5) = 112, phases 34, 45, 34 hours, saving
//     R(34 × 25) + R(45 × 10) + R(34 × 45) = 850 + 450 + 1530 = 2830;
//     AnzZS 14: 105 hours, phases R(31.5) = 32, 42, 32: 800 + 420 + 1440 =
//     2660: "ab 15".
//   DauerZS 1.0 h: 120 hours, 36, 48, 36: 900 + 480 + 1620 = 3000; 0.9 h:
//     108 hours, 32, 43, 32: 800 + 430 + 1440 = 2670: "ab 1,0 h".
//   Stundensatz s: 135 s + 72 s + 243 s = 450 s ≥ 2740 from s = 7: "ab 7".
//   Gesamtkosten C: C ÷ 1875 ≤ 24 up to C = 45000: "bis 45000".
//   LaufendeKosten R: 5480 × 12 ÷ (22500 − R) ≤ 24 up to R = 19760.
//   The shares: even at 0 % the others save enough: "ab 0 %";
//   PotentialAnzZS does not touch comparison 1: "ab 0 %".
TEST_F(SensitivityTest, BreakEvenValuesOfTheWorkedExample) {
  const tTaviDaten d = WorkedExampleStandardPrices();
  const tSensitivityCalc s = Sensitivity(d);
  const struct {
    tInput input;
    tKind kind;
    extended value;
  } comparison1[] = {
      {tInput::AnzZS, tKind::From, 15},          {tInput::DauerZS, tKind::From, 1.0L},
      {tInput::Stundensatz, tKind::From, 7},     {tInput::PotentialVorb, tKind::From, 0},
      {tInput::PotentialDurchf, tKind::From, 0}, {tInput::PotentialAuswert, tKind::From, 0},
      {tInput::PotentialAnzZS, tKind::From, 0},  {tInput::Gesamtkosten, tKind::UpTo, 45000},
      {tInput::LaufendeKosten, tKind::UpTo, 19760},
  };
  for (const auto& r : comparison1) {
    SCOPED_TRACE(InputField(r.input).Name);
    const tBreakEven& b = s.Row(tComparison::ZSManual, r.input).BreakEven;
    EXPECT_EQ(b.Kind, r.kind);
    EXPECT_NEAR(b.Value, r.value, 1e-12);
  }
  EXPECT_EQ(BreakEvenText(tInput::DauerZS, s.Row(tComparison::ZSManual, tInput::DauerZS).BreakEven), "ab 1,0 h");
  EXPECT_EQ(BreakEvenText(tInput::Gesamtkosten, s.Row(tComparison::ZSManual, tInput::Gesamtkosten).BreakEven),
            "bis 45000 \u20AC");

  // Every break-even value of every comparison: the payback recomputed at
  // the value meets the target, one step beyond it does not.
  for (int c = 0; c < kComparisons; ++c) {
    const auto comparison = static_cast<tComparison>(c);
    for (int i = 0; i < kSensitivityInputs; ++i) {
      const auto input = static_cast<tInput>(i);
      const tInputField& field = InputField(input);
      const tBreakEven& b = s.Row(comparison, input).BreakEven;
      SCOPED_TRACE(testing::Message() << c + 1 << " " << field.Name << " " << static_cast<double>(b.Value));
      ASSERT_TRUE(b.Kind == tKind::From || b.Kind == tKind::UpTo);
      EXPECT_TRUE(WithinTarget(PaybackAt(d, {}, comparison, input, b.Value), 24));
      const extended step = field.Decimals == 1 ? 0.1L : 1;
      const extended beyond = b.Value + (b.Kind == tKind::From ? -step : step);
      if (beyond >= StepValue(field.Min, field) && beyond <= StepValue(field.Max, field)) {
        EXPECT_FALSE(WithinTarget(PaybackAt(d, {}, comparison, input, beyond), 24));
      }
    }
  }
}

// With running costs of 1200 and 2400 euros the worked example's figures
// of the appraisal (test_economics): comparison 1 meets 24 months up to
// R = 22500 − 2740 = 19760 still, and the payback with running costs of
// the base is 5480 ÷ 1775 = 3.0873 months.
TEST_F(SensitivityTest, RunningCostsAreVariedWithTheirConfiguration) {
  tEconomicsInputs e;
  e.RunningCostsZS = 1200;
  e.RunningCostsPL = 2400;
  const tSensitivityCalc s = Sensitivity(WorkedExampleStandardPrices(), {}, e);
  EXPECT_NEAR(s.BasePayback(tComparison::ZSManual).Months, 3.0873239L, 1e-7);
  const struct {
    tComparison c;
    extended base, low, high;
  } rows[] = {
      {tComparison::ZSManual, 1200, 960, 1440},
      {tComparison::PLManual, 2400, 1920, 2880},
      {tComparison::PLZS, 2400, 1920, 2880},
  };
  for (const auto& r : rows) {
    const tSensitivityRow& row = s.Row(r.c, tInput::LaufendeKosten);
    EXPECT_EQ(row.Base, r.base);
    EXPECT_EQ(row.Low, r.low);
    EXPECT_EQ(row.High, r.high);
  }
  EXPECT_EQ(s.Row(tComparison::ZSManual, tInput::LaufendeKosten).BreakEven.Value, 19760);
  // 5480 ÷ (22500 − 1440) × 12 = 3.1225 months with the raised costs.
  EXPECT_NEAR(s.Row(tComparison::ZSManual, tInput::LaufendeKosten).PaybackHigh.Months, 5480.0L * 12 / 21060, 1e-9);
  EXPECT_EQ(s.Row(tComparison::PLManual, tInput::Gesamtkosten).Base, 7130);
}

TEST_F(SensitivityTest, ClampedValuesAreMarked) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.Stundensatz = 230;
  const tSensitivityCalc s = Sensitivity(d);
  const struct {
    tInput input;
    extended low, high;
    bool lowClamped, highClamped;
  } rows[] = {
      {tInput::PotentialAuswert, 72, 100, false, true},  // 108 % cut at 100 %
      {tInput::PotentialAnzZS, 72, 100, false, true},
      {tInput::PotentialVorb, 40, 60, false, false},
      {tInput::Stundensatz, 184, 255, false, true},  // 276 euros cut at 255
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(InputField(r.input).Name);
    const tSensitivityRow& row = s.Row(tComparison::PLManual, r.input);
    EXPECT_EQ(row.Low, r.low);
    EXPECT_EQ(row.High, r.high);
    EXPECT_EQ(row.LowClamped, r.lowClamped);
    EXPECT_EQ(row.HighClamped, r.highClamped);
  }
  const tSensitivityRow& share = s.Row(tComparison::ZSManual, tInput::PotentialAuswert);
  EXPECT_EQ(SensitivityValueText(tInput::PotentialAuswert, share.High, share.HighClamped), "100 %*");
  EXPECT_EQ(SensitivityValueText(tInput::DauerZS, 6, false), "6,0 h");
}

TEST_F(SensitivityTest, BarsOfTheWorkedExampleLongestFirst) {
  const tSensitivityCalc s = Sensitivity(WorkedExampleStandardPrices());
  // Comparison 1: studies, duration and rate move the saving alike (the
  // payback from 3.6533 to 2.4356 months), the cost 2.3381 to 3.5072,
  // then the shares by their weight; the build-up and the running costs
  // (0 € varied is 0 €) not at all.
  const std::array<tInput, kSensitivityInputs> expected = {
      tInput::AnzZS,           tInput::DauerZS,         tInput::Stundensatz,    tInput::Gesamtkosten,
      tInput::PotentialAuswert, tInput::PotentialVorb,  tInput::PotentialDurchf, tInput::PotentialAnzZS,
      tInput::LaufendeKosten};
  EXPECT_EQ(s.Order(tComparison::ZSManual), expected);
  EXPECT_NEAR(s.Row(tComparison::ZSManual, tInput::AnzZS).PaybackLow.Months, 5480.0L * 12 / 18000, 1e-9);
  // Comparison 3 hangs on the cost of the planned-time configuration most.
  EXPECT_EQ(s.Order(tComparison::PLZS).front(), tInput::Gesamtkosten);
}

TEST(Sensitivity, OrderOfBarsWithAndWithoutPayback) {
  const auto row = [](extended low, extended high) {
    const auto payback = [](extended m) -> tEconomicsPayback {
      if (std::isnan(m)) return {tPay::Unknown, 0};
      if (std::isinf(m)) return {tPay::None, 0};
      return {m == 0 ? tPay::Immediate : tPay::Months, m};
    };
    tSensitivityRow r;
    r.PaybackLow = payback(low);
    r.PaybackHigh = payback(high);
    return r;
  };
  const extended nan = std::numeric_limits<extended>::quiet_NaN();
  const std::array<tSensitivityRow, kSensitivityInputs> rows = {
      row(3, 4),         // 0: 1 month
      row(kNone, kNone),  // 1: no payback either way: no bar to speak of
      row(10, kNone),    // 2: off the scale from 10
      row(0, 6),         // 3: 6 months, from "sofort"
      row(nan, 5),       // 4: unknown
      row(kNone, 2),     // 5: off the scale from 2: the longest
      row(4, 3),         // 6: 1 month, as 0
      row(5, 5),         // 7: none
      row(2, 9),         // 8: 7 months
  };
  const std::array<tInput, kSensitivityInputs> expected = {
      static_cast<tInput>(5), static_cast<tInput>(2), static_cast<tInput>(8),
      static_cast<tInput>(3), static_cast<tInput>(0), static_cast<tInput>(6),
      static_cast<tInput>(7), static_cast<tInput>(1), static_cast<tInput>(4)};
  EXPECT_EQ(TornadoOrder(rows), expected);
}

// Two studies of an hour at 10 euros a year save 16 euros: no comparison
// pays back, whatever the shares or the costs; more studies or a higher
// rate would.
TEST_F(SensitivityTest, ComparisonsWithoutPayback) {
  tTaviDaten d = WorkedExampleStandardPrices();
  d.AnzZS = 2;
  d.DauerZS = 1;
  d.Stundensatz = 10;
  const tSensitivityCalc s = Sensitivity(d);
  for (int c = 0; c < kComparisons; ++c) {
    const auto comparison = static_cast<tComparison>(c);
    SCOPED_TRACE(c + 1);
    EXPECT_EQ(s.BasePayback(comparison).Kind, tPay::None);
    EXPECT_EQ(MarkedPaybackText(s.BasePayback(comparison), 24), "keine Amortisation \u2013 über Soll");
    for (const tInput shares : {tInput::PotentialVorb, tInput::PotentialDurchf, tInput::PotentialAuswert}) {
      EXPECT_EQ(s.Row(comparison, shares).BreakEven.Kind, tKind::NotReachable) << InputField(shares).Name;
      EXPECT_EQ(s.Row(comparison, shares).PaybackHigh.Kind, tPay::None);
    }
    EXPECT_EQ(BreakEvenText(tInput::PotentialVorb, s.Row(comparison, tInput::PotentialVorb).BreakEven),
              "nicht erreichbar");
    EXPECT_EQ(s.Row(comparison, tInput::AnzZS).BreakEven.Kind, tKind::From);
    // Nothing varied pays back: no bar is longer than another.
    EXPECT_EQ(s.Order(comparison)[0], tInput::AnzZS);
  }
  EXPECT_EQ(s.Row(tComparison::ZSManual, tInput::LaufendeKosten).BreakEven.Kind, tKind::NotReachable);
}

// The three cases of the worked example. Worst: shares 40, 16, 72 and 72 %:
// saving R(270 × 0.4 × 50) + R(360 × 0.16 × 50) + R(270 × 0.72 × 50) =
// 5400 + 2880 + 9720 = 18000, payback 5480 × 12 ÷ 18000 = 3.6533, after
// five years 60 × 1500 − 5480 = 84520. Best: 60, 24, 100 (cut), 100 (cut):
// 8100 + 4320 + 13500 = 25920, payback 2.5370, 124120.
TEST_F(SensitivityTest, ThreeCasesOfTheWorkedExample) {
  const tTaviDaten d = WorkedExampleStandardPrices();
  const tSensitivityCalc s = Sensitivity(d);
  EXPECT_EQ(s.Shares(tCase::Worst).Percent, (std::array<int64_t, 4>{40, 16, 72, 72}));
  EXPECT_EQ(s.Shares(tCase::Best).Percent, (std::array<int64_t, 4>{60, 24, 100, 100}));
  EXPECT_EQ(s.Shares(tCase::Best).Clamped, (std::array<bool, 4>{false, false, true, true}));
  const struct {
    tCase k;
    extended payback, saving, npv;
  } cases[] = {
      {tCase::Worst, 5480.0L * 12 / 18000, 18000, 84520},
      {tCase::Base, 5480.0L * 12 / 22500, 22500, 107020},
      {tCase::Best, 5480.0L * 12 / 25920, 25920, 124120},
  };
  for (const auto& c : cases) {
    const tCaseFigures& f = s.Case(c.k, tComparison::ZSManual);
    EXPECT_NEAR(f.Payback.Months, c.payback, 1e-9);
    EXPECT_NEAR(f.NetSaving, c.saving, 1e-9);
    EXPECT_NEAR(f.NetPresentValue, c.npv, 1e-9);
  }
  // The base case is the appraisal's own.
  tPaybackCalc calc;
  calc.Calculate(d);
  tEconomicsCalc e;
  e.Calculate(d, calc, {});
  for (int c = 0; c < kComparisons; ++c) {
    const auto comparison = static_cast<tComparison>(c);
    EXPECT_EQ(s.Case(tCase::Base, comparison).Payback.Months, e.Figures(comparison).StaticPayback.Months);
    EXPECT_EQ(s.Case(tCase::Base, comparison).NetPresentValue, e.Figures(comparison).NetPresentValue);
  }
}

TEST_F(SensitivityTest, InputsOutOfRangeCountAsTheNearest) {
  const tSensitivityCalc s = Sensitivity(WorkedExampleStandardPrices(), {0, 90});
  EXPECT_EQ(s.Inputs(), (tSensitivityInputs{1, 50}));
  EXPECT_EQ(s.Row(tComparison::ZSManual, tInput::AnzZS).Low, 60);
  // One month is out of reach for comparison 1 by the shares.
  EXPECT_EQ(s.Row(tComparison::ZSManual, tInput::PotentialVorb).BreakEven.Kind, tKind::NotReachable);
}

}  // namespace
