// The mouse-hook library as the program binds it: loaded by name at the
// main window's creation, its three entry points looked up by name (file
// and entry names from the program's own strings), each one that exists
// called; a library or entry point that is missing is silently done
// without. The library stays loaded until the process ends.
//
// Used by the main window: Start at its creation, SetKey when the options
// change, Stop at its destruction.
#pragma once

#include <windows.h>

#include "mousehook/VelMouseHook.h"

namespace morvex::solo {

class MouseHookLibrary {
 public:
  // Loads the library and hands it the window that hears its clicks, turns
  // its filter on and gives it the trigger.
  void Start(HWND window, long modifier, long mouseKey);
  // A new trigger (modifier 16, 17 or 18; mouse key 0 right, 1 left).
  void SetKey(long modifier, long mouseKey);
  // The same filter call as at the start: the library turns it off.
  void Stop();

  bool loaded() const { return module_ != nullptr; }
  bool canSetKey() const { return setKey_ != nullptr; }

 private:
  HMODULE module_ = nullptr;
  InitHooksDllProc initHooks_ = nullptr;
  InstallFilterProc installFilter_ = nullptr;
  SetKeyProc setKey_ = nullptr;
};

}  // namespace morvex::solo
