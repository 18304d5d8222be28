// The splash and about host's frames as a probe sees them, in the
// program's own process (Wine's display context draws into the drawing
// process's picture of the screen, which no other process sees): animated,
// the about box grows out of the tray and both the box and the splash
// shrink into it in XOR frames that leave the screen as it was; without
// animation no frame is drawn at all, and the splash never grows.
#include "app/SplashHost.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <functional>

#include "com/AxHost.h"
#include "harness/ScreenPixels.h"
#include "harness/WindowProbe.h"
#include "harness/XorFrameProbe.h"

namespace morvex::solo {

namespace {

// The 300 x 200 picture centred on the 1024 x 768 screen, and the screen
// between it and the tray's corner, which the frames cross.
constexpr RECT kBoxPlace = {362, 284, 662, 484};
constexpr RECT kFramePath = {kBoxPlace.left, kBoxPlace.top, 1024, 768};
constexpr COLORREF kFrameXor = RGB(0x80, 0x80, 0x80);
// The tray lies in the screen's bottom-right corner.
constexpr POINT kTrayCorner = {1024, 768};
constexpr DWORD kBoundMs = 5000;

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return done();
    Sleep(10);
  }
  return true;
}

HWND ChildOfClass(HWND parent, const char* className) {
  return harness::FindDescendant(parent, [&](HWND child) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
  });
}

double FromTray(POINT point) {
  return std::hypot(point.x - kTrayCorner.x, point.y - kTrayCorner.y);
}

bool IsAt(HWND window, const RECT& expected) {
  RECT rect = {};
  return IsWindowVisible(window) && GetWindowRect(window, &rect) && EqualRect(&rect, &expected);
}

class SplashHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    ASSERT_TRUE(com::AtlAxWinInit());
  }
  void TearDown() override { OleUninitialize(); }
};

TEST_F(SplashHostTest, FramesFlyInXorOnlyWhenAnimatedAndLeaveTheScreenAsItWas) {
  for (bool animate : {true, false}) {
    SCOPED_TRACE(animate ? "animated" : "not animated");
    CSplashHost host;
    ASSERT_TRUE(host.Create(nullptr));
    ASSERT_TRUE(host.HasPanel());
    const harness::ScreenPixels reference = harness::ScreenPixels::Capture(kFramePath);
    ASSERT_FALSE(reference.empty());
    const HWND window = host.handle();
    auto shown = [&] { return IsAt(window, kBoxPlace); };
    auto hidden = [&] { return !IsWindowVisible(window); };
    enum class Frames { kNone, kOutOfTheTray, kIntoTheTray };  // when animated
    struct Phase {
      const char* name;
      std::function<void()> run;
      Frames frames;
      std::function<bool()> then;
    };
    const Phase phases[] = {
        {"the about box comes", [&] { host.ShowAbout(animate, true); }, Frames::kOutOfTheTray,
         shown},
        {"the about box goes",
         [&] {
           // OK hides the box, as the user's click does; then the frames go.
           SendMessageA(ChildOfClass(window, "Button"), BM_CLICK, 0, 0);
           host.ShowAbout(animate, false);
         },
         Frames::kIntoTheTray, hidden},
        {"the splash comes", [&] { host.ShowSplash(animate, true); }, Frames::kNone, shown},
        {"the splash goes", [&] { host.ShowSplash(animate, false); }, Frames::kIntoTheTray, hidden},
    };
    for (const Phase& phase : phases) {
      SCOPED_TRACE(phase.name);
      harness::XorFrameProbe probe(reference, kBoxPlace, kFrameXor);
      WaitFor([&] { return probe.captures() >= 2; }, kBoundMs);
      phase.run();
      EXPECT_TRUE(phase.then());
      // Captures after the end too: a frame left behind shows in them.
      const int atEnd = probe.captures();
      EXPECT_TRUE(WaitFor([&] { return probe.captures() >= atEnd + 3; }, kBoundMs));
      const harness::XorFrameProbe::Sightings seen = probe.Stop();
      if (animate && phase.frames != Frames::kNone) {
        EXPECT_GE(seen.withChanges, 3) << "frames seen in " << seen.captures << " captures";
        if (phase.frames == Frames::kOutOfTheTray) {
          EXPECT_LT(FromTray(seen.first), FromTray(seen.last)) << "they leave the tray";
        } else {
          EXPECT_GT(FromTray(seen.first), FromTray(seen.last)) << "they go into the tray";
        }
      } else {
        EXPECT_EQ(seen.withChanges, 0) << "no frame in " << seen.captures << " captures";
      }
      EXPECT_EQ(seen.notXorPixels, 0) << "every changed pixel is the screen's XOR 0x808080";
      long long notXor = 0;
      EXPECT_EQ(harness::ChangedPixels(reference, harness::ScreenPixels::Capture(kFramePath),
                                       kBoxPlace, kFrameXor, &notXor),
                0)
          << "the screen outside the box is as it was";
    }
  }
}

}  // namespace

}  // namespace morvex::solo
