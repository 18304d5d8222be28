// Applies a parsed registrar script to a registry: registration writes it,
// unregistration takes back what registration wrote.
//
// Registration, key by key: ForceRemove and Delete keys are removed first
// (Delete keys are not written again); every other key is created, its
// default and named values set, its subkeys registered. When a write fails,
// what this script wrote is taken back before the error is returned.
//
// Unregistration: ForceRemove keys go whole; for other keys the subkeys are
// unregistered first, then the named values the script sets are removed;
// a NoRemove key stays with its default value; a plain key also loses its
// default value, and goes when nothing else is left in it (a key other
// software filled stays). Unregistration goes on past a failure and reports
// the first one.
//
// Used by the COM framework's DllRegisterServer/DllUnregisterServer.
#pragma once

#include <string>

#include "com/registrar/RegistrarScript.h"
#include "com/registrar/RegistryTarget.h"

namespace morvex::registrar {

// True on success; else `error` says which key or value failed.
bool RegisterScript(const Script& script, RegistryTarget& registry, std::string* error);
bool UnregisterScript(const Script& script, RegistryTarget& registry, std::string* error);

}  // namespace morvex::registrar
