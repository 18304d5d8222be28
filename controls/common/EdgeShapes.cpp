#include "controls/common/EdgeShapes.h"

namespace morvex::controls {

namespace {

using flat_button::ArcPixel;
using flat_button::ArcSide;
using flat_button::Point;

void DrawThreeDFrame(HDC dc, const RECT& area, COLORREF first, COLORREF second) {
  const flat_button::FrameLines lines = flat_button::ThreeDFrameLines(ToGeometry(area));
  for (const flat_button::Rect& line : lines.first) FillSolidRect(dc, ToWindows(line), first);
  for (const flat_button::Rect& line : lines.second) FillSolidRect(dc, ToWindows(line), second);
}

void DrawCircleEdge(HDC dc, Point centre, int radius, COLORREF colour) {
  for (const Point& p : flat_button::CirclePoints(radius))
    SetPixelV(dc, centre.x + p.x, centre.y + p.y, colour);
}

void DrawShadedArc(HDC dc, Point centre, int radius, ArcSide side, COLORREF first,
                   COLORREF second) {
  for (const ArcPixel& pixel : flat_button::ArcPixels(radius, side)) {
    SetPixelV(dc, centre.x + pixel.offset.x, centre.y + pixel.offset.y,
              flat_button::BlendEdgeColor(pixel.angle, first, second));
  }
}

void DrawCapsule(HDC dc, const RECT& area, COLORREF first, COLORREF second) {
  const flat_button::CapsuleOutline capsule = flat_button::CapsuleOf(ToGeometry(area));
  FillSolidRect(dc, ToWindows(capsule.topLine), first);
  FillSolidRect(dc, ToWindows(capsule.bottomLine), second);
  DrawShadedArc(dc, capsule.leftCentre, capsule.arcRadius, ArcSide::kLeft, first, second);
  DrawShadedArc(dc, capsule.rightCentre, capsule.arcRadius, ArcSide::kRight, first, second);
}

}  // namespace

void DrawEdgeShape(HDC dc, const RECT& area, COLORREF first, COLORREF second, EdgeShape shape) {
  switch (shape) {
    case EdgeShape::kRectangle:
      DrawThreeDFrame(dc, area, first, second);
      break;
    case EdgeShape::kCircle: {
      const flat_button::CircleOutline circle = flat_button::CircleOf(ToGeometry(area));
      DrawCircleEdge(dc, circle.centre, circle.radius, second);
      DrawCircleEdge(dc, circle.centre, circle.radius - 1, first);
      break;
    }
    case EdgeShape::kCapsule:
      DrawCapsule(dc, area, first, second);
      break;
  }
}

void FillSolidRect(HDC dc, const RECT& area, COLORREF colour) {
  COLORREF old = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

}  // namespace morvex::controls
