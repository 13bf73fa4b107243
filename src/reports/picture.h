// A picture drawn by the report code for a window: recorded through the
// page recorder onto a sheet of the window's size, then played back into
// it, so that screen and paper share one drawing path.
//
// Units: the sheet in page units of 0.1 mm; the window decides how many
// units a pixel is (the text of the reports then reads as on paper).
// Errors: Record raises what drawing raises (EDevException with a German
// message, such as a sheet too small); Play then plays nothing.
#pragma once

#include <QRectF>
#include <cstdint>

class QPainter;

class tPicture {
 public:
  virtual ~tPicture() = default;
  // Records the picture on a sheet of width × height page units.
  virtual void Record(int32_t width, int32_t height) = 0;
  // Plays the last recording stretched into target (nothing before the
  // first, or after a recording that failed).
  virtual void Play(QPainter& painter, const QRectF& target) = 0;
};
