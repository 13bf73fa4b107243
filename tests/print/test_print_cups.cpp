// Real documents: through the cups-pdf queues of the test scheduler and
// into the PDF file destination, checked with pdfinfo and pdftotext.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QTemporaryDir>

#include "cupsfixture.h"
#include "edevexception.h"
#include "pdfcheck.h"
#include "pdfcomplete.h"
#include "printer.h"
#include "printtestenv.h"

namespace {

constexpr double kMmToPt = 72.0 / 25.4;

// Prints `pages` pages: a marker word at the printable area's top left corner
// and a line of text 30 mm down, positioned in 0.1 mm.
void PrintPages(tExtendedPrinter& printer, int pages) {
  printer.MeasureMapMode = 2;
  printer.PrintMapMode = 1;
  ASSERT_TRUE(printer.BeginDoc());
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) printer.NewPage();
    QPainter* canvas = printer.Canvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(printer.CurrentMapMode(), 1);
    printer.SetPrnMapMode(0);  // draw in 0.1 mm
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);  // 4 mm
    canvas->setFont(font);
    canvas->drawText(QPointF(0, 40), QStringLiteral("Ecke"));
    canvas->drawText(QPointF(0, 300), QStringLiteral("Seite %1 der Prüfung für TAVI").arg(page));
    canvas->drawRect(QRectF(0, 400, 1000, 200));
    printer.SetPrnMapMode(1);
  }
  printer.EndDoc();
  EXPECT_EQ(printer.Canvas(), nullptr);
}

QString UniqueTitle(const char* what) {
  static int counter = 0;
  return QStringLiteral("TAVI_%1_%2_%3").arg(QLatin1String(what)).arg(::getpid()).arg(++counter);
}

}  // namespace

TEST(CupsPrint, PagesOfTextReachTheQueueAsAPdf) {
  REQUIRE_CUPS();
  tExtendedPrinter printer;
  printer.SetPrinterName(tCupsFixture::PdfQueue());
  const QString title = UniqueTitle("Seiten");
  printer.SetTitle(title);
  PrintPages(printer, 3);

  QString error;
  const QString pdf = tCupsFixture::WaitForPdf(title, 60000, &error);
  ASSERT_FALSE(pdf.isEmpty()) << qPrintable(error);
  const tPdfFacts facts = InspectPdf(pdf);
  EXPECT_EQ(facts.pages, 3);
  EXPECT_NEAR(facts.widthPt, 595, 1);  // A4
  EXPECT_NEAR(facts.heightPt, 842, 1);
  EXPECT_TRUE(facts.text.contains(QStringLiteral("Seite 1 der Prüfung für TAVI"))) << qPrintable(facts.text);
  EXPECT_TRUE(facts.text.contains(QStringLiteral("Seite 3 der Prüfung für TAVI")));
  if (qEnvironmentVariableIsEmpty("TAVI_KEEP_PDF")) QFile::remove(pdf);
}

TEST(CupsPrint, OutputStartsAtThePrintableAreaInBothOrientations) {
  REQUIRE_CUPS();
  tExtendedPrinter printer;
  printer.SetPrinterName(tCupsFixture::MarginQueue());
  for (bool landscape : {false, true}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    printer.SetOrientation(landscape);
    const QString title = UniqueTitle(landscape ? "Quer" : "Hoch");
    printer.SetTitle(title);
    PrintPages(printer, 1);

    QString error;
    const QString pdf = tCupsFixture::WaitForPdf(title, 60000, &error);
    ASSERT_FALSE(pdf.isEmpty()) << qPrintable(error);
    const tPdfFacts facts = InspectPdf(pdf);
    EXPECT_EQ(facts.pages, 1);
    // The queue's sheet is A4 portrait; a landscape page lies turned on it.
    EXPECT_NEAR(facts.widthPt, 595, 1);
    EXPECT_NEAR(facts.heightPt, 842, 1);
    EXPECT_TRUE(facts.text.contains(QStringLiteral("Seite 1 der Prüfung für TAVI"))) << qPrintable(facts.text);
    // The canvas origin is the corner of the printable area.
    const QRectF corner = PdfWordBox(pdf, QStringLiteral("Ecke"));
    ASSERT_FALSE(corner.isEmpty());
    if (!landscape) {
      EXPECT_NEAR(corner.left(), 4.2 * kMmToPt, 1.0);  // left strip
    } else {
      // Turned: the page's left edge is the sheet's bottom edge with its
      // 6.0 mm strip, the text runs upwards from there.
      EXPECT_GT(corner.height(), corner.width());
      EXPECT_NEAR(842 - corner.bottom(), 6.0 * kMmToPt, 1.0);
    }
    if (qEnvironmentVariableIsEmpty("TAVI_KEEP_PDF")) QFile::remove(pdf);
  }
}

TEST(CupsPrint, DocumentCallsOutOfOrderAreRefused) {
  REQUIRE_CUPS();
  tExtendedPrinter printer;
  EXPECT_THROW(printer.NewPage(), EDevException);
  EXPECT_THROW(printer.EndDoc(), EDevException);
  EXPECT_EQ(printer.Canvas(), nullptr);
  printer.SetPrinterName(QStringLiteral("PDF-Datei"));
  QTemporaryDir dir;
  printer.SetOutputFileName(dir.filePath(QStringLiteral("a.pdf")));
  ASSERT_TRUE(printer.BeginDoc());
  EXPECT_THROW((void)printer.BeginDoc(), EDevException);
  EXPECT_THROW(printer.SetPrinterName(tCupsFixture::PdfQueue()), EDevException);
  EXPECT_TRUE(printer.IsPdfDestination());
  printer.AbortDoc();
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(printer.Canvas(), nullptr);
}

TEST(CupsPrint, AnAbortedDocumentIsNotPrinted) {
  REQUIRE_CUPS();
  tExtendedPrinter printer;
  printer.SetPrinterName(tCupsFixture::PdfQueue());
  const QString dropped = UniqueTitle("Abgebrochen");
  printer.SetTitle(dropped);
  ASSERT_TRUE(printer.BeginDoc());
  printer.Canvas()->drawText(QPointF(100, 100), QStringLiteral("verworfen"));
  printer.AbortDoc();
  EXPECT_FALSE(printer.Printing());

  // The next document goes through; by then the dropped one would be there.
  const QString kept = UniqueTitle("Danach");
  printer.SetTitle(kept);
  PrintPages(printer, 1);
  QString error;
  const QString pdf = tCupsFixture::WaitForPdf(kept, 60000, &error);
  ASSERT_FALSE(pdf.isEmpty()) << qPrintable(error);
  QFile::remove(pdf);
  EXPECT_TRUE(tCupsFixture::WaitForPdf(dropped, 0, &error).isEmpty());
}

// ---- the PDF file destination (also without CUPS)

namespace {
void PrintToPdfFile() {
  tExtendedPrinter printer;
  printer.SetPrinterName(QStringLiteral("PDF-Datei"));
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("ausdruck.pdf"));
  printer.SetOutputFileName(file);
  printer.SetTitle(QStringLiteral("TAVI 2.0"));
  PrintPages(printer, 2);
  EXPECT_EQ(printer.LastOutputFile(), file);
  const tPdfFacts facts = InspectPdf(file);
  EXPECT_EQ(facts.pages, 2);
  EXPECT_NEAR(facts.widthPt, 595, 1);
  EXPECT_NEAR(facts.heightPt, 842, 1);
  EXPECT_TRUE(facts.text.contains(QStringLiteral("Seite 2 der Prüfung für TAVI")));
  EXPECT_NEAR(PdfWordBox(file, QStringLiteral("Ecke")).left(), 0, 1.0);  // no unprintable strip

  // Landscape pages are landscape in the file.
  printer.SetOrientation(true);
  PrintPages(printer, 1);
  const tPdfFacts landscape = InspectPdf(file);
  EXPECT_EQ(landscape.pages, 1);
  EXPECT_NEAR(landscape.widthPt, 842, 1);
  EXPECT_NEAR(landscape.heightPt, 595, 1);

  // A file that cannot be created is an error, not an empty success.
  printer.SetOutputFileName(dir.filePath(QStringLiteral("fehlt/ausdruck.pdf")));
  try {
    (void)printer.BeginDoc();
    ADD_FAILURE() << "no exception";
  } catch (const EDevException& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("kann nicht angelegt werden"))) << qPrintable(e.Message());
  }
  EXPECT_FALSE(printer.Printing());
}

void CancelledFileChoicePrintsNothing() {
  tExtendedPrinter printer;
  printer.SetPrinterName(QStringLiteral("PDF-Datei"));
  printer.SetTitle(QStringLiteral("TAVI 2.0"));
  QString proposed;
  tModalDriver driver;
  driver.Then([&proposed](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles().value(0);
        dialog->reject();
      });
  EXPECT_FALSE(printer.BeginDoc());
  EXPECT_DRIVER_DONE(driver);
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(printer.Canvas(), nullptr);
  EXPECT_TRUE(proposed.endsWith(QStringLiteral("TAVI 2.0.pdf"))) << qPrintable(proposed);
}
}  // namespace

TEST(PdfFile, PagesLandInTheChosenFile) { PrintToPdfFile(); }
TEST(NoCups, PagesLandInTheChosenFile) { PrintToPdfFile(); }
TEST(PdfFile, CancelledFileChoicePrintsNothing) { CancelledFileChoicePrintsNothing(); }

TEST(PdfFile, AnOldFileStaysUntilTheNewOneIsWholeAndProtectedFilesAreRefused) {
  tExtendedPrinter printer;
  printer.SetPrinterName(QStringLiteral("PDF-Datei"));
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("alt.pdf"));
  QFile old(file);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
  old.close();
  printer.SetOutputFileName(file);
  ASSERT_TRUE(printer.BeginDoc());
  printer.Canvas()->drawText(QPointF(100, 100), QStringLiteral("verworfen"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // the old file and the one being written
  printer.AbortDoc();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.pdf")});
  QFile kept(file);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("alt"));

  printer.SetProtectedFiles({QFile::encodeName(file).toStdString()});
  try {
    (void)printer.BeginDoc();
    ADD_FAILURE() << "no exception";
  } catch (const EDevException& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("des Programms; sie wird nicht überschrieben"))) << qPrintable(e.Message());
  }
  EXPECT_FALSE(printer.Printing());
}

TEST(PdfFile, OnlyAWholeFileCountsAsComplete) {
  tExtendedPrinter printer;
  printer.SetPrinterName(QStringLiteral("PDF-Datei"));
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("ganz.pdf"));
  printer.SetOutputFileName(file);
  PrintPages(printer, 3);
  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray whole = pdf.readAll();
  const qsizetype middle = whole.size() / 2;
  const struct {
    const char* what;
    QByteArray bytes;
    bool complete;
  } cases[] = {
      {"whole", whole, true},
      {"last byte missing", whole.left(whole.size() - 1), false},
      {"cut in half", whole.left(middle), false},
      {"a block lost in the middle", whole.left(middle) + whole.mid(middle + 4096), false},
      {"a byte too many in the middle", whole.left(middle) + "x" + whole.mid(middle), false},
      {"the end only", whole.mid(whole.size() - 2000), false},
      {"empty", QByteArray(), false},
  };
  for (const auto& c : cases) {
    const QString name = dir.filePath(QString::fromLatin1(c.what));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.bytes) == c.bytes.size());
    f.close();
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY);
    EXPECT_EQ(PdfIsComplete(fd), c.complete) << c.what;
    ::close(fd);
  }
}
TEST(NoCups, CancelledFileChoicePrintsNothing) { CancelledFileChoicePrintsNothing(); }
