// The edge shapes of the flat icon button drawn into a device context: a
// three-dimensional frame, a circle or a capsule, each in two colours
// (first on top and left, second on bottom and right), and the opaque
// rectangle fill they are made of. The geometry is in
// controls/common/portable/FlatButtonGeometry.h.
//
// Used by the flat button's drawing (FlatButtonDrawing.cpp).
#pragma once

#include <windows.h>

#include "controls/common/portable/FlatButtonGeometry.h"

namespace morvex::controls {

enum class EdgeShape {
  kRectangle = 0,
  kCircle = 1,
  kCapsule = 2,  // a shaded half circle at each end
};

void DrawEdgeShape(HDC dc, const RECT& area, COLORREF first, COLORREF second, EdgeShape shape);

// Fills the rectangle with an opaque ExtTextOut; the context's background
// colour is restored.
void FillSolidRect(HDC dc, const RECT& area, COLORREF colour);

inline flat_button::Rect ToGeometry(const RECT& r) {
  return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
          static_cast<int>(r.bottom)};
}
inline RECT ToWindows(const flat_button::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace morvex::controls
