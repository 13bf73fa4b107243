#include "fieldhint.h"

#include <QScreen>
#include <algorithm>
#include <QToolTip>

tFieldHint::tFieldHint(QWidget* field)
    : QLabel(field, Qt::ToolTip | Qt::BypassGraphicsProxyWidget | Qt::WindowDoesNotAcceptFocus), fField(field) {
  setObjectName(QStringLiteral("FieldHint"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setMargin(3);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setPalette(QToolTip::palette());
  setFont(QToolTip::font());
  setAutoFillBackground(true);
  fTimer.setSingleShot(true);
  connect(&fTimer, &QTimer::timeout, this, &QWidget::hide);
}

void tFieldHint::ShowBeside(const QString& text, int showMs) {
  setText(text);
  adjustSize();
  QPoint at = fField->mapToGlobal(QPoint(fField->width() + 4, 0));
  if (const QScreen* screen = fField->screen()) {
    const QRect area = screen->availableGeometry();
    if (at.x() + width() > area.right()) at.setX(fField->mapToGlobal(QPoint(0, 0)).x() - width() - 4);
    at.setX(std::max(at.x(), area.left()));
    if (at.y() + height() > area.bottom()) at.setY(area.bottom() - height());
  }
  move(at);
  show();
  raise();
  fTimer.start(showMs);
}
