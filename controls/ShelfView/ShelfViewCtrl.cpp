#include "ShelfViewCtrl.h"

#include <commctrl.h>

#include "com/Reflection.h"

namespace morvex::shelfview {

namespace {

constexpr DISPID kOnSelChange = 1;
constexpr DISPID kOnNeedShowDic = 2;

// The common controls of the 95 set and the pager.
constexpr DWORD kCommonControls = 0x10FF;

std::wstring TextOf(BSTR text) { return std::wstring(text ? text : L"", SysStringLen(text)); }

template <class Value>
HRESULT HandOut(Value value, Value* out) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}

HRESULT HandOut(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  return com::Bstr(text.c_str(), static_cast<UINT>(text.size())).CopyTo(out);
}

}  // namespace

ShelfViewCtrl::ShelfViewCtrl()
    : Control(CLSID_ShelfViewCtrl, {"ShelfViewCtrl"}),
      textColour_(GetSysColor(COLOR_BTNTEXT)),
      pager_(&tree_) {
  tree_.SetOwner(static_cast<IOleObject*>(this));
  pager_.SetOwner(static_cast<IOleObject*>(this));
}

ShelfViewCtrl::~ShelfViewCtrl() {
  tree_.SetOwner(nullptr);
  pager_.SetOwner(nullptr);
}

// --- IShelfViewCtrl

STDMETHODIMP ShelfViewCtrl::put_Font(IFontDisp* font) {
  if (!font) return S_OK;
  return PutRefStockFont(font);
}

STDMETHODIMP ShelfViewCtrl::get_DictSystem(IUnknown** system) {
  if (!system) return E_POINTER;
  *system = nullptr;
  if (!system_) return S_OK;
  return system_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(system));
}

// A second system replaces the first: the old items go before the system
// that keeps their dictionaries alive.
STDMETHODIMP ShelfViewCtrl::put_DictSystem(IUnknown* system) {
  com::Ptr<ILexiconHub> hub;
  if (!system || FAILED(system->QueryInterface(IID_ILexiconHub, hub.PutVoid())) || !hub)
    return E_NOINTERFACE;
  tree_.Clear();
  system_ = hub;
  // Without a window yet, the model is built when the window is made.
  if (tree_.handle()) Build();
  return S_OK;
}

STDMETHODIMP ShelfViewCtrl::get_ActiveObject(IUnknown** dictionary) {
  if (!dictionary) return E_NOINTERFACE;
  *dictionary = nullptr;
  com::Ptr<IVelDictionary> selected = tree_.DictionaryOf(tree_.Selected());
  if (!selected) return E_NOINTERFACE;
  return selected->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(dictionary));
}

STDMETHODIMP ShelfViewCtrl::put_ActiveObject(IUnknown* dictionary) {
  if (!dictionary) return E_INVALIDARG;
  com::Ptr<IVelDictionary> wanted;
  if (FAILED(dictionary->QueryInterface(IID_IVelDictionary, wanted.PutVoid())))
    return E_NOINTERFACE;
  HTREEITEM selected = tree_.Selected();
  if (selected && com::SameObject(tree_.DictionaryOf(selected).Get(), wanted.Get())) return S_OK;
  HTREEITEM root = tree_.handle() ? tree_.Root() : nullptr;
  for (HTREEITEM child = tree_.FirstChild(root); child; child = tree_.NextSibling(child)) {
    if (com::SameObject(tree_.DictionaryOf(child).Get(), wanted.Get())) {
      tree_.Select(child);
      break;
    }
  }
  return S_OK;
}

STDMETHODIMP ShelfViewCtrl::get_TextColor(OLE_COLOR* color) { return HandOut(textColour_, color); }

STDMETHODIMP ShelfViewCtrl::put_TextColor(OLE_COLOR color) {
  textColour_ = color;
  tree_.SetItemTextColour(static_cast<COLORREF>(color));
  return S_OK;
}

STDMETHODIMP ShelfViewCtrl::get_LangID(long* langId) { return HandOut(langId_, langId); }

STDMETHODIMP ShelfViewCtrl::put_LangID(long langId) {
  langId_ = langId;
  if (tree_.handle()) RenameShelf(system_.Get(), Names(), &tree_);
  return S_OK;
}

STDMETHODIMP ShelfViewCtrl::get_DictCollName(BSTR* name) { return HandOut(collectionName_, name); }

STDMETHODIMP ShelfViewCtrl::put_DictCollName(BSTR name) {
  collectionName_ = TextOf(name);
  return S_OK;
}

STDMETHODIMP ShelfViewCtrl::get_InfoTipTitle(BSTR* title) {
  return HandOut(tree_.infoTipTitle(), title);
}

STDMETHODIMP ShelfViewCtrl::put_InfoTipTitle(BSTR title) {
  tree_.SetInfoTipTitle(TextOf(title));
  return S_OK;
}

STDMETHODIMP ShelfViewCtrl::SetObjectRects(LPCRECT position, LPCRECT clip) {
  HRESULT placed = ControlBase::SetObjectRects(position, clip);
  if (SUCCEEDED(placed)) {
    pager_.Place(position->right - position->left, position->bottom - position->top);
  }
  return placed;
}

// --- Container

void ShelfViewCtrl::OnAmbientChanged(DISPID dispid) {
  if (dispid == DISPID_AMBIENT_BACKCOLOR) {
    OLE_COLOR colour = 0;
    if (!AmbientBackColor(&colour)) return;
    SetBackColorQuietly(colour);
    backColourGiven_ = true;
    ApplyBackColour();
    FireViewChange();
  } else if (dispid == DISPID_AMBIENT_FONT) {
    com::Ptr<IFontDisp> font;
    if (!AmbientFont(&font)) return;
    SetFontQuietly(font.Get());
    SendFontToTree();
  }
}

void ShelfViewCtrl::OnBackColorChanged() {
  backColourGiven_ = true;
  ApplyBackColour();
}
void ShelfViewCtrl::OnFontChanged() { SendFontToTree(); }

// --- The control's window

bool ShelfViewCtrl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  // The pager hands on the tree's notifications: both come back to their
  // senders.
  if (com::ReflectNotification(window(), message, wParam, lParam, result)) return true;
  switch (message) {
    case WM_CREATE:
      *result = OnCreate();
      return true;
    // The base's handling follows: the site hears of the focus.
    case WM_SETFOCUS:
      OnSetFocus();
      return false;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_MOUSEACTIVATE:
      *result = OnMouseActivate();
      return true;
    // Then on to the window's own processing.
    case WM_KEYUP:
      if (wParam == VK_RETURN) OnShowDictionary();
      return false;
    case kShowDictionaryMessage:
      OnShowDictionary();
      *result = 0;
      return true;
    case kSelectionChangedMessage:
      OnSelectionChanged();
      *result = 0;
      return true;
  }
  return false;
}

LRESULT ShelfViewCtrl::OnCreate() {
  INITCOMMONCONTROLSEX classes = {sizeof classes, kCommonControls};
  InitCommonControlsEx(&classes);
  RECT client = {};
  GetClientRect(window(), &client);
  if (!pager_.Create(window(), client) || !tree_.Create(pager_.handle(), client)) return -1;
  SendMessageA(pager_.handle(), PGM_SETCHILD, 0, reinterpret_cast<LPARAM>(tree_.handle()));
  if (backColourGiven_) ApplyBackColour();
  if (font()) SendFontToTree();
  if (system_) Build();
  return 0;
}

void ShelfViewCtrl::OnSetFocus() {
  if (!inPlaceActive() || IsChild(window(), GetFocus())) return;
  tree_.RecalculatePager();
  FocusTreeWhenVisible();
}

// A click shows the control as it is now, before the tree takes it.
LRESULT ShelfViewCtrl::OnMouseActivate() {
  UpdateWindow(window());
  return 0;
}

void ShelfViewCtrl::OnShowDictionary() { FireEvent(kOnNeedShowDic); }

void ShelfViewCtrl::OnSelectionChanged() {
  FireEvent(kOnSelChange);
  FocusTreeWhenVisible();
}

// --- Helpers

void ShelfViewCtrl::Build() { BuildShelf(system_.Get(), Names(), &tree_); }

void ShelfViewCtrl::ApplyBackColour() {
  auto colour = static_cast<LPARAM>(static_cast<COLORREF>(backColor()));
  if (tree_.handle()) SendMessageA(tree_.handle(), TVM_SETBKCOLOR, 0, colour);
  if (pager_.handle()) SendMessageA(pager_.handle(), PGM_SETBKCOLOR, 0, colour);
}

void ShelfViewCtrl::SendFontToTree() {
  com::Ptr<IFont> details;
  HFONT handle = nullptr;
  if (!tree_.handle() || !font() || FAILED(font()->QueryInterface(IID_IFont, details.PutVoid())) ||
      FAILED(details->get_hFont(&handle)))
    return;
  SendMessageA(tree_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
  tree_.RecalculatePager();
}

void ShelfViewCtrl::FocusTreeWhenVisible() {
  if (tree_.handle() && IsWindowVisible(tree_.handle())) SetFocus(tree_.handle());
}

ShelfNames ShelfViewCtrl::Names() const { return {collectionName_, langId_}; }

}  // namespace morvex::shelfview
