// The geometry of the about panel's splash animation: the point on the
// taskbar the frame flies to or from, and the forty closed five-point
// outlines of a grey frame that rotates while it shrinks from the panel
// into that point or grows out of it towards the screen's centre.
//
// Pure integer arithmetic (32-bit, cutting towards zero) apart from the
// rotation, so that the animation's numbers are tested natively; the
// panel's drawing (SplashAnimation.cpp) only puts the outlines on screen.
#pragma once

#include <array>
#include <cstdint>

namespace morvex::aboutpanel {

struct FramePoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const FramePoint& other) const { return x == other.x && y == other.y; }
  bool operator!=(const FramePoint& other) const { return !(*this == other); }
};

struct FrameRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

constexpr int kSplashFrameCount = 40;
constexpr int kSplashOutlinePoints = 5;  // four corners, the first again

using SplashOutline = std::array<FramePoint, kSplashOutlinePoints>;
using SplashFrames = std::array<SplashOutline, kSplashFrameCount>;

// Where the frame goes: two small icons in from the taskbar's right edge,
// on its bottom edge; the screen's bottom-right corner when the taskbar's
// rectangle is unknown (taskbar null).
FramePoint SplashTarget(const FrameRect* taskbar, int32_t smallIconWidth, int32_t screenWidth,
                        int32_t screenHeight);

// From the panel's window rectangle on the screen into the target.
SplashFrames ShrinkFrames(const FrameRect& window, FramePoint target);

// Out of the target towards the screen's centre, widening by a fortieth
// of the picture's size per step.
SplashFrames GrowFrames(FramePoint target, int32_t screenWidth, int32_t screenHeight,
                        int32_t pictureWidth, int32_t pictureHeight);

// The rectangle's corners, clockwise from the top-left and closed, turned
// about `centre` by `radians` (positive turns anticlockwise on the screen).
SplashOutline RotatedOutline(const FrameRect& frame, FramePoint centre, double radians);

}  // namespace morvex::aboutpanel
