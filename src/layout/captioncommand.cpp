#include "captioncommand.h"

#include "propertyreader.h"

bool TCaptionCommand::SetCaption(std::string_view caption) { return AssignText(fCaption, caption); }

void TCaptionCommand::Store(tObjStream& stream) const {
  TCommand::Store(stream);
  stream.WriteStr(StoredText(fCaption));
  StoreFont(stream);
}

void TCaptionCommand::Load(tObjStream& stream) {
  TCommand::Load(stream);
  LoadText(stream, fCaption);
  LoadFont(stream);
}

bool TCaptionCommand::EvaluateLabelProperty(int keyword, const std::string& value) {
  if (EvaluateRectangle(keyword, value, 1) || EvaluateFont(keyword, value, true)) return true;
  if (keyword != kwCaption) return false;
  ReportMessage("Bezeichnung auswerten ...");
  SetReadText(fCaption, CaptionText(value));
  return true;
}
