#include "progress.h"

#include <chrono>

namespace {
double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}  // namespace

tProgress::tProgress(std::ostream& out, bool terminal, const QString& unit, int64_t total, tClock clock)
    : fOut(out), fTerminal(terminal), fUnit(unit), fTotal(total), fClock(clock ? std::move(clock) : SteadySeconds) {
  fStart = fClock();
}

tProgress::~tProgress() { Finish(); }

void tProgress::Update(int64_t done) {
  if (!fTerminal) return;
  fDone = done;
  const double now = fClock();
  if (now - fStart < kQuietSeconds || (fShown && now - fLastShown < kEverySeconds)) return;
  fLastShown = now;
  Show();
}

void tProgress::Show() {
  fShown = true;
  fShownDone = fDone;
  const int64_t done = fDone;
  const int64_t percent = fTotal > 0 ? done * 100 / fTotal : 100;
  fOut << '\r'
       << QStringLiteral("tavi-report: %1 % geschrieben (%2 von %3 %4)")
              .arg(percent)
              .arg(done)
              .arg(fTotal)
              .arg(fUnit)
              .toStdString()
       << std::flush;
}

void tProgress::Finish() {
  if (!fShown) return;
  if (fShownDone != fDone) Show();  // the line ends with the final count
  fShown = false;
  fOut << '\n' << std::flush;
}
