// Page units of the recording surfaces: how many logical units make a
// millimetre in each mapping mode, and which modes have their y axis
// pointing up (the recorder negates y for those). Shared by recording and
// playback.
#pragma once

inline bool YPointsUp(int mapMode) { return mapMode >= 2 && mapMode <= 6; }

inline double UnitsPerMm(int mapMode, double refDpi) {
  switch (mapMode) {
    case 2: return 10.0;
    case 3: return 100.0;
    case 4: return 100.0 / 25.4;
    case 5: return 1000.0 / 25.4;
    case 6: return 1440.0 / 25.4;
    default: return refDpi / 25.4;
  }
}
