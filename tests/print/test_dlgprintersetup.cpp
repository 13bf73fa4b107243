// The printer setup dialog: layout, margin entries, spinners, OK / Abbruch
// and the printer options behind "Optionen".
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <QToolButton>

#include "cupsfixture.h"
#include "dlgprinteroptions.h"
#include "dlgprintersetup.h"
#include "edevexception.h"
#include "numfmt.h"
#include "printer.h"
#include "printtestenv.h"

namespace {

const QString kNotANumberTop = QStringLiteral(
    "Keine gültige Zahl: \"abc\"\nDie Eingabe für den oberen Rand wurde nicht übernommen.");
const QString kOutsideTop = QStringLiteral(
    "Der Wert liegt außerhalb des bedruckbaren Bereichs. Die Eingabe für den oberen Rand wurde nicht übernommen.");
const QString kSpinnerRejected =
    QStringLiteral("Dieser Randwert liegt außerhalb des bedruckbaren Bereichs und wurde nicht übernommen.");

// The dialog shown (not modal) on the printer with the strips 42/50/30/60
// and the margins 200/200/100/200, German decimal separator.
struct SetupDialog : ::testing::Test {
  void SetUp() override {
    REQUIRE_CUPS();
    SetDecimalSeparator(",");
    printer = std::make_unique<tExtendedPrinter>();
    printer->SetPrinterName(tCupsFixture::MarginQueue());
    printer->SetMargins(200, 200, 100, 200);
    Open(true, true);
  }
  void TearDown() override {
    dialog.reset();
    SetDecimalSeparator(".");
  }
  void Open(bool margins, bool settings) {
    dialog = std::make_unique<tDlgPrinterSetup>(margins, printer.get(), settings);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  }
  template <class T>
  T* Child(const char* name) {
    T* child = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QLineEdit* Edit(const char* name) { return Child<QLineEdit>(name); }
  QToolButton* Arrow(const char* spinner, const char* which) {
    return Child<tUpDown>(spinner)->findChild<QToolButton*>(QString::fromLatin1(which));
  }
  // Types into an entry (replacing its text) without pressing Enter.
  void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  void Enter(QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Return); }

  std::unique_ptr<tExtendedPrinter> printer;
  std::unique_ptr<tDlgPrinterSetup> dialog;
};

}  // namespace

TEST(SetupDialogCreate, WithoutPrinterIsRefused) {
  try {
    tDlgPrinterSetup dialog(true, nullptr, true);
    ADD_FAILURE() << "no exception";
  } catch (const EDevException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Ungültiger Drucker (tDlgPrinterSetup.Create)."));
  }
}

TEST_F(SetupDialog, ShowsTheDesignedFormWithThePrintersValues) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Drucker einrichten"));
  EXPECT_EQ(dialog->size(), QSize(427, 264));
  EXPECT_EQ(dialog->property("HelpContext").toInt(), 61200);
  EXPECT_EQ(Child<QGroupBox>("GBoxPrinter")->title(), QStringLiteral(" Drucker "));
  EXPECT_EQ(Child<QGroupBox>("GBoxOffset")->title(), QStringLiteral(" &Ränder "));
  EXPECT_EQ(Child<QGroupBox>("GBoxOffset")->geometry(), QRect(8, 72, 297, 185));
  EXPECT_EQ(Child<QLabel>("LblPrinter")->text(), tCupsFixture::MarginQueue());
  EXPECT_EQ(Child<QPushButton>("BtnCancel")->text(), QStringLiteral("&Abbruch"));
  EXPECT_EQ(Child<QPushButton>("BtnSettings")->text(), QStringLiteral("Optionen"));
  EXPECT_EQ(Child<QPushButton>("BtnSettings")->geometry(), QRect(334, 88, 89, 25));
  EXPECT_EQ(Child<QPushButton>("BtnOk")->geometry().topLeft(), QPoint(334, 16));
  EXPECT_EQ(Edit("EditTop")->geometry(), QRect(120, 20, 49, 21));
  EXPECT_EQ(Edit("EditBottom")->geometry(), QRect(120, 149, 49, 21));
  EXPECT_EQ(Edit("EditLeft")->maxLength(), 5);
  EXPECT_EQ(Arrow("SpLeft", "Up")->autoRepeatDelay(), 500);
  EXPECT_TRUE(Arrow("SpLeft", "Down")->autoRepeat());

  EXPECT_EQ(Edit("EditLeft")->text(), QStringLiteral("2,00"));
  EXPECT_EQ(Edit("EditTop")->text(), QStringLiteral("2,00"));
  EXPECT_EQ(Edit("EditRight")->text(), QStringLiteral("1,00"));
  EXPECT_EQ(Edit("EditBottom")->text(), QStringLiteral("2,00"));
  EXPECT_TRUE(Child<QLabel>("ImgOffsetsP")->isVisible());
  EXPECT_FALSE(Child<QLabel>("ImgOffsetsL")->isVisible());

  printer->SetOrientation(true);
  Open(false, false);
  EXPECT_FALSE(Child<QLabel>("ImgOffsetsP")->isVisible());
  EXPECT_TRUE(Child<QLabel>("ImgOffsetsL")->isVisible());
  EXPECT_FALSE(Edit("EditTop")->isEnabled());
  EXPECT_FALSE(Child<tUpDown>("SpTop")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>("BtnSettings")->isEnabled());
}

TEST(SetupDialogFormat, CentimetresWithTheUsersSeparator) {
  SetDecimalSeparator(",");
  EXPECT_EQ(tDlgPrinterSetup::FormatOffset(200), QStringLiteral("2,00"));
  EXPECT_EQ(tDlgPrinterSetup::FormatOffset(42), QStringLiteral("0,42"));
  EXPECT_EQ(tDlgPrinterSetup::FormatOffset(1234), QStringLiteral("12,34"));
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("1,5")), 150);
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral(" 2 ")), 200);
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral(",5")), 50);
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("0,125")), 12);  // halves to even
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("0,375")), 38);
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("-1")), -100);
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("1e3")), 100000);
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("9e99")), INT64_MAX);
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("1e-999")), 0);
  for (const char* bad : {"abc", "", "1.5", "1,5,", "1,,5", "inf", "nan", "0x10", "1 5"})
    EXPECT_FALSE(tDlgPrinterSetup::ParseOffset(QString::fromLatin1(bad)).has_value()) << bad;
  SetDecimalSeparator(".");
  EXPECT_EQ(tDlgPrinterSetup::FormatOffset(200), QStringLiteral("2.00"));
  EXPECT_EQ(tDlgPrinterSetup::ParseOffset(QStringLiteral("1.5")), 150);
  EXPECT_FALSE(tDlgPrinterSetup::ParseOffset(QStringLiteral("1,5")).has_value());
}

TEST_F(SetupDialog, EnterTakesTheEntryOverAndKeepsTheDialogOpen) {
  QLineEdit* top = Edit("EditTop");
  Type(top, QStringLiteral("1,5"));
  Enter(top);
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideTop), 150);
  EXPECT_EQ(top->text(), QStringLiteral("1,50"));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(printer->GetTop(), 200);  // the printer changes only with OK
}

TEST_F(SetupDialog, WrongEntriesAreRefusedWithTheirMessageAndTheOldValueComesBack) {
  QLineEdit* top = Edit("EditTop");
  QString message;
  {
    tModalDriver driver;
    AnswerMessage(driver, &message);
    Type(top, QStringLiteral("abc"));
    Enter(top);
    EXPECT_DRIVER_DONE(driver);
  }
  EXPECT_EQ(message, kNotANumberTop);
  EXPECT_EQ(top->text(), QStringLiteral("2,00"));
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideTop), 200);

  {
    tModalDriver driver;
    AnswerMessage(driver, &message);
    Type(top, QStringLiteral("30"));  // beyond the 286 mm high printable area
    Enter(top);
    EXPECT_DRIVER_DONE(driver);
  }
  EXPECT_EQ(message, kOutsideTop);
  EXPECT_EQ(top->text(), QStringLiteral("2,00"));

  {
    tModalDriver driver;
    AnswerMessage(driver, &message);
    Type(Edit("EditLeft"), QStringLiteral("0,3"));  // inside the 4.2 mm strip
    Enter(Edit("EditLeft"));
    EXPECT_DRIVER_DONE(driver);
  }
  EXPECT_EQ(message, QStringLiteral("Der Wert liegt außerhalb des bedruckbaren Bereichs. Die Eingabe für den linken "
                                    "Rand wurde nicht übernommen."));
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 200);
}

TEST_F(SetupDialog, LeavingAnEntryTakesItOverExceptTowardsOkAndAbbruch) {
  QLineEdit* left = Edit("EditLeft");
  Type(left, QStringLiteral("3"));
  Edit("EditTop")->setFocus();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 300);
  EXPECT_EQ(left->text(), QStringLiteral("3,00"));

  Type(left, QStringLiteral("abc"));
  Child<QPushButton>("BtnCancel")->setFocus();  // no message
  EXPECT_EQ(left->text(), QStringLiteral("abc"));
  Type(left, QStringLiteral("4"));
  Child<QPushButton>("BtnOk")->setFocus();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 300);

  // Towards any other control the entry is read.
  Type(left, QStringLiteral("4"));
  Child<QPushButton>("BtnSettings")->setFocus();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 400);
}

TEST_F(SetupDialog, SpinnersStepInMillimetresButNotIntoTheStrip) {
  printer->SetLeft(47);
  Open(true, true);
  Arrow("SpLeft", "Up")->click();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 50);
  EXPECT_EQ(Edit("EditLeft")->text(), QStringLiteral("0,50"));

  Open(true, true);  // 47 again
  QToolButton* up = Arrow("SpLeft", "Up");
  QToolButton* down = Arrow("SpLeft", "Down");
  down->click();  // (47 div 10) * 10 - 10 = 30 is inside the 42 strip
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 42);
  down->click();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 42);
  up->click();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 50);

  // A value typed but not yet taken over is where the step starts.
  Type(Edit("EditLeft"), QStringLiteral("1,23"));
  up->click();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideLeft), 130);
}

TEST_F(SetupDialog, SpinnerBeyondThePrintableAreaIsRefused) {
  // Top at the largest value the page allows with a bottom margin of 200.
  const int32_t largest = printer->OffsetTop() + printer->PrintableHeight() - printer->BottomMargin();
  printer->SetTop(largest);
  Open(true, true);
  QString message;
  tModalDriver driver;
  AnswerMessage(driver, &message);
  Arrow("SpTop", "Up")->click();
  EXPECT_DRIVER_DONE(driver);
  EXPECT_EQ(message, kSpinnerRejected);
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideTop), largest);
  EXPECT_EQ(Edit("EditTop")->text(), tDlgPrinterSetup::FormatOffset(largest));
}

// Margins the printer could print but that leave less of the page than
// the reports need for one row are refused, saying how much they leave.
TEST_F(SetupDialog, MarginsThatLeaveNoRoomForOneRowAreRefused) {
  printer->SetLeastUsableArea(520, 540);
  // Printable 2860 high below the top strip of 50 and 2028 wide right of
  // the left strip of 42, less the other side's margin.
  const struct {
    const char* edit;
    const char* typed;
    int32_t taken;  // the margin afterwards
    const char* message;
  } cases[] = {
      {"EditTop", "25", 200,
       "Bei diesen Rändern bleiben für den Druck nur 2,70 cm in der Höhe; jeder Ausdruck braucht mindestens 5,40 cm. "
       "Die Eingabe für den oberen Rand wurde nicht übernommen."},
      {"EditTop", "22,3", 2230, ""},  // leaves 5.40 cm exactly
      {"EditBottom", "2,01", 200,
       "Bei diesen Rändern bleiben für den Druck nur 5,39 cm in der Höhe; jeder Ausdruck braucht mindestens 5,40 cm. "
       "Die Eingabe für den unteren Rand wurde nicht übernommen."},
      {"EditLeft", "15", 200,
       "Bei diesen Rändern bleiben für den Druck nur 5,00 cm in der Breite; jeder Ausdruck braucht mindestens "
       "5,20 cm. Die Eingabe für den linken Rand wurde nicht übernommen."},
      {"EditLeft", "14,8", 1480, ""},
  };
  const int sides[] = {tExtendedPrinter::sideTop, tExtendedPrinter::sideTop, tExtendedPrinter::sideBottom,
                       tExtendedPrinter::sideLeft, tExtendedPrinter::sideLeft};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
    QString message;
    {
      tModalDriver driver;
      if (*c.message) AnswerMessage(driver, &message);
      Type(Edit(c.edit), QString::fromUtf8(c.typed));
      Enter(Edit(c.edit));
      if (*c.message) {
        EXPECT_DRIVER_DONE(driver);
      }
    }
    EXPECT_EQ(message, QString::fromUtf8(c.message));
    EXPECT_EQ(dialog->Offset(sides[i]), c.taken);
  }
  // At the least height the up spinner is refused with the same message.
  QString message;
  tModalDriver driver;
  AnswerMessage(driver, &message);
  Arrow("SpTop", "Up")->click();
  EXPECT_DRIVER_DONE(driver);
  EXPECT_TRUE(message.startsWith(QStringLiteral("Bei diesen Rändern bleiben für den Druck nur 5,30 cm in der Höhe")))
      << qPrintable(message);
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideTop), 2230);
}

// Margins from the settings file that already leave too little may be
// made better step by step.
TEST_F(SetupDialog, MarginsThatLeftTooLittleCanBeImproved) {
  printer->SetLeastUsableArea(520, 540);
  printer->SetTop(2500);
  Open(true, true);
  Type(Edit("EditTop"), QStringLiteral("24"));
  Enter(Edit("EditTop"));
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideTop), 2400);
  Arrow("SpTop", "Down")->click();
  EXPECT_EQ(dialog->Offset(tExtendedPrinter::sideTop), 2390);
}

TEST_F(SetupDialog, OkHandsAllEntriesToThePrinter) {
  Type(Edit("EditTop"), QStringLiteral("1,5"));
  Enter(Edit("EditTop"));
  Type(Edit("EditRight"), QStringLiteral("2,5"));  // not entered: OK reads it
  QTest::mouseClick(Child<QPushButton>("BtnOk"), Qt::LeftButton);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(printer->GetLeft(), 200);
  EXPECT_EQ(printer->GetTop(), 150);
  EXPECT_EQ(printer->GetRight(), 250);
  EXPECT_EQ(printer->GetBottom(), 200);
}

TEST_F(SetupDialog, OkWithAWrongEntryClosesWithTheRestoredValue) {
  Type(Edit("EditTop"), QStringLiteral("3"));
  Type(Edit("EditBottom"), QStringLiteral("x"));
  QString message;
  tModalDriver driver;
  AnswerMessage(driver, &message);
  QTest::mouseClick(Child<QPushButton>("BtnOk"), Qt::LeftButton);
  EXPECT_DRIVER_DONE(driver);
  EXPECT_EQ(message,
            QStringLiteral("Keine gültige Zahl: \"x\"\nDie Eingabe für den unteren Rand wurde nicht übernommen."));
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(printer->GetTop(), 300);
  EXPECT_EQ(printer->GetBottom(), 200);
}

TEST_F(SetupDialog, AbbruchLeavesThePrintersMarginsAlone) {
  Type(Edit("EditTop"), QStringLiteral("1,5"));
  Enter(Edit("EditTop"));
  QTest::mouseClick(Child<QPushButton>("BtnCancel"), Qt::LeftButton);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(printer->GetTop(), 200);

  Open(true, true);
  Type(Edit("EditTop"), QStringLiteral("1,5"));
  Enter(Edit("EditTop"));
  QTest::keyClick(Edit("EditTop"), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(printer->GetTop(), 200);
}

TEST_F(SetupDialog, OptionenChangesThePrinterAndReplacesMarginsItCannotPrint) {
  // On the printer without strips a left margin of 3 mm is fine.
  printer->SetPrinterName(tCupsFixture::PdfQueue());
  printer->SetLeft(30);
  Open(true, true);
  ASSERT_EQ(Edit("EditLeft")->text(), QStringLiteral("0,30"));

  tModalDriver driver;
  driver.Then([](QWidget* w) {
        ASSERT_NE(qobject_cast<tDlgPrinterOptions*>(w), nullptr);
        auto* combo = w->findChild<QComboBox*>(QStringLiteral("CBoxPrinter"));
        ASSERT_NE(combo, nullptr);
        const int index = combo->findText(tCupsFixture::MarginQueue());
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        qobject_cast<QDialog*>(w)->accept();
      });
  QTest::mouseClick(Child<QPushButton>("BtnSettings"), Qt::LeftButton);
  EXPECT_DRIVER_DONE(driver);
  EXPECT_EQ(printer->PrinterName(), tCupsFixture::MarginQueue());
  EXPECT_EQ(Child<QLabel>("LblPrinter")->text(), tCupsFixture::MarginQueue());
  EXPECT_EQ(Edit("EditLeft")->text(), QStringLiteral("0,42"));  // the new printer's own
  EXPECT_EQ(Edit("EditTop")->text(), QStringLiteral("2,00"));

  // Abbruch keeps the printer chosen with Optionen.
  QTest::mouseClick(Child<QPushButton>("BtnCancel"), Qt::LeftButton);
  EXPECT_EQ(printer->PrinterName(), tCupsFixture::MarginQueue());
}

TEST_F(SetupDialog, SetupDialogOfThePrinterReportsOk) {
  dialog.reset();
  tModalDriver driver;
  driver.Then([](QWidget* w) {
        ASSERT_EQ(w->objectName(), QStringLiteral("DlgPrinterSetup"));
        auto* top = w->findChild<QLineEdit*>(QStringLiteral("EditTop"));
        top->setText(QStringLiteral("1,5"));
        w->findChild<QPushButton*>(QStringLiteral("BtnOk"))->click();
      });
  EXPECT_TRUE(printer->SetupDialog(true, true));
  EXPECT_EQ(printer->GetTop(), 150);

  driver.Then([](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click(); });
  EXPECT_FALSE(printer->SetupDialog(true, true));
  EXPECT_DRIVER_DONE(driver);
}

// ------------------------------------------------------- printer options

// "Optionen" offers printer, paper and orientation in German, and nothing
// else: no print range, no copies, no "Drucken".
TEST_F(SetupDialog, OptionenOffersPrinterPaperAndOrientationOnly) {
  tDlgPrinterOptions options(*printer);
  EXPECT_EQ(options.windowTitle(), QStringLiteral("Druckereinstellungen"));
  QStringList texts;
  for (const QGroupBox* box : options.findChildren<QGroupBox*>()) texts << box->title();
  for (const QAbstractButton* button : options.findChildren<QAbstractButton*>()) texts << button->text();
  for (const QLabel* label : options.findChildren<QLabel*>()) texts << label->text();
  texts.sort();
  EXPECT_EQ(texts.join(QLatin1Char('|')).toStdString(),
            " Ausrichtung | Drucker | Papier |&Größe:|&Hochformat|&Name:|&Querformat|Abbrechen|OK");
  EXPECT_EQ(options.findChildren<QComboBox*>().size(), 2);
  const QList<QLineEdit*> edits = options.findChildren<QLineEdit*>();
  EXPECT_TRUE(std::all_of(edits.begin(), edits.end(),  // only a combo box's own
                          [](QLineEdit* e) { return qobject_cast<QComboBox*>(e->parentWidget()); }));
  EXPECT_EQ(options.CBoxPrinter()->currentText(), tCupsFixture::MarginQueue());
  QStringList printers;
  for (int i = 0; i < options.CBoxPrinter()->count(); ++i) printers << options.CBoxPrinter()->itemText(i);
  EXPECT_EQ(printers, printer->Printers());
  EXPECT_TRUE(options.RBtnPortrait()->isChecked());
  EXPECT_TRUE(options.ChosenPaper().isEquivalentTo(QPageSize(QPageSize::A4)));
  EXPECT_EQ(options.CBoxPaper()->currentText().toStdString(), "A4 (210 × 297 mm)");
}

TEST_F(SetupDialog, OptionenAppliesOnlyWithOkAndKeepsTheMarginsFromThePaperEdge) {
  {
    tDlgPrinterOptions options(*printer);
    options.RBtnLandscape()->click();
    options.reject();
  }
  EXPECT_FALSE(printer->IsLandscape());

  tModalDriver driver;
  driver.Then([](QWidget* w) {
    auto* options = qobject_cast<tDlgPrinterOptions*>(w);
    ASSERT_NE(options, nullptr);
    const int a5 = options->CBoxPaper()->findText(QStringLiteral("A5"), Qt::MatchStartsWith);
    ASSERT_GE(a5, 0);
    options->CBoxPaper()->setCurrentIndex(a5);
    options->RBtnLandscape()->click();
    tModalDriver::Click(w, QStringLiteral("BtnOk"));
  });
  EXPECT_TRUE(printer->PlatformSetupDialog(nullptr));
  EXPECT_DRIVER_DONE(driver);
  EXPECT_TRUE(printer->IsLandscape());
  EXPECT_EQ(printer->PaperWidth(), 2100);  // A5 turned: 210 mm wide
  EXPECT_EQ(printer->PaperHeight(), 1480);
  EXPECT_EQ(printer->GetTop(), 200);

  driver.ThenClick(QStringLiteral("BtnCancel"));
  EXPECT_FALSE(printer->PlatformSetupDialog(nullptr));
  EXPECT_TRUE(printer->IsLandscape());
}

TEST_F(SetupDialog, OptionenListsThePapersOfThePrinterChosenInIt) {
  tDlgPrinterOptions options(*printer);
  options.CBoxPrinter()->setCurrentText(tExtendedPrinter::PdfDestinationName());
  QStringList papers;
  for (int i = 0; i < options.CBoxPaper()->count(); ++i)
    papers << options.CBoxPaper()->itemText(i).section(QLatin1Char(' '), 0, 0);
  EXPECT_EQ(papers.join(' ').toStdString(), "A3 A4 A5 B5 Letter Legal");
  EXPECT_TRUE(options.ChosenPaper().isEquivalentTo(QPageSize(QPageSize::A4)));  // kept
  options.show();
  QApplication::setActiveWindow(&options);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
  QStringList chain;
  options.CBoxPrinter()->setFocus();
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    chain << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(chain.join(' ').toStdString(), "CBoxPaper RBtnPortrait BtnOk BtnCancel CBoxPrinter");
}

