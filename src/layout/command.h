// The common base of every layout command.
//
// A command has a name and a rectangle; each command class adds its own
// fields, reads them from a component of a designed form (ReadProperties)
// and draws itself into the page recorder (Draw). Coordinates and font
// heights are in the designer's units while a list is stored, and in page
// units of the recorder (0.1 mm) once the list has been scaled to a page.
//
// Texts are UTF-8 in memory. In a layout file they are short strings in
// Windows-1252, translated to code page 437 by the stream; a command only
// accepts texts that survive that trip unchanged (the setters answer false
// otherwise, and the text reader raises EConvertError), so what a layout
// file shows is what the form said.
//
// Stored: Name (short string; an absent name has length 0), then Left,
// Top, Width, Height (signed 16-bit, little-endian); each class appends its
// own fields. Loading never raises: a damaged file fails through the
// stream's status, and the fields not reached keep their values.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "streamable.h"
#include "textfile.h"

class tMetaFileRecorder;

// Class ids of the layout classes.
enum : uint16_t {
  kCommandListId = 24001,
  kBoxCommandId = 24002,
  kLabelCommandId = 24003,
  kRotLabelCommandId = 24004,
  kDataCommandId = 24005,
  kDrawObjectCommandId = 24006,
};

// Receives the text reader's progress texts (UTF-8). The handler's target
// is whatever the function object holds; an empty function is unbound.
using tMessageEvent = std::function<void(const std::string& text)>;

class TCommand : public tStreamable {
 public:
  TCommand();
  explicit TCommand(EmptyTag);
  ~TCommand() override;

  tMessageEvent OnMessage;  // never stored

  int16_t Left = 0;
  int16_t Top = 0;
  int16_t Width = 0;
  int16_t Height = 0;

  // The name, "" when absent.
  std::string GetName() const { return fName; }
  // Keeps at most 255 characters; false (and the name unchanged) when the
  // text holds a character a layout file cannot store.
  bool SetName(std::string_view name);

  // Passes text to OnMessage when a handler is set.
  void ReportMessage(const std::string& text) const;

  void Store(tObjStream& stream) const override;
  void Load(tObjStream& stream) override;

  virtual void Draw(tMetaFileRecorder& recorder) = 0;
  // Reads the property lines of one component up to and including the
  // first line that is not a property line (the block's "end" in a form
  // text). Raises EConvertError for an unusable value; the fields read
  // before it keep their values.
  virtual void ReadProperties(tTextFile& file) = 0;

  // The font height that scaling changes with the layout; nullptr for the
  // commands without text.
  virtual int16_t* ScaledFontHeight() { return nullptr; }

 protected:
  // The reading loop shared by every class: for each property line,
  // evaluate(keyword number, value) reports its progress text, converts and
  // stores the value and answers true; for a keyword the class does not
  // evaluate it answers false and the loop reports
  // "Paramter <key> wird nicht ausgewertet ...".
  void ReadEachProperty(tTextFile& file, const std::function<bool(int keyword, const std::string& value)>& evaluate);
  // Left and Top, and Width and Height with the class's adjustment (the
  // designer's extent plus adjust).
  bool EvaluateRectangle(int keyword, const std::string& value, int32_t adjust);
  // A text read from a form for a field: raises EConvertError when a
  // layout file cannot store it.
  static void SetReadText(std::string& field, std::string_view text);

 private:
  std::string fName;
};

// Registers the six layout classes with the object stream. It runs on its
// own while the program starts in every program that uses a layout class;
// calling it again does nothing.
void RegisterLayoutTypes();

// Whether a text fits a layout file unchanged (each character survives the
// short string's translation).
bool StorableText(std::string_view utf8);
// field = text cut to 255 characters, when StorableText(text); else false
// and the field unchanged.
bool AssignText(std::string& field, std::string_view text);
// A text field as stored: the Windows-1252 bytes that WriteStr takes.
std::string StoredText(const std::string& utf8);
// Reads a text field with ReadStr; after a failure of the stream the field
// keeps its value.
void LoadText(tObjStream& stream, std::string& field);
