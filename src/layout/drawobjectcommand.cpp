#include "drawobjectcommand.h"

void TDrawObjectCommand::Draw(tMetaFileRecorder&) {
  if (OnDraw) OnDraw(QString::fromStdString(GetName()), Left, Top, Width, Height);
}

void TDrawObjectCommand::ReadProperties(tTextFile& file) {
  ReadEachProperty(file, [this](int keyword, const std::string& value) { return EvaluateRectangle(keyword, value, 1); });
}
