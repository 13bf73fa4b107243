#include "command.h"

#include "boxcommand.h"
#include "codepage.h"
#include "commandlist.h"
#include "datacommand.h"
#include "drawobjectcommand.h"
#include "labelcommand.h"
#include "layouterrors.h"
#include "propertyreader.h"
#include "rotlabelcommand.h"

// ---------------------------------------------------------------- registry

namespace {

// Constant-initialised, so they exist before any static constructor runs.
tStreamRec gLayoutTypes[] = {
    {kCommandListId, &BuildAndLoad<TCommandList>, nullptr},
    {kBoxCommandId, &BuildAndLoad<TBoxCommand>, nullptr},
    {kLabelCommandId, &BuildAndLoad<TLabelCommand>, nullptr},
    {kRotLabelCommandId, &BuildAndLoad<TRotLabelCommand>, nullptr},
    {kDataCommandId, &BuildAndLoad<TDataCommand>, nullptr},
    {kDrawObjectCommandId, &BuildAndLoad<TDrawObjectCommand>, nullptr},
};
bool gLayoutTypesRegistered = false;

// This unit holds the base of every layout class, so any program that uses
// one of them links it, and with it this registration: a static library
// would drop a unit of its own that nothing refers to.
[[maybe_unused]] const bool gRegisteredAtStart = (RegisterLayoutTypes(), true);

}  // namespace

void RegisterLayoutTypes() {
  if (gLayoutTypesRegistered) return;
  gLayoutTypesRegistered = true;
  for (tStreamRec& rec : gLayoutTypes) RegisterType(rec);
}

// ------------------------------------------------------------------- texts

bool StorableText(std::string_view utf8) { return codepage::SurvivesShortString(utf8); }

bool AssignText(std::string& field, std::string_view text) {
  if (!StorableText(text)) return false;
  field = codepage::LeftCodePoints(text, kMaxCommandText);
  return true;
}

std::string StoredText(const std::string& utf8) {
  // The setters keep only storable texts; a text loaded from a file came
  // from 1252 bytes and goes back to them.
  return codepage::Utf8ToCp1252(utf8).value_or(std::string());
}

void LoadText(tObjStream& stream, std::string& field) {
  if (stream.GetStatus() != stOk) return;
  field = codepage::Cp1252ToUtf8(stream.ReadStr());
}

// ---------------------------------------------------------------- TCommand

TCommand::TCommand() = default;
TCommand::TCommand(EmptyTag) : tStreamable(Empty) {}
TCommand::~TCommand() = default;

bool TCommand::SetName(std::string_view name) { return AssignText(fName, name); }

void TCommand::ReportMessage(const std::string& text) const {
  if (OnMessage) OnMessage(text);
}

void TCommand::Store(tObjStream& stream) const {
  stream.WriteStr(StoredText(fName));
  stream.WriteInt16(Left);
  stream.WriteInt16(Top);
  stream.WriteInt16(Width);
  stream.WriteInt16(Height);
}

void TCommand::Load(tObjStream& stream) {
  LoadText(stream, fName);
  Left = stream.ReadInt16(Left);
  Top = stream.ReadInt16(Top);
  Width = stream.ReadInt16(Width);
  Height = stream.ReadInt16(Height);
}

void TCommand::SetReadText(std::string& field, std::string_view text) {
  if (!AssignText(field, text))
    throw EConvertError("Der Text „" + std::string(text) +
                        "“ enthält ein Zeichen, das eine Formulardatei nicht speichern kann.");
}

void TCommand::ReadEachProperty(tTextFile& file,
                                const std::function<bool(int keyword, const std::string& value)>& evaluate) {
  std::string key;
  std::string value;
  while (ReadPropertyLine(file, key, value))
    if (!evaluate(FindKeyword(key), value)) ReportMessage("Paramter " + key + " wird nicht ausgewertet ...");
}

bool TCommand::EvaluateRectangle(int keyword, const std::string& value, int32_t adjust) {
  switch (keyword) {
    case kwLeft:
      ReportMessage("Position links auswerten ...");
      Left = StrToInt16(value);
      return true;
    case kwTop:
      ReportMessage("Position oben auswerten ...");
      Top = StrToInt16(value);
      return true;
    case kwWidth:
      ReportMessage("Breite auswerten ...");
      Width = StrToInt16(value, adjust);
      return true;
    case kwHeight:
      ReportMessage("Höhe auswerten ...");
      Height = StrToInt16(value, adjust);
      return true;
    default:
      return false;
  }
}
