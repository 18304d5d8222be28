// The installed program started as a user starts it, in the prefix the
// installer installed into: one hidden main window placed where the
// options say (or where it can be seen), one instance only, its placement
// kept when another program closes it, its title in the interface
// language, and a window that only hides when the user closes it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/Resources.h"
#include "e2e/InstalledProgram.h"
#include "harness/WindowProbe.h"

namespace morvex::e2e {

namespace {

constexpr DWORD kMainWindowStyle = 0x06CC0000;
constexpr wchar_t kEnglishTitle[] = L"Morvex Dictionary";
constexpr UINT kTitleString = 106;
constexpr char kLanguagesKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\";

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

std::wstring Title(HWND window) {
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  return title;
}

// The centred third of this display, as a fresh start places the window.
RECT CentredThird() {
  const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const LONG left = (width - width / 3) / 2, top = (height - height / 3) / 2;
  return {left, top, left + width / 3, top + height / 3};
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

::testing::AssertionResult At(HWND window, const RECT& expected) {
  RECT rect = WindowRect(window);
  if (SameRect(rect, expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "at (" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << "), not (" << expected.left << ", " << expected.top << ", " << expected.right << ", "
         << expected.bottom << ")";
}

// The program icon's colour in the caption's icon cell, read off the
// screen: the window as the user sees it.
bool CaptionShowsTheProgramIcon(HWND window) {
  const RECT rect = WindowRect(window);
  const int cell = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYSIZEFRAME);
  const COLORREF key = PROGRAM_ICON_KEY_COLOUR;
  HDC screen = GetDC(nullptr);
  int matching = 0;
  for (int y = rect.top; y < rect.top + cell; ++y) {
    for (int x = rect.left; x < rect.left + cell; ++x) {
      const COLORREF pixel = GetPixel(screen, x, y);
      if (abs(GetRValue(pixel) - GetRValue(key)) < 24 &&
          abs(GetGValue(pixel) - GetGValue(key)) < 24 &&
          abs(GetBValue(pixel) - GetBValue(key)) < 24) {
        ++matching;
      }
    }
  }
  ReleaseDC(nullptr, screen);
  return matching >= 8;
}

bool NoMessageBox() { return harness::FindWindows({harness::kDialogClass, L""}).empty(); }

// Every case starts from a user without a running program or a message
// box, and leaves none.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
    ForgetOptions();
  }
  void TearDown() override {
    for (HWND box : harness::FindWindows({harness::kDialogClass, L""})) {
      ADD_FAILURE() << "a message box was left open";
      harness::CloseWindow(box, kReactionTimeoutMs);
    }
  }

  // Starts the program, waits for its window, closes it from outside and
  // checks that it ended well and kept the window's last rectangle.
  RECT RunAndClose(HWND* seen = nullptr) {
    InstalledProgram program;
    EXPECT_TRUE(program.Start());
    HWND window = program.WaitForMainWindow(kStartTimeoutMs);
    EXPECT_NE(window, nullptr);
    RECT rect = WindowRect(window);
    if (seen) *seen = window;
    CloseAndExpectKept(&program, rect);
    return rect;
  }

  void CloseAndExpectKept(InstalledProgram* program, const RECT& rect) {
    program->CloseFromOutside();
    DWORD exitCode = 1;
    ASSERT_TRUE(program->WaitForExit(kExitTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    StoredOptions stored = ReadOptions();
    EXPECT_TRUE(stored.present);
    EXPECT_TRUE(SameRect(stored.position, rect)) << "the last rectangle is kept";
  }
};

TEST_F(StartupTest, AFreshStartMakesOneHiddenWindowAtTheCentredThird) {
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND window = program.WaitForMainWindow(kStartTimeoutMs);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~WS_VISIBLE, kMainWindowStyle);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  EXPECT_EQ(Title(window), kEnglishTitle);
  EXPECT_TRUE(At(window, CentredThird()));
  EXPECT_EQ(CountMainWindows(), 1);
  EXPECT_TRUE(NoMessageBox());
  CloseAndExpectKept(&program, CentredThird());
}

TEST_F(StartupTest, AStoredRectangleIsWhereTheWindowComesUnlessTheScreenCannotShowIt) {
  const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    const char* name;
    RECT stored;
    RECT expected;
  };
  const Case cases[] = {
      {"on the screen", {100, 120, 700, 560}, {100, 120, 700, 560}},
      {"far past the screen: moved in, size kept",
       {3000, 3000, 3600, 3440},
       {width - 600, height - 440, width, height}},
      {"inverted", {700, 560, 100, 120}, CentredThird()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StoreOptions({c.stored});
    HWND window = nullptr;
    RECT shown = RunAndClose(&window);
    EXPECT_TRUE(SameRect(shown, c.expected));
  }
}

TEST_F(StartupTest, AWindowMovedFromOutsideComesBackThere) {
  {
    InstalledProgram program;
    ASSERT_TRUE(program.Start());
    HWND window = program.WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, nullptr, 150, 90, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil(
        [&] {
          return SameRect(WindowRect(window), {150, 90, 650, 490});
        },
        kReactionTimeoutMs));
    CloseAndExpectKept(&program, {150, 90, 650, 490});
  }
  RECT again = RunAndClose();
  EXPECT_TRUE(SameRect(again, {150, 90, 650, 490}));
}

TEST_F(StartupTest, ASecondStartOnlyBringsTheFirstWindowUp) {
  InstalledProgram first;
  ASSERT_TRUE(first.Start());
  HWND window = first.WaitForMainWindow(kStartTimeoutMs);
  ASSERT_NE(window, nullptr);
  ASSERT_FALSE(IsWindowVisible(window));

  InstalledProgram second;
  ASSERT_TRUE(second.Start());
  DWORD exitCode = 1;
  ASSERT_TRUE(second.WaitForExit(kStartTimeoutMs, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs));
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(CountMainWindows(), 1);
  EXPECT_TRUE(At(window, CentredThird())) << "where it was placed hidden";
  EXPECT_TRUE(WaitUntil([&] { return CaptionShowsTheProgramIcon(window); }, kReactionTimeoutMs))
      << "the caption shows the program's icon";
  CloseAndExpectKept(&first, WindowRect(window));
}

// What the user does to a shown window only hides it; the program lives on
// in the notification area.
TEST_F(StartupTest, ClosingMinimisingAndEscapeOnlyHideTheShownWindow) {
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND window = program.WaitForMainWindow(kStartTimeoutMs);
  ASSERT_NE(window, nullptr);
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
  };
  const Case hiding[] = {
      {"SC_CLOSE", WM_SYSCOMMAND, SC_CLOSE},
      {"SC_MINIMIZE", WM_SYSCOMMAND, SC_MINIMIZE},
      {"the caption's close button", WM_NCLBUTTONUP, HTCLOSE},
      {"Escape", WM_KEYDOWN, VK_ESCAPE},
  };
  for (const Case& c : hiding) {
    SCOPED_TRACE(c.name);
    ShowWindow(window, SW_SHOWNORMAL);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs));
    PostMessageA(window, c.message, c.wParam, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, kReactionTimeoutMs));
    EXPECT_EQ(FindMainWindow(), window) << "the program lives on";
  }

  // A system menu would run its own loop: the call would not come back.
  ShowWindow(window, SW_SHOWNORMAL);
  const Case noMenu[] = {
      {"SC_KEYMENU", WM_SYSCOMMAND, SC_KEYMENU},
      {"SC_MOUSEMENU", WM_SYSCOMMAND, SC_MOUSEMENU},
      {"a click on the caption's icon", WM_SYSCOMMAND, SC_MOUSEMENU | HTSYSMENU},
      {"a right click on the caption", WM_NCRBUTTONDOWN, HTCAPTION},
  };
  for (const Case& c : noMenu) {
    SCOPED_TRACE(c.name);
    DWORD_PTR answer = 1;
    EXPECT_TRUE(SendMessageTimeoutA(window, c.message, c.wParam, 0, SMTO_ABORTIFHUNG,
                                    kReactionTimeoutMs, &answer));
    EXPECT_EQ(answer, 0u);
    EXPECT_TRUE(harness::FindWindows({L"#32768", L""}).empty()) << "a menu opened";
    EXPECT_TRUE(IsWindowVisible(window));
  }
  CloseAndExpectKept(&program, WindowRect(window));
}

// --- The interface language's title

std::wstring LibraryTitle(const wchar_t* library) {
  HMODULE module = LoadLibraryExW(InstalledFile(library).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  wchar_t title[128] = {};
  if (module) {
    LoadStringW(module, kTitleString, title, 128);
    FreeLibrary(module);
  }
  return title;
}

// The "Resources" value of a language for the length of one case.
class ResourcesValue {
 public:
  ResourcesValue(const char* language, const std::wstring* value) : key_(kLanguagesKey) {
    key_ += language;
    had_ = Read(&saved_);
    Write(value);
  }
  ~ResourcesValue() { Write(had_ ? &saved_ : nullptr); }

 private:
  bool Read(std::wstring* value) const {
    wchar_t text[MAX_PATH] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, std::wstring(key_.begin(), key_.end()).c_str(),
                     L"Resources", RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
      return false;
    }
    *value = text;
    return true;
  }
  void Write(const std::wstring* value) const {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    if (value) {
      RegSetValueExW(key, L"Resources", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                     static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
    } else {
      RegDeleteValueW(key, L"Resources");
    }
    RegCloseKey(key);
  }

  std::string key_;
  std::wstring saved_;
  bool had_ = false;
};

std::wstring TitleOfARun() {
  InstalledProgram program;
  if (!program.Start()) return L"(not started)";
  HWND window = program.WaitForMainWindow(kStartTimeoutMs);
  return window ? Title(window) : L"(no window)";
}

TEST_F(StartupTest, TheTitleComesFromTheInterfaceLanguagesLibraryOrElseTheProgram) {
  const std::wstring russian = LibraryTitle(L"MorvexSoloRU.dll");
  ASSERT_FALSE(russian.empty());
  ASSERT_NE(russian, kEnglishTitle);
  StoreOptions({{100, 120, 700, 560}, 1049});
  EXPECT_EQ(TitleOfARun(), russian) << "as installed";

  const std::wstring empty, missing = InstalledFile(L"NoSuchLibrary.dll");
  struct Case {
    const char* name;
    const std::wstring* resources;
  };
  const Case cases[] = {{"an empty value", &empty}, {"a missing library", &missing}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResourcesValue value("419", c.resources);
    EXPECT_EQ(TitleOfARun(), kEnglishTitle);
    EXPECT_TRUE(NoMessageBox());
  }
}

// --- What the program does without pieces of its surroundings

// Runs a program of the system (regsvr32 ...) to its end.
DWORD RunSystemProgram(const std::wstring& commandLine) {
  harness::ChildProcess child;
  if (!child.Start(commandLine) || !child.Wait(kStartTimeoutMs)) return STILL_ACTIVE;
  return child.ExitCode();
}

TEST_F(StartupTest, WithoutTheOptionsStoreTheWindowIsCentredAndNothingIsWritten) {
  const std::wstring store = harness::QuoteArgument(InstalledFile(L"PrefStore.dll"));
  ASSERT_EQ(RunSystemProgram(L"regsvr32 /s /u " + store), 0u);
  {
    InstalledProgram program;
    ASSERT_TRUE(program.Start());
    HWND window = program.WaitForMainWindow(kStartTimeoutMs);
    EXPECT_NE(window, nullptr);
    if (window) {
      EXPECT_TRUE(At(window, CentredThird()));
    }
    EXPECT_TRUE(NoMessageBox());
    program.CloseFromOutside();
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
  }
  EXPECT_EQ(RunSystemProgram(L"regsvr32 /s " + store), 0u);
  EXPECT_FALSE(ReadOptions().present) << "no options store, nothing written";
}

TEST_F(StartupTest, WithoutTheMouseHookLibraryTheProgramStartsSilently) {
  const std::wstring library = InstalledFile(L"VelMouseHook.dll");
  const std::wstring away = library + L".away";
  ASSERT_TRUE(MoveFileW(library.c_str(), away.c_str()));
  RunAndClose();
  EXPECT_TRUE(NoMessageBox());
  EXPECT_TRUE(MoveFileW(away.c_str(), library.c_str()));
}

}  // namespace

}  // namespace morvex::e2e
