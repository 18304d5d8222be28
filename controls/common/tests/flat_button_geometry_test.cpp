// The flat button's geometry: the arrow part's width and place, icon and
// caption placement, the arrow's triangle, frame and capsule lines, the
// circle and half-circle pixels and the shading of the capsule's edge.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <set>
#include <utility>

#include "controls/common/portable/FlatButtonGeometry.h"

namespace morvex::controls::flat_button {

std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
std::ostream& operator<<(std::ostream& out, const Point& p) {
  return out << "(" << p.x << ", " << p.y << ")";
}

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
         (static_cast<uint32_t>(b) << 16);
}

int Channel(uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

std::set<std::pair<int, int>> AsSet(const std::vector<Point>& points) {
  std::set<std::pair<int, int>> set;
  for (const Point& p : points) set.insert({p.x, p.y});
  return set;
}

TEST(FlatButtonArrowTest, WidthIsAFifthInEightBitsAndAtLeastTen) {
  const struct {
    int buttonWidth;
    int arrowWidth;
  } cases[] = {{0, 10},     {49, 10},   {50, 10},   {55, 11}, {100, 20},
               {1279, 255}, {1280, 10}, {1350, 14}, {-5, 255}};
  for (const auto& c : cases)
    EXPECT_EQ(ArrowWidth(c.buttonWidth), c.arrowWidth) << "button width " << c.buttonWidth;
}

TEST(FlatButtonArrowTest, PartIsTheLastColumnsOrRowsAndPressesInsideItCount) {
  const Rect button = {0, 0, 40, 24};
  EXPECT_EQ(ArrowPart(button, Layout::kIconLeftArrowRight, 10), (Rect{30, 0, 40, 24}));
  EXPECT_EQ(ArrowPart(button, Layout::kIconTopArrowBottom, 10), (Rect{0, 14, 40, 24}));
  const Rect part = ArrowPart(button, Layout::kIconLeftArrowRight, 10);
  EXPECT_TRUE(Contains(part, {30, 0}));
  EXPECT_TRUE(Contains(part, {39, 23}));
  EXPECT_FALSE(Contains(part, {29, 5}));
  EXPECT_FALSE(Contains(part, {40, 5}));
  EXPECT_FALSE(Contains(part, {35, 24}));
}

TEST(FlatButtonArrowTest, TriangleHangsBelowTheCentreOfThePart) {
  const Rect part = {31, 1, 46, 20};  // halves truncated separately: 15 + 23, 0 + 10
  EXPECT_EQ(CentreOf(part), (Point{38, 10}));
  const Triangle triangle = DropArrowTriangle(CentreOf(part));
  EXPECT_EQ(triangle.corners[0], (Point{35, 10}));
  EXPECT_EQ(triangle.corners[1], (Point{41, 10}));
  EXPECT_EQ(triangle.corners[2], (Point{38, 13}));
}

TEST(FlatButtonCaptionTest, CentringTruncatesHalfDifferencesTowardZero) {
  const struct {
    Rect area;
    int width;
    int height;
    Point origin;
  } cases[] = {
      {{0, 0, 100, 20}, 40, 13, {30, 3}},
      {{10, 5, 31, 26}, 10, 10, {15, 10}},
      {{0, 0, 20, 10}, 25, 13, {-2, -1}},  // wider than the room: -5 / 2 is -2
  };
  for (const auto& c : cases)
    EXPECT_EQ(CentredOrigin(c.area, c.width, c.height), c.origin) << c.area;
}

TEST(FlatButtonIconTest, PlacementByLayoutCaptionArrowAndPress) {
  const Rect item = {0, 0, 60, 24};
  const struct {
    const char* name;
    Layout layout;
    bool caption;
    bool dropArrow;
    bool selected;
    Point origin;
    Rect textArea;
  } cases[] = {
      {"left, caption", Layout::kIconLeftArrowRight, true, false, false, {3, 4}, {19, 0, 60, 24}},
      {"left, caption, pressed",
       Layout::kIconLeftArrowRight,
       true,
       false,
       true,
       {4, 5},
       {19, 0, 60, 24}},
      {"left, no caption", Layout::kIconLeftArrowRight, false, false, false, {22, 4}, item},
      // Centred in the 48 columns left of the 12-column arrow part.
      {"left, no caption, arrow", Layout::kIconLeftArrowRight, false, true, false, {16, 4}, item},
      {"top, caption", Layout::kIconTopArrowBottom, true, true, false, {22, 0}, {0, 16, 60, 24}},
      {"top, no caption", Layout::kIconTopArrowBottom, false, false, false, {22, 4}, item},
      {"top, no caption, pressed", Layout::kIconTopArrowBottom, false, false, true, {23, 5}, item},
  };
  for (const auto& c : cases) {
    IconRequest request = {item, c.layout, c.caption, c.dropArrow, 12, 16, 16, c.selected};
    IconPlacement placed = PlaceIcon(request);
    EXPECT_EQ(placed.origin, c.origin) << c.name;
    EXPECT_EQ(placed.textArea, c.textArea) << c.name;
  }
}

TEST(FlatButtonIconTest, CaptionLosesTheArrowPart) {
  const Rect text = {19, 0, 60, 24};
  EXPECT_EQ(TextAreaBesideArrow(text, Layout::kIconLeftArrowRight, 12), (Rect{19, 0, 48, 24}));
  EXPECT_EQ(TextAreaBesideArrow(text, Layout::kIconTopArrowBottom, 12), (Rect{19, 0, 60, 12}));
}

TEST(FlatButtonEdgeTest, ThreeDFrameLinesMeetWithoutOverlapInTheCorners) {
  const FrameLines lines = ThreeDFrameLines({2, 3, 12, 9});
  EXPECT_EQ(lines.first[0], (Rect{2, 3, 11, 4}));    // top without its last pixel
  EXPECT_EQ(lines.first[1], (Rect{2, 3, 3, 8}));     // left without its last pixel
  EXPECT_EQ(lines.second[0], (Rect{11, 3, 12, 9}));  // right
  EXPECT_EQ(lines.second[1], (Rect{2, 8, 12, 9}));   // bottom
}

TEST(FlatButtonEdgeTest, CircleAndCapsuleOutlines) {
  const CircleOutline circle = CircleOf({0, 0, 21, 21});
  EXPECT_EQ(circle.centre, (Point{10, 10}));
  EXPECT_EQ(circle.radius, 10);

  const CapsuleOutline capsule = CapsuleOf({0, 0, 60, 20});
  EXPECT_EQ(capsule.topLine, (Rect{10, 0, 49, 1}));
  EXPECT_EQ(capsule.bottomLine, (Rect{10, 19, 49, 20}));
  EXPECT_EQ(capsule.leftCentre, (Point{10, 10}));
  EXPECT_EQ(capsule.rightCentre, (Point{49, 10}));
  EXPECT_EQ(capsule.arcRadius, 9);
}

TEST(FlatButtonEdgeTest, CirclePointsAreSymmetricConnectedAndOnTheCircle) {
  for (int r = 0; r <= 20; ++r) {
    const auto points = AsSet(CirclePoints(r));
    EXPECT_EQ(points.count({r, 0}), 1u) << r;
    EXPECT_EQ(points.count({0, -r}), 1u) << r;
    for (const auto& [x, y] : points) {
      EXPECT_LE(std::abs(x * x + y * y - r * r), r) << r << ": " << x << ", " << y;
      for (const auto& mirror : {std::pair{-x, y}, std::pair{x, -y}, std::pair{y, x}})
        EXPECT_EQ(points.count(mirror), 1u) << r << ": " << x << ", " << y;
      bool hasNeighbour = r == 0;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if ((dx || dy) && points.count({x + dx, y + dy})) hasNeighbour = true;
      EXPECT_TRUE(hasNeighbour) << r << ": " << x << ", " << y;
    }
  }
}

TEST(FlatButtonEdgeTest, ArcsAreTheCircleHalvesWithEachPixelsOwnAngle) {
  for (int r = 1; r <= 15; ++r) {
    std::vector<Point> right, left;
    for (const ArcPixel& pixel : ArcPixels(r, ArcSide::kRight)) {
      right.push_back(pixel.offset);
      const double expected = std::atan2(pixel.offset.y, pixel.offset.x);
      EXPECT_NEAR(std::remainder(pixel.angle - expected, 2 * kPi), 0, 1e-8)
          << r << ": " << pixel.offset;
    }
    for (const ArcPixel& pixel : ArcPixels(r, ArcSide::kLeft)) {
      left.push_back(pixel.offset);
      const double expected = std::atan2(pixel.offset.y, pixel.offset.x);
      EXPECT_NEAR(std::remainder(pixel.angle - expected, 2 * kPi), 0, 1e-8)
          << r << ": " << pixel.offset;
    }
    std::set<std::pair<int, int>> rightHalf, leftHalf;
    for (const auto& [x, y] : AsSet(CirclePoints(r))) {
      if (x >= 0) rightHalf.insert({x, y});
      if (x <= 0) leftHalf.insert({x, y});
    }
    EXPECT_EQ(AsSet(right), rightHalf) << r;
    EXPECT_EQ(AsSet(left), leftHalf) << r;
  }
}

TEST(FlatButtonEdgeTest, BlendRunsFromColourAUpperLeftToColourBLowerRight) {
  const uint32_t a = Rgb(255, 0, 100);
  const uint32_t b = Rgb(0, 255, 50);
  EXPECT_EQ(BlendEdgeColor(-1.88, a, b), a);
  // Half way (t = -pi/2): every byte the truncated mean, channels apart.
  const uint32_t half = BlendEdgeColor(-1.88 + kPi / 2, a, b);
  EXPECT_EQ(Channel(half, 0), 127);
  EXPECT_EQ(Channel(half, 8), 127);
  EXPECT_EQ(Channel(half, 16), 75);
  // Colour B toward the lower right, on both sides of the wrap of t.
  for (double angle : {-1.88 - kPi + 1e-4, -1.88 + kPi - 1e-4, -1.88 - kPi - 1e-4}) {
    const uint32_t nearB = BlendEdgeColor(angle, a, b);
    for (int shift : {0, 8, 16})
      EXPECT_NEAR(Channel(nearB, shift), Channel(b, shift), 1) << angle << " byte " << shift / 8;
  }
  // The same distance either side of the upper left gives the same colour.
  const uint32_t before = BlendEdgeColor(-1.88 - 0.7, a, b);
  const uint32_t after = BlendEdgeColor(-1.88 + 0.7, a, b);
  for (int shift : {0, 8, 16}) EXPECT_NEAR(Channel(before, shift), Channel(after, shift), 1);
}

}  // namespace

}  // namespace morvex::controls::flat_button
