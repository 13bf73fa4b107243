#include "fontcommand.h"

#include "propertyreader.h"

bool TFontCommand::SetFontName(std::string_view name) { return AssignText(fFontName, name); }

bool TFontCommand::EvaluateFont(int keyword, const std::string& value, bool withFontHeight) {
  switch (keyword) {
    case kwFontHeight:
      if (!withFontHeight) return false;
      ReportMessage("Schriftgröße auswerten ...");
      FontHeight = StrToInt16(value, -2);
      return true;
    case kwFontName:
      ReportMessage("Schriftname auswerten ...");
      SetReadText(fFontName, UnquoteText(value));
      return true;
    case kwFontStyle:
      ReportMessage("Schrifteigenschaften auswerten ...");
      FontStyle = ParseFontStyle(value);
      return true;
    default:
      return false;
  }
}

void TFontCommand::StoreFont(tObjStream& stream) const {
  stream.WriteStr(StoredText(fFontName));
  stream.WriteInt16(FontHeight);
  stream.WriteByte(FontStyle);
}

void TFontCommand::LoadFont(tObjStream& stream) {
  LoadText(stream, fFontName);
  FontHeight = stream.ReadInt16(FontHeight);
  FontStyle = stream.ReadByte(FontStyle);
}
