// The splash animation on the screen, alone on the desktop: both
// directions draw their frames in XOR (a pixel under a frame is the
// screen's own XOR 0x808080 while it shows) and leave every pixel of the
// screen as it was, and the panel is no different after them.
#include <atomic>
#include <thread>

#include "com/testing/MessagePump.h"
#include "panel_test_support.h"

namespace morvex::aboutpanel::testing {

namespace {

constexpr COLORREF kFrameXor = RGB(0x80, 0x80, 0x80);

size_t Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  size_t count = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
  return count;
}

bool ShowsXorFrame(const std::vector<COLORREF>& before, const std::vector<COLORREF>& during) {
  for (size_t i = 0; i < before.size() && i < during.size(); ++i)
    if (during[i] != before[i] && during[i] == (before[i] ^ kFrameXor)) return true;
  return false;
}

class SplashTest : public PanelTest {
 protected:
  // The panel where the program's splash stands on a 1024 x 768 screen.
  SplashTest() : PanelTest({312, 234, 712, 534}) {}
};

TEST_F(SplashTest, BothDirectionsDrawXorFramesAndLeaveTheScreenAsItWas) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  for (long direction : {2L, 1L}) {
    SCOPED_TRACE(direction);
    RedrawWindow(frame_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    com::testing::PumpPending();
    const std::vector<COLORREF> before = Capture(nullptr, width, height);
    ASSERT_FALSE(before.empty());
    std::atomic<bool> finished{false};
    std::atomic<bool> sawFrame{false};
    std::thread watcher([&] {
      while (!finished && !sawFrame)
        if (ShowsXorFrame(before, Capture(nullptr, width, height))) sawFrame = true;
    });
    EXPECT_EQ(Hr{control_->ShowMoveSplash(direction)}, Hr{S_OK});
    finished = true;
    watcher.join();
    EXPECT_TRUE(sawFrame) << "a frame was seen while the animation ran";
    const std::vector<COLORREF> after = Capture(nullptr, width, height);
    EXPECT_EQ(Differing(before, after), 0u) << "each frame is drawn twice";
  }
}

}  // namespace

}  // namespace morvex::aboutpanel::testing
