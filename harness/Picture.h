// A picture's pixels held in memory (a part of a bitmap, or of the screen),
// and the search for one picture within the pixels of another, for tests
// that find an icon or a flag where a program drew it.
//
// Used by the end-to-end tests of the tray menu and the main window's pages,
// and by the controls' picture tests.
#pragma once

#include <windows.h>

#include <vector>

namespace harness {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;  // row by row
  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
  bool empty() const { return colours.empty(); }
};

// The part of the bitmap (not selected into any device context); empty
// when it cannot be read.
Picture PictureOfBitmap(HBITMAP bitmap, const RECT& part);
// The screen's pixels in `area`, as the user sees them; (0, 0) is the
// area's top-left.
Picture PictureOfScreen(const RECT& area);
// The pixels of the window's client area, or with `whole` of the whole
// window, frame included, as drawn; (0, 0) is its top-left. Empty when the
// window has no pixels or they cannot be read.
Picture PictureOfWindow(HWND window, bool whole = false);

// The first place, row by row and leftmost first, where `picture` shows
// whole inside `band` of `pixels` (both in the coordinates of `pixels`,
// which has At(x, y)), its `transparent` colour standing for whatever lies
// under it; {-1, -1} when nowhere.
template <class Pixels>
POINT FindPicture(const Pixels& pixels, const Picture& picture, const RECT& band,
                  COLORREF transparent) {
  for (int y = band.top; y + picture.height <= band.bottom; ++y) {
    for (int x = band.left; x + picture.width <= band.right; ++x) {
      bool same = true;
      for (int py = 0; same && py < picture.height; ++py)
        for (int px = 0; same && px < picture.width; ++px) {
          const COLORREF colour = picture.At(px, py);
          same = colour == transparent || pixels.At(x + px, y + py) == colour;
        }
      if (same) return {x, y};
    }
  }
  return {-1, -1};
}

}  // namespace harness
