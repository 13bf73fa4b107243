// Whether a shown window fits its screen and shows all it holds: its frame
// within the screen's available area, every visible control within its
// parent, and every text within its control (captions, choices, group
// titles, entries, tabs).
#pragma once

#include <QStringList>

class QWidget;

// One line per fault ("LblZoom: text 70 wide in 67"); empty when it fits.
QStringList FitFaults(const QWidget* window);
