// The open menu worked with real input (SendInput from a second thread
// while the menu's loop runs): keys and clicks choose an item and the
// choice comes back as LangChanged with the host's number or the adding
// position, a click outside closes the menu with no event, and the open
// menu looks as it should (icons, a hot item, a greyed item, a separator),
// checked pixel by pixel and saved for a look.
#include <windows.h>

#include <string>

#include "PickListResource.h"
#include "PickListTestSupport.h"
#include "harness/MouseInput.h"

namespace morvex::picklist::testing {

namespace {

constexpr COLORREF kBack = RGB(236, 233, 216);

void Click(POINT at) { ASSERT_TRUE(harness::SendClick({at, harness::MouseButton::kLeft, false})); }

POINT ScreenCentreOfItem(const OpenMenu& open, UINT position) {
  RECT item = {};
  GetMenuItemRect(nullptr, open.menu, position, &item);
  return CentreOf(item);
}

using ChoiceTest = PickListTest;

TEST_F(ChoiceTest, KeysAndClicksReportTheChosenItem) {
  Icons icons;
  struct Case {
    const char* name;
    long usedItemId;
    void (*choose)(const OpenMenu& open);
    long expected;
  };
  const Case cases[] = {
      {"Down, Down, Enter: the third item, the separator counting", 0,
       [](const OpenMenu&) {
         Press(L"down");
         Press(L"down");
         Press(L"enter");
       },
       2},
      {"host's numbers: Down, Enter", 1,
       [](const OpenMenu&) {
         Press(L"down");
         Press(L"enter");
       },
       4005},
      {"a click on the third item", 1,
       [](const OpenMenu& open) { Click(ScreenCentreOfItem(open, 2)); }, 4007},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events_.clear();
    control_->DeleteAllItems(1);
    control_->put_UsedItemID(c.usedItemId);
    control_->AddItem(4005, com::Bstr(L"First").Get());
    control_->AddItemIcon(4006, com::Bstr(L"").Get(), -1, -1);
    control_->AddItemIcon(4007, com::Bstr(L"Third").Get(), icons.Hot(1), icons.Cold(1));
    ASSERT_TRUE(TrackWhile(kMenuAt, c.choose));
    ASSERT_TRUE(WaitForEvents(1));
    PumpPosted();
    EXPECT_EQ(events_, std::vector<long>{c.expected});
  }
}

TEST_F(ChoiceTest, AClickOutsideClosesTheMenuWithoutAnEvent) {
  control_->AddItem(1, com::Bstr(L"Only").Get());
  HWND menuWindow = nullptr;
  ASSERT_TRUE(TrackWhile(kMenuAt, [&](const OpenMenu& open) {
    menuWindow = open.window;
    RECT frame = {};
    GetWindowRect(frame_, &frame);
    Click({frame.left + 10, frame.bottom - 10});
  }));
  PumpPosted();
  EXPECT_TRUE(events_.empty());
  EXPECT_FALSE(IsWindow(menuWindow) && IsWindowVisible(menuWindow));
}

std::string BesideTheProgram(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string full(path);
  return full.substr(0, full.find_last_of("\\/") + 1) + name;
}

TEST_F(ChoiceTest, OpenMenuShowsIconsAHotItemAGreyedItemAndASeparator) {
  Icons icons;
  control_->put_UsedItemID(1);
  control_->put_BackColor(kBack);
  control_->AddItemIcon(1, com::Bstr(L"Копировать").Get(), icons.Hot(0), icons.Cold(0));
  control_->AddItemIcon(2, com::Bstr(L"Словарь").Get(), icons.Hot(1), icons.Cold(1));
  control_->AddItemIcon(0, com::Bstr(L"").Get(), -1, -1);
  control_->AddItemIcon(3, com::Bstr(L"Избранное").Get(), icons.Hot(2), icons.Cold(2));
  control_->AddItemIcon(4, com::Bstr(L"Заметки").Get(), icons.Hot(3), icons.Cold(3));
  control_->put_DisableItem(1);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF relief = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  ASSERT_TRUE(TrackWhile(kMenuAt, [&](const OpenMenu& open) {
    Press(L"down");
    RECT hot = ItemInWindow(open, 0);
    Capture shot = CaptureWhen(open, [&](const Capture& capture) {
      return capture.At(hot.right - 4, CentreOf(hot).y) == highlight;
    });
    SaveBitmap(shot, BesideTheProgram("picklist_open_menu.bmp").c_str());

    SCOPED_TRACE("hot item");
    RECT hotCell = CellOf(hot);
    POINT hotCentre = CentreOf(hotCell);
    EXPECT_EQ(shot.At(hotCentre.x, hotCentre.y), PickListImageCentre(IDB_MENU_HOT, 0));
    EXPECT_EQ(shot.At(hotCell.left, hotCentre.y), relief) << "raised frame";
    EXPECT_TRUE(shot.Holds({hotCell.right + 3, hot.top, hot.right, hot.bottom},
                           GetSysColor(COLOR_HIGHLIGHTTEXT)));

    SCOPED_TRACE("greyed item");
    RECT greyCell = CellOf(ItemInWindow(open, 1));
    EXPECT_TRUE(shot.OnlyHolds(greyCell, {relief, shadow, kBack}));
    EXPECT_TRUE(shot.Holds(greyCell, shadow));

    SCOPED_TRACE("separator");
    RECT separator = ItemInWindow(open, 2);
    int middle = (separator.top + separator.bottom) / 2;
    EXPECT_EQ(shot.At(CentreOf(separator).x, middle), shadow);
    EXPECT_EQ(shot.At(CentreOf(separator).x, middle + 1), relief);

    SCOPED_TRACE("plain item");
    RECT plain = ItemInWindow(open, 3);
    POINT plainCentre = CentreOf(CellOf(plain));
    EXPECT_EQ(shot.At(plainCentre.x, plainCentre.y), PickListImageCentre(IDB_MENU_COLD, 2));
    EXPECT_EQ(shot.At(plain.right - 4, plainCentre.y), kBack);
    EXPECT_TRUE(shot.Holds({plain.left + 23, plain.top, plain.right, plain.bottom},
                           GetSysColor(COLOR_MENUTEXT)));
    CloseMenu(open);
  }));
}

}  // namespace

}  // namespace morvex::picklist::testing
