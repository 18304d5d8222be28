// The settings dialog of the installed program, used as a user uses it:
// the status bar's Settings button clicked, a colour picked in the colour
// dialog, a hot key typed into its field, OK pressed. What was accepted
// shows at once, is what the options store holds after the program
// closes, and is what the program shows again after a restart.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstring>
#include <string>

#include "PrefStore.h"
#include "com/ComPtr.h"
#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "harness/KeyCombo.h"
#include "harness/MouseInput.h"
#include "harness/WindowProbe.h"

namespace morvex::e2e {
namespace {

constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr int kSettingsButtonId = 4000;
constexpr int kColourWellId = 227, kPopupHotKeyId = 224, kOkId = 228, kCancelId = 229;
// The colour dialog's red, green and blue fields.
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;
// The Background area of the colour well, in the well's pixels.
constexpr POINT kBackgroundCaption = {44, 46};
constexpr POINT kBackgroundCorner = {10, 39};

RECT ScreenRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

POINT ScreenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

POINT Centre(HWND window) {
  RECT rect = ScreenRect(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

bool Click(POINT at) { return harness::SendClick({at, harness::MouseButton::kLeft, false}); }

bool Press(const wchar_t* combo) {
  std::vector<harness::KeyStroke> keys;
  std::wstring error;
  return harness::ParseKeyCombo(combo, &keys, &error) && harness::SendKeyCombo(keys);
}

// A dialog of the program's process with this caption, or null.
HWND ProgramDialog(DWORD process, const wchar_t* caption) {
  for (HWND dialog : harness::FindWindows({harness::kDialogClass, caption})) {
    DWORD owner = 0;
    GetWindowThreadProcessId(dialog, &owner);
    if (owner == process) return dialog;
  }
  return nullptr;
}

long HotKeyField(HWND dialog) {
  return static_cast<long>(SendMessageW(GetDlgItem(dialog, kPopupHotKeyId), HKM_GETHOTKEY, 0, 0));
}

// Whether another program could take the combination now (let go at once).
bool IsFree(UINT modifiers, UINT key) {
  if (!RegisterHotKey(nullptr, 0x3FF0, modifiers, key)) return false;
  UnregisterHotKey(nullptr, 0x3FF0);
  return true;
}

struct StoredSettings {
  OLE_COLOR back = 0;
  long hotKeys[3][2] = {};  // 123, 124, 125: modifiers, virtual key
};

StoredSettings ReadStoredSettings() {
  StoredSettings stored;
  com::Ptr<IVelMorvexOpt> options = ReadStoredOptions();
  if (!options) return stored;
  options->get_ColorBack(&stored.back);
  for (long id = 123; id <= 125; ++id)
    StoredHotKey(options.Get(), id, &stored.hotKeys[id - 123][0], &stored.hotKeys[id - 123][1]);
  return stored;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ForgetOptions();
  }
  void TearDown() override {
    ForgetOptions();
    CoUninitialize();
  }

  // The program started and its window shown, as the tray's command shows it.
  HWND StartShown(InstalledProgram* program) {
    if (!program->Start()) return nullptr;
    HWND window = program->WaitForMainWindow(kStartTimeoutMs);
    // The splash, and its shrink into the tray, come before the user's clicks.
    if (!window || !program->SkipSplash()) return nullptr;
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    // Shown on the screen, not only flagged visible: the button has painted
    // its face over the black of the empty screen.
    HWND button = GetDlgItem(GetDlgItem(window, kStatusBarId), kSettingsButtonId);
    WaitUntil([&] { return button && ScreenPixel(Centre(button)) != RGB(0, 0, 0); },
              kReactionTimeoutMs);
    return window;
  }

  // Answered once the program is back in its loop: the end of a dialog
  // handled, its keys registered again.
  static bool Settled(HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                               &answer) != 0;
  }

  // The settings dialog, captioned in the interface language, opened by a
  // click on the status bar's button once the program is settled (and by
  // a second one when the first opened nothing, as a user clicks again).
  static HWND OpenSettings(HWND window, const wchar_t* caption = L"Settings") {
    if (!Settled(window)) return nullptr;
    HWND button = GetDlgItem(GetDlgItem(window, kStatusBarId), kSettingsButtonId);
    if (!button) return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HWND dialog = nullptr;
    ClickUntil([&] { return Centre(button); },
               [&] { return (dialog = ProgramDialog(process, caption)) != nullptr; },
               2 * kReactionTimeoutMs);
    return dialog;
  }

  // A click on the dialog's button that ends it, made again when the
  // dialog stayed, as a user clicks again.
  static bool ClickToEnd(HWND dialog, int buttonId) {
    return ClickUntil([&] { return Centre(GetDlgItem(dialog, buttonId)); },
                      [&] { return !IsWindow(dialog); }, 2 * kReactionTimeoutMs);
  }

  // A point of the status bar's middle part: just right of the button.
  // A point of the middle part's background: past the dictionary's name
  // it shows, before the layout indicator at the right.
  static POINT MiddlePart(HWND window) {
    HWND bar = GetDlgItem(window, kStatusBarId);
    RECT whole = ScreenRect(bar);
    return {whole.right - 60, (whole.top + whole.bottom) / 2};
  }
};

TEST_F(SettingsTest, APickedColourAndATypedHotKeyWorkAtOnceAndAfterARestart) {
  InstalledProgram program;
  HWND window = StartShown(&program);
  ASSERT_NE(window, nullptr);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  ASSERT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, 'S')) << "the program holds its popup key";

  HWND dialog = OpenSettings(window);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, 'S')) << "the hot keys are suspended";

  // The Background area, then red 255, green 128, blue 0 in the colour dialog.
  HWND well = GetDlgItem(dialog, kColourWellId);
  HWND colours = nullptr;
  ASSERT_TRUE(ClickUntil(
      [&] { return ScreenPoint(well, kBackgroundCaption); },
      [&] {
        for (HWND each : harness::FindWindows({harness::kDialogClass, L""})) {
          if (each != dialog && GetDlgItem(each, kRedField)) colours = each;
        }
        return colours != nullptr;
      },
      2 * kReactionTimeoutMs));
  const struct {
    int field;
    const wchar_t* value;
  } channels[] = {{kRedField, L"255"}, {kGreenField, L"128"}, {kBlueField, L"0"}};
  for (const auto& channel : channels) {
    SendMessageW(GetDlgItem(colours, channel.field), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(channel.value));
  }
  SendMessageW(colours, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(colours, IDOK)));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(colours); }, kReactionTimeoutMs));

  // Alt+P goes to the popup field, which takes the dictionary's own
  // combination: no hot key of the program stands in its way.
  SetForegroundWindow(dialog);
  ASSERT_TRUE(Press(L"alt+p"));
  ASSERT_TRUE(Press(L"ctrl+alt+x"));
  EXPECT_TRUE(WaitUntil([&] { return HotKeyField(dialog) == 0x658; }, kReactionTimeoutMs))
      << std::hex << HotKeyField(dialog);
  ASSERT_TRUE(Press(L"ctrl+alt+q"));
  EXPECT_TRUE(WaitUntil([&] { return HotKeyField(dialog) == 0x651; }, kReactionTimeoutMs))
      << std::hex << HotKeyField(dialog);
  ASSERT_TRUE(ClickToEnd(dialog, kOkId));

  // At once: the bar in the colour, the new key held, the old one let go,
  // the translation page's key kept.
  EXPECT_TRUE(
      WaitUntil([&] { return ScreenPixel(MiddlePart(window)) == kOrange; }, kReactionTimeoutMs))
      << std::hex << ScreenPixel(MiddlePart(window));
  // Written as soon as accepted, before any shut-down: after the options
  // are applied to every control and the keys registered again (a probe of
  // a key before then could take it from the program).
  EXPECT_TRUE(WaitUntil(
      [] { return ReadStoredSettings().back == static_cast<OLE_COLOR>(kOrange); },
      kReactionTimeoutMs));
  EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, 'Q'));
  EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, 'S'));
  EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, 'Z'));

  program.CloseFromOutside();
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kStartTimeoutMs, &exitCode));
  const StoredSettings stored = ReadStoredSettings();
  EXPECT_EQ(stored.back, 0x0080FFu);
  EXPECT_EQ(stored.hotKeys[2][0], MOD_CONTROL | MOD_ALT);
  EXPECT_EQ(stored.hotKeys[2][1], 'Q');
  EXPECT_EQ(stored.hotKeys[0][0], MOD_CONTROL | MOD_ALT);
  EXPECT_EQ(stored.hotKeys[0][1], 'Z');

  InstalledProgram again;
  window = StartShown(&again);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(
      WaitUntil([&] { return ScreenPixel(MiddlePart(window)) == kOrange; }, kReactionTimeoutMs))
      << std::hex << ScreenPixel(MiddlePart(window));
  dialog = OpenSettings(window);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(HotKeyField(dialog), 0x651);
  well = GetDlgItem(dialog, kColourWellId);
  EXPECT_TRUE(
      WaitUntil([&] { return ScreenPixel(ScreenPoint(well, kBackgroundCorner)) == kOrange; },
                kReactionTimeoutMs))
      << std::hex << ScreenPixel(ScreenPoint(well, kBackgroundCorner));
  ASSERT_TRUE(ClickToEnd(dialog, kCancelId));
  again.CloseFromOutside();
  ASSERT_TRUE(again.WaitForExit(kStartTimeoutMs, &exitCode));
}

// Cancel, Escape and the close box each leave everything as it was, with
// the program's hot keys back at work.
TEST_F(SettingsTest, EveryEndWithoutOkAppliesNothing) {
  InstalledProgram program;
  HWND window = StartShown(&program);
  ASSERT_NE(window, nullptr);
  const StoredSettings before = ReadStoredSettings();
  const COLORREF barBefore = ScreenPixel(MiddlePart(window));
  struct {
    const char* name;
    bool (*end)(HWND dialog);
  } const ends[] = {
      {"Cancel", [](HWND dialog) { return ClickToEnd(dialog, kCancelId); }},
      {"Escape", [](HWND) { return Press(L"esc"); }},
      {"close box",
       [](HWND dialog) { return PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != 0; }},
  };
  for (const auto& end : ends) {
    SCOPED_TRACE(end.name);
    HWND dialog = OpenSettings(window);
    ASSERT_NE(dialog, nullptr);
    SetForegroundWindow(dialog);
    ASSERT_TRUE(Press(L"alt+p"));
    ASSERT_TRUE(Press(L"ctrl+alt+q"));
    ASSERT_TRUE(WaitUntil([&] { return HotKeyField(dialog) == 0x651; }, kReactionTimeoutMs));
    ASSERT_TRUE(end.end(dialog));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, kReactionTimeoutMs));
    // A probe of a key before the program has registered it again could
    // take it from the program.
    ASSERT_TRUE(Settled(window));
    EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, 'S')) << "the old popup key works again";
    EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_EQ(ScreenPixel(MiddlePart(window)), barBefore);
    const StoredSettings after = ReadStoredSettings();
    EXPECT_EQ(after.back, before.back);
    EXPECT_EQ(memcmp(after.hotKeys, before.hotKeys, sizeof after.hotKeys), 0);
  }
  program.CloseFromOutside();
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kStartTimeoutMs, &exitCode));
}

// A user whose interface language is Russian sees the Settings button and
// the dialog in Russian, the language box naming Russian in Russian and the
// mouse trigger kept.
TEST_F(SettingsTest, TheBarAndTheDialogSpeakTheInterfaceLanguage) {
  OptionsToStore russian;
  russian.languageId = 1049;
  russian.mouseKey = 1;  // the left button
  StoreOptions(russian);
  InstalledProgram program;
  HWND window = StartShown(&program);
  ASSERT_NE(window, nullptr);
  HWND button = GetDlgItem(GetDlgItem(window, kStatusBarId), kSettingsButtonId);
  char text[64] = {};
  GetWindowTextA(button, text, sizeof text);
  EXPECT_STREQ(text, "&\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8...");  // "&Настройки..."

  HWND dialog = OpenSettings(window, L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438");
  ASSERT_NE(dialog, nullptr) << "the dialog captioned in Russian";
  GetDlgItemTextA(dialog, 218, text, sizeof text);
  EXPECT_STREQ(text, "\xD0\xF3\xF1\xF1\xEA\xE8\xE9");  // "Русский"
  GetDlgItemTextA(dialog, kOkId, text, sizeof text);
  EXPECT_STREQ(text, "&\xCE\xCA");  // "&ОК"
  ASSERT_TRUE(ClickToEnd(dialog, kOkId));
  program.CloseFromOutside();
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kStartTimeoutMs, &exitCode));
  EXPECT_EQ(ReadOptions().languageId, 1049);
  com::Ptr<IVelMorvexOpt> options;
  ASSERT_EQ(CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                             options.PutVoid()),
            S_OK);
  options->Read();
  long mouseKey = -1;
  options->get_MouseKey(&mouseKey);
  EXPECT_EQ(mouseKey, 1) << "an untouched OK keeps the stored mouse button";
}

// The interface language picked with the flag button: Down Down Enter in
// its menu (English, then Russian) names Russian in the dialog; OK turns
// the program Russian and keeps it so; a pick ended by Cancel is dropped,
// and an untouched OK after it changes nothing.
class LanguageChoiceTest : public SettingsTest {
 protected:
  // Keys that reach the menu before it takes them are lost, as a user's
  // are, who opens it again.
  static bool PickRussian(HWND dialog) {
    constexpr int kAttempts = 2;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      if (ProgramMenu(dialog)) Press(L"esc");
      if (!WaitUntil([&] { return ProgramMenu(dialog) == nullptr; }, kReactionTimeoutMs) ||
          !Click(Centre(GetDlgItem(dialog, kFlagButtonId))) ||
          !WaitUntil([&] { return ProgramMenu(dialog) != nullptr; }, kReactionTimeoutMs))
        continue;
      if (Press(L"down") && Press(L"down") && Press(L"enter") &&
          WaitUntil([&] { return LanguageName(dialog) == "Russian"; }, kReactionTimeoutMs / 2))
        return true;
    }
    return false;
  }
  static std::string LanguageName(HWND dialog) {
    char text[64] = {};
    GetDlgItemTextA(dialog, kLanguageNameId, text, sizeof text);
    return text;
  }
  static std::string SettingsButtonText(HWND window) {
    char text[64] = {};
    GetWindowTextA(GetDlgItem(GetDlgItem(window, kStatusBarId), kSettingsButtonId), text,
                   sizeof text);
    return text;
  }
  static constexpr int kFlagButtonId = 219, kLanguageNameId = 218;
};

TEST_F(LanguageChoiceTest, RussianPickedWithTheFlagButtonAndOkStays) {
  StoreOptions({});
  InstalledProgram program;
  HWND window = StartShown(&program);
  ASSERT_NE(window, nullptr);
  HWND dialog = OpenSettings(window);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(PickRussian(dialog));
  ASSERT_TRUE(ClickToEnd(dialog, kOkId));
  const std::string russianSettings = "&\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8...";  // "&Настройки..."
  EXPECT_TRUE(WaitUntil([&] { return SettingsButtonText(window) == russianSettings; },
                        kReactionTimeoutMs));
  dialog = OpenSettings(window, L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438");
  ASSERT_NE(dialog, nullptr) << "the dialog captioned in Russian";
  EXPECT_EQ(LanguageName(dialog), "\xD0\xF3\xF1\xF1\xEA\xE8\xE9");  // "Русский"
  ASSERT_TRUE(ClickToEnd(dialog, kCancelId));
  program.CloseFromOutside();
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kStartTimeoutMs, &exitCode));
  EXPECT_EQ(ReadOptions().languageId, 1049);

  InstalledProgram again;
  window = StartShown(&again);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SettingsButtonText(window), russianSettings) << "Russian after a restart";
}

TEST_F(LanguageChoiceTest, APickEndedByCancelIsDroppedAndAnUntouchedOkKeepsEnglish) {
  StoreOptions({});
  InstalledProgram program;
  HWND window = StartShown(&program);
  ASSERT_NE(window, nullptr);
  HWND dialog = OpenSettings(window);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(PickRussian(dialog));
  ASSERT_TRUE(ClickToEnd(dialog, kCancelId));
  dialog = OpenSettings(window);
  ASSERT_NE(dialog, nullptr) << "still captioned in English";
  EXPECT_EQ(LanguageName(dialog), "English");
  ASSERT_TRUE(ClickToEnd(dialog, kOkId));
  EXPECT_EQ(SettingsButtonText(window), "&Settings...");
  program.CloseFromOutside();
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(kStartTimeoutMs, &exitCode));
  EXPECT_EQ(ReadOptions().languageId, 1033);
}

}  // namespace
}  // namespace morvex::e2e
