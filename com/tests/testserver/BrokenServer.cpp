// The registration exports of a server with a malformed registrar script.
#include <windows.h>

#include "com/Registration.h"

namespace {

const UINT kScripts[] = {201, 202, 0};
const morvex::com::ServerRegistration kRegistration = {kScripts, morvex::com::TypeLibScope::kNone};

}  // namespace

STDAPI DllRegisterServer() { return morvex::com::RegisterServer(kRegistration); }

STDAPI DllUnregisterServer() { return morvex::com::UnregisterServer(kRegistration); }
