#include "drawing.h"

void SetCommandDrawingState(tMetaFileRecorder& recorder, const tCommandFont* font) {
  tBrush& brush = recorder.Brush();
  brush.Color = Qt::white;
  brush.Style = tBrushStyle::Clear;
  tFont& f = recorder.Font();
  f.Color = Qt::black;
  if (font) {
    f.Name = QString::fromStdString(font->Name);
    f.Height = font->Height;
    f.Style = font->Style;
    // A text command writes horizontally whatever the page drew before.
    f.Orientation = 0;
  }
  tPen& pen = recorder.Pen();
  pen.Color = Qt::black;
  pen.Style = tPenStyle::Solid;
  pen.Width = 3;
}

tRect CommandRect(int left, int top, int width, int height) { return tRect{left, top, left + width, top + height}; }

QPoint SetTextPosition(tMetaFileRecorder& recorder, uint8_t alignment, int left, int top, int width) {
  switch (alignment) {
    case 1:
      recorder.SetTextAlign(TA_RIGHT | TA_TOP);
      return QPoint(left + width - 1, top);
    case 2:
      recorder.SetTextAlign(TA_CENTER | TA_TOP);
      return QPoint(left + width / 2, top);
    default:
      recorder.SetTextAlign(TA_LEFT | TA_TOP);
      return QPoint(left + 1, top);
  }
}
