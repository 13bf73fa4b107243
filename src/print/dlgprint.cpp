#include "dlgprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "help.h"
#include "langtext.h"
#include "mainfont.h"
#include "printhost.h"
#include "radiogroup.h"
#include "returnkey.h"
#include "tabstops.h"

// ---------------------------------------------------------- tCopiesSpinBox

tCopiesSpinBox::tCopiesSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(1, 99);
  setValue(1);
  // The value follows the text when the user is done (Enter, leaving the
  // field), not with every key: "0" on the way to "05" must not jump to 1.
  setKeyboardTracking(false);
  lineEdit()->setMaxLength(2);
}

int tCopiesSpinBox::CopiesOf(const QString& text) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  if (!ok) return 1;
  return std::clamp(n, 1, 99);
}

QValidator::State tCopiesSpinBox::validate(QString& input, int&) const {
  if (input.size() > 2) return QValidator::Invalid;
  for (const QChar c : input)
    if (!c.isDigit() && c != u'-' && c != u'+' && c != u' ') return QValidator::Invalid;
  // Whatever fits is taken and limited to the range when it is read.
  return QValidator::Acceptable;
}

int tCopiesSpinBox::valueFromText(const QString& text) const { return CopiesOf(text); }

// ------------------------------------------------------------- TDlgPrint

TDlgPrint::TDlgPrint(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("DlgPrint"));
  setWindowTitle(LangText(464, QStringLiteral("Drucken")));
  QFont designFont(QStringLiteral("MS Sans Serif"));
  designFont.setPointSize(8);
  setFont(designFont);
  setFixedSize(420, 335);
  InstallHelpKey(this, HelpContext);

  GBoxPrinter = new QGroupBox(LangText(59, QStringLiteral(" Drucker ")), this);
  GBoxPrinter->setObjectName(QStringLiteral("GBoxPrinter"));
  GBoxPrinter->setGeometry(6, 8, 299, 49);
  LblPrinter = new QLabel(LangText(465, QStringLiteral("eingestellter Drucker ...")), GBoxPrinter);
  LblPrinter->setObjectName(QStringLiteral("LblPrinter"));
  LblPrinter->setGeometry(16, 24, 265, 16);

  BtnOk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
  BtnOk->setObjectName(QStringLiteral("BtnOk"));
  BtnOk->setGeometry(326, 16, 89, 25);
  BtnOk->setDefault(true);
  connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
  // Without its access letter: Alt+A is "Alles" here (Esc cancels).
  BtnCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              LangText(27, QStringLiteral("&Abbruch")).remove(QLatin1Char('&')), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  BtnCancel->setGeometry(326, 48, 89, 25);
  BtnCancel->setAutoDefault(false);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  GBoxRange = new QGroupBox(LangText(466, QStringLiteral(" Bereich ")), this);
  GBoxRange->setObjectName(QStringLiteral("GBoxRange"));
  GBoxRange->setGeometry(8, 64, 297, 177);
  RBtnAll = new QRadioButton(LangText(467, QStringLiteral("  &Alles")), GBoxRange);
  RBtnAll->setObjectName(QStringLiteral("RBtnAll"));
  RBtnAll->setGeometry(16, 24, 200, 17);
  RBtnAll->setChecked(true);
  RBtnPage = new QRadioButton(LangText(468, QStringLiteral("  A&ktuelle Seite")), GBoxRange);
  RBtnPage->setObjectName(QStringLiteral("RBtnPage"));
  RBtnPage->setGeometry(16, 48, 200, 17);
  RBtnRange = new QRadioButton(LangText(469, QStringLiteral("  &Seiten")), GBoxRange);
  RBtnRange->setObjectName(QStringLiteral("RBtnRange"));
  RBtnRange->setGeometry(16, 72, 85, 17);
  EditRange = new QLineEdit(GBoxRange);
  EditRange->setObjectName(QStringLiteral("EditRange"));
  EditRange->setGeometry(104, 70, 185, 21);
  EnableRange(false);

  const QString texts[4] = {
      LangText(470, QStringLiteral("Einzelseiten oder Seitenbereiche müssen durch")),
      LangText(471, QStringLiteral("Semikolon getrennt werden, Seitenbereiche ")),
      LangText(472, QStringLiteral("werden durch Bindestriche angegeben.")),
      LangText(473, QStringLiteral("Beispiel: 1-5;10;6")),
  };
  QLabel** labels[4] = {&LblText1, &LblText2, &LblText3, &LblText4};
  for (int i = 0; i < 4; ++i) {
    QLabel* label = new QLabel(texts[i], GBoxRange);
    label->setObjectName(QStringLiteral("LblText%1").arg(i + 1));
    label->setGeometry(16, 104 + 16 * i, 273, 16);
    *labels[i] = label;
  }

  GBoxOptions = new QGroupBox(LangText(474, QStringLiteral(" Optionen ")), this);
  GBoxOptions->setObjectName(QStringLiteral("GBoxOptions"));
  GBoxOptions->setGeometry(8, 248, 297, 81);
  LblCopies = new QLabel(LangText(475, QStringLiteral("&Exemplare")), GBoxOptions);
  LblCopies->setObjectName(QStringLiteral("LblCopies"));
  LblCopies->setGeometry(24, 24, 90, 16);
  SEditCopies = new tCopiesSpinBox(GBoxOptions);
  SEditCopies->setObjectName(QStringLiteral("SEditCopies"));
  SEditCopies->setGeometry(120, 19, 65, 22);
  LblCopies->setBuddy(SEditCopies);
  CBoxInvertOrder = new QCheckBox(LangText(476, QStringLiteral("  &Umgekehrte Reihenfolge")), GBoxOptions);
  CBoxInvertOrder->setObjectName(QStringLiteral("CBoxInvertOrder"));
  CBoxInvertOrder->setGeometry(24, 56, 260, 17);

  connect(RBtnAll, &QRadioButton::clicked, this, [this] { EnableRange(false); });
  connect(RBtnPage, &QRadioButton::clicked, this, [this] { EnableRange(false); });
  connect(RBtnRange, &QRadioButton::clicked, this, [this] {
    EnableRange(true);
    EditRange->setFocus();
  });

  // The range is one stop of the tab order; the arrow keys choose in it.
  new tRadioGroup({RBtnAll, RBtnPage, RBtnRange}, this);
  setTabOrder(RBtnAll, RBtnPage);
  setTabOrder(RBtnPage, RBtnRange);
  setTabOrder(RBtnRange, EditRange);
  setTabOrder(EditRange, SEditCopies);
  setTabOrder(SEditCopies, CBoxInvertOrder);
  setTabOrder(CBoxInvertOrder, BtnOk);
  setTabOrder(BtnOk, BtnCancel);
  fTabStops = new tTabStops(this, {RBtnAll, RBtnPage, RBtnRange, EditRange, SEditCopies, CBoxInvertOrder, BtnOk, BtnCancel});
  // Return on "Abbruch" cancels (the dialog would print).
  ClickOnReturnIn(this);

  // Centred on the screen.
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TDlgPrint::EnableRange(bool enable) {
  EditRange->setEnabled(enable);
  QPalette palette = EditRange->palette();
  const QColor face = palette.color(QPalette::Active, QPalette::Button);
  const QColor window = QApplication::palette(EditRange).color(QPalette::Active, QPalette::Base);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, enable ? window : face);
  EditRange->setPalette(palette);
}

void TDlgPrint::showEvent(QShowEvent* event) {
  if (PrintHost()) ApplyMainFont(this);
  // The form is laid out for its design font; a larger main font must not
  // cut the explanation lines off, so they shrink until they fit.
  for (QLabel* label : {LblText1, LblText2, LblText3, LblText4}) {
    QFont font = label->font();
    while (QFontMetrics(font).horizontalAdvance(label->text()) > label->width() && font.pointSizeF() > 6) {
      font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
  }
  QDialog::showEvent(event);
}

void TDlgPrint::SetPrinterName(const QString& text) { LblPrinter->setText(text); }

int TDlgPrint::GetOption() const {
  if (RBtnPage->isChecked()) return optPage;
  if (RBtnRange->isChecked()) return optRange;
  return optAll;
}

QString TDlgPrint::GetRangeText() const { return EditRange->text(); }

int TDlgPrint::GetCopies() const { return tCopiesSpinBox::CopiesOf(SEditCopies->cleanText()); }

bool TDlgPrint::GetReverseOrder() const { return CBoxInvertOrder->isChecked(); }

bool TDlgPrint::focusNextPrevChild(bool next) {
  if (fTabStops && fTabStops->Move(next)) return true;
  return QDialog::focusNextPrevChild(next);
}
