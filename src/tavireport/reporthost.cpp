#include "reporthost.h"

#include <QDir>

#include "inifile.h"
#include "marginsettings.h"
#include "printer.h"

namespace {
const QString kSectionOther = QStringLiteral("Sonstige_Einstellungen");
}  // namespace

tReportHost::tReportHost(const QString& settingsFile) : fSettingsFile(settingsFile) {
  {
    // Read only: the object writes nothing unless asked to.
    const TMORLAKIniFile file(fSettingsFile);
    fDebug = file.ReadBool(kSectionOther, QStringLiteral("Debug"), false);
    fMargins = ReadMarginSettings(file);
  }
  SetFrameHost(this);
  SetPrintHost(this);
  fPrinter = std::make_unique<tExtendedPrinter>();
}

tReportHost::~tReportHost() {
  fPrinter.reset();
  if (PrintHost() == this) SetPrintHost(nullptr);
  if (FrameHost() == this) SetFrameHost(nullptr);
}

void tReportHost::SelectPrinter(const QString& name, const std::function<void(const QString& side)>& onMarginError) {
  fPrinter->SetPrinterName(name);
  fPrinter->OnMarginError = [&onMarginError](int side) {
    static const QString sides[] = {QStringLiteral("linke"), QStringLiteral("obere"), QStringLiteral("rechte"),
                                    QStringLiteral("untere")};
    if (onMarginError && side >= 0 && side < 4) onMarginError(sides[side]);
  };
  fPrinter->SetMargins(fMargins.Left, fMargins.Top, fMargins.Right, fMargins.Bottom);
  fPrinter->OnMarginError = nullptr;
}
