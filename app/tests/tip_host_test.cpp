// The tip host as the main window makes it, over a recording main window:
// created hidden with its tip, the tip's requests reaching the main window,
// and the popup translation of a word selected in another program
// (selection_target.exe) from the shelf's small English-Russian dictionary,
// the user's clipboard text there before and after.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "LexiconHub.h"
#include "app/NotRegisteredError.h"
#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "app/TipHost.h"
#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/ComPtr.h"
#include "com/WideText.h"
#include "com/testing/MessagePump.h"
#include "harness/ChildProcess.h"
#include "harness/WindowProbe.h"

namespace morvex::solo {
namespace {

constexpr UINT kHeaderId = 621;
constexpr UINT kBodyId = 622;
constexpr UINT kButtonId = 619;
constexpr wchar_t kTargetClass[] = L"MorvexSelectionTarget";
constexpr RECT kTargetPlace = {200, 150, 600, 350};  // as selection_target.exe puts itself
constexpr wchar_t kUserText[] = L"Текст пользователя";
constexpr long kEnglish = 1033 & 0x3FF;
constexpr DWORD kBoundMs = 5000;

// What the main window heard from the tip host.
struct Heard {
  UINT message;
  WPARAM wParam;
  POINT point;
};
std::vector<Heard> heard;

LRESULT CALLBACK RecordingMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIP_CHANGELANG || message == WM_TIP_EDITMENU || message == WM_TIP_SHOWINDICT) {
    POINT point = {};
    if (lParam) point = *reinterpret_cast<const POINT*>(lParam);
    heard.push_back({message, wParam, point});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND DescendantWithId(HWND root, UINT id) {
  return harness::FindDescendant(
      root, [&](HWND child) { return GetDlgCtrlID(child) == static_cast<int>(id); });
}

std::wstring TextOf(HWND window) {
  wchar_t text[4096] = {};
  GetWindowTextW(window, text, 4096);
  return text;
}

POINT CentreOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool PutUserText(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  const size_t size = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(memory), text.c_str(), size);
  GlobalUnlock(memory);
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return put;
}

std::wstring UnicodeClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<the clipboard cannot be opened>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::wstring WindowsPath(const char* path) {
  std::wstring windowsPath = com::WideFromAnsi(path);
  for (wchar_t& c : windowsPath) {
    if (c == L'/') c = L'\\';
  }
  return windowsPath;
}

template <class Interface>
com::Ptr<Interface> CreateByProgId(const wchar_t* progId) {
  CLSID clsid = {};
  com::Ptr<Interface> object;
  const HRESULT created = SUCCEEDED(CLSIDFromProgID(progId, &clsid))
                              ? CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER,
                                                 __uuidof(Interface), object.PutVoid())
                              : REGDB_E_CLASSNOTREG;
  EXPECT_EQ(created, S_OK) << com::AnsiFromWide(progId);
  return object;
}

// The dictionary system lists what the installer wrote, at least one
// theme; a build's prefix has none, so the test writes an empty theme for
// its length and removes it again.
class DictionaryLists {
 public:
  DictionaryLists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDictionaryKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      return;
    }
    const std::string theme = std::string(kDictionaryKey) + "\\0";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, theme.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
      RegCloseKey(key);
      written_ = true;
    }
  }
  ~DictionaryLists() {
    if (written_) RegDeleteTreeA(HKEY_CURRENT_USER, kDictionaryKey);
  }

 private:
  static constexpr char kDictionaryKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Dictionary";
  bool written_ = false;
};

// The dictionary system on the build's language data, which the engine
// needs before any dictionary opens.
com::Ptr<ILexiconHub> StartDictionarySystem() {
  com::Ptr<ILexiconHub> system = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  if (!system) return nullptr;
  EXPECT_EQ(
      system->put_PathToData(com::Bstr((WindowsPath(TIP_TEST_DATA_DIR) + L"\\").c_str()).Get()),
      S_OK);
  EXPECT_EQ(system->Init(), S_OK);
  return system;
}

com::Ptr<IVelDictionary> OpenTestDictionary() {
  com::Ptr<IVelDictionary> dictionary = CreateByProgId<IVelDictionary>(L"LexiconHub.VelDictionary");
  if (!dictionary) return nullptr;
  dictionary->put_AccessMode(vdsModeCreate);
  dictionary->put_DicFileName(com::Bstr(WindowsPath(TIP_TEST_DICTIONARY).c_str()).Get());
  const HRESULT opened = dictionary->Open(vdsOpenRead);
  EXPECT_EQ(opened, S_OK) << TIP_TEST_DICTIONARY;
  return SUCCEEDED(opened) ? dictionary : nullptr;
}

// A program of the user's with a word selected; its frame once it is ready.
class Target {
 public:
  HWND Start(const wchar_t* mode, const wchar_t* text) {
    const std::wstring command =
        harness::QuoteArgument(harness::ProgramBeside(L"selection_target.exe")) + L" " + mode +
        L" " + harness::QuoteArgument(text);
    if (!process_.Start(command)) return nullptr;
    const bool captionIsText = std::wstring(mode) == L"delayed";
    return harness::WaitForWindow({kTargetClass, captionIsText ? text : L"ready"}, kBoundMs);
  }

 private:
  harness::ChildProcess process_;
};

class TipHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    ASSERT_TRUE(com::AtlAxWinInit());
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingMainWindow;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TipHostTestMain";
    RegisterClassA(&windowClass);
    mainWindow_ = CreateWindowExA(0, "TipHostTestMain", "", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(mainWindow_, nullptr);
    tip_ = std::make_unique<CTipHost>();
    ASSERT_TRUE(tip_->Create(mainWindow_));
    tip_->SetMainWindow(mainWindow_);
    system_ = StartDictionarySystem();
    dictionary_ = OpenTestDictionary();
    ASSERT_TRUE(dictionary_);
    heard.clear();
    // What the user copied last, to be found there after every capture.
    ASSERT_TRUE(PutUserText(mainWindow_, kUserText));
  }
  void TearDown() override {
    tip_.reset();
    dictionary_.Reset();
    system_.Reset();
    DestroyWindow(mainWindow_);
    OleUninitialize();
  }

  HWND Host() const { return tip_->handle(); }
  HWND Part(UINT id) const { return DescendantWithId(tip_->controlHost(), id); }

  HWND mainWindow_ = nullptr;
  std::unique_ptr<CTipHost> tip_;
  DictionaryLists lists_;
  com::Ptr<ILexiconHub> system_;
  com::Ptr<IVelDictionary> dictionary_;
};

TEST_F(TipHostTest, IsCreatedHiddenOwnedByTheMainWindowWithItsTipInside) {
  char className[64] = {};
  GetClassNameA(Host(), className, sizeof className);
  EXPECT_STREQ(className, "QuickHintHost");
  EXPECT_FALSE(IsWindowVisible(Host()));
  EXPECT_EQ(GetWindow(Host(), GW_OWNER), mainWindow_);
  EXPECT_TRUE(GetWindowLongPtrA(Host(), GWL_STYLE) & WS_POPUP);
  ASSERT_NE(tip_->controlHost(), nullptr);
  EXPECT_EQ(GetDlgCtrlID(tip_->controlHost()), 2000);
  EXPECT_TRUE(com::HostHasControl(tip_->controlHost()));
  EXPECT_NE(Part(kBodyId), nullptr);

  // Nothing to look up again yet: the tip stays hidden.
  tip_->Retranslate(dictionary_.Get());
  EXPECT_FALSE(IsWindowVisible(Host()));
}

TEST_F(TipHostTest, TheTipsRequestsReachTheMainWindow) {
  tip_->LookUp("hello", dictionary_.Get());
  tip_->PlaceTip(300, 200);
  HWND button = Part(kButtonId);
  ASSERT_NE(button, nullptr);
  SendMessageA(button, BM_CLICK, 0, 0);
  ASSERT_TRUE(com::testing::PumpUntil([] { return !heard.empty(); }, kBoundMs));
  const POINT centre = CentreOf(button);
  EXPECT_EQ(heard[0].message, WM_TIP_CHANGELANG);
  EXPECT_EQ(heard[0].wParam, static_cast<WPARAM>(kEnglish)) << "the tip's language";
  EXPECT_EQ(heard[0].point.x, centre.x);
  EXPECT_EQ(heard[0].point.y, centre.y);

  heard.clear();
  HWND body = Part(kBodyId);
  SendMessageA(GetParent(body), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(body), MAKELPARAM(-1, -1));
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].message, WM_TIP_EDITMENU);
  EXPECT_EQ(heard[0].point.x, CentreOf(body).x);

  heard.clear();
  HWND header = Part(kHeaderId);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].message, WM_TIP_SHOWINDICT);

  // Without a live main window the requests are dropped.
  heard.clear();
  tip_->SetMainWindow(nullptr);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_TRUE(heard.empty());
}

TEST_F(TipHostTest, AWordSelectedInAnotherProgramShowsOverItWithItsArticle) {
  Target target;
  HWND frame = target.Start(L"edit", L"  Hello!!");
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(GetForegroundWindow(), frame) << "the target is where the hot key would find it";

  tip_->TranslateFromWindow(frame, -1, -1, 0, dictionary_.Get());
  ASSERT_TRUE(IsWindowVisible(Host()));
  EXPECT_EQ(tip_->currentWord(), "hello");
  EXPECT_EQ(TextOf(Part(kHeaderId)), L"hello");
  EXPECT_NE(TextOf(Part(kBodyId)).find(L"привет"), std::wstring::npos)
      << TextOf(Part(kBodyId)).size();
  const POINT tip = CentreOf(Host());
  EXPECT_NEAR(tip.x, (kTargetPlace.left + kTargetPlace.right) / 2, 1);
  EXPECT_NEAR(tip.y, (kTargetPlace.top + kTargetPlace.bottom) / 2, 1);
  EXPECT_EQ(UnicodeClipboardText(), kUserText);

  // The mouse trigger asks the window under the click and puts the tip there.
  ShowWindow(Host(), SW_HIDE);
  HWND edit = FindWindowExW(frame, nullptr, L"Edit", nullptr);
  tip_->TranslateFromWindow(edit, 300, 200, 1, dictionary_.Get());
  ASSERT_TRUE(IsWindowVisible(Host()));
  RECT place = {};
  GetWindowRect(Host(), &place);
  EXPECT_EQ(place.left, 300);
  EXPECT_EQ(place.top, 200);
  EXPECT_EQ(UnicodeClipboardText(), kUserText);

  // A double-click on the body hides the tip and forgets its word.
  SendMessageA(Part(kBodyId), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_FALSE(IsWindowVisible(Host()));
  EXPECT_EQ(tip_->currentWord(), "");
}

TEST_F(TipHostTest, ASelectionWithoutALetterShowsNothing) {
  Target target;
  HWND frame = target.Start(L"edit", L"123 !");
  ASSERT_NE(frame, nullptr);
  tip_->TranslateFromWindow(frame, -1, -1, 0, dictionary_.Get());
  EXPECT_FALSE(IsWindowVisible(Host()));
  EXPECT_EQ(tip_->currentWord(), "");
  EXPECT_EQ(UnicodeClipboardText(), kUserText);
}

TEST_F(TipHostTest, AProgramThatDoesNotAnswerCostsLessThanASecondAndNothingElse) {
  {
    Target asleep;
    HWND frame = asleep.Start(L"asleep", L"hello");
    ASSERT_NE(frame, nullptr);
    const ULONGLONG start = GetTickCount64();
    tip_->TranslateFromWindow(frame, -1, -1, 0, dictionary_.Get());
    EXPECT_LT(GetTickCount64() - start, 1000u);
    EXPECT_FALSE(IsWindowVisible(Host()));
    EXPECT_EQ(UnicodeClipboardText(), kUserText);
  }
  // The next request works.
  Target target;
  HWND frame = target.Start(L"edit", L"dog");
  ASSERT_NE(frame, nullptr);
  tip_->TranslateFromWindow(frame, -1, -1, 0, dictionary_.Get());
  EXPECT_TRUE(IsWindowVisible(Host()));
  EXPECT_EQ(TextOf(Part(kHeaderId)), L"dog");
}

// Programs that have no WM_COPY: the copy command, or a promise on the
// clipboard that is never kept (the window's own text stands in, at most
// 124 characters of it).
TEST_F(TipHostTest, WindowsWithoutWmCopyGiveTheirWord) {
  struct Case {
    const wchar_t* mode;
    std::wstring text;
    std::string word;
  };
  const std::wstring longText = L"Hello " + std::wstring(150, L'x');
  const Case cases[] = {
      {L"command", L"  Dog!", "dog"},
      {L"delayed", longText, "hello " + std::string(118, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(com::AnsiFromWide(c.mode));
    ShowWindow(Host(), SW_HIDE);
    Target target;
    HWND frame = target.Start(c.mode, c.text.c_str());
    ASSERT_NE(frame, nullptr);
    tip_->TranslateFromWindow(frame, -1, -1, 0, dictionary_.Get());
    EXPECT_EQ(tip_->currentWord(), c.word);
    EXPECT_TRUE(IsWindowVisible(Host()));
    EXPECT_EQ(UnicodeClipboardText(), kUserText);
  }
}

TEST_F(TipHostTest, AClipboardHeldByAnotherProgramGivesNothingAndNoHang) {
  Target target;
  HWND frame = target.Start(L"edit", L"hello");
  ASSERT_NE(frame, nullptr);
  HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  // The clipboard may stay busy for seconds after the last case's broken
  // promise on it (seen under Wine): the holder waits its turn.
  constexpr DWORD kClipboardTurnMs = 4 * kBoundMs;
  bool opened = false;
  std::thread holder([&] {
    const DWORD start = GetTickCount();
    while (!(opened = OpenClipboard(nullptr) != FALSE) &&
           GetTickCount() - start < kClipboardTurnMs)
      Sleep(10);
    SetEvent(held);
    WaitForSingleObject(release, kBoundMs);
    if (opened) CloseClipboard();
  });
  WaitForSingleObject(held, kClipboardTurnMs + kBoundMs);
  EXPECT_TRUE(opened) << "the other program holds the clipboard";
  tip_->TranslateFromWindow(frame, -1, -1, 0, dictionary_.Get());
  SetEvent(release);
  holder.join();
  CloseHandle(held);
  CloseHandle(release);
  EXPECT_FALSE(IsWindowVisible(Host()));
  EXPECT_EQ(UnicodeClipboardText(), kUserText) << "the old text never passes for the selection";
}

// The box speaks the program's own strings, whatever interface language is
// loaded; the test reads and closes it.
TEST(NotRegisteredErrorTest, NamesTheControlUnderTheProgramsErrorCaption) {
  std::thread shower([] { ShowNotRegisteredError(IDS_CONTROL_NAME_TIP); });
  HWND box = harness::WaitForWindow({harness::kDialogClass, L"Morvex Dictionary error!"}, kBoundMs);
  std::wstring texts;
  if (box) {
    for (const harness::WindowItem& item : harness::ReadWindowText(box).items)
      texts += item.text + L"|";
    EXPECT_TRUE(harness::CloseWindow(box, kBoundMs));
  }
  shower.join();
  ASSERT_NE(box, nullptr) << "no box";
  EXPECT_NE(texts.find(L"QuickHintCtrl is not registered:|"), std::wstring::npos)
      << com::AnsiFromWide(texts);
}

}  // namespace
}  // namespace morvex::solo
