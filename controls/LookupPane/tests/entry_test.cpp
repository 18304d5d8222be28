// The word entry and the history, with real keys and clicks: only a word's
// characters go in, the list keys move the list while the focus stays, Tab
// goes to the article and back, the clipboard shortcuts work and Ctrl never
// sticks; a lookup waits for the typing pause; the history keeps the last
// 20 words looked up, opens under the entry, follows the mouse and closes
// on a choice, Esc or a click elsewhere; the context menu is the host's.
#include "LookupTestSupport.h"
#include "com/Automation.h"
#include "com/WideText.h"
#include "harness/MouseInput.h"

namespace morvex::lookuppane::testing {

namespace {

constexpr UINT kTypingTimer = 1105;

class EntryTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    SetUpAsTheHostDoes();
  }
  // The typing pause over at once.
  void Pause() { SendMessageA(ControlWindow(), WM_TIMER, kTypingTimer, 0); }
  // Types into the emptied entry and lets the pause end.
  void TypeWord(const std::string& word) {
    FocusForInput(Entry());
    SendMessageA(Entry(), EM_SETSEL, 0, -1);
    Type(com::WideFromAnsi(word));
    Pause();
  }
  HWND Popup() const { return FindWindowA("VelPopUpListBox", nullptr); }
  HWND HistoryList() const { return GetDlgItem(Popup(), 2000); }
  std::vector<std::string> History() const {
    std::vector<std::string> words;
    const int count = static_cast<int>(SendMessageA(HistoryList(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[300] = {};
      SendMessageA(HistoryList(), LB_GETTEXT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(text));
      words.push_back(text);
    }
    return words;
  }
  std::string Clipboard() const {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }
  // One key down or up alone, as a hand holding it does.
  void KeyAlone(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
    com::testing::Pump(80);
  }
};

TEST_F(EntryTest, OnlyTheCharactersOfAWordGoIn) {
  Use(EnglishRussian(60));
  FocusForInput(Entry());
  SendMessageA(Entry(), EM_SETSEL, 0, -1);
  // Letters (Latin and Cyrillic), hyphen, apostrophe, blank and percent
  // in; digits, full stop and comma out.
  Type(L"a\x042F\x0447-' %1.,9");
  EXPECT_EQ(EntryText(), "a\xDF\xF7-' %");
}

TEST_F(EntryTest, UpAndDownMoveTheListWhileTheFocusStays) {
  const BuiltDictionary& dictionary = EnglishRussian(60);
  Use(dictionary);
  ASSERT_EQ(
      Hr{viewer_->SetSeekWord(com::Bstr(com::WideFromAnsi(dictionary.listed[10]).c_str()).Get())},
      Hr{S_OK});
  FocusForInput(Entry());
  Press(L"down");
  Press(L"down");
  EXPECT_EQ(SelectedWord(), dictionary.listed[12]);
  EXPECT_EQ(EntryText(), dictionary.listed[12]);
  EXPECT_EQ(GetFocus(), Entry());
  Press(L"up");
  EXPECT_EQ(SelectedWord(), dictionary.listed[11]);
  EXPECT_EQ(GetFocus(), Entry());
}

TEST_F(EntryTest, TabGoesToTheArticleAndBack) {
  Use(Articles());
  FocusForInput(Entry());
  Press(L"tab");
  EXPECT_EQ(GetFocus(), Article());
  CHARRANGE selection = {};
  SendMessageA(Article(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  EXPECT_EQ(selection.cpMin, selection.cpMax) << "nothing selected in the article";
  Press(L"tab");
  EXPECT_EQ(GetFocus(), Entry());
  DWORD start = 1, end = 0;
  SendMessageA(Entry(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(EntryText().size())) << "the entry's text selected";
}

TEST_F(EntryTest, ClipboardShortcutsWorkAndCtrlNeverSticks) {
  Use(Articles());
  ASSERT_EQ(Hr{viewer_->SetSeekWord(com::Bstr(L"house").Get())}, Hr{S_OK});
  FocusForInput(Entry());
  Press(L"end");
  Press(L"ctrl+a");
  Press(L"ctrl+c");
  EXPECT_EQ(Clipboard(), "house");
  Press(L"ctrl+x");
  EXPECT_EQ(EntryText(), "");
  Press(L"ctrl+v");
  Press(L"ctrl+v");
  EXPECT_EQ(EntryText(), "househouse");
  Press(L"ctrl+z");
  EXPECT_NE(EntryText(), "househouse") << "undone";

  // Ctrl pressed in the entry, a row clicked (the entry takes the focus
  // back with the row's word selected), Ctrl released: typing is typing.
  KeyAlone(VK_CONTROL, false);
  RECT row = {};
  SendMessageA(List(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  Click(List(), {row.left + 10, (row.top + row.bottom) / 2});
  KeyAlone(VK_CONTROL, true);
  FocusForInput(Entry());
  SendMessageA(Entry(), EM_SETSEL, 0, -1);
  Type(L"cat");
  EXPECT_EQ(EntryText(), "cat");
}

TEST_F(EntryTest, OnlyAPauseLooksUpAndOnlyALookupIsKept) {
  const BuiltDictionary& dictionary = EnglishRussian(200);
  Use(dictionary);
  const std::vector<std::string> start = Rows();
  // Typed without the pause: nothing looked up, nothing kept.
  FocusForInput(Entry());
  Type(com::WideFromAnsi(dictionary.listed[120]));
  EXPECT_EQ(Rows(), start);
  EXPECT_TRUE(History().empty());
  // A word already in the window is selected: no search, no history.
  TypeWord(dictionary.listed[3]);
  EXPECT_EQ(Rows(), start);
  EXPECT_EQ(SelectedRow(), 3);
  EXPECT_TRUE(History().empty());
  // 21 words looked up (each with a wrong end, so that none is in the
  // window): the oldest goes.
  std::vector<std::string> kept;
  for (size_t i = 0; i < 21; ++i) {
    const std::string& word = dictionary.listed[(i * 9 + 60) % dictionary.listed.size()];
    TypeWord(word + "qq");
    ASSERT_EQ(SelectedWord(), word);
    kept.push_back(word);
  }
  kept.erase(kept.begin());
  EXPECT_EQ(History(), kept);
}

TEST_F(EntryTest, AWordBeginningAKeptOneIsNotAdded) {
  Use(Articles());
  TypeWord("archqq");
  TypeWord("arcqq");
  EXPECT_EQ(SelectedWord(), "arc");
  EXPECT_EQ(History(), std::vector<std::string>{"arch"});
  TypeWord("ARCHqq");
  EXPECT_EQ(History(), std::vector<std::string>{"arch"}) << "in any case";
}

TEST_F(EntryTest, TheHistoryOpensUnderTheEntryAndChoosesWithTheMouse) {
  Use(Articles());
  FocusForInput(Entry());
  Press(L"enter");
  EXPECT_FALSE(IsWindowVisible(Popup())) << "no history yet";

  for (const char* typed : {"houseqq", "siteqq", "archqq"}) TypeWord(typed);
  ASSERT_EQ(History(), (std::vector<std::string>{"house", "site", "arch"}));
  FocusForInput(Entry());
  Press(L"enter");
  ASSERT_TRUE(IsWindowVisible(Popup()));
  RECT entry = {}, popup = {};
  GetWindowRect(Entry(), &entry);
  GetWindowRect(Popup(), &popup);
  EXPECT_EQ(popup.left, entry.left - 1);
  EXPECT_EQ(popup.top, entry.bottom + 1);
  EXPECT_TRUE(GetWindowLongA(Popup(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetFocus(), HistoryList());

  // Hovering selects the row under the pointer; a click chooses it.
  RECT row = {};
  SendMessageA(HistoryList(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  POINT over = {row.left + 8, (row.top + row.bottom) / 2};
  ClientToScreen(HistoryList(), &over);
  ASSERT_TRUE(harness::MovePointer(over));
  com::testing::Pump(150);
  EXPECT_EQ(SendMessageA(HistoryList(), LB_GETCURSEL, 0, 0), 1);
  ASSERT_TRUE(harness::SendClick({over}));
  com::testing::Pump(200);
  EXPECT_FALSE(IsWindowVisible(Popup()));
  EXPECT_EQ(EntryText(), "site");
  EXPECT_EQ(SelectedWord(), "site");
  EXPECT_EQ(GetFocus(), Entry());

  // Esc closes without a choice; so does a click elsewhere.
  Press(L"enter");
  ASSERT_TRUE(IsWindowVisible(Popup()));
  Press(L"esc");
  EXPECT_FALSE(IsWindowVisible(Popup()));
  EXPECT_EQ(EntryText(), "site");
  FocusForInput(Entry());
  Press(L"enter");
  ASSERT_TRUE(IsWindowVisible(Popup()));
  Click(frame_, {5, 300});
  EXPECT_FALSE(IsWindowVisible(Popup()));
  EXPECT_EQ(EntryText(), "site");
}

TEST_F(EntryTest, TheEntrysContextMenuIsTheHosts) {
  Use(Articles());
  RECT entry = {};
  GetWindowRect(Entry(), &entry);
  POINT at = {entry.left + 20, (entry.top + entry.bottom) / 2};
  ASSERT_TRUE(harness::SendClick({at, harness::MouseButton::kRight}));
  com::testing::Pump(200);
  FocusForInput(Entry());
  Press(L"shift+f10");
  const std::vector<Event> menus = EventsOf(kNeedPopupMenu);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[0].arguments, (std::vector<long>{0, at.x, at.y}));
  EXPECT_EQ(menus[1].arguments,
            (std::vector<long>{0, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2}));
  EXPECT_EQ(FindWindowA("#32768", nullptr), nullptr) << "the edit's own menu never shows";
}

}  // namespace

}  // namespace morvex::lookuppane::testing
