// The flat button's picture, drawn into a DIB section as its owner hands it
// the item and read back pixel by pixel: face colours and edges in every
// state and shape, the drop arrow and its separator, the icon's place and
// state, the centred caption, the parent's background behind a transparent
// face, and drawing through a parent that reflects WM_DRAWITEM.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "FlatButtonTestResource.h"
#include "FlatButtonTestSupport.h"

namespace morvex::controls::testing {

namespace {

constexpr COLORREF kColdBack = RGB(10, 80, 140);
constexpr COLORREF kHotBack = RGB(250, 220, 60);
constexpr COLORREF kColdText = RGB(0, 0, 255);
constexpr COLORREF kHotText = RGB(200, 0, 0);
constexpr COLORREF kIconHot = RGB(0, 160, 0);
constexpr COLORREF kIconCold = RGB(0, 0, 200);

enum class Colour {
  kColdBack,
  kHotBack,
  kHighlight,
  kShadow,
  kDarkShadow,
  kBlack,
  kButtonText,
  kLeftArcLow,  // a pixel of the capsule's left arc set once: (-9, 1) from its centre
};

COLORREF Resolve(Colour colour) {
  const EdgeColours edges;
  switch (colour) {
    case Colour::kColdBack:
      return kColdBack;
    case Colour::kHotBack:
      return kHotBack;
    case Colour::kHighlight:
      return edges.highlight;
    case Colour::kShadow:
      return edges.shadow;
    case Colour::kDarkShadow:
      return edges.darkShadow;
    case Colour::kBlack:
      return RGB(0, 0, 0);
    case Colour::kButtonText:
      return edges.text;
    case Colour::kLeftArcLow:
      return flat_button::BlendEdgeColor(3.141592654 - std::atan2(1, 9), edges.highlight,
                                         edges.shadow);
  }
  return CLR_INVALID;
}

struct Probe {
  int x;
  int y;
  Colour colour;
};

// The default look with face and caption colours apart from every system colour.
FlatButtonLook TestLook() {
  FlatButtonLook look = FlatButton().look();
  look.coldBack = kColdBack;
  look.hotBack = kHotBack;
  look.coldText = kColdText;
  look.hotText = kHotText;
  return look;
}

class FlatButtonDrawingTest : public FlatButtonTest {
 protected:
  void SetUp() override {
    FlatButtonTest::SetUp();
    ColourLook();
  }
  void ColourLook() { button_->look() = TestLook(); }
};

TEST_F(FlatButtonDrawingTest, SystemEdgeColoursDifferFromEachOtherAndFromTheFaces) {
  const EdgeColours edges;
  const COLORREF all[] = {edges.highlight, edges.shadow, edges.darkShadow, kColdBack, kHotBack};
  for (size_t i = 0; i < std::size(all); ++i)
    for (size_t j = i + 1; j < std::size(all); ++j) EXPECT_NE(all[i], all[j]) << i << ", " << j;
}

TEST_F(FlatButtonDrawingTest, FaceAndEdgesByStateAndShape) {
  struct Case {
    const char* name;
    FlatButtonLook look;
    bool hot;
    bool pressInArrowPart;
    UINT state;
    SIZE size;
    std::vector<Probe> probes;
  };
  auto look = [](bool flat, bool raise, bool coldEdge, EdgeShape shape, bool dropArrow) {
    FlatButtonLook changed = TestLook();
    changed.flat = flat;
    changed.raiseOnHover = raise;
    changed.coldEdge = coldEdge;
    changed.edgeShape = shape;
    changed.dropArrow = dropArrow;
    return changed;
  };
  const EdgeShape rect = EdgeShape::kRectangle;
  using C = Colour;
  // clang-format off
  const Case cases[] = {
      {"flat cold", look(true, true, false, rect, false), false, false, 0, {60, 24},
       {{5, 12, C::kColdBack}, {0, 0, C::kColdBack}, {59, 23, C::kColdBack}}},
      {"flat cold with cold edge", look(true, true, true, rect, false), false, false, 0, {60, 24},
       {{5, 12, C::kColdBack}, {0, 0, C::kShadow}, {59, 23, C::kShadow}}},
      {"flat hot raised", look(true, true, false, rect, false), true, false, 0, {60, 24},
       {{5, 12, C::kHotBack}, {0, 0, C::kHighlight}, {58, 0, C::kHighlight},
        {59, 0, C::kShadow}, {59, 23, C::kShadow}, {0, 23, C::kShadow}}},
      {"flat hot without raise", look(true, false, false, rect, false), true, false, 0, {60, 24},
       {{5, 12, C::kHotBack}, {0, 0, C::kHotBack}, {59, 23, C::kHotBack}}},
      {"flat pressed sunken", look(true, true, false, rect, false), false, false, ODS_SELECTED,
       {60, 24}, {{5, 12, C::kHotBack}, {0, 0, C::kShadow}, {59, 23, C::kHighlight}}},
      {"flat pressed without raise", look(true, false, false, rect, false), false, false,
       ODS_SELECTED, {60, 24}, {{5, 12, C::kHotBack}, {0, 0, C::kHotBack}}},
      {"classic", look(false, true, false, rect, false), false, false, 0, {60, 24},
       {{5, 12, C::kColdBack}, {0, 0, C::kDarkShadow}, {59, 23, C::kShadow}}},
      {"classic pressed", look(false, true, false, rect, false), false, false, ODS_SELECTED,
       {60, 24}, {{0, 0, C::kShadow}, {59, 23, C::kShadow}, {1, 1, C::kHotBack}}},
      {"classic focused", look(false, true, false, rect, false), false, false, ODS_FOCUS,
       {60, 24}, {{0, 0, C::kBlack}, {59, 23, C::kBlack}, {1, 1, C::kDarkShadow},
                  {58, 22, C::kShadow}, {5, 12, C::kColdBack}}},
      // The arrow part splits the sunken face: main part sunken, arrow part
      // raised, the separator at the part's left (shadow, highlight right of it).
      {"drop arrow pressed", look(true, true, false, rect, true), false, false, ODS_SELECTED,
       {60, 24}, {{0, 0, C::kShadow}, {48, 0, C::kHighlight}, {59, 23, C::kShadow},
                  {48, 5, C::kShadow}, {49, 5, C::kHighlight}, {54, 13, C::kShadow},
                  {5, 12, C::kHotBack}}},
      {"drop arrow hot", look(true, true, false, rect, true), true, false, 0, {60, 24},
       {{0, 0, C::kHighlight}, {54, 13, C::kButtonText}, {48, 5, C::kShadow},
        {49, 5, C::kHighlight}}},
      {"drop arrow cold edge", look(true, true, true, rect, true), false, false, 0, {60, 24},
       {{48, 1, C::kShadow}, {48, 22, C::kShadow}, {49, 5, C::kColdBack},
        {54, 13, C::kShadow}}},
      // Pressed in the arrow part of a button without drop arrow: the edges
      // of the unpressed state (here none) on the pressed face.
      {"press in the arrow part", look(true, true, false, rect, false), false, true, ODS_SELECTED,
       {60, 24}, {{0, 0, C::kHotBack}, {59, 23, C::kHotBack}, {5, 12, C::kHotBack}}},
      {"circle hot", look(true, true, false, EdgeShape::kCircle, false), true, false, 0, {24, 24},
       {{12, 0, C::kShadow}, {12, 1, C::kHighlight}, {0, 12, C::kShadow},
        {1, 12, C::kHighlight}, {12, 12, C::kHotBack}}},
      {"capsule hot", look(true, true, false, EdgeShape::kCapsule, false), true, false, 0,
       {60, 20}, {{20, 0, C::kHighlight}, {20, 19, C::kShadow}, {1, 11, C::kLeftArcLow},
                  {30, 10, C::kHotBack}}},
      {"capsule focus frame", look(true, true, false, EdgeShape::kCapsule, false), false, false,
       ODS_FOCUS, {60, 20}, {{20, 0, C::kColdBack}, {20, 2, C::kColdBack}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MakeButton(BS_PUSHBUTTON, c.size.cx, c.size.cy);
    button_->look() = c.look;
    Canvas canvas(c.size.cx, c.size.cy, RGB(255, 0, 255));
    if (c.pressInArrowPart) {
      DrawInto(canvas, c.size, 0);  // the arrow part's width is known from the first draw on
      SendMessageA(buttonWindow_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.size.cx - 3, 5));
      ASSERT_TRUE(button_->arrowPressed());
    }
    if (c.hot) {
      Hover(5, 5);
      ASSERT_TRUE(button_->hot());
    }
    DrawInto(canvas, c.size, c.state);
    std::string file = c.name;
    for (char& ch : file)
      if (ch == ' ') ch = '_';
    SavePictureIfAsked(canvas, c.size.cx, c.size.cy, file.c_str());
    for (const Probe& probe : c.probes) {
      EXPECT_EQ(canvas.At(probe.x, probe.y), Resolve(probe.colour))
          << "at (" << probe.x << ", " << probe.y << ")";
    }
    ReleaseCapture();
  }
}

TEST_F(FlatButtonDrawingTest, FocusFrameOfTheClassicFaceAndOfACapsuleWhenAsked) {
  // The classic face marks the focus inside its edge; a flat capsule only
  // with its focus frame set, as a shadow capsule two pixels in.
  MakeButton(BS_PUSHBUTTON, 60, 20);
  ColourLook();
  button_->look().edgeShape = EdgeShape::kCapsule;
  button_->look().focusFrame = true;
  Canvas capsule(60, 20, RGB(255, 0, 255));
  DrawInto(capsule, {60, 20}, ODS_FOCUS);
  EXPECT_EQ(capsule.At(20, 2), EdgeColours().shadow);   // top line of the inner capsule
  EXPECT_EQ(capsule.At(20, 17), EdgeColours().shadow);  // its bottom line
  EXPECT_TRUE(button_->focused());
  Canvas pressed(60, 20, RGB(255, 0, 255));
  DrawInto(pressed, {60, 20}, ODS_FOCUS | ODS_SELECTED);  // pressed: no frame
  EXPECT_EQ(pressed.At(20, 2), kHotBack);

  MakeButton(BS_PUSHBUTTON, 60, 24);
  ColourLook();
  button_->look().flat = false;
  Canvas classic(60, 24, RGB(255, 0, 255));
  DrawInto(classic, {60, 24}, ODS_FOCUS);
  bool dotted = false;
  for (int x = 3; x < 57; ++x) dotted = dotted || classic.At(x, 2) != kColdBack;
  EXPECT_TRUE(dotted) << "no focus rectangle on row 2";
}

TEST_F(FlatButtonDrawingTest, IconPlaceAndStateFollowCaptionArrowAndPress) {
  struct Case {
    const char* name;
    const char* caption;
    bool dropArrow;
    bool hot;
    UINT state;
    POINT origin;
    COLORREF colour;
  };
  const Case cases[] = {
      {"centred, cold", "", false, false, 0, {22, 4}, kIconCold},
      {"centred, hot", "", false, true, 0, {22, 4}, kIconHot},
      {"centred, pressed", "", false, false, ODS_SELECTED, {23, 5}, kIconHot},
      {"left of the caption", "Ab", false, false, 0, {3, 4}, kIconCold},
      // No caption, a drop arrow: centred in the 48 columns left of the arrow part.
      {"left of the arrow part", "", true, false, 0, {16, 4}, kIconCold},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MakeButton(BS_PUSHBUTTON, 60, 24);
    ColourLook();
    SetWindowTextA(buttonWindow_, c.caption);
    button_->look().dropArrow = c.dropArrow;
    ASSERT_TRUE(button_->LoadIcons(IDI_TEST_HOT, IDI_TEST_COLD, 16, 16));
    if (c.hot) Hover(5, 5);
    Canvas canvas(60, 24, RGB(255, 0, 255));
    DrawInto(canvas, {60, 24}, c.state);
    const COLORREF face = c.hot || c.state ? kHotBack : kColdBack;
    EXPECT_EQ(canvas.At(c.origin.x, c.origin.y), c.colour);
    EXPECT_EQ(canvas.At(c.origin.x + 15, c.origin.y + 15), c.colour);
    EXPECT_EQ(canvas.At(c.origin.x - 1, c.origin.y + 8), face);
    EXPECT_EQ(canvas.At(c.origin.x + 16, c.origin.y + 8), face);
    ReleaseCapture();
  }
}

TEST_F(FlatButtonDrawingTest, CaptionIsCentredAndMovesWithThePress) {
  SetWindowTextA(buttonWindow_, "&Ab");
  Canvas measure(1, 1, RGB(0, 0, 0));
  RECT text = {0, 0, 0, 0};
  DrawTextA(measure.dc(), "&Ab", -1, &text, DT_CALCRECT | DT_SINGLELINE);
  const RECT centred = {(60 - text.right) / 2, (24 - text.bottom) / 2,
                        (60 - text.right) / 2 + text.right, (24 - text.bottom) / 2 + text.bottom};
  struct Case {
    UINT state;
    int shift;
    COLORREF ink;
    COLORREF face;
  };
  for (const Case& c :
       {Case{0, 0, kColdText, kColdBack}, Case{ODS_SELECTED, 1, kHotText, kHotBack}}) {
    SCOPED_TRACE(c.state);
    Canvas canvas(60, 24, RGB(255, 0, 255));
    button_->look().raiseOnHover = false;  // no edges: only face and caption
    DrawInto(canvas, {60, 24}, c.state);
    RECT inside = centred;
    OffsetRect(&inside, c.shift, c.shift);
    EXPECT_TRUE(Holds(canvas, inside, c.ink));
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 60; ++x) {
        POINT p = {x, y};
        if (!PtInRect(&inside, p)) {
          ASSERT_EQ(canvas.At(x, y), c.face) << x << ", " << y;
        }
      }
    }
  }
  button_->look().showText = false;
  Canvas hidden(60, 24, RGB(255, 0, 255));
  DrawInto(hidden, {60, 24}, 0);
  EXPECT_FALSE(Holds(hidden, {0, 0, 60, 24}, kColdText));
}

TEST_F(FlatButtonDrawingTest, TransparentFaceShowsTheParentsBackgroundUnderTheButton) {
  // The button spans x = 100..160 of the parent, which paints red left of
  // 130 and green from there.
  SetParentBackground(130, RGB(255, 0, 0), RGB(0, 255, 0));
  button_->look().transparent = true;
  Canvas canvas(60, 24, RGB(255, 0, 255));
  EXPECT_EQ(SendMessageA(buttonWindow_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0),
            1);
  EXPECT_EQ(canvas.At(5, 12), RGB(255, 0, 255));  // erasing left to the drawing
  DrawInto(canvas, {60, 24}, 0);
  EXPECT_EQ(canvas.At(5, 12), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(29, 12), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(30, 12), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(55, 12), RGB(0, 255, 0));
}

TEST_F(FlatButtonDrawingTest, ParentThatReflectsGetsTheItemDrawnAndAnswered) {
  SetParentReflects(true);
  Canvas canvas(60, 24, RGB(255, 0, 255));
  DRAWITEMSTRUCT item = ItemFor(canvas, {60, 24}, 0);
  EXPECT_EQ(SendMessageA(parent_, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item)), TRUE);
  EXPECT_EQ(canvas.At(5, 12), kColdBack);
}

}  // namespace

}  // namespace morvex::controls::testing
