// The standard price table and what opening the payback dialog in
// standard-price mode makes of a record.
#include <gtest/gtest.h>

#include "pricetable.h"
#include "tavidaten.h"

namespace {

struct tPriceCase {
  int device;
  bool colour;
  bool karuFull;
  int tomvil;
  int32_t zs;
  int32_t pl;
};

TEST(PriceTable, EveryDeviceDisplayAndEdition) {
  const tPriceCase cases[] = {
      {0, true, true, 0, 4690, 5600},  {0, true, false, 0, 4020, 5600},  {0, false, true, 1, 4190, 5650},
      {0, false, false, 2, 3520, 7100}, {1, true, true, 1, 3170, 4630},  {1, true, false, 2, 2500, 6080},
      {1, false, true, 0, 2920, 3830},  {1, false, false, 2, 2250, 5830},
      // Codes beyond the radio buttons fall through as the buttons do.
      {7, false, false, 9, 2250, 5830},
  };
  for (const tPriceCase& c : cases) {
    const tStandardPrices p = StandardPrices(c.device, c.colour, c.karuFull, c.tomvil);
    EXPECT_EQ(p.InvestZS, c.zs) << c.device << c.colour << c.karuFull << c.tomvil;
    EXPECT_EQ(p.InvestPL, c.pl) << c.device << c.colour << c.karuFull << c.tomvil;
  }
}

TEST(PriceTable, StandardModeSetsInvestmentsAndTrainingFromTheDays) {
  tTaviDaten d;
  d.InvestZSSystem = 1;
  d.InvestPLSystem = 2;
  d.SchulungskostenZS = 3;
  d.SchulungskostenPL = 4;
  d.ZusatzkostenZS = 77;
  ApplyStandardPricesToRecord(d);
  EXPECT_EQ(d.InvestZSSystem, 4690);
  EXPECT_EQ(d.InvestPLSystem, 5600);
  EXPECT_EQ(d.SchulungskostenZS, 640);
  EXPECT_EQ(d.SchulungskostenPL, 1280);
  EXPECT_EQ(d.ZusatzkostenZS, 77);  // additional costs are always typed in

  d.SchulungstageZS = 0;
  d.SchulungstagePL = 200;  // beyond the control's range: the maximum
  ApplyStandardPricesToRecord(d);
  EXPECT_EQ(d.SchulungskostenZS, 0);
  EXPECT_EQ(d.SchulungstagePL, kMaxTrainingDays);
  EXPECT_EQ(d.SchulungskostenPL, 6400);
}

TEST(PriceTable, IndividualPricesStayAsTyped) {
  tTaviDaten d;
  d.ManuelleEingabe = 1;
  d.InvestZSSystem = 1234;
  d.SchulungskostenPL = 99;
  d.SchulungstagePL = 200;
  ApplyStandardPricesToRecord(d);
  EXPECT_EQ(d.InvestZSSystem, 1234);
  EXPECT_EQ(d.SchulungskostenPL, 99);
  EXPECT_EQ(d.SchulungstagePL, 200);
}

TEST(PriceTable, OptionCodesWithoutAChoiceAreNamedFirstToLast) {
  tTaviDaten d;
  EXPECT_EQ(UnknownOptionMessage(d), "");
  d.PlanzeitOption = 3;
  EXPECT_EQ(UnknownOptionMessage(d), "Unbekannte TOMVIL-Option (3).");
  d.ZSSoftwareOption = 2;
  EXPECT_EQ(UnknownOptionMessage(d), "Unbekannte KARU-Option (2).");
  d.Erfassgeraet = 255;
  EXPECT_EQ(UnknownOptionMessage(d), "Unbekannte Geräteoption (255).");
}

}  // namespace
