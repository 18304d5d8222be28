// The font every control of the program gets when the options give none:
// Tahoma, 8 points, regular, with the Cyrillic character set; and the
// check that the options' own font can show text at all.
#pragma once

#include <olectl.h>

#include "com/ComPtr.h"

struct IVelMorvexOpt;

namespace morvex::solo {

// Null only when the font object cannot be made.
com::Ptr<IFontDisp> CreateDefaultFont();

// Whether the font asks for a height that text can be drawn in: no larger
// than the font dialog's largest size, 1638 points. A font record damaged
// in the registry asks for millions of points, which comes out as text a
// pixel high.
bool IsUsableFont(IFontDisp* font);

// Gives the options the default font when the font they read is not
// usable, so that every control gets the default and Exit stores it.
void KeepUsableFont(IVelMorvexOpt* options);

}  // namespace morvex::solo
