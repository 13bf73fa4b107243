// Walking a window with the keyboard alone, as a test sees it.
#pragma once

#include <QStringList>

class QWidget;

// Presses Tab (or Shift+Tab) on the focus widget, starting at start (which
// is given the focus first), and lists the object names of the widgets the
// focus reaches, start first, until it comes back to start or limit steps
// were taken (then "..." ends the list). A widget without a name is listed
// by its class name.
QStringList TabChain(QWidget* start, bool backwards = false, int limit = 60);
