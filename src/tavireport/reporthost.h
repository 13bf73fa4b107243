// What tavi-report gives the frame library and the print framework in
// place of the application object: the printer object, the title "TAVI 2.0"
// and the margins and debug switch of the settings file, read once and
// never written. (The application object writes TAVI.INI when it ends; a
// program for scripts must leave the user's settings alone.)
//
// The host registers itself with both libraries for its lifetime.
// Construction raises EDevException when no printer can be used or the
// settings file exists but cannot be read.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "framehost.h"
#include "marginsettings.h"
#include "printhost.h"

class tExtendedPrinter;

class tReportHost : public tFrameHost, public tPrintHost {
 public:
  // settingsFile: the TAVI.INI to read (datafiles.h).
  explicit tReportHost(const QString& settingsFile);
  ~tReportHost() override;
  tReportHost(const tReportHost&) = delete;
  tReportHost& operator=(const tReportHost&) = delete;

  // Makes `name` the current printer ("PDF-Datei" or a CUPS queue) and
  // sets the margins of the settings file, measured from its paper edge.
  // A margin that does not fit the paper is reported through onMarginError
  // (with the German name of the side) and left at 0. Raises EDevException
  // for an unknown printer.
  void SelectPrinter(const QString& name, const std::function<void(const QString& side)>& onMarginError);

  bool Debug() const override { return fDebug; }
  QString SettingsFileName() const override { return fSettingsFile; }
  tExtendedPrinter* Printer() const override { return fPrinter.get(); }
  const QString& GetTitle() const override { return fTitle; }
  int PreviewZoom() const override { return 60; }
  void SetPreviewZoom(int) override {}
  const QString& HeaderText1() const override { return fEmpty; }
  const QString& HeaderText2() const override { return fEmpty; }
  bool MayPrint() const override { return true; }

 private:
  QString fSettingsFile;
  QString fTitle = QStringLiteral("TAVI 2.0");
  QString fEmpty;
  bool fDebug = false;
  tMarginSettings fMargins;  // as the settings file holds them
  std::unique_ptr<tExtendedPrinter> fPrinter;
};
