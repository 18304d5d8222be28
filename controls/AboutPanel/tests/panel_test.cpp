// The panel hosted by ProgID in our "AtlAxWin" as the program hosts it,
// driven by messages: its layout, the host's picture (a resource of this
// program, so above 4 GiB) drawn at its natural size with nothing over it,
// no picture, OK reported once, Tab between the children, the button's
// font outliving the font object, and the link's text.

#include <olectl.h>

#include <cstdint>

#include "com/testing/MessagePump.h"
#include "panel_test_support.h"

namespace morvex::aboutpanel::testing {

namespace {

TEST_F(PanelTest, ChildrenTakeTheirDefaultPlacesAndStoredOnesUntilANegativeOne) {
  EXPECT_TRUE(RectIs(Rect(control_.Get(), true), {258, 179, 290, 195}));
  EXPECT_EQ(GetFocus(), button_) << "the defaulted button takes the focus";
  const RECT link = Rect(control_.Get(), false);
  // The link fits itself into (20, H - cy - 10) and 25 pixels more than
  // its text.
  EXPECT_GE(link.left, 20);
  EXPECT_LT(link.left, 20 + 25);
  EXPECT_EQ(link.bottom, 190) << "the link stands 10 pixels above the bottom";
  EXPECT_EQ(GetWindowLongPtrA(panel_, GWL_STYLE) & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS), 0);

  ASSERT_EQ(Hr{control_->SetBnOkPoint(100, 50)}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->SetHyperLinkPoint(152, 8)}, Hr{S_OK});
  Resize(300, 201);
  EXPECT_TRUE(RectIs(Rect(control_.Get(), true), {100, 50, 132, 66}));
  EXPECT_GE(Rect(control_.Get(), false).left, 152);
  EXPECT_LT(Rect(control_.Get(), false).left, 152 + 25);
  EXPECT_EQ(Rect(control_.Get(), false).top, 8);
  ASSERT_EQ(Hr{control_->SetBnOkPoint(-1, 0)}, Hr{S_OK});
  Resize(400, 300);
  EXPECT_TRUE(RectIs(Rect(control_.Get(), true), {358, 279, 390, 295}));
}

TEST_F(PanelTest, HostsPictureAboveFourGigabytesIsDrawnAtItsNaturalSizeAndZeroTakesItAway) {
  const void* picture = TestPicture();
  ASSERT_NE(picture, nullptr);
  EXPECT_GT(reinterpret_cast<uintptr_t>(picture), 0xFFFFFFFFu) << "the case the fault needs";
  long cx = 0, cy = 0;
  ASSERT_EQ(Hr{control_->GetWndSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, 18) << "the panel's own picture to start with";
  EXPECT_EQ(cy, 16);
  ASSERT_EQ(Hr{control_->SetResourseBmp(reinterpret_cast<LONG_PTR>(picture))}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->GetWndSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, 300);
  EXPECT_EQ(cy, 200);
  UpdateWindow(panel_);
  RedrawWindow(panel_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  com::testing::PumpPending();
  std::vector<COLORREF> shown = Capture(panel_, 300, 200);
  Save(shown, 300, 200, "aboutpanel_picture.bmp");
  // Every pixel away from the children shows its quarter's colour: the
  // picture at (0, 0), unscaled, and nothing painted over it.
  const RECT button = Rect(control_.Get(), true), link = Rect(control_.Get(), false);
  size_t wrong = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) {
      const POINT at = {x, y};
      if (PtInRect(&button, at) || PtInRect(&link, at)) continue;
      wrong += shown[static_cast<size_t>(y * 300 + x)] != kQuarters[(y >= 100) * 2 + (x >= 150)];
    }
  }
  EXPECT_EQ(wrong, 0u);

  ASSERT_EQ(Hr{control_->SetResourseBmp(0)}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->GetWndSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, 0);
  UpdateWindow(panel_);  // and paints without a picture
}

TEST_F(PanelTest, OkClickedOrEnterOnItFiresOneOnExitWithOne) {
  struct Press {
    const char* name;
    UINT message;
    WPARAM key;
  };
  for (const Press& press : {Press{"click", BM_CLICK, 0}, Press{"Enter", WM_KEYUP, VK_RETURN}}) {
    exits_.clear();
    SetFocus(button_);
    SendMessageA(button_, press.message, press.key, 0);
    com::testing::PumpPending();
    ASSERT_EQ(exits_.size(), 1u) << press.name;
    EXPECT_EQ(exits_[0], 1) << press.name;
  }
}

TEST_F(PanelTest, TabReleasedMovesTheFocusBetweenOkAndTheLink) {
  SetFocus(panel_);
  ASSERT_EQ(GetFocus(), button_) << "the panel's focus goes to OK";
  SendMessageA(button_, WM_KEYUP, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), link_);
  SendMessageA(link_, WM_KEYUP, VK_TAB, 0);
  EXPECT_EQ(GetFocus(), button_);
  EXPECT_TRUE(exits_.empty()) << "Tab is no OK";
}

TEST_F(PanelTest, ButtonFontOutlivesTheFontObjectAndTheLinkTakesItsText) {
  FONTDESC description = {sizeof description,
                          const_cast<LPOLESTR>(L"Tahoma"),
                          {180000, 0},
                          FW_BOLD,
                          RUSSIAN_CHARSET,
                          FALSE,
                          FALSE,
                          FALSE};
  com::Ptr<IFontDisp> font;
  ASSERT_EQ(Hr{OleCreateFontIndirect(&description, IID_IFontDisp, font.PutVoid())}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_FontAbout(font.Get())}, Hr{S_OK});
  font.Reset();  // as the host does at once
  HFONT used = reinterpret_cast<HFONT>(SendMessageA(button_, WM_GETFONT, 0, 0));
  ASSERT_EQ(GetObjectType(used), static_cast<DWORD>(OBJ_FONT));
  LOGFONTA kept = {};
  ASSERT_NE(GetObjectA(used, sizeof kept, &kept), 0);
  EXPECT_EQ(kept.lfWeight, FW_BOLD);

  BSTR address = SysAllocString(L"mail@morvex.example");
  ASSERT_EQ(Hr{control_->put_EMailAdress(address)}, Hr{S_OK});
  SysFreeString(address);
  char text[64] = {};
  GetWindowTextA(link_, text, sizeof text);
  EXPECT_STREQ(text, "mail@morvex.example");
}

}  // namespace

}  // namespace morvex::aboutpanel::testing
