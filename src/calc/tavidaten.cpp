#include "tavidaten.h"

#include <cerrno>

#include "codepage.h"

const char* const tTaviDaten::kDefaultTexts[5] = {
    "Aufgrund der vorgenommenen Berechnungen ergeben sich Einsparungen sowohl durch das Zeitstudiensystem alleine, als auch durch den zusätzlichen Einsatz des Planzeitsystems. Da die Amortisationszeiten in allen Fällen unterhalb der vorgegebenen Grenze liegen, empfehle ich das Gesamtsystem bestehend aus dem Zeitstudiengerät (QUANTORIX oder BELTORIX) und den Programmen KARU und TOMVIL (Vollversionen) zu beschaffen.",
    "Die Verwendung von Standardtexten ermöglicht eine schnellere und sorgfältigere Vorbereitung von Zeitstudien. Handschriftliche Einträge können entfallen, weil der Zeiterfassungsbogen komplett vom System mit den Ablauftexten erstellt wird. Neben der Zeiteinsparung ergeben sich also auch Verbesserungen in der Dokumantation.",
    "Durch die permanente Anzeige der Epsilonwerte ist der Zeitstudienmitarbeiter immer über die aktuelle Genauigkeit der Zeitstudien informiert. Ist die geforderte Genauigkeit erreicht, kann die Studie früher beendet werden als bei manueller Vorgehensweise. Eine Wiederholung aufgrund eines unzureichenden Epsilon wird ebenfalls vermieden.",
    "Aufwendige Zeitberechnungen entfallen durch automatische Sofortauswertung. Zur sachlichen Kontrolle stehen viele Änderungsmöglichkeiten zur Verfügung, wobei ein Protokoll die Nachvollziehbarkeit gewährleistet. Zeitbandgrafik, Verteilzeitauswertung, Zeitartstatistik - und weitere grafische Auswertungen bieten weitere Ratiopotentiale.",
    "Durch Planzeitbausteine und die Zusammenstellung dieser Bausteine zu AVOs kann ein Großteil der Zeiten mit Hilfe der Kalkulation schnell berechnet werden. So entfallen die aufwendigen Zeitstudien fast vollständig und der Zeitstudienmitarbeiter kann sich anderen Maßnahmen, z.B. der Arbeitplatz- und Ablaufgestaltung verstärkt widmen.",};

namespace {
tRegisterType<tTaviDaten> gRegisterTaviDaten(tTaviDaten::kClassId);
}  // namespace

tTaviDaten::tTaviDaten()
    : BegruendungInvestition({kDefaultTexts[0]}),
      BegruendungVorbereitung({kDefaultTexts[1]}),
      BegruendungDurchfuehrung({kDefaultTexts[2]}),
      BegruendungAuswertung({kDefaultTexts[3]}),
      BegruendungAnzahlZS({kDefaultTexts[4]}) {}

tTaviDaten::tTaviDaten(EmptyTag)
    : tStreamable(Empty),
      PotentialVorb(0),
      PotentialDurchf(0),
      PotentialAuswert(0),
      PotentialAnzZS(0),
      InvestZSSystem(0),
      SchulungskostenZS(0),
      ZusatzkostenZS(0),
      InvestPLSystem(0),
      SchulungskostenPL(0),
      ZusatzkostenPL(0),
      BeginnReduzierung(0),
      AufwandPLSyst(0),
      Farbdisplay(0),
      ZSSoftwareOption(0),
      SchulungstageZS(0),
      SchulungstagePL(0) {}

// ------------------------------------------------------------- company data

bool tTaviDaten::SetShortString(std::string& field, std::string_view text) {
  if (!codepage::SurvivesShortString(text)) return false;
  field = codepage::LeftCodePoints(text, kMaxShortString);
  return true;
}

bool tTaviDaten::SetAnwendername(std::string_view text) { return SetShortString(fAnwendername, text); }
bool tTaviDaten::SetFirmenname(std::string_view text) { return SetShortString(fFirmenname, text); }

// -------------------------------------------------------------- storage

void tTaviDaten::Store(tObjStream& s) const {
  s.WriteStr(codepage::Utf8ToCp1252(fAnwendername).value_or(std::string()));
  s.WriteStr(codepage::Utf8ToCp1252(fFirmenname).value_or(std::string()));
  BegruendungInvestition.Store(s);
  BegruendungVorbereitung.Store(s);
  BegruendungDurchfuehrung.Store(s);
  BegruendungAuswertung.Store(s);
  BegruendungAnzahlZS.Store(s);
  s.WriteInt32(AnzZS);
  s.WriteExtended(DauerZS);
  for (uint8_t b : {AnteilVorb, AnteilDurchf, Stundensatz, PotentialVorb, PotentialDurchf, PotentialAuswert,
                    PotentialAnzZS})
    s.WriteByte(b);
  for (int32_t v : {InvestZSSystem, SchulungskostenZS, ZusatzkostenZS, InvestPLSystem, SchulungskostenPL,
                    ZusatzkostenPL, BeginnReduzierung, AufwandPLSyst})
    s.WriteInt32(v);
  for (uint8_t b : {ManuelleEingabe, Erfassgeraet, Farbdisplay, ZSSoftwareOption, PlanzeitOption, SchulungstageZS,
                    SchulungstagePL})
    s.WriteByte(b);
}

void tTaviDaten::Load(tObjStream& s) {
  // A read after a failure leaves its field alone (the stream does nothing).
  auto readString = [&s](std::string& field) {
    if (s.GetStatus() != stOk) return;
    field = codepage::Cp1252ToUtf8(s.ReadStr());
  };
  readString(fAnwendername);
  readString(fFirmenname);
  BegruendungInvestition.Load(s);
  BegruendungVorbereitung.Load(s);
  BegruendungDurchfuehrung.Load(s);
  BegruendungAuswertung.Load(s);
  BegruendungAnzahlZS.Load(s);
  s.ReadBytesInto(&AnzZS, 4);
  s.ReadExtended(DauerZS);
  for (uint8_t* b : {&AnteilVorb, &AnteilDurchf, &Stundensatz, &PotentialVorb, &PotentialDurchf, &PotentialAuswert,
                     &PotentialAnzZS})
    s.ReadBytesInto(b, 1);
  for (int32_t* v : {&InvestZSSystem, &SchulungskostenZS, &ZusatzkostenZS, &InvestPLSystem, &SchulungskostenPL,
                     &ZusatzkostenPL, &BeginnReduzierung, &AufwandPLSyst})
    s.ReadBytesInto(v, 4);
  for (uint8_t* b : {&ManuelleEingabe, &Erfassgeraet, &Farbdisplay, &ZSSoftwareOption, &PlanzeitOption,
                     &SchulungstageZS, &SchulungstagePL})
    s.ReadBytesInto(b, 1);
}

bool tTaviDaten::LoadFromFile(const std::string& fileName) {
  tObjFileStream stream(fileName, 0);
  try {
    return LoadDataFile(stream);
  } catch (const std::exception&) {
    return false;
  }
}

bool tTaviDaten::LoadDataFile(tObjStream& stream) {
  Load(stream);
  if (stream.GetStatus() != stOk) return false;
  const int64_t rest = stream.Remaining();
  if (rest > kMaxExtensionSize) return false;
  std::string tail(static_cast<size_t>(rest), '\0');
  if (rest > 0 && stream.Read(tail.data(), static_cast<int32_t>(rest)) != rest) return false;
  Economics = tEconomicsInputs{};
  Sensitivity = tSensitivityInputs{};
  fExtension.Read(tail, Economics, Sensitivity);
  return true;
}

void tTaviDaten::StoreDataFile(tObjStream& stream) const {
  Store(stream);
  const std::string extension = fExtension.Bytes(Economics, Sensitivity);
  if (!extension.empty()) stream.Write(extension.data(), static_cast<int32_t>(extension.size()));
}

bool tTaviDaten::SaveToFile(const std::string& fileName, const safefile::tReplaceOptions& options,
                            safefile::tReplaceResult* result) const {
  // The record is put together in memory first and then replaces the old
  // file in one step (see safefile.h): a failed or interrupted save never
  // leaves a truncated data file behind, and a data file this user may not
  // write stays exactly as it is.
  tObjMemoryStream stream;
  bool stored = true;
  try {
    StoreDataFile(stream);
  } catch (const std::exception&) {
    stored = false;
  }
  if (!stored || stream.GetStatus() != stOk) {
    if (result) *result = {safefile::tReplaceError::Write, ENOMEM, fileName, {}};
    return false;
  }
  const safefile::tReplaceResult replaced = safefile::ReplaceFileContents(fileName, stream.Bytes(), options);
  if (result) *result = replaced;
  return static_cast<bool>(replaced);
}

// ------------------------------------------------------------ computations

uint8_t tTaviDaten::AnteilAuswert() const {
  const int rest = 100 - AnteilVorb - AnteilDurchf;
  return rest < 0 ? 0 : static_cast<uint8_t>(rest);
}

int32_t tTaviDaten::StundenGesamt() const { return Round32(static_cast<extended>(AnzZS) * DauerZS); }

namespace {
// R((hours × share) ÷ 100): an integer product divided in extended
// precision. The product is formed exactly (it may pass 2^31 before the
// division brings it back into range), so the figure is right wherever it
// fits 32 bits.
int32_t PercentOf(int32_t hours, uint8_t share) {
  if (IsSaturated(hours)) return hours;
  return Round32(static_cast<extended>(static_cast<int64_t>(hours) * share) / 100);
}
// R(hours × (potential ÷ 100)) and R(hours × (potential ÷ 100) × rate).
int32_t Saving(int32_t hours, uint8_t potential) {
  if (IsSaturated(hours)) return hours;
  return Round32(static_cast<extended>(hours) * (static_cast<extended>(potential) / 100));
}
int32_t SavingCost(int32_t hours, uint8_t potential, uint8_t rate) {
  if (IsSaturated(hours)) return hours;
  return Round32(static_cast<extended>(hours) * (static_cast<extended>(potential) / 100) * rate);
}
}  // namespace

int32_t tTaviDaten::StundenVorb() const { return PercentOf(StundenGesamt(), AnteilVorb); }
int32_t tTaviDaten::StundenDurchf() const { return PercentOf(StundenGesamt(), AnteilDurchf); }
int32_t tTaviDaten::StundenAuswert() const { return PercentOf(StundenGesamt(), AnteilAuswert()); }

int32_t tTaviDaten::KostenGesamt() const { return SatMul(StundenGesamt(), Stundensatz); }
int32_t tTaviDaten::KostenVorb() const { return SatMul(StundenVorb(), Stundensatz); }
int32_t tTaviDaten::KostenDurchf() const { return SatMul(StundenDurchf(), Stundensatz); }
int32_t tTaviDaten::KostenAuswert() const { return SatMul(StundenAuswert(), Stundensatz); }

int32_t tTaviDaten::EinsparungStundenVorb() const { return Saving(StundenVorb(), PotentialVorb); }
int32_t tTaviDaten::EinsparungStundenDurchf() const { return Saving(StundenDurchf(), PotentialDurchf); }
int32_t tTaviDaten::EinsparungStundenAuswert() const { return Saving(StundenAuswert(), PotentialAuswert); }
int32_t tTaviDaten::EinsparungStundenZS() const {
  return SatAdd(SatAdd(EinsparungStundenVorb(), EinsparungStundenDurchf()), EinsparungStundenAuswert());
}

int32_t tTaviDaten::EinsparungKostenVorb() const { return SavingCost(StundenVorb(), PotentialVorb, Stundensatz); }
int32_t tTaviDaten::EinsparungKostenDurchf() const {
  return SavingCost(StundenDurchf(), PotentialDurchf, Stundensatz);
}
int32_t tTaviDaten::EinsparungKostenAuswert() const {
  return SavingCost(StundenAuswert(), PotentialAuswert, Stundensatz);
}
int32_t tTaviDaten::EinsparungKostenZS() const {
  return SatAdd(SatAdd(EinsparungKostenVorb(), EinsparungKostenDurchf()), EinsparungKostenAuswert());
}

// A share of overflowed hours has no meaning: NaN, shown as asterisks.
extended tTaviDaten::PotentialGesamt() const {
  const int32_t total = StundenGesamt();
  const int32_t saved = EinsparungStundenZS();
  if (IsSaturated(total) || IsSaturated(saved)) return std::numeric_limits<extended>::quiet_NaN();
  if (total <= 0) return 0;
  return (static_cast<extended>(saved) / total) * 100;
}

int32_t tTaviDaten::EinsparungStundenPlanzeit() const { return Saving(StundenGesamt(), PotentialAnzZS); }
int32_t tTaviDaten::EinsparungKostenPlanzeit() const {
  return SavingCost(StundenGesamt(), PotentialAnzZS, Stundensatz);
}

int32_t tTaviDaten::RestEinsparungStunden() const {
  const int32_t rest = SatSub(StundenGesamt(), EinsparungStundenPlanzeit());
  if (IsSaturated(rest)) return rest;
  return Round32(static_cast<extended>(rest) * PotentialGesamt() / 100);  // NaN share: saturates
}

int32_t tTaviDaten::RestEinsparungKosten() const {
  const int32_t rest = SatSub(StundenGesamt(), EinsparungStundenPlanzeit());
  if (IsSaturated(rest)) return rest;
  return Round32(static_cast<extended>(rest) * PotentialGesamt() / 100 * Stundensatz);
}

int32_t tTaviDaten::EinsparungStundenGesamt() const {
  return SatAdd(EinsparungStundenPlanzeit(), RestEinsparungStunden());
}
int32_t tTaviDaten::EinsparungKostenGesamt() const {
  return SatAdd(EinsparungKostenPlanzeit(), RestEinsparungKosten());
}

extended tTaviDaten::Gesamteinsparung() const {
  const int32_t total = StundenGesamt();
  const int32_t saved = SatAdd(EinsparungStundenPlanzeit(), RestEinsparungStunden());
  if (IsSaturated(total) || IsSaturated(saved)) return std::numeric_limits<extended>::quiet_NaN();
  if (total <= 0) return 0;
  return (static_cast<extended>(saved) / total) * 100;
}
