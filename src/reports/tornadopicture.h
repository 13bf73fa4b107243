// The tornado chart of one comparison as a picture for the payback
// dialog's page "Sensitivität" (tornadochart.h draws it, as on paper),
// 1.5 mm inside the sheet.
#pragma once

#include <memory>

#include "picture.h"
#include "recorder.h"
#include "tornadolayout.h"

class tTornadoPicture : public tPicture {
 public:
  tTornadoPicture();
  ~tTornadoPicture() override;
  // The chart to show from the next Record on.
  void SetData(const tornado::tData& data) { fData = data; }
  const tornado::tData& Data() const { return fData; }
  // The height a sheet needs for the chart and its margin (page units).
  int32_t Height();

  void Record(int32_t width, int32_t height) override;
  void Play(QPainter& painter, const QRectF& target) override;
  // The layout of the last recording.
  const tornado::tLayout& Layout() const { return fLayout; }

 private:
  tornado::tData fData;
  tornado::tLayout fLayout;
  std::unique_ptr<tMetaFileRecorder> fRecorder;
  bool fRecorded = false;
};
