// The installed program's help as a user asks for it: F1 and the tray
// menu's Help open the help file of the interface language at its first
// topic; F1 in the settings dialog shows the control's short text; the
// about box's link reaches the web association. The HTML Help control is a recorder (help_recorder.dll) named in
// the classes' registry for the test's length (Wine's merged classes do not
// let the user's own entry stand over the machine's).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "com/WideText.h"
#include "harness/ChildProcess.h"
#include "harness/MouseInput.h"

namespace morvex::e2e {

namespace {

constexpr char kHelpServerKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr UINT kTranslationCommand = 32768;
constexpr UINT kCollectionCommand = 32770;
constexpr UINT kHelpCommand = 32774;
constexpr UINT kSettingsCommand = 32773;
constexpr UINT kAboutCommand = 32771;
constexpr char kHttpsCommand[] = "https\\shell\\open\\command";

std::string LogPath() {
  char directory[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, directory);
  return std::string(directory) + "morvex_help_log.txt";
}

std::string ReadLog() {
  std::ifstream file(LogPath());
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindMainWindow(), nullptr);
    DeleteFileA(LogPath().c_str());
    SetEnvironmentVariableA("MORVEX_HELP_LOG", LogPath().c_str());
    char original[MAX_PATH] = {};
    LONG size = sizeof original;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, kHelpServerKey, original, &size) == ERROR_SUCCESS)
      original_ = original;
    ASSERT_TRUE(SetHelpServer(com::AnsiFromWide(harness::ProgramBeside(L"help_recorder.dll"))));
    StoreOptions({});
    ASSERT_TRUE(program_.Start());
    window_ = program_.WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(program_.SkipSplash());
  }
  void TearDown() override {
    program_.CloseFromOutside();
    DWORD exitCode = 1;
    program_.WaitForExit(kExitTimeoutMs, &exitCode);
    if (!original_.empty()) SetHelpServer(original_);
    DeleteFileA(LogPath().c_str());
  }

  static bool SetHelpServer(const std::string& path) {
    return RegSetValueA(HKEY_CLASSES_ROOT, kHelpServerKey, REG_SZ, path.c_str(),
                        static_cast<DWORD>(path.size())) == ERROR_SUCCESS;
  }

  std::string original_;
  InstalledProgram program_;
  HWND window_ = nullptr;
};

bool OpensTheEnglishHelpFile(const std::string& line) {
  return line.rfind("0x0F 0 ", 0) == 0 && line.find("\\Help\\en.chm") != std::string::npos;
}

TEST_F(HelpTest, F1OpensTheInterfaceLanguagesHelpFile) {
  ASSERT_TRUE(Press(L"ctrl+alt+z"));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window_; }, kReactionTimeoutMs));
  ASSERT_TRUE(Press(L"f1"));
  EXPECT_TRUE(WaitUntil([] { return OpensTheEnglishHelpFile(ReadLog()); }, kReactionTimeoutMs))
      << ReadLog();
}

TEST_F(HelpTest, TheTrayMenusHelpOpensTheHelpFile) {
  PostMessageA(window_, WM_COMMAND, kHelpCommand, 0);
  EXPECT_TRUE(WaitUntil([] { return OpensTheEnglishHelpFile(ReadLog()); }, kReactionTimeoutMs))
      << ReadLog();
}

// While the settings dialog runs, F1 on one of its controls shows that
// control's short text: Alt+P goes to the popup hot-key field, text 166.
TEST_F(HelpTest, F1InTheSettingsDialogShowsTheControlsText) {
  ShowWindow(window_, SW_SHOW);
  PostMessageA(window_, WM_COMMAND, kSettingsCommand, 0);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindWindowA("#32770", "Settings")) != nullptr; },
                        kReactionTimeoutMs));
  EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) << "its caption's \"?\"";
  SetForegroundWindow(dialog);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }, kReactionTimeoutMs));
  ASSERT_TRUE(Press(L"alt+p"));
  ASSERT_TRUE(Press(L"f1"));
  EXPECT_TRUE(WaitUntil([] { return ReadLog().rfind("0x0E 166 ", 0) == 0; }, kReactionTimeoutMs))
      << ReadLog();
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, kReactionTimeoutMs));
}

// The point in the middle of the caption's "?", as the window's own hit
// test answers it (the system's knows no help button under Wine); x -1
// when no point of the caption's middle row is HTHELP.
POINT HelpButtonPoint(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  const int y = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  int right = -1, left = -1;
  for (int x = rect.right - 1; x > rect.left && (right < 0 || left < 0); --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG,
                        kReactionTimeoutMs, &hit);
    if (hit == HTHELP && right < 0) right = x;
    if (hit != HTHELP && right >= 0) left = x + 1;
  }
  return {right < 0 ? -1 : (left + right) / 2, y};
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}

// The keyboard focus put on a control of the program without clicking it
// (a click would press it), through its thread's input state.
bool FocusControl(HWND control) {
  const DWORD theirs = GetWindowThreadProcessId(control, nullptr);
  const DWORD ours = GetCurrentThreadId();
  if (!AttachThreadInput(ours, theirs, TRUE)) return false;
  SetFocus(control);
  AttachThreadInput(ours, theirs, FALSE);
  return WaitUntil([&] { return FocusOf(control) == control; }, kReactionTimeoutMs);
}

// The caption's "?" clicked, then F1 on a control: that control's short
// text shows as a popup, once; F1 then opens the help file again. Wine's
// "?" starts no help cursor, so the control is asked by F1 (the README
// says so), not by a second click, which would press it.
TEST_F(HelpTest, TheCaptionsHelpButtonThenF1OnAControlShowsThatControlsText) {
  ASSERT_TRUE(Press(L"ctrl+alt+z"));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window_; }, kReactionTimeoutMs));
  const POINT help = HelpButtonPoint(window_);
  ASSERT_GE(help.x, 0) << "the caption's \"?\" answers HTHELP";
  struct Case {
    const char* name;
    UINT page;  // the command that shows the control's page
    int controlId;
    const wchar_t* className;
    const char* logged;  // the log's line begins so
  };
  const Case cases[] = {
      {"the Settings button", kTranslationCommand, 4000, L"Button", "0x0E 177 "},
      {"the translation's text, which has no help text", kTranslationCommand, 1001, L"RichEdit20A",
       "0x0E 0 "},
      {"the shelf's tree", kCollectionCommand, 1000, L"VelMorPrjTree", "0x0E 171 "},
  };
  DWORD lastClick = GetTickCount() - GetDoubleClickTime();
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    PostMessageA(window_, WM_COMMAND, test.page, 0);
    HWND control = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
          control = DescendantWithId(window_, test.controlId, test.className);
          return control && IsWindowVisible(control);
        },
        kReactionTimeoutMs));
    ASSERT_TRUE(FocusControl(control));
    DeleteFileA(LogPath().c_str());
    // Two clicks on "?" within the double-click time are a double click,
    // which sets no help mode.
    WaitUntil([&] { return GetTickCount() - lastClick > GetDoubleClickTime(); },
              kReactionTimeoutMs);
    harness::MouseClick click;
    click.at = help;
    ASSERT_TRUE(harness::SendClick(click));
    lastClick = GetTickCount();
    ASSERT_TRUE(Press(L"f1"));
    EXPECT_TRUE(WaitUntil([&] { return ReadLog().rfind(test.logged, 0) == 0; }, kReactionTimeoutMs))
        << ReadLog();
    DeleteFileA(LogPath().c_str());
    ASSERT_TRUE(Press(L"f1"));
    EXPECT_TRUE(WaitUntil([] { return OpensTheEnglishHelpFile(ReadLog()); }, kReactionTimeoutMs))
        << "F1 alone afterwards: " << ReadLog();
  }
}

// The about box's link opens the program's web address through the
// shell's https association, here a recorder of the command line it gets.
TEST(AboutLinkTest, TheLinkReachesTheHttpsAssociation) {
  ASSERT_EQ(FindMainWindow(), nullptr);
  // The association as it was, however the test ends.
  struct KeptAssociation {
    char original[1024] = {};
    bool had = false;
    KeptAssociation() {
      LONG size = sizeof original;
      had = RegQueryValueA(HKEY_CLASSES_ROOT, kHttpsCommand, original, &size) == ERROR_SUCCESS;
    }
    ~KeptAssociation() {
      if (had)
        RegSetValueA(HKEY_CLASSES_ROOT, kHttpsCommand, REG_SZ, original,
                     static_cast<DWORD>(strlen(original)));
    }
  } kept;
  const std::string recorder =
      "\"" + com::AnsiFromWide(harness::ProgramBeside(L"lookuppane_url_recorder.exe")) + "\" \"%1\"";
  ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, kHttpsCommand, REG_SZ, recorder.c_str(),
                         static_cast<DWORD>(recorder.size())),
            ERROR_SUCCESS);
  const std::string log = LogPath();
  DeleteFileA(log.c_str());
  SetEnvironmentVariableA("LOOKUPPANE_RECORDER_LOG", log.c_str());
  {
    StoreOptions({});
    InstalledProgram program;
    ASSERT_TRUE(program.Start());
    HWND window = program.WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(program.SkipSplash());
    PostMessageA(window, WM_COMMAND, kAboutCommand, 0);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = VisibleSplash()) != nullptr; }, kReactionTimeoutMs));
    HWND link = DescendantOfClass(about, "Static");
    ASSERT_NE(link, nullptr);
    RECT place = {};
    GetWindowRect(link, &place);
    // Once the box stands still: it grows in from the tray.
    ASSERT_TRUE(WaitUntil([&] {
      RECT now = {};
      GetWindowRect(link, &now);
      const bool still = EqualRect(&now, &place);
      place = now;
      return still && IsWindowVisible(link);
    }, kReactionTimeoutMs));
    EXPECT_TRUE(ClickUntil(
        [&] { return MiddleOf(link); },
        [] { return ReadLog().find("\"https://morvex.example.org/\"") != std::string::npos; },
        2 * kReactionTimeoutMs))
        << ReadLog();
  }
  DeleteFileA(log.c_str());
}

}  // namespace

}  // namespace morvex::e2e
