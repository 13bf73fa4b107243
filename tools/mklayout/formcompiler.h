// Compiles the text of a designed form into a layout (a command list).
//
// A form text has one block per component:
//
//   object Blatt1: TBlatt1          <- the form itself (outermost block)
//     Left = 200                    <- the form's own properties: skipped
//     object LblTitel: TLabel       <- a component: kind TLabel
//       Left = 24
//       Caption = 'Übersicht'
//     end                           <- closes the component
//   end                             <- closes the form
//
// The outermost block is the form; its own lines (properties, also ones
// spread over several lines) are skipped, and its name and class become the
// list's two header texts. Every block inside it is a component; its kind
// chooses the command:
//
//   TShape, TBevel       box                  (TBoxCommand)
//   TLabel               label                (TLabelCommand)
//   TRotLabel            vertical label       (TRotLabelCommand)
//   TEdit, TMaskEdit     data field           (TDataCommand)
//   TPaintBox            drawing object       (TDrawObjectCommand)
//
// Kinds compare without regard to case; "inherited" and "inline" open a
// block like "object", a name may be missing ("object TLabel") and an index
// after the kind ("[2]") is ignored. The command reads the component's
// property lines itself; its block must then end with "end": a property
// spread over several lines or a component inside a component is an error.
// Blank lines between blocks are allowed; anything after the form's "end"
// is an error, and so is a form without components.
//
// The text is UTF-8, or Windows-1252 when it is not valid UTF-8 (see
// textfile.h). Character codes the designer may write for characters
// outside ASCII ("'M'#252'ller'") are kept as written by the text reader.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "command.h"
#include "commandlist.h"
#include "textfile.h"

// A form text that cannot be compiled: the line it was found at (0 when no
// line applies) and a German message.
class EFormError : public std::runtime_error {
 public:
  EFormError(int line, const std::string& message) : std::runtime_error(message), fLine(line) {}
  int Line() const { return fLine; }

 private:
  int fLine;
};

// The command for a component kind, or nullptr for a kind no command
// stands for. kindText receives the command's German description.
std::unique_ptr<TCommand> CommandForKind(std::string_view kind, std::string* kindText = nullptr);

// Reads the whole form text. progress (when set) receives a line per
// component and the commands' progress texts. Raises EFormError.
std::unique_ptr<TCommandList> CompileForm(tTextFile& file, const tMessageEvent& progress);
