// The strip as a user drives it, with real input through SendInput: a
// click on a letter, the arrow keys in a loop that forwards keys to the
// host and in one that does not, the hover frame leaving with the mouse,
// and the pager's button.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <vector>

#include "com/AxHost.h"
#include "harness/KeyCombo.h"
#include "harness/MouseInput.h"
#include "letterstrip_test_support.h"

namespace com = morvex::com;

namespace {

constexpr DWORD kInputArrivalMs = 3000;
// The strip polls the mouse every 200 ms.
constexpr DWORD kHoverGoneMs = 300;

bool Click(POINT at) { return harness::SendClick({at, harness::MouseButton::kLeft, false}); }

bool PressKey(WORD key) { return harness::SendKeyCombo({{key, true}}); }

// The message loop of a program: with `forward`, keyboard messages go to
// the hosted controls first (AxTranslateAccelerator), as our host's
// containers do; without it, as a loop that knows no controls.
template <class Condition>
bool RunLoopUntil(bool forward, Condition done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (forward && com::AxTranslateAccelerator(&message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

class InputTest : public StripTest {
 protected:
  void SetUp() override {
    StripTest::SetUp();
    // Away from every strip: a click or move that follows is the test's own.
    RECT frame = {};
    GetWindowRect(frame_, &frame);
    away_ = {frame.right - 20, frame.bottom - 20};
    harness::MovePointer(away_);
    PumpPending();
  }

  // The top-left and bottom-right pixels of the cell show a raised frame.
  bool CellIsRaised(int index) {
    Pixels pixels = CaptureClient(Cells());
    RECT cell = CellOnStatic(index);
    return pixels.At(cell.left, cell.top) == RGB(255, 255, 255) &&
           pixels.At(cell.right - 1, cell.bottom - 1) == RGB(0, 0, 0);
  }

  POINT away_ = {};
};

TEST_F(InputTest, AClickOnZheSelectsItAndFiresOnce) {
  ASSERT_TRUE(Click(CellCentreOnScreen(6)));
  ASSERT_TRUE(PumpUntil([&] { return !selected_.empty(); }, kInputArrivalMs));
  PumpPending();
  EXPECT_EQ(selected_, std::vector<std::wstring>{kZhe});
  EXPECT_EQ(CurSel(), 6);
  com::Bstr letter;
  ASSERT_EQ(Hr{strip_->get_CurLetter(letter.Put())}, Hr{S_OK});
  EXPECT_STREQ(letter.Text(), kZhe);

  ASSERT_EQ(Hr{strip_->SetCurSel(3)}, Hr{S_OK});
  PumpPending();
  EXPECT_EQ(selected_.size(), 1u) << "SetCurSel fires nothing";
}

TEST_F(InputTest, ArrowKeysStepTheSelectionWhetherTheLoopForwardsOrNot) {
  SetForegroundWindow(frame_);
  SetFocus(host_);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Cells(); }, kInputArrivalMs))
      << "the strip gives its static the focus";
  for (bool forward : {true, false}) {
    SCOPED_TRACE(forward ? "forwarding loop" : "plain loop");
    ASSERT_EQ(Hr{strip_->SetCurSel(27)}, Hr{S_OK});
    ASSERT_TRUE(PressKey(VK_RIGHT));
    EXPECT_TRUE(RunLoopUntil(
        forward, [&] { return CurSel() == 0; }, kInputArrivalMs));
    ASSERT_TRUE(PressKey(VK_LEFT));
    EXPECT_TRUE(RunLoopUntil(
        forward, [&] { return CurSel() == 27; }, kInputArrivalMs));
  }
  EXPECT_TRUE(selected_.empty()) << "the arrows fire nothing";
}

// No message tells the strip that the mouse left; its poll does.
TEST_F(InputTest, TheHoverFrameGoesSoonAfterTheMouseLeaves) {
  ASSERT_TRUE(harness::MovePointer(CellCentreOnScreen(10)));
  ASSERT_TRUE(PumpUntil([&] { return CellIsRaised(10); }, kInputArrivalMs));
  ASSERT_TRUE(harness::MovePointer(away_));
  EXPECT_TRUE(PumpUntil([&] { return !CellIsRaised(10); }, kHoverGoneMs));
  EXPECT_TRUE(selected_.empty());
}

// In a host narrower than the strip the pager's right button moves the
// strip by one cell, and a click then selects the letter under the mouse.
TEST_F(InputTest, ThePagerButtonMovesOneCellAndClicksFollowTheStrip) {
  MakeStrip(100, 28);
  ASSERT_NE(SendMessageW(Pager(), PGM_GETBUTTONSTATE, 0, PGB_BOTTOMORRIGHT), PGF_INVISIBLE);
  LRESULT before = SendMessageW(Pager(), PGM_GETPOS, 0, 0);
  RECT pager = {};
  GetWindowRect(Pager(), &pager);
  auto button = static_cast<LONG>(SendMessageW(Pager(), PGM_GETBUTTONSIZE, 0, 0));
  ASSERT_TRUE(Click({pager.right - button / 2, (pager.top + pager.bottom) / 2}));
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(Pager(), PGM_GETPOS, 0, 0) == before + Cell(); },
                        kInputArrivalMs));

  RECT visible = {};
  GetClientRect(Pager(), &visible);
  MapWindowPoints(Pager(), nullptr, reinterpret_cast<POINT*>(&visible), 2);
  int target = -1;
  for (int index = 0; index < Count() && target < 0; ++index) {
    POINT centre = CellCentreOnScreen(index);
    if (centre.x > visible.left + Cell()) target = index;
  }
  ASSERT_GT(target, 0);
  ASSERT_TRUE(Click(CellCentreOnScreen(target)));
  ASSERT_TRUE(PumpUntil([&] { return !selected_.empty(); }, kInputArrivalMs));
  EXPECT_EQ(CurSel(), target);
  com::Bstr letter;
  ASSERT_EQ(Hr{strip_->get_CurLetter(letter.Put())}, Hr{S_OK});
  EXPECT_EQ(selected_, std::vector<std::wstring>{letter.Text()});
}

}  // namespace
