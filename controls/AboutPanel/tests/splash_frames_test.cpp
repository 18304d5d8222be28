// The splash animation's numbers on a 1024 x 768 screen with the taskbar at
// its bottom: the target point, the shrink from a 400 x 300 panel (its
// first outline unturned, its last turned by 175.5 degrees near the
// target) and the growth out of the target.
#include <gtest/gtest.h>

#include "SplashFrames.h"

namespace morvex::aboutpanel {

namespace {

using Outline = SplashOutline;

TEST(SplashTargetTest, TwoSmallIconsInFromTheTaskbarsRightEdgeElseTheScreenCorner) {
  const FrameRect taskbar = {0, 740, 1024, 768};
  EXPECT_EQ(SplashTarget(&taskbar, 16, 1024, 768), (FramePoint{992, 768}));
  const FrameRect rightSide = {964, 0, 1024, 768};
  EXPECT_EQ(SplashTarget(&rightSide, 20, 1024, 768), (FramePoint{984, 768}));
  EXPECT_EQ(SplashTarget(nullptr, 16, 1024, 768), (FramePoint{1024, 768}));
}

TEST(ShrinkFramesTest, FlyFromThePanelIntoTheTrayTurningAsTheyGo) {
  const SplashFrames frames = ShrinkFrames({312, 234, 712, 534}, {992, 768});
  // Centre (512, 384), steps (12, 9), insets (5, 3).
  EXPECT_EQ(frames[0], (Outline{{{312, 234}, {712, 234}, {712, 534}, {312, 534}, {312, 234}}}));
  // Moved to (329, 246)-(719, 540) about (523, 393), turned by 4.5 degrees.
  const Outline second = RotatedOutline({329, 246, 719, 540}, {523, 393}, -0.07853981633750001);
  EXPECT_EQ(frames[1], second);
  EXPECT_NE(frames[1][0], (FramePoint{329, 246})) << "the second frame is turned";
  // Step 39: (975, 702)-(985, 768) about (979, 735), turned by 175.5 degrees,
  // so its first corner lies near the bottom-right one.
  EXPECT_EQ(frames[39], (Outline{{{985, 767}, {976, 768}, {971, 703}, {980, 702}, {985, 767}}}));
}

TEST(GrowFramesTest, StartAsThePointAndWidenTowardsTheScreensCentre) {
  const SplashFrames frames = GrowFrames({992, 768}, 1024, 768, 300, 200);
  for (const FramePoint& point : frames[0]) EXPECT_EQ(point, (FramePoint{992, 768}));
  // Moved by (-12, -9), widened by (3, 2): (977, 757)-(983, 761) about (979, 758).
  EXPECT_EQ(frames[1], (Outline{{{978, 757}, {983, 758}, {982, 761}, {977, 760}, {978, 757}}}));
  // Every outline is closed.
  for (const Outline& outline : frames) EXPECT_EQ(outline[4], outline[0]);
}

TEST(GrowFramesTest, TargetAtTheScreensCentreStaysThereWhileTheFrameWidens) {
  const SplashFrames frames = GrowFrames({512, 384}, 1024, 768, 800, 400);
  // Inset (10, 5) per step, no movement: step 39 spans 390 x 195 each side
  // of the centre before turning; turned by 175.5 degrees it is nearly
  // upside down, so its first corner lies near the bottom-right one.
  const FramePoint first = frames[39][0];
  EXPECT_GT(first.x, 512 + 350);
  EXPECT_GT(first.y, 384 + 150);
}

}  // namespace

}  // namespace morvex::aboutpanel
