// The page-change animation of a page strip: the headers between the
// opening page and the content slide in steps of 5 pixels (ScrollWindowEx)
// while the band they uncover shows a picture of the opening page's window,
// taken once (WM_PRINT) before the first step. It runs inside the call that
// opens the page and leaves the final layout to the strip, which lays out
// and repaints after it.
//
// Used by the page strip control (VelPageStrip) and its benchmark.
#pragma once

#include <windows.h>

#include "PageStack.h"

namespace morvex::pagestrip {

struct PageChange {
  HWND strip = nullptr;
  HWND pageWindow = nullptr;     // the opening page's window; may be null
  HWND closingWindow = nullptr;  // the open page's window, hidden as the slide starts
  RECT contentArea = {};         // where the page's window stands during the slide
  ScrollPlan scroll;
  COLORREF background = 0;  // the strip's back colour, as RGB
  DWORD pauseMs = 0;        // between steps
};

// Moves the opening page's window to the content area, hides the closing
// one's and slides. A picture that cannot be taken (no memory for its
// bitmap) leaves the uncovered bands to the repaint that follows; the slide
// still runs.
void AnimatePageChange(const PageChange& change);

}  // namespace morvex::pagestrip
