// Self-registration of a COM server: what DllRegisterServer and
// DllUnregisterServer do. A server describes itself once,
//
//   const UINT kScripts[] = {IDR_THING, IDR_THINGS, 0};   // REGISTRY resources
//   const com::ServerRegistration kRegistration = {kScripts, com::TypeLibScope::kPerMachine};
//
// and the framework's exports (com/ServerExports.h) call
// RegisterServer(kRegistration) / UnregisterServer(...).
//
// Every registrar script is read from the module's resources with %MODULE%
// standing for the module's full path, and all of them are parsed before
// the first key is written: a malformed script writes nothing. When a later
// step fails, what was written is taken back. Unregistration removes what
// the scripts wrote (keys marked NoRemove stay) and the type library's
// registration. The reason of a failure goes to the debugger output.
#pragma once

#include <windows.h>

namespace morvex::com {

enum class TypeLibScope {
  kNone,        // the server has no type library to register
  kPerMachine,  // RegisterTypeLib: HKEY_CLASSES_ROOT for every user
  kPerUser,     // RegisterTypeLibForUser: the current user's classes
};

struct ServerRegistration {
  const UINT* scripts;  // resource ids of type "REGISTRY", ending in 0
  TypeLibScope typeLib;
};

// S_OK, SELFREG_E_CLASS when a script fails, SELFREG_E_TYPELIB when the
// type library cannot be registered.
HRESULT RegisterServer(const ServerRegistration& server);
HRESULT UnregisterServer(const ServerRegistration& server);

// Registers or unregisters the type library embedded in the module file
// `modulePath` (resource 1). Unregistering one that is not registered
// succeeds.
HRESULT RegisterTypeLibrary(const wchar_t* modulePath, TypeLibScope scope);
HRESULT UnregisterTypeLibrary(const wchar_t* modulePath, TypeLibScope scope);

}  // namespace morvex::com
