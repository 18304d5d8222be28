// The geometry of the page stack without windows: the scroll steps of a
// page change, the layout of the two stacks, the stack changes of opening a
// page, and that a slide by the planned distance lands the travelling
// headers exactly where the new layout puts them.
#include <gtest/gtest.h>

#include <vector>

#include "controls/PageStrip/PageStack.h"
#include "strip_test_support.h"

namespace pagestrip = morvex::pagestrip;

namespace {

constexpr RECT kClient = {0, 0, 300, 240};

struct StepsCase {
  int distance;
  bool downward;
  std::vector<int> steps;
};

TEST(ScrollStepsTest, FivePixelStepsCutOnlyDownward) {
  const StepsCase cases[] = {
      {23, true, {5, 5, 5, 5, 3}},
      {23, false, {-5, -5, -5, -5, -5}},
      {5, true, {5}},
      {6, true, {5, 1}},
      {6, false, {-5, -5}},
      {0, true, {}},
      {-7, false, {}},
  };
  for (const StepsCase& c : cases) {
    EXPECT_EQ(pagestrip::ScrollSteps(c.distance, c.downward), c.steps)
        << c.distance << (c.downward ? " down" : " up");
  }
}

// Three pages of 20 pixels, as AddPage leaves them: all at the top, the
// last one open.
pagestrip::PageStack ThreePages() {
  pagestrip::PageStack stack;
  for (const wchar_t* name : {L"a", L"b", L"c"}) stack.Append(name);
  stack.SetActive(2);
  stack.Layout(kClient);
  return stack;
}

void Open(pagestrip::PageStack* stack, int index) {
  stack->MoveStacksToOpen(index);
  stack->Layout(kClient);
  stack->SetActive(index);
}

TEST(PageStackTest, HeadersStackDownFromTheTopAndUpFromTheBottomInReverse) {
  pagestrip::PageStack stack = ThreePages();
  EXPECT_EQ(stack.page(0).header, (RECT{1, 1, 299, 21}));
  EXPECT_EQ(stack.page(2).header, (RECT{1, 43, 299, 63}));
  EXPECT_EQ(stack.contentArea(), (RECT{2, 64, 298, 239}));

  Open(&stack, 0);
  EXPECT_FALSE(stack.page(1).atTop);
  EXPECT_FALSE(stack.page(2).atTop);
  EXPECT_EQ(stack.page(2).header, (RECT{1, 219, 299, 239}));
  EXPECT_EQ(stack.page(1).header, (RECT{1, 198, 299, 218}));
  EXPECT_EQ(stack.contentArea(), (RECT{2, 22, 298, 197}));
  EXPECT_EQ(stack.HitTest({150, 230}), 2);
  EXPECT_EQ(stack.HitTest({150, 21}), -1) << "the pixel between two headers is nobody's";
}

TEST(PageStackTest, OpeningMovesTheRunOfHeadersBetweenThePageAndTheContent) {
  pagestrip::PageStack stack;
  for (const wchar_t* name : {L"a", L"b", L"c", L"d"}) stack.Append(name);
  Open(&stack, 1);  // a b | c d
  Open(&stack, 2);  // a b c | d: only c comes up
  EXPECT_TRUE(stack.page(2).atTop);
  EXPECT_FALSE(stack.page(3).atTop);
  Open(&stack, 0);  // a | b c d
  for (int i = 1; i < 4; ++i) EXPECT_FALSE(stack.page(i).atTop) << i;
  Open(&stack, 3);  // all at the top again
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(stack.page(i).atTop) << i;
}

TEST(PageStackTest, RemovingKeepsTheOpenPage) {
  struct Case {
    int active;
    int removed;
    int activeAfter;
  };
  for (const Case& c : {Case{2, 0, 1}, Case{2, 2, -1}, Case{0, 1, 0}}) {
    pagestrip::PageStack stack = ThreePages();
    stack.SetActive(c.active);
    stack.Remove(c.removed);
    EXPECT_EQ(stack.active(), c.activeAfter) << c.active << " open, " << c.removed << " removed";
  }
}

// Slides the headers inside the plan's area by its steps, as ScrollWindow
// moves what lies in the clip rectangle.
void Slide(pagestrip::PageStack* stack, const pagestrip::ScrollPlan& plan) {
  int moved = 0;
  for (int step : pagestrip::ScrollSteps(plan.distance, plan.downward)) moved += step;
  for (int i = 0; i < stack->count(); ++i) {
    RECT& header = stack->page(i).header;
    if (header.top >= plan.area.top && header.bottom <= plan.area.bottom) {
      OffsetRect(&header, 0, moved);
    }
  }
}

TEST(PageStackTest, TheSlideLandsTheTravellingHeadersOnTheNewLayout) {
  struct Case {
    int openFirst;
    int opening;
    bool downward;
  };
  // 2 -> 0 downward; 0 -> 2 and 0 -> 1 upward.
  for (const Case& c : {Case{2, 0, true}, Case{0, 2, false}, Case{0, 1, false}}) {
    SCOPED_TRACE(::testing::Message() << c.openFirst << " -> " << c.opening);
    pagestrip::PageStack stack = ThreePages();
    if (c.openFirst != 2) Open(&stack, c.openFirst);
    pagestrip::ScrollPlan plan = stack.PlanScroll(c.opening, kClient.right);
    EXPECT_EQ(plan.downward, c.downward);
    pagestrip::PageStack slid = stack;
    Slide(&slid, plan);
    Open(&stack, c.opening);
    for (int i = 0; i < 3; ++i) {
      // Upward steps are all 5 pixels: the run may pass its place by up to 4.
      int overshoot = slid.page(i).header.top - stack.page(i).header.top;
      EXPECT_LE(overshoot, 0) << i;
      EXPECT_GT(overshoot, c.downward ? -1 : -5) << i;
    }
  }
}

}  // namespace
