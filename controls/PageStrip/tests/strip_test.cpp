// The page strip hosted as the program hosts it, driven through its
// interface and window messages: where the page windows go, the events,
// what each index-taking member answers for an index that names no page,
// header heights, deleting pages, and that the slide ends where an
// immediate change does.
#include <gtest/gtest.h>
#include <olectl.h>
#include <windows.h>

#include <string>

#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/Fonts.h"
#include "strip_test_support.h"

namespace com = morvex::com;

namespace pagestrip_test {

namespace {

constexpr int W = kStripWidth;
constexpr int H = kStripHeight;

long HandleLong(HWND window) { return static_cast<long>(reinterpret_cast<LONG_PTR>(window)); }

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

class PageStripTest : public StripTest {
 protected:
  long Active() {
    long index = -2;
    EXPECT_EQ(Hr{strip_->GetActivePage(&index)}, Hr{S_OK});
    return index;
  }
  long Count() {
    long count = -1;
    EXPECT_EQ(Hr{strip_->GetPagesCount(&count)}, Hr{S_OK});
    return count;
  }
  long HeightOf(long index) {
    long height = -2;
    EXPECT_EQ(Hr{strip_->get_Height(index, &height)}, Hr{S_OK});
    return height;
  }
  std::wstring NameOf(long index) {
    com::Bstr name;
    EXPECT_EQ(Hr{strip_->GetPageName(index, name.Put())}, Hr{S_OK});
    return name.IsNull() ? L"<null>" : name.Text();
  }
  RECT PageRect(int page) { return RectIn(pages_[page], StripWindow()); }
  void ClickHeader(int y) {
    SendMessageW(StripWindow(), WM_LBUTTONDOWN, MK_LBUTTON, Point(W / 2, y));
  }
};

TEST_F(PageStripTest, TheOpenPageFillsTheSpaceBetweenTheStacks) {
  AddThreePagesWithWindows();
  EXPECT_EQ(Active(), 2);
  EXPECT_EQ(PageRect(2), (RECT{2, 64, W - 2, H - 1}));
  EXPECT_TRUE(IsWindowVisible(pages_[2]));
  EXPECT_FALSE(IsWindowVisible(pages_[0]));
  EXPECT_FALSE(IsWindowVisible(pages_[1]));
  for (HWND page : pages_) EXPECT_EQ(GetParent(page), StripWindow());

  ASSERT_EQ(Hr{strip_->ActivatePage(0)}, Hr{S_OK});
  EXPECT_EQ(PageRect(0), (RECT{2, 22, W - 2, H - 43}));
  EXPECT_TRUE(IsWindowVisible(pages_[0]));
  EXPECT_FALSE(IsWindowVisible(pages_[2]));

  // The bottom stack runs upward from the last page: page 2's header is the
  // lowest, page 1's above it.
  TakeEvents();
  ClickHeader(H - 11);
  EXPECT_EQ(TakeEvents(), "A2 ");
  ASSERT_EQ(Hr{strip_->ActivatePage(0)}, Hr{S_OK});
  TakeEvents();
  ClickHeader(H - 32);
  EXPECT_EQ(TakeEvents(), "A1 ");
  EXPECT_EQ(PageRect(1), (RECT{2, 43, W - 2, H - 22}));

  // The host's size reaches the open page.
  MoveWindow(host_, 0, 0, W - 50, H - 40, TRUE);
  EXPECT_EQ(PageRect(1), (RECT{2, 43, W - 52, H - 62}));
}

TEST_F(PageStripTest, EveryActivationIsReportedOnceAndTheOpenHeaderOnlyAsAClick) {
  for (const wchar_t* name : {L"a", L"b", L"c"}) {
    com::Bstr text(name);
    strip_->AddPage(text.Get());
  }
  EXPECT_EQ(TakeEvents(), "A0 A1 A2 ");
  strip_->ActivatePage(0);
  EXPECT_EQ(TakeEvents(), "A0 ");
  strip_->ActivatePage(0);
  EXPECT_EQ(TakeEvents(), "") << "opening the open page does nothing";
  // A new page first opens the last one, so that every page stands at the top.
  com::Bstr fourth(L"d");
  strip_->AddPage(fourth.Get());
  EXPECT_EQ(TakeEvents(), "A2 A3 ");

  ClickHeader(64 + 10);
  EXPECT_EQ(TakeEvents(), "C3 ");
  EXPECT_EQ(Active(), 3);
  ClickHeader(21);
  EXPECT_EQ(TakeEvents(), "") << "the pixel between two headers opens nothing";
}

TEST_F(PageStripTest, AnIndexThatNamesNoPageIsAnsweredAsSuch) {
  AddThreePagesWithWindows();
  HWND spare = MakePageWindow();
  TakeEvents();
  for (long index : {-1L, 3L, 8L}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(Hr{strip_->AttachWindow(index, HandleLong(spare))}, Hr{S_FALSE});
    EXPECT_EQ(GetParent(spare), frame_);
    EXPECT_EQ(Hr{strip_->DeletePage(index)}, Hr{S_OK});
    EXPECT_EQ(Count(), 3);
    EXPECT_EQ(HeightOf(index), -1);
    EXPECT_EQ(Hr{strip_->put_Height(index, 50)}, Hr{S_OK});
    long isPage = -1;
    EXPECT_EQ(Hr{strip_->IsPage(index, &isPage)}, Hr{S_OK});
    EXPECT_EQ(isPage, 0);
    EXPECT_EQ(NameOf(index), L"<null>");
    long handle = -1;
    EXPECT_EQ(Hr{strip_->GetHwnd(index, &handle)}, Hr{S_OK});
    EXPECT_EQ(handle, 0);
    com::Bstr name(L"x");
    EXPECT_EQ(Hr{strip_->SetPageName(index, name.Get())}, Hr{S_OK});
    EXPECT_EQ(Hr{strip_->ActivatePage(index)}, Hr{S_OK});
  }
  EXPECT_EQ(TakeEvents(), "");
  EXPECT_EQ(Active(), 2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(HeightOf(i), 20) << i;

  // Nor is a window that is no window, none, or one that holds the strip.
  for (HWND refused :
       {static_cast<HWND>(nullptr), reinterpret_cast<HWND>(0x7FFF0), host_, frame_}) {
    EXPECT_EQ(Hr{strip_->AttachWindow(0, HandleLong(refused))}, Hr{S_FALSE});
  }
  long handle = 0;
  strip_->GetHwnd(0, &handle);
  EXPECT_EQ(handle, HandleLong(pages_[0]));
  EXPECT_EQ(GetParent(host_), frame_);
}

TEST_F(PageStripTest, NamesAreFoundExactlyAndANullNameIsEmpty) {
  AddThreePagesWithWindows();
  com::Bstr none;
  ASSERT_EQ(Hr{strip_->AddPage(none.Get())}, Hr{S_OK});
  EXPECT_EQ(NameOf(3), L"");
  struct Case {
    const wchar_t* name;
    long index;
  };
  for (const Case& c : {Case{L"Dictionary", 1}, Case{L"dictionary", -1}, Case{L"Dictionar", -1},
                        Case{L"", 3}, Case{nullptr, 3}}) {
    com::Bstr name(c.name);
    long index = -2;
    EXPECT_EQ(Hr{strip_->GetPage(name.Get(), &index)}, Hr{S_OK});
    EXPECT_EQ(index, c.index) << (c.name ? c.name : L"<null>");
  }
  com::Bstr renamed(L"Словарь: Мюллер");
  ASSERT_EQ(Hr{strip_->SetPageName(1, renamed.Get())}, Hr{S_OK});
  EXPECT_EQ(NameOf(1), L"Словарь: Мюллер");
}

TEST_F(PageStripTest, HeaderHeightsMoveTheOpenPage) {
  AddThreePagesWithWindows();
  strip_->ActivatePage(0);
  ASSERT_EQ(Hr{strip_->put_Height(0, 1)}, Hr{S_OK});
  int caption = GetSystemMetrics(SM_CYCAPTION);
  EXPECT_EQ(HeightOf(0), caption) << "no header is lower than a caption";
  EXPECT_EQ(PageRect(0), (RECT{2, 1 + caption + 1, W - 2, H - 43}));

  ASSERT_EQ(Hr{strip_->put_Height(0, 40)}, Hr{S_OK});
  EXPECT_EQ(PageRect(0), (RECT{2, 42, W - 2, H - 43}));
  // A header of the bottom stack grows upward into the open page.
  ASSERT_EQ(Hr{strip_->put_Height(2, 40)}, Hr{S_OK});
  EXPECT_EQ(PageRect(0), (RECT{2, 42, W - 2, H - 63}));
  EXPECT_EQ(HeightOf(2), 40);
}

TEST_F(PageStripTest, AttachingAgainGivesTheFormerWindowBack) {
  AddThreePagesWithWindows();
  HWND replacement = MakePageWindow();
  ASSERT_EQ(Hr{strip_->AttachWindow(2, HandleLong(replacement))}, Hr{S_OK});
  EXPECT_EQ(GetParent(pages_[2]), frame_);
  EXPECT_EQ(GetParent(replacement), StripWindow());
  long handle = 0;
  strip_->GetHwnd(2, &handle);
  EXPECT_EQ(handle, HandleLong(replacement));
  EXPECT_TRUE(IsWindowVisible(replacement)) << "the open page shows its new window";
  EXPECT_EQ(RectIn(replacement, StripWindow()), (RECT{2, 64, W - 2, H - 1}));
}

// The caption of header 0 ("Translation", closed) as the test draws it
// itself: the closed colours, the caption font given, the header's format.
Picture ExpectedClosedHeader(HFONT font) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, W, H);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT header = {1, 1, W - 1, 21};
  FillRect(dc, &header, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ oldFont = SelectObject(dc, font);
  DrawTextW(dc, L"Translation", -1, &header, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  Picture picture;
  picture.width = W;
  picture.height = H;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) picture.pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return picture;
}

// Inside the frame of header 0.
bool SameCaption(const Picture& a, const Picture& b) {
  for (int y = 2; y < 20; ++y) {
    for (int x = 2; x < W - 2; ++x) {
      if (a.At(x, y) != b.At(x, y)) return false;
    }
  }
  return true;
}

TEST_F(PageStripTest, CaptionsAreDrawnInTheStockFontMadeBold) {
  AddThreePagesWithWindows();
  auto shown = [&] {
    RedrawWindow(frame_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return CaptureWindow(StripWindow());
  };
  EXPECT_TRUE(SameCaption(
      shown(), ExpectedClosedHeader(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))))
      << "without a font the captions take the GUI font";

  Ptr<IFontDisp> font;
  ASSERT_EQ(Hr{com::CreateFontDisp({L"Tahoma", 11, FW_NORMAL, RUSSIAN_CHARSET, false}, &font)},
            Hr{S_OK});
  ASSERT_EQ(Hr{strip_->putref_Font(font.Get())}, Hr{S_OK});
  Ptr<IFont> details;
  ASSERT_EQ(Hr{font.As(&details)}, Hr{S_OK});
  HFONT plain = nullptr;
  ASSERT_EQ(Hr{details->get_hFont(&plain)}, Hr{S_OK});
  LOGFONTW traits = {};
  ASSERT_EQ(GetObjectW(plain, sizeof traits, &traits), static_cast<int>(sizeof traits));
  traits.lfWeight = FW_BOLD;
  HFONT bold = CreateFontIndirectW(&traits);
  Picture picture = shown();
  EXPECT_TRUE(SameCaption(picture, ExpectedClosedHeader(bold)));
  EXPECT_FALSE(SameCaption(picture, ExpectedClosedHeader(plain)));
  DeleteObject(bold);

  // A font that changes is made bold anew.
  CY larger = {};
  larger.int64 = 14 * 10000;
  ASSERT_EQ(Hr{details->put_Size(larger)}, Hr{S_OK});
  ASSERT_EQ(Hr{details->get_hFont(&plain)}, Hr{S_OK});
  GetObjectW(plain, sizeof traits, &traits);
  traits.lfWeight = FW_BOLD;
  bold = CreateFontIndirectW(&traits);
  EXPECT_TRUE(SameCaption(shown(), ExpectedClosedHeader(bold)));
  DeleteObject(bold);
}

TEST_F(PageStripTest, TheContainersBackColourIsTakenWhenItChanges) {
  OLE_COLOR colour = 0;
  ASSERT_EQ(Hr{strip_->get_BackColor(&colour)}, Hr{S_OK});
  EXPECT_EQ(colour, 0x80000000u | COLOR_WINDOW) << "the host's ambient back colour";
  com::Variant yellow(static_cast<long>(RGB(250, 240, 10)));
  ASSERT_EQ(Hr{com::AxSetAmbientProperty(host_, DISPID_AMBIENT_BACKCOLOR, yellow.Get())}, Hr{S_OK});
  strip_->get_BackColor(&colour);
  EXPECT_EQ(colour, RGB(250, 240, 10));
  UpdateWindow(StripWindow());
  EXPECT_EQ(WindowPixel(StripWindow(), {0, 0}), RGB(250, 240, 10));
}

struct DeleteCase {
  const char* what;
  int openFirst;
  int deleted;
  long activeAfter;
  const char* events;
  const wchar_t* openName;  // the open page after the deletion
  RECT openRect;
};

void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.what; }

class DeletePageTest : public PageStripTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeletePageTest, LeavesTheRightPageOpenInTheRightPlace) {
  const DeleteCase& c = GetParam();
  AddThreePagesWithWindows();
  strip_->ActivatePage(c.openFirst);
  std::wstring deletedName = NameOf(c.deleted);
  HWND deletedWindow = pages_[c.deleted];
  TakeEvents();
  EXPECT_EQ(Hr{strip_->DeletePage(c.deleted)}, Hr{S_FALSE}) << "a deleted page answers S_FALSE";
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(GetParent(deletedWindow), frame_) << "the window goes back to its parent";
  long found = 0;
  com::Bstr name(deletedName.c_str());
  strip_->GetPage(name.Get(), &found);
  EXPECT_EQ(found, -1);
  EXPECT_EQ(TakeEvents(), c.events);
  ASSERT_EQ(Active(), c.activeAfter);
  EXPECT_EQ(NameOf(c.activeAfter), c.openName);
  long handle = 0;
  strip_->GetHwnd(c.activeAfter, &handle);
  HWND open = reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle));
  EXPECT_TRUE(IsWindowVisible(open));
  EXPECT_EQ(RectIn(open, StripWindow()), c.openRect);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeletePageTest,
    ::testing::Values(
        // The open page keeps its place in the pages, one down.
        DeleteCase{"BeforeTheOpenPage", 2, 0, 1, "", L"Collection", {2, 43, W - 2, H - 1}},
        // The page taking its index stands at the bottom: it opens.
        DeleteCase{
            "TheOpenPageWithPagesBelow", 0, 0, 0, "A0 ", L"Dictionary", {2, 22, W - 2, H - 22}},
        DeleteCase{"TheOpenLastPage", 2, 2, 1, "A1 ", L"Dictionary", {2, 43, W - 2, H - 1}},
        // Kept as hosts know it: the bottom page taking its index opens too.
        DeleteCase{"ABottomPage", 0, 1, 1, "A1 ", L"Collection", {2, 43, W - 2, H - 1}}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.what); });

TEST_F(PageStripTest, DeletingEveryPageLeavesNoneOpen) {
  AddThreePagesWithWindows();
  for (long index = 2; index >= 0; --index) EXPECT_EQ(Hr{strip_->DeletePage(index)}, Hr{S_FALSE});
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(Active(), -1);
  for (HWND page : pages_) EXPECT_EQ(GetParent(page), frame_);
}

// What a series of page changes leaves behind: where each page window is,
// which one shows, which page is open, the events, and the strip's pixels.
struct EndState {
  RECT rects[3];
  bool visible[3];
  long active;
  std::string events;
  Picture picture;
};

class AnimationTest : public PageStripTest {
 protected:
  EndState ChangePages(long animation) {
    strip_->put_Animation(animation);
    AddThreePagesWithWindows();
    strip_->ActivatePage(0);
    ClickHeader(H - 11);  // page 2 from the bottom
    strip_->ActivatePage(1);
    com::Bstr fourth(L"Fourth");
    strip_->AddPage(fourth.Get());
    strip_->DeletePage(3);
    EndState state;
    for (int i = 0; i < 3; ++i) {
      state.rects[i] = PageRect(i);
      state.visible[i] = IsWindowVisible(pages_[i]) != FALSE;
    }
    state.active = Active();
    state.events = TakeEvents();
    RedrawWindow(frame_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    state.picture = CaptureWindow(StripWindow());
    return state;
  }
};

TEST_F(AnimationTest, TheSlideEndsWhereAnImmediateChangeDoes) {
  EndState immediate = ChangePages(0);
  // A fresh strip in the same frame, now sliding.
  TearDown();
  SetUp();
  EndState animated = ChangePages(1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(animated.rects[i], immediate.rects[i]) << i;
    EXPECT_EQ(animated.visible[i], immediate.visible[i]) << i;
  }
  EXPECT_EQ(animated.active, immediate.active);
  EXPECT_EQ(animated.events, immediate.events);
  EXPECT_EQ(immediate.events, "A0 A1 A2 A0 A2 A1 A2 A3 A2 ");
  ASSERT_EQ(animated.picture.pixels.size(), immediate.picture.pixels.size());
  EXPECT_TRUE(animated.picture.pixels == immediate.picture.pixels) << "the pictures differ";
}

}  // namespace

}  // namespace pagestrip_test
