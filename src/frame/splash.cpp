#include "splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <memory>

#include "appimages.h"
#include "edevexception.h"
#include "msgdlg.h"

namespace {

const QString kNoLogo = QStringLiteral("Interner Fehler: Logo wurde nicht initialisiert.");

QRect PrimaryGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Processes events until ms milliseconds have passed since timer started.
void ProcessEventsUntil(const QElapsedTimer& timer, int ms) {
  QCoreApplication::processEvents();
  const qint64 remaining = ms - timer.elapsed();
  if (remaining <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(int(remaining), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

std::vector<int> SplashFrameSequence(int step) {
  // Steps below 1 would never reach the logo.
  if (step < 1 || step > 100)
    throw EDevException(QStringLiteral("Ungültiger Parameter (Abstand)."), QStringLiteral("tDlgMORLAKSplash.ShowBackgrndBmps"));
  std::vector<int> frames;
  int p = 100;
  while (p >= 0) {
    frames.push_back(p);
    p -= step;
    if (p > 0 && p < step) p = 0;  // the last frame is always the pure logo
  }
  return frames;
}

uint8_t BlendSplashByte(uint8_t desktop, uint8_t logo, int p) {
  return uint8_t((int(desktop) * p + int(logo) * (100 - p)) / 100);
}

void BlendSplashImages(const QImage& desktop, const QImage& logo, int p, QImage& out) {
  const QSize size = logo.size();
  if (out.size() != size || out.format() != QImage::Format_RGB888) out = QImage(size, QImage::Format_RGB888);
  if (out.isNull()) return;
  const QImage d = desktop.format() == QImage::Format_RGB888 ? desktop : desktop.convertToFormat(QImage::Format_RGB888);
  const QImage l = logo.format() == QImage::Format_RGB888 ? logo : logo.convertToFormat(QImage::Format_RGB888);
  const int rows = qMin(size.height(), d.height());
  const int bytes = 3 * qMin(size.width(), d.width());
  for (int y = 0; y < rows; ++y) {
    const uchar* dr = d.constScanLine(y);
    const uchar* lr = l.constScanLine(y);
    uchar* o = out.scanLine(y);
    for (int i = 0; i < bytes; ++i) o[i] = BlendSplashByte(dr[i], lr[i], p);
  }
}

tDlgMORLAKSplash::tDlgMORLAKSplash() : tDlgMORLAKSplash(AppImage(QStringLiteral("MORLAKSPLASHLOGO"))) {}

tDlgMORLAKSplash::tDlgMORLAKSplash(const QImage& logo)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("tDlgMORLAKSplash"));
  // Every pixel is painted by us: no background is erased first, so the
  // window never flickers to its background colour.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  if (!logo.isNull()) fLogo = logo.convertToFormat(QImage::Format_RGB888);
  Init();
}

void tDlgMORLAKSplash::Init() {
  GetWndRect();
  GetDesktopBmp();
  setGeometry(fWndRect);
}

void tDlgMORLAKSplash::GetWndRect() {
  if (fLogo.isNull()) throw EDevException(kNoLogo, QStringLiteral("tDlgMORLAKSplash.GetWndRect"));
  const QRect screen = PrimaryGeometry();
  const int left = (screen.width() - fLogo.width()) / 2;
  const int top = (screen.height() - fLogo.height()) / 2;
  fWndRect = QRect(screen.x() + left, screen.y() + top, fLogo.width(), fLogo.height());
}

void tDlgMORLAKSplash::GetDesktopBmp() {
  if (fLogo.isNull()) throw EDevException(kNoLogo, QStringLiteral("tDlgMORLAKSplash.GetDesktopBmp"));
  QImage desktop;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect g = screen->geometry();
    desktop = screen->grabWindow(0, fWndRect.x() - g.x(), fWndRect.y() - g.y(), fWndRect.width(), fWndRect.height())
                  .toImage();
  }
  if (desktop.isNull() || desktop.size() != fLogo.size()) {
    // The platform does not hand out the screen's pixels (Wayland, no
    // display): the fade starts from the desktop's neutral colour instead.
    desktop = QImage(fLogo.size(), QImage::Format_RGB888);
    desktop.fill(palette().color(QPalette::Window));
  }
  fDesktopBmp = desktop.convertToFormat(QImage::Format_RGB888);
  fBackgrndBmp = fDesktopBmp;
}

void tDlgMORLAKSplash::ShowBackgrndBmps(int step, int frameTime) {
  const std::vector<int> frames = SplashFrameSequence(step);
  fBackgrndBmp = QImage(fLogo.size(), QImage::Format_RGB888);
  for (int p : frames) {
    QElapsedTimer timer;
    timer.start();
    if (fBackgrndBmp.isNull())
      throw EDevException(QStringLiteral("Interner Fehler: Hintergrundbild wurde nicht initialisiert."),
                          QStringLiteral("tDlgMORLAKSplash.GetBackgrndBmp"));
    BlendSplashImages(fDesktopBmp, fLogo, p, fBackgrndBmp);
    repaint();
    if (OnFrame) OnFrame(p, fBackgrndBmp);
    ProcessEventsUntil(timer, frameTime);
  }
}

void tDlgMORLAKSplash::showEvent(QShowEvent* event) {
  setGeometry(fWndRect);
  QWidget::showEvent(event);
}

void tDlgMORLAKSplash::paintEvent(QPaintEvent*) {
  if (fBackgrndBmp.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, fBackgrndBmp);
}

void ShowSplash(int step, int frameTime, int holdTime) {
  try {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    std::unique_ptr<tDlgMORLAKSplash> form;
    // Cursor back and window gone in every case, before any message.
    struct tCleanup {
      std::unique_ptr<tDlgMORLAKSplash>& form;
      ~tCleanup() {
        QGuiApplication::restoreOverrideCursor();
        QCoreApplication::processEvents();
        form.reset();
      }
    } cleanup{form};
    form = std::make_unique<tDlgMORLAKSplash>();
    form->show();
    form->ShowBackgrndBmps(step, frameTime);
    if (holdTime > 0) QThread::msleep(static_cast<unsigned long>(holdTime));
  } catch (const std::exception& e) {
    ShowError(QStringLiteral("Fehler beim Anzeigen des Startbildschirms.\n\r") + ExceptionMessage(e));
  }
}
