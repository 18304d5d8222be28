#include "controls/common/MenuImages.h"

namespace morvex::controls {

namespace {

constexpr UINT kListFlags = ILC_COLOR4 | ILC_MASK;
constexpr int kListGrowth = 10;

}  // namespace

void MenuImages::Load(HINSTANCE module, UINT hotId, UINT coldId, COLORREF transparent) {
  Destroy();
  AddBitmap(MenuImageList::kHot, module, hotId, transparent);
  if (coldId != 0) AddBitmap(MenuImageList::kCold, module, coldId, transparent);
}

void MenuImages::Replace(HINSTANCE module, UINT hotId, UINT coldId, COLORREF transparent) {
  Clear();
  AddBitmap(MenuImageList::kHot, module, hotId, transparent);
  AddBitmap(MenuImageList::kCold, module, coldId, transparent);
}

void MenuImages::Clear() {
  for (HIMAGELIST list : lists_) {
    if (list) ImageList_Remove(list, -1);
  }
  for (auto& icons : iconIndex_) icons.clear();
}

void MenuImages::Destroy() {
  for (HIMAGELIST& list : lists_) {
    if (list) ImageList_Destroy(list);
    list = nullptr;
  }
  for (auto& icons : iconIndex_) icons.clear();
}

int MenuImages::AddIcon(MenuImageList which, HICON icon) {
  if (!icon || icon == INVALID_HANDLE_VALUE) return -1;
  std::map<HICON, int>& held = iconIndex_[Slot(which)];
  auto found = held.find(icon);
  if (found != held.end()) return found->second;
  HIMAGELIST& list = lists_[Slot(which)];
  if (!list) list = MakeList(iconSize_);
  const int index = list ? ImageList_ReplaceIcon(list, -1, icon) : -1;
  if (index >= 0) held[icon] = index;
  return index;
}

int MenuImages::Count(MenuImageList which) const {
  HIMAGELIST list = lists_[Slot(which)];
  return list ? ImageList_GetImageCount(list) : 0;
}

bool MenuImages::AddBitmap(MenuImageList which, HINSTANCE module, UINT id, COLORREF transparent) {
  // Resource ids are 16 bits: anything else names no bitmap (and would be
  // read as a string name).
  if (id == 0 || id > 0xFFFF) return false;
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return false;
  BITMAP facts = {};
  GetObjectA(bitmap, sizeof facts, &facts);
  int size = facts.bmHeight < 0 ? -facts.bmHeight : facts.bmHeight;
  HIMAGELIST& list = lists_[Slot(which)];
  if (!list) {
    list = MakeList(size);
  } else {
    int width = 0, height = 0;
    // Also empties the list, which the callers did already.
    if (ImageList_GetIconSize(list, &width, &height) && (width != size || height != size)) {
      ImageList_SetIconSize(list, size, size);
      iconIndex_[Slot(which)].clear();
    }
  }
  bool added = list && ImageList_AddMasked(list, bitmap, transparent) >= 0;
  DeleteObject(bitmap);
  if (added) iconSize_ = size;
  return added;
}

HIMAGELIST MenuImages::MakeList(int size) const {
  HIMAGELIST list = ImageList_Create(size, size, kListFlags, 0, kListGrowth);
  if (list) ImageList_SetBkColor(list, CLR_NONE);
  return list;
}

}  // namespace morvex::controls
