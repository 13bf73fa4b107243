// The overview's page "Wirtschaftlichkeitsrechnung": the inputs of the
// economic appraisal and every figure of the three comparisons, from the
// layout file BLATT4.CFM (data field numbers: economicssheet.h).
//
// The page computes the appraisal once, when it is created, from the job's
// record and payback computation (current by then, see
// deckblattprinting.h); drawing it again shows the same figures.
#pragma once

#include "deckblattprinting.h"
#include "economics.h"

class tTaviDeckblatt4 : public tTaviPrintingPage {
 public:
  static constexpr int32_t kSheet = 4;
  // number: the page's place in the job (4 in the overview, 1 alone).
  tTaviDeckblatt4(tDeckBlattPrinting* job, int32_t number);
  void GetData(const QString& name, int16_t order, QString& text) override;
  const tEconomicsCalc& Economics() const { return fEconomics; }

 private:
  tEconomicsCalc fEconomics;
};
