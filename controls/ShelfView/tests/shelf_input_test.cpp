// The shelf under the user's mouse: a double click on a dictionary's row
// asks for the dictionary once, one below the rows asks for nothing. Real
// clicks through SendInput, since the shelf reads where the pointer is.
#include "harness/MouseInput.h"
#include "shelf_test_support.h"

namespace com = morvex::com;

namespace {

POINT OnScreen(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  return point;
}

TEST_F(ShelfTest, DoubleClickOnARowAsksForTheDictionaryBelowTheRowsNothing) {
  com::Ptr<ILexiconHub> system = MakeSystem({kEnglishRussian, kRussianEnglish});
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  RECT last = RowOf(Children()[1]);
  RECT pager = {};
  GetClientRect(Pager(), &pager);
  ASSERT_LT(last.bottom + 40, pager.bottom) << "no room below the rows";

  // Input is handled in order: once the row's double click has asked, the
  // one below the rows has been handled too.
  harness::MouseClick below = {OnScreen(Pager(), 60, last.bottom + 20), harness::MouseButton::kLeft,
                               true};
  harness::MouseClick onRow = {OnScreen(Tree(), 80, (last.top + last.bottom) / 2),
                               harness::MouseButton::kLeft, true};
  ASSERT_TRUE(harness::SendClick(below));
  ASSERT_TRUE(harness::SendClick(onRow));
  EXPECT_TRUE(PumpUntil([this] { return needShowDics_ > 0; }, 3000));
  EXPECT_EQ(needShowDics_, 1);
  EXPECT_TRUE(ActiveObjectIs(DictionaryAt(system.Get(), 2).Get()));
}

}  // namespace
