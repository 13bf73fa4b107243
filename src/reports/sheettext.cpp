#include "sheettext.h"

bool Overlap(const tRect& a, const tRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool Inside(const tRect& inner, const tRect& outer) {
  return inner.Left >= outer.Left && inner.Right <= outer.Right && inner.Top >= outer.Top &&
         inner.Bottom <= outer.Bottom;
}

QColor ToneColour(tTone tone) {
  switch (tone) {
    case tTone::Met: return QColor(0, 128, 0);
    case tTone::Missed: return QColor(200, 0, 0);
    case tTone::Normal:
    case tTone::Bold: break;
  }
  return Qt::black;
}

void SetSheetFont(tMetaFileRecorder& recorder, int fontHeight, bool bold) {
  tFont& font = recorder.Font();
  font.Name = QStringLiteral("Arial");
  font.Height = fontHeight;
  font.Style = bold ? fsBold : 0;
  font.Orientation = 0;
  font.Color = Qt::black;
}

void DrawSheetTexts(tMetaFileRecorder& recorder, const std::vector<tSheetText>& texts, int fontHeight) {
  recorder.Brush().Style = tBrushStyle::Clear;
  recorder.SetTextAlign(TA_LEFT | TA_TOP);
  for (const tSheetText& text : texts) {
    SetSheetFont(recorder, text.FontHeight ? text.FontHeight : fontHeight, text.Tone == tTone::Bold);
    recorder.Font().Color = ToneColour(text.Tone);
    recorder.TextOut(text.Box.Left, text.Box.Top, text.Text);
  }
  SetSheetFont(recorder, fontHeight, false);
}

tSheetMetrics RecorderMetrics(tMetaFileRecorder& recorder, int fontHeight, int32_t extraPitch) {
  tSheetMetrics m;
  m.Width = [&recorder, fontHeight](const QString& text) {
    SetSheetFont(recorder, fontHeight, false);
    return recorder.TextWidth(text);
  };
  m.BoldWidth = [&recorder, fontHeight](const QString& text) {
    SetSheetFont(recorder, fontHeight, true);
    return recorder.TextWidth(text);
  };
  SetSheetFont(recorder, fontHeight, true);
  m.TextHeight = recorder.TextHeight(QStringLiteral("0"));
  m.Pitch = m.TextHeight + extraPitch;
  SetSheetFont(recorder, fontHeight, false);
  return m;
}
