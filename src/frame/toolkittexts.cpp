#include "toolkittexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallToolkitTexts(QCoreApplication& app) {
  if (app.findChild<QTranslator*>(QStringLiteral("ToolkitTexts"))) return true;
  auto* translator = new QTranslator(&app);
  translator->setObjectName(QStringLiteral("ToolkitTexts"));
  if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}
