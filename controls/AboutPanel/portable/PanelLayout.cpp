#include "PanelLayout.h"

namespace morvex::aboutpanel {

namespace {

bool Unplaced(const FramePoint& point) { return point.x < 0 || point.y < 0; }

}  // namespace

bool PlaceOkButton(int32_t clientWidth, int32_t clientHeight, FramePoint* stored) {
  if (!Unplaced(*stored)) return false;
  *stored = {clientWidth - kOkButtonWidth - 10, clientHeight - kOkButtonHeight - 5};
  return true;
}

FrameRect PlaceLink(int32_t clientHeight, int32_t textWidth, int32_t textHeight,
                    FramePoint* stored) {
  if (Unplaced(*stored)) *stored = {20, clientHeight - textHeight - 10};
  return {stored->x, stored->y, stored->x + textWidth + 25, stored->y + textHeight + 25};
}

}  // namespace morvex::aboutpanel
