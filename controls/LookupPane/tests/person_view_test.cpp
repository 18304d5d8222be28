// The viewer as a person meets it in the installed system: a small test
// container hosts it in "AtlAxWin", gives it colours, font and titles as the
// main window does and the installed English-Russian dictionary, and the
// person clicks, types with pauses, walks the list with the keys, follows a
// reference and goes back through the history. A picture of the screen is
// checked and kept beside the test program (lookuppane_person_view.bmp).
//
// Runs in the prefix the installer installed into (MORVEX_IMAGE names the
// installation image).
#include <cstdlib>

#include "ViewerHarness.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::lookuppane::testing {

namespace {

constexpr COLORREF kPanel = RGB(236, 232, 216);
constexpr DWORD kPauseMs = 3000;

std::wstring ImageDirectory() {
  const char* image = std::getenv("MORVEX_IMAGE");
  std::wstring path = L"Z:";
  for (const char* c = image ? image : ""; *c; ++c) path += *c == '/' ? L'\\' : wchar_t(*c);
  return path + L"\\";
}

class PersonViewTest : public ViewerHarness {
 protected:
  void SetUp() override {
    ViewerHarness::SetUp();
    system_ = com::testing::CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
    ASSERT_TRUE(system_);
    ASSERT_EQ(Hr{system_->put_PathToData(com::Bstr(ImageDirectory().c_str()).Get())}, Hr{S_OK});
    ASSERT_EQ(Hr{system_->Init()}, Hr{S_OK});
    com::Ptr<IVelDictCollection> installed;
    ASSERT_EQ(Hr{system_->get_MorDictColl(installed.Put())}, Hr{S_OK});
    long count = 0;
    installed->get_Count(&count);
    for (long i = 1; i <= count && !dictionary_; ++i) {
      com::Ptr<IVelDictionary> item;
      long in = 0, out = 0;
      if (SUCCEEDED(installed->get_Item(i, item.Put())) && SUCCEEDED(item->get_LangIn(&in)) &&
          SUCCEEDED(item->get_LangOut(&out)) && in == 1033 && out == 1049)
        dictionary_ = item;
    }
    ASSERT_TRUE(dictionary_) << "no English-Russian dictionary installed";
    MakeViewer(620, 400);
    SetUpAsTheHostDoes();
    ASSERT_EQ(Hr{viewer_->SetDictionary(dictionary_.Get())}, Hr{S_OK});
  }
  void TearDown() override {
    ViewerHarness::TearDown();
    dictionary_.Reset();
    if (system_) system_->Exit();
    system_.Reset();
  }
  // Types and waits for the typing pause to end in a lookup.
  void TypeAndPause(const std::wstring& text) {
    const std::string before = SelectedWord();
    Type(text);
    com::testing::PumpUntil([&] { return SelectedWord() != before; }, kPauseMs);
  }
  // A real click on the last `text` of the article, scrolled into view as
  // a person would scroll.
  void ClickOnLast(const std::wstring& text) {
    SendMessageA(Article(), WM_VSCROLL, SB_BOTTOM, 0);
    com::testing::Pump(100);
    const size_t found = ArticleText().rfind(text);
    ASSERT_NE(found, std::wstring::npos) << com::AnsiFromWide(text);
    const LONG at = static_cast<LONG>(found);
    POINTL corner = {};
    SendMessageW(Article(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&corner), at + 1);
    Click(Article(), {corner.x + 1, corner.y + 5});
  }

  com::Ptr<ILexiconHub> system_;
  com::Ptr<IVelDictionary> dictionary_;
};

TEST_F(PersonViewTest, TypingWalkingFollowingAndGoingBack) {
  RECT entry = {};
  GetClientRect(Entry(), &entry);
  FocusForInput(Entry());
  Click(Entry(), {entry.right / 2, entry.bottom / 2});
  // "h", a pause, "ouse", a pause: the list follows after each.
  TypeAndPause(L"h");
  EXPECT_EQ(SelectedWord().substr(0, 1), "h");
  EXPECT_EQ(Rows().size(), 50u);
  TypeAndPause(L"ouse");
  EXPECT_EQ(SelectedWord(), "house");
  EXPECT_EQ(Rows().size(), 50u);
  EXPECT_EQ(EntryText(), "house");
  // "house" bold over its Russian.
  const LONG head = ArticlePositionOf(L"house");
  ASSERT_GE(head, 0);
  EXPECT_TRUE(FormatAt(Article(), head).dwEffects & CFE_BOLD);
  bool cyrillic = false;
  for (wchar_t c : ArticleText()) cyrillic = cyrillic || (c >= 0x0410 && c <= 0x044F);
  EXPECT_TRUE(cyrillic) << "the Russian decoded in its own code page";

  // The keys walk the list, the focus stays in the entry.
  FocusForInput(Entry());
  const int row = SelectedRow();
  Press(L"down");
  EXPECT_EQ(SelectedRow(), row + 1);
  const std::string last = Rows().back();
  for (int i = 0; i < 4; ++i) Press(L"pagedown");
  EXPECT_EQ(SelectedRow(), 49);
  EXPECT_NE(Rows().back(), last) << "paged on past row 49";
  EXPECT_EQ(GetFocus(), Entry());
  // Home and End are the list's own keys (the entry keeps them for its
  // caret); each shown word takes the focus back to the entry.
  FocusForInput(List());
  Press(L"home");
  EXPECT_EQ(SelectedRow(), 0);
  const std::string first = Rows().front();
  FocusForInput(List());
  Press(L"end");
  EXPECT_EQ(SelectedRow(), 49);
  EXPECT_NE(Rows().front(), first);

  // "color" shows the reference "colour"; a click on it looks it up.
  FocusForInput(Entry());
  SendMessageA(Entry(), EM_SETSEL, 0, -1);
  TypeAndPause(L"color");
  ASSERT_EQ(SelectedWord(), "color");
  const std::wstring article = ArticleText();
  const size_t reference = article.rfind(L"colour");
  ASSERT_NE(reference, std::wstring::npos);
  EXPECT_TRUE(FormatAt(Article(), static_cast<LONG>(reference)).dwEffects & CFE_LINK);
  const ScreenPicture picture(frame_);
  EXPECT_TRUE(picture.Save("lookuppane_person_view.bmp"));
  ClickOnLast(L"colour");
  EXPECT_EQ(EntryText(), "colour");
  EXPECT_EQ(SelectedWord(), "colour");

  // The picture: the panel, the selected row, the blue reference.
  EXPECT_EQ(picture.At(11, 200), kPanel);
  int highlighted = 0, blue = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      highlighted += picture.At(x, y) == GetSysColor(COLOR_HIGHLIGHT);
      blue += picture.At(x, y) == RGB(0, 0, 255);
    }
  EXPECT_GT(highlighted, 200) << "the selected row";
  EXPECT_GT(blue, 10) << "the reference";

  // Enter lists the words looked up; a click on "house" brings it back.
  FocusForInput(Entry());
  Press(L"enter");
  HWND popup = FindWindowA("VelPopUpListBox", nullptr);
  ASSERT_TRUE(popup && IsWindowVisible(popup));
  HWND list = GetDlgItem(popup, 2000);
  const int house = static_cast<int>(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>("house")));
  ASSERT_GE(house, 0);
  RECT item = {};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(house), reinterpret_cast<LPARAM>(&item));
  Click(list, {item.left + 8, (item.top + item.bottom) / 2});
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_EQ(EntryText(), "house");
  EXPECT_EQ(SelectedWord(), "house");
}

}  // namespace

}  // namespace morvex::lookuppane::testing
