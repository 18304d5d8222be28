// The whole points of a LOGFONT height at `pixelsPerInch` (72 below 1),
// halves rounded up: what the settings control's TextFont reports.
#pragma once

#include <cmath>

namespace morvex::settingssheet {

inline long PointsOfHeight(long height, int pixelsPerInch) {
  const double perInch = pixelsPerInch < 1 ? 72.0 : pixelsPerInch;
  return static_cast<long>(std::floor(-height * 72.0 / perInch + 0.5));
}

}  // namespace morvex::settingssheet
