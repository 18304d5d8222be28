// The LookupPane server: its one class, VelDictViewCtrl, and its
// registration (the class and its ProgIDs by script, the type library for
// every user of the machine).
#include "LookupPaneResource.h"
#include "VelDictViewCtrl.h"
#include "com/ServerExports.h"

namespace com = morvex::com;

namespace {

const com::ServerClass kClasses[] = {
    {&CLSID_VelDictViewCtrl, &com::CreateObject<morvex::lookuppane::CVelDictViewCtrl>},
    com::kEndOfClasses};
const UINT kScripts[] = {IDR_VELDICTVIEWCTRL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
