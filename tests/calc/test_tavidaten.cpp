// The record's base figures.
#include <gtest/gtest.h>

#include <cmath>

#include "numfmt.h"
#include "tavidaten.h"
#include "workedexample.h"

namespace {

TEST(TaviDaten, NewRecordHasDefaultsAndZeroFigures) {
  const tTaviDaten d;
  EXPECT_EQ(d.GetAnwendername(), "");
  EXPECT_EQ(d.GetFirmenname(), "");
  EXPECT_EQ(d.AnteilAuswert(), 100);
  EXPECT_EQ(d.StundenGesamt(), 0);
  EXPECT_EQ(d.KostenGesamt(), 0);
  EXPECT_EQ(d.EinsparungKostenGesamt(), 0);
  EXPECT_EQ(d.PotentialGesamt(), 0);
  EXPECT_EQ(d.Gesamteinsparung(), 0);
  EXPECT_EQ(d.PotentialVorb, 50);
  EXPECT_EQ(d.PotentialDurchf, 20);
  EXPECT_EQ(d.PotentialAuswert, 90);
  EXPECT_EQ(d.PotentialAnzZS, 90);
  EXPECT_EQ(d.InvestZSSystem, 4690);
  EXPECT_EQ(d.SchulungskostenZS, 640);
  EXPECT_EQ(d.ZusatzkostenZS, 150);
  EXPECT_EQ(d.InvestPLSystem, 6150);
  EXPECT_EQ(d.SchulungskostenPL, 1280);
  EXPECT_EQ(d.ZusatzkostenPL, 250);
  EXPECT_EQ(d.BeginnReduzierung, 1);
  EXPECT_EQ(d.AufwandPLSyst, 23);
  EXPECT_EQ(d.ManuelleEingabe, 0);
  EXPECT_EQ(d.Erfassgeraet, 0);
  EXPECT_EQ(d.Farbdisplay, 1);
  EXPECT_EQ(d.ZSSoftwareOption, 1);
  EXPECT_EQ(d.PlanzeitOption, 0);
  EXPECT_EQ(d.SchulungstageZS, 1);
  EXPECT_EQ(d.SchulungstagePL, 2);
  // One line of default text per list, typos kept.
  ASSERT_EQ(d.BegruendungVorbereitung.Lines().size(), 1u);
  EXPECT_NE(d.BegruendungVorbereitung.Lines()[0].find("Dokumantation."), std::string::npos);
  EXPECT_NE(d.BegruendungAnzahlZS.Lines()[0].find("Arbeitplatz- und Ablaufgestaltung"), std::string::npos);
  EXPECT_EQ(d.BegruendungInvestition.Lines()[0].substr(0, 30), "Aufgrund der vorgenommenen Ber");
}

TEST(TaviDaten, WorkedExample) {
  const tTaviDaten d = WorkedExample();
  EXPECT_EQ(d.AnteilAuswert(), 30);
  EXPECT_EQ(d.StundenGesamt(), 900);
  EXPECT_EQ(d.StundenVorb(), 270);
  EXPECT_EQ(d.StundenDurchf(), 360);
  EXPECT_EQ(d.StundenAuswert(), 270);
  EXPECT_EQ(d.KostenGesamt(), 45000);
  EXPECT_EQ(d.KostenVorb(), 13500);
  EXPECT_EQ(d.KostenDurchf(), 18000);
  EXPECT_EQ(d.KostenAuswert(), 13500);
  EXPECT_EQ(d.EinsparungStundenVorb(), 135);
  EXPECT_EQ(d.EinsparungStundenDurchf(), 72);
  EXPECT_EQ(d.EinsparungStundenAuswert(), 243);
  EXPECT_EQ(d.EinsparungStundenZS(), 450);
  EXPECT_EQ(d.EinsparungKostenZS(), 22500);
  EXPECT_EQ(d.PotentialGesamt(), 50);
  EXPECT_EQ(d.EinsparungStundenPlanzeit(), 810);
  EXPECT_EQ(d.EinsparungKostenPlanzeit(), 40500);
  EXPECT_EQ(d.RestEinsparungStunden(), 45);
  EXPECT_EQ(d.RestEinsparungKosten(), 2250);
  EXPECT_EQ(d.EinsparungStundenGesamt(), 855);
  EXPECT_EQ(d.EinsparungKostenGesamt(), 42750);
  EXPECT_EQ(d.Gesamteinsparung(), 95);
  EXPECT_EQ(FormatReal(d.Gesamteinsparung(), 5, 1), " 95.0");
}

TEST(TaviDaten, HalvesRoundToEven) {
  tTaviDaten d;
  d.AnzZS = 5;
  d.DauerZS = 0.5L;
  EXPECT_EQ(d.StundenGesamt(), 2);  // 2.5
  d.AnzZS = 7;
  EXPECT_EQ(d.StundenGesamt(), 4);  // 3.5
  d.AnzZS = -5;
  EXPECT_EQ(d.StundenGesamt(), -2);  // -2.5
  EXPECT_EQ(Round32(-2.5L), -2);
  EXPECT_EQ(Round32(2.5000000001L), 3);
}

TEST(TaviDaten, CostSavingIsRoundedOnceNotFromRoundedHours) {
  // StundenVorb 375 (1000 h × 37.5 % would be 375), 50 % potential, 45 euro.
  tTaviDaten d;
  d.AnzZS = 375;
  d.DauerZS = 1;
  d.AnteilVorb = 100;
  d.AnteilDurchf = 0;
  d.Stundensatz = 45;
  d.PotentialVorb = 50;
  ASSERT_EQ(d.StundenVorb(), 375);
  EXPECT_EQ(d.EinsparungStundenVorb(), 188);   // R(187.5)
  EXPECT_EQ(d.EinsparungKostenVorb(), 8438);   // R(8437.5), not 188 × 45
}

TEST(TaviDaten, PhaseHoursAreRoundedSeparately) {
  tTaviDaten d;
  d.AnzZS = 1;
  d.DauerZS = 5;
  d.AnteilVorb = 30;   // 1.5 -> 2
  d.AnteilDurchf = 30; // 1.5 -> 2
  d.Stundensatz = 10;  // evaluation 40 % -> 2
  EXPECT_EQ(d.StundenGesamt(), 5);
  EXPECT_EQ(d.StundenVorb() + d.StundenDurchf() + d.StundenAuswert(), 6);
  EXPECT_EQ(d.KostenGesamt(), 50);
  EXPECT_EQ(d.KostenVorb() + d.KostenDurchf() + d.KostenAuswert(), 60);
}

TEST(TaviDaten, SharesAboveHundredLeaveNoEvaluation) {
  tTaviDaten d = WorkedExample();
  d.AnteilVorb = 60;
  d.AnteilDurchf = 60;
  EXPECT_EQ(d.AnteilAuswert(), 0);
  EXPECT_EQ(d.StundenAuswert(), 0);
  d.AnteilVorb = 100;
  d.AnteilDurchf = 0;
  EXPECT_EQ(d.AnteilAuswert(), 0);
}

TEST(TaviDaten, FiguresBeyondThirtyTwoBitsSaturateAndShowAsAsterisks) {
  // The largest inputs the entry fields take.
  tTaviDaten d;
  d.AnzZS = 99999;
  d.DauerZS = 999.9L;
  d.AnteilVorb = 30;
  d.AnteilDurchf = 40;
  d.Stundensatz = 255;
  d.PotentialVorb = d.PotentialDurchf = d.PotentialAuswert = d.PotentialAnzZS = 100;
  EXPECT_EQ(d.StundenGesamt(), 99989000);  // still fits
  EXPECT_EQ(d.StundenVorb(), 29996700);     // 99989000 × 30 passes 2^31 on the way
  EXPECT_EQ(d.KostenGesamt(), kInt32Max);
  EXPECT_TRUE(IsSaturated(d.KostenVorb()));
  EXPECT_TRUE(IsSaturated(d.EinsparungKostenZS()));
  EXPECT_TRUE(IsSaturated(d.EinsparungKostenPlanzeit()));
  EXPECT_TRUE(IsSaturated(d.EinsparungKostenGesamt()));
  // Yearly and monthly cost labels cannot show a plausible figure.
  EXPECT_EQ(FormatInteger(d.KostenGesamt(), 8), "********");
  EXPECT_EQ(FormatInteger(Round32(static_cast<extended>(d.KostenGesamt()) / 12), 8), "********");
  // Hours and shares stay exact.
  EXPECT_EQ(d.EinsparungStundenZS(), d.StundenVorb() + d.StundenDurchf() + d.StundenAuswert());
  EXPECT_EQ(d.PotentialGesamt(), 100);
}

TEST(TaviDaten, OverflowedHoursNeverTurnIntoPlausibleFigures) {
  tTaviDaten d;
  d.AnzZS = 99999;
  d.DauerZS = 1e9L;  // only a foreign data file can hold this
  d.AnteilVorb = 30;
  d.Stundensatz = 1;
  EXPECT_TRUE(IsSaturated(d.StundenGesamt()));
  EXPECT_TRUE(IsSaturated(d.StundenVorb()));
  EXPECT_TRUE(IsSaturated(d.EinsparungStundenPlanzeit()));
  EXPECT_TRUE(IsSaturated(d.RestEinsparungStunden()));
  EXPECT_TRUE(std::isnan(d.PotentialGesamt()));
  EXPECT_EQ(FormatReal(d.Gesamteinsparung(), 5, 1), "*****");
  d.DauerZS = std::numeric_limits<extended>::quiet_NaN();
  EXPECT_TRUE(IsSaturated(d.StundenGesamt()));
}

TEST(TaviDaten, SaturatingArithmetic) {
  EXPECT_EQ(SatAdd(kInt32Max - 1, 5), kInt32Max);
  EXPECT_EQ(SatAdd(kInt32Min + 1, -5), kInt32Min);
  EXPECT_EQ(SatSub(kInt32Min, -1), kInt32Min);  // stays saturated
  EXPECT_EQ(SatSub(5, kInt32Max), kInt32Min);
  EXPECT_EQ(SatMul(65536, 65536), kInt32Max);
  EXPECT_EQ(SatMul(-65536, 65536), kInt32Min);
  EXPECT_EQ(SatMul(kInt32Max, 0), 0);
  EXPECT_EQ(Round32(3e9L), kInt32Max);
  EXPECT_EQ(Round32(-3e9L), kInt32Min);
  EXPECT_EQ(Round64(-2.5L), -2);
}

TEST(TaviDaten, CompanyDataIsCutTo255CharactersAndRefusesWhatTheFileCannotKeep) {
  tTaviDaten d;
  std::string longName;
  for (int i = 0; i < 300; ++i) longName += (i % 2 ? "ä" : "x");
  EXPECT_TRUE(d.SetAnwendername(longName));
  EXPECT_EQ(d.GetAnwendername(), longName.substr(0, 255 / 2 * 3 + 1));  // 128 x, 127 ä
  EXPECT_TRUE(d.SetFirmenname(""));
  EXPECT_EQ(d.GetFirmenname(), "");
  EXPECT_TRUE(d.SetFirmenname("Müller & Söhne GmbH"));
  // À becomes A in code page 437: refused rather than changed silently.
  EXPECT_FALSE(d.SetFirmenname("À la carte"));
  EXPECT_FALSE(d.SetFirmenname("Œuvre"));
  EXPECT_TRUE(d.SetFirmenname("Preis in €"));  // € survives as 437 byte FB
  EXPECT_FALSE(d.SetFirmenname("\xff"));  // not UTF-8
  EXPECT_EQ(d.GetFirmenname(), "Preis in €");
}

TEST(TaviDaten, TextListsSplitAtLineBreaks) {
  tTextList t;
  EXPECT_TRUE(t.SetText("eins\r\nzwei\ndrei\rvier"));
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{"eins", "zwei", "drei", "vier"}));
  EXPECT_EQ(t.Text(), "eins\r\nzwei\r\ndrei\r\nvier\r\n");
  EXPECT_TRUE(t.SetText("a\r\n\r\nb\r\n"));
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(t.SetText(""));
  EXPECT_TRUE(t.Lines().empty());
  // Text lists keep every 1252 character (no 437 translation)...
  EXPECT_TRUE(t.SetText("À 5 €"));
  // ...but nothing outside 1252.
  EXPECT_FALSE(t.SetText("Ω"));
  EXPECT_EQ(t.Text(), "À 5 €\r\n");
}

}  // namespace
