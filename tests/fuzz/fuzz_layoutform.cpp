// Any bytes as the text of a designed form, compiled as the layout
// compiler does it. The form is refused with a line and a message, or it
// gives a command list that stores, loads and stores again as the same
// bytes. Nothing else may leave the compiler.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "commandlist.h"
#include "formcompiler.h"
#include "fuzzutil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tTextFile file = tTextFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  size_t progress = 0;
  std::unique_ptr<TCommandList> list;
  try {
    list = CompileForm(file, [&progress](const std::string& text) { progress += text.size(); });
  } catch (const EFormError& e) {
    if (e.Line() < 0 || e.Line() > file.LineNumber() || std::string_view(e.what()).empty()) std::abort();
    return 0;
  }
  fuzzutil::Keep(progress);
  if (!list || list->Count() == 0) std::abort();

  tObjMemoryStream out;
  out.Put(list.get());
  const std::string stored = out.Bytes();
  tObjMemoryStream in(stored);
  const std::unique_ptr<TCommandList> back = GetCommandList(in);
  if (!back || in.Remaining() != 0) std::abort();
  tObjMemoryStream again;
  again.Put(back.get());
  if (again.Bytes() != stored) std::abort();
  return 0;
}
