#include "mainfont.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <vector>

namespace {

QPointer<QWidget> gMainWindow;

bool SameSize(const QFont& a, const QFont& b) {
  if (a.pixelSize() > 0 && b.pixelSize() > 0) return a.pixelSize() == b.pixelSize();
  if (a.pointSizeF() > 0 && b.pointSizeF() > 0) return qFuzzyCompare(a.pointSizeF(), b.pointSizeF());
  return QFontInfo(a).pixelSize() == QFontInfo(b).pixelSize();
}

void TakeSize(QFont& target, const QFont& from) {
  if (from.pixelSize() > 0)
    target.setPixelSize(from.pixelSize());
  else
    target.setPointSizeF(from.pointSizeF());
}

// The style of a font: weight, italic, underline, strike-out, taken as one.
bool SameStyle(const QFont& a, const QFont& b) {
  return a.weight() == b.weight() && a.italic() == b.italic() && a.underline() == b.underline() &&
         a.strikeOut() == b.strikeOut();
}

void TakeStyle(QFont& target, const QFont& from) {
  target.setWeight(from.weight());
  target.setItalic(from.italic());
  target.setUnderline(from.underline());
  target.setStrikeOut(from.strikeOut());
}

}  // namespace

void SetMainWindow(QWidget* window) { gMainWindow = window; }
QWidget* MainWindow() { return gMainWindow.data(); }


void ApplyMainFont(QWidget* form, const QFont* oldFont) {
  QWidget* main = MainWindow();
  if (!main || !form) return;
  const QFont old = oldFont ? *oldFont : form->font();
  const QColor oldColor = form->palette().color(QPalette::WindowText);
  const QFont mainFont = main->font();
  const QColor mainColor = main->palette().color(QPalette::WindowText);

  // The controls with a font of their own, as they are before the form
  // changes (the others simply follow the form's font).
  struct tOwnFont {
    QPointer<QWidget> widget;
    QFont font;
  };
  std::vector<tOwnFont> own;
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (w->isWindow()) continue;  // other windows apply the font themselves
    if (w->testAttribute(Qt::WA_SetFont)) own.push_back({w, w->font()});
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) combo->lineEdit()->deselect();
  }

  if (form != main) {
    form->setFont(mainFont);
    if (form->palette().color(QPalette::WindowText) != mainColor) {
      QPalette palette = form->palette();
      palette.setColor(QPalette::WindowText, mainColor);
      form->setPalette(palette);
    }
  }

  for (const tOwnFont& item : own) {
    if (!item.widget) continue;
    QFont font = item.font;
    font.setFamilies(QStringList());
    font.setFamily(item.font.family() == old.family() ? mainFont.family() : item.font.family());
    if (SameSize(item.font, old))
      TakeSize(font, mainFont);
    else
      TakeSize(font, item.font);
    TakeStyle(font, SameStyle(item.font, old) ? mainFont : item.font);
    item.widget->setFont(font);
    if (item.widget->testAttribute(Qt::WA_SetPalette) &&
        item.widget->palette().color(QPalette::WindowText) == oldColor && oldColor != mainColor) {
      QPalette palette = item.widget->palette();
      palette.setColor(QPalette::WindowText, mainColor);
      item.widget->setPalette(palette);
    }
  }
}

void SetMainFontName(const QString& name) {
  QWidget* main = MainWindow();
  if (!main) return;
  const QFont copy = main->font();
  if (QFontDatabase::families().contains(name, Qt::CaseInsensitive)) {
    QFont font = main->font();
    font.setFamilies(QStringList());
    font.setFamily(name);
    main->setFont(font);
  }
  ApplyMainFont(main, &copy);
}

