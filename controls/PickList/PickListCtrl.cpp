#include "PickListCtrl.h"

#include <string>

#include "com/WideText.h"
#include "controls/common/MenuItems.h"

namespace morvex::picklist {

namespace {

constexpr DISPID kLangChangedEvent = 1;
// Identifiers the control gives out itself start here.
constexpr long kFirstOwnId = 120;
// Until the host puts its back colour the menu shows this one, as it
// always has, so that a host that forgets is seen at once.
constexpr COLORREF kUnsetBackColour = 0xFF80FF;

// What the control uses when the container offers no font.
const com::FontSpec kDefaultFont = {L"Arial", 8, FW_NORMAL, RUSSIAN_CHARSET, true};

std::string MenuText(BSTR text) {
  return com::AnsiFromWide(std::wstring_view(text ? text : L"", SysStringLen(text)));
}

// Icon handles cross as longs, sign-extended as Windows does for them.
HICON IconOf(long handle) { return static_cast<HICON>(LongToHandle(handle)); }

int LastPosition(HMENU menu) { return GetMenuItemCount(menu) - 1; }

}  // namespace

PickListCtrl::PickListCtrl()
    : Control(CLSID_PickListCtrl, {"MorvexPickListWindow"}), painter_(controls::kPopupMenuPolicy) {}

// The window is gone by now (the control base destroys it at the last
// release); the records go before the menu.
PickListCtrl::~PickListCtrl() {
  painter_.Destroy();
  if (menu_) DestroyMenu(menu_);
}

STDMETHODIMP PickListCtrl::get_CheckedItem(long* position) {
  if (!position) return E_POINTER;
  *position = -1;
  for (long each = 0; menu_ && each < itemCount_; ++each) {
    UINT state = 0;
    if (controls::ReadMenuItemState(menu_, static_cast<UINT>(each), true, &state) &&
        (state & MFS_CHECKED)) {
      *position = each;
      break;
    }
  }
  return S_OK;
}

STDMETHODIMP PickListCtrl::put_CheckedItem(long position) {
  painter_.MarkItem(static_cast<UINT>(position));
  return S_OK;
}

STDMETHODIMP PickListCtrl::TrackPopupMenu(long x, long y) {
  // The choice comes back as WM_COMMAND to our window once the menu closed.
  if (menu_) ::TrackPopupMenu(menu_, TPM_LEFTBUTTON, x, y, 0, window(), nullptr);
  return S_OK;
}

STDMETHODIMP PickListCtrl::AddItem(long id, BSTR text) {
  if (!menu_) return S_OK;
  AppendMenuA(menu_, MF_STRING, NextItemId(id), MenuText(text).c_str());
  ConvertAllByImages();
  ++itemCount_;
  return S_OK;
}

STDMETHODIMP PickListCtrl::SetResourseInst(LONG_PTR module, long hotBitmap, long coldBitmap) {
  hostImageId_ = hotBitmap;
  painter_.LoadImages(reinterpret_cast<HINSTANCE>(module), static_cast<UINT>(hotBitmap),
                      static_cast<UINT>(coldBitmap));
  ConvertAllByImages();
  return S_OK;
}

STDMETHODIMP PickListCtrl::put_BackColor(OLE_COLOR colour) {
  // A plain RGB value, as the host gives it.
  painter_.SetBackColour(static_cast<COLORREF>(colour));
  return S_OK;
}

STDMETHODIMP PickListCtrl::DeleteAllItems(long clearImages) {
  // Hosts empty the menu before every showing: each item's record goes
  // with it.
  for (int position = menu_ ? LastPosition(menu_) : -1; position >= 0; --position)
    painter_.DeleteItem(static_cast<UINT>(position));
  if (clearImages == 1) painter_.ClearImages();
  itemCount_ = 0;
  return S_OK;
}

STDMETHODIMP PickListCtrl::put_FontMenu(IFontDisp* font) {
  com::Ptr<IFont> details;
  HFONT handle = nullptr;
  LOGFONTA description = {};
  if (!font || FAILED(font->QueryInterface(IID_IFont, details.PutVoid())) ||
      FAILED(details->get_hFont(&handle)) || !handle ||
      !GetObjectA(handle, sizeof description, &description))
    return S_OK;
  painter_.SetFont(description);
  return S_OK;
}

STDMETHODIMP PickListCtrl::get_UsedItemID(long* used) {
  if (!used) return E_POINTER;
  *used = usedItemId_;
  return S_OK;
}

STDMETHODIMP PickListCtrl::put_UsedItemID(long used) {
  usedItemId_ = used;
  return S_OK;
}

STDMETHODIMP PickListCtrl::AddItemIcon(long id, BSTR text, long hotIcon, long coldIcon) {
  if (!menu_) return S_OK;
  if (SysStringLen(text) == 0) {
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    painter_.ConvertItem(static_cast<UINT>(LastPosition(menu_)), -1, -1);
    ++itemCount_;
    return S_OK;
  }
  AppendMenuA(menu_, MF_STRING, NextItemId(id), MenuText(text).c_str());
  ++itemCount_;
  int hotIndex = -1, coldIndex = -1;
  AddIcons(hotIcon, coldIcon, &hotIndex, &coldIndex);
  painter_.ConvertItem(static_cast<UINT>(LastPosition(menu_)), hotIndex, coldIndex);
  return S_OK;
}

STDMETHODIMP PickListCtrl::put_DisableItem(long position) {
  painter_.DisableItem(static_cast<UINT>(position));
  return S_OK;
}

STDMETHODIMP PickListCtrl::InsertSubMenu(long position, BSTR text) {
  if (!menu_) return S_OK;
  HMENU submenu = CreatePopupMenu();
  if (!InsertMenuA(menu_, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | MF_STRING,
                   reinterpret_cast<UINT_PTR>(submenu), MenuText(text).c_str())) {
    DestroyMenu(submenu);
    return S_OK;
  }
  ConvertAllByImages();
  ++itemCount_;
  return S_OK;
}

STDMETHODIMP PickListCtrl::AddSubItemIcon(long position, long id, BSTR text, long hotIcon,
                                          long coldIcon) {
  if (!menu_ || position >= itemCount_) return S_OK;
  HMENU submenu = GetSubMenu(menu_, position);
  if (!submenu) return S_OK;
  // The host's identifier, whatever UsedItemID says.
  AppendMenuA(submenu, MF_STRING, static_cast<UINT>(id), MenuText(text).c_str());
  int hotIndex = -1, coldIndex = -1;
  AddIcons(hotIcon, coldIcon, &hotIndex, &coldIndex);
  painter_.ConvertSubmenuItem(submenu, -1, hotIndex, coldIndex);
  return S_OK;
}

bool PickListCtrl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_CREATE:
      *result = OnCreate();
      return true;
    case WM_COMMAND:
      *result = OnCommand(wParam);
      return true;
  }
  return false;
}

void PickListCtrl::OnClientSiteChanged() {
  TakeInitialFont(kDefaultFont);
}

void PickListCtrl::OnAmbientChanged(DISPID dispid) {
  if (dispid != DISPID_AMBIENT_FONT && dispid != DISPID_UNKNOWN) return;
  TakeAmbientFont();
}

// The menu lives as long as the control: a window made again (the
// container activated the control once more) takes the menu it had.
LRESULT PickListCtrl::OnCreate() {
  if (!menu_) {
    menu_ = CreatePopupMenu();
    if (!menu_) return 0;
    painter_.Attach(window(), menu_);
    painter_.SetBackColour(kUnsetBackColour);
    return 0;
  }
  painter_.Attach(window(), menu_);
  return 0;
}

LRESULT PickListCtrl::OnCommand(WPARAM wParam) {
  long id = LOWORD(wParam);
  FireEvent(kLangChangedEvent, {com::Variant(usedItemId_ == 1 ? id : id - kFirstOwnId)});
  return 0;
}

UINT PickListCtrl::NextItemId(long hostId) const {
  return static_cast<UINT>(usedItemId_ == 1 ? hostId : kFirstOwnId + itemCount_);
}

void PickListCtrl::ConvertAllByImages() { painter_.ConvertAll(hostImageId_ >= 0); }

void PickListCtrl::AddIcons(long hotIcon, long coldIcon, int* hotIndex, int* coldIndex) {
  painter_.AddIcons(IconOf(hotIcon), IconOf(coldIcon), hotIndex, coldIndex);
}

}  // namespace morvex::picklist
