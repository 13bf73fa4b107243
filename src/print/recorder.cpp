#include "recorder.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "edevexception.h"
#include "pageunits.h"
#include "printer.h"

namespace {

const char* const kNoPage = "Fehler bei Zeichenoperation. Keine aktuelle Seite vorhanden.";
const char* const kBadCanvas = "Ungültige Zeichenfläche.";
const char* const kPageStarted = "Es wurde bereits eine Seite angefangen.";

}  // namespace

// ------------------------------------------------------------------- tPage

tPage::tPage(tMetaFileRecorder* recorder, int32_t number) : fRecorder(recorder), fNumber(number) {
  if (!recorder) throw EDevException("Ungültiger Rekorder.", "tPage.Create");
  if (number < 0) throw EDevException::Fmt("Seitennummer %D ist ungültig.", number, "tPage.Create");
}

double tPage::UnitsPerMm() const { return ::UnitsPerMm(fMapMode, fRefDpi); }

// ------------------------------------------------------------ the recorder

tMetaFileRecorder::tMetaFileRecorder() = default;
tMetaFileRecorder::~tMetaFileRecorder() = default;

tPage* tMetaFileRecorder::FindPage(int32_t number) const {
  const auto it = std::lower_bound(fPages.begin(), fPages.end(), number,
                                   [](const std::unique_ptr<tPage>& p, int32_t n) { return p->Number() < n; });
  return (it != fPages.end() && (*it)->Number() == number) ? it->get() : nullptr;
}

std::vector<int32_t> tMetaFileRecorder::HeldPages() const {
  std::vector<int32_t> numbers;
  for (const auto& p : fPages) numbers.push_back(p->Number());
  return numbers;
}

tPage* tMetaFileRecorder::AddPage(int32_t number) {
  auto page = std::make_unique<tPage>(this, number);  // may raise: nothing changed yet
  if (static_cast<int32_t>(fPages.size()) >= MaxPages && !fPages.empty()) {
    if (fActive == fPages.front().get()) fActive = nullptr;
    fPages.erase(fPages.begin());
  }
  const auto it = std::lower_bound(fPages.begin(), fPages.end(), number,
                                   [](const std::unique_ptr<tPage>& p, int32_t n) { return p->Number() < n; });
  return fPages.insert(it, std::move(page))->get();
}

// The test page survives, and stays active if it was: measuring goes on.
void tMetaFileRecorder::Clear() {
  if (fActive != fTestPage.get()) fActive = nullptr;
  fPages.clear();
}

void tMetaFileRecorder::BeginRecording(tPage& page) {
  page.fCommands.clear();
  page.fCanvas = tPage::Canvas();
  page.fMapMode = MapMode;
  double dpi = 96;
  QSizeF mm;  // printable size of the reference device in millimetres
  if (SizeMode == 2 && Printer) {
    dpi = Printer->PixelsPerInchX();
    mm = QSizeF(Printer->PrintableWidth() / 10.0, Printer->PrintableHeight() / 10.0);
  } else {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
      dpi = screen->logicalDotsPerInchX();
      mm = QSizeF(screen->geometry().width() * 25.4 / dpi, screen->geometry().height() * 25.4 / dpi);
    } else {
      mm = QSizeF(210, 297);
    }
  }
  if (dpi <= 0) dpi = 96;
  page.fRefDpi = dpi;
  if (SizeMode == 0)
    page.fFrame = QSize(static_cast<int>(std::lround(Width * 2540.0 / dpi)), static_cast<int>(std::lround(Height * 2540.0 / dpi)));
  else if (SizeMode == 1)
    page.fFrame = QSize(Width, Height);
  else  // whole millimetres, as 0.01 mm
    page.fFrame = QSize(static_cast<int>(std::floor(mm.width())) * 100, static_cast<int>(std::floor(mm.height())) * 100);
  page.fRecording = true;
}

void tMetaFileRecorder::EndRecording(tPage& page) { page.fRecording = false; }

void tMetaFileRecorder::StartPage(int32_t number) {
  if (fActive && fActive != fTestPage.get())
    throw EDevException(kPageStarted, "tMetaFileRecorder.StartPage");
  tPage* page = FindPage(number);
  if (!page) page = AddPage(number);
  if (!page) throw EDevException::Fmt("Seite %D kann nicht aufgezeichnet werden.", number, "tMetaFileRecorder.StartPage");
  fActive = page;
  BeginRecording(*page);
  if (OnStartPage) OnStartPage(number);
}

void tMetaFileRecorder::EndPage() {
  if (!fActive || fActive == fTestPage.get()) throw EDevException("Keine Seite angefangen.", "tMetaFileRecorder.EndPage");
  tPage* page = fActive;
  EndRecording(*page);
  fActive = nullptr;
  if (OnEndPage) OnEndPage(page->Number());
}

void tMetaFileRecorder::StartTestPage() {
  if (fActive && fActive != fTestPage.get())
    throw EDevException(kPageStarted, "tMetaFileRecorder.StartTestPage");
  ++fTestPageCount;
  if (!fTestPage) {
    fTestPage = std::make_unique<tPage>(this, 0);
    fActive = fTestPage.get();
    BeginRecording(*fTestPage);
  }
}

void tMetaFileRecorder::EndTestPage() {
  if (!fTestPage) return;
  --fTestPageCount;
  if (fTestPageCount > 0) return;
  if (fActive == fTestPage.get()) fActive = nullptr;
  EndRecording(*fTestPage);
  fTestPage.reset();
}

tPage& tMetaFileRecorder::CheckActivePage() {
  if (!fActive) throw EDevException(kNoPage, "tMetaFileRecorder.CheckActivePage");
  if (!fActive->fRecording) throw EDevException(kBadCanvas, "tPage.GetCanvas.");
  return *fActive;
}

tPage& tMetaFileRecorder::PageToDraw(int32_t number, const char* location) {
  tPage* page = FindPage(number);
  if (!page && OnNeedPage) {
    OnNeedPage(number);
    page = FindPage(number);
  }
  if (!page) throw EDevException::Fmt("Seite %D wurde nicht aufgezeichnet.", number, location);
  return *page;
}

void tMetaFileRecorder::DrawPage(QPainter* canvas, int32_t number, int x, int y) {
  if (!canvas) throw EDevException(kBadCanvas, "tMetaFileRecorder.DrawPage");
  const tPage& page = PageToDraw(number, "tMetaFileRecorder.DrawPage");
  const QPaintDevice* device = canvas->device();
  const double dpiX = device ? device->logicalDpiX() : page.fRefDpi;
  const double dpiY = device ? device->logicalDpiY() : page.fRefDpi;
  page.Play(*canvas, QRectF(x, y, page.fFrame.width() / 2540.0 * dpiX, page.fFrame.height() / 2540.0 * dpiY));
}

void tMetaFileRecorder::StretchDrawPage(QPainter* canvas, int32_t number, const QRectF& rect) {
  if (!canvas) throw EDevException(kBadCanvas, "tMetaFileRecorder.StretchDrawPage");
  const tPage& page = PageToDraw(number, "tMetaFileRecorder.StretchDrawPage");
  page.Play(*canvas, rect);
}

// ----------------------------------------------------------- drawing state

tPen& tMetaFileRecorder::Pen() { return State().Pen; }
tBrush& tMetaFileRecorder::Brush() { return State().Brush; }
tFont& tMetaFileRecorder::Font() { return State().Font; }

void tMetaFileRecorder::SetBkColor(const QColor& color) {
  tPage::Canvas& c = State();
  c.BkColor = color;
  c.BkColorSet = true;
  c.BrushColorAtBk = c.Brush.Color;
}

uint16_t tMetaFileRecorder::GetTextAlign() { return State().TextAlign; }
void tMetaFileRecorder::SetTextAlign(uint16_t flags) { State().TextAlign = flags; }

int tMetaFileRecorder::TransformY(int y) const {
  return (fActive && YPointsUp(fActive->fMapMode)) ? -y : y;
}

// -------------------------------------------------------- drawing operations

void tMetaFileRecorder::MoveTo(int x, int y) {
  State().Pos = QPoint(x, TransformY(y));
}

void tMetaFileRecorder::LineTo(int x, int y) {
  tPage& page = CheckActivePage();
  const QPoint to(x, TransformY(y));
  page.fCommands.push_back(tLineCmd{page.fCanvas.Pos, to, page.fCanvas.Pen});
  page.fCanvas.Pos = to;
}

void tMetaFileRecorder::Polyline(const QPolygon& points) {
  tPage& page = CheckActivePage();
  QPolygon transformed;
  for (const QPoint& p : points) transformed << QPoint(p.x(), TransformY(p.y()));
  page.fCommands.push_back(tPolylineCmd{transformed, page.fCanvas.Pen});
}

void tMetaFileRecorder::Rectangle(int x1, int y1, int x2, int y2) {
  tPage& page = CheckActivePage();
  page.fCommands.push_back(tRectCmd{tRect{x1, TransformY(y1), x2, TransformY(y2)}, page.fCanvas.Pen, page.fCanvas.Brush});
}

QFont tMetaFileRecorder::ToQFont(const tFont& font) {
  QFont f(font.Name);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferQuality));
  f.setKerning(false);
  f.setBold(font.Style & fsBold);
  f.setItalic(font.Style & fsItalic);
  f.setUnderline(font.Style & fsUnderline);
  f.setStrikeOut(font.Style & fsStrikeOut);
  int pixels = 35;
  if (font.Height < 0) {
    pixels = -font.Height;
  } else if (font.Height > 0) {
    // A positive height is the cell height (ascent + descent).
    QFont probe = f;
    probe.setPixelSize(1000);
    const QFontMetricsF fm(probe);
    const double cell = fm.ascent() + fm.descent();
    pixels = cell > 0 ? static_cast<int>(std::lround(font.Height * 1000.0 / cell)) : font.Height;
  }
  f.setPixelSize(std::max(1, pixels));
  return f;
}

namespace {

// Laid-out texts by text, font and tab stops. A table page writes the same
// figures and column heads over and over, and shaping each one again was
// most of what recording a page cost. Bounded; emptied when the
// application object goes (the glyph runs hold its fonts). The recorder is
// used from the GUI thread only.
struct tLayoutKey {
  QString Text, Face;
  int Height, Style, Orientation;
  double TabStop;
  bool operator==(const tLayoutKey&) const = default;
};
struct tLayoutKeyHash {
  size_t operator()(const tLayoutKey& k) const {
    return qHashMulti(0, k.Text, k.Face, k.Height, k.Style, k.Orientation, k.TabStop);
  }
};
struct tLayout {
  QList<QGlyphRun> Runs;
  double Width, Ascent, Descent;
};
constexpr size_t kMaxLayouts = 4096;

std::unordered_map<tLayoutKey, tLayout, tLayoutKeyHash>& Layouts() {
  static std::unordered_map<tLayoutKey, tLayout, tLayoutKeyHash> layouts;
  static const bool cleared = [] {
    qAddPostRoutine([] { Layouts().clear(); });
    return true;
  }();
  (void)cleared;
  return layouts;
}

}  // namespace

void tMetaFileRecorder::LayoutText(tTextCmd& cmd, double tabStop) {
  auto& layouts = Layouts();
  const tLayoutKey key{cmd.Text, cmd.Font.Name, cmd.Font.Height, cmd.Font.Style, cmd.Font.Orientation, tabStop};
  if (const auto it = layouts.find(key); it != layouts.end()) {
    cmd.Runs = it->second.Runs;
    cmd.Width = it->second.Width;
    cmd.Ascent = it->second.Ascent;
    cmd.Descent = it->second.Descent;
    return;
  }
  const QFont font = ToQFont(cmd.Font);
  QTextLayout layout(cmd.Text, font);
  layout.setCacheEnabled(false);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  if (tabStop > 0) option.setTabStopDistance(tabStop);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) {
    line.setLineWidth(1e7);
    line.setPosition(QPointF(0, 0));
  }
  layout.endLayout();
  const QFontMetricsF fm(font);
  cmd.Ascent = fm.ascent();
  cmd.Descent = fm.descent();
  cmd.Width = line.isValid() ? line.horizontalAdvance() : 0;
  cmd.Runs = layout.glyphRuns();
  // Glyph positions relative to the start of the baseline.
  const double lineAscent = line.isValid() ? line.ascent() : cmd.Ascent;
  for (QGlyphRun& run : cmd.Runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p.ry() -= lineAscent;
    run.setPositions(positions);
  }
  if (layouts.size() >= kMaxLayouts) layouts.clear();
  layouts.emplace(key, tLayout{cmd.Runs, cmd.Width, cmd.Ascent, cmd.Descent});
}

void tMetaFileRecorder::AddText(int x, int y, const QString& text, const tRect* clip, uint16_t align, double tabStop) {
  tPage& page = CheckActivePage();
  const tPage::Canvas& c = page.fCanvas;
  tTextCmd cmd;
  cmd.Ref = QPoint(x, TransformY(y));
  cmd.Text = text;
  cmd.Font = c.Font;
  cmd.Align = align;
  if (clip) {
    cmd.Clipped = true;
    cmd.Clip = tRect{clip->Left, TransformY(clip->Top), clip->Right, TransformY(clip->Bottom)};
  }
  cmd.Opaque = c.Brush.Style == tBrushStyle::Solid;
  cmd.BkColor = (c.BkColorSet && c.BrushColorAtBk == c.Brush.Color) ? c.BkColor : c.Brush.Color;
  LayoutText(cmd, tabStop);
  page.fCommands.push_back(std::move(cmd));
}

void tMetaFileRecorder::TextOut(int x, int y, const QString& text) { AddText(x, y, text, nullptr, State().TextAlign); }

void tMetaFileRecorder::TextRect(const tRect& clip, int x, int y, const QString& text) {
  AddText(x, y, text, &clip, State().TextAlign);
}

int32_t tMetaFileRecorder::TextWidth(const QString& text) {
  tTextCmd cmd;
  cmd.Text = text;
  cmd.Font = State().Font;
  LayoutText(cmd);
  return static_cast<int32_t>(std::lround(cmd.Width));
}

int32_t tMetaFileRecorder::TextHeight(const QString& text) {
  const QFontMetricsF fm(ToQFont(State().Font));
  (void)text;
  return static_cast<int32_t>(std::lround(fm.ascent() + fm.descent()));
}

int32_t tMetaFileRecorder::TextAscent() {
  return static_cast<int32_t>(std::lround(QFontMetricsF(ToQFont(State().Font)).ascent()));
}

int tMetaFileRecorder::DrawText(const QString& text, const tRect& rect, uint32_t format) {
  tPage& page = CheckActivePage();
  const QFont font = ToQFont(page.fCanvas.Font);
  const QFontMetricsF fm(font);
  const double tabStop = (format & DT_EXPANDTABS) ? 8 * fm.averageCharWidth() : 0;
  auto width = [&](const QString& s) {
    tTextCmd probe;
    probe.Text = s;
    probe.Font = page.fCanvas.Font;
    LayoutText(probe, tabStop);
    return probe.Width;
  };
  // Break the text into lines: at line breaks (unless single-line) and, with
  // word breaks, before a word that would cross the right edge.
  QStringList lines;
  QString normalized = text;
  normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  const QStringList paragraphs =
      (format & DT_SINGLELINE) ? QStringList{QString(normalized).replace(QLatin1Char('\n'), QLatin1Char(' '))}
                               : normalized.split(QLatin1Char('\n'));
  const double maxWidth = std::abs(rect.Width());
  for (const QString& paragraph : paragraphs) {
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
      lines << paragraph;
      continue;
    }
    QString current;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
      if (!current.isEmpty() && width(candidate) > maxWidth) {
        lines << current;
        current = word;
      } else {
        current = candidate;
      }
    }
    lines << current;
  }
  const int lineHeight = static_cast<int>(std::lround(fm.ascent() + fm.descent()));
  int y = rect.Top;
  if (format & DT_SINGLELINE) {
    if (format & DT_BOTTOM)
      y = rect.Bottom - lineHeight;
    else if (format & DT_VCENTER)
      y = rect.Top + (rect.Height() - lineHeight) / 2;
  }
  uint16_t align = TA_TOP | TA_LEFT;
  int x = rect.Left;
  if (format & DT_CENTER) {
    align = TA_TOP | TA_CENTER;
    x = rect.Left + rect.Width() / 2;
  } else if (format & DT_RIGHT) {
    align = TA_TOP | TA_RIGHT;
    x = rect.Right;
  }
  for (const QString& line : lines) {
    AddText(x, y, line, (format & DT_NOCLIP) ? nullptr : &rect, align, tabStop);
    y += lineHeight;
  }
  return static_cast<int>(text.size());
}

void tMetaFileRecorder::DrawBitmap(const QImage& bitmap, bool keepAspect, int x, int y, int width, int height) {
  tPage& page = CheckActivePage();
  if (bitmap.isNull()) return;
  const int bw = bitmap.width();
  const int bh = bitmap.height();
  if (width < 1 || height < 1) {
    width = bw;
    height = bh;
  }
  if (keepAspect && bw > 0 && bh > 0) {
    if (static_cast<double>(height) / bh >= static_cast<double>(width) / bw) {
      const int newHeight = static_cast<int>(static_cast<int64_t>(bh) * width / bw);
      y += (height - newHeight) / 2;
      height = newHeight;
    } else {
      const int newWidth = static_cast<int>(static_cast<int64_t>(bw) * height / bh);
      x += (width - newWidth) / 2;
      width = newWidth;
    }
  }
  const int ty = TransformY(y);
  const int th = YPointsUp(page.fMapMode) ? -height : height;
  page.fCommands.push_back(tBitmapCmd{bitmap.convertToFormat(QImage::Format_RGB888), tRect{x, ty, x + width, ty + th}});
}

void tMetaFileRecorder::DrawBitmapRect(const QImage& bitmap, bool keepAspect, const tRect& rect) {
  DrawBitmap(bitmap, keepAspect, rect.Left, rect.Top, std::abs(rect.Right - rect.Left), std::abs(rect.Bottom - rect.Top));
}
