// A rectangle outlined with the layout pen (0.3 mm, black), not filled.
// Reads LEFT, TOP, WIDTH and HEIGHT; the designer's width and height count
// the outline's last unit, so Width and Height are one less. Stores nothing
// of its own after the common fields.
#pragma once

#include "command.h"

class TBoxCommand : public TCommand {
 public:
  using TCommand::TCommand;
  uint16_t GetClassID() const override { return kBoxCommandId; }
  std::string ClassName() const override { return "TBoxCommand"; }
  // Rectangle(Left, Top, Left + Width, Top + Height).
  void Draw(tMetaFileRecorder& recorder) override;
  void ReadProperties(tTextFile& file) override;
};
