// The exports of the dictionary system server: class objects of its six
// classes, registration from their registrar scripts and the type library.
#include <windows.h>

#include "HubClasses.h"
#include "HubResource.h"
#include "com/ClassFactory.h"
#include "com/Module.h"
#include "com/Registration.h"

namespace {

namespace com = morvex::com;

const com::ServerClass kClasses[] = {{&CLSID_LexiconHub, &CreateLexiconHub},
                                     {&CLSID_VelDictionary, &CreateVelDictionary},
                                     {&CLSID_VelDictCollection, &CreateVelDictCollection},
                                     {&CLSID_VelProject, &CreateVelProject},
                                     {&CLSID_VelPrjCollection, &CreateVelPrjCollection},
                                     {&CLSID_VelRegMngr, &CreateVelRegMngr},
                                     com::kEndOfClasses};

const UINT kScripts[] = {IDR_LEXICONHUB,
                         IDR_VELDICTIONARY,
                         IDR_VELDICTCOLLECTION,
                         IDR_VELPROJECT,
                         IDR_VELPRJCOLLECTION,
                         IDR_VELREGMNGR,
                         0};
const com::ServerRegistration kRegistration = {kScripts, com::TypeLibScope::kPerMachine};

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return com::GetClassObject(kClasses, clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return com::CanUnloadModule(); }

STDAPI DllRegisterServer() { return com::RegisterServer(kRegistration); }

STDAPI DllUnregisterServer() { return com::UnregisterServer(kRegistration); }
