// The message box every control host of the program shows when the control
// it hosts is not registered: the control's display name (a string id of
// the program's own module, IDS_CONTROL_NAME_*) under the program's error
// caption. The texts come from the program, never from the interface
// language library, so the box reads the same whatever language is chosen.
//
// Used by the tip host, and by the other hosts of the program's controls.
#pragma once

#include <windows.h>

namespace morvex::solo {

void ShowNotRegisteredError(UINT displayNameId);

}  // namespace morvex::solo
