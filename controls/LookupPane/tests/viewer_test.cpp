// The viewer as its host meets it: its children at their places at the
// sizes a person meets, the dictionary taken (opened once when closed, its
// languages giving the strip, the flag and the character sets; anything
// else let go), closed when the viewer goes, and its events with their
// arguments.
#include <windowsx.h>

#include "LookupTestSupport.h"
#include "com/Automation.h"
#include "com/Fonts.h"
#include "com/WideText.h"

namespace morvex::lookuppane::testing {

namespace {

RECT ChildRect(HWND parent, HWND child) {
  RECT bounds = {};
  GetWindowRect(child, &bounds);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

TEST_F(ViewerTest, ChildrenAreLaidOutAndTheEntryHiddenWhenShort) {
  const int scroll = GetSystemMetrics(SM_CXHSCROLL);
  const int iconW = GetSystemMetrics(SM_CXSMICON), iconH = GetSystemMetrics(SM_CYSMICON);
  struct Size {
    int height;
    bool entryShown;
  };
  for (const Size size : {Size{400, true}, Size{60, true}, Size{30, false}}) {
    MakeViewer(600, size.height);
    const int e = 16, s = 16, band = std::max(iconH + 6, e), top = e + band;
    const int listHeight = std::max(size.height - s - top - 4 - 2, 0);
    struct Expected {
      UINT id;
      RECT place;
    };
    const Expected expected[] = {
        {kEntryId, {300, 2, 600 - scroll - 4, 2 + e}},
        {kHistoryButtonId, {600 - scroll - 4, 2, 600 - 4, 2 + e}},
        {kDirectionId, {600 - iconW - 8, top - iconH - 2, 600 - 4, top - 2}},
        {kListId, {3, top + 1, 297, top + 1 + listHeight}},
        {kArticleId, {301, top + 1, 595, top + 1 + listHeight}},
        {kStripHostId, {2, size.height - s - 2, 594, size.height - 2}},
    };
    for (const Expected& child : expected) {
      HWND window = Child(child.id);
      ASSERT_NE(window, nullptr) << child.id;
      const RECT place = ChildRect(ControlWindow(), window);
      EXPECT_TRUE(SameRect(place, child.place))
          << child.id << " at " << Describe(place) << ", expected " << Describe(child.place);
    }
    EXPECT_EQ(IsWindowVisible(Entry()) != FALSE, size.entryShown) << size.height;
    EXPECT_EQ(IsWindowVisible(Child(kHistoryButtonId)) != FALSE, size.entryShown) << size.height;
    EXPECT_EQ(IsWindowVisible(Child(kDirectionId)) != FALSE, top - 2 < size.height - s - 2)
        << size.height;
  }
}

TEST_F(ViewerTest, ChildWindowsHaveTheirClassesAndStyles) {
  struct Expected {
    UINT id;
    const char* className;
    DWORD style;
  };
  // Scroll bars come and go with the content: their bits are left out.
  const DWORD bars = WS_VSCROLL | WS_HSCROLL;
  for (const Expected& child :
       {Expected{kEntryId, "Edit", 0x50010080}, Expected{kListId, "ListBox", 0x50210161 & ~bars},
        Expected{kArticleId, "RichEdit20A", 0x53310004 & ~bars},
        Expected{kStripHostId, "AtlAxWin", 0}}) {
    char name[64] = {};
    GetClassNameA(Child(child.id), name, sizeof name);
    EXPECT_STRCASEEQ(name, child.className) << child.id;
    if (child.style) {
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(Child(child.id), GWL_STYLE)) & child.style,
                child.style)
          << child.id;
    }
  }
  // The history popup, made hidden, owned by the viewer's top-level window
  // (a popup's owner is never a child).
  HWND popup = FindWindowA("VelPopUpListBox", nullptr);
  ASSERT_NE(popup, nullptr);
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_EQ(GetWindow(popup, GW_OWNER), frame_);
  EXPECT_NE(GetDlgItem(popup, 2000), nullptr);
}

TEST_F(ViewerTest, AClosedDictionaryIsOpenedOnceAndGivesItsLanguages) {
  com::Ptr<IVelDictionary> dictionary = DictionaryOf(EnglishRussian(10));
  ASSERT_TRUE(dictionary);
  long opened = -1;
  ASSERT_EQ(Hr{dictionary->get_Opened(&opened)}, Hr{S_OK});
  ASSERT_EQ(opened, 0);
  ASSERT_EQ(Hr{viewer_->SetDictionary(dictionary.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{dictionary->get_Opened(&opened)}, Hr{S_OK});
  EXPECT_EQ(opened, 1);
  // English in, Russian out: the Latin strip, the English flag (icon 206),
  // the article in the Russian character set, the entry in the Western.
  EXPECT_EQ(Rows().front(), EnglishRussian(10).listed.front());
  LOGFONTA entryFont = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Entry(), WM_GETFONT, 0, 0)), sizeof entryFont,
             &entryFont);
  EXPECT_EQ(entryFont.lfCharSet, 0);
  EXPECT_EQ(FormatAt(Article(), 3).bCharSet, RUSSIAN_CHARSET);
  short cx = 0, cy = 0;
  ASSERT_EQ(Hr{viewer_->GetAbcFullSize(&cx, &cy)}, Hr{S_OK});
  const short latinWidth = cx;
  Use(RussianEnglish());
  ASSERT_EQ(Hr{viewer_->GetAbcFullSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_GT(cx, latinWidth) << "33 Cyrillic letters against 26 Latin ones";
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Entry(), WM_GETFONT, 0, 0)), sizeof entryFont,
             &entryFont);
  EXPECT_EQ(entryFont.lfCharSet, RUSSIAN_CHARSET);
}

TEST_F(ViewerTest, SomethingElseThanADictionaryClearsTheDictionary) {
  Use(EnglishRussian(10));
  ASSERT_FALSE(Rows().empty());
  ASSERT_EQ(Hr{viewer_->SetDictionary(system_.Get())}, Hr{S_OK});
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(Hr{viewer_->SetSeekWord(com::Bstr(L"zebra").Get())}, Hr{S_OK});
  EXPECT_TRUE(Rows().empty()) << "no dictionary: nothing looked up";
}

TEST_F(ViewerTest, DestroyingTheViewerClosesItsDictionary) {
  Use(EnglishRussian(10));
  com::Ptr<IVelDictionary> held = dictionary_;
  long opened = 0;
  ASSERT_EQ(Hr{held->get_Opened(&opened)}, Hr{S_OK});
  ASSERT_EQ(opened, 1);
  sink_->Disconnect();
  viewer_.Reset();
  DestroyWindow(host_);
  host_ = nullptr;
  com::testing::PumpPending();
  ASSERT_EQ(Hr{held->get_Opened(&opened)}, Hr{S_OK});
  EXPECT_EQ(opened, 0) << "also for the other holders of the object";
}

TEST_F(ViewerTest, TitleCtrlOutsideTheFourTitlesChangesNothing) {
  EXPECT_EQ(Hr{viewer_->put_TitleCtrl(4, com::Bstr(L"x").Get())}, Hr{S_OK});
  EXPECT_EQ(Hr{viewer_->put_TitleCtrl(-1, com::Bstr(L"x").Get())}, Hr{S_OK});
  EXPECT_EQ(Hr{viewer_->put_TitleCtrl(0, com::Bstr(L"Type a word:").Get())}, Hr{S_OK});
}

TEST_F(ViewerTest, ContextMenusAndTheDirectionButtonAskTheHost) {
  Use(EnglishRussian(10));
  RECT entry = {}, article = {}, button = {};
  GetWindowRect(Entry(), &entry);
  GetWindowRect(Article(), &article);
  GetWindowRect(Child(kDirectionId), &button);
  // From the keyboard (-1, -1): the centre of the window.
  SendMessageA(Entry(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Entry()), MAKELPARAM(-1, -1));
  // The rich edit asks its callback, which gives the cursor's place.
  SetCursorPos(150, 160);
  SendMessageA(Article(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Article()),
               MAKELPARAM(150, 160));
  SendMessageA(ControlWindow(), WM_COMMAND, MAKEWPARAM(kDirectionId, BN_CLICKED),
               reinterpret_cast<LPARAM>(Child(kDirectionId)));
  const std::vector<Event> menus = EventsOf(kNeedPopupMenu);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].arguments,
            (std::vector<long>{0, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2}));
  EXPECT_EQ(menus[1].arguments, (std::vector<long>{1, 150, 160}));
  const std::vector<Event> directions = EventsOf(kNeedToChangeLang);
  ASSERT_EQ(directions.size(), 1u);
  EXPECT_EQ(directions[0].arguments, (std::vector<long>{0, 9, (button.left + button.right) / 2,
                                                        (button.top + button.bottom) / 2}));
}

TEST_F(ViewerTest, LookingAtTheKeyboardAsksForTheLayoutInsteadOfLookingUp) {
  // Wine takes the keyboard layout from the locale (Russian here), a US
  // desktop gives English: the dictionary typed into is the other one.
  const long layout = static_cast<long>(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0)) & 0x3FF);
  ASSERT_TRUE(layout == 9 || layout == 25) << layout;
  Use(layout == 9 ? RussianEnglish() : EnglishRussian(10));
  const long output = layout == 9 ? 9 : 25;
  ASSERT_EQ(Hr{viewer_->put_LookKbd(1)}, Hr{S_OK});
  const std::vector<std::string> before = Rows();
  SetFocus(Entry());
  SendMessageA(Entry(), WM_CHAR, 'z', 0);
  SendMessageA(ControlWindow(), WM_TIMER, 1105, 0);
  const std::vector<Event> asked = EventsOf(kNeedToSetLangInput);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].arguments, (std::vector<long>{layout, output}));
  EXPECT_EQ(Rows(), before) << "nothing looked up";
  // Not looking: the typed word is looked up.
  ASSERT_EQ(Hr{viewer_->put_LookKbd(0)}, Hr{S_OK});
  SendMessageA(Entry(), WM_CHAR, 'e', 0);
  SendMessageA(ControlWindow(), WM_TIMER, 1105, 0);
  EXPECT_EQ(EventsOf(kNeedToSetLangInput).size(), 1u);
}

TEST_F(ViewerTest, ANewFontRemeasuresTheRowsAndKeepsTheSelectedRowShown) {
  const BuiltDictionary& dictionary = EnglishRussian(60);
  Use(dictionary);
  SendMessageA(List(), LB_SETCURSEL, 7, 0);
  SendMessageA(ControlWindow(), WM_COMMAND, MAKEWPARAM(kListId, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(List()));
  com::Ptr<IFontDisp> font;
  ASSERT_EQ(Hr{com::CreateFontDisp({L"Tahoma", 14, FW_NORMAL, RUSSIAN_CHARSET, false}, &font)},
            Hr{S_OK});
  ASSERT_EQ(Hr{viewer_->put_FontControls(font.Get())}, Hr{S_OK});
  HDC dc = GetDC(List());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Entry(), WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(List(), dc);
  const int height = metrics.tmHeight + metrics.tmExternalLeading + 2;
  ASSERT_GT(height, 18);
  for (int row : {0, 7, 49})
    EXPECT_EQ(SendMessageA(List(), LB_GETITEMHEIGHT, static_cast<WPARAM>(row), 0), height) << row;
  EXPECT_EQ(SelectedRow(), 7);
  EXPECT_NE(ArticleText().find(com::WideFromAnsi(" " + dictionary.listed[7] + "\r")),
            std::wstring::npos)
      << "the article of the row selected again";
  // The entry is as high as a row.
  RECT place = {};
  GetWindowRect(Entry(), &place);
  EXPECT_EQ(place.bottom - place.top, height);
}

TEST_F(ViewerTest, HostIconsMoveTheDirectionButton) {
  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  ASSERT_EQ(Hr{viewer_->put_SetDictIcon(reinterpret_cast<LONG_PTR>(icon),
                                        reinterpret_cast<LONG_PTR>(icon), 32, 16)},
            Hr{S_OK});
  RECT button = {};
  GetWindowRect(Child(kDirectionId), &button);
  MapWindowPoints(nullptr, ControlWindow(), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.left, 600 - 32 - 8);
  EXPECT_EQ(button.right - button.left, 36);
}

TEST_F(ViewerTest, ANewDirectionShowsTheTypedWordInTheNewDictionary) {
  Use(EnglishRussian(60));
  ASSERT_EQ(Hr{viewer_->SetSeekWord(com::Bstr(L"London").Get())}, Hr{S_OK});
  com::Ptr<IVelDictionary> other = DictionaryOf(EnglishRussian(200));
  ASSERT_EQ(Hr{viewer_->ChangeDictNameOnEvent(other.Get())}, Hr{S_OK});
  // The typed word lower-cased: "london" is no word, "l" is.
  EXPECT_EQ(SelectedWord(),
            EnglishRussian(200).listed[IndexOfLookup(EnglishRussian(200).listed, "london")]);
}

}  // namespace

}  // namespace morvex::lookuppane::testing
