#include "screenfit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

namespace {

QString NameOf(const QWidget* w) {
  const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
  return name;
}

QString Plain(QString text) { return text.remove(QLatin1Char('&')).trimmed(); }

// A control inside an area that scrolls may lie beyond it.
bool InScrollingArea(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(p))
      if (area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0) return true;
  return false;
}

void CheckText(const QWidget* w, const QString& text, int room, int height, QStringList& faults) {
  if (text.isEmpty()) return;
  const QFontMetrics fm(w->font());
  const int need = fm.horizontalAdvance(text);
  if (need > room) faults << QStringLiteral("%1: text \"%2\" %3 wide in %4").arg(NameOf(w), text).arg(need).arg(room);
  if (fm.height() > height) faults << QStringLiteral("%1: text %2 high in %3").arg(NameOf(w)).arg(fm.height()).arg(height);
}

void CheckControl(const QWidget* w, QStringList& faults) {
  if (auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().contains(u'<')) return;
    const QRect r = label->contentsRect();
    CheckText(w, Plain(label->text()), r.width() - 2 * label->margin() - qMax(0, label->indent()), r.height(), faults);
  } else if (auto* box = qobject_cast<const QGroupBox*>(w)) {
    CheckText(w, Plain(box->title()), box->width() - 12, box->height(), faults);
  } else if (auto* choice = qobject_cast<const QAbstractButton*>(w);
             choice && (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))) {
    const int indicator = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                          w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
    CheckText(w, Plain(choice->text()), w->width() - indicator, w->height(), faults);
  } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
    if (auto* tool = qobject_cast<const QToolButton*>(w); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
      return;  // the text is its tooltip
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    CheckText(w, Plain(button->text()), w->width() - icon - 6, w->height(), faults);
  } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
    const QMargins m = edit->textMargins();
    CheckText(w, edit->text(), edit->width() - m.left() - m.right() - 4, edit->height(), faults);
  } else if (auto* bar = qobject_cast<const QTabBar*>(w)) {
    for (int i = 0; i < bar->count(); ++i) {
      const QRect tab = bar->tabRect(i);
      if (!bar->rect().contains(tab))
        faults << QStringLiteral("%1: tab %2 beyond the bar").arg(NameOf(w), bar->tabText(i));
      const int need = bar->fontMetrics().horizontalAdvance(Plain(bar->tabText(i)));
      if (need > tab.width()) faults << QStringLiteral("%1: tab %2 too narrow").arg(NameOf(w), bar->tabText(i));
    }
  }
}

}  // namespace

QStringList FitFaults(const QWidget* window) {
  QStringList faults;
  const QScreen* screen = window->screen();
  if (!screen) return {QStringLiteral("no screen")};
  const QRect area = screen->availableGeometry();
  if (!area.contains(window->frameGeometry()))
    faults << QStringLiteral("%1: frame %2,%3 %4x%5 beyond the screen %6x%7")
                  .arg(NameOf(window))
                  .arg(window->frameGeometry().x())
                  .arg(window->frameGeometry().y())
                  .arg(window->frameGeometry().width())
                  .arg(window->frameGeometry().height())
                  .arg(area.width())
                  .arg(area.height());
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || !w->isVisible() || w->isWindow() || InScrollingArea(w, window)) continue;
    const QWidget* parent = w->parentWidget();
    if (parent && !parent->rect().contains(w->geometry()))
      faults << QStringLiteral("%1: %2,%3 %4x%5 beyond %6 (%7x%8)")
                    .arg(NameOf(w))
                    .arg(w->x())
                    .arg(w->y())
                    .arg(w->width())
                    .arg(w->height())
                    .arg(NameOf(parent))
                    .arg(parent->width())
                    .arg(parent->height());
    CheckControl(w, faults);
  }
  return faults;
}
