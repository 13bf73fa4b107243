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
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "dlgpreview.h"
#include "graphprinting.h"
#include "morlakapp.h"
#include "payback.h"
#include "printbenchmain.h"
#include "printer.h"
#include "taviprinting.h"
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

}  // namespace

int main(int argc, char** argv) { return RunPrintBenchmarks(argc, argv); }
