// Any bytes as a layout file, read as the printing page reads one: from a
// file, as a command list. It must fail through the stream's status, or
// give a list that stores, loads and stores again as the same bytes and
// survives everything a page does with it: moving, scaling, binding the
// data handler and drawing into a recorded page.
#include <QGuiApplication>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "commandlist.h"
#include "fontcommand.h"
#include "fuzzutil.h"
#include "labelcommand.h"
#include "layouterrors.h"
#include "recorder.h"

// The platform's font configuration, which Qt loads once for measuring
// text, is never released by fontconfig; only allocations made inside
// fontconfig are excused, so every leak of ours is still reported.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Drawing measures text: a GUI application on the offscreen platform.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  fuzzutil::SilenceStreamMessages();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string name = fuzzutil::ScratchFile("LAYOUT.CFM");
  fuzzutil::WriteFile(name, data, size);
  tObjFileStream in(name, 0);
  const std::unique_ptr<TCommandList> list = GetCommandList(in);
  if (!list) {
    if (in.GetStatus() == stOk) std::abort();  // a failure the caller could not see
    return 0;
  }

  const std::string stored = fuzzutil::PutRaw(*list);
  tObjMemoryStream again(stored);
  again.SetTranslate(false);
  const std::unique_ptr<TCommandList> copy = GetCommandList(again);
  if (!copy || fuzzutil::PutRaw(*copy) != stored) std::abort();

  fuzzutil::Keep(list->MinLeft() + list->MaxRight() + list->MinTop() + list->MaxBottom());
  list->MoveOrigin(0, 260);
  const std::array<int32_t, 2> sizes{1800, 2970};
  try {
    fuzzutil::Keep(list->ScaleTo(2, sizes, 1));
  } catch (const EZeroDivide&) {
  }
  list->MoveOrigin(0, 260);
  list->SetDataHandler([](const QString& n, int16_t order, QString& text) {
    if (order % 2) text = n;
  });
  for (int i = 0; i < list->Count(); ++i) {
    TCommand* command = list->At(i).get();
    if (auto* label = dynamic_cast<TLabelCommand*>(command))
      label->OnGetText = [](int32_t index, QString& text) { text += QString::number(index); };
    // The face name only passes through to the platform's font matching,
    // which keeps something for every name it is asked for; one face keeps
    // the run on our code.
    if (auto* font = dynamic_cast<TFontCommand*>(command)) font->SetFontName("Arial");
  }

  tMetaFileRecorder recorder;
  recorder.StartPage(1);
  list->DrawAll(recorder);
  recorder.EndPage();
  return 0;
}
