// The drawing of one row of the viewer's lists, the word list and the
// history: the row text in the list's font, vertically centred, a selected
// row in the system's highlight colours, the others in the text colour on
// the control's back brush.
//
// Used by CVelDictViewCtrl (the word list) and HistoryPopup.
#pragma once

#include <windows.h>

namespace morvex::lookuppane {

struct RowLook {
  HFONT font;  // null: the list's
  int textHeight;
  COLORREF textColour;
  COLORREF backColour;
  HBRUSH backBrush;
};

// Draws the row of WM_DRAWITEM (ODA_DRAWENTIRE and ODA_SELECT); an item of
// -1 (an empty list with the focus) draws nothing.
void DrawWordRow(const DRAWITEMSTRUCT& item, const RowLook& look);

}  // namespace morvex::lookuppane
