// The geometry of the alphabet strip: the size of one letter, the strip's
// length along its axis, its equal cells, what the host is told the strip
// needs, and how far a pager moves to bring a cell into view.
//
// Used by the alphabet strip control and its drawing.
#pragma once

#include <windows.h>

namespace morvex::letterstrip {

struct StripMetrics {
  // Before the host gives the strip a font: a letter of 9 x 16 on a strip of
  // 200 pixels.
  SIZE letter = {9, 16};
  int count = 28;
  int length = 200;
  bool vertical = false;

  // Each cell's length along the axis (integer division).
  int Cell() const { return count > 0 ? length / count : 0; }
  // The letter size measured in the strip font; the length follows it.
  void SetLetterSize(SIZE measured);
  // The size the strip asks of its host: its length plus a margin along
  // the axis, the letter plus a margin across it.
  SIZE FullSize() const;
  // Cell `index` within `strip` (the drawing area): its share of the axis,
  // all of the strip across it.
  RECT CellRect(int index, const RECT& strip) const;
  // The cell that holds the point of `strip`'s coordinates; -1 for none.
  int CellAt(POINT point, const RECT& strip) const;
};

// Whole cells a pager's position moves so that the span [start, end) comes
// within [visibleStart, visibleEnd): positive forward, negative back, 0 when
// it is in view already.
int CellsToScroll(int start, int end, int visibleStart, int visibleEnd, int cell);

}  // namespace morvex::letterstrip
