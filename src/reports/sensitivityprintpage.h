// The page "Sensitivität" of the overview (its last page when the target
// payback or the change differs from its default) and of the printout
// "Ausdruck Sensitivität": the page header, then the sheet of
// sensitivitysheet.h on the usable page.
//
// The page computes the sensitivity once, when it is created, from the
// job's record (with the appraisal's running costs, useful life and rate);
// drawing it again shows the same figures. A page that cannot be drawn
// (margins too wide) keeps its header and is reported once through the
// job (deckblattprinting.h).
#pragma once

#include "deckblattprinting.h"
#include "sensitivity.h"

class tSensitivityPrintPage : public tPrintingPage {
 public:
  tSensitivityPrintPage(tDeckBlattPrinting* job, int32_t number);
  void Draw() override;
  const tSensitivityCalc& Sensitivity() const { return fSensitivity; }

 private:
  tDeckBlattPrinting* fJob;
  tSensitivityCalc fSensitivity;
  bool fErrorReported = false;
};
