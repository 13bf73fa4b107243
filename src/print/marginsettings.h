// The printer margins as the settings file keeps them: section
// "Druckereinstellungen", keys "LinkerRand", "ObererRand", "RechterRand",
// "UntererRand", in 0.1 mm from the paper edge.
#pragma once

#include <cstdint>

class TMORLAKIniFile;
class tExtendedPrinter;

// The program's margins when the file has none: 20 / 20 / 10 / 20 mm.
struct tMarginSettings {
  int32_t Left = 200;
  int32_t Top = 200;
  int32_t Right = 100;
  int32_t Bottom = 200;
};

// The four keys; the defaults above for keys that are missing.
tMarginSettings ReadMarginSettings(const TMORLAKIniFile& file);
// Erases the section and writes the printer's four margins, in the order
// left, top, right, bottom.
void WriteMarginSettings(TMORLAKIniFile& file, const tExtendedPrinter& printer);
