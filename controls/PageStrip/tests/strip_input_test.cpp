// The page strip under the user's mouse: real clicks on headers (SendInput
// through the harness), the hover frame and its end when the pointer
// leaves with no further message, and a picture of the strip with the
// middle page open, checked by pixels against the system's colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "com/Automation.h"
#include "harness/MouseInput.h"
#include "strip_test_support.h"

namespace com = morvex::com;

namespace pagestrip_test {

namespace {

constexpr int W = kStripWidth;
constexpr int H = kStripHeight;
// Long enough for a loaded machine; the hover timer runs every 48 ms.
constexpr DWORD kInputBoundMs = 2000;
// The arrow of the header marks (images/make_images.py).
constexpr COLORREF kMarkColour = RGB(16, 40, 120);

class InputTest : public StripTest {
 protected:
  void SetUp() override {
    StripTest::SetUp();
    SetForegroundWindow(frame_);
  }

  POINT OnScreen(int x, int y) {
    POINT point = {x, y};
    ClientToScreen(StripWindow(), &point);
    return point;
  }

  void Click(int x, int y) {
    harness::MouseClick click;
    click.at = OnScreen(x, y);
    ASSERT_TRUE(harness::SendClick(click));
  }

  // Moves the pointer without pressing anything.
  static void MovePointer(POINT to) { ASSERT_TRUE(harness::MovePointer(to)); }
};

TEST_F(InputTest, AClickOnTheOpenHeaderIsReportedAndOneOnABottomHeaderOpensIt) {
  AddThreePagesWithWindows();
  strip_->ActivatePage(0);
  TakeEvents();

  Click(W / 2, 11);
  std::string events;
  ASSERT_TRUE(PumpUntil([&] { return !(events += TakeEvents()).empty(); }, kInputBoundMs));
  EXPECT_EQ(events, "C0 ");
  long active = -1;
  strip_->GetActivePage(&active);
  EXPECT_EQ(active, 0);

  Click(W / 2, H - 32);  // "Dictionary", the upper header of the bottom stack
  events.clear();
  ASSERT_TRUE(PumpUntil([&] { return !(events += TakeEvents()).empty(); }, kInputBoundMs));
  EXPECT_EQ(events, "A1 ");
  EXPECT_TRUE(IsWindowVisible(pages_[1]));
  EXPECT_FALSE(IsWindowVisible(pages_[0]));
  EXPECT_EQ(RectIn(pages_[1], StripWindow()), (RECT{2, 43, W - 2, H - 22}));
}

TEST_F(InputTest, AHoveredHeaderIsRaisedUntilThePointerLeavesTheStrip) {
  AddThreePagesWithWindows();
  strip_->ActivatePage(0);
  RedrawWindow(frame_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const COLORREF raised = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF framed = GetSysColor(COLOR_APPWORKSPACE);
  ASSERT_NE(raised, framed) << "the system colours cannot tell the frames apart";
  // The top left corner of "Collection", the lowest header.
  const POINT corner = {1, H - 21};
  ASSERT_EQ(WindowPixel(StripWindow(), corner), framed);

  MovePointer(OnScreen(W / 3, H - 11));
  EXPECT_TRUE(
      PumpUntil([&] { return WindowPixel(StripWindow(), corner) == raised; }, kInputBoundMs))
      << "the hovered header is not raised";
  // The bottom stack's mark, 32 pixels in from the right end, within the
  // header and not over the gap above it.
  Picture hot = CaptureWindow(StripWindow(), L"pagestrip_hot_header.bmp");
  EXPECT_TRUE(hot.Holds({W - 1 - 32, H - 21, W - 1, H - 1}, kMarkColour)) << "no mark";
  EXPECT_FALSE(hot.Holds({W - 1 - 32, H - 22, W - 1, H - 21}, kMarkColour));
  EXPECT_FALSE(hot.Holds({0, 0, W, H - 22}, kMarkColour)) << "a mark on another header";

  // Off the frame to where no window of this program lies: the strip gets
  // no message, only its timer notices.
  RECT frame = {};
  GetWindowRect(frame_, &frame);
  MovePointer({frame.right + 100, frame.bottom + 100});
  EXPECT_TRUE(
      PumpUntil([&] { return WindowPixel(StripWindow(), corner) == framed; }, kInputBoundMs))
      << "the hover frame stayed after the pointer left";
}

TEST_F(InputTest, TheMiddlePageOpenShowsEveryHeaderInItsColours) {
  AddThreePagesWithWindows();
  strip_->ActivatePage(0);
  strip_->ActivatePage(1);
  RECT frame = {};
  GetWindowRect(frame_, &frame);
  MovePointer({frame.right + 100, frame.bottom + 100});
  RedrawWindow(frame_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(5);
  Picture picture = CaptureWindow(StripWindow(), L"pagestrip_middle_page_open.bmp");
  ASSERT_EQ(picture.width, W);
  ASSERT_EQ(picture.height, H);

  const COLORREF back = GetSysColor(COLOR_WINDOW);  // the host's ambient back colour
  const COLORREF open = GetSysColor(COLOR_APPWORKSPACE);
  const COLORREF closed = GetSysColor(COLOR_BTNFACE);
  // Headers: "Translation" 1-21 and "Dictionary" 22-42 at the top, the
  // latter open; "Collection" at the bottom, H-21 to H-1.
  const RECT translation = {1, 1, W - 1, 21}, dictionary = {1, 22, W - 1, 42},
             collection = {1, H - 21, W - 1, H - 1};
  EXPECT_EQ(picture.At(0, 0), back) << "the strip's border";
  EXPECT_EQ(picture.At(W / 2, 21), back) << "between two headers";
  EXPECT_EQ(picture.At(5, 5), closed);
  EXPECT_EQ(picture.At(5, 30), open);
  EXPECT_EQ(picture.At(5, H - 10), closed);
  EXPECT_EQ(picture.At(1, 1), open) << "closed headers have a workspace frame";
  EXPECT_EQ(picture.At(1, 22), GetSysColor(COLOR_WINDOWTEXT)) << "the open one is sunken";
  EXPECT_EQ(picture.At(W - 2, 41), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_TRUE(picture.Holds(translation, GetSysColor(COLOR_BTNTEXT))) << "no caption";
  EXPECT_TRUE(picture.Holds(collection, GetSysColor(COLOR_BTNTEXT))) << "no caption";
  EXPECT_TRUE(picture.Holds(dictionary, GetSysColor(COLOR_HIGHLIGHTTEXT))) << "no caption";
  // The open page's window fills the space between the stacks, one pixel
  // in from the headers' sides.
  EXPECT_EQ(picture.At(2, 43), kPageColour);
  EXPECT_EQ(picture.At(W - 3, H - 23), kPageColour);
  EXPECT_EQ(picture.At(1, 100), back);
  EXPECT_EQ(picture.At(W / 2, H - 22), back);
}

}  // namespace

}  // namespace pagestrip_test
