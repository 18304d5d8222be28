// The pixels of a rectangle of the screen as the user sees them (whatever
// window of whichever program lies on top), for tests that check a picture
// by its colours.
//
// Used by the end-to-end tests; At answers in screen coordinates, so the
// rectangles of windows read from outside index it directly.
#pragma once

#include <windows.h>

#include "harness/Picture.h"

namespace harness {

class ScreenPixels {
 public:
  // Empty when the area is empty or cannot be read.
  static ScreenPixels Capture(const RECT& area);

  // The colour at a screen point; CLR_INVALID outside the area.
  COLORREF At(int x, int y) const;
  const RECT& area() const { return area_; }
  bool empty() const { return picture_.empty(); }

 private:
  RECT area_ = {};
  Picture picture_;
};

}  // namespace harness
