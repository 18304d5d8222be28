// How page headers look and are drawn. The header look is one per process,
// shared by every page strip in it (a process has one strip: the body of
// the main window): the caption colour of closed pages, the fill colours of
// the open and of the closed headers (whatever a strip last put), and the
// caption font, an OLE font of which the bold, Cyrillic form is made once
// per font. The strips that use the look register with it; the last one to
// go lets go of the font, so that no OLE object outlives them (and none is
// released while the DLL unloads).
//
// Used by the page strip control (VelPageStrip) for painting and hover.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include "PageStack.h"

namespace morvex::pagestrip {

struct HeaderLook {
  COLORREF textColor;      // captions of closed pages
  COLORREF activeColor;    // fill of the open page's header
  COLORREF inactiveColor;  // fill of the other headers
};

// The process's look; its colours start as the system colours of button
// text, the application workspace and button faces.
HeaderLook& SharedHeaderLook();

// A strip begins or ends using the look.
void AddHeaderLookUser();
void RemoveHeaderLookUser();

// The OLE font captions are drawn in (null: the GUI font). The previous one
// is released.
void SetHeaderFont(IFontDisp* font);

// Draws the header with its fill, frame and caption; nothing for a header
// without area (before the first layout).
void DrawHeader(HDC dc, const PageRecord& page, bool open);

// Draws the hover marks over a header already drawn: a raised frame and,
// near its right end, the icon of its stack.
void DrawHotHeader(HDC dc, const PageRecord& page);

}  // namespace morvex::pagestrip
