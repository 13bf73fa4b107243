// The library exception: a message plus an optional source location
// ("tDlgAmortisation.FormCreate"). With the settings switch "Debug" on, the
// location is added to the message: before a final ".", "!" or "?" as
// " (location)", else appended as " (location)"; an empty message becomes
// "(location)".
#pragma once

#include <QString>
#include <stdexcept>

class EDevException : public std::runtime_error {
 public:
  explicit EDevException(const QString& message, const QString& location = QString());
  // The message formatted with one integer argument for "%D".
  static EDevException Fmt(const QString& pattern, long long value, const QString& location = QString());
  const QString& Location() const { return fLocation; }
  QString Message() const { return QString::fromUtf8(what()); }

 private:
  QString fLocation;
};

// The message of any exception as a QString (what() is UTF-8).
QString ExceptionMessage(const std::exception& e);

// The location rule of the debug switch, applied unconditionally.
QString AddLocationToMessage(const QString& message, const QString& location);
// pattern with its first "%D" replaced by value ("%%" gives "%").
QString FormatIntegerArg(const QString& pattern, long long value);
