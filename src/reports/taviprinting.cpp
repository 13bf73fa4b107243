#include "taviprinting.h"

#include <QColor>
#include <algorithm>

#include "edevexception.h"
#include "numfmt.h"
#include "pageframe.h"
#include "pdfname.h"
#include "printer.h"
#include "tablelayout.h"
#include "tavidaten.h"

namespace {

const QString kLocation = QStringLiteral("tTaviPrinting.BuildPages");

// Whole euros in six places, a larger figure in full.
QString Number(float value) { return QString::fromStdString(FormatRealInFull(value, 6, 0)); }

// The colour of a saving that is 0 or more; a negative one stays black.
QColor SavingColour(tSavingPair pair) {
  switch (pair) {
    case tSavingPair::ManualTimeStudy: return QColor(0, 128, 0);         // green
    case tSavingPair::ManualPlannedTime: return QColor(0, 0, 255);       // blue
    case tSavingPair::TimeStudyPlannedTime: return QColor(128, 0, 128);  // purple
  }
  return Qt::black;
}

}  // namespace

tTaviPrinting::tTaviPrinting(int32_t months, const tTaviDaten& daten, const tPaybackCalc& calc)
    : tTaviPrinting(months, 2, daten, calc, tDeferBuild{}) {
  BuildWithTestPage();
}

tTaviPrinting::tTaviPrinting(int32_t months, uint8_t orientation, const tTaviDaten& daten, const tPaybackCalc& calc,
                             tDeferBuild)
    : tPrinting(orientation, true), MonthCount(months), fDaten(daten), fCalc(calc), fSeries(calc) {}

int32_t tTaviPrinting::PageWidth() const { return Printer->UsableWidth(); }
int32_t tTaviPrinting::PageHeight() const { return Printer->UsableHeight(); }
int32_t tTaviPrinting::RowsPerPage() const { return table::RowsPerPage(PageHeight()); }

int32_t tTaviPrinting::FirstMonthOfPage(int32_t page) const {
  return Saturate32(table::FirstMonthOfPage(page, RowsPerPage()));
}

void tTaviPrinting::SetHeaderTexts(const QString& reportTitle) {
  JobTitle = QStringLiteral("Amortisationsrechnung");
  HeaderTitle = QString::fromStdString(fDaten.GetFirmenname());
  ReportTitle = reportTitle;
  ReportInfo = QStringLiteral("Bearbeitet von ") + QString::fromStdString(fDaten.GetAnwendername());
  FileName.clear();
}

void tTaviPrinting::BuildPages() {
  PageNumbers.Clear();
  SetHeaderTexts(QStringLiteral("Tabellarischer Kostenverlauf"));
  DocumentName = PdfDocumentName(QStringLiteral("Amortisations-Tabelle"), HeaderTitle);
  SetReportFont();
  if (MonthCount < 0)
    throw EDevException(QStringLiteral("Die Anzahl der Monate darf nicht negativ sein."), kLocation);
  const int32_t rows = RowsPerPage();
  if (rows < 1)
    throw EDevException(QStringLiteral("Die bedruckbare Höhe der Seite reicht für keine Tabellenzeile. Bitte "
                                       "verkleinern Sie den oberen oder unteren Rand in der Druckereinrichtung."),
                        kLocation);
  const int64_t pages = table::PageCount(MonthCount, rows);
  if (pages > table::kMaxPages)
    throw EDevException(QStringLiteral("Die Tabelle hätte %1 Seiten; ein Ausdruck kann höchstens %2 Seiten umfassen. "
                                       "Bitte wählen Sie weniger Jahre.")
                            .arg(pages)
                            .arg(table::kMaxPages),
                        kLocation);
  for (int32_t page = 1; page <= pages; ++page) PageNumbers.Add(page);
}

void tTaviPrinting::RecordPage(int32_t number) {
  Recorder.StartPage(number);
  DrawPageHead(number);
  DrawTableFrame();
  DrawPageBody(number);
  Recorder.EndPage();
}

void tTaviPrinting::SetReportFont() {
  tFont& font = Recorder.Font();
  font.Color = Qt::black;
  font.Name = QStringLiteral("Arial");
  font.Style = 0;
  font.Height = -35;
  font.Orientation = 0;
  Recorder.SetTextAlign(TA_LEFT | TA_TOP);
  tPen& pen = Recorder.Pen();
  pen.Style = tPenStyle::Solid;
  pen.Color = Qt::black;
  Recorder.SetBkColor(Qt::white);
}

void tTaviPrinting::DrawTableFrame() {
  SetReportFont();
  Recorder.Brush().Style = tBrushStyle::Clear;
  Recorder.Rectangle(0, table::kHeadTop, PageWidth(), PageHeight());
}

void tTaviPrinting::DrawPageHead(int32_t page) {
  using namespace table;
  const int32_t W = PageWidth();
  const int32_t H = PageHeight();
  tMetaFileRecorder& rec = Recorder;
  const auto line = [&rec](int x1, int y1, int x2, int y2) {
    rec.MoveTo(x1, y1);
    rec.LineTo(x2, y2);
  };

  DrawPageHeader(*this, page, -1);
  SetReportFont();
  rec.Pen().Width = kThickPen;

  SetRectBounds(Cell, 0, kHeadRow2, kMonthWidth, kHeadRow3 - kHeadRow2);
  TextLeft(Cell, kIndent, QStringLiteral("Monat"));
  line(kMonthWidth, kHeadTop, kMonthWidth, H);

  const QString groups[] = {QStringLiteral("1. Manuell"), QStringLiteral(" 2. Zeitstudiensystem"),
                            QStringLiteral("3. Planzeitsystem")};
  SetRectBounds(Cell, kMonthWidth, kHeadTop, 0, kHeadRow2 - kHeadTop);
  for (const QString& group : groups) {
    NextColumn(Cell, kGroupWidth);
    TextCentered(Cell, group);
    line(Cell.Right, kHeadTop, Cell.Right, H);
  }

  rec.Pen().Width = kThinPen;
  line(kMonthWidth, kHeadRow2, W, kHeadRow2);

  // Column heads, two lines each; a thin line at the right edge of each
  // column that no group line closes, and none after the last column.
  struct tHead {
    QString first, second;
    bool lineAfter;
  };
  const QString cost1 = QStringLiteral("Kosten"), cost2 = QStringLiteral("pro Monat");
  const QString sum1 = QStringLiteral("Kosten-"), sum2 = QStringLiteral("summen");
  const QString save1 = QStringLiteral("Kostener-");
  const tHead heads[] = {{cost1, cost2, true},
                         {sum1, sum2, false},
                         {cost1, cost2, true},
                         {sum1, sum2, false},
                         {cost1, cost2, true},
                         {sum1, sum2, false},
                         {save1, QStringLiteral("sparnis 1-2"), true},
                         {save1, QStringLiteral("sparnis 1-3"), true},
                         {save1, QStringLiteral("sparnis 2-3"), false}};
  const auto columns = Columns(W);
  for (int i = 0; i < 9; ++i) {
    const tColumn& column = columns[i + 1];
    SetRectBounds(Cell, column.Left, kHeadRow2, column.Right - column.Left, kHeadRow3 - kHeadRow2);
    TextLeft(Cell, kIndent, heads[i].first);
    NextRowDown(Cell, kBodyTop - kHeadRow3);
    TextLeft(Cell, kIndent, heads[i].second);
    if (heads[i].lineAfter) line(column.Right, kHeadRow2, column.Right, H);
  }

  rec.Pen().Width = kThickPen;
  line(0, kBodyTop, W, kBodyTop);
}

void tTaviPrinting::NumberRight(const QString& text) {
  // A number wider than the cell between its indents is written smaller,
  // just small enough; every other keeps the report font.
  tFont& font = Recorder.Font();
  const int height = font.Height;
  const int32_t room = Cell.Right - Cell.Left - 2 * table::kIndent;
  const int32_t width = Recorder.TextWidth(text);
  if (height < 0 && room > 0 && width > room) {
    // From the proportional size to the largest that fits.
    font.Height = std::min(-1, static_cast<int>(int64_t{height} * room / width));
    const auto fitsWith = [&](int h) {
      font.Height = h;
      return Recorder.TextWidth(text) <= room;
    };
    int h = font.Height;
    while (h > height + 1 && fitsWith(h - 1)) --h;
    while (h < -1 && !fitsWith(h)) ++h;
    font.Height = h;
  }
  TextRight(Cell, table::kIndent, text);
  font.Height = height;
}

void tTaviPrinting::DrawPageBody(int32_t page) {
  using namespace table;
  const int32_t W = PageWidth();
  const int32_t H = PageHeight();
  tMetaFileRecorder& rec = Recorder;

  SetReportFont();
  rec.Pen().Width = kThinPen;
  rec.SetTextAlign(TA_RIGHT | TA_TOP);

  const int32_t rows = RowsPerPage();
  if (rows < 1) return;
  const auto columns = Columns(W);
  const tSeries series[] = {tSeries::Manual, tSeries::TimeStudy, tSeries::PlannedTime};
  const tSavingPair pairs[] = {tSavingPair::ManualTimeStudy, tSavingPair::ManualPlannedTime,
                               tSavingPair::TimeStudyPlannedTime};

  const int64_t first = table::FirstMonthOfPage(page, rows);
  int32_t top = kBodyTop;
  for (int64_t m64 = first; m64 < first + rows && m64 <= MonthCount; ++m64, top += kRowHeight) {
    const auto m = static_cast<int32_t>(m64);
    SetRectBounds(Cell, 0, top, kMonthWidth, kRowHeight);
    NumberRight(QString::number(m));
    for (const tSeries k : series) {
      NextColumn(Cell, kCostWidth);
      NumberRight(Number(CostInMonth(k, m)));
      NextColumn(Cell, kCostWidth);
      NumberRight(Number(CumulatedCost(k, m)));
    }
    for (int i = 0; i < 3; ++i) {
      const tColumn& column = columns[7 + i];
      SetRectBounds(Cell, column.Left, top, column.Right - column.Left, kRowHeight);
      const float saving = Saving(pairs[i], m);
      // NaN (a saturated computation) is no saving: black asterisks.
      if (saving >= 0) rec.Font().Color = SavingColour(pairs[i]);
      NumberRight(Number(saving));
      rec.Font().Color = Qt::black;
    }
    if (RowLineBelow(H, top + kRowHeight)) {
      rec.MoveTo(0, top + kRowHeight);
      rec.LineTo(W, top + kRowHeight);
    }
  }
}
