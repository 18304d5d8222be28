// The installed program's popup road and hot keys, with both shipped
// dictionaries: a word selected in another program and Ctrl+Alt+S show the
// tip over that program with the word's Russian article, the user's
// clipboard text kept; another dictionary chosen in the tip's menu
// translates it again in place; Ctrl+Alt+X brings the clipboard's word
// into the dictionary page and Ctrl+Alt+Z shows the translation page.
// Keys are pressed through SendInput, as the user's keyboard reaches Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "controls/common/tests/PixelChecks.h"
#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "harness/MouseInput.h"
#include "harness/ScreenPixels.h"

namespace morvex::e2e {

namespace {

constexpr wchar_t kUserText[] = L"Текст пользователя";
constexpr int kEntryId = 617;
constexpr int kTranslationPaneId = 1001;
// How long a key that must change nothing is given to change something.
constexpr DWORD kNothingHappensMs = 1500;

class PopupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
    ForgetOptions();
    ASSERT_TRUE(program_.Start());
    mainWindow_ = program_.WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(mainWindow_, nullptr);
    ASSERT_TRUE(PutClipboardText(kUserText));
  }
  void TearDown() override {
    program_.CloseFromOutside();
    DWORD exitCode = 1;
    EXPECT_TRUE(program_.WaitForExit(kExitTimeoutMs, &exitCode));
  }

  InstalledProgram program_;
  HWND mainWindow_ = nullptr;
};

TEST_F(PopupTest, TheSelectedWordIsTranslatedInATipOverItsProgram) {
  Target target(L"edit", L"  Dictionary!!");
  ASSERT_NE(target.window(), nullptr);
  ASSERT_TRUE(Press(L"ctrl+alt+s"));
  Tip tip;
  ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "no tip";
  EXPECT_EQ(tip.header, L"dictionary");
  EXPECT_NE(tip.body.find(L"словарь"), std::wstring::npos);
  for (wchar_t mark : {L'\t', L'\u00B7'}) EXPECT_EQ(tip.body.find(mark), std::wstring::npos);
  const LONG centreX = (tip.place.left + tip.place.right) / 2;
  const LONG centreY = (tip.place.top + tip.place.bottom) / 2;
  EXPECT_NEAR(centreX, (kTargetPlace.left + kTargetPlace.right) / 2, 1);
  EXPECT_NEAR(centreY, (kTargetPlace.top + kTargetPlace.bottom) / 2, 1);
  EXPECT_EQ(ClipboardText(), kUserText) << "the user's clipboard text is kept";

  // As the user sees it: a black frame around the tip's colour, the header
  // word, the grey part-of-speech block and the article text.
  using controls::testing::Holds;
  RECT body = {}, header = {};
  GetWindowRect(DescendantWithId(tip.window, kTipBodyId), &body);
  GetWindowRect(DescendantWithId(tip.window, kTipHeaderId), &header);
  const COLORREF black = RGB(0, 0, 0), face = GetSysColor(COLOR_INFOBK);
  // Once it has painted all of it (frame, header and body paint apart).
  harness::ScreenPixels seen;
  WaitUntil(
      [&] {
        seen = harness::ScreenPixels::Capture(tip.place);
        return seen.At(tip.place.left, tip.place.top) == black &&
               seen.At(tip.place.right - 1, tip.place.bottom - 1) == black &&
               Holds(seen, header, GetSysColor(COLOR_INFOTEXT)) &&
               Holds(seen, body, RGB(0x80, 0x80, 0x80));
      },
      kReactionTimeoutMs);
  EXPECT_EQ(seen.At(tip.place.left, tip.place.top), black) << "a black frame";
  EXPECT_EQ(seen.At(tip.place.right - 1, tip.place.bottom - 1), black);
  EXPECT_TRUE(Holds(seen, body, face));
  EXPECT_TRUE(Holds(seen, header, GetSysColor(COLOR_INFOTEXT))) << "the header word";
  EXPECT_TRUE(Holds(seen, body, RGB(0x80, 0x80, 0x80))) << "the part-of-speech block";
  EXPECT_TRUE(Holds(seen, body, GetSysColor(COLOR_INFOTEXT))) << "the article text";

  // Another dictionary from the tip's language menu: Ctrl+L, the first
  // other dictionary, Enter. The tip stays where it stood.
  ASSERT_TRUE(Press(L"ctrl+l"));
  ASSERT_TRUE(WaitUntil([&] { return ProgramMenu(mainWindow_) != nullptr; }, kReactionTimeoutMs))
      << "no dictionary menu";
  ASSERT_TRUE(Press(L"down"));
  ASSERT_TRUE(Press(L"enter"));
  Tip french;
  ASSERT_TRUE(WaitUntil(
      [&] { return WaitForTip(&french, 0) && french.body.find(L"dictionnaire") != std::wstring::npos; },
      kReactionTimeoutMs))
      << "the body: " << std::string(french.body.begin(), french.body.end());
  EXPECT_EQ(french.place.left, tip.place.left);
  EXPECT_EQ(french.place.top, tip.place.top);
}

TEST_F(PopupTest, AClickOnTheTipsHeaderOpensTheWordInTheDictionaryPage) {
  Target target(L"edit", L"house");
  ASSERT_NE(target.window(), nullptr);
  ASSERT_TRUE(Press(L"ctrl+alt+s"));
  Tip tip;
  ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "no tip";
  RECT header = {};
  GetWindowRect(DescendantWithId(tip.window, kTipHeaderId), &header);
  harness::MouseClick click;
  click.at = {header.left + 10, (header.top + header.bottom) / 2};
  ASSERT_TRUE(harness::SendClick(click));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_) && !TipShown(); },
                        kReactionTimeoutMs));
  HWND entry = DescendantWithId(mainWindow_, kEntryId);
  EXPECT_TRUE(WaitUntil([&] { return TextOf(entry) == L"house"; }, kReactionTimeoutMs));
}

TEST_F(PopupTest, TheProgramsOwnWindowInFrontGivesNoTip) {
  ShowWindow(mainWindow_, SW_SHOW);
  SetForegroundWindow(mainWindow_);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == mainWindow_; }, kReactionTimeoutMs));
  ASSERT_TRUE(Press(L"ctrl+alt+s"));
  EXPECT_FALSE(WaitUntil(TipShown, kNothingHappensMs));
  EXPECT_EQ(ClipboardText(), kUserText);
}

struct DictionaryKeyCase {
  const char* name;
  std::wstring clipboard;
  std::wstring entry;
};

class DictionaryKeyTest : public PopupTest,
                          public ::testing::WithParamInterface<DictionaryKeyCase> {};

TEST_P(DictionaryKeyTest, TheClipboardsWordGoesToTheDictionaryPage) {
  const DictionaryKeyCase& c = GetParam();
  ASSERT_TRUE(PutClipboardText(c.clipboard));
  ASSERT_TRUE(Press(L"ctrl+alt+x"));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_) != FALSE; }, kReactionTimeoutMs));
  HWND entry = DescendantWithId(mainWindow_, kEntryId);
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(entry) && TextOf(entry) == c.entry; },
                        kReactionTimeoutMs))
      << "entry of " << TextOf(entry).size() << " characters";
  EXPECT_EQ(ClipboardText(), c.clipboard) << "the clipboard is left alone";
}

INSTANTIATE_TEST_SUITE_P(Clipboards, DictionaryKeyTest,
                         ::testing::Values(DictionaryKeyCase{"Word", L"  Hello!", L"hello"},
                                           DictionaryKeyCase{"NoLetters", L"123", L""},
                                           // Only the first 126 bytes are taken.
                                           DictionaryKeyCase{"Long", std::wstring(200, L'w'),
                                                             std::wstring(126, L'w')}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PopupTest, TheTranslationKeyShowsTheTranslationPage) {
  ASSERT_TRUE(Press(L"ctrl+alt+z"));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_) != FALSE; }, kReactionTimeoutMs));
  // The shelf's pager has the pane's id too.
  HWND pane = DescendantWithId(mainWindow_, kTranslationPaneId, L"RichEdit20A");
  ASSERT_NE(pane, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(pane) != FALSE; }, kReactionTimeoutMs));
}

}  // namespace

}  // namespace morvex::e2e
