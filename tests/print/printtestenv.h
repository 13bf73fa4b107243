// What the test program found at start.
#pragma once

#include <QString>
#include <QWidget>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// True when the private CUPS scheduler with the test queues runs; else false
// with the reason (tests that need it skip).
bool CupsAvailableForTests(QString* why);

#define REQUIRE_CUPS()                                              \
  do {                                                              \
    QString why_;                                                   \
    if (!CupsAvailableForTests(&why_)) GTEST_SKIP() << qPrintable(why_); \
  } while (0)

#include "modaldriver.h"

// Queues the answer to a message dialog: remember its text, press OK.
inline void AnswerMessage(tModalDriver& driver, QString* text) {
  driver.Then([text](QWidget* w) {
    if (text) *text = tModalDriver::TextOf(w);
    tModalDriver::Click(w, QStringLiteral("Btn2"));
  });
}

// Every queued window came, nothing else did.
#define EXPECT_DRIVER_DONE(driver)                                                            \
  do {                                                                                        \
    EXPECT_EQ((driver).Pending(), 0);                                                         \
    EXPECT_TRUE((driver).Unexpected().isEmpty()) << qPrintable((driver).Unexpected().join(';')); \
  } while (0)
