#include "controls/common/MenuPainter.h"

#include "com/Module.h"

namespace morvex::controls {

namespace {

constexpr BYTE kCyrillicCharset = RUSSIAN_CHARSET;

int ItemCount(HMENU menu) {
  int count = menu ? GetMenuItemCount(menu) : 0;
  return count < 0 ? 0 : count;
}

// The system's menu font as this system shows it: Cyrillic character set,
// no pitch or family preference.
LOGFONTA SystemMenuFont() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTA font = metrics.lfMenuFont;
  font.lfPitchAndFamily = 0;
  font.lfCharSet = kCyrillicCharset;
  return font;
}

}  // namespace

bool MenuPainter::Attach(HWND owner, HMENU menu) {
  if (!menu) return false;
  if (menu != menu_) {
    menu_ = menu;
    // Images first, so that converting every item can give them out.
    LoadDefaultImages();
    ConvertAll(true);
  }
  if (handle() == owner) return true;
  if (handle()) Unsubclass();
  return Subclass(owner);
}

void MenuPainter::Destroy() {
  if (menu_) RevertTree(menu_);
  menu_ = nullptr;
  // Records of items that left the menu some other way.
  records_.clear();
  DeleteFonts();
  images_.Destroy();
  Unsubclass();
}

void MenuPainter::ConvertAll(bool on) {
  int count = ItemCount(menu_);
  bool pastSeparator = false;
  for (int position = 0; position < count; ++position) {
    MenuItemFacts facts;
    if (!ReadMenuItem(menu_, position, &facts)) continue;
    if (!on) {
      Revert(menu_, position, facts);
      continue;
    }
    int hotIndex = -1, coldIndex = -1;
    if (policy_.indexRule == MenuIndexRule::kImageCount) {
      if (images_.Count(MenuImageList::kHot) > position) hotIndex = position;
      if (images_.Count(MenuImageList::kCold) > position) coldIndex = position;
    } else {
      // Only the first separator shifts the indices, however many follow.
      if (facts.type & MFT_SEPARATOR) pastSeparator = true;
      hotIndex = coldIndex = pastSeparator ? position - 1 : position;
    }
    Convert(menu_, position, facts, hotIndex, coldIndex);
  }
}

void MenuPainter::ConvertItem(UINT position, int hotIndex, int coldIndex) {
  if (static_cast<int>(position) >= ItemCount(menu_)) return;
  ConvertSubmenuItem(menu_, static_cast<int>(position), hotIndex, coldIndex);
}

void MenuPainter::ConvertSubmenuItem(HMENU submenu, int position, int hotIndex, int coldIndex) {
  if (position == -1) position = ItemCount(submenu) - 1;
  MenuItemFacts facts;
  if (position < 0 || !ReadMenuItem(submenu, position, &facts)) return;
  Convert(submenu, position, facts, hotIndex, coldIndex);
}

void MenuPainter::DeleteItem(UINT position) {
  MenuItemFacts facts;
  if (!ReadMenuItem(menu_, position, &facts)) return;
  if (facts.submenu) RevertTree(facts.submenu);
  Revert(menu_, position, facts);
  DeleteMenu(menu_, position, MF_BYPOSITION);
}

void MenuPainter::LoadDefaultImages() {
  images_.Load(com::ModuleInstance(), policy_.hotBitmap, policy_.coldBitmap,
               policy_.imageTransparency);
}

void MenuPainter::LoadImages(HINSTANCE module, UINT hotId, UINT coldId) {
  images_.Replace(module, hotId, coldId, policy_.imageTransparency);
}

void MenuPainter::AddIcons(HICON hot, HICON cold, int* hotIndex, int* coldIndex) {
  *hotIndex = images_.AddIcon(MenuImageList::kHot, hot);
  *coldIndex = images_.AddIcon(MenuImageList::kCold, cold);
}

void MenuPainter::SetFont(const LOGFONTA& font) {
  DeleteFonts();
  font_ = CreateFontIndirectA(&font);
  int count = ItemCount(menu_);
  for (int position = 0; position < count; ++position) ReinsertMenuItem(menu_, position);
}

void MenuPainter::MarkItem(UINT position) {
  int count = ItemCount(menu_);
  for (int each = 0; each < count; ++each) {
    UINT state = 0;
    if (!ReadMenuItemState(menu_, each, true, &state)) continue;
    UINT marked = static_cast<UINT>(each) == position ? state | MFS_HILITE : state & ~MFS_HILITE;
    if (marked != state) WriteMenuItemState(menu_, each, marked);
  }
}

void MenuPainter::DisableItem(UINT position) {
  UINT state = 0;
  if (static_cast<int>(position) >= ItemCount(menu_) ||
      !ReadMenuItemState(menu_, position, true, &state))
    return;
  WriteMenuItemState(menu_, position, state | MFS_GRAYED);
}

void MenuPainter::Reload() {
  DeleteFonts();
  images_.Destroy();
  LoadDefaultImages();
}

LRESULT MenuPainter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOLORCHANGE:
    case WM_WININICHANGE:
      Reload();
      break;
    case WM_MEASUREITEM:
      return OnMeasureItem(lParam);
    case WM_DRAWITEM:
      return OnDrawItem(wParam, lParam);
  }
  return DefaultProcessing(message, wParam, lParam);
}

// Taken whoever the item belongs to; only the renderer's items are measured.
LRESULT MenuPainter::OnMeasureItem(LPARAM lParam) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (!measure || measure->CtlType != ODT_MENU) return 0;
  const MenuItemRecord* record = Record(measure->itemData);
  if (!record) return 0;
  UINT state = 0;
  bool isDefault = !(record->type & MFT_SEPARATOR) &&
                   ReadMenuItemState(menu_, measure->itemID, false, &state) &&
                   (state & MFS_DEFAULT);
  SIZE size = MeasureMenuItem(handle(), *record, isDefault, Look());
  measure->itemWidth = static_cast<UINT>(size.cx);
  measure->itemHeight = static_cast<UINT>(size.cy);
  return TRUE;
}

LRESULT MenuPainter::OnDrawItem(WPARAM wParam, LPARAM lParam) {
  if (policy_.passedOnDrawMessage && wParam == policy_.passedOnDrawControlId)
    return SendMessageA(handle(), policy_.passedOnDrawMessage, wParam, lParam);
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (!item || item->CtlType != ODT_MENU) return 0;
  const MenuItemRecord* record = Record(item->itemData);
  if (!record) return 0;
  DrawMenuItem(*item, *record, Look());
  return TRUE;
}

void MenuPainter::Convert(HMENU menu, UINT position, const MenuItemFacts& facts, int hotIndex,
                          int coldIndex) {
  MenuItemRecord* record = Record(facts.data);
  if (facts.data && !record) return;  // another's data
  if (facts.type & MFT_OWNERDRAW) return;
  UINT type = facts.type | MFT_OWNERDRAW;
  if (!record) {
    auto made = std::make_unique<MenuItemRecord>();
    made->hotIndex = hotIndex;
    made->coldIndex = coldIndex;
    made->type = type;
    record = made.get();
    records_.emplace(reinterpret_cast<ULONG_PTR>(record), std::move(made));
  }
  record->text = facts.text;
  WriteMenuItemType(menu, position, type, reinterpret_cast<ULONG_PTR>(record), nullptr);
}

void MenuPainter::Revert(HMENU menu, UINT position, const MenuItemFacts& facts) {
  MenuItemRecord* record = Record(facts.data);
  if (facts.data && !record) return;  // another's data
  UINT type = facts.type;
  std::string text = facts.text;
  if (type & MFT_OWNERDRAW) {
    type &= ~MFT_OWNERDRAW;
    if (record) text = record->text;
  }
  FreeRecord(record);
  WriteMenuItemType(menu, position, type, 0, text.c_str());
}

void MenuPainter::RevertTree(HMENU menu) {
  int count = ItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MenuItemFacts facts;
    if (!ReadMenuItem(menu, position, &facts)) continue;
    if (facts.submenu) RevertTree(facts.submenu);
    Revert(menu, position, facts);
  }
}

MenuItemRecord* MenuPainter::Record(ULONG_PTR data) const {
  auto found = records_.find(data);
  if (found == records_.end() || found->second->tag != kMenuItemTag) return nullptr;
  return found->second.get();
}

void MenuPainter::FreeRecord(MenuItemRecord* record) {
  if (record) records_.erase(reinterpret_cast<ULONG_PTR>(record));
}

MenuLook MenuPainter::Look() {
  int icon = images_.iconSize();
  return {back_ ? *back_ : GetSysColor(COLOR_MENU),
          MenuFont(),
          DefaultItemFont(),
          icon,
          cellSize(),
          &images_,
          policy_.rowHeight,
          policy_.fillsItemFirst,
          policy_.checkedShowsHotImage};
}

HFONT MenuPainter::MenuFont() {
  if (!font_) {
    LOGFONTA font = SystemMenuFont();
    font_ = CreateFontIndirectA(&font);
  }
  return font_;
}

HFONT MenuPainter::DefaultItemFont() {
  if (!defaultItemFont_) {
    LOGFONTA font = SystemMenuFont();
    font.lfWeight = FW_BOLD;
    defaultItemFont_ = CreateFontIndirectA(&font);
  }
  return defaultItemFont_;
}

void MenuPainter::DeleteFonts() {
  for (HFONT* font : {&font_, &defaultItemFont_}) {
    if (*font) DeleteObject(*font);
    *font = nullptr;
  }
}

}  // namespace morvex::controls
