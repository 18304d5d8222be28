// Where the program's interface texts and menus come from: the resource
// library of the interface language when one is loaded, else the
// program's own module. The library is named per language in the registry
// ("...\Solo\Languages\<id>", value "Resources"), beside the help file
// ("Help"). Process-wide: every window of the program asks the same place.
//
// Used by the main window at its creation and after the interface language
// changed, and by everything that loads an interface string or menu.
#pragma once

#include <windows.h>

#include <string>

#include "com/Automation.h"

struct IVelMorvexOpt;

namespace morvex::solo {

// Loads the library the interface language's "Resources" value names. An
// empty or missing value goes back to the program's own resources; a key
// or value that cannot be read changes nothing. A library loaded before
// stays loaded: what it showed may still be on screen.
void LoadResourceLibrary(IVelMorvexOpt* options);
// Reads the interface language's "Help" value into the help path; true
// when it was read.
bool LoadHelpPath(IVelMorvexOpt* options);
const std::string& HelpPath();

// The loaded resource library, or null.
HINSTANCE ResourceLibrary();

// An interface string of at most capacity - 1 bytes: from the resource
// library when it holds it, else from the program.
std::string InterfaceString(UINT id, int capacity = 256);
// The same string for a COM call.
com::Bstr InterfaceText(UINT id);
// An interface menu, from the resource library when it holds it, else from
// the program; null when neither does.
HMENU InterfaceMenu(UINT id);
// A string that always comes from the program: registry names, library and
// entry-point names, the pieces of the not-registered message.
std::string ProgramString(UINT id, int capacity = 256);

// The interface language's key under HKEY_CURRENT_USER: the program's
// languages key followed by the language id as "%03X" (1049 gives "419").
std::string LanguagesKey(long languageId);

}  // namespace morvex::solo
