// The payback dialog's page "Sensitivität": what is typed reaches the
// record and the page at once, what is rejected does not, and the chosen
// comparison decides the chart and the cases.
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QTabWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dlgamortisation.h"
#include "keyboard.h"
#include "numfield.h"
#include "numfmt.h"
#include "pictureview.h"
#include "sensitivitypage.h"
#include "tavidaten.h"
#include "workedexample.h"

namespace {

tNumField* Field(const QWidget& dialog, const char* name) {
  auto* field = dialog.findChild<tNumField*>(QString::fromLatin1(name));
  EXPECT_NE(field, nullptr) << name;
  return field;
}

void Enter(tNumField* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

class SensitivityPage : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(","); }
  void TearDown() override { SetDecimalSeparator("."); }
};

TEST_F(SensitivityPage, ReachedByKeyboardWithAHelpOfItsOwn) {
  tTaviDaten daten = WorkedExample();
  tDlgAmortisation dlg(daten);
  dlg.show();
  dlg.ActionSensitivity()->trigger();
  auto* page = dlg.findChild<tSensitivityPage*>(QStringLiteral("TSheetSensitivity"));
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(dlg.findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentWidget(), page);
  EXPECT_EQ(dlg.focusWidget(), Field(dlg, "Soll_Amortisationszeit_Feld"));
  EXPECT_EQ(dlg.HelpContext(), tSensitivityPage::kHelpContext);
  EXPECT_EQ(TabChain(Field(dlg, "Soll_Amortisationszeit_Feld")).join(u' '),
            QStringLiteral("Soll_Amortisationszeit_Feld Veraenderung_Feld Vergleich_Auswahl BtnClose "
                           "qt_tabwidget_tabbar"));
}

TEST_F(SensitivityPage, TypedInputsRecomputeAndReachTheRecord) {
  tTaviDaten daten = WorkedExample();
  {
    tDlgAmortisation dlg(daten);
    dlg.show();
    dlg.ActionSensitivity()->trigger();
    auto* page = dlg.findChild<tSensitivityPage*>(QStringLiteral("TSheetSensitivity"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->BreakEvenText(tSensitivityInput::AnzZS, tComparison::ZSManual), QStringLiteral("ab 15"));

    // Each entry: the field, the text typed, then the inputs in use.
    const struct {
      const char* field;
      const char* typed;
      tSensitivityInputs in;
    } entries[] = {
        {"Soll_Amortisationszeit_Feld", "18", {18, 20}},
        {"Veraenderung_Feld", "50", {18, 50}},
        {"Veraenderung_Feld", "51", {18, 50}},            // beyond 50 %: rejected
        {"Soll_Amortisationszeit_Feld", "121", {18, 50}},  // beyond 120 months: rejected
        {"Soll_Amortisationszeit_Feld", "0", {18, 50}},
        {"Veraenderung_Feld", "4", {18, 50}},
    };
    for (const auto& e : entries) {
      SCOPED_TRACE(std::string(e.field) + " " + e.typed);
      Enter(Field(dlg, e.field), QString::fromLatin1(e.typed));
      EXPECT_EQ(daten.Sensitivity, e.in);
      EXPECT_EQ(page->Inputs(), e.in);
      EXPECT_EQ(dlg.Sensitivity().Inputs(), e.in);
    }
    // 18 months (test_sensitivitysheet): 20 studies; the chart follows.
    EXPECT_EQ(page->BreakEvenText(tSensitivityInput::AnzZS, tComparison::ZSManual), QStringLiteral("ab 20"));
    EXPECT_EQ(page->Tornado().Data().TargetMonths, 18);
    EXPECT_EQ(page->Tornado().Data().Percent, 50);

    // Another comparison: its chart and its cases.
    auto* choice = dlg.findChild<QComboBox*>(QStringLiteral("Vergleich_Auswahl"));
    choice->setCurrentIndex(2);
    EXPECT_TRUE(page->Tornado().Data().Title.startsWith(QStringLiteral("3  ")));
    EXPECT_EQ(page->Tornado().Data().Rows.front().Caption, QStringLiteral("Gesamtkosten"));
    EXPECT_EQ(page->CaseText(tCase::Base, 1), QStringLiteral("7,2 Monate \u2013 im Soll"));
    EXPECT_EQ(page->CaseText(tCase::Best, 0), QStringLiteral("75 | 30 | 100* | 100* %"));

    // The chart is drawn when the page shows it.
    const QPixmap shot = const_cast<tPictureView*>(page->TornadoView())->grab();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(page->TornadoView()->Problem().isEmpty()) << page->TornadoView()->Problem().toStdString();
    EXPECT_TRUE(page->Tornado().Layout().Fits);

    // A value typed into a field that keeps the focus counts when the dialog goes.
    Field(dlg, "Soll_Amortisationszeit_Feld")->setFocus();
    Field(dlg, "Soll_Amortisationszeit_Feld")->selectAll();
    QTest::keyClicks(Field(dlg, "Soll_Amortisationszeit_Feld"), QStringLiteral("36"));
  }
  EXPECT_EQ(daten.Sensitivity, (tSensitivityInputs{36, 50}));
}

}  // namespace
