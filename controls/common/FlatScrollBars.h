// FlatScrollBars: the flat, coloured scroll bars of a window that scrolls
// with the standard ones (a rich edit, a list box). The window keeps
// driving its standard bars; Sync copies their state to the flat ones and
// Show keeps the flat ones in front.
//
// Where the flat bars are the standard ones (the comctl32 of some systems
// answers their properties with FALSE), Show leaves the window's bars
// alone: hiding them there would hide the only bars, and every paint would
// flip them for ever.
//
// Used by the translation pane, the dictionary viewer and the tip.
#pragma once

#include <windows.h>

namespace morvex::controls {

class FlatScrollBars {
 public:
  // Gives the window flat bars of that background colour, in the
  // two-tone style, and shows them.
  void Attach(HWND window, COLORREF background);
  void SetBackground(COLORREF background);
  // The standard bars' range, page and position onto the flat ones.
  void Sync();
  // Standard bars hidden, flat ones shown.
  void Show();

  // False where the flat bars are the standard ones.
  bool ownBars() const { return ownBars_; }

 private:
  HWND window_ = nullptr;
  bool ownBars_ = false;
};

}  // namespace morvex::controls
