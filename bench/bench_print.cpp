// Cost of the print framework: recording a page, replaying it at printer
// resolution, repainting the preview's sheet, and the memory a long job
// needs.
//
//   bench_print                   the timing benchmarks
//   bench_print --memory=PAGES    previews a job of PAGES pages (paging through
//                                 every page), prints it to a PDF file and
//                                 reports the peak resident size (VmHWM) and
//                                 the most recorded pages held at once
//   ... --max-pages=N             the same with room for N recorded pages
//                                 instead of ten (for comparison)
//
// The memory run is meant to be made twice, as separate processes, with 10
// and with 300 pages: the recorder keeps at most ten pages, so the two peaks
// should lie within a few megabytes of each other.
//
// Everything runs on Qt's offscreen platform (unless QT_QPA_PLATFORM says
// otherwise), with the application object in a temporary program directory
// and the printer "PDF-Datei" (A4 portrait, margins 20/20/10/20 mm).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QAbstractScrollArea>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "dlgpreview.h"
#include "morlakapp.h"
#include "printer.h"
#include "printbenchmain.h"
#include "printing.h"
#include "recorder.h"

namespace {

// A page of a table: 25 rows of 4 text cells (each clipped to its cell)
// and 100 lines (row rules, column rules and a few diagonals).
void DrawSamplePage(tMetaFileRecorder& r, int32_t number) {
  constexpr int kTop = 300, kRow = 60, kCol = 420;
  r.Font().Name = QStringLiteral("Arial");
  r.Font().Height = -30;
  r.Brush().Style = tBrushStyle::Clear;
  r.SetTextAlign(TA_LEFT | TA_TOP);
  r.TextOut(0, 100, QStringLiteral("Seite %1").arg(number));
  for (int row = 0; row < 25; ++row) {
    for (int col = 0; col < 4; ++col) {
      const tRect cell{col * kCol, kTop + row * kRow, (col + 1) * kCol, kTop + (row + 1) * kRow};
      r.TextRect(cell, cell.Left + 20, cell.Top + 12,
                 QStringLiteral("Monat %1: %2 EUR").arg(row + number).arg((row + 1) * (col + 7) * 131));
    }
  }
  for (int i = 0; i < 100; ++i) {
    if (i < 26) {
      r.MoveTo(0, kTop + i * kRow);
      r.LineTo(4 * kCol, kTop + i * kRow);
    } else if (i < 31) {
      const int x = (i - 26) * kCol;
      r.MoveTo(x, kTop);
      r.LineTo(x, kTop + 25 * kRow);
    } else {
      const int k = i - 31;
      r.MoveTo(k * 25, 1900);
      r.LineTo(k * 25 + 60, 2500);
    }
  }
}

class tSampleJob : public tPrinting {
 public:
  explicit tSampleJob(int pages) : tPrinting(0, true), fPages(pages) { BuildWithTestPage(); }
  void BuildPages() override {
    for (int i = 1; i <= fPages; ++i) PageNumbers.Add(i);
  }
  void RecordPage(int32_t number) override {
    Recorder.StartPage(number);
    DrawSamplePage(Recorder, number);
    Recorder.EndPage();
    MostHeld = std::max(MostHeld, Recorder.PageCount());
    ++Recordings;
  }
  int MostHeld = 0;
  int Recordings = 0;

 private:
  int fPages;
};

QWidget* PaintBoxOf(TDlgPreview& dlg) { return dlg.findChild<QWidget*>(QStringLiteral("PaintBox")); }

// ------------------------------------------------------------ timing

void BM_RecordPage(benchmark::State& state) {
  tMetaFileRecorder recorder;
  recorder.Printer = MorlakApp()->Printer();
  for (auto _ : state) {
    recorder.StartPage(1);
    DrawSamplePage(recorder, 1);
    recorder.EndPage();
    benchmark::DoNotOptimize(recorder.FindPage(1));
  }
  state.counters["commands"] = static_cast<double>(recorder.FindPage(1)->Commands().size());
}
BENCHMARK(BM_RecordPage)->Unit(benchmark::kMicrosecond);

void BM_ReplayPageAt600Dpi(benchmark::State& state) {
  tMetaFileRecorder recorder;
  recorder.Printer = MorlakApp()->Printer();
  recorder.StartPage(1);
  DrawSamplePage(recorder, 1);
  recorder.EndPage();
  // A4 at 600 dpi, as a printer's raster.
  QImage sheet(4961, 7016, QImage::Format_ARGB32_Premultiplied);
  sheet.setDotsPerMeterX(23622);
  sheet.setDotsPerMeterY(23622);
  sheet.fill(Qt::white);
  for (auto _ : state) {
    QPainter painter(&sheet);
    recorder.DrawPage(&painter, 1, 0, 0);
  }
}
BENCHMARK(BM_ReplayPageAt600Dpi)->Unit(benchmark::kMillisecond);

// The preview window at a usual size, the sheet painted as the screen asks
// for it: everything visible at once (first show, new page, zoom), with the
// window scrolled to the table (at 60 % the whole page is in view).
void BM_PreviewRepaint(benchmark::State& state) {
  const int zoom = static_cast<int>(state.range(0));
  MorlakApp()->SetPreviewZoom(zoom);
  tSampleJob job(3);
  TDlgPreview dlg(&job, -1, -1, nullptr);
  dlg.resize(1000, 800);
  dlg.show();
  QApplication::processEvents();
  // Scrolled into the table.
  auto* scroll = dlg.findChild<QAbstractScrollArea*>(QStringLiteral("ScrollBox"));
  scroll->verticalScrollBar()->setValue(dlg.Pixels(600));
  QWidget* box = PaintBoxOf(dlg);
  box->repaint();  // records the page
  for (auto _ : state) box->repaint();
  state.counters["sheet_px"] = box->width();
}
BENCHMARK(BM_PreviewRepaint)->Arg(60)->Arg(500)->Unit(benchmark::kMillisecond);

// Scrolling at 500 %: the sheet moves by 15 pixels per arrow key and only
// the uncovered strip is painted.
void BM_PreviewScrollAt500(benchmark::State& state) {
  MorlakApp()->SetPreviewZoom(500);
  tSampleJob job(1);
  TDlgPreview dlg(&job, -1, -1, nullptr);
  dlg.resize(1000, 800);
  dlg.show();
  QApplication::processEvents();
  QScrollBar* bar = dlg.findChild<QAbstractScrollArea*>(QStringLiteral("ScrollBox"))->verticalScrollBar();
  bar->setValue(bar->maximum() / 3);
  QApplication::processEvents();
  int step = 15;
  for (auto _ : state) {
    if (bar->value() + step > bar->maximum() || bar->value() + step < 0) step = -step;
    bar->setValue(bar->value() + step);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PreviewScrollAt500)->Unit(benchmark::kMillisecond);

// ------------------------------------------------------------ memory

long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

int RunMemory(int pages, int maxPages, const QString& dir) {
  tSampleJob job(pages);
  job.Recorder.MaxPages = maxPages;
  {
    TDlgPreview dlg(&job, -1, -1, nullptr);
    dlg.show();
    QApplication::processEvents();
    QWidget* box = PaintBoxOf(dlg);
    box->repaint();
    for (int page = 2; page <= pages; ++page) {
      dlg.NextPage();
      box->repaint();
    }
    if (dlg.CurrentPage() != pages) {
      std::fprintf(stderr, "the preview stopped at page %d\n", dlg.CurrentPage());
      return 1;
    }
  }
  const long afterPreview = PeakResidentKb();
  const QString pdf = dir + QStringLiteral("/memory.pdf");
  MorlakApp()->Printer()->SetOutputFileName(pdf);
  if (!job.PrintAll()) {
    std::fprintf(stderr, "printing failed\n");
    return 1;
  }
  std::printf("pages %d: peak RSS %ld kB after the preview, %ld kB after printing; recorded %d times, "
              "at most %d pages held; PDF %lld bytes\n",
              pages, afterPreview, PeakResidentKb(), job.Recordings, job.MostHeld,
              static_cast<long long>(QFile(pdf).size()));
  return job.MostHeld <= maxPages ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  int memoryPages = 0;
  int maxPages = 10;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--memory=", 9) == 0) memoryPages = std::atoi(argv[i] + 9);
    if (std::strncmp(argv[i], "--max-pages=", 12) == 0) maxPages = std::atoi(argv[i] + 12);
  }

  if (memoryPages == 0) return RunPrintBenchmarks(argc, argv);
  return RunPrintBenchmarks(argc, argv, [&](const QString& dir) { return RunMemory(memoryPages, maxPages, dir); });
}
