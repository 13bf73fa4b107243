#include "msgdlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <cstdio>
#include <memory>

#include "appimages.h"
#include "help.h"
#include "langtext.h"
#include "framehost.h"
#include "mainfont.h"
#include "msgdlg_layout.h"

namespace {

bool gTerminating = false;

struct tButtonDef {
  int langId;  // 0: never translated
  const char* german;
  int result;
  QStyle::StandardPixmap icon;
  const char* glyph;  // picture of our own, or nullptr
};

// One row per bit of the button mask.
const tButtonDef kButtons[] = {
    {456, "Ja", mrYes, QStyle::SP_DialogYesButton, nullptr},
    {457, "Nein", mrNo, QStyle::SP_DialogNoButton, nullptr},
    {312, "OK", mrOk, QStyle::SP_DialogOkButton, nullptr},
    {44, "Abbruch", mrCancel, QStyle::SP_DialogCancelButton, nullptr},
    {44, "Abbruch", mrAbort, QStyle::SP_DialogAbortButton, nullptr},
    {458, "Wiederholen", mrRetry, QStyle::SP_DialogRetryButton, nullptr},
    {459, "Ignorieren", mrIgnore, QStyle::SP_DialogIgnoreButton, nullptr},
    {460, "Alle", mrAll, QStyle::SP_DialogYesToAllButton, nullptr},
    {0, "Alle nein", mrNoToAll, QStyle::SP_CustomBase, "BTNNOTOALL"},
    {0, "Alle ja", mrYesToAll, QStyle::SP_CustomBase, "BTNYESTOALL"},
    {461, "Hilfe", mrNone, QStyle::SP_DialogHelpButton, nullptr},
};
constexpr int kButtonCount = int(sizeof(kButtons) / sizeof(kButtons[0]));
constexpr int kHelpBit = 10;

QString ButtonText(int bit) {
  const tButtonDef& b = kButtons[bit];
  const QString german = QString::fromUtf8(b.german);
  return b.langId ? LangText(uint16_t(b.langId), german) : german;
}

QString Caption(tMsgDlgType type) {
  switch (type) {
    case tMsgDlgType::Warning: return LangText(453, QStringLiteral("Warnung"));
    case tMsgDlgType::Error: return LangText(435, QStringLiteral("Fehler"));
    case tMsgDlgType::Information: return LangText(454, QStringLiteral("Information"));
    case tMsgDlgType::Confirmation: return LangText(455, QStringLiteral("Bestätigung"));
    case tMsgDlgType::Custom: break;
  }
  return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QStyle::StandardPixmap IconOf(tMsgDlgType type) {
  switch (type) {
    case tMsgDlgType::Warning: return QStyle::SP_MessageBoxWarning;
    case tMsgDlgType::Error: return QStyle::SP_MessageBoxCritical;
    case tMsgDlgType::Information: return QStyle::SP_MessageBoxInformation;
    case tMsgDlgType::Confirmation: return QStyle::SP_MessageBoxQuestion;
    case tMsgDlgType::Custom: break;
  }
  return QStyle::SP_CustomBase;
}

int PrimaryPpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

QRect PrimaryGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// The button Esc presses: "Abbruch"; else "Nein"; else "OK"; else none.
int CancelBit(int buttons) {
  if (buttons & mbCancel) return 3;
  if (buttons & mbNo) return 1;
  if (buttons & mbOK) return 2;
  return -1;
}

// The button Enter presses when no other button has the focus.
int DefaultBit(int buttons) {
  if (buttons & mbOK) return 2;
  if (buttons & mbYes) return 0;
  if (buttons & mbRetry) return 5;
  for (int bit = 0; bit < kButtonCount; ++bit)
    if (buttons & (1 << bit)) return bit;
  return -1;
}

class tMessageForm : public QDialog {
 public:
  tMessageForm() : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {}
  QPushButton* CancelButton = nullptr;
  int HelpContext = 0;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
      if (CancelButton) CancelButton->click();
      e->accept();
      return;
    }
    if (e->key() == Qt::Key_F1) {
      ShowHelpTopic(HelpContext);
      e->accept();
      return;
    }
    QDialog::keyPressEvent(e);
  }
  // The window's close box answers "cancel", as on the reference platform.
  void reject() override { done(mrCancel); }
};

// Arrow cursor while a message is up; the previous cursor comes back after.
class tArrowCursor {
 public:
  tArrowCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
      QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
      fSet = true;
    }
  }
  ~tArrowCursor() {
    if (fSet) QGuiApplication::restoreOverrideCursor();
  }
  tArrowCursor(const tArrowCursor&) = delete;
  tArrowCursor& operator=(const tArrowCursor&) = delete;

 private:
  bool fSet = false;
};

bool HaveWidgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

// Without a GUI the text goes to standard error and the answer is that of Esc.
int WithoutGui(const QString& text, tMsgDlgType type, int buttons) {
  const QByteArray line = (Caption(type) + QStringLiteral(": ") + MessageDisplayText(text)).toLocal8Bit();
  std::fprintf(stderr, "%s\n", line.constData());
  const int bit = CancelBit(buttons);
  return bit >= 0 ? kButtons[bit].result : mrCancel;
}

// The plain system message box used while the program ends.
int SystemMessageBox(const QString& text, tMsgDlgType type, int buttons) {
  if (!HaveWidgets()) return WithoutGui(text, type, buttons);
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (type) {
    case tMsgDlgType::Warning: icon = QMessageBox::Warning; break;
    case tMsgDlgType::Error: icon = QMessageBox::Critical; break;
    case tMsgDlgType::Information: icon = QMessageBox::Information; break;
    case tMsgDlgType::Confirmation: icon = QMessageBox::Question; break;
    case tMsgDlgType::Custom: break;
  }
  QMessageBox::StandardButtons std = QMessageBox::NoButton;
  if (buttons & mbYes) std |= QMessageBox::Yes;
  if (buttons & mbNo) std |= QMessageBox::No;
  if (buttons & mbOK) std |= QMessageBox::Ok;
  if (buttons & mbCancel) std |= QMessageBox::Cancel;
  if (std == QMessageBox::NoButton) std = QMessageBox::Ok;
  QMessageBox box(icon, Caption(type), MessageDisplayText(text), std);
  box.setTextFormat(Qt::PlainText);
  switch (box.exec()) {
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    case QMessageBox::Ok: return mrOk;
    default: return mrCancel;
  }
}

int Convenience(const QString& text, tMsgDlgType type, int buttons) {
  tArrowCursor arrow;
  if (IsTerminating()) return SystemMessageBox(text, type, buttons);
  return MessageDialog(text, type, buttons, 0);
}

}  // namespace

int ScaleFrom96(int value, int ppi) {
  if (ppi == 96) return value;
  return int((qint64(value) * ppi + 48) / 96);
}

tMessageLayout ComputeMessageLayout(QSize textSize, QSize iconSize, int buttonCount, int ppi) {
  const auto S = [ppi](int v) { return ScaleFrom96(v, ppi); };
  const bool hasIcon = !iconSize.isEmpty();
  const int textW = textSize.width(), textH = textSize.height();
  const int iconW = hasIcon ? iconSize.width() : 0, iconH = hasIcon ? iconSize.height() : 0;

  int neededW = textW + S(20);
  int neededH = textH + S(10);
  if (hasIcon) {
    neededW += iconW + S(10);
    neededH = qMax(iconH + S(10), textH + S(10));
  }
  const int buttonW = S(77), buttonH = S(27), buttonGap = S(8);
  const int rowW = buttonCount * (buttonW + buttonGap) + S(22);
  const int rowH = buttonH + S(18);

  tMessageLayout layout;
  layout.Client = QSize(qMax(qMax(S(150), neededW), rowW), qMax(S(55), neededH + rowH));

  int labelTop = S(10), iconTop = S(10);
  if (hasIcon && iconH > textH)
    labelTop = iconTop + iconH / 2 - textH / 2;
  else if (hasIcon)
    iconTop = labelTop + textH / 2 - iconH / 2;
  const int labelLeft = hasIcon ? S(10) + iconW + S(10) : S(10);
  layout.Label = QRect(labelLeft, labelTop, textW, textH);
  if (hasIcon) layout.Image = QRect(S(10), iconTop, iconW, iconH);

  const int bottom = qMax(labelTop + textH, hasIcon ? iconTop + iconH : 0);
  int x = layout.Client.width() / 2 - rowW / 2 + S(15);
  for (int i = 0; i < buttonCount; ++i) {
    layout.Buttons << QRect(x, bottom + S(10), buttonW, buttonH);
    x += buttonW + buttonGap;
  }
  return layout;
}

QString MessageDisplayText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  shown.replace(u'\r', u'\n');
  return shown;
}

int MessageDialog(const QString& text, tMsgDlgType type, int buttons, int helpContext) {
  if (!HaveWidgets()) return WithoutGui(text, type, buttons);
  const int ppi = PrimaryPpi();
  const QRect screen = PrimaryGeometry();

  auto form = std::make_unique<tMessageForm>();
  form->setObjectName(QStringLiteral("MessageForm"));
  form->HelpContext = helpContext;
  form->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  if (FrameHost()) ApplyMainFont(form.get());

  const QString shown = MessageDisplayText(text);
  const QFontMetrics fm(form->font());
  const QRect textRect =
      fm.boundingRect(QRect(0, 0, screen.width() / 2, 0), Qt::AlignLeft | Qt::TextWordWrap | Qt::TextExpandTabs, shown);

  QSize iconSize;
  QPixmap iconPixmap;
  const QStyle::StandardPixmap iconKind = IconOf(type);
  if (iconKind != QStyle::SP_CustomBase) {
    const int side = ScaleFrom96(32, ppi);
    iconPixmap = form->style()->standardIcon(iconKind, nullptr, form.get()).pixmap(side, side);
    iconSize = QSize(side, side);
  }

  int count = 0;
  for (int bit = 0; bit < kButtonCount; ++bit)
    if (buttons & (1 << bit)) ++count;
  const tMessageLayout layout = ComputeMessageLayout(textRect.size(), iconSize, count, ppi);

  auto* label = new QLabel(form.get());
  label->setObjectName(QStringLiteral("Message"));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setText(shown);
  label->setGeometry(layout.Label);

  if (!iconSize.isEmpty()) {
    auto* image = new QLabel(form.get());
    image->setObjectName(QStringLiteral("Image"));
    image->setPixmap(iconPixmap);
    image->setGeometry(layout.Image);
  }

  const int cancelBit = CancelBit(buttons);
  const int defaultBit = DefaultBit(buttons);
  QPushButton* defaultButton = nullptr;
  int index = 0;
  for (int bit = 0; bit < kButtonCount; ++bit) {
    if (!(buttons & (1 << bit))) continue;
    const tButtonDef& def = kButtons[bit];
    auto* button = new QPushButton(ButtonText(bit), form.get());
    button->setObjectName(QStringLiteral("Btn%1").arg(bit));
    button->setGeometry(layout.Buttons.at(index++));
    button->setAutoDefault(true);
    const QIcon icon = def.glyph ? AppIcon(QString::fromLatin1(def.glyph)) : form->style()->standardIcon(def.icon, nullptr, button);
    if (!icon.isNull()) {
      button->setIcon(icon);
      const int side = ScaleFrom96(16, ppi);
      button->setIconSize(QSize(side, side));
    }
    if (bit == kHelpBit) {
      QObject::connect(button, &QPushButton::clicked, form.get(), [ctx = helpContext] { ShowHelpTopic(ctx); });
    } else {
      const int result = def.result;
      QDialog* dialog = form.get();
      QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
    }
    if (bit == cancelBit) form->CancelButton = button;
    if (bit == defaultBit) {
      button->setDefault(true);
      defaultButton = button;
    }
  }

  form->setWindowTitle(Caption(type));
  form->setFixedSize(layout.Client);
  form->move(screen.x() + (screen.width() - layout.Client.width()) / 2,
             screen.y() + (screen.height() - layout.Client.height()) / 2);
  if (defaultButton) defaultButton->setFocus();
  const int result = form->exec();
  return result;
}

void ShowError(const QString& text) { Convenience(text, tMsgDlgType::Error, mbOK); }
void ShowInformation(const QString& text) { Convenience(text, tMsgDlgType::Information, mbOK); }
void ShowWarning(const QString& text) { Convenience(text, tMsgDlgType::Warning, mbOK); }
bool AskConfirmation(const QString& text) { return Convenience(text, tMsgDlgType::Confirmation, mbYes | mbNo) == mrYes; }
int AskYesNoCancel(const QString& text) { return Convenience(text, tMsgDlgType::Confirmation, mbYes | mbNo | mbCancel); }

void SetTerminating(bool on) { gTerminating = on; }
bool IsTerminating() { return gTerminating; }
