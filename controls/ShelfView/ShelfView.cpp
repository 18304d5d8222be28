// ShelfView as the framework's exports serve it: its one class, the
// dictionary shelf control, and its registrar script.
#include <windows.h>

#include "ShelfViewCtrl.h"
#include "ShelfViewResource.h"
#include "com/ServerExports.h"

namespace {

namespace com = morvex::com;

const com::ServerClass kClasses[] = {
    {&CLSID_ShelfViewCtrl, &com::CreateObject<morvex::shelfview::ShelfViewCtrl>},
    com::kEndOfClasses};

const UINT kScripts[] = {IDR_SHELFVIEWCTRL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
