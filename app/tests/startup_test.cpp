// The entry routine's failures, each in a process of its own (the routine
// takes the single-instance mutex for good): a control-hosting class that
// cannot be registered gives its message box and -1, a rich-edit library
// that cannot be loaded gives -100 without a word, and a main window that
// cannot be made ends the program with -2 instead of a loop nothing ends.
#include "app/Startup.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "app/MainWindow.h"
#include "harness/WindowProbe.h"

namespace morvex::solo {

namespace {

constexpr DWORD kBoxTimeoutMs = 10000;

BOOL HostClassRefused() { return FALSE; }
BOOL HostClassRegistered() { return TRUE; }
HMODULE RichEditMissing() { return nullptr; }
HMODULE RichEditLoaded() { return LoadLibraryA("RichEd20.dll"); }

// The message boxes of this process: other test programs of the prefix
// show boxes of their own at the same time.
std::vector<HWND> OwnBoxes() {
  std::vector<HWND> own;
  for (HWND box : harness::FindWindows({harness::kDialogClass, L""})) {
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (process == GetCurrentProcessId()) own.push_back(box);
  }
  return own;
}

// Reads and closes the first message box of this process that comes.
class BoxWatcher {
 public:
  BoxWatcher()
      : thread_([this] {
          const DWORD start = GetTickCount();
          std::vector<HWND> boxes;
          while ((boxes = OwnBoxes()).empty() && GetTickCount() - start < kBoxTimeoutMs) Sleep(20);
          if (boxes.empty()) return;
          text_ = harness::ReadWindowText(boxes.front());
          harness::CloseWindow(boxes.front(), kBoxTimeoutMs);
        }) {}
  harness::WindowText Finish() {
    thread_.join();
    return text_;
  }

 private:
  harness::WindowText text_;
  std::thread thread_;
};

bool AnyBoxShown() { return !OwnBoxes().empty(); }

TEST(StartupTest, AHostClassThatCannotBeRegisteredIsReportedAndEndsWithMinusOne) {
  BoxWatcher watcher;
  EXPECT_EQ(RunMorvexSolo({HostClassRefused, RichEditLoaded}), kExitNoHostClass);
  harness::WindowText box = watcher.Finish();
  // No caption of ours: the system's word for an error, in the user's
  // language (Russian here).
  EXPECT_TRUE(box.caption == L"Error" || box.caption == L"\x41E\x448\x438\x431\x43A\x430")
      << "caption";
  ASSERT_FALSE(box.items.empty());
  bool found = false;
  for (const harness::WindowItem& item : box.items) found |= item.text == L"AtlAxWinInit failed!";
  EXPECT_TRUE(found);
}

TEST(StartupTest, ARichEditLibraryThatCannotBeLoadedEndsSilentlyWithMinus100) {
  EXPECT_EQ(RunMorvexSolo({HostClassRegistered, RichEditMissing}), kExitNoRichEdit);
  EXPECT_FALSE(AnyBoxShown());
}

TEST(StartupTest, AMainWindowThatCannotBeMadeEndsWithMinusTwo) {
  // The class name taken in this module: the main window cannot register it.
  WNDCLASSEXA taken = {};
  taken.cbSize = sizeof taken;
  taken.lpfnWndProc = DefWindowProcA;
  taken.hInstance = GetModuleHandleA(nullptr);
  taken.lpszClassName = CMainWindow::kClassName;
  ASSERT_NE(RegisterClassExA(&taken), 0);
  EXPECT_EQ(RunMorvexSolo(kPlatformSteps), kExitNoMainWindow);
  EXPECT_FALSE(AnyBoxShown());
}

}  // namespace

}  // namespace morvex::solo
