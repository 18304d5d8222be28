// The exports of PrefStore: every one forwards to the COM framework.
#include "PrefStore.h"

#include <windows.h>

#include "PrefStoreClasses.h"
#include "PrefStoreResource.h"
#include "com/ClassFactory.h"
#include "com/Module.h"
#include "com/Registration.h"

namespace {

namespace com = morvex::com;
namespace prefstore = morvex::prefstore;

const com::ServerClass kClasses[] = {{&CLSID_VelMorvexOpt, &prefstore::CreateVelMorvexOpt},
                                     {&CLSID_VelHotKey, &prefstore::CreateVelHotKey},
                                     {&CLSID_VelHotKeyColl, &prefstore::CreateVelHotKeyColl},
                                     com::kEndOfClasses};

const UINT kScripts[] = {IDR_VELMORVEXOPT, IDR_VELHOTKEY, IDR_VELHOTKEYCOLL, 0};
const com::ServerRegistration kRegistration = {kScripts, com::TypeLibScope::kPerMachine};

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return com::GetClassObject(kClasses, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return com::CanUnloadModule(); }

STDAPI DllRegisterServer() { return com::RegisterServer(kRegistration); }

STDAPI DllUnregisterServer() { return com::UnregisterServer(kRegistration); }
