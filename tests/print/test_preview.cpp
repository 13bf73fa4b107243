// The print preview: sheet size and placement of the page, zoom and page
// navigation by buttons, keys, wheel and entry fields with their messages,
// printing and the printer setup from the preview, the quiet sheet while the
// job prints, and the window's own geometry.
//
// Runs on Qt's offscreen platform. With a private CUPS scheduler (root,
// cupsd, cups-pdf) one test also previews on a printer with unprintable
// strips; without it, the process sees no CUPS printers and that test skips.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <cstdio>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cupsfixture.h"
#include "dlgpreview.h"
#include "dlgprintersetup.h"
#include "edevexception.h"
#include "formini.h"
#include "help.h"
#include "keyboard.h"
#include "previewgeometry.h"
#include "inifile.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "printer.h"
#include "printing.h"
#include "printtesthost.h"
#include "tempdir.h"

namespace {

bool gCups = false;

// A job of `Pages` pages; every page holds a black block of 20 x 10 mm at
// its top left corner and one of 10 x 10 mm at (170, 250) mm, and between
// them a line of text, two slanted lines and a text turned upwards.
class tSampleJob : public tPrinting {
 public:
  tSampleJob(int pages, bool useMargins) : tPrinting(0, useMargins), Pages(pages) { BuildWithTestPage(); }
  void BuildPages() override {
    for (int i = 1; i <= Pages; ++i) PageNumbers.Add(i);
  }
  void RecordPage(int32_t number) override {
    ++Recorded;
    ++Depth;
    MaxDepth = std::max(MaxDepth, Depth);
    struct tLeave {
      int& depth;
      ~tLeave() { --depth; }
    } leave{Depth};
    if (OnRecord) OnRecord(number);
    Recorder.StartPage(number);
    Recorder.Pen().Color = Qt::black;
    Recorder.Brush().Color = Qt::black;
    Recorder.Rectangle(0, 0, 200, 100);
    Recorder.Rectangle(1700, 2500, 1800, 2600);
    Recorder.Font().Height = -50;
    Recorder.TextOut(300, 1200, QStringLiteral("Vorschau der Seite %1").arg(number));
    Recorder.Pen().Width = 5;
    Recorder.MoveTo(0, 1500);
    Recorder.LineTo(1600, 1700);
    Recorder.MoveTo(0, 2200);
    Recorder.LineTo(1600, 2000);
    Recorder.Font().Orientation = 900;
    Recorder.TextOut(800, 2400, QStringLiteral("aufwärts"));
    Recorder.EndPage();
  }
  // The print dialog and print run are the job's; unless RealPrint, only the
  // call counts here.
  bool Print(int32_t currentPage) override {
    PrintedPage = currentPage;
    return RealPrint ? tPrinting::Print(currentPage) : PrintAnswer;
  }

  int Pages;
  int Recorded = 0;
  std::function<void(int32_t)> OnRecord;
  std::optional<int32_t> PrintedPage;
  bool PrintAnswer = false;
  bool RealPrint = false;
  int Depth = 0;     // RecordPage calls under way
  int MaxDepth = 0;
};

class Preview : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.049")));
    fApp = std::make_unique<tPrintTestHost>(fDir.Path());
    ASSERT_NE(fApp->Printer(), nullptr);
    // A4 portrait without unprintable strips.
    fApp->Printer()->SetPrinterName(tExtendedPrinter::PdfDestinationName());
    ASSERT_EQ(fApp->Printer()->PaperWidth(), 2100);
    ASSERT_EQ(fApp->Printer()->OffsetLeft(), 0);
  }
  void TearDown() override {
    fDialog.reset();
    fJob.reset();
    fApp.reset();
  }
  // A shown preview of a fresh job at zoom `zoom`.
  TDlgPreview& Open(int pages, int zoom = 60, bool useMargins = true) {
    fApp->SetPreviewZoom(zoom);
    fJob = std::make_unique<tSampleJob>(pages, useMargins);
    fDialog = std::make_unique<TDlgPreview>(fJob.get(), -1, -1, nullptr);
    fDialog->show();
    Activate();
    return *fDialog;
  }
  // The preview is the active window again (as after a message closed).
  void Activate() {
    QApplication::setActiveWindow(fDialog.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(fDialog.get()));
  }
  template <class T>
  T* Ctl(const char* name) {
    T* control = fDialog->findChild<T*>(QString::fromLatin1(name));
    if (!control) throw std::runtime_error(std::string("no control ") + name);
    return control;
  }
  QLineEdit* EditZoom() { return Ctl<QLineEdit>("EditZoom"); }
  QLineEdit* EditPage() { return Ctl<QLineEdit>("EditPage"); }
  QWidget* PaintBox() { return Ctl<QWidget>("PaintBox"); }
  QScrollBar* VBar() { return Ctl<QAbstractScrollArea>("ScrollBox")->verticalScrollBar(); }
  QScrollBar* HBar() { return Ctl<QAbstractScrollArea>("ScrollBox")->horizontalScrollBar(); }
  // Types into an entry field as the user would and presses Enter.
  void Enter(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = fDialog->focusWidget();
    QTest::keyClick(focus ? focus : fDialog.get(), Qt::Key(key), modifiers);
  }
  QImage Sheet() { return PaintBox()->grab().toImage(); }
  static bool IsBlack(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 60; }
  static bool IsWhite(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) > 230; }

  tTempDir fDir;
  std::unique_ptr<tPrintTestHost> fApp;
  std::unique_ptr<tSampleJob> fJob;
  std::unique_ptr<TDlgPreview> fDialog;
};

// ------------------------------------------------------------ creation

TEST_F(Preview, WithoutJobItCannotBeCreated) {
  try {
    TDlgPreview dialog(nullptr, -1, -1, nullptr);
    ADD_FAILURE() << "created";
  } catch (const EDevException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Ungültiges tPrinting-Objekt (tDlgPreview.Create)."));
  }
}

TEST_F(Preview, ShowsTheFirstPageWithTheTextsOfTheLanguageFile) {
  TDlgPreview& dlg = Open(3);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Seitenvorschau"));
  EXPECT_EQ(dlg.CurrentPage(), 1);
  EXPECT_EQ(Ctl<QLabel>("LblPage")->text(), QStringLiteral("Seite"));
  EXPECT_EQ(Ctl<QLabel>("LblZoom")->text(), QStringLiteral("Zoom (%)"));
  EXPECT_EQ(Ctl<QPushButton>("BtnClose")->text(), QStringLiteral("Schließen"));
  EXPECT_EQ(Ctl<QToolButton>("BtnPrint")->toolTip(), QStringLiteral("Alle Seiten drucken"));
  EXPECT_EQ(Ctl<QToolButton>("BtnPrnSetup")->toolTip(), QStringLiteral("Drucker einrichten"));
  Sheet();
  EXPECT_EQ(EditZoom()->text(), QStringLiteral("60"));
  EXPECT_EQ(EditPage()->text(), QStringLiteral("1"));
  EXPECT_EQ(Ctl<QLabel>("LblPageCount")->text(), QStringLiteral("(von 3)"));
  EXPECT_EQ(fJob->Recorded, 1);  // only the page shown is recorded
}

TEST_F(Preview, PaperOtherThanExpectedIsReportedOnce) {
  fJob = std::make_unique<tSampleJob>(1, true);
  const QString warning = TDlgPreview::PaperWarningText();
  EXPECT_TRUE(warning.endsWith(QStringLiteral("Bitte überpüfen Sie ggf. die Druckereinstellungen.")));
  struct tCase {
    int width, height;
    bool warns;
  };
  // Compared in whole millimetres: 2109 is still 210 mm.
  for (const tCase c : {tCase{2100, 2970, false}, tCase{2109, 2979, false}, tCase{-1, -1, false},
                        tCase{2159, 2794, true}, tCase{2100, 2794, true}, tCase{-1, 2794, true}, tCase{2970, 2100, true}}) {
    tModalDriver driver;
    if (c.warns) driver.ThenClick(QStringLiteral("OK"));
    TDlgPreview dialog(fJob.get(), c.width, c.height, nullptr);
    ASSERT_EQ(driver.Seen().size(), c.warns ? 1 : 0) << c.width << " x " << c.height;
    if (c.warns) {
      EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Warnung"));
      EXPECT_EQ(driver.Seen()[0].Text, MessageDisplayText(warning));
    }
    EXPECT_TRUE(driver.Unexpected().isEmpty());
  }
}

// ------------------------------------------------------------ sheet

TEST_F(Preview, SheetIsThePaperAtTheZoomWithItsShadow) {
  TDlgPreview& dlg = Open(1, 60);
  ASSERT_EQ(dlg.ScreenDpi(), 96);
  EXPECT_EQ(PaintBox()->size(), QSize(481, 678));  // A4 at 60 %: 476 x 673 and the shadow

  // The scroll range is the sheet and 5 pixels around it.
  const QSize view = Ctl<QAbstractScrollArea>("ScrollBox")->viewport()->size();
  EXPECT_EQ(VBar()->maximum(), 678 + 10 - view.height());
  dlg.ZoomOut();  // 50 %
  EXPECT_EQ(PaintBox()->size(), QSize(396 + 5, 561 + 5));

  // The shadow lies at the right and the bottom; its corners show the ground.
  const QImage sheet = Sheet();
  const int w = sheet.width(), h = sheet.height();
  EXPECT_TRUE(IsBlack(sheet, w - 3, h / 2));
  EXPECT_TRUE(IsBlack(sheet, w / 2, h - 3));
  EXPECT_FALSE(IsBlack(sheet, w - 3, 2));
  EXPECT_FALSE(IsWhite(sheet, w - 3, 2));
  EXPECT_TRUE(IsBlack(sheet, 0, h / 2));  // outline
  EXPECT_TRUE(IsWhite(sheet, w / 2, h / 3));

  // A narrow sheet stands in the middle of the box.
  const QWidget* view2 = Ctl<QAbstractScrollArea>("ScrollBox")->viewport();
  dlg.SetZoom(10);
  EXPECT_EQ(PaintBox()->x(), (view2->width() - PaintBox()->width()) / 2);
}

TEST_F(Preview, PageLiesAtTheMarginsAtTheScaleOfThePaper) {
  // Margins 20 / 20 / 10 / 20 mm from the paper edge (the defaults).
  TDlgPreview& dlg = Open(1, 100, true);
  const QImage sheet = Sheet();
  EXPECT_EQ(dlg.PageRect(), QRect(75, 75, dlg.Pixels(2300) - 75, dlg.Pixels(3170) - 75));
  // The block at the page's corner starts at the margins ...
  EXPECT_TRUE(IsBlack(sheet, dlg.Pixels(200) + 2, dlg.Pixels(200) + 2));
  EXPECT_TRUE(IsWhite(sheet, dlg.Pixels(200) - 2, dlg.Pixels(200) + 2));
  EXPECT_TRUE(IsWhite(sheet, dlg.Pixels(400) + 2, dlg.Pixels(200) + 2));
  // ... and the one far down the page is where the printer puts it: at
  // (190, 270) mm on the paper, not squeezed by the right and bottom margins.
  EXPECT_TRUE(IsBlack(sheet, dlg.Pixels(1950), dlg.Pixels(2750)));
  EXPECT_TRUE(IsWhite(sheet, dlg.Pixels(1880), dlg.Pixels(2750)));
}

TEST_F(Preview, WithoutMarginsThePageLiesAtThePrintableArea) {
  TDlgPreview& dlg = Open(1, 100, false);
  const QImage sheet = Sheet();
  EXPECT_EQ(dlg.PageRect().topLeft(), QPoint(0, 0));
  EXPECT_TRUE(IsBlack(sheet, 20, 20));
  EXPECT_TRUE(IsWhite(sheet, dlg.Pixels(200) + 2, 20));
  EXPECT_TRUE(IsBlack(sheet, dlg.Pixels(1750), dlg.Pixels(2550)));
}

TEST_F(Preview, OnAPrinterWithStripsThePageStartsBesideThem) {
  if (!gCups) GTEST_SKIP() << "no private CUPS scheduler";
  tExtendedPrinter& printer = *fApp->Printer();
  printer.SetPrinterName(tCupsFixture::MarginQueue());  // strips 4.2 / 5.0 / 3.0 / 6.0 mm
  ASSERT_EQ(printer.OffsetLeft(), 42);
  ASSERT_EQ(printer.OffsetTop(), 50);
  printer.SetMargins(200, 200, 100, 200);

  TDlgPreview& dlg = Open(1, 100, false);
  QImage sheet = Sheet();
  const int left = dlg.Pixels(42), top = dlg.Pixels(50);
  EXPECT_EQ(dlg.PageRect().topLeft(), QPoint(left, top));
  EXPECT_EQ(dlg.PrintableRect(), QRect(left, top, dlg.Pixels(2100 - 30) - left, dlg.Pixels(2970 - 60) - top));
  EXPECT_TRUE(IsWhite(sheet, left - 3, top + 5));
  EXPECT_TRUE(IsBlack(sheet, left + 3, top + 3));
  EXPECT_TRUE(IsWhite(sheet, dlg.Pixels(242) + 3, top + 3));
  fDialog.reset();

  // With margins the strips are part of them: the page starts at 20 mm.
  Open(1, 100, true);
  sheet = Sheet();
  EXPECT_TRUE(IsWhite(sheet, fDialog->Pixels(200) - 3, fDialog->Pixels(200) + 3));
  EXPECT_TRUE(IsBlack(sheet, fDialog->Pixels(200) + 3, fDialog->Pixels(200) + 3));
}

TEST_F(Preview, APartOfTheSheetIsPaintedAsThePageWithoutClipping) {
  // The screen asks for strips when the sheet scrolls, and only what may
  // show in a strip is played back; what lies across a strip's edge must
  // come out as when the whole page is played without any clip.
  TDlgPreview& dlg = Open(1, 300);
  const QSize size = PaintBox()->size();
  QImage whole(size, QImage::Format_ARGB32_Premultiplied);
  whole.fill(Qt::white);
  {
    QPainter painter(&whole);
    fJob->Recorder.StretchDrawPage(&painter, 1, QRectF(dlg.PageRect()));
  }
  const int inner = size.width() - 7, innerHeight = size.height() - 7;  // inside the outline
  const int textTop = dlg.Pixels(200 + 1200);
  for (const QRect strip : {QRect(1, textTop + 10, inner, 15), QRect(dlg.Pixels(1000), 1, 12, innerHeight),
                            QRect(dlg.Pixels(900), dlg.Pixels(1800), 200, 300), QRect(1, dlg.Pixels(1750), 700, 9),
                            QRect(1, dlg.Pixels(2300), 1300, 9)}) {
    QImage part(size, QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::red);
    PaintBox()->render(&part, strip.topLeft(), QRegion(strip));
    // The line rasteriser may round the edge shading of a clipped run a
    // few levels differently; anything the culling left out differs by far
    // more than that.
    int inked = 0, differing = 0;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
      for (int x = strip.left(); x <= strip.right(); ++x) {
        if (std::abs(qGray(part.pixel(x, y)) - qGray(whole.pixel(x, y))) > 4) ++differing;
        if (qGray(whole.pixel(x, y)) < 128) ++inked;
      }
    EXPECT_EQ(differing, 0) << strip.x() << "," << strip.y();
    EXPECT_GT(inked, 0) << strip.x() << "," << strip.y();  // the strip crosses something
  }
}

TEST_F(Preview, NothingIsPaintedWhileTheJobPrints) {
  Open(3);
  fJob->Recorder.Clear();
  const int recorded = fJob->Recorded;
  fJob->IsPrinting = true;
  Sheet();
  EXPECT_EQ(fJob->Recorded, recorded);
  // The window does not follow the user meanwhile.
  Key(Qt::Key_PageDown);
  fDialog->ZoomIn();
  fDialog->close();
  EXPECT_EQ(fDialog->CurrentPage(), 1);
  EXPECT_EQ(fApp->PreviewZoom(), 60);
  EXPECT_TRUE(fDialog->isVisible());

  fJob->IsPrinting = false;
  Sheet();
  EXPECT_EQ(fJob->Recorded, recorded + 1);
}

TEST_F(Preview, PaintingShowsTheHourGlass) {
  Open(1);
  fJob->Recorder.Clear();
  std::optional<Qt::CursorShape> during;
  fJob->OnRecord = [&](int32_t) {
    if (const QCursor* c = QGuiApplication::overrideCursor()) during = c->shape();
  };
  Sheet();
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Preview, APageThatCannotBeRecordedIsReportedOnceAndTriedAgainLater) {
  Open(2);
  fJob->OnRecord = [](int32_t number) {
    if (number == 2) throw EDevException(QStringLiteral("Kaputt."));
  };
  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK"));
  Key(Qt::Key_PageDown);
  QTest::qWait(50);
  Sheet();
  Sheet();
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Fehler"));
  EXPECT_EQ(driver.Seen()[0].Text, MessageDisplayText(QStringLiteral("Fehler bei der Druckaufbereitung.\n\rKaputt.")));
  // The sheet is still there, empty.
  const QImage sheet = Sheet();
  EXPECT_TRUE(IsWhite(sheet, fDialog->Pixels(250), fDialog->Pixels(250)));

  fJob->OnRecord = nullptr;
  Key(Qt::Key_PageUp);
  Key(Qt::Key_PageDown);
  EXPECT_TRUE(IsBlack(Sheet(), fDialog->Pixels(250), fDialog->Pixels(250)));
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

// ------------------------------------------------------------ zoom

TEST_F(Preview, ZoomStepsGoToWholeTensWithinTheirLimits) {
  TDlgPreview& dlg = Open(1, 65);
  dlg.ZoomOut();
  EXPECT_EQ(dlg.Zoom(), 50);
  dlg.SetZoom(65);
  dlg.ZoomIn();
  EXPECT_EQ(dlg.Zoom(), 70);
  dlg.SetZoom(10);
  dlg.ZoomOut();
  EXPECT_EQ(dlg.Zoom(), 10);
  dlg.SetZoom(500);
  dlg.ZoomIn();
  EXPECT_EQ(dlg.Zoom(), 500);
  dlg.SetZoom(495);
  dlg.ZoomIn();
  EXPECT_EQ(dlg.Zoom(), 500);

  // The zoom is the application's: the next preview opens with it.
  fDialog.reset();
  Open(1, 500);
  EXPECT_EQ(fApp->PreviewZoom(), 500);
}

TEST_F(Preview, KeypadWheelAndSpinButtonZoomAlsoFromAnEntryField) {
  TDlgPreview& dlg = Open(1, 60);
  EditPage()->setFocus();
  Key(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(dlg.Zoom(), 70);
  EXPECT_EQ(EditPage()->text(), QStringLiteral("1"));  // consumed, not typed
  Key(Qt::Key_Minus, Qt::KeypadModifier);
  Key(Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(dlg.Zoom(), 50);
  // The plus key of the main block is typed.
  EditZoom()->setFocus();
  EditZoom()->end(false);
  Key(Qt::Key_Plus);
  EXPECT_EQ(EditZoom()->text(), QStringLiteral("50+"));
  EXPECT_EQ(dlg.Zoom(), 50);
  EditZoom()->setText(QStringLiteral("50"));

  auto wheel = [&](int delta) {
    const QPoint at = PaintBox()->rect().center();
    QWheelEvent event(at, PaintBox()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(PaintBox(), &event);
  };
  wheel(120);
  EXPECT_EQ(dlg.Zoom(), 60);
  wheel(-240);
  EXPECT_EQ(dlg.Zoom(), 40);
  wheel(60);  // half a notch: nothing yet
  EXPECT_EQ(dlg.Zoom(), 40);
  wheel(60);
  EXPECT_EQ(dlg.Zoom(), 50);

  Ctl<tUpDown>("BtnZoom")->UpButton()->click();
  EXPECT_EQ(dlg.Zoom(), 60);
  Ctl<tUpDown>("BtnZoom")->DownButton()->click();
  EXPECT_EQ(dlg.Zoom(), 50);
}

TEST_F(Preview, ZoomEntryIsCheckedAndBadEntriesBringTheZoomBack) {
  TDlgPreview& dlg = Open(1, 60);
  Enter(EditZoom(), QStringLiteral("120"));
  EXPECT_EQ(dlg.Zoom(), 120);
  EXPECT_EQ(PaintBox()->width(), dlg.Pixels(2100) + 5);
  EXPECT_TRUE(dlg.isVisible());  // Enter does not close the window

  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK")).ThenClick(QStringLiteral("OK")).ThenClick(QStringLiteral("OK"));
  Enter(EditZoom(), QStringLiteral("600"));
  EXPECT_EQ(dlg.Zoom(), 120);
  EXPECT_EQ(EditZoom()->text(), QStringLiteral("120"));
  Enter(EditZoom(), QStringLiteral("abc"));
  EXPECT_EQ(EditZoom()->text(), QStringLiteral("120"));
  Enter(EditZoom(), QStringLiteral("9"));
  ASSERT_EQ(driver.Seen().size(), 3);
  const QString range = MessageDisplayText(
      QStringLiteral("Der Zoomfaktor ist ungültig. Zulässiger Bereich in Prozent:\n10 bis 500."));
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Fehler"));
  EXPECT_EQ(driver.Seen()[0].Text, range);
  EXPECT_EQ(driver.Seen()[1].Text, QStringLiteral("Bitte geben Sie eine ganze Zahl ein (Eingabe: abc)."));
  EXPECT_EQ(driver.Seen()[2].Text, range);
  EXPECT_EQ(dlg.Zoom(), 120);
  EXPECT_TRUE(driver.Unexpected().isEmpty());

  // Leaving the field reads it as well.
  Activate();
  EditZoom()->setFocus();
  EditZoom()->selectAll();
  QTest::keyClicks(EditZoom(), QStringLiteral("80"));
  EditPage()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(dlg.Zoom(), 80);
}

// ------------------------------------------------------------ pages

TEST_F(Preview, PageKeysAndSpinButtonMoveThroughTheJob) {
  TDlgPreview& dlg = Open(3);
  EditPage()->setFocus();
  Key(Qt::Key_End);
  EXPECT_EQ(dlg.CurrentPage(), 3);
  EXPECT_EQ(EditPage()->text(), QStringLiteral("3"));
  Key(Qt::Key_PageDown);
  EXPECT_EQ(dlg.CurrentPage(), 3);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(dlg.CurrentPage(), 2);
  Key(Qt::Key_Home);
  EXPECT_EQ(dlg.CurrentPage(), 1);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(dlg.CurrentPage(), 1);
  Ctl<tUpDown>("BtnPage")->UpButton()->click();
  Ctl<tUpDown>("BtnPage")->UpButton()->click();
  Ctl<tUpDown>("BtnPage")->UpButton()->click();
  EXPECT_EQ(dlg.CurrentPage(), 3);
  Ctl<tUpDown>("BtnPage")->DownButton()->click();
  EXPECT_EQ(dlg.CurrentPage(), 2);
}

TEST_F(Preview, ArrowKeysScrollAndANewPageStartsAtTheTop) {
  TDlgPreview& dlg = Open(2, 200);
  ASSERT_GT(VBar()->maximum(), 100);
  ASSERT_GT(HBar()->maximum(), 100);
  EditPage()->setFocus();
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  EXPECT_EQ(VBar()->value(), 30);
  EXPECT_EQ(HBar()->value(), 15);
  EXPECT_EQ(PaintBox()->pos(), QPoint(5 - 15, 5 - 30));
  Key(Qt::Key_Up);
  Key(Qt::Key_Left);
  EXPECT_EQ(VBar()->value(), 15);
  EXPECT_EQ(HBar()->value(), 0);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(dlg.CurrentPage(), 2);
  EXPECT_EQ(VBar()->value(), 1);
  EXPECT_EQ(HBar()->value(), 1);
}

TEST_F(Preview, PageEntryIsCheckedAgainstThePageCount) {
  TDlgPreview& dlg = Open(3);
  Enter(EditPage(), QStringLiteral("3"));
  EXPECT_EQ(dlg.CurrentPage(), 3);

  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK")).ThenClick(QStringLiteral("OK")).ThenClick(QStringLiteral("OK"));
  Enter(EditPage(), QStringLiteral("4"));
  EXPECT_EQ(EditPage()->text(), QStringLiteral("3"));
  Enter(EditPage(), QStringLiteral("0"));
  Enter(EditPage(), QStringLiteral("x1"));
  EXPECT_EQ(EditPage()->text(), QStringLiteral("3"));
  EXPECT_EQ(dlg.CurrentPage(), 3);
  ASSERT_EQ(driver.Seen().size(), 3);
  const QString range =
      MessageDisplayText(QStringLiteral("Die eingegebene Seite ist nicht vorhanden.\nZulässiger Bereich: 1 bis 3."));
  EXPECT_EQ(driver.Seen()[0].Text, range);
  EXPECT_EQ(driver.Seen()[1].Text, range);
  EXPECT_EQ(driver.Seen()[2].Text, QStringLiteral("Bitte geben Sie eine ganze Zahl ein (Eingabe: x1)."));
  EXPECT_TRUE(driver.Unexpected().isEmpty());

  // A repaint keeps what is being typed; leaving the field reads it.
  Activate();
  EditPage()->setFocus();
  EditPage()->selectAll();
  QTest::keyClicks(EditPage(), QStringLiteral("1"));
  Sheet();
  EXPECT_EQ(EditPage()->text(), QStringLiteral("1"));
  EditZoom()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(dlg.CurrentPage(), 1);
}

// ------------------------------------------------------------ printing and setup

TEST_F(Preview, PrintingTheCurrentPageClosesThePreviewOnlyWhenDone) {
  TDlgPreview& dlg = Open(3);
  Key(Qt::Key_End);
  Ctl<QToolButton>("BtnPrint")->click();
  EXPECT_EQ(fJob->PrintedPage, 3);
  EXPECT_TRUE(dlg.isVisible());

  fJob->PrintAnswer = true;
  Ctl<QToolButton>("BtnPrint")->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(Preview, PrintingFromThePreviewNeverAsksThePreviewForAPage) {
  TDlgPreview& dlg = Open(3);
  const QString pdf = fDir.File(QStringLiteral("druck.pdf"));
  fApp->Printer()->SetOutputFileName(pdf);
  fJob->RealPrint = true;
  fJob->Recorder.Clear();
  int repaintsWhilePrinting = 0;
  fJob->OnRecord = [&](int32_t) {
    // Between pages the print loop lets the windows work: the preview
    // repaints (it would want page 1, which is not recorded yet).
    if (!fJob->IsPrinting) return;
    ++repaintsWhilePrinting;
    PaintBox()->repaint();
  };
  tModalDriver driver;
  driver.ThenClick(QStringLiteral("BtnOk"));
  Ctl<QToolButton>("BtnPrint")->click();
  EXPECT_EQ(repaintsWhilePrinting, 3);
  EXPECT_EQ(fJob->MaxDepth, 1);
  EXPECT_FALSE(dlg.isVisible());  // printed: the preview has done its work
  EXPECT_GT(QFileInfo(pdf).size(), 0);
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(Preview, TheJobOpensItsPreviewWithRebuildForTheSetup) {
  fJob = std::make_unique<tSampleJob>(3, true);
  tModalDriver driver;
  driver.Then([&](QWidget* window) {
    auto* preview = qobject_cast<TDlgPreview*>(window);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->CurrentPage(), 1);
    ASSERT_TRUE(preview->OnRebuild);
    fJob->Pages = 1;
    preview->OnRebuild();
    EXPECT_EQ(fJob->PageCount(), 1);
    tModalDriver::Click(window, QStringLiteral("BtnClose"));
  });
  fJob->Preview();
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Seitenvorschau"));
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(Preview, PrinterSetupRebuildsTheJobAndFallsBackToPageOne) {
  TDlgPreview& dlg = Open(3);
  int rebuilt = 0;
  dlg.OnRebuild = [&] {
    ++rebuilt;
    fJob->Pages = 2;
    fJob->Rebuild();
  };
  Key(Qt::Key_End);
  bool marginsEnabled = false;
  tModalDriver driver;
  driver.Then([&](QWidget* setup) {
    marginsEnabled = setup->findChild<QLineEdit*>(QStringLiteral("EditLeft"))->isEnabled();
    tModalDriver::Click(setup, QStringLiteral("BtnCancel"));
  });
  Ctl<QToolButton>("BtnPrnSetup")->click();
  EXPECT_EQ(driver.Seen().size(), 1);
  EXPECT_TRUE(marginsEnabled);  // the job uses the margins
  EXPECT_EQ(rebuilt, 1);
  EXPECT_EQ(dlg.CurrentPage(), 1);
  Sheet();
  EXPECT_EQ(Ctl<QLabel>("LblPageCount")->text(), QStringLiteral("(von 2)"));
  EXPECT_EQ(EditPage()->text(), QStringLiteral("1"));
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(Preview, SetupThatTurnsThePaperResizesTheSheetAndWarns) {
  fApp->SetPreviewZoom(60);
  fJob = std::make_unique<tSampleJob>(2, true);
  fDialog = std::make_unique<TDlgPreview>(fJob.get(), 2100, 2970, nullptr);
  fDialog->show();
  Key(Qt::Key_End);
  fDialog->OnRebuild = [&] { fJob->Rebuild(); };
  tModalDriver driver;
  driver.Then([&](QWidget* setup) {
    fApp->Printer()->SetOrientation(true);  // as if chosen under "Optionen"
    tModalDriver::Click(setup, QStringLiteral("BtnOk"));
  });
  driver.ThenClick(QStringLiteral("OK"));
  Ctl<QToolButton>("BtnPrnSetup")->click();
  ASSERT_EQ(driver.Seen().size(), 2);
  EXPECT_EQ(driver.Seen()[1].Text, MessageDisplayText(TDlgPreview::PaperWarningText()));
  // The job expects A4 portrait, so the sheet stays; the pages are kept.
  EXPECT_EQ(PaintBox()->size(), QSize(481, 678));
  EXPECT_EQ(fDialog->CurrentPage(), 2);
  fDialog.reset();

  // Previewed as the printer's paper, the sheet turns with it.
  Open(1, 60);
  EXPECT_EQ(PaintBox()->size(), QSize(678, 481));
}

// ------------------------------------------------------------ window

// From the keyboard: Tab reaches the print buttons, the fields and
// "Schließen", Return and Space press the button with the focus, Ctrl+P
// prints from anywhere, F1 shows the preview's page of the help.
TEST_F(Preview, EveryCommandFromTheKeyboard) {
  ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.HLP")));
  SetApplicationHelpFile(fDir.File(QStringLiteral("TAVI.HLP")));
  Open(2);
  auto* print = Ctl<QToolButton>("BtnPrint");
  EXPECT_EQ(TabChain(print).join(u' '), QStringLiteral("BtnPrint BtnPrnSetup EditZoom EditPage BtnClose"));

  const struct {
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } prints[] = {{"BtnPrint", Qt::Key_Return, Qt::NoModifier},
                {"BtnPrint", Qt::Key_Space, Qt::NoModifier},
                {"EditPage", Qt::Key_P, Qt::ControlModifier},
                {"BtnClose", Qt::Key_P, Qt::ControlModifier}};
  for (const auto& p : prints) {
    SCOPED_TRACE(p.focus);
    fJob->PrintedPage.reset();
    Ctl<QWidget>(p.focus)->setFocus();
    Key(p.key, p.modifiers);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fJob->PrintedPage.has_value(); }, 1000));
  }

  tModalDriver driver;
  driver.Then([](QWidget* w) { tModalDriver::Dismiss(w); });
  Ctl<QWidget>("BtnPrnSetup")->setFocus();
  Key(Qt::Key_Return);
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Drucker einrichten"));

  Activate();
  Key(Qt::Key_F1);
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("/61000.html"))) << qPrintable(HelpWindowSource());
  CloseHelpWindow();
  SetApplicationHelpFile(QString());
}

// Nothing stored yet: the preview opens large enough to read a page.
TEST_F(Preview, FirstPreviewCoversMostOfTheScreen) {
  TDlgPreview& dlg = Open(1);
  const QRect area = dlg.screen()->availableGeometry();
  EXPECT_GE(dlg.frameGeometry().width(), area.width() * 3 / 4);
  EXPECT_GE(dlg.frameGeometry().height(), area.height() * 85 / 100);
  EXPECT_TRUE(area.contains(dlg.frameGeometry()));

  const QSize design(532, 316);
  const QMargins frame(1, 20, 1, 1);
  const struct {
    QRect area;
    QSize size;
  } cases[] = {
      {{0, 0, 1280, 1024}, {1022, 900}},  // four fifths wide, nine tenths high, frame included
      {{0, 0, 640, 512}, {532, 439}},     // not narrower than designed
      {{0, 0, 500, 300}, {498, 279}},     // a screen smaller than the design: what it has
  };
  for (const auto& c : cases) EXPECT_EQ(FirstPreviewSize(c.area, frame, design), c.size) << c.area.width();
}

TEST_F(Preview, WindowKeepsItsMinimumCloseButtonAndStoredGeometry) {
  TDlgPreview& dlg = Open(1);
  dlg.resize(900, 600);
  QPushButton* close = Ctl<QPushButton>("BtnClose");
  EXPECT_EQ(close->x(), 900 - 89 - 8);
  dlg.resize(100, 50);
  EXPECT_GE(dlg.frameGeometry().width(), 540);
  EXPECT_GE(dlg.frameGeometry().height(), 170);
  EXPECT_EQ(close->x(), dlg.width() - 89 - 8);

  // Restored from maximised, the window comes back centred.
  dlg.resize(700, 500);
  dlg.move(0, 0);
  dlg.setWindowState(Qt::WindowMaximized);
  QTest::qWait(20);
  EXPECT_TRUE(dlg.WasMaximized());
  dlg.setWindowState(Qt::WindowNoState);
  QTest::qWait(20);
  EXPECT_FALSE(dlg.WasMaximized());
  const QRect screen = dlg.screen()->geometry();
  EXPECT_NEAR(dlg.frameGeometry().center().x(), screen.center().x(), 2);
  EXPECT_NEAR(dlg.frameGeometry().center().y(), screen.center().y(), 2);

  // Escape closes it as its button does, and the geometry is kept.
  Key(Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  const TMORLAKIniFile ini(fApp->SettingsFileName());
  const QString section = TFormIni::SectionFor(dlg.screen()->geometry().size());
  EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("TDlgPreview_Width"), 0), dlg.width());
  EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("TDlgPreview_WindowState"), 0), 2);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  // The printer with unprintable strips needs the private scheduler; without
  // it the process sees no CUPS printers at all.
  QString why;
  if (tCupsFixture::Available(&why) &&
      tCupsFixture::Start(QStringLiteral(TAVI_PRINT_TEST_DIR "/tavi-rand.ppd"), &why)) {
    gCups = true;
  } else {
    std::fprintf(stderr, "Without the test printer with strips: %s\n", qPrintable(why));
    tCupsFixture::HideScheduler();
  }
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
  }
  tCupsFixture::Stop();
  return result;
}

namespace {

// Ten previews opened and closed: each comes back exactly where the last
// one was left (the offscreen platform's 2-pixel frame would make a store
// that saves the frame but restores the client area creep).
TEST_F(Preview, ReopensExactlyWhereItWasLeft) {
  {
    TDlgPreview& dlg = Open(1);
    dlg.setGeometry(120, 90, 640, 420);
    Ctl<QPushButton>("BtnClose")->click();
    fDialog.reset();
  }
  for (int cycle = 0; cycle < 10; ++cycle) {
    SCOPED_TRACE(cycle);
    TDlgPreview& dlg = Open(1);
    EXPECT_EQ(dlg.geometry(), QRect(120, 90, 640, 420));
    Ctl<QPushButton>("BtnClose")->click();
    const QString section = TFormIni::SectionFor(dlg.screen()->geometry().size());
    EXPECT_EQ(TMORLAKIniFile(fApp->SettingsFileName()).ReadInteger(section, QStringLiteral("TDlgPreview_Left"), 0), 120);
    EXPECT_EQ(TMORLAKIniFile(fApp->SettingsFileName()).ReadInteger(section, QStringLiteral("TDlgPreview_Top"), 0), 90);
    fDialog.reset();
  }
}

}  // namespace
