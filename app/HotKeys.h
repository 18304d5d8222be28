// The program's three global hot keys as the options store keeps them:
// registered for the main window at its creation (and again after the
// settings dialog), unregistered at exit, and a combination another
// program holds reported in a message box owned by the main window.
//
// Used by the main window.
#pragma once

#include <windows.h>

#include <string>

#include "PrefStore.h"
#include "com/ComPtr.h"

namespace morvex::solo {

// Every record of the options' hot-key collection registered under its
// CmdID (or unregistered when `unregister`); one conflict box for each that
// cannot be registered, the rest registered all the same. False when there
// is no options object.
bool RegisterHotKeys(HWND window, IVelMorvexOpt* options, bool unregister);

// The options' hot-key collection; null when there is none to be had.
com::Ptr<IVelHotKeyColl> HotKeyCollection(IVelMorvexOpt* options);

// The conflict box's text: the opening words, the object the key serves
// (the dictionary window or the popup translation; none for another id),
// the combination in apostrophes ('Alt+Ctrl+X', a key without a
// one-character name by its name: 'Alt+Ctrl+F1') and the advice.
std::string HotKeyConflictText(long id, long modifiers, long virtualKey);

}  // namespace morvex::solo
