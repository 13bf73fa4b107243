// The three cumulative cost curves with their payback marks as a picture
// for the payback dialog's results page: the graph report's page drawing
// (graphprinting.h) on a sheet of the picture's size, without page header,
// with the axes the graph dialog would propose (graphaxes.h).
//
// The picture keeps its own copy of the payback computation (SetCalc), so
// it shows the last results it was given. The graph's drawing lives in a
// print job, so like every job it needs the application's printer object,
// though it lays out and draws on its own sheet; without one Record raises
// the print framework's message.
#pragma once

#include <memory>

#include "payback.h"
#include "picture.h"
#include "tavidaten.h"

class tGraphPrinting;

class tCostCurvePicture : public tPicture {
 public:
  tCostCurvePicture();
  ~tCostCurvePicture() override;

  // The results to show from the next Record on.
  void SetCalc(const tPaybackCalc& calc) { fCalc = calc; }

  void Record(int32_t width, int32_t height) override;
  void Play(QPainter& painter, const QRectF& target) override;
  // The job of the last recording (for tests), nullptr before.
  const tGraphPrinting* Job() const { return fJob.get(); }

 private:
  tPaybackCalc fCalc;
  const tTaviDaten fDaten;  // the page header's texts, unused on a sheet
  int32_t fMaxCost = 0;
  std::unique_ptr<tGraphPrinting> fJob;
  int32_t fWidth = 0, fHeight = 0;
  bool fRecorded = false;
};
