// Keeping windows on the screen.
//
// All sizes are in the toolkit's device-independent pixels: at a scale
// factor of 2 a screen of 1280 x 1024 pixels is 640 x 512 of them, and a
// window designed for 721 x 505 no longer fits.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// The frame the window manager puts around window: the real one once the
// window is shown with its frame, else that of another shown top-level
// window (the frames of one desktop look alike), else none.
QMargins FrameMargins(const QWidget* window);

// The area windows may cover on window's screen (the primary one before
// it is shown): the screen less panels and docks.
QRect AvailableArea(const QWidget* window);

// The client rectangle nearest to client whose frame (client grown by
// frame) lies within area; when it is larger than area, its left and top
// edges win, so that the title bar stays reachable. The size is kept.
QRect KeepWithin(const QRect& client, const QMargins& frame, const QRect& area);

// The client rectangle of size clientSize whose frame is centred on the
// screen of window, kept within it as KeepWithin does.
QRect CentredOnScreen(const QWidget* window, const QSize& clientSize);

// Moves window (a top-level widget) onto its screen by KeepWithin.
void KeepOnScreen(QWidget* window);

// The largest client size up to wanted whose frame fits on the screen of
// window.
QSize FitOnScreen(const QWidget* window, const QSize& wanted);
