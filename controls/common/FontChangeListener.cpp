#include "controls/common/FontChangeListener.h"

#include <utility>

namespace morvex::controls {

const com::InterfaceEntry* FontChangeListener::Interfaces() {
  static const com::InterfaceEntry table[] = {
      com::Entry<FontChangeListener, IUnknown, IPropertyNotifySink>(),
      com::Entry<FontChangeListener, IPropertyNotifySink>(), com::kEndOfInterfaces};
  return table;
}

HRESULT FontChangeListener::Create(FontChangeOwner* owner, com::Ptr<FontChangeListener>* listener) {
  return com::MakeObject(listener, owner);
}

HRESULT FontChangeListener::Listen(IUnknown* font) {
  if (font && com::SameObject(font, font_.Get())) return S_OK;
  Unadvise();
  if (!font) return S_OK;
  com::Ptr<IConnectionPointContainer> container;
  HRESULT hr = font->QueryInterface(IID_IConnectionPointContainer, container.PutVoid());
  if (FAILED(hr)) return hr;
  com::Ptr<IConnectionPoint> point;
  hr = container->FindConnectionPoint(IID_IPropertyNotifySink, point.Put());
  if (FAILED(hr)) return hr;
  DWORD cookie = 0;
  hr = point->Advise(static_cast<IPropertyNotifySink*>(this), &cookie);
  if (FAILED(hr)) return hr;
  font_ = font;
  point_ = point;
  cookie_ = cookie;
  return S_OK;
}

void FontChangeListener::Disconnect() {
  Unadvise();
  owner_ = nullptr;
}

void FontChangeListener::Unadvise() {
  if (!point_) return;
  // Our last reference may be the connection's: keep the object whole
  // until the members below are cleared.
  com::Ptr<FontChangeListener> alive(this);
  com::Ptr<IConnectionPoint> point = std::move(point_);
  point->Unadvise(cookie_);
  cookie_ = 0;
  font_.Reset();
}

STDMETHODIMP FontChangeListener::OnChanged(DISPID) {
  if (owner_) {
    owner_->RefreshView();
    owner_->RebuildFonts(true);
  }
  return S_OK;
}

STDMETHODIMP FontChangeListener::OnRequestEdit(DISPID) { return S_OK; }

}  // namespace morvex::controls
