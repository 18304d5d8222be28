// Painting the alphabet strip: every letter centred in its cell, the
// selected one in a sunken frame, the one under the mouse in a raised
// frame, drawn off screen and copied in one step so the strip never
// flickers.
//
// Used by the alphabet strip control when its owner-drawn static asks.
#pragma once

#include <windows.h>

#include "LetterTable.h"
#include "StripMetrics.h"

namespace morvex::letterstrip {

struct StripLook {
  COLORREF back;
  HBRUSH backBrush;  // solid, of `back`
  COLORREF text;
  COLORREF selectedHotText;  // the selected letter while the mouse is on it
  COLORREF selectedText;     // the selected letter otherwise
  HFONT font;                // null: the device context's own
};

struct StripState {
  int selected;  // -1: none
  int hot;       // -1: none
};

// Paints the strip into `target` over `area` (the static's whole client).
void DrawLetterStrip(HDC target, const RECT& area, const LetterTable& letters,
                     const StripMetrics& metrics, const StripState& state, const StripLook& look);

}  // namespace morvex::letterstrip
