// The about panel's layout: defaults for negative stored positions (which
// are then kept, and give the OK button the focus), stored positions kept,
// and the link's rectangle around its text.
#include <gtest/gtest.h>

#include "PanelLayout.h"

namespace morvex::aboutpanel {

namespace {

TEST(PanelLayoutTest, OkButtonDefaultsOnlyWhenEitherCoordinateIsNegative) {
  struct Case {
    FramePoint stored;
    bool defaulted;
    FramePoint placed;
  };
  const Case cases[] = {
      {{-1, -1}, true, {258, 179}}, {{-1, 0}, true, {258, 179}},     {{0, -1}, true, {258, 179}},
      {{0, 0}, false, {0, 0}},      {{208, 180}, false, {208, 180}},
  };
  for (const Case& c : cases) {
    FramePoint stored = c.stored;
    EXPECT_EQ(PlaceOkButton(300, 200, &stored), c.defaulted) << c.stored.x << "," << c.stored.y;
    EXPECT_EQ(stored, c.placed);
    EXPECT_FALSE(PlaceOkButton(600, 400, &stored)) << "the default is kept once worked out";
  }
}

TEST(PanelLayoutTest, LinkDefaultsToTheBottomLeftAndGetsRoomAroundItsText) {
  FramePoint stored = {-1, -1};
  FrameRect area = PlaceLink(200, 90, 14, &stored);
  EXPECT_EQ(stored, (FramePoint{20, 176}));
  EXPECT_EQ(area.left, 20);
  EXPECT_EQ(area.top, 176);
  EXPECT_EQ(area.right, 135);
  EXPECT_EQ(area.bottom, 215);
  stored = {152, 8};
  area = PlaceLink(200, 90, 14, &stored);
  EXPECT_EQ(stored, (FramePoint{152, 8}));
  EXPECT_EQ(area.right, 267);
  EXPECT_EQ(area.bottom, 47);
}

}  // namespace

}  // namespace morvex::aboutpanel
