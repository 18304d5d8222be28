// The installed program's hot keys when another program holds one: one box
// per combination it cannot register, owned by its main window, in the
// interface language, and the program goes on.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "com/WideText.h"
#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "harness/WindowProbe.h"

namespace morvex::e2e {

namespace {

constexpr int kHeldId = 1;

std::string ProgramString(UINT id) {
  HMODULE program = LoadLibraryExW(InstalledFile(L"MorvexSolo.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  char text[512] = {};
  if (program) {
    LoadStringA(program, id, text, sizeof text);
    FreeLibrary(program);
  }
  return text;
}

struct ConflictCase {
  const char* name;
  UINT heldKey;        // Ctrl+Alt+ this one is held by the test
  long dictionaryKey;  // the dictionary window's key in the options
  UINT objectString;   // 121 or 122, 0 for none
  const char* combination;
};

class HotKeyConflictTest : public ::testing::TestWithParam<ConflictCase> {};

TEST_P(HotKeyConflictTest, AHeldCombinationIsReportedOnceAndTheProgramGoesOn) {
  const ConflictCase& c = GetParam();
  ASSERT_EQ(FindMainWindow(), nullptr);
  StoreOptions({{100, 120, 700, 560}, 1033, VK_SHIFT, 0, c.dictionaryKey});
  ASSERT_TRUE(RegisterHotKey(nullptr, kHeldId, MOD_CONTROL | MOD_ALT, c.heldKey));

  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND box = harness::WaitForWindow({harness::kDialogClass, L""}, kStartTimeoutMs);
  ASSERT_NE(box, nullptr) << "no conflict box";
  harness::WindowText text = harness::ReadWindowText(box);
  HWND owner = GetWindow(box, GW_OWNER);
  const std::string expected = ProgramString(120) +
                               (c.objectString ? ProgramString(c.objectString) : "") +
                               c.combination + ProgramString(123);
  bool found = false;
  for (const harness::WindowItem& item : text.items)
    found |= item.text == com::WideFromAnsi(expected);
  EXPECT_TRUE(found) << "the box's text";
  EXPECT_EQ(text.caption, L"Morvex Dictionary warning!");
  harness::CloseWindow(box, kReactionTimeoutMs);

  HWND window = program.WaitForMainWindow(kStartTimeoutMs);
  ASSERT_NE(window, nullptr) << "the program goes on";
  EXPECT_EQ(owner, window) << "owned by the main window";
  EXPECT_TRUE(harness::FindWindows({harness::kDialogClass, L""}).empty()) << "one box only";
  // The program holds the other two combinations.
  for (UINT key : {UINT('Z'), UINT('S')}) {
    if (key == c.heldKey) continue;
    EXPECT_FALSE(RegisterHotKey(nullptr, kHeldId + 1, MOD_CONTROL | MOD_ALT, key)) << char(key);
    UnregisterHotKey(nullptr, kHeldId + 1);
  }
  program.CloseFromOutside();
  DWORD exitCode = 1;
  EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
  UnregisterHotKey(nullptr, kHeldId);
}

const ConflictCase kConflicts[] = {
    {"DictionaryKey", 'X', 'X', 121, "'Alt+Ctrl+X'"},
    {"TranslationPageKeyHasNoObjectWords", 'Z', 'X', 0, "'Alt+Ctrl+Z'"},
    {"AKeyWithAName", VK_F1, VK_F1, 121, "'Alt+Ctrl+F1'"},
};

INSTANTIATE_TEST_SUITE_P(Conflicts, HotKeyConflictTest, ::testing::ValuesIn(kConflicts),
                         [](const ::testing::TestParamInfo<ConflictCase>& info) {
                           return std::string(info.param.name);
                         });

// The other keys pressed while the box is up do nothing (the window has no
// pages yet) and work once it is gone.
TEST(HotKeyConflictBoxTest, KeysPressedUnderTheBoxDoNothingAndWorkAfterIt) {
  ASSERT_EQ(FindMainWindow(), nullptr);
  StoreOptions({});
  ASSERT_TRUE(RegisterHotKey(nullptr, kHeldId, MOD_CONTROL | MOD_ALT, 'X'));
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND box = harness::WaitForWindow({harness::kDialogClass, L""}, kStartTimeoutMs);
  ASSERT_NE(box, nullptr) << "no conflict box";
  ASSERT_TRUE(Press(L"ctrl+alt+z"));
  ASSERT_TRUE(Press(L"ctrl+alt+s"));
  HWND window = FindMainWindow();
  ASSERT_NE(window, nullptr);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                                  &answer))
      << "the program answers under its box";
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(TipShown());
  harness::CloseWindow(box, kReactionTimeoutMs);

  ASSERT_NE(program.WaitForMainWindow(kStartTimeoutMs), nullptr);
  ASSERT_TRUE(Press(L"ctrl+alt+z"));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs));
  program.CloseFromOutside();
  DWORD exitCode = 1;
  EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
  UnregisterHotKey(nullptr, kHeldId);
}

// A stored record of a command the program does not know is registered
// all the same, and pressing it does nothing.
TEST(UnknownHotKeyTest, IsRegisteredAndDoesNothing) {
  ASSERT_EQ(FindMainWindow(), nullptr);
  StoreOptions({});
  AddStoredHotKey({200, MOD_CONTROL | MOD_ALT, 'Q'});
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND window = program.WaitForMainWindow(kStartTimeoutMs);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(RegisterHotKey(nullptr, kHeldId, MOD_CONTROL | MOD_ALT, 'Q'));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
  ASSERT_TRUE(Press(L"ctrl+alt+q"));
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                                  &answer));
  EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(window) || TipShown(); }, 1000));
  program.CloseFromOutside();
  DWORD exitCode = 1;
  EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
  EXPECT_TRUE(RegisterHotKey(nullptr, kHeldId, MOD_CONTROL | MOD_ALT, 'Q')) << "freed at the end";
  UnregisterHotKey(nullptr, kHeldId);
}

}  // namespace

}  // namespace morvex::e2e
