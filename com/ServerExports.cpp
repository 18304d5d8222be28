// The exports of every COM server, each forwarding to the framework with
// what the server says of itself.
#include "com/ServerExports.h"

#include <windows.h>

#include "com/Module.h"

namespace com = morvex::com;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return com::GetClassObject(com::ThisServer().classes, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return com::CanUnloadModule(); }

STDAPI DllRegisterServer() { return com::RegisterServer(com::ThisServer().registration); }

STDAPI DllUnregisterServer() { return com::UnregisterServer(com::ThisServer().registration); }
