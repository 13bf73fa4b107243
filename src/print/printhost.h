// What the print framework asks of the program it serves: the one printer
// object, the title print jobs carry, the preview zoom shared by every
// preview of a run, the two header lines of the page frame and the
// printing right. The application object registers itself as the host when
// it is created and withdraws when it is destroyed.
//
// Without a host there is no printer: a print job then refuses to start
// with the no-printer message.
#pragma once

#include <QString>

class tExtendedPrinter;

class tPrintHost {
 public:
  virtual ~tPrintHost() = default;
  virtual tExtendedPrinter* Printer() const = 0;  // not owned; may be nullptr
  virtual const QString& GetTitle() const = 0;    // e.g. "TAVI 2.0"
  virtual int PreviewZoom() const = 0;            // percent
  virtual void SetPreviewZoom(int percent) = 0;
  virtual const QString& HeaderText1() const = 0;
  virtual const QString& HeaderText2() const = 0;
  virtual bool MayPrint() const = 0;
};

// The registered host (not owned), nullptr when none is registered.
void SetPrintHost(tPrintHost* host);
tPrintHost* PrintHost();
