// The tip in a test container with an event sink, driven by messages as
// the tip host and the user drive it: its size, the read-only body and its
// keys, the events, the copy, the formatted article in its own code page
// whatever the system's, the header drawn, and the fonts rebuilt from the
// font object.
#include <olectl.h>
#include <richedit.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "QuickHintTestSupport.h"
#include "com/Automation.h"
#include "controls/common/tests/PixelChecks.h"

namespace morvex::quickhint::testing {
namespace {

com::Bstr Wide(const wchar_t* text) { return com::Bstr(text); }

// An article as the host hands it over: its bytes read in the system code
// page.
com::Bstr AsHostGivesIt(const std::string& bytes) {
  wchar_t wide[512] = {};
  int length =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide, 511);
  return com::Bstr(wide, static_cast<UINT>(length));
}

CHARRANGE SelectionOf(HWND body) {
  CHARRANGE range = {};
  SendMessageA(body, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

void Select(HWND body, LONG start, LONG end) {
  CHARRANGE range = {start, end};
  SendMessageA(body, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

POINT CentreOf(HWND window) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

struct ClipboardText {
  std::wstring unicode;
  std::string ansi;
};

ClipboardText ReadClipboard() {
  ClipboardText text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text.unicode = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text.ansi = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void PutMarkerOnClipboard() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 7);
  memcpy(GlobalLock(memory), "marker", 7);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

LOGFONTA HeaderFont(HWND header) {
  LOGFONTA description = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0)), sizeof description,
             &description);
  return description;
}

HRESULT SetPointSize(IFontDisp* font, int points) {
  com::Ptr<IFont> details;
  HRESULT result = font->QueryInterface(IID_IFont, details.PutVoid());
  if (FAILED(result)) return result;
  CY size;
  size.int64 = points * 10000LL;
  return details->put_Size(size);
}

com::Ptr<IFontDisp> NewFont(const wchar_t* face, int points) {
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = const_cast<LPOLESTR>(face);
  description.cySize.int64 = points * 10000LL;
  description.sWeight = FW_NORMAL;
  description.sCharset = ANSI_CHARSET;
  com::Ptr<IFontDisp> font;
  OleCreateFontIndirect(&description, IID_IFontDisp, font.PutVoid());
  return font;
}

TEST_F(QuickHintTest, OneLineBodyNarrowerThanTheHeaderTakesTheHeaderWidth) {
  ASSERT_EQ(Hr{control_->put_InString(Wide(L"dictionary").Get(), 9)}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_OutString(Wide(L"x").Get(), 25)}, Hr{S_OK});
  HWND header = Header();
  ASSERT_NE(header, nullptr);
  HDC dc = GetDC(header);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0)));
  SIZE text = {};
  GetTextExtentPoint32A(dc, "dictionary", 10, &text);
  SelectObject(dc, old);
  ReleaseDC(header, dc);
  int cx = 0, cy = 0;
  ASSERT_EQ(Hr{control_->GetTipSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, GetSystemMetrics(SM_CXICON) + text.cx + 22);
  EXPECT_EQ(cy, text.cy + 28);

  // A body wider than a quarter of the screen is cut to that quarter.
  ASSERT_EQ(Hr{control_->put_OutString(Wide(std::wstring(400, L'w').c_str()).Get(), 9)}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->GetTipSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, GetSystemMetrics(SM_CXICON) + GetSystemMetrics(SM_CXFULLSCREEN) / 4 + 12);
}

TEST_F(QuickHintTest, TypedKeysChangeNothingArrowsMoveTheCaretAndEscHides) {
  ASSERT_EQ(Hr{control_->put_OutString(Wide(L"house home").Get(), 9)}, Hr{S_OK});
  HWND body = Body();
  ASSERT_NE(body, nullptr);
  struct Key {
    UINT key;
    wchar_t character;
  };
  const Key edits[] = {{'A', L'a'},     {VK_SPACE, L' '}, {VK_BACK, 8},
                       {VK_RETURN, 13}, {VK_DELETE, 0},   {VK_TAB, 9}};
  for (const Key& edit : edits) {
    Select(body, 3, 3);
    TypeKey(body, edit.key, edit.character);
    EXPECT_EQ(BodyText(body), L"house home") << edit.key;
  }
  Select(body, 0, 0);
  TypeKey(body, VK_RIGHT, 0);
  TypeKey(body, VK_RIGHT, 0);
  EXPECT_EQ(SelectionOf(body).cpMin, 2);
  EXPECT_EQ(SelectionOf(body).cpMax, 2);
  EXPECT_TRUE(events_.empty());

  TypeKey(body, VK_ESCAPE, 27);
  EXPECT_EQ(EventsOf(kNeedToHide).size(), 1u);
  EXPECT_EQ(events_.size(), 1u);
}

TEST_F(QuickHintTest, CtrlLAndTheButtonAskForAnotherLanguageAtTheButtonCentre) {
  ASSERT_EQ(Hr{control_->put_InString(Wide(L"Haus").Get(), 7)}, Hr{S_OK});
  HWND body = Body();
  TypeKey(body, 'L', L'l');
  EXPECT_TRUE(events_.empty()) << "L alone does nothing";

  SendMessageA(body, WM_KEYDOWN, VK_CONTROL, 1);
  TypeKey(body, 'L', 12);
  SendMessageA(body, WM_KEYUP, VK_CONTROL, 0xC0000001);
  SendMessageA(Button(), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return EventsOf(kNeedToChangeLang).size() >= 2; }));
  const POINT centre = CentreOf(Button());
  for (const Event& event : EventsOf(kNeedToChangeLang))
    EXPECT_EQ(event.arguments, (std::vector<long>{0, 7, centre.x, centre.y}));
  EXPECT_EQ(events_.size(), 2u);
}

// A menu window of this process on screen: other test programs open menus
// of their own at the same time.
bool OwnMenuShown() {
  for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
       menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(menu, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(menu)) return true;
  }
  return false;
}

TEST_F(QuickHintTest, ContextMenuRequestsBecomeOneEventAndNoMenu) {
  ASSERT_EQ(Hr{control_->put_OutString(Wide(L"house").Get(), 9)}, Hr{S_OK});
  HWND body = Body();
  // The rich edit asks its callback, which reports the cursor.
  POINT cursor = {};
  GetCursorPos(&cursor);
  SendMessageA(body, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(body), MAKELPARAM(150, 140));
  ASSERT_TRUE(WaitFor([&] { return !EventsOf(kNeedEditMenu).empty(); }));
  EXPECT_EQ(EventsOf(kNeedEditMenu)[0].arguments, (std::vector<long>{cursor.x, cursor.y}));
  EXPECT_FALSE(OwnMenuShown()) << "no menu of the rich edit's own";

  // The request from the keyboard, as the body's parent hears it, points
  // at the middle of the body.
  SendMessageA(tip_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(body), MAKELPARAM(-1, -1));
  const POINT centre = CentreOf(body);
  ASSERT_EQ(EventsOf(kNeedEditMenu).size(), 2u);
  EXPECT_EQ(EventsOf(kNeedEditMenu)[1].arguments, (std::vector<long>{centre.x, centre.y}));
  EXPECT_EQ(events_.size(), 2u);
}

TEST_F(QuickHintTest, CopyTakesExactlyTheSelectionOfTheShownText) {
  // Line ends are CR LF; the braces show (and copy) as blanks.
  ASSERT_EQ(Hr{control_->put_OutString(Wide(L"one\r\ntwo\r\n{x} \x0434\x043E\x043C").Get(), 25)},
            Hr{S_OK});
  HWND body = Body();
  struct Case {
    LONG start, end;
    const wchar_t* unicode;
    const char* ansi;
  };
  const Case cases[] = {
      {9, 15, L"x  \x0434\x043E\x043C", "x  \xE4\xEE\xEC"},
      {5, 9, L"wo\r\n ", "wo\r\n "},
      {0, -1, L"one\r\ntwo\r\n x  \x0434\x043E\x043C", "one\r\ntwo\r\n x  \xE4\xEE\xEC"},
  };
  for (const Case& each : cases) {
    PutMarkerOnClipboard();
    Select(body, each.start, each.end);
    ASSERT_EQ(Hr{control_->CopyText()}, Hr{S_OK});
    ClipboardText copied = ReadClipboard();
    EXPECT_EQ(copied.unicode, each.unicode) << each.start;
    EXPECT_EQ(copied.ansi, each.ansi) << each.start;
  }
  // Nothing selected: the clipboard keeps what it had.
  PutMarkerOnClipboard();
  Select(body, 4, 4);
  ASSERT_EQ(Hr{control_->CopyText()}, Hr{S_OK});
  EXPECT_EQ(ReadClipboard().ansi, "marker");

  // A double-click selects a word (with what follows it, as the rich edit
  // chooses), copies it and hides the tip.
  SendMessageA(body, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(SelectionOf(body).cpMin, 0);
  EXPECT_EQ(ReadClipboard().ansi.substr(0, 3), "one");
  EXPECT_EQ(EventsOf(kNeedToHide).size(), 1u);
}

TEST_F(QuickHintTest, DoubleClicksOnThePagerOrTheControlHideTheTip) {
  HWND pager = FindWindowExA(tip_, nullptr, "SysPager", nullptr);
  ASSERT_NE(pager, nullptr);
  for (HWND clicked : {pager, tip_}) {
    events_.clear();
    SendMessageA(clicked, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(EventsOf(kNeedToHide).size(), 1u) << (clicked == pager ? "pager" : "control");
    EXPECT_EQ(events_.size(), 1u);
  }
}

// Run once at code page 1251 and once at 1252: the article shows in its
// own language's code page either way.
TEST_F(QuickHintTest, ArticleFormatsFollowTheMarkUp) {
  ASSERT_EQ(Hr{control_->put_ForeColor(0x80000000 | COLOR_HIGHLIGHT)}, Hr{S_OK});
  // "{мн.} дом разг.) хата" in code page 1251.
  const std::string article = "{\xEC\xED.} \xE4\xEE\xEC \xF0\xE0\xE7\xE3.) \xF5\xE0\xF2\xE0";
  ASSERT_EQ(Hr{control_->put_OutString(AsHostGivesIt(article).Get(), 25)}, Hr{S_OK});
  HWND body = Body();
  EXPECT_EQ(BodyText(body),
            L" \x043C\x043D.  \x0434\x043E\x043C \x0440\x0430\x0437\x0433.) "
            L"\x0445\x0430\x0442\x0430");
  const COLORREF text = GetSysColor(COLOR_HIGHLIGHT), grey = RGB(128, 128, 128);
  struct Case {
    LONG at;
    bool italic;
    COLORREF colour;
    const char* what;
  };
  const Case cases[] = {
      {1, true, grey, "inside the braces"}, {6, false, text, "between the braces and the label"},
      {11, false, grey, "the label"},       {15, false, grey, "the label's parenthesis"},
      {18, false, text, "after the label"},
  };
  for (const Case& each : cases) {
    CHARFORMAT2W format = FormatAt(body, each.at);
    EXPECT_EQ((format.dwEffects & CFE_ITALIC) != 0, each.italic) << each.what;
    EXPECT_EQ(format.crTextColor, each.colour) << each.what;
    EXPECT_EQ(format.bCharSet, RUSSIAN_CHARSET) << each.what;
  }
}

TEST_F(QuickHintTest, HeaderClickOpensTheDictionaryAndTheHeaderIsDrawn) {
  ASSERT_EQ(Hr{control_->put_ForeColor(RGB(200, 0, 0))}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_InString(Wide(L"dictionary").Get(), 9)}, Hr{S_OK});
  HWND header = Header();
  ASSERT_NE(header, nullptr);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_EQ(EventsOf(kNeedDictViewer).size(), 1u);

  // The header's drawing request reaches the control through the pager.
  Pixels pixels = PrintClient(header);
  ASSERT_GT(pixels.width, 0);
  const RECT all = {0, 0, pixels.width, pixels.height};
  EXPECT_TRUE(controls::testing::Holds(pixels, all, GetSysColor(COLOR_INFOBK)));
  EXPECT_TRUE(controls::testing::Holds(pixels, all, RGB(200, 0, 0)))
      << "the header text in the text colour";
}

TEST_F(QuickHintTest, FontObjectChangesRebuildTheFontsAlsoAfterFontTip) {
  ASSERT_EQ(Hr{control_->put_InString(Wide(L"dictionary").Get(), 25)}, Hr{S_OK});
  HWND header = Header();
  LOGFONTA before = HeaderFont(header);
  EXPECT_TRUE(before.lfUnderline);
  EXPECT_EQ(before.lfCharSet, RUSSIAN_CHARSET) << "the input language is Russian";

  com::Ptr<IFontDisp> first;
  ASSERT_EQ(Hr{control_->get_Font(first.Put())}, Hr{S_OK});
  ASSERT_TRUE(first);
  ASSERT_EQ(Hr{SetPointSize(first.Get(), 20)}, Hr{S_OK});
  const LONG twenty = HeaderFont(header).lfHeight;
  EXPECT_GT(std::abs(twenty), std::abs(before.lfHeight));

  com::Ptr<IFontDisp> second = NewFont(L"Tahoma", 10);
  ASSERT_TRUE(second);
  ASSERT_EQ(Hr{control_->put_FontTip(second.Get())}, Hr{S_OK});
  const LONG ten = HeaderFont(header).lfHeight;
  EXPECT_LT(std::abs(ten), std::abs(twenty));
  ASSERT_EQ(Hr{SetPointSize(second.Get(), 30)}, Hr{S_OK});
  const LONG thirty = HeaderFont(header).lfHeight;
  EXPECT_GT(std::abs(thirty), std::abs(twenty));
  ASSERT_EQ(Hr{SetPointSize(first.Get(), 8)}, Hr{S_OK});
  EXPECT_EQ(HeaderFont(header).lfHeight, thirty) << "the font replaced is no longer heard";

  ASSERT_EQ(Hr{control_->put_langIn(9)}, Hr{S_OK});
  EXPECT_EQ(HeaderFont(header).lfCharSet, ANSI_CHARSET);
}

TEST_F(QuickHintTest, TheTipShowsAFrameAHeaderLineAndTheFormattedArticle) {
  ASSERT_EQ(Hr{control_->put_InString(Wide(L"dictionary").Get(), 9)}, Hr{S_OK});
  // "{сущ.} словарь" in code page 1251.
  ASSERT_EQ(Hr{control_->put_OutString(
                AsHostGivesIt("{\xF1\xF3\xF9.} \xF1\xEB\xEE\xE2\xE0\xF0\xFC").Get(), 25)},
            Hr{S_OK});
  int cx = 0, cy = 0;
  ASSERT_EQ(Hr{control_->GetTipSize(&cx, &cy)}, Hr{S_OK});
  SetWindowPos(frame_, HWND_TOPMOST, 100, 100, cx, cy, SWP_SHOWWINDOW);
  SetWindowPos(host_, nullptr, 0, 0, cx, cy, SWP_NOZORDER);
  RedrawWindow(frame_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pixels tip;
  const COLORREF back = GetSysColor(COLOR_INFOBK), black = RGB(0, 0, 0);
  const COLORREF grey = RGB(128, 128, 128);
  ASSERT_TRUE(WaitFor([&] {
    tip = CaptureOnScreen(tip_);
    return tip.width == cx && tip.At(cx / 2, 0) == black && tip.At(cx / 2, 22) == black;
  })) << "a black frame and the line under the header";
  SavePicture(tip, "quickhint_tip.ppm");
  EXPECT_EQ(tip.At(0, cy / 2), black);
  EXPECT_EQ(tip.At(cx - 1, cy - 1), black);
  EXPECT_EQ(tip.At(3, 22), back) << "the line stops 4 pixels from the edges";
  const RECT body = {2, 24, cx - 2, cy - 4};
  EXPECT_TRUE(controls::testing::Holds(tip, body, back));
  EXPECT_TRUE(controls::testing::Holds(tip, body, grey)) << "the grammar block";
  EXPECT_TRUE(controls::testing::Holds(tip, {2, 2, cx - 30, 22}, GetSysColor(COLOR_INFOTEXT)))
      << "the header text";
}

TEST_F(QuickHintTest, LangInChangesTheFlagAndInStringDoesNot) {
  // The German flag's gold band, as LocaleKit draws it.
  const COLORREF gold = RGB(255, 206, 0);
  auto showsGold = [&] {
    Pixels pixels = PrintClient(Button());
    return pixels.width > 0 &&
           controls::testing::Holds(pixels, {0, 0, pixels.width, pixels.height}, gold);
  };
  ASSERT_NE(Button(), nullptr);
  EXPECT_FALSE(showsGold()) << "the English flag to start with";
  ASSERT_EQ(Hr{control_->put_InString(Wide(L"Haus").Get(), 7)}, Hr{S_OK});
  EXPECT_FALSE(showsGold()) << "InString keeps the icon";
  ASSERT_EQ(Hr{control_->put_langIn(7)}, Hr{S_OK});
  EXPECT_TRUE(showsGold());
}

// An icon of one colour, as a host makes its own.
HICON SolidIcon(int size, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP image = CreateCompatibleBitmap(screen, size, size);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, image);
  HBRUSH brush = CreateSolidBrush(colour);
  const RECT all = {0, 0, size, size};
  FillRect(dc, &all, brush);
  SelectObject(dc, mask);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ICONINFO info = {TRUE, 0, 0, mask, image};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(image);
  DeleteObject(mask);
  return icon;
}

TEST_F(QuickHintTest, SetTipIconTakesCopiesOfTheHostsIconsAndTheirSize) {
  const COLORREF teal = RGB(0, 128, 128);
  HICON icon = SolidIcon(16, teal);
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(Hr{control_->put_SetTipIcon(reinterpret_cast<LONG_PTR>(icon),
                                        reinterpret_cast<LONG_PTR>(icon), 16, 16)},
            Hr{S_OK});
  // The button keeps its copies: the host may free its own at once.
  DestroyIcon(icon);
  Pixels pixels = PrintClient(Button());
  ASSERT_GT(pixels.width, 0);
  EXPECT_TRUE(controls::testing::Holds(pixels, {0, 0, pixels.width, pixels.height}, teal));

  ASSERT_EQ(Hr{control_->put_OutString(Wide(L"x").Get(), 9)}, Hr{S_OK});
  int withSmallIcon = 0, cy = 0;
  ASSERT_EQ(Hr{control_->GetTipSize(&withSmallIcon, &cy)}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_SetTipIcon(0, 0, 40, 16)}, Hr{S_OK});
  int withWideIcon = 0;
  ASSERT_EQ(Hr{control_->GetTipSize(&withWideIcon, &cy)}, Hr{S_OK});
  EXPECT_EQ(withWideIcon - withSmallIcon, 24) << "the tip's width follows the icon width";
}

}  // namespace
}  // namespace morvex::quickhint::testing
