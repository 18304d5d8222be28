// PickList hosted as the program hosts it, its menu shown and worked on as
// a user does (a second thread finds the open menu, reads it, presses keys,
// clicks): identifiers and owner-drawn items by the way the host filled the
// menu, the choice reported as LangChanged, a click outside reporting
// nothing, the check and highlight bits, the icons DeleteAllItems keeps or
// drops, no record left after many fillings, and the open menu's pixels.
#include <windows.h>

#include <string>

#include "PickListResource.h"
#include "PickListTestSupport.h"

namespace morvex::picklist::testing {

namespace {

constexpr COLORREF kBack = RGB(236, 233, 216);

struct ItemExpectation {
  UINT id;
  bool ownerDrawn;
  UINT state;
};

struct FillCase {
  const char* name;
  void (*fill)(IPickListCtrl* control, const Icons& icons);
  std::vector<ItemExpectation> items;
};

const FillCase kFillCases[] = {
    {"own identifiers; AddItem without images makes every item plain",
     [](IPickListCtrl* c, const Icons& icons) {
       c->AddItemIcon(0, com::Bstr(L"Zero").Get(), icons.Hot(0), icons.Cold(0));
       c->AddItemIcon(0, com::Bstr(L"").Get(), -1, -1);
       c->AddItem(0, com::Bstr(L"Two").Get());
     },
     {{120, false, 0}, {0, false, 0}, {122, false, 0}}},
    {"AddItemIcon makes only its own item owner-drawn",
     [](IPickListCtrl* c, const Icons& icons) {
       c->put_UsedItemID(1);
       c->AddItem(7, com::Bstr(L"Plain").Get());
       c->AddItemIcon(8, com::Bstr(L"Drawn").Get(), icons.Hot(1), icons.Cold(1));
       c->AddItemIcon(9, com::Bstr(L"").Get(), -1, -1);
     },
     {{7, false, 0}, {8, true, 0}, {0, true, 0}}},
    {"with the host's images AddItem converts every item",
     [](IPickListCtrl* c, const Icons&) {
       c->SetResourseInst(reinterpret_cast<LONG_PTR>(GetModuleHandleW(kPickListDll)), IDB_MENU_HOT,
                          IDB_MENU_COLD);
       c->AddItem(0, com::Bstr(L"One").Get());
       c->AddItem(0, com::Bstr(L"Two").Get());
     },
     {{120, true, 0}, {121, true, 0}}},
    {"a negative image id reverts every item",
     [](IPickListCtrl* c, const Icons& icons) {
       c->AddItemIcon(0, com::Bstr(L"Drawn").Get(), icons.Hot(0), icons.Cold(0));
       c->SetResourseInst(0, -1, -1);
       c->AddItem(0, com::Bstr(L"Plain").Get());
     },
     {{120, false, 0}, {121, false, 0}}},
    {"disabled, and the mark is the highlight bit",
     [](IPickListCtrl* c, const Icons& icons) {
       for (int k = 0; k < 3; ++k)
         c->AddItemIcon(0, com::Bstr(L"Item").Get(), icons.Hot(k), icons.Cold(k));
       c->put_DisableItem(1);
       c->put_DisableItem(3);
       c->put_CheckedItem(2);
     },
     {{120, true, 0}, {121, true, MFS_GRAYED}, {122, true, MFS_HILITE}}},
};

using FillingTest = PickListTest;

TEST_F(FillingTest, ItemsCarryTheIdentifiersAndDrawingTheHostsFillingGives) {
  Icons icons;
  for (const FillCase& c : kFillCases) {
    SCOPED_TRACE(c.name);
    control_->DeleteAllItems(1);
    control_->put_UsedItemID(0);
    control_->SetResourseInst(0, -1, -1);
    c.fill(control_.Get(), icons);
    std::vector<ItemState> seen;
    ASSERT_TRUE(TrackWhile(kMenuAt, [&](const OpenMenu& open) {
      for (int position = 0; position < GetMenuItemCount(open.menu); ++position)
        seen.push_back(ItemAt(open.menu, static_cast<UINT>(position)));
      CloseMenu(open);
    }));
    ASSERT_EQ(seen.size(), c.items.size());
    for (size_t position = 0; position < seen.size(); ++position) {
      SCOPED_TRACE(position);
      EXPECT_EQ(seen[position].id, c.items[position].id);
      EXPECT_EQ((seen[position].type & MFT_OWNERDRAW) != 0, c.items[position].ownerDrawn);
      // The system greys every separator.
      UINT shown = seen[position].type & MFT_SEPARATOR ? MFS_HILITE | MFS_CHECKED
                                                       : MFS_GRAYED | MFS_HILITE | MFS_CHECKED;
      EXPECT_EQ(seen[position].state & shown, c.items[position].state);
    }
    PumpPosted();
  }
  EXPECT_TRUE(events_.empty()) << "Escape chooses nothing";
}

TEST_F(FillingTest, CheckedItemReadsTheCheckBitOfTheItemsOnly) {
  Icons icons;
  for (int k = 0; k < 3; ++k)
    control_->AddItemIcon(0, com::Bstr(L"Item").Get(), icons.Hot(k), icons.Cold(k));
  long checked = 0;
  EXPECT_EQ(Hr{control_->get_CheckedItem(&checked)}, Hr{S_OK});
  EXPECT_EQ(checked, -1);
  control_->put_CheckedItem(2);
  EXPECT_EQ(Hr{control_->get_CheckedItem(&checked)}, Hr{S_OK});
  EXPECT_EQ(checked, -1) << "the mark is not a check";
  ASSERT_TRUE(TrackWhile(kMenuAt, [&](const OpenMenu& open) {
    CheckMenuItem(open.menu, 1, MF_BYPOSITION | MF_CHECKED);
    CloseMenu(open);
  }));
  EXPECT_EQ(Hr{control_->get_CheckedItem(&checked)}, Hr{S_OK});
  EXPECT_EQ(checked, 1);
}

TEST_F(FillingTest, SubmenuItemsGoOnlyIntoAnExistingSubmenu) {
  Icons icons;
  control_->put_UsedItemID(1);
  control_->AddItem(1, com::Bstr(L"First").Get());
  control_->InsertSubMenu(1, com::Bstr(L"More").Get());
  control_->AddSubItemIcon(2, 300, com::Bstr(L"Beyond").Get(), icons.Hot(0), icons.Cold(0));
  control_->AddSubItemIcon(0, 301, com::Bstr(L"No submenu").Get(), -1, -1);
  control_->AddSubItemIcon(1, 302, com::Bstr(L"Inner").Get(), icons.Hot(2), icons.Cold(2));
  ASSERT_TRUE(TrackWhile(kMenuAt, [&](const OpenMenu& open) {
    EXPECT_EQ(GetMenuItemCount(open.menu), 2);
    HMENU submenu = GetSubMenu(open.menu, 1);
    ASSERT_NE(submenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(submenu), 1);
    ItemState inner = ItemAt(submenu, 0);
    EXPECT_EQ(inner.id, 302u);
    EXPECT_TRUE(inner.type & MFT_OWNERDRAW);
    CloseMenu(open);
  }));
}

TEST_F(FillingTest, DeleteAllItemsKeepsOrDropsTheIcons) {
  control_->put_BackColor(kBack);
  control_->SetResourseInst(reinterpret_cast<LONG_PTR>(GetModuleHandleW(kPickListDll)),
                            IDB_MENU_HOT, IDB_MENU_COLD);
  const COLORREF coldPage = PickListImageCentre(IDB_MENU_COLD, 0);
  struct Case {
    long clearImages;
    bool iconShown;
  };
  for (const Case& c : {Case{0, true}, Case{1, false}}) {
    SCOPED_TRACE(c.clearImages);
    control_->DeleteAllItems(c.clearImages);
    // Converting every item gives item 0 the first image of each list.
    control_->AddItem(0, com::Bstr(L"Dictionary").Get());
    ASSERT_TRUE(TrackWhile(kMenuAt, [&](const OpenMenu& open) {
      RECT cell = CellOf(ItemInWindow(open, 0));
      POINT centre = CentreOf(cell);
      Capture capture = CaptureWhen(
          open, [&](const Capture& shot) { return shot.At(cell.right + 30, centre.y) == kBack; });
      if (c.iconShown) {
        EXPECT_EQ(capture.At(centre.x, centre.y), coldPage);
      } else {
        EXPECT_TRUE(capture.OnlyHolds(cell, {kBack}));
      }
      CloseMenu(open);
    }));
  }
}

// The heap's live bytes, summed over every heap of the process.
size_t HeapBytesInUse() {
  HANDLE heaps[64];
  DWORD count = GetProcessHeaps(64, heaps);
  size_t total = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    PROCESS_HEAP_ENTRY entry = {};
    HeapLock(heaps[i]);
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return total;
}

TEST_F(FillingTest, FillingAndClearingAThousandTimesLeavesNoRecordBehind) {
  Icons icons;
  auto fillAndClear = [&](int cycles) {
    for (int cycle = 0; cycle < cycles; ++cycle) {
      control_->DeleteAllItems(1);
      // One item with icons: records are made for every item, and
      // image lists are slow to take icons under Wine.
      control_->AddItemIcon(200, com::Bstr(L"Item").Get(), icons.Hot(0), icons.Cold(0));
      for (int k = 1; k < 8; ++k) control_->AddItemIcon(200 + k, com::Bstr(L"Item").Get(), -1, -1);
    }
  };
  fillAndClear(50);
  size_t before = HeapBytesInUse();
  fillAndClear(1000);
  size_t after = HeapBytesInUse();
  // 8,000 records kept would take several hundred kilobytes.
  EXPECT_LT(after, before + 64 * 1024) << "before " << before << ", after " << after;
}

}  // namespace

}  // namespace morvex::picklist::testing
