// Where the about panel puts its OK button and its link for a client size:
// a stored position is kept, a negative one is replaced by the default,
// which is then stored. Pure, so that the arithmetic is tested natively;
// the panel (AboutPanelCtrl.cpp) applies it on every size change.
#pragma once

#include <cstdint>

#include "SplashFrames.h"

namespace morvex::aboutpanel {

constexpr int32_t kOkButtonWidth = 32;
constexpr int32_t kOkButtonHeight = 16;

// Sets *stored to the OK button's default (bottom-right, inside a margin)
// when either coordinate is negative; true when it did, as the button then
// takes the focus.
bool PlaceOkButton(int32_t clientWidth, int32_t clientHeight, FramePoint* stored);

// Sets *stored to the link's default (bottom-left) when negative, and gives
// the rectangle the link fits itself into for a text of textWidth x
// textHeight.
FrameRect PlaceLink(int32_t clientHeight, int32_t textWidth, int32_t textHeight,
                    FramePoint* stored);

}  // namespace morvex::aboutpanel
