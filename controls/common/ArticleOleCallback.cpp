#include "controls/common/ArticleOleCallback.h"

namespace morvex::controls {

HRESULT AttachArticleOleCallback(HWND richEdit) {
  RevokeDragDrop(richEdit);
  com::Ptr<ArticleOleCallback> callback;
  HRESULT hr = com::MakeObject(&callback, richEdit);
  if (FAILED(hr)) return hr;
  IRichEditOleCallback* given = callback.Get();
  return SendMessageA(richEdit, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(given)) ? S_OK
                                                                                       : E_FAIL;
}

const com::InterfaceEntry* ArticleOleCallback::Interfaces() {
  static const com::InterfaceEntry table[] = {
      com::Entry<ArticleOleCallback, IUnknown, IRichEditOleCallback>(), com::kEndOfInterfaces};
  return table;
}

HRESULT ArticleOleCallback::QueryOtherInterface(REFIID iid, void** out) {
  if (!IsEqualIID(iid, IID_IRichEditOleCallback)) {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  IRichEditOleCallback* self = this;
  self->AddRef();
  *out = self;
  return S_OK;
}

STDMETHODIMP ArticleOleCallback::GetNewStorage(LPSTORAGE*) { return E_NOTIMPL; }

// Success with the interfaces unwritten would hand the caller garbage.
STDMETHODIMP ArticleOleCallback::GetInPlaceContext(LPOLEINPLACEFRAME* frame,
                                                   LPOLEINPLACEUIWINDOW* document,
                                                   LPOLEINPLACEFRAMEINFO) {
  if (frame) *frame = nullptr;
  if (document) *document = nullptr;
  return S_OK;
}

STDMETHODIMP ArticleOleCallback::ShowContainerUI(BOOL) { return S_OK; }

STDMETHODIMP ArticleOleCallback::QueryInsertObject(LPCLSID, LPSTORAGE, LONG) { return S_OK; }

STDMETHODIMP ArticleOleCallback::DeleteObject(LPOLEOBJECT) { return S_OK; }

STDMETHODIMP ArticleOleCallback::QueryAcceptData(LPDATAOBJECT, CLIPFORMAT*, DWORD, BOOL, HGLOBAL) {
  return E_NOTIMPL;
}

STDMETHODIMP ArticleOleCallback::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP ArticleOleCallback::GetClipboardData(CHARRANGE*, DWORD, LPDATAOBJECT* data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP ArticleOleCallback::GetDragDropEffect(BOOL, DWORD, LPDWORD effect) {
  if (effect) *effect = DROPEFFECT_COPY;
  return E_NOTIMPL;
}

// The menu handle is written null: a rich edit tracks and destroys whatever
// handle comes back with S_OK. The point goes as MAKELPARAM, so that a
// negative x (a screen left of the primary one) keeps y.
STDMETHODIMP ArticleOleCallback::GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU* menu) {
  if (menu) *menu = nullptr;
  if (!richEdit_) return S_OK;
  HWND parent = GetParent(richEdit_);
  if (parent && IsWindow(parent)) {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    SendMessageA(parent, WM_RICHEDIT_CONTEXTMENU, reinterpret_cast<WPARAM>(richEdit_),
                 MAKELPARAM(cursor.x, cursor.y));
  }
  return S_OK;
}

}  // namespace morvex::controls
