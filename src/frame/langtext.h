// Language strings for windows: string n of the loaded language file, or the
// window's German design text when no language file is loaded or the file
// has no text for n (a window never loses its caption to an empty string).
#pragma once

#include <QString>
#include <cstdint>

QString LangText(uint16_t n, const QString& germanDefault);
