// One day of use of the installed program, in order, in one running
// program, with Wine's notepad as the user's program holding the words:
// the start (splash, tray icon, a second start), the popup translation by
// the hot key and by Shift and the right button, the dictionary window (the
// clipboard's word, typing, a reference, the history), another dictionary
// from the shelf, the settings (colour, popup key, interface language), the
// about box, and Exit from the tray menu with everything kept for the next
// start. Each step is a test of the suite; the program, notepad and what
// the steps learned live on from one to the next.
//
// A failed step names what it checked, and the screen as it stood then is
// saved (its path is printed). With MORVEX_PICTURES_DIR set the README's
// pictures are saved there (docs/make-pictures.sh).
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "PrefStore.h"
#include "app/Resources.h"
#include "com/ComPtr.h"
#include "com/RegistryKey.h"
#include "com/WideText.h"
#include "e2e/InstalledProgram.h"
#include "e2e/TrayDriving.h"
#include "e2e/Notepad.h"
#include "e2e/Pictures.h"
#include "e2e/PopupDriving.h"
#include "harness/MouseInput.h"
#include "harness/ScreenPixels.h"
#include "harness/WindowProbe.h"
#include "mousehook/tests/RealInput.h"

namespace morvex::e2e {

namespace {

// The user's words in notepad, and where each starts.
constexpr char kWords[] = "water qzxjv house dictionary\r\n";
constexpr int kWaterAt = 0, kUnknownAt = 6, kHouseAt = 12;
constexpr RECT kNotepadPlace = {40, 60, 560, 360};
constexpr wchar_t kUserText[] = L"Текст пользователя";

constexpr int kListId = 616, kEntryId = 617, kArticleId = 618;
constexpr int kPageStripHostId = 1000, kViewerHostId = 1002, kShelfHostId = 1003;
constexpr int kShelfTreeId = 1000, kHistoryListId = 2000;
constexpr int kSettingsButtonId = 4000;
constexpr int kColourWellId = 227, kPopupHotKeyId = 224, kOkId = 228, kCancelId = 229;
constexpr int kFlagButtonId = 219, kLanguageNameId = 218;
constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;
constexpr POINT kBackgroundCaption = {44, 46};
constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr RECT kPlacement = {100, 120, 700, 560};
constexpr int kWordListRows = 50;
constexpr DWORD kNothingHappensMs = 1500;
constexpr COLORREF kLinkColour = RGB(255, 255, 0);
// The dialog's caption is read wide; the buttons' and the language's texts
// are the interface library's Windows-1251 bytes.
constexpr wchar_t kRussianSettingsCaption[] =
    L"\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0438";
constexpr char kRussianSettingsButton[] =
    "&\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8...";                          // "&Настройки..."
constexpr char kRussianTitle[] = "\xD1\xEB\xEE\xE2\xE0\xF0\xFC Morvex";  // "Словарь Morvex"
constexpr char kRussianOk[] = "&\xCE\xCA";                               // "&ОК"
constexpr char kRussianName[] = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";          // "Русский"

bool Holds(const std::wstring& text, const wchar_t* part) {
  return text.find(part) != std::wstring::npos;
}

std::string Narrow(const std::wstring& text) { return com::Utf8FromWide(text); }

std::string AnsiTextOf(HWND window) {
  char text[128] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

RECT RectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT Around(const RECT& a, const RECT& b, int margin) {
  return {std::min(a.left, b.left) - margin, std::min(a.top, b.top) - margin,
          std::max(a.right, b.right) + margin, std::max(a.bottom, b.bottom) + margin};
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

int PixelsOf(const RECT& area, COLORREF colour) {
  const harness::ScreenPixels pixels = harness::ScreenPixels::Capture(area);
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += pixels.At(x, y) == colour;
  return count;
}

bool IsFree(UINT modifiers, UINT key) {
  if (!RegisterHotKey(nullptr, 0x3FF1, modifiers, key)) return false;
  UnregisterHotKey(nullptr, 0x3FF1);
  return true;
}

// Answered once the program is back in its loop.
bool Settled(HWND window) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                             &answer) != 0;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// The window with the keyboard focus in the window's thread.
HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}

// A top-level window of the class belonging to the process, or null.
HWND WindowOfProcess(DWORD process, const wchar_t* className, const wchar_t* caption = L"") {
  for (HWND each : harness::FindWindows({className, caption}))
    if (ProcessOf(each) == process) return each;
  return nullptr;
}

bool Click(POINT at, harness::MouseButton button = harness::MouseButton::kLeft) {
  return harness::SendClick({at, button, false});
}

bool XClick(POINT at, int button) {
  return mousehook_test::StartXdotool(L"mousemove " + std::to_wstring(at.x) + L" " +
                                      std::to_wstring(at.y) + L" click " + std::to_wstring(button));
}

std::vector<std::wstring> ListRows(HWND list) {
  std::vector<std::wstring> rows;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring row(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                        reinterpret_cast<LPARAM>(row.data()));
    row.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    rows.push_back(row);
  }
  return rows;
}

std::wstring SelectedRow(HWND list) {
  const int row = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  const std::vector<std::wstring> rows = ListRows(list);
  return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)] : L"";
}

// The middle of the list's row on the screen.
POINT RowPoint(HWND list, int row) {
  const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client = {};
  GetClientRect(list, &client);
  POINT at = {client.right / 2, (row - top) * height + height / 2};
  ClientToScreen(list, &at);
  return at;
}

struct StoredDay {
  OLE_COLOR back = 0;
  long popupModifiers = 0, popupKey = 0;
  long languageId = 0;
  long dictionary = -1, langIn = 0, langOut = 0;
  RECT placement = {};
};

StoredDay ReadStoredDay() {
  StoredDay stored;
  com::Ptr<IVelMorvexOpt> options = ReadStoredOptions();
  if (!options) return stored;
  options->get_ColorBack(&stored.back);
  options->get_LangID(&stored.languageId);
  options->GetLastDictInfo(&stored.dictionary, &stored.langIn, &stored.langOut);
  options->get_Left(&stored.placement.left);
  options->get_Top(&stored.placement.top);
  options->get_Right(&stored.placement.right);
  options->get_Bottom(&stored.placement.bottom);
  StoredHotKey(options.Get(), HKCmdQuickTip, &stored.popupModifiers, &stored.popupKey);
  return stored;
}

// What lives from one step to the next.
struct Day {
  std::unique_ptr<InstalledProgram> program;
  HWND window = nullptr;
  std::unique_ptr<Notepad> notepad;
  // The popup key, as the settings leave it.
  const wchar_t* popupKey = L"ctrl+alt+s";
};

class DayOfUse : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    day_ = new Day;
    ForgetOptions();
  }
  static void TearDownTestSuite() {
    if (day_->program) {
      day_->program->CloseFromOutside();
      DWORD exitCode = 1;
      day_->program->WaitForExit(kExitTimeoutMs, &exitCode);
    }
    delete day_;
    day_ = nullptr;
    // The next test meets a fresh user.
    ForgetOptions();
  }
  void TearDown() override {
    if (!HasFailure()) return;
    const std::wstring shot = SaveFailureScreen(
        L"day-" +
        com::WideFromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::cout << "the screen when the step failed: " << Narrow(shot) << std::endl;
  }

  static Day& day() { return *day_; }
  static HWND Main() { return day_->window; }
  static HWND Child(int id, HWND root = nullptr) {
    return DescendantWithId(root ? root : day_->window, id);
  }

  // The dictionary page's entry, list and article.
  static HWND Entry() { return Child(kEntryId); }
  static HWND List() { return Child(kListId); }
  static HWND Article() { return Child(kArticleId); }

  static bool StartProgram() {
    day_->program = std::make_unique<InstalledProgram>();
    if (!day_->program->Start()) return false;
    day_->window = day_->program->WaitForMainWindow(kStartTimeoutMs);
    return day_->window != nullptr;
  }

  // The main window in front: shown by a double click on the tray icon
  // when hidden, then brought forward as a click on it brings it.
  static bool MainInFront() {
    if (!IsWindowVisible(Main())) PostMessageA(Main(), kTrayCallback, kIconId, WM_LBUTTONDBLCLK);
    return WaitUntil(
        [] {
          if (!IsWindowVisible(Main())) return false;
          if (GetForegroundWindow() != Main()) SetForegroundWindow(Main());
          return GetForegroundWindow() == Main();
        },
        kReactionTimeoutMs);
  }

  // The word selected in notepad and the popup key pressed: the tip.
  static ::testing::AssertionResult TipOf(int word, int start, Tip* tip) {
    // The program done with what came before (a dialog's end activates its
    // window, which would take the foreground back from notepad).
    if (!day_->notepad || !day_->notepad->window())
      return ::testing::AssertionFailure() << "no notepad (step 2 opens it)";
    if (!Settled(Main())) return ::testing::AssertionFailure() << "the program does not answer";
    if (!day_->notepad->SelectWord(word, start) || !day_->notepad->BringForward()) {
      const DWORD selection = day_->notepad->Selection();
      return ::testing::AssertionFailure()
             << "the word is not selected in notepad in front: " << LOWORD(selection) << "-"
             << HIWORD(selection);
    }
    // Under Wine the first press of a key just after the foreground moved
    // from the program's window to notepad is at times not taken; a user
    // who sees no tip presses again.
    constexpr int kPresses = 2;
    for (int press = 0; press < kPresses; ++press) {
      if (!Press(day_->popupKey)) return ::testing::AssertionFailure() << "the key is not sent";
      if (WaitForTip(tip, kReactionTimeoutMs / kPresses)) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "no tip after " << kPresses << " presses";
  }

  // Escape hides the tip and, when it is shown, the main window too.
  static bool HideTip() {
    return Press(L"esc") &&
           WaitUntil([] { return !TipShown() && !IsWindowVisible(Main()); }, kReactionTimeoutMs);
  }

  // The word typed into the entry over what it held, as a user types it.
  static bool TypeIntoEntry(const std::wstring& word) {
    HWND entry = Entry();
    if (!entry || !MainInFront() ||
        !ClickUntil([&] { return MiddleOf(entry); }, [&] { return FocusOf(Main()) == entry; },
                    kReactionTimeoutMs) ||
        !Press(L"end") || !Press(L"shift+home")) {
      return false;
    }
    for (wchar_t letter : word) {
      const wchar_t key[2] = {letter, 0};
      if (!Press(key)) return false;
    }
    return true;
  }

  // The shelf's tree on the collection page, focused by a click below its
  // rows (the page strip's last header opens the page).
  static HWND OpenShelf(std::string* why) {
    if (!MainInFront()) {
      *why =
          IsWindowVisible(Main()) ? "the main window is not in front" : "the main window is hidden";
      return nullptr;
    }
    HWND shelf = Child(kShelfHostId);
    HWND tree = shelf ? Child(kShelfTreeId, shelf) : nullptr;
    if (!tree) {
      *why = "no shelf";
      return nullptr;
    }
    // Where the strip stands at each click: a window just shown may still
    // be laying itself out.
    auto header = [] {
      const RECT strip = RectOf(Child(kPageStripHostId));
      return POINT{(strip.left + strip.right) / 2, strip.bottom - 8};
    };
    if (!ClickUntil(
            header, [&] { return IsWindowVisible(tree) != FALSE; }, kReactionTimeoutMs)) {
      *why = "a click on the collection's header shows no shelf";
      return nullptr;
    }
    const RECT area = RectOf(tree);
    Click({(area.left + area.right) / 2, area.bottom - 4});
    return tree;
  }

  static HWND OpenSettings(const wchar_t* caption) {
    if (!MainInFront() || !Settled(Main())) return nullptr;
    HWND button = GetDlgItem(GetDlgItem(Main(), kStatusBarId), kSettingsButtonId);
    if (!button || !Click(MiddleOf(button))) return nullptr;
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
          return (dialog = WindowOfProcess(ProcessOf(Main()), harness::kDialogClass, caption)) !=
                 nullptr;
        },
        kReactionTimeoutMs);
    return dialog;
  }

  static POINT StatusBarMiddle() {
    const RECT bar = RectOf(GetDlgItem(Main(), kStatusBarId));
    return {bar.right - 60, (bar.top + bar.bottom) / 2};
  }

  static std::string SettingsButtonText() {
    return AnsiTextOf(GetDlgItem(GetDlgItem(Main(), kStatusBarId), kSettingsButtonId));
  }

  static Day* day_;
};

Day* DayOfUse::day_ = nullptr;

TEST_F(DayOfUse, Step1TheSplashThenTheTrayIconAndASecondStartBringsTheFirstForward) {
  ASSERT_TRUE(mousehook_test::XdotoolFound()) << "xdotool for the tray's real clicks";
  ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
  ASSERT_TRUE(StartProgram()) << "the installed program starts and places its window";
  HWND splash = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (splash = VisibleSplash()) != nullptr; }, kStartTimeoutMs))
      << "the splash shows first";
  EXPECT_FALSE(IconPresent(Main())) << "no tray icon while the splash is up";
  const RECT splashRect = RectOf(splash);
  EXPECT_TRUE(WaitUntil([&] { return PixelsOf(splashRect, kLinkColour) > 20; }, kReactionTimeoutMs))
      << "the splash painted, its link yellow";
  EXPECT_TRUE(SavePicture(L"splash", splashRect));
  EXPECT_TRUE(WaitUntil([] { return IconPresent(Main()) && TrayIconWindow(); }, kStartTimeoutMs))
      << "the tray icon comes after the splash";
  EXPECT_EQ(VisibleSplash(), nullptr) << "the splash is gone";
  EXPECT_FALSE(IsWindowVisible(Main())) << "the window stays hidden in the tray";

  InstalledProgram second;
  ASSERT_TRUE(second.Start());
  DWORD exitCode = 1;
  ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs, &exitCode)) << "a second start ends";
  EXPECT_EQ(exitCode, 0u) << "the second start's exit code";
  EXPECT_EQ(CountMainWindows(), 1) << "one program";
  EXPECT_TRUE(WaitUntil([] { return IsWindowVisible(Main()) != FALSE; }, kReactionTimeoutMs))
      << "a second start brings the first's window forward";
  PostMessageA(Main(), WM_COMMAND, ID_CMD_HIDE, 0);
  EXPECT_TRUE(WaitUntil([] { return !IsWindowVisible(Main()); }, kReactionTimeoutMs));
}

TEST_F(DayOfUse, Step2ThePopupTranslatesWordsOfNotepadAndKeepsTheClipboard) {
  ASSERT_NE(Main(), nullptr) << "the program of step 1";
  day().notepad = std::make_unique<Notepad>(kWords, kNotepadPlace);
  HWND notepad = day().notepad->window();
  ASSERT_NE(notepad, nullptr) << "Wine's notepad opened on the words";
  ASSERT_TRUE(PutClipboardText(kUserText));

  {
    SCOPED_TRACE("\"water\" by the hot key: the tip over notepad");
    Tip tip;
    ASSERT_TRUE(TipOf(0, kWaterAt, &tip)) << "a tip after Ctrl+Alt+S";
    EXPECT_EQ(tip.header, L"water");
    EXPECT_TRUE(Holds(tip.body, L"вода")) << Narrow(tip.body);
    const RECT frame = RectOf(notepad);
    const POINT middle = MiddleOf(tip.window);
    EXPECT_NEAR(middle.x, (frame.left + frame.right) / 2, 1) << "centred on notepad";
    EXPECT_NEAR(middle.y, (frame.top + frame.bottom) / 2, 1);
    // Painted: the article's text over the tip's colour.
    const RECT body = RectOf(DescendantWithId(tip.window, kTipBodyId));
    const RECT header = RectOf(DescendantWithId(tip.window, kTipHeaderId));
    EXPECT_TRUE(WaitUntil(
        [&] {
          return PixelsOf(body, GetSysColor(COLOR_INFOTEXT)) > 20 &&
                 PixelsOf(header, GetSysColor(COLOR_INFOTEXT)) > 5;
        },
        kReactionTimeoutMs))
        << "the tip's word and article painted";
    EXPECT_TRUE(SavePicture(L"popup", Around(frame, tip.place, 10)));
    EXPECT_EQ(ClipboardText(), kUserText) << "the user's clipboard text is kept";
    EXPECT_TRUE(HideTip()) << "Escape hides the tip (and the hidden window stays hidden)";
  }
  {
    SCOPED_TRACE("a word not in the dictionary");
    Tip tip;
    ASSERT_TRUE(TipOf(1, kUnknownAt, &tip)) << "a tip for a word not in the dictionary";
    // Not found as it stands, the word is looked for ever shorter: the
    // longest beginning the dictionary holds ("q", the letter) answers.
    EXPECT_EQ(tip.header, L"q") << "the longest beginning of the word the dictionary holds";
    EXPECT_TRUE(Holds(tip.body, L"буква")) << "that word's article: " << Narrow(tip.body);
    EXPECT_EQ(ClipboardText(), kUserText) << "the user's clipboard text is kept";
    EXPECT_TRUE(HideTip()) << "Escape hides the tip";
  }
  {
    SCOPED_TRACE("a Shift+right-click on \"house\": the tip at the click");
    const POINT at = day().notepad->PointOf(kHouseAt + 1);
    ASSERT_TRUE(day().notepad->BringForward());
    // A double click on the X display selects the word, as a user does
    // before asking; the X keyboard's Shift then goes to notepad too.
    ASSERT_TRUE(mousehook_test::StartXdotool(L"mousemove " + std::to_wstring(at.x) + L" " +
                                             std::to_wstring(at.y) + L" click --repeat 2 " +
                                             std::to_wstring(mousehook_test::kXLeftButton)));
    ASSERT_TRUE(WaitUntil([] { return LOWORD(day().notepad->Selection()) == kHouseAt; },
                          kReactionTimeoutMs))
        << "the double click selects \"house\"";
    {
      mousehook_test::HeldKey shift(L"shift", VK_SHIFT);
      ASSERT_TRUE(shift.down());
      ASSERT_TRUE(XClick(at, mousehook_test::kXRightButton));
      Tip tip;
      ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "a tip after the Shift+right-click";
      EXPECT_EQ(tip.header, L"house");
      EXPECT_TRUE(Holds(tip.body, L"дом")) << Narrow(tip.body);
      EXPECT_EQ(tip.place.left, at.x) << "at the click";
      EXPECT_EQ(tip.place.top, at.y);
    }
    EXPECT_EQ(ClipboardText(), kUserText) << "the user's clipboard text is kept";
    EXPECT_TRUE(HideTip()) << "Escape hides the tip";
  }
}

TEST_F(DayOfUse, Step3TheDictionaryWindowLooksUpTypesFollowsAndGoesBack) {
  ASSERT_NE(Main(), nullptr) << "the program of step 1";
  ASSERT_TRUE(PutClipboardText(L"dictionary"));
  ASSERT_TRUE(Press(L"ctrl+alt+x"));
  EXPECT_TRUE(WaitUntil(
      [] {
        return IsWindowVisible(Main()) && Article() && IsWindowVisible(Article()) &&
               TextOf(Entry()) == L"dictionary" && Holds(TextOf(Article()), L"словарь");
      },
      kReactionTimeoutMs))
      << "Ctrl+Alt+X shows the clipboard's word on the dictionary page, with its article";
  EXPECT_EQ(SelectedRow(List()), L"dictionary") << "the list's row";
  // Made larger, as a user makes it for reading; kept at Exit (step 7).
  SetWindowPos(Main(), nullptr, kPlacement.left, kPlacement.top, kPlacement.right - kPlacement.left,
               kPlacement.bottom - kPlacement.top, SWP_NOZORDER);
  // The screen under Xvfb is black where a window has not painted yet.
  auto painted = [](HWND window) {
    const RECT rect = RectOf(window);
    return ScreenPixel({rect.left + 2, rect.top + 2}) != RGB(0, 0, 0) &&
           ScreenPixel(MiddleOf(window)) != RGB(0, 0, 0);
  };
  EXPECT_TRUE(WaitUntil([&] { return painted(List()) && painted(Entry()) && painted(Article()); },
                        kReactionTimeoutMs))
      << "repainted at its new size";
  EXPECT_TRUE(SavePicture(L"dictionary", RectOf(Main())));

  {
    SCOPED_TRACE("typing \"hous\" moves the word list");
    const std::wstring firstBefore = ListRows(List()).empty() ? L"" : ListRows(List()).front();
    ASSERT_TRUE(TypeIntoEntry(L"hous"));
    EXPECT_TRUE(
        WaitUntil([] { return SelectedRow(List()).rfind(L"hous", 0) == 0; }, kReactionTimeoutMs))
        << "the row selected: " << Narrow(SelectedRow(List()));
    const std::vector<std::wstring> rows = ListRows(List());
    EXPECT_EQ(rows.size(), static_cast<size_t>(kWordListRows)) << "the list's rows";
    EXPECT_NE(rows.empty() ? L"" : rows.front(), firstBefore) << "the list moved";
    EXPECT_TRUE(WaitUntil([] { return Holds(TextOf(Article()), L"дом"); }, kReactionTimeoutMs))
        << "the article follows the list";
  }
  {
    SCOPED_TRACE("the reference \"colour\" in the article of \"color\"");
    ASSERT_TRUE(TypeIntoEntry(L"color"));
    ASSERT_TRUE(WaitUntil(
        [] { return SelectedRow(List()) == L"color" && Holds(TextOf(Article()), L"colour"); },
        kReactionTimeoutMs))
        << "the article of \"color\": " << Narrow(TextOf(Article()));
    // The article's text counts a paragraph's end as one character.
    auto linkPoint = [] {
      const std::wstring text = TextOf(Article());
      const size_t found = text.rfind(L"colour");
      LONG index = static_cast<LONG>(found);
      for (size_t i = 0; i < found; ++i) index -= text.compare(i, 2, L"\r\n") == 0;
      const LRESULT packed = SendMessageW(Article(), EM_POSFROMCHAR, index + 1, 0);
      POINT at = {static_cast<short>(LOWORD(packed)) + 1, static_cast<short>(HIWORD(packed)) + 5};
      ClientToScreen(Article(), &at);
      return at;
    };
    SendMessageW(Article(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_TRUE(ClickUntil(
        linkPoint, [] { return TextOf(Entry()) == L"colour"; }, kReactionTimeoutMs))
        << "a click on the reference looks its word up; the entry: " << Narrow(TextOf(Entry()));
    EXPECT_TRUE(WaitUntil([] { return SelectedRow(List()) == L"colour"; }, kReactionTimeoutMs));
  }
  {
    SCOPED_TRACE("the history brings \"house\" back");
    ASSERT_TRUE(MainInFront());
    ASSERT_TRUE(ClickUntil([] { return MiddleOf(Entry()); },
                           [] { return FocusOf(Main()) == Entry(); }, kReactionTimeoutMs))
        << "a click puts the focus in the entry";
    ASSERT_TRUE(Press(L"enter"));
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
          popup = FindWindowA("VelPopUpListBox", nullptr);
          return popup && IsWindowVisible(popup);
        },
        kReactionTimeoutMs))
        << "Enter in the entry lists the words looked up";
    HWND history = GetDlgItem(popup, kHistoryListId);
    const std::vector<std::wstring> rows = ListRows(history);
    // The words typed before the current one.
    int row = -1;
    std::wstring listed;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i] == L"house") row = static_cast<int>(i);
      listed += L" \"" + rows[i] + L"\"";
    }
    ASSERT_GE(row, 0) << "\"house\" in the history:" << Narrow(listed);
    EXPECT_TRUE(ClickUntil([&] { return RowPoint(history, row); },
                           [] { return TextOf(Entry()) == L"house"; }, kReactionTimeoutMs))
        << "a click on it looks it up again";
    EXPECT_TRUE(WaitUntil([] { return Holds(TextOf(Article()), L"дом"); }, kReactionTimeoutMs));
    EXPECT_FALSE(IsWindowVisible(popup)) << "the history closes";
  }
}

TEST_F(DayOfUse, Step4EnglishFrenchChosenOnTheShelfTurnsTheArticlesFrench) {
  ASSERT_NE(Main(), nullptr) << "the program of step 1";
  std::string why;
  ASSERT_NE(OpenShelf(&why), nullptr) << "the collection page and its shelf: " << why;
  ASSERT_TRUE(Press(L"down")) << "the next dictionary, English-French";
  // The word of the history, "house", in French.
  EXPECT_TRUE(WaitUntil([] { return Holds(TextOf(Article()), L"maison"); }, kReactionTimeoutMs))
      << "the viewer's article turns French: " << Narrow(TextOf(Article()));
  EXPECT_TRUE(SavePicture(L"collection", RectOf(Main())));
  ASSERT_TRUE(Press(L"enter"));
  EXPECT_TRUE(
      WaitUntil([] { return IsWindowVisible(Child(kViewerHostId)) != FALSE; }, kReactionTimeoutMs))
      << "Enter opens the dictionary page";
  {
    SCOPED_TRACE("the tip turns French too");
    Tip tip;
    ASSERT_TRUE(TipOf(0, kWaterAt, &tip));
    EXPECT_TRUE(Holds(tip.body, L"eau")) << Narrow(tip.body);
    EXPECT_TRUE(HideTip()) << "Escape hides the tip and the window behind it";
  }
  // The window Escape hid comes back with the dictionary key.
  ASSERT_TRUE(PutClipboardText(L"house"));
  ASSERT_TRUE(Press(L"ctrl+alt+x"));
  ASSERT_TRUE(
      WaitUntil([] { return IsWindowVisible(Article()) && Holds(TextOf(Article()), L"maison"); },
                kReactionTimeoutMs))
      << "Ctrl+Alt+X shows the dictionary page, still English-French";
  ASSERT_NE(OpenShelf(&why), nullptr) << "the shelf again: " << why;
  ASSERT_TRUE(Press(L"up")) << "back to English-Russian";
  EXPECT_TRUE(WaitUntil([] { return Holds(TextOf(Article()), L"дом"); }, kReactionTimeoutMs))
      << "the viewer's article is Russian again";
  ASSERT_TRUE(Press(L"enter"));
}

TEST_F(DayOfUse, Step5SettingsColourPopupKeyAndRussianApplyAtOnce) {
  ASSERT_NE(Main(), nullptr) << "the program of step 1";
  HWND dialog = OpenSettings(L"Settings");
  ASSERT_NE(dialog, nullptr) << "the Settings button opens the dialog";

  // The Background area, then red 255, green 128, blue 0 in the colour dialog.
  ASSERT_TRUE(Click([&] {
    POINT at = kBackgroundCaption;
    ClientToScreen(GetDlgItem(dialog, kColourWellId), &at);
    return at;
  }()));
  HWND colours = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (HWND each : harness::FindWindows({harness::kDialogClass, L""}))
          if (each != dialog && GetDlgItem(each, kRedField)) colours = each;
        return colours != nullptr;
      },
      kReactionTimeoutMs))
      << "a click on the background opens the colour dialog";
  const struct {
    int field;
    const wchar_t* value;
  } channels[] = {{kRedField, L"255"}, {kGreenField, L"128"}, {kBlueField, L"0"}};
  for (const auto& channel : channels)
    SendMessageW(GetDlgItem(colours, channel.field), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(channel.value));
  SendMessageW(colours, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(colours, IDOK)));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(colours); }, kReactionTimeoutMs));

  SetForegroundWindow(dialog);
  ASSERT_TRUE(Press(L"alt+p"));
  ASSERT_TRUE(Press(L"ctrl+alt+q"));
  EXPECT_TRUE(WaitUntil(
      [&] {
        return SendMessageW(GetDlgItem(dialog, kPopupHotKeyId), HKM_GETHOTKEY, 0, 0) == 0x651;
      },
      kReactionTimeoutMs))
      << "the popup field takes Ctrl+Alt+Q";

  // Before the language menu: under Wine the dialog leaves the closed
  // menu's picture standing over its language box.
  EXPECT_TRUE(SavePicture(L"settings", RectOf(dialog)));

  ASSERT_TRUE(Click(MiddleOf(GetDlgItem(dialog, kFlagButtonId))));
  ASSERT_TRUE(WaitUntil([&] { return WindowOfProcess(ProcessOf(Main()), L"#32768") != nullptr; },
                        kReactionTimeoutMs))
      << "the flag button opens the language menu";
  ASSERT_TRUE(Press(L"down") && Press(L"down") && Press(L"enter"));
  EXPECT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(dialog, kLanguageNameId)) == L"Russian"; },
                        kReactionTimeoutMs))
      << "the dialog names Russian";
  ASSERT_TRUE(Click(MiddleOf(GetDlgItem(dialog, kOkId))));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, kReactionTimeoutMs)) << "OK closes it";
  // The dialog's end gives the foreground back to the main window; notepad
  // is brought forward only after that.
  ASSERT_TRUE(Settled(Main()));
  EXPECT_TRUE(WaitUntil([] { return GetForegroundWindow() == Main(); }, kReactionTimeoutMs))
      << "the main window in front again";

  EXPECT_TRUE(
      WaitUntil([] { return ScreenPixel(StatusBarMiddle()) == kOrange; }, kReactionTimeoutMs))
      << "the status bar in the new colour at once";
  EXPECT_TRUE(
      WaitUntil([] { return SettingsButtonText() == kRussianSettingsButton; }, kReactionTimeoutMs))
      << "the Settings button in Russian: " << SettingsButtonText();
  EXPECT_EQ(AnsiTextOf(Main()), kRussianTitle) << "the window's title in Russian";
  {
    SCOPED_TRACE("the new popup key works, the old does not");
    // Pressed before any probe of the keys: a probe made before the program
    // has registered them again would take the key from it.
    day().popupKey = L"ctrl+alt+q";
    Tip tip;
    EXPECT_TRUE(TipOf(0, kWaterAt, &tip)) << "a tip after Ctrl+Alt+Q";
    EXPECT_TRUE(Holds(tip.body, L"вода")) << Narrow(tip.body);
    // The colour is the window's interface colour; the tip keeps the
    // system's tooltip colour.
    const RECT body = RectOf(DescendantWithId(tip.window, kTipBodyId));
    const int area = (body.right - body.left) * (body.bottom - body.top);
    EXPECT_TRUE(WaitUntil([&] { return PixelsOf(body, GetSysColor(COLOR_INFOBK)) > area / 2; },
                          kReactionTimeoutMs))
        << "the tip in its own colour";
    EXPECT_EQ(PixelsOf(body, kOrange), 0) << "no orange in the tip";
    EXPECT_TRUE(HideTip()) << "Escape hides the tip and the window behind it";
    ASSERT_TRUE(day().notepad && day().notepad->SelectWord(0, kWaterAt));
    ASSERT_TRUE(Press(L"ctrl+alt+s"));
    EXPECT_FALSE(WaitUntil(TipShown, kNothingHappensMs)) << "Ctrl+Alt+S gives no tip";
    EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, 'Q')) << "the program holds the new key";
    EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, 'S')) << "and let the old one go";
  }
  {
    SCOPED_TRACE("the dialog in Russian");
    HWND russian = OpenSettings(kRussianSettingsCaption);
    ASSERT_NE(russian, nullptr) << "the dialog captioned in Russian";
    EXPECT_EQ(AnsiTextOf(GetDlgItem(russian, kLanguageNameId)), kRussianName);
    EXPECT_EQ(AnsiTextOf(GetDlgItem(russian, kOkId)), kRussianOk) << "its OK in Russian";
    ASSERT_TRUE(Click(MiddleOf(GetDlgItem(russian, kCancelId))));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(russian); }, kReactionTimeoutMs));
  }
}

TEST_F(DayOfUse, Step6TheAboutBoxGrowsWithItsLinkAndCloses) {
  ASSERT_NE(Main(), nullptr) << "the program of step 1";
  ASSERT_TRUE(Settled(Main()));
  const DWORD asked = GetTickCount();
  PostMessageA(Main(), WM_COMMAND, ID_CMD_ABOUT, 0);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (about = VisibleSplash()) != nullptr; }, kReactionTimeoutMs))
      << "About shows the box";
  const DWORD grown = GetTickCount() - asked;
  EXPECT_GE(grown, 100u) << "the box shows after its frames grew out of the tray";
  // Where the link stands is asked anew: the box lays out its children
  // after it shows.
  EXPECT_TRUE(WaitUntil(
      [&] { return PixelsOf(RectOf(DescendantOfClass(about, "Static")), kLinkColour) > 20; },
      kReactionTimeoutMs))
      << "its link, drawn yellow";
  EXPECT_TRUE(SavePicture(L"about", RectOf(about)));
  HWND ok = DescendantOfClass(about, "Button");
  ASSERT_NE(ok, nullptr) << "its OK";
  ASSERT_TRUE(Click(MiddleOf(ok)));
  EXPECT_TRUE(WaitUntil([] { return FindWindowA("VelSplashAboutHost", nullptr) == nullptr; },
                        kReactionTimeoutMs))
      << "OK closes the box";
}

TEST_F(DayOfUse, Step7ExitFromTheTrayKeepsTheDayForTheNextStart) {
  ASSERT_NE(Main(), nullptr) << "the program of step 1";
  SetWindowPos(Main(), nullptr, kPlacement.left, kPlacement.top, kPlacement.right - kPlacement.left,
               kPlacement.bottom - kPlacement.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The window put away with Escape, as a user leaves it before going to
  // the tray.
  ASSERT_TRUE(MainInFront());
  ASSERT_TRUE(Press(L"esc"));
  EXPECT_TRUE(WaitUntil([] { return !IsWindowVisible(Main()); }, kReactionTimeoutMs))
      << "Escape hides the window";
  HWND icon = TrayIconWindow();
  ASSERT_NE(icon, nullptr) << "the tray icon";
  HWND menu = OpenTrayMenu(Main(), MiddleOf(icon));
  ASSERT_NE(menu, nullptr) << "a right click on the icon opens the tray menu";
  // Exit is the menu's last row, whatever the interface language names it:
  // Up from no row chooses it.
  ASSERT_TRUE(Press(L"up") && Press(L"enter")) << "Exit chosen in the menu";
  DWORD exitCode = 1;
  const bool gone = WaitUntil([] { return FindMainWindow() == nullptr; }, kExitTimeoutMs);
  ASSERT_TRUE(gone) << "Exit ends the program; the menu "
                    << (WindowOfProcess(ProcessOf(Main()), L"#32768") ? "still open" : "closed")
                    << ", the window " << (IsWindowEnabled(Main()) ? "enabled" : "disabled")
                    << (IsWindowVisible(Main()) ? " and shown" : " and hidden");
  ASSERT_TRUE(day().program->WaitForExit(kExitTimeoutMs, &exitCode)) << "the process ends";
  EXPECT_EQ(exitCode, 0u) << "its exit code";
  day().program.reset();
  EXPECT_TRUE(WaitUntil([] { return TrayIconWindow() == nullptr; }, kReactionTimeoutMs))
      << "the icon is gone";

  const StoredDay stored = ReadStoredDay();
  EXPECT_TRUE(EqualRect(&stored.placement, &kPlacement)) << "the placement kept";
  EXPECT_EQ(stored.dictionary, 0) << "the last dictionary's theme";
  EXPECT_EQ(stored.langIn, 1033) << "the last dictionary: English-Russian";
  EXPECT_EQ(stored.langOut, 1049);
  EXPECT_EQ(stored.back, static_cast<OLE_COLOR>(kOrange)) << "the colour kept";
  EXPECT_EQ(stored.popupModifiers, MOD_CONTROL | MOD_ALT) << "the popup key kept";
  EXPECT_EQ(stored.popupKey, 'Q');
  EXPECT_EQ(stored.languageId, 1049) << "the interface language kept";

  SCOPED_TRACE("the next start restores them");
  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(day().program->SkipSplash());
  const RECT placed = RectOf(Main());
  EXPECT_TRUE(EqualRect(&placed, &kPlacement)) << "the window where it was";
  ASSERT_TRUE(Settled(Main()));
  EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, 'Q')) << "the popup key";
  EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, 'S'));
  EXPECT_EQ(SettingsButtonText(), kRussianSettingsButton) << "Russian";
  EXPECT_EQ(AnsiTextOf(Main()), kRussianTitle);
  ASSERT_TRUE(PutClipboardText(L"house"));
  ASSERT_TRUE(Press(L"ctrl+alt+x"));
  EXPECT_TRUE(WaitUntil([] { return Holds(TextOf(Article()), L"дом"); }, kReactionTimeoutMs))
      << "English-Russian the current dictionary";
  EXPECT_TRUE(
      WaitUntil([] { return ScreenPixel(StatusBarMiddle()) == kOrange; }, kReactionTimeoutMs))
      << "the status bar in the kept colour";
}

}  // namespace

}  // namespace morvex::e2e
