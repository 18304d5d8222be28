#include "SplashFrames.h"

#include <cmath>

namespace morvex::aboutpanel {

namespace {

// Each step turns the frame a further 4.5 degrees clockwise.
constexpr double kTurnPerStep = -0.07853981633750001;

FramePoint CentreOf(const FrameRect& frame) {
  return {frame.right / 2 + frame.left / 2, frame.bottom / 2 + frame.top / 2};
}

FramePoint Rotated(FramePoint corner, FramePoint centre, double cosine, double sine) {
  double dx = corner.x - centre.x;
  double dy = corner.y - centre.y;
  return {centre.x + static_cast<int32_t>(std::trunc(dx * cosine + dy * sine)),
          centre.y + static_cast<int32_t>(std::trunc(dy * cosine - dx * sine))};
}

// One animation: the frame moves by `step` and changes by `growth` on
// every side after each drawn outline (negative growth shrinks it).
SplashFrames Animate(FrameRect frame, FramePoint centre, FramePoint step, FramePoint growth) {
  SplashFrames frames;
  for (int k = 0; k < kSplashFrameCount; ++k) {
    frames[static_cast<size_t>(k)] = RotatedOutline(frame, centre, k * kTurnPerStep);
    frame.left += step.x - growth.x;
    frame.right += step.x + growth.x;
    frame.top += step.y - growth.y;
    frame.bottom += step.y + growth.y;
    centre = CentreOf(frame);
  }
  return frames;
}

}  // namespace

FramePoint SplashTarget(const FrameRect* taskbar, int32_t smallIconWidth, int32_t screenWidth,
                        int32_t screenHeight) {
  if (!taskbar) return {screenWidth, screenHeight};
  return {taskbar->right - 2 * smallIconWidth, taskbar->bottom};
}

SplashFrames ShrinkFrames(const FrameRect& window, FramePoint target) {
  FramePoint centre = CentreOf(window);
  FramePoint step = {(target.x - centre.x) / kSplashFrameCount,
                     (target.y - centre.y) / kSplashFrameCount};
  FramePoint inset = {(window.right - window.left) / 80, (window.bottom - window.top) / 80};
  return Animate(window, centre, step, {-inset.x, -inset.y});
}

SplashFrames GrowFrames(FramePoint target, int32_t screenWidth, int32_t screenHeight,
                        int32_t pictureWidth, int32_t pictureHeight) {
  FramePoint centre = {screenWidth / 2, screenHeight / 2};
  FramePoint step = {(target.x - centre.x) / kSplashFrameCount,
                     (target.y - centre.y) / kSplashFrameCount};
  FrameRect start = {target.x, target.y, target.x, target.y};
  return Animate(start, centre, {-step.x, -step.y}, {pictureWidth / 80, pictureHeight / 80});
}

SplashOutline RotatedOutline(const FrameRect& frame, FramePoint centre, double radians) {
  double cosine = std::cos(radians);
  double sine = std::sin(radians);
  SplashOutline outline = {
      Rotated({frame.left, frame.top}, centre, cosine, sine),
      Rotated({frame.right, frame.top}, centre, cosine, sine),
      Rotated({frame.right, frame.bottom}, centre, cosine, sine),
      Rotated({frame.left, frame.bottom}, centre, cosine, sine),
  };
  outline[4] = outline[0];
  return outline;
}

}  // namespace morvex::aboutpanel
