// Shows a picture of the report code (picture.h) in a window: records it
// for the widget's size whenever the size or the content has changed, and
// plays it back on every paint, sharp at any scale factor. A picture that
// cannot be recorded shows the reason (German) in its place.
//
// Ownership: the picture belongs to the caller and must outlive the view.
#pragma once

#include <QString>
#include <QWidget>

class tPicture;

class tPictureView : public QWidget {
 public:
  // unitsPerPixel: page units (0.1 mm) one pixel of the widget stands for.
  tPictureView(tPicture* picture, double unitsPerPixel, QWidget* parent = nullptr);

  // The picture's content changed: recorded again at the next paint.
  void Refresh();
  // Why the last recording failed; empty when it worked.
  const QString& Problem() const { return fProblem; }
  // The sheet of the widget's size, in page units.
  int32_t SheetWidth() const;
  int32_t SheetHeight() const;
  double UnitsPerPixel() const { return fUnitsPerPixel; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  tPicture* fPicture;
  double fUnitsPerPixel;
  bool fDirty = true;
  QString fProblem;
};
