// The module a COM server or control is linked into: its instance handle
// and file name, the lock count behind DllCanUnloadNow, and its own
// embedded type library (resource 1 TYPELIB), loaded once and shared by
// every object that answers IDispatch or IProvideClassInfo through it.
//
// The framework is a static library, so each DLL has its own module state.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>

namespace morvex::com {

// The DLL (or program) this code is linked into.
HINSTANCE ModuleInstance();
// Its full file name as Windows reports it (Z:\... under Wine).
std::wstring ModulePath();

// The lock count: one per live object, plus IClassFactory::LockServer.
void LockModule();
void UnlockModule();
LONG ModuleLockCount();

// S_OK when nothing holds the module, else S_FALSE (DllCanUnloadNow).
HRESULT CanUnloadModule();

// The type description of `guid` (an interface, dispinterface or coclass)
// from the module's embedded type library, with a reference added.
// The library is released when the last lock on the module goes.
HRESULT ModuleTypeInfo(REFGUID guid, ITypeInfo** out);

// A string of the module's string table; empty when there is none.
std::wstring ModuleString(UINT id);

}  // namespace morvex::com
