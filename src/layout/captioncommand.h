// The part shared by the two labels: a caption, stored before the font,
// and the properties both read alike.
#pragma once

#include "fontcommand.h"

class TCaptionCommand : public TFontCommand {
 public:
  using TFontCommand::TFontCommand;

  std::string GetCaption() const { return fCaption; }
  // Keeps at most 255 characters; false (and the caption unchanged) when
  // the text holds a character a layout file cannot store.
  bool SetCaption(std::string_view caption);

  // The common fields, Caption, FontName, FontHeight, FontStyle; each label
  // appends its own field.
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;

 protected:
  // LEFT, TOP, WIDTH, HEIGHT (the extents one more than the designer's),
  // CAPTION (a quoted value as its text, an unquoted one as a placeholder),
  // FONT.HEIGHT (the value - 2), FONT.NAME and FONT.STYLE.
  bool EvaluateLabelProperty(int keyword, const std::string& value);

 private:
  std::string fCaption;
};
