#include "dlgprinting.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "langtext.h"
#include "mainfont.h"
#include "printhost.h"
#include "returnkey.h"

TDlgPrinting::TDlgPrinting(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("DlgPrinting"));
  setWindowTitle(LangText(344, QStringLiteral("Druck")));
  QFont designFont(QStringLiteral("MS Sans Serif"));
  designFont.setPointSize(8);
  setFont(designFont);
  setFixedSize(321, 113);

  LblDocInfo = new QLabel(LangText(345, QStringLiteral("Dokument wird gedruckt.")), this);
  LblDocInfo->setObjectName(QStringLiteral("LblDocInfo"));
  LblDocInfo->setGeometry(3, 8, 315, 16);
  LblPageInfo = new QLabel(LangText(346, QStringLiteral("Seite 1 wird gedruckt.")), this);
  LblPageInfo->setObjectName(QStringLiteral("LblPageInfo"));
  LblPageInfo->setGeometry(3, 27, 315, 16);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setGeometry(5, 50, 311, 21);
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  ProgressBar->setTextVisible(false);
  BtnCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              LangText(44, QStringLiteral("&Abbruch")), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  BtnCancel->setGeometry(116, 84, 89, 25);
  BtnCancel->setAutoDefault(false);
  connect(BtnCancel, &QPushButton::clicked, this, &TDlgPrinting::BtnCancelClick);
  ClickOnReturn(BtnCancel);

  // Centred on the screen.
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TDlgPrinting::showEvent(QShowEvent* event) {
  if (PrintHost()) ApplyMainFont(this);
  QDialog::showEvent(event);
}

// Esc answers the cancel button, as it would on any dialog with one; it
// does not close the window.
void TDlgPrinting::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    BtnCancel->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDlgPrinting::BtnCancelClick() {
  if (OnCancel) OnCancel(this);
}

void TDlgPrinting::SetDocInfo(const QString& text) { LblDocInfo->setText(text); }
void TDlgPrinting::SetPageInfo(const QString& text) { LblPageInfo->setText(text); }
int TDlgPrinting::GetMax() const { return ProgressBar->maximum(); }

void TDlgPrinting::SetMax(int value) { ProgressBar->setRange(0, value); }

int TDlgPrinting::GetPosition() const { return ProgressBar->value(); }
void TDlgPrinting::SetPosition(int value) { ProgressBar->setValue(std::clamp(value, 0, ProgressBar->maximum())); }
void TDlgPrinting::StepIt() { SetPosition(GetPosition() + 1); }
