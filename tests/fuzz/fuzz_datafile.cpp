// Any bytes as the data file TAVI.DAT: loading must neither crash nor read
// beyond the file, every computed figure and the range check must be
// computable (those of the economic appraisal too), and what the record
// then stores must read back completely and store the same bytes - with
// what follows the record: the block of the appraisal's inputs, or the
// bytes kept in its place. After a failed load the save goes the program's
// way: the unreadable file is kept under a new name, byte for byte, before
// the record replaces it, and the replaced file reads back as the record.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "economics.h"
#include "fieldranges.h"
#include "fuzzutil.h"
#include "keepfile.h"
#include "payback.h"
#include "tavidaten.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string name = fuzzutil::ScratchFile("TAVI.DAT");
  fuzzutil::WriteFile(name, data, size);

  tTaviDaten record;
  const bool loaded = record.LoadFromFile(name);
  fuzzutil::Keep(OutOfRange(record).size());

  long double sum = record.AnteilAuswert();
  for (int32_t v : {record.StundenGesamt(), record.StundenVorb(), record.StundenDurchf(), record.StundenAuswert(),
                    record.KostenGesamt(), record.KostenVorb(), record.KostenDurchf(), record.KostenAuswert(),
                    record.EinsparungStundenVorb(), record.EinsparungStundenDurchf(),
                    record.EinsparungStundenAuswert(), record.EinsparungStundenZS(), record.EinsparungKostenVorb(),
                    record.EinsparungKostenDurchf(), record.EinsparungKostenAuswert(), record.EinsparungKostenZS(),
                    record.EinsparungStundenPlanzeit(), record.EinsparungKostenPlanzeit(),
                    record.RestEinsparungStunden(), record.RestEinsparungKosten(), record.EinsparungStundenGesamt(),
                    record.EinsparungKostenGesamt()})
    sum += v;
  sum += record.PotentialGesamt() + record.Gesamteinsparung();
  fuzzutil::Keep(sum);
  fuzzutil::Keep(record.GetAnwendername().size() + record.GetFirmenname().size());

  if (!record.Economics.InRange()) std::abort();  // the block's values are checked
  tPaybackCalc calc;
  calc.Calculate(record);
  tEconomicsCalc economics;
  economics.Calculate(record, calc, record.Economics);
  for (int c = 0; c < kComparisons; ++c) {
    const tComparisonFigures& f = economics.Figures(static_cast<tComparison>(c));
    fuzzutil::Keep(f.NetPresentValue + f.StaticPayback.Months + f.DynamicPayback.Months + f.InternalRate.Percent);
  }

  // The whole file: record and block, read back and stored again alike.
  tObjMemoryStream file;
  record.StoreDataFile(file);
  if (file.GetStatus() != stOk) std::abort();
  tTaviDaten reread;
  tObjMemoryStream fileIn(file.Bytes());
  if (!reread.LoadDataFile(fileIn) || !(reread.Economics == record.Economics)) std::abort();
  tObjMemoryStream fileAgain;
  reread.StoreDataFile(fileAgain);
  if (fileAgain.Bytes() != file.Bytes()) std::abort();

  tObjMemoryStream stored;
  record.Store(stored);
  if (stored.GetStatus() != stOk) std::abort();

  tTaviDaten copy(tStreamable::Empty);
  tObjMemoryStream in(stored.Bytes());
  copy.Load(in);
  if (in.GetStatus() != stOk || in.Remaining() != 0) std::abort();
  tObjMemoryStream again;
  copy.Store(again);
  if (again.Bytes() != stored.Bytes()) std::abort();

  if (!loaded) {
    std::string keptAs;
    const safefile::tReplaceOptions keep{{}, [&keptAs](const std::string& target) {
                                           const safefile::tKeepResult k = safefile::KeepUnderNewName(target, "fuzz");
                                           keptAs = k.keptAs;
                                           return k.ok;
                                         }};
    if (!record.SaveToFile(name, keep) || keptAs.empty()) std::abort();
    const std::string original(reinterpret_cast<const char*>(data), size);
    if (fuzzutil::ReadFile(keptAs) != original) std::abort();
    tTaviDaten saved(tStreamable::Empty);
    tObjMemoryStream savedBytes;
    if (!saved.LoadFromFile(name)) std::abort();
    saved.Store(savedBytes);
    if (savedBytes.Bytes() != stored.Bytes()) std::abort();
    std::remove(keptAs.c_str());
  }
  return 0;
}
