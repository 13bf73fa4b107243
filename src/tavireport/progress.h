// How far a long output has got, on the standard error when that is a
// terminal: nothing for the first two seconds (most runs end before), then
// one line, rewritten a few times a second, such as
//   tavi-report: 45 % geschrieben (540000 von 1200002 Zeilen)
// and ended with a line break when the output is done. Scripts that read
// standard error (not a terminal) never see it.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <ostream>

class tProgress {
 public:
  static constexpr double kQuietSeconds = 2.0;
  static constexpr double kEverySeconds = 0.25;
  // Seconds since some fixed point.
  using tClock = std::function<double()>;

  // unit: what is counted, plural ("Zeilen", "Seiten"); total: how many
  // there will be. clock: the steady clock unless given.
  tProgress(std::ostream& out, bool terminal, const QString& unit, int64_t total, tClock clock = {});
  ~tProgress();
  tProgress(const tProgress&) = delete;
  tProgress& operator=(const tProgress&) = delete;

  void Update(int64_t done);
  // Ends the line, if one was shown.
  void Finish();

 private:
  void Show();

  std::ostream& fOut;
  bool fTerminal;
  QString fUnit;
  int64_t fTotal;
  tClock fClock;
  double fStart = 0;
  double fLastShown = -1;
  bool fShown = false;
  int64_t fDone = 0;
  int64_t fShownDone = 0;
};
