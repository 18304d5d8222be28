#include "controls/common/MenuItems.h"

namespace morvex::controls {

namespace {

constexpr UINT kTextCapacity = 256;

// The structure's own size: the 64-bit one is larger than a 32-bit
// build's 44 bytes.
MENUITEMINFOA InfoWithMask(UINT mask) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = mask;
  return info;
}

bool IsStringType(UINT type) { return (type & (MFT_BITMAP | MFT_OWNERDRAW | MFT_SEPARATOR)) == 0; }

}  // namespace

bool ReadMenuItem(HMENU menu, UINT position, MenuItemFacts* facts) {
  // The buffer is handed over afresh on every call: Wine clears dwTypeData
  // of an owner-drawn item.
  char text[kTextCapacity] = {};
  MENUITEMINFOA info = InfoWithMask(MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA);
  info.dwTypeData = text;
  info.cch = kTextCapacity;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return false;
  facts->id = info.wID;
  facts->submenu = info.hSubMenu;
  facts->type = info.fType;
  facts->data = info.dwItemData;
  text[kTextCapacity - 1] = '\0';
  facts->text = IsStringType(info.fType) ? text : "";
  return true;
}

bool WriteMenuItemType(HMENU menu, UINT position, UINT type, ULONG_PTR data, const char* text) {
  MENUITEMINFOA info = InfoWithMask(MIIM_TYPE | MIIM_DATA);
  info.fType = type;
  info.dwItemData = data;
  if (IsStringType(type)) info.dwTypeData = const_cast<char*>(text ? text : "");
  return SetMenuItemInfoA(menu, position, TRUE, &info) != FALSE;
}

bool ReadMenuItemState(HMENU menu, UINT item, bool byPosition, UINT* state) {
  MENUITEMINFOA info = InfoWithMask(MIIM_STATE);
  if (!GetMenuItemInfoA(menu, item, byPosition, &info)) return false;
  *state = info.fState;
  return true;
}

bool WriteMenuItemState(HMENU menu, UINT position, UINT state) {
  MENUITEMINFOA info = InfoWithMask(MIIM_STATE);
  info.fState = state;
  return SetMenuItemInfoA(menu, position, TRUE, &info) != FALSE;
}

bool ReinsertMenuItem(HMENU menu, UINT position) {
  char text[kTextCapacity] = {};
  MENUITEMINFOA info = InfoWithMask(MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STATE | MIIM_DATA |
                                    MIIM_CHECKMARKS | MIIM_STRING | MIIM_BITMAP);
  info.dwTypeData = text;
  info.cch = kTextCapacity;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return false;
  text[kTextCapacity - 1] = '\0';
  info.dwTypeData = text;
  info.cch = static_cast<UINT>(lstrlenA(text));
  // RemoveMenu keeps the submenu alive for the item that comes back.
  if (!RemoveMenu(menu, position, MF_BYPOSITION)) return false;
  return InsertMenuItemA(menu, position, TRUE, &info) != FALSE;
}

}  // namespace morvex::controls
