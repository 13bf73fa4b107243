// Shows a picture of the report code (picture.h) in a window: records it
// for the widget's size whenever the size or the content has changed, and
// plays it back on every paint, sharp at any scale factor. A picture that
// cannot be recorded shows the reason (German) in its place. A picture of a
// fixed height (SetNeededHeight) is shown whole: where the view is lower than
// it prefers, the picture is drawn smaller. A picture that does not fit
// the view's sheet is drawn smaller too, up to half its size.
//
// Ownership: the picture belongs to the caller and must outlive the view.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class tPicture;

class tPictureView : public QWidget {
 public:
  // unitsPerPixel: page units (0.1 mm) one pixel of the widget stands for.
  tPictureView(tPicture* picture, double unitsPerPixel, QWidget* parent = nullptr);

  // The picture's content changed: recorded again at the next paint.
  void Refresh();
  // The picture needs a sheet of `height` page units (0 for none): the view
  // prefers the height this takes at unitsPerPixel, may shrink to
  // `minimumPart` of it and then draws the picture smaller.
  void SetNeededHeight(int32_t height, double minimumPart);
  QSize sizeHint() const override;
  // Why the last recording failed; empty when it worked.
  const QString& Problem() const { return fProblem; }
  // The sheet of the widget's size, in page units.
  int32_t SheetWidth() const;
  int32_t SheetHeight() const;
  // Page units a pixel stands for now: more where the view is lower than
  // the needed height.
  double UnitsPerPixel() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  tPicture* fPicture;
  double fUnitsPerPixel;
  static constexpr int kAttempts = 4;
  static constexpr double kShrinkStep = 1.26;  // 1.26³ ≈ 2: the last attempt at half the size
  int32_t fNeededHeight = 0;
  double fShrink = 1;
  bool fDirty = true;
  QString fProblem;
};
