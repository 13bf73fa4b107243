// The graph dialog's two axis fields behave as every numeric field of the
// program: their limits are taken, a value beyond is rejected in the error
// colours with the range and the value in use named, and never replaces
// the value in use.
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dlggraph.h"
#include "numfield.h"
#include "payback.h"
#include "tavidaten.h"
#include "uitest.h"
#include "../calc/workedexample.h"

namespace {

TEST(GraphFields, LimitsAreTakenAndWhatLiesBeyondIsRejected) {
  const tTaviDaten d = WorkedExample();
  tPaybackCalc calc;
  calc.Calculate(d);
  tDlgGraph dlg(d, calc, {});
  const struct {
    const char* name;
    int64_t min;
    int64_t max;
  } fields[] = {{"NFieldX", 1, 9999999}, {"NFieldY", 1, 2147483647}};
  for (const auto& f : fields) {
    SCOPED_TRACE(f.name);
    tNumField* field = Ctl<tNumField>(&dlg, QLatin1String(f.name));
    // Each entry as the user makes it: into the field, type, and out.
    const auto type = [field](const QString& text) {
      QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
      QApplication::sendEvent(field, &in);
      field->selectAll();
      QTest::keyClicks(field, text);
      QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(field, &out);
    };
    for (const int64_t limit : {f.min, f.max}) {
      type(QString::number(limit));
      EXPECT_EQ(field->IntValue(), limit);
      EXPECT_FALSE(field->InError());
    }
    type(QStringLiteral("0"));  // one below the lowest
    EXPECT_TRUE(field->InError());
    EXPECT_EQ(field->IntValue(), f.max);  // the value in use before this entry
    EXPECT_EQ(field->toolTip(), QStringLiteral("Ungültiger Wert. Zulässig sind Werte von %1 bis %2. "
                                               "Die Berechnung verwendet %2.")
                                    .arg(f.min)
                                    .arg(f.max));
    const QString beyond = QString::number(f.max + 1);
    QSignalSpy refused(field, &QLineEdit::inputRejected);
    type(beyond);
    if (beyond.size() > field->Mask().size()) {
      EXPECT_EQ(refused.count(), 1);  // no place for the extra digit
      EXPECT_EQ(field->text(), beyond.left(field->Mask().size()));
    } else {
      EXPECT_TRUE(field->InError());
      EXPECT_EQ(field->IntValue(), f.max);  // not the 100000 typed on the way
    }
  }
}

}  // namespace
