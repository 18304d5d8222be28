#include "com/AxHostSite.h"

#include <utility>

#include "com/Ambient.h"
#include "com/ControlBase.h"
#include "com/Fonts.h"
#include "com/Himetric.h"
#include "com/WideText.h"

namespace morvex::com {

namespace {

bool IsAnsweredAmbient(DISPID dispid) {
  switch (dispid) {
    case DISPID_AMBIENT_BACKCOLOR:
    case DISPID_AMBIENT_FONT:
    case DISPID_AMBIENT_FORECOLOR:
    case DISPID_AMBIENT_LOCALEID:
    case DISPID_AMBIENT_USERMODE:
      return true;
  }
  return false;
}

}  // namespace

const InterfaceEntry* AxHostSite::Interfaces() {
  static const InterfaceEntry table[] = {Entry<AxHostSite, IOleClientSite>(),
                                         Entry<AxHostSite, IOleInPlaceSite>(),
                                         Entry<AxHostSite, IOleWindow, IOleInPlaceSite>(),
                                         Entry<AxHostSite, IOleControlSite>(),
                                         Entry<AxHostSite, IOleInPlaceFrame>(),
                                         Entry<AxHostSite, IOleInPlaceUIWindow, IOleInPlaceFrame>(),
                                         Entry<AxHostSite, IDispatch>(),
                                         kEndOfInterfaces};
  return table;
}

AxHostSite* AxHostSite::FromWindow(HWND window) {
  char name[16] = {};
  if (!GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, kAxHostClass) != 0) {
    return nullptr;
  }
  return static_cast<AxHostSite*>(Window::FromHandle(window));
}

// The window's own reference is the one the new object is made with; it
// is given back in OnFinalMessage.
Window* AxHostSite::MakeForWindow(HWND, const CREATESTRUCTA&) {
  Ptr<AxHostSite> site;
  if (FAILED(MakeObject(&site))) return nullptr;
  site->SetOwner(static_cast<IOleClientSite*>(site.Get()));
  return site.Detach();
}

// --- Hosting

HRESULT AxHostSite::CreateControl(const wchar_t* name, IStream* stream, REFIID sinkIid,
                                  IUnknown* sink) {
  ReleaseControl();
  if (!name || !*name) return E_INVALIDARG;
  CLSID clsid = {};
  HRESULT hr = name[0] == L'{' ? CLSIDFromString(name, &clsid) : CLSIDFromProgID(name, &clsid);
  if (FAILED(hr)) return hr;
  Ptr<IUnknown> control;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, control.PutVoid());
  if (FAILED(hr)) return hr;
  Ptr<IOleObject> object;
  hr = control.As(&object);
  if (FAILED(hr)) return hr;

  // From here on ReleaseControl undoes whatever step was reached.
  control_ = control;
  object_ = object;
  DWORD status = 0;
  object->GetMiscStatus(DVASPECT_CONTENT, &status);
  const bool siteFirst = (status & OLEMISC_SETCLIENTSITEFIRST) != 0;
  auto* site = static_cast<IOleClientSite*>(this);
  if (siteFirst) object->SetClientSite(site);
  Ptr<IPersistStreamInit> persist;
  if (SUCCEEDED(control.As(&persist))) hr = stream ? persist->Load(stream) : persist->InitNew();
  if (SUCCEEDED(hr) && !siteFirst) hr = object->SetClientSite(site);
  if (SUCCEEDED(hr) && sink && !IsEqualIID(sinkIid, IID_NULL)) {
    hr = creationSink_.Connect(control.Get(), sink, sinkIid);
  }
  if (SUCCEEDED(hr)) {
    RECT area = ClientArea();
    SIZEL extent = PixelsToHimetric(area.right, area.bottom);
    object->SetExtent(DVASPECT_CONTENT, &extent);
    hr = object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, handle(), &area);
  }
  if (FAILED(hr)) ReleaseControl();
  return hr;
}

HRESULT AxHostSite::ReleaseControl() {
  if (!control_) return S_FALSE;
  // Taken out first: what the control does while it closes may reach us.
  Ptr<IUnknown> control = std::move(control_);
  Ptr<IOleObject> object = std::move(object_);
  creationSink_.Disconnect();
  object->Close(OLECLOSE_NOSAVE);
  object->SetClientSite(nullptr);
  activeObject_.Reset();
  inPlaceActive_ = false;
  return S_OK;
}

HRESULT AxHostSite::SetAmbient(DISPID dispid, const VARIANT& value) {
  if (!IsAnsweredAmbient(dispid)) return E_INVALIDARG;
  Variant stored;
  HRESULT hr = VariantCopy(stored.Address(), const_cast<VARIANT*>(&value));
  if (FAILED(hr)) return hr;
  ambients_[dispid] = std::move(stored);
  Ptr<IOleControl> control;
  if (control_ && SUCCEEDED(control_.As(&control))) control->OnAmbientPropertyChange(dispid);
  return S_OK;
}

// --- The window

LRESULT AxHostSite::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_SIZE:
      return OnSize();
    case WM_SETFOCUS:
      return OnSetFocus();
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case kAxForwardMessage:
      return OnForwardMessage(reinterpret_cast<MSG*>(lParam));
    case WM_DESTROY:
      ReleaseControl();
      break;
  }
  return DefaultProcessing(message, wParam, lParam);
}

void AxHostSite::OnFinalMessage() { Release(); }

// A name that makes no control still leaves a window: the caller asks
// HostHasControl.
LRESULT AxHostSite::OnCreate(const CREATESTRUCTA& creation) {
  if (creation.lpszName && *creation.lpszName) {
    CreateControl(WideFromAnsi(creation.lpszName).c_str(), nullptr, IID_NULL, nullptr);
  }
  return 0;
}

LRESULT AxHostSite::OnSize() {
  if (!object_) return 0;
  RECT area = ClientArea();
  SIZEL extent = PixelsToHimetric(area.right, area.bottom);
  object_->SetExtent(DVASPECT_CONTENT, &extent);
  Ptr<IOleInPlaceObject> inPlace;
  if (inPlaceActive_ && SUCCEEDED(object_.As(&inPlace))) inPlace->SetObjectRects(&area, &area);
  return 0;
}

LRESULT AxHostSite::OnSetFocus() {
  if (!object_) return 0;
  Ptr<IOleObject> object = object_;
  RECT area = ClientArea();
  object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, handle(),
                 &area);
  Ptr<IOleWindow> window;
  HWND controlWindow = nullptr;
  if (SUCCEEDED(object.As(&window)) && SUCCEEDED(window->GetWindow(&controlWindow)) &&
      controlWindow && !HasFocusWithin(controlWindow)) {
    SetFocus(controlWindow);
  }
  return 0;
}

// The control's window covers the host; an empty host shows the window
// colour its ambient back colour names.
LRESULT AxHostSite::OnEraseBackground(HDC dc) {
  if (inPlaceActive_) return 1;
  RECT area = ClientArea();
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  return 1;
}

LRESULT AxHostSite::OnForwardMessage(MSG* message) {
  if (!message || !activeObject_) return FALSE;
  Ptr<IOleInPlaceActiveObject> active = activeObject_;
  return active->TranslateAccelerator(message) == S_OK;
}

RECT AxHostSite::ClientArea() const {
  RECT area = {};
  GetClientRect(handle(), &area);
  return area;
}

// --- IOleClientSite

STDMETHODIMP AxHostSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP AxHostSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

// --- IOleWindow, IOleInPlaceSite

STDMETHODIMP AxHostSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = handle();
  return *window ? S_OK : E_FAIL;
}

STDMETHODIMP AxHostSite::OnInPlaceActivate() {
  inPlaceActive_ = true;
  return S_OK;
}

STDMETHODIMP AxHostSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                          LPRECT position, LPRECT clip,
                                          LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !document || !position || !clip) return E_POINTER;
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *document = nullptr;
  *position = ClientArea();
  *clip = *position;
  if (info) {
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(handle(), GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

STDMETHODIMP AxHostSite::OnInPlaceDeactivate() {
  inPlaceActive_ = false;
  return S_OK;
}

STDMETHODIMP AxHostSite::OnPosRectChange(LPCRECT position) {
  if (!position) return E_POINTER;
  Ptr<IOleInPlaceObject> inPlace;
  if (object_ && SUCCEEDED(object_.As(&inPlace))) inPlace->SetObjectRects(position, position);
  return S_OK;
}

// --- IOleControlSite

STDMETHODIMP AxHostSite::GetExtendedControl(IDispatch** control) {
  if (control) *control = nullptr;
  return E_NOTIMPL;
}

// --- IOleInPlaceFrame

STDMETHODIMP AxHostSite::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  activeObject_ = object;
  return S_OK;
}

// --- IDispatch: the ambient properties

STDMETHODIMP AxHostSite::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP AxHostSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP AxHostSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP AxHostSite::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS*,
                                VARIANT* result, EXCEPINFO*, UINT*) {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (!(flags & DISPATCH_PROPERTYGET) || !IsAnsweredAmbient(dispid)) return DISP_E_MEMBERNOTFOUND;
  if (!result) return E_POINTER;
  auto set = ambients_.find(dispid);
  if (set != ambients_.end()) return set->second.CopyTo(result);
  Variant value;
  HRESULT hr = DefaultAmbient(dispid, &value);
  return SUCCEEDED(hr) ? value.CopyTo(result) : hr;
}

// What a host says of its surroundings until told otherwise: the system's
// window colours and GUI font, the user's locale, and that it runs.
HRESULT AxHostSite::DefaultAmbient(DISPID dispid, Variant* value) {
  switch (dispid) {
    case DISPID_AMBIENT_BACKCOLOR:
      *value = Variant(static_cast<long>(kSystemColorFlag | COLOR_WINDOW));
      return S_OK;
    case DISPID_AMBIENT_FORECOLOR:
      *value = Variant(static_cast<long>(kSystemColorFlag | COLOR_WINDOWTEXT));
      return S_OK;
    case DISPID_AMBIENT_FONT:
      if (!defaultFont_) {
        HRESULT hr = CreateFontDispFromGdi(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                                           &defaultFont_);
        if (FAILED(hr)) return hr;
      }
      *value = Variant(static_cast<IDispatch*>(defaultFont_.Get()));
      return S_OK;
    case DISPID_AMBIENT_LOCALEID:
      *value = Variant(static_cast<long>(GetUserDefaultLCID()));
      return S_OK;
    case DISPID_AMBIENT_USERMODE:
      *value = Variant::Bool(true);
      return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace morvex::com
