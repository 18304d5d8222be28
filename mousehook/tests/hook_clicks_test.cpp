// The mouse-hook library with real clicks. Loaded as the program loads it
// (LoadLibrary by name, GetProcAddress of the three entry points), it takes
// the trigger click from a window of a second process, release included,
// and posts kHookClickMessage once, at the press, with that window and the
// point; every other click reaches its window. Keys and clicks come through
// xdotool; a middle click on the same window after each step marks the
// moment by which the hook has decided on everything before it.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "com/ProcAddress.h"
#include "harness/ChildProcess.h"
#include "harness/WindowProbe.h"
#include "mousehook/VelMouseHook.h"
#include "mousehook/tests/ClickCounter.h"
#include "mousehook/tests/CounterProcess.h"
#include "mousehook/tests/RealInput.h"

namespace {

using morvex::com::ProcAddress;
using morvex::mousehook::kHookClickMessage;
using namespace mousehook_test;

constexpr DWORD kArrivalMs = 5000;
constexpr DWORD kProgramTimeoutMs = 15000;
constexpr RECT kHostPlace = {500, 100, 800, 300};

struct HookLibrary {
  InitHooksDllProc initHooksDll = nullptr;
  InstallFilterProc installFilter = nullptr;
  SetKeyProc setKey = nullptr;
};

// Loaded once and kept to the end of the process, as the program keeps it.
const HookLibrary& Library() {
  static const HookLibrary library = [] {
    HookLibrary entries;
    if (HMODULE module = LoadLibraryA("VelMouseHook.dll")) {
      entries.initHooksDll = ProcAddress<InitHooksDllProc>(module, "InitHooksDll");
      entries.installFilter = ProcAddress<InstallFilterProc>(module, "InstallFilter");
      entries.setKey = ProcAddress<SetKeyProc>(module, "SetKey");
    }
    return entries;
  }();
  return library;
}

struct HeardClick {
  WPARAM window;
  LPARAM point;
};

// The host's own window, on the test's thread: it hears kHookClickMessage
// and counts the mouse buttons it gets, as the counter of the second
// process does.
class HostWindow {
 public:
  HostWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"MorvexHookHost";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Hook host",
        WS_POPUP | WS_VISIBLE, kHostPlace.left, kHostPlace.top, kHostPlace.right - kHostPlace.left,
        kHostPlace.bottom - kHostPlace.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    running = this;
  }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow() {
    DestroyWindow(window_);
    running = nullptr;
  }

  HWND window() const { return window_; }
  const std::vector<HeardClick>& heard() const { return heard_; }
  LRESULT Count(UINT message) { return counts_[message]; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (running != nullptr) {
      if (message == kHookClickMessage) {
        running->heard_.push_back({wParam, lParam});
        return 0;
      }
      if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONUP) ++running->counts_[message];
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  static HostWindow* running;
  HWND window_ = nullptr;
  std::vector<HeardClick> heard_;
  std::map<UINT, LRESULT> counts_;
};

HostWindow* HostWindow::running = nullptr;

enum class Target { kCounter, kHost };

struct HookCase {
  const char* name;
  int modifier, mouseKey;  // given to SetKey
  const wchar_t* heldKey;  // xdotool's name of the key held over the click, or null
  int heldVirtualKey;
  int button;  // xdotool's
  Target target;
  bool taken;
  int installCalls = 1;     // InstallFilter calls before the click
  bool listening = true;    // InitHooksDll names the host's window, else null
  bool keyUpFirst = false;  // the key goes up between the button's press and release
};

const HookCase kCases[] = {
    {"Shift+right, the default trigger", VK_SHIFT, 0, L"shift", VK_SHIFT, kXRightButton,
     Target::kCounter, true},
    {"Shift let go before the button: its release is taken still", VK_SHIFT, 0, L"shift", VK_SHIFT,
     kXRightButton, Target::kCounter, true, 1, true, true},
    {"a plain right click passes", VK_SHIFT, 0, nullptr, 0, kXRightButton, Target::kCounter, false},
    {"Shift+left passes a right-button trigger", VK_SHIFT, 0, L"shift", VK_SHIFT, kXLeftButton,
     Target::kCounter, false},
    {"Ctrl+left under (17, 1)", VK_CONTROL, 1, L"ctrl", VK_CONTROL, kXLeftButton, Target::kCounter,
     true},
    {"(0, 0) turns the trigger off", 0, 0, L"shift", VK_SHIFT, kXRightButton, Target::kCounter,
     false},
    {"(16, 5) turns the trigger off", VK_SHIFT, 5, L"shift", VK_SHIFT, kXRightButton,
     Target::kCounter, false},
    {"a click on the host's own window passes", VK_SHIFT, 0, L"shift", VK_SHIFT, kXRightButton,
     Target::kHost, false},
    {"the second InstallFilter removes the hook", VK_SHIFT, 0, L"shift", VK_SHIFT, kXRightButton,
     Target::kCounter, false, 2},
    {"a third InstallFilter puts it back", VK_SHIFT, 0, L"shift", VK_SHIFT, kXRightButton,
     Target::kCounter, true, 3},
    {"nobody listening: nothing is taken", VK_SHIFT, 0, L"shift", VK_SHIFT, kXRightButton,
     Target::kCounter, false, 1, false},
};

// The window messages of an xdotool button.
struct ButtonMessages {
  UINT down, up;
};

ButtonMessages MessagesOf(int button) {
  return button == kXLeftButton ? ButtonMessages{WM_LBUTTONDOWN, WM_LBUTTONUP}
                                : ButtonMessages{WM_RBUTTONDOWN, WM_RBUTTONUP};
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Removes the hook at the end of a case whatever its calls left in place.
class FilterCalls {
 public:
  explicit FilterCalls(int calls) {
    for (int i = 0; i < calls; ++i) installed_ = Library().installFilter(6, 1);
  }
  FilterCalls(const FilterCalls&) = delete;
  FilterCalls& operator=(const FilterCalls&) = delete;
  ~FilterCalls() {
    if (installed_) Library().installFilter(6, 1);
  }
  bool installed() const { return installed_; }

 private:
  bool installed_ = false;
};

class HookClicksTest : public ::testing::Test {
 protected:
  LRESULT Count(Target target, UINT message) {
    return target == Target::kHost ? host_.Count(message) : counter_.Count(message);
  }

  // One xdotool step on the target's centre, then the middle click that
  // marks it; true once the target has counted that click.
  bool ButtonStep(Target target, const std::wstring& step) {
    POINT at = Centre(target == Target::kHost ? kHostPlace : kCounterPlace);
    LRESULT marks = Count(target, WM_MBUTTONUP);
    return StartXdotool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y) +
                        L" " + step + L" click " + std::to_wstring(kXMiddleButton)) &&
           PumpUntil([&] { return Count(target, WM_MBUTTONUP) > marks; }, kArrivalMs);
  }

  void RunCase(const HookCase& c) {
    const HookLibrary& hook = Library();
    ASSERT_TRUE(hook.initHooksDll(c.listening ? host_.window() : nullptr, 0));
    hook.setKey(c.modifier, c.mouseKey);
    FilterCalls filter(c.installCalls);
    ASSERT_EQ(filter.installed(), c.installCalls % 2 == 1);

    size_t heardBefore = host_.heard().size();
    ButtonMessages messages = MessagesOf(c.button);
    LRESULT downs = Count(c.target, messages.down), ups = Count(c.target, messages.up);
    std::wstring button = std::to_wstring(c.button);
    {
      std::optional<HeldKey> key;
      if (c.heldKey != nullptr) {
        key.emplace(c.heldKey, c.heldVirtualKey);
        ASSERT_TRUE(key->down());
      }
      ASSERT_TRUE(ButtonStep(c.target, L"mousedown " + button));
      // Posted at the press, before the release.
      EXPECT_EQ(host_.heard().size() - heardBefore, c.taken ? 1u : 0u) << "at the press";
      if (c.keyUpFirst) {
        ASSERT_TRUE(key->Release());
      }
      ASSERT_TRUE(ButtonStep(c.target, L"mouseup " + button));
    }

    EXPECT_EQ(Count(c.target, messages.down) - downs, c.taken ? 0 : 1) << "presses the window got";
    EXPECT_EQ(Count(c.target, messages.up) - ups, c.taken ? 0 : 1) << "releases the window got";
    ASSERT_EQ(host_.heard().size() - heardBefore, c.taken ? 1u : 0u) << "after the release";
    if (c.taken) {
      const HeardClick& heard = host_.heard().back();
      POINT at = Centre(kCounterPlace);
      EXPECT_EQ(heard.window, reinterpret_cast<WPARAM>(counter_.window()));
      EXPECT_EQ(GET_X_LPARAM(heard.point), at.x);
      EXPECT_EQ(GET_Y_LPARAM(heard.point), at.y);
    }
  }

  HostWindow host_;
  CounterProcess counter_;
};

TEST_F(HookClicksTest, OnlyTheTriggerOverAnotherProcessIsTakenAndHeard) {
  const HookLibrary& hook = Library();
  ASSERT_TRUE(hook.initHooksDll && hook.installFilter && hook.setKey);
  ASSERT_NE(host_.window(), nullptr);
  ASSERT_NE(counter_.window(), nullptr);
  ASSERT_TRUE(XdotoolFound()) << "no xdotool where MORVEX_XDOTOOL says";
  for (const HookCase& c : kCases) {
    SCOPED_TRACE(c.name);
    RunCase(c);
  }
}

}  // namespace
