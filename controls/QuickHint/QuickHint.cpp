// The QuickHint server: its one class, QuickHintCtrl, and its registration
// (the class and its ProgIDs by script, the type library for every user of
// the machine).
#include "QuickHintCtrl.h"
#include "QuickHintResource.h"
#include "com/ServerExports.h"

namespace com = morvex::com;

namespace {

const com::ServerClass kClasses[] = {
    {&CLSID_QuickHintCtrl, &com::CreateObject<morvex::quickhint::QuickHintCtrl>},
    com::kEndOfClasses};
const UINT kScripts[] = {IDR_QUICKHINTCTRL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
