#include "rotlabelcommand.h"

#include "propertyreader.h"

void TRotLabelCommand::Store(tObjStream& stream) const {
  TCaptionCommand::Store(stream);
  stream.WriteInt16(FontAngle);
}

void TRotLabelCommand::Load(tObjStream& stream) {
  TCaptionCommand::Load(stream);
  FontAngle = stream.ReadInt16(FontAngle);
}

void TRotLabelCommand::Draw(tMetaFileRecorder& recorder) {
  const tCommandFont font = DrawingFont();
  SetCommandDrawingState(recorder, &font);
  recorder.SetTextAlign(TA_LEFT | TA_TOP);
  const QString caption = QString::fromStdString(GetCaption());
  if (caption.isEmpty()) return;
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
    if (EvaluateLabelProperty(keyword, value)) return true;
    if (keyword != kwFontAngle) return false;
    ReportMessage("Schriftgrad auswerten ...");
    FontAngle = StrToInt16(value);
    return true;
  });
}
