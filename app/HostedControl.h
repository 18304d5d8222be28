// Hosting one of the program's controls: the class's ProgID (or the
// not-registered box naming the control), an "AtlAxWin" child with the
// control's id, and the control created in it by its ProgID.
//
// Used by the main window's control chain and by the tip host.
#pragma once

#include <windows.h>

#include "com/ComPtr.h"

namespace morvex::solo {

struct ControlRequest {
  HWND parent = nullptr;
  const CLSID* clsid = nullptr;
  UINT id = 0;
  // The program's own string that names the control in the box.
  UINT displayNameId = 0;
  DWORD style = WS_CHILD | WS_VISIBLE;
  // An event sink advised as the control is created; none when null.
  const IID* sinkIid = nullptr;
  IUnknown* sink = nullptr;
};

struct HostedControl {
  // The host window, also when the control could not be made in it.
  HWND host = nullptr;
  com::Ptr<IUnknown> control;
};

// Fails (no control) when the class is not registered, which the box
// reports, or when the host or the control cannot be made, silently.
HostedControl HostControl(const ControlRequest& request);

}  // namespace morvex::solo
