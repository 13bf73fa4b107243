#include "costcurvepicture.h"

#include <QPainter>

#include "graphaxes.h"
#include "graphprinting.h"

tCostCurvePicture::tCostCurvePicture() = default;
tCostCurvePicture::~tCostCurvePicture() = default;

void tCostCurvePicture::Record(int32_t width, int32_t height) {
  fRecorded = false;
  const tGraphAxes axes = ProposedGraphAxes(fCalc);
  fMaxCost = axes.MaxCost;
  // A sheet of another size is another job.
  if (!fJob || width != fWidth || height != fHeight) {
    fJob.reset();
    fJob = std::make_unique<tGraphPrinting>(
        axes.Months, fDaten, fCalc, [this] { return fMaxCost; }, tGraphPrinting::tMakeCurrent(),
        tGraphPrinting::tSheet{width, height});
    fWidth = width;
    fHeight = height;
  }
  fJob->MonthCount = axes.Months;
  tMetaFileRecorder& recorder = fJob->Recorder;
  recorder.Clear();
  try {
    fJob->RecordPage(1);
  } catch (...) {
    // A page that failed half-way is dropped; the next recording starts anew.
    if (recorder.ActivePage() && recorder.ActivePage() != recorder.TestPage()) recorder.EndPage();
    recorder.Clear();
    throw;
  }
  fRecorded = true;
}

void tCostCurvePicture::Play(QPainter& painter, const QRectF& target) {
  if (fRecorded && fJob) fJob->Recorder.StretchDrawPage(&painter, 1, target);
}
