// LocaleKit as the framework's exports serve it: its one class and its
// registrar script.
#include "localekit/LocaleKit.h"

#include <windows.h>

#include "com/ServerExports.h"
#include "localekit/LocaleKitMngr.h"
#include "localekit/LocaleKitResource.h"

namespace {

namespace com = morvex::com;

const com::ServerClass kClasses[] = {{&CLSID_LocaleKitMngr, &CreateLocaleKitMngr},
                                     com::kEndOfClasses};

const UINT kScripts[] = {IDR_LOCALEKITMNGR, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
