#include "ViewerLayout.h"

#include <algorithm>

namespace morvex::lookuppane {

namespace {

Box At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

}  // namespace

ViewerLayout ComputeViewerLayout(const LayoutInput& in) {
  const int half = in.width / 2;
  const int e = in.entryHeight, s = in.stripHeight;
  const int buttonBand = std::max(in.iconHeight + 6, e);
  const int top = e + buttonBand;
  const int listHeight = in.height - s - top - 4;
  // The lowest line the entry and the direction button may reach.
  const int floor = in.height - s - 2;
  ViewerLayout out;
  out.entry = At(half, 2, half - in.scrollWidth - 4, e);
  out.historyButton = At(2 * half - in.scrollWidth - 4, 2, in.scrollWidth, e);
  out.entryShown = e + 2 < floor;
  out.directionButton =
      At(in.width - in.iconWidth - 8, top - in.iconHeight - 2, in.iconWidth + 4, in.iconHeight);
  out.directionShown = top - 2 < floor;
  out.wordList = At(3, top + 1, half - 6, listHeight - 2);
  out.article = At(half + 1, top + 1, half - 6, listHeight - 2);
  out.strip = At(2, in.height - s - 2, 2 * half - 8, s);
  return out;
}

ViewerFace ComputeViewerFace(const LayoutInput& in) {
  const int half = in.width / 2;
  const int f = half - 4;
  const int e = in.entryHeight;
  const int band = std::max(e, in.iconHeight + 4);
  const int bottom = in.height - in.stripHeight - 4;
  ViewerFace out;
  out.titles[0] = {2, 2, f, e + 2};
  out.titles[1] = {2, e + 2, f - in.iconWidth - 4, e + band};
  out.titles[2] = {f + 8, e + 2, in.width - in.iconWidth - 8, e + band};
  out.entryFrame = {f + 3, 1, in.width - 3, e + 3};
  out.listFrame = {2, band + e + 2, f + 2, bottom};
  out.articleFrame = {half, band + e + 2, in.width - 4, bottom};
  return out;
}

}  // namespace morvex::lookuppane
