#include "langtext.h"

#include "resfile.h"

QString LangText(uint16_t n, const QString& germanDefault) {
  if (!LanguageFileLoaded()) return germanDefault;
  const QString text = QString::fromStdString(LanguageString(n));
  return text.isEmpty() ? germanDefault : text;
}
