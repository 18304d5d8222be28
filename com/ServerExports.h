// The four exports of a COM server DLL (DllGetClassObject, DllCanUnloadNow,
// DllRegisterServer, DllUnregisterServer), written once in ServerExports.cpp,
// which morvex_com_server (cmake/MorvexWin32.cmake) compiles into every
// server. A server only describes itself, in one definition of ThisServer:
//
//   const com::ServerClass kClasses[] = {
//       {&CLSID_Thing, &com::CreateObject<Thing>},
//       com::kEndOfClasses};
//   const UINT kScripts[] = {IDR_THING, 0};
//   const com::ServerDefinition kServer = {kClasses,
//                                          {kScripts, com::TypeLibScope::kPerMachine}};
//
//   const com::ServerDefinition& com::ThisServer() { return kServer; }
//
// The .def file of the server exports the four names undecorated.
#pragma once

#include "com/ClassFactory.h"
#include "com/Registration.h"

namespace morvex::com {

struct ServerDefinition {
  const ServerClass* classes;  // ending in kEndOfClasses
  ServerRegistration registration;
};

// Defined by each server: the classes it makes and how it registers.
const ServerDefinition& ThisServer();

}  // namespace morvex::com
