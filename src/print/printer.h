// The application's one printer: the printer list and the current printer,
// orientation, paper and printable-area geometry in 0.1 mm, the four page
// margins, the document calls and the mapping modes used for measuring and
// for printing.
//
// Besides the CUPS queues the list always ends with the destination
// "PDF-Datei", which writes a PDF file (A4 portrait unless changed). It is the
// current printer when CUPS has no printer, so printing and the preview work
// on a machine without printers.
//
// Geometry. All lengths are in 0.1 mm and come from the printer's page
// layout: the paper, the printable area (paper minus the printer's
// unprintable strips) and the four strips. The painter of a print has its
// origin at the top left corner of the printable area. CUPS reports the
// strips of the sheet in portrait; a landscape page lies turned on it, so in
// landscape every side keeps clear of both the strip reported for it and the
// strip it really meets.
//
// Margins are stored measured from the edge of the printable area; the
// setters and getters take and give them measured from the paper edge
// (strip + stored margin). A margin that would lie outside the printable area
// is stored as 0 and reported through OnMarginError.
//
// Mapping modes. A mode is the painter's scale: 1 device pixels, 2 0.1 mm,
// 3 0.01 mm, 4 0.01 inch, 5 0.001 inch, 6 twips (1/1440 inch); y always grows
// downward. 7 and 8 (user-defined scales) act like 1.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPrinter;
class QPageSize;
class QWidget;
class tPdfOutput;

class tExtendedPrinter {
 public:
  // Sides of the page, as OnMarginError reports them.
  enum tSide : int { sideLeft = 0, sideTop = 1, sideRight = 2, sideBottom = 3 };

  // Selects the system's default printer (the first CUPS printer when there
  // is no default, "PDF-Datei" without CUPS printers). Raises EDevException
  // when no printer can be used.
  tExtendedPrinter();
  virtual ~tExtendedPrinter();
  tExtendedPrinter(const tExtendedPrinter&) = delete;
  tExtendedPrinter& operator=(const tExtendedPrinter&) = delete;

  // Mapping mode while measuring and mode of the canvas after BeginDoc and
  // NewPage; every print job sets them to 2 and 1.
  int32_t MeasureMapMode = 2;
  int32_t PrintMapMode = 2;
  // 1: pages are printed and previewed shifted by the margins.
  uint8_t UseMargins = 1;
  // Called with the side (tSide) when a margin is rejected.
  std::function<void(int side)> OnMarginError;

  // The name of the PDF destination in the printer list.
  static QString PdfDestinationName();

  // ---- printer selection
  // The CUPS printers, then "PDF-Datei".
  QStringList Printers() const;
  // Index of the current printer in Printers(); -1 when it has vanished.
  int PrinterIndex() const;
  QString PrinterName() const;
  bool IsPdfDestination() const { return fPdf; }
  // Makes printer `index` of Printers() / the printer named `name` current.
  // Paper size and orientation are kept where the new printer has them; the
  // margins keep their distance from the paper edge and are checked again.
  // Raises EDevException for an unknown printer.
  void SetPrinterIndex(int index);
  void SetPrinterName(const QString& name);

  // The PDF file the next documents on "PDF-Datei" are written to. Empty
  // (the default): BeginDoc asks the user for the file name.
  void SetOutputFileName(const QString& fileName) {
    fFixedFileName = fileName;
    fFixedEncodedName.clear();
  }
  // The same with the name as the file system spells it (any bytes);
  // shownName is what messages show.
  void SetOutputFile(const std::string& encodedName, const QString& shownName) {
    fFixedFileName = shownName;
    fFixedEncodedName = encodedName;
  }
  const QString& OutputFileName() const { return fFixedFileName; }
  // Files a PDF document must never replace (pdfoutput.h), in the file
  // system's encoding.
  void SetProtectedFiles(std::vector<std::string> files) { fProtectedFiles = std::move(files); }
  const std::vector<std::string>& ProtectedFiles() const { return fProtectedFiles; }
  // The name the next document on "PDF-Datei" is offered under (report
  // and company, see pdfname.h); empty takes the title. It is offered in
  // the folder the user chose last in this run, at first the documents
  // folder.
  void SetDocumentName(const QString& name) { fDocumentName = name; }
  const QString& DocumentName() const { return fDocumentName; }
  // The file BeginDoc would offer now.
  QString PdfFileProposal() const;

  // ---- device properties
  int32_t PixelsPerInchX() const;
  int32_t PixelsPerInchY() const;
  bool IsLandscape() const;
  // Switches the orientation; the four margins keep their distance from the
  // paper edge and are checked again against the new page.
  void SetOrientation(bool landscape);
  // Changes the paper the same way.
  void SetPaperSize(const QPageSize& size);
  QString PaperName() const;

  // ---- geometry in 0.1 mm
  int32_t PaperWidth() const;
  int32_t PaperHeight() const;
  int32_t PrintableWidth() const;
  int32_t PrintableHeight() const;
  int32_t UsableWidth() const;   // printable width - left - right margin
  int32_t UsableHeight() const;  // printable height - top - bottom margin
  int32_t OffsetLeft() const;    // unprintable strips
  int32_t OffsetTop() const;
  int32_t OffsetRight() const;
  int32_t OffsetBottom() const;

  // ---- margins
  // Stored margins, from the edge of the printable area.
  int32_t LeftMargin() const { return fLeftMargin; }
  int32_t TopMargin() const { return fTopMargin; }
  int32_t RightMargin() const { return fRightMargin; }
  int32_t BottomMargin() const { return fBottomMargin; }
  // Margins from the paper edge (strip + stored margin).
  int32_t GetLeft() const;
  int32_t GetTop() const;
  int32_t GetRight() const;
  int32_t GetBottom() const;
  int32_t GetMargin(int side) const;
  // v from the paper edge. Stored: v - strip, or 0 with OnMarginError(side)
  // when that is negative, exceeds the printable width (left, right) or
  // height (top, bottom), or overlaps the margin of the opposite side.
  void SetLeft(int32_t v);
  void SetTop(int32_t v);
  void SetRight(int32_t v);
  void SetBottom(int32_t v);
  void SetMargin(int side, int32_t v);
  // Sets all four margins (from the paper edge) in the order left, top,
  // right, bottom, each checked against the ones set before it.
  void SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // Whether margin `v` (from the paper edge) of `side` would be accepted
  // together with margin `opposite` (from the paper edge) on the other side.
  bool MarginFits(int side, int32_t v, int32_t opposite) const;

  // The least usable width and height (0.1 mm) on which every report of the
  // program prints at least one row; the printer setup refuses margins that
  // leave less. 0 (the default): no such need. The margins themselves are
  // not checked against it.
  void SetLeastUsableArea(int32_t width, int32_t height) {
    fLeastUsableWidth = width;
    fLeastUsableHeight = height;
  }
  int32_t LeastUsableWidth() const { return fLeastUsableWidth; }
  int32_t LeastUsableHeight() const { return fLeastUsableHeight; }
  // What margin `v` (from the paper edge) of `side` together with margin
  // `opposite` of the other side leave of the printable width (left,
  // right) or height (top, bottom), in 0.1 mm.
  int64_t UsableBetween(int side, int32_t v, int32_t opposite) const;

  // ---- printing
  // Which 0: MeasureMapMode, 1: PrintMapMode; applied to the canvas while a
  // document is printed, else remembered for the device. Other values raise
  // "Ungültige Option %D (tExtendedPrinter.SetPrnMapMode).".
  void SetPrnMapMode(int which);
  // The mode the canvas (or device) is in now.
  int32_t CurrentMapMode() const { return fCurrentMapMode; }
  // Document title of the next print.
  void SetTitle(const QString& title) { fTitle = title; }
  const QString& Title() const { return fTitle; }
  // Starts a document and puts the canvas into PrintMapMode. False when the
  // user cancelled the choice of the PDF file: nothing is printed then and
  // Canvas() stays nullptr. Raises EDevException when the printer or file
  // cannot be opened or a document is already being printed. A PDF file is
  // written as pdfoutput.h describes: it replaces the chosen file at EndDoc
  // only when whole; NewPage and EndDoc raise with the reason otherwise.
  [[nodiscard]] bool BeginDoc();
  // Starts the next sheet and puts the canvas into PrintMapMode again.
  void NewPage();
  // Finishes the document and hands it to the printer (or closes the file).
  void EndDoc();
  // Drops the document being printed; nothing is sent. Does nothing when no
  // document is open.
  void AbortDoc();
  bool Printing() const { return fPainter != nullptr; }
  // The painter of the document being printed; nullptr outside BeginDoc ..
  // EndDoc.
  QPainter* Canvas() const { return fPainter.get(); }
  // The file the last document on "PDF-Datei" went to.
  const QString& LastOutputFile() const { return fLastOutputFile; }

  // The underlying printer (for the platform's dialogs and the preview).
  QPrinter& QtPrinter() { return *fPrinter; }

  // ---- dialogs
  // Shows the printer setup dialog; true when closed with OK. Failures are
  // shown to the user; the result is then false.
  bool SetupDialog(bool marginsEnabled, bool settingsEnabled);
  // Runs the printer options dialog (printer, paper, orientation, see
  // tDlgPrinterOptions) on this printer; margins keep their distance from
  // the paper edge. True when the user accepted it and the choices were
  // applied; a choice the printer refuses is shown to the user (false).
  bool PlatformSetupDialog(QWidget* parent);

 private:
  struct tGeometry {
    int32_t paperW = 0, paperH = 0, left = 0, top = 0, printW = 0, printH = 0;
  };
  tGeometry Geometry() const;
  int32_t Strip(int side) const;
  int32_t Printable(int side) const;
  int32_t& Stored(int side);
  int32_t StoredMargin(int side) const;
  // Makes the printer paint into its whole printable area.
  void ClearQtMargins();
  // Applies a change of printer or page while keeping the margins.
  void KeepMarginsAround(const std::function<void()>& change);
  void SelectCups(const QString& name);
  void SelectPdf();
  void ApplyMapMode(int32_t mode) const;
  // Geometry queries leave the device in the printing mode.
  void SettleMapMode() const;
  static int CheckSide(int side, const char* location);
  // The window a dialog of the printer belongs to: the modal window on top
  // (such as the preview), else the active window.
  static QWidget* DialogOwner();
  // Asks for the file of a "PDF-Datei" document; empty when cancelled.
  static QString AskPdfFileName(const QString& proposal);

  std::unique_ptr<QPrinter> fPrinter;
  std::unique_ptr<QPainter> fPainter;
  bool fPdf = false;
  QString fCupsName;
  QString fFixedFileName;
  std::string fFixedEncodedName;
  std::vector<std::string> fProtectedFiles;
  std::unique_ptr<tPdfOutput> fPdfOutput;  // while a PDF document is printed
  QString fDocumentName;
  QString fLastPdfFolder;
  QString fLastOutputFile;
  QString fTitle;
  int32_t fLeftMargin = 0;
  int32_t fTopMargin = 0;
  int32_t fRightMargin = 0;
  int32_t fBottomMargin = 0;
  int32_t fLeastUsableWidth = 0;
  int32_t fLeastUsableHeight = 0;
  mutable int32_t fCurrentMapMode = 1;
};
