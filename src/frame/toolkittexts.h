// The toolkit's own texts in German: the entry fields' context menu
// ("Rückgängig", "Ausschneiden", ...), the buttons of standard dialogs and
// the file dialog come from Qt's German translation (qtbase_de.qm of
// Debian's qt6-translations-l10n, in the toolkit's translations folder).
// The program is German whatever the user's language setting is.
#pragma once

class QCoreApplication;

// Loads the German translation and installs it into app; the translator
// is owned by app. False when the translation file is not there or cannot
// be read: the toolkit's texts stay English then, nothing else changes.
// Installing twice keeps one translator.
bool InstallToolkitTexts(QCoreApplication& app);
