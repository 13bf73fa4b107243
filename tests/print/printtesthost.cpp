#include "printtesthost.h"

#include <QFile>

#include "codepage.h"
#include "marginsettings.h"
#include "printer.h"
#include "resfile.h"

tPrintTestHost::tPrintTestHost(const QString& dir, bool withPrinter) : fDir(dir) {
  SetFrameHost(this);
  SetPrintHost(this);
  if (withPrinter) {
    fPrinter = std::make_unique<tExtendedPrinter>();
    // The margins of a settings file without printer section.
    const tMarginSettings margins;
    fPrinter->SetLeft(margins.Left);
    fPrinter->SetTop(margins.Top);
    fPrinter->SetRight(margins.Right);
    fPrinter->SetBottom(margins.Bottom);
  }
  const QString language = fDir + QStringLiteral("/TAVI.049");
  if (QFile::exists(language)) {
    LoadLanguageFile(QFile::encodeName(language).toStdString());
    codepage::SelectCountry("049");
  }
}

tPrintTestHost::~tPrintTestHost() {
  fPrinter.reset();
  ReleaseLanguageFile();
  if (PrintHost() == this) SetPrintHost(nullptr);
  if (FrameHost() == this) SetFrameHost(nullptr);
}

QString tPrintTestHost::SettingsFileName() const { return fDir + QStringLiteral("/TAVI.INI"); }
