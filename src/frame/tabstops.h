// The tab order of a window, given as a list from top left to bottom right.
//
// Qt finds the next stop by itself, but it passes radio buttons that follow
// one it has already met (so groups after the first cannot be reached with
// Tab), and it stops at unchecked ones. A window that holds radio groups
// lets this object move the focus instead: its focusNextPrevChild calls
// Move. A radio button of a tRadioGroup stands for its whole group, whose
// stop is the group's TabStop(); a widget is passed when it is hidden,
// disabled or takes no Tab focus (a read-only entry field, for one). The
// list wraps around at both ends.
//
// Not owned: the widgets. The object itself is owned by its parent.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

class tTabStops : public QObject {
 public:
  tTabStops(QWidget* window, const QList<QWidget*>& chain);

  // Moves the focus to the next (or previous) stop after the focus widget.
  // False, and nothing done, when the focus widget is none of the list's:
  // the toolkit's own order applies then.
  bool Move(bool next);

  // The stops the list stands for now, in order (for a window's tests).
  QList<QWidget*> Stops() const;

 private:
  QWidget* fWindow;
  QList<QPointer<QWidget>> fChain;
};
