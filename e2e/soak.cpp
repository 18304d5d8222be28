// The soak run: the installed program through a long day of popup
// translations, as a user gives them, and what it holds afterwards.
//
// Words drawn from the installed English-Russian dictionary (a fixed seed)
// are held one at a time in Wine's notepad, all selected, and translated
// in turn by the hot key (Ctrl+Alt+S) and by the mouse trigger (a
// Shift+right-click on the word); each waits for the tip with the word and
// a Russian word of its article. Between them, dictionary-window lookups:
// a word on the clipboard, Ctrl+Alt+X, the word and its article on the
// dictionary page, Escape. Afterwards the program must answer and translate
// once more, and what it holds (GDI and USER objects, kernel handles,
// private bytes, windows) is compared with what it held after the first 50
// translations. Exit code 0 and "soak: passed" when nothing grew past its
// bound; 1 and "soak: FAILED" with the reason otherwise.
//
//   e2e_soak.exe [translations [lookups [distinct]]]
//
// 100 translations and 20 lookups when not given. With `distinct`, the
// words come from only that many of the dictionary's (1: the same word
// every time), which tells memory a leak takes from memory that caches
// what was looked up.
#include <windows.h>
// ole2.h needs windows.h before it.
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "controls/common/tests/PixelChecks.h"
#include "e2e/DictionaryWords.h"
#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "e2e/ProcessCounts.h"
#include "e2e/Notepad.h"
#include "harness/MouseInput.h"
#include "harness/ScreenPixels.h"

namespace morvex::e2e {

namespace {

constexpr long kEnglish = 1033;
constexpr long kRussian = 1049;
constexpr uint32_t kSeed = 25;
constexpr int kBaselineAfter = 50;
constexpr int kEntryId = 617;
constexpr int kArticleId = 618;
// How long a user waits for the tip or the window before pressing again.
constexpr DWORD kPatienceMs = 2000;

// What may grow between the count after the first 50 translations and the
// end without it being a leak: lazily made caches and Wine's own slack. A
// leak of one object per translation passes these by 40 in the short run
// (50 translations between the counts) and by 900 in the full one. Private
// bytes have a generous bound that grows with the run: Wine's
// GetClipboardData keeps about a kilobyte a call after each change of the
// clipboard (a probe of only SetClipboardData and GetClipboardData grows
// so), and a translation reads the clipboard three times; a leak of tens of
// kilobytes a translation still shows.
struct Bound {
  const char* name;
  Count ProcessCounts::*count;
  uint64_t growth;
  uint64_t perTranslation;
};
const Bound kBounds[] = {
    {"GDI objects", &ProcessCounts::gdiObjects, 10, 0},
    {"USER objects", &ProcessCounts::userObjects, 10, 0},
    {"kernel handles", &ProcessCounts::kernelHandles, 10, 0},
    {"windows", &ProcessCounts::windows, 2, 0},
    {"private bytes", &ProcessCounts::privateBytes, 8u << 20, 8u << 10},
};

enum class Trigger { kHotKey, kMouse };

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(index, values.size() - 1)];
}

std::string Narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(std::max(size, 1)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  return narrow;
}

bool Holds(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

bool SameWord(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Shift down through SendInput, as the user's keyboard reaches Wine, until
// the object goes; the mouse hook reads the key's state when the click
// comes, so both ends wait until the system's state shows the key.
class ShiftHeld {
 public:
  ShiftHeld() : down_(Send(0) && WaitUntil([] { return ShiftIsDown(); }, kReactionTimeoutMs)) {}
  ~ShiftHeld() {
    Send(KEYEVENTF_KEYUP);
    WaitUntil([] { return !ShiftIsDown(); }, kReactionTimeoutMs);
  }
  ShiftHeld(const ShiftHeld&) = delete;
  ShiftHeld& operator=(const ShiftHeld&) = delete;
  bool down() const { return down_; }

 private:
  static bool ShiftIsDown() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }
  static bool Send(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SHIFT;
    input.ki.dwFlags = flags;
    return SendInput(1, &input, sizeof input) == 1;
  }
  bool down_;
};

// Every message box of the program's process, read out and closed: a
// failed step says what the program said.
void ReportMessageBoxes(DWORD processId) {
  struct Search {
    DWORD processId;
  } search = {processId};
  EnumWindows(
      [](HWND window, LPARAM address) -> BOOL {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (owner != reinterpret_cast<Search*>(address)->processId ||
            lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window))
          return TRUE;
        std::wstring text;
        for (HWND child = FindWindowExW(window, nullptr, L"Static", nullptr); child;
             child = FindWindowExW(window, child, L"Static", nullptr))
          text += TextOf(child) + L" ";
        std::printf("  the program's message box \"%s\": %s (closed)\n",
                    Narrow(TextOf(window)).c_str(), Narrow(text).c_str());
        PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
}

// A window Wine has not painted yet is black on the private display.
bool Painted(HWND window) {
  RECT place = {};
  GetWindowRect(window, &place);
  const harness::ScreenPixels seen = harness::ScreenPixels::Capture(place);
  return !seen.empty() && !controls::testing::OnlyHolds(seen, place, {RGB(0, 0, 0)});
}

// The tip's face behind its body and the header word in the tip's text
// colour.
bool TipPainted(const Tip& tip) {
  RECT body = {}, header = {};
  GetWindowRect(DescendantWithId(tip.window, kTipBodyId), &body);
  GetWindowRect(DescendantWithId(tip.window, kTipHeaderId), &header);
  const harness::ScreenPixels seen = harness::ScreenPixels::Capture(tip.place);
  return !seen.empty() && controls::testing::Holds(seen, body, GetSysColor(COLOR_INFOBK)) &&
         controls::testing::Holds(seen, header, GetSysColor(COLOR_INFOTEXT));
}

std::string ClassName(HWND window) {
  if (!window) return "none";
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// What stands on the screen, for a step that failed.
std::string Scene() {
  HWND tip = FindWindowA("QuickHintHost", nullptr);
  HWND menu = FindWindowA("#32768", nullptr);
  POINT pointer = {};
  GetCursorPos(&pointer);
  return "in front: " + ClassName(GetForegroundWindow()) +
         ", under the pointer: " + ClassName(WindowFromPoint(pointer)) +
         ", the tip: " + (tip ? (IsWindowVisible(tip) ? "shown" : "hidden") : "none") +
         ", a menu: " + (menu && IsWindowVisible(menu) ? "open" : "none") +
         ", the dictionary window: " + (IsWindowVisible(FindMainWindow()) ? "shown" : "hidden");
}

// Left of the screen's middle, where the dictionary window and the splash
// stand, and above the tip's place below the click.
constexpr RECT kNotepadPlace = {20, 20, 420, 220};

class Soak {
 public:
  Soak(HWND mainWindow, DWORD processId) : mainWindow_(mainWindow), processId_(processId) {}

  bool NotepadUp() const { return notepad_.window() != nullptr; }

  // The tip with the word and a Russian word of its article, after the
  // trigger on the word in notepad; then Escape, and the tip hidden.
  bool Translate(const DictionaryWord& word, Trigger trigger, std::string* failure) {
    if (!notepad_.Hold(word.word)) return Fail("notepad did not hold the word", word, failure);
    Tip tip;
    // The tip painted too: its drawing is where a leak would most likely be.
    auto filled = [&] {
      return WaitForTip(&tip, 0) && SameWord(tip.header, word.word) &&
             Holds(tip.body, word.translation) && TipPainted(tip);
    };
    LARGE_INTEGER start, shown;
    bool seen = false;
    if (trigger == Trigger::kHotKey) {
      QueryPerformanceCounter(&start);
      seen = Repeating(
          "the hot key", word, [] { return Press(L"ctrl+alt+s"); }, filled);
    } else {
      // The pointer on the word first, as the user's is when they click.
      const POINT at = notepad_.PointOf(static_cast<int>(word.word.size() / 2));
      if (!harness::MovePointer(at) ||
          !WaitUntil([&] { return WindowFromPoint(at) == notepad_.edit(); }, kReactionTimeoutMs))
        return Fail("the word in notepad is not under the pointer (" + Scene() + ")", word,
                    failure);
      ShiftHeld shift;
      QueryPerformanceCounter(&start);
      seen = shift.down() && Repeating(
                                 "the mouse trigger", word,
                                 [&] {
                                   // A click that passed to notepad opened its menu.
                                   CloseMenu();
                                   return harness::SendClick({at, harness::MouseButton::kRight});
                                 },
                                 filled);
    }
    QueryPerformanceCounter(&shown);
    if (!seen) {
      return Fail(std::string("no tip painted with the word and \"") + Narrow(word.translation) +
                      "\" (the tip: \"" + Narrow(tip.header) + "\", \"" +
                      Narrow(tip.body.substr(0, 80)) + "\"; " + Scene() + ")",
                  word, failure);
    }
    translationMs_.push_back(Milliseconds(start, shown));
    // Escape in the tip hides it, as the user closes it.
    if (!Repeating(
            "Escape in the tip", word, [] { return Press(L"esc"); }, [] { return !TipShown(); }))
      return Fail("the tip stayed after Escape", word, failure);
    return true;
  }

  // The word on the clipboard, the dictionary key, the word and its
  // article on the dictionary page; then Escape hides the window.
  bool LookUp(const DictionaryWord& word, std::string* failure) {
    if (!PutClipboardText(word.word)) return Fail("the clipboard was not to be had", word, failure);
    HWND entry = nullptr;
    auto shownWithArticle = [&] {
      entry = DescendantWithId(mainWindow_, kEntryId);
      HWND article = DescendantWithId(mainWindow_, kArticleId);
      return IsWindowVisible(mainWindow_) && article && IsWindowVisible(article) &&
             TextOf(entry) == word.word && Holds(TextOf(article), word.translation) &&
             Painted(article);
    };
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    const bool seen = Repeating(
        "the dictionary key", word, [] { return Press(L"ctrl+alt+x"); }, shownWithArticle);
    QueryPerformanceCounter(&shown);
    if (!seen) {
      return Fail("the dictionary page did not show the word with \"" + Narrow(word.translation) +
                      "\" painted (the entry: \"" + Narrow(TextOf(entry)) + "\"; " + Scene() + ")",
                  word, failure);
    }
    lookupMs_.push_back(Milliseconds(start, shown));
    if (!WaitUntil([&] { return GetForegroundWindow() == mainWindow_; }, kReactionTimeoutMs) ||
        !Repeating(
            "Escape", word, [] { return Press(L"esc"); },
            [&] { return !IsWindowVisible(mainWindow_); }))
      return Fail("Escape did not hide the dictionary window", word, failure);
    return true;
  }

  // The program's message loop answers.
  bool Answers() const {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(mainWindow_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                               &answer) != 0;
  }

  const std::vector<double>& translationMs() const { return translationMs_; }
  const std::vector<double>& lookupMs() const { return lookupMs_; }
  int repeats() const { return repeats_; }

 private:
  // The user's press or click, and once more when nothing showed within a
  // user's patience, as a user presses again; each repeat is told with the
  // scene it met. True once `shown` holds.
  template <class Act, class Shown>
  bool Repeating(const char* step, const DictionaryWord& word, Act act, Shown shown) {
    if (act() && WaitUntil(shown, kPatienceMs)) return true;
    ++repeats_;
    std::printf("  repeated (%s, \"%s\"): nothing showed within %lu ms (%s)\n", step,
                Narrow(word.word).c_str(), kPatienceMs, Scene().c_str());
    return act() && WaitUntil(shown, kReactionTimeoutMs);
  }

  // Notepad's context menu, opened by a click the program did not take, is
  // closed the way the system ends a menu whose owner must stop (an Escape
  // pressed from here left it open under Wine).
  void CloseMenu() const {
    auto open = [] {
      HWND menu = FindWindowA("#32768", nullptr);
      return menu && IsWindowVisible(menu);
    };
    if (!open()) return;
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(notepad_.edit(), WM_CANCELMODE, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                        &answer);
    WaitUntil([&] { return !open(); }, kReactionTimeoutMs);
  }

  bool Fail(const std::string& what, const DictionaryWord& word, std::string* failure) const {
    *failure = "\"" + Narrow(word.word) + "\": " + what;
    ReportMessageBoxes(processId_);
    return false;
  }

  HWND mainWindow_;
  DWORD processId_;
  Notepad notepad_{"", kNotepadPlace};
  std::vector<double> translationMs_;
  std::vector<double> lookupMs_;
  int repeats_ = 0;
};

const char* SourceNote(CountSource source) {
  switch (source) {
    case CountSource::kDocumented:
      return "";
    case CountSource::kAnotherWay:
      return " *";
    case CountSource::kNotGiven:
      return " (not given)";
  }
  return "";
}

// What the program held after the first 50 translations, half-way and at
// the end, and the translations between the first count and the last.
struct Counts {
  ProcessCounts first, middle, end;
  int translationsBetween = 0;
};

// The table of what was measured; true when nothing grew past its bound.
bool Report(const Soak& soak, const Counts& counts, int translations) {
  std::printf("soak: %d translations (hot key and mouse in turn), %zu dictionary lookups\n",
              translations + 1, soak.lookupMs().size());
  std::printf("  per translation: median %.1f ms, 90th percentile %.1f ms, maximum %.1f ms\n",
              Percentile(soak.translationMs(), 0.5), Percentile(soak.translationMs(), 0.9),
              Percentile(soak.translationMs(), 1.0));
  std::printf("  per lookup:      median %.1f ms, 90th percentile %.1f ms\n",
              Percentile(soak.lookupMs(), 0.5), Percentile(soak.lookupMs(), 0.9));
  std::printf("  presses or clicks repeated after %lu ms without an answer: %d\n", kPatienceMs,
              soak.repeats());
  std::printf("  %-16s %12s %12s %12s %10s %10s\n", "", "after 50", "half-way", "at the end",
              "growth", "bound");
  bool held = true;
  const ProcessCounts& end = counts.end;
  for (const Bound& bound : kBounds) {
    const Count& first = counts.first.*bound.count;
    const Count& after = end.*bound.count;
    const long long growth =
        static_cast<long long>(after.value) - static_cast<long long>(first.value);
    const uint64_t allowed =
        bound.growth + bound.perTranslation * static_cast<uint64_t>(counts.translationsBetween);
    const bool given = after.source != CountSource::kNotGiven;
    const bool within = !given || growth <= static_cast<long long>(allowed);
    held = held && within;
    std::printf("  %-16s %12llu %12llu %12llu %+10lld %10llu%s%s\n", bound.name,
                static_cast<unsigned long long>(first.value),
                static_cast<unsigned long long>((counts.middle.*bound.count).value),
                static_cast<unsigned long long>(after.value), growth,
                static_cast<unsigned long long>(allowed), SourceNote(after.source),
                within ? "" : "   <-- grew past its bound");
  }
  if (end.gdiObjects.source == CountSource::kAnotherWay)
    std::printf(
        "  * GetGuiResources is a stub under Wine (0, ERROR_CALL_NOT_IMPLEMENTED): GDI\n"
        "    objects are the used entries of the process's own GDI handle table.\n");
  if (end.userObjects.source == CountSource::kNotGiven)
    std::printf(
        "  USER objects: Wine gives no count (GetGuiResources is a stub) and none can be\n"
        "    taken from outside; the windows count stands for them (menus, icons,\n"
        "    cursors and hooks are not counted).\n");
  if (end.kernelHandles.source == CountSource::kAnotherWay)
    std::printf(
        "  * GetProcessHandleCount gives 0 under Wine: kernel handles are counted in the\n"
        "    system's handle list (NtQuerySystemInformation).\n");
  if (end.privateBytes.source == CountSource::kAnotherWay)
    std::printf(
        "  * PrivateUsage is 0 under Wine: private bytes are PagefileUsage, which Wine\n"
        "    fills with the process's resident anonymous memory.\n");
  return held;
}

int Failed(const std::string& why) {
  std::printf("soak: FAILED: %s\n", why.c_str());
  return 1;
}

int Run(int translations, int lookups, int distinct) {
  std::vector<DictionaryWord> dictionary;
  std::wstring error;
  if (!ReadDictionaryWords(kEnglish, kRussian, &dictionary, &error))
    return Failed("the English-Russian dictionary: " + Narrow(error));
  if (distinct > 0) dictionary = DrawWords(dictionary, static_cast<size_t>(distinct), kSeed);
  const std::vector<DictionaryWord> words =
      DrawWords(dictionary, static_cast<size_t>(translations + lookups + 1), kSeed);
  std::printf("soak: %zu words drawn from %zu of the dictionary (seed %u)\n", words.size(),
              dictionary.size(), kSeed);

  if (FindMainWindow()) return Failed("a program of an earlier run still runs");
  ForgetOptions();
  InstalledProgram program;
  HWND mainWindow = nullptr;
  if (!program.Start() || !(mainWindow = program.WaitForMainWindow(kStartTimeoutMs)))
    return Failed("the program did not start");
  if (!program.SkipSplash()) return Failed("the splash stayed");
  DWORD processId = 0;
  GetWindowThreadProcessId(mainWindow, &processId);
  std::unique_ptr<void, decltype(&CloseHandle)> opened(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId), &CloseHandle);
  HANDLE process = opened.get();
  if (!process) return Failed("the program's process cannot be asked");

  int result = 0;
  {
    Soak soak(mainWindow, processId);
    if (!soak.NotepadUp()) return Failed("notepad did not come up");
    const int baselineAfter = std::min(kBaselineAfter, translations / 2);
    const int spacing = std::max(1, translations / std::max(1, lookups));
    size_t next = 0;
    int lookedUp = 0;
    const int middleAfter = baselineAfter + (translations - baselineAfter) / 2;
    Counts counts;
    std::string failure;
    for (int i = 0; i < translations; ++i) {
      const Trigger trigger = i % 2 == 0 ? Trigger::kHotKey : Trigger::kMouse;
      if (!soak.Translate(words[next++], trigger, &failure))
        return Failed("translation " + std::to_string(i + 1) +
                      (trigger == Trigger::kHotKey ? " (hot key) " : " (mouse) ") + failure);
      if ((i + 1) % spacing == 0 && lookedUp < lookups) {
        if (!soak.LookUp(words[next++], &failure))
          return Failed("lookup " + std::to_string(lookedUp + 1) + " " + failure);
        ++lookedUp;
      }
      ProcessCounts* now = i + 1 == baselineAfter ? &counts.first
                           : i + 1 == middleAfter ? &counts.middle
                                                  : nullptr;
      if (now && (!soak.Answers() || !MeasureProcess(process, processId, now)))
        return Failed("the program could not be measured after " + std::to_string(i + 1));
    }
    for (; lookedUp < lookups; ++lookedUp)
      if (!soak.LookUp(words[next++], &failure)) return Failed("lookup " + failure);
    if (!soak.Answers()) return Failed("the program does not answer after the soak");
    if (!soak.Translate(words[next++], Trigger::kHotKey, &failure))
      return Failed("the translation after the soak " + failure);
    if (!soak.Answers() || !MeasureProcess(process, processId, &counts.end))
      return Failed("the program could not be measured at the end");
    counts.translationsBetween = translations + 1 - baselineAfter;
    if (!Report(soak, counts, translations)) result = Failed("the program grew");
  }
  program.CloseFromOutside();
  DWORD exitCode = 1;
  if (!program.WaitForExit(kExitTimeoutMs, &exitCode) || exitCode != 0)
    return Failed("the program did not end with exit code 0 on WM_CLOSE");
  if (result == 0) std::printf("soak: passed\n");
  return result;
}

}  // namespace

}  // namespace morvex::e2e

int main(int argc, char** argv) {
  const int translations = argc > 1 ? std::max(2, std::atoi(argv[1])) : 100;
  const int lookups = argc > 2 ? std::max(0, std::atoi(argv[2])) : 20;
  const int distinct = argc > 3 ? std::max(1, std::atoi(argv[3])) : 0;
  setvbuf(stdout, nullptr, _IONBF, 0);
  if (FAILED(OleInitialize(nullptr))) return morvex::e2e::Failed("OLE did not start");
  const int result = morvex::e2e::Run(translations, lookups, distinct);
  OleUninitialize();
  return result;
}
