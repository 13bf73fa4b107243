// The part shared by the commands that write text (labels, vertical labels
// and data fields): the font they write with.
#pragma once

#include "command.h"
#include "drawing.h"

class TFontCommand : public TCommand {
 public:
  using TCommand::TCommand;

  // Negative: character height; in designer units until scaled.
  int16_t FontHeight = 0;
  uint8_t FontStyle = 0;  // bold 1, italic 2, underline 4, strike-out 8

  std::string GetFontName() const { return fFontName; }
  // Keeps at most 255 characters; false (and the name unchanged) when the
  // text holds a character a layout file cannot store.
  bool SetFontName(std::string_view name);

  int16_t* ScaledFontHeight() override { return &FontHeight; }

 protected:
  // FONT.NAME and FONT.STYLE, and FONT.HEIGHT (stored as the value - 2)
  // when the class evaluates it.
  bool EvaluateFont(int keyword, const std::string& value, bool withFontHeight);
  // FontName, FontHeight (2 bytes), FontStyle (1 byte).
  void StoreFont(tObjStream& stream) const;
  void LoadFont(tObjStream& stream);
  tCommandFont DrawingFont() const { return tCommandFont{fFontName, FontHeight, FontStyle}; }

 private:
  std::string fFontName;
};
