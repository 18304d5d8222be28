// The framework's test server as the framework's exports serve it, the way
// each real server describes itself: its classes and registrar scripts.
#include "TestServer.h"

#include <windows.h>

#include "TestServerClasses.h"
#include "TestServerResource.h"
#include "com/ServerExports.h"

namespace {

namespace com = morvex::com;

const com::ServerClass kClasses[] = {{&CLSID_TestThing, &CreateTestThing},
                                     {&CLSID_TestItem, &CreateTestItem},
                                     {&CLSID_TestItems, &CreateTestItems},
                                     com::kEndOfClasses};

const UINT kScripts[] = {IDR_TESTTHING, IDR_TESTITEMS, 0};
const com::ServerDefinition kServer = {kClasses, {kScripts, com::TypeLibScope::kPerMachine}};

}  // namespace

const com::ServerDefinition& com::ThisServer() { return kServer; }
