#include "boxcommand.h"

#include "drawing.h"

void TBoxCommand::Draw(tMetaFileRecorder& recorder) {
  SetCommandDrawingState(recorder, nullptr);
  const tRect r = CommandRect(Left, Top, Width, Height);
  recorder.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
}

void TBoxCommand::ReadProperties(tTextFile& file) {
  ReadEachProperty(file, [this](int keyword, const std::string& value) { return EvaluateRectangle(keyword, value, -1); });
}
