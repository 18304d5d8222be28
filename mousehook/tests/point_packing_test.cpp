// The point of kHookClickMessage survives the trip through lParam as the
// program reads it back (GET_X_LPARAM, GET_Y_LPARAM): left of and above the
// primary monitor too, and cut to the 16-bit range beyond it.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include "mousehook/TriggerFilter.h"

namespace {

struct PointCase {
  POINT at;
  POINT read;
};

const PointCase kPointCases[] = {
    {{250, 200}, {250, 200}},           {{-1, -1}, {-1, -1}},
    {{-1920, 300}, {-1920, 300}},       {{1500, -1080}, {1500, -1080}},
    {{32767, -32768}, {32767, -32768}}, {{40000, -40000}, {32767, -32768}},
};

TEST(PointPackingTest, ThePointReadsBackSignExtended) {
  for (const PointCase& c : kPointCases) {
    LPARAM packed = morvex::mousehook::PackPoint(c.at);
    EXPECT_EQ(GET_X_LPARAM(packed), c.read.x) << c.at.x << "," << c.at.y;
    EXPECT_EQ(GET_Y_LPARAM(packed), c.read.y) << c.at.x << "," << c.at.y;
  }
}

}  // namespace
