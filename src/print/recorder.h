// The page recorder: every printout is drawn once into recorded pages and
// played back onto the printer at natural size or stretched into the
// preview. A recorded page is a display list of drawing commands; callers
// draw in page coordinates of 0.1 mm (MapMode 2), x to the right, y down,
// origin at the top-left corner of the printable area.
//
// As on a metric drawing surface, the recorder negates y coordinates and
// heights before they reach the page whenever the page's mapping mode is
// one of 2 to 6 (metric and imperial modes, whose device y axis points up);
// the recorded commands hold those surface coordinates.
//
// Text is laid out and measured with the same font object (pixel size in
// page units, hinting off): a text measured W wide plays back W wide on
// paper, in the preview and in PDF alike.
//
// The recorder keeps at most MaxPages recorded pages; a page that is drawn
// but no longer held is recorded again through OnNeedPage. Every failure
// raises EDevException with a location; a failing call changes nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

class QPainter;
class tExtendedPrinter;
class tMetaFileRecorder;

// Text alignment flags of the drawing surface.
enum : uint16_t {
  TA_LEFT = 0,
  TA_RIGHT = 2,
  TA_CENTER = 6,
  TA_TOP = 0,
  TA_BOTTOM = 8,
  TA_BASELINE = 24,
};

// Format flags of DrawText.
enum : uint32_t {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
};

// A rectangle given by its edges, as the drawing operations take it
// (width = Right - Left; the edges may come in any order).
struct tRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const tRect&) const = default;
};

enum class tPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class tBrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };
enum tFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Pen, brush and font as callers set them; they stay in force for the rest
// of the page. Widths and heights are in page units (0.1 mm).
struct tPen {
  QColor Color = Qt::black;
  tPenStyle Style = tPenStyle::Solid;
  int Width = 1;  // 0: one device pixel
  bool operator==(const tPen&) const = default;
};
struct tBrush {
  QColor Color = Qt::white;
  tBrushStyle Style = tBrushStyle::Solid;
  bool operator==(const tBrush&) const = default;
};
struct tFont {
  QString Name = QStringLiteral("Arial");
  int Height = -35;  // negative: character height; positive: cell height
  uint8_t Style = 0; // tFontStyle flags
  QColor Color = Qt::black;
  int Orientation = 0;  // tenths of a degree, counter-clockwise
  bool operator==(const tFont&) const = default;
};

// One recorded drawing command, in surface coordinates of its page.
struct tLineCmd {
  QPoint From, To;
  tPen Pen;
};
struct tPolylineCmd {
  QPolygon Points;
  tPen Pen;
};
struct tRectCmd {
  tRect Corners;  // as given (not normalised)
  tPen Pen;
  tBrush Brush;
};
struct tTextCmd {
  QPoint Ref;                 // reference point
  QString Text;
  tFont Font;
  uint16_t Align = 0;         // TA_* flags
  bool Clipped = false;
  tRect Clip;                 // surface coordinates
  bool Opaque = false;        // background filled with BkColor
  QColor BkColor;
  // Laid out once when recorded, in font units (page units, y down, origin
  // at the start of the baseline).
  QList<QGlyphRun> Runs;
  double Width = 0;
  double Ascent = 0;
  double Descent = 0;
};
struct tBitmapCmd {
  QImage Image;
  tRect Target;  // surface coordinates
};
using tDrawCmd = std::variant<tLineCmd, tPolylineCmd, tRectCmd, tTextCmd, tBitmapCmd>;

// A recorded page. Owned by its recorder.
class tPage {
 public:
  // Raises "Ungültiger Rekorder." without a recorder and "Seitennummer %D
  // ist ungültig." for a negative number (location "tPage.Create").
  tPage(tMetaFileRecorder* recorder, int32_t number);

  int32_t Number() const { return fNumber; }
  bool Recording() const { return fRecording; }
  const std::vector<tDrawCmd>& Commands() const { return fCommands; }
  // Extent of the page in 0.01 mm and the mapping mode of its surface.
  QSize FrameSize() const { return fFrame; }
  int MapMode() const { return fMapMode; }
  // Page units per millimetre of the page's mapping mode.
  double UnitsPerMm() const;

  // Plays the page back so that its frame fills target (in the painter's
  // current coordinates).
  void Play(QPainter& painter, const QRectF& target) const;

 private:
  friend class tMetaFileRecorder;
  // The state of the page's drawing surface while it records; a new
  // recording starts with the defaults.
  struct Canvas {
    tPen Pen;
    tBrush Brush;
    tFont Font;
    QColor BkColor = Qt::white;
    bool BkColorSet = false;  // SetBkColor since the brush colour last changed
    QColor BrushColorAtBk = Qt::white;
    uint16_t TextAlign = 0;
    QPoint Pos;
  };
  tMetaFileRecorder* fRecorder;
  int32_t fNumber;
  bool fRecording = false;
  int fMapMode = 2;
  double fRefDpi = 96;
  QSize fFrame;
  std::vector<tDrawCmd> fCommands;
  Canvas fCanvas;
};

class tMetaFileRecorder {
 public:
  tMetaFileRecorder();
  ~tMetaFileRecorder();
  tMetaFileRecorder(const tMetaFileRecorder&) = delete;
  tMetaFileRecorder& operator=(const tMetaFileRecorder&) = delete;

  int32_t MaxPages = 10;
  int32_t MapMode = 2;
  int32_t Width = 0;
  int32_t Height = 0;
  uint8_t SizeMode = 2;
  tExtendedPrinter* Printer = nullptr;  // reference device; not owned
  std::function<void(int32_t)> OnStartPage;
  std::function<void(int32_t)> OnEndPage;
  std::function<void(int32_t)> OnNeedPage;

  // Page lifecycle.
  void StartPage(int32_t number);
  void EndPage();
  void StartTestPage();
  void EndTestPage();
  tPage* FindPage(int32_t number) const;
  void Clear();
  // Natural size: the page's top-left corner at device position (x, y).
  void DrawPage(QPainter* canvas, int32_t number, int x, int y);
  // Stretched: each axis scaled so that the page fills rect (x, y, width,
  // height in the painter's coordinates).
  void StretchDrawPage(QPainter* canvas, int32_t number, const QRectF& rect);

  tPage* ActivePage() const { return fActive; }
  tPage* TestPage() const { return fTestPage.get(); }
  int32_t TestPageCount() const { return fTestPageCount; }
  int PageCount() const { return static_cast<int>(fPages.size()); }
  // Numbers of the held pages, ascending.
  std::vector<int32_t> HeldPages() const;

  // Drawing state (each checks for an active page).
  tPen& Pen();
  tBrush& Brush();
  tFont& Font();
  void SetBkColor(const QColor& color);
  uint16_t GetTextAlign();
  void SetTextAlign(uint16_t flags);

  // Drawing operations, in page units (0.1 mm), y down.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const QPolygon& points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void TextOut(int x, int y, const QString& text);
  void TextRect(const tRect& clip, int x, int y, const QString& text);
  int DrawText(const QString& text, const tRect& rect, uint32_t format);
  int32_t TextWidth(const QString& text);
  int32_t TextHeight(const QString& text);
  // The part of TextHeight above the baseline, in the current font.
  int32_t TextAscent();
  void DrawBitmap(const QImage& bitmap, bool keepAspect, int x, int y, int width, int height);
  void DrawBitmapRect(const QImage& bitmap, bool keepAspect, const tRect& rect);

  // The Qt font that plays back a recorder font (pixel size in page units).
  static QFont ToQFont(const tFont& font);
  // Lays a one-line text out in that font (tab stops every tabStop units
  // when tabStop > 0) into the command's runs, width, ascent and descent.
  static void LayoutText(tTextCmd& cmd, double tabStop = 0);

 private:
  tPage& CheckActivePage();
  tPage* AddPage(int32_t number);
  void BeginRecording(tPage& page);
  void EndRecording(tPage& page);
  int TransformY(int y) const;
  void AddText(int x, int y, const QString& text, const tRect* clip, uint16_t align, double tabStop = 0);
  tPage& PageToDraw(int32_t number, const char* location);

  tPage::Canvas& State() { return CheckActivePage().fCanvas; }

  std::vector<std::unique_ptr<tPage>> fPages;  // ascending by number
  tPage* fActive = nullptr;
  std::unique_ptr<tPage> fTestPage;
  int32_t fTestPageCount = 0;
};
