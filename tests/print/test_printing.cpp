// Print jobs, the page frame and the print range and progress dialogs.
//
// Real documents go through the cups-pdf queue of a private scheduler and
// into the "PDF-Datei" destination; pdfinfo and pdftotext read back what
// landed (page count, paper, the text of each page in order).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "cupsfixture.h"
#include "pdfcheck.h"
#include "dlgpreview.h"
#include "dlgprint.h"
#include "dlgprinting.h"
#include "edevexception.h"
#include "keyboard.h"
#include "mainfont.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "pageframe.h"
#include "printer.h"
#include "printing.h"
#include "printtesthost.h"
#include "tempdir.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

bool gCups = false;
QString gNoCups;

#define REQUIRE_CUPS()                             \
  do {                                             \
    if (!gCups) GTEST_SKIP() << qPrintable(gNoCups); \
  } while (0)

// A report of `pages` pages; page N shows "Seite N".
class tTestJob : public tPrinting {
 public:
  explicit tTestJob(int pages, uint8_t orientation = 0) : tPrinting(orientation, true), fPages(pages) {
    BuildWithTestPage();
  }
  void BuildPages() override {
    ++Builds;
    MeasuredWhileBuilding = Recorder.TextWidth(QStringLiteral("Seite")) > 0;
    for (int i = 1; i <= fPages; ++i) PageNumbers.Add(i);
  }
  void RecordPage(int32_t number) override {
    Recorder.StartPage(number);
    Recorder.Font().Height = -80;
    Recorder.TextOut(200, 500, QStringLiteral("Seite %1").arg(number));
    ++Recordings;
    if (OnRecord) OnRecord(number);
    Recorder.EndPage();
  }
  int fPages;
  int Builds = 0;
  int Recordings = 0;
  bool MeasuredWhileBuilding = false;
  std::function<void(int32_t)> OnRecord;
};

// A report derived from another report builds its pages once more.
class tDerivedJob : public tTestJob {
 public:
  tDerivedJob() : tTestJob(3) { BuildWithTestPage(); }
};

std::vector<int32_t> Range(const tPrinting& job) {
  std::vector<int32_t> pages;
  for (int i = 0; i < job.RangeList.Count(); ++i) pages.push_back(job.RangeList.At(i));
  return pages;
}

QStringList PageTexts(std::initializer_list<int> pages) {
  QStringList texts;
  for (int p : pages) texts << QStringLiteral("Seite %1").arg(p);
  return texts;
}

// Runs action and answers each message dialog with OK; their texts.
QStringList Messages(const std::function<void()>& action) {
  tModalDriver driver;
  for (int i = 0; i < 8; ++i) driver.Then([](QWidget* w) { tModalDriver::Dismiss(w); });
  action();
  QStringList texts;
  for (const tModalDriver::tSeen& seen : driver.Seen()) texts << seen.Text;
  return texts;
}

// Prints through the print dialog, which fill sets up before OK; the
// texts of the messages that followed go to messages.
bool PrintWithDialog(tPrinting& job, const std::function<void(TDlgPrint&)>& fill, QStringList* messages = nullptr,
                     int currentPage = 1) {
  tModalDriver driver;
  bool sawDialog = false;
  driver.Then([&](QWidget* w) {
    auto* dialog = qobject_cast<TDlgPrint*>(w);
    if (!dialog) return tModalDriver::Dismiss(w);
    sawDialog = true;
    fill(*dialog);
    dialog->BtnOk->click();
  });
  for (int i = 0; i < 8; ++i) driver.Then([](QWidget* w) { tModalDriver::Dismiss(w); });
  const bool result = job.Print(currentPage);
  EXPECT_TRUE(sawDialog);
  if (messages) {
    messages->clear();
    for (qsizetype i = 1; i < driver.Seen().size(); ++i) *messages << driver.Seen()[i].Text;
  }
  return result;
}

TDlgPrinting* ProgressWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<TDlgPrinting*>(w); d && d->isVisible()) return d;
  return nullptr;
}

void Later(std::function<void()> f) { QMetaObject::invokeMethod(qApp, std::move(f), Qt::QueuedConnection); }

QString UniqueTitle(const char* what) {
  static int counter = 0;
  return QStringLiteral("TAVI_%1_%2_%3").arg(QLatin1String(what)).arg(::getpid()).arg(++counter);
}

using tPdf = tPdfFacts;

// The PDF cups-pdf made of the job titled title.
tPdf Landed(const QString& title) {
  QString error;
  const QString file = tCupsFixture::WaitForPdf(title, 60000, &error);
  EXPECT_FALSE(file.isEmpty()) << qPrintable(error);
  if (file.isEmpty()) return tPdf();
  const tPdf pdf = InspectPdf(file);
  if (qEnvironmentVariableIsEmpty("TAVI_KEEP_PDF")) QFile::remove(file);
  return pdf;
}

constexpr double kPtPerTenthMm = 72.0 / 254.0;

class PrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.049")));
    fMain = std::make_unique<QWidget>();
    fMain->setObjectName(QStringLiteral("Main"));
    SetMainWindow(fMain.get());
    fApp = std::make_unique<tPrintTestHost>(fDir.Path());
    ASSERT_NE(fApp->Printer(), nullptr);
    Printer().SetOutputFileName(OutputPdf());
  }
  void TearDown() override {
    fApp.reset();
    SetMainWindow(nullptr);
    fMain.reset();
  }
  tExtendedPrinter& Printer() { return *fApp->Printer(); }
  QString OutputPdf() const { return fDir.File(QStringLiteral("ausgabe.pdf")); }
  void UsePdfFile() { Printer().SetPrinterName(tExtendedPrinter::PdfDestinationName()); }
  void UseCupsQueue(tPrinting& job, const char* what) {
    Printer().SetPrinterName(tCupsFixture::PdfQueue());
    job.JobTitle = UniqueTitle(what);
    Printer().SetTitle(job.JobTitle);
  }

  tTempDir fDir;
  std::unique_ptr<QWidget> fMain;
  std::unique_ptr<tPrintTestHost> fApp;
};

// ------------------------------------------------------------ the job itself

TEST_F(PrintingTest, JobBuildsItsPagesWithTheTestPageAndTurnsThePrinterBack) {
  Printer().SetOrientation(false);
  Printer().UseMargins = 0;
  {
    tTestJob job(2, 1);
    EXPECT_TRUE(Printer().IsLandscape());
    EXPECT_EQ(Printer().UseMargins, 1);
    EXPECT_EQ(Printer().MeasureMapMode, 2);
    EXPECT_EQ(Printer().PrintMapMode, 1);
    EXPECT_EQ(job.JobTitle, QStringLiteral("TAVI 2.0"));
    EXPECT_EQ(job.Copies, 1);
    EXPECT_TRUE(job.MeasuredWhileBuilding);
    EXPECT_EQ(job.PageCount(), 2);
    EXPECT_EQ(job.Recorder.ActivePage(), nullptr);
    EXPECT_EQ(job.Recorder.TestPage(), nullptr);

    // A changed printer: Rebuild turns it again and builds the list anew.
    Printer().SetOrientation(false);
    job.Rebuild();
    EXPECT_TRUE(Printer().IsLandscape());
    EXPECT_EQ(job.PageCount(), 2);
    EXPECT_EQ(job.Builds, 2);
  }
  EXPECT_FALSE(Printer().IsLandscape());

  tDerivedJob derived;
  EXPECT_EQ(derived.PageCount(), 3);  // not twice
  EXPECT_EQ(derived.Recorder.TestPageCount(), 0);
}

TEST(PrintingWithoutPrinter, JobIsRefusedWithTheNoPrinterMessage) {
  tTempDir dir;
  ASSERT_TRUE(dir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.049")));
  const tPrintTestHost host(dir.Path(), false);
  ASSERT_EQ(host.Printer(), nullptr);
  try {
    tTestJob job(1);
    ADD_FAILURE() << "a job without printer was built";
  } catch (const EDevException& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Der Drucker konnte nicht angesprochen werden.\n"))) << e.what();
  }
}

TEST_F(PrintingTest, PageObjectsDrawTheirPagesAndMissingOnesGiveEmptyPages) {
  class tSheet : public tPrintingPage {
   public:
    tSheet(tPrintingEx* job, int32_t number, QString text) : tPrintingPage(job, number), fText(std::move(text)) {}
    void Draw() override { Job->Recorder.TextOut(0, 0, fText); }
    QString fText;
  };
  class tSheets : public tPrintingEx {
   public:
    tSheets() : tPrintingEx(0, true) { BuildWithTestPage(); }
    void BuildPages() override {
      for (int n : {3, 1, 2}) AddPage(std::make_unique<tSheet>(this, n, QStringLiteral("Blatt %1").arg(n)));
      AddPage(std::make_unique<tSheet>(this, 2, QStringLiteral("doppelt")));
      for (int n : {1, 2, 3, 4}) PageNumbers.Add(n);
    }
  };
  tSheets job;
  EXPECT_EQ(job.PrintingPageCount(), 3);
  QImage image(200, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  auto textsOf = [&](int32_t n) {
    job.Recorder.DrawPage(&painter, n, 0, 0);  // recorded on demand
    QStringList texts;
    for (const tDrawCmd& cmd : job.Recorder.FindPage(n)->Commands())
      if (const auto* t = std::get_if<tTextCmd>(&cmd)) texts << t->Text;
    return texts;
  };
  EXPECT_EQ(textsOf(2), QStringList{QStringLiteral("Blatt 2")});
  EXPECT_TRUE(textsOf(4).isEmpty());
  job.Rebuild();
  EXPECT_EQ(job.PrintingPageCount(), 3);
  EXPECT_EQ(job.PageCount(), 4);
  EXPECT_EQ(job.Recorder.PageCount(), 0);
  EXPECT_NE(job.FindPrintingPage(3), nullptr);
}

// --------------------------------------------------------------- page lists

// The list itself is read by ParsePageList (test_printrules); the job shows
// its messages and keeps its pages.
TEST_F(PrintingTest, TheJobShowsEveryFaultOfAPageListAndKeepsItsPages) {
  tTestJob job(12);
  bool ok = false;
  EXPECT_TRUE(Messages([&] { ok = job.ParseRange(QStringLiteral("1-3;10;2")); }).isEmpty());
  EXPECT_TRUE(ok);
  EXPECT_EQ(Range(job), (std::vector<int32_t>{1, 2, 3, 10, 2}));

  auto badChar = [](const QString& c) {
    return QStringLiteral("Ungültiges Zeichen \"%1\" in der Seitenangabe.\nErlaubt sind nur Ziffern, \"-\" und \";\".")
        .arg(c);
  };
  EXPECT_EQ(Messages([&] { ok = job.ParseRange(QStringLiteral("1a,b")); }),
            (QStringList{badChar(QStringLiteral("a")), badChar(QStringLiteral(",")), badChar(QStringLiteral("b"))}));
  EXPECT_FALSE(ok);
  EXPECT_TRUE(Range(job).empty());
}

TEST_F(PrintingTest, BadPageListInTheDialogPrintsNothing) {
  UsePdfFile();
  tTestJob job(12);
  QStringList messages;
  EXPECT_FALSE(PrintWithDialog(
      job,
      [](TDlgPrint& d) {
        d.RBtnRange->click();
        d.EditRange->setText(QStringLiteral("1,2"));
      },
      &messages));
  EXPECT_EQ(messages.size(), 1);
  EXPECT_FALSE(job.Printed);
  EXPECT_EQ(job.Recordings, 0);
  EXPECT_FALSE(QFile::exists(OutputPdf()));
  EXPECT_EQ(job.RangeList.Count(), 0);
}

// --------------------------------------------------------------- real prints

TEST_F(PrintingTest, AllPagesReachTheQueueInOrderOnA4) {
  REQUIRE_CUPS();
  tTestJob job(12);
  UseCupsQueue(job, "Alle");
  EXPECT_TRUE(PrintWithDialog(job, [](TDlgPrint&) {}));
  EXPECT_TRUE(job.Printed);
  EXPECT_FALSE(job.IsPrinting);
  const tPdf pdf = Landed(job.JobTitle);
  EXPECT_EQ(pdf.pageTexts, PageTexts({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));  // no blank sheet at the end
  EXPECT_NEAR(pdf.widthPt, 595, 1);
  EXPECT_NEAR(pdf.heightPt, 842, 1);
}

TEST_F(PrintingTest, PageListPrintsInTypedOrderAndReversed) {
  REQUIRE_CUPS();
  for (bool reverse : {false, true}) {
    SCOPED_TRACE(reverse ? "reverse" : "forwards");
    tTestJob job(12);
    UseCupsQueue(job, "Liste");
    EXPECT_TRUE(PrintWithDialog(job, [reverse](TDlgPrint& d) {
      d.RBtnRange->click();
      d.EditRange->setText(QStringLiteral("1-5;10;6"));
      d.CBoxInvertOrder->setChecked(reverse);
    }));
    EXPECT_EQ(Landed(job.JobTitle).pageTexts,
              reverse ? PageTexts({6, 10, 5, 4, 3, 2, 1}) : PageTexts({1, 2, 3, 4, 5, 10, 6}));
  }
}

TEST_F(PrintingTest, CopiesAreNotCollatedAndRepeatedPagesPrintTwice) {
  REQUIRE_CUPS();
  const struct {
    QString range;
    int copies;
    QStringList expected;
  } cases[] = {
      {QStringLiteral("1-2"), 2, PageTexts({1, 1, 2, 2})},
      {QStringLiteral("2;2"), 1, PageTexts({2, 2})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.range.toStdString());
    tTestJob job(12);
    UseCupsQueue(job, "Exemplare");
    EXPECT_TRUE(PrintWithDialog(job, [&](TDlgPrint& d) {
      d.RBtnRange->click();
      d.EditRange->setText(c.range);
      d.SEditCopies->setValue(c.copies);
    }));
    EXPECT_EQ(Landed(job.JobTitle).pageTexts, c.expected);
  }
}

TEST_F(PrintingTest, CancelDuringTheSecondOfThreeCopiesEndsTheDocumentAfterIt) {
  REQUIRE_CUPS();
  tTestJob job(1);
  UseCupsQueue(job, "Abbruch");
  job.Copies = 3;
  job.OnRecord = [&](int32_t) {
    if (job.Recordings == 1) {
      // Copy 1: have the page recorded again for copy 2, so that we get
      // control while copy 2 is being printed.
      Later([&] { job.Recorder.Clear(); });
    } else {
      // Copy 2: Abbruch, seen by the progress window while the job processes
      // the window's events.
      Later([] {
        if (TDlgPrinting* progress = ProgressWindow()) progress->BtnCancel->click();
      });
    }
  };
  EXPECT_FALSE(job.PrintPage(1));
  EXPECT_TRUE(job.Cancelled);
  EXPECT_TRUE(job.Printed);
  EXPECT_FALSE(job.IsPrinting);
  EXPECT_EQ(job.Recordings, 2);
  EXPECT_EQ(Landed(job.JobTitle).pageTexts, PageTexts({1, 1}));
}

TEST_F(PrintingTest, PdfFileGetsTheSamePagesAsTheQueue) {
  UsePdfFile();
  tTestJob job(12);
  EXPECT_TRUE(PrintWithDialog(job, [](TDlgPrint& d) {
    d.RBtnRange->click();
    d.EditRange->setText(QStringLiteral("1-5;10;6"));
    d.CBoxInvertOrder->setChecked(true);
  }));
  const tPdf pdf = InspectPdf(OutputPdf());
  EXPECT_EQ(pdf.pageTexts, PageTexts({6, 10, 5, 4, 3, 2, 1}));
  EXPECT_NEAR(pdf.widthPt, 595, 1);
  EXPECT_NEAR(pdf.heightPt, 842, 1);
}

TEST_F(PrintingTest, PagesArePlacedAtTheMarginsOrAtThePrintableArea) {
  UsePdfFile();
  Printer().SetMargins(250, 300, 100, 200);
  for (bool useMargins : {true, false}) {
    SCOPED_TRACE(useMargins ? "margins" : "printable area");
    tTestJob job(1);
    Printer().UseMargins = useMargins ? 1 : 0;
    EXPECT_TRUE(job.PrintPage(1));
    const QRectF box = PdfWordBox(OutputPdf(), QStringLiteral("Seite"));
    ASSERT_FALSE(box.isNull());
    // The text's reference point is 20 mm right of and 50 mm below the
    // page's corner.
    const double left = (useMargins ? Printer().GetLeft() : Printer().OffsetLeft()) + 200;
    const double top = (useMargins ? Printer().GetTop() : Printer().OffsetTop()) + 500;
    EXPECT_NEAR(box.left(), left * kPtPerTenthMm, 1.5);
    EXPECT_NEAR(box.top(), top * kPtPerTenthMm, 3);
  }
}

TEST_F(PrintingTest, CancelOnPageTwoOfFiveLetsItFinishAndPrintsNoMore) {
  UsePdfFile();
  tTestJob job(5);
  QString pageLine;
  int position = -1;
  bool stayedOpen = false;
  job.OnRecord = [&](int32_t n) {
    if (n != 2) return;
    Later([&] {
      TDlgPrinting* progress = ProgressWindow();
      ASSERT_NE(progress, nullptr);
      pageLine = progress->LblPageInfo->text();
      position = progress->GetPosition();
      progress->BtnCancel->click();
      stayedOpen = progress->isVisible();
    });
  };
  EXPECT_FALSE(job.PrintAll());
  EXPECT_EQ(pageLine, QStringLiteral("Seite 2 wird gedruckt."));
  EXPECT_EQ(position, 1);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(ProgressWindow(), nullptr);  // freed after the run
  EXPECT_EQ(InspectPdf(OutputPdf()).pageTexts, PageTexts({1, 2}));
}

TEST_F(PrintingTest, FailingPageAbortsTheDocumentAndTheNextRunWorks) {
  UsePdfFile();
  tTestJob job(4);
  bool fail = true;
  job.OnRecord = [&](int32_t n) {
    if (n == 3 && fail) {
      fail = false;
      throw EDevException(QStringLiteral("Seite 3 ging schief."));
    }
    if (n == 1) {
      EXPECT_FALSE(job.Print(1));  // a second print while this one runs: refused, no dialog
    }
  };
  QStringList messages = Messages([&] { EXPECT_FALSE(job.PrintAll()); });
  EXPECT_EQ(messages, QStringList{QStringLiteral("Fehler beim Drucken.\nSeite 3 ging schief.")});
  EXPECT_FALSE(job.IsPrinting);
  EXPECT_FALSE(Printer().Printing());
  EXPECT_EQ(job.Recorder.ActivePage(), nullptr);

  messages = Messages([&] { EXPECT_TRUE(job.PrintAll()); });
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join(u'|'));
  EXPECT_EQ(InspectPdf(OutputPdf()).pageTexts, PageTexts({1, 2, 3, 4}));
}

TEST_F(PrintingTest, EmptyJobHasNoPreviewAndPrintsNothing) {
  UsePdfFile();
  tTestJob job(0);
  EXPECT_EQ(Messages([&] { job.Preview(); }), QStringList{QStringLiteral("Das Dokument enthält keine Seiten.")});
  EXPECT_FALSE(job.PrintAll());
  EXPECT_FALSE(job.PrintRange());
  EXPECT_FALSE(job.Printed);
  EXPECT_FALSE(QFile::exists(OutputPdf()));
}

TEST_F(PrintingTest, PreviewPrintsItsCurrentPageAndRebuildsTheJob) {
  UsePdfFile();
  tTestJob job(3);
  bool sawPreview = false;
  tModalDriver driver;
  driver.Then([&](QWidget* w) {
    auto* preview = qobject_cast<TDlgPreview*>(w);
    if (!preview) return tModalDriver::Dismiss(w);
    sawPreview = true;
    EXPECT_EQ(preview->Job(), &job);
    if (preview->OnRebuild) preview->OnRebuild();  // as after the printer setup
    preview->NextPage();
    // The print dialog opens inside this handler, where the driver's timer
    // does not run: a timer of its own answers it.
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
      if (auto* d = qobject_cast<TDlgPrint*>(QApplication::activeModalWidget())) {
        answer.stop();
        d->RBtnPage->click();
        d->BtnOk->click();
      }
    });
    answer.start();
    preview->BtnPrintClick();
    EXPECT_FALSE(answer.isActive());
    EXPECT_FALSE(preview->isVisible());  // a successful print closes the preview
  });
  job.Preview();
  EXPECT_TRUE(sawPreview);
  EXPECT_EQ(job.Builds, 2);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << qPrintable(driver.Unexpected().join(u'|'));
  EXPECT_EQ(InspectPdf(OutputPdf()).pageTexts, PageTexts({2}));
}

TEST_F(PrintingTest, ProgressWindowOverThePreviewTakesTheMouse) {
  UsePdfFile();
  tTestJob job(5);
  job.OnRecord = [&](int32_t n) {
    if (n == 2)
      Later([] {
        // Through the window system, which holds back input to windows a
        // modal window blocks.
        if (TDlgPrinting* progress = ProgressWindow())
          QTest::mouseClick(progress->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                            progress->BtnCancel->geometry().center());
      });
  };
  tModalDriver driver;
  driver.Then([&](QWidget* w) {
    auto* preview = qobject_cast<TDlgPreview*>(w);
    if (!preview) return tModalDriver::Dismiss(w);
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
      if (auto* d = qobject_cast<TDlgPrint*>(QApplication::activeModalWidget())) {
        answer.stop();
        d->BtnOk->click();
      }
    });
    answer.start();
    preview->BtnPrintClick();
    EXPECT_TRUE(preview->isVisible());  // cancelled: the preview stays
    tModalDriver::Dismiss(preview);
  });
  job.Preview();
  EXPECT_TRUE(job.Cancelled);
  EXPECT_EQ(InspectPdf(OutputPdf()).pageTexts, PageTexts({1, 2}));
}

// ------------------------------------------------------------ text layout

TEST_F(PrintingTest, TextIsPlacedInItsBox) {
  tTestJob job(1);
  tMetaFileRecorder& rec = job.Recorder;
  rec.StartPage(1);
  rec.Font().Height = -40;
  const QString text = QStringLiteral("Mitte");
  const int tw = rec.TextWidth(text);
  const int th = rec.TextHeight(text);
  const int dy = (100 - th) / 2;
  const tRect wide{100, 200, 100 + tw + 200, 300};
  const tRect tight{100, 200, 100 + tw + 5, 300};  // less than 2 mm to spare
  job.TextCentered(wide, text);
  job.TextCentered(tight, text);
  job.TextLeft(wide, 10, text);
  rec.SetTextAlign(TA_RIGHT);
  job.TextRight(wide, 10, text);
  rec.EndPage();

  std::vector<tTextCmd> texts;
  for (const tDrawCmd& cmd : rec.FindPage(1)->Commands())
    if (const auto* t = std::get_if<tTextCmd>(&cmd)) texts.push_back(*t);
  ASSERT_EQ(texts.size(), 4u);
  // Surface coordinates: y negated.
  EXPECT_EQ(texts[0].Ref, QPoint(200, -(200 + dy)));
  EXPECT_EQ(texts[0].Clip, (tRect{100, -200, wide.Right, -300}));
  EXPECT_EQ(texts[1].Ref, QPoint(110, -(200 + dy)));  // 1 mm inside, not centred
  EXPECT_EQ(texts[1].Clip, (tRect{110, -200, tight.Right - 10, -300}));
  EXPECT_EQ(texts[2].Ref, QPoint(110, -(200 + dy)));
  EXPECT_EQ(texts[2].Clip, (tRect{100, -200, wide.Right - 10, -300}));
  EXPECT_EQ(texts[3].Ref, QPoint(wide.Right - 10, -(200 + dy)));
  EXPECT_EQ(texts[3].Clip, (tRect{110, -200, wide.Right, -300}));
  EXPECT_EQ(texts[3].Align, TA_RIGHT);
}

TEST_F(PrintingTest, WrapTextBreaksAfterBlanksHyphensAndFullStops) {
  tTestJob job(1);
  tMetaFileRecorder& rec = job.Recorder;
  rec.StartTestPage();
  auto wrap = [&](const QString& text, int width) {
    QStringList lines;
    WrapText(job, text, width, lines);
    return lines;
  };
  auto width = [&](const char* s) { return rec.TextWidth(QString::fromUtf8(s)); };
  const QString joined = QStringLiteral("Zeitstudien-Gerät");
  const QStringList broken{QStringLiteral("Zeitstudien-"), QStringLiteral("Gerät")};
  EXPECT_EQ(wrap(joined, width("Zeitstudien-") + 1), broken);
  EXPECT_EQ(wrap(joined, width("Zeitstudien-Ge")), broken);
  EXPECT_EQ(wrap(joined, width("Ze")), QStringList{joined});  // two characters: no break
  EXPECT_EQ(wrap(joined, width("Zeitstudien-Gerät")), QStringList{joined});
  EXPECT_EQ(wrap(QStringLiteral("Kosten pro Monat"), width("Kosten pro Mo")),
            (QStringList{QStringLiteral("Kosten pro "), QStringLiteral("Monat")}));
  // No break character: cut where the width ends.
  EXPECT_EQ(wrap(QStringLiteral("Planzeitkatalog"), width("Planzeit")),
            (QStringList{QStringLiteral("Planzeit"), QStringLiteral("katalog")}));

  // A paragraph: nothing lost, every line fits.
  const QString paragraph = QStringLiteral(
      "Die Zeitstudien werden mit dem Erfassungsgerät aufgenommen und am Rechner ausgewertet. Der Aufwand für "
      "Vorbereitung, Durchführung und Auswertung sinkt dadurch deutlich; Planzeiten ersetzen einen Teil der Studien.");
  const int max = width("Vorbereitung, Durchführung und");
  const QStringList lines = wrap(paragraph, max);
  EXPECT_GT(lines.size(), 4);
  EXPECT_EQ(lines.join(QString()), paragraph);
  for (const QString& line : lines) EXPECT_LE(rec.TextWidth(line), max) << qPrintable(line);
  rec.EndTestPage();
}

// ------------------------------------------------------------- page frame

class PageHeaderTest : public PrintingTest {
 protected:
  void SetUp() override {
    PrintingTest::SetUp();
    fOldLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  }
  void TearDown() override {
    QLocale::setDefault(fOldLocale);
    PrintingTest::TearDown();
  }
  // Records the header of page 3 of a 12-page job.
  const tPage& Header(tTestJob& job, int width) {
    job.Recorder.StartPage(3);
    DrawPageHeader(job, 3, width);
    job.Recorder.EndPage();
    return *job.Recorder.FindPage(3);
  }
  static const tTextCmd* Text(const tPage& page, const QString& text) {
    for (const tDrawCmd& cmd : page.Commands())
      if (const auto* t = std::get_if<tTextCmd>(&cmd); t && t->Text == text) return t;
    return nullptr;
  }
  static void SetTexts(tTestJob& job) {
    job.HeaderTitle = QStringLiteral("Musterfirma GmbH");
    job.ReportInfo = QStringLiteral("Bearbeitet von Müller");
    job.ReportTitle = QStringLiteral("Amortisation");
    job.FileName = QStringLiteral("/daten/tavi/TAVI.DAT");
    job.Creation = QDateTime(QDate(2026, 12, 7), QTime(14, 5, 33));
  }
  QLocale fOldLocale;
};

TEST_F(PageHeaderTest, HeaderRecordsLogoCellsAndTexts) {
  tTestJob job(12);
  SetTexts(job);
  const tPage& page = Header(job, 1700);
  const auto& cmds = page.Commands();
  ASSERT_GE(cmds.size(), 5u);

  // The logo first (the frames are drawn over it): 130 x 130 at (50, 60).
  const auto* logo = std::get_if<tBitmapCmd>(&cmds[0]);
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->Target, (tRect{50, -60, 180, -190}));
  const tRect cells[3] = {{0, 0, 260, -250}, {260, 0, 1440, -250}, {1440, 0, 1700, -250}};
  for (int i = 0; i < 3; ++i) {
    const auto* cell = std::get_if<tRectCmd>(&cmds[1 + i]);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->Corners, cells[i]);
    EXPECT_EQ(cell->Brush.Style, tBrushStyle::Clear);
  }
  const auto* line = std::get_if<tLineCmd>(&cmds[4]);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->From, QPoint(260, -130));
  EXPECT_EQ(line->To, QPoint(1700, -130));

  const struct {
    QString text;
    int height;
    uint8_t style;
    uint16_t align;
    tRect box;  // page coordinates
    bool centred;
  } expected[] = {
      {QStringLiteral("Musterfirma GmbH"), -40, 0, TA_LEFT, {260, 0, 1440, 65}, true},
      {QStringLiteral("Bearbeitet von Müller"), -30, fsBold, TA_LEFT, {260, 130, 1440, 190}, false},
      {QStringLiteral("/daten/tavi/"), -30, 0, TA_RIGHT, {260, 130, 1440, 190}, false},
      {QStringLiteral("Amortisation"), -40, fsBold, TA_LEFT, {260, 190, 1440, 250}, false},
      {QStringLiteral("TAVI.DAT"), -30, 0, TA_RIGHT, {260, 190, 1440, 250}, false},
      {QStringLiteral("MORLAK GmbH"), -25, 0, TA_LEFT, {1440, 0, 1700, 43}, true},
      {QStringLiteral("TAVI 2.0"), -30, 0, TA_LEFT, {1440, 43, 1700, 86}, true},
      {QStringLiteral("07.12.2026 - 14:05"), -25, 0, TA_LEFT, {1440, 86, 1700, 129}, true},
      {QStringLiteral("Seite 3 / 12"), -30, 0, TA_LEFT, {1440, 130, 1700, 250}, true},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.text.toStdString());
    const tTextCmd* t = Text(page, e.text);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Font.Name, QStringLiteral("Arial"));
    EXPECT_EQ(t->Font.Height, e.height);
    EXPECT_EQ(t->Font.Style, e.style);
    EXPECT_EQ(t->Align, e.align);
    // Vertically centred in its row.
    EXPECT_NEAR(-t->Ref.y() + (t->Ascent + t->Descent) / 2, (e.box.Top + e.box.Bottom) / 2.0, 1.5);
    if (e.centred)
      EXPECT_NEAR(t->Ref.x() + t->Width / 2, (e.box.Left + e.box.Right) / 2.0, 1.5);
    else if (e.align == TA_LEFT)
      EXPECT_EQ(t->Ref.x(), e.box.Left + 10);
    else
      EXPECT_EQ(t->Ref.x(), e.box.Right - 10);
  }
}

TEST_F(PageHeaderTest, DefaultWidthIsTheUsableWidthAndEmptyTextsStayEmpty) {
  tTestJob job(12);
  const tPage& page = Header(job, -1);
  const int w = Printer().UsableWidth();
  const auto* right = std::get_if<tRectCmd>(&page.Commands()[3]);
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(right->Corners, (tRect{w - 260, 0, w, -250}));
  QStringList shown;
  for (const tDrawCmd& cmd : page.Commands())
    if (const auto* t = std::get_if<tTextCmd>(&cmd); t && !t->Text.isEmpty()) shown << t->Text;
  EXPECT_EQ(shown.size(), 4) << qPrintable(shown.join(u'|'));  // maker, title, date, page line
}

TEST_F(PageHeaderTest, LongDirectoriesAreShortenedUnlessTheInfoLeavesNoRoom) {
  tTestJob job(12);
  SetTexts(job);
  job.FileName = QStringLiteral(
      "/home/anwender/Dokumente/Arbeitsstudien/Werk Nord/Zeitwirtschaft/Amortisation/2026/Berechnungen/TAVI.DAT");
  const tPage& page = Header(job, 1700);
  const tTextCmd* dir = nullptr;
  for (const tDrawCmd& cmd : page.Commands())
    if (const auto* t = std::get_if<tTextCmd>(&cmd); t && t->Text.contains(QStringLiteral("...")))
      dir = t;
  ASSERT_NE(dir, nullptr);
  EXPECT_TRUE(dir->Text.startsWith(QStringLiteral("/.../"))) << qPrintable(dir->Text);
  EXPECT_TRUE(dir->Text.endsWith(QStringLiteral("/2026/Berechnungen/"))) << qPrintable(dir->Text);
  const tTextCmd* info = Text(page, job.ReportInfo);
  ASSERT_NE(info, nullptr);
  EXPECT_LE(dir->Width, 1700 - 560 - info->Width + 1) << qPrintable(dir->Text);

  job.ReportInfo = QString(80, u'W');
  const tPage& crowded = Header(job, 1700);
  EXPECT_NE(Text(crowded, QStringLiteral("/home/anwender/Dokumente/Arbeitsstudien/Werk Nord/Zeitwirtschaft/"
                                         "Amortisation/2026/Berechnungen/")),
            nullptr);
}

// Long company and user names end in "…" inside their cells on portrait
// and landscape widths; every header text, descenders included, lies
// inside its cell and its clip.
TEST_F(PageHeaderTest, LongNamesAreShortenedInsideTheirCells) {
  const QString company = QStringLiteral(
      "Gesellschaft für angewandte Arbeitswissenschaft und betriebliche Zeitwirtschaft Großkopf & Söhne mbH & Co. KG, "
      "Niederlassung Süd, Abteilung Arbeitsgestaltung");
  const QString user = QStringLiteral(
      "Bearbeitet von Maximilian-Alexander Großkopf-Wüstenhagen, Leitung Arbeitsvorbereitung, Qualitätssicherung, "
      "Zeitwirtschaft und Logistik der Werke Nord, Süd und Mitte, Standort Großenhain");
  for (const int width : {1800, 2670}) {  // A4 portrait and landscape with the default margins
    SCOPED_TRACE(width);
    tTestJob job(12);
    SetTexts(job);
    job.FileName.clear();
    job.HeaderTitle = company;
    job.ReportInfo = user;
    const tPage& page = Header(job, width);
    const tRect cells[] = {{260, 0, width - 260, 130}, {260, 130, width - 260, 250}, {width - 260, 0, width, 250}};
    int shortened = 0;
    for (const tDrawCmd& cmd : page.Commands()) {
      const auto* t = std::get_if<tTextCmd>(&cmd);
      if (!t || t->Text.isEmpty()) continue;
      SCOPED_TRACE(t->Text.toStdString());
      if (t->Text.endsWith(u'\u2026')) {
        ++shortened;
        const QString head = t->Text.chopped(1);
        EXPECT_TRUE(company.startsWith(head) || user.startsWith(head));
        EXPECT_FALSE(head.endsWith(u' '));
      }
      const double left = (t->Align & TA_RIGHT) ? t->Ref.x() - t->Width : t->Ref.x();
      const double top = -t->Ref.y();
      const double right = left + t->Width, bottom = top + t->Ascent + t->Descent;
      EXPECT_TRUE(std::any_of(std::begin(cells), std::end(cells), [&](const tRect& c) {
        return left >= c.Left + 10 && right <= c.Right - 10 + 1 && top >= c.Top && bottom <= c.Bottom;
      }));
      ASSERT_TRUE(t->Clipped);
      EXPECT_GE(left, t->Clip.Left);
      EXPECT_LE(right, t->Clip.Right + 1);
      EXPECT_GE(top, -t->Clip.Top);
      EXPECT_LE(bottom, -t->Clip.Bottom);
    }
    EXPECT_EQ(shortened, 2);
  }
  // A name that fits stays as it is.
  tTestJob job(12);
  SetTexts(job);
  EXPECT_NE(Text(Header(job, 1800), QStringLiteral("Musterfirma GmbH")), nullptr);
}

TEST(ElideText, LongestBeginningThatFitsThenTheEllipsis) {
  auto tenPerChar = [](const QString& s) { return static_cast<int>(s.size()) * 10; };
  const struct {
    const char* text;
    int width;
    const char* shown;
  } cases[] = {
      {"Muster GmbH", 110, "Muster GmbH"},
      {"Muster GmbH", 100, "Muster Gm\u2026"},
      {"Muster GmbH", 80, "Muster\u2026"},  // no blank before the ellipsis
      {"Muster GmbH", 0, "\u2026"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ElideText(QString::fromUtf8(c.text), c.width, tenPerChar), QString::fromUtf8(c.shown)) << c.width;
  // A character beyond the BMP is never cut in half.
  EXPECT_EQ(ElideText(QStringLiteral("ab\U0001F600cd"), 40, tenPerChar), QStringLiteral("ab\u2026"));
}

TEST(ShortenDirectory, KeepsTheRootAndAsManyLastDirectoriesAsFit) {
  auto tenPerChar = [](const QString& s) { return static_cast<int>(s.size()) * 10; };
  const QString dir = QStringLiteral("/home/anna/projekte/tavi/daten/");
  EXPECT_EQ(ShortenDirectory(dir, 310, tenPerChar), dir);
  EXPECT_EQ(ShortenDirectory(dir, 200, tenPerChar), QStringLiteral("/.../tavi/daten/"));
  EXPECT_EQ(ShortenDirectory(dir, 105, tenPerChar), QStringLiteral(".../daten/"));
  EXPECT_EQ(ShortenDirectory(dir, 50, tenPerChar), QStringLiteral("/.../daten/"));
  EXPECT_EQ(ShortenDirectory(QStringLiteral("C:\\Programme\\MORLAK\\TAVI\\"), 150, tenPerChar),
            QStringLiteral("C:\\...\\TAVI\\"));
  EXPECT_EQ(ShortenDirectory(QStringLiteral("/daten/"), 10, tenPerChar), QStringLiteral("/daten/"));
}

TEST(HeaderDateTime, UsesTheLocaleSeparators) {
  const QLocale old;
  const QDateTime when(QDate(2026, 12, 7), QTime(14, 5));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(HeaderDateTime(when), QStringLiteral("07.12.2026 - 14:05"));
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
  EXPECT_EQ(HeaderDateTime(when), QStringLiteral("07/12/2026 - 14:05"));
  QLocale::setDefault(old);
}

TEST_F(PageHeaderTest, RenderedHeaderShowsFramesAndLogo) {
  tTestJob job(12);
  SetTexts(job);
  const tPage& page = Header(job, 1700);
  // One pixel per 0.1 mm; the top of the page.
  const QSizeF pageSize(page.FrameSize().width() / 10.0, page.FrameSize().height() / 10.0);
  QImage image(1720, 260, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    job.Recorder.StretchDrawPage(&painter, 3, QRectF(QPointF(0, 0), pageSize));
  }
  if (const QString dir = qEnvironmentVariable("TAVI_PNG_DIR"); !dir.isEmpty())
    image.save(dir + QStringLiteral("/kopfzeile.png"));
  // Ink within a pixel of (x, y).
  auto ink = [&](int x, int y) {
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) darkest = std::min(darkest, qGray(image.pixel(x + dx, y + dy)));
    return darkest < 160;
  };
  EXPECT_TRUE(ink(260, 200));   // left edge of the middle cell
  EXPECT_TRUE(ink(1440, 60));   // left edge of the right cell
  EXPECT_TRUE(ink(1699, 60));   // right edge of the header
  EXPECT_TRUE(ink(700, 130));   // the line at y 130
  EXPECT_TRUE(ink(10, 249));    // bottom of the logo cell
  EXPECT_FALSE(ink(20, 120));   // inside the logo cell, beside the logo
  EXPECT_FALSE(ink(1300, 30));  // right of the centred header title
  int logoInk = 0;
  for (int y = 60; y < 190; ++y)
    for (int x = 50; x < 180; ++x) logoInk += image.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_GT(logoInk, 2000);
}

TEST(PageFrame, LogoNeedsARecorder) {
  try {
    DrawMORLAKSymbol(nullptr, 0, 0);
    ADD_FAILURE();
  } catch (const EDevException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Ungültiger Rekorder (DrawMORLAKSymbol)."));
  }
  EXPECT_EQ(HeaderHeight(), 250);
}

// ------------------------------------------------------------------ dialogs

TEST_F(PrintingTest, PrintDialogStartsWithEverythingAndTogglesTheRangeField) {
  TDlgPrint d(fMain.get());
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Drucken"));
  EXPECT_EQ(d.size(), QSize(420, 335));
  EXPECT_TRUE(d.RBtnAll->isChecked());
  EXPECT_EQ(d.GetOption(), 0);
  EXPECT_FALSE(d.EditRange->isEnabled());
  EXPECT_TRUE(d.GetRangeText().isEmpty());
  EXPECT_EQ(d.GetCopies(), 1);
  EXPECT_FALSE(d.GetReverseOrder());
  d.SetPrinterName(QStringLiteral("TAVI_PDF"));
  EXPECT_EQ(d.LblPrinter->text(), QStringLiteral("TAVI_PDF"));

  d.show();
  QApplication::setActiveWindow(&d);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  const QColor face = d.palette().color(QPalette::Button);
  EXPECT_EQ(d.EditRange->palette().color(QPalette::Base), face);
  d.RBtnRange->click();
  EXPECT_TRUE(d.EditRange->isEnabled());
  EXPECT_TRUE(d.EditRange->hasFocus());
  EXPECT_NE(d.EditRange->palette().color(QPalette::Base), face);
  QTest::keyClicks(d.EditRange, QStringLiteral("1-3"));
  EXPECT_EQ(d.GetOption(), 2);
  d.RBtnAll->click();
  EXPECT_FALSE(d.EditRange->isEnabled());
  EXPECT_EQ(d.EditRange->palette().color(QPalette::Base), face);
  EXPECT_EQ(d.GetRangeText(), QStringLiteral("1-3"));
  d.RBtnPage->click();
  EXPECT_EQ(d.GetOption(), 1);
  EXPECT_FALSE(d.EditRange->isEnabled());
}

TEST_F(PrintingTest, PrintDialogRangeIsOneTabStopChosenWithTheArrowKeys) {
  TDlgPrint d(fMain.get());
  d.show();
  QApplication::setActiveWindow(&d);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  // The range field is disabled while "Alles" is chosen.
  EXPECT_EQ(TabChain(d.RBtnAll).join(QLatin1Char(' ')),
            QStringLiteral("RBtnAll SEditCopies CBoxInvertOrder BtnOk BtnCancel"));
  d.RBtnAll->setFocus();
  QTest::keyClick(d.RBtnAll, Qt::Key_Down);
  EXPECT_TRUE(d.RBtnPage->isChecked());
  EXPECT_TRUE(d.RBtnPage->hasFocus());
  QTest::keyClick(d.RBtnPage, Qt::Key_Down);
  EXPECT_EQ(d.GetOption(), 2);
  EXPECT_TRUE(d.EditRange->isEnabled());
  EXPECT_EQ(TabChain(d.RBtnRange).join(QLatin1Char(' ')),
            QStringLiteral("RBtnRange EditRange SEditCopies CBoxInvertOrder BtnOk BtnCancel"));
  EXPECT_EQ(TabChain(d.BtnCancel, true).join(QLatin1Char(' ')),
            QStringLiteral("BtnCancel BtnOk CBoxInvertOrder SEditCopies EditRange RBtnRange"));
  QTest::keyClick(d.RBtnRange, Qt::Key_Down);  // wraps to the first
  EXPECT_TRUE(d.RBtnAll->isChecked());
  EXPECT_FALSE(d.EditRange->isEnabled());
}

TEST_F(PrintingTest, CopiesTypedAndConfirmedWithEnterAreLimitedToOneToNinetyNine) {
  const struct {
    QString typed;
    int copies;
  } cases[] = {{QStringLiteral("0"), 1}, {QStringLiteral("-5"), 1}, {QStringLiteral("99"), 99},
               {QStringLiteral("7"), 7}, {QStringLiteral("x"), 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    TDlgPrint d(fMain.get());
    tModalDriver driver;
    driver.Then([&](QWidget*) {
      d.SEditCopies->setFocus();
      d.SEditCopies->selectAll();
      QTest::keyClick(d.SEditCopies, Qt::Key_Delete);
      QTest::keyClicks(d.SEditCopies, c.typed);
      QTest::keyClick(d.SEditCopies, Qt::Key_Return);  // OK is the default button
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_EQ(d.GetCopies(), c.copies);
    EXPECT_TRUE(driver.Unexpected().isEmpty());
  }
}

TEST_F(PrintingTest, ProgressWindowCancelsWithoutClosingAndStaysOnTop) {
  TDlgPrinting d(fMain.get());
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Druck"));
  EXPECT_EQ(d.size(), QSize(321, 113));
  EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(d.LblDocInfo->text(), QStringLiteral("Dokument wird gedruckt."));
  EXPECT_EQ(d.LblPageInfo->text(), QStringLiteral("Seite 1 wird gedruckt."));
  EXPECT_EQ(d.GetMax(), 100);

  d.BtnCancel->click();  // no handler yet: nothing happens
  int cancels = 0;
  d.OnCancel = [&](QObject* sender) {
    EXPECT_EQ(sender, &d);
    ++cancels;
  };
  d.show();
  d.BtnCancel->click();
  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_EQ(cancels, 2);
  EXPECT_TRUE(d.isVisible());
  EXPECT_FALSE(d.isModal());

  d.SetMax(5);
  d.SetPosition(2);
  d.StepIt();
  EXPECT_EQ(d.GetPosition(), 3);
  d.SetPosition(9);
  EXPECT_EQ(d.GetPosition(), 5);
  d.close();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(cancels, 2);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  // The scheduler must run before anything asks for printers.
  if (!tCupsFixture::Available(&gNoCups)) {
    std::fprintf(stderr, "CUPS cases are skipped: %s\n", qPrintable(gNoCups));
  } else {
    QString error;
    if (!tCupsFixture::Start(QStringLiteral(TAVI_PRINT_TEST_DIR "/tavi-rand.ppd"), &error)) {
      std::fprintf(stderr, "The test scheduler does not start: %s\n", qPrintable(error));
      return 1;
    }
    gCups = true;
  }
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
  }
  tCupsFixture::Stop();
  return result;
}
