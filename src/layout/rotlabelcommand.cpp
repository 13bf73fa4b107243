#include "rotlabelcommand.h"

#include "propertyreader.h"

bool TRotLabelCommand::SetCaption(std::string_view caption) { return AssignText(fCaption, caption); }

void TRotLabelCommand::Store(tObjStream& stream) const {
  TCommand::Store(stream);
  stream.WriteStr(StoredText(fCaption));
  StoreFont(stream);
  stream.WriteInt16(FontAngle);
}

void TRotLabelCommand::Load(tObjStream& stream) {
  TCommand::Load(stream);
  LoadText(stream, fCaption);
  LoadFont(stream);
  FontAngle = stream.ReadInt16(FontAngle);
}

void TRotLabelCommand::Draw(tMetaFileRecorder& recorder) {
  const tCommandFont font = DrawingFont();
  SetCommandDrawingState(recorder, &font);
  recorder.SetTextAlign(TA_LEFT | TA_TOP);
  if (fCaption.empty()) return;
  const QString caption = QString::fromStdString(fCaption);
  const int lineHeight = recorder.TextHeight(caption);
  tRect cell{Left, Top, Left + recorder.TextWidth(QStringLiteral("XX")), Top + lineHeight};
  for (const char32_t c : caption.toUcs4()) {
    recorder.TextRect(cell, Left + 1, cell.Top + 1, QString::fromUcs4(&c, 1));
    cell.Top = cell.Bottom;
    cell.Bottom = cell.Top + lineHeight;
  }
}

void TRotLabelCommand::ReadProperties(tTextFile& file) {
  ReadEachProperty(file, [this](int keyword, const std::string& value) {
    if (EvaluateRectangle(keyword, value, 1) || EvaluateFont(keyword, value, true)) return true;
    switch (keyword) {
      case kwCaption:
        ReportMessage("Bezeichnung auswerten ...");
        SetReadText(fCaption, CaptionText(value));
        return true;
      case kwFontAngle:
        ReportMessage("Schriftgrad auswerten ...");
        FontAngle = StrToInt16(value);
        return true;
      default:
        return false;
    }
  });
}
