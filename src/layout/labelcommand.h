// A text label: a fixed text, or a string of the language file named by a
// placeholder "##" digits "##" (number n shows language string n - 1).
//
// Reads LEFT, TOP, WIDTH, HEIGHT (the extents one more than the
// designer's), CAPTION (a quoted value as its text, an unquoted one as a
// placeholder), FONT.HEIGHT (stored as the value - 2), FONT.NAME,
// FONT.STYLE and ALIGNMENT.
//
// Stored after the common fields: Caption, FontName (short strings),
// FontHeight (2 bytes), FontStyle (1 byte), Alignment (1 byte).
#pragma once

#include <QString>

#include "captioncommand.h"

// OnGetText(index, text): index is the placeholder's number - 1 (0 for a
// plain text); the handler may replace the text before it is drawn.
using tGetTextEvent = std::function<void(int32_t index, QString& text)>;

class TLabelCommand : public TCaptionCommand {
 public:
  using TCaptionCommand::TCaptionCommand;

  uint8_t Alignment = 0;  // 0 left, 1 right, 2 centre
  tGetTextEvent OnGetText;  // never stored

  uint16_t GetClassID() const override { return kLabelCommandId; }
  std::string ClassName() const override { return "TLabelCommand"; }
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;
  void Draw(tMetaFileRecorder& recorder) override;
  void ReadProperties(tTextFile& file) override;

  // The text a caption shows without a handler, and the index passed to
  // OnGetText: a placeholder resolved through the language file (empty
  // without one), anything else as it stands with index 0.
  static QString ResolveCaption(const std::string& caption, int32_t& index);
};
