#include "pagelist.h"

#include <cstdint>

#include "langtext.h"

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsTrimmed(QChar c) { return c.unicode() <= u' ' || c.unicode() == 0x00B7; }
QString PageText() { return LangText(104, QStringLiteral("Seite")); }

}  // namespace

tPageList ParsePageList(const QString& input, int32_t pageCount) {
  tPageList result;
  qsizetype begin = 0;
  qsizetype end = input.size();
  while (begin < end && IsTrimmed(input[begin])) ++begin;
  while (end > begin && IsTrimmed(input[end - 1])) --end;
  const QString text = input.mid(begin, end - begin);

  const QString invalidList =
      LangText(423, QStringLiteral("Die Seitenangabe ist ungültig.\nSeitenbereiche werden aufsteigend angegeben, "
                                   "z. B. 1-5;10;6."));
  if (text.isEmpty()) {
    result.Messages << LangText(420, QStringLiteral("Bitte geben Sie die Seiten an, die gedruckt werden sollen."));
    return result;
  }
  for (const QChar c : text) {
    if (IsDigit(c) || c == u'-' || c == u';') continue;
    result.Messages << LangText(421, QStringLiteral("Ungültiges Zeichen \"")) + c +
                           LangText(422, QStringLiteral("\" in der Seitenangabe.\nErlaubt sind nur Ziffern, \"-\" und \";\"."));
  }
  if (!result.Valid()) return result;

  std::vector<int32_t>& pages = result.Pages;
  auto fail = [&result](const QString& message) {
    result.Messages << message;
    result.Pages.clear();
    return result;
  };
  QChar separator = u';';  // the first number counts as preceded by ";"
  qsizetype pos = 0;
  while (pos < text.size()) {
    const qsizetype start = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    const QString digits = text.mid(start, pos - start);
    bool more = false;
    QChar next;
    if (pos < text.size()) {  // the non-digit after the number is consumed
      next = text[pos++];
      more = true;
    }
    if (digits.isEmpty()) return fail(invalidList);
    // Numbers too long for 32 bits are out of range all the same.
    const int64_t number = digits.size() > 10 ? INT64_MAX : digits.toLongLong();
    if (number < 1 || number > pageCount)
      // "Seite 13 ist im Dokument nicht vorhanden.": the blank after the
      // word, as in the progress window's page line.
      return fail(PageText() + u' ' + digits +
                  LangText(424, QStringLiteral(" ist im Dokument nicht vorhanden.")));
    const auto page = static_cast<int32_t>(number);
    if (separator == u';') {
      pages.push_back(page);
    } else {  // "-": the pages after the last one up to this one
      if (pages.empty()) return fail(invalidList);
      const int32_t last = pages.back();
      if (page <= last) return fail(invalidList);
      for (int32_t p = last + 1; p <= page; ++p) pages.push_back(p);
    }
    if (more) separator = next;
  }
  return result;
}
