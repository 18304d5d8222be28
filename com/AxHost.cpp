#include "com/AxHost.h"

namespace morvex::com {

const wchar_t kAxHostClass[] = L"AtlAxWin";

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxCreateControlExFn = HRESULT(WINAPI*)(LPCOLESTR name, HWND host, IStream* stream,
                                                IUnknown** container, IUnknown** control,
                                                REFIID sinkIid, IUnknown* sink);
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND host, IUnknown** control);
using AtlAdviseFn = HRESULT(WINAPI*)(IUnknown* container, IUnknown* sink, const IID* iid,
                                     DWORD* cookie);
using AtlUnadviseFn = HRESULT(WINAPI*)(IUnknown* container, const IID* iid, DWORD cookie);

struct AtlEntryPoints {
  AtlAxWinInitFn axWinInit = nullptr;
  AtlAxCreateControlExFn axCreateControlEx = nullptr;
  AtlAxGetControlFn axGetControl = nullptr;
  AtlAdviseFn advise = nullptr;
  AtlUnadviseFn unadvise = nullptr;
  bool hostClassRegistered = false;
};

// Through void(*)(), the one function type every other casts to cleanly.
template <class Function>
Function EntryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const AtlEntryPoints& Atl() {
  static const AtlEntryPoints entryPoints = [] {
    AtlEntryPoints loaded;
    HMODULE atl = LoadLibraryW(L"atl.dll");
    if (!atl) return loaded;
    loaded.axWinInit = EntryPoint<AtlAxWinInitFn>(atl, "AtlAxWinInit");
    loaded.axCreateControlEx = EntryPoint<AtlAxCreateControlExFn>(atl, "AtlAxCreateControlEx");
    loaded.axGetControl = EntryPoint<AtlAxGetControlFn>(atl, "AtlAxGetControl");
    loaded.advise = EntryPoint<AtlAdviseFn>(atl, "AtlAdvise");
    loaded.unadvise = EntryPoint<AtlUnadviseFn>(atl, "AtlUnadvise");
    loaded.hostClassRegistered = loaded.axWinInit && loaded.axWinInit();
    return loaded;
  }();
  return entryPoints;
}

}  // namespace

bool AxHostInit() { return Atl().hostClassRegistered; }

HWND AxCreateHostWindow(HWND parent, const wchar_t* progId, const RECT& rect, UINT id,
                        DWORD style) {
  if (!AxHostInit()) return nullptr;
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  return CreateWindowExW(0, kAxHostClass, progId ? progId : L"", style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                         GetModuleHandleW(nullptr), nullptr);
}

HRESULT AxCreateControl(HWND host, const wchar_t* progId, Ptr<IUnknown>* control) {
  control->Reset();
  if (!progId || !*progId || !IsWindow(host)) return E_INVALIDARG;
  if (!AxHostInit() || !Atl().axCreateControlEx) return E_NOTIMPL;
  Ptr<IUnknown> container;
  // No sink here: the host would drop it without a word.
  HRESULT result = Atl().axCreateControlEx(progId, host, nullptr, container.Put(), control->Put(),
                                           IID_NULL, nullptr);
  if (SUCCEEDED(result) && !*control) result = E_FAIL;
  return result;
}

HRESULT AxGetControl(HWND host, Ptr<IUnknown>* control) {
  control->Reset();
  if (!Atl().axGetControl) return E_NOTIMPL;
  HRESULT result = Atl().axGetControl(host, control->Put());
  if (SUCCEEDED(result) && !*control) result = E_FAIL;
  return result;
}

bool HostHasControl(HWND host) {
  Ptr<IUnknown> control;
  return SUCCEEDED(AxGetControl(host, &control));
}

HRESULT AxAdvise(IUnknown* control, IUnknown* sink, REFIID iid, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!control || !sink) return E_INVALIDARG;
  if (!Atl().advise) return E_NOTIMPL;
  return Atl().advise(control, sink, &iid, cookie);
}

HRESULT AxUnadvise(IUnknown* control, REFIID iid, DWORD cookie) {
  if (!control) return E_INVALIDARG;
  if (!Atl().unadvise) return E_NOTIMPL;
  return Atl().unadvise(control, &iid, cookie);
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
