// The SettingsSheet server: its one class, SettingsSheetCtrl, and its registration
// (the class and its ProgIDs by script, the type library for every user of
// the machine).
#include "SettingsSheetCtrl.h"
#include "SettingsSheetResource.h"
#include "com/ServerExports.h"

namespace com = morvex::com;

namespace {

const com::ServerClass kClasses[] = {
    {&CLSID_SettingsSheetCtrl, &com::CreateObject<morvex::settingssheet::SettingsSheetCtrl>},
    com::kEndOfClasses};
const UINT kScripts[] = {IDR_SETTINGSSHEETCTRL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
