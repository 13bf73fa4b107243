// The progress line of long outputs, with a clock the test turns.
#include <gtest/gtest.h>

#include <sstream>

#include "progress.h"

namespace {

TEST(Progress, ShownOnATerminalOnlyAfterTwoSecondsAndAFewTimesASecond) {
  const struct {
    bool terminal;
    std::vector<std::pair<double, int64_t>> updates;  // seconds, done
    const char* shown;
  } cases[] = {
      {true, {{0.5, 10}, {1.9, 20}}, ""},
      {false, {{2.5, 10}, {9.0, 90}}, ""},
      {true,
       {{2.5, 25}, {2.6, 26}, {2.8, 50}, {3.0, 100}},
       "\rtavi-report: 25 % geschrieben (25 von 100 Zeilen)\rtavi-report: 50 % geschrieben (50 von 100 Zeilen)"
       "\rtavi-report: 100 % geschrieben (100 von 100 Zeilen)\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    double now = 0;
    {
      tProgress progress(out, c.terminal, QStringLiteral("Zeilen"), 100, [&now] { return now; });
      for (const auto& [seconds, done] : c.updates) {
        now = seconds;
        progress.Update(done);
      }
    }
    EXPECT_EQ(out.str(), c.shown);
  }
}

}  // namespace
