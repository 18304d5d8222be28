// The main window's own caption: a gradient in the active state (flat in
// the inactive one), the small icon, the title in the caption font with the
// Cyrillic character set, and the close and help buttons. Each state is
// drawn once per caption size into a bitmap and only copied afterwards.
//
// Used by the main window's non-client handlers, which decide when to
// paint, and by its hit test, which finds the buttons where they are drawn.
#pragma once

#include <windows.h>

namespace morvex::solo {

class CaptionPainter {
 public:
  CaptionPainter() = default;
  CaptionPainter(const CaptionPainter&) = delete;
  CaptionPainter& operator=(const CaptionPainter&) = delete;
  ~CaptionPainter() { Reset(); }

  // Copies the state's caption into the window's non-client area, drawing
  // it first when the size changed or nothing is cached; nothing for an
  // iconic window.
  void Paint(HWND window, bool active);
  // Forgets what is cached: the next paint draws anew (the system's
  // colours, fonts or the title changed).
  void Reset();

  // What tests look at.
  bool HasCached(bool active) const { return cached_[active ? 1 : 0] != nullptr; }

 private:
  SIZE size_ = {};
  HBITMAP cached_[2] = {nullptr, nullptr};  // inactive, active
};

// The caption's rectangle in window coordinates: inside the frame, one
// caption high.
RECT CaptionRect(HWND window);

// The close button and, with WS_EX_CONTEXTHELP, the help button where the
// caption draws them, in window coordinates; an empty help rectangle
// without it. False without WS_CAPTION.
bool CaptionButtonRects(HWND window, RECT* close, RECT* help);

// Draws the caption of `window` (w x h) into `dc` at the origin.
void DrawCaption(HWND window, bool active, HDC dc, int width, int height);

// Fills with a solid brush (PatBlt, PATCOPY).
void FillSolid(HDC dc, int x, int y, int width, int height, COLORREF colour);

}  // namespace morvex::solo
