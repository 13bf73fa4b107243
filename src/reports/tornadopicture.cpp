#include "tornadopicture.h"

#include <QPainter>

#include "tornadochart.h"

namespace {

// Rows as on paper: a text height and 0.8 mm; 1.5 mm around the chart.
constexpr int32_t kExtraPitch = 8;
constexpr int32_t kMargin = 15;

}  // namespace

tTornadoPicture::tTornadoPicture() : fRecorder(std::make_unique<tMetaFileRecorder>()) {
  fRecorder->SizeMode = 1;
  fRecorder->MaxPages = 1;
}

tTornadoPicture::~tTornadoPicture() = default;

int32_t tTornadoPicture::Height() {
  fRecorder->StartTestPage();
  const tSheetMetrics metrics = RecorderMetrics(*fRecorder, tornado::kScreenFontHeight, kExtraPitch);
  const int32_t height =
      tornado::ChartHeight(static_cast<int>(fData.Rows.size()), fData.Legend, metrics) + 2 * kMargin;
  fRecorder->EndTestPage();
  return height;
}

void tTornadoPicture::Record(int32_t width, int32_t height) {
  fRecorded = false;
  fRecorder->Clear();
  fRecorder->Width = width * 10;  // 0.01 mm
  fRecorder->Height = height * 10;
  fRecorder->StartPage(1);
  try {
    fLayout = tornado::Draw(*fRecorder, fData, tRect{kMargin, kMargin, width - kMargin, height - kMargin},
                            tornado::kScreenFontHeight, kExtraPitch);
  } catch (...) {
    fRecorder->EndPage();
    fRecorder->Clear();
    throw;
  }
  fRecorder->EndPage();
  fRecorded = true;
}

void tTornadoPicture::Play(QPainter& painter, const QRectF& target) {
  if (fRecorded) fRecorder->StretchDrawPage(&painter, 1, target);
}
