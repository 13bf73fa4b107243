#include "printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "edevexception.h"
#include "pdfoutput.h"
#include "pdfname.h"

namespace {

// Millimetres to 0.1 mm, to the nearest tenth.
int32_t Tenths(qreal mm) { return static_cast<int32_t>(std::lround(std::fabs(mm) * 10.0)); }

// Logical units per inch of a mapping mode; 0 for the device-pixel modes.
double UnitsPerInch(int32_t mode) {
  switch (mode) {
    case 2: return 254.0;    // 0.1 mm
    case 3: return 2540.0;   // 0.01 mm
    case 4: return 100.0;    // 0.01 inch
    case 5: return 1000.0;   // 0.001 inch
    case 6: return 1440.0;   // twips
    default: return 0.0;     // 1 device pixels; 7, 8 user scales act like 1
  }
}

int Opposite(int side) { return (side + 2) % 4; }

// The print engine property with the CUPS options of a job (key/value pairs),
// as Qt's CUPS print engine knows it.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

}  // namespace

QString tExtendedPrinter::PdfDestinationName() { return QStringLiteral("PDF-Datei"); }

tExtendedPrinter::tExtendedPrinter() : fPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  fPrinter->setFullPage(false);
  const QStringList cups = QPrinterInfo::availablePrinterNames();
  QString wanted = QPrinterInfo::defaultPrinterName();
  if (!cups.contains(wanted)) wanted = cups.isEmpty() ? QString() : cups.first();
  bool selected = false;
  if (!wanted.isEmpty()) {
    try {
      SelectCups(wanted);
      selected = true;
    } catch (const EDevException&) {
      // A queue that cannot be used: fall back to the PDF file.
    }
  }
  if (!selected) {
    SelectPdf();
    fPrinter->setPageSize(QPageSize(QPageSize::A4));
    fPrinter->setPageOrientation(QPageLayout::Portrait);
  }
  if (!fPrinter->isValid())
    throw EDevException(QStringLiteral("Der Drucker konnte nicht angesprochen werden."),
                        QStringLiteral("tExtendedPrinter.Create"));
  ClearQtMargins();
}

tExtendedPrinter::~tExtendedPrinter() { AbortDoc(); }

// ---------------------------------------------------------------- selection

QStringList tExtendedPrinter::Printers() const {
  QStringList list = QPrinterInfo::availablePrinterNames();
  list.append(PdfDestinationName());
  return list;
}

int tExtendedPrinter::PrinterIndex() const {
  const QStringList list = Printers();
  if (fPdf) return static_cast<int>(list.size()) - 1;
  const auto cupsCount = list.size() - 1;
  for (qsizetype i = 0; i < cupsCount; ++i)
    if (list[i] == fCupsName) return static_cast<int>(i);
  return -1;
}

QString tExtendedPrinter::PrinterName() const { return fPdf ? PdfDestinationName() : fCupsName; }

void tExtendedPrinter::SetPrinterIndex(int index) {
  const QStringList list = Printers();
  if (index < 0 || index >= list.size())
    throw EDevException::Fmt(QStringLiteral("Ungültiger Druckerindex %D."), index,
                             QStringLiteral("tExtendedPrinter.SetPrinterIndex"));
  if (index == list.size() - 1)
    KeepMarginsAround([this] { SelectPdf(); });
  else
    SetPrinterName(list[index]);
}

void tExtendedPrinter::SetPrinterName(const QString& name) {
  if (name == PdfDestinationName()) {
    KeepMarginsAround([this] { SelectPdf(); });
    return;
  }
  if (!QPrinterInfo::availablePrinterNames().contains(name))
    throw EDevException(QStringLiteral("Der Drucker \"%1\" ist nicht eingerichtet.").arg(name),
                        QStringLiteral("tExtendedPrinter.SetPrinterName"));
  KeepMarginsAround([this, &name] { SelectCups(name); });
}

void tExtendedPrinter::SelectCups(const QString& name) {
  if (Printing())
    throw EDevException(QStringLiteral("Während des Druckens kann der Drucker nicht gewechselt werden."),
                        QStringLiteral("tExtendedPrinter.SetPrinterName"));
  const bool wasPdf = fPdf;
  const QString was = fCupsName;
  // An empty file name returns the printer from PDF output to the queues.
  fPrinter->setOutputFileName(QString());
  fPrinter->setOutputFormat(QPrinter::NativeFormat);
  fPrinter->setPrinterName(name);
  if (fPrinter->outputFormat() == QPrinter::NativeFormat && fPrinter->printerName() == name && fPrinter->isValid()) {
    fPdf = false;
    fCupsName = name;
    return;
  }
  // Back to the printer we had.
  if (wasPdf || was.isEmpty()) {
    SelectPdf();
  } else {
    fPrinter->setOutputFormat(QPrinter::NativeFormat);
    fPrinter->setPrinterName(was);
  }
  throw EDevException(QStringLiteral("Der Drucker \"%1\" kann nicht angesprochen werden.").arg(name),
                      QStringLiteral("tExtendedPrinter.SetPrinterName"));
}

void tExtendedPrinter::SelectPdf() {
  if (Printing())
    throw EDevException(QStringLiteral("Während des Druckens kann der Drucker nicht gewechselt werden."),
                        QStringLiteral("tExtendedPrinter.SetPrinterName"));
  fPrinter->setOutputFormat(QPrinter::PdfFormat);
  fPdf = true;
  fCupsName.clear();
}

// ---------------------------------------------------------------- device

int32_t tExtendedPrinter::PixelsPerInchX() const {
  SettleMapMode();
  return fPrinter->logicalDpiX();
}

int32_t tExtendedPrinter::PixelsPerInchY() const {
  SettleMapMode();
  return fPrinter->logicalDpiY();
}

bool tExtendedPrinter::IsLandscape() const { return fPrinter->pageLayout().orientation() != QPageLayout::Portrait; }

void tExtendedPrinter::SetOrientation(bool landscape) {
  KeepMarginsAround([this, landscape] {
    fPrinter->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  });
}

void tExtendedPrinter::SetPaperSize(const QPageSize& size) {
  KeepMarginsAround([this, &size] {
    if (!fPrinter->setPageSize(size))
      throw EDevException(QStringLiteral("Das Papierformat \"%1\" wird vom Drucker nicht unterstützt.").arg(size.name()),
                          QStringLiteral("tExtendedPrinter.SetPaperSize"));
  });
}

QString tExtendedPrinter::PaperName() const { return fPrinter->pageLayout().pageSize().name(); }

void tExtendedPrinter::ClearQtMargins() {
  const QPageLayout layout = fPrinter->pageLayout();
  const QMarginsF strips = layout.minimumMargins();
  QMarginsF margins = strips;
  if (layout.orientation() == QPageLayout::Landscape) {
    // The printer reports its strips for the sheet as it lies in portrait;
    // a landscape page is turned by 90 degrees onto that sheet (the page's
    // top onto the sheet's left edge). Keep clear of the strips the page
    // really meets as well as of those reported.
    margins = QMarginsF(std::max(strips.left(), strips.bottom()), std::max(strips.top(), strips.left()),
                        std::max(strips.right(), strips.top()), std::max(strips.bottom(), strips.right()));
  }
  fPrinter->setFullPage(false);
  fPrinter->setPageMargins(margins, layout.units());
}

void tExtendedPrinter::KeepMarginsAround(const std::function<void()>& change) {
  const int32_t l = GetLeft(), t = GetTop(), r = GetRight(), b = GetBottom();
  try {
    change();
  } catch (...) {
    ClearQtMargins();
    SetMargins(l, t, r, b);
    throw;
  }
  ClearQtMargins();
  SetMargins(l, t, r, b);
}

// ---------------------------------------------------------------- geometry

tExtendedPrinter::tGeometry tExtendedPrinter::Geometry() const {
  SettleMapMode();
  const QPageLayout layout = fPrinter->pageLayout();
  const QRectF full = layout.fullRect(QPageLayout::Millimeter);
  const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
  tGeometry g;
  g.paperW = Tenths(full.width());
  g.paperH = Tenths(full.height());
  g.left = Tenths(paint.left());
  g.top = Tenths(paint.top());
  g.printW = std::clamp(Tenths(paint.right()) - g.left, 0, g.paperW - g.left);
  g.printH = std::clamp(Tenths(paint.bottom()) - g.top, 0, g.paperH - g.top);
  return g;
}

int32_t tExtendedPrinter::PaperWidth() const { return Geometry().paperW; }
int32_t tExtendedPrinter::PaperHeight() const { return Geometry().paperH; }
int32_t tExtendedPrinter::PrintableWidth() const { return Geometry().printW; }
int32_t tExtendedPrinter::PrintableHeight() const { return Geometry().printH; }
int32_t tExtendedPrinter::UsableWidth() const { return PrintableWidth() - fLeftMargin - fRightMargin; }
int32_t tExtendedPrinter::UsableHeight() const { return PrintableHeight() - fTopMargin - fBottomMargin; }
int32_t tExtendedPrinter::OffsetLeft() const { return Geometry().left; }
int32_t tExtendedPrinter::OffsetTop() const { return Geometry().top; }

int32_t tExtendedPrinter::OffsetRight() const {
  const tGeometry g = Geometry();
  return g.paperW - g.left - g.printW;
}

int32_t tExtendedPrinter::OffsetBottom() const {
  const tGeometry g = Geometry();
  return g.paperH - g.top - g.printH;
}

int32_t tExtendedPrinter::Strip(int side) const {
  switch (side) {
    case sideLeft: return OffsetLeft();
    case sideTop: return OffsetTop();
    case sideRight: return OffsetRight();
    default: return OffsetBottom();
  }
}

int32_t tExtendedPrinter::Printable(int side) const {
  return side == sideLeft || side == sideRight ? PrintableWidth() : PrintableHeight();
}

// ---------------------------------------------------------------- margins

int tExtendedPrinter::CheckSide(int side, const char* location) {
  if (side < sideLeft || side > sideBottom)
    throw EDevException::Fmt(QStringLiteral("Rand %D ist ungültig."), side, QString::fromLatin1(location));
  return side;
}

int32_t& tExtendedPrinter::Stored(int side) {
  switch (side) {
    case sideLeft: return fLeftMargin;
    case sideTop: return fTopMargin;
    case sideRight: return fRightMargin;
    default: return fBottomMargin;
  }
}

int32_t tExtendedPrinter::StoredMargin(int side) const {
  switch (side) {
    case sideLeft: return fLeftMargin;
    case sideTop: return fTopMargin;
    case sideRight: return fRightMargin;
    default: return fBottomMargin;
  }
}

int32_t tExtendedPrinter::GetLeft() const { return OffsetLeft() + fLeftMargin; }
int32_t tExtendedPrinter::GetTop() const { return OffsetTop() + fTopMargin; }
int32_t tExtendedPrinter::GetRight() const { return OffsetRight() + fRightMargin; }
int32_t tExtendedPrinter::GetBottom() const { return OffsetBottom() + fBottomMargin; }

int32_t tExtendedPrinter::GetMargin(int side) const {
  CheckSide(side, "tExtendedPrinter.GetMargin");
  return Strip(side) + StoredMargin(side);
}

bool tExtendedPrinter::MarginFits(int side, int32_t v, int32_t opposite) const {
  CheckSide(side, "tExtendedPrinter.MarginFits");
  const int64_t margin = int64_t{v} - Strip(side);
  const int64_t other = std::max<int64_t>(0, int64_t{opposite} - Strip(Opposite(side)));
  const int64_t printable = Printable(side);
  // Left and right (top and bottom) together must leave a usable area.
  return margin >= 0 && margin <= printable && margin + other <= printable;
}

int64_t tExtendedPrinter::UsableBetween(int side, int32_t v, int32_t opposite) const {
  CheckSide(side, "tExtendedPrinter.UsableBetween");
  return Printable(side) - (int64_t{v} - Strip(side)) - (int64_t{opposite} - Strip(Opposite(side)));
}

void tExtendedPrinter::SetMargin(int side, int32_t v) {
  CheckSide(side, "tExtendedPrinter.SetMargin");
  if (MarginFits(side, v, GetMargin(Opposite(side)))) {
    Stored(side) = v - Strip(side);
  } else {
    Stored(side) = 0;
    if (OnMarginError) OnMarginError(side);
  }
}

void tExtendedPrinter::SetLeft(int32_t v) { SetMargin(sideLeft, v); }
void tExtendedPrinter::SetTop(int32_t v) { SetMargin(sideTop, v); }
void tExtendedPrinter::SetRight(int32_t v) { SetMargin(sideRight, v); }
void tExtendedPrinter::SetBottom(int32_t v) { SetMargin(sideBottom, v); }

void tExtendedPrinter::SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  // Each side is checked against the sides set before it, not against the
  // old values it replaces.
  fLeftMargin = fTopMargin = fRightMargin = fBottomMargin = 0;
  SetLeft(left);
  SetTop(top);
  SetRight(right);
  SetBottom(bottom);
}

// ---------------------------------------------------------------- printing

void tExtendedPrinter::ApplyMapMode(int32_t mode) const {
  fCurrentMapMode = mode;
  if (!fPainter) return;
  const double units = UnitsPerInch(mode);
  if (units > 0)
    fPainter->setWorldTransform(QTransform::fromScale(fPrinter->logicalDpiX() / units, fPrinter->logicalDpiY() / units));
  else
    fPainter->setWorldTransform(QTransform());
}

void tExtendedPrinter::SettleMapMode() const {
  if (fCurrentMapMode != PrintMapMode) ApplyMapMode(PrintMapMode);
}

void tExtendedPrinter::SetPrnMapMode(int which) {
  int32_t mode = 0;
  if (which == 0)
    mode = MeasureMapMode;
  else if (which == 1)
    mode = PrintMapMode;
  else
    throw EDevException::Fmt(QStringLiteral("Ungültige Option %D (tExtendedPrinter.SetPrnMapMode)."), which);
  if (mode != fCurrentMapMode) ApplyMapMode(mode);
}

QString tExtendedPrinter::PdfFileProposal() const {
  return PdfProposal(fLastPdfFolder, fDocumentName.isEmpty() ? fTitle : fDocumentName);
}

bool tExtendedPrinter::BeginDoc() {
  static const QString location = QStringLiteral("tExtendedPrinter.BeginDoc");
  if (Printing()) throw EDevException(QStringLiteral("Es wird bereits ein Dokument gedruckt."), location);
  QString file;
  if (fPdf) {
    file = fFixedFileName;
    if (file.isEmpty()) {
      file = AskPdfFileName(PdfFileProposal());
      if (file.isEmpty()) return false;
      fLastPdfFolder = QFileInfo(file).absolutePath();
    }
    const std::string encoded = fFixedEncodedName.empty() || file != fFixedFileName
                                    ? QFile::encodeName(file).toStdString()
                                    : fFixedEncodedName;
    fPdfOutput = std::make_unique<tPdfOutput>(encoded, file, fProtectedFiles);
    fPrinter->setOutputFormat(QPrinter::PdfFormat);
    fPrinter->setOutputFileName(fPdfOutput->WriterFileName());
  }
  fPrinter->setDocName(fTitle);
  fPrinter->setCopyCount(1);
  ClearQtMargins();
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(fPrinter.get())) {
    fPdfOutput.reset();
    if (fPdf)
      throw EDevException(QStringLiteral("Die PDF-Datei \"%1\" kann nicht angelegt werden.").arg(QDir::toNativeSeparators(file)),
                          location);
    throw EDevException(QStringLiteral("Der Druck auf \"%1\" kann nicht begonnen werden.").arg(fCupsName), location);
  }
  fPainter = std::move(painter);
  fLastOutputFile = file;
  fCurrentMapMode = 1;  // a new canvas works in device pixels
  SetPrnMapMode(1);
  return true;
}

void tExtendedPrinter::NewPage() {
  if (!Printing())
    throw EDevException(QStringLiteral("Es wird kein Dokument gedruckt."), QStringLiteral("tExtendedPrinter.NewPage"));
  if (!fPrinter->newPage())
    throw EDevException(fPdfOutput ? fPdfOutput->NewPageFailure() : QStringLiteral("Es kann keine neue Seite begonnen werden."),
                        QStringLiteral("tExtendedPrinter.NewPage"));
  fPainter->resetTransform();
  fCurrentMapMode = 1;
  SetPrnMapMode(1);
}

void tExtendedPrinter::EndDoc() {
  if (!Printing())
    throw EDevException(QStringLiteral("Es wird kein Dokument gedruckt."), QStringLiteral("tExtendedPrinter.EndDoc"));
  const bool ok = fPainter->end();
  fPainter.reset();
  fCurrentMapMode = 1;
  if (std::unique_ptr<tPdfOutput> output = std::move(fPdfOutput)) {
    output->Finish(ok);
    return;
  }
  if (!ok)
    throw EDevException(fPdf ? QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden.")
                                   .arg(QDir::toNativeSeparators(fLastOutputFile))
                             : QStringLiteral("Der Druckauftrag kann nicht an \"%1\" übergeben werden.").arg(fCupsName),
                        QStringLiteral("tExtendedPrinter.EndDoc"));
}

void tExtendedPrinter::AbortDoc() {
  if (!Printing()) return;
  QPrintEngine* engine = fPrinter->printEngine();
  const QVariant options = engine->property(kCupsOptions);
  const bool refuseJob = !fPrinter->abort() && !fPdf;
  if (refuseJob) {
    // Qt cannot abort a CUPS document: ending the painter hands it to the
    // scheduler all the same. Add a copy count the scheduler refuses, so the
    // job is never created (the options are those Qt passes with the job).
    engine->setProperty(kCupsOptions, options.toStringList() << QStringLiteral("copies") << QStringLiteral("0"));
  }
  fPainter->end();
  if (refuseJob) engine->setProperty(kCupsOptions, options.toStringList());
  fPainter.reset();
  fPdfOutput.reset();  // the chosen file stays as it was
  fCurrentMapMode = 1;
}
