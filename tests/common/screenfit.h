// Whether a shown window fits its screen and shows all it holds: its frame
// within the screen's available area, every visible control within its
// parent, nothing that scrolls except the controls made to (lists, texts).
#pragma once

#include <QStringList>

class QWidget;

// One line per fault; empty when the window fits.
QStringList FitFaults(const QWidget* window);
