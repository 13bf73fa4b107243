// Any bytes as an object stream: Get builds an object of whatever registered
// class the bytes name (every unit of the libraries is linked in, so every
// class is registered, the record included). Whatever comes back must store,
// clone, and store again as the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "collections.h"
#include "fuzzutil.h"
#include "resfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = fuzzutil::SilenceStreamMessages();
  fuzzutil::Keep(quiet);

  tObjMemoryStream in(std::string_view(reinterpret_cast<const char*>(data), size));
  auto object = in.Get();
  if (!object) return 0;
  fuzzutil::Keep(object->GetState());
  fuzzutil::Keep(object->Query(0, 0));

  tObjMemoryStream translated;
  translated.Put(object.get());

  const std::string stored = fuzzutil::PutRaw(*object);
  auto copy = object->Clone();
  if (!copy) std::abort();
  if (fuzzutil::PutRaw(*copy) != stored) std::abort();
  return 0;
}
