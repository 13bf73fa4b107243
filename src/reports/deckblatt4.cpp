#include "deckblatt4.h"

#include "economicssheet.h"
#include "tavidaten.h"

tTaviDeckblatt4::tTaviDeckblatt4(tDeckBlattPrinting* job, int32_t number) : tTaviPrintingPage(job, number, kSheet) {
  fEconomics.Calculate(job->Daten, job->Calc, job->Daten.Economics);
}

void tTaviDeckblatt4::GetData(const QString&, int16_t order, QString& text) {
  if (const std::optional<std::string> value = CoverSheet4Text(order, fEconomics))
    text = QString::fromStdString(*value);
}
