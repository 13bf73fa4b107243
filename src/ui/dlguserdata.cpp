#include "dlguserdata.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "formini.h"
#include "help.h"
#include "morlakapp.h"
#include "msgdlg.h"
#include "returnkey.h"
#include "tavidaten.h"
#include "textentry.h"

tDlgUserData::tDlgUserData(tTaviDaten& daten, QWidget* owner) : QDialog(owner), fDaten(daten) {
  setObjectName(QStringLiteral("tDlgUserData"));
  setWindowTitle(QStringLiteral("Firmendaten"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setSizeGripEnabled(false);

  auto* lblFirm = new QLabel(QStringLiteral("Name der Firma:"), this);
  lblFirm->setObjectName(QStringLiteral("LblFirmName"));
  fEditFirmName = new QLineEdit(this);
  fEditFirmName->setObjectName(QStringLiteral("EditFirmName"));
  SetupShortStringEdit(fEditFirmName, kMaxNameChars);
  lblFirm->setBuddy(fEditFirmName);

  auto* lblUser = new QLabel(QStringLiteral("Anwendername:"), this);
  lblUser->setObjectName(QStringLiteral("LblUserName"));
  fEditUserName = new QLineEdit(this);
  fEditUserName->setObjectName(QStringLiteral("EditUserName"));
  SetupShortStringEdit(fEditUserName, kMaxNameChars);
  lblUser->setBuddy(fEditUserName);

  auto* lblInfo = new QLabel(QStringLiteral("Begründung für Investition:"), this);
  lblInfo->setObjectName(QStringLiteral("LblInfo"));
  fMemoInfo = new tTextMemo(this);
  fMemoInfo->setObjectName(QStringLiteral("MemoInfo"));
  fMemoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  lblInfo->setBuddy(fMemoInfo);

  fBtnOk = new QPushButton(QStringLiteral("OK"), this);
  fBtnOk->setObjectName(QStringLiteral("BtnOk"));
  fBtnOk->setDefault(true);
  fBtnCancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  fBtnCancel->setObjectName(QStringLiteral("BtnCancel"));
  fBtnCancel->setAutoDefault(false);
  fBtnHelp = new QPushButton(QStringLiteral("Hilfe"), this);
  fBtnHelp->setObjectName(QStringLiteral("BtnHelp"));
  fBtnHelp->setAutoDefault(false);
  for (QPushButton* button : {fBtnOk, fBtnCancel, fBtnHelp}) button->setMinimumSize(75, 25);

  // Entries widen with the dialog, the justification text grows with it,
  // the buttons stay at the lower right corner.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(2);
  layout->addWidget(lblFirm);
  layout->addWidget(fEditFirmName);
  layout->addSpacing(6);
  layout->addWidget(lblUser);
  layout->addWidget(fEditUserName);
  layout->addSpacing(6);
  layout->addWidget(lblInfo);
  layout->addWidget(fMemoInfo, 1);
  layout->addSpacing(8);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(8);
  buttons->addStretch(1);
  buttons->addWidget(fBtnOk);
  buttons->addWidget(fBtnCancel);
  buttons->addWidget(fBtnHelp);
  layout->addLayout(buttons);

  setTabOrder(fEditFirmName, fEditUserName);
  setTabOrder(fEditUserName, fMemoInfo);
  setTabOrder(fMemoInfo, fBtnOk);
  setTabOrder(fBtnOk, fBtnCancel);
  setTabOrder(fBtnCancel, fBtnHelp);

  setMinimumSize(kMinWidth, kMinHeight);
  resize(kClientWidth, kClientHeight);

  connect(fBtnOk, &QPushButton::clicked, this, &tDlgUserData::BtnOkClick);
  connect(fBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(fBtnHelp, &QPushButton::clicked, this, &tDlgUserData::BtnHelpClick);

  fFormIni = new TFormIni(this, QStringLiteral("tDlgUserData"));
  // Return on "Abbrechen" or "Hilfe" presses that button, not OK.
  ClickOnReturnIn(this);
  FormCreate();
}

void tDlgUserData::FormCreate() { fHelpContext = kHelpContext; }

void tDlgUserData::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void tDlgUserData::FormShow() {
  if (tMorlakApp* app = MorlakApp()) app->ApplyMainFont(this, nullptr);
  fEditFirmName->setText(QString::fromStdString(fDaten.GetFirmenname()));
  fEditUserName->setText(QString::fromStdString(fDaten.GetAnwendername()));
  fMemoInfo->SetLines(fDaten.BegruendungInvestition);
  fEditFirmName->setFocus();
}

bool tDlgUserData::StoreInto(tTaviDaten& daten, QString* refused, QString* problem) const {
  const QString firm = fEditFirmName->text();
  const QString user = fEditUserName->text();
  const std::vector<std::string> lines = fMemoInfo->Lines();

  // Everything is checked before anything is stored: the record takes all
  // three or nothing. The entries refuse such characters already, so this
  // only catches what came past them.
  QString character;
  QString what;
  if (!TextFits(firm, tCharSet::ShortString, &character))
    what = QStringLiteral("Der Name der Firma");
  else if (!TextFits(user, tCharSet::ShortString, &character))
    what = QStringLiteral("Der Anwendername");
  else if (!TextFits(QString::fromStdString(tTextList(lines).Text()), tCharSet::Cp1252, &character))
    what = QStringLiteral("Die Begründung für Investition");
  if (!what.isEmpty()) {
    if (refused) *refused = character;
    if (problem) *problem = what;
    return false;
  }
  daten.SetFirmenname(firm.toStdString());
  daten.SetAnwendername(user.toStdString());
  daten.BegruendungInvestition.SetLines(lines);
  return true;
}

void tDlgUserData::BtnOkClick() {
  QString refused;
  QString problem;
  if (!StoreInto(fDaten, &refused, &problem)) {
    ShowError(problem + QStringLiteral(" enthält das Zeichen \u201E") + refused +
              QStringLiteral("\u201C, das nicht gespeichert werden kann. Bitte ändern Sie den Text."));
    return;
  }
  accept();
}

void tDlgUserData::EndAsOk() {
  if (StoreInto(fDaten))
    accept();
  else
    reject();
}

void tDlgUserData::BtnHelpClick() { ShowHelpTopic(fHelpContext); }

void tDlgUserData::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    BtnHelpClick();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
