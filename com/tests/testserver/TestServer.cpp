// The exports of the framework's test server: every one forwards to the
// framework, as each real server's exports do.
#include "TestServer.h"

#include <windows.h>

#include "TestServerClasses.h"
#include "TestServerResource.h"
#include "com/ClassFactory.h"
#include "com/Module.h"
#include "com/Registration.h"

namespace {

namespace com = morvex::com;

const com::ServerClass kClasses[] = {{&CLSID_TestThing, &CreateTestThing},
                                     {&CLSID_TestItem, &CreateTestItem},
                                     {&CLSID_TestItems, &CreateTestItems},
                                     com::kEndOfClasses};

const UINT kScripts[] = {IDR_TESTTHING, IDR_TESTITEMS, 0};
const com::ServerRegistration kRegistration = {kScripts, com::TypeLibScope::kPerMachine};

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return com::GetClassObject(kClasses, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return com::CanUnloadModule(); }

STDAPI DllRegisterServer() { return com::RegisterServer(kRegistration); }

STDAPI DllUnregisterServer() { return com::UnregisterServer(kRegistration); }
