#include "marginsettings.h"

#include <QString>

#include "inifile.h"
#include "printer.h"

namespace {
const QString kSection = QStringLiteral("Druckereinstellungen");
}  // namespace

tMarginSettings ReadMarginSettings(const TMORLAKIniFile& file) {
  const tMarginSettings defaults;
  tMarginSettings m;
  m.Left = file.ReadInteger(kSection, QStringLiteral("LinkerRand"), defaults.Left);
  m.Top = file.ReadInteger(kSection, QStringLiteral("ObererRand"), defaults.Top);
  m.Right = file.ReadInteger(kSection, QStringLiteral("RechterRand"), defaults.Right);
  m.Bottom = file.ReadInteger(kSection, QStringLiteral("UntererRand"), defaults.Bottom);
  return m;
}

void WriteMarginSettings(TMORLAKIniFile& file, const tExtendedPrinter& printer) {
  file.EraseSection(kSection);
  file.WriteInteger(kSection, QStringLiteral("LinkerRand"), printer.GetLeft());
  file.WriteInteger(kSection, QStringLiteral("ObererRand"), printer.GetTop());
  file.WriteInteger(kSection, QStringLiteral("RechterRand"), printer.GetRight());
  file.WriteInteger(kSection, QStringLiteral("UntererRand"), printer.GetBottom());
}
