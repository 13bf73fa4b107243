// The main window on the real form, created in a temporary program
// directory: typing into the calculation pages and reading every result
// label, the pages' commands and menus, the data file at start and exit,
// and the ways the program can be ended.
#include <QAction>
#include <QContextMenuEvent>
#include <QDate>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include "dlgmain.h"
#include "dlguserdata.h"
#include "keyboard.h"
#include "menubar.h"
#include "modaldriver.h"
#include "msgdlg.h"
#include "numfield.h"
#include "numfmt.h"
#include "sessionend.h"
#include "tavidaten.h"
#include "textentry.h"
#include "uitest.h"

namespace {

// The 44 result labels, in the order of the record operations below.
const char* const kResultLabels[11][4] = {
    {"Label7", "Label11", "Label52", "Label56"},   {"Label8", "Label47", "Label53", "Label57"},
    {"Label9", "Label48", "Label54", "Label58"},   {"Label10", "Label49", "Label55", "Label59"},
    {"Label20", "Label24", "Label31", "Label35"},  {"Label21", "Label25", "Label32", "Label60"},
    {"Label22", "Label26", "Label33", "Label61"},  {"Label19", "Label23", "Label30", "Label34"},
    {"Label65", "Label66", "Label69", "Label70"},  {"Label73", "Label74", "Label75", "Label76"},
    {"Label78", "Label79", "Label80", "Label81"},
};

using tTable = std::vector<std::array<const char*, 4>>;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTerminating(false);
    ASSERT_TRUE(PrepareProgramDir(fDir));
  }
  void TearDown() override {
    fWindow.reset();
    SetTerminating(false);
    QLocale::setDefault(QLocale::c());
    SetDecimalSeparator(".");
  }

  // Opens the main window the way the program does, with locale's decimal
  // separator.
  tDlgMain& Open(const QLocale& locale = QLocale::c()) {
    QLocale::setDefault(locale);
    fWindow = std::make_unique<tDlgMain>(fDir.Path());
    EXPECT_TRUE(ShowActive(fWindow.get()));
    return *fWindow;
  }
  // Ends the program's part of the window: close, then destroy (exit steps).
  void Close() {
    if (!fWindow) return;
    fWindow->close();
    fWindow.reset();
  }

  tNumField* Field(const char* name) const { return Ctl<tNumField>(fWindow.get(), QLatin1String(name)); }
  QString Label(const char* name) const { return Ctl<QLabel>(fWindow.get(), QLatin1String(name))->text(); }

  // Types into a field as the user does: focus (selects all), keys, Tab.
  void Enter(const char* name, const QString& text) {
    tNumField* field = Field(name);
    ShowFieldPage(field);
    field->setFocus();
    QApplication::processEvents();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
  }
  void ShowFieldPage(QWidget* field) {
    auto* pages = Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrl"));
    for (int i = 0; i < pages->count(); ++i)
      if (pages->widget(i)->isAncestorOf(field)) pages->setCurrentIndex(i);
  }
  void EnterExample(const QString& duration) {
    Enter("AnzZS_Feld", QStringLiteral("120"));
    Enter("DauerZS_Feld", duration);
    Enter("AnteilVorb_Feld", QStringLiteral("30"));
    Enter("AnteilDurchf_Feld", QStringLiteral("40"));
    Enter("Stundensatz_Feld", QStringLiteral("50"));
  }

  // Compares all 44 labels; "," in expected texts is the separator.
  void ExpectResults(const tTable& expected, const QString& separator) {
    ASSERT_EQ(expected.size(), 11u);
    for (size_t row = 0; row < 11; ++row)
      for (int col = 0; col < 4; ++col) {
        QString want = QLatin1String(expected[row][col]);
        want.replace(QLatin1Char(','), separator);
        EXPECT_EQ(Label(kResultLabels[row][col]), want) << kResultLabels[row][col];
      }
  }

  tTempDir fDir;
  std::unique_ptr<tDlgMain> fWindow;
};

// ---------------------------------------------------------------- results

const tTable kExample = {
    {"900", "45000", "75,0", "3750"},   {"270", "13500", "22,5", "1125"}, {"360", "18000", "30,0", "1500"},
    {"270", "13500", "22,5", "1125"},   {"135", "6750", "11,2", "562"},   {"72", "3600", "6,0", "300"},
    {"243", "12150", "20,2", "1012"},   {"450", "22500", "37,5", "1875"}, {"810", "40500", "67,5", "3375"},
    {"45", "2250", "3,8", "188"},       {"855", "42750", "71,2", "3562"},
};

TEST_F(MainWindowTest, WorkedExampleWithEitherDecimalSeparator) {
  for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
    const QString sep = locale.decimalPoint();
    SCOPED_TRACE(sep.toStdString());
    tModalDriver driver;
    Open(locale);
    EnterExample(QStringLiteral("7") + sep + QStringLiteral("5"));
    ExpectResults(kExample, sep);
    EXPECT_EQ(Field("AnteilAuswert_Feld")->text(), QStringLiteral("30"));
    EXPECT_EQ(Field("PotentialGesamt_Feld")->text(), QStringLiteral("50") + sep + QStringLiteral("0"));
    EXPECT_EQ(Field("Gesamteinsparung_Feld")->text(), QStringLiteral("95") + sep + QStringLiteral("0"));
    EXPECT_EQ(Field("DauerZS_Feld")->text(), QStringLiteral("7") + sep + QStringLiteral("5"));
    const tTaviDaten& d = fWindow->Daten();
    EXPECT_EQ(d.AnzZS, 120);
    EXPECT_EQ(d.DauerZS, 7.5L);
    EXPECT_EQ(d.Stundensatz, 50);
    // Right-aligned, one label per cell.
    EXPECT_TRUE(Ctl<QLabel>(fWindow.get(), QStringLiteral("Label56"))->alignment() & Qt::AlignRight);
    Close();
    EXPECT_TRUE(driver.Seen().isEmpty());
  }
}

TEST_F(MainWindowTest, NewRecordShowsZerosAndDefaults) {
  tModalDriver driver;
  Open(QLocale(QLocale::German, QLocale::Germany));
  tTable zeros(11, {"0", "0", "0,0", "0"});
  ExpectResults(zeros, QStringLiteral(","));
  EXPECT_EQ(Field("AnteilAuswert_Feld")->text(), QStringLiteral("100"));
  EXPECT_EQ(Field("PotentialGesamt_Feld")->text(), QStringLiteral("0,0"));
  EXPECT_EQ(Field("Gesamteinsparung_Feld")->text(), QStringLiteral("0,0"));
  EXPECT_EQ(Field("PotentialVorb_Feld")->text(), QStringLiteral("50"));
  EXPECT_EQ(Field("PotentialDurchf_Feld")->text(), QStringLiteral("20"));
  EXPECT_EQ(Field("PotentialAuswert_Feld")->text(), QStringLiteral("90"));
  EXPECT_EQ(Field("PotentialAnzZS_Feld")->text(), QStringLiteral("90"));
  EXPECT_EQ(Ctl<tTextMemo>(fWindow.get(), QStringLiteral("memDurchfuehrung"))->toPlainText(),
            QString::fromUtf8(tTaviDaten::kDefaultTexts[2]));
  EXPECT_TRUE(driver.Seen().isEmpty());  // no data file: no message
}

TEST_F(MainWindowTest, MonthlyCostHalvesGoToEvenAndLargeFiguresInFull) {
  Open();
  // 7127 studies of 1 hour at 6 euro: 42762 a year, 3563.5 a month.
  Enter("AnzZS_Feld", QStringLiteral("7127"));
  Enter("DauerZS_Feld", QStringLiteral("1"));
  Enter("Stundensatz_Feld", QStringLiteral("6"));
  EXPECT_EQ(Label("Label11"), QStringLiteral("42762"));
  EXPECT_EQ(Label("Label56"), QStringLiteral("3564"));

  // Every figure the entry fields allow is shown whole and readable; only
  // a figure beyond the 32-bit range is asterisks, monthly ones included.
  const struct {
    const char *duration, *rate;
    std::vector<std::pair<const char*, const char*>> cells;
  } cases[] = {
      {"10", "101", {{"Label7", "999990"}, {"Label11", "100998990"}, {"Label52", "83332.5"}, {"Label56", "8416582"}}},
      {"999.9", "21", {{"Label7", "99989000"}, {"Label11", "2099769000"}, {"Label52", "8332416"},
                       {"Label56", "174980750"}, {"Label79", "2078771310"}, {"Label81", "173230942"}}},
      {"999.9", "255", {{"Label7", "99989000"}, {"Label11", "********"}, {"Label56", "********"},
                        {"Label23", "********"}, {"Label34", "********"}, {"Label79", "********"},
                        {"Label81", "********"}}},
  };
  Enter("AnzZS_Feld", QStringLiteral("99999"));
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.duration) + " h, " + c.rate + " EUR");
    Enter("DauerZS_Feld", QString::fromLatin1(c.duration));
    Enter("Stundensatz_Feld", QString::fromLatin1(c.rate));
    for (const auto& [name, text] : c.cells) EXPECT_EQ(Label(name), QString::fromLatin1(text)) << name;
    for (const auto& row : kResultLabels)
      for (const char* name : row) {
        QLabel* label = Ctl<QLabel>(fWindow.get(), QLatin1String(name));
        ShowFieldPage(label);
        QApplication::processEvents();
        EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text())) << name;
      }
  }
}

TEST_F(MainWindowTest, RejectedEntriesNeverReachTheRecord) {
  Open();
  EnterExample(QStringLiteral("7.5"));
  // 150 % is out of range: the record keeps 30, not the 15 typed on the way.
  Enter("AnteilVorb_Feld", QStringLiteral("150"));
  EXPECT_EQ(fWindow->Daten().AnteilVorb, 30);
  EXPECT_TRUE(Field("AnteilVorb_Feld")->InError());
  EXPECT_EQ(Field("AnteilVorb_Feld")->text(), QStringLiteral("150"));  // still there, in red
  EXPECT_EQ(Label("Label8"), QStringLiteral("270"));
  // So does a rate above 255, which the byte could not hold.
  Enter("Stundensatz_Feld", QStringLiteral("300"));
  EXPECT_EQ(fWindow->Daten().Stundensatz, 50);
  // A sign cannot be typed: no negative durations.
  Enter("DauerZS_Feld", QStringLiteral("-3"));
  EXPECT_EQ(fWindow->Daten().DauerZS, 3.0L);
  // Corrected, the entry is taken.
  Enter("AnteilVorb_Feld", QStringLiteral("20"));
  EXPECT_EQ(fWindow->Daten().AnteilVorb, 20);
  EXPECT_FALSE(Field("AnteilVorb_Feld")->InError());
}

// Every entry field of the calculation pages at both ends of its range and
// one beyond: the limits reach the record, a value beyond stays in view in
// the error colours, names the range and the value the figures use, and
// never reaches the record.
TEST_F(MainWindowTest, EveryFieldTakesItsLimitsAndRejectsWhatLiesBeyond) {
  struct tCase {
    const char* field;
    std::function<long double(const tTaviDaten&)> stored;
    int max;
  };
  const std::vector<tCase> cases = {
      {"AnzZS_Feld", [](const tTaviDaten& d) { return d.AnzZS; }, 99999},
      {"AnteilVorb_Feld", [](const tTaviDaten& d) { return d.AnteilVorb; }, 100},
      {"AnteilDurchf_Feld", [](const tTaviDaten& d) { return d.AnteilDurchf; }, 100},
      {"Stundensatz_Feld", [](const tTaviDaten& d) { return d.Stundensatz; }, 255},
      {"PotentialVorb_Feld", [](const tTaviDaten& d) { return d.PotentialVorb; }, 100},
      {"PotentialDurchf_Feld", [](const tTaviDaten& d) { return d.PotentialDurchf; }, 100},
      {"PotentialAuswert_Feld", [](const tTaviDaten& d) { return d.PotentialAuswert; }, 100},
      {"PotentialAnzZS_Feld", [](const tTaviDaten& d) { return d.PotentialAnzZS; }, 100},
  };
  Open();
  for (const tCase& c : cases) {
    SCOPED_TRACE(c.field);
    tNumField* field = Field(c.field);
    const tTaviDaten& d = fWindow->Daten();
    Enter(c.field, QString::number(c.max));
    EXPECT_EQ(c.stored(d), c.max);
    EXPECT_FALSE(field->InError());
    Enter(c.field, QStringLiteral("0"));
    EXPECT_EQ(c.stored(d), 0);
    QSignalSpy refused(field, &QLineEdit::inputRejected);
    Enter(c.field, QStringLiteral("-7"));  // no sign: below the lowest cannot be typed
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(c.stored(d), 7);
    Enter(c.field, QString::number(c.max));

    const QString beyond = QString::number(c.max + 1);
    if (beyond.size() > field->Mask().size()) {
      QSignalSpy extra(field, &QLineEdit::inputRejected);
      Enter(c.field, beyond);
      // The mask has no place for it: the extra digit is refused with a
      // beep, and what stays in the field is what is used.
      EXPECT_EQ(extra.count(), 1);
      EXPECT_EQ(field->text(), beyond.left(field->Mask().size()));
      EXPECT_EQ(QString::number(static_cast<qlonglong>(c.stored(d))), field->text());
      continue;
    }
    Enter(c.field, beyond);
    EXPECT_EQ(c.stored(d), c.max);
    EXPECT_EQ(field->text(), beyond);
    EXPECT_TRUE(field->InError());
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(field->toolTip(),
              QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis %1. Die Berechnung verwendet %1.").arg(c.max));
    Enter(c.field, QStringLiteral("0"));
    EXPECT_FALSE(field->InError());
  }
  // The duration has no range of its own; its mask ends at 999.9.
  Enter("DauerZS_Feld", QStringLiteral("999.9"));
  EXPECT_EQ(fWindow->Daten().DauerZS, 999.9L);
  QSignalSpy refused(Field("DauerZS_Feld"), &QLineEdit::inputRejected);
  Enter("DauerZS_Feld", QStringLiteral("1000"));
  EXPECT_EQ(refused.count(), 1);
  EXPECT_EQ(fWindow->Daten().DauerZS, 100.0L);
}

// A wrong entry stays in view; the tooltip says which value the figures
// use, and the figures do use it.
TEST_F(MainWindowTest, WrongEntryNamesTheValueTheFiguresUse) {
  Open();
  EnterExample(QStringLiteral("7.5"));
  Enter("AnteilVorb_Feld", QStringLiteral("101"));
  EXPECT_EQ(Field("AnteilVorb_Feld")->text(), QStringLiteral("101"));
  // 40 % execution leaves at most 60 % for the preparation.
  EXPECT_EQ(Field("AnteilVorb_Feld")->toolTip(),
            QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis 60. Die Berechnung verwendet 30. ") +
                tDlgMain::SharesTooLargeMessage());
  EXPECT_EQ(Label("Label8"), QStringLiteral("270"));  // 30 % of 900 h
  // Leaving another field recomputes: the entry is still in view, still 30 used.
  Enter("Stundensatz_Feld", QStringLiteral("60"));
  EXPECT_EQ(Field("AnteilVorb_Feld")->text(), QStringLiteral("101"));
  EXPECT_EQ(Label("Label47"), QStringLiteral("16200"));
  EXPECT_EQ(fWindow->Daten().AnteilVorb, 30);
}

// Each page top left to bottom right, then "Beenden" and the tabs; the
// read-only share fields are passed.
TEST_F(MainWindowTest, TabOrderFollowsEachPage) {
  Open();
  const auto chain = [this](const char* start) {
    QWidget* field = Ctl<QWidget>(fWindow.get(), QLatin1String(start));
    ShowFieldPage(field);
    return TabChain(field).join(QLatin1Char(' ')).toStdString();
  };
  EXPECT_EQ(chain("AnzZS_Feld"),
            "AnzZS_Feld DauerZS_Feld AnteilVorb_Feld AnteilDurchf_Feld Stundensatz_Feld BtnExit qt_tabwidget_tabbar");
  EXPECT_EQ(chain("PotentialVorb_Feld"),
            "PotentialVorb_Feld PotentialDurchf_Feld PotentialAuswert_Feld BtnExit qt_tabwidget_tabbar");
  EXPECT_EQ(chain("PotentialAnzZS_Feld"), "PotentialAnzZS_Feld BtnExit qt_tabwidget_tabbar");
}

// Preparation and execution take together at most 100 %: an entry beyond
// what the other share leaves is refused like any entry out of range, its
// tooltip naming the maximum left. A pair beyond (from a data file) shows
// both fields in the error colours, each with what the other leaves.
TEST_F(MainWindowTest, ShareBeyondWhatTheOtherLeavesIsRefused) {
  const struct {
    int vorb, durchf;  // entered in this order, the first from 0 / 0
    bool durchfFirst;
    int used;  // what the second field's value in use is
    int max;   // what it takes
  } cases[] = {{60, 70, false, 0, 40}, {60, 70, true, 0, 30}, {60, 40, false, 40, 40}, {1, 100, true, 0, 0}};
  Open();
  tTaviDaten& d = fWindow->Daten();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vorb * 1000 + c.durchf);
    Enter("AnteilVorb_Feld", QStringLiteral("0"));
    Enter("AnteilDurchf_Feld", QStringLiteral("0"));
    const char* second = c.durchfFirst ? "AnteilVorb_Feld" : "AnteilDurchf_Feld";
    const int typed = c.durchfFirst ? c.vorb : c.durchf;
    Enter(c.durchfFirst ? "AnteilDurchf_Feld" : "AnteilVorb_Feld", QString::number(c.durchfFirst ? c.durchf : c.vorb));
    Enter(second, QString::number(typed));
    EXPECT_EQ(c.durchfFirst ? d.AnteilVorb : d.AnteilDurchf, c.used);
    EXPECT_EQ(Field(second)->text(), QString::number(typed));
    EXPECT_EQ(Field(second)->InError(), c.used != typed);
    if (c.used != typed) {
      EXPECT_EQ(Field(second)->toolTip(), QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis %1. Die "
                                                         "Berechnung verwendet %2. Vorbereitung und Durchführung "
                                                         "zusammen dürfen 100 % nicht überschreiten.")
                                              .arg(c.max)
                                              .arg(c.used));
    }
  }
  d.AnteilVorb = 60;
  d.AnteilDurchf = 70;
  fWindow->Anzeigen();
  for (const auto& [name, max, used] : {std::tuple{"AnteilVorb_Feld", 30, 60}, std::tuple{"AnteilDurchf_Feld", 40, 70}})
    EXPECT_TRUE(Field(name)->InError() && Field(name)->toolTip().startsWith(
        QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis %1. Die Berechnung verwendet %2.").arg(max).arg(used)))
        << name;
}

TEST_F(MainWindowTest, LeavingByPageCommandRecomputesAndLabelsFollowOnlyThen) {
  Open();
  tNumField* count = Field("AnzZS_Feld");
  count->setFocus();
  count->selectAll();
  QTest::keyClicks(count, QStringLiteral("12"));
  EXPECT_EQ(fWindow->Daten().AnzZS, 0);  // not yet left
  Ctl<QAction>(fWindow.get(), QStringLiteral("ActionZS"))->trigger();
  EXPECT_EQ(fWindow->Daten().AnzZS, 12);
  EXPECT_TRUE(Field("PotentialVorb_Feld")->hasFocus());
  // Leaving a field unchanged still rewrites the labels.
  Ctl<QLabel>(fWindow.get(), QStringLiteral("Label20"))->setText(QStringLiteral("x"));
  QTest::keyClick(Field("PotentialVorb_Feld"), Qt::Key_Tab);
  EXPECT_EQ(Label("Label20"), QStringLiteral("0"));
}

// --------------------------------------------------------- pages, commands

TEST_F(MainWindowTest, PopupMenuSwitchesPageAndFocus) {
  Open();
  auto* pages = Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrl"));
  auto* popup = Ctl<QMenu>(fWindow.get(), QStringLiteral("PopupMenu"));
  QStringList texts;
  for (QAction* a : popup->actions()) texts << a->text();
  EXPECT_EQ(texts, (QStringList{QStringLiteral("&Grunddaten"), QStringLiteral("Einsparung &Zeitstudien"),
                                QStringLiteral("Einsparung &Planzeiten"), QStringLiteral("&Begründung")}));

  const QPoint at = pages->tabBar()->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, pages->tabBar()->mapToGlobal(at));
  QApplication::sendEvent(pages->tabBar(), &event);
  EXPECT_TRUE(WaitFor([&] { return QApplication::activePopupWidget() == popup; }));
  QAction* planzeiten = popup->actions().at(2);
  QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(planzeiten).center());
  EXPECT_TRUE(WaitFor([&] { return !popup->isVisible(); }));
  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TSheetMMP"));
  EXPECT_TRUE(Field("PotentialAnzZS_Feld")->hasFocus());

  popup->actions().at(0)->trigger();
  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TSheetData"));
  EXPECT_TRUE(Field("AnzZS_Feld")->hasFocus());
  popup->actions().at(3)->trigger();
  EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TSheetBegruendung"));
  EXPECT_TRUE(Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrlInfo"))->isAncestorOf(QApplication::focusWidget()) ||
              QApplication::focusWidget() == Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrlInfo")));
}

TEST_F(MainWindowTest, StartsOnBaseDataWithJustificationOnExecution) {
  Open();
  EXPECT_EQ(Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrl"))->currentWidget()->objectName(),
            QStringLiteral("TSheetData"));
  auto* info = Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrlInfo"));
  EXPECT_EQ(info->currentWidget()->objectName(), QStringLiteral("TSheetDurchfuehrung"));
  EXPECT_EQ(info->tabPosition(), QTabWidget::South);
  QStringList tabs;
  for (int i = 0; i < info->count(); ++i) tabs << info->tabText(i);
  EXPECT_EQ(tabs, (QStringList{QStringLiteral("Vorbereitung"), QStringLiteral("Durchführung"),
                               QStringLiteral("Auswertung"), QStringLiteral("Anzahl Zeitstudien")}));
  EXPECT_EQ(Ctl<tTextMemo>(fWindow.get(), QStringLiteral("memZeitstudienAnzahl"))->verticalScrollBarPolicy(),
            Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(fWindow->windowTitle(), QStringLiteral("MORLAK-Amortisationsrechnung"));
  EXPECT_EQ(fWindow->HelpContext(), 1);
}

TEST_F(MainWindowTest, CommandsMenusAndBars) {
  Open();
  // Caption with its access letter, hint, and the shortcut the menus show.
  const std::map<QString, std::tuple<QString, QString, QString>> captions = {
      {"ActionPrinter", {"&Druckereinrichtung", "Druckereinrichtung", "Ctrl+Shift+P"}},
      {"ActionExit", {"&Beenden", "Beenden", "Ctrl+Q"}},
      {"ActionCalc", {"&Amortisationsrechnung", "Amortisationsrechnung", "F9"}},
      {"ActionUserData", {"&Firmendaten", "Firmendaten", "Ctrl+F"}},
      {"ActionHelp", {"&Hilfe", "Hilfe", ""}},
      {"ActionInfo", {"&Info", "Info", ""}},
      {"ActionData", {"&Grunddaten", "Grunddaten", "Ctrl+1"}},
      {"ActionZS", {"Einsparung &Zeitstudien", "Einsparungspotentiale QUANTORIX +  KARU", "Ctrl+2"}},
      {"ActionPlanzeiten", {"Einsparung &Planzeiten", "Einsparungspotentiale QUANTORIX +  KARU + TOMVIL", "Ctrl+3"}},
      {"ActionBegruendung", {"&Begründung", "Begründung", "Ctrl+4"}},
  };
  for (const auto& [name, texts] : captions) {
    auto* action = Ctl<QAction>(fWindow.get(), name);
    EXPECT_EQ(action->text(), std::get<0>(texts)) << name.toStdString();
    EXPECT_EQ(action->toolTip(), std::get<1>(texts)) << name.toStdString();
    EXPECT_EQ(action->shortcut().toString(), std::get<2>(texts)) << name.toStdString();
  }
  for (const char* withImage : {"ActionPrinter", "ActionCalc", "ActionUserData", "ActionHelp", "ActionInfo"})
    EXPECT_FALSE(Ctl<QAction>(fWindow.get(), QLatin1String(withImage))->icon().isNull()) << withImage;

  // The payback command stores the entries first, even from a field that
  // was not left.
  auto* calc = Ctl<QAction>(fWindow.get(), QStringLiteral("ActionCalc"));
  EXPECT_TRUE(calc->isEnabled());
  int32_t seen = -1;
  fWindow->SetPaybackRunner([&](tTaviDaten& d, QWidget* owner) {
    seen = d.AnzZS;
    EXPECT_EQ(owner, fWindow.get());
  });
  EXPECT_TRUE(calc->isEnabled());
  Field("AnzZS_Feld")->setFocus();
  Field("AnzZS_Feld")->selectAll();
  QTest::keyClicks(Field("AnzZS_Feld"), QStringLiteral("77"));
  calc->trigger();
  EXPECT_EQ(seen, 77);

  auto* bar = Ctl<TMenuBar>(fWindow.get(), QStringLiteral("MenuBar"));
  QStringList top;
  for (QToolButton* b : bar->Buttons()) top << b->text();
  EXPECT_EQ(top, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Hilfe")}));
  const auto names = [](const QMenu* menu) {
    QStringList list;
    for (QAction* a : menu->actions())
      list << (a->isSeparator() ? QStringLiteral("-") : a->menu<QMenu*>() ? a->text() : a->objectName());
    return list;
  };
  EXPECT_EQ(names(bar->Buttons()[0]->menu()), (QStringList{"ActionPrinter", "-", "ActionExit"}));
  EXPECT_EQ(names(bar->Buttons()[1]->menu()), (QStringList{"&Seite", "-", "ActionUserData", "ActionCalc"}));
  EXPECT_EQ(names(bar->Buttons()[2]->menu()), (QStringList{"ActionHelp", "-", "ActionInfo"}));
  EXPECT_EQ(names(Ctl<QMenu>(fWindow.get(), QStringLiteral("MenuSeite"))),
            (QStringList{"ActionData", "ActionZS", "ActionPlanzeiten", "ActionBegruendung"}));
  EXPECT_EQ(names(Ctl<QMenu>(fWindow.get(), QStringLiteral("PopupMenu"))),
            (QStringList{"ActionData", "ActionZS", "ActionPlanzeiten", "ActionBegruendung"}));
  QStringList tools;
  for (QAction* a : Ctl<QToolBar>(fWindow.get(), QStringLiteral("ToolBar"))->actions())
    tools << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
  EXPECT_EQ(tools, (QStringList{"ActionUserData", "ActionCalc", "-", "ActionHelp", "ActionInfo"}));
}

TEST_F(MainWindowTest, MenuBarButtonsFollowTheMenuTheyAreGiven) {
  TMenuBar bar;
  QMenu first, second;
  first.addMenu(QStringLiteral("Eins"));
  first.addMenu(QStringLiteral("Zwei"));
  bar.SetMenu(&first);
  ASSERT_EQ(bar.Buttons().size(), 2);
  EXPECT_EQ(bar.Buttons()[1]->text(), QStringLiteral("Zwei"));
  EXPECT_EQ(bar.Buttons()[1]->popupMode(), QToolButton::InstantPopup);
  QMenu* drei = second.addMenu(QStringLiteral("Drei"));
  const QPointer<QToolButton> old(bar.Buttons()[0]);
  bar.SetMenu(&second);  // the old buttons go
  ASSERT_EQ(bar.Buttons().size(), 1);
  EXPECT_TRUE(old.isNull());
  EXPECT_EQ(bar.Buttons()[0]->menu(), drei);
  drei->menuAction()->setText(QStringLiteral("Vier"));  // the button follows its item
  EXPECT_EQ(bar.Buttons()[0]->text(), QStringLiteral("Vier"));
  bar.SetMenu(nullptr);
  EXPECT_TRUE(bar.Buttons().isEmpty());
}

TEST_F(MainWindowTest, FormSizeAndNothingClipped) {
  Open();
  EXPECT_EQ(fWindow->size(), QSize(636, 435));
  EXPECT_EQ(fWindow->minimumSize(), fWindow->maximumSize());  // fixed border
  auto* exit = Ctl<QPushButton>(fWindow.get(), QStringLiteral("BtnExit"));
  EXPECT_EQ(exit->size(), QSize(75, 25));
  EXPECT_GT(exit->geometry().left(), 636 / 2);
  EXPECT_GT(exit->geometry().top(), 435 * 3 / 4);
  EXPECT_LE(exit->geometry().right(), 636);

  auto* pages = Ctl<QTabWidget>(fWindow.get(), QStringLiteral("PageCtrl"));
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    QApplication::processEvents();
    QWidget* page = pages->currentWidget();
    SCOPED_TRACE(page->objectName().toStdString());
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!w->isVisible() || w->parentWidget()->inherits("QAbstractScrollArea")) continue;
      const QRect inPage(w->mapTo(page, QPoint(0, 0)), w->size());
      EXPECT_TRUE(page->rect().contains(inPage)) << w->objectName().toStdString();
      if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << w->objectName().toStdString();
        EXPECT_GE(label->height(), label->fontMetrics().height()) << w->objectName().toStdString();
      }
    }
  }
  // The widest figures fit their cells.
  pages->setCurrentIndex(0);
  auto* cell = Ctl<QLabel>(fWindow.get(), QStringLiteral("Label56"));
  cell->setText(QStringLiteral("********"));
  EXPECT_GE(cell->width(), cell->sizeHint().width());
  cell->setText(QStringLiteral("99999999"));
  EXPECT_GE(cell->width(), cell->sizeHint().width());
  // Rows line up across the caption and both boxes.
  EXPECT_EQ(Ctl<QLabel>(fWindow.get(), QStringLiteral("Label8"))->geometry().center().y(),
            Ctl<QLabel>(fWindow.get(), QStringLiteral("Label57"))->geometry().center().y());
  EXPECT_EQ(Ctl<QLabel>(fWindow.get(), QStringLiteral("LblDataVorbereitung"))->geometry().center().y(),
            Ctl<QLabel>(fWindow.get(), QStringLiteral("Label8"))->geometry().center().y());
}

// --------------------------------------------------------------- data file

TEST_F(MainWindowTest, EntriesAndTextsComeBackAfterExit) {
  {
    tModalDriver driver;
    Open();
    EnterExample(QStringLiteral("7.5"));
    Enter("PotentialAnzZS_Feld", QStringLiteral("80"));
    auto* memo = Ctl<tTextMemo>(fWindow.get(), QStringLiteral("memAuswertung"));
    memo->setPlainText(QStringLiteral("Erste Zeile\n\nDritte Zeile mit €"));
    Close();
    EXPECT_TRUE(driver.Seen().isEmpty());
  }
  ASSERT_TRUE(fDir.Exists(QStringLiteral("TAVI.DAT")));
  tTaviDaten stored;
  ASSERT_TRUE(stored.LoadFromFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
  EXPECT_EQ(stored.AnzZS, 120);
  EXPECT_EQ(stored.DauerZS, 7.5L);
  EXPECT_EQ(stored.PotentialAnzZS, 80);
  EXPECT_EQ(stored.BegruendungAuswertung.Lines(),
            (std::vector<std::string>{"Erste Zeile", "", "Dritte Zeile mit €"}));

  tModalDriver driver;
  Open();
  EXPECT_EQ(Field("AnzZS_Feld")->text(), QStringLiteral("120"));
  EXPECT_EQ(Field("PotentialAnzZS_Feld")->text(), QStringLiteral("80"));
  EXPECT_EQ(Label("Label7"), QStringLiteral("900"));
  EXPECT_EQ(Ctl<tTextMemo>(fWindow.get(), QStringLiteral("memAuswertung"))->toPlainText(),
            QStringLiteral("Erste Zeile\n\nDritte Zeile mit €"));
  EXPECT_TRUE(driver.Seen().isEmpty());
}

TEST_F(MainWindowTest, FirstExitWritesTheDefaultRecord) {
  Open();
  Close();
  EXPECT_EQ(fDir.Read(QStringLiteral("TAVI.DAT")).size(), 1828);
}

TEST_F(MainWindowTest, TruncatedDataFileIsReportedOnceAndTheRestKeepsDefaults) {
  {
    Open();
    EnterExample(QStringLiteral("7.5"));
    Close();
  }
  const QByteArray full = fDir.Read(QStringLiteral("TAVI.DAT"));
  ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.DAT"), full.left(full.size() - 30)));  // cut into the fixed block

  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK"));
  Open();
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Fehler"));
  EXPECT_EQ(driver.Seen()[0].Text, QStringLiteral("Fehler beim Einlesen der Daten."));
  // What was read stays; the rest has its defaults; the window works.
  EXPECT_EQ(fWindow->Daten().AnzZS, 120);
  EXPECT_EQ(fWindow->Daten().InvestPLSystem, 6150);
  Enter("AnzZS_Feld", QStringLiteral("10"));
  EXPECT_EQ(fWindow->Daten().AnzZS, 10);
  // At exit the unreadable file is kept under a new name before the new
  // one takes its place, and the user is told where, once.
  driver.Then([](QWidget* box) { tModalDriver::Dismiss(box); });
  Close();
  const QString kept = fDir.File(QStringLiteral("TAVI.DAT.defekt-") + QDate::currentDate().toString(Qt::ISODate));
  ASSERT_EQ(driver.Seen().size(), 2);
  EXPECT_EQ(driver.Seen()[1].Text, QStringLiteral("Die Datendatei \"%1\" war beim Start nicht lesbar. Sie ist "
                                                  "unverändert als \"%2\" aufbewahrt; die Daten dieser Sitzung "
                                                  "stehen jetzt in \"%1\".")
                                       .arg(fDir.File(QStringLiteral("TAVI.DAT")), kept));
  EXPECT_EQ(fDir.Read(QFileInfo(kept).fileName()), full.left(full.size() - 30));
  tTaviDaten stored;
  EXPECT_TRUE(stored.LoadFromFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
  EXPECT_EQ(stored.AnzZS, 10);
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(MainWindowTest, ValuesNoFieldTakesAreNamedOnceAtStart) {
  tTaviDaten d;
  d.AnteilVorb = 60;
  d.AnteilDurchf = 70;
  ASSERT_TRUE(d.SaveToFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK"));
  Open();
  Close();
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Warnung"));
  EXPECT_TRUE(driver.Seen()[0].Text.contains(
      QStringLiteral("- Anteil Vorbereitung und Anteil Durchführung: zusammen 130 % (erlaubt höchstens 100 %)")));
}

TEST_F(MainWindowTest, ASecondWindowOnTheDataFileOpensReadOnlyOrNotAtAll) {
  Open();
  Enter("AnzZS_Feld", QStringLiteral("42"));
  for (const bool readOnly : {false, true}) {
    tModalDriver driver;
    driver.ThenClick(readOnly ? QStringLiteral("Ja") : QStringLiteral("Nein"));
    {
      tDlgMain second(fDir.Path());
      ASSERT_EQ(driver.Seen().size(), 1);
      EXPECT_TRUE(driver.Seen()[0].Text.contains(QStringLiteral("ist bereits geöffnet")));
      EXPECT_TRUE(driver.Seen()[0].Text.contains(QStringLiteral("(Prozess %1)").arg(QCoreApplication::applicationPid())));
      EXPECT_EQ(second.OpenDeclined(), !readOnly);
      EXPECT_TRUE(second.DataReadOnly());
      EXPECT_EQ(second.windowTitle().endsWith(QStringLiteral(" (schreibgeschützt)")), readOnly);
      EXPECT_FALSE(second.SaveData());
    }
    EXPECT_FALSE(fDir.Exists(QStringLiteral("TAVI.DAT")));  // the second window's exit wrote nothing
    EXPECT_TRUE(driver.Unexpected().isEmpty());
  }
  Close();
  tTaviDaten stored;
  ASSERT_TRUE(stored.LoadFromFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
  EXPECT_EQ(stored.AnzZS, 42);
}

TEST_F(MainWindowTest, DamagedAppraisalBlockIsToldOnceAndKeptUntilChanged) {
  tTaviDaten d;
  d.Economics.RateTenths = 60;
  ASSERT_TRUE(d.SaveToFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
  QByteArray file = fDir.Read(QStringLiteral("TAVI.DAT"));
  file[file.size() - 1] = static_cast<char>(file[file.size() - 1] ^ 0x10);  // the checksum no longer fits
  ASSERT_TRUE(fDir.Write(QStringLiteral("TAVI.DAT"), file));

  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK"));
  Open();
  ASSERT_EQ(driver.Seen().size(), 1);
  EXPECT_EQ(driver.Seen()[0].Title, QStringLiteral("Warnung"));
  EXPECT_TRUE(driver.Seen()[0].Text.contains(QStringLiteral("beschädigt"))) << driver.Seen()[0].Text.toStdString();
  EXPECT_EQ(fWindow->Daten().Economics.RateTenths, 0);
  Close();
  // Unchanged, the damaged block is written back as it was.
  EXPECT_EQ(fDir.Read(QStringLiteral("TAVI.DAT")), file);
  EXPECT_TRUE(driver.Unexpected().isEmpty());
}

TEST_F(MainWindowTest, FailedSaveAtExitIsAPlainSystemMessage) {
  ASSERT_TRUE(fDir.MakeDir(QStringLiteral("TAVI.DAT")));  // cannot be replaced by a file
  tModalDriver driver;
  driver.ThenClick(QStringLiteral("OK"));
  bool plainBox = false;
  driver.Then([&](QWidget* box) {
    plainBox = qobject_cast<QMessageBox*>(box) != nullptr;
    tModalDriver::Dismiss(box);
  });
  Open();
  Close();
  ASSERT_EQ(driver.Seen().size(), 2);
  EXPECT_EQ(driver.Seen()[0].Text, QStringLiteral("Fehler beim Einlesen der Daten."));
  EXPECT_EQ(driver.Seen()[1].Title, QStringLiteral("Fehler"));
  EXPECT_EQ(driver.Seen()[1].Text, QStringLiteral("Fehler beim Speichern der Daten."));
  EXPECT_TRUE(plainBox);
}

// ------------------------------------------------------------- ending

TEST_F(MainWindowTest, TerminationSignalClosesTheWindowAndTheDataIsWritten) {
  Open();
  Enter("AnzZS_Feld", QStringLiteral("42"));
  {
    tSessionEnd end([this] { fWindow->RequestClose(); }, [this] { fWindow->SaveData(); });
    ASSERT_TRUE(end.Installed());
    QSignalSpy closed(fWindow.get(), &tDlgMain::Closed);
    std::raise(SIGTERM);
    EXPECT_TRUE(WaitFor([&] { return closed.count() == 1; }));
    EXPECT_FALSE(fWindow->isVisible());
  }
  fWindow.reset();
  tTaviDaten stored;
  ASSERT_TRUE(stored.LoadFromFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
  EXPECT_EQ(stored.AnzZS, 42);
}

TEST_F(MainWindowTest, TerminationSignalKeepsWhatWasTypedInCompanyDataAsOk) {
  Open();
  tSessionEnd end([this] { fWindow->RequestClose(); }, [this] { fWindow->SaveData(); });
  QSignalSpy closed(fWindow.get(), &tDlgMain::Closed);
  tModalDriver driver;
  driver.Then([](QWidget* dialog) {
    auto* dlg = qobject_cast<tDlgUserData*>(dialog);
    ASSERT_NE(dlg, nullptr);
    dlg->EditFirmName()->setText(QStringLiteral("Müller GmbH"));
    dlg->MemoInfo()->setPlainText(QStringLiteral("Erste Zeile\nZweite Zeile"));
    std::raise(SIGTERM);  // the dialog is left open: the signal must end it
  });
  Ctl<QAction>(fWindow.get(), QStringLiteral("ActionUserData"))->trigger();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << driver.Unexpected().join(';').toStdString();
  EXPECT_EQ(fWindow->Daten().GetFirmenname(), "Müller GmbH");
  EXPECT_EQ(fWindow->Daten().BegruendungInvestition.Text(), "Erste Zeile\r\nZweite Zeile\r\n");
  EXPECT_EQ(DlgUserData(), nullptr);
  fWindow.reset();
  tTaviDaten stored;
  ASSERT_TRUE(stored.LoadFromFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
  EXPECT_EQ(stored.GetFirmenname(), "Müller GmbH");
}

TEST_F(MainWindowTest, CommitDataWithCompanyDataOpenWritesTheEntriesButCancelStillCancels) {
  Open();
  tModalDriver driver;
  driver.Then([this](QWidget* dialog) {
    auto* dlg = qobject_cast<tDlgUserData*>(dialog);
    ASSERT_NE(dlg, nullptr);
    dlg->EditUserName()->setText(QStringLiteral("Frau Schmidt"));
    EXPECT_TRUE(fWindow->SaveData());  // the session manager asks to save
    tTaviDaten stored;
    EXPECT_TRUE(stored.LoadFromFile(QFile::encodeName(fDir.File(QStringLiteral("TAVI.DAT"))).toStdString()));
    EXPECT_EQ(stored.GetAnwendername(), "Frau Schmidt");
    tModalDriver::Click(dialog, QStringLiteral("BtnCancel"));  // the session went on
  });
  Ctl<QAction>(fWindow.get(), QStringLiteral("ActionUserData"))->trigger();
  EXPECT_TRUE(driver.Unexpected().isEmpty()) << driver.Unexpected().join(';').toStdString();
  EXPECT_EQ(fWindow->Daten().GetAnwendername(), "");
}

TEST_F(MainWindowTest, CommitDataWritesAtOnce) {
  Open();
  Enter("AnzZS_Feld", QStringLiteral("5"));
  EXPECT_FALSE(fDir.Exists(QStringLiteral("TAVI.DAT")));
  EXPECT_TRUE(fWindow->SaveData());
  EXPECT_EQ(fDir.Read(QStringLiteral("TAVI.DAT")).size(), 1828);
  EXPECT_TRUE(fWindow->isVisible());
}

TEST_F(MainWindowTest, DialogCommandsOpenAndFreeTheirDialogs) {
  Open();
  tModalDriver driver;
  bool referenceWhileShown = false;
  driver.Then([&](QWidget* dialog) {
    referenceWhileShown = DlgUserData() == dialog;
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Firmendaten"));
    tModalDriver::Click(dialog, QStringLiteral("BtnCancel"));
  });
  driver.ThenClick(QStringLiteral("OK"));  // the about box
  Ctl<QAction>(fWindow.get(), QStringLiteral("ActionUserData"))->trigger();
  Ctl<QAction>(fWindow.get(), QStringLiteral("ActionInfo"))->trigger();
  EXPECT_TRUE(referenceWhileShown);
  EXPECT_EQ(DlgUserData(), nullptr);
  ASSERT_EQ(driver.Seen().size(), 2);
  EXPECT_TRUE(driver.Unexpected().isEmpty());
  EXPECT_EQ(fWindow->findChildren<QDialog*>().size(), 0);  // freed
}

}  // namespace
