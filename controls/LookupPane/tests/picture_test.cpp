// The viewer as a person sees it, taken from the screen: the panel in the
// interface colour with its black frames, the selected row in the system's
// highlight, the reference blue, the alphabet strip along the bottom. The
// picture is kept beside the test program (lookuppane_viewer.bmp).
#include "LookupTestSupport.h"
#include "com/Automation.h"

namespace morvex::lookuppane::testing {

namespace {

constexpr COLORREF kPanel = RGB(236, 232, 216);

TEST_F(ViewerTest, TheViewerShowsItsPartsInTheirColours) {
  SetUpAsTheHostDoes();
  Use(Articles());
  ASSERT_EQ(Hr{viewer_->SetSeekWord(com::Bstr(L"color").Get())}, Hr{S_OK});
  SendMessageA(List(), LB_SETCURSEL, 2, 0);
  SendMessageA(ControlWindow(), WM_COMMAND, MAKEWPARAM(kListId, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(List()));
  const ScreenPicture picture(ControlWindow());
  EXPECT_TRUE(picture.Save("lookuppane_viewer.bmp"));
  // The panel, between the titles and the strip.
  EXPECT_EQ(picture.At(1, 100), kPanel);
  // The frame around the word list.
  RECT list = {};
  GetWindowRect(List(), &list);
  MapWindowPoints(nullptr, ControlWindow(), reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(picture.At(2, list.top + 20), RGB(0, 0, 0));
  // The selected row.
  RECT row = {};
  SendMessageA(List(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  EXPECT_EQ(picture.At(list.left + row.right - 3, list.top + (row.top + row.bottom) / 2),
            GetSysColor(COLOR_HIGHLIGHT));
  // Some pixel of the reference is blue.
  POINTL corner = {};
  const LONG reference = ArticlePositionOf(L"colour");
  ASSERT_GE(reference, 0);
  SendMessageW(Article(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&corner), reference);
  RECT article = {};
  GetWindowRect(Article(), &article);
  MapWindowPoints(nullptr, ControlWindow(), reinterpret_cast<POINT*>(&article), 2);
  int blue = 0;
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 14; ++y)
      if (picture.At(article.left + corner.x + x, article.top + corner.y + y) == RGB(0, 0, 255))
        ++blue;
  EXPECT_GT(blue, 5);
}

}  // namespace

}  // namespace morvex::lookuppane::testing
