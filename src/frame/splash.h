// Start-up picture: a borderless, always-on-top window the size of the
// logo, centred on the screen, first shows the piece of desktop under it
// and then blends from that desktop picture to the logo in steps, holds the
// logo for a moment and closes.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

// The whole splash: step = percentage step of the blend (1 to 100),
// frameTime = minimum time of one frame in ms, holdTime = time the finished
// logo stays in ms. Failures are shown with ShowError; the program goes on.
void ShowSplash(int step, int frameTime, int holdTime);

// The desktop share P in percent of each frame, from 100 (pure desktop)
// down to 0 (pure logo). Raises EDevException "Ungültiger Parameter
// (Abstand)." unless 1 <= step <= 100.
std::vector<int> SplashFrameSequence(int step);
// One colour byte of a frame: (desktop * p + logo * (100 - p)) / 100.
uint8_t BlendSplashByte(uint8_t desktop, uint8_t logo, int p);
// Every colour byte of two 24-bit pictures of one size into out (made
// 24-bit of that size when it is not).
void BlendSplashImages(const QImage& desktop, const QImage& logo, int p, QImage& out);

class tDlgMORLAKSplash : public QWidget {
 public:
  // With the logo from the resource "MORLAKSPLASHLOGO".
  tDlgMORLAKSplash();
  // With a logo of the caller's (a null image raises the missing-logo error).
  explicit tDlgMORLAKSplash(const QImage& logo);

  QRect WndRect() const { return fWndRect; }
  const QImage& Logo() const { return fLogo; }
  const QImage& DesktopBmp() const { return fDesktopBmp; }
  const QImage& BackgrndBmp() const { return fBackgrndBmp; }

  // The fade: one frame per value of SplashFrameSequence(step), each shown
  // for at least frameTime ms while pending events are processed.
  void ShowBackgrndBmps(int step, int frameTime);

  // Called after each frame has been drawn, with its P and picture.
  std::function<void(int p, const QImage& frame)> OnFrame;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Init();
  void GetWndRect();
  void GetDesktopBmp();

  QRect fWndRect;
  QImage fLogo;
  QImage fDesktopBmp;
  QImage fBackgrndBmp;
};
