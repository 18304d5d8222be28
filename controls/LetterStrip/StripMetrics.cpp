#include "StripMetrics.h"

namespace morvex::letterstrip {

namespace {

// Space around a letter within its cell, and around the strip in its host.
constexpr int kMargin = 4;

}  // namespace

void StripMetrics::SetLetterSize(SIZE measured) {
  letter = measured;
  length = ((vertical ? letter.cy : letter.cx) + kMargin) * count;
}

SIZE StripMetrics::FullSize() const {
  if (vertical) return {letter.cx + kMargin, length + kMargin};
  return {length + kMargin, letter.cy + kMargin};
}

RECT StripMetrics::CellRect(int index, const RECT& strip) const {
  RECT cell = strip;
  if (vertical) {
    cell.top = strip.top + index * Cell();
    cell.bottom = cell.top + Cell();
  } else {
    cell.left = strip.left + index * Cell();
    cell.right = cell.left + Cell();
  }
  return cell;
}

int StripMetrics::CellAt(POINT point, const RECT& strip) const {
  for (int index = 0; index < count; ++index) {
    RECT cell = CellRect(index, strip);
    if (PtInRect(&cell, point)) return index;
  }
  return -1;
}

int CellsToScroll(int start, int end, int visibleStart, int visibleEnd, int cell) {
  if (cell <= 0) return 0;
  if (end > visibleEnd) return (end - visibleEnd) / cell + 1;
  if (start >= visibleStart) return 0;
  return -((visibleStart - start) / cell + 1);
}

}  // namespace morvex::letterstrip
