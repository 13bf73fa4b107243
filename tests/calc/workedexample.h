// The worked example the figures of the program are checked against:
// 120 time studies of 7.5 hours a year, 30 % preparation, 40 % execution,
// 50 euro an hour, default saving shares.
#pragma once

#include "tavidaten.h"

inline tTaviDaten WorkedExample() {
  tTaviDaten d;
  d.AnzZS = 120;
  d.DauerZS = 7.5L;
  d.AnteilVorb = 30;
  d.AnteilDurchf = 40;
  d.Stundensatz = 50;
  return d;
}

// The same with the standard prices of the default choices in the record
// (time-study system 5480, planned-time system 7130 in all).
inline tTaviDaten WorkedExampleStandardPrices() {
  tTaviDaten d = WorkedExample();
  d.InvestPLSystem = 5600;
  return d;
}
