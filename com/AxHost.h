// The container side: hosting an ActiveX control in a window of class
// "AtlAxWin", our own control host.
//
// Each module that hosts registers the class for itself (AtlAxWinInit), as
// a class of that module: the program hosts the dictionary viewer, and the
// viewer, in its own DLL, hosts the alphabet strip in a host of its own. A
// window of the class made with a ProgID (or a CLSID in braces) as its text
// creates that control at WM_CREATE; one made with an empty text is an
// empty host that AtlAxCreateControlEx fills later. A host whose control
// cannot be made (a ProgID that is not registered) is still a window, only
// without a control: HostHasControl tells them apart.
//
// What the host does for its control, the same on Windows and under Wine:
//  - creation in the order the control asks for: SetClientSite before
//    InitNew when its misc status has OLEMISC_SETCLIENTSITEFIRST, else
//    after; the sink given at creation advised on the control; then
//    in-place activation with the host's client rectangle;
//  - the host's size to SetExtent and SetObjectRects;
//  - the host's focus to UI activation and the control's window;
//  - ambient properties through the site's IDispatch: back colour (-701),
//    font (-703), fore colour (-704), locale (-705), user mode (-709,
//    TRUE); any other DISPID is DISP_E_MEMBERNOTFOUND. AxSetAmbientProperty
//    changes one and tells the control;
//  - at WM_DESTROY: the creation sink unadvised, Close, SetClientSite(NULL),
//    the control released;
//  - a keyboard message forwarded to the UI-active control's
//    TranslateAccelerator (AxTranslateAccelerator, from a message loop).
//
// Used by the program for its hosted controls and by controls that host
// another one.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>

#include "com/ComPtr.h"

namespace morvex::com {

// The host window class.
extern const char kAxHostClass[];

// The message a host answers by offering the keyboard message (lParam: a
// MSG*) to its UI-active control; TRUE when the control took it. The
// number hosts of every module agree on.
constexpr UINT kAxForwardMessage = 0x037F;

// Registers this module's host class. FALSE only when the class cannot be
// registered; later calls only repeat the answer.
BOOL AtlAxWinInit();

// A host window of this module; its text names the control it creates at
// once (null or empty: an empty host). Null when the class is missing or
// the window cannot be made.
HWND AxCreateHostWindow(HWND parent, const char* control, const RECT& rect, UINT id,
                        DWORD style = WS_CHILD | WS_VISIBLE);

// Creates the control named by `name` (ProgID or "{CLSID}") in the host,
// replacing the one it holds, in-place active and sized to the host. The
// stream, when given, initialises the control (Load) in place of InitNew.
// A sink, when given, is advised on the control's connection point sinkIid
// (an event dispinterface or IID_IPropertyNotifySink) and unadvised when the
// host lets go of the control; a sink that cannot be advised fails the
// creation. Out values (each may be null): the host's site and the control.
HRESULT AtlAxCreateControlEx(const wchar_t* name, HWND host, IStream* stream, IUnknown** container,
                             IUnknown** control, REFIID sinkIid, IUnknown* sink);

// The hosted control's IUnknown. Fails (E_FAIL, null) for a window that is
// no host of this module or a host without a control.
HRESULT AtlAxGetControl(HWND host, IUnknown** control);
bool HostHasControl(HWND host);

// The host lets go of its control as it does when it is destroyed; the
// window stays, empty. S_FALSE when it held none.
HRESULT AxDetachControl(HWND host);

// Changes the ambient property `dispid` the host's site answers and tells
// the control (OnAmbientPropertyChange). E_INVALIDARG for a DISPID the site
// does not answer.
HRESULT AxSetAmbientProperty(HWND host, DISPID dispid, const VARIANT& value);

// Offers a keyboard message to the controls around its window, innermost
// host first, whatever module each host belongs to. True when a control
// translated it: the loop then neither translates nor dispatches it.
bool AxTranslateAccelerator(MSG* message);

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
