// Any bytes as the language file TAVI.049: opening it as a resource file,
// fetching "Strings" and its strings, and loading it as the program's
// language must neither crash nor hang; a string is always valid text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codepage.h"
#include "fuzzutil.h"
#include "resfile.h"

namespace {
void CheckText(const std::string& utf8) {
  if (!codepage::Utf8ToCp1252(utf8)) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string name = fuzzutil::ScratchFile("TAVI.049");
  static const bool quiet = fuzzutil::SilenceStreamMessages();
  fuzzutil::Keep(quiet);
  fuzzutil::WriteFile(name, data, size);

  {
    tResourceFile res(std::make_unique<tObjFileStream>(name, 0));
    for (int i = 0; i < res.Count() && i < 4; ++i) fuzzutil::Keep(res.Get(res.KeyAt(i)));
    auto object = res.Get("Strings");
    if (auto* list = dynamic_cast<tObjStringList*>(object.get())) {
      for (uint16_t n = 0; n < 8; ++n) fuzzutil::Keep(list->Get(n));
      size_t runs = 0;
      for (const auto& e : list->Entries()) {
        if (++runs > 8) break;
        fuzzutil::Keep(list->Get(e.First));
        fuzzutil::Keep(list->Get(static_cast<uint16_t>(e.First + e.Count - 1)));
      }
      fuzzutil::Keep(list->Get(65535));
    }
  }

  try {
    LoadLanguageFile(name);
  } catch (const EStreamLibError&) {
    if (LanguageFileLoaded()) std::abort();
    return 0;
  }
  if (!LanguageFileLoaded()) std::abort();
  for (uint16_t n : {0, 1, 2, 100, 312, 65535}) CheckText(LanguageString(n));
  ReleaseLanguageFile();
  if (LanguageFileLoaded() || !LanguageString(1).empty()) std::abort();
  return 0;
}
