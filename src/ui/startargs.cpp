#include "startargs.h"

#include <QFileInfo>

tStartArgs ParseStartArgs(const QStringList& args) {
  const QString usage = QStringLiteral("Aufruf: tavi [DATEI.tavi]");
  QStringList rest = args;
  if (!rest.isEmpty() && rest.constFirst() == QStringLiteral("--")) rest.removeFirst();
  else if (!rest.isEmpty() && rest.constFirst().startsWith(QLatin1Char('-')))
    return {false, {}, QStringLiteral("tavi: unbekannte Option \"%1\".\n%2").arg(rest.constFirst(), usage)};
  if (rest.isEmpty()) return {};
  if (rest.size() > 1)
    return {false, {}, QStringLiteral("tavi: es kann nur eine Datei geöffnet werden (%1 angegeben).\n%2")
                           .arg(rest.size())
                           .arg(usage)};
  const QFileInfo info(rest.constFirst());
  if (rest.constFirst().isEmpty() || !info.exists())
    return {false, {}, QStringLiteral("tavi: die Datei \"%1\" gibt es nicht.\n%2").arg(rest.constFirst(), usage)};
  if (info.isDir())
    return {false, {}, QStringLiteral("tavi: \"%1\" ist ein Ordner, keine Berechnungsdatei.\n%2").arg(rest.constFirst(), usage)};
  return {true, info.absoluteFilePath(), {}};
}
