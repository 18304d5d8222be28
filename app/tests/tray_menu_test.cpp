// The tray menu as the program draws it: the shared renderer with the
// program's policy on menu 202 of the program's own resources. The items
// get the images of their place, the separator's place not counted; keys
// typed in the open menu find their items by the renderer's texts; the
// status bar's owner-drawn part still reaches the window as 0x69F; and
// detaching gives every item its text back.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/InterfaceLanguage.h"
#include "app/PrivateMessages.h"
#include "app/ProgramMenuPolicy.h"
#include "app/Resources.h"
#include "controls/common/MenuItems.h"

namespace morvex::solo {

namespace {

constexpr char kOwnerClass[] = "TrayMenuTestOwner";

struct Forwarded {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
Forwarded g_forwarded;
constexpr LRESULT kIndicatorAnswer = 0x1234;

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_STATUS_DRAWITEM) {
    g_forwarded = {message, wParam, lParam};
    return kIndicatorAnswer;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

const controls::MenuItemRecord* RecordAt(const controls::MenuPainter& painter, HMENU menu,
                                         int position) {
  controls::MenuItemFacts facts;
  if (!controls::ReadMenuItem(menu, position, &facts) || !painter.IsOwnRecord(facts.data))
    return nullptr;
  return reinterpret_cast<const controls::MenuItemRecord*>(facts.data);
}

class TrayMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = OwnerProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassA(&windowClass);
    owner_ = CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
    menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_NE(menu_, nullptr);
    submenu_ = GetSubMenu(menu_, 0);
    ASSERT_EQ(GetMenuItemCount(submenu_), 8);
    ASSERT_TRUE(painter_.Attach(owner_, submenu_));
  }
  void TearDown() override {
    painter_.Destroy();
    DestroyMenu(menu_);
    DestroyWindow(owner_);
  }

  HWND owner_ = nullptr;
  HMENU menu_ = nullptr;
  HMENU submenu_ = nullptr;
  controls::MenuPainter painter_{kTrayMenuPolicy};
};

TEST_F(TrayMenuTest, ItemsTakeTheImagesOfTheirPlaceTheSeparatorsNotCounted) {
  // Help, the first item after the separator, has image 4; Exit asks for
  // image 6, which the strip of six does not hold.
  const int expected[] = {0, 1, 2, 3, 3, 4, 5, 6};
  for (int position = 0; position < 8; ++position) {
    SCOPED_TRACE(position);
    const controls::MenuItemRecord* record = RecordAt(painter_, submenu_, position);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->hotIndex, expected[position]);
    EXPECT_EQ(record->coldIndex, expected[position]);
  }
  EXPECT_EQ(painter_.images().Count(controls::MenuImageList::kHot), 6);
  EXPECT_EQ(painter_.images().Count(controls::MenuImageList::kCold), 6);
}

TEST_F(TrayMenuTest, RowsAreAtLeastAMenuRowHighAndTheSeparatorHalfOne) {
  struct Case {
    int position;
    bool separator;
  };
  for (const Case& c : {Case{3, false}, Case{4, true}, Case{7, false}}) {
    SCOPED_TRACE(c.position);
    const controls::MenuItemRecord* record = RecordAt(painter_, submenu_, c.position);
    ASSERT_NE(record, nullptr);
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = GetMenuItemID(submenu_, c.position);
    measure.itemData = reinterpret_cast<ULONG_PTR>(record);
    EXPECT_TRUE(SendMessageA(owner_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    if (c.separator) {
      EXPECT_EQ(measure.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2));
    } else {
      EXPECT_GE(measure.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENU)));
      // Two icon cells and some text, less the check mark's room.
      EXPECT_GT(measure.itemWidth, static_cast<UINT>(2 * painter_.cellSize().cx -
                                                     GetSystemMetrics(SM_CXMENUCHECK) + 6));
    }
  }
}

TEST_F(TrayMenuTest, TheStatusBarsOwnerDrawnPartGoesBackToTheWindow) {
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_STATIC;
  item.CtlID = kOwnerDrawnStatusBarId;
  g_forwarded = {};
  EXPECT_EQ(
      SendMessageA(owner_, WM_DRAWITEM, kOwnerDrawnStatusBarId, reinterpret_cast<LPARAM>(&item)),
      kIndicatorAnswer);
  EXPECT_EQ(g_forwarded.message, WM_STATUS_DRAWITEM);
  EXPECT_EQ(g_forwarded.wParam, static_cast<WPARAM>(kOwnerDrawnStatusBarId));
  EXPECT_EQ(g_forwarded.lParam, reinterpret_cast<LPARAM>(&item));
}

// A key typed with the English layout, matched as the main window does.
std::function<bool(const std::string&)> Typed(char key) {
  return [key](const std::string& text) { return MenuMnemonicMatches(key, text, 1033); };
}

TEST_F(TrayMenuTest, AKeyTypedInTheMenuFindsItsItemByTheRenderersTexts) {
  struct Case {
    char key;
    int position;
  };
  const Case cases[] = {{'t', 0}, {'C', 2}, {'s', 3},  {'h', 5},
                        {'a', 6}, {'E', 7}, {'q', -1}, {'&', -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(TrayMenuItemForKey(painter_, Typed(c.key)), c.position);
  }
}

TEST_F(TrayMenuTest, DetachingGivesEveryItemItsTextBack) {
  painter_.Destroy();
  const std::vector<std::string> texts = {
      "&Translation", "&Dictionary", "Dictionary &Collection", "&Settings...", "", "&Help",
      "&About...",    "&Exit"};
  for (int position = 0; position < 8; ++position) {
    SCOPED_TRACE(position);
    controls::MenuItemFacts facts;
    ASSERT_TRUE(controls::ReadMenuItem(submenu_, position, &facts));
    EXPECT_FALSE(facts.type & MFT_OWNERDRAW);
    EXPECT_EQ(facts.data, 0u);
    EXPECT_EQ(facts.text, texts[position]);
  }
  EXPECT_EQ(painter_.recordCount(), 0u);
  EXPECT_EQ(TrayMenuItemForKey(painter_, Typed('a')), -1) << "no menu, no item";
}

// What the main window does after an interface-language change: the old
// items reverted before their menu goes, only the top menu destroyed, the
// new menu converted; no record of the old items is left.
TEST_F(TrayMenuTest, AnotherMenuAfterTheOldItemsWereReverted) {
  painter_.ConvertAll(false);
  EXPECT_EQ(painter_.recordCount(), 0u);
  DestroyMenu(menu_);
  EXPECT_FALSE(IsMenu(submenu_)) << "the submenu went with its menu";
  menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
  submenu_ = GetSubMenu(menu_, 0);
  ASSERT_TRUE(painter_.Attach(owner_, submenu_));
  EXPECT_EQ(painter_.recordCount(), 8u);
  const controls::MenuItemRecord* help = RecordAt(painter_, submenu_, 5);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->hotIndex, 4);
  EXPECT_EQ(TrayMenuItemForKey(painter_, Typed('a')), 6);
}

TEST_F(TrayMenuTest, TheSettingsButtonTakesTheSettingsPicture) {
  HICON hot = nullptr, cold = nullptr;
  SettingsPictureIcons(painter_, &hot, &cold);
  ASSERT_NE(hot, nullptr);
  ASSERT_NE(cold, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(hot, &info));
  BITMAP facts = {};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof facts, &facts);
  EXPECT_EQ(facts.bmWidth, 16);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(hot);
  DestroyIcon(cold);
  painter_.Destroy();
  SettingsPictureIcons(painter_, &hot, &cold);
  EXPECT_EQ(hot, nullptr) << "no lists, no icons";
  EXPECT_EQ(cold, nullptr);
}

}  // namespace

}  // namespace morvex::solo
