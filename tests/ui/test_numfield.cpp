// The numeric entry field: what may be typed, the error colours, the value
// it answers, its texts with either decimal separator, and its focus
// behaviour.
#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest/QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "numfield.h"
#include "numfmt.h"
#include "uitest.h"

namespace {

class NumFieldTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
  void TearDown() override { SetDecimalSeparator("."); }

  static void Setup(tNumField& field, const char* mask, bool extended) {
    field.SetKind(extended ? tNumField::Kind::Extended : tNumField::Kind::Integer);
    field.SetMask(QString::fromLatin1(mask));
  }
  static void Type(tNumField& field, const QString& text) {
    field.selectAll();
    QTest::keyClicks(&field, text);
  }
  static bool ShowsError(const tNumField& field) {
    return field.palette().color(QPalette::Base) == QColor(Qt::red) &&
           field.palette().color(QPalette::Text) == QColor(Qt::black);
  }
};

TEST_F(NumFieldTest, RefusesWhatTheMaskDoesNotAllowWithABeep) {
  tNumField field;
  Setup(field, "#####", false);
  QSignalSpy beeps(&field, &QLineEdit::inputRejected);
  Type(field, QStringLiteral("12a-3.4"));
  EXPECT_EQ(field.text(), QStringLiteral("1234"));  // letter, sign and separator refused
  EXPECT_EQ(beeps.count(), 3);
  QTest::keyClicks(&field, QStringLiteral("56"));
  EXPECT_EQ(field.text(), QStringLiteral("12345"));  // five places only
  EXPECT_EQ(field.IntValue(), 12345);

  tNumField duration;
  Setup(duration, "###.#", true);
  QSignalSpy durationBeeps(&duration, &QLineEdit::inputRejected);
  Type(duration, QStringLiteral("-12.3.45"));
  EXPECT_EQ(duration.text(), QStringLiteral("12.3"));  // no sign, one separator, one decimal
  EXPECT_EQ(durationBeeps.count(), 4);
  EXPECT_EQ(duration.ExtValue(), 12.3L);
}

TEST_F(NumFieldTest, RejectedEntryKeepsTheValueItBeganWithNotOneTypedOnTheWay) {
  tNumField field;
  Setup(field, "#####", false);
  field.SetRange(0, 10000);
  field.SetIntValue(150);
  // 1, 12, 120 and 1200 are valid on the way to 12000; none of them counts.
  Type(field, QStringLiteral("1200"));
  EXPECT_EQ(field.IntValue(), 1200);
  EXPECT_FALSE(field.InError());
  QTest::keyClick(&field, Qt::Key_0);
  EXPECT_EQ(field.text(), QStringLiteral("12000"));
  EXPECT_TRUE(field.InError());
  EXPECT_TRUE(field.EntryRejected());
  EXPECT_TRUE(ShowsError(field));
  EXPECT_EQ(field.IntValue(), 150);
  EXPECT_EQ(field.toolTip(),
            QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis 10000. Die Berechnung verwendet 150."));

  // The window writes the value in use back: the entry stays in view.
  field.SetIntValue(150);
  EXPECT_EQ(field.text(), QStringLiteral("12000"));
  EXPECT_TRUE(ShowsError(field));
  // Another value from the program replaces it.
  field.SetIntValue(640);
  EXPECT_EQ(field.text(), QStringLiteral("640"));
  EXPECT_FALSE(field.InError());
  EXPECT_TRUE(field.toolTip().isEmpty());

  // Corrected, the entry is taken; the colours go.
  Type(field, QStringLiteral("10001"));
  EXPECT_EQ(field.IntValue(), 640);
  QTest::keyClick(&field, Qt::Key_Backspace);
  EXPECT_FALSE(field.InError());
  EXPECT_FALSE(ShowsError(field));
  EXPECT_EQ(field.IntValue(), 1000);
}

TEST_F(NumFieldTest, LeavingARejectedEntryBeepsAndShowsTheRangeAtOnce) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* share = new tNumField(&window);
  auto* next = new tNumField(&window);
  Setup(*share, "999", false);
  share->SetRange(0, 100);
  share->SetIntValue(30);
  layout->addWidget(share);
  layout->addWidget(next);
  ASSERT_TRUE(ShowActive(&window));
  share->setFocus();
  QApplication::processEvents();
  share->selectAll();
  QTest::keyClicks(share, QStringLiteral("101"));
  QTest::keyClick(share, Qt::Key_Tab);
  ASSERT_TRUE(next->hasFocus());
  EXPECT_EQ(share->text(), QStringLiteral("101"));
  EXPECT_EQ(share->IntValue(), 30);
  EXPECT_TRUE(WaitFor([] { return QToolTip::isVisible(); }));
  EXPECT_EQ(QToolTip::text(),
            QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis 100. Die Berechnung verwendet 30."));
  QToolTip::hideText();

  // Entering again starts from the value in use: a new wrong entry still
  // falls back to 30, a right one replaces it.
  share->setFocus();
  QApplication::processEvents();
  share->selectAll();
  QTest::keyClicks(share, QStringLiteral("555"));
  EXPECT_EQ(share->IntValue(), 30);
  share->selectAll();
  QTest::keyClicks(share, QStringLiteral("100"));
  QTest::keyClick(share, Qt::Key_Tab);
  EXPECT_EQ(share->IntValue(), 100);
  EXPECT_FALSE(share->InError());
}

TEST_F(NumFieldTest, ExtendedValuesKeepEightyBits) {
  tNumField field;
  Setup(field, "###.#", true);
  Type(field, QStringLiteral("123.4"));
  EXPECT_EQ(field.ExtValue(), 123.4L);
  EXPECT_NE(field.ExtValue(), static_cast<long double>(123.4));  // not via double
  Type(field, QStringLiteral(".5"));
  EXPECT_EQ(field.ExtValue(), 0.5L);
  Type(field, QString());
  QTest::keyClick(&field, Qt::Key_Backspace);
  EXPECT_EQ(field.ExtValue(), 0.0L);  // an empty entry is zero
}

TEST_F(NumFieldTest, UsesTheRegionalSeparatorAndTakesEither) {
  for (const char* sep : {",", "."}) {
    SCOPED_TRACE(sep);
    SetDecimalSeparator(sep);
    tNumField field;
    Setup(field, "###.#", true);
    field.SetExtValue(7.25L);  // exact half: to the even digit
    EXPECT_EQ(field.text(), QStringLiteral("7") + QLatin1String(sep) + QStringLiteral("2"));
    Type(field, QStringLiteral("7,5"));
    EXPECT_EQ(field.ExtValue(), 7.5L);
    Type(field, QStringLiteral("8.5"));
    EXPECT_EQ(field.ExtValue(), 8.5L);
  }
}

TEST_F(NumFieldTest, ValuesTooWideForTheMaskShowAsAsterisksInError) {
  tNumField duration;
  Setup(duration, "###.#", true);
  duration.SetExtValue(12345.6L);
  EXPECT_EQ(duration.text(), QStringLiteral("*****"));  // never a cut-off "1234."
  EXPECT_TRUE(duration.InError());
  duration.SetExtValue(std::numeric_limits<long double>::quiet_NaN());
  EXPECT_EQ(duration.text(), QStringLiteral("*****"));
  EXPECT_TRUE(duration.InError());
  duration.SetExtValue(999.9L);
  EXPECT_EQ(duration.text(), QStringLiteral("999.9"));
  EXPECT_FALSE(duration.InError());

  tNumField share;
  Setup(share, "999", false);
  share.SetIntValue(1000);
  EXPECT_EQ(share.text(), QStringLiteral("***"));
  EXPECT_TRUE(share.InError());
}

TEST_F(NumFieldTest, ExternalErrorColoursWithoutTouchingTheValue) {
  tNumField field;
  Setup(field, "999", false);
  field.SetRange(0, 100);
  field.SetIntValue(70);
  field.SetExternalError(QStringLiteral("Zu viel."));
  EXPECT_TRUE(ShowsError(field));
  EXPECT_EQ(field.toolTip(), QStringLiteral("Zu viel."));
  EXPECT_FALSE(field.InError());
  EXPECT_EQ(field.IntValue(), 70);
  // The field's own error wins the tooltip while it lasts.
  Type(field, QStringLiteral("200"));
  EXPECT_EQ(field.toolTip(),
            QStringLiteral("Ungültiger Wert. Zulässig sind Werte von 0 bis 100. Die Berechnung verwendet 70."));
  Type(field, QStringLiteral("20"));
  EXPECT_EQ(field.toolTip(), QStringLiteral("Zu viel."));
  field.SetExternalError(QString());
  EXPECT_FALSE(ShowsError(field));
  EXPECT_TRUE(field.toolTip().isEmpty());
}

TEST_F(NumFieldTest, ReadOnlyFieldsTakeNoKeys) {
  tNumField field;
  Setup(field, "999", false);
  field.SetEditable(false);
  field.SetIntValue(100);
  QTest::keyClicks(&field, QStringLiteral("5"));
  EXPECT_EQ(field.text(), QStringLiteral("100"));
  EXPECT_EQ(field.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
  EXPECT_EQ(field.focusPolicy(), Qt::ClickFocus);  // Tab passes it by
}

TEST_F(NumFieldTest, FocusSelectsAllAndLeavingAlwaysReports) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* first = new tNumField(&window);
  auto* second = new tNumField(&window);
  Setup(*first, "###.#", true);
  Setup(*second, "#####", false);
  layout->addWidget(first);
  layout->addWidget(second);
  ASSERT_TRUE(ShowActive(&window));
  QSignalSpy exited(first, &tNumField::Exited);

  first->setFocus();
  EXPECT_TRUE(WaitFor([&] { return first->hasSelectedText(); }));
  EXPECT_EQ(first->selectedText(), QStringLiteral("0.0"));
  QTest::keyClicks(first, QStringLiteral("7.50"));  // the selection is replaced
  EXPECT_EQ(first->text(), QStringLiteral("7.5"));
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_TRUE(second->hasFocus());
  EXPECT_EQ(exited.count(), 1);

  first->setFocus();
  second->setFocus();  // unchanged: still reported
  EXPECT_EQ(exited.count(), 2);
}

}  // namespace

namespace {

// A refused key beeps and names, beside the field, what the field takes -
// every time, also right after another or after a key that was taken,
// which takes the note away.
TEST_F(NumFieldTest, EveryRefusedKeyShowsWhatTheFieldTakes) {
  const struct {
    const char* mask;
    int max;  // 0: no range of its own
    const char* keys;
    const char* kept;
    const char* allowed;
  } cases[] = {
      {"#####", 99999, "1234567", "12345", "Zulässig sind ganze Zahlen von 0 bis 99999."},
      {"#####", 99999, "-1-", "1", "Zulässig sind ganze Zahlen von 0 bis 99999."},
      {"#####", 10000, "-5", "5", "Zulässig sind ganze Zahlen von 0 bis 10000."},
      {"###.#", 0, "12.34", "12.3", "Zulässig sind Zahlen von 0.0 bis 999.9 mit höchstens einer Nachkommastelle."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    QWidget window;
    auto* field = new tNumField(&window);
    (new QVBoxLayout(&window))->addWidget(field);
    Setup(*field, c.mask, QByteArray(c.mask).contains('.'));
    if (c.max > 0) field->SetRange(0, c.max);
    ASSERT_TRUE(ShowActive(&window));
    field->selectAll();
    QSignalSpy beeps(field, &QLineEdit::inputRejected);
    for (const QChar key : QString::fromLatin1(c.keys)) {
      const qsizetype before = beeps.count();
      QTest::keyClicks(field, QString(key));
      QLabel* note = field->findChild<QLabel*>(QStringLiteral("FieldHint"));
      const bool shown = note && note->isVisible();
      EXPECT_EQ(shown, beeps.count() > before) << QString(key).toStdString();
      EXPECT_TRUE(!shown || note->text() == QString::fromUtf8(c.allowed));
    }
    EXPECT_EQ(field->text(), QLatin1String(c.kept));
  }
}

}  // namespace
