#include <gtest/gtest.h>

#include "app/portable/CaptionShading.h"

namespace morvex::solo {

namespace {

constexpr CaptionRgb kDarkBlue = {10, 36, 106};
constexpr CaptionRgb kLightBlue = {166, 202, 240};

// Strips cover the caption from 0 to its width without gaps or overlaps.
void ExpectContiguous(const std::vector<CaptionStrip>& strips, int32_t width) {
  int32_t next = 0;
  for (const CaptionStrip& strip : strips) {
    EXPECT_EQ(strip.x, next);
    EXPECT_GT(strip.width, 0);
    next = strip.x + strip.width;
  }
  EXPECT_EQ(next, width);
}

TEST(CaptionGradientTest, StripWidthsFollowTheSpanBeyondTheSolidSixth) {
  struct Case {
    int32_t width;
    int32_t solid;
    int32_t step;
  };
  // 152 leaves a span of 127, under 128: single pixels; 153 leaves 128.
  const Case cases[] = {{600, 100, 7}, {153, 25, 2}, {152, 25, 1}, {5, 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    const std::vector<CaptionStrip> strips = CaptionGradient(c.width, kDarkBlue, kLightBlue);
    ASSERT_GE(strips.size(), 2u);
    const size_t firstShaded = c.solid > 0 ? 1 : 0;
    if (c.solid > 0) {
      EXPECT_EQ(strips[0].x, 0);
      EXPECT_EQ(strips[0].width, c.solid);
      EXPECT_EQ(strips[0].colour, kDarkBlue);
    }
    EXPECT_EQ(strips[firstShaded].x, c.solid);
    EXPECT_EQ(strips[firstShaded].width, c.step);
    EXPECT_EQ(strips[firstShaded].colour, kDarkBlue) << "the first strip has the start colour";
    ExpectContiguous(strips, c.width);
  }
}

TEST(CaptionGradientTest, ChannelsMoveByTheirShareCuttingTowardsZero) {
  const std::vector<CaptionStrip> strips = CaptionGradient(600, kDarkBlue, kLightBlue);
  // The strip at x = 107 is 7 of 500 along: 10 + 156 * 7 / 500 = 12.18.
  ASSERT_GE(strips.size(), 3u);
  EXPECT_EQ(strips[2].x, 107);
  EXPECT_EQ(strips[2].colour, (CaptionRgb{12, 38, 107}));
  // Towards a darker colour the cut is towards zero as well: 166 - 156 *
  // 7 / 500 = 163.816 gives 164.
  const std::vector<CaptionStrip> down = CaptionGradient(600, kLightBlue, kDarkBlue);
  EXPECT_EQ(down[2].colour, (CaptionRgb{164, 200, 239}));
  // The last strip stops at the edge: 100 + 71 * 7 = 597, 3 pixels left.
  EXPECT_EQ(strips.back().x, 597);
  EXPECT_EQ(strips.back().width, 3);
}

TEST(CaptionGradientTest, NoWidthGivesNoStrips) {
  EXPECT_TRUE(CaptionGradient(0, kDarkBlue, kLightBlue).empty());
  EXPECT_TRUE(CaptionGradient(-3, kDarkBlue, kLightBlue).empty());
}

TEST(CaptionLuminanceTest, LightnessOnTheScaleTo240) {
  struct Case {
    CaptionRgb colour;
    int32_t luminance;
  };
  const Case cases[] = {{{0, 0, 0}, 0},     {{255, 255, 255}, 240}, {{128, 128, 128}, 120},
                        {{255, 0, 0}, 120}, {{0, 0, 128}, 60},      {{0, 0, 191}, 90},
                        {{0, 0, 190}, 89}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.colour.blue);
    EXPECT_EQ(CaptionLuminance(c.colour), c.luminance);
  }
}

}  // namespace

}  // namespace morvex::solo
