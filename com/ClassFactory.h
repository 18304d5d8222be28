// Class objects of a server: the table of its creatable classes and the
// DllGetClassObject behind it. A server lists its classes once,
//
//   const com::ServerClass kClasses[] = {
//       {&CLSID_Thing, &com::CreateObject<Thing>},
//       com::kEndOfClasses};
//
// and the framework's DllGetClassObject (com/ServerExports.h) forwards to
// GetClassObject(kClasses, clsid, iid, out).
// Aggregation is refused. A class factory holds the module lock while it
// lives, as every other object does.
#pragma once

#include <unknwn.h>
#include <windows.h>

namespace morvex::com {

struct ServerClass {
  const CLSID* clsid;
  HRESULT (*create)(REFIID iid, void** out);
};

inline constexpr ServerClass kEndOfClasses = {nullptr, nullptr};

// A class factory for the class of `clsid` in `classes`, or
// CLASS_E_CLASSNOTAVAILABLE.
HRESULT GetClassObject(const ServerClass* classes, REFCLSID clsid, REFIID iid, void** out);

}  // namespace morvex::com
