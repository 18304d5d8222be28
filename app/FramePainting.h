// The main window's frame in the option colours: the frame body in the
// face colour with a one-pixel light edge at the top and left, a dark one at
// the right and bottom and a highlight line inside the top and left. The
// caption is left to the caption painter (app/CaptionPainter.h).
//
// Used by the main window's WM_NCPAINT.
#pragma once

#include <windows.h>

namespace morvex::solo {

// `update` is WM_NCPAINT's region, in screen coordinates; 0 or 1 stand for
// the whole frame. The region stays the caller's.
void PaintFrame(HWND window, HRGN update, COLORREF face);

// The part of the frame to paint, in window coordinates: the window less
// its client area and caption, within `update`. The caller deletes it;
// null when it cannot be made.
HRGN FrameRegion(HWND window, HRGN update);

}  // namespace morvex::solo
