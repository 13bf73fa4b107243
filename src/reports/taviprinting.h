// The month table "Tabellarischer Kostenverlauf": month by month the cost
// per month and the cumulative cost of manual time studies, of the
// time-study system and of the time-study plus planned-time system, and the
// three cumulative savings 1-2, 1-3 and 2-3. Months 0 (the investments) to
// MonthCount, RowsPerPage() per portrait page, below the page header.
//
// The report reads the record (company and user name for the header) and
// the payback computation through the references it is given; both belong
// to the caller and must outlive the report. The computation is not
// recalculated here: the caller makes it current before the report is
// built, and it must not change while the report is shown (a page may be
// recorded again at any time, and must come out the same).
//
// tTaviPrinting is also the base of the graph report, which shares its
// report font, its cost series, its frame and its RecordPage.
//
// Units: page units of 0.1 mm (see tablelayout.h), money in euros. Every
// figure is printed in full: a number of more than six places, or a month
// wider than its column, is written in a smaller font where its cell is
// too narrow for it; asterisks mean a figure that has no value.
// Errors: the constructor raises EDevException with a German message for a
// negative month count, a page too low for one row and a table of more
// pages than a print job holds; nothing is left half-built then. Drawing
// errors of the recorder pass through RecordPage.
#pragma once

#include <cstdint>

#include "costseries.h"
#include "printing.h"

class tPaybackCalc;
class tTaviDaten;

class tTaviPrinting : public tPrinting {
 public:
  // The table of months 0 to `months` (years × 12): portrait, with the
  // printer margins.
  tTaviPrinting(int32_t months, const tTaviDaten& daten, const tPaybackCalc& calc);

  // The hooks of the print job.
  void BuildPages() override;
  void RecordPage(int32_t number) override;
  // The parts of one page, in this order.
  virtual void DrawPageHead(int32_t page);
  virtual void DrawPageBody(int32_t page);
  // The heads (as in the CSV file) and every month's row as printed.
  bool HasClipboardTable() const override { return true; }
  tClipboardTable ClipboardTable() const override;

  // Font, alignment, pen and background the table and the graph start
  // from: Arial 3.5 mm black, left/top, solid black pen, white background.
  void SetReportFont();
  // The outer frame from below the header to the bottom right of the page.
  void DrawTableFrame();
  // A number right-aligned in Cell with the table's indent; one too wide
  // for the cell in the report font gets a font just small enough.
  void NumberRight(const QString& text);

  int32_t RowsPerPage() const;
  int32_t FirstMonthOfPage(int32_t page) const;
  // The usable width and height of the page (W and H).
  virtual int32_t PageWidth() const;
  virtual int32_t PageHeight() const;

  // The cost series (see costseries.h).
  float CumulatedCost(tSeries k, int32_t m) const { return fSeries.CumulatedCost(k, m); }
  float CostInMonth(tSeries k, int32_t m) const { return fSeries.CostInMonth(k, m); }
  float Saving(tSavingPair p, int32_t m) const { return fSeries.Saving(p, m); }
  const tCostSeries& Series() const { return fSeries; }

  int32_t MonthCount = 0;  // last month printed
  tRect Cell;              // the cell being written

 protected:
  struct tDeferBuild {};
  // For the graph report: its own orientation, and its own BuildPages run
  // from its constructor.
  tTaviPrinting(int32_t months, uint8_t orientation, const tTaviDaten& daten, const tPaybackCalc& calc, tDeferBuild);

  // The header texts both reports print.
  void SetHeaderTexts(const QString& reportTitle);

  const tTaviDaten& fDaten;
  const tPaybackCalc& fCalc;
  tCostSeries fSeries;
};
