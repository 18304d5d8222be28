// PrefStore as the framework's exports serve it: its three classes and
// their registrar scripts.
#include "PrefStore.h"

#include <windows.h>

#include "PrefStoreClasses.h"
#include "PrefStoreResource.h"
#include "com/ServerExports.h"

namespace {

namespace com = morvex::com;
namespace prefstore = morvex::prefstore;

const com::ServerClass kClasses[] = {{&CLSID_VelMorvexOpt, &prefstore::CreateVelMorvexOpt},
                                     {&CLSID_VelHotKey, &prefstore::CreateVelHotKey},
                                     {&CLSID_VelHotKeyColl, &prefstore::CreateVelHotKeyColl},
                                     com::kEndOfClasses};

const UINT kScripts[] = {IDR_VELMORVEXOPT, IDR_VELHOTKEY, IDR_VELHOTKEYCOLL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
