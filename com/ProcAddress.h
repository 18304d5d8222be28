// An exported function of a loaded module, as the function type the caller
// declares for it. GetProcAddress answers FARPROC; a direct cast to another
// function type draws -Wcast-function-type, so the cast goes through
// void(*)(), the one function type every other converts from quietly.
//
// Used wherever a module is called through entry points it is looked up by:
// the program's mouse-hook library, the engine binding, the server tests'
// DllCanUnloadNow and the control tests' exports.
//
//   auto init = ProcAddress<InitHooksDllProc>(module, "InitHooksDll");
#pragma once

#include <windows.h>

namespace morvex::com {

// `procedure` as a `Function`; null stays null.
template <class Function>
Function ProcAs(FARPROC procedure) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(procedure));
}

// The export `name` of `module` as a `Function`; null when it has none.
template <class Function>
Function ProcAddress(HMODULE module, const char* name) {
  return ProcAs<Function>(GetProcAddress(module, name));
}

}  // namespace morvex::com
