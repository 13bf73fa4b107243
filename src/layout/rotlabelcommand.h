// A vertical label: the caption's characters one below the other, read
// from top to bottom. Each character gets a cell as wide as "XX" and as
// high as the whole caption's text height. The caption is drawn as it
// stands (no placeholder, no handler); FontAngle is the designer's and is
// kept, not used.
//
// Reads what a label reads except ALIGNMENT, and FONTANGLE.
//
// Stored after the common fields: Caption, FontName (short strings),
// FontHeight (2 bytes), FontStyle (1 byte), FontAngle (2 bytes).
#pragma once

#include "captioncommand.h"

class TRotLabelCommand : public TCaptionCommand {
 public:
  using TCaptionCommand::TCaptionCommand;

  int16_t FontAngle = 0;

  uint16_t GetClassID() const override { return kRotLabelCommandId; }
  std::string ClassName() const override { return "TRotLabelCommand"; }
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;
  void Draw(tMetaFileRecorder& recorder) override;
  void ReadProperties(tTextFile& file) override;
};
