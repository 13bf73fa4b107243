#include "printing.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <new>

#include "dlgpreview.h"
#include "dlgprint.h"
#include "dlgprinting.h"
#include "edevexception.h"
#include "langtext.h"
#include "mainfont.h"
#include "printhost.h"
#include "msgdlg.h"
#include "pagelist.h"
#include "printer.h"

namespace {

const QString kPrintFailed = QStringLiteral("Fehler beim Drucken.\r");

void ProcessMessages() { QCoreApplication::processEvents(); }

// Waits while the windows go on working (repaint, cancel button).
void Pause(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// The window our dialogs belong to: the modal window on top (the preview
// from which the user prints), else the main window. A window that belongs
// to the main window while the preview is modal would be blocked, and the
// progress window's cancel button with it.
QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return MainWindow();
}

// Owns a dialog for one call; a dialog its parent took along is not freed
// twice.
template <class T>
class tDialogHolder {
 public:
  explicit tDialogHolder(T* dialog) : fDialog(dialog) {}
  ~tDialogHolder() { delete fDialog.data(); }
  tDialogHolder(const tDialogHolder&) = delete;
  tDialogHolder& operator=(const tDialogHolder&) = delete;
  T* operator->() const { return fDialog.data(); }
  explicit operator bool() const { return !fDialog.isNull(); }

 private:
  QPointer<T> fDialog;
};

QString PageText() { return LangText(104, QStringLiteral("Seite")); }


}  // namespace

// ------------------------------------------------------------ construction

tPrinting::tPrinting(uint8_t orientation, bool useMargins) {
  tPrintHost* host = PrintHost();
  Printer = host ? host->Printer() : nullptr;
  if (!Printer) {
    // The message of the start-up without printer.
    const QString message =
        LangText(427, QStringLiteral("Der Drucker konnte nicht angesprochen werden.")) + u'\n' +
        LangText(428, QStringLiteral("Bitte prüfen Sie, ob ein Drucker installiert ist. Ohne Drucker sind Ausdruck "
                                     "und Druckvorschau nicht möglich."));
    throw EDevException(message, QStringLiteral("tPrinting.Create"));
  }
  JobTitle = host->GetTitle();
  HeaderTitle.clear();

  Printer->UseMargins = useMargins ? 1 : 0;
  Printer->MeasureMapMode = 2;  // 0.1 mm
  Printer->PrintMapMode = 1;    // device pixels

  Recorder.MapMode = Printer->MeasureMapMode;
  Recorder.Printer = Printer;
  Recorder.OnNeedPage = [this](int32_t number) { RecordNeededPage(number); };

  Orientation = orientation;
  Copies = 1;
  Creation = QDateTime::currentDateTime();
  WasLandscape = Printer->IsLandscape();
  ApplyOrientation();
}

tPrinting::~tPrinting() {
  // The printer belongs to the application object; leave it alone if that
  // is already gone.
  const tPrintHost* host = PrintHost();
  if (Orientation != 0 && Printer && host && host->Printer() == Printer) {
    try {
      Printer->SetOrientation(WasLandscape);
    } catch (...) {
      // Nothing sensible to do while a job goes away.
    }
  }
}

void tPrinting::ApplyOrientation() {
  if (Orientation == 1)
    Printer->SetOrientation(true);
  else if (Orientation == 2)
    Printer->SetOrientation(false);
}

void tPrinting::ClearPages() { PageNumbers.Clear(); }

void tPrinting::BuildWithTestPage() {
  ClearPages();
  Recorder.StartTestPage();
  struct tEndTestPage {
    tMetaFileRecorder& recorder;
    ~tEndTestPage() { recorder.EndTestPage(); }
  } endTestPage{Recorder};
  BuildPages();
}

void tPrinting::Rebuild() {
  Recorder.Clear();
  ClearPages();
  ApplyOrientation();
  BuildWithTestPage();
}

void tPrinting::RecordNeededPage(int32_t number) {
  try {
    RecordPage(number);
  } catch (...) {
    // Without this, the open page would refuse every later page, and a
    // half-drawn page would be shown and printed as if it were complete.
    tPage* active = Recorder.ActivePage();
    if (active && active != Recorder.TestPage()) Recorder.EndPage();
    Recorder.Clear();
    throw;
  }
}

// ---------------------------------------------------------------- measures

int32_t tPrinting::MmToPrinterPixels(int32_t value) const {
  return static_cast<int32_t>(static_cast<int64_t>(Printer->PixelsPerInchX()) * value / 254);
}

int32_t tPrinting::PageOffsetX() const {
  return Printer->UseMargins == 1 ? MmToPrinterPixels(Printer->LeftMargin()) : 0;
}

int32_t tPrinting::PageOffsetY() const {
  if (Printer->UseMargins != 1) return 0;
  // Vertical lengths in vertical pixels (the same as horizontal ones on
  // every printer Qt drives, but not by definition).
  return static_cast<int32_t>(static_cast<int64_t>(Printer->PixelsPerInchY()) * Printer->TopMargin() / 254);
}

// ------------------------------------------------------------ print dialog

bool tPrinting::Print(int32_t currentPage) {
  RangeList.Clear();
  // A second print while one runs (the preview stays usable meanwhile).
  if (IsPrinting) return false;
  if (const tPrintHost* host = PrintHost(); host && !host->MayPrint()) {
    ShowInformation(QStringLiteral("Sie besitzen keine Berechtigung zum Ausdrucken."));
    return false;
  }
  bool result = false;
  try {
    tDialogHolder<TDlgPrint> dialog(new TDlgPrint(DialogParent()));
    dialog->SetPrinterName(Printer->PrinterName());
    if (dialog->exec() == QDialog::Accepted && dialog) {
      ProcessMessages();
      Printer->SetTitle(JobTitle);
      ReverseOrder = dialog->GetReverseOrder();
      Copies = static_cast<uint8_t>(dialog->GetCopies());
      switch (const int option = dialog->GetOption()) {
        case TDlgPrint::optAll:
          result = PrintAll();
          break;
        case TDlgPrint::optPage:
          result = PrintPage(currentPage);
          break;
        case TDlgPrint::optRange:
          if (ParseRange(dialog->GetRangeText())) result = PrintRange();
          break;
        default:
          throw EDevException::Fmt(QStringLiteral("Ungültige Option %D (tPrinting.Print)."), option);
      }
      // Sets the four margins again through their setters.
      Printer->SetOrientation(Printer->IsLandscape());
    }
  } catch (const std::exception& e) {
    ShowError(kPrintFailed + ExceptionMessage(e));
    result = false;
  }
  RangeList.Clear();
  return result;
}

bool tPrinting::ParseRange(const QString& input) {
  RangeList.Clear();
  const tPageList list = ParsePageList(input, PageCount());
  for (const QString& message : list.Messages) ShowError(message);
  for (const int32_t page : list.Pages) RangeList.Add(page);
  return list.Valid();
}

// ------------------------------------------------------------- print loops

bool tPrinting::PrintPage(int32_t number) { return PrintList({number}, false); }

bool tPrinting::PrintAll() {
  std::vector<int32_t> pages;
  for (int i = 0; i < PageNumbers.Count(); ++i) pages.push_back(PageNumbers.At(i));
  return PrintList(pages, true);
}

bool tPrinting::PrintRange() {
  std::vector<int32_t> pages;
  for (int i = 0; i < RangeList.Count(); ++i) pages.push_back(RangeList.At(i));
  return PrintList(pages, true);
}

// The pages are taken as a copy: the lists may be rebuilt while the windows
// go on working between pages.
bool tPrinting::PrintList(const std::vector<int32_t>& pages, bool listLoop) {
  if (pages.empty() || IsPrinting) return false;
  IsPrinting = true;
  Cancelled = false;
  bool begun = false;
  try {
    tDialogHolder<TDlgPrinting> dialog(new TDlgPrinting(DialogParent()));
    dialog->SetDocInfo(JobTitle);
    dialog->OnCancel = [this](QObject*) { Cancel(); };
    dialog->SetMax(listLoop ? static_cast<int>(pages.size()) : 1);
    dialog->SetPosition(0);
    if (listLoop) dialog->SetPageInfo(QString());

    // The document begins before the progress window shows: on "PDF-Datei"
    // the user chooses the file first, and the window, which stays on top,
    // would hide the file dialog and its question whether to overwrite.
    // Dropping the choice of the file means no document at all.
    Printer->SetDocumentName(DocumentName.isEmpty() ? JobTitle : DocumentName);
    if (!Printer->BeginDoc()) {
      Cancelled = true;
      IsPrinting = false;
      return false;
    }
    begun = true;
    if (dialog) {
      dialog->show();
      ProcessMessages();
    }
    // A new sheet is started only for a page that follows: however the run
    // ends, the document has no blank sheet at its end.
    bool sheetUsed = false;
    const size_t count = pages.size();
    for (size_t i = 0; i < count && !Cancelled; ++i) {
      const int32_t number = pages[ReverseOrder ? count - 1 - i : i];
      if (dialog)
        dialog->SetPageInfo(PageText() + u' ' + QString::number(number) +
                            LangText(417, QStringLiteral(" wird gedruckt.")));
      ProcessMessages();
      for (int copy = 1; copy <= Copies && !Cancelled; ++copy) {
        if (sheetUsed) Printer->NewPage();
        Recorder.DrawPage(Printer->Canvas(), number, PageOffsetX(), PageOffsetY());
        sheetUsed = true;
        // The cancel button also acts between copies of one page.
        ProcessMessages();
      }
      if (listLoop && dialog) dialog->StepIt();
      ProcessMessages();
    }
    begun = false;
    if (sheetUsed)
      Printer->EndDoc();
    else
      Printer->AbortDoc();  // cancelled before the first page: nothing to send

    if (dialog) {
      dialog->BtnCancel->setEnabled(false);  // nothing left to cancel
      dialog->SetPosition(dialog->GetMax());
    }
    ProcessMessages();
    Pause(500);
    Printed = true;
    const bool result = !Cancelled;
    IsPrinting = false;
    return result;
  } catch (const std::exception& e) {
    // The begun document is dropped, so the printer can print the next one.
    if (begun) {
      try {
        Printer->AbortDoc();
      } catch (...) {
      }
    }
    IsPrinting = false;
    ShowError(kPrintFailed + ExceptionMessage(e));
    return false;
  }
}

// ----------------------------------------------------------------- preview

void tPrinting::Preview() {
  if (PageCount() < 1) {
    ShowInformation(LangText(425, QStringLiteral("Das Dokument enthält keine Seiten.")));
    return;
  }
  try {
    // The paper the printer has (-1, -1): a job has no paper of its own.
    tDialogHolder<TDlgPreview> dialog(new TDlgPreview(this, -1, -1, DialogParent()));
    dialog->OnRebuild = [this] { Rebuild(); };
    dialog->exec();
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Anzeigen des Dialogs (Druckvorschau).\r") + ExceptionMessage(e));
  }
}

// ------------------------------------------------------------ text in boxes

void tPrinting::TextCentered(const tRect& rect, const QString& text) {
  const int w = std::abs(rect.Right - rect.Left);
  const int h = std::abs(rect.Bottom - rect.Top);
  const int th = Recorder.TextHeight(text);
  const int tw = Recorder.TextWidth(text);
  const int y = rect.Top + std::abs(h - th) / 2;
  if (tw > w - 20) {
    // Too wide to centre: from 1 mm inside the box, clipped 1 mm before its
    // right edge.
    tRect box = rect;
    box.Left += 10;
    box.Right -= 10;
    Recorder.TextRect(box, box.Left, y, text);
  } else {
    Recorder.TextRect(rect, rect.Left + std::abs(w - tw) / 2, y, text);
  }
}

void tPrinting::TextLeft(const tRect& rect, int indent, const QString& text) {
  const int h = std::abs(rect.Bottom - rect.Top);
  const int th = Recorder.TextHeight(text);
  tRect box = rect;
  box.Right -= indent;
  Recorder.TextRect(box, rect.Left + indent, rect.Top + std::abs(h - th) / 2, text);
}

void tPrinting::TextRight(const tRect& rect, int indent, const QString& text) {
  const int h = std::abs(rect.Bottom - rect.Top);
  const int th = Recorder.TextHeight(text);
  tRect box = rect;
  box.Left += indent;
  Recorder.TextRect(box, rect.Right - indent, rect.Top + std::abs(h - th) / 2, text);
}

void tPrinting::SetRectBounds(tRect& rect, int left, int top, int width, int height) {
  rect = tRect{left, top, left + width, top + height};
}

void tPrinting::NextRowDown(tRect& rect, int height) {
  rect.Top = rect.Bottom;
  rect.Bottom = rect.Bottom + height;
}

void tPrinting::NextRowUp(tRect& rect, int height) {
  rect.Bottom = rect.Top;
  rect.Top = rect.Top - height;
}

void tPrinting::NextColumn(tRect& rect, int width) {
  rect.Left = rect.Right;
  rect.Right = rect.Right + width;
}

// ----------------------------------------------------------------- WrapText

void WrapText(tPrinting& job, const QString& text, int maxWidth, QStringList& lines) {
  tMetaFileRecorder& recorder = job.Recorder;
  QString rest = text;
  for (;;) {
    if (recorder.TextWidth(rest) <= maxWidth) {
      lines << rest;
      return;
    }
    // The longest start of the text that fits (widths grow with the length).
    qsizetype low = 0;                  // fits (the empty text)
    qsizetype high = rest.size() - 1;   // longest candidate; rest itself does not fit
    while (low < high) {
      const qsizetype mid = (low + high + 1) / 2;
      if (recorder.TextWidth(rest.left(mid)) <= maxWidth)
        low = mid;
      else
        high = mid - 1;
    }
    QString line = rest.left(low);
    if (line.size() <= 2) {
      lines << rest;
      return;
    }
    // Break after the last blank, hyphen or full stop, which ends the line.
    const qsizetype p = std::max({line.lastIndexOf(u' '), line.lastIndexOf(u'-'), line.lastIndexOf(u'.')}) + 1;
    if (p > 2) line.truncate(p);
    lines << line;
    rest = rest.mid(line.size());
  }
}

// --------------------------------------------------------------- tPrintingEx

tPrintingEx::tPrintingEx(uint8_t orientation, bool useMargins) : tPrinting(orientation, useMargins) {
  try {
    fPrintingPages.reserve(50);
  } catch (const std::bad_alloc&) {
    throw EDevException(LangText(426, QStringLiteral("Die Seitenliste für den Ausdruck konnte nicht angelegt werden.")),
                        QStringLiteral("tPrintingEx.Create"));
  }
}

tPrintingEx::~tPrintingEx() = default;

void tPrintingEx::ClearPages() {
  fPrintingPages.clear();
  tPrinting::ClearPages();
}

void tPrintingEx::Rebuild() {
  fPrintingPages.clear();
  tPrinting::Rebuild();
}

void tPrintingEx::AddPage(std::unique_ptr<tPrintingPage> page) {
  if (!page) return;
  const auto it = std::lower_bound(fPrintingPages.begin(), fPrintingPages.end(), page->Number,
                                   [](const std::unique_ptr<tPrintingPage>& p, int32_t n) { return p->Number < n; });
  if (it != fPrintingPages.end() && (*it)->Number == page->Number) return;
  fPrintingPages.insert(it, std::move(page));
}

tPrintingPage* tPrintingEx::FindPrintingPage(int32_t number) const {
  const auto it = std::lower_bound(fPrintingPages.begin(), fPrintingPages.end(), number,
                                   [](const std::unique_ptr<tPrintingPage>& p, int32_t n) { return p->Number < n; });
  return (it != fPrintingPages.end() && (*it)->Number == number) ? it->get() : nullptr;
}

void tPrintingEx::RecordPage(int32_t number) {
  Recorder.StartPage(number);
  if (tPrintingPage* page = FindPrintingPage(number)) page->Draw();
  Recorder.EndPage();
}
