// Helpers of the layout tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "testutil.h"
#include "textfile.h"

namespace layouttest {

// A form text from UTF-8 lines.
inline tTextFile Text(const std::string& text) { return tTextFile::FromBytes(text); }

// What Put writes for an object (translate flag on, as in a layout file).
inline std::string PutHex(const tStreamable& object) {
  tObjMemoryStream m;
  m.Put(&object);
  return testutil::HexOf(m);
}

// Reads a command's properties and answers the progress texts it reported.
inline std::vector<std::string> ReadMessages(TCommand& command, tTextFile& file) {
  std::vector<std::string> messages;
  command.OnMessage = [&messages](const std::string& text) { messages.push_back(text); };
  command.ReadProperties(file);
  command.OnMessage = nullptr;
  return messages;
}

inline std::vector<std::string> ReadMessages(TCommand& command, const std::string& text) {
  tTextFile file = Text(text);
  return ReadMessages(command, file);
}

}  // namespace layouttest
