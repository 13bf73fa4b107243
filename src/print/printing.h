// Print jobs. A report derives from tPrinting (or tPrintingEx for a set of
// unlike pages) and supplies two hooks: BuildPages fills the page list and
// the header texts, RecordPage records one page into the job's recorder.
// The job shows its pages in the preview, asks the user what to print and
// plays the chosen pages onto the printer with a progress window that can
// cancel.
//
// Units: layout values in 0.1 mm (page units of the recorder), device
// offsets in printer pixels. Failures of the print loops and dialogs are
// shown to the user (ShowError) and answered with false; construction
// failures raise.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "collections.h"
#include "recorder.h"

class tExtendedPrinter;
class TDlgPrint;

// Page numbers in insertion order (capacity 50, growth 5).
class tPages : public tItemCollection {
 public:
  tPages(int16_t limit = 50, int16_t delta = 5) : tItemCollection(limit, delta) {}
  void Clear() { FreeAll(); }
};
// Pages chosen with the print dialog's page list (capacity 10, growth 5).
class tRange : public tPages {
 public:
  tRange() : tPages(10, 5) {}
};

class tPrinting {
 public:
  // orientation: 0 leave the printer alone, 1 landscape, 2 portrait.
  // Raises EDevException (the texts of "no printer" at start-up) when the
  // application has no printer object; the report's command shows it like
  // any other failure of the printout.
  //
  // The constructor runs the construction steps up to the page list. A C++
  // constructor cannot reach the report's BuildPages, so every report ends
  // its own constructor with BuildWithTestPage():
  //
  //   tTableReport::tTableReport(...) : tPrinting(1, true) {
  //     ...fields BuildPages needs...
  //     BuildWithTestPage();
  //   }
  //
  // BuildWithTestPage starts from an empty page list, so a report derived
  // from another report may call it again in its own constructor: the last
  // call (the most derived BuildPages) wins. An exception from BuildPages
  // leaves the recorder idle and propagates out of the report's constructor.
  tPrinting(uint8_t orientation, bool useMargins);
  virtual ~tPrinting();
  tPrinting(const tPrinting&) = delete;
  tPrinting& operator=(const tPrinting&) = delete;

  // Virtual operations, in slot order.
  // The print loops: the pages in Copies copies each (not collated), in
  // ReverseOrder if set, with the progress window. True unless cancelled or
  // failed; an empty list prints nothing and answers false.
  virtual bool PrintPage(int32_t number);
  virtual bool PrintAll();
  virtual bool PrintRange();
  virtual void BuildPages() = 0;
  virtual void RecordPage(int32_t number) = 0;
  virtual void Rebuild();
  virtual bool Print(int32_t currentPage);
  virtual void Preview();

  int32_t PageCount() const { return PageNumbers.Count(); }
  void Cancel() { Cancelled = true; }
  int32_t MmToPrinterPixels(int32_t value) const;
  int32_t PageOffsetX() const;
  int32_t PageOffsetY() const;

  // Text in a box (0.1 mm), through the recorder's current font.
  void TextCentered(const tRect& rect, const QString& text);
  void TextLeft(const tRect& rect, int indent, const QString& text);
  void TextRight(const tRect& rect, int indent, const QString& text);
  static void SetRectBounds(tRect& rect, int left, int top, int width, int height);
  static void NextRowDown(tRect& rect, int height);
  static void NextRowUp(tRect& rect, int height);
  static void NextColumn(tRect& rect, int width);

  // Parses the print dialog's page list into RangeList; shows the messages
  // of a bad list and answers false.
  bool ParseRange(const QString& text);

  tRange RangeList;
  tPages PageNumbers;
  tMetaFileRecorder Recorder;
  tExtendedPrinter* Printer = nullptr;  // the application's; not owned
  QString JobTitle;
  QString HeaderTitle;
  QString ReportTitle;
  QString ReportInfo;
  QString FileName;
  // The name a PDF of this printout is offered under (pdfname.h); empty
  // takes JobTitle.
  QString DocumentName;
  QDateTime Creation;  // CreationDate and CreationTime
  uint8_t Orientation = 0;
  bool ReverseOrder = false;
  uint8_t Copies = 1;
  bool IsPrinting = false;
  bool Printed = false;
  bool WasLandscape = false;
  bool Cancelled = false;

 protected:
  void ApplyOrientation();
  // Empties the page list, then StartTestPage, BuildPages, EndTestPage.
  void BuildWithTestPage();
  // Forgets the page list (tPrintingEx: and the page objects).
  virtual void ClearPages();

 private:
  bool PrintList(const std::vector<int32_t>& pages, bool listLoop);
  // RecordPage for the recorder's OnNeedPage; a page that fails half-way is
  // closed and dropped, so the recorder stays usable.
  void RecordNeededPage(int32_t number);
};

class tPrintingEx;

// One page of a tPrintingEx: draws itself into the job's recorder while
// the page is open.
class tPrintingPage {
 public:
  tPrintingPage(tPrintingEx* job, int32_t number) : Job(job), Number(number) {}
  virtual ~tPrintingPage() = default;
  virtual void Draw() = 0;
  tPrintingEx* Job;
  int32_t Number;
};

class tPrintingEx : public tPrinting {
 public:
  tPrintingEx(uint8_t orientation, bool useMargins);
  ~tPrintingEx() override;
  void RecordPage(int32_t number) override;
  void Rebuild() override;
  // Page objects by number (ascending, no duplicates); owned. A page whose
  // number is already there is dropped (the first one stays).
  void AddPage(std::unique_ptr<tPrintingPage> page);
  tPrintingPage* FindPrintingPage(int32_t number) const;
  int PrintingPageCount() const { return static_cast<int>(fPrintingPages.size()); }

 protected:
  void ClearPages() override;

 private:
  std::vector<std::unique_ptr<tPrintingPage>> fPrintingPages;
};

// Splits text into lines no wider than maxWidth in the recorder's current
// font and appends them to lines.
void WrapText(tPrinting& job, const QString& text, int maxWidth, QStringList& lines);
