// A layout: a list of layout commands, as a layout file holds it.
//
// The list owns its commands. Stored as a collection (count, limit, delta
// as signed 16-bit values, then every command as an object reference: its
// class id and its data), followed by five header fields: HeaderFlag
// (1 byte), HeaderText1, HeaderText2 (short strings), HeaderValue (2
// bytes), HeaderOption (1 byte). The header is carried through load and
// store and not used at print time; the form compiler puts the form's name
// and class into the two texts and leaves the numbers 0.
//
// A stored item that is not a layout command (another class, or no object)
// fails the load with stBadData and is dropped, so a loaded list holds
// only commands. Loading never raises.
//
// At print time the list is moved and scaled to the page (MoveOrigin,
// ScaleTo, in page units of 0.1 mm afterwards), its data fields are bound
// to the page's handler (SetDataHandler) and it draws itself (DrawAll).
#pragma once

#include <memory>
#include <span>
#include <string>

#include "collections.h"
#include "command.h"
#include "datacommand.h"

class TCommandList : public tBasicCollection<std::unique_ptr<TCommand>> {
 public:
  TCommandList(int16_t limit = 10, int16_t delta = 10) : tBasicCollection(limit, delta) {}
  explicit TCommandList(EmptyTag) : tBasicCollection(Empty) {}
  ~TCommandList() override;

  uint8_t HeaderFlag = 0;
  int16_t HeaderValue = 0;
  uint8_t HeaderOption = 0;
  std::string GetHeaderText1() const { return fHeaderText1; }
  std::string GetHeaderText2() const { return fHeaderText2; }
  // Keep at most 255 characters; false (and the text unchanged) when the
  // text holds a character a layout file cannot store.
  bool SetHeaderText1(std::string_view text);
  bool SetHeaderText2(std::string_view text);

  uint16_t GetClassID() const override { return kCommandListId; }
  std::string ClassName() const override { return "TCommandList"; }
  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;

  // Appends a command (EListError when the list cannot grow).
  void Add(std::unique_ptr<TCommand> command) { Insert(std::move(command)); }

  // Draws every command in list order: later ones draw over earlier ones.
  void DrawAll(tMetaFileRecorder& recorder);

  // Bounds of all commands; -1 for an empty list. MaxRight is the largest
  // Left + Width - 1, MaxBottom the largest Top + Height - 1 (both start
  // at -1).
  int32_t MinLeft() const;
  int32_t MaxRight() const;
  int32_t MinTop() const;
  int32_t MaxBottom() const;

  // Shifts every command so that the leftmost starts at x and the topmost
  // at y. A coordinate pushed beyond the 16-bit range stops at its edge.
  void MoveOrigin(int32_t x, int32_t y);

  // Scales the layout to a page. mode 0: horizontally to sizes[0] (fx =
  // sizes[0] / MaxRight, fy = 1); mode 1: vertically to sizes[0]; mode 2:
  // both, to sizes[0] and sizes[index]. Positions and extents are scaled
  // by fx and fy, the font heights of text commands by f = min(fx, fy) as
  // round(height * f) + round(3 * f); rounding is to nearest, halves to
  // even. A result beyond the 16-bit range stops at its edge (-32768 or
  // 32767). Answers the number of commands; an empty list is left alone
  // and answers 0.
  // Raises EZeroDivide when the extent divided by is 0, ELayoutArgument
  // for another mode or a missing size entry; the list is then unchanged.
  int32_t ScaleTo(int mode, std::span<const int32_t> sizes, int index);

  // Sets OnData of every data field (an empty handler unbinds them).
  void SetDataHandler(const tDataEvent& handler);

 protected:
  void PutItem(tObjStream& stream, const std::unique_ptr<TCommand>& item) const override;
  std::unique_ptr<TCommand> GetItem(tObjStream& stream) override;

 private:
  std::string fHeaderText1;
  std::string fHeaderText2;
};

// Reads a command list stored as an object reference (a layout file).
// nullptr when the stream fails or holds another class (the stream's
// status then tells why: stBadData for another class).
std::unique_ptr<TCommandList> GetCommandList(tObjStream& stream);
