// The installed program in the notification area, as a user meets it: the
// splash first (centred, topmost, its picture, OK and link) and no icon,
// then the icon in Wine's tray window and the hidden main window; the tray
// menu opened and Exit chosen with the real mouse, which ends the program
// with 0, takes the icon away and keeps the window's rectangle; the end of
// the Windows session keeping it too; OK on the splash bringing the icon at
// once; a shell restart bringing back an icon it lost; and the splash and
// the about box, animated or not, leaving the screen as it was.
//
// Without a tray manager, Wine shows the icons in a top-left window of its
// own, "Wine System Tray", one 20 x 20 child per icon. NIM_MODIFY with no
// flags, asked of the program's icon from this process, answers TRUE
// exactly while the icon exists.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <functional>
#include <string>

#include "PrefStore.h"
#include "app/Resources.h"
#include "com/ComPtr.h"
#include "com/RegistryKey.h"
#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "e2e/TrayDriving.h"
#include "harness/KeyCombo.h"
#include "harness/MouseInput.h"
#include "harness/Picture.h"
#include "harness/ScreenPixels.h"
#include "harness/WindowProbe.h"
#include "harness/XorFrameProbe.h"
#include "mousehook/tests/RealInput.h"

namespace morvex::e2e {

namespace {

constexpr char kSplashClass[] = "VelSplashAboutHost";
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr RECT kSplashRect = {362, 284, 662, 484};
constexpr COLORREF kLinkColour = RGB(255, 255, 0);
// Two seconds of splash and the shrinking frames, with room to spare.
constexpr DWORD kSplashGoneMs = 6000;
constexpr char kOptionsKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Solo";

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

::testing::AssertionResult At(HWND window, const RECT& expected) {
  const RECT rect = WindowRect(window);
  if (EqualRect(&rect, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "at (" << rect.left << ", " << rect.top << ", "
                                       << rect.right << ", " << rect.bottom << ")";
}

// How many pixels of the screen rectangle are `colour`, give or take.
int PixelsLike(const RECT& rect, COLORREF colour, int tolerance) {
  HDC screen = GetDC(nullptr);
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF pixel = GetPixel(screen, x, y);
      if (abs(GetRValue(pixel) - GetRValue(colour)) <= tolerance &&
          abs(GetGValue(pixel) - GetGValue(colour)) <= tolerance &&
          abs(GetBValue(pixel) - GetBValue(colour)) <= tolerance) {
        ++count;
      }
    }
  }
  ReleaseDC(nullptr, screen);
  return count;
}

// The splash picture as the installed program holds it, its pixel at
// (x, y); CLR_INVALID when it cannot be read.
COLORREF PicturePixel(int x, int y) {
  HMODULE program =
      LoadLibraryExW(InstalledFile(L"MorvexSolo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!program) return CLR_INVALID;
  HBITMAP picture = static_cast<HBITMAP>(LoadImageA(program, MAKEINTRESOURCEA(IDB_ABOUT_PICTURE),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  COLORREF pixel = CLR_INVALID;
  if (picture) {
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, picture);
    pixel = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
  }
  FreeLibrary(program);
  return pixel;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}


bool MovePointer(const POINT& at) {
  return mousehook_test::StartXdotool(L"mousemove " + std::to_wstring(at.x) + L" " +
                                      std::to_wstring(at.y));
}

bool Click(const POINT& at, int button) {
  return mousehook_test::StartXdotool(L"mousemove " + std::to_wstring(at.x) + L" " +
                                      std::to_wstring(at.y) + L" click " + std::to_wstring(button));
}


POINT Centre(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::string StoredPositionBytes() {
  com::RegistryKey key;
  BYTE bytes[64] = {};
  DWORD size = sizeof bytes;
  if (!key.Open(HKEY_CURRENT_USER, kOptionsKey, KEY_READ) ||
      RegQueryValueExA(key.Get(), "Position", nullptr, nullptr, bytes, &size) != ERROR_SUCCESS) {
    return "none";
  }
  std::string text;
  char hex[4];
  for (DWORD i = 0; i < size; ++i) {
    wsprintfA(hex, i ? " %02X" : "%02X", bytes[i]);
    text += hex;
  }
  return text;
}

void StoreAnimation(long animation) {
  com::Ptr<IVelMorvexOpt> options = ReadStoredOptions();
  if (!options) return;
  options->put_Animation(animation);
  options->Write();
}

class TrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mousehook_test::XdotoolFound());
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
    ForgetOptions();
  }

  HWND StartAndWaitForIcon(InstalledProgram* program) {
    EXPECT_TRUE(program->Start());
    HWND window = program->WaitForMainWindow(kStartTimeoutMs);
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IconPresent(window); }, kSplashGoneMs));
    return window;
  }
};

TEST_F(TrayTest, TheSplashComesFirstThenTheIconAndExitFromTheTrayMenuKeepsTheWindow) {
  // A point of the picture away from its OK and link.
  const POINT sample = {40, 100};
  const COLORREF expected = PicturePixel(sample.x, sample.y);
  ASSERT_NE(expected, CLR_INVALID);
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND splash = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (splash = VisibleSplash()) != nullptr; }, kStartTimeoutMs));
  HWND window = FindMainWindow();
  ASSERT_NE(window, nullptr);
  {
    SCOPED_TRACE("the splash");
    EXPECT_TRUE(At(splash, kSplashRect));
    EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IconPresent(window)) << "no icon while the splash is up";
    EXPECT_NE(DescendantOfClass(splash, "Button"), nullptr) << "its OK";
    EXPECT_FALSE(IsWindowVisible(window));
    // Once painted: the picture, and a yellow link.
    EXPECT_TRUE(WaitUntil(
        [&] {
          return ScreenPixel(kSplashRect.left + sample.x, kSplashRect.top + sample.y) == expected;
        },
        kReactionTimeoutMs))
        << std::hex << ScreenPixel(kSplashRect.left + sample.x, kSplashRect.top + sample.y);
    EXPECT_TRUE(
        WaitUntil([&] { return PixelsLike(kSplashRect, kLinkColour, 0) > 20; }, kReactionTimeoutMs))
        << "the link is drawn yellow";
  }
  HWND icon = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (icon = TrayIconWindow()) != nullptr; }, kSplashGoneMs))
      << "the icon sits in Wine's tray window";
  EXPECT_EQ(VisibleSplash(), nullptr);
  EXPECT_GE(PixelsLike(WindowRect(icon), PROGRAM_ICON_KEY_COLOUR, 24), 8)
      << "the tray shows the program's icon";
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(At(window, {341, 256, 682, 512}));

  {
    SCOPED_TRACE("a second start shows the first's window");
    InstalledProgram second;
    ASSERT_TRUE(second.Start());
    DWORD exitCode = 1;
    ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs));
    // Escape hides it again.
    PostMessageA(window, WM_COMMAND, ID_CMD_HIDE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, kReactionTimeoutMs));
  }

  SetWindowPos(window, nullptr, 100, 120, 600, 440, SWP_NOZORDER | SWP_NOACTIVATE);
  HWND menu = OpenTrayMenu(window, Centre(WindowRect(icon)));
  ASSERT_NE(menu, nullptr) << "a right click on the icon opens the menu; menus: "
                           << harness::FindWindows({kMenuClass, L""}).size();
  // Exit is the last row.
  const RECT rows = WindowRect(menu);
  ASSERT_TRUE(
      Click({(rows.left + rows.right) / 2, rows.bottom - 3 - GetSystemMetrics(SM_CYMENU) / 2},
            mousehook_test::kXLeftButton));
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(WaitUntil([] { return TrayWindow() == nullptr; }, kReactionTimeoutMs))
      << "the icon and the tray window are gone";
  EXPECT_EQ(StoredPositionBytes(), "64 00 00 00 78 00 00 00 BC 02 00 00 30 02 00 00");
  // The hot keys are free: Ctrl+Alt with Z and X.
  for (UINT key : {UINT('Z'), UINT('X')}) {
    EXPECT_TRUE(RegisterHotKey(nullptr, 0x100 + key, MOD_CONTROL | MOD_ALT, key)) << char(key);
    UnregisterHotKey(nullptr, 0x100 + key);
  }

  SCOPED_TRACE("the next start");
  InstalledProgram again;
  HWND restarted = StartAndWaitForIcon(&again);
  EXPECT_TRUE(At(restarted, {100, 120, 700, 560}));
  EXPECT_FALSE(IsWindowVisible(restarted));
}

TEST_F(TrayTest, TheEndOfTheSessionKeepsTheWindowsRectangle) {
  InstalledProgram program;
  HWND window = StartAndWaitForIcon(&program);
  ASSERT_NE(window, nullptr);
  SetWindowPos(window, nullptr, 100, 120, 600, 440, SWP_NOZORDER | SWP_NOACTIVATE);
  // What the system does at log-off: the session ends, then the process.
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                      &answer);
  SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                      &answer);
  EXPECT_EQ(StoredPositionBytes(), "64 00 00 00 78 00 00 00 BC 02 00 00 30 02 00 00");
}

TEST_F(TrayTest, SeparateStarts) {
  {
    SCOPED_TRACE("OK on the splash brings the icon at once");
    InstalledProgram program;
    ASSERT_TRUE(program.Start());
    HWND splash = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (splash = VisibleSplash()) != nullptr; }, kStartTimeoutMs));
    const DWORD shown = GetTickCount();
    HWND ok = DescendantOfClass(splash, "Button");
    ASSERT_NE(ok, nullptr);
    PostMessageA(ok, BM_CLICK, 0, 0);
    HWND window = FindMainWindow();
    ASSERT_TRUE(WaitUntil([&] { return IconPresent(window); }, kSplashGoneMs));
    EXPECT_LT(GetTickCount() - shown, 1800u) << "before the two seconds";
    EXPECT_EQ(VisibleSplash(), nullptr);
  }
  {
    SCOPED_TRACE("an icon the shell lost comes back with TaskbarCreated");
    InstalledProgram program;
    HWND window = StartAndWaitForIcon(&program);
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = kIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));
    ASSERT_FALSE(IconPresent(window));
    PostMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IconPresent(window); }, kReactionTimeoutMs));
  }
  {
    SCOPED_TRACE("without animation the icon comes with the timer");
    StoreAnimation(0);
    InstalledProgram program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(WaitUntil([] { return VisibleSplash() != nullptr; }, kStartTimeoutMs));
    const DWORD shown = GetTickCount();
    HWND window = FindMainWindow();
    ASSERT_TRUE(WaitUntil([&] { return IconPresent(window); }, kSplashGoneMs));
    EXPECT_LT(GetTickCount() - shown, 2400u) << "no 0.7 s of frames";
  }
  {
    SCOPED_TRACE("a double click on the icon shows the window");
    InstalledProgram program;
    HWND window = StartAndWaitForIcon(&program);
    PostMessageA(window, kTrayCallback, kIconId + 1, WM_LBUTTONDBLCLK);
    PostMessageA(window, kTrayCallback, kIconId, WM_MOUSEMOVE);
    ASSERT_TRUE(PostedMessagesHandled(window, kReactionTimeoutMs));
    EXPECT_FALSE(IsWindowVisible(window)) << "another id and other mouse messages do nothing";
    PostMessageA(window, kTrayCallback, kIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs));
  }
}

// Keys pressed through SendInput: they reach the thread of the open menu,
// which holds no X focus of its own (xdotool's keys go to the X focus).
bool PressKeys(const wchar_t* combo) {
  std::vector<harness::KeyStroke> keys;
  std::wstring error;
  return harness::ParseKeyCombo(combo, &keys, &error) && harness::SendKeyCombo(keys);
}

using Pixels = harness::Picture;

Pixels CaptureScreen(const RECT& rect) { return harness::PictureOfScreen(rect); }

// Picture `index` of a strip of 16 x 16 pictures of the installed program.
Pixels StripPicture(UINT bitmapId, int index) {
  Pixels picture;
  HMODULE program =
      LoadLibraryExW(InstalledFile(L"MorvexSolo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!program) return picture;
  HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(program, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (strip) {
    picture = harness::PictureOfBitmap(strip, {16 * index, 0, 16 * index + 16, 16});
    DeleteObject(strip);
  }
  FreeLibrary(program);
  return picture;
}

// Where the picture shows in the pixels (its white being what is under
// it), searched in the leftmost `columns`; y -1 when nowhere.
POINT FindPicture(const Pixels& pixels, const Pixels& picture, int columns) {
  return harness::FindPicture(pixels, picture, {0, 0, std::min(columns, pixels.width), pixels.height},
                              RGB(255, 255, 255));
}

// The about panel's child of this class, its rectangle in the host's
// client coordinates.
RECT ChildRectInHost(HWND host, const char* className) {
  RECT rect = {};
  if (HWND child = DescendantOfClass(host, className)) {
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

// The extent of `text` in the system's status font.
SIZE StatusFontExtent(const std::string& text) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&metrics.lfStatusFont);
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE extent = {};
  GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return extent;
}

TEST_F(TrayTest, TheAboutBoxComesByItsKeyInTheTrayMenuAndGoesWithEnter) {
  InstalledProgram program;
  HWND window = StartAndWaitForIcon(&program);
  ASSERT_NE(window, nullptr);
  HWND icon = TrayIconWindow();
  ASSERT_NE(icon, nullptr);
  const POINT iconCentre = Centre(WindowRect(icon));
  {
    SCOPED_TRACE("the menu's pictures, and Escape runs nothing");
    HWND menu = OpenTrayMenu(window, iconCentre);
    ASSERT_NE(menu, nullptr);
    const RECT menuRect = WindowRect(menu);
    EXPECT_TRUE(PtInRect(&menuRect, iconCentre) ||
                (abs(menuRect.left - iconCentre.x) <= 2 && abs(menuRect.top - iconCentre.y) <= 2))
        << "at the pointer";
    // Away from the menu, so that no row is hot.
    MovePointer({600, 600});
    Pixels shown;
    POINT at[6];
    WaitUntil([&] {
      shown = CaptureScreen(menuRect);
      bool all = true;
      for (int index = 0; index < 6; ++index) {
        at[index] = FindPicture(shown, StripPicture(IDB_TRAY_MENU_COLD, index), 40);
        all = all && at[index].y >= 0;
      }
      return all;
    }, kReactionTimeoutMs);
    for (int index = 0; index < 6; ++index) EXPECT_GE(at[index].y, 0) << "cold picture " << index;
    const int row = at[1].y - at[0].y;
    EXPECT_GE(row, GetSystemMetrics(SM_CYMENU));
    for (int index : {2, 3, 5}) EXPECT_EQ(at[index].y - at[index - 1].y, row) << index;
    EXPECT_EQ(at[4].y - at[3].y, row + GetSystemMetrics(SM_CYMENU) / 2)
        << "the separator is half a row high";
    // Exit asks for a seventh picture the strip does not hold.
    const COLORREF menuColour = GetSysColor(COLOR_MENU);
    int drawn = 0;
    for (int y = at[5].y + row; y < at[5].y + row + 16 && y < shown.height; ++y)
      for (int x = at[5].x; x < at[5].x + 16; ++x) drawn += shown.At(x, y) != menuColour;
    EXPECT_EQ(drawn, 0) << "Exit has no picture";
    // The pointer on Help: its row is highlighted and shows the hot picture.
    MovePointer({menuRect.left + 60, menuRect.top + at[4].y + 8});
    Pixels hot;
    POINT hotAt = {-1, -1};
    WaitUntil([&] {
      hot = CaptureScreen(menuRect);
      hotAt = FindPicture(hot, StripPicture(IDB_TRAY_MENU_HOT, 4), 40);
      return hotAt.y == at[4].y;
    }, kReactionTimeoutMs);
    EXPECT_EQ(hotAt.y, at[4].y) << "the hot picture of Help";
    EXPECT_EQ(hot.At(hot.width - 10, at[4].y + 2), GetSysColor(COLOR_HIGHLIGHT));
    ASSERT_TRUE(PressKeys(L"esc"));
    EXPECT_TRUE(WaitUntil([&] { return ProgramMenu(window) == nullptr; }, kReactionTimeoutMs));
    ASSERT_TRUE(PostedMessagesHandled(window, kReactionTimeoutMs));
    EXPECT_EQ(VisibleSplash(), nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
  }
  ASSERT_NE(OpenTrayMenu(window, iconCentre), nullptr);
  ASSERT_TRUE(PressKeys(L"a"));
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (about = VisibleSplash()) != nullptr; }, kReactionTimeoutMs))
      << "\"a\" in the open menu runs About...";
  EXPECT_EQ(ProgramMenu(window), nullptr);
  {
    SCOPED_TRACE("the about box");
    // It grows in from the tray's corner first.
    EXPECT_TRUE(WaitUntil([&] { return bool(At(about, kSplashRect)); }, kReactionTimeoutMs))
        << At(about, kSplashRect) << " (centred)";
    const LONG cx = kSplashRect.right - kSplashRect.left;
    const SIZE link = StatusFontExtent("https://morvex.example.org/");
    const RECT linkRect = ChildRectInHost(about, "Static");
    // The panel centres the link in a little more room than its text.
    const LONG linkPoint = cx - link.cx - 48;
    EXPECT_GE(linkRect.left, linkPoint);
    EXPECT_LE(linkRect.left, linkPoint + 13);
    EXPECT_EQ(linkRect.top, 8);
    const RECT okRect = ChildRectInHost(about, "Button");
    EXPECT_EQ(okRect.left, cx - 40);
    EXPECT_EQ(okRect.top, link.cy + 138);
    RECT onScreen = linkRect;
    OffsetRect(&onScreen, kSplashRect.left, kSplashRect.top);
    EXPECT_TRUE(
        WaitUntil([&] { return PixelsLike(onScreen, kLinkColour, 0) > 20; }, kReactionTimeoutMs))
        << "the link is drawn yellow";
  }
  ASSERT_TRUE(PressKeys(L"enter"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }, kReactionTimeoutMs))
      << "Enter hides the box";
  EXPECT_TRUE(
      WaitUntil([] { return FindWindowA(kSplashClass, nullptr) == nullptr; }, kReactionTimeoutMs))
      << "after the shrink the host goes";
  PostMessageA(window, WM_COMMAND, ID_CMD_ABOUT, 0);
  HWND again = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (again = VisibleSplash()) != nullptr; }, kReactionTimeoutMs))
      << "About opens a new box";
  PostMessageA(DescendantOfClass(again, "Button"), BM_CLICK, 0, 0);
  EXPECT_TRUE(
      WaitUntil([] { return FindWindowA(kSplashClass, nullptr) == nullptr; }, kReactionTimeoutMs))
      << "OK closes it";

  SCOPED_TRACE("Exit with the about box up takes the box down first");
  PostMessageA(window, WM_COMMAND, ID_CMD_ABOUT, 0);
  ASSERT_TRUE(WaitUntil([] { return VisibleSplash() != nullptr; }, kReactionTimeoutMs));
  PostMessageA(window, WM_COMMAND, ID_CMD_EXIT, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

// The screen between the about box's place and the tray's corner, which
// the splash's and the about box's frames cross on their way.
constexpr RECT kFramePath = {kSplashRect.left, kSplashRect.top, 1024, 768};
// The frames' grey pen, drawn in XOR.
constexpr COLORREF kFrameXor = RGB(0x80, 0x80, 0x80);
constexpr RECT kNothingIgnored = {};

long long ChangedPixels(const harness::ScreenPixels& reference, const RECT& ignored) {
  long long notXor = 0;
  return harness::ChangedPixels(reference, harness::ScreenPixels::Capture(reference.area()),
                                ignored, kFrameXor, &notXor);
}

// The frames' path once it stands still: two captures alike.
harness::ScreenPixels SettledPath() {
  harness::ScreenPixels last = harness::ScreenPixels::Capture(kFramePath);
  WaitUntil(
      [&] {
        harness::ScreenPixels now = harness::ScreenPixels::Capture(kFramePath);
        long long notXor = 0;
        const bool still =
            harness::ChangedPixels(last, now, kNothingIgnored, kFrameXor, &notXor) == 0;
        last = now;
        return still;
      },
      kReactionTimeoutMs);
  return last;
}

// The splash going into the tray, then the about box coming and going, as
// another program sees the screen meanwhile: outside the box nothing but
// the frames' XOR ever shows, and afterwards the screen is as it was, with
// "Animation" 1 or 0. Wine's display context draws into the drawing
// process's own picture of the screen, not onto X: the frames themselves
// are seen only in-process (app/tests/splash_host_test.cpp). From here
// they show in the time they hold the program: forty frames of 15 ms (and
// a pause) before the box comes or its host goes, none without animation.
TEST_F(TrayTest, TheSplashAndTheAboutBoxLeaveTheScreenAsItWas) {
  constexpr DWORD kFramesMs = 40 * 15;
  for (long animation : {1L, 0L}) {
    SCOPED_TRACE("Animation " + std::to_string(animation));
    ForgetOptions();
    StoreAnimation(animation);
    const harness::ScreenPixels reference = SettledPath();
    ASSERT_FALSE(reference.empty());
    InstalledProgram program;
    HWND window = nullptr;
    HWND about = nullptr;
    // Each phase: what starts it, and what ends its frames.
    struct Phase {
      const char* name;
      std::function<bool()> start;
      std::function<bool()> done;
      bool timed;  // from start to done takes the frames' time, or none of it
    };
    const Phase phases[] = {
        {"the splash goes", [&] { return program.Start(); },
         [&] {
           window = FindMainWindow();
           return window && IconPresent(window) && !FindWindowA(kSplashClass, nullptr);
         },
         false},
        {"the about box comes",
         [&] { return PostMessageA(window, WM_COMMAND, ID_CMD_ABOUT, 0) != FALSE; },
         [&] { return (about = VisibleSplash()) != nullptr && At(about, kSplashRect); }, true},
        {"the about box goes",
         [&] { return PostMessageA(DescendantOfClass(about, "Button"), BM_CLICK, 0, 0) != FALSE; },
         [&] { return FindWindowA(kSplashClass, nullptr) == nullptr; }, true},
    };
    for (const Phase& phase : phases) {
      SCOPED_TRACE(phase.name);
      harness::XorFrameProbe probe(reference, kSplashRect, kFrameXor);
      const DWORD started = GetTickCount();
      ASSERT_TRUE(phase.start());
      ASSERT_TRUE(WaitUntil(phase.done, kStartTimeoutMs));
      const DWORD elapsed = GetTickCount() - started;
      if (phase.timed && animation) {
        EXPECT_GE(elapsed, kFramesMs) << "the frames hold the program";
      } else if (phase.timed) {
        EXPECT_LT(elapsed, kFramesMs) << "no frames";
      }
      // A few captures after the end: a frame left behind shows in them.
      const int atEnd = probe.captures();
      EXPECT_TRUE(WaitUntil([&] { return probe.captures() >= atEnd + 3; }, kReactionTimeoutMs));
      const harness::XorFrameProbe::Sightings seen = probe.Stop();
      EXPECT_EQ(seen.notXorPixels, 0) << "outside the box only frames showed, in "
                                      << seen.withChanges << " of " << seen.captures;
      EXPECT_EQ(ChangedPixels(reference, kSplashRect), 0) << "the screen is as it was";
    }
    EXPECT_EQ(ChangedPixels(reference, kNothingIgnored), 0) << "and where the box was";
    PostMessageA(window, WM_COMMAND, ID_CMD_EXIT, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
  }
}

// How many of the tray menu's six cold pictures show in the menu opened
// at the icon; the menu is closed again with Escape.
int TrayMenuPicturesShown(HWND window, const POINT& icon) {
  HWND menu = OpenTrayMenu(window, icon);
  if (!menu) return 0;
  // Away from the menu, so that no row is hot.
  MovePointer({600, 600});
  int found = 0;
  WaitUntil([&] {
    const Pixels shown = CaptureScreen(WindowRect(menu));
    found = 0;
    for (int index = 0; index < 6; ++index)
      found += FindPicture(shown, StripPicture(IDB_TRAY_MENU_COLD, index), 40).y >= 0;
    return found == 6;
  }, kReactionTimeoutMs);
  PressKeys(L"esc");
  WaitUntil([&] { return ProgramMenu(window) == nullptr; }, kReactionTimeoutMs);
  return found;
}

// The interface language picked as a user picks it: the settings dialog
// (captioned in the language in use), its flag button, `downs` rows down
// in the language menu (English, then Russian), Enter, OK; true once the
// program is back in its loop with the dialog gone.
bool PickInterfaceLanguage(HWND window, const wchar_t* caption, int downs) {
  constexpr int kFlagButtonId = 219, kLanguageNameId = 218, kOkId = 228;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  auto dialogOfProgram = [&]() -> HWND {
    for (HWND dialog : harness::FindWindows({harness::kDialogClass, caption})) {
      DWORD owner = 0;
      GetWindowThreadProcessId(dialog, &owner);
      if (owner == process) return dialog;
    }
    return nullptr;
  };
  PostMessageA(window, WM_COMMAND, ID_CMD_SETTINGS, 0);
  HWND dialog = nullptr;
  if (!WaitUntil([&] { return (dialog = dialogOfProgram()) != nullptr; }, kReactionTimeoutMs))
    return false;
  auto name = [&] {
    char text[64] = {};
    GetDlgItemTextA(dialog, kLanguageNameId, text, sizeof text);
    return std::string(text);
  };
  const std::string before = name();
  if (!harness::SendClick({Centre(WindowRect(GetDlgItem(dialog, kFlagButtonId)))}) ||
      !WaitUntil([&] { return ProgramMenu(window) != nullptr; }, kReactionTimeoutMs))
    return false;
  for (int i = 0; i < downs; ++i) PressKeys(L"down");
  PressKeys(L"enter");
  if (!WaitUntil([&] { return name() != before; }, kReactionTimeoutMs) ||
      !harness::SendClick({Centre(WindowRect(GetDlgItem(dialog, kOkId)))}) ||
      !WaitUntil([&] { return !IsWindow(dialog); }, kReactionTimeoutMs))
    return false;
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                             &answer) != 0;
}

// Turning the interface Russian and back builds the tray menu anew each
// time: its pictures are drawn in every language.
TEST_F(TrayTest, TheMenusPicturesStayAfterTheLanguageGoesToRussianAndBack) {
  StoreOptions({});
  InstalledProgram program;
  HWND window = StartAndWaitForIcon(&program);
  ASSERT_NE(window, nullptr);
  HWND icon = TrayIconWindow();
  ASSERT_NE(icon, nullptr);
  const POINT iconCentre = Centre(WindowRect(icon));
  EXPECT_EQ(TrayMenuPicturesShown(window, iconCentre), 6) << "in English";

  ASSERT_TRUE(PickInterfaceLanguage(window, L"Settings", 2)) << "Russian picked";
  EXPECT_EQ(TrayMenuPicturesShown(window, iconCentre), 6) << "in Russian";
  ASSERT_TRUE(PickInterfaceLanguage(
      window, L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438", 1))  // "Настройки"
      << "English picked again";
  EXPECT_EQ(TrayMenuPicturesShown(window, iconCentre), 6) << "in English again";

  PostMessageA(window, WM_COMMAND, ID_CMD_EXIT, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
  EXPECT_EQ(ReadOptions().languageId, 1033) << "English again";
}

// A modal box of the program (here the hot-key conflict box of its
// creation) owns the disabled main window: About and Exit wait until it is
// closed, as they do for the settings dialog, whose owner Exit would
// destroy under its modal loop.
TEST_F(TrayTest, AboutAndExitAreRefusedWhileAModalBoxOfTheProgramRuns) {
  constexpr int kHeldId = 0x7A;
  ASSERT_TRUE(RegisterHotKey(nullptr, kHeldId, MOD_CONTROL | MOD_ALT, 'Z'));
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND box = harness::WaitForWindow({harness::kDialogClass, L""}, kStartTimeoutMs);
  ASSERT_NE(box, nullptr) << "the conflict box";
  HWND window = FindMainWindow();
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_COMMAND, ID_CMD_ABOUT, 0);
  PostMessageA(window, WM_COMMAND, ID_CMD_EXIT, 0);
  // The box comes while the main window is being created, before its
  // status bar: there is nothing yet to mark the queue with, so the
  // program is given a moment to run the two commands.
  Sleep(500);
  EXPECT_NE(FindMainWindow(), nullptr) << "Exit is refused";
  EXPECT_EQ(FindWindowA(kSplashClass, nullptr), nullptr) << "About is refused";
  harness::CloseWindow(box, kReactionTimeoutMs);
  UnregisterHotKey(nullptr, kHeldId);
  ASSERT_TRUE(WaitUntil([&] { return IconPresent(window); }, kSplashGoneMs));
  PostMessageA(window, WM_COMMAND, ID_CMD_EXIT, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode)) << "after the box, Exit works";
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace

}  // namespace morvex::e2e
