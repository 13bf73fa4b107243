#include "compareprinting.h"

#include <QColor>
#include <algorithm>

#include "edevexception.h"
#include "pageframe.h"
#include "pdfname.h"
#include "printer.h"

namespace {

const QString kLocation = QStringLiteral("tComparePrinting.BuildPages");
constexpr int32_t kGap = 40;          // below the page header
constexpr int32_t kMaxRow = 50;       // 5 mm
constexpr int32_t kMinRow = 25;       // 2.5 mm
constexpr int32_t kIndent = 15;
constexpr int32_t kHeadRows = 2;      // company, file
const QColor kBest(205, 240, 205);
const QColor kSection(230, 230, 230);

// The headings and rows as they are printed, in order.
struct tLine {
  const char* section;  // set for a heading line
  int row;              // the figure's row otherwise
};
std::vector<tLine> Lines() {
  std::vector<tLine> lines;
  const char* last = nullptr;
  const auto& rows = CompareRows();
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    if (!last || std::string(last) != rows[i].section) lines.push_back({rows[i].section, -1});
    last = rows[i].section;
    lines.push_back({nullptr, i});
  }
  return lines;
}

}  // namespace

tComparePrinting::tComparePrinting(std::vector<tCompareColumn> columns, const QString& reportInfo)
    : tPrinting(1, true), fColumns(std::move(columns)), fInfo(reportInfo) {
  BuildWithTestPage();
}

int32_t tComparePrinting::RowCount() const { return kHeadRows + static_cast<int32_t>(Lines().size()); }

int32_t tComparePrinting::RowHeight() const {
  const int32_t room = Printer->UsableHeight() - HeaderHeight() - kGap;
  return std::min<int32_t>(kMaxRow, room / RowCount());
}

void tComparePrinting::BuildPages() {
  PageNumbers.Clear();
  JobTitle = QStringLiteral("Vergleich der Berechnungen");
  HeaderTitle = QStringLiteral("Amortisationsrechnung");
  ReportTitle = QStringLiteral("Vergleich der Berechnungen");
  ReportInfo = fInfo;
  FileName.clear();
  DocumentName = PdfDocumentName(QStringLiteral("Vergleich der Berechnungen"), QString());
  const int n = static_cast<int>(fColumns.size());
  if (n < 2 || n > kMaxCompared)
    throw EDevException(QStringLiteral("Es lassen sich zwei bis vier Berechnungen vergleichen, nicht %1.").arg(n),
                        kLocation);
  if (RowHeight() < kMinRow)
    throw EDevException(QStringLiteral("Die bedruckbare Höhe der Seite reicht nicht für den Vergleich. Bitte "
                                       "verkleinern Sie den oberen oder unteren Rand in der Druckereinrichtung."),
                        kLocation);
  PageNumbers.Add(1);
}

void tComparePrinting::RecordPage(int32_t number) {
  Recorder.StartPage(number);
  DrawPageHeader(*this, number, -1);
  tMetaFileRecorder& rec = Recorder;
  const int32_t W = Printer->UsableWidth();
  const int32_t rowH = RowHeight();
  const int32_t top = HeaderHeight() + kGap;
  const int n = static_cast<int>(fColumns.size());
  // The captions take a third of the width, the calculations share the rest.
  const int32_t captionW = W / 3;
  const int32_t colW = (W - captionW) / n;
  const int32_t right = captionW + n * colW;

  tFont& font = rec.Font();
  font.Name = QStringLiteral("Arial");
  font.Color = Qt::black;
  font.Orientation = 0;
  const int textHeight = -std::max(15, rowH * 7 / 10);
  rec.SetTextAlign(TA_LEFT | TA_TOP);
  rec.SetBkColor(Qt::white);
  rec.Pen().Style = tPenStyle::Solid;
  rec.Pen().Color = Qt::black;
  rec.Pen().Width = 1;

  const auto fill = [&rec](int32_t x1, int32_t y1, int32_t x2, int32_t y2, const QColor& colour) {
    rec.Brush().Style = tBrushStyle::Solid;
    rec.Brush().Color = colour;
    rec.Pen().Style = tPenStyle::Clear;
    rec.Rectangle(x1, y1, x2 + 1, y2 + 1);
    rec.Pen().Style = tPenStyle::Solid;
    rec.Brush().Style = tBrushStyle::Clear;
  };
  // A text that would overflow its cell gets a smaller font.
  const auto text = [&](int32_t x, int32_t y, int32_t w, const QString& s, bool bold, bool alignRight) {
    font.Style = bold ? fsBold : 0;
    font.Height = textHeight;
    const int32_t room = w - 2 * kIndent;
    while (font.Height < -8 && rec.TextWidth(s) > room) ++font.Height;
    tRect cell;
    SetRectBounds(cell, x, y, w, rowH);
    rec.SetTextAlign((alignRight ? TA_RIGHT : TA_LEFT) | TA_TOP);
    if (alignRight)
      TextRight(cell, kIndent, s);
    else
      TextLeft(cell, kIndent, s);
    font.Style = 0;
  };

  int32_t y = top;
  // Company and file name, bold and centred over their columns.
  for (int head = 0; head < kHeadRows; ++head, y += rowH) {
    text(0, y, captionW, head == 0 ? QStringLiteral("Firma") : QStringLiteral("Datei"), true, false);
    for (int c = 0; c < n; ++c) {
      const std::string& s = head == 0 ? fColumns[c].company : fColumns[c].file;
      text(captionW + c * colW, y, colW, QString::fromStdString(s), head == 0, true);
    }
  }
  const int32_t bodyTop = y;
  rec.Pen().Width = 3;
  rec.MoveTo(0, bodyTop);
  rec.LineTo(right, bodyTop);
  rec.Pen().Width = 1;

  const auto& rows = CompareRows();
  for (const tLine& line : Lines()) {
    if (line.section) {
      fill(0, y, right, y + rowH, kSection);
      text(0, y, captionW, QString::fromUtf8(line.section), true, false);
    } else {
      const tCompareRowSpec& rowKind = rows[static_cast<size_t>(line.row)];
      std::vector<tCompareCell> cells;
      for (const tCompareColumn& column : fColumns) cells.push_back(column.cells[static_cast<size_t>(line.row)]);
      const std::vector<bool> best = BestCells(rowKind, cells);
      text(0, y, captionW, QString::fromUtf8(rowKind.caption), false, false);
      for (int c = 0; c < n; ++c) {
        if (best[static_cast<size_t>(c)]) fill(captionW + c * colW, y, captionW + (c + 1) * colW, y + rowH, kBest);
        text(captionW + c * colW, y, colW, QString::fromStdString(CompareCellText(rowKind, cells[static_cast<size_t>(c)])),
             best[static_cast<size_t>(c)], true);
      }
    }
    y += rowH;
    rec.MoveTo(0, y);
    rec.LineTo(right, y);
  }
  // The frame and the column lines.
  rec.Brush().Style = tBrushStyle::Clear;
  rec.Pen().Width = 3;
  rec.Rectangle(0, top, right, y);
  rec.MoveTo(captionW, top);
  rec.LineTo(captionW, y);
  rec.Pen().Width = 1;
  for (int c = 1; c < n; ++c) {
    rec.MoveTo(captionW + c * colW, top);
    rec.LineTo(captionW + c * colW, y);
  }
  Recorder.EndPage();
}
