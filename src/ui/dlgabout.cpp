#include "dlgabout.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "appimages.h"
#include "morlakapp.h"

namespace {

QLabel* TitleLabel(QWidget* parent, const QString& name, const QString& text, int pixelHeight) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelHeight);
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 128));  // navy
  label->setPalette(palette);
  label->adjustSize();
  return label;
}

}  // namespace

QString tDlgAbout::ContactMail() { return QStringLiteral("info@morlak.de"); }

tDlgAbout::tDlgAbout(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("tDlgAbout"));
  setFixedSize(486, 231);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(3);
  panel->setGeometry(0, 0, 486, 231);

  auto* logo = new QLabel(panel);
  logo->setObjectName(QStringLiteral("ImgLogo"));
  logo->setScaledContents(true);
  logo->setPixmap(QPixmap::fromImage(AppImage(QStringLiteral("MORLAKLOGO"), QSize(81, 81))));
  logo->setGeometry(20, 20, 81, 81);

  auto* version = new QLabel(panel);
  version->setObjectName(QStringLiteral("LblVersion"));
  version->setTextFormat(Qt::PlainText);
  version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  version->setText(MorlakApp() ? MorlakApp()->GetTitle() : QStringLiteral("TAVI 2.0"));
  version->setGeometry(12, 108, 97, 20);

  fTitle = TitleLabel(panel, QStringLiteral("LblTitle"), QStringLiteral("Amortisationsrechnung"), 27);
  fTitle->move(120, 18);
  QLabel* subtitle =
      TitleLabel(panel, QStringLiteral("LblSubTitle"), QStringLiteral("für MORLAK-Zeitwirtschaftssysteme"), 16);
  subtitle->move(122, 54);

  auto* rule = new QFrame(panel);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  rule->setGeometry(122, 80, 344, 2);

  fContact = new QLabel(panel);
  fContact->setObjectName(QStringLiteral("LblContact"));
  fContact->setTextFormat(Qt::RichText);
  fContact->setOpenExternalLinks(true);
  fContact->setTextInteractionFlags(Qt::TextBrowserInteraction);
  fContact->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fContact->setText(QStringLiteral("<b>MORLAK GmbH</b><br>"
                                   "Lerchenfeldstraße 27<br>"
                                   "90441 Nürnberg<br>"
                                   "Telefon: 0911 / 42 97 30-0<br>"
                                   "Telefax: 0911 / 42 97 30-99<br>"
                                   "E-Mail: <a href=\"mailto:%1\">%1</a>")
                        .arg(ContactMail()));
  fContact->setGeometry(122, 90, 250, 110);

  fOk = new QPushButton(QStringLiteral("OK"), panel);
  fOk->setObjectName(QStringLiteral("BtnOk"));
  fOk->setGeometry(391, 186, 75, 25);
  fOk->setDefault(true);
  connect(fOk, &QPushButton::clicked, this, &QDialog::accept);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect g = screen->geometry();
    move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
  }
}

void tDlgAbout::showEvent(QShowEvent* event) {
  if (tMorlakApp* app = MorlakApp()) app->ApplyMainFont(this);
  QDialog::showEvent(event);
}
