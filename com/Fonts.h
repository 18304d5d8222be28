// Font objects of OLE automation (IFontDisp) as controls and containers
// make and copy them: from a face, a size in points, weight, character set
// and italic flag, and clones that share nothing with their source.
//
// Used by the control base for the stock Font property and by controls and
// the program for their default fonts.
#pragma once

#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include "com/ComPtr.h"

namespace morvex::com {

struct FontSpec {
  const wchar_t* face;
  int points;
  SHORT weight;   // 400 normal, 700 bold
  SHORT charset;  // 204 Cyrillic
  bool italic;
};

HRESULT CreateFontDisp(const FontSpec& spec, Ptr<IFontDisp>* font);

// A font object for a GDI font (the system's GUI font ...), its size in
// whole points at the screen's resolution.
HRESULT CreateFontDispFromGdi(HFONT gdiFont, Ptr<IFontDisp>* font);

// An independent copy of source (IFont::Clone); a null source gives null.
HRESULT CloneFontDisp(IFontDisp* source, Ptr<IFontDisp>* clone);

}  // namespace morvex::com
