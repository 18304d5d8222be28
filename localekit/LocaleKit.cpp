// The exports of LocaleKit: every one forwards to the COM framework.
#include "localekit/LocaleKit.h"

#include <windows.h>

#include "com/ClassFactory.h"
#include "com/Module.h"
#include "com/Registration.h"
#include "localekit/LocaleKitMngr.h"
#include "localekit/LocaleKitResource.h"

namespace {

namespace com = morvex::com;

const com::ServerClass kClasses[] = {{&CLSID_LocaleKitMngr, &CreateLocaleKitMngr},
                                     com::kEndOfClasses};

const UINT kScripts[] = {IDR_LOCALEKITMNGR, 0};
const com::ServerRegistration kRegistration = {kScripts, com::TypeLibScope::kPerMachine};

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return com::GetClassObject(kClasses, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return com::CanUnloadModule(); }

STDAPI DllRegisterServer() { return com::RegisterServer(kRegistration); }

STDAPI DllUnregisterServer() { return com::UnregisterServer(kRegistration); }
