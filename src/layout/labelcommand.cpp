#include "labelcommand.h"

#include <limits>

#include "propertyreader.h"
#include "resfile.h"

void TLabelCommand::Store(tObjStream& stream) const {
  TCaptionCommand::Store(stream);
  stream.WriteByte(Alignment);
}

void TLabelCommand::Load(tObjStream& stream) {
  TCaptionCommand::Load(stream);
  Alignment = stream.ReadByte(Alignment);
}

QString TLabelCommand::ResolveCaption(const std::string& caption, int32_t& index) {
  index = 0;
  QString text = QString::fromStdString(caption);
  if (!(caption.starts_with("##") && caption.ends_with("##"))) return text;
  std::string digits;
  for (char c : caption)
    if (c != '#') digits += c;
  int32_t n = 0;
  // n - 1 must be an index; the lowest 32-bit number has none.
  if (!TryStrToInt(digits, n) || n == std::numeric_limits<int32_t>::min()) return text;
  index = n - 1;
  // Language strings are numbered 0 to 65535; other numbers have none.
  if (index < 0 || index > std::numeric_limits<uint16_t>::max()) return QString();
  return QString::fromStdString(LanguageString(static_cast<uint16_t>(index)));
}

void TLabelCommand::Draw(tMetaFileRecorder& recorder) {
  const tCommandFont font = DrawingFont();
  SetCommandDrawingState(recorder, &font);
  const QPoint at = SetTextPosition(recorder, Alignment, Left, Top, Width);
  int32_t index = 0;
  QString text = ResolveCaption(GetCaption(), index);
  if (OnGetText) OnGetText(index, text);
  recorder.TextRect(CommandRect(Left, Top, Width, Height), at.x(), at.y(), text);
}

void TLabelCommand::ReadProperties(tTextFile& file) {
  ReadEachProperty(file, [this](int keyword, const std::string& value) {
    if (EvaluateLabelProperty(keyword, value)) return true;
    if (keyword != kwAlignment) return false;
    ReportMessage("Schriftausrichtung auswerten ...");
    Alignment = ParseAlignment(value);
    return true;
  });
}
