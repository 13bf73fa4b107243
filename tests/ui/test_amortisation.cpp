// Tests of the payback dialog: prices, recalculation, the way values go
// back into the record, the option errors and the form itself.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

#include "amortupdown.h"
#include "dlgamortisation.h"
#include "edevexception.h"
#include "help.h"
#include "keyboard.h"
#include "modaldriver.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "numfield.h"
#include "numfmt.h"
#include "tavidaten.h"
#include "tempdir.h"

namespace {

template <class T>
T* Ctl(const QWidget& dialog, const char* name) {
  T* control = dialog.findChild<T*>(QString::fromLatin1(name));
  if (!control) throw std::runtime_error(std::string("no control ") + name);
  return control;
}

tNumField* Field(const QWidget& d, const char* name) { return Ctl<tNumField>(d, name); }
int64_t Value(const QWidget& d, const char* name) { return Field(d, name)->IntValue(); }
QString Text(const QWidget& d, const char* name) { return Ctl<QLabel>(d, name)->text().trimmed(); }
// Expects each label to show its text (without the padding).
void ExpectTexts(const QWidget& d, std::initializer_list<std::pair<const char*, const char*>> texts) {
  for (const auto& [name, text] : texts) EXPECT_EQ(Text(d, name), QString::fromUtf8(text)) << name;
}
void ExpectValues(const QWidget& d, std::initializer_list<std::pair<const char*, int64_t>> values) {
  for (const auto& [name, value] : values) EXPECT_EQ(Value(d, name), value) << name;
}
void Click(const QWidget& d, const char* name) { Ctl<QAbstractButton>(d, name)->click(); }
void StepDays(const QWidget& d, const char* upDown, int direction) {
  tAmortUpDown* control = Ctl<tAmortUpDown>(d, upDown);
  (direction > 0 ? control->UpButton() : control->DownButton())->click();
}

// Types into a field as the user would, replacing its text.
void Type(tNumField* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
}
// The field loses the focus.
void Leave(tNumField* field) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

// The base data of the worked example: 120 studies of 7.5 hours, 30 %
// preparation, 40 % execution, 50 euros per hour.
void SetWorkedExample(tTaviDaten& d) {
  d.AnzZS = 120;
  d.DauerZS = 7.5L;
  d.AnteilVorb = 30;
  d.AnteilDurchf = 40;
  d.Stundensatz = 50;
}

// The record as it would be written to the data file.
QByteArray Snapshot(const tTaviDaten& d) {
  tTempDir dir;
  const QString file = dir.File(QStringLiteral("TAVI.DAT"));
  if (!d.SaveToFile(QFile::encodeName(file).toStdString())) return QByteArray();
  return dir.Read(QStringLiteral("TAVI.DAT"));
}

// The selection controls that only standard prices enable.
const char* const kSelection[] = {"RBtnQUANTORIX", "RBtnBELTORIX",   "CBoxColorDisplay", "RBtnKARUBasic",
                                  "RBtnKARUFull",  "RBtnTOMVILReg", "RBtnTOMVILKalk",   "RBtnTOMVILAP"};

class Amortisation : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
  tTaviDaten fDaten;
};

// ------------------------------------------------------------ system page

TEST_F(Amortisation, DefaultRecordOpensWithStandardPrices) {
  tDlgAmortisation dlg(fDaten);
  EXPECT_EQ(PaybackDialog(), &dlg);
  EXPECT_EQ(Ctl<QTabWidget>(dlg, "PageControl")->currentWidget(), Ctl<QWidget>(dlg, "TSheetSystem"));
  ExpectValues(dlg, {{"Invest_ZS_System_Feld", 4690}, {"Schulungskosten_ZS_Feld", 640}, {"Zusatzkosten_ZS_Feld", 150},
                     {"NFieldCosts1", 5480}, {"Invest_PL_System_Feld", 5600}, {"Schulungskosten_PL_Feld", 1280},
                     {"Zusatzkosten_PL_Feld", 250}, {"NFieldCosts2", 7130}});
  EXPECT_EQ(Ctl<QLineEdit>(dlg, "EditTrainingDaysZS")->text(), QStringLiteral("1"));
  EXPECT_EQ(Ctl<QLineEdit>(dlg, "EditTrainingDaysPL")->text(), QStringLiteral("2"));
  // The standard price replaced the record's 6150 at once.
  EXPECT_EQ(fDaten.InvestPLSystem, 5600);

  EXPECT_TRUE(Ctl<QRadioButton>(dlg, "RBtnStandardValues")->isChecked());
  for (const char* name : {"Invest_ZS_System_Feld", "Schulungskosten_ZS_Feld", "Invest_PL_System_Feld",
                           "Schulungskosten_PL_Feld", "NFieldCosts1", "NFieldCosts2"})
    EXPECT_FALSE(Field(dlg, name)->Editable()) << name;
  EXPECT_TRUE(Field(dlg, "Zusatzkosten_ZS_Feld")->Editable());
  EXPECT_TRUE(Field(dlg, "Zusatzkosten_PL_Feld")->Editable());
  for (const char* name : kSelection) EXPECT_TRUE(Ctl<QWidget>(dlg, name)->isEnabled()) << name;

  // No yearly figures yet: nothing pays back, comparison 1 loses the total.
  ExpectTexts(dlg, {{"LblPaybackZS", "keine Amortisation"}, {"LblPaybackPL", "keine Amortisation"},
                    {"LblPaybackPLZS", "keine Amortisation"},
                    {"LblBalanceZS1", "-5480"}, {"LblBalanceZS2", "-5480"}, {"LblBalanceZS3", "-5480"}});
}

// Every combination of device, display and editions, clicked through in one
// dialog, against the price list.
TEST_F(Amortisation, StandardPriceListForEveryChoice) {
  struct tDevice {
    const char* device;
    bool colour;
    int32_t full, basic, plBase;
  };
  const tDevice devices[] = {{"RBtnQUANTORIX", true, 4690, 4020, 4690},
                             {"RBtnQUANTORIX", false, 4190, 3520, 4190},
                             {"RBtnBELTORIX", true, 3170, 2500, 3170},
                             {"RBtnBELTORIX", false, 2920, 2250, 2920}};
  const std::pair<const char*, int32_t> tomvils[] = {
      {"RBtnTOMVILReg", 910}, {"RBtnTOMVILKalk", 1460}, {"RBtnTOMVILAP", 2910}};

  tDlgAmortisation dlg(fDaten);
  for (const tDevice& dev : devices) {
    Click(dlg, dev.device);
    Ctl<QCheckBox>(dlg, "CBoxColorDisplay")->setChecked(dev.colour);
    for (bool full : {true, false}) {
      Click(dlg, full ? "RBtnKARUFull" : "RBtnKARUBasic");
      for (const auto& [tomvil, surcharge] : tomvils) {
        Click(dlg, tomvil);
        SCOPED_TRACE(std::string(dev.device) + (dev.colour ? " colour " : " mono ") + (full ? "full " : "basic ") + tomvil);
        const int32_t zs = full ? dev.full : dev.basic;
        EXPECT_EQ(Value(dlg, "Invest_ZS_System_Feld"), zs);
        EXPECT_EQ(Value(dlg, "Invest_PL_System_Feld"), dev.plBase + surcharge);
        EXPECT_EQ(Value(dlg, "NFieldCosts1"), zs + 640 + 150);
        EXPECT_EQ(Value(dlg, "NFieldCosts2"), dev.plBase + surcharge + 1280 + 250);
        EXPECT_EQ(fDaten.InvestZSSystem, zs);
        EXPECT_EQ(fDaten.InvestPLSystem, dev.plBase + surcharge);
        EXPECT_EQ(dlg.Calc().CostsPL(), dev.plBase + surcharge + 1280 + 250);
      }
    }
  }
}

TEST_F(Amortisation, IndividualInputKeepsValuesAndLocksTheChoices) {
  tDlgAmortisation dlg(fDaten);
  Click(dlg, "RBtnBELTORIX");
  Click(dlg, "CBoxColorDisplay");
  Click(dlg, "RBtnKARUBasic");
  Click(dlg, "RBtnTOMVILAP");
  EXPECT_EQ(Value(dlg, "Invest_ZS_System_Feld"), 2250);
  EXPECT_EQ(Value(dlg, "Invest_PL_System_Feld"), 5830);

  // A value typed but not yet confirmed: the switch must not take it in.
  Type(Field(dlg, "Zusatzkosten_ZS_Feld"), QStringLiteral("500"));
  Click(dlg, "RBtnManualInput");
  EXPECT_EQ(Value(dlg, "Invest_ZS_System_Feld"), 2250);
  EXPECT_EQ(Value(dlg, "Invest_PL_System_Feld"), 5830);
  EXPECT_EQ(Value(dlg, "Schulungskosten_ZS_Feld"), 640);
  EXPECT_EQ(Value(dlg, "NFieldCosts1"), 2250 + 640 + 150);
  EXPECT_EQ(fDaten.ZusatzkostenZS, 150);
  for (const char* name : {"Invest_ZS_System_Feld", "Schulungskosten_ZS_Feld", "Invest_PL_System_Feld",
                           "Schulungskosten_PL_Feld", "Zusatzkosten_ZS_Feld"})
    EXPECT_TRUE(Field(dlg, name)->Editable()) << name;
  EXPECT_FALSE(Field(dlg, "NFieldCosts1")->Editable());
  for (const char* name : kSelection) EXPECT_FALSE(Ctl<QWidget>(dlg, name)->isEnabled()) << name;

  // Typed prices count once the field is left; the (locked) choices no
  // longer set prices.
  Leave(Field(dlg, "Zusatzkosten_ZS_Feld"));
  Type(Field(dlg, "Invest_ZS_System_Feld"), QStringLiteral("1234"));
  Leave(Field(dlg, "Invest_ZS_System_Feld"));
  EXPECT_EQ(Value(dlg, "NFieldCosts1"), 1234 + 640 + 500);
  EXPECT_EQ(fDaten.InvestZSSystem, 1234);
  Ctl<QRadioButton>(dlg, "RBtnQUANTORIX")->setChecked(true);
  EXPECT_EQ(Value(dlg, "Invest_ZS_System_Feld"), 1234);

  // Back to standard prices: training from the days, investment from the
  // list (now QUANTORIX, no colour, KARU basic, Arbeitsplanung), recalculated.
  Type(Field(dlg, "Schulungskosten_PL_Feld"), QStringLiteral("999"));
  Leave(Field(dlg, "Schulungskosten_PL_Feld"));
  Click(dlg, "RBtnStandardValues");
  EXPECT_EQ(Value(dlg, "Schulungskosten_PL_Feld"), 1280);
  EXPECT_EQ(Value(dlg, "Invest_ZS_System_Feld"), 3520);
  EXPECT_EQ(Value(dlg, "Invest_PL_System_Feld"), 4190 + 2910);
  EXPECT_EQ(Value(dlg, "NFieldCosts2"), 4190 + 2910 + 1280 + 250);
  EXPECT_EQ(fDaten.SchulungskostenPL, 1280);
  for (const char* name : kSelection) EXPECT_TRUE(Ctl<QWidget>(dlg, name)->isEnabled()) << name;
}

// Every entry field of the dialog, at both ends of its range and one
// beyond: the limits are taken, a value beyond is rejected (black on red,
// the range and the value in use in the tooltip) and never reaches the
// record, nor does a number typed on the way to it.
TEST_F(Amortisation, EveryFieldTakesItsLimitsAndRejectsWhatLiesBeyond) {
  struct tCase {
    const char* field;
    int32_t tTaviDaten::*member;
    int max;
  };
  const tCase cases[] = {
      {"Invest_ZS_System_Feld", &tTaviDaten::InvestZSSystem, 99999},
      {"Schulungskosten_ZS_Feld", &tTaviDaten::SchulungskostenZS, 10000},
      {"Zusatzkosten_ZS_Feld", &tTaviDaten::ZusatzkostenZS, 10000},
      {"Invest_PL_System_Feld", &tTaviDaten::InvestPLSystem, 99999},
      {"Schulungskosten_PL_Feld", &tTaviDaten::SchulungskostenPL, 10000},
      {"Zusatzkosten_PL_Feld", &tTaviDaten::ZusatzkostenPL, 10000},
      {"BeginnReduzierung_Feld", &tTaviDaten::BeginnReduzierung, 99},
      {"Aufwand_PL_Syst_Feld", &tTaviDaten::AufwandPLSyst, 99},
  };
  fDaten.ManuelleEingabe = 1;  // every field editable
  tDlgAmortisation dlg(fDaten);
  for (const tCase& c : cases) {
    SCOPED_TRACE(c.field);
    tNumField* field = Field(dlg, c.field);
    ASSERT_TRUE(field->Editable());
    const auto enter = [field](const QString& text) {
      Type(field, text);
      Leave(field);
    };
    enter(QString::number(c.max));
    EXPECT_EQ(fDaten.*c.member, c.max);
    EXPECT_FALSE(field->InError());
    enter(QStringLiteral("0"));
    EXPECT_EQ(fDaten.*c.member, 0);
    EXPECT_FALSE(field->InError());

    // Below the lowest: the sign is refused where it is typed.
    QSignalSpy refused(field, &QLineEdit::inputRejected);
    enter(QStringLiteral("-7"));
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(fDaten.*c.member, 7);
    enter(QString::number(c.max));

    const QString beyond = QString::number(c.max + 1);
    if (beyond.size() > field->Mask().size()) {
      // The mask has no place for it: the extra digit is refused.
      QSignalSpy extra(field, &QLineEdit::inputRejected);
      Type(field, beyond);
      EXPECT_EQ(extra.count(), 1);
      EXPECT_EQ(field->text(), beyond.left(field->Mask().size()));
      Leave(field);
      EXPECT_EQ(QString::number(fDaten.*c.member), field->text());  // what is shown is used
      continue;
    }
    // 10001 and 12000: the record keeps 10000, not 1000 or 1200.
    for (const QString& wrong : {beyond, QStringLiteral("12000")}) {
      SCOPED_TRACE(wrong.toStdString());
      enter(wrong);
      EXPECT_EQ(fDaten.*c.member, c.max);
      EXPECT_EQ(field->IntValue(), c.max);
      EXPECT_EQ(field->text(), wrong);
      EXPECT_TRUE(field->InError());
      EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::red));
      EXPECT_EQ(field->toolTip(), QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis %1. "
                                                 "Die Berechnung verwendet %1.")
                                      .arg(c.max));
    }
    enter(QString::number(c.max));
    EXPECT_FALSE(field->InError());
  }
}

TEST_F(Amortisation, TotalsUseTheValueInUseWhileAWrongEntryIsShown) {
  tDlgAmortisation dlg(fDaten);  // standard prices: 4690 + 640 + 150
  Type(Field(dlg, "Zusatzkosten_ZS_Feld"), QStringLiteral("12000"));
  Leave(Field(dlg, "Zusatzkosten_ZS_Feld"));
  EXPECT_EQ(Value(dlg, "NFieldCosts1"), 4690 + 640 + 150);
  EXPECT_EQ(Text(dlg, "LblCostsZS"), QStringLiteral("5480"));
  // Recalculations from other controls leave the wrong entry in view.
  StepDays(dlg, "UpDownTrainingDaysZS", +1);
  EXPECT_EQ(Field(dlg, "Zusatzkosten_ZS_Feld")->text(), QStringLiteral("12000"));
  EXPECT_EQ(Value(dlg, "NFieldCosts1"), 4690 + 1280 + 150);
  EXPECT_EQ(fDaten.ZusatzkostenZS, 150);
}

// ------------------------------------------------------------ keyboard

std::string Joined(const QStringList& names) { return names.join(QLatin1Char(' ')).toStdString(); }

bool ShowActiveDialog(QWidget& dialog) {
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  return QTest::qWaitForWindowActive(&dialog);
}

// Top left to bottom right; each group of choices one stop on its checked
// button; read-only and disabled controls are passed.
TEST_F(Amortisation, TabOrderFollowsThePageAndStopsOnceInEachGroup) {
  {
    tDlgAmortisation dlg(fDaten);  // standard prices: investment and training read-only
    ASSERT_TRUE(ShowActiveDialog(dlg));
    EXPECT_EQ(Joined(TabChain(Ctl<QWidget>(dlg, "EditTrainingDaysZS"))),
              "EditTrainingDaysZS Zusatzkosten_ZS_Feld EditTrainingDaysPL Zusatzkosten_PL_Feld RBtnStandardValues "
              "RBtnQUANTORIX CBoxColorDisplay RBtnKARUFull RBtnTOMVILReg BtnClose qt_tabwidget_tabbar");
    EXPECT_EQ(Joined(TabChain(Ctl<QWidget>(dlg, "RBtnTOMVILReg"), true)),
              "RBtnTOMVILReg RBtnKARUFull CBoxColorDisplay RBtnQUANTORIX RBtnStandardValues Zusatzkosten_PL_Feld "
              "EditTrainingDaysPL Zusatzkosten_ZS_Feld EditTrainingDaysZS qt_tabwidget_tabbar BtnClose");
    // Another choice moves the stop with it.
    Click(dlg, "RBtnKARUBasic");
    EXPECT_EQ(Joined(TabChain(Ctl<QWidget>(dlg, "CBoxColorDisplay")).mid(0, 3)),
              "CBoxColorDisplay RBtnKARUBasic RBtnTOMVILReg");
    Ctl<QAction>(dlg, "ActionResults")->trigger();
    EXPECT_EQ(Joined(TabChain(Field(dlg, "BeginnReduzierung_Feld"))),
              "BeginnReduzierung_Feld Aufwand_PL_Syst_Feld BtnClose qt_tabwidget_tabbar");
  }
  fDaten.ManuelleEingabe = 1;  // every price typed, the choices locked
  tDlgAmortisation dlg(fDaten);
  ASSERT_TRUE(ShowActiveDialog(dlg));
  EXPECT_EQ(Joined(TabChain(Field(dlg, "Invest_ZS_System_Feld"))),
            "Invest_ZS_System_Feld Schulungskosten_ZS_Feld EditTrainingDaysZS Zusatzkosten_ZS_Feld "
            "Invest_PL_System_Feld Schulungskosten_PL_Feld EditTrainingDaysPL Zusatzkosten_PL_Feld RBtnManualInput "
            "BtnClose qt_tabwidget_tabbar");
}

TEST_F(Amortisation, ArrowKeysChooseWithinTheirGroupOnly) {
  tDlgAmortisation dlg(fDaten);
  ASSERT_TRUE(ShowActiveDialog(dlg));
  const auto key = [](QWidget* w, Qt::Key k) { QTest::keyClick(w, k); };
  auto* reg = Ctl<QRadioButton>(dlg, "RBtnTOMVILReg");
  reg->setFocus();
  key(reg, Qt::Key_Down);
  auto* kalk = Ctl<QRadioButton>(dlg, "RBtnTOMVILKalk");
  EXPECT_TRUE(kalk->isChecked());
  EXPECT_TRUE(kalk->hasFocus());
  EXPECT_EQ(Value(dlg, "Invest_PL_System_Feld"), 4690 + 1460);  // priced as a click would
  key(kalk, Qt::Key_Right);
  key(Ctl<QWidget>(dlg, "RBtnTOMVILAP"), Qt::Key_Down);  // wraps inside the group
  EXPECT_TRUE(reg->isChecked());
  EXPECT_TRUE(reg->hasFocus());
  key(reg, Qt::Key_Up);
  EXPECT_TRUE(Ctl<QRadioButton>(dlg, "RBtnTOMVILAP")->isChecked());
  EXPECT_EQ(Value(dlg, "Invest_PL_System_Feld"), 4690 + 2910);

  // The two-button groups: the device and KARU; the check box is no part.
  auto* full = Ctl<QRadioButton>(dlg, "RBtnKARUFull");
  full->setFocus();
  key(full, Qt::Key_Down);
  EXPECT_TRUE(Ctl<QRadioButton>(dlg, "RBtnKARUBasic")->isChecked());
  EXPECT_TRUE(Ctl<QWidget>(dlg, "RBtnKARUBasic")->hasFocus());
  EXPECT_EQ(Value(dlg, "Invest_ZS_System_Feld"), 4020);
  auto* quantorix = Ctl<QRadioButton>(dlg, "RBtnQUANTORIX");
  quantorix->setFocus();
  key(quantorix, Qt::Key_Up);
  EXPECT_TRUE(Ctl<QRadioButton>(dlg, "RBtnBELTORIX")->isChecked());
  EXPECT_TRUE(Ctl<QWidget>(dlg, "RBtnBELTORIX")->hasFocus());

  // The price mode: to individual input and back, by keys.
  auto* standard = Ctl<QRadioButton>(dlg, "RBtnStandardValues");
  standard->setFocus();
  key(standard, Qt::Key_Up);
  EXPECT_TRUE(Ctl<QRadioButton>(dlg, "RBtnManualInput")->isChecked());
  EXPECT_TRUE(Field(dlg, "Invest_ZS_System_Feld")->Editable());
  EXPECT_FALSE(Ctl<QWidget>(dlg, "RBtnKARUFull")->isEnabled());
}

TEST_F(Amortisation, F10OpensTheMenuBar) {
  tDlgAmortisation dlg(fDaten);
  ASSERT_TRUE(ShowActiveDialog(dlg));
  auto* bar = Ctl<QMenuBar>(dlg, "MainMenu");
  QString opened;
  QTimer::singleShot(0, [&] {
    (void)QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; });
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      opened = menu->title();
      menu->close();
    }
  });
  QTest::keyClick(Field(dlg, "Zusatzkosten_ZS_Feld"), Qt::Key_F10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }));
  EXPECT_EQ(opened, bar->actions().first()->menu()->title());
  EXPECT_EQ(opened, QStringLiteral("&Bearbeiten"));
}

TEST_F(Amortisation, TrainingDaysSetTheTrainingCost) {
  tDlgAmortisation dlg(fDaten);
  StepDays(dlg, "UpDownTrainingDaysZS", +1);
  EXPECT_EQ(Ctl<QLineEdit>(dlg, "EditTrainingDaysZS")->text(), QStringLiteral("2"));
  EXPECT_EQ(Value(dlg, "Schulungskosten_ZS_Feld"), 1280);
  EXPECT_EQ(Value(dlg, "NFieldCosts1"), 4690 + 1280 + 150);
  EXPECT_EQ(fDaten.SchulungskostenZS, 1280);

  for (int i = 0; i < 12; ++i) StepDays(dlg, "UpDownTrainingDaysPL", +1);
  EXPECT_EQ(Ctl<tAmortUpDown>(dlg, "UpDownTrainingDaysPL")->Position(), 10);
  EXPECT_EQ(Value(dlg, "Schulungskosten_PL_Feld"), 6400);
  for (int i = 0; i < 3; ++i) StepDays(dlg, "UpDownTrainingDaysZS", -1);
  EXPECT_EQ(Ctl<tAmortUpDown>(dlg, "UpDownTrainingDaysZS")->Position(), 0);
  EXPECT_EQ(Value(dlg, "Schulungskosten_ZS_Feld"), 0);
  EXPECT_EQ(Value(dlg, "NFieldCosts1"), 4690 + 0 + 150);

  // The arrow keys of the day field step as well.
  QTest::keyClick(Ctl<QLineEdit>(dlg, "EditTrainingDaysZS"), Qt::Key_Up);
  EXPECT_EQ(Value(dlg, "Schulungskosten_ZS_Feld"), 640);

  // With individual input an arrow overwrites a typed training cost…
  Click(dlg, "RBtnManualInput");
  Type(Field(dlg, "Schulungskosten_ZS_Feld"), QStringLiteral("777"));
  Leave(Field(dlg, "Schulungskosten_ZS_Feld"));
  EXPECT_EQ(fDaten.SchulungskostenZS, 777);
  StepDays(dlg, "UpDownTrainingDaysZS", +1);
  EXPECT_EQ(Value(dlg, "Schulungskosten_ZS_Feld"), 1280);
  EXPECT_EQ(Value(dlg, "NFieldCosts1"), 4690 + 1280 + 150);
  EXPECT_EQ(fDaten.SchulungskostenZS, 1280);
  // …but not a step beyond the last day, which changes nothing.
  Type(Field(dlg, "Schulungskosten_PL_Feld"), QStringLiteral("5000"));
  Leave(Field(dlg, "Schulungskosten_PL_Feld"));
  StepDays(dlg, "UpDownTrainingDaysPL", +1);
  EXPECT_EQ(Value(dlg, "Schulungskosten_PL_Feld"), 5000);
  EXPECT_EQ(Ctl<tAmortUpDown>(dlg, "UpDownTrainingDaysPL")->Position(), 10);
}

// ----------------------------------------------------------- results page

TEST_F(Amortisation, WorkedExampleOnTheResultsPage) {
  SetWorkedExample(fDaten);
  tDlgAmortisation dlg(fDaten);
  ExpectValues(dlg, {{"BeginnReduzierung_Feld", 1}, {"Aufwand_PL_Syst_Feld", 23}});
  // Time-study system against manual work.
  ExpectTexts(dlg, {{"LblCostsZS", "5480"}, {"LblSavingZS", "22500"}, {"LblBalanceZS1", "17020"},
                    {"LblBalanceZS2", "39520"}, {"LblBalanceZS3", "62020"}, {"LblPaybackZS", "2.9"}});
  // Both systems against manual work.
  ExpectTexts(dlg, {{"LblCostsPL", "7130"}, {"LblSavingPlanzeitPL", "40500"}, {"LblRestSavingPL", "2250"},
                    {"LblBalancePL1", "20212"}, {"LblBalancePL2", "58120"}, {"LblBalancePL3", "100870"},
                    {"LblPaybackPL", "3.6"}, {"LblZeitstudienanteil", "3.91"}, {"LblAnzahlZeitstudien", "0.39"}});
  // Both systems against the time-study system.
  ExpectTexts(dlg, {{"LblExtraCostsPLZS", "1650"}, {"LblSavingPLZS", "20250"}, {"LblBalancePLZS1", "3192"},
                    {"LblBalancePLZS2", "18600"}, {"LblBalancePLZS3", "38850"}, {"LblPaybackPLZS", "7.2"}});

  // The figures the reports and the graph read.
  EXPECT_EQ(dlg.Calc().CostsZS(), 5480);
  EXPECT_NEAR(double(dlg.Calc().PaybackPL()), 3.6133, 1e-4);
  EXPECT_NEAR(double(dlg.Calc().CumulatedCostsPL(24)), 31880.0, 1e-9);

  // Without a build-up phase there is no monthly reduction.
  Type(Field(dlg, "Aufwand_PL_Syst_Feld"), QStringLiteral("0"));
  Leave(Field(dlg, "Aufwand_PL_Syst_Feld"));
  EXPECT_EQ(fDaten.AufwandPLSyst, 0);
  ExpectTexts(dlg, {{"LblZeitstudienanteil", "0.00"}, {"LblAnzahlZeitstudien", "0.00"}});
}

// A hand-edited data file can hold sums beyond 32 bits and day counts
// beyond the control: the dialog shows asterisks, not a wrong figure, and
// clamps the days.
TEST_F(Amortisation, FiguresOutsideTheRangesOfTheRecord) {
  SetWorkedExample(fDaten);
  fDaten.ManuelleEingabe = 1;
  fDaten.InvestZSSystem = 2147483000;
  fDaten.SchulungstageZS = 50;
  {
    tDlgAmortisation dlg(fDaten);
    const QString stars(10, QLatin1Char('*'));
    EXPECT_EQ(Field(dlg, "NFieldCosts1")->text(), stars);
    EXPECT_EQ(Text(dlg, "LblCostsZS"), stars);
    EXPECT_EQ(Text(dlg, "LblBalanceZS1"), stars);
    EXPECT_EQ(Text(dlg, "LblExtraCostsPLZS"), stars);
    EXPECT_TRUE(Text(dlg, "LblPaybackZS").contains(QLatin1Char('*')));
    EXPECT_EQ(Text(dlg, "LblCostsPL"), QStringLiteral("7680"));  // the other configuration is fine
    EXPECT_EQ(Ctl<QLineEdit>(dlg, "EditTrainingDaysZS")->text(), QStringLiteral("10"));
  }
  EXPECT_EQ(fDaten.SchulungstageZS, 10);
}

// Large departments and the largest inputs show every figure whole and
// readable; asterisks only for figures beyond 32 bits; "keine
// Amortisation" (without "Monate") where nothing pays back, "0.0 Monate"
// where the system costs nothing.
TEST_F(Amortisation, ResultsOfLargeInputsAndWithoutPayback) {
  const struct {
    const char* what;
    int32_t studies;
    long double hours;
    uint8_t rate, potentials;
    int32_t investZS;
    std::vector<std::pair<const char*, const char*>> texts;
    bool stars;
  } cases[] = {
      {"large department", 2000, 8, 60, 1, 4690,
       {{"LblSavingZS", "480000"}, {"LblPaybackZS", "0.1"}, {"LblPaybackPL", "0.2"},
        {"LblPaybackPLZS", "2.0"}, {"LblPaybackZSEinheit", "Monate"}},
       false},
      {"largest figures", 99999, 999.9L, 21, 1, 4690,
       {{"LblSavingZS", "1049884500"}, {"LblBalancePL3", "5039438470"}, {"LblBalancePLZS3", "1889790450"},
        {"LblAnzahlZeitstudien", "326.08"}},
       false},
      {"beyond 32 bits", 99999, 999.9L, 255, 1, 4690,
       {{"LblCostsZS", "5480"}, {"LblSavingZS", "**********"}, {"LblPaybackZSEinheit", "Monate"}}, true},
      {"nothing saved", 120, 7.5L, 50, 0, 4690,
       {{"LblPaybackZS", "keine Amortisation"}, {"LblPaybackPL", "keine Amortisation"},
        {"LblPaybackPLZS", "keine Amortisation"}, {"LblPaybackZSEinheit", ""}, {"LblPaybackPLZSEinheit", ""}},
       false},
      {"time-study system free", 120, 7.5L, 50, 1, 0,
       {{"LblPaybackZS", "0.0"}, {"LblPaybackZSEinheit", "Monate"}},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tTaviDaten d;
    SetWorkedExample(d);
    d.AnzZS = c.studies;
    d.DauerZS = c.hours;
    d.Stundensatz = c.rate;
    if (!c.potentials) d.PotentialVorb = d.PotentialDurchf = d.PotentialAuswert = d.PotentialAnzZS = 0;
    d.ManuelleEingabe = c.investZS ? 0 : 1;
    if (!c.investZS) d.InvestZSSystem = d.SchulungskostenZS = d.ZusatzkostenZS = 0;
    tDlgAmortisation dlg(d);
    dlg.show();
    Ctl<QTabWidget>(dlg, "PageControl")->setCurrentIndex(1);
    QApplication::processEvents();
    for (const auto& [name, text] : c.texts) EXPECT_EQ(Text(dlg, name), QString::fromUtf8(text)) << name;
    bool stars = false;
    for (QLabel* label : Ctl<QWidget>(dlg, "TSheetResults")->findChildren<QLabel*>()) {
      stars = stars || label->text().contains(u'*');
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text().trimmed()), label->contentsRect().width())
          << label->objectName().toStdString();
    }
    EXPECT_EQ(stars, c.stars);
  }
}

// ------------------------------------------------------------- lifecycle

TEST_F(Amortisation, DestroyingWritesTheVisibleValuesBack) {
  {
    tDlgAmortisation dlg(fDaten);
    Click(dlg, "RBtnBELTORIX");
    Click(dlg, "CBoxColorDisplay");
    Click(dlg, "RBtnKARUBasic");
    Click(dlg, "RBtnTOMVILKalk");
    StepDays(dlg, "UpDownTrainingDaysZS", +1);
    StepDays(dlg, "UpDownTrainingDaysPL", -1);
    Click(dlg, "RBtnManualInput");
    // Typed, never left.
    Type(Field(dlg, "Zusatzkosten_PL_Feld"), QStringLiteral("321"));
    Type(Field(dlg, "BeginnReduzierung_Feld"), QStringLiteral("4"));
    EXPECT_EQ(fDaten.ZusatzkostenPL, 250);
  }
  EXPECT_EQ(PaybackDialog(), nullptr);
  // Price mode, device, display, KARU, TOMVIL, days.
  EXPECT_EQ((std::vector<int>{fDaten.ManuelleEingabe, fDaten.Erfassgeraet, fDaten.Farbdisplay, fDaten.ZSSoftwareOption,
                              fDaten.PlanzeitOption, fDaten.SchulungstageZS, fDaten.SchulungstagePL}),
            (std::vector<int>{1, 1, 0, 0, 1, 2, 1}));
  EXPECT_EQ(fDaten.InvestZSSystem, 2250);
  EXPECT_EQ(fDaten.InvestPLSystem, 2920 + 1460);
  EXPECT_EQ(fDaten.SchulungskostenZS, 1280);
  EXPECT_EQ(fDaten.SchulungskostenPL, 640);
  EXPECT_EQ(fDaten.ZusatzkostenPL, 321);
  EXPECT_EQ(fDaten.BeginnReduzierung, 4);

  // The next dialog starts from exactly these choices.
  tDlgAmortisation again(fDaten);
  for (const char* on : {"RBtnManualInput", "RBtnBELTORIX", "RBtnKARUBasic", "RBtnTOMVILKalk"})
    EXPECT_TRUE(Ctl<QAbstractButton>(again, on)->isChecked()) << on;
  EXPECT_FALSE(Ctl<QCheckBox>(again, "CBoxColorDisplay")->isChecked());
  EXPECT_EQ(Value(again, "Zusatzkosten_PL_Feld"), 321);
}

TEST_F(Amortisation, RunShowsTheDialogModallyAndKeepsTheEntries) {
  tDlgAmortisation* seen = nullptr;
  tModalDriver driver;
  driver.Then([&](QWidget* w) {
    seen = PaybackDialog();
    EXPECT_EQ(w, seen);
    Type(Field(*w, "Zusatzkosten_ZS_Feld"), QStringLiteral("420"));
    Click(*w, "BtnClose");
  });
  RunPaybackDialog(fDaten, nullptr);
  EXPECT_NE(seen, nullptr);
  EXPECT_EQ(PaybackDialog(), nullptr);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << driver.Unexpected().join('\n').toStdString();
  EXPECT_EQ(fDaten.ZusatzkostenZS, 420);
  EXPECT_EQ(fDaten.InvestPLSystem, 5600);
}

struct tBadOption {
  void (*set)(tTaviDaten&);
  const char* message;
};
const tBadOption kBadOptions[] = {
    {[](tTaviDaten& d) { d.Erfassgeraet = 2; }, "Unbekannte Geräteoption (2)."},
    {[](tTaviDaten& d) { d.ZSSoftwareOption = 3; }, "Unbekannte KARU-Option (3)."},
    {[](tTaviDaten& d) { d.PlanzeitOption = 3; }, "Unbekannte TOMVIL-Option (3)."},
    // The device is checked first.
    {[](tTaviDaten& d) { d.Erfassgeraet = 255; d.PlanzeitOption = 9; }, "Unbekannte Geräteoption (255)."},
};

TEST_F(Amortisation, UnknownOptionCodesRefuseToOpen) {
  for (const tBadOption& bad : kBadOptions) {
    SCOPED_TRACE(bad.message);
    tTaviDaten d;
    SetWorkedExample(d);
    bad.set(d);
    const QByteArray before = Snapshot(d);
    ASSERT_FALSE(before.isEmpty());
    try {
      tDlgAmortisation dlg(d);
      ADD_FAILURE() << "opened";
    } catch (const EDevException& e) {
      EXPECT_EQ(e.Message(), QString::fromUtf8(bad.message));
      EXPECT_EQ(e.Location(), QStringLiteral("tDlgAmortisation.FormCreate"));
    }
    EXPECT_EQ(PaybackDialog(), nullptr);
    EXPECT_EQ(Snapshot(d), before);
  }
}

// ------------------------------------------------------------- the form

TEST_F(Amortisation, MenusToolBarAndPages) {
  tDlgAmortisation dlg(fDaten);
  const auto names = [](const QList<QAction*>& actions) {
    QStringList list;
    for (QAction* a : actions) list << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return list;
  };
  auto* edit = Ctl<QMenu>(dlg, "MenuEdit");
  EXPECT_EQ(edit->title(), QStringLiteral("&Bearbeiten"));
  EXPECT_EQ(edit->actions().value(0)->text(), QStringLiteral("&Seite"));
  EXPECT_EQ(names(edit->actions().mid(1)),
            QStringList({"-", "ActionPrintTable", "ActionPrintGraphic", "ActionPrintOverview", "ActionPrintSensitivity", "-",
                         "ActionCopy", "ActionSaveWorkbook"}));
  EXPECT_EQ(names(Ctl<QMenu>(dlg, "MenuPage")->actions()),
            QStringList({"ActionSystem", "ActionResults", "ActionEconomics", "ActionSensitivity"}));
  EXPECT_EQ(Ctl<QMenu>(dlg, "MenuHelp")->title(), QStringLiteral("&Hilfe"));
  EXPECT_EQ(names(Ctl<QMenu>(dlg, "MenuHelp")->actions()), QStringList({"ActionHelp"}));
  EXPECT_EQ(names(Ctl<QToolBar>(dlg, "ToolBar")->actions()),
            QStringList({"ActionPrintTable", "ActionPrintGraphic", "ActionPrintOverview", "ActionPrintSensitivity", "-",
                         "ActionHelp"}));
  EXPECT_EQ(names(Ctl<QMenu>(dlg, "PopupMenu")->actions()),
            QStringList({"ActionSystem", "ActionResults", "ActionEconomics", "ActionSensitivity", "-", "ActionCopy"}));

  // Every printout can be made.
  EXPECT_TRUE(dlg.ActionPrintTable()->isEnabled());
  EXPECT_TRUE(dlg.ActionPrintGraphic()->isEnabled());
  EXPECT_TRUE(dlg.ActionPrintOverview()->isEnabled());

  auto* pages = Ctl<QTabWidget>(dlg, "PageControl");
  EXPECT_EQ(pages->tabText(0), QStringLiteral("Systemauswahl"));
  EXPECT_EQ(pages->tabText(1), QStringLiteral("Ergebnisseite"));
  EXPECT_EQ(pages->tabText(2), QStringLiteral("Wirtschaftlichkeit"));
  dlg.show();
  dlg.ActionResults()->trigger();
  EXPECT_EQ(pages->currentWidget(), Ctl<QWidget>(dlg, "TSheetResults"));
  EXPECT_EQ(dlg.focusWidget(), Field(dlg, "BeginnReduzierung_Feld"));
  dlg.ActionSystem()->trigger();
  EXPECT_EQ(pages->currentWidget(), Ctl<QWidget>(dlg, "TSheetSystem"));
  EXPECT_EQ(dlg.focusWidget(), Field(dlg, "Invest_ZS_System_Feld"));
}

// The client area has its fixed size, and no caption, choice, group title
// or value is cut off (in the largest figure the labels must hold).
TEST_F(Amortisation, NothingIsClipped) {
  SetWorkedExample(fDaten);
  fDaten.ManuelleEingabe = 1;
  fDaten.InvestZSSystem = -2147483000;
  tDlgAmortisation dlg(fDaten);
  dlg.show();
  EXPECT_EQ(Ctl<QWidget>(dlg, "ClientArea")->size(), QSize(721, 700));
  EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
  EXPECT_EQ(dlg.width(), 721);
  auto* pages = Ctl<QTabWidget>(dlg, "PageControl");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    QApplication::processEvents();
    for (QWidget* w : pages->widget(page)->findChildren<QWidget*>()) {
      const bool hasText = qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w) ||
                           qobject_cast<QCheckBox*>(w) || qobject_cast<QGroupBox*>(w) || qobject_cast<QLineEdit*>(w);
      if (!w->isVisible() || !hasText) continue;
      const QString what = w->objectName() + QLatin1Char(' ') + w->metaObject()->className();
      EXPECT_GE(w->width(), w->minimumSizeHint().width()) << what.toStdString();
      EXPECT_GE(w->height(), w->minimumSizeHint().height()) << what.toStdString();
      EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << what.toStdString();
      if (auto* label = qobject_cast<QLabel*>(w)) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text().trimmed()), label->contentsRect().width())
            << what.toStdString();
      }
    }
  }
}

// ------------------------------------------- with the application object

// The application object of a program directory of its own, without a
// printer (none is needed here).
class tTestApp : public tSimpleApp {
 public:
  explicit tTestApp(const QString& dir) : tSimpleApp(QStringLiteral("TAVI"), QStringLiteral("2.0"), dir, tDeferStart{}) {
    Start();
  }
  void CreatePrinter() override {}
};

class AmortisationApp : public Amortisation {
 protected:
  void StartApp(bool debug) {
    const QString bin = QStringLiteral(TAVI_TEST_BIN_DIR);
    ASSERT_TRUE(fDir.CopyIn(bin + QStringLiteral("/TAVI.049")));
    ASSERT_TRUE(fDir.CopyIn(bin + QStringLiteral("/TAVI.HLP")));
    ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.INI"),
                           debug ? "[Sonstige_Einstellungen]\nDebug=1\n" : "[Sonstige_Einstellungen]\nDebug=0\n"));
    fApp = std::make_unique<tTestApp>(fDir.Path());
    SetDecimalSeparator(".");
    ASSERT_EQ(fApp->Debug(), debug);
  }
  void TearDown() override {
    CloseHelpWindow();
    SetMainWindow(nullptr);
    fApp.reset();
  }
  tTempDir fDir;
  std::unique_ptr<tTestApp> fApp;
};

TEST_F(AmortisationApp, OptionErrorNamesItsLocationWithDebugOn) {
  StartApp(true);
  fDaten.ZSSoftwareOption = 2;
  const QByteArray before = Snapshot(fDaten);
  try {
    tDlgAmortisation dlg(fDaten);
    ADD_FAILURE() << "opened";
  } catch (const EDevException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Unbekannte KARU-Option (2) (tDlgAmortisation.FormCreate)."));
  }

  // The main window's command reports it and shows nothing else.
  fDaten.ZSSoftwareOption = 1;
  fDaten.Erfassgeraet = 2;
  const QByteArray before2 = Snapshot(fDaten);
  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK"));
  RunPaybackDialog(fDaten, nullptr);
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Fehler"));
  EXPECT_EQ(driver.Seen()[0].Text,
            MessageDisplayText(QStringLiteral("Fehler beim Anzeigen des Dialogs.\n\r"
                                              "Unbekannte Geräteoption (2) (tDlgAmortisation.FormCreate).")));
  EXPECT_TRUE(driver.Unexpected().isEmpty());
  EXPECT_EQ(Snapshot(fDaten), before2);
  EXPECT_NE(before, before2);
}

TEST_F(AmortisationApp, ShowingTakesTheMainFontAndHelpOpensTopic2000) {
  StartApp(false);
  QWidget main;
  QFont font = main.font();
  font.setPointSize(font.pointSize() + 3);
  main.setFont(font);
  SetMainWindow(&main);
  tDlgAmortisation dlg(fDaten);
  dlg.show();
  EXPECT_EQ(dlg.font().pointSize(), font.pointSize());
  EXPECT_EQ(Ctl<QWidget>(dlg, "ClientArea")->size(), QSize(721, 700));

  dlg.ActionHelp()->trigger();
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("2000.html"))) << HelpWindowSource().toStdString();
  // The page of the appraisal has a help page of its own.
  dlg.ActionEconomics()->trigger();
  dlg.ActionHelp()->trigger();
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("2100.html"))) << HelpWindowSource().toStdString();
  dlg.ActionSensitivity()->trigger();
  dlg.ActionHelp()->trigger();
  EXPECT_TRUE(HelpWindowSource().endsWith(QStringLiteral("2200.html"))) << HelpWindowSource().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
