// The PickList server: its one class, PickListCtrl, and its registration
// (the class and its ProgIDs by script, the type library for every user of
// the machine).
#include "PickListCtrl.h"
#include "PickListResource.h"
#include "com/ServerExports.h"

namespace com = morvex::com;

namespace {

const com::ServerClass kClasses[] = {
    {&CLSID_PickListCtrl, &com::CreateObject<morvex::picklist::PickListCtrl>}, com::kEndOfClasses};
const UINT kScripts[] = {IDR_PICKLISTCTRL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
