// The short help texts of the program's controls: the caption's "?" then a
// click on a control (or F1 in the settings dialog) shows the control's
// text in a help popup; F1 anywhere else opens the help file.
//
// Used by the main window's WM_HELP.
#pragma once

#include <windows.h>

namespace morvex::solo {

// The string id of the control's help text, 0 for a control without one.
// Id 1000 names the shelf's tree only (the page strip's host has it too).
UINT HelpTextOf(int controlId, HWND control);

// The text as a help popup at the point, from the resource library in use.
void ShowHelpText(HWND owner, UINT stringId, POINT at);

}  // namespace morvex::solo
