// LetterStrip as the framework's exports serve it: its one class, the
// alphabet strip control, and its registrar script.
#include <windows.h>

#include "LetterStripResource.h"
#include "VelLetterStripCtrl.h"
#include "com/ServerExports.h"

namespace {

namespace com = morvex::com;

const com::ServerClass kClasses[] = {
    {&CLSID_VelLetterStripCtrl, &com::CreateObject<morvex::letterstrip::VelLetterStripCtrl>},
    com::kEndOfClasses};

const UINT kScripts[] = {IDR_VELLETTERSTRIPCTRL, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
