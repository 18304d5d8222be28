// The dictionary system server as the framework's exports serve it: class
// objects of its six classes, registration from their registrar scripts and
// the type library.
#include <windows.h>

#include "HubClasses.h"
#include "HubResource.h"
#include "com/ServerExports.h"

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
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
