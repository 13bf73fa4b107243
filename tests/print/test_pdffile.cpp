// Printing to "PDF-Datei" when the user chooses the file: the name offered
// and the question whether to overwrite a file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "dlgprinting.h"
#include "mainfont.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "pdfcheck.h"
#include "pdfname.h"
#include "printer.h"
#include "printing.h"
#include "printtesthost.h"
#include "tempdir.h"

namespace {

TEST(PdfName, FileNamesOfDocuments) {
  const struct {
    const char* report;
    const char* company;
    const char* file;
  } cases[] = {
      {"Amortisations-Tabelle", "Muster GmbH", "Amortisations-Tabelle Muster GmbH.pdf"},
      {"Amortisations-Grafik", "", "Amortisations-Grafik.pdf"},
      {"Gesamtübersicht", "  Müller  &  Söhne ", "Gesamtübersicht Müller & Söhne.pdf"},
      {"Amortisations-Tabelle", "A/B: C?*", "Amortisations-Tabelle A_B_ C__.pdf"},
      {"Amortisations-Tabelle", "Werk \\ Halle <3>|\"x\"\t", "Amortisations-Tabelle Werk _ Halle _3___x_.pdf"},
      {"Amortisations-Tabelle", "Muster GmbH.", "Amortisations-Tabelle Muster GmbH.pdf"},
      {"", "...", "Ausdruck.pdf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.company);
    EXPECT_EQ(PdfFileName(PdfDocumentName(QString::fromUtf8(c.report), QString::fromUtf8(c.company))),
              QString::fromUtf8(c.file));
  }
  // A company name of 255 characters still gives a name a file system takes.
  const QString longName = PdfFileName(PdfDocumentName(QStringLiteral("Gesamtübersicht"), QString(255, u'ä')));
  EXPECT_LE(longName.toUtf8().size(), 255);
  EXPECT_TRUE(longName.endsWith(QStringLiteral("ää.pdf")));
}

// A one-page job with a document name, as the reports have.
class tNamedJob : public tPrinting {
 public:
  explicit tNamedJob(const QString& name) : tPrinting(0, true) {
    DocumentName = name;
    BuildWithTestPage();
  }
  void BuildPages() override { PageNumbers.Add(1); }
  void RecordPage(int32_t number) override {
    Recorder.StartPage(number);
    Recorder.TextOut(200, 500, QStringLiteral("Seite %1").arg(number));
    Recorder.EndPage();
  }
};

class PdfFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    fHome = qgetenv("HOME");
    fXdgConfig = qgetenv("XDG_CONFIG_HOME");
    // The documents folder of a user of our own.
    qputenv("HOME", QFile::encodeName(fUser.Path()));
    qunsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(fDir.CopyIn(QStringLiteral(TAVI_TEST_BIN_DIR "/TAVI.049")));
    fMain = std::make_unique<QWidget>();
    SetMainWindow(fMain.get());
    fApp = std::make_unique<tPrintTestHost>(fDir.Path());
    ASSERT_NE(fApp->Printer(), nullptr);
    fApp->Printer()->SetPrinterName(tExtendedPrinter::PdfDestinationName());
    fApp->Printer()->SetOutputFileName(QString());  // ask the user
  }
  void TearDown() override {
    fApp.reset();
    SetMainWindow(nullptr);
    fMain.reset();
    qputenv("HOME", fHome);
    if (fXdgConfig.isEmpty())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", fXdgConfig);
  }

  static QLineEdit* FileNameEdit(QWidget* dialog) { return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }
  // The file the dialog offers.
  static QString Offered(QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    if (!dialog || !FileNameEdit(dialog)) return QString();
    return QDir(dialog->directory()).filePath(FileNameEdit(dialog)->text());
  }

  tTempDir fUser, fDir;
  QByteArray fHome, fXdgConfig;
  std::unique_ptr<QWidget> fMain;
  std::unique_ptr<tPrintTestHost> fApp;
};

// The first PDF is offered in the documents folder under the report and
// the company. A file that exists brings the question whether to replace
// it before the progress window, which stays on top of everything, and it
// is answered from the keyboard. The next PDF, of another report, is
// offered in the folder chosen then.
TEST_F(PdfFileTest, OfferedNameAndTheOverwriteQuestion) {
  const tTempDir elsewhere;
  const QString target = elsewhere.File(QStringLiteral("alt.pdf"));
  ASSERT_TRUE(elsewhere.Write(QStringLiteral("alt.pdf"), "alt"));
  QString first, second;
  bool asked = false, progressShown = true, questionActive = false;
  tModalDriver driver;
  driver.Then([&](QWidget* dialog) {
    first = Offered(dialog);
    // The question opens inside the file dialog: a timer of its own answers.
    // Once it has the keyboard (at most 3 s), its "Yes" by the access key.
    QTimer answer;
    answer.setInterval(10);
    int ticks = 0;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || (!box->isActiveWindow() && ++ticks < 300)) return;
      answer.stop();
      asked = true;
      progressShown = false;
      for (QWidget* w : QApplication::topLevelWidgets()) progressShown |= qobject_cast<TDlgPrinting*>(w) && w->isVisible();
      questionActive = box->isActiveWindow();
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      const QKeySequence key = QKeySequence::mnemonic(yes->text());
      QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key[0].key(), key[0].keyboardModifiers());
      if (!questionActive) yes->click();  // the check fails; the test goes on
    });
    answer.start();
    FileNameEdit(dialog)->setText(target);
    QTest::keyClick(FileNameEdit(dialog), Qt::Key_Return);
  });
  driver.Then([&](QWidget* dialog) {
    second = Offered(dialog);
    tModalDriver::Dismiss(dialog);  // cancelled: nothing printed
  });
  tNamedJob table(PdfDocumentName(QStringLiteral("Amortisations-Tabelle"), QStringLiteral("Muster GmbH")));
  EXPECT_TRUE(table.PrintAll());
  tNamedJob graph(PdfDocumentName(QStringLiteral("Amortisations-Grafik"), QStringLiteral("Muster GmbH")));
  EXPECT_FALSE(graph.PrintAll());
  EXPECT_EQ(first, fUser.File(QStringLiteral("Documents/Amortisations-Tabelle Muster GmbH.pdf")));
  EXPECT_EQ(second, elsewhere.File(QStringLiteral("Amortisations-Grafik Muster GmbH.pdf")));
  EXPECT_TRUE(asked);
  EXPECT_FALSE(progressShown);
  EXPECT_TRUE(questionActive);
  EXPECT_EQ(InspectPdf(target).pageTexts, QStringList{QStringLiteral("Seite 1")});
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

}  // namespace
