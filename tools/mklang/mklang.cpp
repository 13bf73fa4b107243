// mklang <source.txt> <language file>
// Builds the language file from its readable UTF-8 source.
#include <fstream>
#include <iostream>
#include <sstream>

#include "langsource.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: mklang <source.txt> <language file>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "mklang: cannot read " << argv[1] << '\n';
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  const LangSource source = ParseLangSource(text.str());
  if (!source.error.empty()) {
    std::cerr << argv[1] << ": " << source.error << '\n';
    return 1;
  }
  if (!WriteLanguageFile(source.strings, argv[2])) {
    std::cerr << "mklang: cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
