// The answer to "Anzahl der Jahre": the number of years the month table
// covers, read from what the user typed (or from tavi-report's --years).
//
// A whole number in decimal, blanks around it allowed, with an optional
// sign. 0 years is the table of month 0 alone (the investments); negative
// counts are refused, and so are counts whose months (years × 12) would not
// fit a 32-bit month number. Every refusal comes with a German message for
// the user.
#pragma once

#include <QString>
#include <cstdint>

struct tYearCount {
  enum class tStatus { Ok, NotANumber, Negative, TooLarge };
  tStatus Status = tStatus::NotANumber;
  int32_t Years = 0;
  int32_t Months = 0;  // Years × 12
  QString Message;     // empty when Ok

  bool Ok() const { return Status == tStatus::Ok; }
};

// The largest count of years whose months fit 32 bits.
constexpr int32_t kMaxYears = 2147483647 / 12;

tYearCount ParseYearCount(const QString& text);
