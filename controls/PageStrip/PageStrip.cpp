// The PageStrip server: its one class, VelPageStrip, and its registration
// (the class and its ProgIDs by script, the type library for every user of
// the machine).
#include "PageStripResource.h"
#include "VelPageStrip.h"
#include "com/ServerExports.h"

namespace com = morvex::com;

namespace {

const com::ServerClass kClasses[] = {
    {&CLSID_VelPageStrip, &com::CreateObject<morvex::pagestrip::VelPageStrip>}, com::kEndOfClasses};
const UINT kScripts[] = {IDR_VELPAGESTRIP, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
