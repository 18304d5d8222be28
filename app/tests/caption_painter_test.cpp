// The caption painter on a window of the main window's styles: where the
// caption and its buttons are, one cached picture per state and size, and
// nothing painted for an iconic window.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/CaptionPainter.h"

namespace morvex::solo {

namespace {

constexpr DWORD kMainStyle =
    WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

class CaptionPainterTest : public ::testing::Test {
 protected:
  HWND Make(DWORD style, DWORD exStyle) {
    HWND window = CreateWindowExA(exStyle, "STATIC", "Morvex Dictionary", style, 40, 50, 600, 400,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    windows_.push_back(window);
    return window;
  }
  void TearDown() override {
    for (HWND window : windows_) DestroyWindow(window);
  }
  std::vector<HWND> windows_;
};

TEST_F(CaptionPainterTest, TheCaptionLiesInsideTheFrameOneCaptionHigh) {
  HWND window = Make(kMainStyle, WS_EX_CONTEXTHELP);
  const RECT caption = CaptionRect(window);
  const int frameX = GetSystemMetrics(SM_CXFRAME), frameY = GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(caption.left, frameX);
  EXPECT_EQ(caption.right, 600 - frameX);
  EXPECT_EQ(caption.top, frameY);
  EXPECT_EQ(caption.bottom,
            frameY - GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYCAPTION));
  HWND dialogFramed = Make(WS_CAPTION | WS_DLGFRAME, 0);
  EXPECT_EQ(CaptionRect(dialogFramed).left, GetSystemMetrics(SM_CXDLGFRAME));
}

TEST_F(CaptionPainterTest, TheButtonsAreWhereTheCaptionDrawsThem) {
  const int size = GetSystemMetrics(SM_CXSIZE);
  struct Case {
    const char* name;
    DWORD style;
    DWORD exStyle;
    bool buttons;
    bool help;
  };
  const Case cases[] = {{"close and help", kMainStyle, WS_EX_CONTEXTHELP, true, true},
                        {"close only", kMainStyle, 0, true, false},
                        {"no caption", WS_POPUP | WS_THICKFRAME, WS_EX_CONTEXTHELP, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND window = Make(c.style, c.exStyle);
    RECT close = {}, help = {};
    ASSERT_EQ(CaptionButtonRects(window, &close, &help), c.buttons);
    if (!c.buttons) continue;
    const RECT caption = CaptionRect(window);
    EXPECT_EQ(close.left, caption.right - size);
    EXPECT_EQ(close.right, caption.right - 2);
    EXPECT_EQ(close.top, caption.top + 2);
    EXPECT_EQ(close.bottom, caption.top + GetSystemMetrics(SM_CYSIZE) - 2);
    EXPECT_EQ(IsRectEmpty(&help), !c.help);
    if (c.help) {
      EXPECT_EQ(help.right, close.left);
    }
  }
}

TEST_F(CaptionPainterTest, EachStateIsDrawnOncePerSizeAndAnIconicWindowPaintsNothing) {
  HWND window = Make(kMainStyle | WS_VISIBLE, WS_EX_CONTEXTHELP);
  CaptionPainter painter;
  painter.Paint(window, true);
  EXPECT_TRUE(painter.HasCached(true));
  EXPECT_FALSE(painter.HasCached(false));
  painter.Paint(window, false);
  EXPECT_TRUE(painter.HasCached(true) && painter.HasCached(false));
  // A new width: both pictures are of the old size.
  SetWindowPos(window, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  painter.Paint(window, false);
  EXPECT_FALSE(painter.HasCached(true));
  EXPECT_TRUE(painter.HasCached(false));
  painter.Reset();
  ShowWindow(window, SW_MINIMIZE);
  painter.Paint(window, true);
  EXPECT_FALSE(painter.HasCached(true));
}

}  // namespace

}  // namespace morvex::solo
