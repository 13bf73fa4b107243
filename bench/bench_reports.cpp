// Cost of the reports: one page of the month table and the graph page,
// each recorded and painted into the preview at 100 % zoom, as the user
// sees it when the preview opens or moves to a page the recorder no longer
// holds. The whole tavi-report command (process start, recording, PDF) is
// timed from the shell; see the README.
//
// Runs on Qt's offscreen platform (unless QT_QPA_PLATFORM says otherwise),
// with the application object in a temporary program directory and the
// printer "PDF-Datei" (A4, margins 20/20/10/20 mm), the worked example's
// figures (the graph also those of a large department).
//
// The live pictures of the payback dialog are timed as one change of a field
// redraws them: the cost curves of the results page and the tornado chart of
// the page "Sensitivität" recorded for the view's sheet and played into an
// image of the view's pixels, at scale factor 1 and 2 (twice the pixels for
// the same sheet). Their target is 16 ms, one frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include <QImage>
#include <QPainter>

#include "costcurvepicture.h"
#include "dlgpreview.h"
#include "graphprinting.h"
#include "morlakapp.h"
#include "payback.h"
#include "printbenchmain.h"
#include "printer.h"
#include "sensitivity.h"
#include "taviprinting.h"
#include "tornadochart.h"
#include "tornadopicture.h"
#include "workedexample.h"

namespace {

const tTaviDaten& Daten() {
  static const tTaviDaten daten = WorkedExampleStandardPrices();
  return daten;
}

// Shows the job's pages in the preview at 100 %, one after the other from
// page `first` on (round again after the last), each recorded afresh and
// painted into the sheet: what moving to a page the recorder no longer
// holds costs.
void RecordAndPaint(benchmark::State& state, tPrinting& job, int32_t first) {
  MorlakApp()->SetPreviewZoom(100);
  TDlgPreview dlg(&job, -1, -1, nullptr);
  dlg.resize(1100, 1300);
  dlg.show();
  QApplication::processEvents();
  for (int p = 1; p < first; ++p) dlg.NextPage();
  QWidget* box = dlg.findChild<QWidget*>(QStringLiteral("PaintBox"));
  box->repaint();
  for (auto _ : state) {
    job.Recorder.Clear();  // the page is no longer held
    if (dlg.CurrentPage() >= job.PageCount()) {
      dlg.FirstPage();
      for (int p = 1; p < first; ++p) dlg.NextPage();
    } else {
      dlg.NextPage();
    }
    box->repaint();  // records the page and paints it
  }
  state.counters["commands"] = static_cast<double>(job.Recorder.FindPage(dlg.CurrentPage())->Commands().size());
}

void BM_TablePageRecordedAndPainted(benchmark::State& state) {
  tPaybackCalc calc;
  calc.Calculate(Daten());
  tTaviPrinting job(100 * 12, Daten(), calc);
  RecordAndPaint(state, job, 2);  // full pages of 48 rows
}
BENCHMARK(BM_TablePageRecordedAndPainted)->Unit(benchmark::kMillisecond);

// The worked example, whose labels all stand at their own places, and a
// large department (2000 studies of 8 hours at 60 euros), whose names and
// values must look for free ones.
void BM_GraphPageRecordedAndPainted(benchmark::State& state) {
  tTaviDaten daten = Daten();
  if (state.range(0)) {
    daten.AnzZS = 2000;
    daten.DauerZS = 8;
    daten.Stundensatz = 60;
  }
  tPaybackCalc calc;
  calc.Calculate(daten);
  const tGraphProposal proposal = ProposeGraphAxes(calc);
  const int32_t maxCost = proposal.NFieldY;
  tGraphPrinting job(
      proposal.NFieldX, daten, calc, [maxCost] { return maxCost; }, [&] { calc.Calculate(daten); });
  RecordAndPaint(state, job, 1);
}
BENCHMARK(BM_GraphPageRecordedAndPainted)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Only recording, without painting: what a page costs the recorder.
void BM_TablePageRecorded(benchmark::State& state) {
  tPaybackCalc calc;
  calc.Calculate(Daten());
  tTaviPrinting job(100 * 12, Daten(), calc);
  int32_t page = 1;
  for (auto _ : state) {
    page = page % (job.PageCount() - 1) + 2;  // pages 2 to 26, all full
    job.RecordPage(page);
  }
}
BENCHMARK(BM_TablePageRecorded)->Unit(benchmark::kMillisecond);

tTaviDaten Department(bool large) {
  tTaviDaten daten = Daten();
  if (large) {
    daten.AnzZS = 2000;
    daten.DauerZS = 8;
    daten.Stundensatz = 60;
  }
  return daten;
}

// Plays what `record` recorded for a sheet of the view's size into an image
// of the view at the scale factor state.range(1).
template <typename tRecord>
void RecordAndPlay(benchmark::State& state, tPicture& picture, QSize view, double unitsPerPixel, tRecord record) {
  const auto scale = static_cast<int>(state.range(1));
  QImage image(view * scale, QImage::Format_ARGB32_Premultiplied);
  const auto width = static_cast<int32_t>(view.width() * unitsPerPixel);
  const auto height = static_cast<int32_t>(view.height() * unitsPerPixel);
  for (auto _ : state) {
    record();
    picture.Record(width, height);
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    picture.Play(painter, QRectF(image.rect()));
  }
}

// The results page's cost curves (693 x 300 pixels at 3 units a pixel), the
// payback computed anew as on every change; the worked example and the
// large department.
void BM_CostCurvePictureRepaint(benchmark::State& state) {
  const tTaviDaten daten = Department(state.range(0) != 0);
  tPaybackCalc calc;
  tCostCurvePicture picture;
  RecordAndPlay(state, picture, QSize(693, 300), 3.0, [&] {
    calc.Calculate(daten);
    picture.SetCalc(calc);
  });
}
BENCHMARK(BM_CostCurvePictureRepaint)->ArgsProduct({{0, 1}, {1, 2}})->Unit(benchmark::kMillisecond);

// The page "Sensitivität": the whole sensitivity computed and the chart of
// the first comparison redrawn (693 x 237 pixels at 2.4 units a pixel).
void BM_SensitivityPageRepaint(benchmark::State& state) {
  const tTaviDaten daten = Department(state.range(0) != 0);
  tSensitivityCalc sensitivity;
  tTornadoPicture picture;
  RecordAndPlay(state, picture, QSize(693, 237), 2.4, [&] {
    sensitivity.Calculate(daten, {}, {});
    picture.SetData(tornado::ChartData(sensitivity, tComparison::ZSManual, false, true));
  });
}
BENCHMARK(BM_SensitivityPageRepaint)->ArgsProduct({{0, 1}, {1, 2}})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunPrintBenchmarks(argc, argv); }
