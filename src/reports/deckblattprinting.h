// The overview printout "Gesamtübersicht": three designed cover sheets for
// the people who decide on the purchase. Page 1 shows the base data and the
// savings, page 2 the saving shares with their justifications and the
// time-study system, page 3 the time-study plus planned-time system and the
// justification of the investment. When any input of the economic
// appraisal differs from its default (the record's Economics), page 4
// "Wirtschaftlichkeitsrechnung" follows (deckblatt4.h); when the target
// payback or the change of the sensitivity differs from its default, the
// page "Sensitivität" comes last (sensitivityprintpage.h). The job can also
// hold either of these pages alone.
//
// The look of each page comes from its layout file "BLATT<n>.CFM" in the
// layout folder (the program's directory); the page fills the layout's data
// fields with the figures of the record and the payback computation by
// field number (coversheets.h). Both belong to the caller and must outlive
// the job; the computation is made current by the caller before the job is
// built and must not change while the job is shown.
//
// Errors: a page whose layout cannot be loaded, scaled or drawn keeps its
// page header; the message ("Fehler bei der Druckaufbereitung.\n\r" and the
// reason) goes to the job's error report once per page, and the other pages
// print. The default report shows it with ShowError as soon as the event
// loop runs again (a page may be recorded inside a paint event, where no
// dialog may open). Construction errors (no printer) raise EDevException.
//
// Units: page units of 0.1 mm.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "coversheets.h"
#include "printing.h"

class tPaybackCalc;
class tTaviDaten;

// Receives the message of a page that could not be drawn.
using tPageErrorReport = std::function<void(const QString& message)>;

// Which sheets a job holds.
enum class tOverviewSheets {
  Overview,         // pages 1 to 3, 4 when the appraisal has inputs, and the
                    // sensitivity when its inputs are not the defaults
  EconomicsOnly,    // the page of the appraisal alone, titled by it
  SensitivityOnly,  // the page of the sensitivity alone, titled by it
};

class tDeckBlattPrinting : public tPrintingEx {
 public:
  // Portrait, with the printer margins. layoutDir: the folder of the layout
  // files. onError: where page errors go (empty: ShowError, deferred).
  tDeckBlattPrinting(const tTaviDaten& daten, const tPaybackCalc& calc, const QString& layoutDir,
                     tPageErrorReport onError = {}, tOverviewSheets sheets = tOverviewSheets::Overview);

  void BuildPages() override;

  const tTaviDaten& Daten;
  const tPaybackCalc& Calc;
  const QString LayoutDir;
  const tOverviewSheets Sheets;

  // Font and width the justification texts are wrapped with: Arial 4 mm
  // into 170 mm.
  static constexpr int kWrapFontHeight = -40;
  static constexpr int kWrapWidth = 1700;

  // Reports a page error (see above).
  void ReportError(const QString& message) const;

 private:
  tPageErrorReport fOnError;
};

// A cover sheet: draws the page header, then its layout with the data
// fields filled by GetData.
class tTaviPrintingPage : public tPrintingPage {
 public:
  tTaviPrintingPage(tDeckBlattPrinting* job, int32_t number) : tTaviPrintingPage(job, number, number) {}
  // sheet: the number of the layout file, when it is not the page's.
  tTaviPrintingPage(tDeckBlattPrinting* job, int32_t number, int32_t sheet)
      : tPrintingPage(job, number), Sheet(sheet), fJob(job) {}
  void Draw() override;
  // The text of data field `order` (name unused); text arrives as the
  // field's default and stays so for numbers the sheet does not know.
  virtual void GetData(const QString& name, int16_t order, QString& text) = 0;
  // "BLATT" + sheet + ".CFM".
  QString LayoutFileName() const;
  const int32_t Sheet;

 protected:
  tDeckBlattPrinting& DeckJob() const { return *fJob; }
  // Wraps the lines of a justification text (each line on its own; a line
  // break ends a line) with the job's wrapping font and width. Needs the
  // recorder's test page (BuildPages provides it).
  tWrappedLines Wrap(const std::vector<std::string>& lines) const;

 private:
  tDeckBlattPrinting* fJob;
  bool fErrorReported = false;
};

class tTaviDeckblatt1 : public tTaviPrintingPage {
 public:
  tTaviDeckblatt1(tDeckBlattPrinting* job, int32_t number) : tTaviPrintingPage(job, number) {}
  void GetData(const QString& name, int16_t order, QString& text) override;
};

class tTaviDeckblatt2 : public tTaviPrintingPage {
 public:
  // Wraps the four justifications of the saving shares.
  tTaviDeckblatt2(tDeckBlattPrinting* job, int32_t number);
  void GetData(const QString& name, int16_t order, QString& text) override;
  // Vorbereitung, Durchführung, Auswertung, Anzahl Zeitstudien.
  std::array<tWrappedLines, 4> Lines;
};

class tTaviDeckblatt3 : public tTaviPrintingPage {
 public:
  // Wraps the justification of the investment.
  tTaviDeckblatt3(tDeckBlattPrinting* job, int32_t number);
  void GetData(const QString& name, int16_t order, QString& text) override;
  tWrappedLines LinesInvestition;
};
