// The geometry of the flat icon button (controls/common/FlatButton.h) as
// plain functions of integers and colours: the drop-arrow part, where the
// icon and the caption go, the arrow's triangle, the lines of a
// three-dimensional frame and of the capsule, the pixels of the circle and
// of the capsule's shaded half circles, and the blend that shades them.
//
// Portable (no Windows header): the button draws with these under Windows,
// and the native tests check them. Rectangles are half open, as Windows'
// are (right and bottom are outside); y grows downward. Colours are
// COLORREF values: red in the low byte, then green, then blue.
#pragma once

#include <cstdint>
#include <vector>

namespace morvex::controls::flat_button {

struct Rect {
  int left;
  int top;
  int right;
  int bottom;
};

struct Point {
  int x;
  int y;
};

inline bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

// Where the icon and the drop-arrow part go.
enum class Layout {
  kIconLeftArrowRight = 0,
  kIconTopArrowBottom = 1,
};

// The width (or, icon on top, the height) of the drop-arrow part of a button
// `buttonWidth` wide: a fifth of it, kept in 8 bits, and at least 10.
uint8_t ArrowWidth(int buttonWidth);

// The drop-arrow part of `area`: its last `arrowWidth` columns (icon left)
// or rows (icon on top).
Rect ArrowPart(const Rect& area, Layout layout, int arrowWidth);
bool Contains(const Rect& area, Point point);

// The centre as the button takes it: each half truncated on its own.
Point CentreOf(const Rect& area);

// Where a `width` x `height` block centred in `area` starts: half the
// difference on each axis, truncated toward zero.
Point CentredOrigin(const Rect& area, int width, int height);

// Where the icon goes, and what is left of the caption's rectangle (the
// whole button before): beside the icon when there is a caption, else the
// icon is centred (icon left: in the room left of the drop-arrow part).
struct IconRequest {
  Rect item;  // the whole button
  Layout layout;
  bool hasCaption;
  bool dropArrow;
  int arrowWidth;
  int iconWidth;
  int iconHeight;
  bool selected;  // a pressed button shows its icon one pixel down and right
};
struct IconPlacement {
  Point origin;
  Rect textArea;
};
IconPlacement PlaceIcon(const IconRequest& request);

// The caption's rectangle without the drop-arrow part.
Rect TextAreaBesideArrow(const Rect& textArea, Layout layout, int arrowWidth);

// The drop arrow: a triangle pointing down, 3 pixels each side of `centre`.
struct Triangle {
  Point corners[3];
};
Triangle DropArrowTriangle(Point centre);

// The lines of a one-pixel frame round `area`: the top row and the left
// column, each without its last pixel, in the first colour; the right
// column and the bottom row in the second.
struct FrameLines {
  Rect first[2];
  Rect second[2];
};
FrameLines ThreeDFrameLines(const Rect& area);

// The capsule round `area`: straight top and bottom lines between two half
// circles of radius (height / 2) - 1.
struct CapsuleOutline {
  Rect topLine;     // in the first colour
  Rect bottomLine;  // in the second colour
  Point leftCentre;
  Point rightCentre;
  int arcRadius;
};
CapsuleOutline CapsuleOf(const Rect& area);

// The circle round `area`: centred, radius half the height.
struct CircleOutline {
  Point centre;
  int radius;
};
CircleOutline CircleOf(const Rect& area);

// The pixels of a circle of `radius` round (0, 0) by the midpoint rule,
// eight points per step (a point may repeat).
std::vector<Point> CirclePoints(int radius);

// A pixel of a shaded half circle and the angle that decides its colour.
struct ArcPixel {
  Point offset;  // from the half circle's centre
  double angle;
};
enum class ArcSide { kLeft, kRight };
std::vector<ArcPixel> ArcPixels(int radius, ArcSide side);

// The colour at `angle` of an edge shaded from `colourA` (full toward the
// upper left) to `colourB` (full toward the lower right).
uint32_t BlendEdgeColor(double angle, uint32_t colourA, uint32_t colourB);

}  // namespace morvex::controls::flat_button
