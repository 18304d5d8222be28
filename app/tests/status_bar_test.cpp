// The status bar in a test frame as the main window makes it: its parts and
// Settings button, the keyboard-layout indicator (the layout scripted, since
// Wine never switches it), and the settings flow with the real settings
// control and options: what goes into the dialog, what comes back on OK,
// what an end without OK leaves alone, and the hot keys suspended while
// the dialog runs. The options live in a scratch copy of HKEY_CURRENT_USER.
#include <gtest/gtest.h>
#include <ole2.h>
#include <olectl.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "PrefStore.h"
#include "app/HotKeys.h"
#include "app/PrivateMessages.h"
#include "app/StatusBar.h"
#include "com/ComPtr.h"
#include "com/Fonts.h"
#include "com/testing/MessagePump.h"
#include "controls/SettingsSheet/tests/SettingsSheetTestSupport.h"

namespace morvex::solo {
namespace {

using com::testing::PumpUntil;
using settingssheet::testing::Capture;
using settingssheet::testing::CaptureClient;
using settingssheet::testing::RunScripted;
using settingssheet::testing::Step;
using settingssheet::testing::ThreadDialogs;

constexpr char kScratchKey[] = "Software\\MorvexTests\\StatusBar";
constexpr wchar_t kFrameClass[] = L"MorvexStatusBarTestFrame";
constexpr UINT kBarId = 2000;
constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS | CCS_BOTTOM;
constexpr int kFrameWidth = 600;
constexpr uintptr_t kUsLayout = 0x04090409, kRussianLayout = 0x04190419;

uintptr_t g_layout = kUsLayout;
HKL ScriptedLayout() { return reinterpret_cast<HKL>(g_layout); }

// What the frame heard: WM_OPTIONS_APPLIED (it re-registers the hot keys as
// the main window does), language-menu requests, and indicator draws.
struct FrameLog {
  CStatusBar* bar = nullptr;
  IVelMorvexOpt* options = nullptr;
  int applied = 0;
  std::vector<POINT> languageRequests;
  std::vector<DWORD> indicatorDraws;
};
FrameLog g_frame;

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      if (wParam == kBarId && g_frame.bar) {
        g_frame.bar->DrawIndicator(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        g_frame.indicatorDraws.push_back(GetTickCount());
        return TRUE;
      }
      break;
    case WM_OPTIONS_APPLIED:
      ++g_frame.applied;
      RegisterHotKeys(window, g_frame.options, true);
      RegisterHotKeys(window, g_frame.options, false);
      return 0;
    case WM_LANGMENU_REQUEST:
      g_frame.languageRequests.push_back(*reinterpret_cast<const POINT*>(lParam));
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The options a test compares before and after a dialog.
struct Snapshot {
  OLE_COLOR fore, back, shadow, text;
  long mouseKey, mouseModifier, animation;
  long hotKeys[3][2];  // 123, 124, 125: modifiers, virtual key
  long fontPoints;
};

bool operator==(const Snapshot& a, const Snapshot& b) { return memcmp(&a, &b, sizeof a) == 0; }

class StatusBarTest : public ::testing::Test, protected SettingsOwner {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 1251u);
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey);
    HKEY scratch = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &scratch, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratch), ERROR_SUCCESS);
    RegCloseKey(scratch);

    ASSERT_EQ(CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                               options_.PutVoid()),
              S_OK);
    options_->Read();
    static const bool registered = [] {
      WNDCLASSW windowClass = {};
      windowClass.lpfnWndProc = FrameProcedure;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
      windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      windowClass.lpszClassName = kFrameClass;
      return RegisterClassW(&windowClass) != 0;
    }();
    ASSERT_TRUE(registered);
    RECT frame = {0, 0, kFrameWidth, 300};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION, FALSE, 0);
    frame_ = CreateWindowExW(0, kFrameClass, L"Status bar test", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                             40, 40, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr);
    g_frame = FrameLog{};
    g_frame.bar = &bar_;
    g_frame.options = options_.Get();
    g_layout = kUsLayout;
    bar_.SetLayoutSource(ScriptedLayout);
    ASSERT_TRUE(bar_.Create(frame_, kBarId, kBarStyle));
    bar_.SetOptions(options_.Get(), this);
    bar_.ApplyOptions();
    PlaceBar();
    RegisterHotKeys(frame_, options_.Get(), false);
  }

  void TearDown() override {
    RegisterHotKeys(frame_, options_.Get(), true);
    g_frame = FrameLog{};
    bar_.Destroy();
    if (frame_) DestroyWindow(frame_);
    options_.Reset();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey);
  }

  // SettingsOwner, as the main window does it.
  void SuspendHotKeys() override {
    ++suspended_;
    RegisterHotKeys(frame_, options_.Get(), true);
  }
  void SettingsDismissed() override {
    ++dismissed_;
    RegisterHotKeys(frame_, options_.Get(), false);
  }

  // The bar along the frame's bottom, as the main window's layout puts it.
  void PlaceBar() {
    RECT client = {}, bar = {};
    GetClientRect(frame_, &client);
    GetWindowRect(bar_.handle(), &bar);
    const int height = bar.bottom - bar.top;
    MoveWindow(bar_.handle(), 0, client.bottom - height, client.right, height, TRUE);
    UpdateWindow(bar_.handle());
  }

  RECT PartRect(int part) const {
    RECT rect = {};
    SendMessageA(bar_.handle(), SB_GETRECT, part, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  com::Ptr<IVelHotKey> HotKey(long command) const {
    com::Ptr<IVelHotKeyColl> keys = HotKeyCollection(options_.Get());
    long count = 0;
    if (keys) keys->get_Count(&count);
    for (long i = 1; i <= count; ++i) {
      com::Ptr<IVelHotKey> key;
      long id = 0;
      if (SUCCEEDED(keys->get_Item(i, key.Put())) && key && SUCCEEDED(key->get_CmdID(&id)) &&
          id == command) {
        return key;
      }
    }
    return nullptr;
  }
  void SetHotKey(long command, long modifiers, long virtualKey) {
    com::Ptr<IVelHotKey> key = HotKey(command);
    ASSERT_TRUE(key) << command;
    key->put_Modifiers(modifiers);
    key->put_VirtKey(virtualKey);
  }

  static Snapshot SnapshotOf(IVelMorvexOpt* options, const StatusBarTest& test) {
    Snapshot s = {};
    options->get_ColorFore(&s.fore);
    options->get_ColorBack(&s.back);
    options->get_ColorShadow(&s.shadow);
    options->get_ColorText(&s.text);
    options->get_MouseKey(&s.mouseKey);
    options->get_MouseModifier(&s.mouseModifier);
    options->get_Animation(&s.animation);
    for (long i = 0; i < 3; ++i) {
      com::Ptr<IVelHotKey> key = test.HotKey(123 + i);
      if (!key) continue;
      key->get_Modifiers(&s.hotKeys[i][0]);
      key->get_VirtKey(&s.hotKeys[i][1]);
    }
    com::Ptr<IFontDisp> fontDisp;
    com::Ptr<IFont> font;
    CY size = {};
    if (SUCCEEDED(options->get_Font(fontDisp.Put())) && fontDisp && SUCCEEDED(fontDisp.As(&font)) &&
        SUCCEEDED(font->get_Size(&size))) {
      s.fontPoints = static_cast<long>(size.int64 / 10000);
    }
    return s;
  }
  Snapshot Current() const { return SnapshotOf(options_.Get(), *this); }

  // Runs the Settings button's flow while the steps drive the dialog.
  void RunSettings(std::vector<Step> steps) {
    RunScripted(std::move(steps), [this] { bar_.RunSettings(); });
    EXPECT_EQ(bar_.settings().sheet(), nullptr) << "the control outlives the dialog";
  }

  static HWND Dialog() {
    std::vector<HWND> dialogs = ThreadDialogs();
    return dialogs.empty() ? nullptr : dialogs.front();
  }
  static bool DialogOpen() { return Dialog() != nullptr; }
  static void Click(int id) {
    SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Dialog(), id)));
  }
  static long HotKeyField(int id) {
    return static_cast<long>(SendMessageW(GetDlgItem(Dialog(), id), HKM_GETHOTKEY, 0, 0));
  }
  // Whether another window could take Ctrl+Alt+S now (it is let go at once).
  static bool CtrlAltSIsFree() {
    if (!RegisterHotKey(nullptr, 0x3FFF, MOD_CONTROL | MOD_ALT, 'S')) return false;
    UnregisterHotKey(nullptr, 0x3FFF);
    return true;
  }

  com::Ptr<IVelMorvexOpt> options_;
  HWND frame_ = nullptr;
  CStatusBar bar_;
  int suspended_ = 0;
  int dismissed_ = 0;
};

TEST_F(StatusBarTest, ThreePartsWithTheButtonOnTheFirst) {
  const LONG_PTR style = GetWindowLongPtrA(bar_.handle(), GWL_STYLE);
  EXPECT_FALSE(style & SBARS_SIZEGRIP);
  EXPECT_TRUE(style & SBARS_TOOLTIPS);

  int edges[4] = {};
  ASSERT_EQ(SendMessageA(bar_.handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_GT(edges[0], GetSystemMetrics(SM_CXSMICON));
  EXPECT_LT(edges[0], edges[1]);
  EXPECT_EQ(edges[2], -1);
  char tip[64] = {};
  SendMessageA(bar_.handle(), SB_GETTIPTEXTA, MAKEWPARAM(1, sizeof tip),
               reinterpret_cast<LPARAM>(tip));
  EXPECT_STREQ(tip, "&Settings...") << "the middle part's tooltip";
  // The indicator holds the code twice over with its edges: a narrow part
  // at the right end of a 600-pixel bar.
  EXPECT_GT(kFrameWidth - edges[1], 10);
  EXPECT_LT(kFrameWidth - edges[1], 100);

  HWND button = bar_.button();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetDlgCtrlID(button), 4000);
  char caption[64] = {};
  GetWindowTextA(button, caption, sizeof caption);
  EXPECT_STREQ(caption, "&Settings...");
  RECT onBar = {};
  GetWindowRect(button, &onBar);
  MapWindowPoints(nullptr, bar_.handle(), reinterpret_cast<POINT*>(&onBar), 2);
  const RECT part = PartRect(0);
  EXPECT_TRUE(EqualRect(&onBar, &part));
  EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(StatusBarTest, TheIndicatorFollowsTheLayoutWithinTwoTicks) {
  EXPECT_EQ(bar_.LayoutCode(), "EN");
  ASSERT_TRUE(PumpUntil([] { return !g_frame.indicatorDraws.empty(); }, 1000));
  const RECT part = PartRect(2);
  auto partPixels = [&] {
    Capture capture = CaptureClient(bar_.handle());
    std::vector<COLORREF> pixels;
    for (int y = part.top; y < part.bottom; ++y)
      for (int x = part.left; x < part.right; ++x) pixels.push_back(capture.At(x, y));
    return pixels;
  };
  const std::vector<COLORREF> english = partPixels();

  g_frame.indicatorDraws.clear();
  const DWORD switched = GetTickCount();
  g_layout = kRussianLayout;
  ASSERT_TRUE(PumpUntil([] { return !g_frame.indicatorDraws.empty(); }, 2000));
  EXPECT_LE(g_frame.indicatorDraws.front() - switched, 2 * CStatusBar::kLayoutTimerPeriod + 50);
  EXPECT_EQ(bar_.LayoutCode(), "RU");
  EXPECT_NE(partPixels(), english);
}

TEST_F(StatusBarTest, TheBackColourFillsTheBar) {
  constexpr COLORREF kOrange = RGB(255, 128, 0);
  bar_.SetBackColor(kOrange);
  UpdateWindow(bar_.handle());
  const Capture capture = CaptureClient(bar_.handle());
  const RECT middle = PartRect(1);
  EXPECT_EQ(capture.At((middle.left + middle.right) / 2, (middle.top + middle.bottom) / 2),
            kOrange);
  RECT button = {};
  GetWindowRect(bar_.button(), &button);
  MapWindowPoints(nullptr, bar_.handle(), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(capture.At(button.left + 3, button.bottom - 4), kOrange) << "the button's face";
}

// The frame is Marlett's size grip: "o" in the highlight colour, then "p"
// in the options' shadow colour, then the code in the bar's text colour.
// Wine's Marlett draws "p" over the whole of "o", so only the shadow half
// and the code can be seen here.
TEST_F(StatusBarTest, TheIndicatorShowsTheShadowHalfOfTheFrameAndTheCode) {
  // The frame's glyphs need the real face; a substitute draws the code only.
  HDC screen = GetDC(nullptr);
  HFONT marlett =
      CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Marlett");
  HGDIOBJ old = SelectObject(screen, marlett);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(screen, sizeof face, face);
  SelectObject(screen, old);
  DeleteObject(marlett);
  ReleaseDC(nullptr, screen);
  ASSERT_STREQ(face, "Marlett") << "the prefix lacks fonts-wine's Marlett";

  constexpr COLORREF kShadow = RGB(0, 0, 200);
  options_->put_ColorShadow(kShadow);
  InvalidateRect(bar_.handle(), nullptr, TRUE);
  g_frame.indicatorDraws.clear();
  UpdateWindow(bar_.handle());
  ASSERT_TRUE(PumpUntil([] { return !g_frame.indicatorDraws.empty(); }, 1000));
  const Capture capture = CaptureClient(bar_.handle());
  const RECT part = PartRect(2);
  const int middle = (part.left + part.right) / 2;
  int shadowRight = 0, textLeft = 0;
  for (int y = part.top; y < part.bottom; ++y) {
    for (int x = part.left; x < part.right; ++x) {
      const COLORREF pixel = capture.At(x, y);
      shadowRight += x >= middle && pixel == kShadow;
      textLeft += x < middle && pixel == GetSysColor(COLOR_BTNTEXT);
    }
  }
  // The grip sits at the lower right, the code at the left.
  EXPECT_GT(shadowRight, part.bottom - part.top);
  EXPECT_GT(textLeft, 10);
}

// Every row of both tables: what the options hold shows in the dialog, and
// what the dialog holds after OK is in the options and written.
TEST_F(StatusBarTest, OkCarriesEveryValueBothWaysAndKeepsWhatTheDialogHasNoFieldFor) {
  options_->put_ColorFore(0x112233);
  options_->put_ColorBack(0x445566);
  options_->put_ColorShadow(0x778899);
  options_->put_ColorText(0x0000AA);
  options_->put_MouseKey(1);
  options_->put_MouseModifier(VK_CONTROL);
  options_->put_Animation(0);
  SetHotKey(123, MOD_CONTROL | MOD_ALT, 'Z');
  SetHotKey(124, MOD_CONTROL | MOD_ALT, 'X');
  SetHotKey(125, MOD_ALT | MOD_SHIFT, VK_F1);
  const Snapshot before = Current();

  struct Shown {
    OLE_COLOR control = 0, background = 0, title = 0, text = 0;
    long button = -1, virtualKey = -1, dictionary = -1, quickTip = -1, tip = -1;
    long dictionaryField = -1;
  } shown;
  RunSettings({
      {DialogOpen,
       [&] {
         ISettingsSheetCtrl* sheet = bar_.settings().sheet();
         ASSERT_NE(sheet, nullptr);
         sheet->get_ControlColor(&shown.control);
         sheet->get_InterfaceColor(&shown.background);
         sheet->get_TitleColor(&shown.title);
         com::Ptr<IFontDisp> font;
         sheet->get_TextFont(&shown.text, font.Put());
         sheet->get_MouseButton(&shown.button);
         sheet->get_MouseVirtKey(&shown.virtualKey);
         sheet->get_HKDictionary(&shown.dictionary);
         sheet->get_HKQuickTip(&shown.quickTip);
         sheet->get_ChkTip(&shown.tip);
         shown.dictionaryField = HotKeyField(226);
         // The user's changes: a colour, the popup key (Ctrl+Alt+Q), the box.
         sheet->put_InterfaceColor(0x0080FF);
         SendMessageW(GetDlgItem(Dialog(), 224), HKM_SETHOTKEY, 0x651, 0);
         Click(201);
       }},
      {nullptr, [] { Click(228); }},
  });

  EXPECT_EQ(shown.control, 0x112233u);
  EXPECT_EQ(shown.background, 0x445566u);
  EXPECT_EQ(shown.title, 0x778899u);
  EXPECT_EQ(shown.text, 0x0000AAu);
  EXPECT_EQ(shown.button, 1);
  EXPECT_EQ(shown.virtualKey, VK_CONTROL);
  EXPECT_EQ(shown.dictionary, 0x658);
  EXPECT_EQ(shown.dictionaryField, 0x658);
  EXPECT_EQ(shown.quickTip, 0x570);  // Alt+Shift+F1
  EXPECT_EQ(shown.tip, 0);

  EXPECT_EQ(g_frame.applied, 1);
  EXPECT_EQ(dismissed_, 0);
  Snapshot expected = before;
  expected.back = 0x0080FF;
  expected.hotKeys[2][0] = MOD_CONTROL | MOD_ALT;
  expected.hotKeys[2][1] = 'Q';
  expected.animation = 1;
  EXPECT_TRUE(Current() == expected);
  EXPECT_EQ(Current().hotKeys[0][1], 'Z') << "the translation page's key is kept";
  EXPECT_EQ(Current().mouseKey, 1);
  EXPECT_EQ(Current().fontPoints, 8) << "an untouched font stays 8 points";
  EXPECT_EQ(bar_.settings().mouseKey(), 1);
  EXPECT_EQ(bar_.settings().mouseModifier(), VK_CONTROL);

  // Written at once: a new options object reads the accepted values.
  com::Ptr<IVelMorvexOpt> reread;
  ASSERT_EQ(CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                             reread.PutVoid()),
            S_OK);
  reread->Read();
  OLE_COLOR back = 0;
  reread->get_ColorBack(&back);
  EXPECT_EQ(back, 0x0080FFu);
}

TEST_F(StatusBarTest, EveryEndWithoutOkChangesNothingAndGivesTheHotKeysBack) {
  struct End {
    const char* name;
    std::function<void()> act;
  } ends[] = {
      {"Cancel", [] { Click(229); }},
      {"Escape", [] { SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }},
      {"close box", [] { SendMessageW(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const End& end : ends) {
    SCOPED_TRACE(end.name);
    const Snapshot before = Current();
    const int dismissed = dismissed_;
    EXPECT_FALSE(CtrlAltSIsFree());
    bool freeWhileOpen = false;
    RunSettings({
        {DialogOpen,
         [&] {
           freeWhileOpen = CtrlAltSIsFree();
           bar_.settings().sheet()->put_InterfaceColor(0x0080FF);
           SendMessageW(GetDlgItem(Dialog(), 224), HKM_SETHOTKEY, 0x651, 0);
         }},
        {nullptr, end.act},
    });
    EXPECT_TRUE(freeWhileOpen) << "the program's hot keys are suspended while the dialog runs";
    EXPECT_FALSE(CtrlAltSIsFree()) << "and registered again after it";
    EXPECT_TRUE(Current() == before);
    EXPECT_EQ(g_frame.applied, 0);
    EXPECT_EQ(dismissed_, dismissed + 1);
  }
  EXPECT_EQ(suspended_, 3);
}

// The dialog as it runs: its texts from the interface strings, the flag
// button asking the parent for the language menu at the button's lower left
// corner, a pick from that menu shown in the language box, and no second
// dialog for a second Settings command.
TEST_F(StatusBarTest, TheDialogsTextsFlagButtonAndLanguageChoice) {
  RECT flag = {};
  std::string caption, okText, languageName;
  size_t dialogsAfterSecondCommand = 0;
  RunSettings({
      {DialogOpen,
       [&] {
         // The tray's Settings command while the dialog runs opens nothing.
         bar_.RunSettings();
         dialogsAfterSecondCommand = ThreadDialogs().size();
         char text[64] = {};
         GetWindowTextA(Dialog(), text, sizeof text);
         caption = text;
         GetDlgItemTextA(Dialog(), 228, text, sizeof text);
         okText = text;
         GetWindowRect(GetDlgItem(Dialog(), 219), &flag);
         Click(219);
         // The main window's answer to a pick in that menu.
         bar_.ShowLanguageChoice(0x419, 0x409);
         GetDlgItemTextA(Dialog(), 218, text, sizeof text);
         languageName = text;
       }},
      {nullptr, [] { Click(229); }},
  });
  EXPECT_EQ(dialogsAfterSecondCommand, 1u);
  EXPECT_EQ(caption, "Settings");
  EXPECT_EQ(okText, "&Ok");
  EXPECT_EQ(languageName, "Russian");
  ASSERT_EQ(g_frame.languageRequests.size(), 1u);
  EXPECT_EQ(g_frame.languageRequests[0].x, flag.left);
  EXPECT_EQ(g_frame.languageRequests[0].y, flag.bottom);
}

}  // namespace
}  // namespace morvex::solo
