// The print preview: every printout is shown here before it is printed. One
// page at a time lies as a sheet of paper with a shadow on a grey ground, at
// the zoom the application object keeps for the whole run (PreviewZoom), with
// page navigation, zoom, printing (the job's Print) and the printer setup.
//
// Sizes. A length v in 0.1 mm is Trunc(v / 254 * dpi * Z / 100) preview
// pixels (dpi: the screen's logical resolution, Z: the zoom in percent). The
// sheet is the paper the job expects (or the printer's paper) plus a 5-pixel
// shadow at the right and the bottom.
//
// The page is the job's recorded page, played back where the printer puts
// it: at the margins (the printer object's UseMargins is 1) or at the
// printable area's corner, at the same scale as the paper; what lies outside
// the printable area is cut off as on paper.
//
// Keys (taken by the window, also while an entry field has the focus):
// Page Up / Page Down previous / next page, Home / End first / last page,
// arrows scroll by 15 pixels, keypad + / - zoom in / out. The mouse wheel
// zooms. Ctrl+P prints, Escape closes, F1 shows the help; Tab reaches the
// print buttons, the entry fields and "Schließen", Return or Space presses
// a button.
//
// The first preview (no stored place) covers most of the screen; after
// that the window opens where and as large as it was left.
//
// While the job prints, the sheet is not painted (the recorder is busy with
// the printer) and the window ignores the user's commands.
#pragma once

#include <QDialog>
#include <QAbstractScrollArea>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TFormIni;
class tPrinting;
class tUpDown;

// The paint box of the preview: the sheet, painted by its window.
class tPreviewPaintBox : public QWidget {
 public:
  explicit tPreviewPaintBox(QWidget* parent);
  std::function<void(QPainter&)> OnPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The grey scroll box around the sheet. Its scroll ranges are set by the
// window; scrolling lets the window place the sheet again.
class tPreviewScrollBox : public QAbstractScrollArea {
 public:
  explicit tPreviewScrollBox(QWidget* parent);
  // Total extent that can be scrolled through (the sheet and its border).
  void SetRange(int width, int height);
  QSize Range() const { return fRange; }
  std::function<void()> OnScroll;  // positions changed or the box resized

 protected:
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateBars();
  QSize fRange;
};

class TDlgPreview : public QDialog {
  Q_OBJECT
 public:
  static constexpr int HelpContext = 61000;
  static constexpr int MinZoom = 10;
  static constexpr int MaxZoom = 500;

  // paperWidth, paperHeight: the paper the job expects, in 0.1 mm; -1 takes
  // the printer's. Raises EDevException "Ungültiges tPrinting-Objekt
  // (tDlgPreview.Create)." without a job (or a job without printer). Warns
  // when the printer's paper differs from the expected one.
  TDlgPreview(tPrinting* job, int paperWidth, int paperHeight, QWidget* parent = nullptr);
  ~TDlgPreview() override;

  // Called after the printer setup; the job sets it to its Rebuild.
  std::function<void()> OnRebuild;

  tPrinting* Job() const { return fJob; }
  int32_t CurrentPage() const { return fCurrentPage; }
  int PaperWidth() const { return fPaperWidth; }
  int PaperHeight() const { return fPaperHeight; }
  bool WasMaximized() const { return fWasMaximized; }
  // The zoom in percent (the application object's PreviewZoom).
  int Zoom() const;

  // Resolution the preview computes with (the screen's logical dpi).
  double ScreenDpi() const;
  // Preview pixels of a length in 0.1 mm at the current zoom.
  int Pixels(int tenthsOfMm) const;
  // Where the page is played back and what of it shows (the printable
  // area), in paint box coordinates.
  QRect PageRect() const;
  QRect PrintableRect() const;

  // Commands of the window (also reached through buttons and keys).
  void FirstPage();
  void LastPage();
  void PreviousPage();
  void NextPage();
  void ZoomIn();
  void ZoomOut();
  void SetZoom(int percent);
  void BtnPrintClick();
  void BtnPrnSetupClick();
  // Reads the entry fields as Enter or leaving them does.
  void EditZoomExit();
  void EditPageExit();

  // The warning shown when the printer's paper differs from the expected.
  static QString PaperWarningText();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void BuildForm();
  void WatchInput(QWidget* widget);
  bool HandleKey(QKeyEvent* event);
  bool HandleWheel(QWheelEvent* event);
  bool Busy() const;
  void PaperCheck();
  int SheetPaperWidth() const;
  int SheetPaperHeight() const;
  void SizeSheet();
  void PositionSheet();
  void FormResize();
  void CentreOnScreen();
  void ShowPage(int32_t page);
  void RepaintSheet();
  void PaintSheet(QPainter& painter);
  void UpdateFields();
  void ReportPaintError();
  void MinimumFromFrame();

  tPrinting* fJob;
  int32_t fCurrentPage = 1;
  bool fWasMaximized = false;
  int fPaperWidth;
  int fPaperHeight;
  int fOwnZoom = 60;     // without application object
  int fWheelDelta = 0;   // wheel movement not yet turned into zoom steps
  bool fReadingEdit = false;
  // A page whose playback failed is not played again (the error would come
  // back with every paint) until the user moves on.
  int32_t fFailedPage = 0;
  QString fPaintError;

  QWidget* Panel;
  QToolButton* BtnPrint;
  QToolButton* BtnPrnSetup;
  QLabel* LblZoom;
  QLineEdit* EditZoom;
  tUpDown* BtnZoom;
  QLabel* LblPage;
  QLineEdit* EditPage;
  tUpDown* BtnPage;
  QLabel* LblPageCount;
  QPushButton* BtnClose;
  tPreviewScrollBox* ScrollBox;
  tPreviewPaintBox* PaintBox;
  TFormIni* FormIni;
};
