#include "edevexception.h"

#include "framehost.h"

namespace {

// The message as shown: with the debug switch on, the location is woven in.
QString Decorated(const QString& message, const QString& location) {
  const tFrameHost* host = FrameHost();
  if (!host || !host->Debug()) return message;
  return AddLocationToMessage(message, location);
}

}  // namespace

QString AddLocationToMessage(const QString& message, const QString& location) {
  if (location.isEmpty()) return message;
  if (message.isEmpty()) return QStringLiteral("(%1)").arg(location);
  const QChar last = message.back();
  if (last == u'.' || last == u'!' || last == u'?')
    return message.left(message.size() - 1) + QStringLiteral(" (%1)").arg(location) + last;
  return QStringLiteral("%1 (%2)").arg(message, location);
}

QString FormatIntegerArg(const QString& pattern, long long value) {
  // "%D" (or "%d") takes the value, "%%" stands for a percent sign; any
  // other "%" is kept as it is.
  QString result;
  result.reserve(pattern.size() + 20);
  bool used = false;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern.at(i);
    if (c == u'%' && i + 1 < pattern.size()) {
      const QChar next = pattern.at(i + 1);
      if (next == u'%') {
        result += u'%';
        ++i;
        continue;
      }
      if ((next == u'D' || next == u'd') && !used) {
        result += QString::number(value);
        used = true;
        ++i;
        continue;
      }
    }
    result += c;
  }
  return result;
}

EDevException::EDevException(const QString& message, const QString& location)
    : std::runtime_error(Decorated(message, location).toStdString()), fLocation(location) {}

EDevException EDevException::Fmt(const QString& pattern, long long value, const QString& location) {
  return EDevException(FormatIntegerArg(pattern, value), location);
}

QString ExceptionMessage(const std::exception& e) { return QString::fromUtf8(e.what()); }
