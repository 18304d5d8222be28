#include "harness/ScreenPixels.h"

namespace harness {

ScreenPixels ScreenPixels::Capture(const RECT& area) {
  ScreenPixels pixels;
  pixels.picture_ = PictureOfScreen(area);
  if (!pixels.picture_.empty()) pixels.area_ = area;
  return pixels;
}

COLORREF ScreenPixels::At(int x, int y) const {
  if (x < area_.left || x >= area_.right || y < area_.top || y >= area_.bottom) return CLR_INVALID;
  return picture_.At(x - area_.left, y - area_.top);
}

}  // namespace harness
