// The system's non-client metrics as the program reads them: the status
// font of the about box, the caption font of the main window's caption.
//
// Used by the splash and about host, the main window's about box and its
// caption painting.
#pragma once

#include <windows.h>

#include <cstddef>

namespace morvex::solo {

// The structure without its last field, the size every Windows version
// since 2000 accepts (the full one is refused before Vista).
constexpr UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
static_assert(kNonClientMetricsSize == 340, "the metrics without the padded border");

// Zeroes when the system does not answer.
inline NONCLIENTMETRICSA NonClientMetrics() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = kNonClientMetricsSize;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0);
  return metrics;
}

}  // namespace morvex::solo
