#include "datacommand.h"

#include "propertyreader.h"

void TDataCommand::Store(tObjStream& stream) const {
  TCommand::Store(stream);
  StoreFont(stream);
  stream.WriteInt16(Order);
  stream.WriteByte(Alignment);
}

void TDataCommand::Load(tObjStream& stream) {
  TCommand::Load(stream);
  LoadFont(stream);
  Order = stream.ReadInt16(Order);
  Alignment = stream.ReadByte(Alignment);
}

QString TDataCommand::DefaultText() const {
  return QString::number(Order) + QStringLiteral(" OnData ") + QString::number(Order);
}

void TDataCommand::Draw(tMetaFileRecorder& recorder) {
  QString text = DefaultText();
  if (OnData) OnData(QString::fromStdString(GetName()), Order, text);
  const tCommandFont font = DrawingFont();
  SetCommandDrawingState(recorder, &font);
  const QPoint at = SetTextPosition(recorder, Alignment, Left, Top, Width);
  recorder.TextRect(CommandRect(Left, Top, Width, Height), at.x(), at.y(), text);
}

void TDataCommand::ReadProperties(tTextFile& file) {
  ReadEachProperty(file, [this](int keyword, const std::string& value) {
    if (keyword == kwHeight) {
      ReportMessage("Höhe auswerten (und Schriftgröße) ...");
      const int32_t height = StrToInt(value);
      const int16_t newHeight = CheckedInt16(int64_t{height} + 1);
      FontHeight = CheckedInt16(-int64_t{height} - 2);
      Height = newHeight;
      return true;
    }
    if (EvaluateRectangle(keyword, value, 1) || EvaluateFont(keyword, value, false)) return true;
    switch (keyword) {
      case kwTabOrder:
        ReportMessage("Reihenfolge auswerten ...");
        Order = StrToInt16(value);
        return true;
      case kwTag:
        ReportMessage("Schriftausrichtung auswerten ...");
        switch (StrToInt(value)) {
          case 0:
            Alignment = 0;
            ReportMessage("Ausrichtung links ...");
            break;
          case 1:
            Alignment = 2;
            ReportMessage("Ausrichtung mittig ...");
            break;
          case 2:
            Alignment = 1;
            ReportMessage("Ausrichtung rechts ...");
            break;
          default:
            ReportMessage("Fehler! Wert muß in [0, 1, 2] sein.");
            break;
        }
        return true;
      default:
        return false;
    }
  });
}
