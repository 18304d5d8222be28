#include "com/ControlBase.h"

#include "com/Ambient.h"
#include "com/Himetric.h"

namespace morvex::com {

namespace {

// The extent a container sees before it sets one.
constexpr int kDefaultWidthPixels = 100;
constexpr int kDefaultHeightPixels = 50;

constexpr DWORD kWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

}  // namespace

bool HasFocusWithin(HWND window) {
  HWND focus = GetFocus();
  return focus && (focus == window || IsChild(window, focus));
}

ControlBase::ControlBase(REFCLSID clsid, const WindowClassSpec& windowClass)
    : clsid_(clsid),
      windowClass_(windowClass),
      window_(this),
      extent_(PixelsToHimetric(kDefaultWidthPixels, kDefaultHeightPixels)),
      backColor_(kSystemColorFlag | COLOR_WINDOW),
      foreColor_(kSystemColorFlag | COLOR_WINDOWTEXT) {
  window_.SetOwner(static_cast<IOleObject*>(this));
}

// A container that never deactivated us still must not keep our window.
ControlBase::~ControlBase() { EndOfLife(); }

void ControlBase::EndOfLife() {
  window_.SetOwner(nullptr);
  window_.Destroy();
}

// --- IOleObject

STDMETHODIMP ControlBase::SetClientSite(IOleClientSite* site) {
  // The same site again changes nothing: the activation it knows of goes on.
  if (site == clientSite_.Get()) return S_OK;
  // The old site hears of the end of activation; our window leaves its window.
  InPlaceDeactivate();
  inPlaceSite_.Reset();
  clientSite_ = site;
  OnClientSiteChanged();
  return S_OK;
}

STDMETHODIMP ControlBase::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  clientSite_.CopyTo(site);
  return S_OK;
}

STDMETHODIMP ControlBase::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP ControlBase::Close(DWORD) {
  InPlaceDeactivate();
  inPlaceSite_.Reset();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  // The view's sink is the container's: holding it past Close keeps the
  // container alive through us.
  viewSink_.Reset();
  return S_OK;
}

STDMETHODIMP ControlBase::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP ControlBase::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::GetClipboardData(DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP ControlBase::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND,
                                 LPCRECT) {
  // A container may name its site only here.
  if (!clientSite_ && activeSite) SetClientSite(activeSite);
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE:
    case OLEIVERB_INPLACEACTIVATE:
      return InPlaceActivate(verb);
    case OLEIVERB_HIDE:
      UIDeactivate();
      if (window()) ShowWindow(window(), SW_HIDE);
      return S_OK;
    default:
      return verb > 0 ? OLEOBJ_S_INVALIDVERB : E_NOTIMPL;
  }
}

STDMETHODIMP ControlBase::EnumVerbs(IEnumOLEVERB** verbs) {
  if (!verbs) return E_POINTER;
  return OleRegEnumVerbs(clsid_, verbs);
}

STDMETHODIMP ControlBase::Update() { return S_OK; }
STDMETHODIMP ControlBase::IsUpToDate() { return S_OK; }

STDMETHODIMP ControlBase::GetUserClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = clsid_;
  return S_OK;
}

STDMETHODIMP ControlBase::GetUserType(DWORD form, LPOLESTR* userType) {
  if (!userType) return E_POINTER;
  return OleRegGetUserType(clsid_, form, userType);
}

STDMETHODIMP ControlBase::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  extent_ = *size;
  return S_OK;
}

STDMETHODIMP ControlBase::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  *size = extent_;
  return S_OK;
}

STDMETHODIMP ControlBase::Advise(IAdviseSink* sink, DWORD* connection) {
  if (!connection) return E_POINTER;
  *connection = 0;
  if (!adviseHolder_) {
    HRESULT created = CreateOleAdviseHolder(adviseHolder_.Put());
    if (FAILED(created)) return created;
  }
  return adviseHolder_->Advise(sink, connection);
}

STDMETHODIMP ControlBase::Unadvise(DWORD connection) {
  return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP ControlBase::EnumAdvise(IEnumSTATDATA** advises) {
  if (!advises) return E_POINTER;
  *advises = nullptr;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : S_OK;
}

STDMETHODIMP ControlBase::GetMiscStatus(DWORD aspect, DWORD* status) {
  if (!status) return E_POINTER;
  *status = aspect == DVASPECT_CONTENT ? kControlMiscStatus : 0;
  return S_OK;
}

STDMETHODIMP ControlBase::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// --- IOleWindow

STDMETHODIMP ControlBase::GetWindow(HWND* handle) {
  if (!handle) return E_POINTER;
  *handle = window();
  return *handle ? S_OK : E_FAIL;
}

STDMETHODIMP ControlBase::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// --- IOleInPlaceObject

STDMETHODIMP ControlBase::InPlaceDeactivate() {
  if (!inPlaceActive_) return S_OK;
  UIDeactivate();
  inPlaceActive_ = false;
  window_.Destroy();
  if (inPlaceSite_) inPlaceSite_->OnInPlaceDeactivate();
  return S_OK;
}

STDMETHODIMP ControlBase::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  frame_.Reset();
  if (document_) document_->SetActiveObject(nullptr, nullptr);
  document_.Reset();
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

STDMETHODIMP ControlBase::SetObjectRects(LPCRECT position, LPCRECT) {
  if (!position) return E_POINTER;
  if (window()) {
    SetWindowPos(window(), nullptr, position->left, position->top, position->right - position->left,
                 position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return S_OK;
}

STDMETHODIMP ControlBase::ReactivateAndUndo() { return E_NOTIMPL; }

// --- IOleInPlaceActiveObject

STDMETHODIMP ControlBase::TranslateAccelerator(LPMSG) { return S_FALSE; }
STDMETHODIMP ControlBase::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP ControlBase::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP ControlBase::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
STDMETHODIMP ControlBase::EnableModeless(BOOL) { return S_OK; }

// --- IOleControl

STDMETHODIMP ControlBase::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  info->cb = sizeof *info;
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

STDMETHODIMP ControlBase::OnMnemonic(MSG*) { return S_OK; }

STDMETHODIMP ControlBase::OnAmbientPropertyChange(DISPID dispid) {
  OnAmbientChanged(dispid);
  return S_OK;
}

STDMETHODIMP ControlBase::FreezeEvents(BOOL freeze) {
  if (freeze) {
    ++freezeCount_;
  } else if (freezeCount_ > 0) {
    --freezeCount_;
  }
  return S_OK;
}

// --- IViewObject2

STDMETHODIMP ControlBase::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                               LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                               ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!dc) return E_INVALIDARG;
  RECT area = {};
  if (bounds) {
    area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
  } else if (window()) {
    GetClientRect(window(), &area);
  } else {
    return E_INVALIDARG;
  }
  OnDraw(dc, area);
  return S_OK;
}

STDMETHODIMP ControlBase::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                      LOGPALETTE** colors) {
  if (colors) *colors = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP ControlBase::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
STDMETHODIMP ControlBase::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  viewSink_ = sink;
  viewAspects_ = aspects;
  viewFlags_ = flags;
  return S_OK;
}

STDMETHODIMP ControlBase::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewFlags_;
  if (sink) viewSink_.CopyTo(sink);
  return S_OK;
}

STDMETHODIMP ControlBase::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

// --- IPersistStreamInit

STDMETHODIMP ControlBase::GetClassID(CLSID* clsid) { return GetUserClassID(clsid); }
STDMETHODIMP ControlBase::IsDirty() { return S_FALSE; }

STDMETHODIMP ControlBase::Load(LPSTREAM stream) {
  if (!stream) return E_POINTER;
  return InitNew();
}

STDMETHODIMP ControlBase::Save(LPSTREAM stream, BOOL) { return stream ? S_OK : E_POINTER; }

STDMETHODIMP ControlBase::GetSizeMax(ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  size->QuadPart = 0;
  return S_OK;
}

STDMETHODIMP ControlBase::InitNew() {
  if (initialized_) return CO_E_ALREADYINITIALIZED;
  initialized_ = true;
  return OnInitNew();
}

// --- What controls use

void ControlBase::OnDraw(HDC, const RECT&) {}

bool ControlBase::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool ControlBase::AmbientBackColor(OLE_COLOR* color) const {
  return com::AmbientBackColor(clientSite_.Get(), color);
}

bool ControlBase::AmbientForeColor(OLE_COLOR* color) const {
  return com::AmbientForeColor(clientSite_.Get(), color);
}

bool ControlBase::AmbientFont(Ptr<IFontDisp>* font) const {
  return com::AmbientFont(clientSite_.Get(), font);
}

bool ControlBase::AmbientUserMode(bool* userMode) const {
  return com::AmbientUserMode(clientSite_.Get(), userMode);
}

void ControlBase::TakeInitialFont(const FontSpec& fallback) {
  if (!clientSite() || font() || TakeAmbientFont()) return;
  Ptr<IFontDisp> created;
  if (SUCCEEDED(CreateFontDisp(fallback, &created))) SetFontQuietly(created.Get());
}

bool ControlBase::TakeAmbientFont() {
  Ptr<IFontDisp> ambient, copy;
  if (!AmbientFont(&ambient) || FAILED(CloneFontDisp(ambient.Get(), &copy))) return false;
  SetFontQuietly(copy.Get());
  return true;
}

void ControlBase::FireViewChange() {
  if (window()) {
    InvalidateRect(window(), nullptr, TRUE);
  } else if (viewSink_) {
    viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
  }
}

// --- Activation

HRESULT ControlBase::InPlaceActivate(LONG verb) {
  if (!clientSite_) return E_UNEXPECTED;
  if (!inPlaceSite_) {
    HRESULT found = clientSite_.As(&inPlaceSite_);
    if (FAILED(found)) return found;
  }
  if (!inPlaceActive_) {
    HRESULT allowed = inPlaceSite_->CanInPlaceActivate();
    if (allowed != S_OK) return FAILED(allowed) ? allowed : E_FAIL;
    inPlaceActive_ = true;
    inPlaceSite_->OnInPlaceActivate();
  }

  HWND parent = nullptr;
  Ptr<IOleInPlaceFrame> frame;
  Ptr<IOleInPlaceUIWindow> document;
  RECT position = {}, clip = {};
  OLEINPLACEFRAMEINFO frameInfo = {};
  frameInfo.cb = sizeof frameInfo;
  HRESULT result = inPlaceSite_->GetWindow(&parent);
  if (SUCCEEDED(result)) {
    result =
        inPlaceSite_->GetWindowContext(frame.Put(), document.Put(), &position, &clip, &frameInfo);
  }
  if (SUCCEEDED(result) && !CreateOrMoveWindow(parent, position)) result = E_FAIL;
  bool wantsUi = verb == OLEIVERB_PRIMARY || verb == OLEIVERB_SHOW || verb == OLEIVERB_UIACTIVATE;
  if (SUCCEEDED(result) && wantsUi) result = UIActivate(frame.Get(), document.Get());
  if (FAILED(result)) InPlaceDeactivate();
  return result;
}

bool ControlBase::CreateOrMoveWindow(HWND parent, const RECT& position) {
  if (!window()) return window_.Create(windowClass_, parent, position, kWindowStyle);
  if (GetParent(window()) != parent) SetParent(window(), parent);
  SetObjectRects(&position, &position);
  ShowWindow(window(), SW_SHOW);
  return true;
}

HRESULT ControlBase::UIActivate(IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document) {
  if (uiActive_) return S_OK;
  uiActive_ = true;
  inPlaceSite_->OnUIActivate();
  auto* active = static_cast<IOleInPlaceActiveObject*>(this);
  if (frame) {
    frame->SetActiveObject(active, nullptr);
    frame_ = frame;
  }
  if (document) {
    document->SetActiveObject(active, nullptr);
    document_ = document;
  }
  if (!HasFocusWithin(window())) SetFocus(window());
  return S_OK;
}

// The user reached the window (focus, a click) of a control the container
// activated only in place.
void ControlBase::UIActivateFromWindow() {
  if (uiActive_ || !inPlaceActive_ || !inPlaceSite_) return;
  Ptr<IOleInPlaceFrame> frame;
  Ptr<IOleInPlaceUIWindow> document;
  RECT position = {}, clip = {};
  OLEINPLACEFRAMEINFO frameInfo = {};
  frameInfo.cb = sizeof frameInfo;
  if (FAILED(inPlaceSite_->GetWindowContext(frame.Put(), document.Put(), &position, &clip,
                                            &frameInfo))) {
    return;
  }
  UIActivate(frame.Get(), document.Get());
}

// --- The control's window

LRESULT ControlBase::ControlWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return owner_->HandleWindowMessage(message, wParam, lParam);
}

LRESULT ControlBase::HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnWindowMessage(message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_PAINT:
      return OnPaint(reinterpret_cast<HDC>(wParam));
    case WM_SETFOCUS:
      OnSetFocus();
      break;
    case WM_KILLFOCUS:
      OnKillFocus();
      break;
    case WM_MOUSEACTIVATE:
      return OnMouseActivate(wParam, lParam);
  }
  return window_.Default(message, wParam, lParam);
}

void ControlBase::OnSetFocus() {
  UIActivateFromWindow();
  TellSiteOfFocus(true);
}

LRESULT ControlBase::OnMouseActivate(WPARAM wParam, LPARAM lParam) {
  UIActivateFromWindow();
  return window_.Default(WM_MOUSEACTIVATE, wParam, lParam);
}

LRESULT ControlBase::OnPaint(HDC given) {
  RECT client;
  GetClientRect(window(), &client);
  if (given) {
    OnDraw(given, client);
    return 0;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window(), &paint);
  if (dc) OnDraw(dc, client);
  EndPaint(window(), &paint);
  return 0;
}

void ControlBase::TellSiteOfFocus(bool focused) {
  if (!clientSite_) return;
  Ptr<IOleControlSite> site;
  if (SUCCEEDED(clientSite_.As(&site))) site->OnFocus(focused);
}

}  // namespace morvex::com
