#include "formcompiler.h"

#include <array>

#include "boxcommand.h"
#include "collections.h"
#include "datacommand.h"
#include "drawobjectcommand.h"
#include "labelcommand.h"
#include "layouterrors.h"
#include "propertyreader.h"
#include "rotlabelcommand.h"

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool IsEnd(std::string_view line) { return SameLetters(Trim(line), "end"); }

// The opening line of a block: "object Name: Kind", "object Kind",
// optionally followed by an index "[n]".
struct tOpening {
  std::string Name;
  std::string Kind;
};

bool IsOpening(std::string_view line) {
  line = Trim(line);
  const size_t blank = line.find_first_of(" \t");
  const std::string_view word = line.substr(0, blank);
  return SameLetters(word, "object") || SameLetters(word, "inherited") || SameLetters(word, "inline");
}

tOpening ParseOpening(std::string_view line, int lineNumber) {
  line = Trim(line);
  const size_t blank = line.find_first_of(" \t");
  std::string_view rest = blank == std::string_view::npos ? std::string_view() : Trim(line.substr(blank));
  if (rest.ends_with(']')) {
    const size_t open = rest.rfind('[');
    if (open != std::string_view::npos) rest = Trim(rest.substr(0, open));
  }
  tOpening o;
  const size_t colon = rest.find(':');
  std::string_view kind = rest;
  if (colon != std::string_view::npos) {
    o.Name = std::string(Trim(rest.substr(0, colon)));
    kind = Trim(rest.substr(colon + 1));
  }
  if (kind.empty() || kind.find_first_of(" \t") != std::string_view::npos)
    throw EFormError(lineNumber, "Die Zeile „" + std::string(line) +
                                     "“ nennt keine Komponentenart; erwartet wird „object Name: Art“.");
  o.Kind = std::string(kind);
  return o;
}

struct tKindEntry {
  std::string_view Kind;
  const char* Text;
  std::unique_ptr<TCommand> (*Make)();
};

template <class T>
std::unique_ptr<TCommand> Make() {
  return std::make_unique<T>();
}

constexpr std::array<tKindEntry, 7> kKinds = {{
    {"TShape", "Rahmen", &Make<TBoxCommand>},
    {"TBevel", "Rahmen", &Make<TBoxCommand>},
    {"TLabel", "Beschriftung", &Make<TLabelCommand>},
    {"TRotLabel", "senkrechte Beschriftung", &Make<TRotLabelCommand>},
    {"TEdit", "Datenfeld", &Make<TDataCommand>},
    {"TMaskEdit", "Datenfeld", &Make<TDataCommand>},
    {"TPaintBox", "Zeichenobjekt", &Make<TDrawObjectCommand>},
}};

std::string Quoted(std::string_view s) { return "„" + std::string(s) + "“"; }

// Reads one component's block after its opening line.
std::unique_ptr<TCommand> ReadComponent(tTextFile& file, const tOpening& o, int openingLine,
                                        const tMessageEvent& progress) {
  std::string kindText;
  std::unique_ptr<TCommand> command = CommandForKind(o.Kind, &kindText);
  if (!command) throw EFormError(openingLine, "Unbekannte Komponentenart " + Quoted(o.Kind) + ".");
  if (!command->SetName(o.Name))
    throw EFormError(openingLine, "Der Name " + Quoted(o.Name) + " enthält ein Zeichen, das eine Formulardatei nicht speichern kann.");
  const std::string label = o.Name.empty() ? Quoted(o.Kind) : Quoted(o.Name);
  if (progress) progress("Komponente " + label + " (" + o.Kind + "): " + kindText);
  if (progress) command->OnMessage = [&progress](const std::string& text) { progress("  " + text); };
  try {
    command->ReadProperties(file);
  } catch (const EConvertError& e) {
    throw EFormError(file.LineNumber(), e.what());
  }
  command->OnMessage = nullptr;
  if (!file.LastReadFound())
    throw EFormError(file.LineNumber(), "Die Datei endet in der Komponente " + label + "; „end“ fehlt.");
  const std::string& closing = file.LastLine();
  if (IsEnd(closing)) return command;
  if (IsOpening(closing))
    throw EFormError(file.LineNumber(), "Komponenten innerhalb der Komponente " + label + " werden nicht unterstützt.");
  throw EFormError(file.LineNumber(), "Unerwartete Zeile " + Quoted(Trim(closing)) + " in der Komponente " + label +
                                          "; erwartet wird eine Eigenschaft „Name = Wert“ in einer Zeile oder „end“.");
}

}  // namespace

std::unique_ptr<TCommand> CommandForKind(std::string_view kind, std::string* kindText) {
  for (const tKindEntry& e : kKinds)
    if (SameLetters(e.Kind, kind)) {
      if (kindText) *kindText = e.Text;
      return e.Make();
    }
  return nullptr;
}

std::unique_ptr<TCommandList> CompileForm(tTextFile& file, const tMessageEvent& progress) {
  auto list = std::make_unique<TCommandList>();
  enum { kBefore, kInside, kAfter } where = kBefore;
  std::string line;
  while (file.ReadLine(line, kMaxPropertyLine)) {
    const int number = file.LineNumber();
    if (Trim(line).empty()) continue;
    switch (where) {
      case kBefore: {
        if (!IsOpening(line))
          throw EFormError(number, "Ein Formular beginnt mit „object Name: Art“, nicht mit " + Quoted(Trim(line)) + ".");
        const tOpening form = ParseOpening(line, number);
        if (!list->SetHeaderText1(form.Name) || !list->SetHeaderText2(form.Kind))
          throw EFormError(number, "Der Formularname enthält ein Zeichen, das eine Formulardatei nicht speichern kann.");
        if (progress) progress("Formular " + Quoted(form.Name.empty() ? form.Kind : form.Name) + " (" + form.Kind + ")");
        where = kInside;
        break;
      }
      case kInside:
        if (IsOpening(line)) {
          std::unique_ptr<TCommand> command = ReadComponent(file, ParseOpening(line, number), number, progress);
          if (list->Count() >= MaxCollectionSize)
            throw EFormError(number, "Das Formular hat zu viele Komponenten (höchstens " +
                                         std::to_string(MaxCollectionSize) + ").");
          list->Add(std::move(command));
        } else if (IsEnd(line)) {
          if (list->Count() == 0) throw EFormError(number, "Das Formular enthält keine Komponenten.");
          where = kAfter;
        }
        // Any other line is one of the form's own properties.
        break;
      case kAfter:
        throw EFormError(number, "Nach dem „end“ des Formulars steht noch " + Quoted(Trim(line)) + ".");
    }
  }
  if (where == kBefore) throw EFormError(file.LineNumber(), "Die Datei enthält kein Formular.");
  if (where == kInside) throw EFormError(file.LineNumber(), "Die Datei endet im Formular; sein „end“ fehlt.");
  return list;
}
