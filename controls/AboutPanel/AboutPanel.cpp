// The AboutPanel server: its one class, AboutPanelCtrl, and its
// registration (the class and its ProgIDs by script, the type library for
// every user of the machine).
#include "AboutPanelCtrl.h"
#include "AboutPanelResource.h"
#include "com/ServerExports.h"

namespace com = morvex::com;

namespace {

const com::ServerClass kClasses[] = {
    {&CLSID_AboutPanelCtrl, &com::CreateObject<morvex::aboutpanel::AboutPanelCtrl>},
    com::kEndOfClasses};
const UINT kScripts[] = {IDR_ABOUTPANELCTRL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
