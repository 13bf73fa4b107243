// The calculation record: every input of the user (company data, the five
// justification texts, base data, saving shares, costs and system options)
// and every derived base figure as an operation computed afresh on each call.
//
// Units: money in whole euros, hours per year, shares in percent, months.
// Computed figures use 80-bit extended intermediates and are rounded to the
// nearest integer with halves to the even neighbour (Round32). Integer
// products and sums saturate at the 32-bit limits instead of overflowing
// (see extmath.h); a saturated figure is shown as asterisks.
//
// The record is streamable (class id 25002). Its data file has no header:
// two short strings, five text lists and a fixed block of 60 bytes; the
// inputs of the economic appraisal and of the sensitivity analysis follow
// it in a block of their own
// (dataextension.h), which the record's stored form never holds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dataextension.h"
#include "economicsinputs.h"
#include "extmath.h"
#include "safefile.h"
#include "sensitivityinputs.h"
#include "streamable.h"
#include "textlist.h"

class tTaviDaten : public tStreamable {
 public:
  static constexpr uint16_t kClassId = 25002;
  static constexpr size_t kMaxShortString = 255;  // characters

  // A record with the defaults (empty company data, the default texts).
  tTaviDaten();
  // An empty record (every field zero, no lines) about to be loaded.
  explicit tTaviDaten(EmptyTag);

  uint16_t GetClassID() const override { return kClassId; }
  std::string ClassName() const override { return "tTaviDaten"; }
  void Store(tObjStream& stream) const override;
  // Reads the fields in file order, each read replacing its field. After a
  // failed read the remaining fields keep the values they had.
  void Load(tObjStream& stream) override;

  // Reads the data file. False when it cannot be opened, is not a regular
  // file (a folder, FIFO, device or socket is refused without waiting on
  // it) or a read fails; what was read stays in the record, the rest keeps
  // its values.
  // The bytes after the record are the extension block (Extension()).
  bool LoadFromFile(const std::string& fileName);
  // Writes the data file by replacing it (safefile.h): through symbolic
  // links to the file they end at, only when this user may write the
  // existing file, keeping its permission bits. On any failure the old file
  // stays untouched, no temporary file is left and the answer is false
  // (with the reason in `result` when given). `options` as for
  // safefile::ReplaceFileContents.
  bool SaveToFile(const std::string& fileName, const safefile::tReplaceOptions& options = {},
                  safefile::tReplaceResult* result = nullptr) const;

  // The data file on a stream: the record, then the extension block. Load
  // answers false when the record cannot be read or what follows it is
  // larger than kMaxExtensionSize (no data file of this program).
  static constexpr int64_t kMaxExtensionSize = 64 << 20;
  bool LoadDataFile(tObjStream& stream);
  void StoreDataFile(tObjStream& stream) const;
  // What the last load found after the record.
  const tDataExtension& Extension() const { return fExtension; }

  // The inputs of the economic appraisal and of the sensitivity analysis,
  // stored after the record.
  tEconomicsInputs Economics;
  tSensitivityInputs Sensitivity;

  // Company data (UTF-8). A setter keeps the first 255 characters; it
  // answers false and changes nothing when the text holds a character that
  // the data file cannot keep (see codepage::SurvivesShortString).
  std::string GetAnwendername() const { return fAnwendername; }
  bool SetAnwendername(std::string_view text);
  std::string GetFirmenname() const { return fFirmenname; }
  bool SetFirmenname(std::string_view text);

  // Justification texts.
  tTextList BegruendungInvestition;
  tTextList BegruendungVorbereitung;
  tTextList BegruendungDurchfuehrung;
  tTextList BegruendungAuswertung;
  tTextList BegruendungAnzahlZS;

  // Base data.
  int32_t AnzZS = 0;          // time studies per year
  extended DauerZS = 0;       // hours per study
  uint8_t AnteilVorb = 0;     // % preparation
  uint8_t AnteilDurchf = 0;   // % execution
  uint8_t Stundensatz = 0;    // euro per hour
  // Saving shares, %.
  uint8_t PotentialVorb = 50;
  uint8_t PotentialDurchf = 20;
  uint8_t PotentialAuswert = 90;
  uint8_t PotentialAnzZS = 90;
  // Costs of the two configurations, euro.
  int32_t InvestZSSystem = 4690;
  int32_t SchulungskostenZS = 640;
  int32_t ZusatzkostenZS = 150;
  int32_t InvestPLSystem = 6150;
  int32_t SchulungskostenPL = 1280;
  int32_t ZusatzkostenPL = 250;
  // Months.
  int32_t BeginnReduzierung = 1;
  int32_t AufwandPLSyst = 23;
  // Options of the payback dialog.
  uint8_t ManuelleEingabe = 0;    // 1: individual prices, 0: standard prices
  uint8_t Erfassgeraet = 0;       // 0 QUANTORIX, 1 BELTORIX
  uint8_t Farbdisplay = 1;        // colour display
  uint8_t ZSSoftwareOption = 1;   // 0 KARU basic, 1 KARU full
  uint8_t PlanzeitOption = 0;     // 0 Regression, 1 Kalkulation, 2 Arbeitsplanung
  uint8_t SchulungstageZS = 1;    // days
  uint8_t SchulungstagePL = 2;    // days

  // Derived figures (per year).
  // Share of evaluation: 100 - preparation - execution; 0 when those two
  // add up to more than 100 (the entry fields flag that case).
  uint8_t AnteilAuswert() const;
  int32_t StundenGesamt() const;
  int32_t StundenVorb() const;
  int32_t StundenDurchf() const;
  int32_t StundenAuswert() const;
  int32_t KostenGesamt() const;
  int32_t KostenVorb() const;
  int32_t KostenDurchf() const;
  int32_t KostenAuswert() const;
  int32_t EinsparungStundenVorb() const;
  int32_t EinsparungStundenDurchf() const;
  int32_t EinsparungStundenAuswert() const;
  int32_t EinsparungStundenZS() const;
  int32_t EinsparungKostenVorb() const;
  int32_t EinsparungKostenDurchf() const;
  int32_t EinsparungKostenAuswert() const;
  int32_t EinsparungKostenZS() const;
  extended PotentialGesamt() const;  // %, not rounded; 0 without hours, NaN after an overflow
  int32_t EinsparungStundenPlanzeit() const;
  int32_t EinsparungKostenPlanzeit() const;
  int32_t RestEinsparungStunden() const;
  int32_t RestEinsparungKosten() const;
  int32_t EinsparungStundenGesamt() const;
  int32_t EinsparungKostenGesamt() const;
  extended Gesamteinsparung() const;  // %, not rounded; 0 without hours, NaN after an overflow

  // The default texts of the five justification lists, in field order.
  static const char* const kDefaultTexts[5];

 private:
  static bool SetShortString(std::string& field, std::string_view text);
  std::string fAnwendername;
  std::string fFirmenname;
  tDataExtension fExtension;
};
