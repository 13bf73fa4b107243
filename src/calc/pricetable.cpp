#include "pricetable.h"

#include <algorithm>

#include "tavidaten.h"

namespace {

// Device prices with KARU in full: [BELTORIX][colour display].
constexpr int32_t kDevicePrice[2][2] = {{4190, 4690}, {2920, 3170}};
constexpr int32_t kKaruBasicDiscount = 670;
constexpr int32_t kTomvilSurcharge[3] = {910, 1460, 2910};

}  // namespace

tStandardPrices StandardPrices(int device, bool colourDisplay, bool karuFull, int tomvil) {
  const int32_t base = kDevicePrice[device == 0 ? 0 : 1][colourDisplay ? 1 : 0];
  tStandardPrices prices;
  prices.InvestZS = karuFull ? base : base - kKaruBasicDiscount;
  prices.InvestPL = base + kTomvilSurcharge[tomvil == 0 ? 0 : tomvil == 1 ? 1 : 2];
  return prices;
}

std::string UnknownOptionMessage(const tTaviDaten& record) {
  auto message = [](const char* what, int code) {
    return std::string("Unbekannte ") + what + "-Option (" + std::to_string(code) + ").";
  };
  if (record.Erfassgeraet > 1) return "Unbekannte Geräteoption (" + std::to_string(record.Erfassgeraet) + ").";
  if (record.ZSSoftwareOption > 1) return message("KARU", record.ZSSoftwareOption);
  if (record.PlanzeitOption > 2) return message("TOMVIL", record.PlanzeitOption);
  return std::string();
}

int32_t TrainingCost(int days) { return static_cast<int32_t>(days) * kTrainingCostPerDay; }

void ApplyStandardPricesToRecord(tTaviDaten& record) {
  if (record.ManuelleEingabe != 0) return;
  record.SchulungstageZS = static_cast<uint8_t>(std::min<int>(record.SchulungstageZS, kMaxTrainingDays));
  record.SchulungstagePL = static_cast<uint8_t>(std::min<int>(record.SchulungstagePL, kMaxTrainingDays));
  record.SchulungskostenZS = TrainingCost(record.SchulungstageZS);
  record.SchulungskostenPL = TrainingCost(record.SchulungstagePL);
  const tStandardPrices prices =
      StandardPrices(record.Erfassgeraet, record.Farbdisplay != 0, record.ZSSoftwareOption != 0, record.PlanzeitOption);
  record.InvestZSSystem = prices.InvestZS;
  record.InvestPLSystem = prices.InvestPL;
}
