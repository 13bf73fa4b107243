// The drawing state and text positions shared by the layout commands.
#pragma once

#include <cstdint>
#include <string>

#include "recorder.h"

// The font of a text command, as its fields hold it.
struct tCommandFont {
  std::string Name;  // UTF-8
  int16_t Height = 0;
  uint8_t Style = 0;
};

// Sets the state every drawing command starts from: a white hollow brush,
// a black solid pen 3 units (0.3 mm) wide, a black font, and with font the
// command's face, height and style (upright).
void SetCommandDrawingState(tMetaFileRecorder& recorder, const tCommandFont* font);

// The command's rectangle (Left, Top)-(Left + Width, Top + Height).
tRect CommandRect(int left, int top, int width, int height);

// Sets the text alignment for a command's Alignment (0 left, 1 right,
// 2 centre; any other value as left) and answers the reference point of
// its text: (Left + 1, Top), (Left + Width - 1, Top) or (Left + Width / 2
// halved toward zero, Top).
QPoint SetTextPosition(tMetaFileRecorder& recorder, uint8_t alignment, int left, int top, int width);
