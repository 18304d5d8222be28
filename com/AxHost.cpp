#include "com/AxHost.h"

#include "com/AxHostSite.h"
#include "com/EventSink.h"
#include "com/Module.h"

namespace morvex::com {

const char kAxHostClass[] = "AtlAxWin";

BOOL AtlAxWinInit() {
  WindowClassSpec hostClass = {kAxHostClass};
  return RegisterSharedWindowClass(hostClass, &AxHostSite::MakeForWindow) ? TRUE : FALSE;
}

HWND AxCreateHostWindow(HWND parent, const char* control, const RECT& rect, UINT id, DWORD style) {
  if (!AtlAxWinInit()) return nullptr;
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  return CreateWindowExA(0, kAxHostClass, control ? control : "", style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                         ModuleInstance(), nullptr);
}

HRESULT AtlAxCreateControlEx(const wchar_t* name, HWND host, IStream* stream, IUnknown** container,
                             IUnknown** control, REFIID sinkIid, IUnknown* sink) {
  if (container) *container = nullptr;
  if (control) *control = nullptr;
  Ptr<AxHostSite> site = AxHostSite::FromWindow(host);
  if (!site) return E_INVALIDARG;
  HRESULT hr = site->CreateControl(name, stream, sinkIid, sink);
  if (FAILED(hr)) return hr;
  if (container) site->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(container));
  if (control) site->control()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(control));
  return hr;
}

HRESULT AtlAxGetControl(HWND host, IUnknown** control) {
  if (!control) return E_POINTER;
  *control = nullptr;
  AxHostSite* site = AxHostSite::FromWindow(host);
  if (!site || !site->control()) return E_FAIL;
  return site->control()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(control));
}

bool HostHasControl(HWND host) {
  AxHostSite* site = AxHostSite::FromWindow(host);
  return site && site->control();
}

HRESULT AxDetachControl(HWND host) {
  Ptr<AxHostSite> site = AxHostSite::FromWindow(host);
  return site ? site->ReleaseControl() : E_INVALIDARG;
}

HRESULT AxSetAmbientProperty(HWND host, DISPID dispid, const VARIANT& value) {
  Ptr<AxHostSite> site = AxHostSite::FromWindow(host);
  return site ? site->SetAmbient(dispid, value) : E_INVALIDARG;
}

// Hosts of other modules are reached by the message every host answers:
// their sites are not ours to call.
bool AxTranslateAccelerator(MSG* message) {
  if (!message || message->message < WM_KEYFIRST || message->message > WM_KEYLAST) return false;
  for (HWND window = message->hwnd; window;) {
    char name[16] = {};
    if (GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, kAxHostClass) == 0 &&
        SendMessageA(window, kAxForwardMessage, 0, reinterpret_cast<LPARAM>(message))) {
      return true;
    }
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) break;
    window = GetParent(window);
  }
  return false;
}

HRESULT AxAdvise(IUnknown* control, IUnknown* sink, REFIID iid, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!control || !sink) return E_INVALIDARG;
  Ptr<IConnectionPoint> point;
  HRESULT hr = FindConnectionPoint(control, iid, &point);
  return SUCCEEDED(hr) ? point->Advise(sink, cookie) : hr;
}

HRESULT AxUnadvise(IUnknown* control, REFIID iid, DWORD cookie) {
  if (!control) return E_INVALIDARG;
  Ptr<IConnectionPoint> point;
  HRESULT hr = FindConnectionPoint(control, iid, &point);
  return SUCCEEDED(hr) ? point->Unadvise(cookie) : hr;
}

bool ProgIdOfClass(REFCLSID clsid, std::wstring* progId) {
  LPOLESTR name = nullptr;
  if (FAILED(ProgIDFromCLSID(clsid, &name)) || !name) return false;
  *progId = name;
  CoTaskMemFree(name);
  return true;
}

HRESULT AxConnection::Connect(IUnknown* control, IUnknown* sink, REFIID iid) {
  Disconnect();
  DWORD cookie = 0;
  HRESULT result = AxAdvise(control, sink, iid, &cookie);
  if (FAILED(result)) return result;
  control_ = control;
  iid_ = iid;
  cookie_ = cookie;
  return result;
}

void AxConnection::Disconnect() {
  if (!control_) return;
  AxUnadvise(control_.Get(), iid_, cookie_);
  control_.Reset();
  cookie_ = 0;
}

}  // namespace morvex::com
