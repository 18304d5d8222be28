// The program's one way into the HTML Help viewer: the help command, F1 and
// the context-help popups of the frame and the tray call CallHtmlHelp. The
// viewer's library is bound on first use, from the HTML Help control's
// registration, else by its usual file name; when neither gives the entry
// point, help does nothing from then on and binding is not tried again.
// Process-wide, user-interface thread only.
#pragma once

#include <windows.h>

namespace morvex::solo {

// HTML Help's commands the program uses.
constexpr UINT HH_HELP_CONTEXT_COMMAND = 0x0F;
constexpr UINT HH_DISPLAY_TEXT_POPUP_COMMAND = 0x0E;

// The viewer's answer (its window for the commands that open one), or
// null when HTML Help cannot be bound. `data` is pointer-sized: some
// commands pass a structure's address in it.
HWND CallHtmlHelp(HWND window, const char* file, UINT command, DWORD_PTR data);

}  // namespace morvex::solo
