// The payback dialog's page "Wirtschaftlichkeit": what is typed reaches
// the record and the figures at once, and what is rejected does not.
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QTabWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dlgamortisation.h"
#include "economicspage.h"
#include "keyboard.h"
#include "numfield.h"
#include "numfmt.h"
#include "tavidaten.h"
#include "workedexample.h"

namespace {

tNumField* Field(const QWidget& dialog, const char* name) {
  auto* field = dialog.findChild<tNumField*>(QString::fromLatin1(name));
  EXPECT_NE(field, nullptr) << name;
  return field;
}

// Types into a field as the user would and leaves it.
void Enter(tNumField* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

class EconomicsPage : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_F(EconomicsPage, TypedInputsRecomputeAndReachTheRecord) {
  tTaviDaten daten = WorkedExample();
  {
    tDlgAmortisation dlg(daten);
    dlg.show();
    dlg.ActionEconomics()->trigger();
    auto* page = dlg.findChild<tEconomicsPage*>(QStringLiteral("TSheetEconomics"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(dlg.findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentWidget(), page);
    EXPECT_EQ(dlg.focusWidget(), Field(dlg, "Laufende_Kosten_ZS_Feld"));
    EXPECT_EQ(dlg.HelpContext(), tEconomicsPage::kHelpContext);
    EXPECT_EQ(TabChain(Field(dlg, "Laufende_Kosten_ZS_Feld")).join(u' '),
              QStringLiteral("Laufende_Kosten_ZS_Feld Laufende_Kosten_PL_Feld Nutzungsdauer_Feld Zinssatz_Feld "
                             "BtnClose qt_tabwidget_tabbar"));
    EXPECT_EQ(page->FigureText(2, 0), QStringLiteral("2.9 Monate"));  // without running costs: PaybackZS

    // Each entry: the field, the text typed, then the inputs in use.
    const struct {
      const char* field;
      const char* typed;
      tEconomicsInputs in;
    } entries[] = {
        {"Laufende_Kosten_ZS_Feld", "1200", {1200, 0, 5, 0}},
        {"Laufende_Kosten_PL_Feld", "2400", {1200, 2400, 5, 0}},
        {"Zinssatz_Feld", "6.0", {1200, 2400, 5, 60}},
        {"Zinssatz_Feld", "30.5", {1200, 2400, 5, 60}},    // beyond 30 %: rejected, 6.0 stays
        {"Nutzungsdauer_Feld", "0", {1200, 2400, 5, 60}},  // below one year: rejected
        {"Nutzungsdauer_Feld", "20", {1200, 2400, 20, 60}},
    };
    for (const auto& e : entries) {
      SCOPED_TRACE(std::string(e.field) + " " + e.typed);
      Enter(Field(dlg, e.field), QString::fromLatin1(e.typed));
      EXPECT_EQ(daten.Economics, e.in);
      EXPECT_EQ(page->Inputs(), e.in);
      EXPECT_EQ(dlg.Economics().Inputs(), e.in);
    }
    // The figures of those inputs (the worked example: test_economics).
    EXPECT_EQ(page->FigureText(0, 1), QStringLiteral("2400 \u20AC"));
    EXPECT_EQ(page->FigureText(2, 0), QStringLiteral("3.1 Monate"));
    EXPECT_EQ(page->FigureText(5, 2), QString::fromStdString(EconomicsRateText(
                                          dlg.Economics().Figures(tComparison::PLZS).InternalRate)));
    EXPECT_EQ(page->FigureText(9, 0), QStringLiteral("420520 \u20AC"));  // 240 × 1775 - 5480

    // A value typed into a field that keeps the focus counts when the dialog goes.
    Field(dlg, "Laufende_Kosten_PL_Feld")->setFocus();
    Field(dlg, "Laufende_Kosten_PL_Feld")->selectAll();
    QTest::keyClicks(Field(dlg, "Laufende_Kosten_PL_Feld"), QStringLiteral("3600"));
  }
  EXPECT_EQ(daten.Economics, (tEconomicsInputs{1200, 3600, 20, 60}));
}

}  // namespace
