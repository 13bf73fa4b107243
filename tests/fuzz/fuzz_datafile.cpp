// Any bytes as the data file TAVI.DAT: loading must neither crash nor read
// beyond the file, every computed figure must be computable, and what the
// record then stores must read back completely and store the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzzutil.h"
#include "tavidaten.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string name = fuzzutil::ScratchFile("TAVI.DAT");
  fuzzutil::WriteFile(name, data, size);

  tTaviDaten record;
  record.LoadFromFile(name);

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
  return 0;
}
