// The installed program meeting what goes wrong on a user's machine: killed
// from a task manager and started again, a dictionary file deleted or cut
// short while the program was closed, its options in the registry garbled,
// the dictionary list emptied. Each time the program starts, says what its
// code says (and every box it raises is read and closed here), goes on
// working with what is left, overwrites nothing of the user's, and writes
// well-formed options at its end. Everything a case damages is put back
// when it ends.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "com/RegistryKey.h"
#include "controls/common/tests/PixelChecks.h"
#include "e2e/InstalledProgram.h"
#include "e2e/TrayDriving.h"
#include "e2e/PopupDriving.h"
#include "e2e/RestoreGuards.h"
#include "harness/ChildProcess.h"
#include "harness/MouseInput.h"
#include "harness/ScreenPixels.h"
#include "harness/WindowProbe.h"

namespace morvex::e2e {

namespace {

constexpr char kOptionsKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Solo";
// The installer lists both shipped dictionaries under theme 0.
constexpr char kThemeKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Dictionary\\0";
constexpr wchar_t kEnglishFrench[] = L"Dictionaries\\freedict-eng-fra.dic";
constexpr long kEnglish = 1033, kFrench = 1036;
constexpr int kDictionaryNamePart = 1;
constexpr int kShelfHostId = 1003;
constexpr int kShelfTreeId = 1000;
constexpr char kUnwrittenByAKill[] = "CommandID";
// How long something that must not happen is given to happen.
constexpr DWORD kNothingHappensMs = 1500;

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  if (window) GetWindowThreadProcessId(window, &process);
  return process;
}

// The message boxes the program shows (never another program's).
std::vector<HWND> BoxesOf(DWORD process) {
  std::vector<HWND> boxes;
  for (HWND box : harness::FindWindows({harness::kDialogClass, L""}))
    if (process && ProcessOf(box) == process) boxes.push_back(box);
  return boxes;
}

// Starts the program and waits until it runs its loop with its window
// placed, reading and closing every box it raises on the way.
HWND StartReadingBoxes(InstalledProgram* program, std::vector<harness::WindowText>* boxes) {
  if (!program->Start()) return nullptr;
  HWND window = nullptr;
  auto placed = [&] {
    RECT rect = {};
    return (window = FindMainWindow()) && GetWindowRect(window, &rect) && rect.right > rect.left;
  };
  WaitUntil(
      [&] {
        for (HWND box : BoxesOf(ProcessOf(FindMainWindow()))) {
          boxes->push_back(harness::ReadWindowText(box));
          harness::CloseWindow(box, kReactionTimeoutMs);
        }
        return placed();
      },
      kStartTimeoutMs);
  return program->WaitForMainWindow(kReactionTimeoutMs);
}

std::string Describe(const std::vector<harness::WindowText>& boxes) {
  std::string text;
  for (const harness::WindowText& box : boxes) {
    text += "[" + std::string(box.caption.begin(), box.caption.end()) + ":";
    for (const harness::WindowItem& item : box.items)
      text += " " + std::string(item.text.begin(), item.text.end());
    text += "]";
  }
  return text;
}

// The text of a status bar part, read in the program's own memory (the
// status bar's messages carry a pointer that is not carried across).
std::wstring StatusPartText(HWND statusBar, int part) {
  std::wstring text;
  DWORD_PTR length = 0;
  if (!statusBar || !SendMessageTimeoutW(statusBar, SB_GETTEXTLENGTHW, part, 0, SMTO_ABORTIFHUNG,
                                         kReactionTimeoutMs, &length))
    return text;
  const size_t bytes = (LOWORD(length) + 1) * sizeof(wchar_t);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               ProcessOf(statusBar));
  if (!process) return text;
  void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  DWORD_PTR answer = 0;
  std::vector<wchar_t> local(bytes / sizeof(wchar_t), L'\0');
  if (remote &&
      SendMessageTimeoutW(statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(remote),
                          SMTO_ABORTIFHUNG, kReactionTimeoutMs, &answer) &&
      ReadProcessMemory(process, remote, local.data(), bytes, nullptr))
    text.assign(local.data());
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return text;
}

std::wstring DictionaryNameShown(HWND mainWindow) {
  return StatusPartText(DescendantWithId(mainWindow, kStatusBarId), kDictionaryNamePart);
}

const RegistryValue* Find(const std::vector<RegistryValue>& values, const std::string& name) {
  for (const RegistryValue& value : values)
    if (value.name == name) return &value;
  return nullptr;
}

bool Answers(HWND window) {
  DWORD_PTR answer = 0;
  return IsWindow(window) &&
         SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs, &answer);
}

// The program holds Ctrl+Alt+ the key: nobody else may register it.
bool HotKeyHeld(UINT virtualKey) {
  constexpr int kProbeId = 7;
  if (!RegisterHotKey(nullptr, kProbeId, MOD_CONTROL | MOD_ALT, virtualKey))
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
  UnregisterHotKey(nullptr, kProbeId);
  return false;
}

// "water" selected in a second program, Ctrl+Alt+S: the tip's body, or
// what showed instead.
std::wstring TipBodyForWater() {
  Target target(L"edit", L"water");
  if (!target.window() || !Press(L"ctrl+alt+s")) return L"(no second program)";
  Tip tip;
  if (!WaitForTip(&tip, kReactionTimeoutMs))
    return TipShown() ? L"(a tip without its word)" : L"(no tip)";
  // The body fills after the header.
  WaitUntil([&] { return WaitForTip(&tip, 0) && !tip.body.empty(); }, kReactionTimeoutMs);
  Press(L"escape");
  WaitUntil([] { return !TipShown(); }, kReactionTimeoutMs);
  return tip.body;
}

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  return narrow;
}

class FaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
    ForgetOptions();
  }
  // A clean end, as the tray's Exit ends it.
  void ExitCleanly(InstalledProgram* program) {
    program->CloseFromOutside();
    DWORD exitCode = 1;
    EXPECT_TRUE(program->WaitForExit(kExitTimeoutMs, &exitCode)) << "the program ends";
    EXPECT_EQ(exitCode, 0u);
  }

  KeyValuesGuard options_{kOptionsKey};
};

// --- Killed and started again

TEST_F(FaultsTest, AKilledProgramStartsAgainWithTheOptionsItHadAccepted) {
  const RECT place = {120, 140, 720, 580};
  StoreOptions({place, kEnglish, VK_SHIFT, 0, 'X'});
  StoreLastDictionary(0, kEnglish, kFrench);
  const std::vector<RegistryValue> accepted = ValuesOfKey(HKEY_CURRENT_USER, kOptionsKey);

  {
    InstalledProgram killed;
    std::vector<harness::WindowText> boxes;
    ASSERT_NE(StartReadingBoxes(&killed, &boxes), nullptr);
    ASSERT_TRUE(boxes.empty()) << Describe(boxes);
    // A value its Exit would write again shows that no Exit ran.
    com::RegistryKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kOptionsKey, KEY_ALL_ACCESS));
    ASSERT_EQ(RegDeleteValueA(key.Get(), kUnwrittenByAKill), ERROR_SUCCESS);
    // As a user's task manager ends it: nothing of its own runs after.
    harness::ChildProcess taskkill;
    ASSERT_TRUE(taskkill.Start(L"taskkill.exe /f /im MorvexSolo.exe"));
    ASSERT_TRUE(taskkill.Wait(kExitTimeoutMs));
    DWORD exitCode = 0;
    ASSERT_TRUE(killed.WaitForExit(kExitTimeoutMs, &exitCode)) << "killed";
  }
  const std::vector<RegistryValue> afterKill = ValuesOfKey(HKEY_CURRENT_USER, kOptionsKey);
  for (const RegistryValue& value : accepted) {
    const RegistryValue* kept = Find(afterKill, value.name);
    if (value.name == kUnwrittenByAKill) {
      EXPECT_EQ(kept, nullptr) << "killed before any Exit wrote";
      continue;
    }
    ASSERT_NE(kept, nullptr) << value.name;
    EXPECT_EQ(kept->data, value.data) << value.name;
  }

  InstalledProgram again;
  std::vector<harness::WindowText> boxes;
  HWND window = StartReadingBoxes(&again, &boxes);
  ASSERT_NE(window, nullptr) << "it starts again";
  EXPECT_TRUE(boxes.empty()) << "no conflict with its own dead registration: " << Describe(boxes);
  ASSERT_TRUE(again.SkipSplash());
  EXPECT_TRUE(WaitUntil([&] { return IconPresent(window); }, kReactionTimeoutMs))
      << "the tray icon";
  for (UINT key : {UINT('Z'), UINT('X'), UINT('S')})
    EXPECT_TRUE(HotKeyHeld(key)) << "Ctrl+Alt+" << char(key) << " registered again";
  RECT rect = {};
  GetWindowRect(window, &rect);
  EXPECT_TRUE(EqualRect(&rect, &place)) << "the placement it had: " << rect.left << ", "
                                         << rect.top << ", " << rect.right << ", " << rect.bottom;
  // The last dictionary stored before the kill is current again.
  const std::wstring body = TipBodyForWater();
  EXPECT_NE(body.find(L"eau"), std::wstring::npos) << "the tip: " << Narrow(body);
  ExitCleanly(&again);
}

// --- A dictionary file damaged while the program is closed

enum class Damage { kDeleted, kEmptied, kHeaderOnly, kHalf };

struct DamageCase {
  const char* name;
  Damage damage;
};

class DamagedDictionaryTest : public FaultsTest, public ::testing::WithParamInterface<DamageCase> {
 protected:
  void Damage(const FileContent& original) {
    switch (GetParam().damage) {
      case Damage::kDeleted:
        ASSERT_TRUE(DeleteFileW(path_.c_str()));
        return;
      case Damage::kEmptied:
        ASSERT_TRUE(WriteFileContent(path_, {}));
        return;
      case Damage::kHeaderOnly:
        ASSERT_TRUE(WriteFileContent(path_, {original.bytes.begin(), original.bytes.begin() + 512}));
        return;
      case Damage::kHalf:
        ASSERT_TRUE(WriteFileContent(
            path_, {original.bytes.begin(), original.bytes.begin() + original.bytes.size() / 2}));
        return;
    }
  }

  const std::wstring path_ = InstalledFile(kEnglishFrench);
};

TEST_P(DamagedDictionaryTest, TheProgramRunsOnTheOtherAndLeavesTheFileAlone) {
  FileGuard file(path_);
  ASSERT_TRUE(file.original().exists);
  ASSERT_GT(file.original().bytes.size(), 1024u);
  ASSERT_NO_FATAL_FAILURE(Damage(file.original()));
  const FileContent damaged = ReadFileContent(path_);
  // The user's last choice was the dictionary now damaged.
  StoreLastDictionary(0, kEnglish, kFrench);

  InstalledProgram program;
  std::vector<harness::WindowText> boxes;
  HWND window = StartReadingBoxes(&program, &boxes);
  ASSERT_NE(window, nullptr);
  // A listed file that does not open as a dictionary is passed over
  // without a word: the shelf and the menus list the others.
  EXPECT_TRUE(boxes.empty()) << Describe(boxes);
  ASSERT_TRUE(program.SkipSplash());
  const std::wstring body = TipBodyForWater();
  EXPECT_NE(body.find(L"вода"), std::wstring::npos)
      << "English-Russian translates: " << Narrow(body) << " named "
      << Narrow(DictionaryNameShown(window));
  EXPECT_EQ(DictionaryNameShown(window), L"General English-Russian");
  EXPECT_TRUE(Answers(window));
  EXPECT_TRUE(BoxesOf(ProcessOf(window)).empty());

  const FileContent seen = ReadFileContent(path_);
  EXPECT_EQ(seen.exists, damaged.exists);
  EXPECT_EQ(seen.bytes, damaged.bytes) << "nothing written over the file while it runs";
  ExitCleanly(&program);
  const FileContent after = ReadFileContent(path_);
  EXPECT_EQ(after.exists, damaged.exists);
  EXPECT_EQ(after.bytes, damaged.bytes) << "nor at its end";
}

const DamageCase kDamages[] = {
    {"Deleted", Damage::kDeleted},
    {"Emptied", Damage::kEmptied},
    {"CutToItsFirstBytes", Damage::kHeaderOnly},
    {"CutInHalf", Damage::kHalf},
};

INSTANTIATE_TEST_SUITE_P(Damages, DamagedDictionaryTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                           return std::string(info.param.name);
                         });

// --- The options' registry values garbled

struct GarbledValue {
  const char* name;
  DWORD type;
  std::vector<BYTE> data;
};

std::vector<BYTE> Garbage(size_t size) {
  std::vector<BYTE> bytes(size);
  unsigned seed = 0x2545F491u;
  for (BYTE& b : bytes) {
    seed = seed * 1103515245u + 12345u;
    b = static_cast<BYTE>(seed >> 16);
  }
  return bytes;
}

std::vector<BYTE> Text(const char* text) { return {text, text + std::strlen(text) + 1}; }

void StoreGarbled(const std::vector<GarbledValue>& values) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  for (const GarbledValue& value : values) {
    RegSetValueExA(key, value.name, 0, value.type, value.data.data(),
                   static_cast<DWORD>(value.data.size()));
  }
  RegCloseKey(key);
}

LONG Int32At(const std::vector<BYTE>& data, size_t offset) {
  LONG value = 0;
  if (data.size() >= offset + sizeof value) std::memcpy(&value, &data[offset], sizeof value);
  return value;
}

// Every value the store writes, with its type and size.
struct WrittenValue {
  const char* name;
  DWORD type;
  size_t size;
};
const WrittenValue kWrittenValues[] = {
    {"ClipAutotrans", REG_DWORD, 4}, {"TextAutotrans", REG_DWORD, 4}, {"Animation", REG_DWORD, 4},
    {"LangID", REG_DWORD, 4},        {"CommandID", REG_DWORD, 4},     {"Maximized", REG_DWORD, 4},
    {"ForeColor", REG_DWORD, 4},     {"BackColor", REG_DWORD, 4},     {"ShadowColor", REG_DWORD, 4},
    {"TextColor", REG_DWORD, 4},     {"MKey", REG_DWORD, 4},          {"MModif", REG_DWORD, 4},
    {"Position", REG_BINARY, 16},    {"Hotkeys", REG_BINARY, 36},     {"Font", REG_BINARY, 288},
    {"Last used dictionary", REG_BINARY, 12},
};

// What Exit wrote: each value of its type and size, whatever was there.
void ExpectWellFormed(const std::vector<RegistryValue>& written) {
  for (const WrittenValue& expected : kWrittenValues) {
    const RegistryValue* value = Find(written, expected.name);
    ASSERT_NE(value, nullptr) << expected.name;
    EXPECT_EQ(value->type, expected.type) << expected.name;
    EXPECT_EQ(value->data.size(), expected.size) << expected.name;
  }
}

TEST_F(FaultsTest, GarbledOptionsGiveTheDefaultsAndAreWrittenCleanAtExit) {
  // Too long for what they hold (the store passes those over), or too short
  // to mean anything.
  StoreGarbled({
      {"Position", REG_SZ, Text("left=100 top=120 right=700 bottom=560")},
      {"LangID", REG_QWORD, {0x19, 0x04, 0, 0, 0, 0, 0, 0}},
      {"BackColor", REG_BINARY, Garbage(7)},
      {"ForeColor", REG_SZ, Text("red")},
      {"MModif", REG_SZ, Text("Shift")},
      {"MKey", REG_MULTI_SZ, Garbage(9)},
      {"Animation", REG_EXPAND_SZ, Text("%yes%")},
      {"Hotkeys", REG_BINARY, Garbage(11)},
      {"Font", REG_BINARY, Garbage(4)},
      {"Last used dictionary", REG_DWORD, Garbage(4)},
  });

  InstalledProgram program;
  std::vector<harness::WindowText> boxes;
  HWND window = StartReadingBoxes(&program, &boxes);
  ASSERT_NE(window, nullptr) << "it starts";
  EXPECT_TRUE(boxes.empty()) << Describe(boxes);
  ASSERT_TRUE(program.SkipSplash());
  // Placed at the centred third of the screen, in English, with its hot keys.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const RECT third = {(width - width / 3) / 2, (height - height / 3) / 2,
                      (width - width / 3) / 2 + width / 3, (height - height / 3) / 2 + height / 3};
  RECT rect = {};
  GetWindowRect(window, &rect);
  EXPECT_TRUE(EqualRect(&rect, &third)) << rect.left << ", " << rect.top << ", " << rect.right
                                        << ", " << rect.bottom;
  for (UINT key : {UINT('Z'), UINT('X'), UINT('S')}) EXPECT_TRUE(HotKeyHeld(key)) << char(key);
  const std::wstring body = TipBodyForWater();
  EXPECT_NE(body.find(L"вода"), std::wstring::npos) << Narrow(body);
  ExitCleanly(&program);

  const std::vector<RegistryValue> written = ValuesOfKey(HKEY_CURRENT_USER, kOptionsKey);
  ASSERT_NO_FATAL_FAILURE(ExpectWellFormed(written));
  EXPECT_EQ(Int32At(Find(written, "LangID")->data, 0), kEnglish);
  EXPECT_EQ(Int32At(Find(written, "MModif")->data, 0), VK_SHIFT);
  EXPECT_EQ(Int32At(Find(written, "MKey")->data, 0), 0);
  EXPECT_EQ(Int32At(Find(written, "Animation")->data, 0), 1);
  EXPECT_EQ(Int32At(Find(written, "BackColor")->data, 0),
            static_cast<LONG>(GetSysColor(COLOR_BTNFACE)));
  const std::vector<BYTE>& position = Find(written, "Position")->data;
  EXPECT_EQ(Int32At(position, 0), third.left);
  EXPECT_EQ(Int32At(position, 12), third.bottom);
  // The three default hot keys, Ctrl+Alt+Z, X and S.
  const std::vector<BYTE>& keys = Find(written, "Hotkeys")->data;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Int32At(keys, i * 12), 123 + i);
    EXPECT_EQ(Int32At(keys, i * 12 + 4), MOD_CONTROL | MOD_ALT);
  }
  EXPECT_EQ(Int32At(keys, 8), 'Z');
  EXPECT_EQ(Int32At(keys, 32), 'S');
  // The current dictionary, English-Russian, written over the garbage.
  const std::vector<BYTE>& last = Find(written, "Last used dictionary")->data;
  EXPECT_EQ(Int32At(last, 4), kEnglish);
}

std::vector<BYTE> Records(std::initializer_list<LONG> fields) {
  std::vector<BYTE> bytes(fields.size() * sizeof(LONG));
  size_t offset = 0;
  for (LONG field : fields) {
    std::memcpy(&bytes[offset], &field, sizeof field);
    offset += sizeof field;
  }
  return bytes;
}

// Values of the right size that the store takes as they are, each one
// nonsense for what it holds: the program makes do and stays usable.
TEST_F(FaultsTest, NonsenseOfTheRightSizeLeavesTheProgramUsable) {
  StoreGarbled({
      {"Position", REG_BINARY, Records({0x7FFFFFF0, -0x7FFFFFF0, -5, 3})},
      {"LangID", REG_DWORD, Records({0xFFFF})},
      {"BackColor", REG_DWORD, Records({static_cast<LONG>(0xFF123456)})},
      {"TextColor", REG_DWORD, Records({static_cast<LONG>(0x800000FF)})},
      {"ShadowColor", REG_BINARY, Records({-1})},
      {"Animation", REG_DWORD, Records({0x12345678})},
      {"Maximized", REG_DWORD, Records({-7})},
      {"MModif", REG_DWORD, Records({0xDEAD})},
      {"MKey", REG_DWORD, Records({-3})},
      // A record of nonsense between two good ones.
      {"Hotkeys", REG_BINARY,
       Records({124, 0x7FFF0000, 0x12345, 123, MOD_CONTROL | MOD_ALT, 'Z', 125,
                MOD_CONTROL | MOD_ALT, 'S'})},
      {"Font", REG_BINARY, Garbage(288)},
      {"Last used dictionary", REG_BINARY, Garbage(12)},
  });

  InstalledProgram program;
  std::vector<harness::WindowText> boxes;
  HWND window = StartReadingBoxes(&program, &boxes);
  ASSERT_NE(window, nullptr) << "it starts";
  // The nonsense hot key may be refused: then its box, in the program's words.
  for (const harness::WindowText& box : boxes)
    EXPECT_EQ(box.caption, L"Morvex Dictionary warning!") << Describe(boxes);
  EXPECT_LE(boxes.size(), 1u) << Describe(boxes);
  ASSERT_TRUE(program.SkipSplash());
  for (UINT key : {UINT('Z'), UINT('S')}) EXPECT_TRUE(HotKeyHeld(key)) << char(key);
  const std::wstring body = TipBodyForWater();
  EXPECT_NE(body.find(L"вода"), std::wstring::npos) << Narrow(body);

  // Shown, it lies on the screen and its face is readable: a colour that
  // names nothing leaves the system's.
  ASSERT_TRUE(Press(L"ctrl+alt+z"));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs));
  RECT rect = {};
  GetWindowRect(window, &rect);
  const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT inside = {};
  EXPECT_TRUE(IntersectRect(&inside, &rect, &screen) && EqualRect(&inside, &rect))
      << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom;
  HWND statusBar = DescendantWithId(window, kStatusBarId);
  ASSERT_NE(statusBar, nullptr);
  harness::MovePointer({screen.right - 1, screen.bottom - 1});
  RECT bar = {};
  GetWindowRect(statusBar, &bar);
  // Inside its frame: the parts' faces, the dictionary's name, the icons.
  const RECT face = {bar.left + 2, bar.top + 2, bar.right - 2, bar.bottom - 2};
  harness::ScreenPixels seen;
  const COLORREF system = GetSysColor(COLOR_BTNFACE);
  auto blackShare = [&] {
    int black = 0, all = 0;
    for (LONG y = face.top; y < face.bottom; ++y)
      for (LONG x = face.left; x < face.right; ++x, ++all) black += seen.At(x, y) == RGB(0, 0, 0);
    return all ? black * 100 / all : 100;
  };
  WaitUntil(
      [&] {
        seen = harness::ScreenPixels::Capture(bar);
        return controls::testing::Holds(seen, face, system) && blackShare() < 25;
      },
      kReactionTimeoutMs);
  EXPECT_TRUE(controls::testing::Holds(seen, face, system)) << "the status bar's face";
  EXPECT_LT(blackShare(), 25) << "per cent of the status bar black";
  EXPECT_TRUE(Answers(window));
  ExitCleanly(&program);

  const std::vector<RegistryValue> written = ValuesOfKey(HKEY_CURRENT_USER, kOptionsKey);
  ASSERT_NO_FATAL_FAILURE(ExpectWellFormed(written));
  // A font of no size and no name gave way to the default, which is stored.
  const std::vector<BYTE>& font = Find(written, "Font")->data;
  // 8 points, as Wine's font object rounds it to whole pixels.
  EXPECT_NEAR(Int32At(font, 0), 80000, 5000);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&font[28])), "Tahoma");
}

// --- No dictionaries listed

enum class EmptyList { kValuesDeleted, kThemeDeleted };

struct EmptyListCase {
  const char* name;
  EmptyList how;
};

class NoDictionariesTest : public FaultsTest,
                           public ::testing::WithParamInterface<EmptyListCase> {};

TEST_P(NoDictionariesTest, TheProgramStartsStaysAliveAndThePopupDoesNothing) {
  KeyValuesGuard list(kThemeKey);
  if (GetParam().how == EmptyList::kValuesDeleted) {
    DeleteValuesOfKey(HKEY_CURRENT_USER, kThemeKey);
  } else {
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, kThemeKey), ERROR_SUCCESS);
  }
  StoreLastDictionary(0, kEnglish, kFrench);
  ASSERT_TRUE(PutClipboardText(L"house"));

  InstalledProgram program;
  std::vector<harness::WindowText> boxes;
  HWND window = StartReadingBoxes(&program, &boxes);
  ASSERT_NE(window, nullptr) << "it starts";
  EXPECT_TRUE(boxes.empty()) << Describe(boxes);
  ASSERT_TRUE(program.SkipSplash());
  EXPECT_TRUE(WaitUntil([&] { return IconPresent(window); }, kReactionTimeoutMs));
  // No dictionary is named, and the shelf holds no dictionary under its root.
  EXPECT_EQ(DictionaryNameShown(window), L"");
  HWND tree = DescendantWithId(DescendantWithId(window, kShelfHostId), kShelfTreeId);
  DWORD_PTR rows = 0;
  ASSERT_NE(tree, nullptr);
  ASSERT_TRUE(SendMessageTimeoutW(tree, TVM_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                                  &rows));
  EXPECT_LE(rows, 1u);

  {
    Target target(L"edit", L"water");
    ASSERT_NE(target.window(), nullptr);
    ASSERT_TRUE(Press(L"ctrl+alt+s"));
    EXPECT_FALSE(WaitUntil(TipShown, kNothingHappensMs)) << "no tip without a dictionary";
    EXPECT_TRUE(Answers(window));
  }
  EXPECT_EQ(ClipboardText(), L"house") << "the user's clipboard is kept";
  ASSERT_TRUE(Press(L"ctrl+alt+x"));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs))
      << "the dictionary page opens, empty";
  EXPECT_TRUE(Answers(window));
  EXPECT_TRUE(BoxesOf(ProcessOf(window)).empty());
  ExitCleanly(&program);
}

const EmptyListCase kEmptyLists[] = {
    {"ItsThemeHoldsNoDictionary", EmptyList::kValuesDeleted},
    {"NoThemeAtAll", EmptyList::kThemeDeleted},
};

INSTANTIATE_TEST_SUITE_P(Lists, NoDictionariesTest, ::testing::ValuesIn(kEmptyLists),
                         [](const ::testing::TestParamInfo<EmptyListCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace

}  // namespace morvex::e2e
