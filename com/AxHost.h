// The container side: hosting a control in a window of class "AtlAxWin",
// the control host that the system's atl.dll registers. The DLL is loaded
// at run time and stays loaded for the life of the process (host windows
// of its class may live until the end).
//
// Used by the program for its hosted controls and by controls that host
// another one. Whatever the host does not do, these helpers do:
//  - the host ignores the sink argument of AtlAxCreateControlEx, so every
//    sink (the property-change sink too) is advised here, after creation;
//  - a host created for a ProgID that is not registered is still a window,
//    only without a control: HostHasControl tells them apart;
//  - a class without a ProgID is found before any window is made.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>

#include "com/ComPtr.h"

namespace morvex::com {

// The host window class.
extern const wchar_t kAxHostClass[];

// Loads atl.dll and registers the host window class. True once that
// worked; later calls only repeat the answer.
bool AxHostInit();

// A host window; its text is the ProgID of the control it creates at once
// (empty: an empty host, for AxCreateControl). Null when the host class is
// missing or the window cannot be made.
HWND AxCreateHostWindow(HWND parent, const wchar_t* progId, const RECT& rect, UINT id,
                        DWORD style = WS_CHILD | WS_VISIBLE);

// Creates the control named by progId in an empty host window, in-place
// active and sized to the host, and gives its IUnknown.
HRESULT AxCreateControl(HWND host, const wchar_t* progId, Ptr<IUnknown>* control);

// The hosted control's IUnknown. Fails for a window that is no host or a
// host without a control.
HRESULT AxGetControl(HWND host, Ptr<IUnknown>* control);
bool HostHasControl(HWND host);

// Connects a sink to the control's connection point iid (an event
// dispinterface, IID_IPropertyNotifySink ...); the cookie undoes it.
HRESULT AxAdvise(IUnknown* control, IUnknown* sink, REFIID iid, DWORD* cookie);
HRESULT AxUnadvise(IUnknown* control, REFIID iid, DWORD cookie);

// The class's ProgID (the versioned one, as registered). False when the
// class is not registered or has no ProgID.
bool ProgIdOfClass(REFCLSID clsid, std::wstring* progId);

// One sink connected to one control; undone when the object goes.
class AxConnection {
 public:
  AxConnection() = default;
  AxConnection(const AxConnection&) = delete;
  AxConnection& operator=(const AxConnection&) = delete;
  ~AxConnection() { Disconnect(); }

  HRESULT Connect(IUnknown* control, IUnknown* sink, REFIID iid);
  void Disconnect();
  bool connected() const { return static_cast<bool>(control_); }

 private:
  Ptr<IUnknown> control_;
  IID iid_ = IID_NULL;
  DWORD cookie_ = 0;
};

}  // namespace morvex::com
