// The dictionary menu: the installed dictionaries other than the current
// one, each by its name in the interface language with the dictionary
// icons, its item id its index in the collection. Filled into the popup
// menu control that the viewer's direction button and the tip's language
// button open.
//
// Used by the main window, and by the benchmark of the menu's fill.
#pragma once

#include <windows.h>

#include "LexiconHub.h"
#include "PickList.h"

namespace morvex::solo {

// Adds nothing with one dictionary or none; the menu is not emptied first.
// The number of items added.
int FillDictionaryMenu(IPickListCtrl* menu, ILexiconHub* system, IUnknown* current,
                       long language);

// A 16-pixel icon of the program's own resources (null for id -1); the
// caller destroys it.
HICON LoadSmallIcon(UINT id);
// An icon as the popup menu takes it: its handle in 32 bits, -1 for none.
long IconArgument(HICON icon);

}  // namespace morvex::solo
