// The main window's own frame, as the user sees it with the back colour
// set to green: a green frame body inside its edge lines, a gradient
// caption with the title and the close and "?" buttons, flat once another
// window is active; the frame painted again where a window uncovered it;
// the drawn close button hiding the window; and no system menu from the
// caption's icon, a right click on the caption or Alt+Space.
#include <gtest/gtest.h>
#include <windows.h>

#include "PrefStore.h"
#include "com/ComPtr.h"
#include "e2e/InstalledProgram.h"
#include "harness/KeyCombo.h"
#include "harness/WindowProbe.h"
#include "mousehook/tests/RealInput.h"

namespace morvex::e2e {

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr RECT kPlace = {100, 120, 700, 560};
constexpr char kProbeClass[] = "FrameTestProbe";

void StoreBackColour(COLORREF colour) {
  com::Ptr<IVelMorvexOpt> options = ReadStoredOptions();
  if (!options) return;
  options->put_Left(kPlace.left);
  options->put_Top(kPlace.top);
  options->put_Right(kPlace.right);
  options->put_Bottom(kPlace.bottom);
  options->put_ColorBack(colour);
  options->Write();
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// Pumps this thread's messages for a while: the probe window is ours.
void Pump(DWORD ms) {
  mousehook_test::PumpUntil([] { return false; }, ms);
}

bool NoProgramMenu() { return harness::FindWindows({L"#32768", L""}).empty(); }

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mousehook_test::XdotoolFound());
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
    ForgetOptions();
    StoreBackColour(kGreen);
    ASSERT_TRUE(program_.Start());
    window_ = program_.WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(window_, nullptr);
    // The splash goes first: it would cover the window.
    ASSERT_TRUE(
        WaitUntil([] { return FindWindowA("VelSplashAboutHost", nullptr) == nullptr; }, 6000));
    PostMessageA(window_, WM_COMMAND, 32768, 0);  // Translation: the window shows
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window_) != FALSE; }, kReactionTimeoutMs));
    SetForegroundWindow(window_);
    Pump(500);
  }
  void TearDown() override { ForgetOptions(); }

  // A probe window of this process over the rectangle, shown and active.
  HWND MakeProbe(const RECT& rect) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kProbeClass;
    RegisterClassA(&windowClass);
    HWND probe =
        CreateWindowExA(WS_EX_TOPMOST, kProbeClass, "probe", WS_POPUP | WS_VISIBLE, rect.left,
                        rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(probe);
    Pump(500);
    return probe;
  }

  InstalledProgram program_;
  HWND window_ = nullptr;
};

TEST_F(FrameTest, TheFrameAndCaptionAreDrawnInTheProgramsColours) {
  RECT rect = {};
  GetWindowRect(window_, &rect);
  ASSERT_TRUE(EqualRect(&rect, &kPlace));
  const int middle = (rect.top + rect.bottom) / 2;
  const int frame = GetSystemMetrics(SM_CXFRAME);
  ASSERT_GE(frame, 3);
  EXPECT_EQ(ScreenPixel(rect.left, middle), GetSysColor(COLOR_BTNFACE)) << "outer left edge";
  EXPECT_EQ(ScreenPixel(rect.right - 1, middle), GetSysColor(COLOR_3DDKSHADOW))
      << "outer right edge";
  EXPECT_EQ(ScreenPixel(rect.left + 1, middle), GetSysColor(COLOR_BTNHIGHLIGHT))
      << "inner left line";
  EXPECT_EQ(ScreenPixel(rect.left + frame - 1, middle), kGreen) << "frame body";
  EXPECT_EQ(ScreenPixel((rect.left + rect.right) / 2, rect.bottom - frame + 1), kGreen)
      << "bottom frame body";

  // The caption: the active colour over its first sixth, lighter to the
  // right; the title's text between.
  // A row above the title's text.
  const int captionY = rect.top + GetSystemMetrics(SM_CYFRAME) + 1;
  const int captionWidth = rect.right - rect.left - 2 * frame;
  const int solidX = rect.left + frame + captionWidth / 6 - 2;
  const int shadedX = rect.right - frame - captionWidth / 3;
  EXPECT_EQ(ScreenPixel(solidX, captionY), GetSysColor(COLOR_ACTIVECAPTION))
      << "the caption's solid start";
  // Wine's two active caption colours are the same: the shading itself is
  // the caption painter's test.
  EXPECT_EQ(ScreenPixel(shadedX, captionY), GetSysColor(COLOR_GRADIENTACTIVECAPTION));
  // The title in white: the caption text colour is dark.
  int white = 0;
  const int textY = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  for (int y = textY - 4; y <= textY + 4; ++y)
    for (int x = rect.left + frame + GetSystemMetrics(SM_CXSIZE); x < shadedX; ++x)
      white += ScreenPixel(x, y) == RGB(255, 255, 255);
  EXPECT_GT(white, 20) << "the title is drawn white";
  {
    SCOPED_TRACE("an unchanged activation state is answered TRUE");
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window_, WM_NCACTIVATE, TRUE, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                        &answer);
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  }
  {
    SCOPED_TRACE("another window active: the caption goes flat");
    RECT elsewhere = {750, 600, 850, 700};
    HWND probe = MakeProbe(elsewhere);
    EXPECT_EQ(GetForegroundWindow(), probe);
    EXPECT_EQ(ScreenPixel(solidX, captionY), GetSysColor(COLOR_INACTIVECAPTION));
    EXPECT_EQ(ScreenPixel(shadedX, captionY), GetSysColor(COLOR_INACTIVECAPTION));
    DestroyWindow(probe);
    Pump(300);
  }
  {
    SCOPED_TRACE("an uncovered edge is green again");
    RECT cover = {rect.left - 20, middle - 50, rect.left + 40, middle + 50};
    HWND probe = MakeProbe(cover);
    EXPECT_EQ(ScreenPixel(rect.left + frame - 1, middle), RGB(0, 0, 0)) << "covered";
    DestroyWindow(probe);
    Pump(500);
    EXPECT_EQ(ScreenPixel(rect.left + frame - 1, middle), kGreen);
    EXPECT_EQ(ScreenPixel(rect.left, middle), GetSysColor(COLOR_BTNFACE));
  }
}

TEST_F(FrameTest, TheCaptionOpensNoSystemMenuAndItsCloseButtonHides) {
  RECT rect = {};
  GetWindowRect(window_, &rect);
  const int frame = GetSystemMetrics(SM_CXFRAME);
  const int captionY = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  auto click = [](int x, int y, int button) {
    return mousehook_test::StartXdotool(L"mousemove " + std::to_wstring(x) + L" " +
                                        std::to_wstring(y) + L" click " + std::to_wstring(button));
  };
  // The caption's icon, a right click on the caption, Alt+Space.
  ASSERT_TRUE(click(rect.left + frame + 8, captionY, mousehook_test::kXLeftButton));
  Pump(700);
  EXPECT_TRUE(NoProgramMenu()) << "the caption's icon";
  ASSERT_TRUE(click((rect.left + rect.right) / 2, captionY, mousehook_test::kXRightButton));
  Pump(700);
  EXPECT_TRUE(NoProgramMenu()) << "a right click on the caption";
  std::vector<harness::KeyStroke> keys;
  std::wstring error;
  ASSERT_TRUE(harness::ParseKeyCombo(L"alt+space", &keys, &error));
  ASSERT_TRUE(harness::SendKeyCombo(keys));
  Pump(700);
  EXPECT_TRUE(NoProgramMenu()) << "Alt+Space";
  EXPECT_TRUE(IsWindowVisible(window_));
  // The close button the program draws, at the caption's right end.
  const int buttonX = rect.right - frame - GetSystemMetrics(SM_CXSIZE) / 2 - 1;
  const int buttonY = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSIZE) / 2;
  ASSERT_TRUE(click(buttonX, buttonY, mousehook_test::kXLeftButton));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window_); }, kReactionTimeoutMs))
      << "the drawn close button hides the window";
  EXPECT_NE(FindMainWindow(), nullptr) << "and the program goes on";
}

}  // namespace

}  // namespace morvex::e2e
