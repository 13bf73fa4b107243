// A drawing object: a rectangle handed to an outside handler, which draws
// whatever belongs there. Without a handler nothing is drawn and the
// recorder is not touched. Reads LEFT, TOP, WIDTH and HEIGHT (the extents
// one more than the designer's); stores nothing of its own.
#pragma once

#include <QString>

#include "command.h"

// OnDraw(name, left, top, width, height): the command's name and rectangle
// in page units.
using tDrawEvent = std::function<void(const QString& name, int left, int top, int width, int height)>;

class TDrawObjectCommand : public TCommand {
 public:
  using TCommand::TCommand;
  tDrawEvent OnDraw;  // never stored
  uint16_t GetClassID() const override { return kDrawObjectCommandId; }
  std::string ClassName() const override { return "TDrawObjectCommand"; }
  void Draw(tMetaFileRecorder& recorder) override;
  void ReadProperties(tTextFile& file) override;
};
