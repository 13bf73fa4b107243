// The standard prices of the two system configurations, in whole euros:
// the time-study system (recording device + KARU) and the time-study plus
// planned-time system (device + KARU in full + TOMVIL), and the training
// cost per day. The payback dialog offers them as "Standardpreise".
#pragma once

#include <cstdint>
#include <string>

class tTaviDaten;

constexpr int32_t kTrainingCostPerDay = 640;  // euros
constexpr int kMaxTrainingDays = 10;

struct tStandardPrices {
  int32_t InvestZS = 0;  // time-study system
  int32_t InvestPL = 0;  // time-study plus planned-time system
};

// device: 0 QUANTORIX, anything else BELTORIX; karuFull: KARU in full (else
// the basic edition); tomvil: 0 Regression, 1 Kalkulation, anything else
// Arbeitsplanung (as the dialog's radio buttons fall through).
tStandardPrices StandardPrices(int device, bool colourDisplay, bool karuFull, int tomvil);

// Training cost of `days` days (no limit of its own).
int32_t TrainingCost(int days);

// The message for the first option code of the record that the payback
// dialog has no choice for, in the order device, KARU edition, TOMVIL
// module ("Unbekannte Geräteoption (7)."); empty when all are known.
std::string UnknownOptionMessage(const tTaviDaten& record);

// What the payback dialog does to the record when it opens in standard-price
// mode (ManuelleEingabe 0): training days above kMaxTrainingDays count as
// the maximum, both training costs become days × kTrainingCostPerDay and
// both investments come from the table for the record's options. Individual
// prices (ManuelleEingabe 1) are left as they are. The caller has checked
// the option codes (the dialog refuses unknown ones).
void ApplyStandardPricesToRecord(tTaviDaten& record);
