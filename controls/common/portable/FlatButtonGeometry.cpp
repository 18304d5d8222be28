#include "controls/common/portable/FlatButtonGeometry.h"

#include <cmath>
#include <iterator>

namespace morvex::controls::flat_button {

namespace {

constexpr double kHalfPi = 1.570796327;
constexpr double kPi = 3.141592654;

// One step of the midpoint circle: the offsets (r', i) of one octant, from
// (radius, 0) until i passes r'. Each caller mirrors them as it needs.
template <class Visit>
void WalkOctant(int radius, Visit visit) {
  int error = -radius;
  int r = radius;
  for (int i = 0; i <= r; ++i) {
    visit(r, i);
    if (error + 2 * i + 1 < 0) {
      error += 2 * i + 1;
    } else {
      error += 2 * i + 3 - 2 * r;
      --r;
    }
  }
}

uint32_t BlendByte(double weight, uint32_t a, uint32_t b, int shift) {
  double blended = weight * ((a >> shift) & 0xFF) + (1 - weight) * ((b >> shift) & 0xFF);
  return static_cast<uint32_t>(blended) << shift;
}

}  // namespace

uint8_t ArrowWidth(int buttonWidth) {
  auto width = static_cast<uint8_t>(buttonWidth / 5);
  return width < 10 ? 10 : width;
}

Rect ArrowPart(const Rect& area, Layout layout, int arrowWidth) {
  Rect part = area;
  if (layout == Layout::kIconLeftArrowRight)
    part.left = area.right - arrowWidth;
  else
    part.top = area.bottom - arrowWidth;
  return part;
}

bool Contains(const Rect& area, Point point) {
  return point.x >= area.left && point.x < area.right && point.y >= area.top &&
         point.y < area.bottom;
}

Point CentreOf(const Rect& area) {
  return {area.left / 2 + area.right / 2, area.top / 2 + area.bottom / 2};
}

Point CentredOrigin(const Rect& area, int width, int height) {
  return {area.left + (area.right - area.left - width) / 2,
          area.top + (area.bottom - area.top - height) / 2};
}

IconPlacement PlaceIcon(const IconRequest& request) {
  const Rect& item = request.item;
  IconPlacement placed = {CentredOrigin(item, request.iconWidth, request.iconHeight), item};
  if (request.layout == Layout::kIconLeftArrowRight) {
    if (request.hasCaption) {
      placed.origin.x = item.left + 3;
      placed.textArea.left += request.iconWidth + 3;
    } else if (request.dropArrow) {
      Rect room = item;
      room.right -= request.arrowWidth;
      placed.origin.x = CentredOrigin(room, request.iconWidth, request.iconHeight).x;
    }
  } else if (request.hasCaption) {
    placed.origin.y = item.top;
    placed.textArea.top += request.iconHeight;
  }
  if (request.selected) {
    ++placed.origin.x;
    ++placed.origin.y;
  }
  return placed;
}

Rect TextAreaBesideArrow(const Rect& textArea, Layout layout, int arrowWidth) {
  Rect rest = textArea;
  if (layout == Layout::kIconLeftArrowRight)
    rest.right -= arrowWidth;
  else
    rest.bottom -= arrowWidth;
  return rest;
}

Triangle DropArrowTriangle(Point centre) {
  return {{{centre.x - 3, centre.y}, {centre.x + 3, centre.y}, {centre.x, centre.y + 3}}};
}

FrameLines ThreeDFrameLines(const Rect& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  FrameLines lines;
  lines.first[0] = {area.left, area.top, area.left + width - 1, area.top + 1};
  lines.first[1] = {area.left, area.top, area.left + 1, area.top + height - 1};
  lines.second[0] = {area.right - 1, area.top, area.right, area.bottom};
  lines.second[1] = {area.left, area.bottom - 1, area.right, area.bottom};
  return lines;
}

CircleOutline CircleOf(const Rect& area) { return {CentreOf(area), (area.bottom - area.top) / 2}; }

CapsuleOutline CapsuleOf(const Rect& area) {
  const int radius = (area.bottom - area.top) / 2;
  const int centreY = area.top / 2 + area.bottom / 2;
  CapsuleOutline capsule;
  capsule.topLine = {area.left + radius, area.top, area.right - radius - 1, area.top + 1};
  capsule.bottomLine = {area.left + radius, area.bottom - 1, area.right - radius - 1, area.bottom};
  capsule.leftCentre = {area.left + radius, centreY};
  capsule.rightCentre = {area.right - radius - 1, centreY};
  capsule.arcRadius = radius - 1;
  return capsule;
}

std::vector<Point> CirclePoints(int radius) {
  std::vector<Point> points;
  WalkOctant(radius, [&points](int r, int i) {
    const Point octants[] = {{r, i}, {r, -i}, {-r, i}, {-r, -i},
                             {i, r}, {i, -r}, {-i, r}, {-i, -r}};
    points.insert(points.end(), std::begin(octants), std::end(octants));
  });
  return points;
}

std::vector<ArcPixel> ArcPixels(int radius, ArcSide side) {
  std::vector<ArcPixel> pixels;
  WalkOctant(radius, [&pixels, side](int r, int i) {
    const double g = std::atan2(i, r);
    if (side == ArcSide::kRight) {
      const ArcPixel quarter[] = {
          {{r, i}, g}, {{i, r}, kHalfPi - g}, {{i, -r}, g - kHalfPi}, {{r, -i}, -g}};
      pixels.insert(pixels.end(), std::begin(quarter), std::end(quarter));
    } else {
      const ArcPixel quarter[] = {{{-i, r}, g + kHalfPi},
                                  {{-r, i}, kPi - g},
                                  {{-r, -i}, g - kPi},
                                  {{-i, -r}, -g - kHalfPi}};
      pixels.insert(pixels.end(), std::begin(quarter), std::end(quarter));
    }
  });
  return pixels;
}

uint32_t BlendEdgeColor(double angle, uint32_t colourA, uint32_t colourB) {
  double t = -1.88 - angle;
  if (t < -3.1415)
    t += 6.293;
  else if (t > 3.1415)
    t = 6.293 - t;
  const double weight = (std::cos(t) + 1) * 0.5;
  return BlendByte(weight, colourA, colourB, 0) | BlendByte(weight, colourA, colourB, 8) |
         BlendByte(weight, colourA, colourB, 16);
}

}  // namespace morvex::controls::flat_button
