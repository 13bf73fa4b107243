#include "tabstops.h"

#include <QApplication>
#include <QRadioButton>
#include <QWidget>

#include "radiogroup.h"

namespace {

// The stop a widget of the list stands for.
QWidget* StopOf(QWidget* widget) {
  if (const tRadioGroup* group = tRadioGroup::GroupOf(widget)) return group->TabStop();
  return widget;
}

}  // namespace

tTabStops::tTabStops(QWidget* window, const QList<QWidget*>& chain) : QObject(window), fWindow(window) {
  for (QWidget* widget : chain) fChain << QPointer<QWidget>(widget);
}

QList<QWidget*> tTabStops::Stops() const {
  QList<QWidget*> stops;
  for (const QPointer<QWidget>& widget : fChain) {
    if (!widget) continue;
    QWidget* stop = StopOf(widget);
    if (stop && !stops.contains(stop)) stops << stop;
  }
  return stops;
}

bool tTabStops::Move(bool next) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) return false;
  const QList<QWidget*> stops = Stops();
  // A radio button stands for its group, also when it is not the stop.
  const int at = int(stops.indexOf(StopOf(focus)));
  if (at < 0) return false;
  const int count = int(stops.size());
  for (int n = 1; n < count; ++n) {
    QWidget* candidate = stops[((at + (next ? n : -n)) % count + count) % count];
    if (!candidate->isVisibleTo(fWindow) || !candidate->isEnabled()) continue;
    // A group's stop is its checked button whatever its focus policy says
    // (the toolkit takes the Tab focus from radio buttons of its own accord).
    if (!tRadioGroup::GroupOf(candidate) && !(candidate->focusPolicy() & Qt::TabFocus)) continue;
    candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  return true;  // nothing else can take the focus: it stays
}
