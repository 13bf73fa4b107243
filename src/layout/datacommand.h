// A data field: a text the printing page supplies at drawing time. Each
// field carries a number (Order); the page's handler turns the number into
// the text. An unbound field shows "<Order> OnData <Order>", so a number
// no page knows is visible on the printout.
//
// Reads LEFT, TOP, WIDTH (one more than the designer's), HEIGHT (Height
// one more, and the font's character height from it: FontHeight =
// -height - 2), FONT.NAME, FONT.STYLE, TABORDER (the number) and TAG (the
// alignment: 0 left, 1 centre, 2 right; other values keep it and report
// an error text).
//
// Stored after the common fields: FontName (short string), FontHeight
// (2 bytes), FontStyle (1 byte), Order (2 bytes), Alignment (1 byte).
#pragma once

#include <QString>

#include "fontcommand.h"

// OnData(name, order, text): the field's name and number; text arrives as
// the default and may be replaced.
using tDataEvent = std::function<void(const QString& name, int16_t order, QString& text)>;

class TDataCommand : public TFontCommand {
 public:
  using TFontCommand::TFontCommand;

  int16_t Order = 0;
  uint8_t Alignment = 0;  // 0 left, 1 right, 2 centre
  tDataEvent OnData;      // never stored

  uint16_t GetClassID() const override { return kDataCommandId; }
  std::string ClassName() const override { return "TDataCommand"; }
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;
  void Draw(tMetaFileRecorder& recorder) override;
  void ReadProperties(tTextFile& file) override;

  // "7 OnData 7" for Order 7.
  QString DefaultText() const;
};
