#include "yearcount.h"

namespace {

bool AllDigits(const QString& s) {
  if (s.isEmpty()) return false;
  for (const QChar c : s)
    if (c < u'0' || c > u'9') return false;
  return true;
}

}  // namespace

tYearCount ParseYearCount(const QString& text) {
  tYearCount result;
  const QString trimmed = text.trimmed();
  QString digits = trimmed;
  bool negative = false;
  if (digits.startsWith(u'+') || digits.startsWith(u'-')) {
    negative = digits.startsWith(u'-');
    digits.remove(0, 1);
  }
  if (!AllDigits(digits)) {
    result.Status = tYearCount::tStatus::NotANumber;
    result.Message = QStringLiteral("\"%1\" ist keine gültige ganze Zahl.").arg(trimmed);
    return result;
  }
  // Leading zeros do not make a number large.
  while (digits.size() > 1 && digits.front() == u'0') digits.remove(0, 1);
  const bool zero = digits == QStringLiteral("0");
  if (negative && !zero) {
    result.Status = tYearCount::tStatus::Negative;
    result.Message = QStringLiteral("Die Anzahl der Jahre darf nicht negativ sein.");
    return result;
  }
  // More than ten digits is beyond 32 bits whatever they are.
  const qlonglong years = digits.size() > 10 ? qlonglong(kMaxYears) + 1 : digits.toLongLong();
  if (years > kMaxYears) {
    result.Status = tYearCount::tStatus::TooLarge;
    result.Message = QStringLiteral("Die Anzahl der Jahre ist zu groß: höchstens %1 Jahre sind möglich.").arg(kMaxYears);
    return result;
  }
  result.Status = tYearCount::tStatus::Ok;
  result.Years = static_cast<int32_t>(years);
  result.Months = result.Years * 12;
  return result;
}
