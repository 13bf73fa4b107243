#include "fontshrink.h"

#include <algorithm>

namespace {

QFont Scaled(QFont font, qreal factor) {
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
  else if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * factor);
  return font;
}

}  // namespace

void tFontShrink::Restore() {
  // The controls before the window, whose font they partly inherit.
  for (auto it = fItems.rbegin(); it != fItems.rend(); ++it)
    if (it->widget && it->widget->font() == it->applied) it->widget->setFont(it->original);
  fItems.clear();
  fFactor = 1;
}

void tFontShrink::Apply(QWidget* window, qreal factor) {
  Restore();
  if (!window || factor >= 1) return;
  fFactor = factor;
  std::vector<QWidget*> widgets{window};
  // Controls that set a size of their own do not follow the window's.
  for (QWidget* w : window->findChildren<QWidget*>())
    if (!w->isWindow() && w->testAttribute(Qt::WA_SetFont) && (w->font().resolveMask() & QFont::SizeResolved))
      widgets.push_back(w);
  std::vector<QFont> originals;
  for (QWidget* w : widgets) originals.push_back(w->font());
  for (size_t i = 0; i < widgets.size(); ++i) {
    const QFont applied = Scaled(originals[i], factor);
    widgets[i]->setFont(applied);
    fItems.push_back({widgets[i], originals[i], widgets[i]->font()});
  }
}
