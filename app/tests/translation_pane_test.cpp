// The translation page as the main window makes it: a plain-text rich edit
// that keeps whatever length is pasted into it, takes formatted text as
// plain text, and writes in the program's face at 10 points.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h and richedit.h need windows.h before them.
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "app/TranslationPane.h"
#include "com/testing/ControlHosting.h"
#include "controls/common/RichEditLibrary.h"

namespace morvex::solo {
namespace {

constexpr wchar_t kFrameClass[] = L"TranslationPaneTestFrame";

bool PutOnClipboard(UINT format, const std::string& bytes) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  bool put = false;
  if (char* data = memory ? static_cast<char*>(GlobalLock(memory)) : nullptr) {
    memcpy(data, bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(memory);
    put = SetClipboardData(format, memory) != nullptr;
  }
  if (!put && memory) GlobalFree(memory);
  CloseClipboard();
  return put;
}

class TranslationPaneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    com::testing::RegisterTestWindowClass(kFrameClass, GetSysColorBrush(COLOR_WINDOW));
  }
  void SetUp() override {
    ASSERT_TRUE(controls::LoadRichEditLibrary());
    frame_ = CreateWindowExW(0, kFrameClass, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr);
    window_ = CTranslationPane::CreateWindowIn(frame_);
    ASSERT_NE(window_, nullptr);
    MoveWindow(window_, 0, 0, 480, 360, TRUE);
    ASSERT_TRUE(pane_.Setup(window_, RGB(250, 250, 240), RGB(192, 192, 192)));
  }
  void TearDown() override {
    if (frame_) DestroyWindow(frame_);
  }

  std::string Text() const {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window_, &text[0], static_cast<int>(text.size()))));
    return text;
  }

  HWND frame_ = nullptr;
  HWND window_ = nullptr;
  CTranslationPane pane_;
};

TEST_F(TranslationPaneTest, IsAPlainTextChildWithTheProgramsSettings) {
  EXPECT_EQ(GetDlgCtrlID(window_), 1001);
  EXPECT_EQ(GetParent(window_), frame_);
  EXPECT_EQ(SendMessageA(window_, EM_GETEVENTMASK, 0, 0), 0x6C0703);
  EXPECT_EQ(SendMessageA(window_, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFF);
  EXPECT_TRUE(SendMessageA(window_, EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT);

  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  SendMessageA(window_, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  EXPECT_STREQ(format.szFaceName, "Tahoma");
  EXPECT_EQ(format.yHeight, 200) << "10 points";
  EXPECT_FALSE(format.dwEffects & CFE_BOLD) << "the default text is not bold";
}

TEST_F(TranslationPaneTest, ANullWindowIsRefused) {
  CTranslationPane other;
  EXPECT_FALSE(other.Setup(nullptr, 0, 0));
}

TEST_F(TranslationPaneTest, PastedTextKeepsItsLengthAndRtfArrivesAsItsText) {
  // Far over the 64 KB a rich edit keeps by default.
  std::string large;
  while (large.size() < 100 * 1024) large += "the quick brown fox jumps over the lazy dog ";
  large.resize(100 * 1024);
  ASSERT_TRUE(PutOnClipboard(CF_TEXT, large));
  SendMessageA(window_, WM_PASTE, 0, 0);
  EXPECT_EQ(Text().size(), large.size());

  SetWindowTextA(window_, "");
  const UINT rtf = RegisterClipboardFormatA(CF_RTF);
  ASSERT_TRUE(PutOnClipboard(rtf, "{\\rtf1\\ansi {\\b bold} plain}"));
  SendMessageA(window_, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(), "bold plain");
  // Wine's rich edit keeps the bold of pasted RTF even in plain-text mode;
  // Windows' drops it. The text is what both give.
}

// The bars follow the text: scrolled by keys or the wheel, the position
// the pane reports is the text's.
TEST_F(TranslationPaneTest, ScrollingMovesTheScrollBarsWithTheText) {
  std::string lines;
  for (int line = 0; line < 200; ++line) lines += "line " + std::to_string(line) + "\r\n";
  SetWindowTextA(window_, lines.c_str());
  SendMessageA(window_, WM_VSCROLL, SB_PAGEDOWN, 0);
  UpdateWindow(window_);
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  ASSERT_TRUE(FlatSB_GetScrollInfo(window_, SB_VERT, &info));
  EXPECT_GT(SendMessageA(window_, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_GT(info.nPos, 0) << "the flat bar moved with the text";
}

}  // namespace
}  // namespace morvex::solo
