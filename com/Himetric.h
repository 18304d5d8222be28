// Sizes in HIMETRIC (hundredths of a millimetre), the unit of OLE extents,
// from screen pixels at the screen's resolution.
//
// Used by the control base for its default extent and by the control host
// for the extent it gives its control.
#pragma once

#include <windows.h>

namespace morvex::com {

SIZEL PixelsToHimetric(int width, int height);

}  // namespace morvex::com
