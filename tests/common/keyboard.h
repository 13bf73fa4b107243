// Walking a window with the keyboard alone, as a test sees it.
#pragma once

#include <QKeyCombination>
#include <QStringList>

class QWidget;

// Presses Tab (or Shift+Tab) on the focus widget, starting at start (which
// is given the focus first), and lists the object names of the widgets the
// focus reaches, start first, until it comes back to start or limit steps
// were taken (then "..." ends the list). A widget without a name is listed
// by its class name.
QStringList TabChain(QWidget* start, bool backwards = false, int limit = 60);

// Presses keys on the widget with the focus (or on window) and says what
// they opened: "<menu>/<selected command>" for a drop-down menu (which is
// closed again), the title of a modal window (which is dismissed), else
// an empty text. Menus and dialogs run loops of their own; a timer looks
// for them meanwhile.
QString OpenedBy(QWidget* window, QKeyCombination keys);
