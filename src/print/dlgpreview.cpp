#include "dlgpreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "appimages.h"
#include "edevexception.h"
#include "formini.h"
#include "help.h"
#include "langtext.h"
#include "mainfont.h"
#include "onscreen.h"
#include "printhost.h"
#include "msgdlg.h"
#include "printer.h"
#include "previewgeometry.h"
#include "returnkey.h"
#include "printing.h"
#include "updown.h"

namespace {

constexpr int kClientWidth = 532;
constexpr int kClientHeight = 316;
constexpr int kMinWidth = 540;   // whole window, frame included
constexpr int kMinHeight = 170;
constexpr int kPanelHeight = 41;
constexpr int kShadow = kSheetShadow;
constexpr int kScrollStep = 35;  // scroll bar arrows
constexpr int kKeyScroll = 15;   // arrow keys
const QColor kGround(128, 128, 128);

// Hour-glass cursor for as long as it lives.
class tHourGlass {
 public:
  tHourGlass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~tHourGlass() { QGuiApplication::restoreOverrideCursor(); }
  tHourGlass(const tHourGlass&) = delete;
  tHourGlass& operator=(const tHourGlass&) = delete;
};

// Whole millimetres of a length in 0.1 mm, to the nearest, halves to even.
int32_t RoundToMm(int32_t tenths) {
  int32_t mm = tenths / 10;
  const int32_t rest = tenths % 10;
  if (rest > 5 || (rest == 5 && (mm & 1))) ++mm;
  if (rest < -5 || (rest == -5 && (mm & 1))) --mm;
  return mm;
}

// An entry as a whole number; blanks around it are allowed.
bool ParseWhole(const QString& text, int64_t& value) {
  bool ok = false;
  value = text.trimmed().toLongLong(&ok, 10);
  return ok;
}

// The tool button glyphs, drawn at the size asked for.
QPixmap PrinterGlyph(int size, bool withGear) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QImage printer = AppImage(QStringLiteral("TBPRINTER"), QSize(size, size));
  if (!withGear) {
    p.drawImage(0, 0, printer);
    return pixmap;
  }
  // The printer a little smaller, a cog wheel over its lower right corner.
  const int small = size * 13 / 16;
  p.drawImage(QRect(0, 0, small, small), printer);
  const double s = size / 16.0;
  const QPointF centre(11.5 * s, 11.5 * s);
  const double outer = 4.4 * s, inner = 3.2 * s, hole = 1.3 * s;
  QPainterPath cog;
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const double a0 = (i - 0.5) * std::numbers::pi / teeth, a1 = (i + 0.5) * std::numbers::pi / teeth;
    const double r = (i % 2 == 0) ? outer : inner;
    const QPointF from = centre + QPointF(std::cos(a0) * r, std::sin(a0) * r);
    const QPointF to = centre + QPointF(std::cos(a1) * r, std::sin(a1) * r);
    if (i == 0)
      cog.moveTo(from);
    else
      cog.lineTo(from);
    cog.lineTo(to);
  }
  cog.closeSubpath();
  cog.addEllipse(centre, hole, hole);
  cog.setFillRule(Qt::OddEvenFill);
  p.setPen(QPen(QColor(60, 60, 60), std::max(0.8, 0.7 * s)));
  p.setBrush(QColor(230, 170, 40));
  p.drawPath(cog);
  return pixmap;
}

QIcon PrinterIcon(bool withGear) {
  QIcon icon;
  for (int size : {16, 24, 32, 48}) icon.addPixmap(PrinterGlyph(size, withGear));
  return icon;
}

}  // namespace

// ------------------------------------------------------------ paint box

tPreviewPaintBox::tPreviewPaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox"));
  // The sheet paints every pixel of the box, so moving it needs no repaint.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void tPreviewPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRect(event->rect());
  if (OnPaint) OnPaint(painter);
}

// ------------------------------------------------------------ scroll box

tPreviewScrollBox::tPreviewScrollBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("ScrollBox"));
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Window, kGround);
  viewport()->setPalette(pal);
  viewport()->setBackgroundRole(QPalette::Window);
  viewport()->setAutoFillBackground(true);
  horizontalScrollBar()->setSingleStep(kScrollStep);
  verticalScrollBar()->setSingleStep(kScrollStep);
}

void tPreviewScrollBox::SetRange(int width, int height) {
  fRange = QSize(width, height);
  UpdateBars();
}

void tPreviewScrollBox::UpdateBars() {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setPageStep(view.height());
  horizontalScrollBar()->setRange(0, std::max(0, fRange.width() - view.width()));
  verticalScrollBar()->setRange(0, std::max(0, fRange.height() - view.height()));
}

void tPreviewScrollBox::scrollContentsBy(int, int) {
  if (OnScroll) OnScroll();
}

void tPreviewScrollBox::resizeEvent(QResizeEvent*) {
  UpdateBars();
  if (OnScroll) OnScroll();
}

// ---------------------------------------------------------------- window

TDlgPreview::TDlgPreview(tPrinting* job, int paperWidth, int paperHeight, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      fJob(job),
      fPaperWidth(paperWidth),
      fPaperHeight(paperHeight) {
  if (!job || !job->Printer) throw EDevException(QStringLiteral("Ungültiges tPrinting-Objekt (tDlgPreview.Create)."));
  setObjectName(QStringLiteral("DlgPreview"));
  BuildForm();
  // Large enough to read a page; the window's stored place, once it has
  // one, takes over.
  resize(FirstPreviewSize(AvailableArea(this), FrameMargins(this), QSize(kClientWidth, kClientHeight)));
  FormIni = new TFormIni(this, QStringLiteral("TDlgPreview"));

  fCurrentPage = 1;
  setWindowTitle(LangText(106, QStringLiteral("Seitenvorschau")));
  LblPage->setText(LangText(104, QStringLiteral("Seite")));
  BtnClose->setText(LangText(105, QStringLiteral("Schließen")));
  BtnPrint->setToolTip(LangText(70, QStringLiteral("Alle Seiten drucken")));
  BtnPrnSetup->setToolTip(LangText(71, QStringLiteral("Drucker einrichten")));
  PaperCheck();
}

TDlgPreview::~TDlgPreview() = default;

void TDlgPreview::BuildForm() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  Panel = panel;
  Panel->setObjectName(QStringLiteral("Panel"));
  Panel->setFixedHeight(kPanelHeight);
  layout->addWidget(Panel);

  auto toolButton = [this](const char* name, int x, bool withGear) {
    auto* b = new QToolButton(Panel);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, 8, 25, 25);
    b->setAutoRaise(true);  // flat
    b->setFocusPolicy(Qt::StrongFocus);
    b->setIcon(PrinterIcon(withGear));
    b->setIconSize(QSize(16, 16));
    return b;
  };
  BtnPrint = toolButton("BtnPrint", 8, false);
  BtnPrnSetup = toolButton("BtnPrnSetup", 32, true);

  auto label = [this](const char* name, const QString& text, const QRect& geometry, Qt::Alignment align) {
    auto* l = new QLabel(text, Panel);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
  };
  auto edit = [this](const char* name, const QString& text, const QRect& geometry, int maxLength) {
    auto* e = new QLineEdit(text, Panel);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(geometry);
    e->setMaxLength(maxLength);
    e->setTextMargins(0, 0, 0, 0);
    return e;
  };
  auto upDown = [this](const char* name, const QRect& geometry) {
    auto* u = new tUpDown(Panel);
    u->setObjectName(QString::fromLatin1(name));
    u->setGeometry(geometry);
    return u;
  };

  LblZoom = label("LblZoom", QStringLiteral("Zoom (%)"), QRect(62, 12, 67, 17), Qt::AlignRight);
  EditZoom = edit("EditZoom", QStringLiteral("60"), QRect(133, 12, 33, 17), 4);
  BtnZoom = upDown("BtnZoom", QRect(166, 12, 15, 17));
  LblPage = label("LblPage", QStringLiteral("Seite"), QRect(184, 12, 42, 17), Qt::AlignRight);
  EditPage = edit("EditPage", QStringLiteral("0"), QRect(230, 12, 66, 17), 8);
  BtnPage = upDown("BtnPage", QRect(296, 12, 15, 17));
  LblPageCount = label("LblPageCount", QStringLiteral("(von 0)"), QRect(320, 12, 106, 17), Qt::AlignLeft);

  BtnClose = new QPushButton(QStringLiteral("Schließen"), Panel);
  BtnClose->setObjectName(QStringLiteral("BtnClose"));
  BtnClose->setGeometry(kClientWidth - 89 - 8, 8, 89, 25);
  BtnClose->setAutoDefault(false);
  BtnClose->setDefault(false);

  ScrollBox = new tPreviewScrollBox(this);
  layout->addWidget(ScrollBox, 1);
  PaintBox = new tPreviewPaintBox(ScrollBox->viewport());
  PaintBox->OnPaint = [this](QPainter& painter) { PaintSheet(painter); };
  ScrollBox->OnScroll = [this] { PositionSheet(); };

  connect(BtnPrint, &QToolButton::clicked, this, &TDlgPreview::BtnPrintClick);
  connect(BtnPrnSetup, &QToolButton::clicked, this, &TDlgPreview::BtnPrnSetupClick);
  connect(BtnZoom, &tUpDown::Up, this, &TDlgPreview::ZoomIn);
  connect(BtnZoom, &tUpDown::Down, this, &TDlgPreview::ZoomOut);
  connect(BtnPage, &tUpDown::Up, this, &TDlgPreview::NextPage);
  connect(BtnPage, &tUpDown::Down, this, &TDlgPreview::PreviousPage);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::close);
  // Return presses the button with the focus.
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{BtnPrint, BtnPrnSetup, BtnClose})
    ClickOnReturn(button);

  // From the keyboard: Tab from the print buttons over the entry fields to
  // "Schließen", Ctrl+P prints, Escape closes, F1 shows the help.
  setTabOrder(BtnPrint, BtnPrnSetup);
  setTabOrder(BtnPrnSetup, EditZoom);
  setTabOrder(EditZoom, EditPage);
  setTabOrder(EditPage, BtnClose);
  auto* print = new QShortcut(QKeySequence::Print, this);
  connect(print, &QShortcut::activated, this, &TDlgPreview::BtnPrintClick);
  InstallHelpKey(this, HelpContext);

  // The window sees keys and the wheel before any of its controls.
  WatchInput(this);
}

void TDlgPreview::WatchInput(QWidget* widget) {
  if (widget != this) widget->installEventFilter(this);
  for (QObject* child : widget->children())
    if (auto* w = qobject_cast<QWidget*>(child)) WatchInput(w);
}

// ---------------------------------------------------------------- state

int TDlgPreview::Zoom() const {
  if (const tPrintHost* host = PrintHost()) return host->PreviewZoom();
  return fOwnZoom;
}

double TDlgPreview::ScreenDpi() const { return logicalDpiX() > 0 ? logicalDpiX() : 96; }

int TDlgPreview::Pixels(int tenthsOfMm) const { return PreviewPixels(tenthsOfMm, ScreenDpi(), Zoom()); }

int TDlgPreview::SheetPaperWidth() const { return fPaperWidth >= 0 ? fPaperWidth : fJob->Printer->PaperWidth(); }
int TDlgPreview::SheetPaperHeight() const { return fPaperHeight >= 0 ? fPaperHeight : fJob->Printer->PaperHeight(); }

QRect TDlgPreview::PageRect() const { return PreviewPageRect(SheetPaperOf(*fJob->Printer), ScreenDpi(), Zoom()); }

QRect TDlgPreview::PrintableRect() const {
  return PreviewPrintableRect(SheetPaperOf(*fJob->Printer), ScreenDpi(), Zoom());
}

bool TDlgPreview::Busy() const { return fJob->IsPrinting; }

QString TDlgPreview::PaperWarningText() {
  return QStringLiteral(
      "Papierabmessungen oder Ausrichtung stimmen nicht mit der Druckausgabe überein. Bitte überpüfen Sie ggf. die "
      "Druckereinstellungen.");
}

void TDlgPreview::PaperCheck() {
  const tExtendedPrinter& printer = *fJob->Printer;
  if (fPaperWidth >= 0 && RoundToMm(printer.PaperWidth()) != fPaperWidth / 10)
    ShowWarning(PaperWarningText());
  else if (fPaperHeight >= 0 && RoundToMm(printer.PaperHeight()) != fPaperHeight / 10)
    ShowWarning(PaperWarningText());
}

// ------------------------------------------------------------ the sheet

void TDlgPreview::SizeSheet() {
  PaintBox->resize(SheetBoxSize(SheetPaperWidth(), SheetPaperHeight(), ScreenDpi(), Zoom()));
  ScrollBox->SetRange(PaintBox->width() + 10, PaintBox->height() + 10);
  PositionSheet();
}

void TDlgPreview::PositionSheet() {
  const QPoint at = SheetPosition(PaintBox->size(), ScrollBox->viewport()->size(),
                                  QPoint(ScrollBox->horizontalScrollBar()->value(), ScrollBox->verticalScrollBar()->value()));
  if (PaintBox->pos() != at) PaintBox->move(at);
}

void TDlgPreview::RepaintSheet() { PaintBox->update(); }

void TDlgPreview::PaintSheet(QPainter& painter) {
  if (fJob->IsPrinting) return;
  const tHourGlass hourGlass;
  const int w = PaintBox->width();
  const int h = PaintBox->height();
  const QRect sheet(0, 0, w - kShadow, h - kShadow);
  // The two corners beside the shadow show the ground.
  painter.fillRect(QRect(w - kShadow, 0, kShadow, kShadow), kGround);
  painter.fillRect(QRect(0, h - kShadow, kShadow, kShadow), kGround);
  painter.fillRect(sheet, Qt::white);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(0, 0, sheet.width() - 1, sheet.height() - 1));
  painter.fillRect(QRect(kShadow, h - kShadow, w - kShadow, kShadow), Qt::black);
  painter.fillRect(QRect(w - kShadow, kShadow, kShadow, h - kShadow), Qt::black);

  if (fFailedPage != fCurrentPage) {
    painter.save();
    try {
      // Only the printable area of the paper takes ink.
      painter.setClipRect(PrintableRect() & sheet, Qt::IntersectClip);
      fJob->Recorder.StretchDrawPage(&painter, fCurrentPage, QRectF(PageRect()));
      painter.restore();
    } catch (const std::exception& e) {
      painter.restore();
      fFailedPage = fCurrentPage;
      fPaintError = ExceptionMessage(e);
      // Not from inside the paint event: the message is a window of its own.
      QTimer::singleShot(0, this, &TDlgPreview::ReportPaintError);
    }
  }
  UpdateFields();
}

void TDlgPreview::ReportPaintError() {
  if (fPaintError.isEmpty()) return;
  const QString message = fPaintError;
  fPaintError.clear();
  ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + message);
}

void TDlgPreview::UpdateFields() {
  // A repaint does not wipe out what the user is typing into an entry.
  const QString zoom = QString::number(Zoom());
  if (!EditZoom->isModified() && EditZoom->text() != zoom) EditZoom->setText(zoom);
  const QString count =
      LangText(72, QStringLiteral("(von")) + QLatin1Char(' ') + QString::number(fJob->PageCount()) + QLatin1Char(')');
  if (LblPageCount->text() != count) LblPageCount->setText(count);
  const QString page = QString::number(fCurrentPage);
  if (!EditPage->isModified() && EditPage->text() != page) EditPage->setText(page);
}

// ------------------------------------------------------------ navigation

void TDlgPreview::ShowPage(int32_t page) {
  fCurrentPage = page;
  fFailedPage = 0;
  ScrollBox->horizontalScrollBar()->setValue(1);
  ScrollBox->verticalScrollBar()->setValue(1);
  RepaintSheet();
  EditPage->setText(QString::number(fCurrentPage));  // a new page replaces what was typed
  UpdateFields();
}

void TDlgPreview::FirstPage() {
  if (!Busy()) ShowPage(1);
}

void TDlgPreview::LastPage() {
  if (!Busy()) ShowPage(std::max(1, fJob->PageCount()));
}

void TDlgPreview::PreviousPage() {
  if (!Busy() && fCurrentPage >= 2) ShowPage(fCurrentPage - 1);
}

void TDlgPreview::NextPage() {
  if (!Busy() && fCurrentPage < fJob->PageCount()) ShowPage(fCurrentPage + 1);
}

void TDlgPreview::SetZoom(int percent) {
  if (Busy()) return;
  percent = std::clamp(percent, MinZoom, MaxZoom);
  if (tPrintHost* host = PrintHost())
    host->SetPreviewZoom(percent);
  else
    fOwnZoom = percent;
  fFailedPage = 0;
  SizeSheet();
  RepaintSheet();
  EditZoom->setText(QString::number(Zoom()));
  UpdateFields();
}

void TDlgPreview::ZoomIn() { SetZoom(std::min(Zoom() / 10 * 10 + 10, static_cast<int>(MaxZoom))); }

void TDlgPreview::ZoomOut() { SetZoom(std::max(Zoom() / 10 * 10 - 10, static_cast<int>(MinZoom))); }

void TDlgPreview::EditZoomExit() {
  if (fReadingEdit || Busy()) return;
  fReadingEdit = true;
  const QString text = EditZoom->text();
  int64_t n = 0;
  if (!ParseWhole(text, n)) {
    ShowError(LangText(76, QStringLiteral("Bitte geben Sie eine ganze Zahl ein (Eingabe:")) + QLatin1Char(' ') + text +
              QStringLiteral(")."));
  } else if (n < MinZoom || n > MaxZoom) {
    ShowError(LangText(73, QStringLiteral("Der Zoomfaktor ist ungültig. Zulässiger Bereich in Prozent:")) +
              QLatin1Char('\n') + QString::number(MinZoom) + LangText(74, QStringLiteral(" bis")) + QLatin1Char(' ') +
              QString::number(MaxZoom) + LangText(75, QStringLiteral(".")));
  } else if (n != Zoom()) {
    SetZoom(static_cast<int>(n));
  }
  EditZoom->setText(QString::number(Zoom()));
  fReadingEdit = false;
}

void TDlgPreview::EditPageExit() {
  if (fReadingEdit || Busy()) return;
  fReadingEdit = true;
  const QString text = EditPage->text();
  int64_t n = 0;
  if (!ParseWhole(text, n)) {
    ShowError(LangText(76, QStringLiteral("Bitte geben Sie eine ganze Zahl ein (Eingabe:")) + QLatin1Char(' ') + text +
              QStringLiteral(")."));
  } else if (n < 1 || n > fJob->PageCount()) {
    ShowError(LangText(77, QStringLiteral("Die eingegebene Seite ist nicht vorhanden.")) + QLatin1Char('\n') +
              LangText(78, QStringLiteral("Zulässiger Bereich: 1 bis")) + QLatin1Char(' ') +
              QString::number(fJob->PageCount()) + LangText(75, QStringLiteral(".")));
  } else if (n != fCurrentPage) {
    ShowPage(static_cast<int32_t>(n));
  }
  EditPage->setText(QString::number(fCurrentPage));
  fReadingEdit = false;
}

// ------------------------------------------------------------ commands

void TDlgPreview::BtnPrintClick() {
  if (Busy()) return;
  bool printed = false;
  try {
    printed = fJob->Print(fCurrentPage);
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Drucken.\r") + ExceptionMessage(e));
  }
  if (printed)
    accept();
  else
    RepaintSheet();
}

void TDlgPreview::BtnPrnSetupClick() {
  if (Busy()) return;
  tExtendedPrinter& printer = *fJob->Printer;
  printer.SetupDialog(printer.UseMargins == 1, true);
  QCoreApplication::processEvents();
  try {
    if (OnRebuild) OnRebuild();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler bei der Druckaufbereitung.\n\r") + ExceptionMessage(e));
  }
  PaperCheck();
  if (fJob->PageCount() < fCurrentPage) fCurrentPage = 1;
  fFailedPage = 0;
  SizeSheet();
  ScrollBox->viewport()->update();
  RepaintSheet();
  UpdateFields();
}

// ------------------------------------------------------------ input

bool TDlgPreview::HandleKey(QKeyEvent* event) {
  const bool keypad = event->modifiers() & Qt::KeypadModifier;
  QScrollBar* h = ScrollBox->horizontalScrollBar();
  QScrollBar* v = ScrollBox->verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_PageUp: PreviousPage(); return true;
    case Qt::Key_PageDown: NextPage(); return true;
    case Qt::Key_Home: FirstPage(); return true;
    case Qt::Key_End: LastPage(); return true;
    case Qt::Key_Left: h->setValue(h->value() - kKeyScroll); return true;
    case Qt::Key_Right: h->setValue(h->value() + kKeyScroll); return true;
    case Qt::Key_Up: v->setValue(v->value() - kKeyScroll); return true;
    case Qt::Key_Down: v->setValue(v->value() + kKeyScroll); return true;
    case Qt::Key_Plus:
      if (!keypad) return false;
      ZoomIn();
      return true;
    case Qt::Key_Minus:
      if (!keypad) return false;
      ZoomOut();
      return true;
    default: return false;
  }
}

bool TDlgPreview::HandleWheel(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return false;  // sideways: scrolls
  // Fine-grained wheels send parts of a notch; a zoom step per notch.
  if ((delta > 0) != (fWheelDelta > 0)) fWheelDelta = 0;
  fWheelDelta += delta;
  while (fWheelDelta >= 120) {
    fWheelDelta -= 120;
    ZoomIn();
  }
  while (fWheelDelta <= -120) {
    fWheelDelta += 120;
    ZoomOut();
  }
  return true;
}

bool TDlgPreview::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      if (enter && (watched == EditZoom || watched == EditPage)) {
        if (watched == EditZoom)
          EditZoomExit();
        else
          EditPageExit();
        return true;
      }
      return HandleKey(key);
    }
    case QEvent::Wheel:
      return HandleWheel(static_cast<QWheelEvent*>(event));
    case QEvent::FocusOut: {
      // Leaving the field for another control reads it; another window
      // (such as a message) taking the focus does not.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (watched == EditZoom)
        EditZoomExit();
      else if (watched == EditPage)
        EditPageExit();
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void TDlgPreview::keyPressEvent(QKeyEvent* event) {
  if (HandleKey(event)) return;
  QDialog::keyPressEvent(event);  // Escape closes, as "Schließen" does
}

void TDlgPreview::reject() {
  if (!Busy()) QDialog::reject();
}

void TDlgPreview::closeEvent(QCloseEvent* event) {
  if (Busy()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

// ------------------------------------------------------------ showing and resizing

void TDlgPreview::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (PrintHost()) ApplyMainFont(this, nullptr);
  MinimumFromFrame();
  SizeSheet();
  UpdateFields();
}

void TDlgPreview::MinimumFromFrame() {
  const QSize frame = frameGeometry().size() - size();
  const QSize minimum(std::max(0, kMinWidth - frame.width()), std::max(0, kMinHeight - frame.height()));
  if (minimumSize() != minimum) setMinimumSize(minimum);
}

void TDlgPreview::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FormResize();
}

void TDlgPreview::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // The new size may come after the new state: look again once both are in.
  if (event->type() == QEvent::WindowStateChange) QTimer::singleShot(0, this, &TDlgPreview::FormResize);
}

void TDlgPreview::FormResize() {
  PositionSheet();
  const Qt::WindowStates state = windowState();
  if (state & Qt::WindowMaximized) {
    fWasMaximized = true;
  } else if (!(state & Qt::WindowMinimized) && fWasMaximized) {
    fWasMaximized = false;
    // After the window system has put back the normal geometry.
    QTimer::singleShot(0, this, &TDlgPreview::CentreOnScreen);
  }
  MinimumFromFrame();
  BtnClose->move(Panel->width() - BtnClose->width() - 8, BtnClose->y());
}

void TDlgPreview::CentreOnScreen() {
  const QScreen* s = screen();
  if (!s || (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))) return;
  const QRect area = s->geometry();
  const QSize outer = frameGeometry().size();
  move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
       area.y() + std::max(0, (area.height() - outer.height()) / 2));
}
