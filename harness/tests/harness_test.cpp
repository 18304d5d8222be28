// The window probe and the key parser: a message box raised here is found,
// read and closed by winprobe running as a second process.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "harness/ChildProcess.h"
#include "harness/Console.h"
#include "harness/KeyCombo.h"
#include "harness/WindowProbe.h"

namespace {

constexpr DWORD kProbeTimeoutMs = 15000;

struct MessageBoxCase {
  const char* name;
  UINT style;
  const wchar_t* press;  // null: the probe closes the box as it sees fit
  DWORD probeExit;
  std::vector<int> boxResults;  // any of them
};

// A box closed by WM_CLOSE ends with IDCANCEL under Wine; Windows refuses
// WM_CLOSE on a Yes/No box, and the probe then presses the default button.
const MessageBoxCase kMessageBoxCases[] = {
    {"PressesTheButtonNamedById", MB_YESNO, L"#7", 0, {IDNO}},
    {"ClosesABoxWithCancel", MB_OKCANCEL, nullptr, 0, {IDCANCEL}},
    {"ClosesAYesNoBox", MB_YESNO | MB_DEFBUTTON2, nullptr, 0, {IDNO, IDCANCEL}},
    {"ReportsAMissingButtonAndClosesAnyway", MB_OK, L"#6", 3, {IDOK, IDCANCEL}},
};

class ProbeMessageBoxTest : public testing::TestWithParam<MessageBoxCase> {};

TEST_P(ProbeMessageBoxTest, ProbeOfAnotherProcessReadsAndEndsTheBox) {
  const MessageBoxCase& c = GetParam();
  std::wstring caption = L"Harness check " + std::wstring(c.name, c.name + strlen(c.name));
  std::wstring command = harness::QuoteArgument(harness::ProgramBeside(L"winprobe.exe")) +
                         L" dialog --caption " + harness::QuoteArgument(caption);
  if (c.press) command += L" --press " + std::wstring(c.press);

  harness::ChildProcess probe;
  ASSERT_TRUE(probe.Start(command));
  // Cyrillic and a line break: the probe must print both faithfully.
  int result = MessageBoxW(nullptr, L"First line\n\x041F\x0440\x0438\x0432\x0435\x0442",
                           caption.c_str(), c.style);
  ASSERT_TRUE(probe.Wait(kProbeTimeoutMs));

  EXPECT_NE(std::find(c.boxResults.begin(), c.boxResults.end(), result), c.boxResults.end())
      << result;
  EXPECT_EQ(probe.ExitCode(), c.probeExit) << probe.Output();
  const std::string& output = probe.Output();
  EXPECT_NE(output.find("window \"" + harness::ToUtf8(caption) + "\" class \"#32770\"\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find(" \"First line\\n\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\"\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("\n  Button "), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProbeMessageBoxTest, testing::ValuesIn(kMessageBoxCases),
                         [](const testing::TestParamInfo<MessageBoxCase>& info) {
                           return std::string(info.param.name);
                         });

harness::ProgramRun RunProbe(const std::wstring& arguments) {
  return harness::RunBeside(L"winprobe.exe", arguments, kProbeTimeoutMs);
}

TEST(ProbeProgramTest, GivesUpWhenNoWindowAppearsAndRefusesBadUsage) {
  for (const wchar_t* lookFor :
       {L"dialog --caption \"Never shown anywhere\" --timeout 200",
        L"tree --caption \"Never shown anywhere\"", L"tree --handle 0x0"}) {
    harness::ProgramRun none = RunProbe(lookFor);
    EXPECT_EQ(none.exitCode, 1u) << harness::ToUtf8(lookFor);
    EXPECT_EQ(none.output, "no window\n") << harness::ToUtf8(lookFor);
  }
  EXPECT_EQ(RunProbe(L"close --caption \"Never shown anywhere\"").exitCode, 1u);
  for (const wchar_t* bad : {L"bogus", L"dialog --timeout soon", L"dialog --press OK --keep",
                             L"dialog --press \"\"", L"list --press OK", L"tree --message 1",
                             L"tree --handle 0x10 --class Button", L"tree --handle"}) {
    EXPECT_EQ(RunProbe(bad).exitCode, 2u) << harness::ToUtf8(bad);
  }
}

// A window of our own with two buttons, for the library's text matching.
class ButtonWindow {
 public:
  static constexpr int kRetryId = 101;
  static constexpr int kStopId = 102;

  ButtonWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClass, L"Probe target", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    AddButton(L"&Retry later", kRetryId, 10);
    AddButton(L"Stop", kStopId, 110);
  }
  ~ButtonWindow() { DestroyWindow(window_); }

  HWND handle() const { return window_; }
  int pressed() const { return pressed_; }

  void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }

 private:
  static constexpr const wchar_t* kClass = L"MorvexProbeTarget";

  void AddButton(const wchar_t* text, int id, int x) {
    CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE, x, 10, 90, 24, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                    nullptr);
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ButtonWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COMMAND && self) self->pressed_ = LOWORD(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  int pressed_ = 0;
};

TEST(WindowProbeTest, FindsReadsAndPressesByTextIgnoringMnemonicsAndCase) {
  ButtonWindow target;
  harness::WindowMatch match{L"morvexprobetarget", L"Probe target"};
  EXPECT_TRUE(harness::FindWindows(match).empty()) << "a hidden window does not match";
  ShowWindow(target.handle(), SW_SHOWNOACTIVATE);
  std::vector<HWND> found = harness::FindWindows(match);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], target.handle());
  EXPECT_TRUE(harness::FindWindows({L"", L"Probe targe"}).empty()) << "captions match exactly";

  harness::WindowText text = harness::ReadWindowText(target.handle());
  EXPECT_EQ(text.caption, L"Probe target");
  ASSERT_EQ(text.items.size(), 2u);
  EXPECT_EQ(text.items[0].id, ButtonWindow::kRetryId);
  EXPECT_EQ(text.items[0].text, L"&Retry later");
  EXPECT_EQ(text.items[1].text, L"Stop");

  EXPECT_FALSE(harness::PressButton(target.handle(), L"Retry"));
  EXPECT_TRUE(harness::PressButton(target.handle(), L"retry LATER"));
  target.PumpPending();
  EXPECT_EQ(target.pressed(), ButtonWindow::kRetryId);
  EXPECT_TRUE(harness::PressButton(target.handle(), L"#102"));
  target.PumpPending();
  EXPECT_EQ(target.pressed(), ButtonWindow::kStopId);
}

// A window on a thread of its own that ignores WM_CLOSE and ends only when
// one of its buttons is pressed, as a Yes/No message box does on Windows.
TEST(WindowProbeTest, CloseFallsBackToAButtonWhenTheWindowRefusesWmClose) {
  HWND window = nullptr;
  int pressed = 0;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread owner([&] {
    WNDCLASSW windowClass = {};
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MorvexStubbornWindow";
    windowClass.lpfnWndProc = [](HWND self, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (message == WM_CLOSE) return 0;
      if (message == WM_COMMAND) {
        *reinterpret_cast<int*>(GetWindowLongPtrW(self, GWLP_USERDATA)) = LOWORD(wParam);
        DestroyWindow(self);
        return 0;
      }
      return DefWindowProcW(self, message, wParam, lParam);
    };
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, windowClass.lpszClassName, L"Stubborn", WS_POPUP | WS_VISIBLE, 0, 0,
                             200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&pressed));
    CreateWindowExW(0, L"BUTTON", L"Only way out", WS_CHILD | WS_VISIBLE, 10, 10, 100, 24, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(42)), windowClass.hInstance,
                    nullptr);
    SetEvent(ready);
    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
      DispatchMessageW(&message);
    }
  });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
  EXPECT_TRUE(harness::CloseWindow(window, 1000));
  owner.join();
  EXPECT_EQ(pressed, 42);
}

struct ComboCase {
  const wchar_t* text;
  std::vector<harness::KeyStroke> keys;  // empty: refused
};

const ComboCase kComboCases[] = {
    {L"ctrl+alt+s", {{VK_CONTROL, false}, {VK_MENU, false}, {'S', false}}},
    {L"Shift+F10", {{VK_SHIFT, false}, {VK_F10, false}}},
    {L"CONTROL+f24", {{VK_CONTROL, false}, {VK_F24, false}}},
    {L"esc", {{VK_ESCAPE, false}}},
    {L"win+left", {{VK_LWIN, true}, {VK_LEFT, true}}},
    {L"alt+0x2C", {{VK_MENU, false}, {0x2C, false}}},
    {L"ctrl+7", {{VK_CONTROL, false}, {'7', false}}},
    {L"", {}},
    {L"ctrl++s", {}},
    {L"ctrl+", {}},
    {L"ctrl+bogus", {}},
    {L"ctrl+CTRL", {}},
    {L"f0", {}},
    {L"f25", {}},
    {L"0x00", {}},
    {L"0xZZ", {}},
};

TEST(KeyComboTest, ParsesNamesInOrderAndRefusesMalformedCombos) {
  for (const ComboCase& c : kComboCases) {
    std::vector<harness::KeyStroke> keys;
    std::wstring error;
    bool parsed = harness::ParseKeyCombo(c.text, &keys, &error);
    std::string label = harness::ToUtf8(c.text);
    ASSERT_EQ(parsed, !c.keys.empty()) << label;
    if (!parsed) {
      EXPECT_FALSE(error.empty()) << label;
      continue;
    }
    ASSERT_EQ(keys.size(), c.keys.size()) << label;
    for (size_t i = 0; i < keys.size(); ++i) {
      EXPECT_EQ(keys[i].virtualKey, c.keys[i].virtualKey) << label << " key " << i;
      EXPECT_EQ(keys[i].extended, c.keys[i].extended) << label << " key " << i;
    }
  }
}

}  // namespace
