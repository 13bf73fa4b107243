// The program's side of the print framework for its tests: what the
// application object supplies in the program (printer object with the
// default margins, title, zoom, language strings, settings file), without
// the application object, which sits above the print framework.
#pragma once

#include <QString>
#include <memory>

#include "framehost.h"
#include "printhost.h"

class tExtendedPrinter;

class tPrintTestHost : public tFrameHost, public tPrintHost {
 public:
  // dir: the program directory (language file "TAVI.049", settings file
  // "TAVI.INI"). withPrinter false: a program whose printer could not be
  // created. Registers itself with both libraries.
  explicit tPrintTestHost(const QString& dir, bool withPrinter = true);
  ~tPrintTestHost() override;
  tPrintTestHost(const tPrintTestHost&) = delete;
  tPrintTestHost& operator=(const tPrintTestHost&) = delete;

  bool Debug() const override { return false; }
  QString SettingsFileName() const override;
  tExtendedPrinter* Printer() const override { return fPrinter.get(); }
  const QString& GetTitle() const override { return fTitle; }
  int PreviewZoom() const override { return fZoom; }
  void SetPreviewZoom(int percent) override { fZoom = percent; }
  const QString& HeaderText1() const override { return fEmpty; }
  const QString& HeaderText2() const override { return fEmpty; }
  bool MayPrint() const override { return true; }

 private:
  QString fDir;
  QString fTitle = QStringLiteral("TAVI 2.0");
  QString fEmpty;
  int fZoom = 60;
  std::unique_ptr<tExtendedPrinter> fPrinter;
};
