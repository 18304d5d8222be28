// The article view: each kind of run in its format, the text decoded in
// the code page of its language with the mark-up blanked, nothing selected,
// read-only against typing, pasting and the editing messages, painting that
// settles; and its links, clicked for real: a reference looks its word up,
// a web address never takes the word path, other schemes do.
#include "LookupTestSupport.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::lookuppane::testing {

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

class ArticleTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    SetUpAsTheHostDoes();
    Use(Articles());
  }
  void Show(const wchar_t* word) {
    ASSERT_EQ(Hr{viewer_->SetSeekWord(com::Bstr(word).Get())}, Hr{S_OK});
    com::testing::PumpPending();
  }
  // A real click in the middle of the first character of `text`.
  void ClickOn(const std::wstring& text) {
    const LONG at = ArticlePositionOf(text);
    ASSERT_GE(at, 0) << "no " << com::AnsiFromWide(text);
    POINTL corner = {};
    SendMessageW(Article(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&corner), at + 1);
    FocusForInput(Entry());
    Click(Article(), {corner.x + 1, corner.y + 5});
  }
};

TEST_F(ArticleTest, EachKindOfRunHasItsFormat) {
  // "{Noun} color\r\n\t·{Noun} цвет;\r\n\colour"
  Show(L"color");
  const std::wstring text = ArticleText();
  EXPECT_EQ(text.substr(0, 12), L" Noun  color") << "the braces blanked";
  EXPECT_NE(text.find(L"\x0446\x0432\x0435\x0442;"), std::wstring::npos) << "Cyrillic decoded";
  struct Expected {
    const wchar_t* text;
    DWORD effects;  // among bold, italic, underline, link
    COLORREF colour;
    BYTE charset;
  };
  const DWORD kinds = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_LINK;
  for (const Expected& run :
       {Expected{L"Noun", CFE_ITALIC, kGrey, RUSSIAN_CHARSET},
        Expected{L"color", CFE_BOLD, 0, ANSI_CHARSET},
        Expected{L"\x0446\x0432", 0, kTextColour, RUSSIAN_CHARSET},
        Expected{L"colour", CFE_BOLD | CFE_UNDERLINE | CFE_LINK, kBlue, ANSI_CHARSET}}) {
    const LONG at = ArticlePositionOf(run.text);
    ASSERT_GE(at, 0) << com::AnsiFromWide(run.text);
    const CHARFORMAT2W format = FormatAt(Article(), at);
    EXPECT_EQ(format.dwEffects & kinds, run.effects) << com::AnsiFromWide(run.text);
    EXPECT_EQ(format.crTextColor, run.colour) << com::AnsiFromWide(run.text);
    EXPECT_EQ(format.bCharSet, run.charset) << com::AnsiFromWide(run.text);
  }
  Show(L"arch");
  const CHARFORMAT2W label = FormatAt(Article(), ArticlePositionOf(L"arch)"));
  EXPECT_EQ(label.crTextColor, kGrey) << "a label";
  EXPECT_EQ(label.dwEffects & kinds, 0u);
}

TEST_F(ArticleTest, TheRussianOfAFirstMeaningIsNeverShownAsHeadWord) {
  Show(L"house");
  const LONG russian = ArticlePositionOf(L"\x0434\x043E\x043C");
  ASSERT_GE(russian, 0) << "the Russian decoded in its own code page";
  const CHARFORMAT2W format = FormatAt(Article(), russian);
  EXPECT_EQ(format.dwEffects & CFE_BOLD, 0u);
  EXPECT_EQ(format.bCharSet, RUSSIAN_CHARSET);
}

TEST_F(ArticleTest, NothingIsSelectedAfterAnArticleIsShown) {
  Show(L"color");
  CHARRANGE selection = {};
  SendMessageA(Article(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  EXPECT_EQ(selection.cpMin, selection.cpMax);
  long has = -1;
  ASSERT_EQ(Hr{viewer_->get_hasSelText(1, &has)}, Hr{S_OK});
  EXPECT_EQ(has, 0);
}

TEST_F(ArticleTest, TypingPastingAndEditingChangeNothing) {
  Show(L"house");
  const std::wstring before = ArticleText();
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
  memcpy(GlobalLock(text), "paste", 6);
  GlobalUnlock(text);
  SetClipboardData(CF_TEXT, text);
  CloseClipboard();
  FocusForInput(Article());
  Type(L"xy");
  for (const wchar_t* combo : {L"backspace", L"delete", L"enter", L"ctrl+v", L"shift+insert",
                               L"ctrl+x", L"shift+delete", L"ctrl+z"})
    Press(combo);
  for (UINT message : {WM_PASTE, WM_CUT, WM_UNDO, WM_CLEAR}) SendMessageA(Article(), message, 0, 0);
  EXPECT_EQ(ArticleText(), before);
}

TEST_F(ArticleTest, PaintingSettlesAfterALongArticle) {
  Show(L"long");
  com::testing::Pump(300);
  static int paints = 0;
  static HWND watched = nullptr;
  watched = Article();
  paints = 0;
  HHOOK hook = SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->hwnd == watched &&
            (message->message == WM_PAINT || message->message == WM_NCPAINT))
          ++paints;
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  com::testing::Pump(1000);
  UnhookWindowsHookEx(hook);
  EXPECT_LT(paints, 10) << "an idle second";
}

TEST_F(ArticleTest, AClickOnAReferenceLooksItsWordUp) {
  struct Case {
    const wchar_t* shown;
    const wchar_t* link;
  };
  // The second reference begins with punctuation: dropped.
  for (const Case& c : {Case{L"color", L"colour"}, Case{L"punct", L"...colour"}}) {
    Show(c.shown);
    ClickOn(c.link);
    EXPECT_EQ(EntryText(), "colour") << com::AnsiFromWide(c.shown);
    EXPECT_EQ(SelectedWord(), "colour") << com::AnsiFromWide(c.shown);
    EXPECT_EQ(GetFocus(), Entry()) << com::AnsiFromWide(c.shown);
    DWORD start = 1, end = 0;
    SendMessageA(Entry(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 6u) << "the entry's text selected";
  }
}

TEST_F(ArticleTest, AWebAddressNeverTakesTheWordPathOtherSchemesDo) {
  // Refused by the opener (a quote in it): nothing starts, nothing moves.
  Show(L"quoted");
  ClickOn(L"http://");
  EXPECT_EQ(SelectedWord(), "quoted");
  EXPECT_EQ(EntryText(), "quoted");
  // Not a web scheme: the word path. No word begins with any part of
  // "x:http://example.com": the lookup lands on the start.
  Show(L"other");
  ClickOn(L"x:http");
  EXPECT_EQ(SelectedWord(), "arc");
  EXPECT_EQ(EntryText(), "arc");
}

}  // namespace

}  // namespace morvex::lookuppane::testing
