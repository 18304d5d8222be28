// Where the hidden main window goes: the centred third without options,
// and a stored rectangle kept, moved back onto the screen, or replaced
// when it cannot be shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include "app/WindowPlacement.h"

// RECT is the platform's: its comparison and printing live beside it.
std::ostream& operator<<(std::ostream& out, const RECT& rect) {
  return out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
             << ")";
}

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

namespace morvex::solo {

namespace {

TEST(PlacementTest, WithoutOptionsTheWindowIsACentredThirdOfTheScreen) {
  struct Case {
    SIZE screen;
    RECT expected;
  };
  const Case cases[] = {
      {{1024, 768}, {341, 256, 682, 512}},
      {{1280, 1024}, {427, 341, 853, 682}},
      {{0, 768}, {267, 200, 533, 400}},  // no size: taken as 800 x 600
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredThird(c.screen), c.expected) << c.screen.cx << " x " << c.screen.cy;
  }
}

TEST(PlacementTest, AStoredRectangleIsShownWhereTheScreenCanShowIt) {
  const SIZE screen = {1024, 768};
  const RECT virtualScreen = {0, 0, 1024, 768};
  const RECT centred = {341, 256, 682, 512};
  struct Case {
    const char* name;
    RECT stored;
    RECT expected;
  };
  const Case cases[] = {
      {"inside", {100, 120, 700, 560}, {100, 120, 700, 560}},
      {"past the bottom right: moved in, size kept",
       {3000, 3000, 3600, 3440},
       {424, 328, 1024, 768}},
      {"left of and above the screen", {-700, -500, -100, -60}, {0, 0, 600, 440}},
      {"larger than the screen: cut to it", {-10, -10, 2000, 1500}, {0, 0, 1024, 768}},
      {"inverted", {700, 560, 100, 120}, centred},
      {"empty", {100, 100, 100, 300}, centred},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceOnScreen(c.stored, virtualScreen, screen), c.expected) << c.name;
  }
  const RECT twoMonitors = {-1280, 0, 1024, 1024};
  EXPECT_EQ(PlaceOnScreen({-1200, 100, -600, 540}, twoMonitors, screen),
            (RECT{-1200, 100, -600, 540}))
      << "a monitor left of the primary one still shows it";
}

}  // namespace

}  // namespace morvex::solo
