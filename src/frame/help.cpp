#include "help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "appimages.h"
#include "msgdlg.h"
#include "onscreen.h"
#include "returnkey.h"

namespace {

QString gHelpFile;

class tHelpWindow : public QWidget {
 public:
  explicit tHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("TAVI - Hilfe"));
    setWindowIcon(AppIcon(QStringLiteral("TBHELP")));

    auto* contents = new QPushButton(QStringLiteral("&Inhalt"), this);
    contents->setObjectName(QStringLiteral("BtnContents"));
    auto* back = new QPushButton(QStringLiteral("&Zurück"), this);
    back->setObjectName(QStringLiteral("BtnBack"));
    auto* forward = new QPushButton(QStringLiteral("&Vor"), this);
    forward->setObjectName(QStringLiteral("BtnForward"));
    auto* close = new QPushButton(QStringLiteral("&Schließen"), this);
    close->setObjectName(QStringLiteral("BtnClose"));
    back->setEnabled(false);
    forward->setEnabled(false);
    // Return on a button with the focus presses it, as Space does.
    for (QPushButton* button : {contents, back, forward, close}) ClickOnReturn(button);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    Browser->setOpenLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(Browser, 1);

    connect(contents, &QPushButton::clicked, this, [this] { Browser->setSource(ContentsUrl); });
    connect(back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
      const QString title = Browser->documentTitle();
      setWindowTitle(title.isEmpty() ? QStringLiteral("TAVI - Hilfe") : QStringLiteral("TAVI - Hilfe: ") + title);
    });
  }

  QTextBrowser* Browser = nullptr;
  QUrl ContentsUrl;
};

QPointer<tHelpWindow> gWindow;

QString HelpDir() {
  QString file = gHelpFile;
  if (file.isEmpty() && QCoreApplication::instance())
    file = QCoreApplication::applicationDirPath() + QStringLiteral("/TAVI.HLP");
  return file;
}

void Show(int context) {
  const QString dir = HelpDir();
  const QString contents = dir + QStringLiteral("/index.html");
  if (!QFileInfo(contents).isFile()) {
    ShowError(QStringLiteral("Die Hilfedatei %1 wurde nicht gefunden.").arg(QDir::toNativeSeparators(dir)));
    return;
  }
  QString page = contents;
  if (context != 0) {
    const QString topic = dir + QStringLiteral("/%1.html").arg(context);
    if (QFileInfo(topic).isFile()) page = topic;
  }

  // A modal dialog blocks every other window; the help window is therefore
  // opened over the dialog that asks for it.
  QWidget* owner = QApplication::activeModalWidget();
  if (gWindow && gWindow->parentWidget() != owner) {
    gWindow->setParent(owner, Qt::Window);
  }
  if (!gWindow) {
    gWindow = new tHelpWindow(owner);
    // Its design size where the screen has room for it, centred.
    gWindow->setGeometry(CentredOnScreen(gWindow, FitOnScreen(gWindow, QSize(680, 560))));
  }
  gWindow->ContentsUrl = QUrl::fromLocalFile(contents);
  gWindow->Browser->setSource(QUrl::fromLocalFile(page), QTextDocument::HtmlResource);
  gWindow->show();
  gWindow->raise();
  gWindow->activateWindow();
}

}  // namespace

void SetApplicationHelpFile(const QString& fileName) { gHelpFile = fileName; }
QString ApplicationHelpFile() { return gHelpFile; }

void ShowHelpContents() { Show(0); }
void ShowHelpTopic(int context) { Show(context); }

void InstallHelpKey(QWidget* window, int context) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, window, [context] { ShowHelpTopic(context); });
}

QWidget* HelpWindow() { return gWindow.data(); }

QString HelpWindowSource() { return gWindow ? gWindow->Browser->source().toString() : QString(); }

void CloseHelpWindow() {
  if (gWindow) gWindow->close();
}
