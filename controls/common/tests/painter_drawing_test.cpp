// The renderer drawing items into memory, one state at a time, read back
// pixel by pixel against the system's colours and the default images: the
// icon cell (image, frame, embossed image), the text background, embossed
// grey text, the check mark, the etched separator, and the policy's points
// of look.
#include <gtest/gtest.h>
#include <windows.h>

#include "PainterTestSupport.h"
#include "PickListResource.h"

namespace morvex::controls::testing {

namespace {

constexpr COLORREF kBack = 0xFF80FF;
constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr int kWidth = 160;
constexpr int kRowHeight = 24;
// The 20 x 20 cell of a 24-pixel row, and the centre of its icon.
constexpr RECT kCell = {0, 2, 20, 22};
constexpr POINT kIconCentre = {10, 12};
constexpr RECT kTextArea = {23, 0, kWidth - 20, kRowHeight};

COLORREF Sys(int index) { return GetSysColor(index); }

class DrawingTest : public PainterTest {
 protected:
  // Items: 0 "Copy" with image 0, 1 a separator, 2 "Plain" without an
  // icon, 3 "Beyond" with an index past both lists.
  void Build(const MenuPainterPolicy& policy = kPopupMenuPolicy) {
    Append(menu_, 1, "Copy");
    Append(menu_, 0, nullptr);
    Append(menu_, 3, "Plain");
    Append(menu_, 4, "Beyond");
    MenuPainter& painter = Attach(policy);
    painter.ConvertAll(false);
    painter.ConvertItem(0, 0, 0);
    painter.ConvertItem(1, -1, -1);
    painter.ConvertItem(2, -1, -1);
    painter.ConvertItem(3, 99, 99);
    painter.SetBackColour(kBack);
  }

  void Draw(UINT position, UINT state, Canvas* canvas, UINT action = ODA_DRAWENTIRE,
            int height = kRowHeight) {
    ItemFacts facts = FactsOf(menu_, position);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = facts.id;
    item.itemAction = action;
    item.itemState = state;
    item.hwndItem = reinterpret_cast<HWND>(menu_);
    item.hDC = canvas->dc();
    item.rcItem = {0, 0, kWidth, height};
    item.itemData = facts.data;
    EXPECT_EQ(SendMessageA(owner_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
  }
};

TEST_F(DrawingTest, IconCellShowsTheImageOfTheItemsState) {
  Build();
  struct Case {
    const char* name;
    UINT state;
    COLORREF centre;     // the image shown
    COLORREF cellEdge;   // left column of the cell
    COLORREF cellInner;  // just inside it
    COLORREF text;       // background right of the text
  };
  const Case cases[] = {
      {"plain", 0, ImageCentre(IDB_MENU_COLD, 0), kBack, kBack, kBack},
      {"selected", ODS_SELECTED, ImageCentre(IDB_MENU_HOT, 0), Sys(COLOR_BTNHIGHLIGHT), kBack,
       Sys(COLOR_HIGHLIGHT)},
      {"checked", ODS_CHECKED, ImageCentre(IDB_MENU_HOT, 0), Sys(COLOR_BTNSHADOW),
       Sys(COLOR_3DLIGHT), kBack},
      {"checked and selected", ODS_CHECKED | ODS_SELECTED, ImageCentre(IDB_MENU_HOT, 0),
       Sys(COLOR_BTNSHADOW), kBack, Sys(COLOR_HIGHLIGHT)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(kWidth, kRowHeight, kUntouched);
    Draw(0, c.state, &canvas);
    EXPECT_EQ(canvas.At(kIconCentre.x, kIconCentre.y), c.centre);
    EXPECT_EQ(canvas.At(kCell.left, 6), c.cellEdge);
    EXPECT_EQ(canvas.At(kCell.left + 1, 6), c.cellInner);
    EXPECT_EQ(canvas.At(kWidth - 5, kRowHeight / 2), c.text);
    EXPECT_EQ(canvas.At(kCell.right, kRowHeight / 2), kBack) << "the text background leaves a gap";
  }
}

TEST_F(DrawingTest, DisabledItemsAreEmbossed) {
  Build();
  const COLORREF highlight = Sys(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = Sys(COLOR_BTNSHADOW);
  {
    SCOPED_TRACE("icon");
    Canvas canvas(kWidth, kRowHeight, kUntouched);
    Draw(0, ODS_GRAYED, &canvas);
    EXPECT_TRUE(canvas.OnlyHolds(kCell, {highlight, shadow, kBack}));
    EXPECT_TRUE(canvas.Holds(kCell, shadow));
    EXPECT_TRUE(canvas.Holds(kCell, highlight));
  }
  {
    SCOPED_TRACE("text, not selected");
    Canvas canvas(kWidth, kRowHeight, kUntouched);
    Draw(2, ODS_GRAYED, &canvas);
    EXPECT_TRUE(canvas.Holds(kTextArea, Sys(COLOR_GRAYTEXT)));
    EXPECT_TRUE(canvas.Holds(kTextArea, highlight));
  }
  if (Sys(COLOR_GRAYTEXT) != Sys(COLOR_HIGHLIGHT)) {
    SCOPED_TRACE("text, selected");
    Canvas canvas(kWidth, kRowHeight, kUntouched);
    Draw(2, ODS_GRAYED | ODS_SELECTED, &canvas);
    EXPECT_TRUE(canvas.Holds(kTextArea, Sys(COLOR_GRAYTEXT)));
    EXPECT_FALSE(canvas.Holds(kTextArea, highlight)) << "no relief on the highlight";
  }
}

TEST_F(DrawingTest, TextIsInTheMenuTextColoursOverItsBackground) {
  Build();
  Canvas plain(kWidth, kRowHeight, kUntouched);
  Draw(2, 0, &plain);
  EXPECT_TRUE(plain.Holds(kTextArea, Sys(COLOR_MENUTEXT)));
  EXPECT_TRUE(plain.OnlyHolds(kCell, {kBack})) << "no icon, no check: an empty cell";
  Canvas selected(kWidth, kRowHeight, kUntouched);
  Draw(2, ODS_SELECTED, &selected);
  EXPECT_TRUE(selected.Holds(kTextArea, Sys(COLOR_HIGHLIGHTTEXT)));
  // Without a cell drawn the highlight starts at the item's left edge.
  EXPECT_EQ(selected.At(kCell.left, 1), Sys(COLOR_HIGHLIGHT));
}

TEST_F(DrawingTest, CheckedItemWithoutIconShowsTheSystemCheckMarkFramed) {
  Build();
  Canvas canvas(kWidth, kRowHeight, kUntouched);
  Draw(2, ODS_CHECKED, &canvas);
  EXPECT_TRUE(canvas.Holds(kCell, Sys(COLOR_3DLIGHT))) << "the mark's background";
  EXPECT_TRUE(canvas.Holds(kCell, Sys(COLOR_BTNSHADOW))) << "its frame";
  EXPECT_FALSE(canvas.OnlyHolds(
      kCell, {kBack, Sys(COLOR_3DLIGHT), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT)}))
      << "the mark itself";
}

TEST_F(DrawingTest, IndexPastTheListsDrawsNoImage) {
  Build();
  Canvas canvas(kWidth, kRowHeight, kUntouched);
  Draw(3, 0, &canvas);
  EXPECT_TRUE(canvas.OnlyHolds(kCell, {kBack}));
}

TEST_F(DrawingTest, SeparatorIsAnEtchedLineFromTheMiddleDown) {
  Build();
  Canvas canvas(kWidth, 10, kUntouched);
  Draw(1, 0, &canvas, ODA_DRAWENTIRE, 10);
  EXPECT_EQ(canvas.At(50, 5), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(50, 6), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(50, 2), kBack);
  EXPECT_EQ(canvas.At(50, 8), kBack);
}

// The tray menu's look: no fill first, a checked item with its cold image.
TEST_F(DrawingTest, PolicyDecidesTheFillAndTheCheckedImage) {
  MenuPainterPolicy policy = kPopupMenuPolicy;
  policy.fillsItemFirst = false;
  policy.checkedShowsHotImage = false;
  Build(policy);
  Canvas checked(kWidth, kRowHeight, kUntouched);
  Draw(0, ODS_CHECKED, &checked);
  EXPECT_EQ(checked.At(kIconCentre.x, kIconCentre.y), ImageCentre(IDB_MENU_COLD, 0));
  EXPECT_EQ(checked.At(kCell.left, 6), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(checked.At(kCell.right, kRowHeight / 2), kUntouched);
  EXPECT_EQ(checked.At(kWidth - 5, 1), kUntouched);

  // A selection change fills the text background even when not selected.
  Canvas deselected(kWidth, kRowHeight, kUntouched);
  Draw(0, 0, &deselected, ODA_SELECT);
  EXPECT_EQ(deselected.At(kCell.right, 1), kUntouched);
  EXPECT_EQ(deselected.At(kCell.right + 1, 1), kBack);
  EXPECT_EQ(deselected.At(kWidth - 5, 1), kBack);
}

}  // namespace

}  // namespace morvex::controls::testing
