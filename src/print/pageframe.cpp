#include "pageframe.h"

#include <QImage>
#include <QLocale>
#include <QStringList>

#include "appimages.h"
#include "edevexception.h"
#include "printhost.h"
#include "printer.h"
#include "printing.h"
#include "recorder.h"

namespace {

constexpr int kHeaderHeight = 250;
constexpr int kCellWidth = 260;  // logo cell and right cell
constexpr int kIndent = 10;

// The first separator of a locale's date or time format ("dd.MM.yy" gives
// ".", "M/d/yy" gives "/").
QChar FormatSeparator(const QString& format, QChar fallback) {
  bool quoted = false;
  for (const QChar c : format) {
    if (c == u'\'') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && !c.isLetter() && !c.isSpace()) return c;
  }
  return fallback;
}

void SetFont(tMetaFileRecorder& recorder, int height, uint8_t style) {
  tFont& font = recorder.Font();
  font.Height = height;
  font.Style = style;
}

bool IsSeparator(QChar c) { return c == u'/' || c == u'\\'; }

}  // namespace

int HeaderHeight() { return kHeaderHeight; }

QString HeaderDateTime(const QDateTime& when) {
  const QLocale locale;
  const QChar dateSep = FormatSeparator(locale.dateFormat(QLocale::ShortFormat), u'.');
  const QChar timeSep = FormatSeparator(locale.timeFormat(QLocale::ShortFormat), u':');
  const QDate d = when.date();
  const QTime t = when.time();
  const QString date = QStringLiteral("%1%2%3%4%5")
                           .arg(d.day(), 2, 10, QLatin1Char('0'))
                           .arg(dateSep)
                           .arg(d.month(), 2, 10, QLatin1Char('0'))
                           .arg(dateSep)
                           .arg(d.year(), 4, 10, QLatin1Char('0'));
  const QString time = QStringLiteral(" - %1%2%3")
                           .arg(t.hour(), 2, 10, QLatin1Char('0'))
                           .arg(timeSep)
                           .arg(t.minute(), 2, 10, QLatin1Char('0'));
  return (date + time).trimmed();
}

QString ShortenDirectory(const QString& directory, int maxWidth, const std::function<int(const QString&)>& widthOf) {
  if (widthOf(directory) <= maxWidth) return directory;

  QChar sep = u'/';
  for (const QChar c : directory)
    if (IsSeparator(c)) {
      sep = c;
      break;
    }
  // The root: leading separators, or a drive with its separator.
  qsizetype rootEnd = 0;
  if (directory.size() >= 2 && directory[1] == u':') rootEnd = 2;
  while (rootEnd < directory.size() && IsSeparator(directory[rootEnd])) ++rootEnd;
  const QString root = directory.left(rootEnd);
  const bool trailing = !directory.isEmpty() && IsSeparator(directory.back()) && directory.size() > rootEnd;
  QStringList parts;
  for (const QString& part : directory.mid(rootEnd).split(sep, Qt::SkipEmptyParts)) parts << part;
  if (parts.size() < 2) return directory;  // nothing to leave out

  const QString dots = QStringLiteral("...");
  auto withLast = [&](const QString& start, qsizetype kept) {
    return start + dots + sep + parts.mid(parts.size() - kept).join(sep) + (trailing ? QString(sep) : QString());
  };
  for (qsizetype kept = parts.size() - 1; kept >= 1; --kept) {
    const QString candidate = withLast(root, kept);
    if (widthOf(candidate) <= maxWidth) return candidate;
  }
  if (!root.isEmpty()) {
    const QString candidate = withLast(QString(), 1);
    if (widthOf(candidate) <= maxWidth) return candidate;
  }
  return withLast(root, 1);
}

QString ElideText(const QString& text, int maxWidth, const std::function<int(const QString&)>& widthOf) {
  if (widthOf(text) <= maxWidth) return text;
  const QString dots = QStringLiteral("\u2026");
  const auto cut = [&](qsizetype length) {
    // Never between the two halves of a character beyond the BMP.
    if (length > 0 && text[length - 1].isHighSurrogate()) --length;
    QString head = text.left(length);
    while (!head.isEmpty() && head.back().isSpace()) head.chop(1);
    return head + dots;
  };
  // The longest beginning that fits: its width grows with its length.
  qsizetype low = 0, high = text.size() - 1;
  while (low < high) {
    const qsizetype middle = (low + high + 1) / 2;
    if (widthOf(cut(middle)) <= maxWidth)
      low = middle;
    else
      high = middle - 1;
  }
  return cut(low);
}

void DrawMORLAKSymbol(tMetaFileRecorder* recorder, int x, int y) {
  if (!recorder) throw EDevException(QStringLiteral("Ungültiger Rekorder (DrawMORLAKSymbol)."));
  // Drawn once for the whole run, in the form the recorder keeps: every page
  // then holds the same picture, which a PDF embeds only once.
  static const QImage logo = AppImage(QStringLiteral("MORLAKLOGO")).convertToFormat(QImage::Format_RGB888);
  if (logo.isNull())
    throw EDevException(QStringLiteral("Die Ressource MORLAKLOGO wurde nicht gefunden."),
                        QStringLiteral("DrawMORLAKSymbol"));
  recorder->DrawBitmap(logo, true, x, y, 130, 130);
}

void DrawPageHeader(tPrinting& job, int32_t pageNumber, int width) {
  tMetaFileRecorder& rec = job.Recorder;
  const int W = width == -1 ? job.Printer->UsableWidth() : width;
  const tPrintHost* app = PrintHost();

  DrawMORLAKSymbol(&rec, 50, 60);

  rec.Brush() = tBrush{Qt::black, tBrushStyle::Clear};
  rec.Pen() = tPen{Qt::black, tPenStyle::Solid, 1};
  tFont& font = rec.Font();
  font.Color = Qt::black;
  font.Height = -40;
  font.Name = QStringLiteral("Arial");
  font.Style = 0;
  font.Orientation = 0;
  rec.SetTextAlign(TA_LEFT | TA_TOP);

  // Cells and the line between the upper and the lower rows.
  rec.Rectangle(0, 0, kCellWidth, kHeaderHeight);
  rec.Rectangle(kCellWidth, 0, W - kCellWidth, kHeaderHeight);
  rec.Rectangle(W - kCellWidth, 0, W, kHeaderHeight);
  rec.MoveTo(kCellWidth, 130);
  rec.LineTo(W, 130);

  const int middleLeft = kCellWidth;
  const int middleRight = W - kCellWidth;
  const tRect row1{middleLeft, 0, middleRight, 65};
  const tRect row2{middleLeft, 65, middleRight, 130};
  const tRect row3{middleLeft, 130, middleRight, 190};
  const tRect row4{middleLeft, 190, middleRight, 250};

  // Texts too long for their cells end in "…" 1 mm inside the cell.
  const int textRoom = middleRight - middleLeft - 2 * kIndent;
  const auto fit = [&rec, textRoom](const QString& text) {
    return ElideText(text, textRoom, [&rec](const QString& t) { return rec.TextWidth(t); });
  };
  job.TextCentered(row1, fit(job.HeaderTitle));

  job.TextLeft(row2, kIndent, app ? app->HeaderText1() : QString());
  rec.SetTextAlign(TA_RIGHT);
  job.TextRight(row2, kIndent, app ? app->HeaderText2() : QString());

  // The document file: its directory beside the report info, its name
  // beside the report title.
  QString directory;
  QString name = job.FileName;
  for (qsizetype i = job.FileName.size() - 1; i >= 0; --i)
    if (IsSeparator(job.FileName[i]) || (i == 1 && job.FileName[i] == u':')) {
      directory = job.FileName.left(i + 1);
      name = job.FileName.mid(i + 1);
      break;
    }

  SetFont(rec, -30, fsBold);
  rec.SetTextAlign(TA_LEFT);
  job.TextLeft(row3, kIndent, fit(job.ReportInfo));
  const int available = W - kCellWidth - kCellWidth - 40 - rec.TextWidth(job.ReportInfo);
  SetFont(rec, -30, 0);
  rec.SetTextAlign(TA_RIGHT);
  if (available > 0)
    directory = ShortenDirectory(directory, available, [&rec](const QString& text) { return rec.TextWidth(text); });
  job.TextRight(row3, kIndent, directory);

  SetFont(rec, -40, fsBold);
  rec.SetTextAlign(TA_LEFT);
  job.TextLeft(row4, kIndent, fit(job.ReportTitle));
  SetFont(rec, -30, 0);
  rec.SetTextAlign(TA_RIGHT);
  job.TextRight(row4, kIndent, name);

  const int right = W - kCellWidth;
  SetFont(rec, -25, 0);
  rec.SetTextAlign(TA_LEFT);
  job.TextCentered(tRect{right, 0, W, 43}, QStringLiteral("MORLAK GmbH"));
  SetFont(rec, -30, 0);
  job.TextCentered(tRect{right, 43, W, 86}, app ? app->GetTitle() : QString());
  SetFont(rec, -25, 0);
  job.TextCentered(tRect{right, 86, W, 129}, HeaderDateTime(job.Creation));
  SetFont(rec, -30, 0);
  job.TextCentered(tRect{right, 130, W, 250},
                   FormatIntegerArg(FormatIntegerArg(QStringLiteral("Seite %D / %D"), pageNumber), job.PageCount()));
}
