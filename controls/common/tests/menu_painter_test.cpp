// The menu renderer on a menu of its own: which items it converts and
// reverts (never another's), the image indices it gives out, how it
// measures, what a new font, marks and disabling change, the records it
// frees with deleted items, its image lists, and the owner window's
// procedure it takes and gives back.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "PainterTestSupport.h"
#include "PickListResource.h"

namespace morvex::controls::testing {

namespace {

// Another component's item data that looks like one of ours (same tag),
// and one with a tag of its own.
struct OtherTag {
  uint32_t words[8] = {1, 2, 3, 4, 0x21212121, 6, 7, 8};
};

SIZE Measure(HWND owner, ULONG_PTR data, UINT id, UINT ctlType = ODT_MENU) {
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ctlType;
  measure.itemID = id;
  measure.itemData = data;
  measure.itemWidth = 777;
  measure.itemHeight = 777;
  LRESULT taken = SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  if (!taken) return {-1, -1};
  return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
}

using ConversionTest = PainterTest;

TEST_F(ConversionTest, OwnItemsConvertOnceAndRevertWhileForeignItemsStayUntouched) {
  MenuItemRecord lookalike;  // tagged "odm0", but not made by this renderer
  lookalike.text = "not ours";
  OtherTag otherTag;
  Append(menu_, 10, "&Open");
  Append(menu_, 0, nullptr);
  HMENU submenu = CreatePopupMenu();
  ASSERT_TRUE(
      AppendMenuA(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), "More"));
  struct Foreign {
    const char* text;
    ULONG_PTR data;
  };
  const Foreign foreign[] = {{"Number", 7},
                             {"Lookalike", reinterpret_cast<ULONG_PTR>(&lookalike)},
                             {"Other tag", reinterpret_cast<ULONG_PTR>(&otherTag)}};
  for (const Foreign& item : foreign) {
    Append(menu_, 20, item.text);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    info.dwItemData = item.data;
    ASSERT_TRUE(SetMenuItemInfoA(menu_, GetMenuItemCount(menu_) - 1, TRUE, &info));
  }

  MenuPainter& painter = Attach();
  painter.ConvertAll(true);
  EXPECT_EQ(painter.recordCount(), 3u) << "converting twice makes one record an item";
  const char* const ownTexts[] = {"&Open", "", "More"};
  for (UINT position = 0; position < 3; ++position) {
    SCOPED_TRACE(position);
    EXPECT_TRUE(FactsOf(menu_, position).type & MFT_OWNERDRAW);
    const MenuItemRecord* record = RecordOn(painter, menu_, position);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->text, ownTexts[position]);
    EXPECT_EQ(record->tag, kMenuItemTag);
    EXPECT_TRUE(record->type & MFT_OWNERDRAW);
  }
  EXPECT_EQ(FactsOf(menu_, 2).submenu, submenu);

  painter.ConvertAll(false);
  EXPECT_EQ(painter.recordCount(), 0u);
  for (UINT position = 0; position < 3; ++position) {
    ItemFacts facts = FactsOf(menu_, position);
    EXPECT_FALSE(facts.type & MFT_OWNERDRAW) << position;
    EXPECT_EQ(facts.data, 0u) << position;
  }
  EXPECT_EQ(FactsOf(menu_, 0).text, "&Open");
  EXPECT_TRUE(FactsOf(menu_, 1).type & MFT_SEPARATOR);
  EXPECT_EQ(FactsOf(menu_, 2).text, "More");
  EXPECT_EQ(FactsOf(menu_, 2).submenu, submenu);

  for (UINT position = 3; position < 6; ++position) {
    const Foreign& item = foreign[position - 3];
    ItemFacts facts = FactsOf(menu_, position);
    EXPECT_EQ(facts.type, static_cast<UINT>(MFT_STRING)) << item.text;
    EXPECT_EQ(facts.data, item.data) << item.text;
    EXPECT_EQ(facts.text, item.text);
    EXPECT_EQ(Measure(owner_, item.data, 20).cx, -1) << item.text << " is measured by no one";
  }
  EXPECT_EQ(lookalike.text, "not ours");
  EXPECT_EQ(otherTag.words[4], 0x21212121u);
}

struct IndexCase {
  const char* name;
  MenuIndexRule rule;
  // Items: text, or null for a separator.
  std::vector<const char*> items;
  std::vector<int> indices;  // the same for both lists
};

TEST_F(ConversionTest, ConvertingEveryItemGivesImageIndicesByThePolicysRule) {
  const IndexCase cases[] = {
      {"image count",
       MenuIndexRule::kImageCount,
       {"a", "b", nullptr, "c", "d", "e"},
       {0, 1, 2, 3, -1, -1}},
      {"position past separators",
       MenuIndexRule::kPositionPastSeparators,
       {"a", "b", nullptr, "c", nullptr, "d"},
       {0, 1, 1, 2, 3, 4}},
  };
  for (const IndexCase& c : cases) {
    SCOPED_TRACE(c.name);
    while (GetMenuItemCount(menu_) > 0) DeleteMenu(menu_, 0, MF_BYPOSITION);
    for (const char* text : c.items) Append(menu_, 30, text);
    MenuPainterPolicy policy = kPopupMenuPolicy;
    policy.indexRule = c.rule;
    MenuPainter& painter = Attach(policy);
    ASSERT_EQ(painter.images().Count(MenuImageList::kHot), 4);
    for (UINT position = 0; position < c.indices.size(); ++position) {
      const MenuItemRecord* record = RecordOn(painter, menu_, position);
      ASSERT_NE(record, nullptr) << position;
      EXPECT_EQ(record->hotIndex, c.indices[position]) << position;
      EXPECT_EQ(record->coldIndex, c.indices[position]) << position;
    }
    painter_.reset();
  }
}

TEST_F(ConversionTest, SingleItemsOfTheMenuAndOfSubmenusConvertWithTheGivenIndices) {
  Append(menu_, 1, "one");
  HMENU submenu = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), "sub"));
  MenuPainter& painter = Attach();
  painter.ConvertAll(false);
  painter.ConvertItem(0, 3, 2);
  painter.ConvertItem(2, 0, 0);  // past the end: nothing
  Append(submenu, 5, "inner");
  Append(submenu, 6, "last");
  painter.ConvertSubmenuItem(submenu, -1, 1, -1);
  const MenuItemRecord* one = RecordOn(painter, menu_, 0);
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->hotIndex, 3);
  EXPECT_EQ(one->coldIndex, 2);
  EXPECT_EQ(RecordOn(painter, submenu, 0), nullptr);
  const MenuItemRecord* last = RecordOn(painter, submenu, 1);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->text, "last");
  EXPECT_EQ(last->hotIndex, 1);
  EXPECT_EQ(last->coldIndex, -1);
  EXPECT_EQ(painter.recordCount(), 2u);

  // Deleting the popup frees the records of its items too, and the submenu.
  painter.DeleteItem(1);
  EXPECT_EQ(painter.recordCount(), 1u);
  EXPECT_FALSE(IsMenu(submenu));
  EXPECT_EQ(GetMenuItemCount(menu_), 1);
}

using MeasureTest = PainterTest;

TEST_F(MeasureTest, SeparatorIsHalfARowAndTextItemsFollowTheFormula) {
  Append(menu_, 0, nullptr);
  Append(menu_, 41, "Dictionary");
  Append(menu_, 42, "Default item");
  ASSERT_TRUE(SetMenuDefaultItem(menu_, 42, FALSE));
  MenuPainter& painter = Attach();
  EXPECT_EQ(painter.cellSize().cx, 20);
  EXPECT_EQ(painter.cellSize().cy, 20);

  const int row = GetSystemMetrics(SM_CYMENU);
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  SIZE separator = Measure(owner_, FactsOf(menu_, 0).data, 0);
  EXPECT_EQ(separator.cx, 0);
  EXPECT_EQ(separator.cy, row / 2);

  LOGFONTA font = RendererMenuFont();
  LOGFONTA bold = font;
  bold.lfWeight = FW_BOLD;
  struct Case {
    UINT position;
    const char* text;
    const LOGFONTA* font;
  };
  for (const Case& c : {Case{1, "Dictionary", &font}, Case{2, "Default item", &bold}}) {
    SCOPED_TRACE(c.text);
    SIZE size = Measure(owner_, FactsOf(menu_, c.position).data, FactsOf(menu_, c.position).id);
    EXPECT_EQ(size.cx, 2 * 20 + TextWidth(*c.font, c.text) - check + 6);
    EXPECT_EQ(size.cy, std::max({row, RowHeight(*c.font), 20}));
  }
  EXPECT_EQ(Seen(WM_MEASUREITEM), 0) << "the renderer takes every WM_MEASUREITEM";
}

TEST_F(MeasureTest, OnlyTheRenderersMenuItemsAreMeasured) {
  Append(menu_, 41, "Dictionary");
  Attach();
  ULONG_PTR own = FactsOf(menu_, 0).data;
  EXPECT_EQ(Measure(owner_, own, 41, ODT_BUTTON).cx, -1);
  EXPECT_EQ(Measure(owner_, 0, 41).cx, -1);
  EXPECT_EQ(Measure(owner_, 12345, 41).cx, -1);
  EXPECT_EQ(Seen(WM_MEASUREITEM), 0);
}

using FontTest = PainterTest;

TEST_F(FontTest, NewFontKeepsEveryItemWithItsStateAndMeasuresInIt) {
  Append(menu_, 51, "Checked");
  Append(menu_, 52, "Greyed");
  Append(menu_, 0, nullptr);
  HMENU submenu = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), "Sub"));
  CheckMenuItem(menu_, 0, MF_BYPOSITION | MF_CHECKED);
  EnableMenuItem(menu_, 1, MF_BYPOSITION | MF_GRAYED);
  MenuPainter& painter = Attach();
  std::vector<ItemFacts> before;
  for (UINT position = 0; position < 4; ++position) before.push_back(FactsOf(menu_, position));

  LOGFONTA font = {};
  font.lfHeight = -24;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = RUSSIAN_CHARSET;
  lstrcpyA(font.lfFaceName, "Arial");
  painter.SetFont(font);

  ASSERT_EQ(GetMenuItemCount(menu_), 4);
  for (UINT position = 0; position < 4; ++position) {
    SCOPED_TRACE(position);
    ItemFacts after = FactsOf(menu_, position);
    EXPECT_EQ(after.id, before[position].id);
    EXPECT_EQ(after.type, before[position].type);
    EXPECT_EQ(after.state, before[position].state);
    EXPECT_EQ(after.data, before[position].data);
    EXPECT_EQ(after.submenu, before[position].submenu);
  }
  EXPECT_TRUE(IsMenu(submenu));
  SIZE size = Measure(owner_, FactsOf(menu_, 0).data, 51);
  EXPECT_EQ(size.cx, 2 * 20 + TextWidth(font, "Checked") - GetSystemMetrics(SM_CXMENUCHECK) + 6);
  EXPECT_EQ(size.cy, std::max({GetSystemMetrics(SM_CYMENU), RowHeight(font), 20}));
}

using StateTest = PainterTest;

TEST_F(StateTest, MarkMovesOnlyTheHighlightBitAndDisableGreysOneItem) {
  for (UINT id = 61; id < 64; ++id) Append(menu_, id, "item");
  CheckMenuItem(menu_, 1, MF_BYPOSITION | MF_CHECKED);
  MenuPainter& painter = Attach();
  struct Step {
    const char* name;
    void (MenuPainter::*operation)(UINT);
    UINT position;
    UINT states[3];
  };
  const Step steps[] = {
      {"mark 2", &MenuPainter::MarkItem, 2, {0, MFS_CHECKED, MFS_HILITE}},
      {"mark 1", &MenuPainter::MarkItem, 1, {0, MFS_CHECKED | MFS_HILITE, 0}},
      {"mark past the end", &MenuPainter::MarkItem, 7, {0, MFS_CHECKED, 0}},
      {"disable 0", &MenuPainter::DisableItem, 0, {MFS_GRAYED, MFS_CHECKED, 0}},
      {"disable past the end", &MenuPainter::DisableItem, 3, {MFS_GRAYED, MFS_CHECKED, 0}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    (painter.*step.operation)(step.position);
    for (UINT position = 0; position < 3; ++position)
      EXPECT_EQ(FactsOf(menu_, position).state, step.states[position]) << position;
  }
}

using ImageTest = PainterTest;

TEST_F(ImageTest, IconsAddAtTheEndOfTheirListsOnceEachAndAColourChangeLoadsTheDefaultsAgain) {
  MenuPainter& painter = Attach();
  ASSERT_EQ(painter.images().Count(MenuImageList::kHot), 4);
  ASSERT_EQ(painter.images().Count(MenuImageList::kCold), 4);
  HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  HICON other = LoadIconA(nullptr, IDI_QUESTION);
  ASSERT_NE(icon, nullptr);
  ASSERT_NE(other, nullptr);
  struct Case {
    HICON hot;
    HICON cold;
    int hotIndex;
    int coldIndex;
  };
  const HICON none = static_cast<HICON>(INVALID_HANDLE_VALUE);
  // One icon given to many items (a menu of dictionaries) is held once.
  const Case cases[] = {{nullptr, nullptr, -1, -1}, {none, none, -1, -1}, {icon, nullptr, 4, -1},
                        {icon, icon, 4, 4},         {none, icon, -1, 4},  {other, icon, 5, 4},
                        {icon, other, 4, 5}};
  for (const Case& c : cases) {
    int hotIndex = 99, coldIndex = 99;
    painter.AddIcons(c.hot, c.cold, &hotIndex, &coldIndex);
    EXPECT_EQ(hotIndex, c.hotIndex);
    EXPECT_EQ(coldIndex, c.coldIndex);
  }
  EXPECT_EQ(painter.images().Count(MenuImageList::kHot), 6);
  EXPECT_EQ(painter.images().Count(MenuImageList::kCold), 6);

  SendMessageA(owner_, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(painter.images().Count(MenuImageList::kHot), 4);
  EXPECT_EQ(painter.images().Count(MenuImageList::kCold), 4);
  painter.ClearImages();
  EXPECT_EQ(painter.images().Count(MenuImageList::kHot), 0);
  int hotIndex = 99, coldIndex = 99;
  painter.AddIcons(icon, icon, &hotIndex, &coldIndex);
  EXPECT_EQ(hotIndex, 0) << "an emptied list holds the icon no more";
  EXPECT_EQ(coldIndex, 0);
  painter.LoadImages(GetModuleHandleA(nullptr), IDB_MENU_COLD, IDB_MENU_HOT);
  EXPECT_EQ(painter.images().Count(MenuImageList::kHot), 4);
  painter.LoadImages(GetModuleHandleA(nullptr), 999, static_cast<UINT>(-1));
  EXPECT_EQ(painter.images().Count(MenuImageList::kHot), 0) << "missing bitmaps leave lists empty";
  EXPECT_EQ(painter.images().Count(MenuImageList::kCold), 0);
}

using OwnerWindowTest = PainterTest;

TEST_F(OwnerWindowTest, DestroyGivesTheWindowItsProcedureAndTheItemsTheirText) {
  Append(menu_, 71, "&Copy");
  MenuPainter& painter = Attach();
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_, GWLP_WNDPROC)), OwnerProcedure());
  EXPECT_EQ(GetWindowLongPtrA(owner_, GWLP_USERDATA), 0) << "the slot belongs to others";
  SendMessageA(owner_, WM_USER + 1, 0, 0);
  EXPECT_EQ(Seen(WM_USER + 1), 1) << "other messages pass on";

  painter.Destroy();
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_, GWLP_WNDPROC)), OwnerProcedure());
  EXPECT_EQ(painter.recordCount(), 0u);
  ItemFacts facts = FactsOf(menu_, 0);
  EXPECT_FALSE(facts.type & MFT_OWNERDRAW);
  EXPECT_EQ(facts.text, "&Copy");
  EXPECT_EQ(facts.data, 0u);
  EXPECT_EQ(painter.images().List(MenuImageList::kHot), nullptr);
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_MENU;
  SendMessageA(owner_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  EXPECT_EQ(Seen(WM_MEASUREITEM), 1);
}

// Someone subclassed the owner after the renderer: the renderer stays in
// the chain as a pass-through, and messages still reach the window.
WNDPROC g_beforeLaterSubclass = nullptr;

LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(g_beforeLaterSubclass, window, message, wParam, lParam);
}

TEST_F(OwnerWindowTest, DestroyUnderALaterSubclassKeepsTheChainWhole) {
  MenuPainter& painter = Attach();
  LONG_PTR renderer = GetWindowLongPtrA(owner_, GWLP_WNDPROC);
  g_beforeLaterSubclass = reinterpret_cast<WNDPROC>(renderer);
  SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterSubclass));
  painter.Destroy();
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_, GWLP_WNDPROC)), LaterSubclass);
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_MENU;
  SendMessageA(owner_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  EXPECT_EQ(Seen(WM_MEASUREITEM), 1);
  SetWindowLongPtrA(owner_, GWLP_WNDPROC, renderer);
}

TEST_F(OwnerWindowTest, AnOwnerDrawnControlsDrawingGoesBackToTheOwnerWhenThePolicySaysSo) {
  MenuPainterPolicy policy = kPopupMenuPolicy;
  policy.passedOnDrawControlId = 2000;
  policy.passedOnDrawMessage = kPassedOnDrawMessage;
  Attach(policy);
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_STATIC;
  item.CtlID = 2000;
  LPARAM lParam = reinterpret_cast<LPARAM>(&item);
  EXPECT_EQ(SendMessageA(owner_, WM_DRAWITEM, 2000, lParam), kPassedOnDrawAnswer);
  EXPECT_EQ(SendMessageA(owner_, WM_DRAWITEM, 2001, lParam), 0);
  ASSERT_EQ(Seen(kPassedOnDrawMessage), 1);
  EXPECT_EQ(Seen(WM_DRAWITEM), 0);
  for (const SeenMessage& seen : OwnerMessages()) {
    if (seen.message != kPassedOnDrawMessage) continue;
    EXPECT_EQ(seen.wParam, 2000u);
    EXPECT_EQ(seen.lParam, lParam);
  }
}

}  // namespace

}  // namespace morvex::controls::testing
